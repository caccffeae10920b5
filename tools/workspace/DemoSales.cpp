// Sales invoices with serials: headers and lines of the current period in the data
// directory, lines of the closed periods in their history directories, and the serial of
// every sold product in the data directory's serial table, with the key of its operation.

#include "workspace/DemoContext.h"
#include "workspace/DemoData.h"

#include <algorithm>

namespace k9::workspace::demo {

namespace {

constexpr int kSalesOperation = 11; // the host suite's sales invoice
constexpr int kSoldSerial = 9;      // FS_TIPO of a sold serial
constexpr int kProcessed = 1;       // FDI_STATUS / FTI_STATUS / FS_STATUS of a processed sale

struct PlannedLine
{
    const char16_t *product;
    const char *quantity;
    const char16_t *detail;
};

struct PlannedSale
{
    int period;
    int permille;
    const char16_t *customer;
    const char16_t *seller;
    std::initializer_list<PlannedLine> lines;
};

// The demo's invoices; the receptions pick their items from them by customer and product.
const PlannedSale kDemoSales[] = {
    {2, 200, u"C0000001", u"V001", {{u"EQ-0001", "1", nullptr}, {u"CO-0001", "2", u"L2024-011"}}},
    {2, 400, u"C0000003", u"V008", {{u"IM-0001", "1", nullptr}}},
    {2, 600, u"C0000006", u"V001", {{u"EQ-0003", "1", nullptr}, {u"MO-0001", "1", nullptr}}},
    {2, 800, u"C0000009", u"V008", {{u"TE-0003", "1", nullptr}, {u"AC-0001", "1", u"NEGRO-U"}}},
    {1, 100, u"C0000002", u"V001", {{u"IM-0002", "1", nullptr}}},
    {1, 300, u"C0000002", u"V001", {{u"EQ-0002", "1", nullptr}}},
    {1, 500, u"C0000005", u"V008", {{u"EQ-0004", "1", nullptr}, {u"AC-0002", "1", u"NEGRO-15.6"}}},
    {1, 700, u"C0000011", u"V001", {{u"MO-0002", "1", nullptr}, {u"AC-0003", "2", u"ROJO-U"}}},
    {1, 900, u"C0000004", u"V008", {{u"EQ-0003", "1", nullptr}}},
    {0, 100, u"C0000001", u"V001", {{u"IM-0001", "1", nullptr}, {u"CO-0002", "3", u"L2024-052"}}},
    {0, 200, u"C0000004", u"V008", {{u"TE-0001", "1", nullptr}, {u"AC-0001", "1", u"AZUL-U"}}},
    {0, 300, u"C0000007", u"V001", {{u"IM-0003", "1", nullptr}}},
    {0, 400, u"C0000008", u"V008", {{u"RP-0001", "1", nullptr}, {u"RP-0006", "15.5", nullptr}}},
    {0, 500, u"C0000010", u"V001", {{u"TE-0002", "1", nullptr}}},
    {0, 600, u"C0000012", u"V008", {{u"EQ-0001", "1", nullptr}}},
    {0, 700, u"C0000014", u"V001", {{u"MO-0001", "1", nullptr}}},
    {0, 800, u"C0000015", u"V008", {{u"EQ-0002", "1", nullptr}}},
    {0, 900, u"C0000013", u"V001", {{u"IM-0002", "1", nullptr}, {u"CO-0001", "1", u"L2024-037"}}},
};

Status planDemoSales(Context &ctx)
{
    for (const PlannedSale &planned : kDemoSales) {
        Sale sale;
        sale.period = planned.period;
        sale.customer = QString::fromUtf16(planned.customer);
        sale.seller = QString::fromUtf16(planned.seller);
        sale.date = at(ctx.dateIn(planned.period, planned.permille), 9 + int(ctx.sales.size() % 8), 15);
        for (const PlannedLine &plannedLine : planned.lines) {
            const Product *p = findProduct(QString::fromUtf16(plannedLine.product));
            if (!p)
                return Status::failure(QStringLiteral("Producto de demostración desconocido"));
            const PriceData price = priceDataOf(*p);
            SoldLine line;
            line.product = p->code;
            line.quantity = money(plannedLine.quantity);
            line.price = price.prices[0];
            line.cost = price.cost;
            line.decimals = p->decimals;
            if (plannedLine.detail) {
                line.detail = QString::fromUtf16(plannedLine.detail);
                line.lotKey = ctx.lotKey(p->code, line.detail);
            }
            if (p->serials)
                line.serial = ctx.nextSerial(p->serialPrefix);
            sale.lines << line;
        }
        ctx.sales << sale;
    }
    ctx.demoSales = int(ctx.sales.size());
    return Status::ok();
}

// One sold serial per invoice: the oldest fifth two years ago, the next three tenths last
// year, the rest this year, each period's invoices spread evenly over it.
void planScaleSales(Context &ctx)
{
    const int n = ctx.volume();
    const int firstOfPeriod1 = n / 5;
    const int firstOfPeriod0 = n / 2;
    for (int s = 0; s < n; ++s) {
        const int period = s < firstOfPeriod1 ? 2 : s < firstOfPeriod0 ? 1 : 0;
        const int from = period == 2 ? 0 : period == 1 ? firstOfPeriod1 : firstOfPeriod0;
        const int to = period == 2 ? firstOfPeriod1 : period == 1 ? firstOfPeriod0 : n;
        const ScaleProduct p = scaleProduct(s);
        Sale sale;
        sale.period = period;
        sale.customer = scaleCustomer(s).code;
        sale.seller = s % 2 ? QStringLiteral("V008") : QStringLiteral("V001");
        sale.date = at(ctx.dateIn(period, int(qint64(s - from) * 1000 / qMax(1, to - from))), 8 + s % 10, s % 60);
        SoldLine line;
        line.product = p.code;
        line.quantity = Money::fromUnits(1);
        line.price = p.price;
        line.cost = p.price.mulDiv(Money::fromUnits(62), 100);
        line.serial = ctx.nextSerial(p.serialPrefix);
        sale.lines << line;
        ctx.sales << sale;
    }
}

// Operation keys and document numbers in the order the invoices were made: the history
// periods hold the oldest keys, so a key never names two operations.
void numberSales(Context &ctx, qint64 lastKey)
{
    QList<int> order(ctx.sales.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Sale &x = ctx.sales[a];
        const Sale &y = ctx.sales[b];
        if (x.period != y.period)
            return x.period > y.period;
        return x.date < y.date;
    });
    for (int i : order) {
        Sale &sale = ctx.sales[i];
        sale.key = ++lastKey;
        sale.document = QString::number(10000 + lastKey).rightJustified(8, u'0');
    }
}

QStringList lineFields()
{
    return texts({u"FDI_AUTOINCREMENT", u"FDI_TIPOOPERACION", u"FDI_DOCUMENTO", u"FDI_CODIGO", u"FDI_CLIENTEPROVEEDOR",
                  u"FDI_OPERACION_AUTOINCREMENT", u"FDI_LINEA", u"FDI_CANTIDAD", u"FDI_CANTIDADPENDIENTE",
                  u"FDI_FECHAOPERACION", u"FDI_STATUS", u"FDI_PRECIOSINDESCUENTO", u"FDI_PRECIOCONDESCUENTO",
                  u"FDI_PRECIODEVENTA", u"FDI_IMPUESTO1", u"FDI_PORCENTIMPUESTO1", u"FDI_MONTOIMPUESTO1", u"FDI_COSTO",
                  u"FDI_COSTOOPERACION", u"FDI_COSTODEVENTAS", u"FDI_COSTOACTUALNACIONAL", u"FDI_DEPOSITOSOURCE",
                  u"FDI_USADEPOSITOS", u"FDI_USASERIALES", u"FDI_SERIALNUMBER", u"FDI_LOTE", u"FDI_LOTERANDOM",
                  u"FDI_DECIMALES", u"FDI_VENDEDORASIGNADO", u"FDI_VISIBLE", u"FDI_MONEDA", u"FDI_FACTORCAMBIO",
                  u"FDI_USER", u"FDI_INDEXPRICES"});
}

Status writeLine(RowWriter &w, const Context &ctx, const Sale &sale, const SoldLine &line, int index,
                 qint64 lineKey, qint64 serialNumber)
{
    const Money tax = taxOf(line.price, ctx.taxRate);
    w.set(u"FDI_AUTOINCREMENT", lineKey).set(u"FDI_TIPOOPERACION", kSalesOperation);
    w.set(u"FDI_DOCUMENTO", sale.document).set(u"FDI_CODIGO", line.product);
    w.set(u"FDI_CLIENTEPROVEEDOR", sale.customer).set(u"FDI_OPERACION_AUTOINCREMENT", sale.key);
    w.set(u"FDI_LINEA", index).set(u"FDI_CANTIDAD", line.quantity).set(u"FDI_CANTIDADPENDIENTE", Money());
    w.set(u"FDI_FECHAOPERACION", sale.date).set(u"FDI_STATUS", kProcessed);
    w.set(u"FDI_PRECIOSINDESCUENTO", line.price).set(u"FDI_PRECIOCONDESCUENTO", line.price);
    w.set(u"FDI_PRECIODEVENTA", line.price + tax).set(u"FDI_IMPUESTO1", ctx.taxRate);
    w.set(u"FDI_PORCENTIMPUESTO1", true).set(u"FDI_MONTOIMPUESTO1", tax);
    w.set(u"FDI_COSTO", line.cost).set(u"FDI_COSTOOPERACION", line.cost).set(u"FDI_COSTODEVENTAS", line.cost);
    w.set(u"FDI_COSTOACTUALNACIONAL", line.cost).set(u"FDI_DEPOSITOSOURCE", DemoCodes::mainWarehouse);
    w.set(u"FDI_USADEPOSITOS", true).set(u"FDI_USASERIALES", !line.serial.isEmpty());
    w.set(u"FDI_SERIALNUMBER", serialNumber).set(u"FDI_LOTE", line.detail).set(u"FDI_LOTERANDOM", line.lotKey);
    w.set(u"FDI_DECIMALES", line.decimals).set(u"FDI_VENDEDORASIGNADO", sale.seller).set(u"FDI_VISIBLE", true);
    w.set(u"FDI_MONEDA", 1).set(u"FDI_FACTORCAMBIO", Money::fromUnits(1)).set(u"FDI_USER", 1);
    w.set(u"FDI_INDEXPRICES", DemoCodes::priceLevel);
    return w.insert();
}

Status writeHeader(RowWriter &w, const Context &ctx, const Sale &sale)
{
    Money gross;
    Money cost;
    for (const SoldLine &line : sale.lines) {
        gross += line.price.mulDiv(line.quantity, 1);
        cost += line.cost.mulDiv(line.quantity, 1);
    }
    const Money tax = taxOf(gross, ctx.taxRate);
    const QTime time = sale.date.time();
    w.set(u"FTI_AUTOINCREMENT", sale.key).set(u"FTI_DOCUMENTO", sale.document).set(u"FTI_TIPO", kSalesOperation);
    w.set(u"FTI_STATUS", kProcessed).set(u"FTI_VISIBLE", true).set(u"FTI_FECHAEMISION", sale.date);
    w.set(u"FTI_FECHALIBRO", sale.date.date().startOfDay());
    w.set(u"FTI_HORA", Money::fromDouble(time.msecsSinceStartOfDay() / 86400000.0));
    w.set(u"FTI_RESPONSABLE", sale.customer).set(u"FTI_VENDEDORASIGNADO", sale.seller);
    w.set(u"FTI_DEPOSITOSOURCE", DemoCodes::mainWarehouse).set(u"FTI_TOTALITEMS", int(sale.lines.size()));
    w.set(u"FTI_TOTALITEMSINICIAL", int(sale.lines.size())).set(u"FTI_TOTALBRUTO", gross);
    w.set(u"FTI_TOTALPRECIO", gross).set(u"FTI_BASEIMPONIBLE2", gross).set(u"FTI_IMPUESTO1PORCENT", ctx.taxRate);
    w.set(u"FTI_IMPUESTO1MONTO", tax).set(u"FTI_TOTALNETO", gross + tax).set(u"FTI_TOTALCOSTO", cost);
    w.set(u"FTI_TOTALCOSTOREAL", cost).set(u"FTI_COSTOACTUALNACIONAL", cost).set(u"FTI_MONEDA", 1);
    w.set(u"FTI_MONEDAPAGO", 1).set(u"FTI_FACTORCAMBIO", 1).set(u"FTI_FCTDCUOTA", 1).set(u"FTI_USER", 1);
    w.set(u"FTI_MACHINENAME", QStringLiteral("CAJA-01"));
    return w.insert();
}

} // namespace

