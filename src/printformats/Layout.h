#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

namespace k9 {

// What a coded element prints.
struct FieldCode
{
    enum class Group {
        System,  // "0_NN": company and system values
        Header,  // "1_NN": header field NN
        Item,    // "2_NN": item field NN of every item
        Formula, // "F,name,formula"
    };
    Group group = Group::System;
    int number = 0;
    QString name;    // of a formula field
    QString formula; // of a formula field

    // "0_NN", "1_NN", "2_NN" or "F,name,formula"; nullopt for anything else.
    static std::optional<FieldCode> parse(const QString &code);
};

// Codes of group "0" that this module fills (the others print nothing).
enum SystemCode : int {
    SysCompanyName = 0,
    SysAddress1 = 2,
    SysAddress2 = 3,
    SysNit = 4,
    SysRif = 5,
    SysPhones = 6,
    SysToday = 10,
    SysUserName = 11,
    SysCopyCaption = 12, // "Original", "Copia" or "Reimpresión"
    SysPageNumber = 13,  // the page number within the copy
    SysPageCount = 14,   // the pages of the copy
};

enum class ElementKind { Label, Memo, Numero, Ean8 };
enum class WordsMode { None, Amount, Cheque, Date };
enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Middle, Bottom };

// One printable element of a layout; positions and sizes in millimetres from the top left
// corner of the paper.
struct LayoutElement
{
    ElementKind kind = ElementKind::Label;
    int line = 0;  // line of the layout file, for messages
    QRectF box;
    std::optional<FieldCode> code; // what it prints; a fixed text otherwise
    QString text;                  // fixed text, or the prefix of a coded value
    QString fontFamily;
    double fontSize = 10;          // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Top;
    int decimals = -1;             // NUMERO: decimals (-1: the amount decimals)
    WordsMode words = WordsMode::None;
    bool frame = false;            // draw the box's outline
    bool digits = true;            // EAN8: print the digits under the bars
};

struct LayoutPage
{
    QSizeF size; // millimetres
    QList<LayoutElement> elements;
};

enum class ExportType { Pdf, Text };

// A print format's layout (the ".SPR" file; docs/print-formats.md describes it).
struct FormatLayout
{
    QList<LayoutPage> pages;
    ExportType exportType = ExportType::Pdf;
};

struct LayoutResult
{
    std::optional<FormatLayout> layout;
    QString error; // why there is no layout ("línea 4: ...")
};

LayoutResult parseLayout(const QString &text);
LayoutResult loadLayout(const QString &path);

} // namespace k9
