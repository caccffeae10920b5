#include "data/Schema.h"

#include "data/Database.h"

namespace k9 {

const FieldDef *TableDef::field(const QString &fieldName) const
{
    for (const FieldDef &f : fields)
        if (f.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

const IndexDef *TableDef::index(const QString &indexName) const
{
    for (const IndexDef &i : indexes)
        if (i.name.compare(indexName, Qt::CaseInsensitive) == 0)
            return &i;
    return nullptr;
}

QString declaredType(const FieldDef &field)
{
    switch (field.type) {
    case FieldType::String:
        return QStringLiteral("VARCHAR(%1)").arg(field.size > 0 ? field.size : 255);
    case FieldType::Memo: return QStringLiteral("TEXT");
    case FieldType::Integer: return QStringLiteral("INTEGER");
    case FieldType::SmallInt: return QStringLiteral("SMALLINT");
    case FieldType::AutoInc: return QStringLiteral("INTEGER");
    case FieldType::Boolean: return QStringLiteral("BOOLEAN");
    case FieldType::Money: return QStringLiteral("CURRENCY");
    case FieldType::Float: return QStringLiteral("FLOAT");
    case FieldType::Date: return QStringLiteral("DATE");
    case FieldType::DateTime: return QStringLiteral("DATETIME");
    case FieldType::Blob: return QStringLiteral("BLOB");
    }
    return QStringLiteral("TEXT");
}

FieldType fieldTypeFromDeclared(const QString &declared)
{
    const QString d = declared.trimmed().toUpper();
    if (d.startsWith(u"VARCHAR") || d.startsWith(u"CHAR"))
        return FieldType::String;
    if (d == u"TEXT")
        return FieldType::Memo;
    if (d == u"INTEGER" || d == u"INT" || d == u"BIGINT")
        return FieldType::Integer;
    if (d == u"SMALLINT")
        return FieldType::SmallInt;
    if (d == u"BOOLEAN")
        return FieldType::Boolean;
    if (d == u"CURRENCY")
        return FieldType::Money;
    if (d == u"FLOAT" || d == u"REAL" || d == u"DOUBLE")
        return FieldType::Float;
    if (d == u"DATE")
        return FieldType::Date;
    if (d == u"DATETIME")
        return FieldType::DateTime;
    if (d == u"BLOB")
        return FieldType::Blob;
    return FieldType::String;
}

bool isIdentifier(QStringView name)
{
    if (name.isEmpty() || name.size() > 128)
        return false;
    if (!(name.front().isLetter() || name.front() == u'_'))
        return false;
    for (QChar c : name)
        if (!(c.isLetterOrNumber() || c == u'_'))
            return false;
    return true;
}

QString quoteIdentifier(QStringView name)
{
    Q_ASSERT(isIdentifier(name));
    return u'"' + name.toString() + u'"';
}

namespace {

QString columnSql(const FieldDef &f)
{
    QString sql = quoteIdentifier(f.name) + u' ' + declaredType(f);
    if (f.type == FieldType::AutoInc)
        sql += QStringLiteral(" PRIMARY KEY AUTOINCREMENT");
    else if (f.required)
        sql += QStringLiteral(" NOT NULL");
    return sql;
}

bool allIdentifiers(const QStringList &names)
{
    for (const QString &n : names)
        if (!isIdentifier(n))
            return false;
    return true;
}

QString columnList(const QStringList &names)
{
    QStringList quoted;
    for (const QString &n : names)
        quoted << quoteIdentifier(n);
    return quoted.join(u", ");
}

} // namespace

Status createTable(Database &db, const TableDef &def, const QString &schema)
{
    if (!isIdentifier(def.name) || !isIdentifier(schema))
        return Status::failure(QStringLiteral("Nombre de tabla no válido: ") + def.name);
    QStringList columns;
    for (const FieldDef &f : def.fields) {
        if (!isIdentifier(f.name))
            return Status::failure(QStringLiteral("Nombre de campo no válido: ") + f.name);
        columns << columnSql(f);
    }
    if (!def.primaryKey.isEmpty()) {
        if (!allIdentifiers(def.primaryKey))
            return Status::failure(QStringLiteral("Clave no válida en ") + def.name);
        columns << QStringLiteral("PRIMARY KEY (") + columnList(def.primaryKey) + u')';
    }
    const QString qualified = quoteIdentifier(schema) + u'.' + quoteIdentifier(def.name);
    if (Status s = db.exec(QStringLiteral("CREATE TABLE ") + qualified + QStringLiteral(" (")
                           + columns.join(QStringLiteral(", ")) + u')');
        !s)
        return s;
    for (const IndexDef &index : def.indexes) {
        if (!isIdentifier(index.name) || index.fields.isEmpty() || !allIdentifiers(index.fields))
            return Status::failure(QStringLiteral("Índice no válido: ") + index.name);
        const QString sql = QStringLiteral("CREATE %1INDEX %2.%3 ON %4 (%5)")
                                .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(),
                                     quoteIdentifier(schema), quoteIdentifier(index.name),
                                     quoteIdentifier(def.name), columnList(index.fields));
        if (Status s = db.exec(sql); !s)
            return s;
    }
    return Status::ok();
}

Status addColumn(Database &db, const QString &table, const FieldDef &field)
{
    if (!isIdentifier(table) || !isIdentifier(field.name) || field.type == FieldType::AutoInc)
        return Status::failure(QStringLiteral("Campo no válido: ") + field.name);
    FieldDef nullable = field;
    nullable.required = false; // existing rows have no value for it
    return db.exec(QStringLiteral("ALTER TABLE ") + quoteIdentifier(table)
                   + QStringLiteral(" ADD COLUMN ") + columnSql(nullable));
}

Status dropColumn(Database &db, const QString &table, const QString &fieldName)
{
    if (!isIdentifier(table) || !isIdentifier(fieldName))
        return Status::failure(QStringLiteral("Campo no válido: ") + fieldName);
    return db.exec(QStringLiteral("ALTER TABLE ") + quoteIdentifier(table)
                   + QStringLiteral(" DROP COLUMN ") + quoteIdentifier(fieldName));
}

} // namespace k9
