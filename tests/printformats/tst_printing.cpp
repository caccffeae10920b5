// Printing documents through their formats: the installed formats, copies, the retry question,
// malformed layouts, exports and the print window.
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Regional.h"
#include "data/Startup.h"
#include "data/Workspace.h"
#include "printformats/FormatCatalog.h"
#include "printformats/FormatPrinting.h"
#include "printformats/PdfTools.h"
#include "printformats/ui/ImprimirFormatos.h"
#include "printformats/ui/TVorelPrintFormatosForm.h"
#include "workspace/DefaultFormats.h"
#include "workspace/WorkspaceBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace k9;

namespace {

Money amount(const char *text)
{
    return Money::parse(QString::fromLatin1(text)).value_or(Money());
}

PrintValue txt(const char *utf8)
{
    return PrintValue::ofText(QString::fromUtf8(utf8));
}

// A processed reception, with the values the reception window hands to its formats.
PrintDocument reception()
{
    PrintDocument d;
    d.kind = KindRecepcion;
    d.number = QStringLiteral("00000042");
    d.header = {{0, txt("00000042")},
                {1, txt("Juan Pérez")},
                {2, txt("Av. Bolívar 12, Valencia")},
                {3, txt("V-12345678-9")},
                {4, txt("0241-5551234")},
                {5, txt("María Gómez")},
                {6, PrintValue::ofAmount(amount("250"))},
                {7, PrintValue::ofAmount(amount("40"))},
                {8, PrintValue::ofAmount(amount("50"))},
                {9, PrintValue::ofAmount(amount("290"))},
                {10, PrintValue::ofAmount(amount("340"))}};
    d.items.append({{0, txt("IMP-100")}, {1, txt("SN-A1")}, {2, txt("Impresora láser")},
                    {3, PrintValue::ofAmount(amount("1"))}, {4, txt("Garantía")}, {5, txt("Reparación")},
                    {6, PrintValue::ofAmount(amount("50"))}, {7, PrintValue::ofAmount(amount("100"))},
                    {8, txt("Buen estado")}, {9, txt("No enciende")}});
    d.items.append({{0, txt("MON-7")}, {1, txt("SN-B2")}, {2, txt("Monitor 24")},
                    {3, PrintValue::ofAmount(amount("1"))}, {4, txt("Servicio")}, {5, txt("Evaluación")},
                    {6, PrintValue::ofAmount(Money())}, {7, PrintValue::ofAmount(amount("150"))},
                    {8, txt("Rayado")}, {9, txt("Sin imagen")}});
    return d;
}

// A service order: the products, then the lines.
PrintDocument serviceOrder()
{
    PrintDocument d;
    d.kind = KindServicio;
    d.number = QStringLiteral("00000007");
    d.header = {{0, txt("00000007")}, {1, txt("Juan Pérez")}, {6, PrintValue::ofAmount(amount("1000"))},
                {7, PrintValue::ofAmount(amount("160"))}, {9, PrintValue::ofAmount(amount("1160"))},
                {10, PrintValue::ofAmount(amount("1160"))}};
    d.items.append({{0, txt("00000042")}, {1, txt("IMP-100")}, {2, txt("SN-A1")}, {3, txt("Impresora láser")},
                    {4, PrintValue::ofAmount(amount("1"))}, {7, PrintValue::ofAmount(amount("1160"))}});
    d.items.append({{20, PrintValue::ofAmount(amount("1"))}, {21, txt("Cambio de fusor")},
                    {22, txt("Fusor 220V")}, {23, PrintValue::ofAmount(amount("1160"))}, {24, txt("Terminado")},
                    {26, txt("Pedro Ruiz")}});
    return d;
}

SystemValues sampleCompany()
{
    SystemValues s;
    s.companyName = QStringLiteral("Servicios Técnicos Vorel, C.A.");
    s.address1 = QStringLiteral("Calle Real 5");
    s.rif = QStringLiteral("J-30000000-1");
    s.phones = QStringLiteral("0241-5550000");
    s.userName = QStringLiteral("Ana Ruiz");
    s.today = QDate(2026, 12, 11);
    return s;
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void installedFormatsAreListed();
    void receptionThroughInstalledFormat();
    void serviceOrderThroughInstalledFormat();
    void installKeepsExistingFiles();
    void copies_data();
    void copies();
    void skipAndCondition();
    void failedPrintAsksToRetry();
    void malformedLayoutSaysWhy_data();
    void malformedLayoutSaysWhy();
    void exportToReports_data();
    void exportToReports();
    void exportFailure();
    void printWindowConfigPage();
    void printWindowCancel();

private:
    QList<FormatEntry> formats(int kind);
    QStringList printed() const;
    QString printedText() const;
    void writeFormat(const QString &dir, const QString &base, const FormatParams &params, const QByteArray &layout,
                     const QByteArray &condition = QByteArray());
    PrintFormatsOptions options() const;

    QTemporaryDir m_root;
    QTemporaryDir m_printDir;
    QString m_formats;
    ScriptedMessages m_messages;
    std::unique_ptr<MessageSinkGuard> m_guard;
    WorkspacePaths m_savedPaths;
    RegionalSettings m_savedRegional;
};

void TestPrinting::initTestCase()
{
    m_guard = std::make_unique<MessageSinkGuard>(&m_messages);
    QVERIFY(workspace::createWorkspace(m_root.path()));
    QCOMPARE(loadWorkspace(m_root.path()), StartupResult::Ready);
    m_formats = workspace::Dirs(m_root.path()).formats;
    QVERIFY(workspace::installDefaultFormats(m_formats));
    m_savedPaths = paths();
    m_savedRegional = regional();
}

void TestPrinting::init()
{
    paths() = m_savedPaths;
    paths().DirFormatos = m_formats;
    paths().DirReportes = m_root.filePath(QStringLiteral("Reportes")) + u'/';
    regional() = m_savedRegional;
    applySeparators(u',', u'.');
    regional().amountDecimals = 2;
    QDir(m_printDir.path()).removeRecursively();
    QDir(paths().DirReportes).removeRecursively();
    qputenv("K9RMA_PRINT_DIR", m_printDir.path().toUtf8());
    m_messages.clear();
}

void TestPrinting::cleanup()
{
    qunsetenv("K9RMA_PRINT_DIR");
    for (const QString &name : QDir(m_formats + QStringLiteral("SERVICIO")).entryList({QStringLiteral("T*")}))
        QFile::remove(m_formats + QStringLiteral("SERVICIO/") + name);
}

QList<FormatEntry> TestPrinting::formats(int kind)
{
    QList<FormatEntry> list;
    CargarFormatos(kind, list);
    return list;
}

QStringList TestPrinting::printed() const
{
    QStringList files;
    for (const QString &f : QDir(m_printDir.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
        files << QDir(m_printDir.path()).filePath(f);
    return files;
}

QString TestPrinting::printedText() const
{
    QString all;
    for (const QString &f : printed())
        all += test::pdfText(f);
    return all;
}

void TestPrinting::writeFormat(const QString &dir, const QString &base, const FormatParams &params,
                               const QByteArray &layout, const QByteArray &condition)
{
    const QString path = m_formats + dir + u'/' + base;
    QFile pfg(path + QStringLiteral(".PFG"));
    QVERIFY(pfg.open(QIODevice::WriteOnly));
    pfg.write(params.toBytes());
    if (!layout.isNull()) {
        QFile spr(path + QStringLiteral(".SPR"));
        QVERIFY(spr.open(QIODevice::WriteOnly));
        spr.write(layout);
    }
    if (!condition.isNull()) {
        QFile con(path + QStringLiteral(".CON"));
        QVERIFY(con.open(QIODevice::WriteOnly));
        con.write(condition);
    }
}

PrintFormatsOptions TestPrinting::options() const
{
    PrintFormatsOptions o;
    o.system = sampleCompany();
    return o;
}

namespace {

FormatParams params(const QString &title, int order = 0)
{
    FormatParams p;
    p.title = title;
    p.copies = 1;
    p.active = true;
    p.order = order;
    return p;
}

QByteArray sayLayout(const char *what)
{
    return QByteArray("K9SPR 1\nPAGE width=100 height=50\nLABEL x=5 y=5 w=90 h=6 text=\"") + what
           + "\"\nLABEL x=5 y=15 w=90 h=6 code=0_12\nLABEL x=5 y=25 w=90 h=6 code=1_00\n";
}

} // namespace

void TestPrinting::installedFormatsAreListed()
{
    const QList<std::pair<int, QString>> expected = {{KindRecepcion, QStringLiteral("Recepción de equipos")},
                                                     {KindPresupuesto, QStringLiteral("Presupuesto")},
                                                     {KindServicio, QStringLiteral("Orden de servicio")}};
    for (const auto &[kind, title] : expected) {
        QList<FormatEntry> list;
        CargarFormatos(kind, list, true);
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.first().params.title, title);
        QVERIFY(list.first().params.asksBeforePrinting());
        const LayoutResult layout = loadLayout(m_formats + list.first().layoutPath);
        QVERIFY2(layout.layout, qPrintable(layout.error));
    }
}

void TestPrinting::receptionThroughInstalledFormat()
{
    if (!test::havePdfTools())
        QSKIP("pdftotext (poppler-utils) is needed");
    QList<FormatEntry> list = formats(KindRecepcion);
    QVERIFY(ImprimirFormatos(nullptr, reception(), list, options()));
    QVERIFY2(m_messages.texts().isEmpty(), qPrintable(m_messages.texts().join(u'\n')));
    const QStringList files = printed();
    QCOMPARE(files.size(), 1);
    QVERIFY2(QFileInfo(files.first()).fileName().startsWith(QStringLiteral("RMA_00000042_")), qPrintable(files.first()));

    const QString text = test::pdfText(files.first());
    for (const char *expected :
         {"Servicios Técnicos Vorel, C.A.", "Calle Real 5", "RIF: J-30000000-1", "RECEPCIÓN DE EQUIPOS",
          "N° 00000042", "Fecha: 11/12/2026", "Original", "Juan Pérez", "Av. Bolívar 12, Valencia", "V-12345678-9",
          "0241-5551234", "María Gómez", "IMP-100", "SN-A1", "Impresora láser", "Garantía", "Reparación",
          "No enciende", "MON-7", "SN-B2", "Monitor 24", "Servicio", "Evaluación", "Sin imagen", "100,00", "150,00",
          "250,00", "40,00", "290,00", "340,00", "Son: DOSCIENTOS NOVENTA CON 00/100", "Atendido por: Ana Ruiz",
          "00000420"}) {
        QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(QString::fromUtf8(expected) + u'\n' + text));
    }
    // Total operation (290 + 50) and what is left to pay (340 - 340) come from formulas.
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Total operación:\\s+340,00"))));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Pendiente:\\s+0,00"))));
    // The items are listed one a line, their columns side by side.
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("IMP-100\\s+SN-A1\\s+Impresora láser\\s+1\\s+Garantía"))));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("MON-7\\s+SN-B2\\s+Monitor 24\\s+1\\s+Servicio"))));
}

