// Layouts: reading the ".SPR" text, the values of the codes, and laying a document out on pages.
#include "core/Regional.h"
#include "printformats/FormatFields.h"
#include "printformats/Layout.h"
#include "printformats/Pages.h"

#include <QRandomGenerator>
#include <QTest>

using namespace k9;

namespace {

Money amount(const char *text)
{
    return Money::parse(QString::fromLatin1(text)).value_or(Money());
}

PrintDocument sampleDocument()
{
    PrintDocument d;
    d.kind = KindRecepcion;
    d.number = QStringLiteral("00000042");
    d.header[0] = PrintValue::ofText(QStringLiteral("00000042"));
    d.header[1] = PrintValue::ofText(QStringLiteral("Juan Pérez"));
    d.header[6] = PrintValue::ofAmount(amount("1234.5"));
    d.header[7] = PrintValue::ofAmount(amount("197.52"));
    d.header[8] = PrintValue::ofAmount(amount("-10"));
    d.items.append({{0, PrintValue::ofText(QStringLiteral("P-1"))},
                    {3, PrintValue::ofAmount(amount("1"))},
                    {7, PrintValue::ofAmount(amount("100"))}});
    d.items.append({{0, PrintValue::ofText(QStringLiteral("P-2"))},
                    {3, PrintValue::ofAmount(amount("2"))},
                    {7, PrintValue::ofAmount(amount("50.25"))}});
    d.items.append({{20, PrintValue::ofText(QStringLiteral("renglón"))}});
    return d;
}

SystemValues sampleSystem()
{
    SystemValues s;
    s.companyName = QStringLiteral("Servicios Técnicos, C.A.");
    s.userName = QStringLiteral("Ana");
    s.today = QDate(2007, 2, 1);
    return s;
}

FormatLayout parsed(const QString &text)
{
    const LayoutResult r = parseLayout(text);
    if (!r.layout)
        qWarning("%s", qPrintable(r.error));
    return r.layout.value_or(FormatLayout());
}

QStringList texts(const LaidOutPage &page)
{
    QStringList out;
    for (const PageItem &item : page.items)
        if (item.kind == PageItem::Kind::Text)
            out << item.lines.join(u'|');
    return out;
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_saved = regional();
        applySeparators(u',', u'.');
        regional().amountDecimals = 2;
    }
    void cleanup() { regional() = m_saved; }

    void readsElements();
    void malformed_data();
    void malformed();
    void codes_data();
    void codes();
    void values_data();
    void values();
    void itemLines();
    void shownTexts_data();
    void shownTexts();
    void itemsContinueOnNewPages();
    void textOfPages();
    void damagedLayoutsNeverCrash();

private:
    RegionalSettings m_saved;
};

