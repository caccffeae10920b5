// The module's own data in the demo: the service products, a few receptions in every state,
// a budget, a service order with an item at an outside repairer, appointments and tasks,
// the petty-cash movements of the advances, and the module options.

#include "workspace/DemoData.h"
#include "workspace/DemoModule.h"

#include "core/Regional.h"
#include "data/Catalog.h"

namespace k9::workspace::demo {

namespace {

const Money kRevision = money("10.00"); // FC_MTOREVISION
constexpr int kDaysToFinish = 7;        // FC_FECHATERMINO

Status writeServiceProducts(Context &ctx)
{
    RowWriter w(*ctx.rma, QStringLiteral("k9RMAInventario"),
                texts({u"FIR_CODIGO", u"FIR_DESCRIPCION", u"FIR_DESCRIPCIONDETALLADA", u"FIR_MARCA", u"FIR_MODELO",
                       u"FIR_CATEGORIA", u"FIR_SUBCATEGORIA", u"FIR_PRECIO"}));
    for (const ServiceProduct &p : serviceProducts()) {
        w.set(u"FIR_CODIGO", p.code).set(u"FIR_DESCRIPCION", p.name).set(u"FIR_DESCRIPCIONDETALLADA", p.detail);
        w.set(u"FIR_MARCA", p.brand).set(u"FIR_MODELO", p.model).set(u"FIR_CATEGORIA", p.category);
        w.set(u"FIR_SUBCATEGORIA", p.subcategory).set(u"FIR_PRECIO", p.price);
        if (Status s = w.insert(); !s)
            return s;
    }
    return Status::ok();
}

// The demo invoice in which `customer` bought `product`.
struct Bought
{
    const Sale *sale = nullptr;
    const SoldLine *line = nullptr;
};

Bought bought(const Context &ctx, const QString &customer, const QString &product)
{
    for (int i = 0; i < ctx.demoSales; ++i) {
        const Sale &sale = ctx.sales[i];
        if (sale.customer != customer)
            continue;
        for (const SoldLine &line : sale.lines)
            if (line.product == product)
                return {&sale, &line};
    }
    return {};
}

// An item of a product the customer bought here: its serial, invoice and a year of warranty.
ItemSpec itemBought(const Context &ctx, const QString &customer, const QString &product)
{
    ItemSpec item;
    item.product = product;
    const Bought b = bought(ctx, customer, product);
    if (b.sale) {
        item.serial = b.line->serial;
        item.invoice = b.sale->document;
        item.warrantyExpiry = b.sale->date.addYears(1);
    }
    return item;
}

// The reception date: `daysAgo` before today, but never before the sales it names.
QDateTime receivedOn(const Context &ctx, int daysAgo, const QList<ItemSpec> &items, int hour)
{
    QDate date = ctx.today.addDays(-daysAgo);
    for (const ItemSpec &item : items)
        if (item.warrantyExpiry.isValid())
            date = qMax(date, item.warrantyExpiry.addYears(-1).date().addDays(1));
    return at(qMin(date, ctx.today), hour, 20);
}

QString receivedEntry(const QDateTime &when)
{
    return QStringLiteral("- RMA RECIBIDO : Fecha ") + logDate(when) + QStringLiteral(" - Hora ") + logTime(when);
}

QString countLine(const char16_t *caption, int count)
{
    return QStringLiteral("      * ") + QString::fromUtf16(caption) + QString::number(count) + u'.';
}

QString budgetEntry(const OperationSpec &op, const QDateTime &when)
{
    int counts[3] = {0, 0, 0};
    for (const LineSpec &line : op.lines)
        ++counts[qBound(0, line.status, 2)];
    return QStringLiteral("- RMA PRESUPUESTADO : Doc.") + op.number + QStringLiteral(" / Fecha ") + logDate(when)
           + QStringLiteral(" - Hora ") + logTime(when) + QStringLiteral("\r\n")
           + QStringLiteral("      * Estado Pago        : Por Totalizar.\r\n")
           + QStringLiteral("      * Estado Doc.        : ") + (counts[1] ? QStringLiteral("Aprobado") : QStringLiteral("Pendiente"))
           + QStringLiteral(".\r\n") + countLine(u"Items En Espera    : ", counts[0]) + QStringLiteral("\r\n")
           + countLine(u"Items Aprobado     : ", counts[1]) + QStringLiteral("\r\n")
           + countLine(u"Items No Aprobados : ", counts[2]);
}

QString serviceEntry(const OperationSpec &op, const QDateTime &when)
{
    int counts[5] = {0, 0, 0, 0, 0};
    for (const LineSpec &line : op.lines)
        if (line.status >= 0 && line.status < 5)
            ++counts[line.status];
    return QStringLiteral("- RMA SERVICIO GUARDADO: Doc.") + op.number + QStringLiteral(" / Fecha ") + logDate(when)
           + QStringLiteral(" - Hora ") + logTime(when) + QStringLiteral("\r\n")
           + QStringLiteral("      * Estado Pago        : Por Totalizar.\r\n")
           + QStringLiteral("      * Estado Doc.        : En Servicio.\r\n")
           + countLine(u"Items En Espera    : ", counts[0]) + QStringLiteral("\r\n")
           + countLine(u"Items Iniciados    : ", counts[1]) + QStringLiteral("\r\n")
           + countLine(u"Items Parado       : ", counts[2]) + QStringLiteral("\r\n")
           + countLine(u"Items Terminado    : ", counts[3]) + QStringLiteral("\r\n")
           + countLine(u"Items En Tercero   : ", counts[4]);
}

// A line of a part or service at the level-1 price of the product.
LineSpec partLine(int item, const QString &part, const QString &service, const QString &technician, int status)
{
    LineSpec line;
    line.item = item;
    line.part = part;
    line.service = service;
    line.technician = technician;
    line.status = status;
    if (const Product *p = findProduct(part)) {
        const PriceData price = priceDataOf(*p);
        line.price = price.prices[DemoCodes::priceLevel - 1];
        line.cost = price.cost;
    }
    return line;
}

// The petty-cash box of the module takes the payments of the processed receptions.
class PettyCash
{
public:
    explicit PettyCash(Context &ctx)
        : m_ctx(ctx),
          m_writer(*ctx.data, pettyCashTable(DemoCodes::servicePettyCash).name,
                   texts({u"FC_DOCUMENTO", u"FC_TIPO", u"FC_FECHAOPERACION", u"FC_MEMO", u"FC_MONTOEFECTIVO",
                          u"FC_MONTOCHEQUE", u"FC_MONTOTDEBITO", u"FC_MONTOTCREDITO", u"FC_MONTOBOLIVARES",
                          u"FC_MONTOTOTAL"}))
    {
    }

