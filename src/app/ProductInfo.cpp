#include "app/ProductInfo.h"

namespace k9 {

QString productTitle()
{
    return QStringLiteral("k9RMA - Garantías y Servicio Técnico");
}

QString productVersion()
{
    return QStringLiteral("1.0");
}

QString moduleCaption()
{
    return QStringLiteral("Módulo ") + productTitle();
}

} // namespace k9
