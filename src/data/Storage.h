#pragma once

#include "core/Money.h"
#include "data/Schema.h"

#include <QVariant>

namespace k9 {

// What a value becomes in SQLite: Money its raw ten-thousandths, bool 0/1, QDate
// "yyyy-MM-dd", QDateTime "yyyy-MM-dd HH:mm:ss", an invalid date NULL. Other values as they are.
QVariant toStorage(const QVariant &value);
// The same for a value bound for a field of a known type (a text "12,5" for a money field,
// say, is read as an amount).
QVariant toStorage(FieldType type, const QVariant &value);

// A stored value read back as the field's type: Money, bool, QDate, QDateTime, QByteArray,
// qlonglong, double or QString. NULL stays an invalid QVariant.
QVariant fromStorage(FieldType type, const QVariant &stored);

// Typed readings of a stored value; NULL reads as zero, false, empty or a null date.
QString storedText(const QVariant &stored);
qint64 storedInteger(FieldType type, const QVariant &stored);
Money storedMoney(FieldType type, const QVariant &stored);
bool storedBoolean(const QVariant &stored);
double storedFloat(FieldType type, const QVariant &stored);
QDate storedDate(const QVariant &stored);
QDateTime storedDateTime(const QVariant &stored);

} // namespace k9
