#include "reception/ItemDetailChecks.h"

#include "core/CodeLists.h"
#include "core/Messages.h"
#include "core/Regional.h"

namespace k9 {

namespace {

const QString kDefaultHour = QStringLiteral("12:00");

bool blank(const QString &text)
{
    return text.trimmed().isEmpty();
}

} // namespace

QString minimumRevisionMessage(Money minimum, const QString &currencySymbol)
{
    QString amount = minimum.toShortString();
    amount.replace(u'.', regional().decimalSeparator);
    return QStringLiteral("El monto minimo de revisión configurado es ") + amount + u' ' + currencySymbol + u'.';
}

ItemDetailField checkItemDetail(const ItemDetailEntry &entry, const ModuleOptions &opts, const TaxDefaults &tax)
{
    auto fail = [](ItemDetailField field, const QString &text) {
        messages().inform(text);
        return field;
    };
    if (entry.revision < opts.FC_MTOREVISION && entry.receivedAs != ReceivedAs::Garantia && !opts.FC_CAMBIARMTOREV)
        return fail(ItemDetailField::Revision, minimumRevisionMessage(opts.FC_MTOREVISION, tax.SimboloMoneda));
    if (opts.FC_CAMPORECIBIDOX && !entry.hasReceiver)
        return fail(ItemDetailField::Receiver, QStringLiteral("Falta el campo recibido por."));
    if (opts.FC_CAMPOFECHARECEP && !entry.receptionDate.isValid())
        return fail(ItemDetailField::ReceptionDate, QStringLiteral("Falta el campo fecha de recepción."));
    if (opts.FC_CAMPOSERIAL && blank(entry.serial))
        return fail(ItemDetailField::Serial, QStringLiteral("Falta el campo serial."));
    if (opts.FC_CAMPOCONFISICA && blank(entry.condition))
        return fail(ItemDetailField::Condition, QStringLiteral("Falta el campo condiciones físicas."));
    if (opts.FC_CAMPOFALLA && blank(entry.faults))
        return fail(ItemDetailField::Faults, QStringLiteral("Falta el campo fallas."));
    return ItemDetailField::None;
}

Money revisionForMode(int receivedAs, const ModuleOptions &opts)
{
    return receivedAs == ReceivedAs::Garantia ? Money() : opts.FC_MTOREVISION;
}

int warrantyDaysLeft(const QDate &expiry, const QDate &today)
{
    if (!expiry.isValid() || !today.isValid() || expiry < today)
        return 0;
    return int(today.daysTo(expiry));
}

NoticeHour noticeHourAt(const QTime &time)
{
    NoticeHour hour;
    const int h12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    hour.text = QStringLiteral("%1:%2").arg(h12, 2, 10, QChar(u'0')).arg(time.minute(), 2, 10, QChar(u'0'));
    hour.pm = time.hour() >= 12;
    return hour;
}

QString normalizedNoticeHour(const QString &text)
{
    if (text.contains(u' ') || text.size() != 5 || text.at(2) != u':')
        return kDefaultHour;
    bool okHour = false;
    bool okMinute = false;
    const int h = text.left(2).toInt(&okHour);
    const int m = text.mid(3, 2).toInt(&okMinute);
    if (!okHour || !okMinute || m > 59 || h * 100 + m > 1259)
        return kDefaultHour;
    return text;
}

} // namespace k9