void TestLayout::readsElements()
{
    const LayoutResult r = parseLayout(QStringLiteral(
        "# comentario\n"
        "K9SPR 1\n"
        "EXPORT type=txt\n"
        "PAGE width=210 height=148.5 font=\"DejaVu Serif\" size=11\n"
        "LABEL x=10 y=12.5 w=100 h=6 code=0_00 size=14 bold italic underline align=center valign=bottom\n"
        "  MEMO x=10 y=20 w=50 h=40 code=2_02 text=\"Dice \\\"hola\\\"\"\n"
        "NUMERO x=150 y=20 w=40 h=5 code=\"F,total,F1_06 + F1_07\" decimals=0 align=right\n"
        "LABEL x=10 y=70 w=190 h=0 frame\n"
        "EAN8 x=150 y=5 w=40 h=15 text=1234567 nodigits\n"
        "PAGE width=297 height=210\n"
        "LABEL x=10 y=10 w=50 h=5 code=1_01 words=amount\n"));
    QVERIFY2(r.layout, qPrintable(r.error));
    const FormatLayout &l = *r.layout;
    QCOMPARE(l.exportType, ExportType::Text);
    QCOMPARE(l.pages.size(), 2);
    QCOMPARE(l.pages[0].size, QSizeF(210, 148.5));
    QCOMPARE(l.pages[1].size, QSizeF(297, 210));
    QCOMPARE(l.pages[0].elements.size(), 5);

    const LayoutElement &label = l.pages[0].elements[0];
    QCOMPARE(label.kind, ElementKind::Label);
    QCOMPARE(label.line, 5);
    QCOMPARE(label.box, QRectF(10, 12.5, 100, 6));
    QCOMPARE(label.code->group, FieldCode::Group::System);
    QCOMPARE(label.fontFamily, QStringLiteral("DejaVu Serif"));
    QCOMPARE(label.fontSize, 14.0);
    QVERIFY(label.bold && label.italic && label.underline && !label.frame);
    QCOMPARE(label.align, HAlign::Center);
    QCOMPARE(label.valign, VAlign::Bottom);

    const LayoutElement &memo = l.pages[0].elements[1];
    QCOMPARE(memo.kind, ElementKind::Memo);
    QCOMPARE(memo.text, QStringLiteral("Dice \"hola\""));
    QCOMPARE(memo.code->group, FieldCode::Group::Item);
    QCOMPARE(memo.code->number, 2);
    QCOMPARE(memo.fontSize, 11.0); // the page's size
    QCOMPARE(memo.valign, VAlign::Top);

    const LayoutElement &number = l.pages[0].elements[2];
    QCOMPARE(number.code->group, FieldCode::Group::Formula);
    QCOMPARE(number.code->formula, QStringLiteral("F1_06 + F1_07"));
    QCOMPARE(number.decimals, 0);
    QCOMPARE(number.valign, VAlign::Middle);

    QVERIFY(l.pages[0].elements[3].frame);
    QCOMPARE(l.pages[0].elements[4].kind, ElementKind::Ean8);
    QVERIFY(!l.pages[0].elements[4].digits);
    QCOMPARE(l.pages[1].elements[0].words, WordsMode::Amount);
    QCOMPARE(l.pages[1].elements[0].fontSize, 10.0); // a new page starts from the defaults
}

void TestLayout::malformed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");

    const auto withPage = [](const char *element) {
        return QStringLiteral("K9SPR 1\nPAGE width=210 height=297\n") + QString::fromUtf8(element);
    };
    QTest::newRow("empty") << "" << "el formato está vacío";
    QTest::newRow("not a layout") << "HOLA MUNDO" << "línea 1: la primera línea debe ser «K9SPR 1»";
    QTest::newRow("other version") << "K9SPR 2" << "línea 1: la primera línea debe ser «K9SPR 1»";
    QTest::newRow("no page") << "K9SPR 1\n# nada\n" << "el formato no tiene ninguna página";
    QTest::newRow("element before page") << "K9SPR 1\nLABEL x=1 y=1 w=1 h=1 text=a"
                                         << "línea 2: falta «PAGE» antes del primer elemento";
    QTest::newRow("page too small") << "K9SPR 1\nPAGE width=5 height=297" << "línea 2: valor no válido para «width»";
    QTest::newRow("unknown element") << withPage("BOX x=1 y=1 w=1 h=1") << "línea 3: elemento desconocido «BOX»";
    QTest::newRow("missing attribute") << withPage("LABEL x=1 y=1 w=1 text=a") << "línea 3: falta el atributo «h»";
    QTest::newRow("not a number") << withPage("LABEL x=uno y=1 w=1 h=1 text=a") << "línea 3: valor no válido para «x»: «uno»";
    QTest::newRow("negative") << withPage("LABEL x=-1 y=1 w=1 h=1 text=a") << "línea 3: valor no válido para «x»";
    QTest::newRow("unknown attribute") << withPage("LABEL x=1 y=1 w=1 h=1 text=a color=rojo")
                                       << "línea 3: atributo desconocido «color»";
    QTest::newRow("repeated attribute") << withPage("LABEL x=1 x=2 y=1 w=1 h=1 text=a")
                                        << "línea 3: el atributo «x» está repetido";
    QTest::newRow("unknown group") << withPage("LABEL x=1 y=1 w=1 h=1 code=3_01") << "línea 3: código no válido «3_01»";
    QTest::newRow("one digit") << withPage("LABEL x=1 y=1 w=1 h=1 code=1_6") << "línea 3: código no válido «1_6»";
    QTest::newRow("formula without formula") << withPage("LABEL x=1 y=1 w=1 h=1 code=F,total")
                                             << "línea 3: código no válido «F,total»";
    QTest::newRow("unclosed quote") << withPage("LABEL x=1 y=1 w=1 h=1 text=\"abc")
                                    << "línea 3: falta cerrar las comillas de «text»";
    QTest::newRow("outside the page") << withPage("LABEL x=200 y=1 w=20 h=5 text=a") << "línea 3: el elemento sale de la página";
    QTest::newRow("nothing to print") << withPage("LABEL x=1 y=1 w=10 h=5") << "línea 3: falta «code» o «text»";
    QTest::newRow("no size") << withPage("MEMO x=1 y=1 w=0 h=5 text=a") << "línea 3: el elemento no tiene tamaño";
    QTest::newRow("bad alignment") << withPage("LABEL x=1 y=1 w=1 h=1 text=a align=diagonal")
                                   << "línea 3: valor no válido para «align»: «diagonal»";
    QTest::newRow("flag with a value") << withPage("LABEL x=1 y=1 w=1 h=1 text=a bold=si") << "línea 3: «bold» no lleva valor";
    QTest::newRow("attribute without value") << withPage("LABEL x=1 y=1 w=1 h=1 text") << "línea 3: falta el valor de «text»";
    QTest::newRow("later line") << withPage("LABEL x=1 y=1 w=1 h=1 text=a\n\nLABEL x=1 y=1 w=1 h=1 code=x")
                                << "línea 5: código no válido «x»";
}

