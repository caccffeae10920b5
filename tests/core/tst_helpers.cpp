#include "core/Helpers.h"
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

Money amount(const char *text)
{
    const auto parsed = Money::parse(QString::fromUtf8(text));
    Q_ASSERT(parsed);
    return *parsed;
}

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class TestHelpers : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_saved = regional(); }
    void cleanup() { regional() = m_saved; }

    void truncarN_data();
    void truncarN();
    void redondearN_data();
    void redondearN();
    void redondearMiles_data();
    void redondearMiles();
    void redondearMoneda_data();
    void redondearMoneda();
    void redondearMonedaDefaultDecimals_data();
    void redondearMonedaDefaultDecimals();
    void compararMonto_data();
    void compararMonto();
    void textRoutines_data();
    void textRoutines();
    void posicionEnLista();
    void limpiarNumero_data();
    void limpiarNumero();

private:
    RegionalSettings m_saved;
};

void TestHelpers::truncarN_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("expected");

    QTest::newRow("two decimals") << 2.34567 << 2 << 2.34;
    QTest::newRow("negative cut towards zero") << -2.34567 << 2 << -2.34;
    QTest::newRow("no decimals") << 7.99 << 0 << 7.0;
    QTest::newRow("five decimals") << 1.234564 << 5 << 1.23456;
    // The formatter rounds at the fifth decimal before the cut.
    QTest::newRow("formatter carries") << 1.999996 << 2 << 2.0;
    QTest::newRow("n above 5 keeps 5") << 1.2345678 << 9 << 1.23457;
    QTest::newRow("negative n keeps none") << 3.75 << -2 << 3.0;
}

void TestHelpers::truncarN()
{
    QFETCH(double, x);
    QFETCH(int, n);
    QFETCH(double, expected);
    QCOMPARE(TruncarN(x, n), expected);
}

void TestHelpers::redondearN_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("n");
    QTest::addColumn<Money>("expected");

    QTest::newRow("half rounds up") << 2.345 << 2 << amount("2.35");
    QTest::newRow("negative half rounds away") << -2.345 << 2 << amount("-2.35");
    QTest::newRow("only digit n+1 counts") << 2.3449 << 2 << amount("2.34");
    QTest::newRow("negative below half") << -2.3449 << 2 << amount("-2.34");
    QTest::newRow("carry into units") << 1.995 << 2 << amount("2.00");
    QTest::newRow("no decimals") << 2.5 << 0 << amount("3");
    QTest::newRow("no decimals negative") << -2.5 << 0 << amount("-3");
    QTest::newRow("four decimals") << 0.00005 << 4 << amount("0.0001");
    QTest::newRow("beyond an amount's decimals") << 1.234567 << 7 << amount("1.2346");
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 2 << Money();
}

void TestHelpers::redondearN()
{
    QFETCH(double, x);
    QFETCH(int, n);
    QFETCH(Money, expected);
    QCOMPARE(RedondearN(x, n), expected);
}

void TestHelpers::redondearMiles_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<Money>("expected");

    QTest::newRow("thousands, half up") << 1234565.0 << amount("1234.57");
    QTest::newRow("below half") << 1234564.9 << amount("1234.56");
    QTest::newRow("negative") << -1234565.0 << amount("-1234.57");
    QTest::newRow("nan gives 0") << std::numeric_limits<double>::quiet_NaN() << Money();
    QTest::newRow("infinity gives 0") << std::numeric_limits<double>::infinity() << Money();
    QTest::newRow("too large gives 0") << 1e30 << Money();
}

void TestHelpers::redondearMiles()
{
    QFETCH(double, x);
    QFETCH(Money, expected);
    QCOMPARE(RedondearMiles(x), expected);
}

