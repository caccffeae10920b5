#include "data/Startup.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "data/TableHelpers.h"
#include "data/Workspace.h"

#include <QDir>

namespace k9 {

namespace {

const QString kCompanyMissing = QStringLiteral(
    "Error al cargar la tabla \"sempresas.dat\", la aplicación no se inicializara.");
const QString kCompanyUnreadable = QStringLiteral(
    "Error al cargar datos de la tabla \"sempresas.dat\", la aplicación no se inicializara.");
const QString kOptionsFailed = QStringLiteral("Error al cargar variables de configuración.");

// The stand-in value of the item-form directories that start-up replaces (exactly this).
const QString kDefaultFormDir = QStringLiteral("C:\\");

bool hasRecord(const Table &table)
{
    return table.isActive() && table.hasRow();
}

bool loadCompany(const QString &root)
{
    auto company = CrearTabla(root, QStringLiteral("Sempresas"));
    if (!company->isActive()) {
        messages().inform(kCompanyMissing);
        return false;
    }
    if (!company->hasRow()) {
        messages().inform(kCompanyUnreadable);
        return false;
    }
    WorkspacePaths &p = paths();
    auto dirOf = [&](const char *field) {
        return withSlash(p.DirTrabajo + fromStoredPath(company->text(QString::fromLatin1(field))));
    };
    p.DirDatos = dirOf("FE_DIRDATOS");
    p.DirRMA = p.DirDatos + QStringLiteral("RMA/");
    p.DirHistoria = dirOf("FE_DIRHISTORIA");
    p.DirFormas = dirOf("FE_DIRFORMAS");
    p.DirSistema = dirOf("FE_DIRSISTEMA");
    p.DirLocal = p.DirTrabajo + fromStoredPath(company->text(QStringLiteral("FE_DIRLOCAL")));
    p.DirReportes = dirOf("FE_DIRREPORTES");
    p.DirFormatos = dirOf("FE_DIRFORMATOS");
    p.ArchivoAyuda = p.DirTrabajo + QStringLiteral("K9HELP/k9RMA.hlp");

    CompanyIdentity &c = k9::company();
    // The host library's company-name call: here the name kept in the company record.
    c.NombreEmpresa = company->text(QStringLiteral("FE_NOMBRE")).left(255);
    c.DireccionEmpresa = company->text(QStringLiteral("FE_DIRECCION1")).left(255);
    c.TelefonoEmpresa = company->text(QStringLiteral("FE_TELEFONO")).left(255);
    c.RifEmpresa = company->text(QStringLiteral("FE_RIF")).left(255);
    c.NitEmpresa = company->text(QStringLiteral("FE_NIT")).left(255);
    return true;
}

// "C:\" in a form directory option is replaced, once, by the company's forms directory.
bool replaceDefaultFormDir(Table &config, const QString &field, const QString &formsDir)
{
    if (config.text(field) != kDefaultFormDir)
        return true;
    return config.edit() && config.setValue(field, formsDir) && config.post();
}

// Loads in order and stops at the first table or record that is missing; what was loaded
// before stays.
bool loadOptions(const QString &root)
{
    WorkspacePaths &p = paths();
    Table system;
    Table config;
    Table currency;
    AbrirTabla(system, QStringLiteral("SSistema"), p.DirDatos);
    AbrirTabla(config, QStringLiteral("k9RMAConfig"), p.DirRMA);
    AbrirTabla(currency, QStringLiteral("SMoneda"), p.DirDatos);

    if (!hasRecord(system))
        return false;
    TaxDefaults &tax = taxDefaults();
    tax.TasaImpuesto1 = system.money(QStringLiteral("MTO_IMPUESTO1"));
    tax.NombreImpuesto1 = system.text(QStringLiteral("IMPUESTO1"));
    if (!currency.isActive())
        return false;
    if (currency.findKey({system.text(QStringLiteral("MONEDA_DEFECTO"))})) {
        tax.SimboloMoneda = currency.text(QStringLiteral("FM_SIMBOLO"));
        tax.FactorMoneda = currency.money(QStringLiteral("FM_FACTOR"));
    }

    auto company = CrearTabla(root, QStringLiteral("Sempresas"));
    if (!hasRecord(config) || !hasRecord(*company))
        return false;
    const QString formsDir = p.DirTrabajo + fromStoredPath(company->text(QStringLiteral("FE_DIRFORMAS")));
    if (!replaceDefaultFormDir(config, QStringLiteral("FC_DIRFORMA"), formsDir)
        || !replaceDefaultFormDir(config, QStringLiteral("FC_DIRBUPFORMA"), formsDir))
        return false;

    ModuleOptions &o = options();
    o.FC_DIRFORMA = config.text(QStringLiteral("FC_DIRFORMA"));
    o.FC_DIRBUPFORMA = config.text(QStringLiteral("FC_DIRBUPFORMA"));
    p.DirFormaConfig = withSlash(fromStoredPath(o.FC_DIRFORMA));
    p.DirFormaBackup = withSlash(fromStoredPath(o.FC_DIRBUPFORMA));
    p.DirHistorialRMA = p.DirHistoria;

    auto flag = [&](const char *field) { return config.boolean(QString::fromLatin1(field)); };
    auto integer = [&](const char *field) { return config.integer(QString::fromLatin1(field)); };
    o.FC_AVISOTAREA = flag("FC_AVISOTAREA");
    o.FC_AVISOCITAS = flag("FC_AVISOCITAS");
    o.FC_CODECAJACHICA = integer("FC_CODECAJACHICA");
    o.FC_ITEMREVISION = config.text(QStringLiteral("FC_ITEMREVISION"));
    o.FC_MTOREVISION = config.money(QStringLiteral("FC_MTOREVISION"));
    o.FC_CAMBIARMTOREV = flag("FC_CAMBIARMTOREV");
    o.FC_BUSQHISTORIAL = flag("FC_BUSQHISTORIAL");
    o.FC_CONFIRBUSQHIST = flag("FC_CONFIRBUSQHIST");
    o.FC_PERIODOHISTO = config.text(QStringLiteral("FC_PERIODOHISTO"));
    o.FC_NROPERIODOSBUSQ = integer("FC_NROPERIODOSBUSQ");
    o.FC_CAMPORECIBIDOX = flag("FC_CAMPORECIBIDOX");
    o.FC_CAMPOFECHARECEP = flag("FC_CAMPOFECHARECEP");
    o.FC_CAMPOSERIAL = flag("FC_CAMPOSERIAL");
    o.FC_CAMPOCONFISICA = flag("FC_CAMPOCONFISICA");
    o.FC_CAMPOFALLA = flag("FC_CAMPOFALLA");
    o.FC_PRECIOPIEZASERV = integer("FC_PRECIOPIEZASERV");
    o.FC_PRECIOGARANTIA = integer("FC_PRECIOGARANTIA");
    o.FC_FECHATERMINO = integer("FC_FECHATERMINO");
    o.FC_CAMBIARMTOPS = flag("FC_CAMBIARMTOPS");
    o.FC_PORCENTPAGO = config.money(QStringLiteral("FC_PORCENTPAGO"));
    o.FC_VISUALIZARCITA = flag("FC_VISUALIZARCITA");
    o.FC_DEPOSITOSERV = integer("FC_DEPOSITOSERV");
    o.FC_DEPOSITOGARANTIA = integer("FC_DEPOSITOGARANTIA");
    return true;
}

} // namespace

QString fromStoredPath(const QString &stored)
{
    QString path = stored.trimmed();
    path.replace(u'\\', u'/');
    return path;
}

StartupResult loadWorkspace(const QString &root)
{
    paths() = WorkspacePaths();
    paths().DirTrabajo = withSlash(QDir(root).absolutePath());
    if (!loadCompany(paths().DirTrabajo))
        return StartupResult::Terminate;
    if (!loadOptions(paths().DirTrabajo)) {
        messages().error(kOptionsFailed);
        return StartupResult::OptionsIncomplete;
    }
    return StartupResult::Ready;
}

void applyUserDirectories(const QString &root, const QString &dataDir, const QString &formatsDir,
                          const QString &reportsDir)
{
    const QString base = withSlash(QDir(root).absolutePath());
    WorkspacePaths &p = paths();
    p.DirDatos = withSlash(base + fromStoredPath(dataDir));
    p.DirFormatos = withSlash(base + fromStoredPath(formatsDir)) + QStringLiteral("RMA/");
    p.DirReportes = withSlash(base + fromStoredPath(reportsDir));
}

} // namespace k9