void TestLayout::malformed()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    const LayoutResult r = parseLayout(text);
    QVERIFY(!r.layout);
    QVERIFY2(r.error.startsWith(error), qPrintable(r.error));
}

void TestLayout::codes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("formula");

    QTest::newRow("system") << "0_10" << true << int(FieldCode::Group::System) << 10 << "";
    QTest::newRow("header") << "1_06" << true << int(FieldCode::Group::Header) << 6 << "";
    QTest::newRow("item") << "2_21" << true << int(FieldCode::Group::Item) << 21 << "";
    QTest::newRow("formula with commas") << "F,iva,F1_06*16,5/100" << true << int(FieldCode::Group::Formula) << 0
                                         << "F1_06*16,5/100";
    QTest::newRow("date formula") << "f,vence,@F0_10+30" << true << int(FieldCode::Group::Formula) << 0 << "@F0_10+30";
    QTest::newRow("host group") << "A_01" << false << 0 << 0 << "";
    QTest::newRow("too long") << "1_066" << false << 0 << 0 << "";
    QTest::newRow("other separator") << "1-06" << false << 0 << 0 << "";
    QTest::newRow("empty formula") << "F,x, " << false << 0 << 0 << "";
}

void TestLayout::codes()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    const std::optional<FieldCode> c = FieldCode::parse(code);
    QCOMPARE(c.has_value(), valid);
    if (!c)
        return;
    QTEST(int(c->group), "group");
    QTEST(c->number, "number");
    QTEST(c->formula, "formula");
}

void TestLayout::values_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("number"); // empty: no number

    QTest::newRow("company") << "0_00" << "Servicios Técnicos, C.A." << "";
    QTest::newRow("today") << "0_10" << "01/02/2007" << "";
    QTest::newRow("user") << "0_11" << "Ana" << "";
    QTest::newRow("copy caption") << "0_12" << "Original" << "";
    QTest::newRow("host value left empty") << "0_07" << "" << "";
    QTest::newRow("header text") << "1_01" << "Juan Pérez" << "";
    QTest::newRow("header amount") << "1_06" << "1.234,50" << "1234.5";
    QTest::newRow("header missing") << "1_09" << "" << "";
    QTest::newRow("item texts joined") << "2_00" << "P-1 P-2" << "";
    QTest::newRow("item amounts added") << "2_07" << "150,25" << "150.25";
    QTest::newRow("formula over amounts with thousands") << "F,t,F1_06+F1_07" << "1.432,02" << "1432.02";
    QTest::newRow("formula over a negative") << "F,t,F1_06-F1_08" << "1.244,50" << "1244.5";
    QTest::newRow("formula over item sums") << "F,t,F2_07*2" << "300,50" << "300.5";
    QTest::newRow("formula over a text") << "F,t,F1_01*2" << "0,00" << "0";
    QTest::newRow("date formula") << "F,vence,@F0_10+30" << "03/03/2007" << "";
    QTest::newRow("day count formula") << "F,dias,@03/03/2007-F0_10" << "30" << "30";
}

