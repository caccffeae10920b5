// Reading the ".SPR" layout text (docs/print-formats.md).
#include "printformats/FormatCatalog.h"
#include "printformats/Layout.h"

#include <QFileInfo>
#include <QMap>

namespace k9 {

namespace {

constexpr qint64 kMaxFileBytes = 1024 * 1024;
constexpr int kMaxElements = 5000;
constexpr double kMinPage = 10;
constexpr double kMaxPage = 2000;
constexpr double kEdgeTolerance = 0.5; // mm an element may stand past the paper's edge

bool isDigitChar(QChar c)
{
    return c >= u'0' && c <= u'9';
}

struct Attribute
{
    QString name;
    QString value;
    bool hasValue = false;
};

struct ParsedLine
{
    QString keyword;
    QList<Attribute> attributes;
    QString error;
};

// KEYWORD name=value name="quoted \" value" flag ...
ParsedLine splitLine(const QString &line)
{
    ParsedLine out;
    qsizetype i = 0;
    const qsizetype n = line.size();
    const auto skipBlanks = [&] {
        while (i < n && line[i].isSpace())
            ++i;
    };
    const auto word = [&] {
        const qsizetype start = i;
        while (i < n && !line[i].isSpace() && line[i] != u'=')
            ++i;
        return line.mid(start, i - start);
    };
    skipBlanks();
    out.keyword = word().toUpper();
    while (true) {
        skipBlanks();
        if (i >= n)
            break;
        Attribute a;
        a.name = word().toLower();
        if (a.name.isEmpty()) {
            out.error = QStringLiteral("se esperaba un atributo");
            return out;
        }
        if (i < n && line[i] == u'=') {
            ++i;
            a.hasValue = true;
            if (i < n && line[i] == u'"') {
                ++i;
                bool closed = false;
                while (i < n) {
                    const QChar c = line[i++];
                    if (c == u'\\' && i < n) {
                        const QChar escaped = line[i++];
                        a.value += escaped == u'n' ? QChar(u'\n') : escaped;
                    } else if (c == u'"') {
                        closed = true;
                        break;
                    } else {
                        a.value += c;
                    }
                }
                if (!closed) {
                    out.error = QStringLiteral("falta cerrar las comillas de «%1»").arg(a.name);
                    return out;
                }
                if (i < n && !line[i].isSpace()) {
                    out.error = QStringLiteral("falta un espacio después de «%1»").arg(a.name);
                    return out;
                }
            } else {
                const qsizetype start = i;
                while (i < n && !line[i].isSpace())
                    ++i;
                a.value = line.mid(start, i - start);
            }
        }
        out.attributes << a;
    }
    return out;
}

class LineReader
{
public:
    LineReader(const ParsedLine &line, QString *error) : m_line(line), m_error(error)
    {
        for (const Attribute &a : line.attributes) {
            if (m_seen.contains(a.name) && m_error->isEmpty())
                *m_error = QStringLiteral("el atributo «%1» está repetido").arg(a.name);
            m_seen.insert(a.name, a);
        }
    }

    bool has(const QString &name) const { return m_seen.contains(name); }

    std::optional<QString> text(const QString &name)
    {
        m_used << name;
        if (!m_seen.contains(name))
            return std::nullopt;
        const Attribute &a = m_seen[name];
        if (!a.hasValue)
            fail(QStringLiteral("falta el valor de «%1»").arg(name));
        return a.value;
    }

    // A number in [min, max]; `fallback` when absent (nullopt: required).
    double number(const QString &name, double min, double max, std::optional<double> fallback = std::nullopt)
    {
        const std::optional<QString> t = text(name);
        if (!t) {
            if (!fallback)
                fail(QStringLiteral("falta el atributo «%1»").arg(name));
            return fallback.value_or(0);
        }
        bool ok = false;
        const double v = t->toDouble(&ok);
        if (!ok || !(v >= min && v <= max)) {
            fail(QStringLiteral("valor no válido para «%1»: «%2»").arg(name, *t));
            return 0;
        }
        return v;
    }

    bool flag(const QString &name)
    {
        m_used << name;
        if (!m_seen.contains(name))
            return false;
        if (m_seen[name].hasValue)
            fail(QStringLiteral("«%1» no lleva valor").arg(name));
        return true;
    }

