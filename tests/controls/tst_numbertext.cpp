// The number-text rules of the number edit and its settings object, without widgets.
#include "controls/NumberText.h"
#include "controls/VorelNumberObject.h"

#include <QtTest>

using namespace k9;

Q_DECLARE_METATYPE(k9::TPorcent)
Q_DECLARE_METATYPE(k9::TDato)

namespace {

struct Settings
{
    double min = 0;
    double max = 9999999999999.99;
    int decimals = 2;
    TPorcent porcent = TPorcent::Numero;
    TDato tipo = TDato::Reales;
};

NumberRules rulesFor(const Settings &s)
{
    NumberRules r;
    r.MinValor = s.min;
    r.MaxValor = s.max;
    r.Decimales = s.decimals;
    r.Porcent = s.porcent;
    r.TipoDato = s.tipo;
    r.decimalSeparator = u'.';
    r.thousandsSeparator = u',';
    return r;
}

// Types `keys` at the end of `text` as the edit does: each key is checked, then the text
// is normalized.
QString typed(const NumberRules &r, QString text, const QString &keys)
{
    for (QChar key : keys) {
        if (r.acceptsKey(text, -1, 0, static_cast<int>(text.size()), key))
            text = r.normalized(text + key);
    }
    return text;
}

} // namespace

