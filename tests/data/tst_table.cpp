// The table cursor: index order, ranges, filters, finding, editing, typed values.
#include "data/Query.h"
#include "data/Schema.h"
#include "data/Table.h"
#include "support/TestWorkspace.h"

#include <QtTest>

using namespace k9;

namespace {

TableDef items()
{
    return {QStringLiteral("Items"),
            {{QStringLiteral("I_ID"), FieldType::AutoInc},
             {QStringLiteral("I_DOC"), FieldType::String, 8},
             {QStringLiteral("I_STATUS"), FieldType::Integer},
             {QStringLiteral("I_MONTO"), FieldType::Money},
             {QStringLiteral("I_HOST"), FieldType::Boolean},
             {QStringLiteral("I_FECHA"), FieldType::Date},
             {QStringLiteral("I_HORA"), FieldType::DateTime},
             {QStringLiteral("I_IMAGEN"), FieldType::Blob}},
            {},
            {{QStringLiteral("I_KEYDOC"), {QStringLiteral("I_DOC"), QStringLiteral("I_STATUS")}}}};
}

// (doc, status) rows, some with NULLs, inserted in this order.
const QList<QPair<QVariant, QVariant>> kRows = {
    {QStringLiteral("B"), 2}, {QStringLiteral("A"), 3}, {QVariant(), 1},       {QStringLiteral("B"), QVariant()},
    {QStringLiteral("A"), 1}, {QStringLiteral("B"), 2}, {QVariant(), QVariant()}, {QStringLiteral("C"), 1},
};

struct Fixture
{
    test::ScratchDir scratch;
    std::shared_ptr<Database> db = scratch.database();
    Table table{QStringLiteral("Items")};

    Fixture()
    {
        if (!createTable(*db, items()))
            qFatal("cannot create Items");
        for (const auto &[doc, status] : kRows)
            db->exec(QStringLiteral("INSERT INTO Items (I_DOC, I_STATUS) VALUES (?, ?)"), {doc, status});
        table.setDatabase(db);
        table.open();
        table.setIndex(QStringLiteral("I_KEYDOC"));
    }

    // Row ids in the engine's own order for the index, NULLs first.
    QList<qint64> expectedOrder(const QString &where = QString())
    {
        Query q(*db);
        q.run(QStringLiteral("SELECT rowid AS id FROM Items ") + where + QStringLiteral(" ORDER BY I_DOC, I_STATUS, rowid"));
        QList<qint64> ids;
        while (q.next())
            ids << q.integer(QStringLiteral("id"));
        return ids;
    }

    QList<qint64> walkForward()
    {
        QList<qint64> ids;
        for (bool ok = table.first(); ok; ok = table.next())
            ids << table.rowId();
        return ids;
    }

    QList<qint64> walkBackward()
    {
        QList<qint64> ids;
        for (bool ok = table.last(); ok; ok = table.prior())
            ids.prepend(table.rowId());
        return ids;
    }
};

} // namespace

