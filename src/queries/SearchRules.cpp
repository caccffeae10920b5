#include "queries/SearchRules.h"

#include "core/Money.h"
#include "core/Regional.h"
#include "data/Storage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <limits>

namespace k9 {

namespace {

constexpr qint64 kIntegerSpan = 1410065407;
constexpr double kFloatSpan = 99999999999999.0;
constexpr qint64 kInt32Max = std::numeric_limits<qint32>::max();

std::optional<double> parseNumber(QString text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const RegionalSettings &r = regional();
    text.remove(r.thousandsSeparator);
    text.replace(r.decimalSeparator, u'.');
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> parseInteger(QString text)
{
    text = text.trimmed();
    text.remove(regional().thousandsSeparator);
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QDate parseTypedDate(const QString &text)
{
    QDate d = parseDate(text);
    if (!d.isValid())
        d = QDate::fromString(text.trimmed(), QStringLiteral("d/M/yyyy"));
    return d;
}

QString escapeLike(QString word)
{
    word.replace(u'\\', QStringLiteral("\\\\"));
    word.replace(u'%', QStringLiteral("\\%"));
    word.replace(u'_', QStringLiteral("\\_"));
    return word;
}

} // namespace

std::optional<IndexRange> indexRangeFor(FieldType type, const QString &typed)
{
    switch (type) {
    case FieldType::String:
    case FieldType::Memo: {
        const QString from = typed.toUpper();
        if (from.isEmpty())
            return std::nullopt;
        const QString to(QChar(static_cast<char16_t>(from.at(0).unicode() + 1)));
        return IndexRange{from, to};
    }
    case FieldType::Integer:
    case FieldType::SmallInt:
    case FieldType::AutoInc: {
        const std::optional<qint64> n = parseInteger(typed);
        if (!n)
            return std::nullopt;
        qint64 to = *n > std::numeric_limits<qint64>::max() - kIntegerSpan ? std::numeric_limits<qint64>::max()
                                                                           : *n + kIntegerSpan;
        if (*n <= kInt32Max)
            to = qMin(to, kInt32Max);
        return IndexRange{*n, to};
    }
    case FieldType::Float: {
        const std::optional<double> x = parseNumber(typed);
        if (!x)
            return std::nullopt;
        return IndexRange{*x, *x + kFloatSpan};
    }
    case FieldType::Money: {
        const std::optional<double> x = parseNumber(typed);
        if (!x || std::abs(*x) > 9e14)
            return std::nullopt;
        const Money from = Money::fromDouble(*x);
        const Money span = Money::fromDouble(kFloatSpan);
        const qint64 to = from.raw() > std::numeric_limits<qint64>::max() - span.raw()
                              ? std::numeric_limits<qint64>::max()
                              : from.raw() + span.raw();
        return IndexRange{QVariant::fromValue<qlonglong>(from.raw()), QVariant::fromValue<qlonglong>(to)};
    }
    case FieldType::Date:
    case FieldType::DateTime: {
        const QDate d = parseTypedDate(typed);
        if (!d.isValid())
            return std::nullopt;
        const QDate end(6000, 12, 31);
        if (type == FieldType::Date)
            return IndexRange{toStorage(QVariant(d)), toStorage(QVariant(end))};
        // A date-time compares as its text: the bare date sorts before every time of that day.
        return IndexRange{toStorage(QVariant(d)), toStorage(QVariant(QDateTime(end, QTime(23, 59, 59))))};
    }
    case FieldType::Boolean:
    case FieldType::Blob: break;
    }
    return std::nullopt;
}

WordFilter WordFilter::parse(const QString &text)
{
    WordFilter filter;
    const QString upper = text.toUpper();
    filter.allInOneField = upper.contains(QStringLiteral(",,"));
    for (QString word : upper.split(u',')) {
        word.remove(u'*');
        word = word.trimmed();
        if (word.isEmpty())
            continue;
        filter.words << word;
        if (filter.words.size() == kMaxWords)
            break;
    }
    return filter;
}

bool WordFilter::matches(const QStringList &fields) const
{
    if (words.isEmpty())
        return true;
    if (allInOneField) {
        for (const QString &field : fields) {
            bool all = true;
            for (const QString &word : words) {
                if (!field.contains(word)) {
                    all = false;
                    break;
                }
            }
            if (all)
                return true;
        }
        return false;
    }
    for (const QString &field : fields)
        for (const QString &word : words)
            if (field.contains(word))
                return true;
    return false;
}

QString queryDefinitionFile(const QString &dir, const QString &table)
{
    if (dir.isEmpty() || table.isEmpty())
        return QString();
    const QDir d(dir);
    const QString exact = d.filePath(table + QStringLiteral(".SQL"));
    if (QFileInfo(exact).isFile())
        return exact;
    // Names written on another system may differ in case.
    const QString wanted = table + QStringLiteral(".sql");
    for (const QString &name : d.entryList(QDir::Files))
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return d.filePath(name);
    return QString();
}

QStringList readQueryDefinition(const QString &file, const QList<FieldInfo> &fields)
{
    QStringList out;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString name = in.readLine().trimmed();
        if (name.isEmpty())
            continue;
        for (const FieldInfo &field : fields) {
            if (field.name.compare(name, Qt::CaseInsensitive) == 0 && field.type != FieldType::Blob) {
                if (!out.contains(field.name))
                    out << field.name;
                break;
            }
        }
    }
    return out;
}

QList<QueryWord> parseQueryWords(const QString &text)
{
    QString clean = text.toUpper();
    clean.remove(u'*');
    QList<QueryWord> words;
    bool doubleComma = false;
    const QStringList pieces = clean.split(u',');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QString word = pieces[i].trimmed();
        if (word.isEmpty()) {
            // An empty piece between two commas: the next word joins with AND.
            if (i > 0)
                doubleComma = true;
            continue;
        }
        words << QueryWord{word, !words.isEmpty() && doubleComma};
        doubleComma = false;
    }
    return words;
}

SqlCondition queryCondition(const QStringList &definitionFields, const QList<QueryWord> &words)
{
    SqlCondition condition;
    if (definitionFields.isEmpty() || words.isEmpty())
        return condition;
    QStringList joined;
    for (const QString &field : definitionFields)
        joined << QStringLiteral("ifnull(") + quoteIdentifier(field) + QStringLiteral(", '')");
    const QString haystack = QStringLiteral("k9_upper(") + joined.join(QStringLiteral(" || ")) + u')';
    QString sql;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i > 0)
            sql += words[i].andWithPrevious ? QStringLiteral(" AND ") : QStringLiteral(" OR ");
        sql += QStringLiteral(" (") + haystack + QStringLiteral(" LIKE ? ESCAPE '\\' ) ");
        condition.values << u'%' + escapeLike(words[i].word) + u'%';
    }
    condition.sql = sql;
    return condition;
}

} // namespace k9
