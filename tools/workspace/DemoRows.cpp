#include "workspace/DemoRows.h"

#include "data/Schema.h"

namespace k9::workspace::demo {

RowWriter::RowWriter(Database &db, const QString &table, const QStringList &fields)
    : m_table(table), m_fields(fields), m_query(db)
{
    m_values.resize(fields.size());
    QStringList quoted;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (!isIdentifier(fields[i])) {
            m_status = Status::failure(QStringLiteral("Nombre de campo no válido: ") + fields[i]);
            return;
        }
        quoted << quoteIdentifier(fields[i]);
        m_marks << QStringLiteral(":p%1").arg(i);
    }
    if (!isIdentifier(table)) {
        m_status = Status::failure(QStringLiteral("Nombre de tabla no válido: ") + table);
        return;
    }
    const QString sql = QStringLiteral("INSERT INTO ") + quoteIdentifier(table) + QStringLiteral(" (")
                        + quoted.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (")
                        + m_marks.join(QStringLiteral(", ")) + u')';
    if (Status s = m_query.prepare(sql); !s)
        m_status = Status::failure(table + QStringLiteral(": ") + s.message());
}

int RowWriter::indexOf(QStringView field)
{
    if (m_next < m_fields.size() && m_fields[m_next] == field)
        return m_next++;
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        if (m_fields[i] == field) {
            m_next = int(i) + 1;
            return int(i);
        }
    return -1;
}

RowWriter &RowWriter::set(QStringView field, const QVariant &value)
{
    const int i = indexOf(field);
    if (i < 0) {
        if (m_status)
            m_status = Status::failure(m_table + QStringLiteral(": campo no declarado ") + field.toString());
        return *this;
    }
    m_values[i] = value;
    return *this;
}

Status RowWriter::insert()
{
    if (m_status) {
        for (qsizetype i = 0; i < m_values.size(); ++i) {
            m_query.bind(m_marks[i], m_values[i]);
            m_values[i] = QVariant();
        }
        if (Status s = m_query.exec(); !s)
            m_status = Status::failure(m_table + QStringLiteral(": ") + s.message());
    }
    m_next = 0;
    return m_status;
}

QStringList texts(std::initializer_list<const char16_t *> list)
{
    QStringList out;
    out.reserve(qsizetype(list.size()));
    for (const char16_t *t : list)
        out << QString::fromUtf16(t);
    return out;
}

qint64 maxKey(Database &db, const QString &table, const QString &field)
{
    Query q(db);
    if (!q.run(QStringLiteral("SELECT COALESCE(MAX(") + quoteIdentifier(field) + QStringLiteral("), 0) AS k FROM ")
               + quoteIdentifier(table))
        || !q.next())
        return 0;
    return q.integer(QStringLiteral("k"));
}

QDateTime at(const QDate &date, int hour, int minute)
{
    return QDateTime(date, QTime(hour, minute));
}

Money money(const char *text)
{
    return Money::parse(QString::fromLatin1(text)).value_or(Money());
}

int Dice::below(int bound)
{
    // xorshift32: small, fast and the same on every machine.
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return bound > 0 ? int(m_state % quint32(bound)) : 0;
}

} // namespace k9::workspace::demo
