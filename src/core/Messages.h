#pragma once

#include <QList>
#include <QString>

namespace k9 {

// How the rules talk to the user: a modal message with an icon kind and OK, or a Yes/No
// question. The program answers through message boxes; tests through ScriptedMessages.
enum class MessageKind { Information, Warning, Error, Confirmation };
enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual Answer show(MessageKind kind, const QString &text, MessageButtons buttons) = 0;

    void inform(const QString &text) { show(MessageKind::Information, text, MessageButtons::Ok); }
    void warn(const QString &text) { show(MessageKind::Warning, text, MessageButtons::Ok); }
    void error(const QString &text) { show(MessageKind::Error, text, MessageButtons::Ok); }
    bool ask(const QString &text, MessageKind kind = MessageKind::Confirmation)
    {
        return show(kind, text, MessageButtons::YesNo) == Answer::Yes;
    }
};

// The sink in use; until one is installed, messages go to the log (never lost).
MessageSink &messages();
// Installs a sink (not owned); nullptr restores the log sink.
void setMessageSink(MessageSink *sink);

// A sink that records every message and answers questions from a script.
class ScriptedMessages : public MessageSink
{
public:
    struct Entry
    {
        MessageKind kind;
        QString text;
        MessageButtons buttons;
    };

    Answer show(MessageKind kind, const QString &text, MessageButtons buttons) override;

    // Answers given to the next questions, in order; once used up, `defaultAnswer`.
    void queueAnswers(const QList<Answer> &answers) { m_answers += answers; }
    Answer defaultAnswer = Answer::Yes;

    const QList<Entry> &entries() const { return m_entries; }
    QStringList texts() const;
    void clear() { m_entries.clear(); m_answers.clear(); }

private:
    QList<Entry> m_entries;
    QList<Answer> m_answers;
};

// Installs a sink for the lifetime of the guard and restores the previous one.
class MessageSinkGuard
{
public:
    explicit MessageSinkGuard(MessageSink *sink);
    ~MessageSinkGuard();
    MessageSinkGuard(const MessageSinkGuard &) = delete;
    MessageSinkGuard &operator=(const MessageSinkGuard &) = delete;

private:
    MessageSink *m_previous;
};

} // namespace k9
