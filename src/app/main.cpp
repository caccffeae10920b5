#include "controls/MessageBoxSink.h"
#include "core/Globals.h"
#include "core/Regional.h"
#include "data/Startup.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>

namespace {
const QString kProductTitle = QStringLiteral("k9RMA - Garantías y Servicio Técnico");
}

int main(int argc, char *argv[])
{
    k9::InicializarLocale();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("k9RMA"));

    k9::MessageBoxSink messages;
    k9::setMessageSink(&messages);

    // The company root is the working directory.
    if (k9::loadWorkspace(QDir::currentPath()) == k9::StartupResult::Terminate)
        return 1;

    // Until the main menu lands: a plain window with the company.
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Módulo ") + kProductTitle);
    auto *label = new QLabel(k9::company().NombreEmpresa, &window);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(font.pointSize() * 2);
    label->setFont(font);
    window.setCentralWidget(label);
    window.resize(900, 600);
    window.show();
    const int code = QApplication::exec();
    k9::setMessageSink(nullptr);
    return code;
}
