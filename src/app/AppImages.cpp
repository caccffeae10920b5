#include "app/AppImages.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace k9 {

namespace {

const QColor kSteel(0x5A, 0x6B, 0x7D);
const QColor kBrass(0xD8, 0xA8, 0x30);
const QColor kShade(0x9C, 0x9C, 0x9C);

QPixmap transparent(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap lockImage(bool open, int size)
{
    QPixmap pixmap = transparent(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // The shackle: an arch above the body, lifted and turned aside when open.
    QPen shackle(kSteel, s * 0.09, Qt::SolidLine, Qt::FlatCap);
    p.setPen(shackle);
    p.setBrush(Qt::NoBrush);
    const qreal lift = open ? s * 0.16 : 0;
    const QRectF arch(s * 0.28, s * 0.08 - lift, s * 0.44, s * 0.5);
    p.drawArc(arch, 0, 180 * 16);
    p.drawLine(QPointF(arch.left(), arch.center().y()), QPointF(arch.left(), s * 0.47 - (open ? lift : 0)));
    if (!open)
        p.drawLine(QPointF(arch.right(), arch.center().y()), QPointF(arch.right(), s * 0.47));
    // The body with its key hole.
    p.setPen(QPen(kBrass.darker(140), s * 0.03));
    p.setBrush(kBrass);
    p.drawRoundedRect(QRectF(s * 0.16, s * 0.45, s * 0.68, s * 0.48), s * 0.06, s * 0.06);
    p.setPen(Qt::NoPen);
    p.setBrush(kBrass.darker(220));
    p.drawEllipse(QPointF(s * 0.5, s * 0.63), s * 0.06, s * 0.06);
    p.drawRect(QRectF(s * 0.475, s * 0.65, s * 0.05, s * 0.15));
    return pixmap;
}

QPixmap centreImage(const QString &productTitle)
{
    QFont big;
    big.setPointSize(40);
    big.setBold(true);
    QFont small;
    small.setPointSize(14);
    const QString name = productTitle.section(QStringLiteral(" - "), 0, 0);
    const QString subtitle = productTitle.section(QStringLiteral(" - "), 1);
    const QFontMetrics bigMetrics(big);
    const QFontMetrics smallMetrics(small);
    const int width = std::max(bigMetrics.horizontalAdvance(name), smallMetrics.horizontalAdvance(subtitle)) + 20;
    const int height = bigMetrics.height() + smallMetrics.height() + 20;
    QPixmap pixmap = transparent(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(big);
    p.setPen(kShade.lighter(115));
    p.drawText(QRect(2, 2, width, bigMetrics.height()), Qt::AlignHCenter, name);
    p.setPen(kSteel);
    p.drawText(QRect(0, 0, width, bigMetrics.height()), Qt::AlignHCenter, name);
    p.setFont(small);
    p.setPen(kShade.darker(130));
    p.drawText(QRect(0, bigMetrics.height() + 6, width, smallMetrics.height()), Qt::AlignHCenter, subtitle);
    return pixmap;
}

QPixmap downImage(const QString &companyName)
{
    QFont font;
    font.setPointSize(16);
    font.setItalic(true);
    const QFontMetrics metrics(font);
    const int width = std::max(metrics.horizontalAdvance(companyName) + 60, 200);
    const int height = metrics.height() + 16;
    QPixmap pixmap = transparent(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, width, 0);
    band.setColorAt(0, QColor(0xD9, 0xD9, 0xD9, 0));
    band.setColorAt(0.5, QColor(0xD9, 0xD9, 0xD9));
    band.setColorAt(1, QColor(0xD9, 0xD9, 0xD9, 0));
    p.fillRect(pixmap.rect(), band);
    p.setFont(font);
    p.setPen(kSteel.darker(120));
    p.drawText(pixmap.rect(), Qt::AlignCenter, companyName);
    return pixmap;
}

QPixmap rightImage(int size)
{
    QPixmap pixmap = transparent(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QPointF centre(s * 0.55, s * 0.45);
    // A gear: a ring of teeth around a disc with a hole.
    QPainterPath gear;
    const int teeth = 10;
    const qreal outer = s * 0.34;
    const qreal inner = s * 0.27;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a0 = std::numbers::pi * i / teeth;
        const qreal a1 = std::numbers::pi * (i + 1) / teeth;
        const qreal r = (i % 2 == 0) ? outer : inner;
        const QPointF from = centre + QPointF(std::cos(a0) * r, std::sin(a0) * r);
        const QPointF to = centre + QPointF(std::cos(a1) * r, std::sin(a1) * r);
        if (i == 0)
            gear.moveTo(from);
        else
            gear.lineTo(from);
        gear.lineTo(to);
    }
    gear.closeSubpath();
    gear.addEllipse(centre, s * 0.1, s * 0.1);
    gear.setFillRule(Qt::OddEvenFill);
    p.setPen(QPen(kSteel.darker(130), 1.5));
    p.setBrush(kShade);
    p.drawPath(gear);
    // A wrench across it.
    p.translate(s * 0.42, s * 0.6);
    p.rotate(-40);
    p.setBrush(kSteel);
    p.drawRoundedRect(QRectF(-s * 0.05, 0, s * 0.1, s * 0.42), s * 0.03, s * 0.03);
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), s * 0.11, s * 0.11);
    QPainterPath jaw;
    jaw.addRect(QRectF(-s * 0.04, -s * 0.13, s * 0.08, s * 0.1));
    p.drawPath(head.subtracted(jaw));
    return pixmap;
}

} // namespace k9
