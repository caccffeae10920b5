// Laying out a document on the pages of a format.
#include "printformats/Pages.h"

#include "core/AmountInWords.h"
#include "core/Helpers.h"
#include "core/Regional.h"
#include "printformats/Ean8.h"

#include <algorithm>
#include <cmath>

namespace k9 {

namespace {

constexpr int kMaxPages = 1000;

bool isItemList(const LayoutElement &e)
{
    return e.kind == ElementKind::Memo && e.code && e.code->group == FieldCode::Group::Item;
}

int capacity(const LayoutElement &e)
{
    return std::max(1, static_cast<int>(std::floor(e.box.height() / lineHeightMm(e.fontSize) + 1e-6)));
}

std::optional<Money> readNumber(const QString &text)
{
    QString t = LimpiarNumero(text, 0);
    t.replace(regional().decimalSeparator, u'.');
    return Money::parse(t);
}

PageItem textItem(const LayoutElement &e, const QStringList &lines, bool wrap)
{
    PageItem item;
    item.kind = PageItem::Kind::Text;
    item.box = e.box;
    item.lines = lines;
    item.wrap = wrap;
    item.fontFamily = e.fontFamily;
    item.fontSize = e.fontSize;
    item.bold = e.bold;
    item.italic = e.italic;
    item.underline = e.underline;
    item.align = e.align;
    item.valign = e.valign;
    return item;
}

// What a coded element prints on its line(s), given its value.
QString shownText(const LayoutElement &e, const FieldValue &v)
{
    switch (e.words) {
    case WordsMode::Amount:
    case WordsMode::Cheque: {
        const std::optional<Money> n = v.number ? v.number : readNumber(v.text);
        return n ? amountInWords(*n, e.words == WordsMode::Cheque) : v.text;
    }
    case WordsMode::Date: {
        const QDate date = parseDate(v.text);
        return date.isValid() ? dateInWords(date) : v.text;
    }
    case WordsMode::None:
        break;
    }
    if (e.kind == ElementKind::Numero || e.decimals >= 0) {
        const std::optional<Money> n = v.number ? v.number : readNumber(v.text);
        if (n)
            return formatAmountTrimmed(*n, e.decimals >= 0 ? e.decimals : regional().amountDecimals);
    }
    return v.text;
}

void addBars(QList<PageItem> &items, const LayoutElement &e, const FieldValue &v)
{
    QString source = e.text + v.text;
    if (v.number)
        source = QString::number(v.number->truncatedUnits());
    else if (!e.code)
        source = e.text;
    const std::optional<Ean8> code = Ean8::encode(source);
    if (!code)
        return; // nothing that can be a bar code: the element stays blank
    PageItem item;
    item.kind = PageItem::Kind::Bars;
    item.box = e.box;
    item.modules = code->modules;
    item.digits = e.digits ? code->digits : QString();
    item.fontFamily = e.fontFamily;
    item.fontSize = e.fontSize;
    items << item;
}

void addElement(QList<PageItem> &items, const LayoutElement &e, const FormatFields &values, int pageInTemplate)
{
    if (e.frame) {
        PageItem frame;
        frame.kind = PageItem::Kind::Frame;
        frame.box = e.box;
        items << frame;
    }
    if (isItemList(e)) {
        const QStringList all = values.itemLines(e.code->number);
        const int cap = capacity(e);
        QStringList lines = all.mid(static_cast<qsizetype>(pageInTemplate) * cap, cap);
        if (e.decimals >= 0)
            for (QString &line : lines)
                if (const std::optional<Money> n = readNumber(line))
                    line = formatAmountTrimmed(*n, e.decimals);
        if (!e.text.isEmpty() && !lines.isEmpty())
            lines.first().prepend(e.text);
        items << textItem(e, lines, false);
        return;
    }
    const FieldValue v = e.code ? values.value(*e.code) : FieldValue{e.text, {}};
    if (e.kind == ElementKind::Ean8) {
        addBars(items, e, v);
        return;
    }
    QString text = e.code ? e.text + shownText(e, v) : e.text;
    if (text.isEmpty())
        return;
    items << textItem(e, text.split(u'\n'), e.kind == ElementKind::Memo);
}

int pagesNeeded(const LayoutPage &page, const FormatFields &values)
{
    int pages = 1;
    for (const LayoutElement &e : page.elements) {
        if (!isItemList(e))
            continue;
        const qsizetype lines = values.itemLines(e.code->number).size();
        const int cap = capacity(e);
        pages = std::max<qsizetype>(pages, (lines + cap - 1) / cap);
    }
    return std::min(pages, kMaxPages);
}

} // namespace

double lineHeightMm(double fontSizePoints)
{
    return fontSizePoints * 1.25 * 25.4 / 72.0;
}

QList<LaidOutPage> layOut(const FormatLayout &layout, const PrintDocument &document, const SystemValues &system,
                          const QString &copyCaption)
{
    FormatFields values(document, system);
    values.copyCaption = copyCaption;

    QList<int> counts;
    int total = 0;
    for (const LayoutPage &page : layout.pages) {
        counts << pagesNeeded(page, values);
        total += counts.last();
    }
    values.pageCount = std::min(total, kMaxPages);

    QList<LaidOutPage> pages;
    for (qsizetype t = 0; t < layout.pages.size(); ++t) {
        for (int p = 0; p < counts[t] && pages.size() < kMaxPages; ++p) {
            values.pageNumber = static_cast<int>(pages.size() + 1);
            LaidOutPage out;
            out.size = layout.pages[t].size;
            for (const LayoutElement &e : layout.pages[t].elements)
                addElement(out.items, e, values, p);
            pages << out;
        }
    }
    return pages;
}

QString pagesAsText(const QList<LaidOutPage> &pages)
{
    struct Entry
    {
        double top;
        double left;
        QString text;
    };
    QStringList out;
    for (const LaidOutPage &page : pages) {
        // Every printed line at its place; lines whose tops are within 1 mm share a text line.
        QList<Entry> entries;
        for (const PageItem &item : page.items) {
            if (item.kind == PageItem::Kind::Bars && !item.digits.isEmpty())
                entries.append({item.box.bottom(), item.box.left(), item.digits});
            if (item.kind != PageItem::Kind::Text)
                continue;
            const double step = lineHeightMm(item.fontSize);
            for (qsizetype k = 0; k < item.lines.size(); ++k)
                entries.append({item.box.top() + static_cast<double>(k) * step, item.box.left(), item.lines[k]});
        }
        std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.top < b.top; });
        QStringList lines;
        for (qsizetype i = 0; i < entries.size();) {
            qsizetype j = i + 1;
            while (j < entries.size() && entries[j].top - entries[i].top <= 1.0)
                ++j;
            QList<Entry> row = entries.mid(i, j - i);
            std::stable_sort(row.begin(), row.end(), [](const Entry &a, const Entry &b) { return a.left < b.left; });
            QStringList texts;
            for (const Entry &e : std::as_const(row))
                texts << e.text;
            lines << texts.join(QStringLiteral("  "));
            i = j;
        }
        out << lines.join(u'\n');
    }
    return out.join(QStringLiteral("\n\f"));
}

} // namespace k9
