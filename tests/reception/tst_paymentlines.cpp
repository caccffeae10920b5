// The arithmetic of the payment window: amount paid, change, the entry line's missing
// amount, the 10-line limit, the minimum share, fixed advance lines and foreign-currency cash.
#include "core/CodeLists.h"
#include "reception/PaymentLines.h"

#include <QtTest>

using namespace k9;

namespace {

using Result = PaymentLines::CommitResult;

Money m(const char *text)
{
    return Money::parse(QString::fromLatin1(text)).value();
}

PaymentLines::Entry payment(int type, const char *amount, const char *factor = "1")
{
    PaymentLines::Entry e;
    e.type = type;
    e.code = type == PaymentKind::Efectivo ? QStringLiteral("BS") : QStringLiteral("0102");
    e.name = QStringLiteral("name");
    e.detail = QStringLiteral("detail");
    e.amount = m(amount);
    e.factor = m(factor);
    return e;
}

PaymentLines::Entry cash(const char *amount, const char *factor = "1")
{
    return payment(PaymentKind::Efectivo, amount, factor);
}

PaymentLines::Entry cheque(const char *amount)
{
    return payment(PaymentKind::Cheque, amount);
}

PaymentLines withDue(const char *due)
{
    PaymentLines lines;
    lines.setAmountDue(m(due));
    return lines;
}

// Commits into the entry line, as the editor does for a new payment.
Result pay(PaymentLines &lines, const PaymentLines::Entry &entry)
{
    return lines.commit(lines.entryRow(), entry);
}

// The amount paid as the sum of what each line counts.
Money sumOfShares(const PaymentLines &lines, Money start = Money())
{
    for (const TFormaPago &line : lines.lines()) {
        if (line.type >= PaymentKind::Efectivo)
            start += PaymentLines::share(line);
    }
    return start;
}

} // namespace

Q_DECLARE_METATYPE(PaymentLines::Entry)
Q_DECLARE_METATYPE(QList<PaymentLines::Entry>)
Q_DECLARE_METATYPE(PaymentLines::CommitResult)
Q_DECLARE_METATYPE(PaymentLines::AcceptResult)

class TestPaymentLines : public QObject
{
    Q_OBJECT

private slots:
    void aNewListHoldsOnlyTheEntryLine()
    {
        const PaymentLines lines = withDue("100");
        QCOMPARE(lines.count(), 1);
        QCOMPARE(lines.line(0).type, int(PaymentKind::LineaEntrada));
        QCOMPARE(lines.line(0).factor, m("1"));
        QVERIFY(lines.firstIsEntryLine());
        QCOMPARE(lines.proposedAmount(), m("100"));
        QCOMPARE(lines.change(), Money());
    }

    void paymentsGiveAmountPaidAndChange_data()
    {
        QTest::addColumn<QList<PaymentLines::Entry>>("payments");
        QTest::addColumn<Money>("paid");
        QTest::addColumn<Money>("change");
        QTest::addColumn<Money>("missing"); // the new entry line's amount

        QTest::newRow("100,00 exact") << QList{cash("100")} << m("100") << Money() << Money();
        QTest::newRow("150,00 with change") << QList{cash("150")} << m("150") << m("50") << Money();
        QTest::newRow("cash and cheque") << QList{cash("150"), cheque("50")} << m("200") << m("100") << Money();
        QTest::newRow("part payments") << QList{cash("30"), cheque("20.5")} << m("50.5") << Money() << m("49.5");
        QTest::newRow("cents") << QList{cash("99.99")} << m("99.99") << Money() << m("0.01");
    }

    void paymentsGiveAmountPaidAndChange()
    {
        QFETCH(QList<PaymentLines::Entry>, payments);
        PaymentLines lines = withDue("100");
        for (const auto &p : payments)
            QCOMPARE(pay(lines, p), Result::Committed);
        QTEST(lines.amountPaid(), "paid");
        QTEST(lines.change(), "change");
        QCOMPARE(lines.count(), payments.size() + 1);
        QCOMPARE(lines.line(lines.entryRow()).type, int(PaymentKind::LineaEntrada));
        QTEST(lines.line(lines.entryRow()).amount, "missing");
        QCOMPARE(lines.accept(), lines.amountPaid() >= m("100") ? PaymentLines::AcceptResult::Accepted
                                                                 : PaymentLines::AcceptResult::BelowTotal);
    }

