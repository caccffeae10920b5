#pragma once

#include "printformats/FormatFields.h"
#include "printformats/FormatCatalog.h"
#include "printformats/PrintDocument.h"

#include <QList>

class QWidget;

namespace k9 {

// How a document asks to be printed.
struct PrintFormatsOptions
{
    bool singleFormat = false; // one format chosen by the user: its skip mark is not looked at,
                               // and copies in one job print once
    bool reprint = false;      // every copy says "Reimpresión"
    bool neverAsk = false;     // the printer page is not shown, whatever the formats say
    std::optional<SystemValues> system; // the company and system values; from the workspace when empty
};

// Prints a document with every eligible format of `formats` (CargarFormatos), in order: the
// formats marked to be skipped are passed over (unless a single format was chosen), a format
// whose condition does not hold is not printed, and each other one goes through its print
// window. When a print fails, "ERROR #43" asks whether to print that format again. Answers
// whether the last print succeeded; copies and printer chosen in the windows are kept in the
// entries.
bool ImprimirFormatos(QWidget *owner, const PrintDocument &document, QList<FormatEntry> &formats,
                      const PrintFormatsOptions &options = PrintFormatsOptions());

} // namespace k9
