// k9rma-workspace: creates a company workspace for k9RMA, optionally with a demo company.
#include "workspace/DemoCompany.h"
#include "workspace/WorkspaceBuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("k9rma-workspace"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Crea un espacio de trabajo de empresa para k9RMA en DIRECTORIO: la tabla de empresas en\n"
        "la raíz, las tablas del sistema en Empre001/Data, las del módulo en Empre001/Data/RMA,\n"
        "los periodos históricos PERIODO_1 y PERIODO_2, los usuarios DEMO (administrador, clave\n"
        "DEMO) y MASTER (clave MASTER), los grupos de trabajo, el archivo de ayuda y los\n"
        "directorios de formatos de impresión. Nunca modifica un espacio de trabajo existente.\n"
        "El programa k9rma se inicia con DIRECTORIO como directorio de trabajo."));
    parser.addHelpOption();
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Llena una empresa de demostración (clientes, productos, "
                                                 "seriales vendidos, documentos)."));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Con --demo, multiplica el volumen para pruebas de "
                                                  "rendimiento: N x 1000 clientes, productos, seriales y "
                                                  "recepciones."),
                                   QStringLiteral("N"));
    parser.addOption(demo);
    parser.addOption(scale);
    parser.addPositionalArgument(QStringLiteral("DIRECTORIO"), QStringLiteral("La raíz de la empresa a crear."));
    parser.process(app);

    QTextStream err(stderr);
    QTextStream out(stdout);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 1) {
        err << "Indique un único DIRECTORIO. Use --help para ver las opciones.\n";
        return 2;
    }
    int scaleValue = 0;
    if (parser.isSet(scale)) {
        bool ok = false;
        scaleValue = parser.value(scale).toInt(&ok);
        if (!ok || scaleValue < 0 || scaleValue > 10000 || !parser.isSet(demo)) {
            err << "--scale necesita --demo y un número entre 0 y 10000.\n";
            return 2;
        }
    }

    const QString root = args.first();
    if (k9::workspace::holdsWorkspace(root)) {
        err << "Ya existe un espacio de trabajo en " << root << "; no se ha modificado.\n";
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    const auto company = parser.isSet(demo) ? k9::workspace::demoCompanyInfo() : k9::workspace::CompanyInfo();
    if (k9::Status s = k9::workspace::createWorkspace(root, company); !s) {
        err << "No se pudo crear el espacio de trabajo: " << s.message() << "\n";
        return 1;
    }
    if (parser.isSet(demo)) {
        if (k9::Status s = k9::workspace::fillDemoCompany(root, scaleValue); !s) {
            err << "No se pudo llenar la empresa de demostración: " << s.message() << "\n";
            return 1;
        }
    }
    out << "Espacio de trabajo creado en " << root << " (" << timer.elapsed() << " ms).\n";
    return 0;
}
