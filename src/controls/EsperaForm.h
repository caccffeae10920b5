#pragma once

#include <QDialog>

class QLabel;

namespace k9 {

// The wait window of each menu command: borderless, centred on the screen, one panel
// with the wait text ("Espere cargando..." until the command gives its own).
class TEsperaForm : public QDialog
{
    Q_OBJECT

public:
    explicit TEsperaForm(QWidget *parent = nullptr, const QString &text = QString());

    // The text as given, and as shown (a doubled "&" shows once).
    QString text() const;
    QString shownText() const;
    void setText(const QString &text);
    int helpTopic() const { return m_helpTopic; }
    void setHelpTopic(int topic) { m_helpTopic = topic; }
    // Shows it centred on the screen and paints it at once.
    void showNow();

private:
    QLabel *m_panel;
    QString m_text;
    int m_helpTopic = 0;
};

} // namespace k9
