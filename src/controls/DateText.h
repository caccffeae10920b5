#pragma once

#include <QChar>
#include <QDate>
#include <QString>

#include <optional>

namespace k9 {

// The date texts of the date edit, without widgets. Dates are shown "dd/mm/yyyy".
namespace datetext {

constexpr int kLength = 10; // "dd/mm/yyyy"
QChar separator();

// A typed date: "d/m/yyyy" or "d/m/yy" (years 2000-2099), blanks around it ignored.
// A null date when the text is not a date.
QDate read(const QString &text);
// The text shown for a date ("12/05/2024"); empty for a null date.
QString write(const QDate &date);

// What a typed character does to the text.
struct KeyResult
{
    enum Action { Drop, Default, Replace } action = Default;
    QString text;   // with Replace: the new text (the caret goes to its end)
};
// The key replaces the selection (`selLength` characters) or goes in at `cursor`.
KeyResult typedKey(const QString &text, int selLength, int cursor, QChar key);

} // namespace datetext

// Bounds and initial date of a date edit: texts in the short date format; an empty text
// means no bound. A text that is not a date is kept as empty.
class TVorelDateObject
{
public:
    const QString &MinFecha() const { return m_min; }
    void setMinFecha(const QString &text);
    const QString &MaxFecha() const { return m_max; }
    void setMaxFecha(const QString &text);
    const QString &ActFecha() const { return m_act; }
    void setActFecha(const QString &text);

    QDate minDate() const { return datetext::read(m_min); }
    QDate maxDate() const { return datetext::read(m_max); }

    // The text shown once the focus leaves: a text that is not a date is cleared; an empty
    // text stays empty when blanks are allowed; otherwise a date (an empty text counting as
    // the earliest) is pulled into the bounds.
    QString focusOutText(const QString &text, bool allowBlank) const;
    // A pasted text: the date it holds, or nullopt when it is not one.
    static std::optional<QString> pasteText(const QString &clipboard);

private:
    QString clampedText(const QDate &date) const;

    QString m_min;
    QString m_max;
    QString m_act;
};

} // namespace k9
