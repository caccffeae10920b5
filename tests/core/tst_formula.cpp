// The formula language of print formats: number and date arithmetic.
#include "core/Formula.h"
#include "core/Regional.h"

#include <QRandomGenerator>
#include <QTest>

using namespace k9;

class TestFormula : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_saved = regional();
        applySeparators(u',', u'.');
        regional().amountDecimals = 2;
    }
    void cleanup() { regional() = m_saved; }

    void numbers_data();
    void numbers();
    void pointDecimalSeparator_data();
    void pointDecimalSeparator();
    void fourWorkingDecimals();
    void limits_data();
    void limits();
    void dates_data();
    void dates();
    void neverFailsOnAnyText();

private:
    RegionalSettings m_saved;
};

void TestFormula::numbers_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("value");

    QTest::newRow("precedence") << "2+3*4" << "14,00" << 14.0;
    QTest::newRow("parentheses") << "(2+3)*4" << "20,00" << 20.0;
    QTest::newRow("nested") << "((1+2)*(3+4))-1" << "20,00" << 20.0;
    QTest::newRow("left to right minus") << "10-2-3" << "5,00" << 5.0;
    QTest::newRow("left to right divide") << "100/8/5" << "2,50" << 2.5;
    QTest::newRow("division by zero") << "10/0" << "0,00" << 0.0;
    QTest::newRow("division by zero inside") << "5+10/0" << "5,00" << 5.0;
    QTest::newRow("leading sign") << "-5+3" << "-2,00" << -2.0;
    QTest::newRow("sign after parenthesis") << "2*(-3)" << "-6,00" << -6.0;
    QTest::newRow("sign after operator") << "2*-3" << "-6,00" << -6.0;
    QTest::newRow("minus a negative") << "3--5" << "8,00" << 8.0;
    QTest::newRow("signed group") << "-(2+3)*2" << "-10,00" << -10.0;
    QTest::newRow("blanks") << "  2 * ( 3 + 4 ) " << "14,00" << 14.0;
    QTest::newRow("decimal comma") << "1,5*3" << "4,50" << 4.5;
    QTest::newRow("point also read") << "1.5+1,5" << "3,00" << 3.0;
    QTest::newRow("thousands in result") << "1234,5*2" << "2.469,00" << 2469.0;
    QTest::newRow("thousands separator does not convert") << "1.234,50*2" << "0,00" << 0.0;
    QTest::newRow("letters skipped") << "x2+y3" << "5,00" << 5.0;
    QTest::newRow("operand that is not a number") << "2a*3" << "0,00" << 0.0;
    QTest::newRow("missing operand") << "5*" << "0,00" << 0.0;
    QTest::newRow("unclosed parenthesis") << "(2+3" << "5,00" << 5.0;
    QTest::newRow("unopened parenthesis") << "2+3)" << "0,00" << 0.0;
    QTest::newRow("no numbers") << "abc" << "0,00" << 0.0;
    QTest::newRow("empty") << "   " << "" << 0.0;
    QTest::newRow("rounded for printing") << "2,345" << "2,35" << 2.345;
}

void TestFormula::numbers()
{
    QFETCH(QString, formula);
    QFETCH(QString, expected);
    QFETCH(double, value);
    double v = -1;
    QCOMPARE(EvaluarFormula(formula, &v), expected);
    QCOMPARE(v, value);
}

void TestFormula::pointDecimalSeparator_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("expected");
    QTest::newRow("decimal point") << "1.5*3" << "4.50";
    QTest::newRow("thousands in result") << "1000*1000" << "1,000,000.00";
    QTest::newRow("thousands separator does not convert") << "1,234.50*2" << "0.00";
    QTest::newRow("comma is not a decimal") << "1,5+1" << "0.00";
}

void TestFormula::pointDecimalSeparator()
{
    QFETCH(QString, formula);
    QFETCH(QString, expected);
    applySeparators(u'.', u',');
    QCOMPARE(EvaluarFormula(formula), expected);
}

void TestFormula::fourWorkingDecimals()
{
    // Every intermediate result is kept with 4 decimals.
    double v = 0;
    QCOMPARE(EvaluarFormula(QStringLiteral("1/3*3"), &v), QStringLiteral("1,00"));
    QCOMPARE(v, 0.9999);
    QCOMPARE(EvaluarFormula(QStringLiteral("2/3"), &v), QStringLiteral("0,67"));
    QCOMPARE(v, 0.6667);
    QCOMPARE(EvaluarFormula(QStringLiteral("(-0,125)*8"), &v), QStringLiteral("-1,00"));
    QCOMPARE(v, -1.0);
}

