#pragma once

#include <QMetaType>
#include <QString>

#include <compare>
#include <cstdint>
#include <optional>

namespace k9 {

// An exact amount: a signed 64-bit count of ten-thousandths (4 decimals).
// Every conversion from a floating value rounds once, halves to even; sums and
// differences are exact. Stored in the tables as the raw integer.
class Money
{
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;

    static constexpr Money fromRaw(std::int64_t tenThousandths) { return Money(tenThousandths); }
    static constexpr Money fromUnits(std::int64_t units) { return Money(units * kScale); }
    // Rounds once to 4 decimals, halves to even. NaN gives 0; values out of range saturate.
    static Money fromDouble(double value);
    // Reads a plain decimal text ("-1234.5", "0,25"): optional sign, digits, one "." or ","
    // and up to 4 decimals (more are rounded half to even). Anything else gives nullopt.
    static std::optional<Money> parse(QStringView text);

    constexpr std::int64_t raw() const { return m_raw; }
    double toDouble() const { return static_cast<double>(m_raw) / kScale; }
    // Whole units, the fraction dropped (towards zero).
    constexpr std::int64_t truncatedUnits() const { return m_raw / kScale; }
    constexpr bool isZero() const { return m_raw == 0; }
    constexpr bool isNegative() const { return m_raw < 0; }

    // Rounded to the given decimals (0-4), halves away from zero, as printed amounts are.
    Money roundedHalfUp(int decimals) const;
    // Rounded to the given decimals (0-4), halves to even.
    Money roundedHalfEven(int decimals) const;

    // value × factor / divisor at full precision, rounded once (halves to even).
    Money mulDiv(Money factor, std::int64_t divisor) const;
    // Product of two amounts, rounded once to 4 decimals.
    Money operator*(Money other) const { return mulDiv(other, 1); }
    constexpr Money operator*(std::int64_t n) const { return Money(m_raw * n); }
    // Quotient rounded once to 4 decimals; division by zero gives 0.
    Money operator/(Money other) const;

    constexpr Money operator+(Money o) const { return Money(m_raw + o.m_raw); }
    constexpr Money operator-(Money o) const { return Money(m_raw - o.m_raw); }
    constexpr Money operator-() const { return Money(-m_raw); }
    constexpr Money &operator+=(Money o) { m_raw += o.m_raw; return *this; }
    constexpr Money &operator-=(Money o) { m_raw -= o.m_raw; return *this; }
    constexpr auto operator<=>(const Money &) const = default;

    // Canonical text with all 4 decimals and "." ("-12.3400"): for storage and debugging.
    QString toPlainString() const;
    // Shortest text with "." and no trailing zeros ("1.235", "12"), as a currency-to-text
    // conversion gives it.
    QString toShortString() const;

private:
    explicit constexpr Money(std::int64_t raw) : m_raw(raw) {}
    std::int64_t m_raw = 0;
};

// Tax of an amount: base × rate / 100, at full precision, rounded once.
Money taxOf(Money base, Money ratePercent);

} // namespace k9

Q_DECLARE_METATYPE(k9::Money)