void TestHelpers::redondearMoneda_data()
{
    QTest::addColumn<Money>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("allow");
    QTest::addColumn<Money>("expected");

    QTest::newRow("2 dec, half, allowed") << amount("1.2350") << 2 << true << amount("1.24");
    QTest::newRow("2 dec, half, not allowed") << amount("1.2350") << 2 << false << amount("1.23");
    QTest::newRow("2 dec, below half") << amount("1.2349") << 2 << true << amount("1.23");
    QTest::newRow("2 dec, carry") << amount("1.9951") << 2 << true << amount("2.00");
    QTest::newRow("3 dec, half") << amount("1.2345") << 3 << true << amount("1.235");
    QTest::newRow("1 dec truncates") << amount("1.25") << 1 << true << amount("1.2");
    QTest::newRow("1 dec truncates high digit") << amount("1.29") << 1 << true << amount("1.2");
    QTest::newRow("4 dec unchanged") << amount("1.2346") << 4 << true << amount("1.2346");
    QTest::newRow("integer unchanged") << amount("12") << 2 << true << amount("12");
    QTest::newRow("fewer digits than kept") << amount("1.5") << 3 << true << amount("1.5");
    QTest::newRow("negative decimals truncate") << amount("1.99") << -3 << true << amount("1");
    QTest::newRow("negative, half") << amount("-1.235") << 2 << true << amount("-1.24");
    QTest::newRow("negative, below half") << amount("-1.234") << 2 << true << amount("-1.23");
    QTest::newRow("negative, not allowed") << amount("-1.235") << 2 << false << amount("-1.23");
    QTest::newRow("negative under one step") << amount("-0.005") << 2 << true << amount("-0.01");
    QTest::newRow("negative, 1 dec truncates") << amount("-1.29") << 1 << true << amount("-1.2");
    // Rounding up the largest amount would not fit: the amount comes back as it was.
    QTest::newRow("largest amount")
        << Money::fromRaw(std::numeric_limits<std::int64_t>::max()) << 3 << true
        << Money::fromRaw(std::numeric_limits<std::int64_t>::max());
}

void TestHelpers::redondearMoneda()
{
    QFETCH(Money, value);
    QFETCH(int, decimals);
    QFETCH(bool, allow);
    QFETCH(Money, expected);
    QCOMPARE(RedondearMoneda(value, decimals, 1, allow), expected);
}

void TestHelpers::redondearMonedaDefaultDecimals_data()
{
    QTest::addColumn<int>("amountDecimals");
    QTest::addColumn<int>("secondDecimals");
    QTest::addColumn<int>("kind");
    QTest::addColumn<Money>("expected");

    // The value is 1.2355 in every row.
    QTest::newRow("kind 1 uses amount decimals") << 2 << 3 << 1 << amount("1.24");
    QTest::newRow("kind 0 uses second decimals") << 2 << 3 << 0 << amount("1.236");
    QTest::newRow("one amount decimal truncates") << 1 << 3 << 1 << amount("1.2");
    QTest::newRow("no decimals truncates") << 3 << 0 << 0 << amount("1");
}

void TestHelpers::redondearMonedaDefaultDecimals()
{
    QFETCH(int, amountDecimals);
    QFETCH(int, secondDecimals);
    QFETCH(int, kind);
    QFETCH(Money, expected);
    regional().amountDecimals = amountDecimals;
    regional().secondDecimals = secondDecimals;
    QCOMPARE(RedondearMoneda(amount("1.2355"), 0, kind), expected);
}

