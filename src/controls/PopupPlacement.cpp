#include "controls/PopupPlacement.h"

#include <QScreen>
#include <QWidget>

namespace k9 {

void showBelow(QWidget *popup, QWidget *anchor)
{
    popup->adjustSize();
    QPoint at = anchor->mapToGlobal(QPoint(0, anchor->height()));
    if (const QScreen *screen = anchor->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(qBound(area.left(), at.x(), qMax(area.left(), area.right() - popup->width())));
        if (at.y() + popup->height() > area.bottom())
            at.setY(anchor->mapToGlobal(QPoint(0, 0)).y() - popup->height());
    }
    popup->move(at);
    popup->show();
}

} // namespace k9
