#include "controls/CalendarPopup.h"

#include "controls/PopupPlacement.h"

#include <QCalendarWidget>
#include <QLocale>
#include <QVBoxLayout>

namespace k9 {

CalendarPopup::CalendarPopup(QWidget *parent) : QFrame(parent, Qt::Popup), m_calendar(new QCalendarWidget(this))
{
    setObjectName(QStringLiteral("Calendario"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    m_calendar->setLocale(QLocale(QLocale::Spanish));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_calendar);
    connect(m_calendar, &QCalendarWidget::clicked, this, &CalendarPopup::choose);
    connect(m_calendar, &QCalendarWidget::activated, this, &CalendarPopup::choose);
}

void CalendarPopup::start(const QDate &date, const QDate &minimum, const QDate &maximum)
{
    m_calendar->setMinimumDate(minimum.isValid() ? minimum : QDate(100, 1, 1));
    m_calendar->setMaximumDate(maximum.isValid() ? maximum : QDate(9999, 12, 31));
    const QDate shown = date.isValid() ? date : QDate::currentDate();
    m_calendar->setSelectedDate(shown);
    m_calendar->setCurrentPage(shown.year(), shown.month());
}

void CalendarPopup::popUp(QWidget *anchor)
{
    showBelow(this, anchor);
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void CalendarPopup::choose(const QDate &date)
{
    close();
    emit chosen(date);
}

void CalendarPopup::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    emit closed();
}

} // namespace k9
