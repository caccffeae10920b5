#include "queries/ui/InfoGeneralForm.h"

#include "controls/ListRowDelegate.h"
#include "controls/VorelListFocus.h"

#include <QFontInfo>
#include <QHeaderView>

#include <algorithm>

namespace k9 {

namespace {

constexpr int kMinimumWidth = 50;
constexpr int kPadding = 20;

} // namespace

Tk9InfoGeneralForm::Tk9InfoGeneralForm(QWidget *parent, LookupBrowser &browser) : TVorelInfoForm(parent, browser) {}

int Tk9InfoGeneralForm::columnWidth(const BrowserColumn &column) const
{
    const QFontMetrics fm = list()->fontMetrics();
    const int fontPixels = QFontInfo(list()->font()).pixelSize();
    const int caption = fm.horizontalAdvance(column.caption()) + kPadding;
    int width = caption;
    if (column.def.widthChars > 0) {
        width = column.def.widthChars * fontPixels;
    } else if (column.isCoded()) {
        // Room for the longest text of the code list.
        for (const QString &code : column.def.codes)
            width = qMax(width, fm.horizontalAdvance(code) + kPadding);
    } else {
        switch (column.type) {
        case FieldType::Integer:
        case FieldType::SmallInt:
        case FieldType::AutoInc:
        case FieldType::Boolean: break;
        case FieldType::Money:
        case FieldType::Float:
            width = qMax(caption, fm.horizontalAdvance(QStringLiteral("999,999,999,999,999.99")) + kPadding);
            break;
        case FieldType::Date: width = qMax(caption, fm.horizontalAdvance(QStringLiteral("99/99/9999")) + kPadding); break;
        case FieldType::DateTime:
            width = std::max({caption, fm.horizontalAdvance(QStringLiteral("99/99/9999")) + kPadding,
                              fm.horizontalAdvance(QStringLiteral("99/99/1999 ")) + kPadding});
            break;
        case FieldType::String:
        case FieldType::Memo:
        case FieldType::Blob:
            if (column.textWidthChars() > 0)
                width = column.textWidthChars() * fontPixels;
            break;
        }
    }
    return qMax(kMinimumWidth, width);
}

void Tk9InfoGeneralForm::setUpColumns()
{
    QSet<int> right;
    const QList<BrowserColumn> &columns = browser().columns();
    for (qsizetype c = 0; c < columns.size(); ++c) {
        header()->resizeSection(static_cast<int>(c), columnWidth(columns[c]));
        if (columns[c].rightAligned())
            right.insert(static_cast<int>(c));
    }
    list()->rowDelegate()->setRightAligned(right);
    list()->rowDelegate()->setMinimumWidth(header()->length());
    list()->doItemsLayout();
}

} // namespace k9
