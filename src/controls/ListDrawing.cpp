#include "controls/ListDrawing.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QPainter>

namespace k9 {

QColor rowBackground(int row, bool striped)
{
    return striped && row % 2 == 0 ? listcolours::kStripe : listcolours::kBackground;
}

QRect cellRect(const QHeaderView *header, const QRect &rowRect, int section)
{
    if (!header || section < 0 || section >= header->count())
        return rowRect;
    // Each cell starts one pixel right of the previous cell's right edge: at the section's
    // own position.
    const int left = rowRect.left() + header->sectionPosition(section);
    return QRect(left, rowRect.top(), qMax(0, header->sectionSize(section) - 1), rowRect.height());
}

QRect cellTextRect(const QRect &cell, bool rightAligned)
{
    if (rightAligned)
        return QRect(cell.left(), cell.top() + 1, qMax(0, cell.width() - 4), qMax(0, cell.height() - 1));
    return QRect(cell.left() + 2, cell.top() + 1, qMax(0, cell.width() - 2), qMax(0, cell.height() - 1));
}

QList<int> columnLines(const QHeaderView *header, int left)
{
    QList<int> lines;
    if (!header)
        return lines;
    QList<int> visible;
    for (int v = 0; v < header->count(); ++v) {
        const int logical = header->logicalIndex(v);
        if (!header->isSectionHidden(logical))
            visible << logical;
    }
    for (qsizetype i = 0; i + 1 < visible.size(); ++i) {
        const int logical = visible[i];
        int x = left + header->sectionPosition(logical) + header->sectionSize(logical) - 1;
        if (i == 0)
            x -= 1;
        lines << x;
    }
    return lines;
}

void paintEmptyRows(QPainter *painter, const QAbstractItemView *list, int firstRow, int top, int rowHeight,
                    bool striped)
{
    if (!list || rowHeight <= 0)
        return;
    const QWidget *viewport = list->viewport();
    const int bottom = viewport->height();
    const int width = viewport->width();
    for (int row = firstRow, y = top; y < bottom; ++row, y += rowHeight)
        painter->fillRect(QRect(0, y, width, rowHeight), rowBackground(row, striped));
}

void paintColumnLines(QPainter *painter, const QAbstractItemView *list, const QHeaderView *header, int left, int top,
                      const QColor &colour)
{
    const int bottom = list ? list->viewport()->height() : top;
    painter->save();
    painter->setPen(QPen(colour, 0));
    for (int x : columnLines(header, left))
        painter->drawLine(x, top, x, bottom);
    painter->restore();
}

QColor DibujarFondoLista(QPainter *painter, const QAbstractItemView *list, int row, const QRect &rect, bool striped,
                         const QColor &lineColour, const QColor &textColour, const QHeaderView *header,
                         bool selected)
{
    const int rows = list && list->model() ? list->model()->rowCount(list->rootIndex()) : 0;
    if (row == rows - 1)
        paintEmptyRows(painter, list, rows, rect.bottom() + 1, rect.height(), striped);

    QColor text = textColour;
    if (selected) {
        const QPalette palette = list ? list->palette() : QPalette();
        painter->fillRect(rect, palette.color(QPalette::Active, QPalette::Highlight));
        text = Qt::white;
    } else {
        painter->fillRect(rect, rowBackground(row, striped));
    }
    paintColumnLines(painter, list, header, rect.left(), rect.top(), striped ? listcolours::kStripedLine : lineColour);
    painter->setPen(text);
    return text;
}

void DibujarCelda(QPainter *painter, const QHeaderView *header, const QRect &rect, bool selected,
                  const QColor &colour, bool useColour, bool rightAligned, int section, const QString &text)
{
    const QRect cell = cellRect(header, rect, section);
    painter->save();
    if (selected)
        painter->setPen(Qt::white);
    else if (useColour)
        painter->setPen(colour);
    const QRect area = cellTextRect(cell, rightAligned);
    const QString shown = painter->fontMetrics().elidedText(text, Qt::ElideRight, area.width());
    painter->setClipRect(cell);
    painter->drawText(area, (rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextSingleLine, shown);
    painter->restore();
}

} // namespace k9
