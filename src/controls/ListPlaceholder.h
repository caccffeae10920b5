#pragma once

#include <QString>

class QListWidget;
class QListWidgetItem;

namespace k9 {

// An empty owner-drawn list holds exactly one row "$" (without a record) and is disabled;
// a list has rows when its first row is not "$". These keep that convention for any list.
namespace listrows {

inline const QString kPlaceholder = QStringLiteral("$");

// Empties the list: one row "$", disabled.
void reset(QListWidget *list);
// Whether the list holds rows of its own (its first row is not "$").
bool hasRows(const QListWidget *list);
// The number of rows of its own (0 for the "$" list).
int count(const QListWidget *list);
// Adds a row (the "$" row goes away and the list is enabled); answers the new item.
QListWidgetItem *append(QListWidget *list, const QString &text);
// Removes row `row`; the list becomes the "$" list when it was the last.
void remove(QListWidget *list, int row);

} // namespace listrows

} // namespace k9
