#include "controls/ListPlaceholder.h"

#include <QListWidget>

namespace k9::listrows {

void reset(QListWidget *list)
{
    list->clear();
    list->addItem(kPlaceholder);
    list->setEnabled(false);
}

bool hasRows(const QListWidget *list)
{
    return list->count() > 0 && list->item(0)->text() != kPlaceholder;
}

int count(const QListWidget *list)
{
    return hasRows(list) ? list->count() : 0;
}

QListWidgetItem *append(QListWidget *list, const QString &text)
{
    if (!hasRows(list)) {
        list->clear();
        list->setEnabled(true);
    }
    auto *item = new QListWidgetItem(text, list);
    return item;
}

void remove(QListWidget *list, int row)
{
    if (!hasRows(list) || row < 0 || row >= list->count())
        return;
    delete list->takeItem(row);
    if (list->count() == 0)
        reset(list);
}

} // namespace k9::listrows
