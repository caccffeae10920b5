#pragma once

#include "data/Database.h"
#include "data/Schema.h"

#include <QHash>
#include <QList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

namespace k9 {

// A field of the browsed table as its declaration gives it.
struct FieldInfo
{
    QString name;
    FieldType type = FieldType::String;
    int size = 0; // characters of a string field
};

// An index of the browsed table: its key fields with their collations. The primary index
// has an empty name; a table without a key has a primary index without fields (row order).
struct IndexInfo
{
    QString name;
    QStringList fields;
    QStringList collations; // one per field ("BINARY", "NOCASE", ...)
};

// One row as stored: its row id and one value per field (blob fields are never read and
// stay invalid).
struct RawRow
{
    qint64 rowid = 0;
    QVariantList values;
};

// A condition written by the program, its values bound in order ("?").
struct SqlCondition
{
    QString sql;
    QVariantList values;
    bool isEmpty() const { return sql.trimmed().isEmpty(); }
};

// Reads the rows of one table a few at a time, in the order of one of its indexes, within a
// scope: the caller's filter, the window's own filter, a range on the index's first field,
// or a set of rows chosen beforehand (the word filter). Every read is one or a few indexed
// queries (keyset: the rows after or before a row by its index key and row id), so a page
// costs the same on a table of ten rows as on one of a million; only a jump to an arbitrary
// position counts rows with OFFSET.
class PageReader
{
public:
    PageReader() = default;
    PageReader(const PageReader &) = delete;
    PageReader &operator=(const PageReader &) = delete;

    // Binds to `table` of `db` (its first schema that has it) and reads its fields and indexes.
    Status bind(std::shared_ptr<Database> db, const QString &table);
    bool isBound() const { return m_db != nullptr; }
    Database *database() const { return m_db.get(); }
    const QString &tableName() const { return m_table; }
    const QString &schema() const { return m_schema; }

    const QList<FieldInfo> &fields() const { return m_fields; }
    int fieldIndex(const QString &name) const; // -1 when the table has no such field
    // The primary index first, then the named indexes in the order they were made.
    const QList<IndexInfo> &indexes() const { return m_indexes; }
    const IndexInfo &index() const { return m_indexes[m_index]; }
    // "" selects the primary index. A range set on the previous index is cancelled.
    Status setIndex(const QString &name);

    void setCallerFilter(const SqlCondition &condition)
    {
        m_callerFilter = condition;
        m_knownCount = -1;
    }
    const SqlCondition &callerFilter() const { return m_callerFilter; }
    void setWindowFilter(const SqlCondition &condition)
    {
        m_windowFilter = condition;
        m_knownCount = -1;
    }
    const SqlCondition &windowFilter() const { return m_windowFilter; }

    // Rows whose first index field lies between `from` and `to`, both included, compared in
    // the index's collation (values in their stored form).
    void setRange(const QVariant &from, const QVariant &to);
    void cancelRange()
    {
        m_hasRange = false;
        m_knownCount = -1;
    }
    bool hasRange() const { return m_hasRange; }

    // Limits the rows to `rowIds`, already in index order; reads then take rows by position.
    void setRowSet(QList<qint64> rowIds);
    void clearRowSet();
    bool hasRowSet() const { return m_hasRowSet; }

    qint64 count();
    QList<RawRow> first(int n);
    // The last n rows, in index order.
    QList<RawRow> last(int n);
    // The n rows that follow `row` (in order), and the n rows that come before it (in order).
    QList<RawRow> after(const RawRow &row, int n);
    QList<RawRow> before(const RawRow &row, int n);
    // n rows from position `position` (0 is the first row).
    QList<RawRow> at(qint64 position, int n);
    // Every row of the scope (the row set aside), in index order; `visit` answers false to stop.
    Status scan(const std::function<bool(const RawRow &)> &visit);

    // The SELECT list, FROM and ORDER BY pieces, for queries built elsewhere on this table.
    QString selectList() const;
    QString qualifiedTable() const;

    const Status &lastStatus() const { return m_status; }

private:
    struct Term
    {
        QStringList conditions;
        QVariantList values;
    };

    Status readFields();
    Status readIndexes();
    QString column(int indexField) const;
    QString orderBy(bool descending) const;
    void appendScope(QStringList &conditions, QVariantList &values) const;
    QList<RawRow> select(const Term &extra, bool descending, int limit, qint64 offset = 0);
    QList<RawRow> byRowIds(const QList<qint64> &ids);
    QVariant keyValue(const RawRow &row, int indexField) const;
    // count(*) of the rows meeting `condition` (the whole table when empty).
    std::optional<qint64> countWhere(const QString &condition, const QVariantList &values);
    // An estimate of the share of the table's rows that lie in the range (from a few rows).
    std::optional<double> rangeShare();
    QList<Term> termsAfter(const RawRow &row) const;
    QList<Term> termsBefore(const RawRow &row) const;

    std::shared_ptr<Database> m_db;
    QString m_table;
    QString m_schema;
    QList<FieldInfo> m_fields;
    QList<IndexInfo> m_indexes;
    int m_index = 0;
    SqlCondition m_callerFilter;
    SqlCondition m_windowFilter;
    bool m_hasRange = false;
    QVariant m_rangeFrom;
    QVariant m_rangeTo;
    qint64 m_knownCount = -1; // the last count of this scope, -1 once the scope changed
    bool m_hasRowSet = false;
    QList<qint64> m_rowSet;
    QHash<qint64, qsizetype> m_rowSetPosition;
    Status m_status = Status::ok();
};

} // namespace k9
