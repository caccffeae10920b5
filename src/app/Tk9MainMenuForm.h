#pragma once

#include "app/CommandTable.h"
#include "controls/VorelFileMenuForm.h"

#include <QHash>
#include <QPointer>

class QAction;
class QMenu;
class QTimer;

namespace k9 {

class TVorelWaitForm;
class Tk9PasswordForm;

// The main window of the module. The first time it is activated it asks for a user
// (Tk9PasswordForm, a second later); once a user is accepted it attaches the menus of
// commandTable() to the menu bar (the administrator's items only for code 1), shows the
// tool-bar buttons, and checks the pending appointments and tasks. From then on every
// command opens its work window modally behind a wait window (runCommand).
//
// The program ends through programEndRequested: "&Salir", closing the window, or a
// log-in that ends without a user.
class Tk9MainMenuForm : public TVorelFileMenuForm
{
    Q_OBJECT

public:
    static constexpr int kHelpTopic = 15;        // F1: the main window
    static constexpr int kGeneralHelpTopic = 10; // "&Ayuda"
    static constexpr int kLoginDelayMs = 1000;

    // `optionsLoaded`: start-up read the module options; without them the window keeps its
    // first caption and the item detail window is not made ahead.
    explicit Tk9MainMenuForm(QWidget *parent = nullptr, bool optionsLoaded = true);
    ~Tk9MainMenuForm() override;

    void setLoginDelay(int msecs);
    bool isLoggedIn() const { return m_loggedIn; }
    // The log-in dialog while it is open.
    Tk9PasswordForm *passwordForm() const;
    // The wait window made at start-up (the host-window launcher's).
    TVorelWaitForm *waitForm() const { return m_waitForm; }

    // The menu item and the tool-bar button of a command (nullptr when it has none).
    QAction *menuAction(CommandId id) const { return m_menuActions.value(static_cast<int>(id)); }
    QAction *toolAction(CommandId id) const { return m_toolActions.value(static_cast<int>(id)); }
    // The menu reached by `path` (as in CommandDef::menuPath).
    QMenu *menu(const QStringList &path) const { return m_menus.value(path.join(u'\n')); }

    // Enables the commands whose window is registered, and shows the administrator's
    // items only to the administrator.
    void updateCommands();
    // What an accepted log-in does: the rights of the user applied, the menus attached to
    // the menu bar and the tool-bar buttons shown.
    void showMenus();

public slots:
    void startLogin();
    // Runs one command. Answers whether it ran (a work window was shown, or the window's
    // own action done); false when the command has no window, the window declined, or
    // building it failed (the user is told; the main window goes on).
    bool runCommand(k9::CommandId id);
    // After the log-in: when FC_AVISOCITAS or FC_AVISOTAREA is set, the reminder window
    // (CommandRegistry::setReminderFactory) is made behind a wait window, and shown when
    // it found what the options ask for.
    void checkReminders();

signals:
    void programEndRequested(int exitCode);
    void loggedIn();

public:
    void done(int result) override;

protected:
    bool event(QEvent *event) override;

private:
    void buildMenus();
    void addStatusPanels();
    void loginFinished();
    bool openWorkWindow(const CommandDef &def);
    QMenu *menuFor(const QStringList &path);
    // Asks, once, for the end of the program.
    void endProgram(int exitCode);

    bool m_optionsLoaded;
    bool m_activated = false;
    bool m_loggedIn = false;
    bool m_ending = false;
    QTimer *m_loginTimer;
    TVorelWaitForm *m_waitForm;
    QPointer<Tk9PasswordForm> m_login;
    QList<QMenu *> m_topMenus;
    QHash<QString, QMenu *> m_menus;
    QHash<int, QAction *> m_menuActions;
    QHash<int, QAction *> m_toolActions;
};

} // namespace k9
