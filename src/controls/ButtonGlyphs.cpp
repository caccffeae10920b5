#include "controls/ButtonGlyphs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QStyle>

#include <functional>

namespace k9 {

namespace {

constexpr int kSize = 16;

// A glyph drawn here for the images the style does not provide.
QIcon drawn(const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    p.end();
    return QIcon(pixmap);
}

QIcon plusGlyph()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(0, 128, 0), 3));
        p.drawLine(8, 3, 8, 13);
        p.drawLine(3, 8, 13, 8);
    });
}

QIcon minusGlyph()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(192, 0, 0), 3));
        p.drawLine(3, 8, 13, 8);
    });
}

QIcon pencilGlyph()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(230, 180, 40));
        QPainterPath path;
        path.moveTo(3, 13);
        path.lineTo(4, 10);
        path.lineTo(11, 3);
        path.lineTo(13, 5);
        path.lineTo(6, 12);
        path.closeSubpath();
        p.drawPath(path);
    });
}

QIcon magnifierGlyph()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(40, 40, 40), 2));
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(QRectF(2, 2, 8, 8));
        p.drawLine(9, 9, 14, 14);
    });
}

QIcon printerGlyph()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(160, 160, 160));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
    });
}

QIcon calendarGlyph()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 2.5, 13, 12));
        p.fillRect(QRectF(2, 3, 12, 3), QColor(192, 0, 0));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 4; ++col)
                p.fillRect(QRectF(3 + col * 3, 7.5 + row * 2.3, 1.6, 1.4), QColor(60, 60, 60));
    });
}

QIcon calculatorGlyph()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(220, 220, 220));
        p.drawRect(QRectF(2.5, 0.5, 11, 15));
        p.fillRect(QRectF(4, 2, 8, 3), QColor(170, 200, 150));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                p.fillRect(QRectF(4 + col * 3, 7 + row * 2.8, 2, 1.8), QColor(60, 60, 60));
    });
}

QIcon eraserGlyph()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(240, 150, 170));
        QPainterPath path;
        path.moveTo(2, 10);
        path.lineTo(9, 3);
        path.lineTo(14, 8);
        path.lineTo(8, 14);
        path.lineTo(5, 14);
        path.closeSubpath();
        p.drawPath(path);
    });
}

QIcon themed(const char *name, const QIcon &fallback)
{
    return QIcon::fromTheme(QString::fromLatin1(name), fallback);
}

QIcon makeGlyph(int number)
{
    QStyle *style = QApplication::style();
    auto standard = [style](QStyle::StandardPixmap sp) { return style->standardIcon(sp); };
    switch (number) {
    case 1: return standard(QStyle::SP_DialogOkButton);
    case 2: return standard(QStyle::SP_DialogCancelButton);
    case 3: return themed("list-add", plusGlyph());
    case 4: return themed("list-remove", minusGlyph());
    case 5: return themed("document-edit", pencilGlyph());
    case 6: return themed("edit-find", magnifierGlyph());
    case 7: return themed("document-print", printerGlyph());
    case 8: return standard(QStyle::SP_ArrowLeft);
    case 9: return standard(QStyle::SP_ArrowRight);
    case 10: return standard(QStyle::SP_MediaSkipBackward);
    case 11: return standard(QStyle::SP_MediaSkipForward);
    case 12: return standard(QStyle::SP_DialogSaveButton);
    case 13: return standard(QStyle::SP_DialogOpenButton);
    case 14: return standard(QStyle::SP_DialogResetButton);
    case 15: return standard(QStyle::SP_DialogHelpButton);
    case 16: return standard(QStyle::SP_DialogCloseButton);
    case 17: return standard(QStyle::SP_BrowserReload);
    case 18: return standard(QStyle::SP_ArrowUp);
    case 19: return standard(QStyle::SP_ArrowDown);
    case 20: return standard(QStyle::SP_BrowserStop);
    case 21: return standard(QStyle::SP_MessageBoxInformation);
    case 22: return standard(QStyle::SP_MessageBoxWarning);
    case 23: return themed("x-office-calendar", calendarGlyph());
    case 24: return themed("accessories-calculator", calculatorGlyph());
    case 25: return standard(QStyle::SP_DirIcon);
    case 26: return standard(QStyle::SP_MediaPlay);
    case 27: return themed("edit-clear", eraserGlyph());
    case 28: return standard(QStyle::SP_FileDialogContentsView);
    default: return QIcon();
    }
}

class GlyphSet : public QObject
{
public:
    using QObject::QObject;
    QIcon icons[kGlyphCount + 1];
    bool made[kGlyphCount + 1] = {};
};

} // namespace

int glyphNumber(const QString &objectName)
{
    if (objectName.size() < 3)
        return -1;
    const QString digits = objectName.right(3);
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return -1;
    }
    return digits.toInt();
}

QIcon buttonGlyph(int number)
{
    if (number < 1 || number > kGlyphCount)
        return QIcon();
    // The set lives as long as the application (icons must not outlive it).
    static QPointer<GlyphSet> cache;
    GlyphSet *set = cache.data();
    if (!set) {
        set = new GlyphSet(qApp);
        cache = set;
    }
    GlyphSet &glyphs = *set;
    if (!glyphs.made[number]) {
        glyphs.icons[number] = makeGlyph(number);
        glyphs.made[number] = true;
    }
    return glyphs.icons[number];
}

bool applyButtonGlyph(QAbstractButton *button)
{
    const QIcon glyph = buttonGlyph(glyphNumber(button->objectName()));
    if (glyph.isNull())
        return false;
    button->setIcon(glyph);
    return true;
}

} // namespace k9
