#include "controls/Calculator.h"

#include "controls/NumberText.h"

#include <cmath>

namespace k9 {

Calculator::Calculator(QChar decimalSeparator) : m_separator(decimalSeparator) {}

void Calculator::start(double value)
{
    *this = Calculator(m_separator);
    setEntry(value);
}

void Calculator::setEntry(double value)
{
    if (!std::isfinite(value)) {
        m_error = true;
        m_entry = QStringLiteral("0");
        return;
    }
    m_entry = plainDecimal(value);
}

double Calculator::entryValue() const
{
    return m_entry.toDouble();
}

void Calculator::apply()
{
    const double b = entryValue();
    double result = b;
    switch (m_pending.unicode()) {
    case u'+': result = m_accumulator + b; break;
    case u'-': result = m_accumulator - b; break;
    case u'*': result = m_accumulator * b; break;
    case u'/':
        if (b == 0) {
            m_error = true;
            return;
        }
        result = m_accumulator / b;
        break;
    default: break;
    }
    m_accumulator = result;
    setEntry(result);
}

void Calculator::press(QChar key)
{
    if (key == u'C') {
        *this = Calculator(m_separator);
        return;
    }
    if (m_error)
        return;
    if (key == m_separator)
        key = u'.';
    if (key.isDigit() || key == u'.') {
        if (m_fresh) {
            m_entry = QStringLiteral("0");
            m_fresh = false;
        }
        if (key == u'.') {
            if (!m_entry.contains(u'.'))
                m_entry += u'.';
        } else if (m_entry == u"0") {
            m_entry = key;
        } else if (m_entry == u"-0") {
            m_entry = QStringLiteral("-") + key;
        } else if (m_entry.size() < 20) {
            m_entry += key;
        }
    } else if (key == u'+' || key == u'-' || key == u'*' || key == u'/') {
        if (m_pending.isNull())
            m_accumulator = entryValue();
        else if (!m_fresh)
            apply();
        m_pending = key;
        m_fresh = true;
    } else if (key == u'=') {
        if (!m_pending.isNull())
            apply();
        m_pending = QChar();
        m_fresh = true;
    } else if (key == u'%') {
        if (!m_pending.isNull())
            setEntry(m_accumulator * entryValue() / 100.0);
        m_fresh = true;
    } else if (key == u'N') {
        if (m_entry.startsWith(u'-'))
            m_entry.remove(0, 1);
        else if (m_entry != u"0")
            m_entry.prepend(u'-');
    } else if (key == u'<') {
        if (!m_fresh) {
            m_entry.chop(1);
            if (m_entry.isEmpty() || m_entry == u"-")
                m_entry = QStringLiteral("0");
        }
    } else if (key == u'E') {
        m_entry = QStringLiteral("0");
        m_fresh = false;
    }
}

void Calculator::press(const QString &keys)
{
    for (QChar key : keys)
        press(key);
}

QString Calculator::display() const
{
    if (m_error)
        return QStringLiteral("Error");
    QString text = m_entry;
    text.replace(u'.', m_separator);
    return text;
}

double Calculator::value() const
{
    return m_error ? 0.0 : entryValue();
}

} // namespace k9
