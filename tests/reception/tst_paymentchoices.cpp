// What the payment editor offers for each payment type, read from the company data
// directory, and how a missing table is reported.
#include "core/CodeLists.h"
#include "core/Messages.h"
#include "data/Database.h"
#include "data/Workspace.h"
#include "reception/PaymentChoices.h"
#include "support/TestWorkspace.h"
#include "workspace/DemoCompany.h"
#include "workspace/WorkspaceBuilder.h"

#include <QtTest>

using namespace k9;
using namespace k9::workspace;

namespace {

QStringList codes(const PaymentChoiceList &list)
{
    QStringList out;
    for (const PaymentChoice &row : list.rows)
        out << row.code;
    return out;
}

Status setDefaultCurrency(const QString &dataDir, const QString &code)
{
    auto db = Database::open(dataDir, Database::OpenMode::Existing);
    if (!db)
        return Status::failure(QStringLiteral("no database"));
    return db->exec(QStringLiteral("UPDATE SSistema SET MONEDA_DEFECTO = ?"), {code});
}

} // namespace

class TestPaymentChoices : public QObject
{
    Q_OBJECT

    test::ScratchDir m_scratch;
    QString m_data;
    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};

private slots:
    void initTestCase()
    {
        QVERIFY(createWorkspace(m_scratch.path()));
        QVERIFY(fillDemoCompany(m_scratch.path()));
        m_data = Dirs(m_scratch.path()).data;
    }

    void init() { m_messages.clear(); }

    void cashOffersOnlyTheDefaultCurrency()
    {
        const PaymentChoiceList list = loadPaymentChoices(PaymentKind::Efectivo, m_data);
        QVERIFY(m_messages.entries().isEmpty());
        QCOMPARE(list.table, QStringLiteral("SMoneda"));
        QCOMPARE(codes(list), QStringList{QStringLiteral("BS")});
        QCOMPARE(list.rows.at(0).shown, QStringLiteral("Bolívar"));
        QCOMPARE(list.rows.at(0).factor, Money::fromUnits(1));
    }

    void banksAndCards_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("firstCode");
        QTest::addColumn<QString>("firstShown");
        QTest::addColumn<int>("columns");

        QTest::newRow("cheque") << int(PaymentKind::Cheque) << "SInstitucion" << "0102" << "Banco de Venezuela" << 2;
        QTest::newRow("debit card") << int(PaymentKind::TarjetaDebito) << "SInstitucion" << "0102"
                                    << "Banco de Venezuela" << 2;
        QTest::newRow("credit card") << int(PaymentKind::TarjetaCredito) << "STarjetas" << "AMEX"
                                     << "American Express" << 1;
    }

    void banksAndCards()
    {
        QFETCH(int, type);
        const PaymentChoiceList list = loadPaymentChoices(type, m_data);
        QVERIFY(m_messages.entries().isEmpty());
        QTEST(list.table, "table");
        QTEST(list.rows.value(0).code, "firstCode");
        QTEST(list.rows.value(0).shown, "firstShown");
        QTEST(int(list.rows.value(0).columns.size()), "columns");
        QVERIFY(list.rows.size() >= 4);
        for (const PaymentChoice &row : list.rows)
            QCOMPARE(row.factor, Money::fromUnits(1));
    }

    void anUnknownDefaultCurrencyOffersEveryCurrency()
    {
        QVERIFY(setDefaultCurrency(m_data, QStringLiteral("XX")));
        const PaymentChoiceList list = loadPaymentChoices(PaymentKind::Efectivo, m_data);
        QVERIFY(setDefaultCurrency(m_data, QStringLiteral("BS")));
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Error al cargar la tabla SMoneda.")});
        QCOMPARE(m_messages.entries().at(0).kind, MessageKind::Error);
        QCOMPARE(codes(list), (QStringList{QStringLiteral("BS"), QStringLiteral("EUR"), QStringLiteral("USD")}));
        QCOMPARE(list.rows.at(list.indexOf(QStringLiteral("USD"))).factor, Money::fromRaw(365000));
    }

    void missingTablesAreReported_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("message");
        QTest::newRow("cash") << int(PaymentKind::Efectivo) << "Error al cargar la tabla SMoneda.";
        QTest::newRow("cheque") << int(PaymentKind::Cheque) << "Error al cargar la tabla SInstitucion.";
        QTest::newRow("credit card") << int(PaymentKind::TarjetaCredito) << "Error al cargar la tabla STarjetas.";
    }

    void missingTablesAreReported()
    {
        QFETCH(int, type);
        QFETCH(QString, message);
        test::ScratchDir empty;
        empty.database(); // a data directory without the host tables
        const PaymentChoiceList list = loadPaymentChoices(type, withSlash(empty.path()));
        QVERIFY(list.rows.isEmpty());
        QCOMPARE(m_messages.texts(), QStringList{message});
    }
};

QTEST_GUILESS_MAIN(TestPaymentChoices)
#include "tst_paymentchoices.moc"