void TestPrinting::serviceOrderThroughInstalledFormat()
{
    if (!test::havePdfTools())
        QSKIP("pdftotext (poppler-utils) is needed");
    QList<FormatEntry> list = formats(KindServicio);
    QVERIFY(ImprimirFormatos(nullptr, serviceOrder(), list, options()));
    const QString text = printedText();
    for (const char *expected : {"ORDEN DE SERVICIO", "N° 00000007", "Impresora láser", "Cambio de fusor",
                                 "Fusor 220V", "Terminado", "Pedro Ruiz", "1.160,00",
                                 "Son: UN MIL CIENTO SESENTA CON 00/100"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(QString::fromUtf8(expected) + u'\n' + text));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Saldo:\\s+0,00"))));
}

void TestPrinting::installKeepsExistingFiles()
{
    const QString spr = m_formats + QStringLiteral("PRESUPUESTO/Presupuesto.SPR");
    QFile f(spr);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray original = f.readAll();
    f.close();
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("K9SPR 1\n# cambiado por el usuario\n");
    f.close();
    QVERIFY(workspace::installDefaultFormats(m_formats));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("K9SPR 1\n# cambiado por el usuario\n"));
    f.close();
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(original);
}

void TestPrinting::copies_data()
{
    QTest::addColumn<bool>("oneJob");
    QTest::addColumn<bool>("reprint");
    QTest::addColumn<bool>("single");
    QTest::addColumn<QStringList>("files"); // the captions printed in each file

    const QString o = QStringLiteral("Original");
    const QString c = QStringLiteral("Copia");
    const QString r = QStringLiteral("Reimpresión");
    QTest::newRow("one job per copy") << false << false << false << QStringList{o, c, c};
    QTest::newRow("one job per copy, reprint") << false << true << false << QStringList{r, r, r};
    QTest::newRow("copies in one job") << true << false << false << QStringList{o + o + o};
    QTest::newRow("one job, reprint") << true << true << false << QStringList{r + r + r};
    QTest::newRow("one job, single format") << true << false << true << QStringList{o};
}

