// The table catalogue: every table created from it, checked through SQLite itself; the
// names the rest of the program relies on; creation all or nothing; finding by name.
#include "data/Catalog.h"
#include "data/Database.h"
#include "data/Table.h"
#include "support/TestWorkspace.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QtTest>

#include <map>

using namespace k9;

namespace {

// Each list in the directory a workspace keeps it in.
struct Placed
{
    QString dir;
    QList<TableDef> defs;
};

QList<Placed> workspaceLayout()
{
    return {
        {QStringLiteral("Empre001/Data/RMA"), moduleTables()},
        {QStringLiteral("Empre001/Data"), hostDataTables() + QList<TableDef>{pettyCashTable(1), pettyCashTable(12)}},
        {QString(), companyTables()},
        {QStringLiteral("Empre001/Historia/PERIODO_1"), historyTables()},
    };
}

// The type the program reads back: an AutoInc key is read as an integer.
FieldType readBack(FieldType type)
{
    return type == FieldType::AutoInc ? FieldType::Integer : type;
}

const FieldDef *autoIncField(const TableDef &def)
{
    for (const FieldDef &f : def.fields)
        if (f.type == FieldType::AutoInc)
            return &f;
    return nullptr;
}

QStringList fieldNames(const TableDef &def)
{
    QStringList out;
    for (const FieldDef &f : def.fields)
        out << f.name;
    return out;
}

QSqlQuery pragma(Database &db, const QString &what, const QString &name)
{
    QSqlQuery q(db.handle());
    if (!q.exec(QStringLiteral("PRAGMA ") + what + u'(' + quoteIdentifier(name) + u')'))
        qFatal("PRAGMA %s failed", qPrintable(what));
    return q;
}

QStringList indexColumns(Database &db, const QString &index)
{
    QSqlQuery q = pragma(db, QStringLiteral("index_info"), index);
    QStringList out;
    while (q.next())
        out << q.value(2).toString();
    return out;
}

Status insertReception(Database &db, const QString &code, int status)
{
    return db.exec(QStringLiteral("INSERT INTO k9Recepcion (RMA_CODIGO, RMA_STATUSDOC) VALUES (?, ?)"), {code, status});
}

} // namespace

class CatalogTest : public QObject
{
    Q_OBJECT

    test::ScratchDir m_scratch;
    std::map<QString, std::shared_ptr<Database>> m_dbs; // by directory
    QMap<QString, QString> m_dirOf;                       // table -> directory
    QMap<QString, TableDef> m_defs;                       // table -> definition

    Database &dbOf(const QString &table) { return *m_dbs.at(m_dirOf.value(table)); }

    void addTableRows(bool onlyWithAutoInc = false)
    {
        QTest::addColumn<QString>("table");
        for (const TableDef &def : std::as_const(m_defs))
            if (!onlyWithAutoInc || autoIncField(def))
                QTest::newRow(qPrintable(def.name)) << def.name;
    }

private slots:
    void initTestCase()
    {
        for (const Placed &place : workspaceLayout()) {
            auto db = m_scratch.database(place.dir);
            const Status s = createTables(*db, place.defs);
            QVERIFY2(s.isOk(), qPrintable(s.message()));
            for (const TableDef &def : place.defs) {
                QVERIFY2(!m_defs.contains(def.name), qPrintable(def.name + QStringLiteral(" defined twice")));
                m_defs.insert(def.name, def);
                m_dirOf.insert(def.name, place.dir);
            }
            m_dbs[place.dir] = db;
        }
    }

    // Fields in order with the types the program reads back, the keys and NOT NULLs.
    void tableMatchesDefinition_data() { addTableRows(); }
    void tableMatchesDefinition()
    {
        QFETCH(QString, table);
        const TableDef &def = m_defs[table];
        Database &db = dbOf(table);

        Table t(table);
        t.setDatabase(m_dbs.at(m_dirOf.value(table)));
        const Status opened = t.open();
        QVERIFY2(opened.isOk(), qPrintable(opened.message()));
        QCOMPARE(t.fieldNames(), fieldNames(def));
        for (const FieldDef &f : def.fields)
            QVERIFY2(t.fieldType(f.name) == readBack(f.type), qPrintable(f.name));

        QStringList expectedKey = def.primaryKey;
        if (const FieldDef *autoInc = autoIncField(def))
            expectedKey = {autoInc->name};
        QMap<int, QString> key;
        QSqlQuery info = pragma(db, QStringLiteral("table_info"), table);
        while (info.next()) {
            const QString name = info.value(1).toString();
            if (const int order = info.value(5).toInt(); order > 0)
                key.insert(order, name);
            const FieldDef *f = def.field(name);
            QVERIFY2(f && info.value(3).toBool() == f->required,
                     qPrintable(QStringLiteral("NOT NULL of ") + name));
        }
        QCOMPARE(key.values(), expectedKey);
    }

