// Keyset paging of the lookup browser: every way of reading a page gives the rows the index
// order gives, with duplicate keys, NULLs and a case-insensitive index, inside the scopes.
#include "data/Query.h"
#include "data/Schema.h"
#include "queries/PageReader.h"
#include "support/TestWorkspace.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace k9;

namespace {

const TableDef kItems{QStringLiteral("Items"),
                      {{QStringLiteral("CODE"), FieldType::String, 10},
                       {QStringLiteral("NAME"), FieldType::String, 20},
                       {QStringLiteral("NUM"), FieldType::Integer},
                       {QStringLiteral("PHOTO"), FieldType::Blob}},
                      {QStringLiteral("CODE")},
                      {{QStringLiteral("ITEMS_NAME"), {QStringLiteral("NAME")}},
                       {QStringLiteral("ITEMS_NUMNAME"), {QStringLiteral("NUM"), QStringLiteral("NAME")}}}};

QList<qint64> ids(const QList<RawRow> &rows)
{
    QList<qint64> out;
    for (const RawRow &r : rows)
        out << r.rowid;
    return out;
}

} // namespace

class PageReaderTest : public QObject
{
    Q_OBJECT

private:
    test::ScratchDir m_scratch;
    std::shared_ptr<Database> m_db;

    // The row ids in the order the reader must give them.
    QList<qint64> reference(const QString &where, const QVariantList &values, const QString &order)
    {
        QSqlQuery q(m_db->handle());
        q.prepare(QStringLiteral("SELECT rowid FROM Items") + (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where)
                  + QStringLiteral(" ORDER BY ") + order);
        for (const QVariant &v : values)
            q.addBindValue(v);
        if (!q.exec())
            qFatal("%s", qPrintable(q.lastError().text()));
        QList<qint64> out;
        while (q.next())
            out << q.value(0).toLongLong();
        return out;
    }

private slots:
    void initTestCase()
    {
        m_db = m_scratch.database();
        QVERIFY(createTable(*m_db, kItems));
        QVERIFY(m_db->exec(QStringLiteral("CREATE INDEX ITEMS_NOCASE ON Items (NAME COLLATE NOCASE)")));
        const QStringList names{QStringLiteral("ana"), QStringLiteral("Ana"), QStringLiteral("BETO"), QString(),
                                QStringLiteral("beto"), QStringLiteral("Carla"), QStringLiteral("ana")};
        for (int i = 0; i < 47; ++i) {
            const QString name = names[(i * 5) % names.size()];
            QVERIFY(insertRow(*m_db, QStringLiteral("Items"),
                              {{QStringLiteral("CODE"), QStringLiteral("C%1").arg(i * 7 % 47, 3, 10, QChar(u'0'))},
                               {QStringLiteral("NAME"), name.isNull() ? QVariant() : QVariant(name)},
                               {QStringLiteral("NUM"), i % 4 == 0 ? QVariant() : QVariant(i % 3)},
                               {QStringLiteral("PHOTO"), QByteArray(1000, 'x')}}));
        }
    }

    void readsFollowTheIndexOrder_data()
    {
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QVariantList>("filterValues");
        QTest::addColumn<QStringList>("range"); // from, to

        const QString nocase = QStringLiteral("NAME COLLATE NOCASE, rowid");
        const QVariantList none;
        QTest::newRow("primary") << QString() << QStringLiteral("CODE, rowid") << QString() << none << QStringList();
        QTest::newRow("one field with duplicates and NULL")
            << QStringLiteral("ITEMS_NAME") << QStringLiteral("NAME, rowid") << QString() << none << QStringList();
        QTest::newRow("two fields with NULL") << QStringLiteral("ITEMS_NUMNAME") << QStringLiteral("NUM, NAME, rowid")
                                              << QString() << none << QStringList();
        QTest::newRow("case-insensitive index") << QStringLiteral("ITEMS_NOCASE") << nocase << QString() << none
                                                << QStringList();
        QTest::newRow("caller filter") << QStringLiteral("ITEMS_NUMNAME") << QStringLiteral("NUM, NAME, rowid")
                                       << QStringLiteral("\"NUM\" <> ?") << QVariantList{1} << QStringList();
        QTest::newRow("range on a case-insensitive index")
            << QStringLiteral("ITEMS_NOCASE") << nocase << QString() << none
            << QStringList{QStringLiteral("B"), QStringLiteral("C")};
        // Most of the table: counted as the table less the rows outside (NULLs among them).
        QTest::newRow("range over most of a table with NULLs")
            << QStringLiteral("ITEMS_NOCASE") << nocase << QString() << none
            << QStringList{QStringLiteral("A"), QStringLiteral("ZZ")};
    }

