// Drawing laid-out pages: EAN-8 bar codes that a reader can decode, and PDF files.
#include "core/Regional.h"
#include "printformats/Ean8.h"
#include "printformats/PagePainter.h"
#include "printformats/Pages.h"
#include "printformats/PdfTools.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace k9;

namespace {

// Reads an EAN-8 symbol from one row of an image: the widths of the bars and spaces, in
// modules, decoded with the standard's tables. Empty when the row does not hold one.
QString decodeRow(const QImage &image, int y)
{
    const auto dark = [&](int x) { return qGray(image.pixel(x, y)) < 128; };
    QList<int> runs; // alternating bar, space, bar... from the first bar
    int x = 0;
    while (x < image.width() && !dark(x))
        ++x;
    while (x < image.width()) {
        const bool d = dark(x);
        const int start = x;
        while (x < image.width() && dark(x) == d)
            ++x;
        runs << x - start;
    }
    if (runs.size() % 2 == 0 && !runs.isEmpty())
        runs.removeLast(); // the quiet zone after the last bar
    // 3 guard + 4 x 4 + 5 centre + 4 x 4 + 3 guard = 43 runs of bars and spaces.
    if (runs.size() != 43)
        return QString();
    const double module = (runs[0] + runs[1] + runs[2]) / 3.0;
    QString modules;
    for (qsizetype i = 0; i < runs.size(); ++i)
        modules += QString(qRound(runs[i] / module), i % 2 == 0 ? u'1' : u'0');
    if (modules.size() != 67)
        return QString();
    static const QStringList left = {
        QStringLiteral("0001101"), QStringLiteral("0011001"), QStringLiteral("0010011"), QStringLiteral("0111101"),
        QStringLiteral("0100011"), QStringLiteral("0110001"), QStringLiteral("0101111"), QStringLiteral("0111011"),
        QStringLiteral("0110111"), QStringLiteral("0001011")};
    QString digits;
    for (int i = 0; i < 8; ++i) {
        const int at = i < 4 ? 3 + 7 * i : 8 + 7 * i;
        QString pattern = modules.mid(at, 7);
        if (i >= 4)
            for (QChar &c : pattern)
                c = c == u'0' ? u'1' : u'0';
        const qsizetype digit = left.indexOf(pattern);
        if (digit < 0)
            return QString();
        digits += QChar(u'0' + static_cast<int>(digit));
    }
    return digits;
}

LaidOutPage pageWithBars(const QString &digits)
{
    PageItem bars;
    bars.kind = PageItem::Kind::Bars;
    bars.box = QRectF(5, 5, 40, 15);
    bars.modules = Ean8::encode(digits)->modules;
    bars.digits = Ean8::encode(digits)->digits;
    bars.fontFamily = QStringLiteral("DejaVu Sans");
    bars.fontSize = 8;
    return LaidOutPage{QSizeF(50, 30), {bars}};
}

PageItem text(const QRectF &box, const QString &line)
{
    PageItem item;
    item.box = box;
    item.lines = {line};
    item.fontFamily = QStringLiteral("DejaVu Sans");
    item.fontSize = 10;
    return item;
}

} // namespace

class TestRendering : public QObject
{
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void barsDecode_data();
    void barsDecode();
    void pdfPages();
    void pdfUnwritable();
};

void TestRendering::encode_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("digits"); // empty: refused

    QTest::newRow("seven digits") << "9638507" << "96385074";
    QTest::newRow("eight with check") << "96385074" << "96385074";
    QTest::newRow("wrong check digit") << "96385075" << "";
    QTest::newRow("padded") << "42" << "00000420";
    QTest::newRow("blanks ignored") << "963 8507" << "96385074";
    QTest::newRow("letters") << "96A8507" << "";
    QTest::newRow("too long") << "123456789" << "";
    QTest::newRow("empty") << "" << "";
}

void TestRendering::encode()
{
    QFETCH(QString, input);
    QFETCH(QString, digits);
    const std::optional<Ean8> code = Ean8::encode(input);
    QCOMPARE(code.has_value(), !digits.isEmpty());
    if (!code)
        return;
    QCOMPARE(code->digits, digits);
    QCOMPARE(code->modules.size(), 67);
    QVERIFY(code->modules.startsWith(QStringLiteral("101")) && code->modules.endsWith(QStringLiteral("101")));
    QCOMPARE(code->modules.mid(31, 5), QStringLiteral("01010"));
}

void TestRendering::barsDecode_data()
{
    QTest::addColumn<QString>("digits");
    QTest::newRow("96385074") << "96385074";
    QTest::newRow("00000420") << "0000042";
    QTest::newRow("55123457") << "5512345";
}

void TestRendering::barsDecode()
{
    QFETCH(QString, digits);
    const LaidOutPage page = pageWithBars(digits);
    // 20 dots a millimetre: modules of 40 mm / 81 are about 10 dots wide.
    QImage image(1000, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintPage(painter, page, 20.0);
    }
    const QString read = decodeRow(image, 150);
    QCOMPARE(read, Ean8::encode(digits)->digits);
    QCOMPARE(Ean8::checkDigit(read.left(7)), read[7].unicode() - u'0');
    // The digits are printed under the bars, not over them: the bars' bottom row still decodes.
    QCOMPARE(decodeRow(image, (5 + 15) * 20 - 15), QString());
}

void TestRendering::pdfPages()
{
    if (!test::havePdfTools())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are needed");
    QTemporaryDir dir;
    LaidOutPage first{QSizeF(210, 297), {text(QRectF(10, 10, 100, 6), QStringLiteral("Recepción Nº 00000042"))}};
    PageItem memo = text(QRectF(10, 30, 100, 30), QString());
    memo.lines = {QStringLiteral("Equipo uno"), QStringLiteral("Equipo dos")};
    first.items << memo;
    LaidOutPage second{QSizeF(297, 210), {text(QRectF(10, 10, 100, 6), QStringLiteral("Segunda página"))}};
    const QString path = dir.filePath(QStringLiteral("doc.pdf"));
    QVERIFY(writePdf(path, {first, second}, 2, QStringLiteral("Prueba")));

    const QString textRead = test::pdfText(path);
    QVERIFY2(textRead.contains(QStringLiteral("Recepción Nº 00000042")), qPrintable(textRead));
    QVERIFY(textRead.contains(QStringLiteral("Equipo uno")));
    QVERIFY(textRead.contains(QStringLiteral("Equipo dos")));
    QCOMPARE(textRead.count(QStringLiteral("Segunda página")), 2); // two copies

    const QString info = test::pdfInfo(path);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+4"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page\\s+1 size:\\s+595(\\.\\d+)? x 842"))),
             qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page\\s+2 size:\\s+842(\\.\\d+)? x 595"))),
             qPrintable(info));
}

void TestRendering::pdfUnwritable()
{
    QTemporaryDir dir;
    const LaidOutPage page{QSizeF(100, 100), {text(QRectF(1, 1, 50, 5), QStringLiteral("x"))}};
    QVERIFY(!writePdf(dir.filePath(QStringLiteral("no/such/dir/doc.pdf")), {page}, 1, QString()));
    QVERIFY(!writePdf(dir.filePath(QStringLiteral("empty.pdf")), {}, 1, QString()));
}

QTEST_MAIN(TestRendering)
#include "tst_rendering.moc"