void TestLayout::values()
{
    QFETCH(QString, code);
    QFETCH(QString, text);
    QFETCH(QString, number);
    const PrintDocument doc = sampleDocument();
    const FormatFields fields(doc, sampleSystem());
    const std::optional<FieldCode> c = FieldCode::parse(code);
    QVERIFY(c);
    const FieldValue v = fields.value(*c);
    QCOMPARE(v.text, text);
    QCOMPARE(v.number.has_value(), !number.isEmpty());
    if (v.number)
        QCOMPARE(v.number->toShortString(), number);
}

void TestLayout::itemLines()
{
    const PrintDocument doc = sampleDocument();
    const FormatFields fields(doc, sampleSystem());
    QCOMPARE(fields.itemLines(7), (QStringList{QStringLiteral("100,00"), QStringLiteral("50,25")}));
    QCOMPARE(fields.itemLines(20), QStringList{QStringLiteral("renglón")});
    QVERIFY(fields.itemLines(99).isEmpty());
    QCOMPARE(fields.printedHeader(6), QStringLiteral("1.234,50"));
}

void TestLayout::shownTexts_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("shown");

    QTest::newRow("prefix") << "LABEL x=1 y=1 w=90 h=5 code=1_01 text=\"Cliente: \"" << "Cliente: Juan Pérez";
    QTest::newRow("fixed text") << "LABEL x=1 y=1 w=90 h=5 text=\"Total:\"" << "Total:";
    QTest::newRow("cheque words") << "LABEL x=1 y=1 w=90 h=5 code=1_06 words=cheque"
                                  << "UN MIL DOSCIENTOS TREINTA Y CUATRO CON 50/100";
    QTest::newRow("amount words") << "LABEL x=1 y=1 w=90 h=5 code=F,t,F1_06+F1_07 words=amount"
                                  << "UN MIL CUATROCIENTOS TREINTA Y DOS CON 02";
    QTest::newRow("date words") << "LABEL x=1 y=1 w=90 h=5 code=0_10 words=date" << "01 de febrero de 2007";
    QTest::newRow("numero decimals") << "NUMERO x=1 y=1 w=90 h=5 code=1_06 decimals=0" << "1.235";
    QTest::newRow("numero of a text number") << "NUMERO x=1 y=1 w=90 h=5 code=1_00" << "42,00";
    QTest::newRow("numero of a text") << "NUMERO x=1 y=1 w=90 h=5 code=1_01" << "Juan Pérez";
    QTest::newRow("memo keeps lines") << "MEMO x=1 y=1 w=90 h=20 text=\"a\\nb\"" << "a|b";
    QTest::newRow("memo of a header field") << "MEMO x=1 y=1 w=90 h=20 code=1_01" << "Juan Pérez";
}

void TestLayout::shownTexts()
{
    QFETCH(QString, element);
    QFETCH(QString, shown);
    const FormatLayout l = parsed(QStringLiteral("K9SPR 1\nPAGE width=100 height=100\n") + element);
    QCOMPARE(l.pages.size(), 1);
    const QList<LaidOutPage> pages = layOut(l, sampleDocument(), sampleSystem(), QStringLiteral("Original"));
    QCOMPARE(pages.size(), 1);
    QCOMPARE(texts(pages.first()), QStringList{shown});
}

void TestLayout::itemsContinueOnNewPages()
{
    PrintDocument doc = sampleDocument();
    doc.items.clear();
    for (int i = 1; i <= 7; ++i)
        doc.items.append({{0, PrintValue::ofText(QStringLiteral("item %1").arg(i))},
                          {7, PrintValue::ofAmount(Money::fromUnits(i))}});
    // Size 10 gives lines of 4.41 mm: a box 14 mm high holds 3 of them.
    const FormatLayout l = parsed(QStringLiteral("K9SPR 1\n"
                                                 "PAGE width=100 height=100 size=10\n"
                                                 "LABEL x=1 y=1 w=60 h=5 code=1_01\n"
                                                 "MEMO x=1 y=10 w=40 h=14 code=2_00\n"
                                                 "MEMO x=50 y=10 w=40 h=14 code=2_07\n"
                                                 "NUMERO x=1 y=30 w=40 h=5 code=2_07\n"
                                                 "LABEL x=1 y=90 w=10 h=5 code=0_13\n"
                                                 "LABEL x=20 y=90 w=10 h=5 code=0_14\n"
                                                 "PAGE width=50 height=50\n"
                                                 "LABEL x=1 y=1 w=40 h=5 code=0_12\n"));
    const QList<LaidOutPage> pages = layOut(l, doc, sampleSystem(), QStringLiteral("Copia"));
    QCOMPARE(pages.size(), 4);
    QCOMPARE(texts(pages[0]), (QStringList{QStringLiteral("Juan Pérez"), QStringLiteral("item 1|item 2|item 3"),
                                           QStringLiteral("1,00|2,00|3,00"), QStringLiteral("28,00"),
                                           QStringLiteral("1"), QStringLiteral("4")}));
    QCOMPARE(texts(pages[1]), (QStringList{QStringLiteral("Juan Pérez"), QStringLiteral("item 4|item 5|item 6"),
                                           QStringLiteral("4,00|5,00|6,00"), QStringLiteral("28,00"),
                                           QStringLiteral("2"), QStringLiteral("4")}));
    QCOMPARE(texts(pages[2]), (QStringList{QStringLiteral("Juan Pérez"), QStringLiteral("item 7"),
                                           QStringLiteral("7,00"), QStringLiteral("28,00"), QStringLiteral("3"),
                                           QStringLiteral("4")}));
    QCOMPARE(pages[3].size, QSizeF(50, 50));
    QCOMPARE(texts(pages[3]), QStringList{QStringLiteral("Copia")});
}

