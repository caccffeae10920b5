#pragma once

class QWidget;

namespace k9 {

// Shows a pop-up window just below `anchor` (above it when the screen has no room below),
// kept within the screen.
void showBelow(QWidget *popup, QWidget *anchor);

} // namespace k9
