// The catalogue of print formats: the parameter record, the listing rules and the conditions.
#include "core/Regional.h"
#include "data/Workspace.h"
#include "printformats/FormatCatalog.h"
#include "printformats/PrintCondition.h"
#include "printformats/PrintDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace k9;

namespace {

// A record written byte by byte at the documented offsets.
struct RawRecord
{
    QByteArray bytes = QByteArray(FormatParams::kSize, '\0');

    RawRecord &title(const QByteArray &t)
    {
        bytes[0] = static_cast<char>(t.size());
        bytes.replace(1, t.size(), t);
        return *this;
    }
    RawRecord &printer(const QByteArray &t)
    {
        bytes[264] = static_cast<char>(t.size());
        bytes.replace(265, t.size(), t);
        return *this;
    }
    RawRecord &integer(int at, qint32 v)
    {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<char>((static_cast<quint32>(v) >> (8 * i)) & 0xff);
        return *this;
    }
    RawRecord &flag(int at)
    {
        bytes[at] = 1;
        return *this;
    }
    RawRecord &copies(qint32 n) { return integer(256, n); }
    RawRecord &order(qint32 n) { return integer(546, n); }
    RawRecord &active() { return flag(260); }
};

RawRecord listed(const QByteArray &title, qint32 order = 0)
{
    return RawRecord().title(title).copies(1).active().order(order);
}

} // namespace

class TestCatalog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { paths() = m_savedPaths; regional() = m_savedRegional; }

    void recordOffsets();
    void recordKeepsUnknownBytes();
    void listingRules();
    void onlyFlagged();
    void order();
    void conditionFile();
    void conditions_data();
    void conditions();

private:
    void write(const QString &name, const QByteArray &bytes);
    QStringList titles(bool onlyFlagged = false);

    QTemporaryDir m_dir;
    WorkspacePaths m_savedPaths;
    RegionalSettings m_savedRegional;
};

void TestCatalog::init()
{
    m_savedPaths = paths();
    m_savedRegional = regional();
    applySeparators(u',', u'.');
    QDir(m_dir.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_dir.path() + QStringLiteral("/RECEPCION")));
    paths().DirFormatos = m_dir.path() + u'/';
}

