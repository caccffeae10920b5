#pragma once

#include <QHash>
#include <QTreeWidget>

class QMenu;
class QMenuBar;

namespace k9 {

// The menu-configuration tree of the menu window: one node per menu item (bold when it
// has a sub-menu). Checking a node enables its item, unchecking disables it; editing a
// node renames its item (at most 40 characters, no "-"; an empty text restores the
// caption it had). Separators ("-") cannot be edited. Its pop-up menu expands, collapses,
// marks or unmarks every node, or closes the tree.
class MenuConfigTree : public QTreeWidget
{
    Q_OBJECT

public:
    static constexpr int kMaxCaption = 40;

    explicit MenuConfigTree(QWidget *parent = nullptr);

    // Builds the nodes from the menus of `menuBar`.
    void build(QMenuBar *menuBar);
    QAction *actionOf(const QTreeWidgetItem *item) const;
    QTreeWidgetItem *itemOf(const QAction *action) const;

    void markAll(bool checked);
    QMenu *popupMenu() const { return m_popup; }

signals:
    void closeRequested();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void addActions(QTreeWidgetItem *parent, const QList<QAction *> &actions);
    void onItemChanged(QTreeWidgetItem *item, int column);

    QHash<const QTreeWidgetItem *, QAction *> m_actions;
    QMenu *m_popup;
    bool m_building = false;
};

} // namespace k9