    void aCommittedLineKeepsWhatWasEntered()
    {
        PaymentLines lines = withDue("100");
        PaymentLines::Entry e = cheque("40");
        e.code = QString(50, u'C');
        e.detail = QString(100, u'D');
        QCOMPARE(pay(lines, e), Result::Committed);
        const TFormaPago &line = lines.line(0);
        QCOMPARE(line.type, int(PaymentKind::Cheque));
        QCOMPARE(line.code, QString(40, u'C'));
        QCOMPARE(line.detail, QString(90, u'D'));
        QCOMPARE(line.name, QStringLiteral("name"));
        QCOMPARE(line.amount, m("40"));
        QCOMPARE(line.factor, m("1"));
    }

    void removingALineTakesItsAmountOff()
    {
        PaymentLines lines = withDue("100");
        pay(lines, cash("150"));
        pay(lines, cheque("50"));
        QCOMPARE(lines.change(), m("100"));

        QCOMPARE(lines.remove(1), PaymentLines::RemoveResult::Removed);
        QCOMPARE(lines.amountPaid(), m("150"));
        QCOMPARE(lines.change(), m("50"));
        QCOMPARE(lines.count(), 2);
        QCOMPARE(lines.line(0).type, int(PaymentKind::Efectivo));

        // Once nothing is paid, the entry line carries the whole amount again.
        QCOMPARE(lines.remove(0), PaymentLines::RemoveResult::Removed);
        QCOMPARE(lines.amountPaid(), Money());
        QVERIFY(lines.firstIsEntryLine());
        QCOMPARE(lines.line(0).amount, m("100"));
    }

    void removingNeedsAPaymentLine()
    {
        PaymentLines lines = withDue("100");
        pay(lines, cash("40"));
        QCOMPARE(lines.remove(-1), PaymentLines::RemoveResult::NoSelection);
        QCOMPARE(lines.remove(lines.entryRow()), PaymentLines::RemoveResult::EntryLine);
        QCOMPARE(lines.remove(5), PaymentLines::RemoveResult::NoSelection);
        QCOMPARE(lines.count(), 2);
        QCOMPARE(lines.amountPaid(), m("40"));
    }

    void reEditingALineMovesTheAmountPaidByTheDifference()
    {
        PaymentLines lines = withDue("100");
        pay(lines, cheque("30"));
        pay(lines, cash("20"));
        QCOMPARE(lines.line(2).amount, m("50"));

        QCOMPARE(lines.commit(0, cheque("40")), Result::Committed);
        QCOMPARE(lines.amountPaid(), m("60"));
        QCOMPARE(lines.count(), 3); // no new entry line
        QCOMPARE(lines.line(0).amount, m("40"));
        QCOMPARE(lines.line(2).amount, m("40")); // the entry line follows

        // A change of type keeps the sum right too.
        QCOMPARE(lines.commit(0, cash("10")), Result::Committed);
        QCOMPARE(lines.amountPaid(), m("30"));
        QCOMPARE(lines.line(0).type, int(PaymentKind::Efectivo));
    }

    void refusedCommitsChangeNothing_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<PaymentLines::Entry>("entry");
        QTest::addColumn<Result>("result");

