#pragma once

#include <QString>

namespace k9 {

// The outcome of a data operation: success, or the engine's message. Expected cases like
// "not found" are answered by the operation's own return value, not by a failure.
class Status
{
public:
    static Status ok() { return Status(); }
    static Status failure(const QString &message) { return Status(message.isEmpty() ? QStringLiteral("error") : message); }

    bool isOk() const { return m_message.isEmpty(); }
    explicit operator bool() const { return isOk(); }
    const QString &message() const { return m_message; }

private:
    Status() = default;
    explicit Status(QString message) : m_message(std::move(message)) {}
    QString m_message;
};

} // namespace k9
