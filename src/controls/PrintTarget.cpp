#include "controls/PrintTarget.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace k9 {

PrintTarget::PrintTarget() = default;
PrintTarget::PrintTarget(PrintTarget &&) noexcept = default;
PrintTarget &PrintTarget::operator=(PrintTarget &&) noexcept = default;
PrintTarget::~PrintTarget() = default;

QString PrintTarget::printDirectory()
{
    return qEnvironmentVariable("K9RMA_PRINT_DIR").trimmed();
}

QString PrintTarget::pdfFileName(const QString &name, const QDateTime &when)
{
    QString safe;
    for (QChar c : name)
        safe += (c.isLetterOrNumber() || c == u'_' || c == u'-') ? c : QChar(u'_');
    if (safe.isEmpty())
        safe = QStringLiteral("Impresion");
    return safe + u'_' + when.toString(QStringLiteral("yyyyMMdd_hhmmss_zzz")) + QStringLiteral(".pdf");
}

PrintTarget PrintTarget::choose(QWidget *parent, const QString &name, QAbstractPrintDialog::PrintDialogOptions options)
{
    PrintTarget target;
    const QString dir = printDirectory();
    if (!dir.isEmpty()) {
        if (!QDir().mkpath(dir) || !QFileInfo(dir).isDir()) {
            target.m_error = QStringLiteral("No es un directorio: ") + dir;
            return target;
        }
        QString path = QDir(dir).filePath(pdfFileName(name, QDateTime::currentDateTime()));
        for (int n = 2; QFileInfo::exists(path); ++n) // two prints within the same millisecond
            path = QDir(dir).filePath(pdfFileName(name + QStringLiteral("_%1").arg(n), QDateTime::currentDateTime()));
        target.m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        target.m_printer->setOutputFormat(QPrinter::PdfFormat);
        target.m_printer->setOutputFileName(path);
        target.m_printer->setDocName(name);
        target.m_pdfPath = path;
        target.m_outcome = Outcome::Ready;
        return target;
    }

    target.m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    target.m_printer->setDocName(name);
    QPrintDialog dialog(target.m_printer.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Imprimir"));
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted) {
        target.m_printer.reset();
        target.m_outcome = Outcome::Cancelled;
        return target;
    }
    target.m_outcome = Outcome::Ready;
    return target;
}

} // namespace k9

#include <QPainter>
#include <QPixmap>

namespace k9 {

bool printPixmap(QPrinter *printer, const QPixmap &picture, int sourceDpi)
{
    if (!printer || picture.isNull())
        return false;
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
    const QRect area(0, 0, page.width(), page.height());
    const QSizeF natural = QSizeF(picture.size() / picture.devicePixelRatio())
                           * (double(printer->resolution()) / qMax(1, sourceDpi));
    QSizeF size = natural;
    if (size.width() > area.width() || size.height() > area.height())
        size.scale(area.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(QPointF(0, 0), size), picture, QRectF(picture.rect()));
    return painter.end();
}

} // namespace k9
