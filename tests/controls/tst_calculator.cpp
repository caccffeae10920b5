// The pop-up calculator's arithmetic.
#include "controls/Calculator.h"

#include <QtTest>

using namespace k9;

class CalculatorTest : public QObject
{
    Q_OBJECT

private slots:
    void keySequences_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::newRow("worked as pressed") << 0.0 << "12+3*2=" << "30";
        QTest::newRow("decimals") << 0.0 << "7/2=" << "3.5";
        QTest::newRow("one separator") << 0.0 << "1.5.5+1=" << "2.55";
        QTest::newRow("percent of the first operand") << 0.0 << "200+10%=" << "220";
        QTest::newRow("erase a digit") << 0.0 << "123<" << "12";
        QTest::newRow("change sign") << 0.0 << "5N*2=" << "-10";
        QTest::newRow("division by zero") << 0.0 << "5/0=" << "Error";
        QTest::newRow("clear after an error") << 0.0 << "5/0=C4" << "4";
        QTest::newRow("clear entry") << 0.0 << "8+5E2=" << "10";
        QTest::newRow("from the field's value") << 12.5 << "*2=" << "25";
        QTest::newRow("a digit replaces the value") << 12.5 << "3+1=" << "4";
    }
    void keySequences()
    {
        QFETCH(double, start);
        QFETCH(QString, keys);
        QFETCH(QString, display);
        Calculator c;
        c.start(start);
        c.press(keys);
        QCOMPARE(c.display(), display);
    }

    void theRegionalSeparatorIsShown()
    {
        Calculator c(u',');
        c.press(QStringLiteral("1,5*3="));
        QCOMPARE(c.display(), QStringLiteral("4,5"));
        QCOMPARE(c.value(), 4.5);
    }
};

QTEST_GUILESS_MAIN(CalculatorTest)
#include "tst_calculator.moc"