void TestLayout::textOfPages()
{
    const FormatLayout l = parsed(QStringLiteral("K9SPR 1\n"
                                                 "PAGE width=100 height=100 size=10\n"
                                                 "LABEL x=50 y=10 w=40 h=5 code=1_06\n"
                                                 "LABEL x=1 y=10.5 w=40 h=5 text=Monto:\n"
                                                 "LABEL x=1 y=2 w=40 h=5 code=0_00\n"
                                                 "MEMO x=1 y=20 w=40 h=20 code=2_00\n"
                                                 "MEMO x=50 y=20 w=40 h=20 code=2_07\n"
                                                 "EAN8 x=1 y=50 w=40 h=15 code=\"F,b,F1_00\"\n"));
    const QString text = pagesAsText(layOut(l, sampleDocument(), sampleSystem(), QStringLiteral("Original")));
    QCOMPARE(text, QStringLiteral("Servicios Técnicos, C.A.\n"
                                  "Monto:  1.234,50\n"
                                  "P-1  100,00\n"
                                  "P-2  50,25\n"
                                  "00000420"));
}

void TestLayout::damagedLayoutsNeverCrash()
{
    // A valid layout with characters changed, dropped or repeated at random: it is either read
    // and laid out, or refused with a reason.
    const QString valid = QStringLiteral("K9SPR 1\n"
                                         "PAGE width=100 height=100 size=10\n"
                                         "LABEL x=1 y=1 w=60 h=5 code=1_01 text=\"N: \" bold\n"
                                         "MEMO x=1 y=10 w=40 h=14 code=2_00\n"
                                         "NUMERO x=50 y=10 w=40 h=5 code=\"F,t,(F1_06+F2_07)*2/F1_08\" decimals=1\n"
                                         "EAN8 x=1 y=30 w=40 h=15 code=\"F,b,F1_00\"\n"
                                         "LABEL x=1 y=50 w=90 h=8 code=1_06 words=cheque frame\n");
    const QString noise = QStringLiteral("=\"\\ _,F012@9.-x\n");
    QRandomGenerator random(42);
    const PrintDocument doc = sampleDocument();
    int read = 0;
    for (int round = 0; round < 1500; ++round) {
        QString text = valid;
        for (int edits = random.bounded(1, 6); edits > 0; --edits) {
            const qsizetype at = random.bounded(static_cast<int>(text.size()));
            switch (random.bounded(3)) {
            case 0:
                text[at] = noise[random.bounded(static_cast<int>(noise.size()))];
                break;
            case 1:
                text.remove(at, random.bounded(1, 8));
                break;
            default:
                text.insert(at, text.mid(at, random.bounded(1, 30)));
                break;
            }
        }
        const LayoutResult r = parseLayout(text);
        QVERIFY2(r.layout.has_value() != !r.error.isEmpty(), qPrintable(text));
        if (!r.layout)
            continue;
        ++read;
        const QList<LaidOutPage> pages = layOut(*r.layout, doc, sampleSystem(), QStringLiteral("Original"));
        QVERIFY(!pages.isEmpty());
        pagesAsText(pages);
    }
    QVERIFY(read > 0);
}

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
