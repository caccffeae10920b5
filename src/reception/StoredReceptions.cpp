#include "reception/StoredReceptions.h"

#include "core/BlobImages.h"
#include "core/CodeLists.h"
#include "core/Messages.h"
#include "core/Regional.h"
#include "data/Query.h"
#include "data/TableHelpers.h"
#include "data/Workspace.h"
#include "reception/ReceptionSave.h"
#include "reception/ReceptionTables.h"
#include "reception/ReceptionWrites.h"

namespace k9 {

ReceptionFilter pendingReceptionsFilter()
{
    return {QStringLiteral("(RMA_STATUSDOC = ?)"), {int(DocStatus::Pendiente)}};
}

ReceptionFilter reprintableReceptionsFilter()
{
    return {QStringLiteral("NOT (RMA_STATUSDOC = ?) AND (RMA_CODIGO <> ?)"),
            {int(DocStatus::Pendiente), QString(kPendingDocumentCode)}};
}

ReceptionFilter voidableReceptionsFilter()
{
    return {QStringLiteral("(RMA_STATUSDOC IN (?, ?, ?))"),
            {int(DocStatus::Pendiente), int(DocStatus::Recibido), int(DocStatus::Presupuestado)}};
}

namespace {

const QString kDocumentRows = QStringLiteral("SELECT * FROM k9Recepcion, k9DetalleRecepcion"
                                             " WHERE (RMA_AUTOINC = RMD_AUTOINCRMA) AND (RMA_AUTOINC = :key)"
                                             " ORDER BY RMD_CODIGO");

std::shared_ptr<Database> openBoth(const QString &rmaDir, const QString &dataDir, Status &status)
{
    return Database::openModuleAndData(rmaDir.isEmpty() ? paths().DirRMA : rmaDir,
                                       dataDir.isEmpty() ? paths().DirDatos : dataDir, &status);
}

// A stored user-defined value as the item's controls hold it as text.
QString valueText(const QVariant &stored, int kind)
{
    if (!stored.isValid() || stored.isNull())
        return QString();
    switch (kind) {
    case ControlKind::NumberEdit:
        return formatAmountTrimmed(Money::fromRaw(stored.toLongLong()), regional().amountDecimals);
    case ControlKind::DateEdit:
        return formatDate(QDate::fromString(stored.toString().left(10), Qt::ISODate));
    case ControlKind::CheckBox:
        return stored.toLongLong() != 0 ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return stored.toString();
    }
}

} // namespace

StoredReceptions::StoredReceptions(const QString &rmaDir, const QString &dataDir)
    : m_rmaDir(rmaDir), m_dataDir(dataDir)
{
}

std::optional<LoadedReception> StoredReceptions::load(const QString &key, ReceptionDocument &document,
                                                      const QList<UserFieldDefinition> &fields)
{
    const auto failed = [] {
        messages().inform(QStringLiteral("Error al cargar documento RMA."));
        return std::optional<LoadedReception>();
    };
    Status status = Status::ok();
    auto db = openBoth(m_rmaDir, m_dataDir, status);
    if (!db)
        return failed();
    Query query(*db);
    if (!query.run(kDocumentRows, {{QStringLiteral(":key"), key.toLongLong()}}) || !query.next())
        return failed();

    ReceptionTables lookups(m_dataDir, m_rmaDir);
    ReceptionDocument loaded;
    loaded.reset(document.nextNumber());
    LoadedReception result;
    const QString customerCode = query.text(QStringLiteral("RMA_CODCLIENTE"));
    loaded.setCustomer(lookups.customer(customerCode).value_or(CustomerInfo{customerCode, {}, {}, {}}), false);
    loaded.setContact(query.text(QStringLiteral("RMA_CONTACTO")), query.text(QStringLiteral("RMA_TLFCONTACTO")));
    loaded.setLoaded(key, query.text(QStringLiteral("RMA_CODIGO")));
    result.salesmanCode = query.text(QStringLiteral("RMA_VENDEDOR"));
    result.date = query.date(QStringLiteral("RMA_FECHA"));
    result.products = int(query.integer(QStringLiteral("RMA_NROPRODUCTOS")));

    do {
        TRMAReg item;
        item.itemKey = QString::number(query.integer(QStringLiteral("RMD_CODIGO")));
        item.productCode = query.text(QStringLiteral("RMD_CODPRODUCTO"));
        item.condition = query.text(QStringLiteral("RMD_DETALLE"));
        item.faults = query.text(QStringLiteral("RMD_DETALLE2"));
        item.invoice = query.text(QStringLiteral("RMD_DOCFACT"));
        item.receptionDate = query.dateTime(QStringLiteral("RMD_FECHA"));
        item.warrantyExpiry = query.dateTime(QStringLiteral("RMD_FECHAVEN"));
        item.reason = int(query.integer(QStringLiteral("RMD_RAZON")));
        item.priority = int(query.integer(QStringLiteral("RMD_PRIORIDAD")));
        item.receivedAs = int(query.integer(QStringLiteral("RMD_RECIBIDO")));
        item.quantity = int(query.integer(QStringLiteral("RMD_CANTIDAD")));
        item.outsideParty = query.boolean(QStringLiteral("RMD_TERCERO"));
        item.warrantyMonths = int(query.integer(QStringLiteral("RMD_TIEMPOGARANT")));
        item.revisionAmount = query.money(QStringLiteral("RMD_PRECIOOTRO"));
        item.advance = query.money(QStringLiteral("RMD_PRECIOADELANTO"));
        item.fromHost = query.boolean(QStringLiteral("RMD_FROMK9"));
        item.serial = query.text(QStringLiteral("RMD_SERIAL"));
        item.previousReception = query.text(QStringLiteral("RMD_CODRMD"));
        item.receiverCode = query.text(QStringLiteral("RMD_EMPRECEPTOR"));
        item.receiverName = lookups.employeeName(item.receiverCode);
        if (const auto product = lookups.product(item.productCode, item.fromHost)) {
            item.description = product->description;
            item.subcategory = product->subcategory;
            item.brand = product->brand;
            const QString categoryName = lookups.categoryDescription(product->category);
            item.category = categoryName.isEmpty() ? product->category : categoryName;
        }
        item.components = decodeComponents(query.blob(QStringLiteral("RMD_COMPONENTES")));
        for (const UserFieldDefinition &field : fields) {
            if (!field.inUse)
                continue;
            const int kind = defaultControlKind(field.type);
            item.userFields << TNewCampos{field.control, kind, valueText(query.value(field.field), kind), field.field};
        }
        if (loaded.insertItem(item) != ReceptionDocument::InsertResult::Added)
            return failed();
    } while (query.next());

    document = loaded;
    return result;
}

std::optional<PrintDocument> StoredReceptions::reprintDocument(const QString &key)
{
    const auto failed = [] {
        messages().inform(QStringLiteral("Error al obtener datos para la reimpresión."));
        return std::optional<PrintDocument>();
    };
    Status status = Status::ok();
    auto db = openBoth(m_rmaDir, m_dataDir, status);
    if (!db)
        return failed();
    Query query(*db);
    if (!query.run(kDocumentRows, {{QStringLiteral(":key"), key.toLongLong()}}) || !query.next())
        return failed();

    ReceptionPrintHeader header;
    header.code = query.text(QStringLiteral("RMA_CODIGO"));
    header.name = query.text(QStringLiteral("RMA_CONTACTO"));
    header.phone = query.text(QStringLiteral("RMA_TLFCONTACTO"));
    header.gross = query.money(QStringLiteral("RMA_MONTOBRUTOREV"));
    header.tax = query.money(QStringLiteral("RMA_MONTOIVAREV"));
    header.total = header.gross + header.tax;
    header.advance = query.money(QStringLiteral("RMA_ADELANTO"));
    for (const PaymentSlot &slot : decodePaymentSlots(query.blob(QStringLiteral("RMA_FORMAPAGO"))))
        header.paid += slot.amount;
    const QString customer = query.text(QStringLiteral("RMA_CODCLIENTE"));
    const QString salesman = query.text(QStringLiteral("RMA_VENDEDOR"));

    QList<ReceptionPrintItem> items;
    do {
        const QString code = query.text(QStringLiteral("RMD_CODPRODUCTO"));
        const bool fromHost = query.boolean(QStringLiteral("RMD_FROMK9"));
        items << ReceptionPrintItem{code,
                                    query.text(QStringLiteral("RMD_SERIAL")),
                                    receptionwrites::productDescription(*db, code, fromHost),
                                    int(query.integer(QStringLiteral("RMD_CANTIDAD"))),
                                    int(query.integer(QStringLiteral("RMD_RECIBIDO"))),
                                    int(query.integer(QStringLiteral("RMD_RAZON"))),
                                    query.money(QStringLiteral("RMD_PRECIOADELANTO")),
                                    query.money(QStringLiteral("RMD_TOTALREV")),
                                    query.text(QStringLiteral("RMD_DETALLE")),
                                    query.text(QStringLiteral("RMD_DETALLE2"))};
    } while (query.next());

    Query lookup(*db);
    if (lookup.run(QStringLiteral("SELECT FC_DIRECCION1, FC_RIF FROM datos.SClientes WHERE FC_CODIGO = :code"),
                   {{QStringLiteral(":code"), customer}})
        && lookup.next()) {
        header.address = lookup.text(QStringLiteral("FC_DIRECCION1"));
        header.taxId = lookup.text(QStringLiteral("FC_RIF"));
    }
    if (lookup.run(QStringLiteral("SELECT FV_DESCRIPCION FROM datos.SVendedores WHERE FV_CODIGO = :code"),
                   {{QStringLiteral(":code"), salesman}})
        && lookup.next())
        header.salesman = lookup.text(QStringLiteral("FV_DESCRIPCION"));
    return receptionPrintDocument(header, items);
}

bool StoredReceptions::reprint(const QString &key, PrintStep &print)
{
    const auto document = reprintDocument(key);
    if (!document)
        return false;
    if (!print.print(*document, true)) {
        messages().inform(QStringLiteral("Error al obtener datos para la reimpresión."));
        return false;
    }
    return true;
}

bool StoredReceptions::voidDocument(const QString &key, const QString &code)
{
    const auto failed = [] {
        messages().error(QStringLiteral("Error al intentar anular el documento, verifique la tabla recepción."));
        return false;
    };
    Status status = Status::ok();
    auto db = openBoth(m_rmaDir, m_dataDir, status);
    if (!db)
        return failed();
    Table header;
    if (!AbrirTabla(header, QStringLiteral("k9Recepcion"), db) || !header.isActive())
        return failed();
    const bool found = header.gotoRowId(key.toLongLong()) && header.text(QStringLiteral("RMA_CODIGO")) == code;
    if (!header.lastStatus())
        return failed();
    if (!found) {
        messages().inform(QStringLiteral("El Doc. RMA \"") + code
                          + QStringLiteral("\" no fue encontrado, verifique la tabla de recepción."));
        return false;
    }
    if (!messages().ask(QStringLiteral("Desea anular el documento RMA \"") + code + QStringLiteral("\"?")))
        return false;

    qint64 operation = -1;
    const int docStatus = int(header.integer(QStringLiteral("RMA_STATUSDOC")));
    if (docStatus != DocStatus::Pendiente && docStatus != DocStatus::Recibido) {
        Query query(*db);
        const QString sql = QStringLiteral("SELECT FRI_AUTOINCREMENT FROM k9RMAOperaciones"
                                           " WHERE FRI_DOCRMA = :code AND FRI_TIPO = :type ORDER BY FRI_AUTOINCREMENT LIMIT 1");
        const std::pair<int, QString> kinds[] = {
            {OperationType::Servicio, QStringLiteral("\" se encuentra en servicio. Desea anular el documento?")},
            {OperationType::Presupuesto, QStringLiteral("\" esta Presupuestado. Desea anular el documento?")},
        };
        for (const auto &[type, question] : kinds) {
            if (!query.run(sql, {{QStringLiteral(":code"), code}, {QStringLiteral(":type"), type}}))
                return failed();
            if (query.next()) {
                operation = query.integer(QStringLiteral("FRI_AUTOINCREMENT"));
                if (!messages().ask(QStringLiteral("El Doc. RMA \"") + code + question))
                    return false;
                break;
            }
        }
    }

    Transaction transaction(*db);
    if (!transaction.beginStatus())
        return failed();
    if (operation >= 0
        && !db->exec(QStringLiteral("UPDATE k9RMAOperaciones SET FRI_STATUS = ? WHERE FRI_AUTOINCREMENT = ?"),
                     {int(OperationStatus::Anulado), operation}))
        return failed();
    // Re-read under the write lock: the row may have changed since the questions.
    if (!header.gotoRowId(key.toLongLong()) || !header.edit())
        return failed();
    const bool pending = header.text(QStringLiteral("RMA_CODIGO")) == kPendingDocumentCode;
    Status s = header.setValue(QStringLiteral("RMA_STATUSDOC"), int(DocStatus::Anulado));
    if (s)
        s = header.setValue(QStringLiteral("RMA_FECHATERMINO"), QDate::currentDate());
    if (s && pending)
        s = header.setValue(QStringLiteral("RMA_CODIGO"), QString(kAnnulledDocumentCode));
    if (s)
        s = header.setValue(QStringLiteral("RMA_LOG"), header.text(QStringLiteral("RMA_LOG")) + QStringLiteral("\r\n\r\n")
                                                            + QStringLiteral("- RMA ANULADO :") + logStamp());
    if (s)
        s = header.post();
    if (!s) {
        header.cancel();
        return failed();
    }
    // Every item of the document: an item left open would still count as received in the
    // duplicate check of the reception.
    if (!db->exec(QStringLiteral("UPDATE k9DetalleRecepcion SET RMD_STATUS = CASE WHEN RMD_CODIGORMA = ? THEN ? ELSE ? END"
                                 " WHERE RMD_AUTOINCRMA = ?"),
                  {QString(kPendingDocumentCode), int(DocStatus::Anulado), int(DocStatus::Devuelto), key.toLongLong()}))
        return failed();
    if (!transaction.commit())
        return failed();
    messages().inform(QStringLiteral("El documento RMA fue anulado."));
    return true;
}

} // namespace k9
