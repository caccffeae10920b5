#include "printformats/Ean8.h"

namespace k9 {

namespace {

// Left-hand (odd parity) patterns; the right-hand ones are their complements.
constexpr const char *kLeft[] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                 "0110001", "0101111", "0111011", "0110111", "0001011"};

QString rightPattern(int digit)
{
    QString p = QString::fromLatin1(kLeft[digit]);
    for (QChar &c : p)
        c = c == u'0' ? u'1' : u'0';
    return p;
}

} // namespace

int Ean8::checkDigit(const QString &sevenDigits)
{
    int sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += (sevenDigits[i].unicode() - u'0') * (i % 2 == 0 ? 3 : 1);
    return (10 - sum % 10) % 10;
}

std::optional<Ean8> Ean8::encode(const QString &text)
{
    QString d = text;
    d.remove(u' ');
    if (d.isEmpty() || d.size() > 8)
        return std::nullopt;
    for (const QChar c : d)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    if (d.size() < 7)
        d = d.rightJustified(7, u'0');
    const int check = checkDigit(d);
    if (d.size() == 8 && d[7].unicode() - u'0' != check)
        return std::nullopt;
    if (d.size() == 7)
        d += QChar(u'0' + check);

    Ean8 code;
    code.digits = d;
    code.modules = QStringLiteral("101");
    for (int i = 0; i < 4; ++i)
        code.modules += QString::fromLatin1(kLeft[d[i].unicode() - u'0']);
    code.modules += QStringLiteral("01010");
    for (int i = 4; i < 8; ++i)
        code.modules += rightPattern(d[i].unicode() - u'0');
    code.modules += QStringLiteral("101");
    return code;
}

} // namespace k9
