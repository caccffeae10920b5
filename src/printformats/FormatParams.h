#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace k9 {

// The parameter record of a print format (the ".PFG" file): 820 bytes shared with the host
// suite. Texts are length-prefixed strings of at most 255 characters in the Windows Western
// code page; integers are 32-bit little-endian. The whole record is kept, so that writing it
// back leaves the bytes this module does not read unchanged.
struct FormatParams
{
    static constexpr int kSize = 820;

    QString title;                   // 0: window caption and title box
    qint32 copies = 1;               // 256
    bool active = false;             // 260: listed only when set
    bool fixedPrinter = false;       // 261: the printer box stays disabled
    bool askBeforePrinting = false;  // 262: show the printer page
    bool askSecond = false;          // 263: show the printer page too
    QString printerName;             // 264
    bool nationalCurrency = false;   // 521: initial state of "Imprimir ... moneda nacional"
    bool copiesAsOneJob = false;     // 522: all copies in one job
    bool exportToFile = false;       // 529: export to DirReportes instead of printing
    bool wholeDocument = false;      // 541
    bool fromDocuments1 = false;     // 542: printed from documents
    bool fromDocuments2 = false;     // 543: printed from documents
    bool skip = false;               // 545: skip this format
    qint32 order = 0;                // 546: print order (0: position in the directory)

    bool asksBeforePrinting() const { return askBeforePrinting || askSecond; }
    bool printsFromDocuments() const { return fromDocuments1 || fromDocuments2; }

    // nullopt for a record shorter than 820 bytes.
    static std::optional<FormatParams> fromBytes(const QByteArray &record);
    QByteArray toBytes() const;

private:
    QByteArray m_raw;
};

} // namespace k9
