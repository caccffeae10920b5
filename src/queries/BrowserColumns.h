#pragma once

#include "queries/ListKinds.h"
#include "queries/PageReader.h"

namespace k9 {

class LookupCache;

// A column the browser shows: a field of the browsed table with the column definition of
// the kind that names it.
struct BrowserColumn
{
    int fieldIndex = -1; // position in the table's fields
    FieldType type = FieldType::String;
    int fieldSize = 0;
    int definition = -1; // position in the kind's column definitions
    ColumnDef def;

    const QString &caption() const { return def.caption; }
    const QString &field() const { return def.field; }
    bool isCoded() const { return def.kind == ColumnKind::Coded; }
    bool isLookup() const { return def.kind == ColumnKind::Lookup; }
    // Numbers drawn right-aligned: untranslated integers, floating and currency values.
    bool rightAligned() const;
    // The width of a text column in characters: the definition's, else the field's size.
    int textWidthChars() const { return def.widthChars > 0 ? def.widthChars : fieldSize; }
};

// The field types a column can show: text, integers, boolean, floating, currency, dates
// and memos (never blobs).
bool isShowableType(FieldType type);

// The columns of a kind over a table, in the table's field order: every field of a showable
// type that the kind defines a column for.
QList<BrowserColumn> buildColumns(const QList<FieldInfo> &fields, const QList<ColumnDef> &defs);

// The text of a cell from the stored value:
// - integers: 100 digits with leading zeros (drawn right-aligned and clipped), or the code
//   list's text at that value for a coded column (a value outside the list keeps the number);
// - boolean "No" / "Si"; floating and currency with thousands separators and the amount
//   decimals; a date or date-time its short date (empty when there is none); a memo with
//   its line breaks as "-"; text as stored;
// - lookup columns: the key + "-" + the other table's text (the key alone when the other
//   table has no such row).
QString cellText(const BrowserColumn &column, const QVariant &stored, LookupCache *lookups);

// The text of a stored value as the word filter reads it: text and memo in capitals,
// numbers as plain digits, amounts with their decimals, dates as "dd/mm/yyyy".
QString searchText(FieldType type, const QVariant &stored);

// A stored value as text, as a key is handed back (no padding, no translation).
QString keyText(FieldType type, const QVariant &stored);

} // namespace k9
