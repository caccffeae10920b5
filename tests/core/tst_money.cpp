#include "core/Money.h"
#include "core/Regional.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace k9;

namespace k9 {
char *toString(const Money &m)
{
    return QTest::toString(m.toPlainString());
}
} // namespace k9

namespace {

constexpr qint64 kMaxRaw = std::numeric_limits<std::int64_t>::max();
constexpr qint64 kMinRaw = std::numeric_limits<std::int64_t>::min();

Money amount(const char *text)
{
    const auto parsed = Money::parse(QString::fromLatin1(text));
    Q_ASSERT(parsed);
    return *parsed;
}

QString str(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

} // namespace

class TestMoney : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_saved = regional();
        m_savedFechaTrabajo = FechaTrabajo;
    }
    void cleanup()
    {
        regional() = m_saved;
        FechaTrabajo = m_savedFechaTrabajo;
    }

    void fromDouble_data();
    void fromDouble();
    void parse_data();
    void parse();
    void rounding_data();
    void rounding();
    void taxOf_data();
    void taxOf();
    void mulDivAndDivision_data();
    void mulDivAndDivision();
    void text_data();
    void text();

    void formatAmount_data();
    void formatAmount();
    void formatNumber_data();
    void formatNumber();
    void separators_data();
    void separators();
    void localeSetUp();
    void dates_data();
    void dates();
    void daySerials_data();
    void daySerials();
    void daySerialOutOfRange();

private:
    RegionalSettings m_saved;
    QString m_savedFechaTrabajo;
};

void TestMoney::fromDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("raw");

    // Ties in the decimal text go to the even neighbour.
    QTest::newRow("tie to even, down") << 1.00005 << qint64(10000);
    QTest::newRow("tie to even, up") << 1.00015 << qint64(10002);
    QTest::newRow("negative tie") << -1.00015 << qint64(-10002);
    QTest::newRow("tie at 0.00005") << 0.00005 << qint64(0);
    // 1.0005 is stored as 1.000499999...; it is still the amount 1.0005.
    QTest::newRow("binary noise") << 1.0005 << qint64(10005);
    QTest::newRow("exact") << 0.125 << qint64(1250);
    // Just above a tie: rounded once, it goes up (rounding twice would give the tie to even).
    QTest::newRow("just above a tie") << 1.000250001 << qint64(10003);
    QTest::newRow("just below a tie") << 1.000349999 << qint64(10003);
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
    QTest::newRow("saturates up") << 1e20 << qint64(kMaxRaw);
    QTest::newRow("saturates down") << -1e20 << qint64(kMinRaw);
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << qint64(kMaxRaw);
}

void TestMoney::fromDouble()
{
    QFETCH(double, value);
    QFETCH(qint64, raw);
    QCOMPARE(Money::fromDouble(value).raw(), raw);
}

void TestMoney::parse_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("negative") << str("-1234.5") << true << qint64(-12345000);
    QTest::newRow("comma") << str("0,25") << true << qint64(2500);
    QTest::newRow("plus sign") << str("+3") << true << qint64(30000);
    QTest::newRow("blanks around") << str(" 7.1 ") << true << qint64(71000);
    QTest::newRow("trailing separator") << str("1.") << true << qint64(10000);
    QTest::newRow("leading separator") << str(".5") << true << qint64(5000);
    QTest::newRow("5 decimals, tie to even") << str("1.00005") << true << qint64(10000);
    QTest::newRow("5 decimals, tie up") << str("-1.00015") << true << qint64(-10002);
    QTest::newRow("above a tie, far digit")
        << str("0.000050000000000000000001") << true << qint64(1);
    QTest::newRow("largest") << str("922337203685477.5807") << true << kMaxRaw;
    QTest::newRow("smallest") << str("-922337203685477.5808") << true << kMinRaw;

    QTest::newRow("empty") << QString() << false << qint64(0);
    QTest::newRow("sign only") << str("-") << false << qint64(0);
    QTest::newRow("separator only") << str(".") << false << qint64(0);
    QTest::newRow("letters") << str("abc") << false << qint64(0);
    QTest::newRow("trailing letter") << str("12a") << false << qint64(0);
    QTest::newRow("two separators") << str("1,234.5") << false << qint64(0);
    QTest::newRow("exponent") << str("1e5") << false << qint64(0);
    QTest::newRow("inner blank") << str("1 000") << false << qint64(0);
    QTest::newRow("too large") << str("922337203685477.5808") << false << qint64(0);
    QTest::newRow("far too large") << str("99999999999999999999") << false << qint64(0);
}