Status writeSales(Context &ctx)
{
    if (Status s = planDemoSales(ctx); !s)
        return s;
    planScaleSales(ctx);

    qint64 lastKey = maxKey(*ctx.data, QStringLiteral("SOperacionInv"), QStringLiteral("FTI_AUTOINCREMENT"));
    lastKey = qMax(lastKey, maxKey(*ctx.data, QStringLiteral("SDetalleVenta"), QStringLiteral("FDI_OPERACION_AUTOINCREMENT")));
    for (const auto &period : ctx.periods)
        lastKey = qMax(lastKey, maxKey(*period, QStringLiteral("HIST_SDetalleVenta"),
                                       QStringLiteral("FDI_OPERACION_AUTOINCREMENT")));
    numberSales(ctx, lastKey);

    const QStringList headerFields =
        texts({u"FTI_AUTOINCREMENT", u"FTI_DOCUMENTO", u"FTI_TIPO", u"FTI_STATUS", u"FTI_VISIBLE", u"FTI_FECHAEMISION",
               u"FTI_FECHALIBRO", u"FTI_HORA", u"FTI_RESPONSABLE", u"FTI_VENDEDORASIGNADO", u"FTI_DEPOSITOSOURCE",
               u"FTI_TOTALITEMS", u"FTI_TOTALITEMSINICIAL", u"FTI_TOTALBRUTO", u"FTI_TOTALPRECIO", u"FTI_BASEIMPONIBLE2",
               u"FTI_IMPUESTO1PORCENT", u"FTI_IMPUESTO1MONTO", u"FTI_TOTALNETO", u"FTI_TOTALCOSTO",
               u"FTI_TOTALCOSTOREAL", u"FTI_COSTOACTUALNACIONAL", u"FTI_MONEDA", u"FTI_MONEDAPAGO",
               u"FTI_FACTORCAMBIO", u"FTI_FCTDCUOTA", u"FTI_USER", u"FTI_MACHINENAME"});
    RowWriter header(*ctx.data, QStringLiteral("SOperacionInv"), headerFields);
    RowWriter current(*ctx.data, QStringLiteral("SDetalleVenta"), lineFields());
    RowWriter history1(*ctx.periods[0], QStringLiteral("HIST_SDetalleVenta"), lineFields());
    RowWriter history2(*ctx.periods[1], QStringLiteral("HIST_SDetalleVenta"), lineFields());
    RowWriter serial(*ctx.data, QStringLiteral("Sseriales"),
                     texts({u"FS_SERIAL", u"FS_DOCUMENTO", u"FS_TIPO", u"FS_TIPOOPERACION", u"FS_STATUS", u"FS_CODIGOP",
                            u"FS_OPERACIONAUTOINCREMENT", u"FS_RANDOMITEM", u"FS_PRECIOVENTA", u"FS_VISIBLE",
                            u"FS_DEPOSITO"}));

    std::array<qint64, 3> lineKeys = {
        maxKey(*ctx.data, QStringLiteral("SDetalleVenta"), QStringLiteral("FDI_AUTOINCREMENT")),
        maxKey(*ctx.periods[0], QStringLiteral("HIST_SDetalleVenta"), QStringLiteral("FDI_AUTOINCREMENT")),
        maxKey(*ctx.periods[1], QStringLiteral("HIST_SDetalleVenta"), QStringLiteral("FDI_AUTOINCREMENT")),
    };
    RowWriter *linesOf[3] = {&current, &history1, &history2};
    qint64 linesMade = 0;
    for (const Sale &sale : ctx.sales) {
        if (sale.period == 0)
            if (Status s = writeHeader(header, ctx, sale); !s)
                return s;
        for (int i = 0; i < sale.lines.size(); ++i) {
            const SoldLine &line = sale.lines[i];
            // A number no other line carries, drawn from the line count by a fixed permutation.
            const qint64 serialNumber = (++linesMade * 7919 + 104729) % 1410065407;
            const qint64 key = ++lineKeys[sale.period];
            if (Status s = writeLine(*linesOf[sale.period], ctx, sale, line, i, key, serialNumber); !s)
                return s;
            if (line.serial.isEmpty())
                continue;
            serial.set(u"FS_SERIAL", line.serial).set(u"FS_DOCUMENTO", sale.document).set(u"FS_TIPO", kSoldSerial);
            serial.set(u"FS_TIPOOPERACION", kSalesOperation).set(u"FS_STATUS", kProcessed);
            serial.set(u"FS_CODIGOP", line.product).set(u"FS_OPERACIONAUTOINCREMENT", sale.key);
            serial.set(u"FS_RANDOMITEM", serialNumber).set(u"FS_PRECIOVENTA", line.price);
            serial.set(u"FS_VISIBLE", true).set(u"FS_DEPOSITO", QString::number(DemoCodes::mainWarehouse));
            if (Status s = serial.insert(); !s)
                return s;
        }
    }
    return Status::ok();
}

} // namespace k9::workspace::demo
