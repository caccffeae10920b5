#pragma once

// Building blocks of the table catalogue (Catalog*.cpp only).

#include "data/Schema.h"

#include <initializer_list>

namespace k9::catalog {

// String widths. SQLite does not enforce them; they are what an entry field may hold.
constexpr int kDocNumber = 8;          // correlatives: 8 digits padded with "0"
constexpr int kRmaNumber = 10;         // a reception number, or "PENDIENTE"
constexpr int kHostDocument = 20;      // host-suite documents (sales, serials, stock operations)
constexpr int kProductCode = 30;       // SInventario / k9RMAInventario codes
constexpr int kCode = 20;              // customers, employees, suppliers, categories, cards, banks
constexpr int kCurrencyCode = 10;
constexpr int kName = 60;              // person and contact names, short captions
constexpr int kDescription = 100;
constexpr int kLongText = 255;         // detailed descriptions, one-line notes
constexpr int kPhone = 30;
constexpr int kSerial = 40;
constexpr int kLot = 30;
constexpr int kTaxId = 20;             // RIF, NIT
constexpr int kAddress = 100;
constexpr int kDirectory = 250;

inline FieldDef str(QStringView name, int size, bool required = false)
{
    return {name.toString(), FieldType::String, size, required};
}
inline FieldDef memo(QStringView name) { return {name.toString(), FieldType::Memo}; }
inline FieldDef integer(QStringView name) { return {name.toString(), FieldType::Integer}; }
inline FieldDef smallInt(QStringView name) { return {name.toString(), FieldType::SmallInt}; }
inline FieldDef autoInc(QStringView name) { return {name.toString(), FieldType::AutoInc}; }
inline FieldDef boolean(QStringView name) { return {name.toString(), FieldType::Boolean}; }
inline FieldDef money(QStringView name) { return {name.toString(), FieldType::Money}; }
inline FieldDef date(QStringView name) { return {name.toString(), FieldType::Date}; }
inline FieldDef dateTime(QStringView name) { return {name.toString(), FieldType::DateTime}; }
inline FieldDef blob(QStringView name) { return {name.toString(), FieldType::Blob}; }

inline QStringList names(std::initializer_list<QStringView> list)
{
    QStringList out;
    for (QStringView n : list)
        out << n.toString();
    return out;
}

inline IndexDef key(QStringView name, std::initializer_list<QStringView> fields)
{
    return {name.toString(), names(fields)};
}

inline TableDef table(QStringView name, QList<FieldDef> fields, QStringList primaryKey = {},
                      QList<IndexDef> indexes = {})
{
    return {name.toString(), std::move(fields), std::move(primaryKey), std::move(indexes)};
}

// Host tables built in their own files.
TableDef salesLinesTable(QStringView name, QList<IndexDef> indexes); // SDetalleVenta layout
TableDef stockOperationsTable();                                      // SOperacionInv
TableDef usersTable();                                                // Susuarios

} // namespace k9::catalog
