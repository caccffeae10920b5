// The large volumes of the benchmarks: customers and products drawn from small word lists,
// and receptions of the products sold to those customers, with budgets and service orders.

#include "workspace/DemoData.h"
#include "workspace/DemoModule.h"

namespace k9::workspace::demo {

namespace {

const Money kRevision = money("10.00");

QString digits(qint64 value, int width)
{
    return QString::number(value).rightJustified(width, u'0');
}

// The check digit of a tax id is only decoration here.
QString rif(QChar kind, qint64 number)
{
    return kind + u'-' + digits(number, 8) + u'-' + QString::number(number % 10);
}

Status writeScaleCustomers(Context &ctx)
{
    RowWriter w(*ctx.data, QStringLiteral("SClientes"),
                texts({u"FC_CODIGO", u"FC_DESCRIPCION", u"FC_DESCRIPCIONDETALLADA", u"FC_DIRECCION1", u"FC_TELEFONO",
                       u"FC_RIF", u"FC_NIT", u"FC_STATUS"}));
    for (int i = 0; i < ctx.volume(); ++i) {
        const ScaleCustomer c = scaleCustomer(i);
        w.set(u"FC_CODIGO", c.code).set(u"FC_DESCRIPCION", c.name).set(u"FC_DESCRIPCIONDETALLADA", c.detail);
        w.set(u"FC_DIRECCION1", c.address).set(u"FC_TELEFONO", c.phone).set(u"FC_RIF", c.rif).set(u"FC_NIT", c.nit);
        w.set(u"FC_STATUS", DemoCodes::activeStatus);
        if (Status s = w.insert(); !s)
            return s;
    }
    return Status::ok();
}

Status writeScaleProducts(Context &ctx)
{
    RowWriter product(*ctx.data, QStringLiteral("SInventario"),
                      texts({u"FI_CODIGO", u"FI_DESCRIPCION", u"FI_DESCRIPCIONDETALLADA", u"FI_MARCA", u"FI_MODELO",
                             u"FI_CATEGORIA", u"FI_SUBCATEGORIA", u"FI_CLASIFICACION", u"FI_EXISTDECIMAL"}));
    RowWriter prices(*ctx.data, QStringLiteral("SFixed"), texts({u"FX_TIPO", u"FX_CODIGO", u"FX_COSTOS"}));
    RowWriter stock(*ctx.data, QStringLiteral("SInvDep"),
                    texts({u"FT_TIPO", u"FT_CODIGODEPOSITO", u"FT_CODIGOPRODUCTO", u"FT_LOTE", u"FT_LOTEAUTOINCREMENT",
                           u"FT_EXISTENCIA", u"FT_EXISTENCIADETALLADA"}));
    for (int i = 0; i < ctx.volume(); ++i) {
        const ScaleProduct p = scaleProduct(i);
        product.set(u"FI_CODIGO", p.code).set(u"FI_DESCRIPCION", p.name);
        product.set(u"FI_DESCRIPCIONDETALLADA", p.name + QStringLiteral(", garantía de un año"));
        product.set(u"FI_MARCA", p.brand).set(u"FI_MODELO", p.model).set(u"FI_CATEGORIA", p.category);
        product.set(u"FI_SUBCATEGORIA", p.brand).set(u"FI_CLASIFICACION", 0).set(u"FI_EXISTDECIMAL", false);
        if (Status s = product.insert(); !s)
            return s;

        PriceData price;
        price.cost = p.price.mulDiv(Money::fromUnits(62), 100);
        for (int k = 0; k < kPriceLevelCount; ++k)
            price.prices[k] = p.price.mulDiv(Money::fromUnits(100 - 5 * k), 100).roundedHalfUp(2);
        prices.set(u"FX_TIPO", QStringLiteral("B")).set(u"FX_CODIGO", p.code).set(u"FX_COSTOS", encodePriceData(price));
        if (Status s = prices.insert(); !s)
            return s;

        const Money qty = Money::fromUnits(i % 7);
        stock.set(u"FT_TIPO", 4).set(u"FT_CODIGODEPOSITO", DemoCodes::serviceWarehouse).set(u"FT_CODIGOPRODUCTO", p.code);
        stock.set(u"FT_LOTE", QString()).set(u"FT_LOTEAUTOINCREMENT", 0);
        stock.set(u"FT_EXISTENCIA", qty).set(u"FT_EXISTENCIADETALLADA", qty);
        if (Status s = stock.insert(); !s)
            return s;
    }
    return Status::ok();
}

QString entry(const QString &title, const QString &number, const QDateTime &when)
{
    return title + number + QStringLiteral(" / Fecha ") + logDate(when) + QStringLiteral(" - Hora ") + logTime(when);
}

// The parts and services the lines use, from the demo's price list.
const QStringList &lineParts()
{
    static const QStringList parts = texts({u"RP-0001", u"RP-0002", u"RP-0003", u"RP-0004", u"RP-0005", u"SV-0002"});
    return parts;
}

} // namespace

ScaleCustomer scaleCustomer(int i)
{
    const QStringList &first = words::firstNames();
    const QStringList &last = words::lastNames();
    const QStringList &heads = words::companyHeads();
    const QStringList &tails = words::companyTails();
    const QStringList &streets = words::streets();
    const auto &cities = words::cities();
    static const char16_t *const mobiles[] = {u"0412", u"0414", u"0416", u"0424", u"0426"};

    ScaleCustomer c;
    c.code = u'C' + digits(customers().size() + 1 + i, 7); // after the demo's own
    const bool person = i % 3 == 0;
    const auto &city = cities[i % cities.size()];
    if (person) {
        c.name = first[(i / 3) % first.size()] + u' ' + last[(i * 7) % last.size()] + u' '
                 + last[(i * 13 + 5) % last.size()];
        c.detail = QStringLiteral("Cliente particular");
        c.phone = QString::fromUtf16(mobiles[i % 5]) + u'-' + digits(1000000 + (i * 7919) % 9000000, 7);
        c.rif = rif(u'V', 8000000 + i);
    } else {
        c.name = heads[(i / 3) % heads.size()] + u' ' + tails[(i * 5) % tails.size()]
                 + (i % 2 ? QStringLiteral(", C.A.") : QStringLiteral(", S.A."));
        c.detail = QStringLiteral("Empresa");
        c.phone = city.areaCode + u'-' + digits(2000000 + (i * 104729) % 7000000, 7);
        c.rif = rif(u'J', 30000000 + i);
        c.nit = digits(400000000 + i, 10);
    }
    c.address = streets[i % streets.size()] + QStringLiteral(", ") + city.zones[(i / 3) % city.zones.size()]
                + QStringLiteral(", local ") + QString::number(1 + i % 40) + QStringLiteral(", ") + city.name;
    return c;
}

ScaleProduct scaleProduct(int i)
{
    const auto &kinds = words::productKinds();
    const auto &kind = kinds[i % kinds.size()];
    ScaleProduct p;
    p.brand = kind.brands[(i / kinds.size()) % kind.brands.size()];
    p.model = p.brand.left(2).toUpper() + u'-' + QString::number(100 + (i * 37) % 900);
    p.code = u'P' + digits(i + 1, 7);
    p.name = kind.name + u' ' + p.brand + u' ' + p.model;
    p.category = kind.category;
    p.serialPrefix = kind.serialPrefix + p.brand.left(1).toUpper();
    p.price = Money::fromUnits(kind.basePrice + (i % 50) * 10);
    return p;
}

Status writeScaleMasters(Context &ctx)
{
    if (Status s = writeScaleCustomers(ctx); !s)
        return s;
    return writeScaleProducts(ctx);
}

Status writeScaleDocuments(Context &ctx)
{
    ModuleWriter module(ctx);
    const int n = ctx.volume();
    const QStringList &faults = words::faults();
    const QStringList &conditions = words::conditions();
    const QStringList &works = words::works();
    const QStringList technicians = texts({u"V003", u"V004", u"V005", u"V007"});
    const auto &own = serviceProducts();

    for (int i = 0; i < n; ++i) {
        const Sale &sale = ctx.sales[ctx.demoSales + i];
        const SoldLine &sold = sale.lines.first();

        // One in ten pending, four received, two and a half budgeted, two in service and
        // half a one delivered.
        const int slot = i % 20;
        const int status = slot < 2    ? int(DocStatus::Pendiente)
                           : slot < 10 ? int(DocStatus::Recibido)
                           : slot < 15 ? int(DocStatus::Presupuestado)
                           : slot < 19 ? int(DocStatus::EnServicio)
                                       : int(DocStatus::Entregado);
        ReceptionSpec r;
        r.images = false;
        r.status = status;
        r.customer = sale.customer;
        r.seller = i % 2 ? QStringLiteral("V002") : QStringLiteral("V001");
        const ScaleCustomer customer = scaleCustomer(i);
        r.contact = customer.name;
        r.phone = customer.phone;
        r.date = at(qMin(ctx.today, sale.date.date().addDays(3 + i % 40)), 8 + i % 9, i % 60);

        const int itemCount = 1 + i % 3;
        for (int j = 0; j < itemCount; ++j) {
            ItemSpec item;
            if (j == 0) {
                item.product = sold.product;
                item.serial = sold.serial;
                item.invoice = sale.document;
                item.warrantyExpiry = sale.date.addYears(1);
                item.receivedAs = item.warrantyExpiry > r.date ? int(ReceivedAs::Garantia) : int(ReceivedAs::Servicio);
            } else if (j == 1) {
                const ServiceProduct &p = own[2 + i % 3]; // equipment of the customer's own
                item.product = p.code;
                item.fromHost = false;
                item.serial = ctx.nextSerial(QStringLiteral("CL"));
            } else {
                const ScaleProduct p = scaleProduct(int((qint64(i) * 31 + 7) % n));
                item.product = p.code;
                item.serial = ctx.nextSerial(p.serialPrefix);
            }
            item.receiver = QStringLiteral("V002");
            item.fault = faults[(i + j) % faults.size()];
            item.condition = conditions[(i * 3 + j) % conditions.size()];
            item.reason = (i + j) % 6;
            item.priority = (i + 2 * j) % 4;
            item.revision = item.receivedAs == ReceivedAs::Garantia ? Money() : kRevision;
            item.advance = i % 10 == 3 && j == 0 ? money("50.00") : Money();
            r.items << item;
        }
        if (status == DocStatus::Pendiente) {
            r.number = QString(kPendingDocumentCode);
            appendLog(r.log, r.date,
                      QStringLiteral("- RMA GUARDADO : Fecha ") + logDate(r.date) + QStringLiteral(" - Hora ") + logTime(r.date));
        } else {
            r.number = Context::documentNumber(++ctx.lastReception);
            appendLog(r.log, r.date,
                      QStringLiteral("- RMA RECIBIDO : Fecha ") + logDate(r.date) + QStringLiteral(" - Hora ") + logTime(r.date));
            const Money paid = ctx.withTax(r.revisionTotal()) + r.advanceTotal();
            if (r.advanceTotal() > Money())
                r.payments = {PaymentSlot{PaymentKind::Efectivo, ctx.defaultCurrency, QString(), paid}};
        }
        module.assignKeys(r);

        if (status >= DocStatus::Presupuestado) {
            const bool budget = status == DocStatus::Presupuestado;
            const bool delivered = status == DocStatus::Entregado;
            OperationSpec op;
            op.images = false;
            op.type = budget ? int(OperationType::Presupuesto) : int(OperationType::Servicio);
            op.number = Context::documentNumber(budget ? ++ctx.lastBudget : ++ctx.lastService);
            op.status = delivered ? int(OperationStatus::Totalizado) : int(OperationStatus::PorTotalizar);
            op.issued = ctx.notAfterToday(r.date.addDays(1));
            op.delivery = op.issued.addDays(5);
            op.contacted = i % 2 == 0;
            bool allApproved = true;
            for (int j = 0; j < r.items.size(); ++j) {
                LineSpec line;
                line.item = j;
                line.part = lineParts()[(i + j) % lineParts().size()];
                line.service = works[(i + j) % works.size()];
                line.technician = technicians[(i + j) % technicians.size()];
                line.status = delivered ? int(ServiceLineStatus::Terminado) : (i + j) % 3;
                allApproved = allApproved && line.status == 1;
                if (const Product *p = findProduct(line.part)) {
                    const PriceData price = priceDataOf(*p);
                    line.price = price.prices[DemoCodes::priceLevel - 1];
                    line.cost = price.cost;
                }
                op.lines << line;
            }
            op.approved = delivered || allApproved;
            if (delivered) {
                r.operationSummary = OperationSummary::Totalizado;
                r.closedDate = ctx.notAfterToday(op.issued.addDays(4));
            } else {
                r.operationSummary = OperationSummary::PorTotalizar;
            }
            r.deliveryDate = op.delivery;
            appendLog(r.log, op.issued,
                      entry(budget      ? QStringLiteral("- RMA PRESUPUESTADO : Doc.")
                            : delivered ? QStringLiteral("- RMA SERVICIO TOTALIZADO: Doc.")
                                        : QStringLiteral("- RMA SERVICIO GUARDADO: Doc."),
                            op.number, op.issued));
            if (Status s = module.addOperation(r, op); !s)
                return s;
        }
        if (Status s = module.addReception(r); !s)
            return s;
    }
    return Status::ok();
}

} // namespace k9::workspace::demo
