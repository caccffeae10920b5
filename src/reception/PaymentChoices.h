#pragma once

#include "core/Money.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace k9 {

// What the third field of the payment editor offers for a payment type: the default
// currency for cash (SMoneda), the banks for cheques and debit cards (SInstitucion), the
// cards for credit cards (STarjetas), all in the company data directory.
struct PaymentChoice
{
    QString code;        // FM_CODE, FIF_CODIGO or FTJ_CODIGO
    QStringList columns; // the texts of the displayed columns
    QString shown;       // the text the field shows once chosen
    Money factor = Money::fromUnits(1); // FM_FACTOR of a currency; 1 for banks and cards
};

struct PaymentChoiceColumn
{
    QString field;
    int width = 10; // characters
};

struct PaymentChoiceList
{
    QString table;
    QString valueField;
    QList<PaymentChoiceColumn> columns;
    int shownColumn = 0; // which displayed column the field shows
    QList<PaymentChoice> rows;

    // The row of `code`; -1 when there is none.
    int indexOf(const QString &code) const;
};

// The table, fields and columns of a payment type (0-3), without rows.
PaymentChoiceList paymentChoiceLayout(int type);

// Reads the rows for payment type `type` from the tables in `dir`, in the table's order.
// Cash offers only the currency MONEDA_DEFECTO of SSistema. When a table cannot be read,
// "Error al cargar la tabla " + table name + "." is shown (error) and the list holds what
// could be read: for cash, a missing SSistema or a default currency that SMoneda does not
// have drops the restriction and every currency is offered.
PaymentChoiceList loadPaymentChoices(int type, const QString &dir);

} // namespace k9
