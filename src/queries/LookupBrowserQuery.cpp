// The query search of the lookup browser: a word search over the fields named in the
// table's ".SQL" definition file, shown as one list.

#include "core/Messages.h"
#include "queries/LookupBrowser.h"
#include "queries/SqlFunctions.h"

#include <QSqlError>
#include <QSqlQuery>

namespace k9 {

namespace {

const QString kQueryFailed = QStringLiteral("No es posible ejecutar la búsqueda");

} // namespace

LookupBrowser::Search LookupBrowser::runQuery(const QString &text)
{
    Database &db = *m_reader.database();
    const QString file = queryDefinitionFile(db.directory(), m_reader.tableName());
    const QStringList fields = readQueryDefinition(file, m_reader.fields());
    if (fields.isEmpty() || !registerSearchFunctions(db)) {
        messages().warn(kQueryFailed);
        return Search::Failed;
    }
    const SqlCondition words = queryCondition(fields, parseQueryWords(text));
    QStringList conditions;
    QVariantList values;
    if (!words.isEmpty()) {
        conditions << u'(' + words.sql + u')';
        values += words.values;
    }
    // The status menu still limits the documents listed.
    if (const SqlCondition &status = m_reader.windowFilter(); !status.isEmpty()) {
        conditions << u'(' + status.sql + u')';
        values += status.values;
    }
    QString sql = QStringLiteral("SELECT ") + m_reader.selectList() + QStringLiteral(" FROM ") + m_reader.qualifiedTable();
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY ") + quoteIdentifier(fields.first()) + QStringLiteral(", rowid LIMIT ?");
    values << kMaxQueryRows;

    qint64 read = 0;
    if (m_progress)
        m_progress->begin();
    QList<RawRow> raws;
    bool stopped = false;
    {
        StatementProgress guard(db, [&] { return !m_progress || m_progress->step(read); });
        QSqlQuery q(db.handle());
        q.setForwardOnly(true);
        bool ok = q.prepare(sql);
        for (const QVariant &v : std::as_const(values))
            q.addBindValue(v);
        ok = ok && q.exec();
        const int n = static_cast<int>(m_reader.fields().size());
        while (ok && q.next()) {
            RawRow row;
            row.rowid = q.value(0).toLongLong();
            for (int i = 0; i < n; ++i)
                row.values << q.value(i + 1);
            raws << std::move(row);
            ++read;
            if (m_progress && !m_progress->step(read)) {
                stopped = true;
                break;
            }
        }
        if (guard.interrupted())
            stopped = true;
        if (m_progress)
            m_progress->end();
        if (stopped && !ok) {
            return Search::Failed; // stopped before the first row: the list stays as it was
        }
        if (!stopped && (!ok || q.lastError().isValid())) {
            messages().warn(kQueryFailed);
            return Search::Failed;
        }
    }
    m_mode = Mode::List;
    m_position = 0;
    m_rows = toBrowserRows(std::move(raws));
    m_count = m_rows.size();
    return Search::Query;
}

} // namespace k9
