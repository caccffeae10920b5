#include "controls/MenuConfigTree.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

namespace k9 {

namespace {

constexpr int kCaptionRole = Qt::UserRole + 1; // the caption the item had when the tree was built
const QString kSeparator = QStringLiteral("-");

// Captions are edited in a line of at most 40 characters where "-" cannot be typed.
class CaptionDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setMaxLength(MenuConfigTree::kMaxCaption);
        editor->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^-]*")), editor));
        return editor;
    }
};

} // namespace

MenuConfigTree::MenuConfigTree(QWidget *parent) : QTreeWidget(parent), m_popup(new QMenu(this))
{
    setObjectName(QStringLiteral("TreeMenuConfig"));
    setHeaderHidden(true);
    setItemDelegate(new CaptionDelegate(this));
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    connect(this, &QTreeWidget::itemChanged, this, &MenuConfigTree::onItemChanged);

    m_popup->addAction(QStringLiteral("&Expandir todo"), this, &QTreeView::expandAll);
    m_popup->addAction(QStringLiteral("&Contraer todo"), this, &QTreeView::collapseAll);
    m_popup->addSeparator();
    m_popup->addAction(QStringLiteral("&Marcar todo"), this, [this] { markAll(true); });
    m_popup->addAction(QStringLiteral("&Desmarcar todo"), this, [this] { markAll(false); });
    m_popup->addSeparator();
    m_popup->addAction(QStringLiteral("C&errar"), this, &MenuConfigTree::closeRequested);
}

void MenuConfigTree::build(QMenuBar *menuBar)
{
    m_building = true;
    clear();
    m_actions.clear();
    if (menuBar)
        addActions(nullptr, menuBar->actions());
    m_building = false;
}

void MenuConfigTree::addActions(QTreeWidgetItem *parent, const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        m_actions.insert(item, action);
        if (action->isSeparator()) {
            item->setText(0, kSeparator);
            item->setFlags(Qt::ItemIsEnabled);
            continue;
        }
        item->setText(0, action->text());
        item->setData(0, kCaptionRole, action->text());
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsUserCheckable);
        item->setCheckState(0, action->isEnabled() ? Qt::Checked : Qt::Unchecked);
        if (QMenu *menu = action->menu()) {
            QFont font = item->font(0);
            font.setBold(true);
            item->setFont(0, font);
            addActions(item, menu->actions());
        }
    }
}

QAction *MenuConfigTree::actionOf(const QTreeWidgetItem *item) const
{
    return m_actions.value(item, nullptr);
}

QTreeWidgetItem *MenuConfigTree::itemOf(const QAction *action) const
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        if (it.value() == action)
            return const_cast<QTreeWidgetItem *>(it.key());
    }
    return nullptr;
}

void MenuConfigTree::markAll(bool checked)
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        auto *item = const_cast<QTreeWidgetItem *>(it.key());
        if (item->flags() & Qt::ItemIsUserCheckable)
            item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    }
}

void MenuConfigTree::onItemChanged(QTreeWidgetItem *item, int column)
{
    QAction *action = actionOf(item);
    if (m_building || column != 0 || !action || action->isSeparator())
        return;
    action->setEnabled(item->checkState(0) == Qt::Checked);

    QString caption = item->text(0).trimmed().left(kMaxCaption);
    if (caption.isEmpty())
        caption = item->data(0, kCaptionRole).toString();
    if (caption != item->text(0)) {
        m_building = true;
        item->setText(0, caption);
        m_building = false;
    }
    action->setText(caption);
}

void MenuConfigTree::contextMenuEvent(QContextMenuEvent *event)
{
    m_popup->popup(event->globalPos());
}

} // namespace k9
