#include "app/Tk9MainMenuForm.h"

#include "app/AppImages.h"
#include "app/CommandRegistry.h"
#include "app/HostWindow.h"
#include "app/KeyLocks.h"
#include "app/ProductInfo.h"
#include "app/Tk9PasswordForm.h"
#include "controls/ButtonGlyphs.h"
#include "controls/VorelWaitForm.h"
#include "core/Globals.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace k9 {

Tk9MainMenuForm::Tk9MainMenuForm(QWidget *parent, bool optionsLoaded)
    : TVorelFileMenuForm(parent, kHelpTopic),
      m_optionsLoaded(optionsLoaded),
      m_loginTimer(new QTimer(this)),
      m_waitForm(new TVorelWaitForm(this))
{
    setObjectName(QStringLiteral("k9MainMenuForm"));
    setWindowTitle(optionsLoaded ? moduleCaption() : QStringLiteral("k9RMA"));
    setHostWaitForm(m_waitForm);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size());
    setImages(centreImage(productTitle()), downImage(company().NombreEmpresa), rightImage());
    addStatusPanels();
    buildMenus();
    // The menus and the tool-bar buttons wait for a user.
    menuBar()->hide();
    for (QAction *action : toolBar()->actions())
        action->setVisible(false);

    m_loginTimer->setSingleShot(true);
    m_loginTimer->setInterval(kLoginDelayMs);
    connect(m_loginTimer, &QTimer::timeout, this, &Tk9MainMenuForm::startLogin);

    if (optionsLoaded)
        CommandRegistry::instance().ensureItemDetail(this);
}

Tk9MainMenuForm::~Tk9MainMenuForm()
{
    if (hostWaitForm() == m_waitForm)
        setHostWaitForm(nullptr);
}

Tk9PasswordForm *Tk9MainMenuForm::passwordForm() const
{
    return m_login;
}

void Tk9MainMenuForm::setLoginDelay(int msecs)
{
    m_loginTimer->setInterval(msecs);
}

void Tk9MainMenuForm::addStatusPanels()
{
    // After the computer name: overwrite, num lock and caps lock.
    QStatusBar *bar = menuStatusBar();
    const struct
    {
        KeyLocks::Lock lock;
        const char *name;
        const char *text;
    } panels[] = {{KeyLocks::Lock::Overwrite, "PanelSobrescribir", "SOB"},
                  {KeyLocks::Lock::Num, "PanelNumLock", "NUM"},
                  {KeyLocks::Lock::Caps, "PanelMayusculas", "MAY"}};
    int index = 1;
    for (const auto &p : panels) {
        QLabel *label = KeyLocks::makePanel(p.lock, QString::fromLatin1(p.text), bar);
        label->setObjectName(QString::fromLatin1(p.name));
        bar->insertPermanentWidget(index++, label);
    }
}

QMenu *Tk9MainMenuForm::menuFor(const QStringList &path)
{
    const QString key = path.join(u'\n');
    if (QMenu *found = m_menus.value(key))
        return found;
    QMenu *menu = nullptr;
    if (path.size() == 1) {
        menu = new QMenu(path.front(), this);
        m_topMenus << menu;
    } else {
        menu = menuFor(path.mid(0, path.size() - 1))->addMenu(path.back());
    }
    menu->setObjectName(QStringLiteral("Menu") + plainCaption(path.back()).remove(u' '));
    m_menus.insert(key, menu);
    return menu;
}