    // Every named index exists with its fields in order, and no other was made.
    void indexesMatchDefinition_data() { addTableRows(); }
    void indexesMatchDefinition()
    {
        QFETCH(QString, table);
        const TableDef &def = m_defs[table];
        Database &db = dbOf(table);

        QMap<QString, bool> created; // name -> unique
        QSqlQuery list = pragma(db, QStringLiteral("index_list"), table);
        while (list.next())
            if (list.value(3).toString() == u"c")
                created.insert(list.value(1).toString(), list.value(2).toBool());
        QStringList expectedNames;
        for (const IndexDef &index : def.indexes)
            expectedNames << index.name;
        QStringList createdNames = created.keys();
        createdNames.sort();
        expectedNames.sort();
        QCOMPARE(createdNames, expectedNames);
        for (const IndexDef &index : def.indexes) {
            QCOMPARE(indexColumns(db, index.name), index.fields);
            QCOMPARE(created.value(index.name), index.unique);
        }
    }

    // Names and types the rest of the program relies on, copied from the field tables of the
    // module and host layouts (a spot check, not a second catalogue). `width` is the least
    // string width the values need; 0 for other types.
    void requiredFields_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("width");
        const auto row = [](const char *table, const QString &field, FieldType type, int width = 0) {
            QTest::addRow("%s.%s", table, qPrintable(field))
                << QString::fromLatin1(table) << field << int(type) << width;
        };
        using T = FieldType;
        row("k9Recepcion", QStringLiteral("RMA_CODIGO"), T::String, 9); // "PENDIENTE"
        row("k9Recepcion", QStringLiteral("RMA_FORMAPAGO"), T::Blob);
        row("k9Recepcion", QStringLiteral("RMA_LOG"), T::Memo);
        row("k9Recepcion", QStringLiteral("RMA_MONTOTOTALREV"), T::Money);
        row("k9Recepcion", QStringLiteral("RMA_FECHADEENTREGA"), T::DateTime);
        row("k9DetalleRecepcion", QStringLiteral("RMD_CODIGORMA"), T::String, 9);
        row("k9DetalleRecepcion", QStringLiteral("RMD_FROMK9"), T::Boolean);
        row("k9DetalleRecepcion", QStringLiteral("RMD_SERIAL"), T::String, 30);
        row("k9DetalleRecepcion", QStringLiteral("RMD_COMPONENTES"), T::Blob);
        row("k9DetalleRecepcion", QStringLiteral("RMD_DETALLE2"), T::Memo);
        row("k9RMAConfig", QStringLiteral("FC_PORCENTPAGO"), T::Money);
        row("k9RMAConfig", QStringLiteral("FC_CODECAJACHICA"), T::Integer);
        row("k9RMAConfig", QStringLiteral("FC_CAMPOCONFISICA"), T::Boolean);
        row("k9RMAConfig", QStringLiteral("FC_MTOREVISION"), T::Money);
        row("k9DetalleRecepcionConfig", QStringLiteral("FS_LOOKUPFILTER"), T::String);
        row("k9RMAInventario", QStringLiteral("FIR_CODIGO"), T::String, 8);
        row("k9RMAOperaciones", QStringLiteral("FRI_DOCUMENTO"), T::String, 8);
        row("k9RMAOperaciones", QStringLiteral("FRI_CONTACTO"), T::Blob);
        row("k9RMAOperaciones", QStringLiteral("FRI_PRESERV"), T::Integer);
        row("k9DetalleOperaciones", QStringLiteral("FDI_MTOMANO_OBRA"), T::Money);
        row("k9DetalleOperaciones", QStringLiteral("FDI_DETALLESERVICIO"), T::Memo);
        row("k9RMADetalleTerceros", QStringLiteral("FTR_FECHAENTRE"), T::DateTime);
        row("k9RMATareas", QStringLiteral("FT_TAREA"), T::Memo);
        row("k9RMACitas", QStringLiteral("RMC_FROMK9"), T::Boolean);
        row("Sempresas", QStringLiteral("FE_DIRFORMATOS"), T::String);
        row("SSistema", QStringLiteral("MTO_IMPUESTO1"), T::Money);
        row("SMoneda", QStringLiteral("FM_FACTOR"), T::Money);
        row("SClientes", QStringLiteral("FC_TELEFONO"), T::String);
        row("SInventario", QStringLiteral("FI_EXISTDECIMAL"), T::Boolean);
        row("SCategoria", QStringLiteral("FD_MANEJOINVENTARIO"), T::Integer);
        row("SDepositos", QStringLiteral("FDP_CODIGO"), T::Integer);
        row("SInvDep", QStringLiteral("FT_EXISTENCIADETALLADA"), T::Money);
        row("Sinvlote", QStringLiteral("FL_PRECIOSINIMPUESTO"), T::Money);
        row("Sseriales", QStringLiteral("FS_OPERACIONAUTOINCREMENT"), T::Integer);
        row("SDetalleVenta", QStringLiteral("FDI_VENDEDORASIGNADO"), T::String);
        row("SDetalleVenta", QStringLiteral("FDI_DOCUMENTO"), T::String, 9);
        row("SDetalleVenta", QStringLiteral("FDI_FECHAOPERACION"), T::DateTime);
        row("HIST_SDetalleVenta", QStringLiteral("FDI_CANTIDAD"), T::Money);
        row("SOperacionInv", QStringLiteral("FTI_VUELTO"), T::Money);
        row("SOperacionInv", QStringLiteral("FTI_HORA"), T::Money);
        row("SOperacionInv", QStringLiteral("FTI_BASEIMPONIBLE"), T::Integer);
        row("SFixed", QStringLiteral("FX_COSTOS"), T::Blob);
        row("SCajaMaestro", QStringLiteral("FMC_CORRELATIVO"), T::Integer);
        row("SCajaMayor12", QStringLiteral("FC_FECHAOPERACION"), T::Money);
        row("SCajaMayor12", QStringLiteral("FC_DOCUMENTO"), T::String, 8);
        row("SInstitucion", QStringLiteral("FIF_TELEFONOSCONFORMACION"), T::String);
        row("Susuarios", QStringLiteral("FechaCreación"), T::Date);
        row("Susuarios", QStringLiteral("Status"), T::SmallInt);
        row("Susuarios", QStringLiteral("Horario"), T::String, 7 * 24);
        row("Susuarios", QStringLiteral("BoldEncabezados"), T::String, 10);
        row("Susuarios", QStringLiteral("FlagTransaccion"), T::Blob);
        row("Susuarios", QStringLiteral("LastUpdateFactor"), T::DateTime);
    }
    void requiredFields()
    {
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(int, type);
        QFETCH(int, width);
        QVERIFY2(m_dirOf.contains(table), "table not created");

        Table t(table);
        t.setDatabase(m_dbs.at(m_dirOf.value(table)));
        QVERIFY(t.open().isOk());
        QVERIFY(t.hasField(field));
        QCOMPARE(int(t.fieldType(field)), type);
        if (width > 0) {
            QSqlQuery info = pragma(dbOf(table), QStringLiteral("table_info"), table);
            QString declared;
            while (info.next())
                if (info.value(1).toString() == field)
                    declared = info.value(2).toString();
            static const QRegularExpression varchar(QStringLiteral("^VARCHAR\\((\\d+)\\)$"));
            const QRegularExpressionMatch m = varchar.match(declared);
            QVERIFY2(m.hasMatch(), qPrintable(declared));
            QVERIFY2(m.captured(1).toInt() >= width, qPrintable(declared));
        }
    }

    // The engine numbers the rows itself, upwards, with nothing but the required fields given.
    void autoIncKeysFillThemselves_data() { addTableRows(true); }
    void autoIncKeysFillThemselves()
    {
        QFETCH(QString, table);
        const TableDef &def = m_defs[table];
        const FieldDef *autoInc = autoIncField(def);
        QVERIFY(autoInc);
        const QString keyField = autoInc->name;

        Table t(table);
        t.setDatabase(m_dbs.at(m_dirOf.value(table)));
        QVERIFY(t.open().isOk());
        QList<qint64> keys;
        for (int i = 0; i < 2; ++i) {
            t.insert();
            for (const FieldDef &f : def.fields)
                if (f.required)
                    QVERIFY(t.setValue(f.name, QStringLiteral("x%1").arg(i)).isOk());
            const Status posted = t.post();
            QVERIFY2(posted.isOk(), qPrintable(posted.message()));
            QVERIFY(!t.isNull(keyField));
            keys << t.integer(keyField);
        }
        QVERIFY(keys[0] > 0);
        QVERIFY(keys[1] > keys[0]);
    }

    void findTableDef_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *tag, const char *name, const char *expected) {
            QTest::newRow(tag) << QString::fromLatin1(name) << QString::fromLatin1(expected);
        };
        row("module", "k9Recepcion", "k9Recepcion");
        row("other case", "K9DETALLERECEPCION", "k9DetalleRecepcion");
        row("currencies as opened", "Smoneda", "SMoneda");
        row("users", "susuarios", "Susuarios");
        row("company", "Sempresas", "Sempresas");
        row("history", "hist_sdetalleventa", "HIST_SDetalleVenta");
        row("petty cash box", "SCajaMayor7", "SCajaMayor7");
        row("petty cash other case", "scajamayor12", "SCajaMayor12");
        row("petty cash without box", "SCajaMayor", "");
        row("petty cash box not a number", "SCajaMayorX", "");
        row("petty cash box with sign", "SCajaMayor+3", "");
        row("unknown", "k9Inexistente", "");
    }
    void findTableDef()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const TableDef *def = k9::findTableDef(name);
        if (expected.isEmpty()) {
            QVERIFY(!def);
            return;
        }
        QVERIFY(def);
        QCOMPARE(def->name, expected);
        QCOMPARE(k9::findTableDef(name), def); // the same definition every time
        if (expected.startsWith(kPettyCashPrefix))
            QCOMPARE(fieldNames(*def), fieldNames(pettyCashTable(expected.mid(kPettyCashPrefix.size()).toInt())));
    }

    void historyKeepsTheSalesLayout()
    {
        const TableDef &sales = m_defs[QStringLiteral("SDetalleVenta")];
        const TableDef &history = m_defs[QStringLiteral("HIST_SDetalleVenta")];
        QCOMPARE(fieldNames(history), fieldNames(sales));
        for (const FieldDef &f : sales.fields) {
            const FieldDef *h = history.field(f.name);
            QVERIFY2(h && h->type == f.type && h->size == f.size, qPrintable(f.name));
        }
    }

    // A list that fails half-way leaves nothing of itself and the existing tables untouched.
    void creatingAgainFailsAndKeepsTheFirst()
    {
        test::ScratchDir scratch;
        auto db = scratch.database(QStringLiteral("Data"));
        QVERIFY(createTables(*db, hostDataTables()).isOk());
        QVERIFY(db->exec(QStringLiteral("INSERT INTO SClientes (FC_CODIGO, FC_DESCRIPCION) VALUES (?, ?)"),
                         {QStringLiteral("C001"), QStringLiteral("Cliente")})
                    .isOk());

        const Status again = createTables(*db, companyTables() + hostDataTables());
        QVERIFY(!again.isOk());
        QVERIFY(!db->inTransaction());
        QVERIFY(!db->hasTable(QStringLiteral("Sempresas")));
        for (const TableDef &def : hostDataTables())
            QVERIFY2(db->hasTable(def.name), qPrintable(def.name));

        Table customers(QStringLiteral("SClientes"));
        customers.setDatabase(db);
        QVERIFY(customers.open().isOk());
        QVERIFY(customers.findKey({QStringLiteral("C001")}));
        QCOMPARE(customers.text(QStringLiteral("FC_DESCRIPCION")), QStringLiteral("Cliente"));
        QCOMPARE(customers.recordCount(), 1);
    }

    // RMA_KEYSTATUS finds a reception by number and status, or by number alone.
    void receptionStatusSearch_data()
    {
        QTest::addColumn<QVariantList>("key");
        QTest::addColumn<bool>("found");
        const QString received = QStringLiteral("00000001"); // status 2
        const QString budgeted = QStringLiteral("00000002"); // status 3
        QTest::newRow("received as received") << QVariantList{received, 2} << true;
        QTest::newRow("received as budgeted") << QVariantList{received, 3} << false;
        QTest::newRow("budgeted as budgeted") << QVariantList{budgeted, 3} << true;
        QTest::newRow("budgeted as received") << QVariantList{budgeted, 2} << false;
        QTest::newRow("number alone") << QVariantList{received} << true;
        QTest::newRow("unknown number") << QVariantList{QStringLiteral("00000003"), 2} << false;
    }
    void receptionStatusSearch()
    {
        QFETCH(QVariantList, key);
        QFETCH(bool, found);
        test::ScratchDir scratch;
        auto db = scratch.database(QStringLiteral("RMA"));
        QVERIFY(createTables(*db, moduleTables()).isOk());
        QVERIFY(insertReception(*db, QStringLiteral("00000002"), 3).isOk());
        QVERIFY(insertReception(*db, QStringLiteral("00000001"), 2).isOk());

        Table t(QStringLiteral("k9Recepcion"));
        t.setDatabase(db);
        QVERIFY(t.open().isOk());
        QVERIFY(t.setIndex(QStringLiteral("RMA_KEYSTATUS")).isOk());
        QCOMPARE(t.findKey(key), found);
        if (found) {
            QCOMPARE(t.text(QStringLiteral("RMA_CODIGO")), key[0].toString());
            if (key.size() > 1)
                QCOMPARE(t.integer(QStringLiteral("RMA_STATUSDOC")), key[1].toLongLong());
        }
    }
};

QTEST_GUILESS_MAIN(CatalogTest)
#include "tst_catalog.moc"
