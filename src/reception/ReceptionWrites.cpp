#include "reception/ReceptionWrites.h"

#include "core/CodeLists.h"
#include "core/Regional.h"
#include "data/Query.h"
#include "data/TableHelpers.h"

#include <QDate>

namespace k9::receptionwrites {

namespace {

// Collects the first failure of a run of field writes.
class Writer
{
public:
    explicit Writer(Table &table) : m_table(table) {}
    void set(const QString &field, const QVariant &value)
    {
        if (m_status)
            m_status = m_table.setValue(field, value);
    }
    void check(const Status &status)
    {
        if (m_status)
            m_status = status;
    }
    const Status &status() const { return m_status; }

private:
    Table &m_table;
    Status m_status = Status::ok();
};

Status openTable(Table &table, const QString &name, const std::shared_ptr<Database> &db)
{
    if (!AbrirTabla(table, name, db))
        return Status::failure(QStringLiteral("No se encontró la tabla ") + name);
    return table.isActive() ? Status::ok() : Status::failure(QStringLiteral("No se pudo abrir la tabla ") + name);
}

QVariant money(Money value)
{
    return QVariant::fromValue(value);
}

} // namespace

QString openDuplicateOf(Database &db, const TRMAReg &item, Status &status)
{
    Query query(db);
    status = query.run(QStringLiteral("SELECT RMD_CODIGORMA FROM k9DetalleRecepcion"
                                      " WHERE RMD_CODPRODUCTO = :product AND RMD_SERIAL = :serial"
                                      " AND RMD_FROMK9 = :fromHost AND COALESCE(RMD_STATUS, 0) NOT IN (8, 9, 10)"
                                      " AND RMD_CODIGO <> :own ORDER BY RMD_CODIGO LIMIT 1"),
                       {{QStringLiteral(":product"), item.productCode},
                        {QStringLiteral(":serial"), item.serial},
                        {QStringLiteral(":fromHost"), item.fromHost},
                        {QStringLiteral(":own"), item.itemKey.isEmpty() ? qint64(-1) : item.itemKey.toLongLong()}});
    if (!status || !query.next())
        return QString();
    const QString code = query.text(QStringLiteral("RMD_CODIGORMA"));
    return code.isEmpty() ? QStringLiteral(" ") : code;
}

QString productDescription(Database &db, const QString &code, bool fromHost)
{
    const QString sql = fromHost ? QStringLiteral("SELECT FI_DESCRIPCION FROM datos.SInventario WHERE FI_CODIGO = :code")
                                 : QStringLiteral("SELECT FIR_DESCRIPCION FROM main.k9RMAInventario WHERE FIR_CODIGO = :code");
    Query query(db);
    if (!query.run(sql, {{QStringLiteral(":code"), code}}) || !query.next())
        return QString();
    return query.value(0).toString();
}

QString freeNumber(Database &db, const QString &shown, Status &status)
{
    Query query(db);
    status = query.run(QStringLiteral("SELECT FC_RMA FROM k9RMAConfig LIMIT 1"));
    if (!status)
        return QString();
    const qint64 counter = query.next() ? query.integer(QStringLiteral("FC_RMA")) : 0;
    qint64 candidate = std::max(shown.toLongLong(), counter + 1);
    for (;;) {
        const QString number = nextDocumentNumber(candidate - 1);
        status = query.run(QStringLiteral("SELECT 1 FROM k9Recepcion WHERE RMA_CODIGO = :code LIMIT 1"),
                           {{QStringLiteral(":code"), number}});
        if (!status)
            return QString();
        if (!query.next())
            return number;
        ++candidate;
    }
}

Status postPettyCash(const std::shared_ptr<Database> &db, qint64 box, const QString &memo,
                     const PaymentTotals &payment)
{
    Table boxes;
    if (Status s = openTable(boxes, QStringLiteral("SCajaMaestro"), db); !s)
        return s;
    if (!boxes.findKey({box}))
        return boxes.lastStatus() ? Status::failure(QStringLiteral("Caja no encontrada")) : boxes.lastStatus();
    const qint64 correlative = boxes.integer(QStringLiteral("FMC_CORRELATIVO"));
    const QString document = QStringLiteral("%1").arg(correlative, 8, 10, QLatin1Char('0'));

    Table cash;
    if (Status s = openTable(cash, QStringLiteral("SCajaMayor") + QString::number(box), db); !s)
        return s;
    cash.insert();
    Writer w(cash);
    w.set(QStringLiteral("FC_DOCUMENTO"), document);
    w.set(QStringLiteral("FC_TIPO"), 0);
    w.set(QStringLiteral("FC_MEMO"), memo);
    w.set(QStringLiteral("FC_MONTOEFECTIVO"), money(payment.cash));
    w.set(QStringLiteral("FC_MONTOBOLIVARES"), money(Money()));
    w.set(QStringLiteral("FC_MONTOCHEQUE"), money(payment.cheque));
    w.set(QStringLiteral("FC_MONTOTDEBITO"), money(payment.debit));
    w.set(QStringLiteral("FC_MONTOTCREDITO"), money(payment.credit));
    w.set(QStringLiteral("FC_MONTOTOTAL"), money(payment.total()));
    w.set(QStringLiteral("FC_FECHAOPERACION"),
          money(Money::fromUnits(qint64(toDaySerial(QDate::currentDate())))));
    if (w.status())
        w.check(cash.post());
    if (!w.status()) {
        cash.cancel();
        return w.status();
    }
    if (Status s = boxes.edit(); !s)
        return s;
    if (Status s = boxes.setValue(QStringLiteral("FMC_CORRELATIVO"), document.toLongLong() + 1); !s)
        return s;
    return boxes.post();
}

Status writeHeader(const std::shared_ptr<Database> &db, const ReceptionDocument &document,
                   const HeaderValues &values, qint64 &headerKey, QString &storedCode)
{
    Table header;
    if (Status s = openTable(header, QStringLiteral("k9Recepcion"), db); !s)
        return s;
    const bool process = values.command == SaveCommand::Procesar;
    Writer w(header);
    if (document.isNew()) {
        header.insert();
        storedCode = values.code;
        w.set(QStringLiteral("RMA_DOCORIGEN"), QString());
        w.set(QStringLiteral("RMA_CODIGO"), storedCode);
    } else {
        // The pending document loaded into the window; it must still be pending (another
        // workstation may have processed or voided it meanwhile).
        if (!header.gotoRowId(document.loadedKey().toLongLong()))
            return header.lastStatus() ? Status::failure(QStringLiteral("Documento no encontrado")) : header.lastStatus();
        if (header.integer(QStringLiteral("RMA_STATUSDOC")) != DocStatus::Pendiente)
            return Status::failure(QStringLiteral("El documento ya no está pendiente"));
        if (Status s = header.edit(); !s)
            return s;
        storedCode = header.text(QStringLiteral("RMA_CODIGO"));
        if (process && storedCode == kPendingDocumentCode) {
            storedCode = values.code;
            w.set(QStringLiteral("RMA_CODIGO"), storedCode);
        }
    }
    w.set(QStringLiteral("RMA_CODCLIENTE"), document.customer().code);
    w.set(QStringLiteral("RMA_FECHA"), QDate::currentDate());
    w.set(QStringLiteral("RMA_VENDEDOR"), values.salesman.code);
    w.set(QStringLiteral("RMA_NROPRODUCTOS"), values.totals.products);
    w.set(QStringLiteral("RMA_CONTACTO"), document.contactName());
    w.set(QStringLiteral("RMA_TLFCONTACTO"), document.contactPhone());
    w.set(QStringLiteral("RMA_ADELANTO"), money(values.totals.advance));
    if (process) {
        w.set(QStringLiteral("RMA_MONTOBRUTOREV"), money(values.totals.revision));
        w.set(QStringLiteral("RMA_MONTOIVAREV"), money(values.totals.tax));
        w.set(QStringLiteral("RMA_MONTOTOTALREV"), money(values.totals.revision + values.totals.tax));
        if (w.status() && !GuardarBlob(QStringLiteral("RMA_FORMAPAGO"), kPaymentImageSize, values.payment.image(),
                                       QStringLiteral("RMA_FORMAPAGO."), header))
            w.check(Status::failure(QStringLiteral("RMA_FORMAPAGO")));
    }
    w.set(QStringLiteral("RMA_STATUSDOC"), process ? int(DocStatus::Recibido) : int(DocStatus::Pendiente));
    const QString line = (process ? QStringLiteral("- RMA RECIBIDO : ") : QStringLiteral("- RMA GUARDADO : ")) + logStamp();
    w.set(QStringLiteral("RMA_LOG"), appendLogLine(header.text(QStringLiteral("RMA_LOG")), line, logDate()));
    if (w.status())
        w.check(header.post());
    if (!w.status()) {
        header.cancel();
        return w.status();
    }
    headerKey = header.integer(QStringLiteral("RMA_AUTOINC"));
    return Status::ok();
}

Status writeCounter(const std::shared_ptr<Database> &db, const QString &number)
{
    Table config;
    if (Status s = openTable(config, QStringLiteral("k9RMAConfig"), db); !s)
        return s;
    if (!config.first())
        return config.lastStatus() ? Status::failure(QStringLiteral("k9RMAConfig sin registro")) : config.lastStatus();
    if (Status s = config.edit(); !s)
        return s;
    if (Status s = config.setValue(QStringLiteral("FC_RMA"), number.toLongLong()); !s) {
        config.cancel();
        return s;
    }
    return config.post();
}

Status writeItems(const std::shared_ptr<Database> &db, const ReceptionDocument &document, SaveCommand command,
                  qint64 headerKey, const QString &code, Money taxRate)
{
    Table items;
    if (Status s = openTable(items, QStringLiteral("k9DetalleRecepcion"), db); !s)
        return s;
    const bool process = command == SaveCommand::Procesar;
    const auto ownRow = [&](const QString &key) {
        return !key.isEmpty() && items.gotoRowId(key.toLongLong())
               && items.integer(QStringLiteral("RMD_AUTOINCRMA")) == headerKey;
    };
    if (!document.isNew()) {
        for (const QString &key : document.deletedKeys()) {
            if (ownRow(key)) {
                if (Status s = items.remove(); !s)
                    return s;
            } else if (!items.lastStatus()) {
                return items.lastStatus();
            }
        }
    }

    Table appointments;
    for (const TRMAReg &item : document.items()) {
        Writer w(items);
        if (!document.isNew() && ownRow(item.itemKey)) {
            w.check(items.edit());
            if (process)
                w.set(QStringLiteral("RMD_CODIGORMA"), code);
        } else {
            if (!items.lastStatus())
                return items.lastStatus();
            items.insert();
            w.set(QStringLiteral("RMD_CODIGORMA"), code);
            w.set(QStringLiteral("RMD_AUTOINCRMA"), headerKey);
        }
        w.set(QStringLiteral("RMD_STATUS"), process ? int(DocStatus::Recibido) : int(DocStatus::Pendiente));
        w.set(QStringLiteral("RMD_CODPRODUCTO"), item.productCode);
        w.set(QStringLiteral("RMD_SERIAL"), item.serial);
        w.set(QStringLiteral("RMD_FECHA"), item.receptionDate);
        w.set(QStringLiteral("RMD_RAZON"), item.reason);
        w.set(QStringLiteral("RMD_PRIORIDAD"), item.priority);
        w.set(QStringLiteral("RMD_RECIBIDO"), item.receivedAs);
        w.set(QStringLiteral("RMD_DETALLE"), item.condition);
        w.set(QStringLiteral("RMD_DETALLE2"), item.faults);
        w.set(QStringLiteral("RMD_CANTIDAD"), itemQuantity(item.quantity));
        w.set(QStringLiteral("RMD_DOCFACT"), item.invoice);
        w.set(QStringLiteral("RMD_TIEMPOGARANT"), 0);
        w.set(QStringLiteral("RMD_FECHAVEN"), item.warrantyExpiry.isValid() ? QVariant(item.warrantyExpiry) : QVariant());
        w.set(QStringLiteral("RMD_TERCERO"), item.outsideParty);
        w.set(QStringLiteral("RMD_CODRMD"), item.previousReception);
        w.set(QStringLiteral("RMD_FROMK9"), item.fromHost);
        w.set(QStringLiteral("RMD_EMPRECEPTOR"), item.receiverCode);
        w.set(QStringLiteral("RMD_PRECIOADELANTO"), money(item.advance));
        w.set(QStringLiteral("RMD_PRECIOOTRO"), money(item.revisionAmount));
        w.set(QStringLiteral("RMD_TOTALREV"), money(taxOf(item.revisionAmount, taxRate) + item.revisionAmount));
        for (const TNewCampos &field : item.userFields)
            w.set(field.fieldName, storedFieldValue(field));
        if (w.status()
            && !GuardarBlob(QStringLiteral("RMD_COMPONENTES"), kComponentImageSize, encodeComponents(item.components),
                            QStringLiteral("Componentes."), items))
            w.check(Status::failure(QStringLiteral("RMD_COMPONENTES")));
        if (w.status() && item.fromAppointment && !item.appointmentKey.isEmpty()) {
            w.check(openTable(appointments, QStringLiteral("k9RMACitas"), db));
            if (w.status() && appointments.gotoRowId(item.appointmentKey.toLongLong())) {
                w.check(appointments.edit());
                if (w.status())
                    w.check(appointments.setValue(QStringLiteral("RMC_STATUS"), int(AppointmentStatus::Citado)));
                if (w.status())
                    w.check(appointments.post());
            } else {
                w.check(appointments.lastStatus());
            }
        }
        if (w.status())
            w.check(items.post());
        if (!w.status()) {
            items.cancel();
            return w.status();
        }
    }
    return Status::ok();
}

} // namespace k9::receptionwrites
