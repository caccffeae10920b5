#include "queries/BrowserColumns.h"

#include "core/Regional.h"
#include "data/Storage.h"
#include "queries/LookupCache.h"

namespace k9 {

namespace {

bool isIntegerType(FieldType type)
{
    return type == FieldType::Integer || type == FieldType::SmallInt || type == FieldType::AutoInc;
}

QString paddedInteger(qint64 value)
{
    constexpr int kDigits = 100;
    if (value < 0)
        return u'-' + QString::number(-value).rightJustified(kDigits - 1, u'0');
    return QString::number(value).rightJustified(kDigits, u'0');
}

QString memoText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("-"));
    text.replace(u'\n', u'-');
    text.replace(u'\r', u'-');
    return text;
}

QString dateOnly(const QVariant &stored)
{
    return formatDate(storedDate(stored));
}

// The untranslated text of a cell.
QString plainText(FieldType type, const QVariant &stored)
{
    if (stored.isNull())
        return QString();
    switch (type) {
    case FieldType::Integer:
    case FieldType::SmallInt:
    case FieldType::AutoInc: return paddedInteger(storedInteger(type, stored));
    case FieldType::Boolean: return storedBoolean(stored) ? QStringLiteral("Si") : QStringLiteral("No");
    case FieldType::Money: return formatAmountTrimmed(storedMoney(type, stored), regional().amountDecimals);
    case FieldType::Float: return formatNumber(storedFloat(type, stored), regional().amountDecimals, 0);
    case FieldType::Date:
    case FieldType::DateTime: return dateOnly(stored);
    case FieldType::Memo: return memoText(storedText(stored));
    case FieldType::String:
    case FieldType::Blob: break;
    }
    return storedText(stored);
}

} // namespace

bool BrowserColumn::rightAligned() const
{
    if (isLookup())
        return false;
    if (isIntegerType(type))
        return !isCoded();
    return type == FieldType::Float || type == FieldType::Money;
}

bool isShowableType(FieldType type)
{
    return type != FieldType::Blob;
}

QList<BrowserColumn> buildColumns(const QList<FieldInfo> &fields, const QList<ColumnDef> &defs)
{
    QList<BrowserColumn> columns;
    for (qsizetype f = 0; f < fields.size(); ++f) {
        if (!isShowableType(fields[f].type))
            continue;
        for (qsizetype d = 0; d < defs.size(); ++d) {
            if (defs[d].field.compare(fields[f].name, Qt::CaseInsensitive) != 0)
                continue;
            BrowserColumn c;
            c.fieldIndex = static_cast<int>(f);
            c.type = fields[f].type;
            c.fieldSize = fields[f].size;
            c.definition = static_cast<int>(d);
            c.def = defs[d];
            columns << c;
            break;
        }
    }
    return columns;
}

QString keyText(FieldType type, const QVariant &stored)
{
    if (stored.isNull())
        return QString();
    switch (type) {
    case FieldType::Integer:
    case FieldType::SmallInt:
    case FieldType::AutoInc: return QString::number(storedInteger(type, stored));
    case FieldType::Boolean: return storedBoolean(stored) ? QStringLiteral("Si") : QStringLiteral("No");
    case FieldType::Money: return storedMoney(type, stored).toPlainString();
    case FieldType::Float: return QString::number(storedFloat(type, stored));
    case FieldType::Date: return formatDate(storedDate(stored));
    case FieldType::DateTime: {
        const QDateTime dt = storedDateTime(stored);
        if (!dt.isValid())
            return QString();
        const QString date = formatDate(dt.date());
        return dt.time() == QTime(0, 0) ? date : date + u' ' + dt.time().toString(QStringLiteral("HH:mm:ss"));
    }
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::Blob: break;
    }
    return storedText(stored);
}

QString cellText(const BrowserColumn &column, const QVariant &stored, LookupCache *lookups)
{
    if (column.isLookup()) {
        const QString key = keyText(column.type, stored);
        if (key.isEmpty() || !lookups)
            return key;
        const std::optional<QString> text = lookups->find(column.def.lookup, key);
        return text ? key + u'-' + *text : key;
    }
    if (column.isCoded() && !stored.isNull()) {
        bool ok = isIntegerType(column.type) || column.type == FieldType::Boolean;
        qint64 value = 0;
        if (ok)
            value = storedInteger(column.type, stored);
        else
            value = storedText(stored).trimmed().toLongLong(&ok);
        if (ok && value >= 0 && value < column.def.codes.size())
            return column.def.codes.at(value);
    }
    return plainText(column.type, stored);
}

QString searchText(FieldType type, const QVariant &stored)
{
    if (stored.isNull() || type == FieldType::Blob)
        return QString();
    switch (type) {
    case FieldType::String:
    case FieldType::Memo: return storedText(stored).toUpper();
    case FieldType::Money: {
        // The amount with its decimals and no thousands separators (a "," splits words).
        QString plain = formatAmount(storedMoney(type, stored), regional().amountDecimals, 0);
        plain.remove(regional().thousandsSeparator);
        return plain;
    }
    default: break;
    }
    return keyText(type, stored).toUpper();
}

} // namespace k9
