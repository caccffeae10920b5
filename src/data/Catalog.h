#pragma once

#include "data/Schema.h"

#include <QList>
#include <QString>

namespace k9 {

class Database;

// The table catalogue: the layout of every table the program uses, with its keys and named
// indexes. The program itself never creates a table; the workspace tool and the tests create
// them from these definitions, each list in its own directory.

// The module's ten k9 tables (the module directory, "RMA" under the data directory).
// k9DetalleRecepcion is given without its user-defined RMD_ZCAMPO fields: those are added
// and dropped at run time.
QList<TableDef> moduleTables();

// Host-suite tables opened from the company data directory (users table included).
QList<TableDef> hostDataTables();

// The company table, in the company root.
QList<TableDef> companyTables();

// The sales lines of a closed period, in each history period directory.
QList<TableDef> historyTables();

// Movements of one petty-cash box: "SCajaMayor" + box number, in the data directory.
TableDef pettyCashTable(int box);
inline constexpr QStringView kPettyCashPrefix = u"SCajaMayor";

// The definition of a table by name (case-insensitive), across every list above;
// "SCajaMayor" + a box number is recognised by its prefix. nullptr when unknown.
const TableDef *findTableDef(const QString &name);

// Creates every table of `defs` and its indexes in one transaction: all or nothing.
Status createTables(Database &db, const QList<TableDef> &defs);

} // namespace k9
