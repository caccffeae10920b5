#include "workspace/WorkspaceBuilder.h"

#include "core/Globals.h"
#include "data/Catalog.h"
#include "data/Query.h"
#include "data/Startup.h"
#include "data/Workspace.h"
#include "core/HelpFile.h"
#include "workspace/DefaultFormats.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace k9::workspace {

namespace {

QString under(const QString &root, const QString &stored)
{
    return withSlash(QDir(root).filePath(fromStoredPath(stored)));
}

} // namespace

Dirs::Dirs(const QString &rootDir)
    : root(withSlash(QDir(rootDir).absolutePath())),
      data(under(root, Layout::data())),
      rma(data + QStringLiteral("RMA/")),
      history(under(root, Layout::history())),
      forms(under(root, Layout::forms())),
      formats(under(root, Layout::formats()) + QStringLiteral("RMA/"))
{
}

QString Dirs::period(int n) const
{
    return history + Layout::periodDir(n) + u'/';
}

bool holdsWorkspace(const QString &root)
{
    const Dirs dirs(root);
    return Database::existsIn(dirs.root) || QFileInfo::exists(dirs.data) || QFileInfo::exists(dirs.rma);
}

namespace {

Status writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        return Status::failure(QStringLiteral("No se pudo escribir ") + path);
    return Status::ok();
}

Status makeDirectories(const QString &root)
{
    const Dirs dirs(root);
    QStringList all = {dirs.root,
                       dirs.data,
                       dirs.rma,
                       dirs.forms,
                       under(root, Layout::system()),
                       QDir(dirs.root).filePath(fromStoredPath(Layout::local())),
                       under(root, Layout::reports()),
                       under(root, Layout::icons()),
                       dirs.formats + QStringLiteral("RECEPCION"),
                       dirs.formats + QStringLiteral("PRESUPUESTO"),
                       dirs.formats + QStringLiteral("SERVICIO"),
                       dirs.root + QStringLiteral("K9HELP")};
    for (int p = 1; p <= Layout::kHistoryPeriods; ++p)
        all << dirs.period(p);
    for (const QString &dir : all)
        if (!QDir().mkpath(dir))
            return Status::failure(QStringLiteral("No se pudo crear el directorio ") + dir);
    return Status::ok();
}

Status createIn(const QString &dir, const QList<TableDef> &defs, std::shared_ptr<Database> *keep = nullptr)
{
    Status status = Status::ok();
    auto db = Database::open(dir, Database::OpenMode::Create, &status);
    if (!db)
        return status;
    status = createTables(*db, defs);
    if (keep)
        *keep = db;
    return status;
}

Status fillCompany(Database &db, const CompanyInfo &company)
{
    return insertRow(db, QStringLiteral("Sempresas"),
                     {{QStringLiteral("FE_NOMBRE"), company.name},
                      {QStringLiteral("FE_DIRDATOS"), Layout::data()},
                      {QStringLiteral("FE_DIRHISTORIA"), Layout::history()},
                      {QStringLiteral("FE_DIRFORMAS"), Layout::forms()},
                      {QStringLiteral("FE_DIRSISTEMA"), Layout::system()},
                      {QStringLiteral("FE_DIRLOCAL"), Layout::local()},
                      {QStringLiteral("FE_DIRREPORTES"), Layout::reports()},
                      {QStringLiteral("FE_DIRFORMATOS"), Layout::formats()},
                      {QStringLiteral("FE_DIRECCION1"), company.address},
                      {QStringLiteral("FE_TELEFONO"), company.phone},
                      {QStringLiteral("FE_RIF"), company.rif},
                      {QStringLiteral("FE_NIT"), company.nit}});
}