void TestPrinting::copies()
{
    if (!test::havePdfTools())
        QSKIP("pdftotext (poppler-utils) is needed");
    QFETCH(bool, oneJob);
    QFETCH(bool, reprint);
    QFETCH(bool, single);
    QFETCH(QStringList, files);
    FormatParams p = params(QStringLiteral("Tres copias"));
    p.copies = 3;
    p.copiesAsOneJob = oneJob;
    writeFormat(QStringLiteral("SERVICIO"), QStringLiteral("T1"), p, sayLayout("copias"));
    QList<FormatEntry> list = formats(KindServicio);
    list.removeIf([](const FormatEntry &e) { return e.baseName != u"T1"; });
    QCOMPARE(list.size(), 1);
    PrintFormatsOptions o = options();
    o.reprint = reprint;
    o.singleFormat = single;
    QVERIFY(ImprimirFormatos(nullptr, serviceOrder(), list, o));

    const QStringList pdfs = printed();
    QCOMPARE(pdfs.size(), files.size());
    static const QRegularExpression caption(QStringLiteral("Original|Copia|Reimpresión"));
    for (qsizetype i = 0; i < pdfs.size(); ++i) {
        QString captions;
        for (auto it = caption.globalMatch(test::pdfText(pdfs[i])); it.hasNext();)
            captions += it.next().captured();
        QCOMPARE(captions, files[i]);
    }
}

