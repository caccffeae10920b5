#include "core/Globals.h"

namespace k9 {

CompanyIdentity &company()
{
    static CompanyIdentity value;
    return value;
}

TaxDefaults &taxDefaults()
{
    static TaxDefaults value;
    return value;
}

ModuleOptions &options()
{
    static ModuleOptions value;
    return value;
}

QString CodificarClave(const QString &text)
{
    static const char key[] = "4065038";
    const QByteArray bytes = text.toLatin1();
    QString out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int digit = key[i % 7] - '0';
        out += QChar((static_cast<unsigned char>(bytes[i]) + digit) % 256);
    }
    return out;
}

} // namespace k9

namespace k9 {

UserSession &session()
{
    static UserSession value;
    return value;
}

} // namespace k9
