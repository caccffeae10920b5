#include "workspace/DemoCompany.h"

#include "workspace/DemoContext.h"
#include "workspace/DemoData.h"

namespace k9::workspace {

namespace demo {

Context::Context(const QString &root, int scaleFactor)
    : dirs(root), scale(scaleFactor), today(QDate::currentDate())
{
}

QString Context::nextSerial(const QString &prefix)
{
    // A fixed permutation of the running number, so that serials do not look consecutive.
    const qint64 n = ++serialsMade;
    return prefix + QString::number((n * 7919 + 1234567) % 100000000).rightJustified(8, u'0');
}

QDate Context::periodStart(int period) const
{
    return QDate(today.year() - period, 1, 1);
}

QDate Context::periodEnd(int period) const
{
    return period == 0 ? today : QDate(today.year() - period, 12, 31);
}

QDate Context::dateIn(int period, int permille) const
{
    const QDate start = periodStart(period);
    return start.addDays(start.daysTo(periodEnd(period)) * qBound(0, permille, 1000) / 1000);
}

Status writeOptions(Context &ctx)
{
    Query q(*ctx.rma);
    return q.run(QStringLiteral("UPDATE k9RMAConfig SET FC_RMA = :rma, FC_RMAPRESUPUESTO = :budget, "
                                "FC_SERVICIO = :service, FC_TERCEROS = :shipment, FC_DEPOSITOSERV = :deposit, "
                                "FC_DEPOSITOGARANTIA = :warranty, FC_CODECAJACHICA = :box, FC_ITEMREVISION = :item, "
                                "FC_MTOREVISION = :revision, FC_PRECIOPIEZASERV = :level, FC_AVISOTAREA = 1, "
                                "FC_AVISOCITAS = 1"),
                 {{QStringLiteral("rma"), ctx.lastReception},
                  {QStringLiteral("budget"), ctx.lastBudget},
                  {QStringLiteral("service"), ctx.lastService},
                  {QStringLiteral("shipment"), ctx.lastShipment},
                  {QStringLiteral("deposit"), DemoCodes::serviceWarehouse},
                  {QStringLiteral("warranty"), DemoCodes::warrantyWarehouse},
                  {QStringLiteral("box"), DemoCodes::servicePettyCash},
                  {QStringLiteral("item"), DemoCodes::revisionItem()},
                  {QStringLiteral("revision"), QVariant::fromValue(money("10.00"))},
                  {QStringLiteral("level"), DemoCodes::priceLevel}});
}

namespace {

std::shared_ptr<Database> openIn(const QString &dir, Status &status)
{
    auto db = Database::open(dir, Database::OpenMode::Existing, &status);
    // A larger page cache keeps the indexes of the big tables in memory while they grow.
    if (db)
        db->exec(QStringLiteral("PRAGMA cache_size = -65536"));
    return db;
}

qint64 countOf(Database &db, const QString &sql)
{
    Query q(db);
    return q.run(sql) && q.next() ? q.value(0).toLongLong() : -1;
}

// What the workspace already holds: tax rate, default currency, the administrator, the
// option record with its correlatives. A workspace with customers or receptions is refused.
Status readWorkspace(Context &ctx)
{
    if (countOf(*ctx.data, QStringLiteral("SELECT COUNT(*) FROM SClientes")) != 0
        || countOf(*ctx.rma, QStringLiteral("SELECT COUNT(*) FROM k9Recepcion")) != 0)
        return Status::failure(QStringLiteral("La empresa ya tiene datos: la demostración se carga solo en un "
                                              "espacio de trabajo nuevo."));
    if (countOf(*ctx.rma, QStringLiteral("SELECT COUNT(*) FROM k9RMAConfig")) != 1)
        return Status::failure(QStringLiteral("La tabla k9RMAConfig debe tener un solo registro."));

    Query q(*ctx.data);
    ctx.taxRate = Money::fromUnits(16);
    if (q.run(QStringLiteral("SELECT MTO_IMPUESTO1, MONEDA_DEFECTO FROM SSistema LIMIT 1")) && q.next()) {
        ctx.taxRate = q.money(QStringLiteral("MTO_IMPUESTO1"));
        ctx.defaultCurrency = q.text(QStringLiteral("MONEDA_DEFECTO"));
    }
    q.finish();
    ctx.userName = DefaultUsers::admin();
    if (q.run(QStringLiteral("SELECT Nombre FROM Susuarios WHERE Code = 1")) && q.next())
        ctx.userName = q.text(QStringLiteral("Nombre"));
    q.finish();

    Query config(*ctx.rma);
    if (Status s = config.run(QStringLiteral("SELECT FC_RMA, FC_RMAPRESUPUESTO, FC_SERVICIO, FC_TERCEROS FROM k9RMAConfig")); !s)
        return s;
    if (config.next()) {
        ctx.lastReception = config.integer(QStringLiteral("FC_RMA"));
        ctx.lastBudget = config.integer(QStringLiteral("FC_RMAPRESUPUESTO"));
        ctx.lastService = config.integer(QStringLiteral("FC_SERVICIO"));
        ctx.lastShipment = config.integer(QStringLiteral("FC_TERCEROS"));
    }
    return Status::ok();
}

} // namespace

} // namespace demo

Status fillDemoCompany(const QString &root, int scale)
{
    using namespace demo;
    if (scale < 0)
        return Status::failure(QStringLiteral("La escala de la demostración no puede ser negativa."));

    Context ctx(root, scale);
    Status status = Status::ok();
    if (!(ctx.data = openIn(ctx.dirs.data, status)))
        return status;
    if (!(ctx.rma = openIn(ctx.dirs.rma, status)))
        return status;
    for (int p = 0; p < Layout::kHistoryPeriods; ++p)
        if (!(ctx.periods[p] = openIn(ctx.dirs.period(p + 1), status)))
            return status;
    if (Status s = readWorkspace(ctx); !s)
        return s;

    // One transaction per directory; nothing is committed until every part is written.
    Transaction data(*ctx.data);
    Transaction rma(*ctx.rma);
    Transaction period1(*ctx.periods[0]);
    Transaction period2(*ctx.periods[1]);
    for (const Transaction *t : {&data, &rma, &period1, &period2})
        if (!t->beginStatus())
            return t->beginStatus();

    if (Status s = writeHostData(ctx); !s)
        return s;
    if (scale > 0)
        if (Status s = writeScaleMasters(ctx); !s)
            return s;
    if (Status s = writeSales(ctx); !s)
        return s;
    if (Status s = writeModuleDocuments(ctx); !s)
        return s;
    if (scale > 0)
        if (Status s = writeScaleDocuments(ctx); !s)
            return s;
    if (Status s = writeOptions(ctx); !s)
        return s;

    for (Transaction *t : {&period2, &period1, &rma, &data})
        if (Status s = t->commit(); !s)
            return s;
    return Status::ok();
}

CompanyInfo demoCompanyInfo()
{
    CompanyInfo info;
    info.name = QStringLiteral("Servicios Técnicos Ávila, C.A.");
    info.address = QStringLiteral("Av. Francisco de Miranda, Torre Ávila, piso 3, Caracas");
    info.phone = QStringLiteral("0212-5551234");
    info.rif = QStringLiteral("J-30123456-7");
    info.nit = QStringLiteral("0123456789");
    return info;
}

} // namespace k9::workspace