void TestPrinting::skipAndCondition()
{
    if (!test::havePdfTools())
        QSKIP("pdftotext (poppler-utils) is needed");
    FormatParams skipped = params(QStringLiteral("Saltado"), 1);
    skipped.skip = true;
    writeFormat(QStringLiteral("SERVICIO"), QStringLiteral("T1"), skipped, sayLayout("formato saltado"));
    // Printed only when the total (1_09) is above 5 000: it is 1 160.
    writeFormat(QStringLiteral("SERVICIO"), QStringLiteral("T2"), params(QStringLiteral("Condicionado"), 2),
                sayLayout("formato grande"), "1_09\r\n0\r\n5000\r\n");
    writeFormat(QStringLiteral("SERVICIO"), QStringLiteral("T3"), params(QStringLiteral("Siempre"), 3),
                sayLayout("formato siempre"), "1_09\r\n2\r\n5000\r\n");
    QList<FormatEntry> list = formats(KindServicio);
    list.removeIf([](const FormatEntry &e) { return !e.baseName.startsWith(u'T'); });
    QCOMPARE(list.size(), 3);
    QVERIFY(ImprimirFormatos(nullptr, serviceOrder(), list, options()));
    QString text = printedText();
    QVERIFY(text.contains(QStringLiteral("formato siempre")));
    QVERIFY(!text.contains(QStringLiteral("formato grande")));
    QVERIFY(!text.contains(QStringLiteral("formato saltado")));

    // A format chosen by the user prints even when marked to be skipped.
    QDir(m_printDir.path()).removeRecursively();
    list = {list.first()};
    PrintFormatsOptions single = options();
    single.singleFormat = true;
    QVERIFY(ImprimirFormatos(nullptr, serviceOrder(), list, single));
    QVERIFY(printedText().contains(QStringLiteral("formato saltado")));
}

