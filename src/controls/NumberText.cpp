#include "controls/NumberText.h"

#include "core/Regional.h"

#include <algorithm>
#include <cmath>

namespace k9 {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Adds one to a string of decimal digits ("0999" -> "1000").
QString incremented(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] == u'9') {
            digits[i] = u'0';
        } else {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
    }
    return QStringLiteral("1") + digits;
}

} // namespace

std::optional<QString> roundDecimalText(const QString &plain, int decimals)
{
    decimals = qMax(0, decimals);
    QString text = plain.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove(0, 1);
    }
    const qsizetype dot = text.indexOf(u'.');
    QString units = dot < 0 ? text : text.left(dot);
    QString fraction = dot < 0 ? QString() : text.mid(dot + 1);
    if (units.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    for (QChar c : units + fraction) {
        if (!isDigit(c))
            return std::nullopt;
    }
    const bool roundUp = fraction.size() > decimals && fraction[decimals] >= u'5';
    fraction = fraction.left(decimals).leftJustified(decimals, u'0');
    QString digits = (units.isEmpty() ? QStringLiteral("0") : units) + fraction;
    if (roundUp)
        digits = incremented(digits);
    units = digits.left(digits.size() - decimals);
    fraction = digits.right(decimals);
    while (units.size() > 1 && units.front() == u'0')
        units.remove(0, 1);
    if (units.isEmpty())
        units = QStringLiteral("0");
    const bool zero = std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c == u'0'; });
    QString out = (negative && !zero ? QStringLiteral("-") : QString()) + units;
    if (decimals > 0)
        out += u'.' + fraction;
    return out;
}

QString plainDecimal(double value)
{
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    const QString e = QString::number(value, 'e', 14); // "-1.00500000000000e+00"
    const qsizetype ePos = e.indexOf(u'e');
    QString mantissa = e.left(ePos);
    const int exponent = e.mid(ePos + 1).toInt();
    const bool negative = mantissa.startsWith(u'-');
    if (negative)
        mantissa.remove(0, 1);
    mantissa.remove(u'.');
    const int point = exponent + 1; // digits before the decimal point
    QString units;
    QString fraction;
    if (point <= 0) {
        units = QStringLiteral("0");
        fraction = QString(-point, u'0') + mantissa;
    } else if (point >= mantissa.size()) {
        units = mantissa + QString(point - mantissa.size(), u'0');
    } else {
        units = mantissa.left(point);
        fraction = mantissa.mid(point);
    }
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    QString out = negative ? QStringLiteral("-") + units : units;
    if (!fraction.isEmpty())
        out += u'.' + fraction;
    return out;
}

double roundedTo(double value, int decimals)
{
    const auto text = roundDecimalText(plainDecimal(value), decimals);
    return text ? text->toDouble() : 0.0;
}

qint64 roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double floor = std::floor(value);
    const double diff = value - floor;
    double result = floor;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0))
        result = floor + 1;
    return static_cast<qint64>(result);
}

NumberRules::NumberRules()
    : decimalSeparator(regional().decimalSeparator), thousandsSeparator(regional().thousandsSeparator)
{
}

