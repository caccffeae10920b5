#pragma once

#include "core/Messages.h"

#include <QString>

#include <optional>

namespace k9 {

// The table of standard messages shared with the host suite: numbered entries, each a
// kind digit ("0" warning, "1" error, "2" information, "3" confirmation) and the text.
struct StandardMessage
{
    MessageKind kind = MessageKind::Information;
    QString text;
};

// One entry as the table keeps it ("1La forma no puede ser impresa").
std::optional<StandardMessage> parseStandardMessage(const QString &entry);
// Entry n of the table; nullopt when the table has no such entry.
std::optional<StandardMessage> standardMessage(int n);

// The entries the module shows.
namespace standardmessages {
constexpr int kFormCannotBePrinted = 38;
constexpr int kNotAllowedByAdministrator = 95;
} // namespace standardmessages

} // namespace k9
