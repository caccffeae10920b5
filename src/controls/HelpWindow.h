#pragma once

#include "core/HelpFile.h"

#include <QDialog>

class QListWidget;
class QTextBrowser;

namespace k9 {

// The help of the program: the topics of the workspace's help file (paths().ArchivoAyuda)
// listed on the left, the chosen one shown on the right. A window opens it on its topic.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Reads the help file again; answers whether it could be read.
    bool load();
    void setTopics(const QList<HelpTopic> &topics);
    // Shows topic `number`; when the file has no such topic, says so and shows the index.
    void showTopic(int number);
    int currentTopic() const { return m_current; }
    QTextBrowser *browser() const { return m_browser; }

    // The help window of `owner` (created on first use, closed with it) on topic `number`.
    static HelpWindow *open(QWidget *owner, int number);

private:
    void showIndex(int row);

    QList<HelpTopic> m_topics;
    QListWidget *m_index;
    QTextBrowser *m_browser;
    QString m_problem;
    int m_current = 0;
};

} // namespace k9
