#pragma once

#include "core/CodeLists.h"
#include "core/Money.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

// The record objects the work windows fill from table rows, edit, pass between windows and
// write back. Plain values: every field starts zero, empty or null; a null QDateTime stands for
// "no date". Short strings have a capacity only where they are stored in a blob image
// (BlobImages.h clamps them there).

namespace k9 {

// Kind of the screen control that holds a user-defined item field: the position of its class
// in the fixed list of control classes used by the item form layout and by stored values.
namespace ControlKind {
enum Code : int {
    Edit = 0,        // text
    NumberEdit = 1,  // the number as displayed
    DateEdit = 2,    // the date as displayed, "dd/mm/yyyy"
    ComboBox = 3,    // item index, decimal
    RadioGroup = 4,  // item index, decimal
    CheckBox = 5,    // "1" checked, "0" not
    Memo = 6,        // text
    GroupBox = 7,
    Label = 8,
    AttachedLabel = 9,
    Shape = 10,
    MaskEdit = 11,
    Bevel = 12,
    Panel = 13,
    PageControl = 14,
    TabSheet = 15,
};
}

// The value of one user-defined item field.
struct TNewCampos
{
    QString controlName; // FS_NOMCOMP, at most 255 characters
    int controlKind = 0; // ControlKind
    QString value;       // value as text, at most 255 characters
    QString fieldName;   // "RMD_ZCAMPO" + n, at most 255 characters

    bool operator==(const TNewCampos &) const = default;
};

// One component (accessory) of a received item.
struct TCompReg
{
    QString code;        // at most 255 characters
    int quantity = 0;
    QString description; // at most 255 characters
    QString detail;      // at most 255 characters
    QList<TNewCampos> values; // the user-defined controls of the components page

    bool operator==(const TCompReg &) const = default;
};

// One received item while a reception is edited.
struct TRMAReg
{
    QString receptionNumber;      // RMA_CODIGO
    QString itemKey;              // RMD_CODIGO as text
    QString productCode;          // RMD_CODPRODUCTO
    QString invoice;              // RMD_DOCFACT
    QString condition;            // RMD_DETALLE (physical condition)
    QString faults;               // RMD_DETALLE2
    QString category;             // category code, or its FD_DESCRIPCION when found
    QString description;          // FI_DESCRIPCION or FIR_DESCRIPCION
    QString subcategory;
    QString brand;
    QString receiverName;         // FV_DESCRIPCION of the receiving employee
    QString receiverCode;         // RMD_EMPRECEPTOR
    QString previousReception;    // RMD_CODRMD
    QString serial;               // RMD_SERIAL
    QString appointmentKey;       // RMC_CODE as text, when taken from an appointment
    quint8 fromAppointment = 0;   // 1 when taken from an appointment
    QDateTime receptionDate;      // RMD_FECHA
    QDateTime warrantyExpiry;     // RMD_FECHAVEN; null when none was entered
    int reason = 0;               // RMD_RAZON (Reason)
    int priority = 0;             // RMD_PRIORIDAD (ItemPriority)
    int receivedAs = 0;           // RMD_RECIBIDO (ReceivedAs)
    bool outsideParty = false;    // RMD_TERCERO
    bool fromHost = false;        // RMD_FROMK9
    int warrantyMonths = 0;       // RMD_TIEMPOGARANT
    int quantity = 0;             // RMD_CANTIDAD (see itemQuantity)
    int lineNumber = 0;           // position in the document, from 1
    Money advance;                // RMD_PRECIOADELANTO
    Money revisionAmount;         // RMD_PRECIOOTRO (before tax)
    QList<TCompReg> components;   // RMD_COMPONENTES, in order
    QList<TNewCampos> userFields; // RMD_ZCAMPOn values

    bool operator==(const TRMAReg &) const = default;
};

// Pairs a screen component with its table field while the item form is built.
struct TRegistro
{
    QString componentName; // FS_NOMCOMP
    QString fieldName;     // FS_CAMPO

    bool operator==(const TRegistro &) const = default;
};

// One product line found in the customer's sales.
struct TProdCompReg
{
    QString salesDocument; // FDI_DOCUMENTO
    QDateTime saleDate;    // FDI_FECHAOPERACION
    QString productCode;   // FDI_CODIGO
    QString serial;        // from the serial table; "S/N" when none
    QString description;   // FI_DESCRIPCION
    QString brand;         // FI_MARCA
    Money quantity;        // FDI_CANTIDAD

    bool operator==(const TProdCompReg &) const = default;
};

// One row of the serial search.
struct TSeriales
{
    QString document;     // RMD_CODIGORMA or FDI_DOCUMENTO
    QString serial;
    QString productCode;
    QString description;
    QString customerCode; // RMA_CODCLIENTE or FDI_CLIENTEPROVEEDOR
    QString customerName; // customer or contact name
    QDateTime date;       // RMD_FECHA or FDI_FECHAOPERACION
    bool fromHost = false;

