// Lookup combos over a table, and the heading style of the reports.
#include "controls/HeadingStyle.h"
#include "controls/LookupCombo.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "data/Query.h"
#include "data/Schema.h"
#include "data/Table.h"
#include "data/TableHelpers.h"
#include "support/TestWorkspace.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

using namespace k9;

namespace {

const TableDef kDepartments{QStringLiteral("Sdepartamentos"),
                            {{QStringLiteral("FD_CODIGO"), FieldType::Integer},
                             {QStringLiteral("FD_DESCRIPCION"), FieldType::String, 40},
                             {QStringLiteral("FD_ABREVIATURA"), FieldType::String, 5}},
                            {},
                            {}};

} // namespace

class LookupTest : public QObject
{
    Q_OBJECT

private:
    ScriptedMessages m_messages;
    std::unique_ptr<MessageSinkGuard> m_guard;
    std::unique_ptr<test::ScratchDir> m_scratch;

private slots:
    void init()
    {
        m_messages.clear();
        m_guard = std::make_unique<MessageSinkGuard>(&m_messages);
        m_scratch = std::make_unique<test::ScratchDir>();
        auto db = m_scratch->database();
        QVERIFY(createTable(*db, kDepartments));
        const QStringList names{QStringLiteral("Taller"), QStringLiteral("Garantías"), QStringLiteral("Ventas")};
        for (int i = 0; i < names.size(); ++i) {
            QVERIFY(insertRow(*db, kDepartments.name,
                              {{QStringLiteral("FD_CODIGO"), i + 1},
                               {QStringLiteral("FD_DESCRIPCION"), names[i]},
                               {QStringLiteral("FD_ABREVIATURA"), names[i].left(3).toUpper()}}));
        }
    }
    void cleanup()
    {
        m_guard.reset();
        m_scratch.reset();
    }

    void columnSpecifications_data()
    {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("caption");
        QTest::newRow("full") << "FD_DESCRIPCION\t20\tDescripción\tT" << "FD_DESCRIPCION" << 20 << "Descripción";
        QTest::newRow("no caption") << "FM_DESCRIPCION\t10\t\tT" << "FM_DESCRIPCION" << 10 << "";
        QTest::newRow("field only") << "FD_CODIGO" << "FD_CODIGO" << 10 << "";
        QTest::newRow("bad width") << "FD_CODIGO\tx" << "FD_CODIGO" << 10 << "";
    }
    void columnSpecifications()
    {
        QFETCH(QString, spec);
        QFETCH(QString, field);
        QFETCH(int, width);
        QFETCH(QString, caption);
        const LookupColumn c = LookupColumn::parse(spec);
        QCOMPARE(c.field, field);
        QCOMPARE(c.width, width);
        QCOMPARE(c.caption, caption);
    }

    void theComboShowsTheRowOfTheCurrentRecord()
    {
        Table table;
        QVERIFY(AbrirTabla(table, kDepartments.name, m_scratch->path()));
        QVERIFY(table.gotoRowId(2));
        QCOMPARE(table.integer(QStringLiteral("FD_CODIGO")), 2);

        LookupCombo combo;
        QVERIFY(PrepararLookup(&combo, table, QStringLiteral("FD_CODIGO"),
                               QStringLiteral("FD_DESCRIPCION\t20\tDescripción\tT"),
                               QStringLiteral("FD_ABREVIATURA\t5\tAbrev.\t"), QStringLiteral("FD_CODIGO")));
        QVERIFY(m_messages.entries().isEmpty());
        QCOMPARE(combo.lookupTable(), kDepartments.name);
        QCOMPARE(combo.lookupField(), QStringLiteral("FD_CODIGO"));
        QCOMPARE(combo.count(), 3);
        QCOMPARE(combo.currentText(), QStringLiteral("Garantías"));
        QCOMPARE(combo.value().toInt(), 2);
        QCOMPARE(combo.columns().size(), 2);
        QCOMPARE(combo.model()->index(0, 1).data().toString(), QStringLiteral("TAL"));
        QCOMPARE(table.integer(QStringLiteral("FD_CODIGO")), 2); // left where it was

        combo.setValue(QStringLiteral("3"));
        QCOMPARE(combo.currentText(), QStringLiteral("Ventas"));
        combo.setValue(99);
        QCOMPARE(combo.currentIndex(), -1);
        QVERIFY(!combo.value().isValid());
    }

    void aMissingFieldOrTableIsReported()
    {
        Table table;
        QVERIFY(AbrirTabla(table, kDepartments.name, m_scratch->path()));
        LookupCombo combo;
        QVERIFY(!PrepararLookup(&combo, table, QStringLiteral("FD_CODIGO"), QStringLiteral("FD_NOMBRE\t20"),
                                QStringLiteral("FD_ABREVIATURA\t5"), QStringLiteral("FD_CODIGO")));
        QCOMPARE(m_messages.entries().size(), 1);
        QCOMPARE(m_messages.entries()[0].kind, MessageKind::Error);
        QCOMPARE(m_messages.entries()[0].text, QStringLiteral("Error al cargar la tabla Sdepartamentos."));

        Table missing(QStringLiteral("Salmacenes"));
        missing.setDatabase(m_scratch->database());
        QVERIFY(!PrepararLookup(&combo, missing, QStringLiteral("FA_CODIGO"), QStringLiteral("FA_NOMBRE\t20"),
                                QStringLiteral("FA_CODIGO\t5"), QStringLiteral("FA_CODIGO")));
        QCOMPARE(m_messages.texts().last(), QStringLiteral("Error al cargar la tabla Salmacenes."));
    }

    void headingStyles_data()
    {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("top");
        QTest::addColumn<bool>("opaque");
        QTest::addColumn<bool>("topLine");
        QTest::addColumn<bool>("bottomLine");
        QTest::addColumn<QColor>("colour");
        // The label starts with both lines.
        QTest::newRow("plain, top") << false << true << false << true << false << QColor(Qt::black);
        QTest::newRow("plain, bottom") << false << false << false << false << true << QColor(Qt::black);
        QTest::newRow("bold keeps the top line") << true << false << true << true << false << QColor(0, 0, 0x80);
    }
    void headingStyles()
    {
        QFETCH(bool, bold);
        QFETCH(bool, top);
        QFETCH(bool, opaque);
        QFETCH(bool, topLine);
        QFETCH(bool, bottomLine);
        QFETCH(QColor, colour);
        session().BoldEncabezados = bold;
        HeadingFrame frame{true, true, true, Qt::red};
        frame.opaque = !opaque;
        EstiloEncabezado(frame, top);
        session().BoldEncabezados = false;
        QCOMPARE(frame.opaque, opaque);
        QCOMPARE(frame.topLine, topLine);
        QCOMPARE(frame.bottomLine, bottomLine);
        QCOMPARE(frame.textColour, colour);
    }

    void headingStyleOnALabel()
    {
        QLabel label;
        EstiloEncabezado(&label, true);
        QVERIFY(label.styleSheet().contains(QStringLiteral("border-top")));
        QVERIFY(!label.styleSheet().contains(QStringLiteral("border-bottom")));
        session().BoldEncabezados = true;
        EstiloEncabezado(&label, false);
        session().BoldEncabezados = false;
        QVERIFY(label.styleSheet().contains(QStringLiteral("#000080")));
        QVERIFY(label.styleSheet().contains(QStringLiteral("border-top"))); // kept from before
        QVERIFY(label.autoFillBackground());
    }
};

QTEST_MAIN(LookupTest)
#include "tst_lookup.moc"
