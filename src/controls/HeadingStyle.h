#pragma once

#include <QColor>

class QLabel;

namespace k9 {

// The frame of a report heading label.
struct HeadingFrame
{
    bool opaque = false;
    bool topLine = false;
    bool bottomLine = false;
    QColor textColour = Qt::black;
};

// The heading style of the reports. With the user's bold-headings preference
// (BOLDENCABEZADOS) the label becomes opaque, loses its bottom line and gets navy text;
// otherwise it becomes transparent, with only a top line (`top`) or only a bottom line,
// and black text.
void EstiloEncabezado(HeadingFrame &label, bool top);
// The same on a label on the screen (kept in its style sheet).
void EstiloEncabezado(QLabel *label, bool top);

} // namespace k9
