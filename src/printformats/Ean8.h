#pragma once

#include <QString>

#include <optional>

namespace k9 {

// EAN-8 bar codes.
struct Ean8
{
    QString digits;  // the 8 digits, check digit last
    QString modules; // 67 modules, "1" a bar and "0" a space, guards included

    // From 7 digits (the check digit is added) or 8 digits with a correct check digit;
    // a shorter run of digits is padded with zeros on the left. Blanks are ignored.
    // nullopt for anything else.
    static std::optional<Ean8> encode(const QString &text);
    static int checkDigit(const QString &sevenDigits);
};

} // namespace k9