void TestPrinting::failedPrintAsksToRetry()
{
    // The print directory is a file: every job fails.
    const QString blocker = m_root.filePath(QStringLiteral("no-es-directorio"));
    QFile f(blocker);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    qputenv("K9RMA_PRINT_DIR", blocker.toUtf8());
    QList<FormatEntry> list = formats(KindRecepcion);
    m_messages.queueAnswers({Answer::Yes, Answer::No});
    QVERIFY(!ImprimirFormatos(nullptr, reception(), list, options()));
    QCOMPARE(m_messages.texts(), (QStringList{QStringLiteral("ERROR #43"), QStringLiteral("ERROR #43")}));
    QCOMPARE(m_messages.entries().first().buttons, MessageButtons::YesNo);

    // Printing again after the failure succeeds once the directory can be written.
    m_messages.clear();
    m_messages.queueAnswers({Answer::Yes});
    QVERIFY(QFile::remove(blocker));
    QVERIFY(QDir().mkpath(blocker));
    QVERIFY(ImprimirFormatos(nullptr, reception(), list, options()));
    QVERIFY(m_messages.texts().isEmpty());
    QCOMPARE(QDir(blocker).entryList({QStringLiteral("*.pdf")}).size(), 1);
    QDir(blocker).removeRecursively();
}

void TestPrinting::malformedLayoutSaysWhy_data()
{
    QTest::addColumn<QByteArray>("layout"); // null: no layout file
    QTest::addColumn<QString>("why");

    QTest::newRow("missing layout") << QByteArray() << "no existe el archivo";
    QTest::newRow("bad code") << QByteArray("K9SPR 1\nPAGE width=100 height=50\nLABEL x=1 y=1 w=9 h=5 code=9_99\n")
                              << "línea 3: código no válido «9_99»";
    QTest::newRow("not a layout") << QByteArray("\x00\x01\x02garbage\xff", 12)
                                  << "línea 1: la primera línea debe ser «K9SPR 1»";
}

void TestPrinting::malformedLayoutSaysWhy()
{
    QFETCH(QByteArray, layout);
    QFETCH(QString, why);
    writeFormat(QStringLiteral("SERVICIO"), QStringLiteral("T1"), params(QStringLiteral("Roto"), 1), layout);
    writeFormat(QStringLiteral("SERVICIO"), QStringLiteral("T2"), params(QStringLiteral("Bueno"), 2),
                sayLayout("formato bueno"));
    QList<FormatEntry> list = formats(KindServicio);
    list.removeIf([](const FormatEntry &e) { return !e.baseName.startsWith(u'T'); });
    QVERIFY(ImprimirFormatos(nullptr, serviceOrder(), list, options())); // the last one printed
    QCOMPARE(m_messages.entries().size(), 1);
    QCOMPARE(m_messages.entries().first().kind, MessageKind::Error);
    const QString text = m_messages.texts().first();
    QVERIFY2(text.startsWith(QStringLiteral("El formato \"Roto\" no se puede imprimir: ")) && text.contains(why),
             qPrintable(text));
    QCOMPARE(printed().size(), 1); // only the good format
}

void TestPrinting::exportToReports_data()
{
    QTest::addColumn<QByteArray>("exportLine");
    QTest::addColumn<QString>("file");
    QTest::newRow("pdf") << QByteArray() << "Servicio00000007.pdf";
    QTest::newRow("text") << QByteArray("EXPORT type=txt\n") << "Servicio00000007.Txt";
}

void TestPrinting::exportToReports()
{
    QFETCH(QByteArray, exportLine);
    QFETCH(QString, file);
    FormatParams p = params(QStringLiteral("Exportado"));
    p.exportToFile = true;
    p.copies = 2;
    writeFormat(QStringLiteral("SERVICIO"), QStringLiteral("T1"), p,
                sayLayout("exportado").replace("PAGE", exportLine + "PAGE"));
    QList<FormatEntry> list = formats(KindServicio);
    list.removeIf([](const FormatEntry &e) { return e.baseName != u"T1"; });
    QVERIFY(ImprimirFormatos(nullptr, serviceOrder(), list, options()));
    QVERIFY(printed().isEmpty()); // exported instead of printed
    const QString path = paths().DirReportes + file;
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    if (file.endsWith(u".Txt")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), QStringLiteral("exportado\nOriginal\n00000007"));
    } else if (test::havePdfTools()) {
        QVERIFY(test::pdfText(path).contains(QStringLiteral("exportado")));
    }
}

