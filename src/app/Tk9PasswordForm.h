#pragma once

#include "controls/EForm.h"
#include "data/Login.h"

#include <QDateTime>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace k9 {

// "Acceso Restringido": the user name (UserName, "DEMO" to start with) and the password
// (UsersKey, upper case, shown as "*"), over the checks of LoginCheck. An accepted user
// opens the lock and the dialog closes 500 ms later; a refused user, the fourth wrong
// password, "&Cancelar" or closing the dialog without an accepted user ask for the end of
// the program (programEndRequested) and close the dialog.
class Tk9PasswordForm : public TEForm
{
    Q_OBJECT

public:
    static constexpr int kHelpTopic = 20;
    static constexpr int kCloseDelayMs = 500;

    // The users table is read from `dataDir` (paths().DirDatos when empty). When it is
    // missing the user has been told and ready() is false: the program ends.
    explicit Tk9PasswordForm(QWidget *parent = nullptr, const QString &dataDir = QString());
    ~Tk9PasswordForm() override;

    bool ready() const { return m_check.ready(); }
    bool isAccepted() const { return m_accepted; }
    bool endRequested() const { return m_endRequested; }
    int failures() const { return m_check.failures(); }
    bool lockOpen() const { return m_lockOpen; }

    // The time the schedule is checked against (now, unless set).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    QLineEdit *userName() const { return m_user; }
    QLineEdit *usersKey() const { return m_key; }
    QLabel *lockLabel() const { return m_lock; }

public slots:
    void aceptar();
    void cancelar();

signals:
    void programEndRequested();

public:
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void requestEnd();
    void showLock(bool open);

    LoginCheck m_check;
    std::function<QDateTime()> m_clock;
    bool m_accepted = false;
    bool m_endRequested = false;
    bool m_lockOpen = false;
    QLineEdit *m_user;
    QLineEdit *m_key;
    QLabel *m_lock;
    QPushButton *m_aceptar;
    QPushButton *m_cancelar;
    QTimer *m_closeTimer;
};

} // namespace k9