class NumberTextTest : public QObject
{
    Q_OBJECT

private slots:
    void decimalTextsRoundHalfAwayOnTheWrittenDigits_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected"); // empty: not a number
        QTest::newRow("half up") << "1.005" << 2 << "1.01";
        QTest::newRow("half away from zero") << "-1.005" << 2 << "-1.01";
        QTest::newRow("below half") << "2.3449" << 2 << "2.34";
        QTest::newRow("carry into the units") << "9.999" << 2 << "10.00";
        QTest::newRow("negative zero") << "-0.004" << 2 << "0.00";
        QTest::newRow("no decimals") << "12.5" << 0 << "13";
        QTest::newRow("padded") << "7" << 3 << "7.000";
        QTest::newRow("leading point") << ".5" << 1 << "0.5";
        QTest::newRow("letters") << "1a" << 2 << "";
        QTest::newRow("two points") << "1.2.3" << 2 << "";
        QTest::newRow("empty") << "" << 2 << "";
    }
    void decimalTextsRoundHalfAwayOnTheWrittenDigits()
    {
        QFETCH(QString, plain);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(roundDecimalText(plain, decimals).value_or(QString()), expected);
    }

    void floatingValuesAreWrittenWithFifteenDigits_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("binary 1.005") << 1.005 << "1.005";
        QTest::newRow("sum error") << (0.1 + 0.2) << "0.3";
        QTest::newRow("negative") << -0.5 << "-0.5";
        QTest::newRow("small") << 0.00001 << "0.00001";
        QTest::newRow("default maximum") << 9999999999999.99 << "9999999999999.99";
        QTest::newRow("whole") << 123456789012.0 << "123456789012";
    }
    void floatingValuesAreWrittenWithFifteenDigits()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(plainDecimal(value), expected);
    }

    void typedKeysAreFiltered_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<TPorcent>("porcent");
        QTest::addColumn<TDato>("tipo");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        const auto R = TDato::Reales;
        const auto N = TPorcent::Numero;
        const double big = 9999999999999.99;
        QTest::newRow("above the maximum refused") << 0.0 << 100.0 << 2 << N << R << "123" << "12";
        QTest::newRow("decimals cut") << 0.0 << 100.0 << 2 << N << R << "12.555" << "12.55";
        QTest::newRow("one separator") << 0.0 << big << 2 << N << R << "1.2.3" << "1.23";
        QTest::newRow("minus refused at min 0") << 0.0 << big << 2 << N << R << "-5" << "5";
        QTest::newRow("minus into an empty field") << -10.0 << big << 2 << N << R << "-5" << "-5";
        QTest::newRow("minus only first") << -10.0 << big << 2 << N << R << "5-" << "5";
        QTest::newRow("one minus") << -10.0 << big << 2 << N << R << "--5" << "-5";
        QTest::newRow("whole numbers take no separator") << 0.0 << big << 2 << N << TDato::Entero << "12.7" << "127";
        QTest::newRow("no decimals take no separator") << 0.0 << big << 0 << N << R << "1.5" << "15";
        QTest::newRow("letters refused") << 0.0 << big << 2 << N << R << "1a2 b" << "12";
        QTest::newRow("percent refused for numbers") << 0.0 << big << 2 << N << R << "12%" << "12";
        QTest::newRow("percent moves to the end") << 0.0 << big << 2 << TPorcent::Ambos << R << "1%2" << "12%";
        QTest::newRow("one percent") << 0.0 << big << 2 << TPorcent::Porcentaje << R << "5%%" << "5%";
        QTest::newRow("maximum checked past the percent") << 0.0 << 100.0 << 2 << TPorcent::Ambos << R << "10%0"
                                                          << "100%";
        QTest::newRow("maximum checked past the percent 2") << 0.0 << 100.0 << 2 << TPorcent::Ambos << R << "10%1"
                                                            << "10%";
    }
    void typedKeysAreFiltered()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(int, decimals);
        QFETCH(TPorcent, porcent);
        QFETCH(TDato, tipo);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QCOMPARE(typed(rulesFor({min, max, decimals, porcent, tipo}), QString(), keys), expected);
    }

    void aKeyReplacingTheSelectionIsJudgedOnTheResult()
    {
        const NumberRules r = rulesFor({-10, 100, 2});
        // "0.00" all selected (as on entering the field): a separator or a minus may start over.
        QVERIFY(r.acceptsKey(QStringLiteral("0.00"), 0, 4, 4, u'.'));
        QVERIFY(r.acceptsKey(QStringLiteral("0.00"), 0, 4, 4, u'-'));
        QVERIFY(!r.acceptsKey(QStringLiteral("0.00"), 0, 1, 1, u'.')); // "0" selected, ".00" stays
        // A digit typed at the caret, not at the end: "12" with the caret at 0 would be "912".
        QVERIFY(!r.acceptsKey(QStringLiteral("12"), -1, 0, 0, u'9'));
        QVERIFY(r.acceptsKey(QStringLiteral("12"), -1, 0, 0, u'0'));
    }

    void theDecimalSeparatorIsTheRegionalOne()
    {
        NumberRules r = rulesFor({});
        r.decimalSeparator = u',';
        r.thousandsSeparator = u'.';
        QCOMPARE(typed(r, QString(), QStringLiteral("1,5")), QStringLiteral("1,5"));
        QCOMPARE(typed(r, QString(), QStringLiteral("1.5")), QStringLiteral("15"));
        QCOMPARE(r.focusOutText(QStringLiteral("1234,5")).value_or(QString()), QStringLiteral("1.234,50"));
        QCOMPARE(r.floatValue(QStringLiteral("1.234,50")), 1234.5);
    }

    void textChangesAreNormalized_data()
    {
        QTest::addColumn<double>("max");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty left alone") << 100.0 << "" << "";
        QTest::newRow("decimals cut") << 100.0 << "12.345" << "12.34";
        QTest::newRow("percent to the end") << 100.0 << "1%2" << "12%";
        QTest::newRow("above the maximum") << 100.0 << "150" << "100";
        QTest::newRow("maximum written plainly") << 100.5 << "99999" << "100.5";
        QTest::newRow("maximum keeps the percent") << 100.0 << "%500" << "100%";
        QTest::newRow("formatted text not converted") << 100.0 << "1,234.567" << "1,234.56";
    }
    void textChangesAreNormalized()
    {
        QFETCH(double, max);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(rulesFor({0, max}).normalized(text), expected);
    }

    void leavingFormatsTheNumber_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<TPorcent>("porcent");
        QTest::addColumn<TDato>("tipo");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // empty: cannot be read
        const auto R = TDato::Reales;
        const auto N = TPorcent::Numero;
        QTest::newRow("below the minimum") << 1.0 << N << R << "0" << "1.00";
        QTest::newRow("empty is zero") << 0.0 << N << R << "" << "0.00";
        QTest::newRow("percentage") << 0.0 << TPorcent::Porcentaje << R << "12.5" << "12.50%";
        QTest::newRow("number") << 0.0 << N << R << "12.5" << "12.50";
        QTest::newRow("typed percent kept") << 0.0 << TPorcent::Ambos << R << "12.5%" << "12.50%";
        QTest::newRow("no percent typed") << 0.0 << TPorcent::Ambos << R << "12.5" << "12.50";
        QTest::newRow("thousands") << 0.0 << N << R << "1234567.5" << "1,234,567.50";
        QTest::newRow("whole number rounded") << 0.0 << N << TDato::Entero << "1234.5" << "1,235";
        QTest::newRow("negative within") << -10.0 << N << R << "-3" << "-3.00";
        QTest::newRow("negative below") << -10.0 << N << R << "-30" << "-10.00";
        QTest::newRow("separators of a formatted text ignored") << 0.0 << N << R << "1,234.5" << "1,234.50";
        QTest::newRow("unreadable") << 0.0 << N << R << "1.2.3" << "";
    }
    void leavingFormatsTheNumber()
    {
        QFETCH(double, min);
        QFETCH(TPorcent, porcent);
        QFETCH(TDato, tipo);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const NumberRules r = rulesFor({min, 9999999999999.99, 2, porcent, tipo});
        QCOMPARE(r.focusOutText(text).value_or(QString()), expected);
    }

    void hiddenSeparatorsAndInitialTexts()
    {
        NumberRules r = rulesFor({});
        QCOMPARE(r.initText(1234.5, QString()), QStringLiteral("1,234.50"));
        QCOMPARE(r.initText(Money::fromRaw(10050), QString()), QStringLiteral("1.01")); // 1.005, exact
        QCOMPARE(r.initText(-0.001, QString()), QStringLiteral("0.00"));
        QCOMPARE(r.initText(5, QStringLiteral("3%")), QStringLiteral("5.00%")); // the percent stays
        r.HideSeparator = true;
        QCOMPARE(r.initText(1234.5, QString()), QStringLiteral("1234.50"));
        r.Porcent = TPorcent::Porcentaje;
        QCOMPARE(r.initText(12.5, QString()), QStringLiteral("12.50%"));
        r.TipoDato = TDato::Entero;
        QCOMPARE(r.initText(2.5, QString()), QStringLiteral("3%"));
    }

    void windowsReadFloatingIntegerAndExactValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("floating");
        QTest::addColumn<qint64>("integer");
        QTest::addColumn<QString>("exact");
        QTest::newRow("formatted") << "1,234.56" << 1234.56 << qint64(1235) << "1234.5600";
        QTest::newRow("percent") << "12.50%" << 12.5 << qint64(12) << "12.5000";
        QTest::newRow("half to even down") << "2.50" << 2.5 << qint64(2) << "2.5000";
        QTest::newRow("half to even up") << "3.5" << 3.5 << qint64(4) << "3.5000";
        QTest::newRow("negative half") << "-2.5" << -2.5 << qint64(-2) << "-2.5000";
        QTest::newRow("not a number") << "abc" << 0.0 << qint64(0) << "0.0000";
    }
    void windowsReadFloatingIntegerAndExactValues()
    {
        QFETCH(QString, text);
        QFETCH(double, floating);
        QFETCH(qint64, integer);
        QFETCH(QString, exact);
        const NumberRules r = rulesFor({});
        QCOMPARE(r.floatValue(text), floating);
        QCOMPARE(r.integerValue(text), integer);
        QCOMPARE(r.moneyValue(text).toPlainString(), exact);
    }

    void pastedTextsAreReadAndClamped_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("expected"); // empty: nothing pasted
        QTest::newRow("thousands removed") << "1,234.50" << "1234.5";
        QTest::newRow("blanks") << "  7 " << "7";
        QTest::newRow("above the maximum") << "50000" << "10000";
        QTest::newRow("below the minimum") << "-5" << "0";
        QTest::newRow("not a number") << "abc" << "";
        QTest::newRow("nothing") << "" << "";
    }
    void pastedTextsAreReadAndClamped()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, expected);
        const auto value = rulesFor({0, 10000}).pasteValue(clipboard);
        QCOMPARE(value ? plainDecimal(*value) : QString(), expected);
    }

    void theSettingsObjectKeepsItsBoundsInOrder()
    {
        TVorelNumberObject o;
        QCOMPARE(o.TipoDato(), TDato::Reales);
        QCOMPARE(o.MaxValor(), 9999999999999.99);
        QCOMPARE(o.Decimales(), 2);

        o.setMaxValor(100);
        o.setMinValor(150);
        QCOMPARE(o.MinValor(), 100.0); // a minimum above the maximum takes the maximum
        o.setMinValor(0);
        o.setMaxValor(-5);
        QCOMPARE(o.MaxValor(), 0.0); // a maximum below the minimum takes the minimum

        o.setMaxValor(100);
        o.setActValor(500);
        QCOMPARE(o.ActValor(), 100.0);
        o.setActValor(50);
        o.setMaxValor(40);
        QCOMPARE(o.ActValor(), 40.0); // pulled in when the bound moves past it
        o.setMinValor(45);
        QCOMPARE(o.MinValor(), 40.0);
        o.setMinValor(10);
        o.setActValor(5);
        QCOMPARE(o.ActValor(), 10.0);
    }

    void theSettingsObjectRoundsToItsDecimals()
    {
        TVorelNumberObject o;
        o.setMaxValor(12.345);
        QCOMPARE(o.MaxValor(), 12.35);
        o.setActValor(1.005);
        QCOMPARE(o.ActValor(), 1.01);
        o.setDecimales(1);
        QCOMPARE(o.MaxValor(), 12.4); // re-rounded from 12.35
        QCOMPARE(o.ActValor(), 1.0);
        o.setDecimales(0);
        QCOMPARE(o.MaxValor(), 12.0);

        TVorelNumberObject copy;
        o.setNNegative(true);
        o.setTipoDato(TDato::Entero);
        copy.assign(o);
        QCOMPARE(copy.MaxValor(), 12.0);
        QCOMPARE(copy.Decimales(), 0);
        QVERIFY(copy.NNegative());
        QCOMPARE(copy.TipoDato(), TDato::Entero);
        QVERIFY(copy.setProperty("MinValor", 20.0));
        QCOMPARE(copy.MinValor(), 12.0);
    }
};

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