void TestMoney::parse()
{
    QFETCH(QString, input);
    QFETCH(bool, valid);
    QFETCH(qint64, raw);
    const std::optional<Money> parsed = Money::parse(input);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(parsed->raw(), raw);
}

void TestMoney::rounding_data()
{
    QTest::addColumn<Money>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<Money>("halfUp");
    QTest::addColumn<Money>("halfEven");

    QTest::newRow("tie, even below") << amount("1.005") << 2 << amount("1.01") << amount("1.00");
    QTest::newRow("tie, even above") << amount("1.015") << 2 << amount("1.02") << amount("1.02");
    QTest::newRow("negative tie") << amount("-1.005") << 2 << amount("-1.01") << amount("-1.00");
    QTest::newRow("not a tie") << amount("1.0051") << 2 << amount("1.01") << amount("1.01");
    QTest::newRow("units") << amount("2.5") << 0 << amount("3") << amount("2");
    QTest::newRow("4 decimals unchanged") << amount("2.5555") << 4 << amount("2.5555")
                                          << amount("2.5555");
    // Rounding up past the largest amount stops there instead of wrapping round.
    QTest::newRow("largest, units") << Money::fromRaw(kMaxRaw) << 0 << Money::fromRaw(kMaxRaw)
                                    << Money::fromRaw(kMaxRaw);
}

void TestMoney::rounding()
{
    QFETCH(Money, value);
    QFETCH(int, decimals);
    QFETCH(Money, halfUp);
    QFETCH(Money, halfEven);
    QCOMPARE(value.roundedHalfUp(decimals), halfUp);
    QCOMPARE(value.roundedHalfEven(decimals), halfEven);
}

void TestMoney::taxOf_data()
{
    QTest::addColumn<Money>("base");
    QTest::addColumn<Money>("rate");
    QTest::addColumn<Money>("tax");

    QTest::newRow("16% of 100") << amount("100.00") << amount("16") << amount("16.0000");
    QTest::newRow("16% of 1234.56") << amount("1234.56") << amount("16") << amount("197.5296");
    // 19.99 x 12.5% = 2.49875 and 10.01 x 12.5% = 1.25125: halves to even, once.
    QTest::newRow("tie, to even up") << amount("19.99") << amount("12.5") << amount("2.4988");
    QTest::newRow("tie, to even down") << amount("10.01") << amount("12.5") << amount("1.2512");
    QTest::newRow("negative tie") << amount("-19.99") << amount("12.5") << amount("-2.4988");
    QTest::newRow("fractional rate") << amount("0.0125") << amount("2") << amount("0.0002");
    QTest::newRow("zero rate") << amount("55.55") << Money() << Money();
}

void TestMoney::taxOf()
{
    QFETCH(Money, base);
    QFETCH(Money, rate);
    QFETCH(Money, tax);
    QCOMPARE(k9::taxOf(base, rate), tax);
}

void TestMoney::mulDivAndDivision_data()
{
    QTest::addColumn<Money>("actual");
    QTest::addColumn<Money>("expected");

    QTest::newRow("mulDiv thirds") << amount("10").mulDiv(amount("1"), 3) << amount("3.3333");
    QTest::newRow("mulDiv rounds up") << amount("20").mulDiv(amount("1"), 3) << amount("6.6667");
    QTest::newRow("mulDiv negative divisor")
        << amount("10").mulDiv(amount("1"), -4) << amount("-2.5");
    QTest::newRow("mulDiv by zero") << amount("10").mulDiv(amount("3"), 0) << Money();
    // The intermediate product is far beyond 64 bits.
    QTest::newRow("mulDiv wide") << Money::fromRaw(kMaxRaw).mulDiv(amount("1000"), 1000)
                                 << Money::fromRaw(kMaxRaw);
    QTest::newRow("mulDiv saturates") << Money::fromRaw(kMaxRaw).mulDiv(amount("2"), 1)
                                      << Money::fromRaw(kMaxRaw);
    QTest::newRow("product") << amount("1.5") * amount("1.5") << amount("2.25");
    QTest::newRow("product tie to even down") << amount("0.0001") * amount("0.5") << Money();
    QTest::newRow("product tie to even up")
        << amount("0.0003") * amount("0.5") << amount("0.0002");
    QTest::newRow("quotient") << amount("1") / amount("3") << amount("0.3333");
    QTest::newRow("quotient negative") << amount("-2") / amount("3") << amount("-0.6667");
    QTest::newRow("quotient by zero") << amount("5") / Money() << Money();
    QTest::newRow("integer factor") << amount("1.25") * 3 << amount("3.75");
}

