#pragma once

#include "core/Messages.h"

class QWidget;

namespace k9 {

// Messages and questions as modal message boxes, with Spanish buttons.
class MessageBoxSink : public MessageSink
{
public:
    explicit MessageBoxSink(QWidget *parent = nullptr) : m_parent(parent) {}
    Answer show(MessageKind kind, const QString &text, MessageButtons buttons) override;

private:
    QWidget *m_parent;
};

} // namespace k9
