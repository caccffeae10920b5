#pragma once

#include "printformats/FormatFields.h"
#include "printformats/Layout.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

namespace k9 {

// One drawn thing of a laid-out page; millimetres from the paper's top left corner.
struct PageItem
{
    enum class Kind { Text, Bars, Frame };
    Kind kind = Kind::Text;
    QRectF box;
    // Text: the lines; a wrapped text is one paragraph per line, broken to the box's width;
    // otherwise each line is one printed line, cut at the box's edge.
    QStringList lines;
    bool wrap = false;
    QString fontFamily;
    double fontSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Top;
    // Bars: "1" a bar, "0" a space, and the digits printed under them (empty: none).
    QString modules;
    QString digits;
};

struct LaidOutPage
{
    QSizeF size; // millimetres
    QList<PageItem> items;
};

// The pages of one copy of a document printed with a layout. A MEMO listing an item field
// shows one item per line; when the items do not fit, the page is repeated with the next
// ones, so that every item is printed.
QList<LaidOutPage> layOut(const FormatLayout &layout, const PrintDocument &document, const SystemValues &system,
                          const QString &copyCaption);

// The distance between two printed lines of a font size, in millimetres.
double lineHeightMm(double fontSizePoints);

// The pages as plain text: each page's texts from top to bottom, left to right, the pages
// separated by a form feed. Used by the text export.
QString pagesAsText(const QList<LaidOutPage> &pages);

} // namespace k9
