#pragma once

#include <QList>
#include <QString>

namespace k9 {

// The help file of the workspace ("K9HELP/k9RMA.hlp"), UTF-8 text of numbered topics:
//
//   # a comment line
//   [10] Title of topic 10
//   Text of the topic, up to the next "[n]" line. A blank line separates paragraphs.
//
// Each window opens the topic whose number it carries.
struct HelpTopic
{
    int number = 0;
    QString title;
    QString text;
    bool operator==(const HelpTopic &) const = default;
};

QList<HelpTopic> parseHelpFile(const QString &content);
QString writeHelpFile(const QList<HelpTopic> &topics);
// The topics a new workspace starts with.
QList<HelpTopic> defaultHelpTopics();

} // namespace k9
