// The demo company: what the windows will look for in it is there and hangs together
// (stock handlings and price data, sold serials of every period found as the serial search
// finds them, users, options, petty cash, counters), and the large volumes are made.
#include "core/BlobImages.h"
#include "core/Globals.h"
#include "data/Catalog.h"
#include "data/Query.h"
#include "support/TestWorkspace.h"
#include "workspace/DemoCompany.h"
#include "workspace/WorkspaceBuilder.h"

#include <QRegularExpression>
#include <QSet>
#include <QtEndian>
#include <QtTest>

using namespace k9;
using namespace k9::workspace;

namespace {

std::shared_ptr<Database> openDb(const QString &dir)
{
    auto db = Database::open(dir, Database::OpenMode::Existing);
    if (!db)
        qFatal("no database in %s", qPrintable(dir));
    return db;
}

qint64 scalar(Database &db, const QString &sql, const QVariantMap &values = {})
{
    Query q(db);
    if (!q.run(sql, values) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

QStringList column(Database &db, const QString &sql, const QVariantMap &values = {})
{
    QStringList out;
    Query q(db);
    if (!q.run(sql, values))
        return {QStringLiteral("<query failed>")};
    while (q.next())
        out << q.value(0).toString();
    return out;
}

Money moneyAt(const QByteArray &image, int offset)
{
    return Money::fromRaw(qFromLittleEndian<qint64>(image.constData() + offset));
}

// The sold serials of a period as the serial search finds them: serial rows of kind 9 and
// status 1 naming a document, each with its sales line (current period: by operation key
// and document; history: by operation key and product).
QString soldSerialsSql(int period)
{
    const QString select = QStringLiteral(
        "SELECT S.FS_SERIAL, S.FS_CODIGOP, D.FDI_CODIGO, D.FDI_CLIENTEPROVEEDOR, D.FDI_FECHAOPERACION, "
        "D.FDI_TIPOOPERACION, D.FDI_STATUS FROM Sseriales S JOIN ");
    const QString where = QStringLiteral(" WHERE S.FS_TIPO = 9 AND S.FS_STATUS = 1 AND S.FS_DOCUMENTO <> ''");
    if (period == 0)
        return select + QStringLiteral("SDetalleVenta D ON D.FDI_OPERACION_AUTOINCREMENT = S.FS_OPERACIONAUTOINCREMENT "
                                       "AND D.FDI_DOCUMENTO = S.FS_DOCUMENTO")
               + where;
    return select + QStringLiteral("h.HIST_SDetalleVenta D ON D.FDI_OPERACION_AUTOINCREMENT = S.FS_OPERACIONAUTOINCREMENT "
                                   "AND D.FDI_CODIGO = S.FS_CODIGOP")
           + where;
}

// Every serial of the period, after checking each row against the sales line it found.
QSet<QString> soldSerials(const Dirs &dirs, int period)
{
    auto db = openDb(dirs.data);
    if (period > 0 && !db->attach(dirs.period(period), QStringLiteral("h")))
        return {};
    QSet<QString> serials;
    Query q(*db);
    if (!q.run(soldSerialsSql(period)))
        return {};
    const int year = QDate::currentDate().year() - period;
    while (q.next()) {
        const QString serial = q.text(QStringLiteral("FS_SERIAL"));
        if (q.text(QStringLiteral("FDI_CODIGO")) != q.text(QStringLiteral("FS_CODIGOP"))
            || q.dateTime(QStringLiteral("FDI_FECHAOPERACION")).date().year() != year
            || q.integer(QStringLiteral("FDI_TIPOOPERACION")) != 11 || q.integer(QStringLiteral("FDI_STATUS")) != 1)
            continue; // a row the search would show wrongly: left out, so the checks below fail
        serials << serial;
    }
    return serials;
}

// The correlatives of the options against the largest numbers stored.
void verifyCounters(const Dirs &dirs)
{
    auto rma = openDb(dirs.rma);
    QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9RMAConfig")), 1);
    QCOMPARE(scalar(*rma, QStringLiteral("SELECT FC_RMA FROM k9RMAConfig")),
             scalar(*rma, QStringLiteral("SELECT MAX(CAST(RMA_CODIGO AS INTEGER)) FROM k9Recepcion "
                                         "WHERE RMA_CODIGO <> 'PENDIENTE'")));
    QCOMPARE(scalar(*rma, QStringLiteral("SELECT FC_RMAPRESUPUESTO FROM k9RMAConfig")),
             scalar(*rma, QStringLiteral("SELECT MAX(CAST(FRI_DOCUMENTO AS INTEGER)) FROM k9RMAOperaciones WHERE FRI_TIPO = 3")));
    QCOMPARE(scalar(*rma, QStringLiteral("SELECT FC_SERVICIO FROM k9RMAConfig")),
             scalar(*rma, QStringLiteral("SELECT MAX(CAST(FRI_DOCUMENTO AS INTEGER)) FROM k9RMAOperaciones WHERE FRI_TIPO = 1")));
    QCOMPARE(scalar(*rma, QStringLiteral("SELECT FC_TERCEROS FROM k9RMAConfig")),
             scalar(*rma, QStringLiteral("SELECT MAX(CAST(FTR_CODIGO AS INTEGER)) FROM k9RMADetalleTerceros")));
    // Numbers are never used twice.
    QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) - COUNT(DISTINCT RMA_CODIGO) FROM k9Recepcion "
                                         "WHERE RMA_CODIGO <> 'PENDIENTE'")),
             0);
    QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) - COUNT(DISTINCT FRI_DOCUMENTO || '/' || FRI_TIPO) "
                                         "FROM k9RMAOperaciones")),
             0);
}

} // namespace

class DemoCompanyTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::ScratchDir> m_scratch;
    std::unique_ptr<Dirs> m_dirs;

private slots:
    void initTestCase()
    {
        m_scratch = std::make_unique<test::ScratchDir>();
        QVERIFY(createWorkspace(m_scratch->path()));
        const Status s = fillDemoCompany(m_scratch->path());
        QVERIFY2(s, qPrintable(s.message()));
        m_dirs = std::make_unique<Dirs>(m_scratch->path());
    }

    void priceDataKeepsItsLayout()
    {
        PriceData data;
        data.cost = Money::fromRaw(720001);
        data.taxable = true;
        for (int k = 0; k < kPriceLevelCount; ++k) {
            data.prices[k] = Money::fromRaw(1000000 * (k + 1) + 1);
            data.detailPrices[k] = Money::fromRaw(1000000 * (k + 1) + 24);
        }
        const QByteArray image = encodePriceData(data);
        QCOMPARE(image.size(), 624);
        QCOMPARE(moneyAt(image, 72), data.cost);
        QCOMPARE(int(image[120]), 1);
        QCOMPARE(moneyAt(image, 144), data.prices[0]);
        QCOMPARE(moneyAt(image, 144 + 24), data.detailPrices[0]);
        QCOMPARE(moneyAt(image, 144 + 72 * 4), data.prices[4]);
        QCOMPARE(moneyAt(image, 144 + 72 * 4 + 24), data.detailPrices[4]);
        QCOMPARE(decodePriceData(image).prices, data.prices);
        QCOMPARE(decodePriceData(image).detailPrices, data.detailPrices);
        QVERIFY(!decodePriceData(QByteArray(10, '\0')).taxable);
    }

    void aSecondFillOrABadCallIsRefused()
    {
        auto data = openDb(m_dirs->data);
        auto rma = openDb(m_dirs->rma);
        const qint64 customers = scalar(*data, QStringLiteral("SELECT COUNT(*) FROM SClientes"));
        const qint64 receptions = scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9Recepcion"));
        QVERIFY(!fillDemoCompany(m_scratch->path()));
        QVERIFY(!fillDemoCompany(m_scratch->path(), -1));
        QCOMPARE(scalar(*data, QStringLiteral("SELECT COUNT(*) FROM SClientes")), customers);
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9Recepcion")), receptions);

        test::ScratchDir empty;
        QVERIFY(!fillDemoCompany(empty.path()));
    }

    void customersHaveTheirIdentity()
    {
        auto data = openDb(m_dirs->data);
        const QRegularExpression rif(QStringLiteral("^[JVG]-\\d{8}-\\d$"));
        const QRegularExpression phone(QStringLiteral("^0\\d{3}-\\d{7}$"));
        Query q(*data);
        QVERIFY(q.run(QStringLiteral("SELECT * FROM SClientes")));
        int rows = 0;
        while (q.next()) {
            ++rows;
            const QString code = q.text(QStringLiteral("FC_CODIGO"));
            QVERIFY2(rif.match(q.text(QStringLiteral("FC_RIF"))).hasMatch(), qPrintable(code));
            QVERIFY2(phone.match(q.text(QStringLiteral("FC_TELEFONO"))).hasMatch(), qPrintable(code));
            QVERIFY2(!q.text(QStringLiteral("FC_DESCRIPCION")).isEmpty(), qPrintable(code));
            QVERIFY2(!q.text(QStringLiteral("FC_DIRECCION1")).isEmpty(), qPrintable(code));
            QCOMPARE(q.integer(QStringLiteral("FC_STATUS")), DemoCodes::activeStatus);
        }
        QVERIFY(rows > 0);
        QVERIFY(scalar(*data, QStringLiteral("SELECT COUNT(*) FROM SClientes WHERE FC_NIT <> ''")) > 0);
    }

    void productsOfEveryStockHandling_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<bool>("stocked");
        QTest::addColumn<bool>("detailed");
        QTest::newRow("plain") << QStringLiteral("FD_MANEJOINVENTARIO = 0 AND FD_CLASIFICACION = 0") << true << false;
        QTest::newRow("lots") << QStringLiteral("FD_MANEJOINVENTARIO = 1 AND FD_CLASIFICACION = 0") << true << true;
        QTest::newRow("sizes and colours") << QStringLiteral("FD_MANEJOINVENTARIO = 2 AND FD_CLASIFICACION = 0")
                                           << true << true;
        QTest::newRow("service") << QStringLiteral("FD_CLASIFICACION <> 0") << false << false;
    }

    void productsOfEveryStockHandling()
    {
        QFETCH(QString, condition);
        QFETCH(bool, stocked);
        QFETCH(bool, detailed);
        auto data = openDb(m_dirs->data);
        const QStringList codes = column(*data, QStringLiteral("SELECT FI_CODIGO FROM SInventario JOIN SCategoria "
                                                               "ON FD_CODIGO = FI_CATEGORIA WHERE ")
                                                    + condition);
        QVERIFY(!codes.isEmpty());
        const bool sizes = condition.contains(u"= 2");
        for (const QString &code : codes) {
            Query price(*data);
            QVERIFY(price.run(QStringLiteral("SELECT FX_COSTOS FROM SFixed WHERE FX_TIPO = 'B' AND FX_CODIGO = :c"),
                              {{QStringLiteral("c"), code}}));
            QVERIFY2(price.next(), qPrintable(code));
            const QByteArray image = price.blob(QStringLiteral("FX_COSTOS"));
            QCOMPARE(image.size(), kPriceDataSize);
            const Money level1 = moneyAt(image, priceLevelOffset(1));
            QVERIFY2(level1 > Money(), qPrintable(code));
            QCOMPARE(decodePriceData(image).prices[0], level1);
            if (sizes)
                QVERIFY2(moneyAt(image, priceLevelOffset(1) + kPriceDetailOffset) > Money(), qPrintable(code));

            const QVariantMap key = {{QStringLiteral("c"), code}, {QStringLiteral("w"), DemoCodes::serviceWarehouse}};
            const qint64 rows = scalar(*data, QStringLiteral("SELECT COUNT(*) FROM SInvDep WHERE FT_TIPO = 4 AND "
                                                             "FT_CODIGODEPOSITO = :w AND FT_CODIGOPRODUCTO = :c"),
                                       key);
            QCOMPARE(rows > 0, stocked);
            if (!detailed)
                continue;
            // Every detail row names its lot or size/colour; a lot row names its Sinvlote row.
            QCOMPARE(scalar(*data, QStringLiteral("SELECT COUNT(*) FROM SInvDep WHERE FT_TIPO = 4 AND FT_CODIGODEPOSITO = :w "
                                                  "AND FT_CODIGOPRODUCTO = :c AND FT_LOTE <> ''"),
                            key),
                     rows);
            if (!sizes)
                QCOMPARE(scalar(*data, QStringLiteral("SELECT COUNT(*) FROM SInvDep JOIN Sinvlote ON FL_CODIGOPRODUCTO = "
                                                      "FT_CODIGOPRODUCTO AND FL_LOTE = FT_LOTE AND FL_AUTOINCREMENT = "
                                                      "FT_LOTEAUTOINCREMENT WHERE FT_TIPO = 4 AND FT_CODIGODEPOSITO = :w "
                                                      "AND FT_CODIGOPRODUCTO = :c AND FL_PRECIOSINIMPUESTO > 0"),
                                key),
                         rows);
        }
        QVERIFY(scalar(*data, QStringLiteral("SELECT COUNT(*) FROM SInventario WHERE FI_EXISTDECIMAL = 1")) > 0);
    }

    void stockInTheServiceDeposit()
    {
        auto data = openDb(m_dirs->data);
        QVERIFY(scalar(*data, QStringLiteral("SELECT COUNT(*) FROM SInvDep WHERE FT_TIPO = 4 AND FT_CODIGODEPOSITO = :w "
                                             "AND FT_EXISTENCIA > 0"),
                       {{QStringLiteral("w"), DemoCodes::serviceWarehouse}})
                > 0);
        // Serials of parts kept there, for the line entry's serial choice.
        QVERIFY(scalar(*data, QStringLiteral("SELECT COUNT(*) FROM Sseriales WHERE FS_TIPO = 2 AND FS_DEPOSITO = :w"),
                       {{QStringLiteral("w"), QString::number(DemoCodes::serviceWarehouse)}})
                > 0);
    }

    void soldSerialsAreFoundInEveryPeriod_data()
    {
        QTest::addColumn<int>("period");
        QTest::newRow("current") << 0;
        QTest::newRow("PERIODO_1") << 1;
        QTest::newRow("PERIODO_2") << 2;
    }

    void soldSerialsAreFoundInEveryPeriod()
    {
        QFETCH(int, period);
        QVERIFY(!soldSerials(*m_dirs, period).isEmpty());
    }

    void eachSoldSerialBelongsToOnePeriod()
    {
        // The history searches find a line by operation key and product: a key names one
        // operation in the whole company, whichever period holds it.
        auto keys = [](const QString &dir, const QString &table) {
            auto db = openDb(dir);
            const QStringList list = column(*db, QStringLiteral("SELECT DISTINCT FDI_OPERACION_AUTOINCREMENT FROM ") + table);
            return QSet<QString>(list.begin(), list.end());
        };
        const QSet<QString> currentKeys = keys(m_dirs->data, QStringLiteral("SDetalleVenta"));
        const QSet<QString> keys1 = keys(m_dirs->period(1), QStringLiteral("HIST_SDetalleVenta"));
        const QSet<QString> keys2 = keys(m_dirs->period(2), QStringLiteral("HIST_SDetalleVenta"));
        QVERIFY(!currentKeys.isEmpty() && !keys1.isEmpty() && !keys2.isEmpty());
        QVERIFY(!currentKeys.intersects(keys1));
        QVERIFY(!currentKeys.intersects(keys2));
        QVERIFY(!keys1.intersects(keys2));

        const QSet<QString> current = soldSerials(*m_dirs, 0);
        const QSet<QString> last = soldSerials(*m_dirs, 1);
        const QSet<QString> before = soldSerials(*m_dirs, 2);
        QVERIFY(!current.intersects(last));
        QVERIFY(!current.intersects(before));
        QVERIFY(!last.intersects(before));
        auto data = openDb(m_dirs->data);
        QCOMPARE(qint64(current.size() + last.size() + before.size()),
                 scalar(*data, QStringLiteral("SELECT COUNT(*) FROM Sseriales WHERE FS_TIPO = 9")));
    }

    void theFirstLineOfAnInvoiceIsItsSerialsProduct()
    {
        // The serial search takes the first line found by (operation key, document).
        auto data = openDb(m_dirs->data);
        QCOMPARE(scalar(*data, QStringLiteral(
                                   "SELECT COUNT(*) FROM Sseriales S WHERE S.FS_TIPO = 9 AND EXISTS (SELECT 1 FROM "
                                   "SDetalleVenta D WHERE D.FDI_OPERACION_AUTOINCREMENT = S.FS_OPERACIONAUTOINCREMENT "
                                   "AND D.FDI_DOCUMENTO = S.FS_DOCUMENTO) AND (SELECT D.FDI_CODIGO FROM SDetalleVenta D "
                                   "WHERE D.FDI_OPERACION_AUTOINCREMENT = S.FS_OPERACIONAUTOINCREMENT AND D.FDI_DOCUMENTO "
                                   "= S.FS_DOCUMENTO ORDER BY D.FDI_AUTOINCREMENT LIMIT 1) <> S.FS_CODIGOP")),
                 0);
    }

    void receivedItemsNameTheirSale()
    {
        auto rma = openDb(m_dirs->rma);
        QVERIFY(rma->attach(m_dirs->data, QStringLiteral("d")));
        QVERIFY(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9DetalleRecepcion WHERE RMD_DOCFACT <> ''")) > 0);
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9DetalleRecepcion I JOIN k9Recepcion R ON "
                                             "R.RMA_AUTOINC = I.RMD_AUTOINCRMA WHERE I.RMD_DOCFACT <> '' AND NOT EXISTS "
                                             "(SELECT 1 FROM d.Sseriales S WHERE S.FS_DOCUMENTO = I.RMD_DOCFACT AND "
                                             "S.FS_SERIAL = I.RMD_SERIAL AND S.FS_CODIGOP = I.RMD_CODPRODUCTO)")),
                 0);
    }

    void usersAndPasswords()
    {
        auto data = openDb(m_dirs->data);
        const QList<QPair<QString, QString>> users = {{DefaultUsers::admin(), DefaultUsers::adminPassword()},
                                                      {DefaultUsers::master(), DefaultUsers::masterPassword()},
                                                      {DemoCodes::seller(), DemoCodes::sellerPassword()}};
        for (const auto &[name, password] : users)
            QCOMPARE(column(*data, QStringLiteral("SELECT Clave FROM Susuarios WHERE Nombre = :n"),
                            {{QStringLiteral("n"), name}}),
                     QStringList{CodificarClave(password)});

        Query q(*data);
        QVERIFY(q.run(QStringLiteral("SELECT * FROM Susuarios WHERE Nombre = :n"),
                      {{QStringLiteral("n"), DemoCodes::seller()}}));
        QVERIFY(q.next());
        QVERIFY(!q.boolean(QStringLiteral("AccesoAdm")));
        QCOMPARE(q.integer(QStringLiteral("Status")), 0);
        QCOMPARE(q.text(QStringLiteral("Jornada")), QStringLiteral("1111111"));
        QCOMPARE(q.text(QStringLiteral("Horario")), QString(168, u'1'));
        const QDate today = QDate::currentDate();
        QVERIFY(q.date(QStringLiteral("FechaCreación")) <= today);
        QVERIFY(q.date(QStringLiteral("FechaCaduca")) >= today);
        QCOMPARE(q.text(QStringLiteral("Directorio_Datos")), Layout::data());
        QCOMPARE(q.text(QStringLiteral("Directorio_Formatos")), Layout::formats());
        QCOMPARE(q.text(QStringLiteral("Directorio_Reportes")), Layout::reports());
        QCOMPARE(q.blob(QStringLiteral("FlagTransaccion")).size(), 20088);
    }

    void optionsPointAtTheDemo()
    {
        auto rma = openDb(m_dirs->rma);
        QVERIFY(rma->attach(m_dirs->data, QStringLiteral("d")));
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9RMAConfig")), 1);
        QCOMPARE(column(*rma, QStringLiteral("SELECT FDP_DESCRIPCION FROM d.SDepositos JOIN k9RMAConfig "
                                             "ON FDP_CODIGO = FC_DEPOSITOSERV")),
                 QStringList{QStringLiteral("Depósito de Servicio")});
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM d.SCajaMaestro JOIN k9RMAConfig ON FMC_CODE = "
                                             "FC_CODECAJACHICA")),
                 1);
        // The revision item is a service of the host inventory.
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9RMAConfig JOIN d.SInventario ON FI_CODIGO = "
                                             "FC_ITEMREVISION JOIN d.SCategoria ON FD_CODIGO = FI_CATEGORIA WHERE "
                                             "FD_CLASIFICACION <> 0")),
                 1);
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT FC_PRECIOPIEZASERV FROM k9RMAConfig")), 1);
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT FC_AVISOTAREA AND FC_AVISOCITAS FROM k9RMAConfig")), 1);
        QVERIFY(scalar(*rma, QStringLiteral("SELECT FC_MTOREVISION FROM k9RMAConfig")) > 0);
        // The default currency is kept beside the others.
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM d.SMoneda JOIN d.SSistema ON FM_CODE = MONEDA_DEFECTO")), 1);
        QVERIFY(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM d.SMoneda")) > 1);
    }

    void everyBoxHasItsMovementTable()
    {
        auto data = openDb(m_dirs->data);
        const QStringList boxes = column(*data, QStringLiteral("SELECT FMC_CODE FROM SCajaMaestro"));
        QVERIFY(boxes.size() >= 2);
        for (const QString &box : boxes)
            QVERIFY2(data->hasTable(pettyCashTable(box.toInt()).name), qPrintable(box));
        // The advances taken went into the module's box, which names its next movement.
        const QString movements = pettyCashTable(DemoCodes::servicePettyCash).name;
        QVERIFY(scalar(*data, QStringLiteral("SELECT COUNT(*) FROM ") + movements) > 0);
        QCOMPARE(scalar(*data, QStringLiteral("SELECT FMC_CORRELATIVO FROM SCajaMaestro WHERE FMC_CODE = 1")),
                 scalar(*data, QStringLiteral("SELECT MAX(CAST(FC_DOCUMENTO AS INTEGER)) + 1 FROM ") + movements));
    }

    void documentsOfEveryKind()
    {
        auto rma = openDb(m_dirs->rma);
        for (int status : {1, 2, 3, 4})
            QVERIFY2(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9Recepcion WHERE RMA_STATUSDOC = :s"),
                            {{QStringLiteral("s"), status}})
                         > 0,
                     qPrintable(QString::number(status)));
        // A pending reception has no number; its items say so too.
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9Recepcion WHERE (RMA_STATUSDOC = 1) <> "
                                             "(RMA_CODIGO = 'PENDIENTE')")),
                 0);
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9DetalleRecepcion JOIN k9Recepcion ON RMA_AUTOINC = "
                                             "RMD_AUTOINCRMA WHERE RMD_CODIGORMA <> RMA_CODIGO OR RMD_STATUS <> RMA_STATUSDOC")),
                 0);
        for (int type : {1, 3})
            QVERIFY(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9RMAOperaciones WHERE FRI_TIPO = :t"),
                           {{QStringLiteral("t"), type}})
                    > 0);
        // Operation lines point at their header and at an item of the operation's reception.
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9DetalleOperaciones L JOIN k9RMAOperaciones O ON "
                                             "O.FRI_AUTOINCREMENT = L.FDI_CODAUTOINC JOIN k9DetalleRecepcion I ON "
                                             "I.RMD_CODIGO = L.FDI_RMDCODIGO WHERE I.RMD_CODIGORMA = O.FRI_DOCRMA")),
                 scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9DetalleOperaciones")));
        QVERIFY(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9RMACitas")) > 0);
        QVERIFY(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9RMATareas")) > 0);
        QVERIFY(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9RMAInventario")) > 0);
        verifyCounters(*m_dirs);
    }

    void blobsAreWrittenWhole()
    {
        auto rma = openDb(m_dirs->rma);
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9Recepcion WHERE RMA_STATUSDOC <> 1 AND "
                                             "LENGTH(RMA_FORMAPAGO) IS NOT 1680")),
                 0);
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9DetalleRecepcion WHERE LENGTH(RMD_COMPONENTES) IS NOT "
                                             "119220")),
                 0);
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9RMAOperaciones WHERE LENGTH(FRI_CONTACTO) IS NOT 5600 "
                                             "OR LENGTH(FRI_FORMADEPAGO) IS NOT 1680")),
                 0);
        // What was paid at reception is the revision with tax and the advance.
        Query q(*rma);
        QVERIFY(q.run(QStringLiteral("SELECT * FROM k9Recepcion WHERE RMA_STATUSDOC <> 1")));
        int paid = 0;
        while (q.next()) {
            Money sum;
            for (const PaymentSlot &slot : decodePaymentSlots(q.blob(QStringLiteral("RMA_FORMAPAGO"))))
                sum += slot.amount;
            QCOMPARE(sum, q.money(QStringLiteral("RMA_MONTOTOTALREV")) + q.money(QStringLiteral("RMA_ADELANTO")));
            paid += sum > Money();
        }
        QVERIFY(paid > 0);
        Query items(*rma);
        QVERIFY(items.run(QStringLiteral("SELECT RMD_COMPONENTES FROM k9DetalleRecepcion")));
        int components = 0;
        while (items.next())
            components += int(decodeComponents(items.blob(QStringLiteral("RMD_COMPONENTES"))).size());
        QVERIFY(components > 0);
    }

    void scaleMakesTheVolumes()
    {
        test::ScratchDir scratch;
        QVERIFY(createWorkspace(scratch.path()));
        const Status s = fillDemoCompany(scratch.path(), 1);
        QVERIFY2(s, qPrintable(s.message()));
        const Dirs dirs(scratch.path());
        auto data = openDb(dirs.data);
        auto rma = openDb(dirs.rma);
        QVERIFY(scalar(*data, QStringLiteral("SELECT COUNT(*) FROM SClientes")) >= 1000);
        QVERIFY(scalar(*data, QStringLiteral("SELECT COUNT(*) FROM SInventario")) >= 1000);
        QCOMPARE(scalar(*data, QStringLiteral("SELECT COUNT(*) FROM SInventario WHERE FI_CODIGO NOT IN "
                                              "(SELECT FX_CODIGO FROM SFixed WHERE FX_TIPO = 'B' AND LENGTH(FX_COSTOS) = 624)")),
                 0);
        qsizetype sold = 0;
        for (int period = 0; period <= Layout::kHistoryPeriods; ++period) {
            const qsizetype inPeriod = soldSerials(dirs, period).size();
            QVERIFY(inPeriod > 0);
            sold += inPeriod;
        }
        QVERIFY(sold >= 1000);
        QVERIFY(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9Recepcion")) >= 1000);
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM (SELECT RMD_AUTOINCRMA, COUNT(*) AS n FROM "
                                             "k9DetalleRecepcion GROUP BY RMD_AUTOINCRMA) WHERE n > 3")),
                 0);
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9Recepcion WHERE RMA_AUTOINC NOT IN "
                                             "(SELECT RMD_AUTOINCRMA FROM k9DetalleRecepcion)")),
                 0);
        QVERIFY(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9RMAOperaciones")) * 3
                >= scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9Recepcion")));
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9RMAOperaciones WHERE FRI_AUTOINCREMENT NOT IN "
                                             "(SELECT FDI_CODAUTOINC FROM k9DetalleOperaciones)")),
                 0);
        verifyCounters(dirs);
    }
};

QTEST_GUILESS_MAIN(DemoCompanyTest)
#include "tst_democompany.moc"
