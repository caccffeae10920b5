// The customer's purchases: the current period, the history periods the options name, the
// serials sold, and stopping the search.
#include "core/Messages.h"
#include "data/Catalog.h"
#include "data/Query.h"
#include "reception/CustomerPurchases.h"
#include "support/TestWorkspace.h"

#include <QtTest>

using namespace k9;

namespace {

// A monitor that asks to stop before row `stopAt` (counted over the whole search) and
// records what the window would show.
class Monitor : public PurchaseSearchMonitor
{
public:
    int stopAt = -1;
    int checks = 0;
    QList<bool> panel;
    QList<int> meter;
    int rowsShown = -1;

    void showPanel(bool shown) override { panel << shown; }
    void progress(int percent) override { meter << percent; }
    bool stopRequested() override { return checks++ == stopAt; }
    void showRows(const QList<TProdCompReg> &rows) override { rowsShown = int(rows.size()); }
};

QStringList documentsOf(const PurchaseSearchResult &r)
{
    QStringList docs;
    for (const TProdCompReg &row : r.rows)
        docs << row.salesDocument;
    return docs;
}

} // namespace

class TestCustomerPurchases : public QObject
{
    Q_OBJECT

    test::ScratchDir m_scratch;
    QString m_data;
    QString m_history;
    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};
    qint64 m_operation = 100;

    void create(Database &db, const QString &name) { QVERIFY(createTables(db, {*findTableDef(name)})); }

    // One sales line of `customer` (of operation type 11, processed unless `status` says
    // otherwise) in `db`'s table `table`, with an optional serial in the data directory.
    void sale(Database &db, const QString &table, const QString &document, const QString &customer,
              const QString &product, const QString &serial = QString(), int type = 11, int status = 1)
    {
        const qint64 operation = ++m_operation;
        const Status s = insertRow(db, table,
                                   {{QStringLiteral("FDI_TIPOOPERACION"), type},
                                    {QStringLiteral("FDI_DOCUMENTO"), document},
                                    {QStringLiteral("FDI_CODIGO"), product},
                                    {QStringLiteral("FDI_CLIENTEPROVEEDOR"), customer},
                                    {QStringLiteral("FDI_CANTIDAD"), QVariant::fromValue(Money::fromUnits(2))},
                                    {QStringLiteral("FDI_STATUS"), status},
                                    {QStringLiteral("FDI_FECHAOPERACION"), QDateTime(QDate(2025, 5, 6), QTime(10, 30))},
                                    {QStringLiteral("FDI_OPERACION_AUTOINCREMENT"), operation}});
        QVERIFY2(s, qPrintable(s.message()));
        if (serial.isEmpty())
            return;
        auto data = Database::open(m_data, Database::OpenMode::Existing);
        const Status t = insertRow(*data, QStringLiteral("Sseriales"),
                                   {{QStringLiteral("FS_SERIAL"), serial},
                                    {QStringLiteral("FS_DOCUMENTO"), document},
                                    {QStringLiteral("FS_CODIGOP"), product},
                                    {QStringLiteral("FS_OPERACIONAUTOINCREMENT"), operation}});
        QVERIFY2(t, qPrintable(t.message()));
    }

    // A history period directory with its sales table holding one sale ("H" + n) of C1.
    void period(int n, bool withTable = true)
    {
        const QString dir = QStringLiteral("Historia/PERIODO_%1").arg(n);
        if (!withTable) {
            m_scratch.dir(dir);
            return;
        }
        auto db = m_scratch.database(dir);
        create(*db, QStringLiteral("HIST_SDetalleVenta"));
        sale(*db, QStringLiteral("HIST_SDetalleVenta"), QStringLiteral("H%1").arg(n), QStringLiteral("C1"),
             QStringLiteral("P1"), QStringLiteral("SH-%1").arg(n));
    }

    ModuleOptions history(const QString &first, int periods, bool confirm = false)
    {
        ModuleOptions o;
        o.FC_BUSQHISTORIAL = true;
        o.FC_CONFIRBUSQHIST = confirm;
        o.FC_PERIODOHISTO = first;
        o.FC_NROPERIODOSBUSQ = periods;
        return o;
    }

    PurchaseSearchResult search(Monitor &monitor, const ModuleOptions &opts, const QString &customer = QStringLiteral("C1"))
    {
        return searchCustomerPurchases(customer, monitor, opts, m_data, m_history);
    }