std::optional<double> NumberRules::convert(const QString &text) const
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        ++i;
    int digits = 0;
    int separators = 0;
    QString plain = t.left(i);
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (isDigit(c)) {
            ++digits;
            plain += c;
        } else if (c == decimalSeparator && separators == 0) {
            ++separators;
            plain += u'.';
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString NumberRules::plainText(double value) const
{
    QString text = plainDecimal(value);
    text.replace(u'.', decimalSeparator);
    return text;
}

QString NumberRules::withSeparators(const QString &plain) const
{
    QString text = plain;
    const bool negative = text.startsWith(u'-');
    if (negative)
        text.remove(0, 1);
    const qsizetype dot = text.indexOf(u'.');
    const QString units = dot < 0 ? text : text.left(dot);
    QString out;
    for (qsizetype i = 0; i < units.size(); ++i) {
        if (!HideSeparator && i > 0 && (units.size() - i) % 3 == 0)
            out += thousandsSeparator;
        out += units[i];
    }
    if (dot >= 0)
        out += decimalSeparator + text.mid(dot + 1);
    return negative ? QStringLiteral("-") + out : out;
}

QString NumberRules::formatted(double value, int decimals) const
{
    const auto text = roundDecimalText(plainDecimal(value), decimals);
    return withSeparators(text ? *text : QStringLiteral("0"));
}

QString NumberRules::formatted(Money value, int decimals) const
{
    const auto text = roundDecimalText(value.toPlainString(), decimals);
    return withSeparators(text ? *text : QStringLiteral("0"));
}

bool NumberRules::acceptsKey(const QString &text, int selStart, int selLength, int cursor, QChar key) const
{
    const bool isDecimal = key == decimalSeparator && TipoDato == TDato::Reales && Decimales > 0;
    const bool allowed = isDigit(key) || (key == u'%' && Porcent != TPorcent::Numero)
                         || (key == u'-' && MinValor < 0) || isDecimal;
    if (!allowed)
        return false;

    // The text the key does not replace, and where the key goes.
    QString rest = text;
    int at = qBound(0, cursor, static_cast<int>(text.size()));
    if (selLength > 0 && selStart >= 0 && selStart < text.size()) {
        rest.remove(selStart, selLength);
        at = selStart;
    }
    if ((isDecimal || key == u'%' || key == u'-') && rest.contains(key))
        return false;
    if (key == u'-' && !rest.isEmpty())
        return false;
    if (key == u'%')
        return true;

    QString result = rest;
    result.insert(at, key);
    result.remove(u'%');
    const auto value = convert(result);
    return !(value && *value > MaxValor);
}

QString NumberRules::normalized(const QString &text) const
{
    if (text.isEmpty())
        return text;
    QString t = text;
    const bool percent = t.contains(u'%');
    t.remove(u'%');
    const qsizetype pos = t.indexOf(decimalSeparator);
    if (pos >= 0 && t.size() - pos - 1 > Decimales)
        t.truncate(Decimales > 0 ? pos + 1 + Decimales : pos);
    const auto value = convert(t);
    if (value && *value > MaxValor)
        t = plainText(MaxValor);
    if (percent)
        t += u'%';
    return t;
}

QString NumberRules::stripped(const QString &text, const QString &keep) const
{
    QString out;
    for (QChar c : text) {
        if (isDigit(c) || c == decimalSeparator || keep.contains(c))
            out += c;
    }
    return out;
}

QString NumberRules::focusInText(const QString &text) const
{
    return stripped(text, QStringLiteral("%-"));
}

std::optional<QString> NumberRules::focusOutText(const QString &text) const
{
    QString t = text.trimmed();
    const bool percent = t.endsWith(u'%');
    t = stripped(t, QStringLiteral("-"));
    if (t.isEmpty())
        t = QStringLiteral("0");
    const auto value = convert(t);
    if (!value)
        return std::nullopt;
    const double shown = *value < MinValor ? MinValor : *value;
    QString out = formatted(shown, shownDecimals());
    if (percent || Porcent == TPorcent::Porcentaje)
        out += u'%';
    return out;
}

QString NumberRules::initText(double value, const QString &previousText) const
{
    QString out = formatted(value, shownDecimals());
    if (previousText.contains(u'%') || Porcent == TPorcent::Porcentaje)
        out += u'%';
    return out;
}

QString NumberRules::initText(Money value, const QString &previousText) const
{
    QString out = formatted(value, shownDecimals());
    if (previousText.contains(u'%') || Porcent == TPorcent::Porcentaje)
        out += u'%';
    return out;
}

std::optional<double> NumberRules::pasteValue(const QString &clipboard) const
{
    QString t = clipboard.trimmed();
    t.remove(thousandsSeparator);
    const auto value = convert(t);
    if (!value)
        return std::nullopt;
    return clamped(*value);
}

double NumberRules::floatValue(const QString &text) const
{
    return convert(stripped(text, QStringLiteral("+-"))).value_or(0.0);
}

qint64 NumberRules::integerValue(const QString &text) const
{
    return roundHalfEven(floatValue(text));
}

Money NumberRules::moneyValue(const QString &text) const
{
    QString t = stripped(text, QStringLiteral("+-"));
    if (!convert(t))
        return Money();
    t.replace(decimalSeparator, u'.');
    return Money::parse(t).value_or(Money());
}

} // namespace k9