void TestHelpers::compararMonto_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("expected");

    QTest::newRow("equal within tolerance") << 0 << 1.000001 << 1.000009 << true;
    QTest::newRow("equal, apart") << 0 << 1.0 << 1.0001 << false;
    QTest::newRow("different, within tolerance") << 1 << 1.000001 << 1.000009 << false;
    QTest::newRow("different, apart") << 1 << 1.0 << 1.0001 << true;
    QTest::newRow("greater") << 2 << 5.0 << 3.0 << true;
    QTest::newRow("greater, reversed") << 2 << 3.0 << 5.0 << false;
    QTest::newRow("greater, equal once rounded") << 2 << 1.004 << 1.0 << false;
    QTest::newRow("greater, rounded up apart") << 2 << 1.005 << 1.0 << true;
    QTest::newRow("greater or equal, rounded") << 3 << 0.999 << 1.0 << true;
    QTest::newRow("greater or equal, below") << 3 << 3.0 << 5.0 << false;
    QTest::newRow("less") << 4 << 5.0 << 3.0 << false;
    QTest::newRow("less, reversed") << 4 << 3.0 << 5.0 << true;
    QTest::newRow("less, negative rounded") << 4 << -1.005 << -1.0 << true;
    QTest::newRow("less or equal, rounded") << 5 << 1.001 << 1.0 << true;
    QTest::newRow("less or equal, above") << 5 << 5.0 << 3.0 << false;
    QTest::newRow("unknown op") << 9 << 5.0 << 3.0 << true;
    QTest::newRow("negative op") << -1 << 5.0 << 3.0 << true;
}

void TestHelpers::compararMonto()
{
    QFETCH(int, op);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, expected);
    QCOMPARE(CompararMonto(op, a, b), expected);
}

void TestHelpers::textRoutines_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");

    QTest::newRow("QuitarDosPuntos trailing") << QuitarDosPuntos(text("Código:")) << text("Código");
    QTest::newRow("QuitarDosPuntos only one") << QuitarDosPuntos(text("A::")) << text("A:");
    QTest::newRow("QuitarDosPuntos inner kept") << QuitarDosPuntos(text("a:b")) << text("a:b");

    QTest::newRow("QuitarAsteriscos") << QuitarAsteriscos(text("*ser*ial*")) << text("SERIAL");
    QTest::newRow("QuitarAsteriscos accents") << QuitarAsteriscos(text("*código")) << text("CÓDIGO");

    QTest::newRow("QuitarCaracter first only")
        << QuitarCaracter(text("a-b-c"), false, u'-') << text("ab-c ");
    QTest::newRow("QuitarCaracter upper") << QuitarCaracter(text("año:"), true, u':') << text("AÑO ");
    QTest::newRow("QuitarCaracter absent") << QuitarCaracter(text("abc"), false, u'x') << text("abc ");

    QTest::newRow("DerechaN") << DerechaN(text("00012345"), 3) << text("345");
    QTest::newRow("DerechaN shorter") << DerechaN(text("ab"), 5) << text("ab");
    QTest::newRow("DerechaN zero") << DerechaN(text("ab"), 0) << QString();

    QTest::newRow("RepetirCaracter") << RepetirCaracter(u'0', 4) << text("0000");
    QTest::newRow("RepetirCaracter none") << RepetirCaracter(u'0', -1) << QString();

    QTest::newRow("QuitarAcentos vowels") << QuitarAcentos(text("áéíóú")) << text("aeiou");
    QTest::newRow("QuitarAcentos keeps eñe")
        << QuitarAcentos(text("Ñandú año")) << text("Ñandu año");
    QTest::newRow("QuitarAcentos keeps capitals and others")
        << QuitarAcentos(text("ÁÉü")) << text("ÁÉü");

    QTest::newRow("RellenarTexto document number")
        << RellenarTexto(text(" 42"), 8, u'0', true) << text("00000042");
    QTest::newRow("RellenarTexto next correlative")
        << RellenarTexto(QString::number(41 + 1), 8, u'0', true) << text("00000042");
    QTest::newRow("RellenarTexto right") << RellenarTexto(text("AB "), 4, u'*', false) << text("AB**");
    QTest::newRow("RellenarTexto long kept")
        << RellenarTexto(text("123456789"), 8, u'0', true) << text("123456789");
}

