#include "core/Helpers.h"

#include "core/Regional.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace k9 {

namespace {

// Largest magnitude, in units, that an amount can hold (with room for its decimals).
constexpr double kLargestAmount = 922337203685477.0;

} // namespace

double TruncarN(double x, int n)
{
    if (!std::isfinite(x))
        return x;
    n = std::clamp(n, 0, 5);
    // The text is only an intermediate step, so it always uses ".".
    const QString text = QString::number(x, 'f', 5);
    const qsizetype dot = text.indexOf(u'.');
    if (dot < 0)
        return x;
    return text.left(n == 0 ? dot : dot + 1 + n).toDouble();
}

Money RedondearN(double x, int n)
{
    if (!std::isfinite(x))
        return Money();
    n = std::clamp(n, 0, 4);
    const double t1 = TruncarN(x, n + 1);
    const double t0 = TruncarN(x, n);
    const double scale = std::pow(10.0, n);
    // The digit n + 1, times 1000 and signed.
    const long long d = std::llround((t1 - t0) * scale * 10000.0);
    double result = t0;
    if (d >= 5000)
        result = t0 + 1.0 / scale;
    else if (d <= -5000)
        result = t0 - 1.0 / scale;
    return Money::fromDouble(result);
}

Money RedondearMiles(double x)
{
    const double thousands = x / 1000.0;
    if (!std::isfinite(thousands) || std::fabs(thousands) >= kLargestAmount)
        return Money();
    return RedondearN(thousands, 2);
}

Money RedondearMoneda(Money v, int decimals, int kind, bool allowRoundUp)
{
    int b = decimals;
    if (b == 0)
        b = kind == 0 ? regional().secondDecimals : regional().amountDecimals;
    if (b < 0)
        b = -1;

    const QString text = v.toShortString();
    const qsizetype dot = text.indexOf(u'.');
    if (dot < 0)
        return v;

    const qsizetype digits = text.size() - dot - 1;
    const qsizetype keep = std::min<qsizetype>(std::max(b, 0), digits);
    const std::optional<Money> truncated = Money::parse(text.left(dot + 1 + keep));
    if (!truncated)
        return v;

    // Only 2 or 3 decimals ever round up; 1 decimal, or more than 3, is a plain truncation.
    const bool nextIsFiveOrMore = keep < digits && text[dot + 1 + keep] >= u'5';
    if (!nextIsFiveOrMore || !allowRoundUp || b < 2 || b > 3)
        return *truncated;

    const std::optional<Money> step =
        Money::parse(QStringLiteral("0.") + RepetirCaracter(u'0', b - 1) + u'1');
    if (!step)
        return v;
    // Negative amounts round their magnitude, symmetric with positive ones: the step is
    // taken away from a negative amount and added to a positive one.
    constexpr auto hi = std::numeric_limits<std::int64_t>::max();
    constexpr auto lo = std::numeric_limits<std::int64_t>::min();
    if (v.isNegative()) {
        if (truncated->raw() < lo + step->raw())
            return v;
        return *truncated - *step;
    }
    if (truncated->raw() > hi - step->raw())
        return v;
    return *truncated + *step;
}

bool CompararMonto(int op, double a, double b)
{
    const auto rounded = [](double x) {
        return RedondearMoneda(Money::fromDouble(x), regional().amountDecimals, 1, true);
    };
    switch (op) {
    case 0:
        return std::fabs(b - a) <= 0.00001;
    case 1:
        return !(std::fabs(b - a) <= 0.00001);
    case 2:
        return rounded(a) > rounded(b);
    case 3:
        return rounded(a) >= rounded(b);
    case 4:
        return rounded(a) < rounded(b);
    case 5:
        return rounded(a) <= rounded(b);
    default:
        return true;
    }
}

QString QuitarDosPuntos(const QString &s)
{
    return s.endsWith(u':') ? s.left(s.size() - 1) : s;
}

QString QuitarAsteriscos(const QString &s)
{
    QString out = s;
    out.remove(u'*');
    return out.toUpper();
}

QString QuitarCaracter(const QString &s, bool upper, QChar c)
{
    QString out = s;
    const qsizetype at = out.indexOf(c);
    if (at >= 0)
        out.remove(at, 1);
    if (upper)
        out = out.toUpper();
    return out + u' ';
}

QString DerechaN(const QString &s, int n)
{
    return n <= 0 ? QString() : s.right(n);
}

QString RepetirCaracter(QChar c, int n)
{
    return n <= 0 ? QString() : QString(n, c);
}

QString QuitarAcentos(const QString &s)
{
    static constexpr char16_t kAccented[] = u"áéíóú";
    static constexpr char16_t kPlain[] = u"aeiou";
    QString out = s;
    for (int i = 0; i < 5; ++i)
        out.replace(QChar(kAccented[i]), QChar(kPlain[i]));
    return out;
}

QString LimpiarNumero(const QString &s, int kind)
{
    const RegionalSettings &r = regional();
    QString t = s.trimmed();
    if (t.isEmpty() && (kind == 1 || kind == 2))
        t = QStringLiteral("0");

    if (!r.currencySymbol.isEmpty()) {
        const qsizetype at = t.indexOf(r.currencySymbol);
        if (at >= 0)
            t.remove(at, r.currencySymbol.size());
    }
    if (const qsizetype at = t.indexOf(u'%'); at >= 0)
        t.remove(at, 1);

    t = t.trimmed();
    t.replace(u' ', u'0');
    t.remove(r.thousandsSeparator);

    switch (const int code = r.negativeCurrencyFormat) {
    case 0:
    case 4:
    case 14:
    case 15:
        if (t.contains(u'(')) {
            t.remove(u'(');
            t.remove(u')');
            t.prepend(u'-');
        }
        break;
    case 12:
        if (t.indexOf(u'-') > 0)
            t = t.mid(1).trimmed();
        break;
    default:
        if (code == 5 || code == 8 || code == 9 || code >= 16)
            break;
        if (const qsizetype at = t.indexOf(u'-'); at >= 0) {
            t.remove(at, 1);
            t.prepend(u'-');
        }
        break;
    }
    return t;
}

QString RellenarTexto(const QString &s, int n, QChar c, bool left)
{
    const QString t = s.trimmed();
    if (t.size() >= n)
        return t;
    return left ? t.rightJustified(n, c) : t.leftJustified(n, c);
}

int PosicionEnLista(const QStringList &list, const QString &s)
{
    return static_cast<int>(list.indexOf(s));
}

} // namespace k9
