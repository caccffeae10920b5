#include "core/Regional.h"

#include <QLocale>
#include <QTimeZone>

#include <cmath>

namespace k9 {

QString FechaTrabajo;

RegionalSettings &regional()
{
    static RegionalSettings settings;
    return settings;
}

void applySeparators(QChar decimal, QChar thousands)
{
    if (decimal == thousands) {
        decimal = u'.';
        thousands = u',';
    }
    regional().decimalSeparator = decimal;
    regional().thousandsSeparator = thousands;
}

void InicializarLocale(QDate today)
{
    const QLocale system = QLocale::system();
    RegionalSettings &r = regional();
    r.shortDateFormat = QStringLiteral("dd/MM/yyyy");
    r.shortTimeFormat = QStringLiteral("hh:mm AP");
    r.longTimeFormat = QStringLiteral("hh:mm:ss AP");
    r.currencySymbol = system.currencySymbol();
    const QString dec = system.decimalPoint();
    const QString grp = system.groupSeparator();
    applySeparators(dec.isEmpty() ? QChar(u'.') : dec.front(),
                    grp.isEmpty() ? QChar(u'.') : grp.front());
    if (!today.isValid())
        today = QDate::currentDate();
    FechaTrabajo = formatDate(today);
}

namespace {

QString groupDigits(const QString &digits, QChar separator)
{
    QString out;
    out.reserve(digits.size() + digits.size() / 3);
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

QString assemble(bool negative, const QString &units, const QString &fraction, int width)
{
    const RegionalSettings &r = regional();
    QString text = groupDigits(units, r.thousandsSeparator);
    if (!fraction.isEmpty())
        text += r.decimalSeparator + fraction;
    if (negative)
        text.prepend(u'-');
    return text.rightJustified(width, u' ');
}

} // namespace

QString formatAmount(Money value, int decimals, int width)
{
    decimals = qBound(0, decimals, 4);
    const Money rounded = value.roundedHalfUp(decimals);
    const QString plain = rounded.toPlainString(); // "-123.4500"
    const bool negative = plain.startsWith(u'-') && !rounded.isZero();
    const qsizetype dot = plain.indexOf(u'.');
    const QString units = plain.mid(negative ? 1 : 0, dot - (negative ? 1 : 0));
    return assemble(negative, units, plain.mid(dot + 1, decimals), width);
}

QString formatAmountTrimmed(Money value, int decimals)
{
    return formatAmount(value, decimals, 0);
}

QString formatNumber(double value, int decimals, int width)
{
    decimals = qBound(0, decimals, 15);
    if (!std::isfinite(value))
        value = 0;
    QString plain = QString::number(value, 'f', decimals);
    bool negative = plain.startsWith(u'-');
    if (negative)
        plain.remove(0, 1);
    if (plain.count(u'0') + (decimals > 0 ? 1 : 0) == plain.size())
        negative = false; // "-0.00"
    const qsizetype dot = plain.indexOf(u'.');
    const QString units = dot < 0 ? plain : plain.left(dot);
    const QString fraction = dot < 0 ? QString() : plain.mid(dot + 1);
    return assemble(negative, units, fraction, width);
}

QString formatDate(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QDate parseDate(const QString &text)
{
    return QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy"));
}

namespace {
const QDate kEpoch(1899, 12, 30);
}

double toDaySerial(const QDate &value)
{
    return value.isValid() ? static_cast<double>(kEpoch.daysTo(value)) : 0.0;
}

double toDaySerial(const QDateTime &value)
{
    if (!value.isValid())
        return 0.0;
    const double days = static_cast<double>(kEpoch.daysTo(value.date()));
    const double fraction = value.time().msecsSinceStartOfDay() / 86400000.0;
    // Before the epoch the fraction counts away from it, as the platform's day serial does.
    return days >= 0 ? days + fraction : days - fraction;
}

QDateTime fromDaySerial(double serial)
{
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6)
        return QDateTime();
    const double whole = std::trunc(serial);
    const double fraction = std::fabs(serial - whole);
    auto msecs = static_cast<int>(std::llround(fraction * 86400000.0));
    QDate date = kEpoch.addDays(static_cast<qint64>(whole));
    if (msecs >= 86400000) {
        msecs = 0;
        date = date.addDays(1);
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(msecs));
}

} // namespace k9