        QTest::newRow("zero amount") << 1 << cash("0") << Result::NotPositive;
        QTest::newRow("negative amount") << 1 << cheque("-5") << Result::NotPositive;
        QTest::newRow("above the field's maximum") << 1 << cash("10000000000000") << Result::OutOfRange;
        QTest::newRow("share above the maximum") << 1 << cash("9999999999999", "0.5") << Result::OutOfRange;
        QTest::newRow("no such row") << 7 << cash("10") << Result::NotEditable;
        QTest::newRow("no row") << -1 << cash("10") << Result::NotEditable;
        QTest::newRow("not a payment type") << 1 << payment(PaymentKind::Adelanto, "10") << Result::NotEditable;
    }

    void refusedCommitsChangeNothing()
    {
        QFETCH(int, row);
        QFETCH(PaymentLines::Entry, entry);
        PaymentLines lines = withDue("100");
        pay(lines, cash("40"));
        const QList<TFormaPago> before = lines.lines();
        QTEST(lines.commit(row, entry), "result");
        QCOMPARE(lines.lines(), before);
        QCOMPARE(lines.amountPaid(), m("40"));
    }

    void nineLinesFillTheList()
    {
        PaymentLines lines = withDue("100");
        for (int i = 0; i < 9; ++i) {
            QVERIFY(!lines.isFull());
            QCOMPARE(pay(lines, cash("5")), Result::Committed);
        }
        QCOMPARE(lines.count(), PaymentLines::kMaxLines);
        QVERIFY(lines.isFull());
        QCOMPARE(lines.canOpen(lines.entryRow()), PaymentLines::OpenResult::TooManyLines);
        QCOMPARE(lines.canOpen(0), PaymentLines::OpenResult::TooManyLines);
        QCOMPARE(lines.commit(lines.entryRow(), cash("5")), Result::TooManyLines);
        QCOMPARE(lines.commit(0, cash("6")), Result::TooManyLines);
        QCOMPARE(lines.amountPaid(), m("45"));

        QCOMPARE(lines.remove(3), PaymentLines::RemoveResult::Removed);
        QCOMPARE(lines.canOpen(lines.entryRow()), PaymentLines::OpenResult::Open);
        QCOMPARE(pay(lines, cash("60")), Result::Committed);
        QCOMPARE(lines.amountPaid(), m("100"));
    }

    void minimumShare_data()
    {
        QTest::addColumn<Money>("due");
        QTest::addColumn<Money>("fraction");
        QTest::addColumn<bool>("check");
        QTest::addColumn<Money>("paid");
        QTest::addColumn<PaymentLines::AcceptResult>("result");

        using A = PaymentLines::AcceptResult;
        QTest::newRow("half paid") << m("100") << m("0.5") << true << m("50") << A::Accepted;
        QTest::newRow("a cent short of half") << m("100") << m("0.5") << true << m("49.99") << A::BelowMinimum;
        // 100,01 × 0,5 = 50,005: the minimum asked is cut to 50,00, not rounded up.
        QTest::newRow("minimum cut, not rounded") << m("100.01") << m("0.5") << true << m("50") << A::Accepted;
        QTest::newRow("nothing asked") << m("100") << m("0") << true << m("0") << A::Accepted;
        QTest::newRow("whole amount") << m("100") << m("0.5") << false << m("99.99") << A::BelowTotal;
        QTest::newRow("whole amount paid") << m("100") << m("0.5") << false << m("100") << A::Accepted;
    }

    void minimumShare()
    {
        QFETCH(Money, due);
        QFETCH(Money, fraction);
        QFETCH(bool, check);
        QFETCH(Money, paid);
        PaymentLines lines;
        lines.setAmountDue(due);
        lines.setMinimumFraction(fraction);
        lines.setMinimumCheck(check);
        if (paid > Money()) {
            PaymentLines::Entry e = cash("1");
            e.amount = paid;
            QCOMPARE(pay(lines, e), Result::Committed);
        }
        QTEST(lines.accept(), "result");
    }

    void minimumShareProposesWhatIsMissing()
    {
        PaymentLines lines = withDue("100");
        lines.setMinimumFraction(m("0.5"));
        lines.setMinimumCheck(true);
        QCOMPARE(lines.minimumAmount(), m("50"));
        QCOMPARE(lines.proposedAmount(), m("50"));
        pay(lines, cash("20"));
        QCOMPARE(lines.line(lines.entryRow()).amount, m("30"));
        QCOMPARE(lines.proposedAmount(), m("30"));
        pay(lines, cash("30"));
        // The minimum is met: the entry line asks for nothing, the amount field for the rest.
        QCOMPARE(lines.line(lines.entryRow()).amount, Money());
        QCOMPARE(lines.proposedAmount(), m("50"));
        QCOMPARE(lines.amountStillDue(), m("50"));
    }

    void nothingIsProposedBelowZero()
    {
        PaymentLines lines = withDue("100");
        lines.setAmountPaid(m("120")); // an advance above the amount due
        QCOMPARE(lines.proposedAmount(), Money());
        QCOMPARE(lines.amountStillDue(), Money());
        QCOMPARE(lines.missingAmount(), Money());
        QCOMPARE(lines.change(), m("20"));
    }

    void aFixedAdvanceLineStaysFirst()
    {
        PaymentLines lines = withDue("100");
        QVERIFY(lines.addFixedLine(m("60")));
        lines.setAmountPaid(m("60"));
        QCOMPARE(lines.count(), 2);
        QCOMPARE(lines.line(0).type, int(PaymentKind::Adelanto));
        QCOMPARE(lines.entryRow(), 1);
        QVERIFY(!lines.firstIsEntryLine());
        QCOMPARE(lines.proposedAmount(), m("40"));

        QCOMPARE(lines.canOpen(0), PaymentLines::OpenResult::Fixed);
        QCOMPARE(lines.commit(0, cash("10")), Result::NotEditable);
        QCOMPARE(lines.remove(0), PaymentLines::RemoveResult::Fixed);

        QCOMPARE(pay(lines, cheque("40")), Result::Committed);
        QCOMPARE(lines.amountPaid(), m("100"));
        QCOMPARE(lines.accept(), PaymentLines::AcceptResult::Accepted);
        QCOMPARE(lines.line(0).amount, m("60"));
    }

    // The rule for cash in a currency whose factor is not 1: the line counts amount ÷ factor,
    // on commit, on re-edit (to any type) and on removal.
    void foreignCashCountsAmountDividedByFactor()
    {
        PaymentLines lines = withDue("10");
        const Money start = m("1.5"); // an advance given by the caller
        lines.setAmountPaid(start);

        QCOMPARE(pay(lines, cash("73", "36.5")), Result::Committed);
        QCOMPARE(lines.line(0).factor, m("36.5"));
        QCOMPARE(lines.amountPaid(), m("3.5"));
        QCOMPARE(pay(lines, cash("100", "3")), Result::Committed);
        QCOMPARE(lines.amountPaid(), m("36.8333")); // 33,3333 rounded once
        QCOMPARE(lines.change(), m("26.8333"));

        QCOMPARE(lines.commit(0, cheque("5")), Result::Committed); // cash 73 / 36,5 -> cheque 5
        QCOMPARE(lines.line(0).factor, m("1"));
        QCOMPARE(lines.amountPaid(), m("39.8333"));
        QCOMPARE(lines.commit(0, cash("36.5", "36.5")), Result::Committed); // cheque -> cash again
        QCOMPARE(lines.amountPaid(), m("35.8333"));
        QCOMPARE(lines.amountPaid(), sumOfShares(lines, start));

        QCOMPARE(lines.remove(1), PaymentLines::RemoveResult::Removed);
        QCOMPARE(lines.amountPaid(), m("2.5"));
        QCOMPARE(lines.remove(0), PaymentLines::RemoveResult::Removed);
        QCOMPARE(lines.amountPaid(), start);
    }

    void aFactorThatIsNotPositiveCountsAsOne()
    {
        PaymentLines lines = withDue("100");
        QCOMPARE(pay(lines, cash("40", "0")), Result::Committed);
        QCOMPARE(pay(lines, cash("10", "-2")), Result::Committed);
        QCOMPARE(lines.amountPaid(), m("50"));
        QCOMPARE(lines.line(0).factor, m("1"));
    }

    void otherTypesIgnoreTheFactorGiven()
    {
        PaymentLines lines = withDue("100");
        PaymentLines::Entry e = payment(PaymentKind::TarjetaCredito, "40", "36.5");
        QCOMPARE(pay(lines, e), Result::Committed);
        QCOMPARE(lines.amountPaid(), m("40"));
        QCOMPARE(lines.line(0).factor, m("1"));
    }
};

QTEST_GUILESS_MAIN(TestPaymentLines)
#include "tst_paymentlines.moc"
