#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>

// The shared code lists of the module tables. Each list has named codes, a text function
// (code -> its Spanish text, empty for a code outside the list) and the texts in code order,
// as combo boxes show them (the first text belongs to the list's lowest code).

namespace k9 {

// Document status: RMA_STATUSDOC, and RMD_STATUS for an item.
namespace DocStatus {
enum Code : int {
    Pendiente = 1,
    Recibido = 2,
    Presupuestado = 3,
    EnServicio = 4,
    EnGarantia = 5,
    EnGyS = 6,
    Finalizado = 7,
    Entregado = 8,
    Devuelto = 9,
    Anulado = 10,
};
}
QString docStatusText(int code);
QStringList docStatusTexts();

// Operation type: FRI_TIPO, FDI_TIPOOPERACION.
namespace OperationType {
enum Code : int {
    SinOperacion = -1, // a reception with no budget or service order
    Servicio = 1,
    Garantia = 2,
    Presupuesto = 3,
    GyS = 4,
};
}
QString operationTypeText(int code);
QStringList operationTypeTexts();
// The operation a reception in status 3, 4, 5, 6 leads to: type 3, 1, 2, 4;
// OperationType::SinOperacion for every other status.
int operationTypeForReceptionStatus(int docStatus);

// Reason: RMD_RAZON, RMC_RAZON.
namespace Reason {
enum Code : int {
    Servicio = 0,
    Evaluacion = 1,
    Cambio = 2,
    Reparacion = 3,
    Actualizacion = 4,
    Otro = 5,
};
}
QString reasonText(int code);
QStringList reasonTexts();

// Received as: RMD_RECIBIDO.
namespace ReceivedAs {
enum Code : int {
    Garantia = 0,
    Servicio = 1,
    GyS = 2,
};
}
QString receivedAsText(int code);
QStringList receivedAsTexts();

// Item priority: RMD_PRIORIDAD.
namespace ItemPriority {
enum Code : int {
    Maxima = 0,
    Alta = 1,
    Media = 2,
    Regular = 3,
};
}
QString itemPriorityText(int code);
QStringList itemPriorityTexts();

// Line status (FDI_STATUS) of a budget line.
namespace BudgetLineStatus {
enum Code : int {
    EnEspera = 0,
    Aprobado = 1,
    NoAprobado = 2,
};
}
QString budgetLineStatusText(int code);
QStringList budgetLineStatusTexts();

// Line status (FDI_STATUS) of a service line.
namespace ServiceLineStatus {
enum Code : int {
    EnEspera = 0,
    Iniciado = 1,
    Parado = 2,
    Terminado = 3,
    EnTercero = 4,
    Cancelado = 5,
};
}
QString serviceLineStatusText(int code);
QStringList serviceLineStatusTexts();

// Operation status: FRI_STATUS.
namespace OperationStatus {
enum Code : int {
    Totalizado = 1,
    PorTotalizar = 2,
    Anulado = 3,
};
}
QString operationStatusText(int code);
QStringList operationStatusTexts();

// Operation summary of a reception: RMA_STATUSDOCOP.
namespace OperationSummary {
enum Code : int {
    Totalizado = 1,
    PorTotalizar = 2,
};
}
QString operationSummaryText(int code);
QStringList operationSummaryTexts();

// Budget state of a reception in the document lists (TDoc): 1 "Si", 2 "No", 3 none
// (an annulled reception, drawn empty).
namespace BudgetState {
enum Code : int {
    Si = 1,
    No = 2,
    Ninguno = 3,
};
}
QString budgetStateText(int code);

// Task status: FT_STATUS.
namespace TaskStatus {
enum Code : int {
    Pendiente = 0,
    EnProceso = 1,
    Finalizada = 2,
};
}
QString taskStatusText(int code);
QStringList taskStatusTexts();

// Task priority: FT_PRIORIDAD.
namespace TaskPriority {
enum Code : int {
    Baja = 0,
    Media = 1,
    Alta = 2,
};
}
QString taskPriorityText(int code);
QStringList taskPriorityTexts();

// Appointment status: RMC_STATUS.
namespace AppointmentStatus {
enum Code : int {
    Pendiente = 0,
    Citado = 1,
    Cancelada = 2,
};
}
QString appointmentStatusText(int code);
QStringList appointmentStatusTexts();

// Return state of an outside-party shipment: FTR_STENTREGA.
namespace ShipmentReturnState {
enum Code : int {
    EnEspera = 0,
    Recibido = 1,
};
}
QString shipmentReturnStateText(int code);
QStringList shipmentReturnStateTexts();

// Departure state of an outside-party shipment: FTR_STSALIDA.
namespace ShipmentDepartureState {
enum Code : int {
    EnEspera = 0,
    Enviado = 1,
};
}
QString shipmentDepartureStateText(int code);
QStringList shipmentDepartureStateTexts();

// Payment kind of a payment line (TFormaPago, payment slots). The two negative values mark
// lines of the payment list that are not payments.
namespace PaymentKind {
enum Code : int {
    Adelanto = -2,      // the advance already paid, shown in the list
    LineaEntrada = -1,  // the empty entry line at the end of the list
    Efectivo = 0,
    Cheque = 1,
    TarjetaDebito = 2,
    TarjetaCredito = 3,
};
}
// Texts of the kinds 0 to 3; empty for the negative values.
QString paymentKindText(int code);
QStringList paymentKindTexts();

// Document numbers: 8 characters, the last number used plus one, "0" on the left.
// A number wider than 8 digits is kept whole; a negative counter counts as 0.
QString nextDocumentNumber(qint64 lastUsed);

// RMA_CODIGO / RMD_CODIGORMA of a reception saved without processing.
inline constexpr QLatin1String kPendingDocumentCode("PENDIENTE");
// RMA_CODIGO of a pending reception once it is voided.
inline constexpr QLatin1String kAnnulledDocumentCode("ANULADO");

} // namespace k9