    bool operator==(const TSeriales &) const = default;
};

// A serial number held in a list.
struct TSerial
{
    QString serial;
    qint64 key = 0;

    bool operator==(const TSerial &) const = default;
};

// One document line in the consultation, budget/service and report windows.
struct TDoc
{
    QString operationNumber;  // FRI_DOCUMENTO
    QString receptionNumber;  // FRI_DOCRMA or RMA_CODIGO
    QString responsibleName;  // FV_DESCRIPCION
    QString contact;          // RMA_CONTACTO
    QString contactPhone;     // RMA_TLFCONTACTO
    QString customerCode;     // RMA_CODCLIENTE
    QString salespersonCode;  // RMA_VENDEDOR
    QString shipmentDetail;   // FTR_DETALLE
    bool approved = false;    // FRI_APROBADO
    qint64 key = 0;           // FRI_AUTOINCREMENT or RMA_AUTOINC
    int itemCount = 0;        // RMA_NROPRODUCTOS
    int budgetState = 0;      // BudgetState (see budgetStateOfReception)
    QDateTime issueDate;      // FRI_FECHAEMISION or RMA_FECHA
    QDateTime deliveryDate;   // FRI_FECHAENTREGA or RMA_FECHADEENTREGA
    bool contacted = false;   // FRI_STATUSCONTACTO
    int status = 0;           // FRI_STATUS, or RMA_STATUSDOC in consultation
    int operationType = 0;    // FRI_TIPO; OperationType::SinOperacion when none
    Money operationTotal;     // FRI_TOTALNETO or FRI_TOTALBRUTO
    Money revisionTotal;      // RMA_MONTOTOTALREV
    Money advance;            // RMA_ADELANTO
    Money operationTax;       // FRI_IMPUESTOMONTO
    QDateTime returnDate;     // FTR_FECHAENTRE
    QDateTime departureDate;  // FTR_FECHASALIDA
    int departureState = 0;   // FTR_STSALIDA (ShipmentDepartureState)
    int returnState = 0;      // FTR_STENTREGA (ShipmentReturnState)

    bool operator==(const TDoc &) const = default;
};

// One product line under a document in consultation and in the budget/service windows.
struct TProductos
{
    qint64 documentKey = 0;    // FRI_AUTOINCREMENT or RMA_AUTOINC
    qint64 itemKey = 0;        // RMD_CODIGO
    QString description;       // FI_DESCRIPCION or FIR_DESCRIPCION
    QString productCode;       // RMD_CODPRODUCTO or FDI_CODIGO
    QString operationNumber;   // FRI_DOCUMENTO
    QString receptionNumber;   // RMA_CODIGO, RMD_CODIGORMA or FRI_DOCRMA
    QString serial;            // RMD_SERIAL or FDI_SSERIAL
    QString receivedAsText;    // "Garantía", "SERVICIO", ...
    QString faults;            // RMD_DETALLE2
    QString receiverName;      // employee who received the item
    bool fromHost = false;     // RMD_FROMK9 or FDI_FROMK9
    int reason = 0;            // RMD_RAZON (budget/service window)
    int quantity = 0;          // RMD_CANTIDAD
    int receivedAs = 0;        // RMD_RECIBIDO (ReceivedAs)
    int reasonCode = 0;        // RMD_RAZON (consultation and budget attach; Reason texts)

    bool operator==(const TProductos &) const = default;
};

// One budget or service line (part, labour, service), or one history line.
struct TPresupuesto
{
    QString receptionNumber;    // FRI_DOCRMA or RMD_CODIGORMA
    QString productCode;        // FDI_CODIGO
    QString lot;                // FDI_LOTE
    QString partCode;           // FDI_PIEZA
    QString partDescription;
    QString productDescription;
    QString technicianCode;     // FDI_TECNICO
    QString technicianName;     // FV_DESCRIPCION
    QString service;            // FDI_SERVICIO
    QString serviceDetail;      // FDI_DETALLESERVICIO
    QString fault;              // FDI_FALLA
    QString faultDetail;        // FDI_DETALLEFALLA
    QString itemSerial;         // FDI_SSERIAL
    QString partSerial;         // FDI_SERIALPIEZA
    QString partCodeTyped;      // part code as typed
    qint64 ownerKey = 0;        // FDI_CODAUTOINC or FDI_RMDCODIGO
    int lineInGroup = 0;        // line number within the item group
    qint64 lineKey = 0;         // FDI_AUTOINCREMENT or FRI_AUTOINCREMENT
    int status = 0;             // FDI_STATUS
    QString statusText;
    Money serviceAmount;        // FDI_MTOSERVICIO
    Money labourAmount;         // FDI_MTOMANO_OBRA
    Money partPrice;            // FDI_PRECIOPIEZA
    Money taxPercent;           // FDI_IVA
    bool fromHost = false;      // FDI_FROMK9
    bool outsideParty = false;  // FDI_TERCERO
    bool partWithDecimals = false; // FI_EXISTDECIMAL
    QString outsidePartyCode;   // FDI_CODTERCERO
    QDateTime itemReceptionDate; // RMD_FECHA (history only)
    int groupNumber = 0;        // count of item groups met so far