void TestFormula::limits_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("expected");

    const auto sum = [](int terms) {
        QStringList ones;
        for (int i = 0; i < terms; ++i)
            ones << QStringLiteral("1");
        return ones.join(u'+');
    };
    QTest::newRow("200 tokens") << sum(100) << "100,00"; // 199 tokens
    QTest::newRow("over 200 tokens") << sum(101) << "0,00";
    QTest::newRow("largest result") << "9999999999,9999+0" << "10.000.000.000,00";
    QTest::newRow("result of 11 integer digits") << "9999999999*10" << "0,00";
    QTest::newRow("negative of 10 integer digits") << "0-9999999999" << "0,00";
    QTest::newRow("number of 15 characters") << "123456789,12345" << "123.456.789,12";
    QTest::newRow("number of 16 characters") << "1234567890123456" << "0,00";
    QTest::newRow("lone number beyond 10 digits") << "123456789012345" << "0,00";
    QTest::newRow("deep nesting") << QString(99, u'(') + u'7' + QString(99, u')') << "7,00";
    QTest::newRow("nesting over 200 tokens") << QString(150, u'(') + u'7' + QString(150, u')') << "0,00";
}

void TestFormula::limits()
{
    QFETCH(QString, formula);
    QFETCH(QString, expected);
    QCOMPARE(EvaluarFormula(formula), expected);
}

void TestFormula::dates_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("value");

    QTest::newRow("date plus days") << "@01/02/2007+30" << "03/03/2007" << 0.0;
    QTest::newRow("date minus date") << "@10/02/2007-01/02/2007" << "9" << 9.0;
    QTest::newRow("negative day count") << "@01/02/2007-01/03/2007" << "-28" << -28.0;
    QTest::newRow("date minus days") << "@01/03/2007-1" << "28/02/2007" << 0.0;
    QTest::newRow("leap year, blanks") << "@ 01/02/2008 + 29" << "01/03/2008" << 0.0;
    QTest::newRow("days plus date") << "@30+01/02/2007" << "03/03/2007" << 0.0;
    QTest::newRow("chain") << "@01/02/2007+30-01/02/2007" << "30" << 30.0;
    QTest::newRow("day counts") << "@5+3-1" << "7" << 7.0;
    QTest::newRow("date alone") << "@01/02/2007" << "01/02/2007" << 0.0;
    QTest::newRow("several marks") << "@@10/02/2007-@01/02/2007" << "9" << 9.0;
    QTest::newRow("date plus date") << "@01/02/2007+01/02/2007" << "" << 0.0;
    QTest::newRow("not a real date") << "@31/02/2007+1" << "" << 0.0;
    QTest::newRow("month 13") << "@01/13/2007+1" << "" << 0.0;
    QTest::newRow("short date") << "@1/2/2007+1" << "" << 0.0;
    QTest::newRow("two operands") << "@01/02/2007 5" << "" << 0.0;
    QTest::newRow("trailing operator") << "@01/02/2007+" << "" << 0.0;
    QTest::newRow("beyond year 9999") << "@31/12/9999+1" << "" << 0.0;
    QTest::newRow("only the mark") << "@" << "" << 0.0;
}

void TestFormula::dates()
{
    QFETCH(QString, formula);
    QFETCH(QString, expected);
    QFETCH(double, value);
    double v = -1;
    QCOMPARE(EvaluarFormula(formula, &v), expected);
    QCOMPARE(v, value);
}

void TestFormula::neverFailsOnAnyText()
{
    // Any text gives a printable result: a number in the amount format, a date, a day count or
    // nothing.
    const QString alphabet = QStringLiteral("0123456789999+-*/()  ,.@/xF");
    QRandomGenerator random(20070201);
    for (int round = 0; round < 3000; ++round) {
        QString text;
        const int length = random.bounded(0, 400);
        for (int i = 0; i < length; ++i)
            text += alphabet[random.bounded(alphabet.size())];
        double v = 0;
        const QString result = EvaluarFormula(text, &v);
        QVERIFY2(std::isfinite(v), qPrintable(text));
        QVERIFY2(std::abs(v) < 1e10 || text.trimmed().startsWith(u'@'), qPrintable(text));
        QVERIFY2(result.size() <= 20, qPrintable(text + QStringLiteral(" -> ") + result));
    }
}

QTEST_GUILESS_MAIN(TestFormula)
#include "tst_formula.moc"
