// A new company workspace, and the program's start-up in it.
#include "core/Globals.h"
#include "core/HelpFile.h"
#include "core/Messages.h"
#include "data/Catalog.h"
#include "data/Query.h"
#include "data/Startup.h"
#include "data/TableHelpers.h"
#include "data/Workspace.h"
#include "support/TestWorkspace.h"
#include "workspace/WorkspaceBuilder.h"

#include <QFile>
#include <QtTest>

using namespace k9;
using namespace k9::workspace;

namespace {

const QString kCompanyMissing = QStringLiteral(
    "Error al cargar la tabla \"sempresas.dat\", la aplicación no se inicializara.");
const QString kOptionsFailed = QStringLiteral("Error al cargar variables de configuración.");

Status setText(const QString &dir, const QString &table, const QString &field, const QVariant &value)
{
    auto db = Database::open(dir, Database::OpenMode::Existing);
    if (!db)
        return Status::failure(QStringLiteral("no database"));
    return db->exec(QStringLiteral("UPDATE ") + quoteIdentifier(table) + QStringLiteral(" SET ")
                        + quoteIdentifier(field) + QStringLiteral(" = ?"),
                    {value});
}

QString configText(const QString &field)
{
    auto config = CrearTabla(paths().DirRMA, QStringLiteral("k9RMAConfig"));
    return config->text(field);
}

} // namespace

class WorkspaceTest : public QObject
{
    Q_OBJECT

private:
    ScriptedMessages m_messages;
    std::unique_ptr<MessageSinkGuard> m_guard;

private slots:
    void init()
    {
        m_messages.clear();
        m_guard = std::make_unique<MessageSinkGuard>(&m_messages);
        paths() = WorkspacePaths();
        company() = CompanyIdentity();
        taxDefaults() = TaxDefaults();
        options() = ModuleOptions();
    }

    void cleanup() { m_guard.reset(); }

    void aNewWorkspaceHoldsEveryTableAndIndex()
    {
        test::ScratchDir scratch;
        QVERIFY(createWorkspace(scratch.path()));
        const Dirs dirs(scratch.path());
        const QList<QPair<QString, QList<TableDef>>> places = {
            {dirs.root, companyTables()},   {dirs.data, hostDataTables()},  {dirs.rma, moduleTables()},
            {dirs.period(1), historyTables()}, {dirs.period(2), historyTables()}};
        for (const auto &[dir, defs] : places) {
            auto db = Database::open(dir, Database::OpenMode::Existing);
            QVERIFY2(db, qPrintable(dir));
            for (const TableDef &def : defs) {
                QVERIFY2(db->hasTable(def.name), qPrintable(def.name));
                for (const IndexDef &index : def.indexes) {
                    Table t(def.name);
                    t.setDatabase(db);
                    QVERIFY(t.open());
                    QVERIFY2(t.setIndex(index.name), qPrintable(index.name));
                    QCOMPARE(t.indexFields(), index.fields);
                }
            }
        }
        // One options record, the users, the work groups and the help file.
        QCOMPARE(CrearTabla(dirs.rma, QStringLiteral("k9RMAConfig"))->recordCount(), 1);
        auto users = CrearTabla(dirs.data, QStringLiteral("Susuarios"));
        QVERIFY(users->setIndex(QStringLiteral("CLAVE")));
        QVERIFY(users->findKey({CodificarClave(DefaultUsers::adminPassword())}));
        QCOMPARE(users->text(QStringLiteral("Nombre")), DefaultUsers::admin());
        QCOMPARE(users->integer(QStringLiteral("Code")), 1);
        QVERIFY(users->boolean(QStringLiteral("AccesoAdm")));

        paths().DirDatos = dirs.data;
        paths().DirFormas = dirs.forms;
        QStringList groups;
        CargarGrupos(groups);
        QVERIFY(groups.contains(QStringLiteral("Recepción")));

        QFile help(dirs.root + QStringLiteral("K9HELP/k9RMA.hlp"));
        QVERIFY(help.open(QIODevice::ReadOnly));
        QCOMPARE(parseHelpFile(QString::fromUtf8(help.readAll())), defaultHelpTopics());
        for (const QString &kind : {QStringLiteral("RECEPCION"), QStringLiteral("PRESUPUESTO"), QStringLiteral("SERVICIO")})
            QVERIFY(QFileInfo(dirs.formats + kind).isDir());
    }

