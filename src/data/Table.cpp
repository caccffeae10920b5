#include "data/Table.h"

#include "data/Storage.h"

#include <QSqlError>
#include <QSqlQuery>

namespace k9 {

namespace {

const QString kRowId = QStringLiteral("rowid");

QString errorText(const QSqlQuery &q)
{
    const QSqlError e = q.lastError();
    return e.databaseText().isEmpty() ? e.text() : e.databaseText();
}

bool execWith(QSqlQuery &q, const QString &sql, const QVariantList &values)
{
    if (!q.prepare(sql))
        return false;
    for (const QVariant &v : values)
        q.addBindValue(v);
    return q.exec();
}

// Lexicographic comparison of `fields` with `values`, NULL sorting before every value as
// SQLite orders it: (fields) > values, or < values; `orEqual` adds equality.
QString lexCompare(const QStringList &fields, const QVariantList &values, bool greater,
                   bool orEqual, QVariantList &bind)
{
    const qsizetype n = qMin(fields.size(), values.size());
    bool anyNull = false;
    for (qsizetype i = 0; i < n; ++i)
        anyNull = anyNull || values[i].isNull();
    if (!anyNull && n > 0 && (greater || n == 1)) {
        // Row values use the index directly. With NULL-free values a row holding NULL in a
        // compared field is smaller, which is what `>` (and a single `<` with IS NULL) gives.
        QStringList marks;
        for (qsizetype i = 0; i < n; ++i) {
            marks << QStringLiteral("?");
            bind << values[i];
        }
        const QString lhs = u'(' + fields.mid(0, n).join(u", ") + u')';
        const QString op = greater ? (orEqual ? QStringLiteral(">=") : QStringLiteral(">"))
                                   : (orEqual ? QStringLiteral("<=") : QStringLiteral("<"));
        QString sql = lhs + u' ' + op + QStringLiteral(" (") + marks.join(u", ") + u')';
        if (!greater)
            sql = u'(' + sql + QStringLiteral(" OR ") + fields[0] + QStringLiteral(" IS NULL)");
        return u'(' + sql + u')';
    }
    QStringList terms;
    for (qsizetype i = 0; i <= n; ++i) {
        const bool equalityTerm = i == n;
        if (equalityTerm && !orEqual)
            break;
        QStringList parts;
        QVariantList termBind;
        for (qsizetype j = 0; j < i; ++j) {
            parts << fields[j] + QStringLiteral(" IS ?");
            termBind << values[j];
        }
        if (!equalityTerm) {
            if (greater) {
                if (values[i].isNull()) {
                    parts << fields[i] + QStringLiteral(" IS NOT NULL");
                } else {
                    parts << fields[i] + QStringLiteral(" > ?");
                    termBind << values[i];
                }
            } else {
                if (values[i].isNull())
                    continue; // nothing sorts before NULL
                parts << u'(' + fields[i] + QStringLiteral(" < ? OR ") + fields[i] + QStringLiteral(" IS NULL)");
                termBind << values[i];
            }
        }
        terms << (parts.isEmpty() ? QStringLiteral("1") : u'(' + parts.join(QStringLiteral(" AND ")) + u')');
        bind += termBind;
    }
    return terms.isEmpty() ? QStringLiteral("0") : u'(' + terms.join(QStringLiteral(" OR ")) + u')';
}

} // namespace

void Table::setTableName(const QString &name)
{
    if (isActive())
        close();
    m_name = name;
}

void Table::setDatabase(std::shared_ptr<Database> db, const QString &schema)
{
    if (isActive())
        close();
    m_db = std::move(db);
    m_schema = schema;
}

bool Table::exists() const
{
    if (!m_db || !isIdentifier(m_name))
        return false;
    return m_schema.isEmpty() ? !m_db->schemaOf(m_name).isEmpty() : m_db->hasTable(m_name, m_schema);
}

Status Table::open()
{
    if (isActive())
        return Status::ok();
    if (!m_db)
        return Status::failure(QStringLiteral("La tabla ") + m_name + QStringLiteral(" no tiene base de datos"));
    if (!isIdentifier(m_name))
        return Status::failure(QStringLiteral("Nombre de tabla no válido: ") + m_name);
    QString schema = m_schema.isEmpty() ? m_db->schemaOf(m_name) : m_schema;
    if (schema.isEmpty() || !isIdentifier(schema) || !m_db->hasTable(m_name, schema))
        return Status::failure(QStringLiteral("No existe la tabla ") + m_name);
    m_schema = schema;

    QSqlQuery q(m_db->handle());
    if (!q.exec(QStringLiteral("PRAGMA ") + quoteIdentifier(m_schema) + QStringLiteral(".table_info(")
                + quoteIdentifier(m_name) + u')'))
        return Status::failure(errorText(q));
    m_columns.clear();
    while (q.next()) {
        // The name may come back in another case than the caller wrote; keep the table's own.
        m_columns.append({q.value(1).toString(), fieldTypeFromDeclared(q.value(2).toString())});
    }
    q.finish();
    m_state = State::Browse;
    if (Status s = setIndex(QString()); !s) {
        close();
        return s;
    }
    first();
    return Status::ok();
}

void Table::close()
{
    m_state = State::Inactive;
    m_columns.clear();
    m_indexName.clear();
    m_indexFields.clear();
    m_hasRange = false;
    m_rangeFrom.clear();
    m_rangeTo.clear();
    m_filter.clear();
    m_filterValues.clear();
    clearRow();
    m_eof = m_bof = true;
}

Status Table::setIndex(const QString &indexName)
{
    if (!isActive())
        return Status::failure(QStringLiteral("La tabla ") + m_name + QStringLiteral(" no está abierta"));
    QStringList fields;
    QSqlQuery q(m_db->handle());
    if (indexName.isEmpty()) {
        if (!q.exec(QStringLiteral("PRAGMA ") + quoteIdentifier(m_schema) + QStringLiteral(".table_info(")
                    + quoteIdentifier(m_name) + u')'))
            return Status::failure(errorText(q));
        QMap<int, QString> pk;
        while (q.next())
            if (const int order = q.value(5).toInt(); order > 0)
                pk.insert(order, q.value(1).toString());
        fields = pk.values();
    } else {
        if (!isIdentifier(indexName))
            return Status::failure(QStringLiteral("Índice no válido: ") + indexName);
        // Only an index of this table will do.
        if (!execWith(q, QStringLiteral("SELECT 1 FROM ") + quoteIdentifier(m_schema)
                             + QStringLiteral(".sqlite_master WHERE type = 'index' AND name = ? COLLATE NOCASE AND tbl_name = ? COLLATE NOCASE"),
                      {indexName, m_name})
            || !q.next())
            return Status::failure(QStringLiteral("No existe el índice ") + indexName + QStringLiteral(" en ") + m_name);
        q.finish();
        if (!q.exec(QStringLiteral("PRAGMA ") + quoteIdentifier(m_schema) + QStringLiteral(".index_info(")
                    + quoteIdentifier(indexName) + u')'))
            return Status::failure(errorText(q));
        while (q.next())
            fields << q.value(2).toString();
    }
    m_indexName = indexName;
    m_indexFields = fields;
    // A range belongs to the index it was set on.
    m_hasRange = false;
    return Status::ok();
}

void Table::setRange(const QVariantList &from, const QVariantList &to)
{
    m_rangeFrom.clear();
    m_rangeTo.clear();
    for (qsizetype i = 0; i < from.size() && i < m_indexFields.size(); ++i)
        m_rangeFrom << toStorage(fieldType(m_indexFields[i]), from[i]);
    for (qsizetype i = 0; i < to.size() && i < m_indexFields.size(); ++i)
        m_rangeTo << toStorage(fieldType(m_indexFields[i]), to[i]);
    m_hasRange = true;
    first();
}

void Table::cancelRange()
{
    m_hasRange = false;
    first();
}

void Table::setFilter(const QString &condition, const QVariantList &values)
{
    m_filter = condition;
    m_filterValues.clear();
    for (const QVariant &v : values)
        m_filterValues << toStorage(v);
    first();
}

void Table::clearFilter()
{
    m_filter.clear();
    m_filterValues.clear();
    first();
}

QString Table::qualifiedName() const
{
    return quoteIdentifier(m_schema) + u'.' + quoteIdentifier(m_name);
}

QString Table::orderBy(bool descending) const
{
    QStringList parts;
    const QString dir = descending ? QStringLiteral(" DESC") : QString();
    for (const QString &f : m_indexFields)
        parts << quoteIdentifier(f) + dir;
    parts << kRowId + dir;
    return QStringLiteral(" ORDER BY ") + parts.join(u", ");
}

void Table::appendScope(QStringList &conditions, QVariantList &values) const
{
    if (m_hasRange) {
        QStringList fields;
        for (const QString &f : m_indexFields)
            fields << quoteIdentifier(f);
        if (m_rangeFrom == m_rangeTo) {
            for (qsizetype i = 0; i < m_rangeFrom.size(); ++i) {
                conditions << fields[i] + QStringLiteral(" IS ?");
                values << m_rangeFrom[i];
            }
        } else {
            if (!m_rangeFrom.isEmpty())
                conditions << lexCompare(fields, m_rangeFrom, true, true, values);
            if (!m_rangeTo.isEmpty())
                conditions << lexCompare(fields, m_rangeTo, false, true, values);
        }
    }
    if (!m_filter.isEmpty()) {
        conditions << u'(' + m_filter + u')';
        values += m_filterValues;
    }
}

QVariantList Table::keyOfCurrent() const
{
    QVariantList key;
    for (const QString &f : m_indexFields)
        key << m_row.value(columnOf(f));
    key << m_rowId;
    return key;
}

bool Table::fetch(const QStringList &extraConditions, const QVariantList &extraValues, bool descending)
{
    if (!isActive())
        return fail(QStringLiteral("La tabla ") + m_name + QStringLiteral(" no está abierta"));
    QStringList conditions;
    QVariantList values;
    appendScope(conditions, values);
    conditions += extraConditions;
    values += extraValues;
    QStringList columns{kRowId};
    for (const Column &c : m_columns)
        columns << quoteIdentifier(c.name);
    QString sql = QStringLiteral("SELECT ") + columns.join(u", ") + QStringLiteral(" FROM ") + qualifiedName();
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    sql += orderBy(descending) + QStringLiteral(" LIMIT 1");
    QSqlQuery q(m_db->handle());
    q.setForwardOnly(true);
    if (!execWith(q, sql, values))
        return fail(errorText(q));
    m_lastStatus = Status::ok();
    return loadFrom(q);
}

bool Table::loadFrom(QSqlQuery &q)
{
    if (!q.next())
        return false;
    m_rowId = q.value(0).toLongLong();
    m_row.resize(m_columns.size());
    for (qsizetype i = 0; i < m_columns.size(); ++i)
        m_row[i] = q.value(static_cast<int>(i + 1));
    m_modified.clear();
    m_hasRow = true;
    m_state = State::Browse;
    return true;
}

bool Table::fetchAfter(const QVariantList &key, bool forward)
{
    QStringList fields;
    for (const QString &f : m_indexFields)
        fields << quoteIdentifier(f);
    fields << kRowId;
    QVariantList values;
    const QString condition = lexCompare(fields, key, forward, false, values);
    return fetch({condition}, values, !forward);
}

void Table::clearRow()
{
    m_row.clear();
    m_modified.clear();
    m_rowId = 0;
    m_hasRow = false;
}

bool Table::fail(const QString &message)
{
    m_lastStatus = Status::failure(message);
    return false;
}

bool Table::first()
{
    if (m_state == State::Edit || m_state == State::Insert)
        cancel();
    clearRow();
    const bool found = fetch({}, {}, false);
    m_bof = true;
    m_eof = !found;
    return found;
}

bool Table::last()
{
    if (m_state == State::Edit || m_state == State::Insert)
        cancel();
    clearRow();
    const bool found = fetch({}, {}, true);
    m_eof = true;
    m_bof = !found;
    return found;
}

bool Table::next()
{
    if (m_state == State::Edit || m_state == State::Insert)
        cancel();
    if (!m_hasRow) {
        m_eof = true;
        return false;
    }
    const bool found = fetchAfter(keyOfCurrent(), true);
    if (found)
        m_bof = false;
    else
        m_eof = true;
    return found;
}

bool Table::prior()
{
    if (m_state == State::Edit || m_state == State::Insert)
        cancel();
    if (!m_hasRow) {
        m_bof = true;
        return false;
    }
    const bool found = fetchAfter(keyOfCurrent(), false);
    if (found)
        m_eof = false;
    else
        m_bof = true;
    return found;
}

bool Table::findKey(const QVariantList &key)
{
    if (m_state == State::Edit || m_state == State::Insert)
        cancel();
    QStringList conditions;
    QVariantList values;
    for (qsizetype i = 0; i < key.size() && i < m_indexFields.size(); ++i) {
        conditions << quoteIdentifier(m_indexFields[i]) + QStringLiteral(" IS ?");
        values << toStorage(fieldType(m_indexFields[i]), key[i]);
    }
    const bool found = fetch(conditions, values, false);
    if (found)
        m_eof = m_bof = false;
    return found;
}

bool Table::gotoRowId(qint64 rowId)
{
    if (m_state == State::Edit || m_state == State::Insert)
        cancel();
    const bool found = fetch({kRowId + QStringLiteral(" = ?")}, {rowId}, false);
    if (found)
        m_eof = m_bof = false;
    return found;
}

qint64 Table::recordCount()
{
    if (!isActive())
        return 0;
    QStringList conditions;
    QVariantList values;
    appendScope(conditions, values);
    QString sql = QStringLiteral("SELECT count(*) FROM ") + qualifiedName();
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    QSqlQuery q(m_db->handle());
    if (!execWith(q, sql, values) || !q.next()) {
        fail(errorText(q));
        return 0;
    }
    return q.value(0).toLongLong();
}

int Table::columnOf(const QString &name) const
{
    for (qsizetype i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

QStringList Table::fieldNames() const
{
    QStringList out;
    for (const Column &c : m_columns)
        out << c.name;
    return out;
}

FieldType Table::fieldType(const QString &name) const
{
    const int i = columnOf(name);
    return i < 0 ? FieldType::String : m_columns[i].type;
}

QVariant Table::value(const QString &name) const
{
    const int i = columnOf(name);
    if (i < 0) {
        qWarning("Table %s has no field %s", qPrintable(m_name), qPrintable(name));
        return QVariant();
    }
    return fromStorage(m_columns[i].type, m_row.value(i));
}

bool Table::isNull(const QString &name) const
{
    const int i = columnOf(name);
    return i < 0 || m_row.value(i).isNull();
}

QString Table::text(const QString &name) const
{
    const int i = columnOf(name);
    return i < 0 ? QString() : storedText(m_row.value(i));
}

qint64 Table::integer(const QString &name) const
{
    const int i = columnOf(name);
    return i < 0 ? 0 : storedInteger(m_columns[i].type, m_row.value(i));
}

Money Table::money(const QString &name) const
{
    const int i = columnOf(name);
    return i < 0 ? Money() : storedMoney(m_columns[i].type, m_row.value(i));
}

bool Table::boolean(const QString &name) const
{
    const int i = columnOf(name);
    return i >= 0 && storedBoolean(m_row.value(i));
}

double Table::number(const QString &name) const
{
    const int i = columnOf(name);
    return i < 0 ? 0.0 : storedFloat(m_columns[i].type, m_row.value(i));
}

QDate Table::date(const QString &name) const
{
    const int i = columnOf(name);
    return i < 0 ? QDate() : storedDate(m_row.value(i));
}

QDateTime Table::dateTime(const QString &name) const
{
    const int i = columnOf(name);
    return i < 0 ? QDateTime() : storedDateTime(m_row.value(i));
}

QByteArray Table::blob(const QString &name) const
{
    const int i = columnOf(name);
    if (i < 0 || m_row.value(i).isNull())
        return QByteArray();
    return m_row.value(i).toByteArray();
}

Status Table::setValue(const QString &name, const QVariant &value)
{
    if (m_state != State::Edit && m_state != State::Insert)
        return m_lastStatus = Status::failure(QStringLiteral("La tabla ") + m_name + QStringLiteral(" no está en edición"));
    const int i = columnOf(name);
    if (i < 0)
        return m_lastStatus = Status::failure(QStringLiteral("No existe el campo ") + name + QStringLiteral(" en ") + m_name);
    m_row[i] = toStorage(m_columns[i].type, value);
    m_modified.insert(i);
    return Status::ok();
}

Status Table::setNull(const QString &name)
{
    return setValue(name, QVariant());
}

void Table::insert()
{
    if (!isActive())
        return;
    if (m_state == State::Edit || m_state == State::Insert)
        cancel();
    m_row = QVariantList(m_columns.size());
    m_modified.clear();
    m_rowId = 0;
    m_state = State::Insert;
}

Status Table::edit()
{
    if (!isActive() || !m_hasRow)
        return m_lastStatus = Status::failure(QStringLiteral("No hay registro para editar en ") + m_name);
    m_state = State::Edit;
    return Status::ok();
}

Status Table::post()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return Status::ok();
    QSqlQuery q(m_db->handle());
    QVariantList values;
    QStringList names;
    QList<int> modified(m_modified.begin(), m_modified.end());
    std::sort(modified.begin(), modified.end());
    for (int i : modified) {
        names << quoteIdentifier(m_columns[i].name);
        values << m_row[i];
    }
    qint64 rowId = m_rowId;
    if (m_state == State::Insert) {
        QString sql = QStringLiteral("INSERT INTO ") + qualifiedName();
        if (names.isEmpty()) {
            sql += QStringLiteral(" DEFAULT VALUES");
        } else {
            QStringList marks(names.size(), QStringLiteral("?"));
            sql += QStringLiteral(" (") + names.join(u", ") + QStringLiteral(") VALUES (") + marks.join(u", ") + u')';
        }
        if (!execWith(q, sql, values))
            return m_lastStatus = Status::failure(errorText(q));
        rowId = q.lastInsertId().toLongLong();
    } else if (!names.isEmpty()) {
        QStringList sets;
        for (const QString &n : names)
            sets << n + QStringLiteral(" = ?");
        values << m_rowId;
        if (!execWith(q, QStringLiteral("UPDATE ") + qualifiedName() + QStringLiteral(" SET ") + sets.join(u", ")
                             + QStringLiteral(" WHERE rowid = ?"),
                      values))
            return m_lastStatus = Status::failure(errorText(q));
    }
    q.finish();
    m_state = State::Browse;
    m_modified.clear();
    // Read the row back: the engine fills the AutoInc key and the defaults.
    if (!gotoRowId(rowId))
        clearRow();
    return m_lastStatus = Status::ok();
}

void Table::cancel()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    const bool wasInsert = m_state == State::Insert;
    const qint64 rowId = m_rowId;
    m_state = State::Browse;
    m_modified.clear();
    if (wasInsert || !gotoRowId(rowId))
        first();
}

Status Table::remove()
{
    if (!isActive() || !m_hasRow)
        return m_lastStatus = Status::failure(QStringLiteral("No hay registro para borrar en ") + m_name);
    if (m_state == State::Insert) {
        cancel();
        return Status::ok();
    }
    const QVariantList key = keyOfCurrent();
    QSqlQuery q(m_db->handle());
    if (!execWith(q, QStringLiteral("DELETE FROM ") + qualifiedName() + QStringLiteral(" WHERE rowid = ?"), {m_rowId}))
        return m_lastStatus = Status::failure(errorText(q));
    q.finish();
    m_state = State::Browse;
    // Move to the row that followed, or to the one before when it was the last.
    if (!fetchAfter(key, true)) {
        if (!fetchAfter(key, false)) {
            clearRow();
            m_eof = m_bof = true;
        } else {
            m_eof = true;
        }
    }
    return m_lastStatus = Status::ok();
}

Status Table::refresh()
{
    if (!isActive())
        return Status::failure(QStringLiteral("La tabla ") + m_name + QStringLiteral(" no está abierta"));
    if (m_hasRow && gotoRowId(m_rowId))
        return Status::ok();
    first();
    return m_lastStatus;
}

} // namespace k9
