#pragma once

#include "controls/VorelListFocus.h"

namespace k9 {

// An owner-drawn list whose rows are HScroll pixels wide, scrolled sideways.
class TVorelHorizontalList : public TVorelListFocus
{
    Q_OBJECT
    Q_PROPERTY(int HScroll READ HScroll WRITE setHScroll)

public:
    explicit TVorelHorizontalList(QWidget *parent = nullptr);

    int HScroll() const { return m_hScroll; }
    // Sets the horizontal scroll extent at once.
    void setHScroll(int pixels);

private:
    int m_hScroll = 0;
};

} // namespace k9
