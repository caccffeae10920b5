#include "printformats/PagePainter.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace k9 {

namespace {

constexpr int kQuietModules = 7; // blank modules on each side of a bar code

QFont fontOf(const PageItem &item)
{
    QFont font(item.fontFamily);
    font.setPointSizeF(item.fontSize);
    font.setBold(item.bold);
    font.setItalic(item.italic);
    font.setUnderline(item.underline);
    return font;
}

Qt::Alignment horizontal(HAlign a)
{
    switch (a) {
    case HAlign::Center:
        return Qt::AlignHCenter;
    case HAlign::Right:
        return Qt::AlignRight;
    case HAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

QPageLayout pageLayoutFor(const QSizeF &sizeMm)
{
    const bool landscape = sizeMm.width() > sizeMm.height();
    const QSizeF portrait = landscape ? sizeMm.transposed() : sizeMm;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

void paintText(QPainter &painter, const PageItem &item, const QRectF &box, double dotsPerMm)
{
    painter.setFont(fontOf(item));
    const Qt::Alignment h = horizontal(item.align);
    if (item.wrap) {
        Qt::Alignment v = Qt::AlignTop;
        if (item.valign == VAlign::Middle)
            v = Qt::AlignVCenter;
        else if (item.valign == VAlign::Bottom)
            v = Qt::AlignBottom;
        painter.save();
        painter.setClipRect(box);
        painter.drawText(box, static_cast<int>(h | v | Qt::TextWordWrap), item.lines.join(u'\n'));
        painter.restore();
        return;
    }
    const double step = lineHeightMm(item.fontSize) * dotsPerMm;
    const double block = step * static_cast<double>(item.lines.size());
    double top = box.top();
    if (item.valign == VAlign::Middle)
        top += (box.height() - block) / 2;
    else if (item.valign == VAlign::Bottom)
        top += box.height() - block;
    painter.save();
    // Cut at the sides only, so that a line a little taller than its box keeps its descenders.
    painter.setClipRect(QRectF(box.left(), box.top() - step, box.width(), box.height() + 2 * step));
    for (qsizetype k = 0; k < item.lines.size(); ++k) {
        const QRectF line(box.left(), top + static_cast<double>(k) * step, box.width(), step);
        painter.drawText(line, static_cast<int>(h | Qt::AlignVCenter | Qt::TextSingleLine), item.lines[k]);
    }
    painter.restore();
}

void paintBars(QPainter &painter, const PageItem &item, const QRectF &box, double dotsPerMm)
{
    const double module = box.width() / static_cast<double>(item.modules.size() + 2 * kQuietModules);
    double barHeight = box.height();
    QRectF digitsBox;
    if (!item.digits.isEmpty()) {
        const double textHeight = std::min(lineHeightMm(item.fontSize) * dotsPerMm, box.height() / 2);
        barHeight -= textHeight;
        digitsBox = QRectF(box.left(), box.top() + barHeight, box.width(), textHeight);
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (qsizetype i = 0; i < item.modules.size();) {
        if (item.modules[i] != u'1') {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < item.modules.size() && item.modules[j] == u'1')
            ++j;
        const double x = box.left() + module * static_cast<double>(kQuietModules + i);
        painter.drawRect(QRectF(x, box.top(), module * static_cast<double>(j - i), barHeight));
        i = j;
    }
    painter.restore();
    if (!item.digits.isEmpty()) {
        painter.setFont(fontOf(item));
        painter.drawText(digitsBox, static_cast<int>(Qt::AlignHCenter | Qt::AlignVCenter), item.digits);
    }
}

} // namespace

void paintPage(QPainter &painter, const LaidOutPage &page, double dotsPerMm)
{
    painter.setPen(QPen(Qt::black, 0.2 * dotsPerMm));
    for (const PageItem &item : page.items) {
        const QRectF box(item.box.left() * dotsPerMm, item.box.top() * dotsPerMm, item.box.width() * dotsPerMm,
                         item.box.height() * dotsPerMm);
        switch (item.kind) {
        case PageItem::Kind::Frame:
            painter.save();
            painter.setBrush(Qt::NoBrush);
            if (box.height() <= 0 || box.width() <= 0)
                painter.drawLine(box.topLeft(), box.bottomRight());
            else
                painter.drawRect(box);
            painter.restore();
            break;
        case PageItem::Kind::Text:
            paintText(painter, item, box, dotsPerMm);
            break;
        case PageItem::Kind::Bars:
            paintBars(painter, item, box, dotsPerMm);
            break;
        }
    }
}

Status paintPages(QPagedPaintDevice &device, const QList<LaidOutPage> &pages, int copies)
{
    if (pages.isEmpty() || copies < 1)
        return Status::failure(QStringLiteral("No hay nada que imprimir."));
    device.setPageLayout(pageLayoutFor(pages.first().size));
    QPainter painter;
    if (!painter.begin(&device))
        return Status::failure(QStringLiteral("No se pudo iniciar la impresión."));
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    bool first = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (const LaidOutPage &page : pages) {
            if (!first) {
                device.setPageLayout(pageLayoutFor(page.size));
                if (!device.newPage()) {
                    painter.end();
                    return Status::failure(QStringLiteral("No se pudo comenzar una página nueva."));
                }
            }
            first = false;
            paintPage(painter, page, dotsPerMm);
        }
    }
    if (!painter.end())
        return Status::failure(QStringLiteral("No se pudo terminar la impresión."));
    return Status::ok();
}

Status writePdf(const QString &path, const QList<LaidOutPage> &pages, int copies, const QString &title)
{
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("k9RMA"));
        writer.setTitle(title);
        if (Status s = paintPages(writer, pages, copies); !s)
            return s;
    }
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() == 0)
        return Status::failure(QStringLiteral("No se pudo escribir el archivo %1.").arg(path));
    return Status::ok();
}

} // namespace k9
