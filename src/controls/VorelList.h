#pragma once

#include "controls/VorelListFocus.h"

namespace k9 {

// The owner-drawn list with a vertical scroll bar always shown (disabled when not needed)
// and no horizontal one.
class TVorelList : public TVorelListFocus
{
    Q_OBJECT

public:
    explicit TVorelList(QWidget *parent = nullptr);
};

} // namespace k9
