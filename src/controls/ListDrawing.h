#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QAbstractItemView;
class QHeaderView;
class QPainter;

namespace k9 {

// The drawing shared by every owner-drawn list: rows white (or, striped, grey on even
// rows), the selected row in the highlight colour with white text, vertical lines at the
// right edge of every header section but the last, and cells aligned to the header's
// sections.
namespace listcolours {
const QColor kStripe(0x9C, 0x9C, 0x9C);
const QColor kStripedLine(0x80, 0x80, 0x80);
const QColor kBackground(Qt::white);
} // namespace listcolours

// Paints the background of row `row` of `list` (its rectangle `rect`, in viewport
// coordinates): the row itself and, for the last row of a list shorter than its box, the
// empty rows below it; then the lines of the header's sections from the top of the row to
// the bottom of the list. Sets the painter's pen to the text colour and answers it.
QColor DibujarFondoLista(QPainter *painter, const QAbstractItemView *list, int row, const QRect &rect, bool striped,
                         const QColor &lineColour, const QColor &textColour, const QHeaderView *header,
                         bool selected);

// Draws the text of header section `section` in row `rect`: the cell is as wide as the
// section less one pixel; the text 2 pixels from the left and 1 from the top, or, right-
// aligned, 4 pixels from the right. A selected row draws white text; otherwise `colour`
// when `useColour`, else the painter's pen.
void DibujarCelda(QPainter *painter, const QHeaderView *header, const QRect &rect, bool selected,
                  const QColor &colour, bool useColour, bool rightAligned, int section, const QString &text);

// The geometry behind them.
QRect cellRect(const QHeaderView *header, const QRect &rowRect, int section);
QRect cellTextRect(const QRect &cell, bool rightAligned);
// The x of each line, for a row starting at `left`: the right edge of every section but
// the last in visual order, the first one a pixel further left.
QList<int> columnLines(const QHeaderView *header, int left);
// The background of row `row`: white, or the stripe on even rows when striped.
QColor rowBackground(int row, bool striped);
// Paints the empty rows of `list` from row `firstRow`, whose top is `top`.
void paintEmptyRows(QPainter *painter, const QAbstractItemView *list, int firstRow, int top, int rowHeight,
                    bool striped);
// Paints the column lines from `top` to the bottom of the list's box.
void paintColumnLines(QPainter *painter, const QAbstractItemView *list, const QHeaderView *header, int left, int top,
                      const QColor &colour);

} // namespace k9
