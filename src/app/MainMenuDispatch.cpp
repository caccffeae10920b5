// The commands of the main window: the work windows behind their wait window, the
// window's own actions, and the reminder after the log-in.
#include "app/CommandRegistry.h"
#include "app/Tk9AcercaDeForm.h"
#include "app/Tk9MainMenuForm.h"
#include "controls/EsperaForm.h"
#include "controls/HelpWindow.h"
#include "core/Globals.h"
#include "core/Messages.h"

#include <QPointer>

#include <exception>
#include <memory>

namespace k9 {

namespace {

const QString kCheckingReminders = QStringLiteral("Espere, verificando citas y tareas pendientes...");

QString failureText(const QString &what, const QString &problem)
{
    return QStringLiteral("No se pudo abrir la ventana %1: %2").arg(what, problem);
}

// Runs `step`; answers the text of what it threw (empty when it did not throw).
template<typename Step>
QString runGuarded(Step &&step)
{
    try {
        step();
    } catch (const std::exception &e) {
        const QString text = QString::fromLocal8Bit(e.what());
        return text.isEmpty() ? QStringLiteral("error") : text;
    } catch (...) {
        return QStringLiteral("error desconocido");
    }
    return QString();
}

std::unique_ptr<TEsperaForm> showWait(QWidget *owner, const QString &text, int helpTopic)
{
    auto wait = std::make_unique<TEsperaForm>(owner, text);
    wait->setHelpTopic(helpTopic);
    wait->showNow();
    // Frozen as shown while the window behind it is built.
    wait->setUpdatesEnabled(false);
    return wait;
}

} // namespace

bool Tk9MainMenuForm::runCommand(CommandId id)
{
    const CommandDef &def = commandDef(id);
    switch (def.kind) {
    case CommandKind::Exit:
        endProgram(0);
        close();
        return true;
    case CommandKind::About: {
        Tk9AcercaDeForm about(this);
        about.exec();
        return true;
    }
    case CommandKind::Help: HelpWindow::open(this, kGeneralHelpTopic); return true;
    case CommandKind::Window: break;
    }
    return openWorkWindow(def);
}

bool Tk9MainMenuForm::openWorkWindow(const CommandDef &def)
{
    const CommandRegistry &registry = CommandRegistry::instance();
    const CommandRegistry::Factory factory = registry.factory(def.id);
    if (!factory)
        return false;

    auto wait = showWait(this, def.waitText, def.waitHelpTopic);
    QPointer<QDialog> window;
    const QString problem = runGuarded([&] {
        if (def.dropsItemDetail)
            registry.dropItemDetail(this);
        if (def.needsItemDetail)
            registry.ensureItemDetail(this);
        window = factory(this);
        if (!window)
            return;
        if (!def.windowCaption.isEmpty())
            window->setWindowTitle(def.windowCaption);
        if (auto *form = qobject_cast<TEForm *>(window.data()); form && def.helpTopic != 0)
            form->setHelpTopic(def.helpTopic);
    });
    wait.reset();
    if (!problem.isEmpty()) {
        delete window.data();
        messages().error(failureText(plainCaption(def.caption), problem));
        return false;
    }
    if (!window)
        return false; // the window declined to open and said why

    window->exec();
    delete window.data(); // nothing when the window freed itself on closing
    update();
    return true;
}

void Tk9MainMenuForm::checkReminders()
{
    const ModuleOptions &o = options();
    if (!o.FC_AVISOCITAS && !o.FC_AVISOTAREA)
        return;
    const CommandRegistry::ReminderFactory &factory = CommandRegistry::instance().reminderFactory();
    if (!factory)
        return;

    auto wait = showWait(this, kCheckingReminders, 0);
    ReminderWindow found;
    const QString problem = runGuarded([&] { found = factory(this); });
    QPointer<QDialog> window = found.window;
    wait.reset();
    if (!problem.isEmpty()) {
        delete window.data();
        messages().error(failureText(QStringLiteral("de citas y tareas pendientes"), problem));
        return;
    }
    if (!window)
        return;
    const QString caption =
        reminderCaption(o.FC_AVISOCITAS, o.FC_AVISOTAREA, found.pendingAppointments, found.pendingTasks);
    if (!caption.isEmpty()) {
        window->setWindowTitle(caption);
        window->exec();
    }
    delete window.data();
    update();
}

} // namespace k9
