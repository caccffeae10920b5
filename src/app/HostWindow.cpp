#include "app/HostWindow.h"

#include "app/Tk9ClientesForm.h"
#include "controls/VorelWaitForm.h"
#include "core/Messages.h"
#include "data/Workspace.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <exception>
#include <memory>

namespace k9 {

namespace {

QPointer<TVorelWaitForm> &sharedWait()
{
    static QPointer<TVorelWaitForm> wait;
    return wait;
}

// Puts the workspace directories back when it goes out of scope.
class WorkspaceKeeper
{
public:
    WorkspaceKeeper() : m_saved(paths()) {}
    ~WorkspaceKeeper() { paths() = m_saved; }
    WorkspaceKeeper(const WorkspaceKeeper &) = delete;
    WorkspaceKeeper &operator=(const WorkspaceKeeper &) = delete;

private:
    WorkspacePaths m_saved;
};

} // namespace

void setHostWaitForm(TVorelWaitForm *wait)
{
    sharedWait() = wait;
}

TVorelWaitForm *hostWaitForm()
{
    return sharedWait();
}

bool runHostWindow(const QString &name, const std::function<bool()> &body)
{
    std::unique_ptr<TVorelWaitForm> ownWait;
    TVorelWaitForm *wait = hostWaitForm();
    if (!wait) {
        ownWait = std::make_unique<TVorelWaitForm>();
        wait = ownWait.get();
    }
    wait->showLoading(name);
    // The wait goes once the host window runs its events.
    QTimer::singleShot(0, wait, &TVorelWaitForm::finish);

    bool result = false;
    QString problem;
    {
        const WorkspaceKeeper keeper;
        try {
            result = body && body();
        } catch (const std::exception &e) {
            problem = QString::fromLocal8Bit(e.what());
        } catch (...) {
            problem = QStringLiteral("error desconocido");
        }
        wait->finish();
        QCoreApplication::processEvents();
    }
    if (!problem.isEmpty()) {
        result = false;
        messages().error(QStringLiteral("No se pudo abrir la ventana %1: %2").arg(name, problem));
    }
    return result;
}

bool runCustomerWindow(QWidget *parent, QString *code)
{
    QString added;
    const bool ok = runHostWindow(QStringLiteral("Clientes"), [&] {
        Tk9ClientesForm window(parent);
        if (window.exec() != QDialog::Accepted)
            return false;
        added = window.addedCode();
        return true;
    });
    if (ok && code)
        *code = added;
    return ok;
}

} // namespace k9
