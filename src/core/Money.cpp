#include "core/Money.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace k9 {

namespace {

__extension__ using Wide = __int128;

constexpr std::int64_t pow10(int n)
{
    std::int64_t r = 1;
    for (int i = 0; i < n; ++i)
        r *= 10;
    return r;
}

// Integer quotient rounded to nearest, ties to even.
Wide divRoundHalfEven(Wide num, Wide den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    Wide q = num / den;
    Wide r = num % den;
    if (r == 0)
        return q;
    const Wide twice = (r < 0 ? -r : r) * 2;
    const bool negative = num < 0;
    if (twice > den || (twice == den && (q % 2 != 0)))
        q += negative ? -1 : 1;
    return q;
}

Wide divRoundHalfUp(Wide num, Wide den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    Wide q = num / den;
    Wide r = num % den;
    if ((r < 0 ? -r : r) * 2 >= den && r != 0)
        q += num < 0 ? -1 : 1;
    return q;
}

std::int64_t saturate(Wide v)
{
    constexpr auto hi = std::numeric_limits<std::int64_t>::max();
    constexpr auto lo = std::numeric_limits<std::int64_t>::min();
    if (v > hi)
        return hi;
    if (v < lo)
        return lo;
    return static_cast<std::int64_t>(v);
}

} // namespace

Money Money::fromDouble(double value)
{
    if (std::isnan(value))
        return Money();
    const double scaled = value * kScale;
    if (scaled >= 9.2e18)
        return Money(std::numeric_limits<std::int64_t>::max());
    if (scaled <= -9.2e18)
        return Money(std::numeric_limits<std::int64_t>::min());
    // The product can carry representation noise (0.125 * 10000 is exact, 1.0005 * 10000 is
    // 10004.999...). Round the decimal text of the value instead, which is what a person reads:
    // the shortest text that reads back as the same double, so that it is rounded only once
    // (a fixed number of decimals would round 1.000349999 to 1.00035000 and then to 1.0004).
    const QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    if (auto parsed = parse(text))
        return *parsed;
    return Money(static_cast<std::int64_t>(std::nearbyint(scaled)));
}

std::optional<Money> Money::parse(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool negative = false;
    qsizetype i = 0;
    if (text[0] == u'-' || text[0] == u'+') {
        negative = text[0] == u'-';
        ++i;
    }
    Wide intPart = 0;
    Wide frac = 0;
    int fracDigits = 0;
    bool seenDigit = false;
    bool seenSeparator = false;
    // Decimals beyond the 18 kept only matter as "something more than zero", which decides
    // an apparent tie.
    bool nonZeroBeyond = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            seenDigit = true;
            const int d = c.unicode() - u'0';
            if (seenSeparator) {
                if (fracDigits < 18) {
                    frac = frac * 10 + d;
                    ++fracDigits;
                } else if (d != 0) {
                    nonZeroBeyond = true;
                }
            } else {
                intPart = intPart * 10 + d;
                if (intPart > Wide(std::numeric_limits<std::int64_t>::max()))
                    return std::nullopt;
            }
        } else if ((c == u'.' || c == u',') && !seenSeparator) {
            seenSeparator = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    if (nonZeroBeyond) {
        frac = frac * 10 + 1;
        ++fracDigits;
    }
    Wide raw = intPart * kScale;
    if (fracDigits <= 4)
        raw += frac * pow10(4 - fracDigits);
    else
        raw += divRoundHalfEven(frac, pow10(fracDigits - 4));
    if (negative)
        raw = -raw;
    if (raw > Wide(std::numeric_limits<std::int64_t>::max())
        || raw < Wide(std::numeric_limits<std::int64_t>::min()))
        return std::nullopt;
    return Money(static_cast<std::int64_t>(raw));
}

Money Money::roundedHalfUp(int decimals) const
{
    if (decimals >= 4)
        return *this;
    const std::int64_t step = pow10(4 - (decimals < 0 ? 0 : decimals));
    return Money(saturate(divRoundHalfUp(m_raw, step) * step));
}

Money Money::roundedHalfEven(int decimals) const
{
    if (decimals >= 4)
        return *this;
    const std::int64_t step = pow10(4 - (decimals < 0 ? 0 : decimals));
    return Money(saturate(divRoundHalfEven(m_raw, step) * step));
}

Money Money::mulDiv(Money factor, std::int64_t divisor) const
{
    if (divisor == 0)
        return Money();
    return Money(saturate(divRoundHalfEven(Wide(m_raw) * factor.m_raw, Wide(kScale) * divisor)));
}

Money Money::operator/(Money other) const
{
    if (other.m_raw == 0)
        return Money();
    return Money(saturate(divRoundHalfEven(Wide(m_raw) * kScale, other.m_raw)));
}

QString Money::toPlainString() const
{
    const bool negative = m_raw < 0;
    const Wide magnitude = negative ? -Wide(m_raw) : Wide(m_raw);
    const auto units = static_cast<unsigned long long>(magnitude / kScale);
    const auto frac = static_cast<unsigned long long>(magnitude % kScale);
    return (negative ? QStringLiteral("-") : QString()) + QString::number(units) + u'.'
           + QStringLiteral("%1").arg(frac, 4, 10, QLatin1Char('0'));
}

QString Money::toShortString() const
{
    QString s = toPlainString();
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s;
}

Money taxOf(Money base, Money ratePercent)
{
    return base.mulDiv(ratePercent, 100);
}

} // namespace k9
