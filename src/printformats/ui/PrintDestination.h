#pragma once

#include "printformats/FormatPrinting.h"

#include <QStringList>

#include <memory>

namespace k9 {

// Where the jobs of a print format go: one place for the decision. When K9RMA_PRINT_DIR is
// set (PrintTarget::printDirectory), each job is a PDF file there named by the document's kind
// and number and the time ("RMA_00000042_20261211_140500_123.pdf"), and no printer page is
// shown; otherwise each job goes to the printer named (the default printer when empty).
bool printsToDirectory();
std::unique_ptr<JobOutput> openJobOutput(const QString &printerName, int kind, const QString &number);

// Each job as a PDF file in a directory.
class DirectoryPdfOutput : public JobOutput
{
public:
    DirectoryPdfOutput(const QString &dir, const QString &name);
    Status printJob(const QList<LaidOutPage> &pages, int copies, const QString &jobName) override;
    const QStringList &files() const { return m_files; }

private:
    QString m_dir;
    QString m_name;
    QStringList m_files;
};

// Each job on a printer, its copies in the same job.
class PrinterOutput : public JobOutput
{
public:
    explicit PrinterOutput(const QString &printerName) : m_printerName(printerName) {}
    Status printJob(const QList<LaidOutPage> &pages, int copies, const QString &jobName) override;

private:
    QString m_printerName;
};

} // namespace k9
