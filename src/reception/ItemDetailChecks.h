#pragma once

#include "core/Globals.h"
#include "core/Money.h"

#include <QDate>
#include <QString>
#include <QTime>

// The rules of the item detail window without its widgets: the checks of "&Aceptar", the
// revision amount a mode starts with, the warranty days left and the notice hour.

namespace k9 {

// What "&Aceptar" checks, as the window's controls hold it.
struct ItemDetailEntry
{
    Money revision;
    int receivedAs = 0;      // ReceivedAs
    bool hasReceiver = false; // a receiving employee is shown
    QDate receptionDate;      // null when the field is empty
    QString serial;
    QString condition;
    QString faults;
};

// The control a failing check sends the focus to.
enum class ItemDetailField { None, Revision, Receiver, ReceptionDate, Serial, Condition, Faults };

// Runs the checks in order and shows the message of the first that fails (information
// icon); ItemDetailField::None when all pass:
// 1. a revision below FC_MTOREVISION, unless the item is received as warranty or
//    FC_CAMBIARMTOREV allows it: "El monto minimo de revisión configurado es " + the minimum
//    + " " + SimboloMoneda + ".";
// 2.-6. the mandatory fields the options ask for (FC_CAMPORECIBIDOX, FC_CAMPOFECHARECEP,
//    FC_CAMPOSERIAL, FC_CAMPOCONFISICA, FC_CAMPOFALLA): "Falta el campo ...".
ItemDetailField checkItemDetail(const ItemDetailEntry &entry, const ModuleOptions &opts = options(),
                                const TaxDefaults &tax = taxDefaults());

// "El monto minimo de revisión configurado es 50 Bs.": the amount as a currency text, with
// the regional decimal separator and no trailing zeros.
QString minimumRevisionMessage(Money minimum, const QString &currencySymbol);

// The revision amount shown for a mode: 0 for warranty, the minimum otherwise.
Money revisionForMode(int receivedAs, const ModuleOptions &opts = options());

// Days from `today` to the warranty expiry: 0 without a date or for a date already past.
int warrantyDaysLeft(const QDate &expiry, const QDate &today);

// The notice hour shown when the window opens: "hh:mm" on the 12-hour clock, and whether
// it is after noon ("P.M.").
struct NoticeHour
{
    QString text;
    bool pm = false;
};
NoticeHour noticeHourAt(const QTime &time);
// The hour field once left: an empty field ("  :  "), a blank in it, a time that does not
// read or one later than "12:59" becomes "12:00".
QString normalizedNoticeHour(const QString &text);

} // namespace k9