void TestCatalog::write(const QString &name, const QByteArray &bytes)
{
    QFile f(m_dir.path() + QStringLiteral("/RECEPCION/") + name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QStringList TestCatalog::titles(bool onlyFlagged)
{
    QList<FormatEntry> list;
    list << FormatEntry(); // the list is refilled, not appended to
    CargarFormatos(KindRecepcion, list, onlyFlagged);
    QStringList out;
    for (const FormatEntry &e : std::as_const(list))
        out << e.params.title;
    return out;
}

void TestCatalog::recordOffsets()
{
    RawRecord r = listed("Nota de entrega", 7);
    r.printer("HP LaserJet").copies(3);
    for (const int at : {261, 262, 263, 521, 522, 529, 541, 542, 543, 545})
        r.flag(at);
    const std::optional<FormatParams> p = FormatParams::fromBytes(r.bytes);
    QVERIFY(p);
    QCOMPARE(p->title, QStringLiteral("Nota de entrega"));
    QCOMPARE(p->copies, 3);
    QCOMPARE(p->printerName, QStringLiteral("HP LaserJet"));
    QCOMPARE(p->order, 7);
    QVERIFY(p->active && p->fixedPrinter && p->askBeforePrinting && p->askSecond && p->nationalCurrency);
    QVERIFY(p->copiesAsOneJob && p->exportToFile && p->wholeDocument && p->fromDocuments1 && p->fromDocuments2);
    QVERIFY(p->skip);

    // Each flag is read from its own byte only.
    const std::optional<FormatParams> only = FormatParams::fromBytes(RawRecord().flag(522).bytes);
    QVERIFY(only);
    QVERIFY(only->copiesAsOneJob);
    QVERIFY(!only->active && !only->exportToFile && !only->skip && !only->askBeforePrinting);

    // Texts are in the Windows Western code page.
    const std::optional<FormatParams> accented = FormatParams::fromBytes(RawRecord().title("Recepci\xf3n").bytes);
    QVERIFY(accented);
    QCOMPARE(accented->title, QStringLiteral("Recepción"));

    QVERIFY(!FormatParams::fromBytes(r.bytes.left(FormatParams::kSize - 1)));
}

void TestCatalog::recordKeepsUnknownBytes()
{
    RawRecord r = listed("Original");
    r.bytes[700] = 'x';
    std::optional<FormatParams> p = FormatParams::fromBytes(r.bytes);
    QVERIFY(p);
    p->copies = 2;
    p->printerName = QStringLiteral("Epson");
    const QByteArray written = p->toBytes();
    QCOMPARE(written.size(), FormatParams::kSize);
    QCOMPARE(written[700], 'x');
    QCOMPARE(FormatParams::fromBytes(written)->copies, 2);
    QCOMPARE(FormatParams::fromBytes(written)->printerName, QStringLiteral("Epson"));
}

void TestCatalog::listingRules()
{
    write(QStringLiteral("A.PFG"), listed("activo").bytes);
    write(QStringLiteral("B.PFG"), RawRecord().title("inactivo").copies(1).bytes);
    write(QStringLiteral("C.PFG"), RawRecord().title("sin copias").active().bytes);
    write(QStringLiteral("D.PFG"), RawRecord().title("copias negativas").active().copies(-1).bytes);
    write(QStringLiteral("E.PFG"), listed("corto").bytes.left(819));
    write(QStringLiteral("F.PFG"), QByteArray());
    write(QStringLiteral("G.txt"), listed("otra extensión").bytes);
    write(QStringLiteral("h.pfg"), listed("minusculas").bytes);
    QCOMPARE(titles(), (QStringList{QStringLiteral("activo"), QStringLiteral("minusculas")}));

    QList<FormatEntry> list;
    CargarFormatos(KindRecepcion, list);
    QCOMPARE(list.first().layoutPath, QStringLiteral("RECEPCION/A.SPR"));
    QVERIFY(list.first().condition.isEmpty());

    // A kind the module does not print, or no formats directory, gives an empty list.
    CargarFormatos(5, list);
    QVERIFY(list.isEmpty());
    paths().DirFormatos.clear();
    QVERIFY(titles().isEmpty());
}

void TestCatalog::onlyFlagged()
{
    write(QStringLiteral("A.PFG"), listed("sin marca").bytes);
    write(QStringLiteral("B.PFG"), listed("marca 542").flag(542).bytes);
    write(QStringLiteral("C.PFG"), listed("marca 543").flag(543).bytes);
    QCOMPARE(titles(true), (QStringList{QStringLiteral("marca 542"), QStringLiteral("marca 543")}));
    QCOMPARE(titles(false).size(), 3);
}

void TestCatalog::order()
{
    write(QStringLiteral("A.PFG"), listed("segundo", 2).bytes);
    write(QStringLiteral("B.PFG"), listed("primero", 1).bytes);
    QCOMPARE(titles(), (QStringList{QStringLiteral("primero"), QStringLiteral("segundo")}));

    // An order of 0 is the format's place among the listed ones (inactive ones not counted).
    write(QStringLiteral("A.PFG"), listed("a", 0).bytes);
    write(QStringLiteral("B.PFG"), RawRecord().title("b inactivo").copies(1).bytes);
    write(QStringLiteral("C.PFG"), listed("c", 0).bytes);
    write(QStringLiteral("D.PFG"), listed("d", 1).bytes);
    QList<FormatEntry> list;
    CargarFormatos(KindRecepcion, list);
    QStringList got;
    for (const FormatEntry &e : std::as_const(list))
        got << QStringLiteral("%1:%2").arg(e.params.title).arg(e.params.order);
    QCOMPARE(got, (QStringList{QStringLiteral("a:1"), QStringLiteral("d:1"), QStringLiteral("c:2")}));
}

void TestCatalog::conditionFile()
{
    write(QStringLiteral("A.PFG"), listed("con condición").bytes);
    write(QStringLiteral("a.con"), "1_06\r\n0\r\n1_07\r\n\r\n\r\n\r\n\r\nsobra\r\n");
    QList<FormatEntry> list;
    CargarFormatos(KindRecepcion, list);
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.first().condition,
             (QStringList{QStringLiteral("1_06"), QStringLiteral("0"), QStringLiteral("1_07"), QString(), QString(),
                          QString(), QString()}));
}

void TestCatalog::conditions_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("printed");

    // Header field 6 prints 100,00, field 7 prints 50,00, field 8 prints 1.234,50.
    const auto cond = [](std::initializer_list<const char *> l) {
        QStringList out;
        for (const char *s : l)
            out << QString::fromUtf8(s);
        return out;
    };
    QTest::newRow("no lines") << QStringList() << true;
    QTest::newRow("100 > 50") << cond({"1_06", "0", "1_07"}) << true;
    QTest::newRow("100 < 50") << cond({"1_06", "2", "1_07"}) << false;
    QTest::newRow("50 >= 50") << cond({"1_07", "1", "1_07"}) << true;
    QTest::newRow("100 <= 50") << cond({"1_06", "3", "1_07"}) << false;
    QTest::newRow("equal") << cond({"1_07", "4", "50"}) << true;
    QTest::newRow("different") << cond({"1_07", "5", "50"}) << false;
    QTest::newRow("thousands separator read back") << cond({"1_08", "0", "1234,4"}) << true;
    QTest::newRow("unknown comparison holds") << cond({"1_06", "9", "1_07"}) << true;
    QTest::newRow("and: true, false") << cond({"1_06", "0", "1_07", "0", "1_07", "0", "1_06"}) << false;
    QTest::newRow("or: true, false") << cond({"1_06", "0", "1_07", "1", "1_07", "0", "1_06"}) << true;
    QTest::newRow("or: false, false") << cond({"1_06", "2", "1_07", "1", "1_07", "0", "1_06"}) << false;
    QTest::newRow("only the second") << cond({"", "", "", "", "1_06", "2", "1_07"}) << false;
    QTest::newRow("text field does not convert") << cond({"1_01", "0", "1_07"}) << true;
    QTest::newRow("missing field reads as 0") << cond({"1_09", "0", "1_07"}) << false;
}

void TestCatalog::conditions()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, printed);
    const auto header = [](int field) {
        switch (field) {
        case 1:
            return QStringLiteral("Cliente");
        case 6:
            return QStringLiteral("100,00");
        case 7:
            return QStringLiteral("50,00");
        case 8:
            return QStringLiteral("1.234,50");
        default:
            return QString();
        }
    };
    QCOMPARE(EvaluarCondicion(lines, header), printed);
}

QTEST_GUILESS_MAIN(TestCatalog)
#include "tst_catalog.moc"