    // One of `choices` (lower case); the first when absent.
    int choice(const QString &name, const QStringList &choices)
    {
        const std::optional<QString> t = text(name);
        if (!t)
            return 0;
        const qsizetype at = choices.indexOf(t->toLower());
        if (at < 0)
            fail(QStringLiteral("valor no válido para «%1»: «%2»").arg(name, *t));
        return static_cast<int>(std::max<qsizetype>(at, 0));
    }

    // Every attribute must have been asked for.
    void checkUnused()
    {
        for (const Attribute &a : m_line.attributes)
            if (!m_used.contains(a.name))
                fail(QStringLiteral("atributo desconocido «%1»").arg(a.name));
    }

    void fail(const QString &message)
    {
        if (m_error->isEmpty())
            *m_error = message;
    }

private:
    const ParsedLine &m_line;
    QString *m_error;
    QMap<QString, Attribute> m_seen;
    QStringList m_used;
};

struct PageDefaults
{
    QString fontFamily = QStringLiteral("DejaVu Sans");
    double fontSize = 10;
};

std::optional<ElementKind> elementKind(const QString &keyword)
{
    if (keyword == u"LABEL")
        return ElementKind::Label;
    if (keyword == u"MEMO")
        return ElementKind::Memo;
    if (keyword == u"NUMERO")
        return ElementKind::Numero;
    if (keyword == u"EAN8")
        return ElementKind::Ean8;
    return std::nullopt;
}

LayoutElement readElement(ElementKind kind, LineReader &r, const LayoutPage &page, const PageDefaults &defaults)
{
    LayoutElement e;
    e.kind = kind;
    const double x = r.number(QStringLiteral("x"), 0, kMaxPage);
    const double y = r.number(QStringLiteral("y"), 0, kMaxPage);
    const double w = r.number(QStringLiteral("w"), 0, kMaxPage);
    const double h = r.number(QStringLiteral("h"), 0, kMaxPage);
    e.box = QRectF(x, y, w, h);
    if (e.box.right() > page.size.width() + kEdgeTolerance || e.box.bottom() > page.size.height() + kEdgeTolerance)
        r.fail(QStringLiteral("el elemento sale de la página"));

    if (const std::optional<QString> code = r.text(QStringLiteral("code"))) {
        e.code = FieldCode::parse(*code);
        if (!e.code)
            r.fail(QStringLiteral("código no válido «%1»").arg(*code));
    }
    const bool hasText = r.has(QStringLiteral("text"));
    e.text = r.text(QStringLiteral("text")).value_or(QString());
    e.frame = r.flag(QStringLiteral("frame"));
    if (!e.code && !hasText && !e.frame)
        r.fail(QStringLiteral("falta «code» o «text»"));
    if (kind == ElementKind::Ean8 && !e.code && !hasText)
        r.fail(QStringLiteral("un EAN8 necesita «code» o «text»"));
    if (kind != ElementKind::Ean8 && (w <= 0 || h <= 0) && !e.frame)
        r.fail(QStringLiteral("el elemento no tiene tamaño"));

    e.fontFamily = r.text(QStringLiteral("font")).value_or(defaults.fontFamily);
    e.fontSize = r.number(QStringLiteral("size"), 1, 200, defaults.fontSize);
    e.bold = r.flag(QStringLiteral("bold"));
    e.italic = r.flag(QStringLiteral("italic"));
    e.underline = r.flag(QStringLiteral("underline"));
    e.align = static_cast<HAlign>(r.choice(
        QStringLiteral("align"), {QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right")}));
    const QStringList vchoices = {QStringLiteral("top"), QStringLiteral("middle"), QStringLiteral("bottom")};
    const int defaultV = kind == ElementKind::Memo ? 0 : 1;
    e.valign = r.has(QStringLiteral("valign")) ? static_cast<VAlign>(r.choice(QStringLiteral("valign"), vchoices))
                                               : static_cast<VAlign>(defaultV);
    e.decimals = static_cast<int>(r.number(QStringLiteral("decimals"), 0, 4, -1));
    e.words = static_cast<WordsMode>(
        r.choice(QStringLiteral("words"),
                 {QStringLiteral("none"), QStringLiteral("amount"), QStringLiteral("cheque"), QStringLiteral("date")}));
    e.digits = !r.flag(QStringLiteral("nodigits"));
    if (kind == ElementKind::Ean8 && (w <= 0 || h <= 0))
        r.fail(QStringLiteral("el elemento no tiene tamaño"));
    return e;
}

} // namespace

std::optional<FieldCode> FieldCode::parse(const QString &code)
{
    const QString t = code.trimmed();
    FieldCode c;
    if (t.size() >= 2 && (t[0] == u'F' || t[0] == u'f') && t[1] == u',') {
        const qsizetype second = t.indexOf(u',', 2);
        if (second < 0)
            return std::nullopt;
        c.group = Group::Formula;
        c.name = t.mid(2, second - 2).trimmed();
        c.formula = t.mid(second + 1).trimmed();
        if (c.formula.isEmpty())
            return std::nullopt;
        return c;
    }
    if (t.size() != 4 || t[1] != u'_' || !isDigitChar(t[2]) || !isDigitChar(t[3]))
        return std::nullopt;
    switch (t[0].unicode()) {
    case u'0':
        c.group = Group::System;
        break;
    case u'1':
        c.group = Group::Header;
        break;
    case u'2':
        c.group = Group::Item;
        break;
    default:
        return std::nullopt;
    }
    c.number = t.mid(2).toInt();
    return c;
}

LayoutResult parseLayout(const QString &text)
{
    LayoutResult result;
    FormatLayout layout;
    PageDefaults defaults;
    bool signed_ = false;
    int elements = 0;
    const QStringList lines = text.split(u'\n');
    for (int index = 0; index < lines.size(); ++index) {
        const QString line = lines[index].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const int number = index + 1;
        const auto failed = [&](const QString &why) {
            result.error = QStringLiteral("línea %1: %2").arg(number).arg(why);
            return result;
        };
        const ParsedLine parsed = splitLine(line);
        if (!parsed.error.isEmpty())
            return failed(parsed.error);
        if (!signed_) {
            if (parsed.keyword != u"K9SPR" || parsed.attributes.size() != 1 || parsed.attributes[0].name != u"1")
                return failed(QStringLiteral("la primera línea debe ser «K9SPR 1»"));
            signed_ = true;
            continue;
        }
        QString error;
        LineReader r(parsed, &error);
        if (parsed.keyword == u"PAGE") {
            LayoutPage page;
            page.size = QSizeF(r.number(QStringLiteral("width"), kMinPage, kMaxPage),
                               r.number(QStringLiteral("height"), kMinPage, kMaxPage));
            defaults.fontFamily = r.text(QStringLiteral("font")).value_or(PageDefaults().fontFamily);
            defaults.fontSize = r.number(QStringLiteral("size"), 1, 200, PageDefaults().fontSize);
            layout.pages << page;
        } else if (parsed.keyword == u"EXPORT") {
            layout.exportType = static_cast<ExportType>(
                r.choice(QStringLiteral("type"), {QStringLiteral("pdf"), QStringLiteral("txt")}));
        } else if (const std::optional<ElementKind> kind = elementKind(parsed.keyword)) {
            if (layout.pages.isEmpty())
                return failed(QStringLiteral("falta «PAGE» antes del primer elemento"));
            if (++elements > kMaxElements)
                return failed(QStringLiteral("demasiados elementos"));
            LayoutElement e = readElement(*kind, r, layout.pages.last(), defaults);
            e.line = number;
            layout.pages.last().elements << e;
        } else {
            return failed(QStringLiteral("elemento desconocido «%1»").arg(parsed.keyword));
        }
        r.checkUnused();
        if (!error.isEmpty())
            return failed(error);
    }
    if (!signed_)
        result.error = QStringLiteral("el formato está vacío");
    else if (layout.pages.isEmpty())
        result.error = QStringLiteral("el formato no tiene ninguna página («PAGE»)");
    else
        result.layout = layout;
    return result;
}

LayoutResult loadLayout(const QString &path)
{
    LayoutResult result;
    const QFileInfo info(path);
    if (!info.isFile()) {
        result.error = QStringLiteral("no existe el archivo %1").arg(path);
        return result;
    }
    if (info.size() > kMaxFileBytes) {
        result.error = QStringLiteral("el archivo %1 es demasiado grande").arg(path);
        return result;
    }
    const std::optional<QString> text = readFormatText(path);
    if (!text) {
        result.error = QStringLiteral("no se pudo leer el archivo %1").arg(path);
        return result;
    }
    return parseLayout(*text);
}

} // namespace k9
