#include "data/Query.h"

#include "data/Storage.h"

#include <QSqlError>

namespace k9 {

namespace {
Status failureOf(const QSqlQuery &q)
{
    const QSqlError e = q.lastError();
    return Status::failure(e.databaseText().isEmpty() ? e.text() : e.databaseText());
}
} // namespace

Query::Query(Database &db) : m_query(db.handle())
{
    m_query.setForwardOnly(true);
}

Status Query::prepare(const QString &sql)
{
    return m_query.prepare(sql) ? Status::ok() : failureOf(m_query);
}

void Query::bind(const QString &name, const QVariant &value)
{
    m_query.bindValue(name.startsWith(u':') ? name : u':' + name, toStorage(value));
}

Status Query::exec()
{
    return m_query.exec() ? Status::ok() : failureOf(m_query);
}

Status Query::run(const QString &sql, const QVariantMap &values)
{
    if (Status s = prepare(sql); !s)
        return s;
    for (auto it = values.begin(); it != values.end(); ++it)
        bind(it.key(), it.value());
    return exec();
}

bool Query::next()
{
    return m_query.next();
}

QString Query::text(const QString &column) const
{
    return storedText(value(column));
}

qint64 Query::integer(const QString &column) const
{
    return storedInteger(FieldType::Integer, value(column));
}

Money Query::money(const QString &column) const
{
    return storedMoney(FieldType::Money, value(column));
}

bool Query::boolean(const QString &column) const
{
    return storedBoolean(value(column));
}

double Query::number(const QString &column) const
{
    return storedFloat(FieldType::Float, value(column));
}

QDate Query::date(const QString &column) const
{
    return storedDate(value(column));
}

QDateTime Query::dateTime(const QString &column) const
{
    return storedDateTime(value(column));
}

QByteArray Query::blob(const QString &column) const
{
    const QVariant v = value(column);
    return v.isNull() ? QByteArray() : v.toByteArray();
}

} // namespace k9

namespace k9 {

Status insertRow(Database &db, const QString &table, const FieldValues &values, qint64 *rowId)
{
    if (!isIdentifier(table))
        return Status::failure(QStringLiteral("Nombre de tabla no válido: ") + table);
    QStringList names;
    QStringList marks;
    QVariantMap bound;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (!isIdentifier(values[i].first))
            return Status::failure(QStringLiteral("Nombre de campo no válido: ") + values[i].first);
        names << quoteIdentifier(values[i].first);
        const QString mark = QStringLiteral(":v%1").arg(i);
        marks << mark;
        bound.insert(mark, values[i].second);
    }
    const QString sql = names.isEmpty()
                            ? QStringLiteral("INSERT INTO ") + quoteIdentifier(table) + QStringLiteral(" DEFAULT VALUES")
                            : QStringLiteral("INSERT INTO ") + quoteIdentifier(table) + QStringLiteral(" (")
                                  + names.join(u", ") + QStringLiteral(") VALUES (") + marks.join(u", ") + u')';
    Query q(db);
    Status s = q.run(sql, bound);
    if (s && rowId)
        *rowId = q.lastInsertId();
    return s;
}

} // namespace k9
