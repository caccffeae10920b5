#pragma once

#include "core/Money.h"

#include <QList>
#include <QMap>
#include <QString>

namespace k9 {

// Document kinds printed through print formats.
enum DocumentKind : int {
    KindRecepcion = 28,   // reception (RMA)
    KindPresupuesto = 29, // budget
    KindServicio = 30,    // service order
};

// The kind's directory under DirFormatos ("RECEPCION/"); empty for a kind the module does not
// print.
QString kindDirectory(int kind);
// The word of the kind in export file names ("RMA", "Presupuestos", "Servicio").
QString kindWord(int kind);

// One value handed to a print format: a text, or an amount (printed with the amount format,
// added up over the items, usable in formulas).
class PrintValue
{
public:
    PrintValue() = default;
    static PrintValue ofText(const QString &text);
    static PrintValue ofAmount(Money amount);

    bool isAmount() const { return m_isAmount; }
    const QString &text() const { return m_text; }
    Money amount() const { return m_amount; }

private:
    bool m_isAmount = false;
    QString m_text;
    Money m_amount;
};

// A document as the print-format engine prints it, filled by the subsystem that prints it.
// Header values are printed by the codes of group "1" (1_00 to 1_10: texts 0-5 and amounts
// 6-10 by convention), item values by the codes of group "2" (2_NN: field NN of every item row
// that has it). The field numbers of each kind are listed in docs/print-formats.md.
struct PrintDocument
{
    int kind = 0;
    QString number; // the document number, used in export file names
    QMap<int, PrintValue> header;
    QList<QMap<int, PrintValue>> items;
};

} // namespace k9
