#include "controls/ListRowDelegate.h"

#include "controls/ListDrawing.h"
#include "controls/ListPlaceholder.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QPainter>

namespace k9 {

ListRowDelegate::ListRowDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

void ListRowDelegate::setHeader(const QHeaderView *header)
{
    m_header = header;
}

QString ListRowDelegate::cellText(const QModelIndex &index, int section) const
{
    if (m_cellText)
        return m_cellText(index, section);
    return index.data(Qt::DisplayRole).toString().section(u'\t', section, section);
}

void ListRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const auto *list = qobject_cast<const QAbstractItemView *>(option.widget);
    const bool placeholder = index.row() == 0 && index.data(Qt::DisplayRole).toString() == listrows::kPlaceholder
                             && index.model()->rowCount(index.parent()) == 1;
    const bool selected = !placeholder && (option.state & QStyle::State_Selected);
    // The row spans the whole box even when its text is narrower.
    QRect row = option.rect;
    if (list)
        row.setRight(qMax(row.right(), list->viewport()->width() - 1));
    painter->save();
    DibujarFondoLista(painter, list, index.row(), row, m_striped, m_lineColour, m_textColour, m_header,
                      selected);
    if (!placeholder) {
        painter->setFont(option.font);
        const std::optional<QColor> colour = m_rowColour ? m_rowColour(index) : std::nullopt;
        if (m_header && m_header->count() > 0) {
            for (int section = 0; section < m_header->count(); ++section) {
                if (m_header->isSectionHidden(section))
                    continue;
                DibujarCelda(painter, m_header, row, selected, colour.value_or(QColor()), colour.has_value(),
                             m_rightAligned.contains(section), section, cellText(index, section));
            }
        } else {
            DibujarCelda(painter, nullptr, row, selected, colour.value_or(QColor()), colour.has_value(), false, 0,
                         index.data(Qt::DisplayRole).toString());
        }
    }
    painter->restore();
}

QSize ListRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(option.fontMetrics.height() + 3);
    int width = m_minimumWidth;
    if (m_header)
        width = qMax(width, m_header->length());
    size.setWidth(qMax(size.width(), width));
    return size;
}

} // namespace k9
