#include "controls/HeadingStyle.h"

#include "core/Globals.h"

#include <QLabel>
#include <QVariant>

namespace k9 {

namespace {
const char *const kFrameProperty = "k9HeadingFrame";
} // namespace

void EstiloEncabezado(HeadingFrame &label, bool top)
{
    if (session().BoldEncabezados) {
        label.opaque = true;
        label.bottomLine = false;
        label.textColour = QColor(0x00, 0x00, 0x80);
        return;
    }
    label.opaque = false;
    label.topLine = top;
    label.bottomLine = !top;
    label.textColour = Qt::black;
}

void EstiloEncabezado(QLabel *label, bool top)
{
    if (!label)
        return;
    // The lines the label had before, kept beside it.
    const QVariantList stored = label->property(kFrameProperty).toList();
    HeadingFrame frame;
    if (stored.size() == 2) {
        frame.topLine = stored[0].toBool();
        frame.bottomLine = stored[1].toBool();
    }
    EstiloEncabezado(frame, top);
    label->setProperty(kFrameProperty, QVariantList{frame.topLine, frame.bottomLine});
    QString sheet = QStringLiteral("QLabel { color: %1; background: %2; border: none;")
                        .arg(frame.textColour.name(), frame.opaque ? QStringLiteral("white") : QStringLiteral("transparent"));
    if (frame.topLine)
        sheet += QStringLiteral(" border-top: 1px solid black;");
    if (frame.bottomLine)
        sheet += QStringLiteral(" border-bottom: 1px solid black;");
    label->setStyleSheet(sheet + QStringLiteral(" }"));
    label->setAutoFillBackground(frame.opaque);
}

} // namespace k9
