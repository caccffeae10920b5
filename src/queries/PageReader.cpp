#include "queries/PageReader.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace k9 {

namespace {

const QString kRowId = QStringLiteral("rowid");
const QString kBinary = QStringLiteral("BINARY");

QString errorText(const QSqlQuery &q)
{
    const QSqlError e = q.lastError();
    return e.databaseText().isEmpty() ? e.text() : e.databaseText();
}

bool run(QSqlQuery &q, const QString &sql, const QVariantList &values)
{
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        return false;
    for (const QVariant &v : values)
        q.addBindValue(v);
    return q.exec();
}

int declaredSize(const QString &declared)
{
    static const QRegularExpression size(QStringLiteral("\\((\\d+)\\)"));
    const QRegularExpressionMatch m = size.match(declared);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString collationOr(const QString &coll)
{
    return coll.isEmpty() || !isIdentifier(coll) ? kBinary : coll.toUpper();
}

} // namespace

Status PageReader::bind(std::shared_ptr<Database> db, const QString &table)
{
    m_db.reset();
    m_fields.clear();
    m_indexes.clear();
    m_index = 0;
    if (!db)
        return m_status = Status::failure(QStringLiteral("No existe la tabla ") + table);
    if (!isIdentifier(table))
        return m_status = Status::failure(QStringLiteral("Nombre de tabla no válido: ") + table);
    const QString schema = db->schemaOf(table);
    if (schema.isEmpty() || !isIdentifier(schema))
        return m_status = Status::failure(QStringLiteral("No existe la tabla ") + table);
    m_db = std::move(db);
    m_table = table;
    m_schema = schema;
    if (Status s = readFields(); !s) {
        m_db.reset();
        return m_status = s;
    }
    if (Status s = readIndexes(); !s) {
        m_db.reset();
        return m_status = s;
    }
    return m_status = Status::ok();
}

Status PageReader::readFields()
{
    QSqlQuery q(m_db->handle());
    if (!q.exec(QStringLiteral("PRAGMA ") + quoteIdentifier(m_schema) + QStringLiteral(".table_info(")
                + quoteIdentifier(m_table) + u')'))
        return Status::failure(errorText(q));
    while (q.next()) {
        const QString name = q.value(1).toString();
        if (!isIdentifier(name))
            continue; // a column the program could not name is never shown or searched
        const QString declared = q.value(2).toString();
        m_fields.append({name, fieldTypeFromDeclared(declared), declaredSize(declared)});
    }
    if (m_fields.isEmpty())
        return Status::failure(QStringLiteral("No existe la tabla ") + m_table);
    return Status::ok();
}

Status PageReader::readIndexes()
{
    QSqlQuery q(m_db->handle());
    const QString prefix = QStringLiteral("PRAGMA ") + quoteIdentifier(m_schema) + u'.';
    // Primary key fields, in key order.
    if (!q.exec(prefix + QStringLiteral("table_info(") + quoteIdentifier(m_table) + u')'))
        return Status::failure(errorText(q));
    QMap<int, QString> pk;
    while (q.next())
        if (const int order = q.value(5).toInt(); order > 0)
            pk.insert(order, q.value(1).toString());
    IndexInfo primary;
    primary.fields = pk.values();

    struct Listed
    {
        QString origin;
        bool partial = false;
    };
    QHash<QString, Listed> listed;
    if (!q.exec(prefix + QStringLiteral("index_list(") + quoteIdentifier(m_table) + u')'))
        return Status::failure(errorText(q));
    while (q.next())
        listed.insert(q.value(1).toString(), {q.value(3).toString(), q.value(4).toInt() != 0});

    auto keyColumns = [&](const QString &index, IndexInfo &info) -> bool {
        QSqlQuery x(m_db->handle());
        if (!x.exec(prefix + QStringLiteral("index_xinfo(") + quoteIdentifier(index) + u')'))
            return false;
        while (x.next()) {
            if (x.value(5).toInt() != 1)
                continue;
            const QString field = x.value(2).toString();
            if (field.isEmpty() || !isIdentifier(field))
                return false; // an expression: not an index the browser can page on
            info.fields << field;
            info.collations << collationOr(x.value(4).toString());
        }
        return !info.fields.isEmpty();
    };

    for (auto it = listed.cbegin(); it != listed.cend(); ++it) {
        if (it->origin == u"pk" && isIdentifier(it.key())) {
            IndexInfo info;
            if (keyColumns(it.key(), info) && info.fields == primary.fields)
                primary.collations = info.collations;
        }
    }
    while (primary.collations.size() < primary.fields.size())
        primary.collations << kBinary;
    m_indexes << primary;

    // Named indexes in the order they were made.
    if (!run(q,
             QStringLiteral("SELECT name FROM ") + quoteIdentifier(m_schema)
                 + QStringLiteral(".sqlite_master WHERE type = 'index' AND tbl_name = ? COLLATE NOCASE ORDER BY rowid"),
             {m_table}))
        return Status::failure(errorText(q));
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    for (const QString &name : names) {
        const Listed info = listed.value(name);
        if (info.origin == u"pk" || info.partial || !isIdentifier(name))
            continue;
        IndexInfo index;
        index.name = name;
        if (keyColumns(name, index))
            m_indexes << index;
    }
    return Status::ok();
}

int PageReader::fieldIndex(const QString &name) const
{
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

Status PageReader::setIndex(const QString &name)
{
    for (qsizetype i = 0; i < m_indexes.size(); ++i) {
        if (m_indexes[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            m_index = static_cast<int>(i);
            m_hasRange = false;
            m_knownCount = -1;
            return Status::ok();
        }
    }
    return Status::failure(QStringLiteral("No existe el índice ") + name + QStringLiteral(" en ") + m_table);
}

void PageReader::setRange(const QVariant &from, const QVariant &to)
{
    m_rangeFrom = from;
    m_rangeTo = to;
    m_hasRange = !index().fields.isEmpty();
    m_knownCount = -1;
}

void PageReader::setRowSet(QList<qint64> rowIds)
{
    m_rowSet = std::move(rowIds);
    m_rowSetPosition.clear();
    m_rowSetPosition.reserve(m_rowSet.size());
    for (qsizetype i = 0; i < m_rowSet.size(); ++i)
        m_rowSetPosition.insert(m_rowSet[i], i);
    m_hasRowSet = true;
    m_knownCount = -1;
}

void PageReader::clearRowSet()
{
    m_rowSet.clear();
    m_rowSetPosition.clear();
    m_hasRowSet = false;
    m_knownCount = -1;
}

QString PageReader::selectList() const
{
    QStringList columns{kRowId};
    for (const FieldInfo &f : m_fields)
        columns << (f.type == FieldType::Blob ? QStringLiteral("NULL") : quoteIdentifier(f.name));
    return columns.join(QStringLiteral(", "));
}

QString PageReader::qualifiedTable() const
{
    return quoteIdentifier(m_schema) + u'.' + quoteIdentifier(m_table);
}

QString PageReader::column(int indexField) const
{
    const IndexInfo &i = index();
    QString sql = quoteIdentifier(i.fields[indexField]);
    if (i.collations[indexField] != kBinary)
        sql += QStringLiteral(" COLLATE ") + i.collations[indexField];
    return sql;
}

QString PageReader::orderBy(bool descending) const
{
    const QString dir = descending ? QStringLiteral(" DESC") : QString();
    QStringList parts;
    for (int i = 0; i < index().fields.size(); ++i)
        parts << column(i) + dir;
    parts << kRowId + dir;
    return QStringLiteral(" ORDER BY ") + parts.join(QStringLiteral(", "));
}

void PageReader::appendScope(QStringList &conditions, QVariantList &values) const
{
    for (const SqlCondition *filter : {&m_callerFilter, &m_windowFilter}) {
        if (filter->isEmpty())
            continue;
        conditions << u'(' + filter->sql + u')';
        values += filter->values;
    }
    if (m_hasRange) {
        conditions << column(0) + QStringLiteral(" >= ?") << column(0) + QStringLiteral(" <= ?");
        values << m_rangeFrom << m_rangeTo;
    }
}

QList<RawRow> PageReader::select(const Term &extra, bool descending, int limit, qint64 offset)
{
    QList<RawRow> rows;
    if (!m_db || limit <= 0)
        return rows;
    QStringList conditions;
    QVariantList values;
    appendScope(conditions, values);
    conditions += extra.conditions;
    values += extra.values;
    QString sql = QStringLiteral("SELECT ") + selectList() + QStringLiteral(" FROM ") + qualifiedTable();
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    sql += orderBy(descending) + QStringLiteral(" LIMIT ? OFFSET ?");
    values << limit << offset;
    QSqlQuery q(m_db->handle());
    if (!run(q, sql, values)) {
        m_status = Status::failure(errorText(q));
        return rows;
    }
    m_status = Status::ok();
    const int n = static_cast<int>(m_fields.size());
    while (q.next()) {
        RawRow row;
        row.rowid = q.value(0).toLongLong();
        row.values.reserve(n);
        for (int i = 0; i < n; ++i)
            row.values << q.value(i + 1);
        rows << std::move(row);
    }
    return rows;
}

QList<RawRow> PageReader::byRowIds(const QList<qint64> &ids)
{
    QList<RawRow> rows;
    if (!m_db || ids.isEmpty())
        return rows;
    QStringList marks(ids.size(), QStringLiteral("?"));
    QVariantList values;
    for (qint64 id : ids)
        values << id;
    QSqlQuery q(m_db->handle());
    if (!run(q,
             QStringLiteral("SELECT ") + selectList() + QStringLiteral(" FROM ") + qualifiedTable()
                 + QStringLiteral(" WHERE rowid IN (") + marks.join(QStringLiteral(", ")) + u')',
             values)) {
        m_status = Status::failure(errorText(q));
        return rows;
    }
    m_status = Status::ok();
    QHash<qint64, RawRow> found;
    const int n = static_cast<int>(m_fields.size());
    while (q.next()) {
        RawRow row;
        row.rowid = q.value(0).toLongLong();
        for (int i = 0; i < n; ++i)
            row.values << q.value(i + 1);
        found.insert(row.rowid, std::move(row));
    }
    // In the order of the set; a row deleted meanwhile is left out.
    for (qint64 id : ids)
        if (auto it = found.find(id); it != found.end())
            rows << *it;
    return rows;
}

std::optional<qint64> PageReader::countWhere(const QString &condition, const QVariantList &values)
{
    QString sql = QStringLiteral("SELECT count(*) FROM ") + qualifiedTable();
    if (!condition.isEmpty())
        sql += QStringLiteral(" WHERE ") + condition;
    QSqlQuery q(m_db->handle());
    if (!run(q, sql, values) || !q.next()) {
        m_status = Status::failure(errorText(q));
        return std::nullopt;
    }
    return q.value(0).toLongLong();
}

std::optional<double> PageReader::rangeShare()
{
    // The share of rows in the range among rows spread evenly over the row ids.
    constexpr int kProbes = 32;
    QSqlQuery q(m_db->handle());
    // Two sub-selects: SQLite takes min() or max() from the b-tree's ends only one at a time.
    const QString table = qualifiedTable();
    if (!run(q,
             QStringLiteral("SELECT (SELECT min(rowid) FROM ") + table + QStringLiteral("), (SELECT max(rowid) FROM ")
                 + table + u')',
             {})
        || !q.next()
        || q.value(0).isNull())
        return std::nullopt;
    const qint64 low = q.value(0).toLongLong();
    const qint64 high = q.value(1).toLongLong();
    q.finish();
    QVariantList values{m_rangeFrom, m_rangeTo};
    QStringList marks;
    for (int i = 0; i < kProbes; ++i) {
        values << low + static_cast<qint64>(static_cast<double>(high - low) * (i + 0.5) / kProbes);
        marks << QStringLiteral("?");
    }
    const QString sql = QStringLiteral("SELECT sum(CASE WHEN ") + column(0) + QStringLiteral(" >= ? AND ") + column(0)
                        + QStringLiteral(" <= ? THEN 1 ELSE 0 END), count(*) FROM ") + qualifiedTable()
                        + QStringLiteral(" WHERE rowid IN (") + marks.join(QStringLiteral(", ")) + u')';
    if (!run(q, sql, values) || !q.next() || q.value(1).toLongLong() == 0)
        return std::nullopt;
    return q.value(0).toDouble() / q.value(1).toDouble();
}

qint64 PageReader::count()
{
    if (!m_db)
        return 0;
    if (m_hasRowSet)
        return m_rowSet.size();
    m_status = Status::ok();
    std::optional<qint64> n;
    // A range is counted by stepping through its index entries. The whole table counts by
    // pages, far faster: a range over most of the table is counted as the table less the
    // rows outside it.
    const bool wide = m_hasRange && m_callerFilter.isEmpty() && m_windowFilter.isEmpty() && rangeShare().value_or(0) > 0.5;
    if (wide) {
        const auto total = countWhere(QString(), {});
        const auto below = countWhere(column(0) + QStringLiteral(" < ?"), {m_rangeFrom});
        const auto above = countWhere(column(0) + QStringLiteral(" > ?"), {m_rangeTo});
        const auto nulls = countWhere(quoteIdentifier(index().fields[0]) + QStringLiteral(" IS NULL"), {});
        if (total && below && above && nulls)
            n = *total - *below - *above - *nulls;
    } else {
        QStringList conditions;
        QVariantList values;
        appendScope(conditions, values);
        n = countWhere(conditions.join(QStringLiteral(" AND ")), values);
    }
    if (!n)
        return 0;
    m_knownCount = *n;
    return m_knownCount;
}

QList<RawRow> PageReader::first(int n)
{
    if (m_hasRowSet)
        return byRowIds(m_rowSet.mid(0, n));
    return select({}, false, n);
}

QList<RawRow> PageReader::last(int n)
{
    if (m_hasRowSet)
        return byRowIds(m_rowSet.mid(qMax<qsizetype>(0, m_rowSet.size() - n)));
    QList<RawRow> rows = select({}, true, n);
    std::reverse(rows.begin(), rows.end());
    return rows;
}

QList<RawRow> PageReader::at(qint64 position, int n)
{
    if (position <= 0)
        return first(n);
    if (m_hasRowSet)
        return byRowIds(m_rowSet.mid(position, n));
    if (m_knownCount > 0 && position > m_knownCount / 2) {
        // Nearer the end: count from there (OFFSET walks the rows it skips).
        const qint64 end = qMin(m_knownCount, position + n);
        if (end <= position)
            return {};
        QList<RawRow> rows = select({}, true, static_cast<int>(end - position), m_knownCount - end);
        std::reverse(rows.begin(), rows.end());
        return rows;
    }
    return select({}, false, n, position);
}

QVariant PageReader::keyValue(const RawRow &row, int indexField) const
{
    const int f = fieldIndex(index().fields[indexField]);
    return f < 0 ? QVariant() : row.values.value(f);
}

// The rows after a row, in order: those with the same key and a larger row id, then, field
// by field from the last, those equal up to a field and greater in it. Each term is one
// indexed range; NULL (which sorts first) is handled by its own terms.
QList<PageReader::Term> PageReader::termsAfter(const RawRow &row) const
{
    QList<Term> terms;
    const int m = static_cast<int>(index().fields.size());
    for (int i = m; i >= 0; --i) {
        Term t;
        for (int j = 0; j < i; ++j) {
            t.conditions << column(j) + QStringLiteral(" IS ?");
            t.values << keyValue(row, j);
        }
        if (i == m) {
            t.conditions << kRowId + QStringLiteral(" > ?");
            t.values << row.rowid;
        } else if (const QVariant v = keyValue(row, i); v.isNull()) {
            t.conditions << quoteIdentifier(index().fields[i]) + QStringLiteral(" IS NOT NULL");
        } else {
            t.conditions << column(i) + QStringLiteral(" > ?");
            t.values << v;
        }
        terms << t;
    }
    return terms;
}

QList<PageReader::Term> PageReader::termsBefore(const RawRow &row) const
{
    QList<Term> terms;
    const int m = static_cast<int>(index().fields.size());
    for (int i = m; i >= 0; --i) {
        Term prefix;
        for (int j = 0; j < i; ++j) {
            prefix.conditions << column(j) + QStringLiteral(" IS ?");
            prefix.values << keyValue(row, j);
        }
        if (i == m) {
            prefix.conditions << kRowId + QStringLiteral(" < ?");
            prefix.values << row.rowid;
            terms << prefix;
            continue;
        }
        const QVariant v = keyValue(row, i);
        if (v.isNull())
            continue; // nothing sorts before NULL
        Term less = prefix;
        less.conditions << column(i) + QStringLiteral(" < ?");
        less.values << v;
        terms << less;
        Term null = prefix;
        null.conditions << quoteIdentifier(index().fields[i]) + QStringLiteral(" IS NULL");
        terms << null;
    }
    return terms;
}

QList<RawRow> PageReader::after(const RawRow &row, int n)
{
    if (m_hasRowSet) {
        const qsizetype at = m_rowSetPosition.value(row.rowid, -1);
        return at < 0 ? QList<RawRow>() : byRowIds(m_rowSet.mid(at + 1, n));
    }
    QList<RawRow> rows;
    for (const Term &t : termsAfter(row)) {
        if (rows.size() >= n)
            break;
        rows += select(t, false, n - static_cast<int>(rows.size()));
        if (!m_status)
            break;
    }
    return rows;
}

QList<RawRow> PageReader::before(const RawRow &row, int n)
{
    if (m_hasRowSet) {
        const qsizetype at = m_rowSetPosition.value(row.rowid, -1);
        if (at <= 0)
            return {};
        const qsizetype from = qMax<qsizetype>(0, at - n);
        return byRowIds(m_rowSet.mid(from, at - from));
    }
    QList<RawRow> rows;
    for (const Term &t : termsBefore(row)) {
        if (rows.size() >= n)
            break;
        rows += select(t, true, n - static_cast<int>(rows.size()));
        if (!m_status)
            break;
    }
    std::reverse(rows.begin(), rows.end());
    return rows;
}

Status PageReader::scan(const std::function<bool(const RawRow &)> &visit)
{
    if (!m_db)
        return Status::failure(QStringLiteral("La tabla no está abierta"));
    QStringList conditions;
    QVariantList values;
    appendScope(conditions, values);
    QString sql = QStringLiteral("SELECT ") + selectList() + QStringLiteral(" FROM ") + qualifiedTable();
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    sql += orderBy(false);
    QSqlQuery q(m_db->handle());
    if (!run(q, sql, values))
        return m_status = Status::failure(errorText(q));
    const int n = static_cast<int>(m_fields.size());
    RawRow row;
    while (q.next()) {
        row.rowid = q.value(0).toLongLong();
        row.values.resize(n);
        for (int i = 0; i < n; ++i)
            row.values[i] = q.value(i + 1);
        if (!visit(row))
            break;
    }
    if (q.lastError().isValid())
        return m_status = Status::failure(errorText(q));
    return m_status = Status::ok();
}

} // namespace k9
