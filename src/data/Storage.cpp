#include "data/Storage.h"

#include <QDateTime>

namespace k9 {

namespace {
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
} // namespace

QVariant toStorage(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::QDate: {
        const QDate d = value.toDate();
        return d.isValid() ? QVariant(d.toString(kDateFormat)) : QVariant();
    }
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        return dt.isValid() ? QVariant(dt.toString(kDateTimeFormat)) : QVariant();
    }
    default:
        break;
    }
    if (value.metaType() == QMetaType::fromType<Money>())
        return QVariant::fromValue<qlonglong>(value.value<Money>().raw());
    return value;
}

QVariant toStorage(FieldType type, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (type) {
    case FieldType::Money:
        if (value.metaType() == QMetaType::fromType<Money>())
            break;
        if (value.metaType().id() == QMetaType::QString) {
            const auto m = Money::parse(value.toString());
            return m ? QVariant::fromValue<qlonglong>(m->raw()) : QVariant(qlonglong(0));
        }
        if (value.metaType().id() == QMetaType::Double || value.metaType().id() == QMetaType::Float)
            return QVariant::fromValue<qlonglong>(Money::fromDouble(value.toDouble()).raw());
        return QVariant::fromValue<qlonglong>(Money::fromUnits(value.toLongLong()).raw());
    case FieldType::Boolean:
        return value.toBool() ? 1 : 0;
    case FieldType::Date:
        if (value.metaType().id() == QMetaType::QDateTime)
            return toStorage(QVariant(value.toDateTime().date()));
        break;
    case FieldType::DateTime:
        if (value.metaType().id() == QMetaType::QDate)
            return toStorage(QVariant(value.toDate().startOfDay()));
        break;
    case FieldType::Integer:
    case FieldType::SmallInt:
    case FieldType::AutoInc:
        if (value.metaType() == QMetaType::fromType<Money>())
            return QVariant::fromValue<qlonglong>(value.value<Money>().truncatedUnits());
        break;
    default:
        break;
    }
    return toStorage(value);
}

QVariant fromStorage(FieldType type, const QVariant &stored)
{
    if (!stored.isValid() || stored.isNull())
        return QVariant();
    switch (type) {
    case FieldType::String:
    case FieldType::Memo:
        return stored.toString();
    case FieldType::Integer:
    case FieldType::SmallInt:
    case FieldType::AutoInc:
        return stored.toLongLong();
    case FieldType::Boolean:
        return storedBoolean(stored);
    case FieldType::Money:
        return QVariant::fromValue(storedMoney(type, stored));
    case FieldType::Float:
        return stored.toDouble();
    case FieldType::Date:
        return storedDate(stored);
    case FieldType::DateTime:
        return storedDateTime(stored);
    case FieldType::Blob:
        return stored.toByteArray();
    }
    return stored;
}

QString storedText(const QVariant &stored)
{
    return stored.isNull() ? QString() : stored.toString();
}

qint64 storedInteger(FieldType type, const QVariant &stored)
{
    if (stored.isNull())
        return 0;
    if (type == FieldType::Money)
        return Money::fromRaw(stored.toLongLong()).truncatedUnits();
    if (type == FieldType::Float)
        return static_cast<qint64>(stored.toDouble());
    return stored.toLongLong();
}

Money storedMoney(FieldType type, const QVariant &stored)
{
    if (stored.isNull())
        return Money();
    if (type == FieldType::Money)
        return Money::fromRaw(stored.toLongLong());
    if (type == FieldType::Float)
        return Money::fromDouble(stored.toDouble());
    if (stored.metaType().id() == QMetaType::QString)
        return Money::parse(stored.toString()).value_or(Money());
    return Money::fromUnits(stored.toLongLong());
}

bool storedBoolean(const QVariant &stored)
{
    if (stored.isNull())
        return false;
    if (stored.metaType().id() == QMetaType::QString) {
        const QString s = stored.toString().trimmed();
        return !(s.isEmpty() || s == u"0" || s.compare(u"false", Qt::CaseInsensitive) == 0);
    }
    return stored.toLongLong() != 0;
}

double storedFloat(FieldType type, const QVariant &stored)
{
    if (stored.isNull())
        return 0.0;
    if (type == FieldType::Money)
        return Money::fromRaw(stored.toLongLong()).toDouble();
    return stored.toDouble();
}

QDate storedDate(const QVariant &stored)
{
    if (stored.isNull())
        return QDate();
    const QString s = stored.toString();
    return QDate::fromString(s.left(10), kDateFormat);
}

QDateTime storedDateTime(const QVariant &stored)
{
    if (stored.isNull())
        return QDateTime();
    const QString s = stored.toString();
    if (s.size() <= 10)
        return storedDate(stored).startOfDay();
    return QDateTime::fromString(s.left(19), kDateTimeFormat);
}

} // namespace k9
