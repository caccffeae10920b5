#pragma once

#include "core/Money.h"
#include "data/Database.h"

#include <QDate>
#include <QSqlQuery>
#include <QVariant>

namespace k9 {

// An SQL statement written by the program, with named parameters (":code") for every
// value that comes from a user or from the data. Money, bool and dates are bound in their
// stored forms; readings convert back by the caller's choice of getter.
class Query
{
public:
    explicit Query(Database &db);

    Status prepare(const QString &sql);
    void bind(const QString &name, const QVariant &value);
    Status exec();
    // prepare + bind + exec in one call.
    Status run(const QString &sql, const QVariantMap &values = {});

    bool next();
    void finish() { m_query.finish(); }

    QVariant value(const QString &column) const { return m_query.value(column); }
    QVariant value(int column) const { return m_query.value(column); }
    QString text(const QString &column) const;
    qint64 integer(const QString &column) const;
    Money money(const QString &column) const;
    bool boolean(const QString &column) const;
    double number(const QString &column) const;
    QDate date(const QString &column) const;
    QDateTime dateTime(const QString &column) const;
    QByteArray blob(const QString &column) const;

    int rowsAffected() const { return m_query.numRowsAffected(); }
    qint64 lastInsertId() const { return m_query.lastInsertId().toLongLong(); }

private:
    QSqlQuery m_query;
};

} // namespace k9

namespace k9 {

// One INSERT of the given fields (names checked, values bound). The set-up tools and tests
// use it; windows go through their tables.
using FieldValues = QList<QPair<QString, QVariant>>;
Status insertRow(Database &db, const QString &table, const FieldValues &values, qint64 *rowId = nullptr);

} // namespace k9
