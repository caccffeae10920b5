#pragma once

#include "data/Status.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace k9 {

class Database;

// Field types as the program reads and writes them, and how each is kept in SQLite:
// strings and memos as text, money as INTEGER ten-thousandths, booleans as 0/1, dates and
// date-times as ISO-8601 text (NULL when empty), blobs whole.
enum class FieldType {
    String,   // VARCHAR(size)
    Memo,     // TEXT
    Integer,  // INTEGER
    SmallInt, // SMALLINT
    AutoInc,  // INTEGER PRIMARY KEY AUTOINCREMENT
    Boolean,  // BOOLEAN
    Money,    // CURRENCY
    Float,    // FLOAT
    Date,     // DATE
    DateTime, // DATETIME
    Blob,     // BLOB
};

struct FieldDef
{
    QString name;
    FieldType type = FieldType::String;
    int size = 0; // characters of a string field
    bool required = false;
};

// A named index; the key values a search supplies are those of `fields`, in order.
struct IndexDef
{
    QString name;
    QStringList fields;
    bool unique = false;
};

struct TableDef
{
    QString name;
    QList<FieldDef> fields;
    QStringList primaryKey; // empty for a table keyed by its AutoInc field or by row order
    QList<IndexDef> indexes;

    const FieldDef *field(const QString &fieldName) const;
    const IndexDef *index(const QString &indexName) const;
};

QString declaredType(const FieldDef &field);
FieldType fieldTypeFromDeclared(const QString &declared);

// Names of tables, fields and indexes are fixed by the program, never typed by a user; they
// are still checked before they reach an SQL text, and quoted.
bool isIdentifier(QStringView name);
QString quoteIdentifier(QStringView name);

// CREATE TABLE and its indexes, in one step. The workspace tool and tests use it; the
// program itself never creates tables.
Status createTable(Database &db, const TableDef &def, const QString &schema = QStringLiteral("main"));

// Restructure: a column added to or dropped from an existing table.
Status addColumn(Database &db, const QString &table, const FieldDef &field);
Status dropColumn(Database &db, const QString &table, const QString &fieldName);

} // namespace k9
