// Every list kind over the demo company: it opens with all its columns, pages, and answers
// its index and word searches.
#include "data/TableHelpers.h"
#include "data/Workspace.h"
#include "queries/LookupBrowser.h"
#include "support/TestWorkspace.h"
#include "workspace/DemoCompany.h"
#include "workspace/WorkspaceBuilder.h"

#include <QtTest>

using namespace k9;

class LookupKindsTest : public QObject
{
    Q_OBJECT

private:
    test::ScratchDir m_scratch;
    WorkspacePaths m_saved;

private slots:
    void initTestCase()
    {
        m_saved = paths();
        QVERIFY(workspace::createWorkspace(m_scratch.path()));
        const Status s = workspace::fillDemoCompany(m_scratch.path());
        QVERIFY2(s, qPrintable(s.message()));
        const workspace::Dirs dirs(m_scratch.path());
        paths().DirDatos = dirs.data;
        paths().DirRMA = dirs.rma;
    }
    void cleanupTestCase() { paths() = m_saved; }

    void everyKindOpens_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("module");
        QTest::newRow("14 customers") << 14 << QStringLiteral("SClientes") << false;
        QTest::newRow("15 host inventory") << 15 << QStringLiteral("SInventario") << false;
        QTest::newRow("16 RMA documents") << 16 << QStringLiteral("k9Recepcion") << true;
        QTest::newRow("17 received items") << 17 << QStringLiteral("k9DetalleRecepcion") << true;
        QTest::newRow("18 service inventory") << 18 << QStringLiteral("k9RMAInventario") << true;
        QTest::newRow("20 suppliers") << 20 << QStringLiteral("SProveedor") << false;
        QTest::newRow("21 employees") << 21 << QStringLiteral("SVendedores") << false;
        QTest::newRow("22 budgets and services") << 22 << QStringLiteral("k9RMAOperaciones") << true;
        QTest::newRow("23 employees") << 23 << QStringLiteral("SVendedores") << false;
        QTest::newRow("24 appointments") << 24 << QStringLiteral("k9RMACitas") << true;
        QTest::newRow("25 received items") << 25 << QStringLiteral("k9DetalleRecepcion") << true;
        QTest::newRow("26 RMA documents") << 26 << QStringLiteral("k9Recepcion") << true;
        QTest::newRow("27 departments") << 27 << QStringLiteral("SCategoria") << false;
    }

    void everyKindOpens()
    {
        QFETCH(int, kind);
        QFETCH(QString, table);
        QFETCH(bool, module);
        auto db = Database::shared(module ? paths().DirRMA : paths().DirDatos);
        QVERIFY(db);
        LookupBrowser b(kind);
        QCOMPARE(b.open(db, table), LookupBrowser::Opened::Ready);
        QCOMPARE(b.columns().size(), listKind(kind)->columns.size());
        b.setPageRows(4);
        b.refill();
        QVERIFY(b.recordCount() > 0);
        QVERIFY(!b.rows().isEmpty());
        for (const BrowserRow &row : b.rows())
            QCOMPARE(row.cells.size(), b.columns().size());
        QVERIFY(!b.choose(0).code.isEmpty());

        // The index search finds the first row by the value of its index field.
        const int field = b.reader().fieldIndex(b.reader().index().fields.value(0));
        if (field >= 0) {
            const QString value = b.rows().first().raw.values.value(field).toString();
            if (!value.isEmpty() && b.reader().fields()[field].type == FieldType::String) {
                QCOMPARE(b.search(value), LookupBrowser::Search::Index);
                QVERIFY(b.recordCount() > 0);
            }
        }
        // The word filter with a word of the first row's code.
        const QString word = b.rows().first().key.left(4);
        QCOMPARE(b.search(u'*' + word), LookupBrowser::Search::Words);
        QVERIFY(b.recordCount() > 0);
        b.lastPage();
        b.pageUp();
        QVERIFY(!b.rows().isEmpty());
    }
};

QTEST_GUILESS_MAIN(LookupKindsTest)
#include "tst_lookupkinds.moc"
