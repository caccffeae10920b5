#pragma once

#include "core/Money.h"
#include "data/Database.h"
#include "data/Schema.h"

#include <QDate>
#include <QSet>
#include <QVariant>

#include <memory>

namespace k9 {

// A cursor over one table, as the windows use it: open by directory and name, choose a
// named index, find by key, restrict to a range or a filter, move through the rows in index
// order, and insert, edit, post or delete the current row.
//
// Each move is one indexed query (keyset navigation), so the table is never read whole and
// a row changed by someone else is seen at the next move.
class Table
{
public:
    enum class State { Inactive, Browse, Edit, Insert };

    Table() = default;
    explicit Table(QString tableName) : m_name(std::move(tableName)) {}

    // Binding. The schema is the attached alias that holds the table ("main" for the
    // connection's own directory); empty means the first schema that has it.
    void setTableName(const QString &name);
    const QString &tableName() const { return m_name; }
    void setDatabase(std::shared_ptr<Database> db, const QString &schema = QString());
    Database *database() const { return m_db.get(); }
    QString directory() const { return m_db ? m_db->directory() : QString(); }
    bool exists() const;

    Status open();
    void close();
    bool isActive() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    // Index: "" selects the primary key (or the row order for a table without one).
    Status setIndex(const QString &indexName);
    const QString &indexName() const { return m_indexName; }
    const QStringList &indexFields() const { return m_indexFields; }

    // Range over the current index: rows whose leading index fields lie between `from` and
    // `to` (both inclusive; either may hold fewer values than the index has fields).
    void setRange(const QVariantList &from, const QVariantList &to);
    void cancelRange();
    // Filter: an SQL condition written by the program, its values bound in order ("?").
    void setFilter(const QString &condition, const QVariantList &values = {});
    void clearFilter();

    bool first();
    bool last();
    bool next();
    bool prior();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool hasRow() const { return m_hasRow; }
    // Positions on the first row whose leading index fields equal `key`.
    bool findKey(const QVariantList &key);
    // Positions on the row with this row id (the AutoInc key where the table has one).
    bool gotoRowId(qint64 rowId);
    qint64 recordCount();

    // Fields of the current row (or of the row being inserted).
    QStringList fieldNames() const;
    bool hasField(const QString &name) const { return columnOf(name) >= 0; }
    FieldType fieldType(const QString &name) const;
    QVariant value(const QString &name) const;
    bool isNull(const QString &name) const;
    QString text(const QString &name) const;
    qint64 integer(const QString &name) const;
    Money money(const QString &name) const;
    bool boolean(const QString &name) const;
    double number(const QString &name) const;
    QDate date(const QString &name) const;
    QDateTime dateTime(const QString &name) const;
    QByteArray blob(const QString &name) const;
    qint64 rowId() const { return m_rowId; }

    // Editing: only in Edit or Insert state; the value is converted to the field's type.
    Status setValue(const QString &name, const QVariant &value);
    Status setNull(const QString &name);

    void insert();
    Status edit();
    Status post();
    void cancel();
    Status remove();
    Status refresh();

    // The last failure of a move, a find or a read (moves answer false on failure too).
    const Status &lastStatus() const { return m_lastStatus; }

private:
    struct Column
    {
        QString name;
        FieldType type;
    };
    struct Sql
    {
        QString text;
        QVariantList values;
    };

    int columnOf(const QString &name) const;
    QString qualifiedName() const;
    QString orderBy(bool descending) const;
    void appendScope(QStringList &conditions, QVariantList &values) const;
    QVariantList keyOfCurrent() const;
    bool fetch(const QStringList &extraConditions, const QVariantList &extraValues, bool descending);
    bool fetchAfter(const QVariantList &key, bool forward);
    bool loadFrom(class QSqlQuery &query);
    void clearRow();
    bool fail(const QString &message);

    std::shared_ptr<Database> m_db;
    QString m_schema;
    QString m_name;
    State m_state = State::Inactive;
    QList<Column> m_columns;
    QString m_indexName;
    QStringList m_indexFields;
    QVariantList m_rangeFrom;
    QVariantList m_rangeTo;
    bool m_hasRange = false;
    QString m_filter;
    QVariantList m_filterValues;

    QVariantList m_row; // stored values, one per column
    QSet<int> m_modified;
    qint64 m_rowId = 0;
    bool m_hasRow = false;
    bool m_eof = true;
    bool m_bof = true;
    Status m_lastStatus = Status::ok();
};

} // namespace k9
