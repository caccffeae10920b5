#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The list kinds of the lookup browser: for each kind the columns it shows (caption, field,
// column kind, width, code list or lookup), its default caption, the field whose value is
// handed back as the chosen code, and the extra values kept with each row.
namespace k9 {

// The kind of a column definition.
enum class ColumnKind {
    Text = 1,
    Number = 2,
    Date = 3,
    Coded = 4,   // an integer translated through a code list
    Check = 10,
    Lookup = 11, // a code shown with a field of another table
};

// Where the other table of a lookup column lives.
enum class LookupDirectory { Data, Module }; // DirDatos, DirRMA

struct LookupDef
{
    QString table;               // the other table
    LookupDirectory directory = LookupDirectory::Data;
    QString keyField;            // its key field, matched with the column's value
    QStringList displayFields;   // the fields shown; the first one is used
};

struct ColumnDef
{
    QString caption;
    QString field;
    ColumnKind kind = ColumnKind::Text;
    int widthChars = 0;  // 0: the field's size
    QStringList codes;   // Coded: the text of each stored value (position = value)
    LookupDef lookup;    // Lookup
};

// Which extra values a kind keeps with each row (and hands back with the chosen one).
enum class RowExtrasKind { None, Reception, ReceivedItem, Operation };

struct ListKind
{
    int number = 0;
    QString defaultCaption;   // used by BuscarCodigo when no caption is given
    QString keyField;         // the chosen code; empty: the table's first field
    RowExtrasKind extras = RowExtrasKind::None;
    bool statusMenu = false;  // the RMA status menu "&Estado"
    QList<ColumnDef> columns; // in definition order
};

namespace listkind {
inline constexpr int Clientes = 14;
inline constexpr int InventarioK9 = 15;
inline constexpr int DocumentosRMA = 16;
inline constexpr int ItemsRecibidos = 17;
inline constexpr int InventarioGS = 18;
inline constexpr int Proveedores = 20;
inline constexpr int Empleados = 21;
inline constexpr int Operaciones = 22;
inline constexpr int EmpleadosCorto = 23;
inline constexpr int Citas = 24;
inline constexpr int ItemsRecibidosGS = 25;
inline constexpr int DocumentosRMAPago = 26;
inline constexpr int Departamentos = 27;
} // namespace listkind

// The definition of `kind`; nullptr for a number that is not a list kind.
const ListKind *listKind(int kind);
// Every list kind, in number order.
QList<int> listKindNumbers();

// The code lists of the browser (position = stored value).
QStringList rmaStatusCodes();        // RMA_STATUSDOC
QStringList rmaPaymentStateCodes();  // RMA_STATUSDOCOP
QStringList operationTypeCodes();    // FRI_TIPO
QStringList operationStatusCodes();  // FRI_STATUS
QStringList appointmentStatusCodes(); // RMC_STATUS

} // namespace k9
