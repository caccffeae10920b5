#pragma once

#include "data/Status.h"

#include <QString>

namespace k9::workspace {

// Installs the module's print formats in `formatsRmaDir` (the directory that holds RECEPCION/,
// PRESUPUESTO/ and SERVICIO/, created when missing): one working format for receptions, one
// for budgets and one for service orders, each a parameter record (".PFG": active, one copy,
// printed from documents, the printer page shown) and a layout (".SPR") that prints the
// company heading, the document number, the customer, every item or line, the amounts with
// tax and the total in words. Files already there are left as they are.
Status installDefaultFormats(const QString &formatsRmaDir);

} // namespace k9::workspace