Status fillSystem(Database &db)
{
    if (Status s = insertRow(db, QStringLiteral("SSistema"),
                             {{QStringLiteral("MTO_IMPUESTO1"), QVariant::fromValue(Money::fromUnits(16))},
                              {QStringLiteral("IMPUESTO1"), QStringLiteral("I.V.A.")},
                              {QStringLiteral("MONEDA_DEFECTO"), QStringLiteral("BS")},
                              {QStringLiteral("NOMBRE_PRECIO1"), QStringLiteral("Precio Detal")},
                              {QStringLiteral("NOMBRE_PRECIO2"), QStringLiteral("Precio Mayor")},
                              {QStringLiteral("NOMBRE_PRECIO3"), QStringLiteral("Precio Distribuidor")},
                              {QStringLiteral("NOMBRE_PRECIO4"), QStringLiteral("Precio Oferta")},
                              {QStringLiteral("NOMBRE_PRECIO5"), QStringLiteral("Precio Especial")},
                              {QStringLiteral("NOMBRE_PRECIO6"), QStringLiteral("Precio Costo")}});
        !s)
        return s;
    return insertRow(db, QStringLiteral("SMoneda"),
                     {{QStringLiteral("FM_CODE"), QStringLiteral("BS")},
                      {QStringLiteral("FM_DESCRIPCION"), QStringLiteral("Bolívar")},
                      {QStringLiteral("FM_SIMBOLO"), QStringLiteral("Bs.")},
                      {QStringLiteral("FM_FACTOR"), QVariant::fromValue(Money::fromUnits(1))}});
}

Status addUser(Database &db, const QString &name, const QString &password, const QString &group)
{
    const int year = QDate::currentDate().year();
    return insertRow(db, QStringLiteral("Susuarios"),
                     {{QStringLiteral("Nombre"), name},
                      {QStringLiteral("Clave"), CodificarClave(password)},
                      {QStringLiteral("Status"), 0},
                      {QStringLiteral("Horario"), QString(7 * 24, u'1')},
                      {QStringLiteral("Jornada"), QStringLiteral("1111111")},
                      {QStringLiteral("FechaCreación"), QDate(year - 1, 1, 1)},
                      {QStringLiteral("FechaCaduca"), QDate(year + 1, 12, 31)},
                      {QStringLiteral("AccesoAdm"), true},
                      {QStringLiteral("AccesoVtas"), true},
                      {QStringLiteral("AccesoTaller"), true},
                      {QStringLiteral("Activar3D"), true},
                      {QStringLiteral("BoldEncabezados"), QStringLiteral("False")},
                      {QStringLiteral("Directorio_Datos"), Layout::data()},
                      {QStringLiteral("Directorio_Formatos"), Layout::formats()},
                      {QStringLiteral("Directorio_Reportes"), Layout::reports()},
                      {QStringLiteral("Grupo"), group},
                      {QStringLiteral("FlagTransaccion"), QByteArray(20088, '\0')}});
}

Status fillOptions(Database &db)
{
    // The host set-up leaves the item-form directories at "C:\"; the program's start-up
    // replaces them once with the company's forms directory.
    const QString hostDefaultDir = QStringLiteral("C:\\");
    auto money = [](qint64 units) { return QVariant::fromValue(Money::fromUnits(units)); };
    return insertRow(db, QStringLiteral("k9RMAConfig"),
                     {{QStringLiteral("FC_RMA"), 0},
                      {QStringLiteral("FC_RMAPRESUPUESTO"), 0},
                      {QStringLiteral("FC_SERVICIO"), 0},
                      {QStringLiteral("FC_TERCEROS"), 0},
                      {QStringLiteral("FC_GARANTIA"), 0},
                      {QStringLiteral("FC_DIRFORMA"), hostDefaultDir},
                      {QStringLiteral("FC_DIRBUPFORMA"), hostDefaultDir},
                      {QStringLiteral("FC_AVISOTAREA"), true},
                      {QStringLiteral("FC_AVISOCITAS"), true},
                      {QStringLiteral("FC_CODECAJACHICA"), -1},
                      {QStringLiteral("FC_ITEMREVISION"), QString()},
                      {QStringLiteral("FC_MTOREVISION"), money(10)},
                      {QStringLiteral("FC_CAMBIARMTOREV"), true},
                      {QStringLiteral("FC_BUSQHISTORIAL"), true},
                      {QStringLiteral("FC_CONFIRBUSQHIST"), true},
                      {QStringLiteral("FC_PERIODOHISTO"), QStringLiteral("1")},
                      {QStringLiteral("FC_NROPERIODOSBUSQ"), Layout::kHistoryPeriods},
                      {QStringLiteral("FC_CAMPORECIBIDOX"), true},
                      {QStringLiteral("FC_CAMPOFECHARECEP"), true},
                      {QStringLiteral("FC_CAMPOSERIAL"), true},
                      {QStringLiteral("FC_CAMPOCONFISICA"), false},
                      {QStringLiteral("FC_CAMPOFALLA"), true},
                      {QStringLiteral("FC_PRECIOPIEZASERV"), 1},
                      {QStringLiteral("FC_PRECIOGARANTIA"), 1},
                      {QStringLiteral("FC_FECHATERMINO"), 7},
                      {QStringLiteral("FC_CAMBIARMTOPS"), true},
                      {QStringLiteral("FC_PORCENTPAGO"), money(50)},
                      {QStringLiteral("FC_VISUALIZARCITA"), false},
                      {QStringLiteral("FC_DEPOSITOSERV"), -1},
                      {QStringLiteral("FC_DEPOSITOGARANTIA"), -1}});
}

