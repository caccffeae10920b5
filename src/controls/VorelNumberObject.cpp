#include "controls/VorelNumberObject.h"

namespace k9 {

TVorelNumberObject::TVorelNumberObject(QObject *parent) : QObject(parent) {}

void TVorelNumberObject::setTipoDato(TDato tipo)
{
    if (m_tipo == tipo)
        return;
    m_tipo = tipo;
    emit changed();
}

void TVorelNumberObject::setNNegative(bool value)
{
    if (m_nNegative == value)
        return;
    m_nNegative = value;
    emit changed();
}

void TVorelNumberObject::setMinValor(double value)
{
    value = rounded(value);
    m_min = value > m_max ? m_max : value;
    if (m_act < m_min)
        m_act = m_min;
    emit changed();
}

void TVorelNumberObject::setMaxValor(double value)
{
    value = rounded(value);
    m_max = value < m_min ? m_min : value;
    if (m_act > m_max)
        m_act = m_max;
    emit changed();
}

void TVorelNumberObject::setActValor(double value)
{
    m_act = qBound(m_min, rounded(value), m_max);
    emit changed();
}

void TVorelNumberObject::setDecimales(int decimals)
{
    m_decimals = qBound(0, decimals, kMaxDecimals);
    m_min = rounded(m_min);
    m_max = rounded(m_max);
    m_act = qBound(m_min, rounded(m_act), m_max);
    emit changed();
}

void TVorelNumberObject::assign(const TVorelNumberObject &other)
{
    m_tipo = other.m_tipo;
    m_nNegative = other.m_nNegative;
    m_decimals = other.m_decimals;
    m_min = other.m_min;
    m_max = other.m_max;
    m_act = other.m_act;
    emit changed();
}

} // namespace k9
