// The lookup browser and its operations over a small workspace, with a scripted display.
#include "LookupFixture.h"

#include "core/Messages.h"
#include "data/TableHelpers.h"

#include <QFile>

using namespace k9;
using namespace k9::test;

namespace {

QString code(int n)
{
    return QStringLiteral("C%1").arg(n, 3, 10, QChar(u'0'));
}

} // namespace

class LookupBrowserTest : public QObject
{
    Q_OBJECT

private:
    ScriptedMessages m_messages;
    std::unique_ptr<MessageSinkGuard> m_guard;

    // Customers (code, name, detail, status); an index on the name.
    void addCustomers(LookupFixture &f, const QList<QStringList> &rows)
    {
        f.create(*f.data, QStringLiteral("SClientes"));
        QVERIFY(f.data->exec(QStringLiteral("CREATE INDEX FC_KEYDESCRIPCION ON SClientes (FC_DESCRIPCION)")));
        Transaction transaction(*f.data);
        for (const QStringList &r : rows)
            f.insert(*f.data, QStringLiteral("SClientes"),
                     {{QStringLiteral("FC_CODIGO"), r.value(0)},
                      {QStringLiteral("FC_DESCRIPCION"), r.value(1)},
                      {QStringLiteral("FC_DESCRIPCIONDETALLADA"), r.value(2)},
                      {QStringLiteral("FC_STATUS"), r.value(3, QStringLiteral("1")).toInt()}});
        QVERIFY(transaction.commit());
    }

    void addReceptions(LookupFixture &f)
    {
        f.create(*f.rma, QStringLiteral("k9Recepcion"));
        const QList<std::pair<int, int>> docs{{1, 2}, {4, 1}, {10, 0}, {2, 2}, {3, 1}};
        int n = 0;
        for (const auto &[status, payment] : docs) {
            ++n;
            f.insert(*f.rma, QStringLiteral("k9Recepcion"),
                     {{QStringLiteral("RMA_CODIGO"), QStringLiteral("0000000%1").arg(n)},
                      {QStringLiteral("RMA_CONTACTO"), QStringLiteral("Contacto %1").arg(n)},
                      {QStringLiteral("RMA_FECHA"), QDateTime(QDate(2026, 3, n), QTime(10, 30))},
                      {QStringLiteral("RMA_STATUSDOC"), status},
                      {QStringLiteral("RMA_STATUSDOCOP"), payment}});
        }
    }

    Table open(const std::shared_ptr<Database> &db, const QString &name)
    {
        Table t;
        if (!AbrirTabla(t, name, db))
            qWarning("no table %s", qPrintable(name));
        return t;
    }

private slots:
    void init()
    {
        m_messages.clear();
        m_guard = std::make_unique<MessageSinkGuard>(&m_messages);
        LookupBrowser::setRememberedSearchEntry(-1);
    }
    void cleanup() { m_guard.reset(); }

    void receptionsShowTheirStatusTexts()
    {
        LookupFixture f;
        addReceptions(f);
        Table table = open(f.rma, QStringLiteral("k9Recepcion"));
        ScriptedRunner runner;
        QStringList captions, states, payments;
        runner.script = [&](LookupBrowser &b) {
            for (const BrowserColumn &c : b.columns())
                captions << c.caption();
            states = columnOf(b, 3);
            return 1;
        };
        QString chosen;
        LookupResult r = BuscarEnLista(runner, table, QStringLiteral("Documentos RMA"), chosen, 16);
        // Field order of the table, not definition order.
        QCOMPARE(captions, (QStringList{QStringLiteral("Documentos RMA"), QStringLiteral("Fecha Emisión"),
                                        QStringLiteral("Contacto"), QStringLiteral("Estado")}));
        QCOMPARE(states.mid(0, 3),
                 (QStringList{QStringLiteral("Pendiente"), QStringLiteral("En Servicio"), QStringLiteral("Anulado")}));
        QCOMPARE(chosen, QStringLiteral("00000002"));
        QCOMPARE(r.extras.autoInc, QStringLiteral("2"));
        QCOMPARE(r.extras.status, 4);
        QCOMPARE(r.description, QStringLiteral("00000002, 02/03/2026, Contacto 2"));

        // Kind 26 adds the payment state.
        runner.script = [&](LookupBrowser &b) {
            payments = columnOf(b, 4);
            return -1;
        };
        r = BuscarEnLista(runner, table, QString(), chosen, 26);
        QCOMPARE(payments.mid(0, 3), (QStringList{QStringLiteral("Por Totalizar"), QStringLiteral("Totalizado"), QString()}));
        QVERIFY(!r.chosen);
        QVERIFY(chosen.isEmpty());
    }

