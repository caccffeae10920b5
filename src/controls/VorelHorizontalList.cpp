#include "controls/VorelHorizontalList.h"

#include "controls/ListRowDelegate.h"

namespace k9 {

TVorelHorizontalList::TVorelHorizontalList(QWidget *parent) : TVorelListFocus(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TVorelHorizontalList::setHScroll(int pixels)
{
    m_hScroll = qMax(0, pixels);
    rowDelegate()->setMinimumWidth(m_hScroll);
    doItemsLayout();
}

} // namespace k9