    Status pay(const ReceptionSpec &r, const QString &customerName)
    {
        Money byKind[4];
        for (const PaymentSlot &slot : r.payments)
            if (slot.type >= 0 && slot.type < 4)
                byKind[slot.type] += slot.amount;
        m_writer.set(u"FC_DOCUMENTO", Context::documentNumber(m_next++)).set(u"FC_TIPO", 0);
        m_writer.set(u"FC_FECHAOPERACION", Money::fromDouble(toDaySerial(r.date.date())));
        m_writer.set(u"FC_MEMO", QStringLiteral("Nro. RMA ") + r.number + QStringLiteral(" A Nombre de : ") + customerName);
        m_writer.set(u"FC_MONTOEFECTIVO", byKind[PaymentKind::Efectivo]).set(u"FC_MONTOCHEQUE", byKind[PaymentKind::Cheque]);
        m_writer.set(u"FC_MONTOTDEBITO", byKind[PaymentKind::TarjetaDebito]);
        m_writer.set(u"FC_MONTOTCREDITO", byKind[PaymentKind::TarjetaCredito]).set(u"FC_MONTOBOLIVARES", Money());
        m_writer.set(u"FC_MONTOTOTAL", byKind[0] + byKind[1] + byKind[2] + byKind[3]);
        return m_writer.insert();
    }