void TestPrinting::exportFailure()
{
    FormatParams p = params(QStringLiteral("Exportado"));
    p.exportToFile = true;
    writeFormat(QStringLiteral("SERVICIO"), QStringLiteral("T1"), p, sayLayout("exportado"));
    QList<FormatEntry> list = formats(KindServicio);
    list.removeIf([](const FormatEntry &e) { return e.baseName != u"T1"; });
    // The reports directory cannot be made: a file stands in its place.
    QFile blocker(m_root.filePath(QStringLiteral("bloqueo")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    paths().DirReportes = blocker.fileName() + QStringLiteral("/Reportes/");
    QVERIFY(!ImprimirFormatos(nullptr, serviceOrder(), list, options()));
    QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("El archivo no puede ser grabado.")});
    QCOMPARE(m_messages.entries().first().kind, MessageKind::Warning);
}

void TestPrinting::printWindowConfigPage()
{
    qunsetenv("K9RMA_PRINT_DIR"); // a printer page is only shown when printing to a printer
    FormatParams p = params(QStringLiteral("Un título de formato bastante largo para la caja"));
    p.askBeforePrinting = true;
    p.copies = 4;
    p.fixedPrinter = true;
    p.nationalCurrency = true;
    FormatEntry entry{QStringLiteral("T1"), QStringLiteral("SERVICIO/T1.SPR"), {}, p};
    writeFormat(QStringLiteral("SERVICIO"), QStringLiteral("T1"), p, sayLayout("ventana"));
    const PrintDocument doc = serviceOrder();
    session().FlagMonedas = false;
    TVorelPrintFormatosForm window(nullptr, entry, doc, sampleCompany(), false, false, false);
    QVERIFY(window.asksBeforePrinting());
    QCOMPARE(window.windowTitle(), p.title);
    auto *copies = window.findChild<QSpinBox *>(QStringLiteral("Edit_Copias"));
    auto *title = window.findChild<QLineEdit *>(QStringLiteral("Edit_Titulo"));
    auto *printer = window.findChild<QComboBox *>(QStringLiteral("ComboPrinter"));
    auto *currency = window.findChild<QCheckBox *>(QStringLiteral("CheckMonedas"));
    QVERIFY(copies && title && printer && currency);
    QCOMPARE(copies->value(), 4);
    QCOMPARE(copies->minimum(), 1);
    QCOMPARE(copies->maximum(), 999);
    QCOMPARE(title->text(), p.title.left(30));
    QVERIFY(!title->isEnabled());
    QVERIFY(!printer->isEnabled()); // a fixed printer
    QVERIFY(currency->isChecked());
    QVERIFY(currency->isHidden());

    // The neverAsk option, or printing to the print directory, prints without the page.
    QVERIFY(!TVorelPrintFormatosForm(nullptr, entry, doc, sampleCompany(), false, false, true).asksBeforePrinting());

    // "Aceptar" keeps the copies chosen in the entry and prints them.
    qputenv("K9RMA_PRINT_DIR", m_printDir.path().toUtf8());
    QVERIFY(!TVorelPrintFormatosForm(nullptr, entry, doc, sampleCompany(), false, false, false).asksBeforePrinting());
    copies->setValue(2);
    window.aceptar();
    QCOMPARE(window.outcome(), TVorelPrintFormatosForm::Outcome::Printed);
    QCOMPARE(entry.params.copies, 2);
    QCOMPARE(printed().size(), 2);
}

void TestPrinting::printWindowCancel()
{
    FormatEntry entry{QStringLiteral("T1"), QStringLiteral("SERVICIO/T1.SPR"), {}, params(QStringLiteral("x"))};
    writeFormat(QStringLiteral("SERVICIO"), QStringLiteral("T1"), entry.params, sayLayout("cancelado"));
    const PrintDocument doc = serviceOrder();
    TVorelPrintFormatosForm window(nullptr, entry, doc, sampleCompany(), false, false, false);
    window.cancelar();
    QCOMPARE(window.outcome(), TVorelPrintFormatosForm::Outcome::Cancelled);
    QVERIFY(printed().isEmpty());
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
