// The lines handed back by the payment window as the reception and the budget store them:
// the 10 payment slots and the sums by kind, with the change taken off once.
#include "core/CodeLists.h"
#include "reception/PaymentSlots.h"

#include <QtTest>

using namespace k9;

namespace {

Money m(const char *text)
{
    return Money::parse(QString::fromLatin1(text)).value();
}

TFormaPago line(int type, const char *amount, const char *code = "C", const char *factor = "1")
{
    TFormaPago l;
    l.type = type;
    l.code = QString::fromLatin1(code);
    l.name = QStringLiteral("shown");
    l.detail = QStringLiteral("doc ") + QString::fromLatin1(amount);
    l.amount = m(amount);
    l.factor = m(factor);
    return l;
}

TFormaPago cash(const char *amount, const char *factor = "1")
{
    return line(PaymentKind::Efectivo, amount, "BS", factor);
}

TFormaPago entryLine(const char *amount = "0")
{
    return line(PaymentKind::LineaEntrada, amount, "");
}

struct Expected
{
    QList<PaymentSlot> payments;
    Money cash, cheque, debit, credit, paid;
};

PaymentSlot slot(int type, const char *code, const char *detail, const char *amount)
{
    return {type, QString::fromLatin1(code), QString::fromLatin1(detail), m(amount)};
}

} // namespace

Q_DECLARE_METATYPE(QList<TFormaPago>)
Q_DECLARE_METATYPE(Expected)

class TestPaymentSlots : public QObject
{
    Q_OBJECT

private slots:
    void slotsAndSums_data()
    {
        QTest::addColumn<QList<TFormaPago>>("lines");
        QTest::addColumn<Money>("change");
        QTest::addColumn<Expected>("expected");

        const int E = PaymentKind::Efectivo, Ch = PaymentKind::Cheque, D = PaymentKind::TarjetaDebito,
                  Cr = PaymentKind::TarjetaCredito;

        QTest::newRow("exact cash") << QList{cash("100"), entryLine()} << Money()
                                    << Expected{{slot(E, "BS", "doc 100", "100")}, m("100"), {}, {}, {}, m("100")};
        // 120,00 in cash for 109,00 due: the box keeps 109,00.
        QTest::newRow("change from cash") << QList{cash("120"), entryLine()} << m("11")
                                          << Expected{{slot(E, "BS", "doc 120", "109")}, m("109"), {}, {}, {}, m("120")};
        QTest::newRow("every kind") << QList{line(Ch, "10", "0102"), line(D, "20", "0105"), line(Cr, "30", "VISA"),
                                             cash("45"), entryLine()}
                                    << m("5")
                                    << Expected{{slot(Ch, "0102", "doc 10", "10"), slot(D, "0105", "doc 20", "20"),
                                                 slot(Cr, "VISA", "doc 30", "30"), slot(E, "BS", "doc 45", "40")},
                                                m("40"), m("10"), m("20"), m("30"), m("105")};
        QTest::newRow("later cash merged into the first cash slot")
            << QList{line(Ch, "30", "0102"), cash("50"), line(Cr, "5", "VISA"), cash("40"), entryLine()} << m("20")
            << Expected{{slot(Ch, "0102", "doc 30", "30"), slot(E, "BS", "doc 50", "70"), slot(Cr, "VISA", "doc 5", "5")},
                        m("70"), m("30"), {}, m("5"), m("125")};
        QTest::newRow("advance and entry line are not payments")
            << QList{line(PaymentKind::Adelanto, "60", ""), line(Ch, "40", "0102"), entryLine("0")} << Money()
            << Expected{{slot(Ch, "0102", "doc 40", "40")}, {}, m("40"), {}, {}, m("40")};
        // Overpaid by cheque: the change is cash handed out of the box.
        QTest::newRow("change without cash") << QList{line(Ch, "150", "0102"), entryLine()} << m("50")
                                             << Expected{{slot(Ch, "0102", "doc 150", "150")}, m("-50"), m("150"), {}, {},
                                                         m("150")};
        QTest::newRow("foreign cash counts its share")
            << QList{cash("73", "36.5"), cash("10"), entryLine()} << m("2")
            << Expected{{slot(E, "BS", "doc 73", "10")}, m("10"), {}, {}, {}, m("12")};
        QTest::newRow("nothing paid") << QList{entryLine("100")} << Money() << Expected{};
    }

    void slotsAndSums()
    {
        QFETCH(QList<TFormaPago>, lines);
        QFETCH(Money, change);
        QFETCH(Expected, expected);
        const PaymentTotals totals = paymentTotals(lines, change);
        QCOMPARE(totals.payments, expected.payments);
        QCOMPARE(totals.cash, expected.cash);
        QCOMPARE(totals.cheque, expected.cheque);
        QCOMPARE(totals.debit, expected.debit);
        QCOMPARE(totals.credit, expected.credit);
        QCOMPARE(totals.paid, expected.paid);
        QCOMPARE(totals.change, change);
        QCOMPARE(totals.total(), expected.paid - change);
        // What is stored reads back as the same slots.
        QCOMPARE(totals.image().size(), kPaymentImageSize);
        QCOMPARE(decodePaymentSlots(totals.image()), expected.payments);
    }

    void longTextsAreCutToTheirFields()
    {
        TFormaPago l = line(PaymentKind::Cheque, "10");
        l.code = QString(45, u'c');
        l.detail = QString(95, u'd');
        const PaymentTotals totals = paymentTotals({l}, Money());
        QCOMPARE(totals.payments.at(0).code, QString(40, u'c'));
        QCOMPARE(totals.payments.at(0).detail, QString(90, u'd'));
    }

    void slotsBeyondTheTenthStillCount()
    {
        QList<TFormaPago> lines;
        for (int i = 0; i < 12; ++i)
            lines << line(PaymentKind::Cheque, "1");
        const PaymentTotals totals = paymentTotals(lines, Money());
        QCOMPARE(totals.payments.size(), kPaymentSlotCount);
        QCOMPARE(totals.cheque, m("12"));
    }
};

QTEST_GUILESS_MAIN(TestPaymentSlots)
#include "tst_paymentslots.moc"
