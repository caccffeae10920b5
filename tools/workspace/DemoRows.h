#pragma once

// Writing the demo company: one prepared INSERT per table, reused for every row.

#include "core/Money.h"
#include "data/Database.h"
#include "data/Query.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <initializer_list>

namespace k9::workspace::demo {

// An INSERT of a fixed list of fields, prepared once. Values are set by field name (in the
// order the fields were listed, which is the fast path) and written by insert(); fields not
// set are NULL. The first failure sticks and is returned by every later insert().
class RowWriter
{
public:
    RowWriter(Database &db, const QString &table, const QStringList &fields);
    RowWriter(const RowWriter &) = delete;
    RowWriter &operator=(const RowWriter &) = delete;

    RowWriter &set(QStringView field, const QVariant &value);
    RowWriter &set(QStringView field, Money value) { return set(field, QVariant::fromValue(value)); }
    RowWriter &set(QStringView field, const QString &value) { return set(field, QVariant(value)); }
    RowWriter &set(QStringView field, const char16_t *value) { return set(field, QVariant(QString::fromUtf16(value))); }
    RowWriter &set(QStringView field, int value) { return set(field, QVariant(value)); }
    RowWriter &set(QStringView field, qint64 value) { return set(field, QVariant(value)); }
    RowWriter &set(QStringView field, bool value) { return set(field, QVariant(value)); }
    RowWriter &set(QStringView field, const QDate &value) { return set(field, QVariant(value)); }
    RowWriter &set(QStringView field, const QDateTime &value) { return set(field, QVariant(value)); }
    RowWriter &set(QStringView field, const QByteArray &value) { return set(field, QVariant(value)); }
    Status insert();

    const QString &table() const { return m_table; }

private:
    int indexOf(QStringView field);

    QString m_table;
    QStringList m_fields;
    QStringList m_marks;
    QVariantList m_values;
    Query m_query;
    Status m_status = Status::ok();
    int m_next = 0;
};

// A list of field names (or any texts) written as UTF-16 literals.
QStringList texts(std::initializer_list<const char16_t *> list);

// Table names are fixed by the program; the largest key so far in one of them (0 when empty).
qint64 maxKey(Database &db, const QString &table, const QString &field);

// "yyyy-MM-dd" is what a date becomes; a date with a time of day, for the date-time fields.
QDateTime at(const QDate &date, int hour, int minute = 0);

// Amounts written as text in the tables ("16500.00"): exact, never through a double.
Money money(const char *text);

// Deterministic choices, so that every demo is the same and a fault can be reproduced.
class Dice
{
public:
    explicit Dice(quint32 seed) : m_state(seed ? seed : 1u) {}
    // 0 <= value < bound (bound > 0).
    int below(int bound);
    bool chance(int percent) { return below(100) < percent; }

private:
    quint32 m_state;
};

} // namespace k9::workspace::demo
