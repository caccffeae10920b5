#include "reception/ReceptionPrint.h"

#include "core/Records.h"

namespace k9 {

QString printedModeText(int receivedAs)
{
    switch (receivedAs) {
    case 0:
        return QStringLiteral("Garantía");
    case 1:
        return QStringLiteral("Servicio");
    case 2:
        return QStringLiteral("Garatía y Servicio");
    default:
        return QString();
    }
}

QString printedReasonText(int reason)
{
    switch (reason) {
    case 1:
        return QStringLiteral("Evaluación");
    case 2:
        return QStringLiteral("Cambio");
    case 3:
        return QStringLiteral("Reparación");
    case 4:
        return QStringLiteral("Actualización");
    case 5:
        return QStringLiteral("Otro");
    default:
        return QStringLiteral("Servicio");
    }
}

PrintDocument receptionPrintDocument(const ReceptionPrintHeader &header, const QList<ReceptionPrintItem> &items)
{
    PrintDocument document;
    document.kind = KindRecepcion;
    document.number = header.code;
    document.header.insert(0, PrintValue::ofText(header.code));
    document.header.insert(1, PrintValue::ofText(header.name));
    document.header.insert(2, PrintValue::ofText(header.address));
    document.header.insert(3, PrintValue::ofText(header.taxId));
    document.header.insert(4, PrintValue::ofText(header.phone));
    document.header.insert(5, PrintValue::ofText(header.salesman));
    document.header.insert(6, PrintValue::ofAmount(header.gross));
    document.header.insert(7, PrintValue::ofAmount(header.tax));
    document.header.insert(8, PrintValue::ofAmount(header.advance));
    document.header.insert(9, PrintValue::ofAmount(header.total));
    document.header.insert(10, PrintValue::ofAmount(header.paid));
    for (const ReceptionPrintItem &item : items) {
        QMap<int, PrintValue> row;
        row.insert(0, PrintValue::ofText(item.productCode));
        row.insert(1, PrintValue::ofText(item.serial));
        row.insert(2, PrintValue::ofText(item.description));
        row.insert(3, PrintValue::ofAmount(Money::fromUnits(itemQuantity(item.quantity))));
        row.insert(4, PrintValue::ofText(printedModeText(item.receivedAs)));
        row.insert(5, PrintValue::ofText(printedReasonText(item.reason)));
        row.insert(6, PrintValue::ofAmount(item.advance));
        row.insert(7, PrintValue::ofAmount(item.revision));
        row.insert(8, PrintValue::ofText(item.condition));
        row.insert(9, PrintValue::ofText(item.faults));
        document.items << row;
    }
    return document;
}

} // namespace k9
