#pragma once

#include <functional>

class QAction;
class QContextMenuEvent;
class QMenu;

namespace k9 {

// The standard context menu of a line edit with some of its actions run by the control
// itself (the number and date edits paste in their own way).
enum class EditAction { Cut, Paste, Delete };

// The action `which` of a line edit's standard menu (found by its name, or by its shortcut
// where the toolkit gives no names); null when the menu has none.
QAction *findEditAction(QMenu *menu, EditAction which);
// Replaces `which` in `menu` by an action with the same caption and state that runs `run`
// (named "edit-cut", "edit-paste" or "edit-delete").
// Answers whether the menu had that action.
bool replaceEditAction(QMenu *menu, EditAction which, const std::function<void()> &run);
// Shows the menu at the event's position; the menu deletes itself when closed.
void popUpEditMenu(QMenu *menu, QContextMenuEvent *event);

} // namespace k9