void TestMoney::mulDivAndDivision()
{
    QFETCH(Money, actual);
    QFETCH(Money, expected);
    QCOMPARE(actual, expected);
}

void TestMoney::text_data()
{
    QTest::addColumn<Money>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("shortest");

    QTest::newRow("negative") << amount("-12.34") << str("-12.3400") << str("-12.34");
    QTest::newRow("integer") << amount("12") << str("12.0000") << str("12");
    QTest::newRow("ten") << amount("10") << str("10.0000") << str("10");
    QTest::newRow("fraction") << amount("0.5") << str("0.5000") << str("0.5");
    QTest::newRow("smallest step") << amount("-0.0001") << str("-0.0001") << str("-0.0001");
    QTest::newRow("zero") << Money() << str("0.0000") << str("0");
    QTest::newRow("smallest") << Money::fromRaw(kMinRaw) << str("-922337203685477.5808")
                              << str("-922337203685477.5808");
}

void TestMoney::text()
{
    QFETCH(Money, value);
    QFETCH(QString, plain);
    QFETCH(QString, shortest);
    QCOMPARE(value.toPlainString(), plain);
    QCOMPARE(value.toShortString(), shortest);
    QCOMPARE(Money::parse(plain), std::optional<Money>(value));
}

void TestMoney::formatAmount_data()
{
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QChar>("thousands");
    QTest::addColumn<Money>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    const QChar dot(u'.');
    const QChar comma(u',');
    QTest::newRow("thousands") << dot << comma << amount("1234.5") << 2 << str("  1,234.50");
    QTest::newRow("zero") << dot << comma << Money() << 2 << str("      0.00");
    QTest::newRow("small") << dot << comma << amount("100") << 2 << str("    100.00");
    QTest::newRow("negative, half up") << dot << comma << amount("-1234.565") << 2
                                       << str(" -1,234.57");
    QTest::newRow("carry into a group") << dot << comma << amount("999.995") << 2
                                        << str("  1,000.00");
    QTest::newRow("no negative zero") << dot << comma << amount("-0.004") << 2
                                      << str("      0.00");
    QTest::newRow("negative cent") << dot << comma << amount("-0.005") << 2
                                   << str("     -0.01");
    QTest::newRow("wider than 10 not cut") << dot << comma << amount("1234567.891") << 2
                                           << str("1,234,567.89");
    QTest::newRow("no decimals") << dot << comma << amount("1234.5") << 0 << str("     1,235");
    QTest::newRow("comma decimals") << comma << dot << amount("1234.5") << 2
                                    << str("  1.234,50");
    QTest::newRow("comma decimals, millions") << comma << dot << amount("-1234567") << 2
                                              << str("-1.234.567,00");
}

void TestMoney::formatAmount()
{
    QFETCH(QChar, decimal);
    QFETCH(QChar, thousands);
    QFETCH(Money, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    applySeparators(decimal, thousands);
    QCOMPARE(k9::formatAmount(value, decimals), expected);
    QCOMPARE(formatAmountTrimmed(value, decimals), expected.trimmed());
}

void TestMoney::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    QTest::newRow("thousands") << 1234.5678 << 2 << str("  1,234.57");
    QTest::newRow("no negative zero") << -0.001 << 2 << str("      0.00");
    QTest::newRow("negative") << -1234567.0 << 0 << str("-1,234,567");
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 2 << str("      0.00");
}

