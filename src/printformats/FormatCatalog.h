#pragma once

#include "printformats/FormatParams.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace k9 {

// One format of a document kind, as the catalogue lists it.
struct FormatEntry
{
    QString baseName;
    QString layoutPath;    // kind directory + base name + ".SPR", relative to DirFormatos
    QStringList condition; // the lines of the ".CON" file; empty when the format has none
    FormatParams params;
};

// Fills `list` with the formats of `kind` found in DirFormatos + the kind's directory: every
// ".PFG" file (in name order) whose record is active with a positive number of copies and,
// when `onlyFlagged`, marked for printing from documents. A file shorter than a record is
// skipped. An order of 0 becomes the entry's position among the kept ones (1, 2, ...); the
// list is then sorted by order (equal orders keep their name order).
void CargarFormatos(int kind, QList<FormatEntry> &list, bool onlyFlagged = false);

// The file `name` in `dir` with any letter case ("RMA.spr" for "RMA.SPR"); empty when none.
QString findFileIgnoringCase(const QString &dir, const QString &name);

// Reads a text file of the formats directory: UTF-8 when it is valid UTF-8, else the Windows
// Western code page. nullopt when it cannot be read.
std::optional<QString> readFormatText(const QString &path);

} // namespace k9
