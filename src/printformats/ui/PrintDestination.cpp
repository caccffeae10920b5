#include "printformats/ui/PrintDestination.h"

#include "controls/PrintTarget.h"
#include "printformats/PagePainter.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace k9 {

bool printsToDirectory()
{
    return !PrintTarget::printDirectory().isEmpty();
}

std::unique_ptr<JobOutput> openJobOutput(const QString &printerName, int kind, const QString &number)
{
    const QString dir = PrintTarget::printDirectory();
    if (!dir.isEmpty())
        return std::make_unique<DirectoryPdfOutput>(dir, kindWord(kind) + u'_' + fileNamePart(number));
    return std::make_unique<PrinterOutput>(printerName);
}

DirectoryPdfOutput::DirectoryPdfOutput(const QString &dir, const QString &name) : m_dir(dir), m_name(name)
{
}

Status DirectoryPdfOutput::printJob(const QList<LaidOutPage> &pages, int copies, const QString &jobName)
{
    if (!QDir().mkpath(m_dir) || !QFileInfo(m_dir).isDir())
        return Status::failure(QStringLiteral("No es un directorio: ") + m_dir);
    QString path = QDir(m_dir).filePath(PrintTarget::pdfFileName(m_name, QDateTime::currentDateTime()));
    for (int n = 2; QFileInfo::exists(path); ++n) // several jobs within the same millisecond
        path = QDir(m_dir).filePath(
            PrintTarget::pdfFileName(m_name + QStringLiteral("_%1").arg(n), QDateTime::currentDateTime()));
    if (Status s = writePdf(path, pages, copies, jobName); !s)
        return s;
    m_files << path;
    return Status::ok();
}

Status PrinterOutput::printJob(const QList<LaidOutPage> &pages, int copies, const QString &jobName)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!m_printerName.isEmpty())
        printer.setPrinterName(m_printerName);
    if (!printer.isValid())
        return Status::failure(QStringLiteral("La impresora no está disponible: ") + m_printerName);
    printer.setFullPage(true);
    printer.setDocName(jobName);
    int painted = copies;
    if (printer.supportsMultipleCopies()) {
        printer.setCopyCount(copies);
        painted = 1;
    }
    if (Status s = paintPages(printer, pages, painted); !s)
        return s;
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return Status::failure(QStringLiteral("La impresora no aceptó el trabajo."));
    return Status::ok();
}

} // namespace k9
