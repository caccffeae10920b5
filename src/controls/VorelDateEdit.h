#pragma once

#include "controls/CalendarPopup.h"
#include "controls/DateText.h"

#include <QClipboard>
#include <QDate>
#include <QLineEdit>
#include <QPointer>

namespace k9 {

// The date edit of every window ("dd/mm/yyyy"). Only digits and the date separator are
// typed; the day and the month close themselves ("12" then "0" gives "12/0"); on leaving,
// a text that is not a date is cleared and the date is kept within the bounds of its
// TVorelDateObject (an empty field stays empty only when AllowBlank). Only a date can be
// pasted. The calendar drops down from the button or Alt+Down.
class TVorelDateEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(bool AllowBlank READ AllowBlank WRITE setAllowBlank)
    Q_PROPERTY(bool DropDownDate READ DropDownDate)
    Q_PROPERTY(bool ShowButton READ ShowButton WRITE setShowButton)

public:
    explicit TVorelDateEdit(QWidget *parent = nullptr);
    ~TVorelDateEdit() override;

    bool AllowBlank() const { return m_allowBlank; }
    void setAllowBlank(bool allow) { m_allowBlank = allow; }
    // True while the calendar is open.
    bool DropDownDate() const;
    TVorelDateObject &VorelDateObject() { return m_object; }
    const TVorelDateObject &VorelDateObject() const { return m_object; }
    bool ShowButton() const { return m_showButton; }
    void setShowButton(bool show);

    // The date shown (null when the text is not a date) and the way to show one.
    QDate date() const { return datetext::read(text()); }
    void setDate(const QDate &date) { setText(datetext::write(date)); }

    void pasteDate(QClipboard::Mode mode = QClipboard::Clipboard);
    void openCalendar();
    CalendarPopup *calendar() const { return m_calendar; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyChosenDate(const QDate &date);

    TVorelDateObject m_object;
    bool m_allowBlank = false;
    bool m_showButton = true;
    QAction *m_button = nullptr;
    CalendarPopup *m_calendar = nullptr;
};

} // namespace k9
