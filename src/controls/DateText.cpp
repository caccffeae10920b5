#include "controls/DateText.h"

#include "core/Regional.h"

#include <QStringList>

namespace k9 {

namespace datetext {

QChar separator()
{
    const QString &format = regional().shortDateFormat;
    return format.size() > 2 ? format[2] : QChar(u'/');
}

QDate read(const QString &text)
{
    const QStringList parts = text.trimmed().split(separator());
    if (parts.size() != 3)
        return QDate();
    int values[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const QString &p = parts[i];
        if (p.isEmpty() || p.size() > (i == 2 ? 4 : 2))
            return QDate();
        for (QChar c : p) {
            if (!c.isDigit())
                return QDate();
        }
        values[i] = p.toInt();
    }
    int year = values[2];
    if (parts[2].size() <= 2)
        year += 2000;
    else if (parts[2].size() != 4)
        return QDate();
    return QDate(year, values[1], values[0]);
}

QString write(const QDate &date)
{
    if (!date.isValid())
        return QString();
    const QString sep = separator();
    return date.toString(QStringLiteral("dd")) + sep + date.toString(QStringLiteral("MM")) + sep
           + date.toString(QStringLiteral("yyyy"));
}

KeyResult typedKey(const QString &text, int selLength, int cursor, QChar key)
{
    const QChar sep = separator();
    const bool digit = key >= u'0' && key <= u'9';
    if (!digit && key != sep)
        return {KeyResult::Drop, {}};
    const qsizetype length = text.size();
    const bool selected = selLength > 0;
    if (length >= kLength)
        return {selected ? KeyResult::Default : KeyResult::Drop, {}};
    const bool atEnd = !selected && cursor == length;
    // The day and the month close themselves: "12" + "0" gives "12/0", "12/05" + "2" "12/05/2".
    if (atEnd && digit && length == 2 && !text.contains(sep))
        return {KeyResult::Replace, text + sep + key};
    if (atEnd && digit && length == 5 && text.count(sep) == 1)
        return {KeyResult::Replace, text + sep + key};
    return {KeyResult::Default, {}};
}

} // namespace datetext

namespace {

QString normalizedDate(const QString &text)
{
    return datetext::write(datetext::read(text));
}

} // namespace

void TVorelDateObject::setMinFecha(const QString &text)
{
    QDate date = datetext::read(text);
    const QDate max = maxDate();
    if (date.isValid() && max.isValid() && date > max)
        date = max;
    m_min = datetext::write(date);
    const QDate act = datetext::read(m_act);
    if (date.isValid() && act.isValid() && act < date)
        m_act = m_min;
}

void TVorelDateObject::setMaxFecha(const QString &text)
{
    QDate date = datetext::read(text);
    const QDate min = minDate();
    if (date.isValid() && min.isValid() && date < min)
        date = min;
    m_max = datetext::write(date);
    const QDate act = datetext::read(m_act);
    if (date.isValid() && act.isValid() && act > date)
        m_act = m_max;
}

void TVorelDateObject::setActFecha(const QString &text)
{
    const QDate date = datetext::read(text);
    if (!date.isValid()) {
        m_act = !m_min.isEmpty() && !m_max.isEmpty() ? m_min : QString();
        return;
    }
    m_act = clampedText(date);
}

QString TVorelDateObject::clampedText(const QDate &date) const
{
    const QDate min = minDate();
    const QDate max = maxDate();
    if (min.isValid() && (!date.isValid() || date < min))
        return m_min;
    if (max.isValid() && date.isValid() && date > max)
        return m_max;
    return datetext::write(date);
}

QString TVorelDateObject::focusOutText(const QString &text, bool allowBlank) const
{
    const QDate date = datetext::read(text);
    if (!date.isValid() && allowBlank)
        return QString();
    return clampedText(date);
}

std::optional<QString> TVorelDateObject::pasteText(const QString &clipboard)
{
    const QString text = normalizedDate(clipboard);
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

} // namespace k9
