#include "controls/StandardMessages.h"

namespace k9 {

std::optional<StandardMessage> parseStandardMessage(const QString &entry)
{
    if (entry.size() < 2)
        return std::nullopt;
    MessageKind kind;
    switch (entry.front().unicode()) {
    case u'0': kind = MessageKind::Warning; break;
    case u'1': kind = MessageKind::Error; break;
    case u'2': kind = MessageKind::Information; break;
    case u'3': kind = MessageKind::Confirmation; break;
    default: return std::nullopt;
    }
    return StandardMessage{kind, entry.mid(1)};
}

std::optional<StandardMessage> standardMessage(int n)
{
    switch (n) {
    case standardmessages::kFormCannotBePrinted:
        return parseStandardMessage(QStringLiteral("1La forma no puede ser impresa"));
    case standardmessages::kNotAllowedByAdministrator:
        return parseStandardMessage(QStringLiteral("0Operación no permitida por el administrador del sistema."));
    default:
        return std::nullopt;
    }
}

} // namespace k9
