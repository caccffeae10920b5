#pragma once

#include "queries/PageReader.h"

#include <QString>
#include <QStringList>

#include <optional>

// The rules of the browser's three searches: the index range from a typed value, the word
// filter, and the query from a ".SQL" definition file.
namespace k9 {

// ---- Index range ----------------------------------------------------------------------

struct IndexRange
{
    QVariant from; // stored forms, both included
    QVariant to;
};

// The range that starts at the typed value, on a field of `type`:
// - text: from the text in capitals up to the single character after its first character
//   ("MAR" gives "MAR" to "N");
// - integers: from the number up to the number + 1410065407, kept within the 32-bit range
//   for a number that is within it;
// - floating and currency: from the number up to the number + 99999999999999;
// - dates: from the date ("dd/mm/yyyy") up to 31/12/6000.
// Nothing when the text does not convert to the type (or the type has no range search).
std::optional<IndexRange> indexRangeFor(FieldType type, const QString &typed);

// ---- Word filter ----------------------------------------------------------------------

// The search text in capitals cut at "," into at most five words ("*" removed). With single
// commas a row passes when any word is in any field; when the text holds ",," it passes when
// all words are in one and the same field.
struct WordFilter
{
    static constexpr int kMaxWords = 5;
    QStringList words;
    bool allInOneField = false;

    static WordFilter parse(const QString &text);
    bool isEmpty() const { return words.isEmpty(); }
    // `fields`: the row's fields as the filter reads them (searchText()).
    bool matches(const QStringList &fields) const;
};

// ---- Query search ---------------------------------------------------------------------

// The query definition of a table: the file `table` + ".SQL" in `dir` (the extension in any
// case). Empty when there is none.
QString queryDefinitionFile(const QString &dir, const QString &table);
// The field names of a definition file, one per line, keeping only fields of the table (in
// the table's spelling), in the file's order.
QStringList readQueryDefinition(const QString &file, const QList<FieldInfo> &fields);

// A word of the query and how it joins the previous one: " OR " after a single comma,
// " AND " after a double comma.
struct QueryWord
{
    QString word;
    bool andWithPrevious = false;
};
// "*" removed, capitals, cut at commas; empty words (a trailing comma) add nothing.
QList<QueryWord> parseQueryWords(const QString &text);

// The WHERE condition of the query: per word, the definition fields joined and compared in
// capitals with "%word%" (bound, with "%" and "_" of the word taken literally), joined by
// OR or AND. Uses the function k9_upper (registerSearchFunctions()).
SqlCondition queryCondition(const QStringList &definitionFields, const QList<QueryWord> &words);

} // namespace k9
