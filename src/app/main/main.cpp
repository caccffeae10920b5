#include "app/CommandRegistry.h"
#include "app/Tk9MainMenuForm.h"
#include "controls/MessageBoxSink.h"
#include "core/Regional.h"
#include "data/Startup.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    k9::InicializarLocale();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("k9RMA"));

    k9::MessageBoxSink messages;
    k9::setMessageSink(&messages);

    // The company root is the working directory.
    const k9::StartupResult startup = k9::loadWorkspace(QDir::currentPath());
    if (startup == k9::StartupResult::Terminate)
        return 1;

    k9::registerWorkWindows();
    int code = 0;
    {
        k9::Tk9MainMenuForm window(nullptr, startup == k9::StartupResult::Ready);
        QObject::connect(&window, &k9::Tk9MainMenuForm::programEndRequested, &app,
                         [](int exitCode) { QCoreApplication::exit(exitCode); });
        window.showMaximized();
        code = QApplication::exec();
    }
    k9::setMessageSink(nullptr);
    return code;
}