    void theStatusMenuLimitsTheDocuments()
    {
        LookupFixture f;
        addReceptions(f);
        Table table = open(f.rma, QStringLiteral("k9Recepcion"));
        LookupBrowser b(16);
        LookupOptions options;
        options.statusMenu = {{2, 3}, 2};
        QCOMPARE(b.open(std::shared_ptr<Database>(f.rma), QStringLiteral("k9Recepcion"), options),
                 LookupBrowser::Opened::Ready);
        b.refill();
        QCOMPARE(keysOf(b), QStringList{QStringLiteral("00000004")});
        b.toggleStatus(10); // not enabled: nothing changes
        QCOMPARE(b.recordCount(), 1);
        b.toggleStatus(3);
        QCOMPARE(keysOf(b), QStringList{QStringLiteral("00000005")});
        b.toggleStatus(3); // unchecked: every document again
        QCOMPARE(b.checkedStatus(), 0);
        QCOMPARE(b.recordCount(), 5);
    }

    void aDescriptionRangeStartsAtTheTypedText()
    {
        LookupFixture f;
        addCustomers(f, {{code(1), QStringLiteral("OSCAR")},
                         {code(2), QStringLiteral("MARTA")},
                         {code(3), QStringLiteral("MANUEL")},
                         {code(4), QStringLiteral("N")},
                         {code(5), QStringLiteral("NANCY")},
                         {code(6), QStringLiteral("MARIA")},
                         {code(7), QStringLiteral("LUIS")},
                         {code(8), QStringLiteral("MAR")}});
        LookupBrowser b(14);
        QCOMPARE(b.open(f.data, QStringLiteral("SClientes")), LookupBrowser::Opened::Ready);
        QCOMPARE(b.searchEntries().size(), 2);
        QCOMPARE(b.searchEntries()[1].caption, QStringLiteral("Descripción"));
        b.chooseSearchEntry(1);
        QCOMPARE(b.search(QStringLiteral("mar")), LookupBrowser::Search::Index);
        QCOMPARE(keysOf(b), (QStringList{code(8), code(6), code(2), code(4)}));
        QCOMPARE(b.recordCount(), 4);
        // An empty text cancels the range; on the code index a code range.
        b.search(QString());
        QCOMPARE(b.recordCount(), 8);
        b.chooseSearchEntry(0);
        b.search(QStringLiteral("c00"));
        QCOMPARE(b.recordCount(), 8);
        QCOMPARE(b.indexName(), QString());
        // The search column chosen last is where the next browser starts.
        LookupBrowser next(14);
        QCOMPARE(next.open(f.data, QStringLiteral("SClientes")), LookupBrowser::Opened::Ready);
        QCOMPARE(next.currentSearchEntry(), 0);
        LookupBrowser::setRememberedSearchEntry(1);
        LookupBrowser third(14);
        third.open(f.data, QStringLiteral("SClientes"));
        QCOMPARE(third.indexName(), QStringLiteral("FC_KEYDESCRIPCION"));
        // The caller's index wins.
        LookupBrowser::setRememberedSearchEntry(0);
        LookupBrowser fourth(14);
        fourth.open(f.data, QStringLiteral("SClientes"), {{}, QStringLiteral("FC_KEYDESCRIPCION"), {}});
        QCOMPARE(fourth.indexName(), QStringLiteral("FC_KEYDESCRIPCION"));
        QCOMPARE(fourth.currentSearchEntry(), 1);
    }

