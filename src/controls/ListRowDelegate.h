#pragma once

#include <QColor>
#include <QHeaderView>
#include <QPointer>
#include <QSet>
#include <QStyledItemDelegate>

#include <functional>
#include <optional>

namespace k9 {

// Draws the rows of an owner-drawn list with DibujarFondoLista and DibujarCelda: one cell
// per section of a header (the item's text split at tabs, unless a cell-text function is
// given), or the whole text when there is no header. The "$" row of an empty list draws
// as background only. No focus rectangle is drawn.
class ListRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using CellText = std::function<QString(const QModelIndex &, int section)>;
    using RowColour = std::function<std::optional<QColor>(const QModelIndex &)>;

    explicit ListRowDelegate(QObject *parent = nullptr);

    void setHeader(const QHeaderView *header);
    const QHeaderView *header() const { return m_header; }
    void setStriped(bool striped) { m_striped = striped; }
    bool striped() const { return m_striped; }
    void setLineColour(const QColor &colour) { m_lineColour = colour; }
    const QColor &lineColour() const { return m_lineColour; }
    void setTextColour(const QColor &colour) { m_textColour = colour; }
    void setRightAligned(const QSet<int> &sections) { m_rightAligned = sections; }
    void setCellText(CellText cellText) { m_cellText = std::move(cellText); }
    // A colour for a row's text (nothing: the default text colour).
    void setRowColour(RowColour rowColour) { m_rowColour = std::move(rowColour); }
    // The width rows take at least (a horizontal list scrolls over it).
    void setMinimumWidth(int width) { m_minimumWidth = width; }

    QString cellText(const QModelIndex &index, int section) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QPointer<const QHeaderView> m_header;
    bool m_striped = false;
    QColor m_lineColour = QColor(0xC0, 0xC0, 0xC0);
    QColor m_textColour = Qt::black;
    QSet<int> m_rightAligned;
    CellText m_cellText;
    RowColour m_rowColour;
    int m_minimumWidth = 0;
};

} // namespace k9