private slots:
    void initTestCase()
    {
        m_data = m_scratch.dir(QStringLiteral("Data"));
        m_history = m_scratch.dir(QStringLiteral("Historia"));
        auto data = m_scratch.database(QStringLiteral("Data"));
        for (const char *t : {"SDetalleVenta", "SInventario", "Sseriales"})
            create(*data, QString::fromLatin1(t));
        for (const char *p : {"P1", "P2"}) {
            const Status s = insertRow(*data, QStringLiteral("SInventario"),
                                       {{QStringLiteral("FI_CODIGO"), QString::fromLatin1(p)},
                                        {QStringLiteral("FI_DESCRIPCION"), QStringLiteral("Producto ") + QLatin1String(p)},
                                        {QStringLiteral("FI_MARCA"), QStringLiteral("Marca")}});
            QVERIFY(s);
        }
        const QString lines = QStringLiteral("SDetalleVenta");
        sale(*data, lines, QStringLiteral("F1"), QStringLiteral("C1"), QStringLiteral("P1"), QStringLiteral("SN-1"));
        sale(*data, lines, QStringLiteral("F2"), QStringLiteral("C1"), QStringLiteral("P2"));
        sale(*data, lines, QStringLiteral("F3"), QStringLiteral("C2"), QStringLiteral("P1"), QStringLiteral("SN-3"));
        sale(*data, lines, QStringLiteral("F4"), QStringLiteral("C1"), QStringLiteral("P1"), QString(), 12);
        sale(*data, lines, QStringLiteral("F5"), QStringLiteral("C1"), QStringLiteral("P1"), QString(), 11, 2);
        sale(*data, lines, QStringLiteral("F6"), QStringLiteral("C1"), QStringLiteral("P9")); // no such product
        for (int n : {1, 2, 3, 4})
            period(n);
        period(5, false); // a period directory without its sales table
        period(6);
    }
    void init() { m_messages.clear(); }

    void theCurrentPeriodGivesTheInvoiceLinesWithTheirSerials()
    {
        Monitor monitor;
        const PurchaseSearchResult r = search(monitor, ModuleOptions());
        QCOMPARE(documentsOf(r), (QStringList{QStringLiteral("F1"), QStringLiteral("F2")}));
        const TProdCompReg &first = r.rows.first();
        QCOMPARE(first.productCode, QStringLiteral("P1"));
        QCOMPARE(first.serial, QStringLiteral("SN-1"));
        QCOMPARE(first.description, QStringLiteral("Producto P1"));
        QCOMPARE(first.brand, QStringLiteral("Marca"));
        QCOMPARE(first.quantity, Money::fromUnits(2));
        QCOMPARE(first.saleDate, QDateTime(QDate(2025, 5, 6), QTime(10, 30)));
        QCOMPARE(r.rows.at(1).serial, QStringLiteral("S/N"));
        QVERIFY(!r.cancelled && !r.failed);
        QVERIFY(m_messages.entries().isEmpty());
        QCOMPARE(monitor.panel.first(), true);
        QCOMPARE(monitor.panel.last(), false);
        QCOMPARE(monitor.meter.last(), 100);
    }

    void historyPeriods_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("periods");
        QTest::addColumn<QStringList>("history");
        QTest::newRow("from the option's period") << "PERIODO_3" << 2 << QStringList{QStringLiteral("H3"), QStringLiteral("H4")};
        QTest::newRow("an empty option starts at 1") << "" << 2 << QStringList{QStringLiteral("H1"), QStringLiteral("H2")};
        QTest::newRow("a name without a number starts at 1") << "PERIODO_" << 1 << QStringList{QStringLiteral("H1")};
        // Period 5 has no sales table and does not count; 7 has no directory: the end.
        QTest::newRow("up to the first missing directory") << "4" << 10 << QStringList{QStringLiteral("H4"), QStringLiteral("H6")};
        QTest::newRow("no periods asked for") << "1" << 0 << QStringList{};
    }
    void historyPeriods()
    {
        QFETCH(QString, first);
        QFETCH(int, periods);
        QFETCH(QStringList, history);
        Monitor monitor;
        const PurchaseSearchResult r = search(monitor, this->history(first, periods));
        QCOMPARE(documentsOf(r), QStringList({QStringLiteral("F1"), QStringLiteral("F2")}) + history);
        if (!history.isEmpty())
            QCOMPARE(r.rows.at(2).serial, QStringLiteral("SH-") + history.first().mid(1));
        QVERIFY(m_messages.entries().isEmpty());
    }

    void firstHistoryPeriod_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("period");
        QTest::newRow("PERIODO_3") << "PERIODO_3" << 3;
        QTest::newRow("two digits") << "PERIODO_12" << 12;
        QTest::newRow("a bare number") << "2" << 2;
        QTest::newRow("empty") << "" << 1;
        QTest::newRow("no digit at the end") << "PERIODO_3A" << 1;
    }
    void firstHistoryPeriod()
    {
        QFETCH(QString, option);
        QFETCH(int, period);
        QCOMPARE(k9::firstHistoryPeriod(option), period);
    }

    void theHistoryCanBeDeclined()
    {
        Monitor monitor;
        m_messages.queueAnswers({Answer::No});
        const PurchaseSearchResult r = search(monitor, history(QStringLiteral("1"), 2, true));
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Desea realizar la búsqueda en el historial?")});
        QCOMPARE(documentsOf(r), (QStringList{QStringLiteral("F1"), QStringLiteral("F2")}));
        QCOMPARE(monitor.rowsShown, 2); // the rows so far were shown before the question

        m_messages.clear();
        m_messages.queueAnswers({Answer::Yes});
        QCOMPARE(search(monitor, history(QStringLiteral("1"), 2, true)).rows.size(), 4);
    }

    void stoppingKeepsTheRowsRead_data()
    {
        QTest::addColumn<int>("stopAt");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QStringList>("documents");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("before the second row, stopped") << 1 << Answer::Yes << QStringList{QStringLiteral("F1")} << true;
        QTest::newRow("before the first row, stopped") << 0 << Answer::Yes << QStringList{} << true;
        QTest::newRow("in the history, stopped") << 2 << Answer::Yes << QStringList{QStringLiteral("F1"), QStringLiteral("F2")} << true;
        QTest::newRow("going on") << 1 << Answer::No << QStringList{QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("H1")} << false;
    }
    void stoppingKeepsTheRowsRead()
    {
        QFETCH(int, stopAt);
        QFETCH(Answer, answer);
        QFETCH(QStringList, documents);
        QFETCH(bool, cancelled);
        Monitor monitor;
        monitor.stopAt = stopAt;
        m_messages.queueAnswers({answer});
        const PurchaseSearchResult r = search(monitor, history(QStringLiteral("1"), 1));
        QCOMPARE(documentsOf(r), documents);
        QCOMPARE(r.cancelled, cancelled);
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Desea cancelar la busqueda?")});
        // The panel is hidden for the question and shown again when the search goes on.
        const int asked = int(monitor.panel.indexOf(false));
        QVERIFY(asked > 0);
        QCOMPARE(monitor.panel.value(asked + 1, false), !cancelled);
    }

    void aMissingDataDirectoryIsAnError()
    {
        Monitor monitor;
        const PurchaseSearchResult r =
            searchCustomerPurchases(QStringLiteral("C1"), monitor, ModuleOptions(), m_scratch.path() + QStringLiteral("/Nada"),
                                    m_history);
        QVERIFY(r.failed);
        QVERIFY(r.rows.isEmpty());
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Error al introducir los datos del cliente.")});
        QCOMPARE(m_messages.entries().first().kind, MessageKind::Error);
    }
};

QTEST_GUILESS_MAIN(TestCustomerPurchases)
#include "tst_customerpurchases.moc"