// The host suite's form configuration holding the work groups (FV_GRUPO), read for the
// user MASTER (code 2) and, failing that, from the default configuration.
QByteArray workGroupsFile()
{
    const QStringList groups = {QStringLiteral("Recepción"), QStringLiteral("Servicio Técnico"),
                                QStringLiteral("Taller"), QStringLiteral("Administración"),
                                QStringLiteral("Ventas")};
    QString text = QStringLiteral("object FormaVendedores\r\n  FV_CODIGO\r\n  FV_GRUPO\r\n"
                                  "  object LGrupo: T9LabelInfo\r\n    HElementos.Strings = (\r\n");
    for (const QString &g : groups)
        text += QStringLiteral("      ") + g + QStringLiteral("\r\n");
    text += QStringLiteral("    )\r\n  end\r\nend\r\n");
    return text.toLatin1();
}

} // namespace

Status createWorkspace(const QString &root, const CompanyInfo &company)
{
    if (holdsWorkspace(root))
        return Status::failure(QStringLiteral("Ya existe un espacio de trabajo en ") + QDir(root).absolutePath());
    if (Status s = makeDirectories(root); !s)
        return s;
    const Dirs dirs(root);

    std::shared_ptr<Database> rootDb, dataDb, rmaDb;
    if (Status s = createIn(dirs.root, companyTables(), &rootDb); !s)
        return s;
    if (Status s = createIn(dirs.data, hostDataTables(), &dataDb); !s)
        return s;
    if (Status s = createIn(dirs.rma, moduleTables(), &rmaDb); !s)
        return s;
    for (int p = 1; p <= Layout::kHistoryPeriods; ++p)
        if (Status s = createIn(dirs.period(p), historyTables()); !s)
            return s;

    if (Status s = fillCompany(*rootDb, company); !s)
        return s;
    if (Status s = fillSystem(*dataDb); !s)
        return s;
    if (Status s = addUser(*dataDb, DefaultUsers::admin(), DefaultUsers::adminPassword(), QStringLiteral("Administradores")); !s)
        return s;
    if (Status s = addUser(*dataDb, DefaultUsers::master(), DefaultUsers::masterPassword(), QStringLiteral("Administradores")); !s)
        return s;
    if (Status s = fillOptions(*rmaDb); !s)
        return s;

    const QByteArray groups = workGroupsFile();
    if (Status s = writeFile(dirs.forms + QStringLiteral("SCUSER082.SYS"), groups); !s)
        return s;
    if (Status s = writeFile(dirs.forms + QStringLiteral("FMASTER08.SYS"), groups); !s)
        return s;
    if (Status s = installDefaultFormats(dirs.formats); !s)
        return s;
    return writeFile(dirs.root + QStringLiteral("K9HELP/k9RMA.hlp"), writeHelpFile(defaultHelpTopics()).toUtf8());
}

} // namespace k9::workspace
