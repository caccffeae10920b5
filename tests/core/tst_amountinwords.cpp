// Amounts and dates in Spanish words.
#include "core/AmountInWords.h"
#include "core/Regional.h"

#include <QTest>

using namespace k9;

class TestAmountInWords : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_saved = regional();
        applySeparators(u',', u'.');
    }
    void cleanup() { regional() = m_saved; }

    void words_data();
    void words();
    void dates();

private:
    RegionalSettings m_saved;
};

void TestAmountInWords::words_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<bool>("cheque");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one million") << "1000000" << false << "UN MILLON";
    QTest::newRow("21") << "21" << false << "VEINTIUNO";
    QTest::newRow("100") << "100" << false << "CIEN";
    QTest::newRow("cheque 1234,56") << "1234.56" << true << "UN MIL DOSCIENTOS TREINTA Y CUATRO CON 56/100";
    QTest::newRow("cents without cheque") << "1234.56" << false << "UN MIL DOSCIENTOS TREINTA Y CUATRO CON 56";
    QTest::newRow("whole cheque") << "15" << true << "QUINCE CON 00/100";
    QTest::newRow("zero") << "0" << false << "CERO";
    QTest::newRow("zero cheque") << "0" << true << "CERO CON 00/100";
    QTest::newRow("only cents") << "0.5" << false << "CERO CON 50";
    QTest::newRow("teens") << "16" << false << "DIECISEIS";
    QTest::newRow("tens and units") << "35" << false << "TREINTA Y CINCO";
    QTest::newRow("ciento uno") << "101" << false << "CIENTO UNO";
    QTest::newRow("hundreds") << "777" << false << "SETECIENTOS SETENTA Y SIETE";
    QTest::newRow("cien mil") << "100000" << false << "CIEN MIL";
    QTest::newRow("veintiun mil") << "21000" << false << "VEINTIUN MIL";
    QTest::newRow("dos millones") << "2000000" << false << "DOS MILLONES";
    QTest::newRow("trescientos millones") << "300000000" << false << "TRESCIENTOS MILLONES";
    QTest::newRow("un millon un mil") << "1001000" << false << "UN MILLON UN MIL";
    QTest::newRow("one milliard") << "1000000000" << false << "UN MILLARDO";
    QTest::newRow("milliards") << "2500000000" << false << "DOS MILLARDOS QUINIENTOS MILLONES";
    QTest::newRow("largest")
        << "999999999999.99" << true
        << "NOVECIENTOS NOVENTA Y NUEVE MILLARDOS NOVECIENTOS NOVENTA Y NUEVE MILLONES NOVECIENTOS "
           "NOVENTA Y NUEVE MIL NOVECIENTOS NOVENTA Y NUEVE CON 99/100";
    QTest::newRow("beyond the largest") << "1000000000000" << true << "1.000.000.000.000,00";
    QTest::newRow("cents rounded as printed") << "0.999" << false << "UNO";
    QTest::newRow("negative") << "-5.25" << false << "MENOS CINCO CON 25";
}

void TestAmountInWords::words()
{
    QFETCH(QString, amount);
    QFETCH(bool, cheque);
    QFETCH(QString, expected);
    const auto value = Money::parse(amount);
    QVERIFY(value);
    QCOMPARE(amountInWords(*value, cheque), expected);
}

void TestAmountInWords::dates()
{
    QCOMPARE(dateInWords(QDate(2007, 3, 5)), QStringLiteral("05 de marzo de 2007"));
    QCOMPARE(dateInWords(QDate(2026, 12, 31)), QStringLiteral("31 de diciembre de 2026"));
    QCOMPARE(dateInWords(QDate()), QString());
}

QTEST_GUILESS_MAIN(TestAmountInWords)
#include "tst_amountinwords.moc"
