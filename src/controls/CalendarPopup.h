#pragma once

#include <QDate>
#include <QFrame>

class QCalendarWidget;

namespace k9 {

// The calendar that drops down from a date edit. A click or Enter on a day takes it;
// Escape or a click outside closes it without a date.
class CalendarPopup : public QFrame
{
    Q_OBJECT

public:
    explicit CalendarPopup(QWidget *parent = nullptr);

    // Opens on `date` (today when null), within the bounds given (null: none).
    void start(const QDate &date, const QDate &minimum, const QDate &maximum);
    void popUp(QWidget *anchor);
    QCalendarWidget *calendar() const { return m_calendar; }

signals:
    void chosen(const QDate &date);
    void closed();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void choose(const QDate &date);

    QCalendarWidget *m_calendar;
};

} // namespace k9