void TestMoney::formatNumber()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    applySeparators(u'.', u',');
    QCOMPARE(k9::formatNumber(value, decimals), expected);
}

void TestMoney::separators_data()
{
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QChar>("thousands");
    QTest::addColumn<QString>("formatted");

    QTest::newRow("dot and comma") << QChar(u'.') << QChar(u',') << str("  1,234.50");
    QTest::newRow("comma and dot") << QChar(u',') << QChar(u'.') << str("  1.234,50");
    QTest::newRow("both dots") << QChar(u'.') << QChar(u'.') << str("  1,234.50");
    QTest::newRow("both commas") << QChar(u',') << QChar(u',') << str("  1,234.50");
}

void TestMoney::separators()
{
    QFETCH(QChar, decimal);
    QFETCH(QChar, thousands);
    QFETCH(QString, formatted);
    applySeparators(decimal, thousands);
    QVERIFY(regional().decimalSeparator != regional().thousandsSeparator);
    QCOMPARE(k9::formatAmount(amount("1234.5")), formatted);
}

void TestMoney::localeSetUp()
{
    regional().shortDateFormat.clear();
    InicializarLocale(QDate(2026, 12, 11));
    QCOMPARE(FechaTrabajo, str("11/12/2026"));
    QCOMPARE(regional().shortDateFormat, str("dd/MM/yyyy"));
    QVERIFY(regional().decimalSeparator != regional().thousandsSeparator);
}

void TestMoney::dates_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QDate>("date");

    QTest::newRow("date") << str("11/12/2026") << QDate(2026, 12, 11);
    QTest::newRow("blanks around") << str(" 01/02/2026 ") << QDate(2026, 2, 1);
    QTest::newRow("leap day") << str("29/02/2024") << QDate(2024, 2, 29);
    QTest::newRow("no such day") << str("29/02/2026") << QDate();
    QTest::newRow("iso order") << str("2026-12-11") << QDate();
    QTest::newRow("short fields") << str("1/2/2026") << QDate();
    QTest::newRow("empty") << QString() << QDate();
}

void TestMoney::dates()
{
    QFETCH(QString, input);
    QFETCH(QDate, date);
    const QDate parsed = parseDate(input);
    QCOMPARE(parsed.isValid(), date.isValid());
    if (date.isValid()) {
        QCOMPARE(parsed, date);
        QCOMPARE(formatDate(parsed), input.trimmed());
    } else {
        QCOMPARE(formatDate(parsed), QString());
    }
}

void TestMoney::daySerials_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<double>("serial");

    QTest::newRow("epoch") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
    QTest::newRow("1900-01-01") << QDateTime(QDate(1900, 1, 1), QTime(0, 0)) << 2.0;
    QTest::newRow("2026-12-11") << QDateTime(QDate(2026, 12, 11), QTime(0, 0)) << 46367.0;
    QTest::newRow("time of day") << QDateTime(QDate(2026, 12, 11), QTime(18, 0)) << 46367.75;
    QTest::newRow("noon at the epoch") << QDateTime(QDate(1899, 12, 30), QTime(12, 0)) << 0.5;
    // Before the epoch the time of day counts away from it.
    QTest::newRow("before the epoch") << QDateTime(QDate(1899, 12, 29), QTime(6, 0)) << -1.25;
}

void TestMoney::daySerials()
{
    QFETCH(QDateTime, moment);
    QFETCH(double, serial);
    QCOMPARE(toDaySerial(moment), serial);
    QCOMPARE(fromDaySerial(serial), moment);
    QCOMPARE(toDaySerial(moment.date()), std::trunc(serial));
}

void TestMoney::daySerialOutOfRange()
{
    QVERIFY(!fromDaySerial(std::numeric_limits<double>::quiet_NaN()).isValid());
    QVERIFY(!fromDaySerial(1e9).isValid());
    QCOMPARE(toDaySerial(QDate()), 0.0);
    QCOMPARE(toDaySerial(QDateTime()), 0.0);
    // A time a hair before midnight rounds to the next day, not to 24:00.
    const QDateTime late = fromDaySerial(46367.0 + 0.9999999999);
    QCOMPARE(late, QDateTime(QDate(2026, 12, 12), QTime(0, 0)));
}

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
