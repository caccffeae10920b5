#include "controls/VorelList.h"

namespace k9 {

TVorelList::TVorelList(QWidget *parent) : TVorelListFocus(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

} // namespace k9
