#pragma once

#include <QHeaderView>
#include <QListWidget>
#include <QPointer>


namespace k9 {

class ListRowDelegate;

// An owner-drawn list: rows are drawn by its ListRowDelegate (aligned to a header when the
// window gives one), the selected row in the highlight colours, empty space as background,
// no focus rectangle. An empty list holds the "$" row and is disabled.
class TVorelListFocus : public QListWidget
{
    Q_OBJECT

public:
    explicit TVorelListFocus(QWidget *parent = nullptr);

    ListRowDelegate *rowDelegate() const { return m_delegate; }
    // Cells follow `header`'s sections; the header scrolls with the list.
    void setHeader(QHeaderView *header);
    QHeaderView *header() const { return m_header; }

    // The "$" convention (see ListPlaceholder.h).
    void resetRows();
    bool hasRows() const;
    int rowCountOwn() const;
    QListWidgetItem *appendRow(const QString &text);
    void removeRow(int row);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ListRowDelegate *m_delegate;
    QPointer<QHeaderView> m_header;
};

} // namespace k9