    void readsFollowTheIndexOrder()
    {
        QFETCH(QString, index);
        QFETCH(QString, order);
        QFETCH(QString, filter);
        QFETCH(QVariantList, filterValues);
        QFETCH(QStringList, range);

        PageReader reader;
        QVERIFY(reader.bind(m_db, QStringLiteral("Items")));
        QVERIFY(reader.setIndex(index));
        reader.setCallerFilter({filter, filterValues});
        QString where = filter;
        if (!range.isEmpty()) {
            reader.setRange(range[0], range[1]);
            where = QStringLiteral("NAME COLLATE NOCASE >= '%1' AND NAME COLLATE NOCASE <= '%2'").arg(range[0], range[1]);
        }
        const QList<qint64> ref = reference(where, filterValues, order);
        QVERIFY(ref.size() > 5);
        QCOMPARE(reader.count(), ref.size());

        QCOMPARE(ids(reader.first(4)), ref.mid(0, 4));
        QCOMPARE(ids(reader.last(4)), ref.mid(ref.size() - 4));
        // From every row, the rows after it and before it.
        const QList<RawRow> all = reader.first(static_cast<int>(ref.size()));
        QCOMPARE(ids(all), ref);
        for (qsizetype i = 0; i < all.size(); ++i) {
            QCOMPARE(ids(reader.after(all[i], 3)), ref.mid(i + 1, 3));
            const qsizetype from = qMax<qsizetype>(0, i - 3);
            QCOMPARE(ids(reader.before(all[i], 3)), ref.mid(from, i - from));
        }
        // Jumps, from the start and (past the middle) from the end.
        for (qint64 p : {qint64(1), qint64(ref.size() / 2 + 1), qint64(ref.size() - 2)})
            QCOMPARE(ids(reader.at(p, 3)), ref.mid(p, 3));
        // Blobs are never read.
        QVERIFY(!all.first().values.at(reader.fieldIndex(QStringLiteral("PHOTO"))).isValid()
                || all.first().values.at(reader.fieldIndex(QStringLiteral("PHOTO"))).isNull());
    }

    void aRowSetIsReadByPosition()
    {
        PageReader reader;
        QVERIFY(reader.bind(m_db, QStringLiteral("Items")));
        const QList<qint64> chosen{9, 3, 30, 1, 22};
        reader.setRowSet(chosen);
        QCOMPARE(reader.count(), 5);
        QCOMPARE(ids(reader.first(2)), chosen.mid(0, 2));
        QCOMPARE(ids(reader.at(2, 2)), chosen.mid(2, 2));
        QCOMPARE(ids(reader.last(2)), chosen.mid(3));
        const QList<RawRow> rows = reader.first(5);
        QCOMPARE(ids(reader.after(rows[1], 10)), chosen.mid(2));
        QCOMPARE(ids(reader.before(rows[3], 2)), chosen.mid(1, 2));
        reader.clearRowSet();
        QCOMPARE(reader.count(), 47);
    }

    void indexesAreListedPrimaryFirst()
    {
        PageReader reader;
        QVERIFY(reader.bind(m_db, QStringLiteral("Items")));
        QStringList names;
        for (const IndexInfo &i : reader.indexes())
            names << i.name;
        QCOMPARE(names, (QStringList{QString(), QStringLiteral("ITEMS_NAME"), QStringLiteral("ITEMS_NUMNAME"),
                                     QStringLiteral("ITEMS_NOCASE")}));
        QCOMPARE(reader.indexes().first().fields, QStringList{QStringLiteral("CODE")});
        QCOMPARE(reader.indexes().last().collations, QStringList{QStringLiteral("NOCASE")});
        QVERIFY(!reader.setIndex(QStringLiteral("NO_SUCH_INDEX")));
        QVERIFY(!reader.bind(m_db, QStringLiteral("Items; DROP TABLE Items")));
    }
};

QTEST_GUILESS_MAIN(PageReaderTest)
#include "tst_pagereader.moc"
