#pragma once

#include <QString>

namespace k9 {

// The product title: it follows "Módulo " in the main window's caption.
QString productTitle();
QString productVersion();
// "Módulo " + the product title.
QString moduleCaption();

} // namespace k9