class TableTest : public QObject
{
    Q_OBJECT

private slots:
    void movesInIndexOrderBothWaysThroughNulls()
    {
        Fixture f;
        const QList<qint64> expected = f.expectedOrder();
        QCOMPARE(expected.size(), kRows.size());
        QCOMPARE(f.walkForward(), expected);
        QCOMPARE(f.walkBackward(), expected);
        QVERIFY(f.table.bof());
        QVERIFY(f.table.setIndex(QString()));
        QCOMPARE(f.walkForward(), (QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8}));
        QVERIFY(!f.table.setIndex(QStringLiteral("NO_EXISTE")));
    }

    void rangesAndFilters_data()
    {
        QTest::addColumn<QVariantList>("from");
        QTest::addColumn<QVariantList>("to");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QVariantList>("filterValues");
        QTest::addColumn<QString>("where");

        const QVariantList none;
        QTest::newRow("one document") << QVariantList{QStringLiteral("B")} << QVariantList{QStringLiteral("B")}
                                      << QString() << none << QStringLiteral("WHERE I_DOC = 'B'");
        QTest::newRow("document and status")
            << QVariantList{QStringLiteral("B"), 2} << QVariantList{QStringLiteral("B"), 2} << QString() << none
            << QStringLiteral("WHERE I_DOC = 'B' AND I_STATUS = 2");
        QTest::newRow("between documents")
            << QVariantList{QStringLiteral("A"), 2} << QVariantList{QStringLiteral("B"), 2} << QString() << none
            << QStringLiteral("WHERE (I_DOC = 'A' AND I_STATUS >= 2) OR (I_DOC = 'B' AND (I_STATUS <= 2 OR I_STATUS IS NULL))");
        QTest::newRow("null document") << QVariantList{QVariant()} << QVariantList{QVariant()} << QString() << none
                                       << QStringLiteral("WHERE I_DOC IS NULL");
        QTest::newRow("up to a null status")
            << QVariantList{QStringLiteral("A")} << QVariantList{QStringLiteral("B"), QVariant()} << QString() << none
            << QStringLiteral("WHERE I_DOC = 'A' OR (I_DOC = 'B' AND I_STATUS IS NULL)");
        QTest::newRow("filter") << none << none << QStringLiteral("I_STATUS = ?") << QVariantList{1}
                                << QStringLiteral("WHERE I_STATUS = 1");
        QTest::newRow("range and filter")
            << QVariantList{QStringLiteral("A")} << QVariantList{QStringLiteral("C")} << QStringLiteral("I_STATUS <> ?")
            << QVariantList{2} << QStringLiteral("WHERE I_DOC >= 'A' AND I_STATUS <> 2");
    }

    void rangesAndFilters()
    {
        QFETCH(QVariantList, from);
        QFETCH(QVariantList, to);
        QFETCH(QString, filter);
        QFETCH(QVariantList, filterValues);
        QFETCH(QString, where);
        Fixture f;
        if (!from.isEmpty() || !to.isEmpty())
            f.table.setRange(from, to);
        if (!filter.isEmpty())
            f.table.setFilter(filter, filterValues);
        const QList<qint64> expected = f.expectedOrder(where);
        QCOMPARE(f.walkForward(), expected);
        QCOMPARE(f.walkBackward(), expected);
        QCOMPARE(f.table.recordCount(), expected.size());
    }

    void findsByKeyPrefix()
    {
        Fixture f;
        QVERIFY(f.table.findKey({QStringLiteral("B"), 2}));
        QCOMPARE(f.table.rowId(), 1);
        QVERIFY(f.table.next());
        QCOMPARE(f.table.rowId(), 6);
        QVERIFY(f.table.findKey({QStringLiteral("A")}));
        QCOMPARE(f.table.integer(QStringLiteral("I_STATUS")), 1);
        // Not found: the cursor stays where it was.
        QVERIFY(!f.table.findKey({QStringLiteral("A"), 9}));
        QCOMPARE(f.table.rowId(), 5);
        QVERIFY(f.table.lastStatus());
    }

    void insertsEditsAndDeletes()
    {
        Fixture f;
        f.table.insert();
        QVERIFY(f.table.setValue(QStringLiteral("I_DOC"), QStringLiteral("Z")));
        QVERIFY(!f.table.setValue(QStringLiteral("NO_EXISTE"), 1));
        QVERIFY(f.table.post());
        QCOMPARE(f.table.integer(QStringLiteral("I_ID")), 9); // filled by the engine
        QCOMPARE(f.table.rowId(), 9);
        QCOMPARE(f.table.text(QStringLiteral("I_DOC")), QStringLiteral("Z"));

        QVERIFY(!f.table.setValue(QStringLiteral("I_STATUS"), 4)); // not in edit
        QVERIFY(f.table.findKey({QStringLiteral("C")}));
        QVERIFY(f.table.edit());
        QVERIFY(f.table.setValue(QStringLiteral("I_STATUS"), 7));
        f.table.cancel();
        QCOMPARE(f.table.integer(QStringLiteral("I_STATUS")), 1);
        QVERIFY(f.table.edit());
        QVERIFY(f.table.setValue(QStringLiteral("I_STATUS"), 7));
        QVERIFY(f.table.post());
        QVERIFY(f.table.findKey({QStringLiteral("C"), 7}));

        // Deleting moves to the row that followed, or back when it was the last.
        QVERIFY(f.table.remove());
        QCOMPARE(f.table.text(QStringLiteral("I_DOC")), QStringLiteral("Z"));
        QVERIFY(f.table.remove());
        QCOMPARE(f.table.text(QStringLiteral("I_DOC")), QStringLiteral("B"));
        QVERIFY(f.table.eof());
        QCOMPARE(f.table.recordCount(), kRows.size() - 1);
    }

    void typedValuesRoundTrip()
    {
        Fixture f;
        const Money amount = Money::fromRaw(-123456789012345);
        const QDate day(2026, 12, 11);
        const QDateTime moment(day, QTime(14, 5, 9));
        const QByteArray image = QByteArray("\x00\x01\xff", 3) + QByteArray(1677, '\x7f');
        f.table.insert();
        QVERIFY(f.table.setValue(QStringLiteral("I_MONTO"), QVariant::fromValue(amount)));
        QVERIFY(f.table.setValue(QStringLiteral("I_HOST"), true));
        QVERIFY(f.table.setValue(QStringLiteral("I_FECHA"), day));
        QVERIFY(f.table.setValue(QStringLiteral("I_HORA"), moment));
        QVERIFY(f.table.setValue(QStringLiteral("I_IMAGEN"), image));
        QVERIFY(f.table.post());
        QCOMPARE(f.table.money(QStringLiteral("I_MONTO")), amount);
        QCOMPARE(f.table.value(QStringLiteral("I_MONTO")).value<Money>(), amount);
        QVERIFY(f.table.boolean(QStringLiteral("I_HOST")));
        QCOMPARE(f.table.date(QStringLiteral("I_FECHA")), day);
        QCOMPARE(f.table.dateTime(QStringLiteral("I_HORA")), moment);
        QCOMPARE(f.table.blob(QStringLiteral("I_IMAGEN")), image);

        // Stored forms: raw ten-thousandths, 0/1, ISO text.
        Query q(*f.db);
        QVERIFY(q.run(QStringLiteral("SELECT I_MONTO, I_HOST, I_FECHA, I_HORA FROM Items WHERE I_ID = :id"),
                      {{QStringLiteral("id"), f.table.rowId()}}));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toLongLong(), amount.raw());
        QCOMPARE(q.value(1).toInt(), 1);
        QCOMPARE(q.value(2).toString(), QStringLiteral("2026-12-11"));
        QCOMPARE(q.value(3).toString(), QStringLiteral("2026-12-11 14:05:09"));

        // Empty values read as zero, false, null.
        QVERIFY(f.table.first());
        QCOMPARE(f.table.money(QStringLiteral("I_MONTO")), Money());
        QVERIFY(!f.table.boolean(QStringLiteral("I_HOST")));
        QVERIFY(f.table.date(QStringLiteral("I_FECHA")).isNull());
        QVERIFY(!f.table.value(QStringLiteral("I_FECHA")).isValid());
    }

    void aMissingTableDoesNotOpen()
    {
        Fixture f;
        Table missing(QStringLiteral("NoEsta"));
        missing.setDatabase(f.db);
        QVERIFY(!missing.exists());
        QVERIFY(!missing.open());
        QVERIFY(!missing.isActive());
        QVERIFY(!missing.first());
    }
};

QTEST_GUILESS_MAIN(TableTest)
#include "tst_table.moc"
