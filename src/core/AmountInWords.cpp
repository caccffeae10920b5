#include "core/AmountInWords.h"

#include "core/Regional.h"

#include <QStringList>

namespace k9 {

namespace {

constexpr std::int64_t kLargest = 999999999999;

QString unitWord(int n)
{
    static const char16_t *const kUnits[] = {u"",      u"Uno",  u"Dos",   u"Tres",  u"Cuatro",
                                             u"Cinco", u"Seis", u"Siete", u"Ocho",  u"Nueve"};
    return QString::fromUtf16(kUnits[n]);
}

// 0-99 in words ("" for 0).
QString tensWords(int n)
{
    static const char16_t *const kTeens[] = {u"Diez", u"Once", u"Doce", u"Trece", u"Catorce", u"Quince"};
    static const char16_t *const kTens[] = {u"Treinta", u"Cuarenta", u"Cincuenta",
                                            u"Sesenta", u"Setenta",  u"Ochenta", u"Noventa"};
    const int unit = n % 10;
    if (n < 10)
        return unitWord(n);
    if (n <= 15)
        return QString::fromUtf16(kTeens[n - 10]);
    if (n < 20)
        return QStringLiteral("Dieci") + unitWord(unit);
    if (n == 20)
        return QStringLiteral("Veinte");
    if (n < 30)
        return QStringLiteral("Veinti") + unitWord(unit);
    QString text = QString::fromUtf16(kTens[n / 10 - 3]);
    if (unit != 0)
        text += QStringLiteral(" y ") + unitWord(unit);
    return text;
}

QString hundredsWord(int h)
{
    switch (h) {
    case 0:
        return QString();
    case 1:
        return QStringLiteral("Ciento ");
    case 5:
        return QStringLiteral("Quinientos ");
    case 7:
        return QStringLiteral("Setecientos ");
    case 9:
        return QStringLiteral("Novecientos ");
    default:
        return unitWord(h) + QStringLiteral("cientos ");
    }
}

// 1-999 in words; exactly one hundred is "Cien".
QString groupWords(int n)
{
    const QString text = hundredsWord(n / 100) + tensWords(n % 100);
    return text == u"Ciento " ? QStringLiteral("Cien") : text;
}

// The clean-ups applied to the text after each group.
void cleanUp(QString &text)
{
    text.replace(QStringLiteral("UnoMil"), QStringLiteral("UnMil"));
    // "Uno Millones" at the very start is "Un Millon".
    if (text.startsWith(QStringLiteral("Uno Millones"))) {
        text.remove(10, 2);
        text.remove(2, 1);
    }
    // A blank before every "Mil " that lacks one.
    for (qsizetype at = text.indexOf(QStringLiteral("Mil ")); at >= 0;
         at = text.indexOf(QStringLiteral("Mil "), at + 4)) {
        if (at > 0 && text[at - 1] != u' ') {
            text.insert(at, u' ');
            ++at;
        }
    }
}

} // namespace

QString amountInWords(Money amount, bool chequeMode)
{
    const Money rounded = amount.roundedHalfUp(2);
    const std::int64_t raw = rounded.raw() < 0 ? -rounded.raw() : rounded.raw();
    const std::int64_t units = raw / Money::kScale;
    if (units > kLargest)
        return formatAmountTrimmed(amount, regional().amountDecimals);
    const int cents = static_cast<int>((raw / 100) % 100);

    const int groups[4] = {static_cast<int>(units / 1000000000), static_cast<int>(units / 1000000 % 1000),
                           static_cast<int>(units / 1000 % 1000), static_cast<int>(units % 1000)};
    QString text;
    if (groups[0] == 1)
        text = QStringLiteral("UN MILLARDO ");
    else if (groups[0] > 1)
        text = groupWords(groups[0]) + QStringLiteral(" MILLARDOS ");
    cleanUp(text);
    static const char16_t *const kScales[] = {u" Millones", u"Mil", u""};
    for (int g = 1; g < 4; ++g) {
        if (groups[g] == 0)
            continue;
        text += groupWords(groups[g]) + QString::fromUtf16(kScales[g - 1]) + u' ';
        cleanUp(text);
    }
    text = text.simplified();
    if (text.isEmpty())
        text = QStringLiteral("Cero");
    text = text.toUpper();
    if (rounded.isNegative())
        text.prepend(QStringLiteral("MENOS "));

    const QString centsText = QStringLiteral("%1").arg(cents, 2, 10, QChar(u'0'));
    if (chequeMode)
        text += QStringLiteral(" CON ") + centsText + QStringLiteral("/100");
    else if (cents != 0)
        text += QStringLiteral(" CON ") + centsText;
    return text;
}

QString dateInWords(const QDate &date)
{
    if (!date.isValid())
        return QString();
    static const char16_t *const kMonths[] = {u"enero",   u"febrero",    u"marzo",   u"abril",
                                              u"mayo",    u"junio",      u"julio",   u"agosto",
                                              u"septiembre", u"octubre", u"noviembre", u"diciembre"};
    return QStringLiteral("%1 de %2 de %3")
        .arg(date.day(), 2, 10, QChar(u'0'))
        .arg(QString::fromUtf16(kMonths[date.month() - 1]))
        .arg(date.year());
}

} // namespace k9
