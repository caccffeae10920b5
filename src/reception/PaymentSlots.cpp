#include "reception/PaymentSlots.h"

#include "core/CodeLists.h"
#include "reception/PaymentLines.h"

namespace k9 {

PaymentTotals paymentTotals(const QList<TFormaPago> &lines, Money change)
{
    PaymentTotals totals;
    totals.change = change;
    int firstCashSlot = -1;
    for (const TFormaPago &line : lines) {
        const Money share = PaymentLines::share(line);
        switch (line.type) {
        case PaymentKind::Efectivo: totals.cash += share; break;
        case PaymentKind::Cheque: totals.cheque += share; break;
        case PaymentKind::TarjetaDebito: totals.debit += share; break;
        case PaymentKind::TarjetaCredito: totals.credit += share; break;
        default: continue; // the entry line and fixed advance lines are not payments
        }
        totals.paid += share;

        if (line.type == PaymentKind::Efectivo && firstCashSlot >= 0) {
            totals.payments[firstCashSlot].amount += share;
            continue;
        }
        if (totals.payments.size() >= kPaymentSlotCount)
            continue;
        if (line.type == PaymentKind::Efectivo)
            firstCashSlot = static_cast<int>(totals.payments.size());
        totals.payments.append({line.type, line.code.left(kPaymentCodeLength), line.detail.left(kPaymentDetailLength),
                             share});
    }

    totals.cash -= change;
    if (firstCashSlot >= 0)
        totals.payments[firstCashSlot].amount -= change;
    return totals;
}

} // namespace k9
