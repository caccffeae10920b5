#pragma once

#include <QAbstractPrintDialog>
#include <QDateTime>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace k9 {

// Where a print goes. When the environment variable K9RMA_PRINT_DIR names a directory
// (created when missing), every print becomes a PDF file there, named by what is printed
// and the time ("Forma_Tk9RecepcionForm_20261211_140500_123.pdf"); otherwise the user
// picks a printer in the print dialog.
class PrintTarget
{
public:
    enum class Outcome { Ready, Cancelled, Failed };

    // Asks for the target of a print called `name`. `options` are those of the dialog.
    static PrintTarget choose(QWidget *parent, const QString &name,
                              QAbstractPrintDialog::PrintDialogOptions options = {});

    PrintTarget(PrintTarget &&) noexcept;
    PrintTarget &operator=(PrintTarget &&) noexcept;
    ~PrintTarget();

    Outcome outcome() const { return m_outcome; }
    bool isReady() const { return m_outcome == Outcome::Ready; }
    // The printer to paint on (set up for the PDF file or the chosen printer); null unless ready.
    QPrinter *printer() const { return m_printer.get(); }
    // The PDF file being written; empty when printing to a printer.
    const QString &pdfPath() const { return m_pdfPath; }
    // Why it failed, for the log of the caller's message.
    const QString &error() const { return m_error; }

    // The directory K9RMA_PRINT_DIR names, or empty when it is not set.
    static QString printDirectory();
    // "<name>_<yyyyMMdd_hhmmss_zzz>.pdf", the name's characters that cannot be in a file
    // name replaced by "_".
    static QString pdfFileName(const QString &name, const QDateTime &when);

private:
    PrintTarget();
    Outcome m_outcome = Outcome::Failed;
    std::unique_ptr<QPrinter> m_printer;
    QString m_pdfPath;
    QString m_error;
};

} // namespace k9

class QPixmap;

namespace k9 {

// Prints a picture of the screen on one page: at its size on the screen (`sourceDpi`), or
// smaller to fit the page. Answers whether the painting succeeded.
bool printPixmap(QPrinter *printer, const QPixmap &picture, int sourceDpi);

} // namespace k9
