// The rules of the browser's searches and cell texts, without a table.
#include "core/Regional.h"
#include "queries/BrowserColumns.h"
#include "queries/SearchRules.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace k9;

class SearchRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void indexRanges_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QVariant>("from");
        QTest::addColumn<QVariant>("to");

        const auto t = [](FieldType f) { return static_cast<int>(f); };
        QTest::newRow("text: capitals up to the next letter")
            << t(FieldType::String) << QStringLiteral("mar") << QVariant(QStringLiteral("MAR")) << QVariant(QStringLiteral("N"));
        QTest::newRow("text: one character") << t(FieldType::String) << QStringLiteral("z") << QVariant(QStringLiteral("Z"))
                                             << QVariant(QStringLiteral("["));
        QTest::newRow("integer") << t(FieldType::Integer) << QStringLiteral("42") << QVariant(qlonglong(42))
                                 << QVariant(qlonglong(42 + 1410065407));
        QTest::newRow("integer kept within 32 bits")
            << t(FieldType::Integer) << QStringLiteral("2000000000") << QVariant(qlonglong(2000000000))
            << QVariant(qlonglong(2147483647));
        QTest::newRow("integer that is not one") << t(FieldType::Integer) << QStringLiteral("12a") << QVariant() << QVariant();
        QTest::newRow("floating") << t(FieldType::Float) << QStringLiteral("1,500.5") << QVariant(1500.5)
                                  << QVariant(1500.5 + 99999999999999.0);
        QTest::newRow("currency, stored in ten-thousandths")
            << t(FieldType::Money) << QStringLiteral("12.5") << QVariant(qlonglong(125000))
            << QVariant(qlonglong(125000) + qlonglong(999999999999990000));
        QTest::newRow("date") << t(FieldType::Date) << QStringLiteral("05/03/2026") << QVariant(QStringLiteral("2026-03-05"))
                              << QVariant(QStringLiteral("6000-12-31"));
        QTest::newRow("date-time") << t(FieldType::DateTime) << QStringLiteral("5/3/2026")
                                   << QVariant(QStringLiteral("2026-03-05")) << QVariant(QStringLiteral("6000-12-31 23:59:59"));
        QTest::newRow("not a date") << t(FieldType::Date) << QStringLiteral("31/02/2026") << QVariant() << QVariant();
        QTest::newRow("boolean has no range") << t(FieldType::Boolean) << QStringLiteral("1") << QVariant() << QVariant();
    }

    void indexRanges()
    {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QVariant, from);
        QFETCH(QVariant, to);
        const std::optional<IndexRange> range = indexRangeFor(static_cast<FieldType>(type), typed);
        QCOMPARE(range.has_value(), from.isValid());
        if (!range)
            return;
        QCOMPARE(range->from.toString(), from.toString());
        QCOMPARE(range->to.toString(), to.toString());
    }

    void wordFilter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<bool>("passes");

        const QStringList bothInOne{QStringLiteral("CABLE NEGRO 2M"), QStringLiteral("X")};
        const QStringList split{QStringLiteral("CABLE ROJO"), QStringLiteral("FORRO NEGRO")};
        const QStringList one{QStringLiteral("CABLE ROJO"), QStringLiteral("X")};
        const QStringList none{QStringLiteral("FUNDA"), QStringLiteral("AZUL")};
        QTest::newRow(",: both in one field") << QStringLiteral("*cable,negro") << bothInOne << true;
        QTest::newRow(",: words in different fields") << QStringLiteral("*cable,negro") << split << true;
        QTest::newRow(",: one word") << QStringLiteral("*cable,negro") << one << true;
        QTest::newRow(",: none") << QStringLiteral("*cable,negro") << none << false;
        QTest::newRow(",,: both in one field") << QStringLiteral("*cable,,negro") << bothInOne << true;
        QTest::newRow(",,: words in different fields") << QStringLiteral("*cable,,negro") << split << false;
        QTest::newRow(",,: one word") << QStringLiteral("*cable,,negro") << one << false;
        QTest::newRow("only the first five words")
            << QStringLiteral("*a1,a2,a3,a4,a5,cable") << one << false;
        QTest::newRow("no word passes everything") << QStringLiteral("*") << none << true;
    }

    void wordFilter()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QFETCH(bool, passes);
        QCOMPARE(WordFilter::parse(text).matches(fields), passes);
    }

    void queryWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("words"); // word, or &word when joined with AND

        QTest::newRow("single commas: OR") << QStringLiteral("*cable,negro") << QStringLiteral("CABLE NEGRO");
        QTest::newRow("double comma: AND") << QStringLiteral("cable,,negro*") << QStringLiteral("CABLE &NEGRO");
        QTest::newRow("mixed") << QStringLiteral("*a,b,,c") << QStringLiteral("A B &C");
        QTest::newRow("a trailing comma adds nothing") << QStringLiteral("*cable,") << QStringLiteral("CABLE");
        QTest::newRow("accents in capitals") << QStringLiteral("*peña") << QStringLiteral("PEÑA");
    }

    void queryWords()
    {
        QFETCH(QString, text);
        QFETCH(QString, words);
        QStringList got;
        for (const QueryWord &w : parseQueryWords(text))
            got << (w.andWithPrevious ? u'&' + w.word : w.word);
        QCOMPARE(got.join(u' '), words);
    }

    void queryConditionBindsTheWords()
    {
        const SqlCondition c = queryCondition({QStringLiteral("FC_DESCRIPCION"), QStringLiteral("FC_RIF")},
                                              parseQueryWords(QStringLiteral("*50%_x,,negro")));
        QCOMPARE(c.values, (QVariantList{QStringLiteral("%50\\%\\_X%"), QStringLiteral("%NEGRO%")}));
        QVERIFY(c.sql.contains(QStringLiteral(" AND ")));
        QVERIFY(!c.sql.contains(QStringLiteral("NEGRO")));
        QVERIFY(c.sql.contains(QStringLiteral("ifnull(\"FC_DESCRIPCION\", '') || ifnull(\"FC_RIF\", '')")));
    }

    void definitionFilesKeepOnlyColumns()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("sclientes.sql")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("fc_descripcion\r\nNO_EXISTE\r\nFC_RIF); DROP TABLE SClientes;--\r\n\r\nFC_RIF\r\n");
        f.close();
        const QString file = queryDefinitionFile(dir.path(), QStringLiteral("SClientes"));
        QVERIFY(!file.isEmpty());
        const QList<FieldInfo> fields{{QStringLiteral("FC_CODIGO"), FieldType::String, 20},
                                      {QStringLiteral("FC_DESCRIPCION"), FieldType::String, 100},
                                      {QStringLiteral("FC_RIF"), FieldType::String, 20}};
        QCOMPARE(readQueryDefinition(file, fields), (QStringList{QStringLiteral("FC_DESCRIPCION"), QStringLiteral("FC_RIF")}));
        QVERIFY(queryDefinitionFile(dir.path(), QStringLiteral("SInventario")).isEmpty());
    }

    void cellTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("right");

        const auto t = [](FieldType f) { return static_cast<int>(f); };
        const int text = static_cast<int>(ColumnKind::Text);
        const int coded = static_cast<int>(ColumnKind::Coded);
        QTest::newRow("boolean true") << t(FieldType::Boolean) << text << QVariant(1) << QStringLiteral("Si") << false;
        QTest::newRow("boolean false") << t(FieldType::Boolean) << text << QVariant(0) << QStringLiteral("No") << false;
        QTest::newRow("currency") << t(FieldType::Money) << text << QVariant(qlonglong(12345678900))
                                  << QStringLiteral("1,234,567.89") << true;
        QTest::newRow("floating") << t(FieldType::Float) << text << QVariant(-1234.5) << QStringLiteral("-1,234.50") << true;
        QTest::newRow("date") << t(FieldType::Date) << text << QVariant(QStringLiteral("2026-03-05"))
                              << QStringLiteral("05/03/2026") << false;
        QTest::newRow("date-time: the date") << t(FieldType::DateTime) << text
                                             << QVariant(QStringLiteral("2026-03-05 14:30:00"))
                                             << QStringLiteral("05/03/2026") << false;
        QTest::newRow("no date") << t(FieldType::DateTime) << text << QVariant() << QString() << false;
        QTest::newRow("memo line breaks") << t(FieldType::Memo) << text << QVariant(QStringLiteral("uno\r\ndos\ntres"))
                                          << QStringLiteral("uno-dos-tres") << false;
        QTest::newRow("integer, zero-padded")
            << t(FieldType::Integer) << text << QVariant(42) << QStringLiteral("42").rightJustified(100, u'0') << true;
        QTest::newRow("coded") << t(FieldType::Integer) << coded << QVariant(4) << QStringLiteral("En Servicio") << false;
        QTest::newRow("coded, outside the list")
            << t(FieldType::Integer) << coded << QVariant(15) << QStringLiteral("15").rightJustified(100, u'0') << false;
    }

    void cellTexts()
    {
        QFETCH(int, type);
        QFETCH(int, kind);
        QFETCH(QVariant, stored);
        QFETCH(QString, text);
        QFETCH(bool, right);
        regional() = RegionalSettings();
        BrowserColumn column;
        column.type = static_cast<FieldType>(type);
        column.def.kind = static_cast<ColumnKind>(kind);
        column.def.codes = rmaStatusCodes();
        QCOMPARE(cellText(column, stored, nullptr), text);
        QCOMPARE(column.rightAligned(), right);
    }
};

QTEST_GUILESS_MAIN(SearchRulesTest)
#include "tst_searchrules.moc"
