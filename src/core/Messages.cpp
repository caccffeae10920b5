#include "core/Messages.h"

#include <QDebug>

namespace k9 {

namespace {

class LogSink : public MessageSink
{
public:
    Answer show(MessageKind kind, const QString &text, MessageButtons buttons) override
    {
        static const char *const names[] = {"información", "aviso", "error", "confirmación"};
        qWarning().noquote() << "[" << names[static_cast<int>(kind)] << "]" << text;
        return buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    }
};

LogSink g_logSink;
MessageSink *g_sink = nullptr;

} // namespace

MessageSink &messages()
{
    return g_sink ? *g_sink : g_logSink;
}

void setMessageSink(MessageSink *sink)
{
    g_sink = sink;
}

Answer ScriptedMessages::show(MessageKind kind, const QString &text, MessageButtons buttons)
{
    m_entries.append({kind, text, buttons});
    if (buttons == MessageButtons::Ok)
        return Answer::Ok;
    return m_answers.isEmpty() ? defaultAnswer : m_answers.takeFirst();
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const Entry &e : m_entries)
        out << e.text;
    return out;
}

MessageSinkGuard::MessageSinkGuard(MessageSink *sink) : m_previous(g_sink)
{
    g_sink = sink;
}

MessageSinkGuard::~MessageSinkGuard()
{
    g_sink = m_previous;
}

} // namespace k9