    void anExistingWorkspaceIsLeftAlone()
    {
        test::ScratchDir scratch;
        QVERIFY(createWorkspace(scratch.path()));
        QVERIFY(holdsWorkspace(scratch.path()));
        const Status again = createWorkspace(scratch.path());
        QVERIFY(!again);
        QVERIFY(again.message().startsWith(QStringLiteral("Ya existe un espacio de trabajo")));
        QCOMPARE(CrearTabla(Dirs(scratch.path()).rma, QStringLiteral("k9RMAConfig"))->recordCount(), 1);
    }

    void startsInANewWorkspace()
    {
        test::ScratchDir scratch;
        CompanyInfo info;
        info.name = QStringLiteral("Servicios Técnicos Ñandú, C.A.");
        info.rif = QStringLiteral("J-30123456-7");
        QVERIFY(createWorkspace(scratch.path(), info));
        QCOMPARE(loadWorkspace(scratch.path()), StartupResult::Ready);
        QVERIFY(m_messages.entries().isEmpty());

        const Dirs dirs(scratch.path());
        const WorkspacePaths &p = paths();
        QCOMPARE(p.DirTrabajo, dirs.root);
        QCOMPARE(p.DirDatos, dirs.data); // stored with "\", used with "/"
        QCOMPARE(p.DirRMA, dirs.rma);
        QCOMPARE(p.DirFormas, dirs.forms);
        QCOMPARE(p.DirLocal, dirs.root + QStringLiteral("Empre001/Tmp")); // as stored, no "/" added
        QCOMPARE(p.DirHistorialRMA, p.DirHistoria);
        QCOMPARE(p.ArchivoAyuda, dirs.root + QStringLiteral("K9HELP/k9RMA.hlp"));
        QCOMPARE(company().NombreEmpresa, info.name);
        QCOMPARE(company().RifEmpresa, info.rif);
        QCOMPARE(taxDefaults().TasaImpuesto1, Money::fromUnits(16));
        QCOMPARE(taxDefaults().NombreImpuesto1, QStringLiteral("I.V.A."));
        QCOMPARE(taxDefaults().SimboloMoneda, QStringLiteral("Bs."));
        QCOMPARE(taxDefaults().FactorMoneda, Money::fromUnits(1));
        QVERIFY(options().FC_AVISOCITAS);
        QCOMPARE(options().FC_PORCENTPAGO, Money::fromUnits(50));
        QCOMPARE(options().FC_PRECIOPIEZASERV, 1);

        // "C:\" was replaced by the forms directory and saved; the next start keeps it.
        const QString formsDir = dirs.root + QStringLiteral("Empre001/UsersConfig");
        QCOMPARE(configText(QStringLiteral("FC_DIRFORMA")), formsDir);
        QCOMPARE(configText(QStringLiteral("FC_DIRBUPFORMA")), formsDir);
        QCOMPARE(p.DirFormaConfig, formsDir + u'/');
    }