    void theWordFilter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("any word in any field") << QStringLiteral("*cable,negro")
                                               << QStringList{code(1), code(2), code(3), code(4)};
        QTest::newRow("all words in one field") << QStringLiteral("*cable,,negro") << QStringList{code(1)};
        QTest::newRow("one word") << QStringLiteral("funda*") << QStringList{code(3)};
    }

    void theWordFilter()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, codes);
        LookupFixture f;
        addCustomers(f, {{code(1), QStringLiteral("Cable negro 2m"), QString()},
                         {code(2), QStringLiteral("Cable rojo"), QString()},
                         {code(3), QStringLiteral("Funda"), QStringLiteral("color negro")},
                         {code(4), QStringLiteral("Cable azul"), QStringLiteral("forro negro")},
                         {code(5), QStringLiteral("Pila"), QStringLiteral("alcalina")}});
        LookupBrowser b(14);
        QCOMPARE(b.open(f.data, QStringLiteral("SClientes")), LookupBrowser::Opened::Ready);
        b.setPageRows(10);
        QCOMPARE(b.search(text), LookupBrowser::Search::Words);
        QCOMPARE(keysOf(b), codes);
        QCOMPARE(b.recordCount(), codes.size());
        // An index search switches it off.
        b.search(QString());
        QCOMPARE(b.recordCount(), 5);
        QVERIFY(!b.wordFilterActive());
    }

    void aStoppedWordFilterKeepsWhatItFound()
    {
        struct StopAt : SearchProgress
        {
            int begun = 0;
            int ended = 0;
            qint64 first = -1;
            void begin() override { ++begun; }
            bool step(qint64 count) override
            {
                if (first < 0)
                    first = count;
                return count < 120;
            }
            void end() override { ++ended; }
        } progress;
        LookupFixture f;
        QList<QStringList> rows;
        for (int i = 0; i < 200; ++i)
            rows << QStringList{QStringLiteral("C%1").arg(i, 4, 10, QChar(u'0')), QStringLiteral("Cable")};
        addCustomers(f, rows);
        LookupBrowser b(14);
        b.open(f.data, QStringLiteral("SClientes"));
        b.setProgress(&progress);
        QCOMPARE(b.search(QStringLiteral("*cable")), LookupBrowser::Search::Words);
        QCOMPARE(progress.first, 51); // quiet over the first fifty rows
        QCOMPARE(progress.begun, 1);
        QCOMPARE(progress.ended, 1);
        QCOMPARE(b.recordCount(), 120);
    }

    void aCallerFilterIsHonouredAndLeavesNoWordFilter()
    {
        LookupFixture f;
        addCustomers(f, {{code(1), QStringLiteral("Cable"), QString(), QStringLiteral("1")},
                         {code(2), QStringLiteral("Cable"), QString(), QStringLiteral("0")},
                         {code(3), QStringLiteral("Cable"), QString(), QStringLiteral("1")}});
        LookupBrowser b(14);
        LookupOptions options;
        options.filter = {QStringLiteral("FC_STATUS = ?"), {1}};
        QCOMPARE(b.open(f.data, QStringLiteral("SClientes"), options), LookupBrowser::Opened::Ready);
        QVERIFY(!b.managesFiltering());
        b.refill();
        QCOMPARE(keysOf(b), (QStringList{code(1), code(3)}));
        QCOMPARE(b.search(QStringLiteral("*cable")), LookupBrowser::Search::Index);
        QVERIFY(!b.wordFilterActive());
        QCOMPARE(b.recordCount(), 0); // "*CABLE" taken as a code range

        // A filter that leaves nothing: the table counts as empty.
        Table table = open(f.data, QStringLiteral("SClientes"));
        ScriptedRunner runner;
        QString chosen = QStringLiteral("x");
        options.filter = {QStringLiteral("FC_STATUS = ?"), {7}};
        BuscarEnLista(runner, table, QString(), chosen, 14, options);
        QCOMPARE(runner.runs, 0);
        QVERIFY(chosen.isEmpty());
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Archivo sin información.")});
    }

    void theQuerySearchListsAtMost999Rows()
    {
        LookupFixture f;
        QList<QStringList> rows;
        for (int i = 0; i < 1005; ++i)
            rows << QStringList{QStringLiteral("C%1").arg(i, 5, 10, QChar(u'0')),
                                QStringLiteral("Cable %1").arg(1004 - i), QStringLiteral("Peña")};
        rows << QStringList{QStringLiteral("Z1"), QStringLiteral("Funda"), QStringLiteral("negra")};
        addCustomers(f, rows);
        QFile definition(f.scratch.dir(QStringLiteral("Data")) + QStringLiteral("/SClientes.SQL"));
        QVERIFY(definition.open(QIODevice::WriteOnly));
        definition.write("FC_DESCRIPCION\nNO_EXISTE\nFC_DESCRIPCIONDETALLADA\n");
        definition.close();

        LookupBrowser b(14);
        QCOMPARE(b.open(f.data, QStringLiteral("SClientes")), LookupBrowser::Opened::Ready);
        b.refill();
        QCOMPARE(b.search(QStringLiteral("*cable")), LookupBrowser::Search::Query);
        QCOMPARE(b.mode(), LookupBrowser::Mode::List);
        QCOMPARE(b.rows().size(), 999);
        QCOMPARE(b.recordCount(), 999);
        QCOMPARE(b.rows().first().cells.value(1), QStringLiteral("Cable 0")); // ordered by the first field
        // Accents compare in capitals; AND needs both words in the joined fields.
        QCOMPARE(b.search(QStringLiteral("*funda,,NEGRA")), LookupBrowser::Search::Query);
        QCOMPARE(keysOf(b), QStringList{QStringLiteral("Z1")});
        QCOMPARE(b.search(QStringLiteral("*cable 1004,,peña")), LookupBrowser::Search::Query);
        QCOMPARE(b.rows().size(), 1);
        QCOMPARE(b.search(QStringLiteral("*nada")), LookupBrowser::Search::Query);
        QVERIFY(b.rows().isEmpty());
        // An index search goes back to pages.
        QCOMPARE(b.search(QString()), LookupBrowser::Search::Index);
        QCOMPARE(b.mode(), LookupBrowser::Mode::Page);
        QCOMPARE(b.recordCount(), 1006);

        // A definition without a field of the table cannot run.
        QVERIFY(definition.open(QIODevice::WriteOnly | QIODevice::Truncate));
        definition.write("NO_EXISTE\n");
        definition.close();
        QCOMPARE(b.search(QStringLiteral("*cable")), LookupBrowser::Search::Failed);
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("No es posible ejecutar la búsqueda")});
        QCOMPARE(b.mode(), LookupBrowser::Mode::Page);
    }

    void anEmptyTableChoosesNothing()
    {
        LookupFixture f;
        f.create(*f.data, QStringLiteral("SClientes"));
        f.create(*f.data, QStringLiteral("SVendedores"));
        f.insert(*f.data, QStringLiteral("SVendedores"), {{QStringLiteral("FV_CODIGO"), QStringLiteral("V1")}});
        ScriptedRunner runner;
        QString chosen = QStringLiteral("antes");
        Table clients = open(f.data, QStringLiteral("SClientes"));
        const LookupResult r = BuscarEnLista(runner, clients, QString(), chosen, 14);
        QVERIFY(!r.chosen);
        QVERIFY(chosen.isEmpty());
        QCOMPARE(runner.runs, 0);
        QCOMPARE(m_messages.entries().size(), 1);
        QCOMPARE(m_messages.entries().first().kind, MessageKind::Warning);
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Archivo sin información.")});

        // A kind whose fields the table does not have.
        m_messages.clear();
        Table employees = open(f.data, QStringLiteral("SVendedores"));
        BuscarEnLista(runner, employees, QString(), chosen, 14);
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("No existen campos configurados para este usuario.")});
        QCOMPARE(runner.runs, 0);
    }

    void theCodeFieldLooksTheCodeUp()
    {
        LookupFixture f;
        addCustomers(f, {{code(1), QStringLiteral("Ana")}, {code(2), QStringLiteral("Beto")}});
        Table table = open(f.data, QStringLiteral("SClientes"));
        ScriptedRunner runner;
        QString label = QStringLiteral("antes");
        QString chosen;

        BuscarCodigo(runner, label, CodeSender::CodeField, QStringLiteral("C999"), chosen, 14, QString(),
                     QStringLiteral("FC_DESCRIPCION"), QString(), table);
        QVERIFY(chosen.isEmpty());
        QCOMPARE(label, QStringLiteral("..."));
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Código  [C999]  no encontrado")});
        QCOMPARE(m_messages.entries().first().kind, MessageKind::Warning);

        m_messages.clear();
        BuscarCodigo(runner, label, CodeSender::CodeField, code(2), chosen, 14, QString(), QStringLiteral("FC_DESCRIPCION"),
                     QString(), table);
        QCOMPARE(chosen, code(2));
        QCOMPARE(label, QStringLiteral("Beto"));
        BuscarCodigo(runner, label, CodeSender::CodeField, QStringLiteral("  "), chosen, 14, QString(),
                     QStringLiteral("FC_DESCRIPCION"), QString(), table);
        QVERIFY(chosen.isEmpty());
        QCOMPARE(label, QStringLiteral("..."));
        QVERIFY(m_messages.entries().isEmpty());
        QCOMPARE(runner.runs, 0);

        // The search button: the browser with the kind's caption.
        QString caption;
        runner.script = [&](LookupBrowser &b) {
            caption = b.caption();
            return 0;
        };
        BuscarCodigo(runner, label, CodeSender::SearchButton, QString(), chosen, 14, QString(),
                     QStringLiteral("FC_DESCRIPCION"), QString(), table);
        QCOMPARE(caption, QStringLiteral("Listado de Clientes"));
        QCOMPARE(chosen, code(1));
        QCOMPARE(label, QStringLiteral("Ana"));
        QCOMPARE(table.indexName(), QString());
    }

    void lookupColumnsReadEachKeyOnce()
    {
        LookupFixture f;
        f.create(*f.data, QStringLiteral("SInventario"));
        f.create(*f.data, QStringLiteral("SCategoria"));
        f.insert(*f.data, QStringLiteral("SCategoria"),
                 {{QStringLiteral("FD_CODIGO"), QStringLiteral("CAT1")}, {QStringLiteral("FD_DESCRIPCION"), QStringLiteral("Cables")}});
        f.insert(*f.data, QStringLiteral("SCategoria"),
                 {{QStringLiteral("FD_CODIGO"), QStringLiteral("CAT2")}, {QStringLiteral("FD_DESCRIPCION"), QStringLiteral("Pilas")}});
        const QStringList categories{QStringLiteral("CAT1"), QStringLiteral("CAT2"), QStringLiteral("CATX"),
                                     QStringLiteral("CAT1"), QStringLiteral("CAT2"), QString()};
        for (qsizetype i = 0; i < categories.size(); ++i)
            f.insert(*f.data, QStringLiteral("SInventario"),
                     {{QStringLiteral("FI_CODIGO"), QStringLiteral("P%1").arg(i)},
                      {QStringLiteral("FI_CATEGORIA"), categories[i]}});
        LookupBrowser b(15);
        QCOMPARE(b.open(f.data, QStringLiteral("SInventario")), LookupBrowser::Opened::Ready);
        b.setPageRows(10);
        b.refill();
        QCOMPARE(columnOf(b, 3), (QStringList{QStringLiteral("CAT1-Cables"), QStringLiteral("CAT2-Pilas"),
                                              QStringLiteral("CATX"), QStringLiteral("CAT1-Cables"),
                                              QStringLiteral("CAT2-Pilas"), QString()}));
        QCOMPARE(b.lookupReads(), 3);
        b.refill();
        QCOMPARE(b.lookupReads(), 3);
    }

    void operationsHandBackTheirDocument()
    {
        LookupFixture f;
        addReceptions(f);
        f.create(*f.rma, QStringLiteral("k9RMAOperaciones"));
        f.insert(*f.rma, QStringLiteral("k9RMAOperaciones"),
                 {{QStringLiteral("FRI_DOCUMENTO"), QStringLiteral("00000007")},
                  {QStringLiteral("FRI_DOCRMA"), QStringLiteral("00000003")},
                  {QStringLiteral("FRI_TIPO"), 3},
                  {QStringLiteral("FRI_STATUS"), 2},
                  {QStringLiteral("FRI_MONTOPAGADO"), QVariant::fromValue(Money::fromRaw(1234500))}});
        Table table = open(f.rma, QStringLiteral("k9RMAOperaciones"));
        ScriptedRunner runner;
        QStringList cells;
        runner.script = [&](LookupBrowser &b) {
            cells = b.rows().first().cells;
            return 0;
        };
        QString chosen;
        const LookupResult r = BuscarEnLista(runner, table, QStringLiteral("Presupuestos"), chosen, 22);
        QCOMPARE(cells, (QStringList{QStringLiteral("00000007"), QStringLiteral("Presupuesto"),
                                     QStringLiteral("00000003-Contacto 3"), QStringLiteral("Por Totalizar"), QString()}));
        QCOMPARE(chosen, QStringLiteral("1")); // the table's first field, FRI_AUTOINCREMENT
        QCOMPARE(r.extras.document, QStringLiteral("00000007"));
        QCOMPARE(r.extras.documentRma, QStringLiteral("00000003"));
        QCOMPARE(r.extras.amountPaid, Money::fromRaw(1234500));
    }

    void receivedItemsHandBackTheProduct()
    {
        LookupFixture f;
        f.create(*f.rma, QStringLiteral("k9DetalleRecepcion"));
        f.create(*f.data, QStringLiteral("SInventario"));
        f.insert(*f.data, QStringLiteral("SInventario"),
                 {{QStringLiteral("FI_CODIGO"), QStringLiteral("P1")}, {QStringLiteral("FI_DESCRIPCION"), QStringLiteral("Radio")}});
        f.insert(*f.rma, QStringLiteral("k9DetalleRecepcion"),
                 {{QStringLiteral("RMD_CODIGORMA"), QStringLiteral("00000001")},
                  {QStringLiteral("RMD_CODPRODUCTO"), QStringLiteral("P1")},
                  {QStringLiteral("RMD_SERIAL"), QStringLiteral("SN-9")},
                  {QStringLiteral("RMD_FROMK9"), true},
                  {QStringLiteral("RMD_FECHA"), QDate(2026, 1, 2)},
                  {QStringLiteral("RMD_RAZON"), 3},
                  {QStringLiteral("RMD_PRIORIDAD"), 0},
                  {QStringLiteral("RMD_RECIBIDO"), 2},
                  {QStringLiteral("RMD_COMPONENTES"), QByteArray(119220, '\1')}});
        Table table = open(f.rma, QStringLiteral("k9DetalleRecepcion"));
        ScriptedRunner runner;
        QStringList cells;
        runner.script = [&](LookupBrowser &b) {
            cells = b.rows().first().cells;
            return 0;
        };
        QString chosen;
        const LookupResult r = BuscarItemRMA(runner, table, QStringLiteral("Items"), chosen, 17);
        QCOMPARE(cells, (QStringList{QStringLiteral("00000001"), QStringLiteral("P1-Radio"), QStringLiteral("SN-9"),
                                     QStringLiteral("02/01/2026"), QStringLiteral("Reparación"),
                                     QStringLiteral("Maxima"), QStringLiteral("Garant&Serv")}));
        QCOMPARE(chosen, QStringLiteral("P1"));
        QCOMPARE(r.extras.rmaCode, QStringLiteral("00000001"));
        QCOMPARE(r.extras.serial, QStringLiteral("SN-9"));
        QVERIFY(r.extras.fromK9);
    }

    void pagesFollowTheIndex()
    {
        LookupFixture f;
        QList<QStringList> rows;
        for (int i = 0; i < 23; ++i)
            rows << QStringList{code(i), QStringLiteral("N%1").arg(22 - i)};
        addCustomers(f, rows);
        LookupBrowser b(14);
        QCOMPARE(b.open(f.data, QStringLiteral("SClientes")), LookupBrowser::Opened::Ready);
        b.setPageRows(5);
        b.refill();
        QCOMPARE(b.rows().size(), 10); // the page and five more
        QStringList seen = keysOf(b, 5);
        for (int page = 0; page < 4; ++page) {
            b.pageDown();
            seen += keysOf(b, 5);
        }
        QCOMPARE(b.position(), 18); // the last page starts at count - rows
        QCOMPARE(keysOf(b), (QStringList{code(18), code(19), code(20), code(21), code(22)}));
        b.pageUp();
        QCOMPARE(b.position(), 13);
        QCOMPARE(keysOf(b, 1), QStringList{code(13)});
        b.lineUp();
        QCOMPARE(keysOf(b, 1), QStringList{code(12)});
        b.moveTo(16);
        QCOMPARE(keysOf(b, 2), (QStringList{code(16), code(17)}));
        b.moveTo(3);
        QCOMPARE(keysOf(b, 2), (QStringList{code(3), code(4)}));
        b.lastPage();
        QCOMPARE(keysOf(b).last(), code(22));
        b.firstPage();
        QCOMPARE(keysOf(b, 1), QStringList{code(0)});
        QStringList expected;
        for (int i = 0; i < 20; ++i)
            expected << code(i);
        QCOMPARE(seen.mid(0, 20), expected);
    }
};

QTEST_GUILESS_MAIN(LookupBrowserTest)
#include "tst_lookupbrowser.moc"
