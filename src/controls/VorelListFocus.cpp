#include "controls/VorelListFocus.h"

#include "controls/ListDrawing.h"
#include "controls/ListPlaceholder.h"
#include "controls/ListRowDelegate.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

namespace k9 {

TVorelListFocus::TVorelListFocus(QWidget *parent) : QListWidget(parent), m_delegate(new ListRowDelegate(this))
{
    setItemDelegate(m_delegate);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QPalette p = palette();
    p.setColor(QPalette::Base, listcolours::kBackground);
    setPalette(p);
}

void TVorelListFocus::setHeader(QHeaderView *header)
{
    if (m_header)
        disconnect(horizontalScrollBar(), nullptr, m_header, nullptr);
    m_header = header;
    m_delegate->setHeader(header);
    if (header) {
        connect(horizontalScrollBar(), &QScrollBar::valueChanged, header, &QHeaderView::setOffset);
        connect(header, &QHeaderView::sectionResized, viewport(), qOverload<>(&QWidget::update));
    }
    doItemsLayout();
}

void TVorelListFocus::resetRows()
{
    listrows::reset(this);
}

bool TVorelListFocus::hasRows() const
{
    return listrows::hasRows(this);
}

int TVorelListFocus::rowCountOwn() const
{
    return listrows::count(this);
}

QListWidgetItem *TVorelListFocus::appendRow(const QString &text)
{
    return listrows::append(this, text);
}

void TVorelListFocus::removeRow(int row)
{
    listrows::remove(this, row);
}

void TVorelListFocus::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    // The space below the last row: empty rows and the column lines.
    QPainter painter(viewport());
    const int rows = count();
    int top = 0;
    int height = fontMetrics().height() + 3;
    if (rows > 0) {
        const QRect last = visualRect(model()->index(rows - 1, 0));
        top = last.bottom() + 1;
        height = last.height() > 0 ? last.height() : height;
    }
    if (top >= viewport()->height())
        return;
    paintEmptyRows(&painter, this, rows, top, height, m_delegate->striped());
    const int left = -horizontalScrollBar()->value();
    paintColumnLines(&painter, this, m_header, left, top,
                     m_delegate->striped() ? listcolours::kStripedLine : m_delegate->lineColour());
}

} // namespace k9