void TestHelpers::textRoutines()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestHelpers::posicionEnLista()
{
    const QStringList list{text("Garantía"), text("Servicio"), text("Ambos"), text("Servicio")};
    QCOMPARE(PosicionEnLista(list, text("Servicio")), 1);
    QCOMPARE(PosicionEnLista(list, text("Ambos")), 2);
    QCOMPARE(PosicionEnLista(list, text("servicio")), -1);
    QCOMPARE(PosicionEnLista({}, text("Ambos")), -1);
}

void TestHelpers::limpiarNumero_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QChar>("thousands");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");

    const QString dollar = text("$");
    const QString bs = text("Bs");
    QTest::newRow("0: parentheses") << 0 << dollar << QChar(u',') << text("($1,234.50)") << 1
                                    << text("-1234.50");
    QTest::newRow("0: positive") << 0 << dollar << QChar(u',') << text(" $1,234.50 ") << 1
                                 << text("1234.50");
    QTest::newRow("4: parentheses") << 4 << dollar << QChar(u',') << text("(1,234.50$)") << 1
                                    << text("-1234.50");
    QTest::newRow("14: blank after symbol") << 14 << dollar << QChar(u',') << text("($ 7.25)")
                                            << 1 << text("-07.25");
    QTest::newRow("1: leading minus") << 1 << dollar << QChar(u',') << text("-$1,234,567.89")
                                      << 1 << text("-1234567.89");
    QTest::newRow("2: minus after symbol") << 2 << dollar << QChar(u',') << text("$-12.5") << 1
                                           << text("-12.5");
    QTest::newRow("3: trailing minus") << 3 << dollar << QChar(u',') << text("$1,234.50-") << 1
                                       << text("-1234.50");
    QTest::newRow("11: trailing minus, blank") << 11 << dollar << QChar(u',') << text("$ 1.5-")
                                               << 1 << text("-1.5");
    QTest::newRow("1: parentheses untouched") << 1 << dollar << QChar(u',') << text("(5)") << 1
                                              << text("(5)");
    QTest::newRow("8: dot thousands") << 8 << bs << QChar(u'.') << text("-1.234,50 Bs") << 1
                                      << text("-1234,50");
    QTest::newRow("5: trailing minus kept") << 5 << bs << QChar(u'.') << text("1.234,50-") << 1
                                            << text("1234,50-");
    QTest::newRow("16: nothing more") << 16 << dollar << QChar(u',') << text("(5)") << 1
                                      << text("(5)");
    QTest::newRow("12: sign after symbol") << 12 << dollar << QChar(u',') << text("$ -1,234.50")
                                           << 1 << text("-1234.50");
    QTest::newRow("12: other symbol dropped") << 12 << bs << QChar(u',') << text("$-12") << 1
                                              << text("-12");
    QTest::newRow("percent") << 1 << dollar << QChar(u',') << text("12.5 %") << 1 << text("12.5");
    QTest::newRow("inner blank becomes 0") << 1 << dollar << QChar(u',') << text("1 5") << 1
                                           << text("105");
    QTest::newRow("empty, kind 1") << 1 << dollar << QChar(u',') << text("  ") << 1 << text("0");
    QTest::newRow("empty, kind 2") << 1 << dollar << QChar(u',') << QString() << 2 << text("0");
    QTest::newRow("empty, kind 0") << 1 << dollar << QChar(u',') << QString() << 0 << QString();
    QTest::newRow("no symbol set") << 1 << QString() << QChar(u',') << text("-1,000") << 1
                                   << text("-1000");
}

void TestHelpers::limpiarNumero()
{
    QFETCH(int, format);
    QFETCH(QString, symbol);
    QFETCH(QChar, thousands);
    QFETCH(QString, input);
    QFETCH(int, kind);
    QFETCH(QString, expected);
    regional().negativeCurrencyFormat = format;
    regional().currencySymbol = symbol;
    regional().thousandsSeparator = thousands;
    regional().decimalSeparator = thousands == u'.' ? QChar(u',') : QChar(u'.');
    QCOMPARE(LimpiarNumero(input, kind), expected);
}

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
