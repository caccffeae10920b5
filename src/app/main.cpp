#include "core/Regional.h"
#include "data/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

// Until the main window lands, the program reports the workspace it was started in.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("k9RMA"));
    k9::InicializarLocale();

    QTextStream out(stdout);
    const QString root = QDir::currentPath();
    out << "k9RMA " << k9::FechaTrabajo << "\n";
    if (!k9::Database::existsIn(root)) {
        out << "No hay un espacio de trabajo de empresa en " << root << "\n";
        return 1;
    }
    auto db = k9::Database::shared(root);
    out << "Espacio de trabajo: " << root << "\n";
    out << "Tablas: " << (db ? db->tables().join(QStringLiteral(", ")) : QString()) << "\n";
    return 0;
}
