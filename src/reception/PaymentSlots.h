#pragma once

#include "core/BlobImages.h"
#include "core/Money.h"
#include "core/Records.h"

#include <QList>

namespace k9 {

// The payment lines handed back by the payment window, as a reception or a budget stores
// them: the payment slots of RMA_FORMAPAGO / FRI_FORMADEPAGO and the sums of each kind that
// go to petty cash.
struct PaymentTotals
{
    QList<PaymentSlot> payments; // the slots: at most 10, in the order of the lines
    Money cash;               // the change already taken off
    Money cheque;
    Money debit;
    Money credit;
    Money paid;               // every payment line's share, before the change is taken off
    Money change;

    // cash + cheque + debit + credit: what stays in the box (paid − change).
    Money total() const { return cash + cheque + debit + credit; }
    // The slots' image (1680 bytes).
    QByteArray image() const { return encodePaymentSlots(payments); }
};

// Builds the slots and sums from the lines of the payment window and its change:
// - the entry line (type -1) and fixed advance lines (type -2) are not payments and are
//   skipped; every other line takes the next slot (type, code, detail, amount), in order;
// - a cash line after the first one adds its amount into the first cash line's slot;
// - each line counts with its share (PaymentLines::share(): a cash line in a currency whose
//   factor is not 1 counts amount ÷ factor), in its slot and in the sum of its kind;
// - the change is taken off once from the cash sum and once from the first cash slot. With
//   no cash line, the change is cash handed back: the cash sum goes below zero and no slot
//   changes.
// Lines that would need an 11th slot still count in the sums (the window never gives more
// than 9 payments).
PaymentTotals paymentTotals(const QList<TFormaPago> &lines, Money change);

} // namespace k9
