#pragma once

#include <QPixmap>
#include <QString>

namespace k9 {

// The pictures of the main window and the log-in dialog, drawn by the program.

// A padlock, closed or open.
QPixmap lockImage(bool open, int size = 48);
// The main window's backgrounds: the product name in the middle, the company along the
// bottom, and a gear with a wrench at the bottom right.
QPixmap centreImage(const QString &productTitle);
QPixmap downImage(const QString &companyName);
QPixmap rightImage(int size = 128);

} // namespace k9
