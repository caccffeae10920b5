#include "controls/EditMenus.h"

#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>

namespace k9 {

namespace {

QString nameOf(EditAction which)
{
    switch (which) {
    case EditAction::Cut: return QStringLiteral("edit-cut");
    case EditAction::Paste: return QStringLiteral("edit-paste");
    case EditAction::Delete: return QStringLiteral("edit-delete");
    }
    return QString();
}

QString shortcutOf(const QAction *action)
{
    return action->text().section(u'\t', 1);
}

} // namespace

QAction *findEditAction(QMenu *menu, EditAction which)
{
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (action->objectName() == nameOf(which))
            return action;
    }
    const QString cutKeys = QKeySequence(QKeySequence::Cut).toString(QKeySequence::NativeText);
    const QString pasteKeys = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const QString keys = shortcutOf(actions[i]);
        if (which == EditAction::Cut && keys == cutKeys)
            return actions[i];
        if (keys == pasteKeys) {
            if (which == EditAction::Paste)
                return actions[i];
            // "Delete" follows "Paste" and has no shortcut of its own.
            if (which == EditAction::Delete && i + 1 < actions.size() && !actions[i + 1]->isSeparator()
                && shortcutOf(actions[i + 1]).isEmpty())
                return actions[i + 1];
        }
    }
    return nullptr;
}

bool replaceEditAction(QMenu *menu, EditAction which, const std::function<void()> &run)
{
    const QString name = nameOf(which);
    if (QAction *old = findEditAction(menu, which)) {
        auto *action = new QAction(old->icon(), old->text(), menu);
        action->setObjectName(name);
        action->setEnabled(old->isEnabled());
        QObject::connect(action, &QAction::triggered, menu, [run] { run(); });
        menu->insertAction(old, action);
        menu->removeAction(old);
        return true;
    }
    return false;
}

void popUpEditMenu(QMenu *menu, QContextMenuEvent *event)
{
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace k9
