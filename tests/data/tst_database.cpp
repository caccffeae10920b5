// Connections, transactions over two directories, savepoints, bound values.
#include "data/Database.h"
#include "data/Query.h"
#include "data/Schema.h"
#include "data/Table.h"
#include "support/TestWorkspace.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QtTest>

using namespace k9;

namespace {

TableDef notes()
{
    return {QStringLiteral("Notas"),
            {{QStringLiteral("N_CODIGO"), FieldType::AutoInc},
             {QStringLiteral("N_TEXTO"), FieldType::String, 200},
             {QStringLiteral("N_MONTO"), FieldType::Money}},
            {},
            {}};
}

TableDef clients()
{
    return {QStringLiteral("Clientes"),
            {{QStringLiteral("C_CODIGO"), FieldType::String, 20, true},
             {QStringLiteral("C_NOMBRE"), FieldType::String, 60}},
            {QStringLiteral("C_CODIGO")},
            {}};
}

qint64 countRows(Database &db, const QString &table)
{
    Query q(db);
    if (!q.run(QStringLiteral("SELECT count(*) AS n FROM ") + quoteIdentifier(table)) || !q.next())
        return -1;
    return q.integer(QStringLiteral("n"));
}

} // namespace

class DatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void openingNeverCreatesAMissingDatabase()
    {
        test::ScratchDir scratch;
        const QString dir = scratch.dir(QStringLiteral("vacio"));
        Status status = Status::ok();
        QVERIFY(!Database::open(dir, Database::OpenMode::Existing, &status));
        QVERIFY(!status.isOk());
        QVERIFY(!Database::shared(dir));
        QVERIFY(!QFileInfo::exists(Database::fileIn(dir)));
    }

    void doubleQuotedStringsFailLoudly()
    {
        test::ScratchDir scratch;
        auto db = scratch.database();
        QVERIFY(createTable(*db, clients()));
        // A double-quoted "literal" is an identifier: an unknown column, not a string.
        QVERIFY(!db->exec(QStringLiteral("SELECT * FROM Clientes WHERE C_CODIGO = \"X\"")));
    }

    void valuesWithQuotesAndKeywordsRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("quotes") << QStringLiteral("O'Brien \"el\" ''");
        QTest::newRow("statement") << QStringLiteral("x'); DROP TABLE Clientes; --");
        QTest::newRow("keywords") << QStringLiteral("SELECT * FROM Clientes WHERE 1=1 OR");
        QTest::newRow("wildcards") << QStringLiteral("100% _a_ \\ ñÑáé");
    }

    void valuesWithQuotesAndKeywordsRoundTrip()
    {
        QFETCH(QString, value);
        test::ScratchDir scratch;
        auto db = scratch.database();
        QVERIFY(createTable(*db, clients()));
        Table t(QStringLiteral("Clientes"));
        t.setDatabase(db);
        QVERIFY(t.open());
        t.insert();
        QVERIFY(t.setValue(QStringLiteral("C_CODIGO"), value));
        QVERIFY(t.setValue(QStringLiteral("C_NOMBRE"), value));
        QVERIFY(t.post());

        QVERIFY(t.findKey({value}));
        QCOMPARE(t.text(QStringLiteral("C_NOMBRE")), value);
        Query q(*db);
        QVERIFY(q.run(QStringLiteral("SELECT C_NOMBRE FROM Clientes WHERE C_CODIGO = :c"), {{QStringLiteral("c"), value}}));
        QVERIFY(q.next());
        QCOMPARE(q.text(QStringLiteral("C_NOMBRE")), value);
        QCOMPARE(db->tables(), QStringList{QStringLiteral("Clientes")});
    }

    void transactionOverBothDirectories()
    {
        test::ScratchDir scratch;
        const QString data = scratch.dir(QStringLiteral("Data"));
        const QString rma = scratch.dir(QStringLiteral("Data/RMA"));
        QVERIFY(createTable(*scratch.database(QStringLiteral("Data")), clients()));
        QVERIFY(createTable(*scratch.database(QStringLiteral("Data/RMA")), notes()));

        auto db = Database::open(rma, Database::OpenMode::Existing);
        QVERIFY(db);
        QVERIFY(db->attach(data, QStringLiteral("datos")));
        QCOMPARE(db->schemaOf(QStringLiteral("Clientes")), QStringLiteral("datos"));

        auto write = [&](const QString &code) {
            return db->exec(QStringLiteral("INSERT INTO Notas (N_TEXTO, N_MONTO) VALUES (?, ?)"),
                            {code, QVariant::fromValue(Money::fromRaw(12345))})
                   && db->exec(QStringLiteral("INSERT INTO Clientes (C_CODIGO, C_NOMBRE) VALUES (?, ?)"),
                               {code, code});
        };
        {
            Transaction tx(*db);
            QVERIFY(tx.beginStatus());
            QVERIFY(write(QStringLiteral("A")));
            QVERIFY(db->inTransaction());
            // A duplicate key is fatal: the whole save is rolled back.
            QVERIFY(!db->exec(QStringLiteral("INSERT INTO Clientes (C_CODIGO) VALUES (?)"), {QStringLiteral("A")}));
            QVERIFY(tx.rollback());
        }
        QCOMPARE(countRows(*db, QStringLiteral("Notas")), 0);
        QCOMPARE(countRows(*db, QStringLiteral("Clientes")), 0);
        {
            Transaction tx(*db);
            QVERIFY(write(QStringLiteral("B")));
            // destroyed without commit: rolled back
        }
        QCOMPARE(countRows(*db, QStringLiteral("Notas")), 0);
        {
            Transaction tx(*db);
            QVERIFY(write(QStringLiteral("C")));
            QVERIFY(tx.commit());
        }
        // Both files hold the committed rows, seen from fresh connections.
        QCOMPARE(countRows(*Database::open(rma, Database::OpenMode::Existing), QStringLiteral("Notas")), 1);
        QCOMPARE(countRows(*Database::open(data, Database::OpenMode::Existing), QStringLiteral("Clientes")), 1);
    }

    void savepointUndoesOnlyItsOwnPart()
    {
        test::ScratchDir scratch;
        auto db = scratch.database();
        QVERIFY(createTable(*db, clients()));
        QVERIFY(createTable(*db, notes()));
        Transaction tx(*db);
        QVERIFY(db->exec(QStringLiteral("INSERT INTO Clientes (C_CODIGO) VALUES ('1')")));
        {
            Savepoint cash(*db, QStringLiteral("caja"));
            QVERIFY(cash.beginStatus());
            QVERIFY(db->exec(QStringLiteral("INSERT INTO Notas (N_TEXTO) VALUES ('movimiento')")));
            QVERIFY(cash.rollback());
        }
        {
            Savepoint kept(*db, QStringLiteral("resto"));
            QVERIFY(db->exec(QStringLiteral("INSERT INTO Clientes (C_CODIGO) VALUES ('2')")));
            QVERIFY(kept.release());
        }
        QVERIFY(tx.commit());
        QCOMPARE(countRows(*db, QStringLiteral("Clientes")), 2);
        QCOMPARE(countRows(*db, QStringLiteral("Notas")), 0);
        QVERIFY(!Savepoint(*db, QStringLiteral("x; DROP TABLE Notas")).beginStatus());
    }

    void aHeldWriteLockMakesTheOtherWaitThenFail()
    {
        test::ScratchDir scratch;
        auto first = scratch.database();
        QVERIFY(createTable(*first, notes()));
        auto second = Database::open(scratch.path(), Database::OpenMode::Existing);
        Transaction holder(*first);
        QVERIFY(holder.beginStatus());
        QElapsedTimer timer;
        timer.start();
        Transaction waiter(*second);
        QVERIFY(!waiter.beginStatus());
        QVERIFY(timer.elapsed() >= Database::kBusyTimeoutMs - 100);
        QVERIFY(holder.commit());
        Transaction later(*second);
        QVERIFY(later.beginStatus());
    }

    void columnsAreAddedAndDropped()
    {
        test::ScratchDir scratch;
        auto db = scratch.database();
        QVERIFY(createTable(*db, notes()));
        QVERIFY(db->exec(QStringLiteral("INSERT INTO Notas (N_TEXTO) VALUES ('viejo')")));
        QVERIFY(addColumn(*db, QStringLiteral("Notas"), {QStringLiteral("RMD_ZCAMPO1"), FieldType::Money, 0, true}));
        QVERIFY(addColumn(*db, QStringLiteral("Notas"), {QStringLiteral("RMD_ZCAMPO2"), FieldType::Date}));
        Table t(QStringLiteral("Notas"));
        t.setDatabase(db);
        QVERIFY(t.open());
        QCOMPARE(t.fieldType(QStringLiteral("RMD_ZCAMPO1")), FieldType::Money);
        QCOMPARE(t.fieldType(QStringLiteral("RMD_ZCAMPO2")), FieldType::Date);
        QVERIFY(t.isNull(QStringLiteral("RMD_ZCAMPO1")));
        t.close();
        QVERIFY(dropColumn(*db, QStringLiteral("Notas"), QStringLiteral("RMD_ZCAMPO1")));
        QVERIFY(!dropColumn(*db, QStringLiteral("Notas"), QStringLiteral("N_TEXTO; --")));
        QVERIFY(t.open());
        QVERIFY(!t.hasField(QStringLiteral("RMD_ZCAMPO1")));
        QCOMPARE(t.text(QStringLiteral("N_TEXTO")), QStringLiteral("viejo"));
    }
};

QTEST_GUILESS_MAIN(DatabaseTest)
#include "tst_database.moc"