    // The box's next movement number.
    Status close()
    {
        return m_ctx.data->exec(QStringLiteral("UPDATE SCajaMaestro SET FMC_CORRELATIVO = ? WHERE FMC_CODE = ?"),
                                {m_next, DemoCodes::servicePettyCash});
    }

private:
    Context &m_ctx;
    RowWriter m_writer;
    qint64 m_next = 1;
};

QString customerName(const QString &code)
{
    for (const Customer &c : customers())
        if (c.code == code)
            return c.name;
    return QString();
}

// The receptions as they were received; they are stored once the operations made on them
// have added to their logs.
void planReceptions(Context &ctx, QList<ReceptionSpec> &done)
{
    auto cashSlot = [&](Money amount) {
        return PaymentSlot{PaymentKind::Efectivo, ctx.defaultCurrency, QString(), amount};
    };
    auto process = [&](ReceptionSpec &r, int daysAgo, int hour) {
        r.date = receivedOn(ctx, daysAgo, r.items, hour);
        if (r.status == DocStatus::Pendiente) {
            r.number = QString(kPendingDocumentCode);
            appendLog(r.log, r.date,
                      QStringLiteral("- RMA GUARDADO : Fecha ") + logDate(r.date) + QStringLiteral(" - Hora ") + logTime(r.date));
        } else {
            r.number = Context::documentNumber(++ctx.lastReception);
            appendLog(r.log, r.date, receivedEntry(r.date));
        }
    };

    // 1. Received: a laptop out of warranty and a printer in warranty, with an advance.
    {
        ReceptionSpec r;
        r.customer = QStringLiteral("C0000001");
        r.seller = QStringLiteral("V002");
        r.contact = QStringLiteral("Ramón Aguilera");
        r.phone = QStringLiteral("0212-5551234");
        ItemSpec laptop = itemBought(ctx, r.customer, QStringLiteral("EQ-0001"));
        laptop.receiver = r.seller;
        laptop.fault = QStringLiteral("No carga la batería; el cargador funciona");
        laptop.condition = QStringLiteral("Rayones leves en la tapa, con cargador");
        laptop.priority = ItemPriority::Alta;
        laptop.revision = kRevision;
        laptop.advance = money("20.00");
        laptop.components = {TCompReg{QStringLiteral("CARG"), 1, QStringLiteral("Cargador original HP 65W"),
                                      QStringLiteral("Con cable de poder"), {}}};
        ItemSpec printer = itemBought(ctx, r.customer, QStringLiteral("IM-0001"));
        printer.receiver = r.seller;
        printer.fault = QStringLiteral("Imprime con rayas horizontales");
        printer.condition = QStringLiteral("Buen estado, sin botellas de tinta");
        printer.reason = Reason::Evaluacion;
        printer.receivedAs = ReceivedAs::Garantia;
        r.items = {laptop, printer};
        process(r, 20, 9);
        r.payments = {cashSlot(ctx.withTax(r.revisionTotal()) + r.advanceTotal())};
        done << r;
    }
    // 2. Budgeted: a desktop that does not start.
    {
        ReceptionSpec r;
        r.status = DocStatus::Presupuestado;
        r.operationSummary = OperationSummary::PorTotalizar;
        r.customer = QStringLiteral("C0000004");
        r.seller = QStringLiteral("V002");
        r.contact = QStringLiteral("María Fernanda González");
        r.phone = QStringLiteral("0414-3217788");
        ItemSpec desktop = itemBought(ctx, r.customer, QStringLiteral("EQ-0003"));
        desktop.receiver = r.seller;
        desktop.fault = QStringLiteral("No enciende, huele a quemado");
        desktop.condition = QStringLiteral("Buen estado, sin teclado ni ratón");
        desktop.revision = kRevision;
        r.items = {desktop};
        process(r, 15, 10);
        r.payments = {cashSlot(ctx.withTax(r.revisionTotal()))};
        done << r;
    }
    // 3. In service: a printer and a laptop whose keyboard went to an outside repairer.
    {
        ReceptionSpec r;
        r.status = DocStatus::EnServicio;
        r.operationSummary = OperationSummary::PorTotalizar;
        r.customer = QStringLiteral("C0000002");
        r.seller = QStringLiteral("V001");
        r.contact = QStringLiteral("Gustavo Peña");
        r.phone = QStringLiteral("0241-8714455");
        ItemSpec printer = itemBought(ctx, r.customer, QStringLiteral("IM-0002"));
        printer.receiver = QStringLiteral("V002");
        printer.fault = QStringLiteral("Atasco de papel frecuente");
        printer.condition = QStringLiteral("Carcasa sucia, con cable de poder");
        printer.revision = kRevision;
        ItemSpec laptop = itemBought(ctx, r.customer, QStringLiteral("EQ-0002"));
        laptop.receiver = QStringLiteral("V002");
        laptop.fault = QStringLiteral("Varias teclas no responden");
        laptop.condition = QStringLiteral("Buen estado, sin cargador");
        laptop.priority = ItemPriority::Alta;
        laptop.outsideParty = true;
        laptop.revision = kRevision;
        laptop.advance = money("50.00");
        r.items = {printer, laptop};
        process(r, 10, 11);
        r.payments = {cashSlot(ctx.withTax(r.revisionTotal())),
                      PaymentSlot{PaymentKind::TarjetaDebito, QStringLiteral("MAESTRO"), QStringLiteral("Ref. 004512"),
                                  r.advanceTotal()}};
        done << r;
    }
    // 4. Saved but not processed: no number yet.
    {
        ReceptionSpec r;
        r.status = DocStatus::Pendiente;
        r.customer = QStringLiteral("C0000007");
        r.seller = QStringLiteral("V002");
        r.contact = QStringLiteral("Lcda. Marisela Fuenmayor");
        r.phone = QStringLiteral("0261-7933030");
        ItemSpec printer = itemBought(ctx, r.customer, QStringLiteral("IM-0003"));
        printer.receiver = r.seller;
        printer.fault = QStringLiteral("No reconoce los cartuchos de color");
        printer.condition = QStringLiteral("Buen estado");
        printer.receivedAs = ReceivedAs::GyS;
        printer.revision = kRevision;
        r.items = {printer};
        process(r, 2, 15);
        done << r;
    }
    // 5. Received: a tablet the company never sold (service inventory) and a laptop.
    {
        ReceptionSpec r;
        r.customer = QStringLiteral("C0000005");
        r.seller = QStringLiteral("V001");
        r.contact = QStringLiteral("José Gregorio Pérez");
        r.phone = QStringLiteral("0424-4102233");
        ItemSpec tablet;
        tablet.product = QStringLiteral("00000003");
        tablet.fromHost = false;
        tablet.serial = ctx.nextSerial(QStringLiteral("R52T"));
        tablet.receiver = QStringLiteral("V002");
        tablet.fault = QStringLiteral("La pantalla táctil no responde");
        tablet.condition = QStringLiteral("Vidrio astillado en una esquina");
        tablet.revision = kRevision;
        tablet.components = {TCompReg{QStringLiteral("FORRO"), 1, QStringLiteral("Forro de cuero negro"), QString(), {}}};
        ItemSpec laptop = itemBought(ctx, r.customer, QStringLiteral("EQ-0004"));
        laptop.receiver = QStringLiteral("V002");
        laptop.fault = QStringLiteral("Se recalienta y se apaga");
        laptop.condition = QStringLiteral("Con cargador y bolso");
        laptop.reason = Reason::Servicio;
        laptop.revision = kRevision;
        r.items = {tablet, laptop};
        process(r, 1, 16);
        r.payments = {cashSlot(ctx.withTax(r.revisionTotal()))};
        done << r;
    }
}

Status writeOperations(Context &ctx, ModuleWriter &module, QList<ReceptionSpec> &receptions)
{
    // The budget of reception 2: the part approved, the labour still waiting.
    ReceptionSpec &budgeted = receptions[1];
    OperationSpec budget;
    budget.number = Context::documentNumber(++ctx.lastBudget);
    budget.type = OperationType::Presupuesto;
    budget.issued = ctx.notAfterToday(budgeted.date.addDays(2));
    budget.delivery = budget.issued.addDays(kDaysToFinish);
    budget.lines = {partLine(0, QStringLiteral("RP-0002"), QStringLiteral("Reemplazo de fuente de poder"),
                             QStringLiteral("V003"), BudgetLineStatus::Aprobado),
                    partLine(0, QStringLiteral("SV-0002"), QStringLiteral("Mano de obra: diagnóstico y cambio de fuente"),
                             QStringLiteral("V003"), BudgetLineStatus::EnEspera)};
    budget.lines[0].serviceDetail = QStringLiteral("Fuente original quemada; se instala fuente ATX de 500 W");
    budget.contacts = {TContacto{1, QStringLiteral("Se explicó el presupuesto a la cliente; pide tiempo para decidir"),
                                 ctx.notAfterToday(budget.issued.addDays(1)), ContactState::Recorded}};
    appendLog(budgeted.log, budget.issued, budgetEntry(budget, budget.issued));

    // The service order of reception 3.
    ReceptionSpec &inService = receptions[2];
    OperationSpec service;
    service.number = Context::documentNumber(++ctx.lastService);
    service.type = OperationType::Servicio;
    service.contacted = true;
    service.issued = ctx.notAfterToday(inService.date.addDays(1));
    service.delivery = service.issued.addDays(kDaysToFinish);
    inService.deliveryDate = service.delivery;
    service.lines = {partLine(0, QStringLiteral("SV-0003"), QStringLiteral("Limpieza de rodillos y mantenimiento"),
                              QStringLiteral("V004"), ServiceLineStatus::Terminado),
                     partLine(0, QStringLiteral("CO-0001"), QStringLiteral("Cambio de tóner"), QStringLiteral("V004"),
                              ServiceLineStatus::Iniciado),
                     partLine(1, QString(), QStringLiteral("Reemplazo de teclado (Servitec)"), QStringLiteral("V003"),
                              ServiceLineStatus::EnTercero)};
    service.lines[1].lot = QStringLiteral("L2024-037");
    service.lines[2].supplier = QStringLiteral("PR001");
    service.lines[2].price = money("1825.00");
    service.lines[2].cost = money("1200.00");
    service.followUp = QStringLiteral("Teclado enviado a Servitec; respuesta prometida en 3 días.");
    service.lastFollowUp = ctx.notAfterToday(service.issued.addDays(1));
    service.contacts = {TContacto{1, QStringLiteral("Se avisó al cliente que el teclado se envió al proveedor"),
                                  service.lastFollowUp, ContactState::Recorded}};
    appendLog(inService.log, service.issued, serviceEntry(service, service.issued));

    if (Status s = module.addOperation(budgeted, budget); !s)
        return s;
    if (Status s = module.addOperation(inService, service); !s)
        return s;

    RowWriter shipment(*ctx.rma, QStringLiteral("k9RMADetalleTerceros"),
                       texts({u"FTR_AUTOINCSERV", u"FTR_CODSERV", u"FTR_CODIGO", u"FTR_TERCERO", u"FTR_RESPONSABLE",
                              u"FTR_DETALLE", u"FTR_NROITEMS", u"FTR_FECHASALIDA", u"FTR_STSALIDA", u"FTR_STENTREGA"}));
    const ItemSpec &laptop = inService.items[1];
    shipment.set(u"FTR_AUTOINCSERV", service.key).set(u"FTR_CODSERV", inService.number);
    shipment.set(u"FTR_CODIGO", Context::documentNumber(++ctx.lastShipment)).set(u"FTR_TERCERO", QStringLiteral("PR001"));
    shipment.set(u"FTR_RESPONSABLE", QStringLiteral("V006"));
    shipment.set(u"FTR_DETALLE", QStringLiteral("Laptop Lenovo IdeaPad 3, serial ") + laptop.serial
                                     + QStringLiteral(": cambio de teclado"));
    shipment.set(u"FTR_NROITEMS", 1).set(u"FTR_FECHASALIDA", service.lastFollowUp);
    shipment.set(u"FTR_STSALIDA", ShipmentDepartureState::Enviado).set(u"FTR_STENTREGA", ShipmentReturnState::EnEspera);
    return shipment.insert();
}

Status writeSchedule(Context &ctx, const QList<ReceptionSpec> &receptions)
{
    RowWriter citas(*ctx.rma, QStringLiteral("k9RMACitas"),
                    texts({u"RMC_FECHAEMI", u"RMC_FECHAPROG", u"RMC_CODPRO", u"RMC_DESPRO", u"RMC_SERIAL", u"RMC_FROMK9",
                           u"RMC_RMA", u"RMC_AUTOINCRMA", u"RMC_CODCONTAC", u"RMC_CONTACTO", u"RMC_DESCRIPCION",
                           u"RMC_DETALLE", u"RMC_RAZON", u"RMC_STATUS"}));
    auto appointment = [&](const QDateTime &made, const QDateTime &due, const QString &customer, const QString &contact,
                           const ItemSpec &item, const ReceptionSpec *reception, const QString &description,
                           const QString &detail, int reason, int status) {
        const Product *p = findProduct(item.product);
        citas.set(u"RMC_FECHAEMI", made).set(u"RMC_FECHAPROG", due).set(u"RMC_CODPRO", item.product);
        citas.set(u"RMC_DESPRO", p ? p->name : QString()).set(u"RMC_SERIAL", item.serial);
        citas.set(u"RMC_FROMK9", item.fromHost).set(u"RMC_RMA", reception ? reception->number : QString());
        citas.set(u"RMC_AUTOINCRMA", reception ? reception->key : 0).set(u"RMC_CODCONTAC", customer);
        citas.set(u"RMC_CONTACTO", contact).set(u"RMC_DESCRIPCION", description).set(u"RMC_DETALLE", detail);
        citas.set(u"RMC_RAZON", reason).set(u"RMC_STATUS", status);
        return citas.insert();
    };
    const ReceptionSpec &inService = receptions[2];
    if (Status s = appointment(inService.date, at(ctx.today, 10), inService.customer, inService.contact,
                               inService.items[0], &inService, QStringLiteral("Entrega de la impresora reparada"),
                               QStringLiteral("Confirmar con el cliente el retiro en la tarde"), Reason::Reparacion,
                               AppointmentStatus::Pendiente);
        !s)
        return s;
    const ItemSpec phone = itemBought(ctx, QStringLiteral("C0000010"), QStringLiteral("TE-0002"));
    if (Status s = appointment(at(ctx.today, 8), at(ctx.today.addDays(3), 9), QStringLiteral("C0000010"),
                               QStringLiteral("Sr. Manuel Teixeira"), phone, nullptr,
                               QStringLiteral("Revisión de teléfono que no carga"),
                               QStringLiteral("El cliente trae el teléfono y el cargador"), Reason::Evaluacion,
                               AppointmentStatus::Pendiente);
        !s)
        return s;
    const ReceptionSpec &first = receptions[0];
    if (Status s = appointment(first.date.addDays(-3), first.date, first.customer, first.contact, first.items[0], nullptr,
                               QStringLiteral("Recepción de laptop con falla de batería"), QString(),
                               Reason::Reparacion, AppointmentStatus::Citado);
        !s)
        return s;

    RowWriter tareas(*ctx.rma, QStringLiteral("k9RMATareas"),
                     texts({u"FT_FECHACREACION", u"FT_FECHAINICIO", u"FT_FECHAFIN", u"FT_GRUPO", u"FT_PRIORIDAD",
                            u"FT_STATUS", u"FT_DESCRIPCION", u"FT_RMA", u"FT_TAREA", u"FT_USER"}));
    auto task = [&](int createdDaysAgo, int daysToEnd, int priority, int status, const QString &rma,
                    const QString &description, const QString &detail) {
        const QDateTime created = at(ctx.today.addDays(-createdDaysAgo), 8, 30);
        tareas.set(u"FT_FECHACREACION", created).set(u"FT_FECHAINICIO", created);
        tareas.set(u"FT_FECHAFIN", at(ctx.today.addDays(daysToEnd), 17)).set(u"FT_GRUPO", 0);
        tareas.set(u"FT_PRIORIDAD", priority).set(u"FT_STATUS", status).set(u"FT_DESCRIPCION", description);
        tareas.set(u"FT_RMA", rma);
        tareas.set(u"FT_TAREA", QStringLiteral(" #Fecha :") + logDate(created) + QStringLiteral(" Usuario : ") + ctx.userName
                                    + QStringLiteral(" Descripción: ") + description + QStringLiteral("\r\n\r\n") + detail);
        tareas.set(u"FT_USER", ctx.userName);
        return tareas.insert();
    };
    if (Status s = task(5, 2, TaskPriority::Alta, TaskStatus::EnProceso, inService.number,
                        QStringLiteral("Seguir el teclado enviado a Servitec"),
                        QStringLiteral("Llamar a Servitec el jueves si no hay respuesta."));
        !s)
        return s;
    if (Status s = task(0, 1, TaskPriority::Media, TaskStatus::Pendiente, receptions[1].number,
                        QStringLiteral("Llamar a la cliente para aprobar el presupuesto"),
                        QStringLiteral("Falta aprobar la mano de obra."));
        !s)
        return s;
    return task(30, -25, TaskPriority::Baja, TaskStatus::Finalizada, QString(),
                QStringLiteral("Revisar el tóner del depósito de servicio"),
                QStringLiteral("Se contaron los lotes del depósito de servicio."));
}

} // namespace

Status writeModuleDocuments(Context &ctx)
{
    if (Status s = writeServiceProducts(ctx); !s)
        return s;
    ModuleWriter module(ctx);
    QList<ReceptionSpec> receptions;
    planReceptions(ctx, receptions);
    for (ReceptionSpec &r : receptions)
        module.assignKeys(r);
    if (Status s = writeOperations(ctx, module, receptions); !s)
        return s;
    PettyCash cash(ctx);
    for (ReceptionSpec &r : receptions) {
        if (Status s = module.addReception(r); !s)
            return s;
        if (!r.payments.isEmpty())
            if (Status s = cash.pay(r, customerName(r.customer)); !s)
                return s;
    }
    if (Status s = cash.close(); !s)
        return s;
    return writeSchedule(ctx, receptions);
}

} // namespace k9::workspace::demo
