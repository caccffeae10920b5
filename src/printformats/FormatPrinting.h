#pragma once

#include "data/Status.h"
#include "printformats/FormatFields.h"
#include "printformats/FormatCatalog.h"
#include "printformats/Pages.h"
#include "printformats/PrintDocument.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace k9 {

// The copy captions printed by the code 0_12.
QString captionOriginal();    // "Original"
QString captionCopy();        // "Copia"
QString captionReprint();     // "Reimpresión"

// What the print window settled for one format.
struct PrintSettings
{
    int copies = 1;
    QString printerName;
    bool reprint = false;      // the document is printed again: every copy says "Reimpresión"
    bool singleFormat = false; // one chosen format: its copies in one job print once
};

struct PrintJob
{
    QString copyCaption;
    int copies = 1;
};

// The jobs of one format: all copies in one job (the record's offset 522 set; a single chosen
// format prints one copy), or one job per copy, the first "Original" and the others "Copia".
// A reprint says "Reimpresión" on every copy.
QList<PrintJob> planJobs(const FormatParams &params, const PrintSettings &settings);

// Where the jobs of one format go.
class JobOutput
{
public:
    virtual ~JobOutput() = default;
    // One job: the pages of one copy, printed `copies` times.
    virtual Status printJob(const QList<LaidOutPage> &pages, int copies, const QString &jobName) = 0;
};

// A document number made safe for a file name.
QString fileNamePart(const QString &text);

// The export file of a document: DirReportes + the kind's word + the document number +
// ".pdf" or ".Txt".
QString exportPath(int kind, const QString &number, ExportType type);

struct FormatPrintResult
{
    enum class Outcome {
        Printed,
        NotPrinted, // the layout is missing or malformed, or the export failed; already told
        Failed,     // a job failed: the print loop asks "ERROR #43"
    };
    Outcome outcome = Outcome::Printed;
    QString message;
};

// Prints a document with one format: reads its layout (DirFormatos + the entry's layout path;
// a missing or malformed layout prints nothing and says why), then exports it (offset 529) or
// sends its jobs to `output`.
FormatPrintResult printFormat(const FormatEntry &entry, const PrintDocument &document, const SystemValues &system,
                              const PrintSettings &settings, JobOutput &output);

} // namespace k9
