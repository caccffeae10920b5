#pragma once

#include "core/Money.h"
#include "printformats/PrintDocument.h"

#include <QList>
#include <QString>

// The reception as its print formats (document kind 28) print it: the header record and one
// row per item. Processing fills it from the window's values, the reprint from stored ones.
namespace k9 {

struct ReceptionPrintHeader
{
    QString code;     // 1_00
    QString name;     // 1_01
    QString address;  // 1_02
    QString taxId;    // 1_03
    QString phone;    // 1_04
    QString salesman; // 1_05
    Money gross;      // 1_06
    Money tax;        // 1_07
    Money advance;    // 1_08
    Money total;      // 1_09 gross + tax
    Money paid;       // 1_10
};

struct ReceptionPrintItem
{
    QString productCode;
    QString serial;
    QString description;
    int quantity = 1; // 1 when below 1
    int receivedAs = 0;
    int reason = 0;
    Money advance;
    Money revision; // processing: without tax; reprint: the stored total with tax
    QString condition;
    QString faults;
};

// "Garantía", "Servicio", "Garatía y Servicio" for the modes 0, 1, 2.
QString printedModeText(int receivedAs);
// "Evaluación", "Cambio", "Reparación", "Actualización", "Otro" for 1 to 5; "Servicio" otherwise.
QString printedReasonText(int reason);

PrintDocument receptionPrintDocument(const ReceptionPrintHeader &header, const QList<ReceptionPrintItem> &items);

// Where a reception goes to be printed: the window lists the formats of kind 28 and prints
// through them; the tests keep what they are given. Answers false when printing failed.
class PrintStep
{
public:
    virtual ~PrintStep() = default;
    virtual bool print(const PrintDocument &document, bool reprint) = 0;
};

} // namespace k9