    bool operator==(const TPresupuesto &) const = default;
};

// One outside-party shipment while a service is edited.
struct TDetalleTer
{
    QString outsidePartyCode;  // FTR_TERCERO
    QString shipmentKey;       // FTR_KEYAUTOINC as text
    QString serviceKey;        // FTR_AUTOINCSERV
    QString outsidePartyName;  // FP_DESCRIPCION
    QString responsible;       // FTR_RESPONSABLE
    int itemCount = 0;         // FTR_NROITEMS
    QDateTime departureDate;   // FTR_FECHASALIDA
    QDateTime returnDate;      // FTR_FECHAENTRE
    int departureState = 0;    // FTR_STSALIDA (ShipmentDepartureState)
    int returnState = 0;       // FTR_STENTREGA (ShipmentReturnState)
    QString detail;            // FTR_DETALLE

    bool operator==(const TDetalleTer &) const = default;
};

// One appointment in the appointment window and in the reminders.
struct TRegCitas
{
    qint64 key = 0;            // RMC_CODE
    QString receptionNumber;   // RMC_RMA
    QString productCode;       // RMC_CODPRO
    QString description;       // RMC_DESCRIPCION
    QString detail;            // RMC_DETALLE
    QString contact;           // RMC_CONTACTO
    QString customerPhone;     // FC_TELEFONO
    QString productDescription;
    QString serial;            // RMC_SERIAL
    bool fromHost = false;     // RMC_FROMK9
    QDateTime scheduledDate;   // RMC_FECHAPROG
    int reason = 0;            // RMC_RAZON (Reason)
    int status = 0;            // RMC_STATUS (AppointmentStatus)

    bool operator==(const TRegCitas &) const = default;
};

// One task in the task window and in the reminders.
struct TRegTareas
{
    QDateTime createdDate;     // FT_FECHACREACION
    QDateTime startDate;       // FT_FECHAINICIO
    QDateTime endDate;         // FT_FECHAFIN
    qint64 key = 0;            // FT_CODIGO
    int priority = 0;          // FT_PRIORIDAD (TaskPriority)
    int status = 0;            // FT_STATUS (TaskStatus)
    int group = 0;             // FT_GRUPO
    QString receptionNumber;   // FT_RMA
    QString description;       // FT_DESCRIPCION
    QString log;               // FT_TAREA
    QString user;              // FT_USER
    QString receptionShown;    // reception number as shown

    bool operator==(const TRegTareas &) const = default;
};

// State byte of a contact entry.
namespace ContactState {
enum Code : int {
    Recorded = 0, // a recorded call
    Blank = 254,  // the blank entry kept at the end of the list for a new call
};
}

// One call or contact entry of an operation (FRI_CONTACTO).
struct TContacto
{
    int number = 0;  // entry number, from 1
    QString note;    // at most 255 characters
    QDateTime date;  // date of the call
    int state = 0;   // ContactState, one byte when stored

    bool operator==(const TContacto &) const = default;
};

// One payment line of the payment window.
struct TFormaPago
{
    int type = 0;     // PaymentKind: 0-3 a payment, -1 the entry line, -2 a fixed advance line
    QString code;     // currency, bank or card code; at most 40 characters kept
    QString name;     // name shown for that code
    QString detail;   // document detail; at most 90 characters kept
    Money amount;
    Money factor;     // exchange factor; the payment window sets 1 on a new line

    bool operator==(const TFormaPago &) const = default;
};

// Quantity of a received item as shown and saved: below 1 (a stored 0) counts as 1.
constexpr int itemQuantity(int stored) { return stored < 1 ? 1 : stored; }

// The value a user-defined field stores in its RMD_ZCAMPOn field, by control kind:
// NumberEdit -> Money read from the text (thousands separators of the regional settings
// allowed), DateEdit -> QDateTime at midnight from "dd/mm/yyyy", RadioGroup -> int,
// CheckBox -> bool (false only for the exact text "0"), every other kind -> the text.
// A number, date or index that cannot be read gives an invalid QVariant (stored as NULL).
QVariant storedFieldValue(const TNewCampos &field);

// Budget state of a reception row: an annulled reception (DocStatus::Anulado) has none
// (BudgetState::Ninguno); any other keeps the state found.
constexpr int budgetStateOfReception(int docStatus, int stateFound)
{
    return docStatus == DocStatus::Anulado ? int(BudgetState::Ninguno) : stateFound;
}
// The same rule on a consultation row, whose status field holds RMA_STATUSDOC.
void applyReceptionBudgetState(TDoc &doc);

} // namespace k9
