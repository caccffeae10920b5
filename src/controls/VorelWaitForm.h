#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace k9 {

// The wait window created at start-up ("Espere cargando ..."): a bordered window without a
// caption bar and one label. Only the program closes it (finish() or its timer); a close
// asked by the user is refused.
class TVorelWaitForm : public QDialog
{
    Q_OBJECT

public:
    explicit TVorelWaitForm(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    // "Espere cargando, " + name + " ...": shown and painted at once.
    void showLoading(const QString &name);
    // Closes it after `msecs` (the timer of the window).
    void closeAfter(int msecs);
    // Closes it now.
    void finish();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_label;
    QTimer *m_timer;
    bool m_closing = false;
};

} // namespace k9
