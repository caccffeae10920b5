#pragma once

#include "core/Money.h"

#include <QDate>
#include <QString>

namespace k9 {

// An amount written in Spanish words, upper case, as print formats show it:
// 1 000 000 "UN MILLON", 21 "VEINTIUNO", 100 "CIEN", 0 "CERO". The amount is first rounded to
// 2 decimals (the cents printed are those of the printed amount). In cheque mode the cents
// always follow as " CON nn/100"; otherwise " CON nn" follows only when there are cents. A
// negative amount starts with "MENOS ". Amounts above 999 999 999 999 are printed as a number
// with the amount format instead.
QString amountInWords(Money amount, bool chequeMode);

// A date written as "05 de marzo de 2007"; empty for a null date.
QString dateInWords(const QDate &date);

} // namespace k9
