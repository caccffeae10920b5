// The demo company's master data in the data directory: customers, categories, products
// with their price data and stock, people, warehouses, money and the extra user.

#include "workspace/DemoContext.h"
#include "workspace/DemoData.h"

#include "core/Globals.h"
#include "data/Catalog.h"

namespace k9::workspace::demo {

namespace {

Status writeCustomers(Context &ctx)
{
    RowWriter w(*ctx.data, QStringLiteral("SClientes"),
                texts({u"FC_CODIGO", u"FC_DESCRIPCION", u"FC_DESCRIPCIONDETALLADA", u"FC_DIRECCION1",
                       u"FC_TELEFONO", u"FC_RIF", u"FC_NIT", u"FC_STATUS"}));
    for (const Customer &c : customers()) {
        w.set(u"FC_CODIGO", c.code).set(u"FC_DESCRIPCION", c.name).set(u"FC_DESCRIPCIONDETALLADA", c.detail);
        w.set(u"FC_DIRECCION1", c.address).set(u"FC_TELEFONO", c.phone).set(u"FC_RIF", c.rif);
        w.set(u"FC_NIT", c.nit).set(u"FC_STATUS", DemoCodes::activeStatus);
        if (Status s = w.insert(); !s)
            return s;
    }
    return Status::ok();
}

Status writeCategories(Context &ctx)
{
    RowWriter w(*ctx.data, QStringLiteral("SCategoria"),
                texts({u"FD_CODIGO", u"FD_DESCRIPCION", u"FD_DESCRIPCIONDETALLADA", u"FD_STATUS",
                       u"FD_CLASIFICACION", u"FD_MANEJOINVENTARIO"}));
    for (const Category &c : categories()) {
        w.set(u"FD_CODIGO", c.code).set(u"FD_DESCRIPCION", c.name).set(u"FD_DESCRIPCIONDETALLADA", c.detail);
        w.set(u"FD_STATUS", DemoCodes::activeStatus).set(u"FD_CLASIFICACION", c.service ? 1 : 0);
        w.set(u"FD_MANEJOINVENTARIO", int(c.stock));
        if (Status s = w.insert(); !s)
            return s;
    }
    return Status::ok();
}

// Products, their price data, lots, stock rows and the serials of spare parts kept in the
// service warehouse.
Status writeProducts(Context &ctx)
{
    RowWriter product(*ctx.data, QStringLiteral("SInventario"),
                      texts({u"FI_CODIGO", u"FI_DESCRIPCION", u"FI_DESCRIPCIONDETALLADA", u"FI_MARCA",
                             u"FI_MODELO", u"FI_CATEGORIA", u"FI_SUBCATEGORIA", u"FI_CLASIFICACION",
                             u"FI_EXISTDECIMAL"}));
    RowWriter prices(*ctx.data, QStringLiteral("SFixed"), texts({u"FX_TIPO", u"FX_CODIGO", u"FX_COSTOS"}));
    RowWriter lot(*ctx.data, QStringLiteral("Sinvlote"),
                  texts({u"FL_AUTOINCREMENT", u"FL_CODIGOPRODUCTO", u"FL_LOTE", u"FL_PRECIOSINIMPUESTO"}));
    RowWriter stock(*ctx.data, QStringLiteral("SInvDep"),
                    texts({u"FT_TIPO", u"FT_CODIGODEPOSITO", u"FT_CODIGOPRODUCTO", u"FT_LOTE",
                           u"FT_LOTEAUTOINCREMENT", u"FT_EXISTENCIA", u"FT_EXISTENCIADETALLADA"}));
    RowWriter serial(*ctx.data, QStringLiteral("Sseriales"),
                     texts({u"FS_SERIAL", u"FS_DOCUMENTO", u"FS_TIPO", u"FS_STATUS", u"FS_CODIGOP",
                            u"FS_PRECIOVENTA", u"FS_VISIBLE", u"FS_DEPOSITO"}));

    auto addStock = [&](const QString &code, int warehouse, const QString &detail, qint64 lotKey, Money qty) {
        stock.set(u"FT_TIPO", 4).set(u"FT_CODIGODEPOSITO", warehouse).set(u"FT_CODIGOPRODUCTO", code);
        stock.set(u"FT_LOTE", detail).set(u"FT_LOTEAUTOINCREMENT", lotKey);
        stock.set(u"FT_EXISTENCIA", qty).set(u"FT_EXISTENCIADETALLADA", qty);
        return stock.insert();
    };

    qint64 lotKey = maxKey(*ctx.data, QStringLiteral("Sinvlote"), QStringLiteral("FL_AUTOINCREMENT"));
    for (const Product &p : products()) {
        const Category *category = findCategory(p.category);
        const bool service = category && category->service;
        product.set(u"FI_CODIGO", p.code).set(u"FI_DESCRIPCION", p.name).set(u"FI_DESCRIPCIONDETALLADA", p.detail);
        product.set(u"FI_MARCA", p.brand).set(u"FI_MODELO", p.model).set(u"FI_CATEGORIA", p.category);
        product.set(u"FI_SUBCATEGORIA", p.subcategory).set(u"FI_CLASIFICACION", service ? 1 : 0);
        product.set(u"FI_EXISTDECIMAL", p.decimals);
        if (Status s = product.insert(); !s)
            return s;

        const PriceData price = priceDataOf(p);
        prices.set(u"FX_TIPO", QStringLiteral("B")).set(u"FX_CODIGO", p.code).set(u"FX_COSTOS", encodePriceData(price));
        if (Status s = prices.insert(); !s)
            return s;
        if (service)
            continue;

        const Stock handling = category ? category->stock : Stock::Plain;
        if (handling == Stock::Plain) {
            if (Status s = addStock(p.code, DemoCodes::mainWarehouse, QString(), 0, p.mainStock); !s)
                return s;
            if (Status s = addStock(p.code, DemoCodes::serviceWarehouse, QString(), 0, p.serviceStock); !s)
                return s;
            if (p.serials && p.category == u"REPUES") {
                // The spare parts in the service warehouse, one serial each.
                const int count = int(p.serviceStock.truncatedUnits());
                for (int i = 0; i < count; ++i) {
                    serial.set(u"FS_SERIAL", ctx.nextSerial(p.serialPrefix)).set(u"FS_DOCUMENTO", QString());
                    serial.set(u"FS_TIPO", 2).set(u"FS_STATUS", 0).set(u"FS_CODIGOP", p.code);
                    serial.set(u"FS_PRECIOVENTA", price.prices[0]).set(u"FS_VISIBLE", true);
                    serial.set(u"FS_DEPOSITO", QString::number(DemoCodes::serviceWarehouse));
                    if (Status s = serial.insert(); !s)
                        return s;
                }
            }
            continue;
        }
        for (const QString &detail : p.details) {
            qint64 key = 0;
            if (handling == Stock::Lots) {
                key = ++lotKey;
                ctx.lotKeys.insert(p.code + u'|' + detail, key);
                lot.set(u"FL_AUTOINCREMENT", key).set(u"FL_CODIGOPRODUCTO", p.code).set(u"FL_LOTE", detail);
                lot.set(u"FL_PRECIOSINIMPUESTO", price.prices[0]);
                if (Status s = lot.insert(); !s)
                    return s;
            }
            const Money serviceQty = Money::fromUnits(2 + ctx.dice.below(9));
            const Money mainQty = Money::fromUnits(5 + ctx.dice.below(20));
            if (Status s = addStock(p.code, DemoCodes::serviceWarehouse, detail, key, serviceQty); !s)
                return s;
            if (Status s = addStock(p.code, DemoCodes::mainWarehouse, detail, key, mainQty); !s)
                return s;
        }
    }
    return Status::ok();
}

Status writePeopleAndPlaces(Context &ctx)
{
    RowWriter w(*ctx.data, QStringLiteral("SVendedores"),
                texts({u"FV_CODIGO", u"FV_DESCRIPCION", u"FV_DESCRIPCIONDETALLADA", u"FV_CLASIFICACION",
                       u"FV_STATUS"}));
    for (const Employee &e : employees()) {
        w.set(u"FV_CODIGO", e.code).set(u"FV_DESCRIPCION", e.name).set(u"FV_DESCRIPCIONDETALLADA", e.detail);
        w.set(u"FV_CLASIFICACION", e.classification).set(u"FV_STATUS", DemoCodes::activeStatus);
        if (Status s = w.insert(); !s)
            return s;
    }
    RowWriter p(*ctx.data, QStringLiteral("SProveedor"),
                texts({u"FP_CODIGO", u"FP_DESCRIPCION", u"FP_DESCRIPCIONDETALLADA", u"FP_DIRECCION1",
                       u"FP_TELEFONO", u"FP_STATUS"}));
    for (const Supplier &s : suppliers()) {
        p.set(u"FP_CODIGO", s.code).set(u"FP_DESCRIPCION", s.name).set(u"FP_DESCRIPCIONDETALLADA", s.detail);
        p.set(u"FP_DIRECCION1", s.address).set(u"FP_TELEFONO", s.phone).set(u"FP_STATUS", DemoCodes::activeStatus);
        if (Status st = p.insert(); !st)
            return st;
    }
    RowWriter d(*ctx.data, QStringLiteral("SDepositos"), texts({u"FDP_CODIGO", u"FDP_DESCRIPCION"}));
    for (const Named &n : warehouses()) {
        d.set(u"FDP_CODIGO", n.code.toInt()).set(u"FDP_DESCRIPCION", n.name);
        if (Status s = d.insert(); !s)
            return s;
    }
    return Status::ok();
}

// The default currency stays as the workspace made it; the others are added when missing.
Status writeMoney(Context &ctx)
{
    Query existing(*ctx.data);
    if (Status s = existing.run(QStringLiteral("SELECT FM_CODE FROM SMoneda")); !s)
        return s;
    QStringList codes;
    while (existing.next())
        codes << existing.text(QStringLiteral("FM_CODE")).toUpper();
    existing.finish();

    RowWriter c(*ctx.data, QStringLiteral("SMoneda"), texts({u"FM_CODE", u"FM_DESCRIPCION", u"FM_SIMBOLO", u"FM_FACTOR"}));
    const struct
    {
        QString code, name, symbol;
        Money factor;
    } currencies[] = {
        {DemoCodes::dollar(), QStringLiteral("Dólar"), QStringLiteral("$"), money("36.50")},
        {QStringLiteral("EUR"), QStringLiteral("Euro"), QStringLiteral("€"), money("39.75")},
    };
    for (const auto &m : currencies) {
        if (codes.contains(m.code))
            continue;
        c.set(u"FM_CODE", m.code).set(u"FM_DESCRIPCION", m.name).set(u"FM_SIMBOLO", m.symbol).set(u"FM_FACTOR", m.factor);
        if (Status s = c.insert(); !s)
            return s;
    }

    RowWriter b(*ctx.data, QStringLiteral("SInstitucion"),
                texts({u"FIF_CODIGO", u"FIF_DESCRIPCION", u"FIF_TELEFONOSCONFORMACION"}));
    for (const Named &n : banks()) {
        b.set(u"FIF_CODIGO", n.code).set(u"FIF_DESCRIPCION", n.name).set(u"FIF_TELEFONOSCONFORMACION", n.extra);
        if (Status s = b.insert(); !s)
            return s;
    }
    RowWriter t(*ctx.data, QStringLiteral("STarjetas"), texts({u"FTJ_CODIGO", u"FTJ_DESCRIPCION"}));
    for (const Named &n : cards()) {
        t.set(u"FTJ_CODIGO", n.code).set(u"FTJ_DESCRIPCION", n.name);
        if (Status s = t.insert(); !s)
            return s;
    }

    // Boxes and their movement tables; the first movement number of a box is 1.
    RowWriter box(*ctx.data, QStringLiteral("SCajaMaestro"), texts({u"FMC_CODE", u"FMC_DESCRIPCION", u"FMC_CORRELATIVO"}));
    for (const Named &n : pettyCashBoxes()) {
        const int number = n.code.toInt();
        box.set(u"FMC_CODE", number).set(u"FMC_DESCRIPCION", n.name).set(u"FMC_CORRELATIVO", 1);
        if (Status s = box.insert(); !s)
            return s;
        if (!ctx.data->hasTable(pettyCashTable(number).name))
            if (Status s = createTable(*ctx.data, pettyCashTable(number)); !s)
                return s;
    }

    return Status::ok();
}

// A salesperson of the suite who may not open this module.
Status writeUsers(Context &ctx)
{
    RowWriter u(*ctx.data, QStringLiteral("Susuarios"),
                texts({u"Nombre", u"Clave", u"Status", u"Horario", u"Jornada", u"FechaCreación", u"FechaCaduca",
                       u"AccesoAdm", u"AccesoVtas", u"AccesoCompras", u"AccesoBancos", u"AccesoProduc",
                       u"AccesoTaller", u"AccesoUsuario", u"ForcePreview", u"Activar3D", u"FlagMonedas",
                       u"BoldEncabezados", u"Directorio_Datos", u"Directorio_Formatos", u"Directorio_Reportes",
                       u"Grupo", u"Descripcion", u"FlagTransaccion"}));
    u.set(u"Nombre", DemoCodes::seller()).set(u"Clave", CodificarClave(DemoCodes::sellerPassword()));
    u.set(u"Status", 0).set(u"Horario", QString(168, u'1')).set(u"Jornada", QString(7, u'1'));
    u.set(u"FechaCreación", QDate(ctx.today.year() - 1, 1, 1)).set(u"FechaCaduca", QDate(ctx.today.year() + 1, 12, 31));
    u.set(u"AccesoAdm", false).set(u"AccesoVtas", true).set(u"AccesoCompras", false).set(u"AccesoBancos", false);
    u.set(u"AccesoProduc", false).set(u"AccesoTaller", false).set(u"AccesoUsuario", false);
    u.set(u"ForcePreview", true).set(u"Activar3D", false).set(u"FlagMonedas", true);
    u.set(u"BoldEncabezados", QStringLiteral("False"));
    u.set(u"Directorio_Datos", Layout::data()).set(u"Directorio_Formatos", Layout::formats());
    u.set(u"Directorio_Reportes", Layout::reports()).set(u"Grupo", QStringLiteral("VENTAS"));
    u.set(u"Descripcion", QStringLiteral("Vendedor de mostrador"));
    u.set(u"FlagTransaccion", QByteArray(20088, '\0'));
    return u.insert();
}

} // namespace

Status writeHostData(Context &ctx)
{
    for (auto step : {writeCustomers, writeCategories, writeProducts, writePeopleAndPlaces, writeMoney, writeUsers})
        if (Status s = step(ctx); !s)
            return s;
    return Status::ok();
}

} // namespace k9::workspace::demo
