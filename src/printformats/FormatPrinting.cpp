#include "printformats/FormatPrinting.h"

#include "core/Messages.h"
#include "data/Workspace.h"
#include "printformats/PagePainter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <exception>

namespace k9 {

QString captionOriginal()
{
    return QStringLiteral("Original");
}

QString captionCopy()
{
    return QStringLiteral("Copia");
}

QString captionReprint()
{
    return QStringLiteral("Reimpresión");
}

QList<PrintJob> planJobs(const FormatParams &params, const PrintSettings &settings)
{
    const int copies = std::max(1, settings.copies);
    if (params.copiesAsOneJob)
        return {PrintJob{settings.reprint ? captionReprint() : captionOriginal(), settings.singleFormat ? 1 : copies}};
    QList<PrintJob> jobs;
    for (int i = 0; i < copies; ++i) {
        const QString caption = settings.reprint ? captionReprint() : (i == 0 ? captionOriginal() : captionCopy());
        jobs << PrintJob{caption, 1};
    }
    return jobs;
}

QString fileNamePart(const QString &text)
{
    QString out;
    for (const QChar c : text.trimmed())
        out += (c.isLetterOrNumber() || c == u'-' || c == u'_') ? c : QChar(u'_');
    return out;
}

QString exportPath(int kind, const QString &number, ExportType type)
{
    const QString ext = type == ExportType::Text ? QStringLiteral(".Txt") : QStringLiteral(".pdf");
    return paths().DirReportes + kindWord(kind) + fileNamePart(number) + ext;
}

namespace {

Status writeText(const QString &path, const QString &text)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return Status::failure(f.errorString());
    const QByteArray bytes = text.toUtf8();
    if (f.write(bytes) != bytes.size() || !f.commit())
        return Status::failure(f.errorString());
    return Status::ok();
}

FormatPrintResult exportFormat(const FormatLayout &layout, const FormatEntry &entry, const PrintDocument &document,
                               const SystemValues &system, const PrintSettings &settings)
{
    const QString caption = settings.reprint ? captionReprint() : captionOriginal();
    const QList<LaidOutPage> pages = layOut(layout, document, system, caption);
    const QString path = exportPath(document.kind, document.number, layout.exportType);
    const Status s = (!paths().DirReportes.isEmpty() && QDir().mkpath(paths().DirReportes))
                         ? (layout.exportType == ExportType::Text ? writeText(path, pagesAsText(pages))
                                                                  : writePdf(path, pages, 1, entry.params.title))
                         : Status::failure(QStringLiteral("no report directory"));
    if (!s) {
        messages().warn(QStringLiteral("El archivo no puede ser grabado."));
        return {FormatPrintResult::Outcome::NotPrinted, s.message()};
    }
    return {FormatPrintResult::Outcome::Printed, path};
}

} // namespace

FormatPrintResult printFormat(const FormatEntry &entry, const PrintDocument &document, const SystemValues &system,
                              const PrintSettings &settings, JobOutput &output)
{
    const QFileInfo relative(paths().DirFormatos + entry.layoutPath);
    const QString path = findFileIgnoringCase(relative.path(), relative.fileName());
    const LayoutResult layout = loadLayout(path.isEmpty() ? relative.filePath() : path);
    if (!layout.layout) {
        const QString why = QStringLiteral("El formato \"%1\" no se puede imprimir: %2.")
                                .arg(entry.params.title.isEmpty() ? entry.baseName : entry.params.title, layout.error);
        messages().error(why);
        return {FormatPrintResult::Outcome::NotPrinted, why};
    }
    try {
        if (entry.params.exportToFile)
            return exportFormat(*layout.layout, entry, document, system, settings);
        const QString jobName = entry.params.title.isEmpty() ? entry.baseName : entry.params.title;
        for (const PrintJob &job : planJobs(entry.params, settings)) {
            const QList<LaidOutPage> pages = layOut(*layout.layout, document, system, job.copyCaption);
            if (Status s = output.printJob(pages, job.copies, jobName); !s)
                return {FormatPrintResult::Outcome::Failed, s.message()};
        }
    } catch (const std::exception &e) {
        return {FormatPrintResult::Outcome::Failed, QString::fromLocal8Bit(e.what())};
    }
    return {FormatPrintResult::Outcome::Printed, QString()};
}

} // namespace k9