    void onlyTheExactDefaultFormDirIsReplaced_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("C:\\") << QStringLiteral("C:\\") << true;
        QTest::newRow("c:\\") << QStringLiteral("c:\\") << false;
        QTest::newRow("C:") << QStringLiteral("C:") << false;
        QTest::newRow("other") << QStringLiteral("D:\\Formas") << false;
    }

    void onlyTheExactDefaultFormDirIsReplaced()
    {
        QFETCH(QString, stored);
        QFETCH(bool, replaced);
        test::ScratchDir scratch;
        QVERIFY(createWorkspace(scratch.path()));
        const Dirs dirs(scratch.path());
        QVERIFY(setText(dirs.rma, QStringLiteral("k9RMAConfig"), QStringLiteral("FC_DIRFORMA"), stored));
        QCOMPARE(loadWorkspace(scratch.path()), StartupResult::Ready);
        QCOMPARE(configText(QStringLiteral("FC_DIRFORMA")),
                 replaced ? dirs.root + QStringLiteral("Empre001/UsersConfig") : stored);
        QCOMPARE(options().FC_DIRFORMA, configText(QStringLiteral("FC_DIRFORMA")));
    }

    void aMissingCompanyTableEndsTheProcess()
    {
        test::ScratchDir scratch;
        QCOMPARE(loadWorkspace(scratch.path()), StartupResult::Terminate);
        QCOMPARE(m_messages.texts(), QStringList{kCompanyMissing});
        QCOMPARE(m_messages.entries().first().kind, MessageKind::Information);
        // The same when the root holds other tables but no company table.
        QVERIFY(createTables(*scratch.database(), hostDataTables()));
        m_messages.clear();
        QCOMPARE(loadWorkspace(scratch.path()), StartupResult::Terminate);
        QCOMPARE(m_messages.texts(), QStringList{kCompanyMissing});
    }

    void anEmptyCompanyTableEndsTheProcess()
    {
        test::ScratchDir scratch;
        QVERIFY(createTables(*scratch.database(), companyTables()));
        QCOMPARE(loadWorkspace(scratch.path()), StartupResult::Terminate);
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("Error al cargar datos de la tabla \"sempresas.dat\", la aplicación no se inicializara.")});
    }

    void aDefaultCurrencyWithoutRecordLeavesTheSymbolEmpty()
    {
        test::ScratchDir scratch;
        QVERIFY(createWorkspace(scratch.path()));
        QVERIFY(setText(Dirs(scratch.path()).data, QStringLiteral("SSistema"), QStringLiteral("MONEDA_DEFECTO"),
                        QStringLiteral("XX")));
        QCOMPARE(loadWorkspace(scratch.path()), StartupResult::Ready);
        QVERIFY(m_messages.entries().isEmpty());
        QVERIFY(taxDefaults().SimboloMoneda.isEmpty());
        QCOMPARE(taxDefaults().FactorMoneda, Money());
        QCOMPARE(taxDefaults().TasaImpuesto1, Money::fromUnits(16));
    }

    void missingOptionsGoOnWithDefaults()
    {
        test::ScratchDir scratch;
        QVERIFY(createWorkspace(scratch.path()));
        const Dirs dirs(scratch.path());
        QVERIFY(Database::open(dirs.rma, Database::OpenMode::Existing)->exec(QStringLiteral("DROP TABLE k9RMAConfig")));
        QCOMPARE(loadWorkspace(scratch.path()), StartupResult::OptionsIncomplete);
        QCOMPARE(m_messages.texts(), QStringList{kOptionsFailed});
        QCOMPARE(m_messages.entries().first().kind, MessageKind::Error);
        // What was loaded before the failure stays; the options keep their defaults.
        QCOMPARE(taxDefaults().TasaImpuesto1, Money::fromUnits(16));
        QCOMPARE(paths().DirRMA, dirs.rma);
        QVERIFY(!options().FC_AVISOCITAS);
    }

    void theLocalDirectoryIsUsedAsStored()
    {
        test::ScratchDir scratch;
        QVERIFY(createWorkspace(scratch.path()));
        QVERIFY(setText(scratch.path(), QStringLiteral("Sempresas"), QStringLiteral("FE_DIRLOCAL"), QStringLiteral("Tmp")));
        QCOMPARE(loadWorkspace(scratch.path()), StartupResult::Ready);
        QCOMPARE(paths().DirLocal, Dirs(scratch.path()).root + QStringLiteral("Tmp"));
    }

    void aUsersDirectoriesReplaceTheCompanysButNotTheModules()
    {
        test::ScratchDir scratch;
        QVERIFY(createWorkspace(scratch.path()));
        QCOMPARE(loadWorkspace(scratch.path()), StartupResult::Ready);
        const QString moduleDir = paths().DirRMA;
        applyUserDirectories(scratch.path(), QStringLiteral("Empre002\\Data"), QStringLiteral("Empre002\\ConfigR"),
                             QStringLiteral("Empre002\\Reports"));
        const QString root = Dirs(scratch.path()).root;
        QCOMPARE(paths().DirDatos, root + QStringLiteral("Empre002/Data/"));
        QCOMPARE(paths().DirFormatos, root + QStringLiteral("Empre002/ConfigR/RMA/"));
        QCOMPARE(paths().DirReportes, root + QStringLiteral("Empre002/Reports/"));
        QCOMPARE(paths().DirRMA, moduleDir);
    }
};

QTEST_GUILESS_MAIN(WorkspaceTest)
#include "tst_workspace.moc"
