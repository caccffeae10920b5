#include "workspace/DemoModule.h"

namespace k9::workspace::demo {

Money ReceptionSpec::revisionTotal() const
{
    Money total;
    for (const ItemSpec &item : items)
        total += item.revision;
    return total;
}

Money ReceptionSpec::advanceTotal() const
{
    Money total;
    for (const ItemSpec &item : items)
        total += item.advance;
    return total;
}

Money OperationSpec::gross() const
{
    Money total;
    for (const LineSpec &line : lines)
        total += line.price;
    return total;
}

Money OperationSpec::cost() const
{
    Money total;
    for (const LineSpec &line : lines)
        total += line.cost;
    return total;
}

ModuleWriter::ModuleWriter(Context &ctx)
    : m_ctx(ctx),
      m_receptions(*ctx.rma, QStringLiteral("k9Recepcion"),
                   texts({u"RMA_AUTOINC", u"RMA_CODIGO", u"RMA_FECHA", u"RMA_CODCLIENTE", u"RMA_VENDEDOR",
                          u"RMA_CONTACTO", u"RMA_TLFCONTACTO", u"RMA_DOCORIGEN", u"RMA_NROPRODUCTOS",
                          u"RMA_STATUSDOC", u"RMA_STATUSDOCOP", u"RMA_ADELANTO", u"RMA_MONTOBRUTOREV",
                          u"RMA_MONTOIVAREV", u"RMA_MONTOTOTALREV", u"RMA_FECHADEENTREGA", u"RMA_FECHATERMINO",
                          u"RMA_LOG", u"RMA_FORMAPAGO"})),
      m_items(*ctx.rma, QStringLiteral("k9DetalleRecepcion"),
              texts({u"RMD_CODIGO", u"RMD_AUTOINCRMA", u"RMD_CODIGORMA", u"RMD_CODRMD", u"RMD_CODPRODUCTO",
                     u"RMD_FROMK9", u"RMD_SERIAL", u"RMD_CANTIDAD", u"RMD_FECHA", u"RMD_FECHAVEN", u"RMD_DOCFACT",
                     u"RMD_TIEMPOGARANT", u"RMD_EMPRECEPTOR", u"RMD_DETALLE", u"RMD_DETALLE2", u"RMD_RAZON",
                     u"RMD_PRIORIDAD", u"RMD_RECIBIDO", u"RMD_TERCERO", u"RMD_STATUS", u"RMD_PRECIOADELANTO",
                     u"RMD_PRECIOOTRO", u"RMD_TOTALREV", u"RMD_COMPONENTES"})),
      m_operations(*ctx.rma, QStringLiteral("k9RMAOperaciones"),
                   texts({u"FRI_AUTOINCREMENT", u"FRI_DOCUMENTO", u"FRI_TIPO", u"FRI_DOCRMA", u"FRI_STATUS",
                          u"FRI_APROBADO", u"FRI_STATUSCONTACTO", u"FRI_FECHAEMISION", u"FRI_FECHAENTREGA",
                          u"FRI_FECHAULTSEGUI", u"FRI_SEGUIMIENTO", u"FRI_PRESERV", u"FRI_TOTALITEMS",
                          u"FRI_TOTALBRUTO", u"FRI_IMPUESTOMONTO", u"FRI_TOTALNETO", u"FRI_TOTALCOSTO",
                          u"FRI_MONTOPAGADO", u"FRI_CONTACTO", u"FRI_FORMADEPAGO"})),
      m_lines(*ctx.rma, QStringLiteral("k9DetalleOperaciones"),
              texts({u"FDI_AUTOINCREMENT", u"FDI_CODAUTOINC", u"FDI_DOCUMENTO", u"FDI_DOCUMENTOORIGEN",
                     u"FDI_TIPOOPERACION", u"FDI_LINEA", u"FDI_RMDCODIGO", u"FDI_CODIGO", u"FDI_FROMK9",
                     u"FDI_SSERIAL", u"FDI_FALLA", u"FDI_DETALLEFALLA", u"FDI_SERVICIO", u"FDI_DETALLESERVICIO",
                     u"FDI_PIEZA", u"FDI_SERIALPIEZA", u"FDI_LOTE", u"FDI_TECNICO", u"FDI_TERCERO",
                     u"FDI_CODTERCERO", u"FDI_STATUS", u"FDI_APROBADO", u"FDI_PRECIOPIEZA", u"FDI_MTOSERVICIO",
                     u"FDI_MTOMANO_OBRA", u"FDI_MTOCOSTO", u"FDI_IVA"}))
{
    m_receptionKey = maxKey(*ctx.rma, QStringLiteral("k9Recepcion"), QStringLiteral("RMA_AUTOINC"));
    m_itemKey = maxKey(*ctx.rma, QStringLiteral("k9DetalleRecepcion"), QStringLiteral("RMD_CODIGO"));
    m_operationKey = maxKey(*ctx.rma, QStringLiteral("k9RMAOperaciones"), QStringLiteral("FRI_AUTOINCREMENT"));
    m_lineKey = maxKey(*ctx.rma, QStringLiteral("k9DetalleOperaciones"), QStringLiteral("FDI_AUTOINCREMENT"));
}

void ModuleWriter::assignKeys(ReceptionSpec &r)
{
    if (!r.key)
        r.key = ++m_receptionKey;
    for (ItemSpec &item : r.items)
        if (!item.key)
            item.key = ++m_itemKey;
}

Status ModuleWriter::addReception(ReceptionSpec &r)
{
    assignKeys(r);
    const bool processed = r.status != DocStatus::Pendiente;
    int products = 0;
    for (const ItemSpec &item : r.items)
        products += itemQuantity(item.quantity);
    const Money revision = r.revisionTotal();

    RowWriter &w = m_receptions;
    w.set(u"RMA_AUTOINC", r.key).set(u"RMA_CODIGO", r.number).set(u"RMA_FECHA", r.date);
    w.set(u"RMA_CODCLIENTE", r.customer).set(u"RMA_VENDEDOR", r.seller).set(u"RMA_CONTACTO", r.contact);
    w.set(u"RMA_TLFCONTACTO", r.phone).set(u"RMA_DOCORIGEN", QString()).set(u"RMA_NROPRODUCTOS", products);
    w.set(u"RMA_STATUSDOC", r.status);
    if (r.operationSummary)
        w.set(u"RMA_STATUSDOCOP", r.operationSummary);
    w.set(u"RMA_ADELANTO", r.advanceTotal());
    if (processed) {
        const Money tax = taxOf(revision, m_ctx.taxRate);
        w.set(u"RMA_MONTOBRUTOREV", revision).set(u"RMA_MONTOIVAREV", tax).set(u"RMA_MONTOTOTALREV", revision + tax);
        if (r.images || !r.payments.isEmpty())
            w.set(u"RMA_FORMAPAGO", encodePaymentSlots(r.payments));
    }
    if (r.deliveryDate.isValid())
        w.set(u"RMA_FECHADEENTREGA", r.deliveryDate);
    if (r.closedDate.isValid())
        w.set(u"RMA_FECHATERMINO", r.closedDate);
    w.set(u"RMA_LOG", r.log);
    if (Status s = w.insert(); !s)
        return s;

    for (const ItemSpec &item : r.items) {
        RowWriter &i = m_items;
        i.set(u"RMD_CODIGO", item.key).set(u"RMD_AUTOINCRMA", r.key).set(u"RMD_CODIGORMA", r.number);
        i.set(u"RMD_CODRMD", QString()).set(u"RMD_CODPRODUCTO", item.product).set(u"RMD_FROMK9", item.fromHost);
        i.set(u"RMD_SERIAL", item.serial.isEmpty() ? QStringLiteral("S/N") : item.serial);
        i.set(u"RMD_CANTIDAD", itemQuantity(item.quantity)).set(u"RMD_FECHA", r.date);
        if (item.warrantyExpiry.isValid())
            i.set(u"RMD_FECHAVEN", item.warrantyExpiry);
        i.set(u"RMD_DOCFACT", item.invoice).set(u"RMD_TIEMPOGARANT", 0).set(u"RMD_EMPRECEPTOR", item.receiver);
        i.set(u"RMD_DETALLE", item.condition).set(u"RMD_DETALLE2", item.fault).set(u"RMD_RAZON", item.reason);
        i.set(u"RMD_PRIORIDAD", item.priority).set(u"RMD_RECIBIDO", item.receivedAs);
        i.set(u"RMD_TERCERO", item.outsideParty).set(u"RMD_STATUS", r.status);
        i.set(u"RMD_PRECIOADELANTO", item.advance).set(u"RMD_PRECIOOTRO", item.revision);
        i.set(u"RMD_TOTALREV", m_ctx.withTax(item.revision));
        if (r.images)
            i.set(u"RMD_COMPONENTES", encodeComponents(item.components));
        if (Status s = i.insert(); !s)
            return s;
    }
    return Status::ok();
}

Status ModuleWriter::addOperation(const ReceptionSpec &r, OperationSpec &op)
{
    const Money gross = op.gross();
    op.key = ++m_operationKey;
    RowWriter &w = m_operations;
    w.set(u"FRI_AUTOINCREMENT", op.key).set(u"FRI_DOCUMENTO", op.number).set(u"FRI_TIPO", op.type);
    w.set(u"FRI_DOCRMA", r.number).set(u"FRI_STATUS", op.status).set(u"FRI_APROBADO", op.approved);
    w.set(u"FRI_STATUSCONTACTO", op.contacted).set(u"FRI_FECHAEMISION", op.issued);
    w.set(u"FRI_FECHAENTREGA", op.delivery);
    if (!op.followUp.isEmpty())
        w.set(u"FRI_SEGUIMIENTO", op.followUp).set(u"FRI_FECHAULTSEGUI", op.lastFollowUp);
    if (op.budgetTakenOver)
        w.set(u"FRI_PRESERV", op.budgetTakenOver);
    w.set(u"FRI_TOTALITEMS", int(op.lines.size())).set(u"FRI_TOTALBRUTO", gross);
    w.set(u"FRI_IMPUESTOMONTO", taxOf(gross, m_ctx.taxRate)).set(u"FRI_TOTALNETO", m_ctx.withTax(gross));
    w.set(u"FRI_TOTALCOSTO", op.cost());
    if (op.status == OperationStatus::Totalizado)
        w.set(u"FRI_MONTOPAGADO", op.type == OperationType::Servicio ? m_ctx.withTax(gross) : Money());
    if (op.images)
        w.set(u"FRI_CONTACTO", encodeContacts(op.contacts)).set(u"FRI_FORMADEPAGO", encodePaymentSlots({}));
    if (Status s = w.insert(); !s)
        return s;

    for (int n = 0; n < op.lines.size(); ++n) {
        const LineSpec &line = op.lines[n];
        const ItemSpec &item = r.items.at(line.item);
        RowWriter &l = m_lines;
        l.set(u"FDI_AUTOINCREMENT", ++m_lineKey).set(u"FDI_CODAUTOINC", op.key).set(u"FDI_DOCUMENTO", op.number);
        l.set(u"FDI_DOCUMENTOORIGEN", QString()).set(u"FDI_TIPOOPERACION", op.type).set(u"FDI_LINEA", n + 1);
        l.set(u"FDI_RMDCODIGO", item.key).set(u"FDI_CODIGO", item.product).set(u"FDI_FROMK9", item.fromHost);
        l.set(u"FDI_SSERIAL", item.serial.isEmpty() ? QStringLiteral("S/N") : item.serial);
        l.set(u"FDI_FALLA", line.fault.isEmpty() ? item.fault : line.fault).set(u"FDI_DETALLEFALLA", line.faultDetail);
        l.set(u"FDI_SERVICIO", line.service).set(u"FDI_DETALLESERVICIO", line.serviceDetail);
        l.set(u"FDI_PIEZA", line.part).set(u"FDI_SERIALPIEZA", line.partSerial).set(u"FDI_LOTE", line.lot);
        l.set(u"FDI_TECNICO", line.technician).set(u"FDI_TERCERO", !line.supplier.isEmpty());
        l.set(u"FDI_CODTERCERO", line.supplier).set(u"FDI_STATUS", line.status).set(u"FDI_APROBADO", line.status == 1);
        l.set(u"FDI_PRECIOPIEZA", line.price).set(u"FDI_MTOSERVICIO", Money()).set(u"FDI_MTOMANO_OBRA", Money());
        l.set(u"FDI_MTOCOSTO", line.cost).set(u"FDI_IVA", m_ctx.taxRate);
        if (Status s = l.insert(); !s)
            return s;
    }
    return Status::ok();
}

QString logDate(const QDateTime &when)
{
    return when.date().toString(QStringLiteral("dd/MM/yyyy"));
}

QString logTime(const QDateTime &when)
{
    return when.time().toString(QStringLiteral("hh:mm AP"));
}

void appendLog(QString &log, const QDateTime &when, const QString &entry)
{
    if (log.isEmpty())
        log = QStringLiteral("***** Fecha creación del LOG : ") + logDate(when) + QStringLiteral(" *****");
    log += QStringLiteral("\r\n\r\n") + entry;
}

} // namespace k9::workspace::demo
