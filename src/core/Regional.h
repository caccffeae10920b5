#pragma once

#include "core/Money.h"

#include <QDate>
#include <QString>

namespace k9 {

// Number and date conventions of the process, fixed once at start (InicializarLocale) and
// read everywhere amounts and dates are shown or read back.
struct RegionalSettings
{
    QChar decimalSeparator = u'.';
    QChar thousandsSeparator = u',';
    QString currencySymbol;
    // Negative currency format code of the system (0 "($1)", 1 "-$1", ... 15 "(1 $)").
    int negativeCurrencyFormat = 1;
    QString shortDateFormat = QStringLiteral("dd/MM/yyyy");
    QString shortTimeFormat = QStringLiteral("hh:mm AP");
    QString longTimeFormat = QStringLiteral("hh:mm:ss AP");
    int amountDecimals = 2; // decimals of amounts
    int secondDecimals = 2; // the second decimals setting
};

RegionalSettings &regional();

// Today's date as "dd/mm/yyyy", set once by InicializarLocale.
extern QString FechaTrabajo;

// Locale set-up done at process start: date and time formats, FechaTrabajo, and the
// separators taken from the system ("." and "," when the system gives the same character
// for both). The date is today's unless one is given.
void InicializarLocale(QDate today = QDate());
// The same rule on explicit separators, for callers that know them.
void applySeparators(QChar decimal, QChar thousands);

// "%10.2N": the amount rounded to `decimals`, thousands separators, right-aligned in `width`.
QString formatAmount(Money value, int decimals = 2, int width = 10);
// The same, trimmed.
QString formatAmountTrimmed(Money value, int decimals = 2);
// A floating number in the same format (quantities and percentages of the formula engine).
QString formatNumber(double value, int decimals = 2, int width = 10);

QString formatDate(const QDate &date); // "dd/mm/yyyy"; empty for a null date
QDate parseDate(const QString &text);  // "dd/mm/yyyy"; a null date when it is not one

// Day serial of the platform: days since 1899-12-30, the fraction being the time of day.
double toDaySerial(const QDateTime &value);
double toDaySerial(const QDate &value);
QDateTime fromDaySerial(double serial);

} // namespace k9
