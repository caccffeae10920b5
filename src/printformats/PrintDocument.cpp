#include "printformats/PrintDocument.h"

namespace k9 {

QString kindDirectory(int kind)
{
    switch (kind) {
    case KindRecepcion:
        return QStringLiteral("RECEPCION/");
    case KindPresupuesto:
        return QStringLiteral("PRESUPUESTO/");
    case KindServicio:
        return QStringLiteral("SERVICIO/");
    default:
        return QString();
    }
}

QString kindWord(int kind)
{
    switch (kind) {
    case KindRecepcion:
        return QStringLiteral("RMA");
    case KindPresupuesto:
        return QStringLiteral("Presupuestos");
    case KindServicio:
        return QStringLiteral("Servicio");
    default:
        return QString();
    }
}

PrintValue PrintValue::ofText(const QString &text)
{
    PrintValue v;
    v.m_text = text;
    return v;
}

PrintValue PrintValue::ofAmount(Money amount)
{
    PrintValue v;
    v.m_isAmount = true;
    v.m_amount = amount;
    return v;
}

} // namespace k9