void Tk9MainMenuForm::buildMenus()
{
    for (const CommandDef &def : commandTable()) {
        QMenu *menu = menuFor(def.menuPath);
        if (def.separatorBefore)
            menu->addSeparator();
        QAction *action = menu->addAction(def.caption);
        const CommandId id = def.id;
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        m_menuActions.insert(static_cast<int>(id), action);
    }
    // The tool bar: the work windows in menu order, then "Salir".
    QList<const CommandDef *> buttons;
    for (const CommandDef &def : commandTable()) {
        if (!def.toolText.isEmpty() && def.kind != CommandKind::Exit)
            buttons << &def;
    }
    for (const CommandDef &def : commandTable()) {
        if (!def.toolText.isEmpty() && def.kind == CommandKind::Exit)
            buttons << &def;
    }
    for (const CommandDef *button : std::as_const(buttons)) {
        const CommandDef &def = *button;
        if (def.kind == CommandKind::Exit)
            toolBar()->addSeparator();
        QAction *tool = toolBar()->addAction(buttonGlyph(def.toolGlyph), def.toolText);
        tool->setToolTip(plainCaption(def.toolText));
        tool->setStatusTip(plainCaption(def.caption));
        const CommandId id = def.id;
        connect(tool, &QAction::triggered, this, [this, id] { runCommand(id); });
        m_toolActions.insert(static_cast<int>(id), tool);
    }
    updateCommands();
}

void Tk9MainMenuForm::updateCommands()
{
    const CommandRegistry &registry = CommandRegistry::instance();
    const bool administrator = session().isAdministrator();
    for (const CommandDef &def : commandTable()) {
        const bool enabled = def.kind != CommandKind::Window || registry.hasFactory(def.id);
        for (QAction *action : {menuAction(def.id), toolAction(def.id)}) {
            if (action)
                action->setEnabled(enabled);
        }
        menuAction(def.id)->setVisible(!def.administratorOnly || administrator);
    }
    // A sub-menu whose items are all hidden is hidden too ("&Configuración").
    for (QMenu *menu : std::as_const(m_menus)) {
        if (m_topMenus.contains(menu))
            continue;
        bool anyVisible = false;
        for (QAction *action : menu->actions())
            anyVisible = anyVisible || (action->isVisible() && !action->isSeparator());
        menu->menuAction()->setVisible(anyVisible);
    }
}

bool Tk9MainMenuForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        m_loginTimer->start();
    }
    return TVorelFileMenuForm::event(event);
}

void Tk9MainMenuForm::startLogin()
{
    m_loginTimer->stop();
    if (m_login || m_loggedIn || m_ending)
        return;
    auto *login = new Tk9PasswordForm(this);
    if (!login->ready()) {
        delete login;
        endProgram(1);
        return;
    }
    m_login = login;
    connect(login, &Tk9PasswordForm::programEndRequested, this, [this] { endProgram(1); });
    connect(login, &QDialog::finished, this, &Tk9MainMenuForm::loginFinished);
    login->setWindowModality(Qt::ApplicationModal);
    login->adjustSize();
    if (const QScreen *screen = this->screen()) {
        QRect frame(QPoint(), login->size());
        frame.moveCenter(screen->availableGeometry().center());
        login->move(frame.topLeft());
    }
    login->show();
    login->raise();
    login->activateWindow();
}

void Tk9MainMenuForm::loginFinished()
{
    Tk9PasswordForm *login = m_login;
    m_login = nullptr;
    if (!login)
        return;
    const bool accepted = login->isAccepted();
    login->deleteLater();
    if (!accepted)
        return; // the dialog has asked for the end of the program

    showMenus();
    activateWindow();
    emit loggedIn();
    checkReminders();
}

void Tk9MainMenuForm::showMenus()
{
    updateCommands();
    if (!m_loggedIn) {
        for (QMenu *menu : std::as_const(m_topMenus))
            menuBar()->addMenu(menu);
    }
    menuBar()->show();
    for (QAction *action : toolBar()->actions())
        action->setVisible(true);
    m_loggedIn = true;
    update();
}

void Tk9MainMenuForm::endProgram(int exitCode)
{
    if (m_ending)
        return;
    m_ending = true;
    emit programEndRequested(exitCode);
}

void Tk9MainMenuForm::done(int result)
{
    endProgram(0);
    TVorelFileMenuForm::done(result);
}

} // namespace k9
