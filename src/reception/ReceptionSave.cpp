#include "reception/ReceptionSave.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Regional.h"
#include "data/Query.h"
#include "data/Workspace.h"
#include "reception/ReceptionWrites.h"

#include <QDateTime>

namespace k9 {

using namespace receptionwrites;

QString logDate()
{
    return QDate::currentDate().toString(regional().shortDateFormat);
}

QString logStamp()
{
    return QStringLiteral("Fecha ") + logDate() + QStringLiteral(" - Hora ")
           + QTime::currentTime().toString(regional().shortTimeFormat);
}

QString appendLogLine(const QString &log, const QString &line, const QString &date)
{
    if (log.isEmpty())
        return QStringLiteral("***** Fecha creación del LOG : ") + date + QStringLiteral(" *****\r\n\r\n") + line;
    return log + QStringLiteral("\r\n\r\n") + line;
}

namespace {

const QString kHeaderError = QStringLiteral("Error al introducir los datos en la tabla k9Recepcion. Transacción cancelada.");
const QString kItemsError = QStringLiteral("Error al introducir los datos en la tabla k9RecepcionDetalle. Transacción cancelada.");

// The step-4 question for every item already in another open document; false when the
// user answers No (or the table cannot be read).
bool confirmDuplicates(Database &db, const ReceptionDocument &document)
{
    for (const TRMAReg &item : document.items()) {
        Status status = Status::ok();
        const QString other = openDuplicateOf(db, item, status);
        if (!status) {
            messages().error(status.message());
            return false;
        }
        if (other.isEmpty())
            continue;
        const QString text = QStringLiteral("El producto \"") + item.description + QStringLiteral("\" con el serial [")
                             + item.serial + QStringLiteral("] ya ") + QStringLiteral("\r\n")
                             + QStringLiteral("se encuentra en el sistema, Doc. [") + other.trimmed()
                             + QStringLiteral("]. Desea continuar?");
        if (!messages().ask(text))
            return false;
    }
    return true;
}

ReceptionPrintHeader printHeader(Database &db, const ReceptionDocument &document, const QString &number,
                                 const Salesman &salesman, const ReceptionTotals &totals, const PaymentTotals &payment)
{
    ReceptionPrintHeader header;
    header.code = number;
    Query query(db);
    if (query.run(QStringLiteral("SELECT FC_DESCRIPCION, FC_DIRECCION1, FC_RIF, FC_TELEFONO FROM datos.SClientes"
                                 " WHERE FC_CODIGO = :code"),
                  {{QStringLiteral(":code"), document.customer().code}})
        && query.next()) {
        header.name = query.text(QStringLiteral("FC_DESCRIPCION"));
        header.address = query.text(QStringLiteral("FC_DIRECCION1"));
        header.taxId = query.text(QStringLiteral("FC_RIF"));
        header.phone = query.text(QStringLiteral("FC_TELEFONO"));
    }
    header.salesman = salesman.name;
    header.gross = totals.revision;
    header.tax = totals.tax;
    header.advance = totals.advance;
    header.total = totals.revision + totals.tax;
    for (const PaymentSlot &slot : payment.payments)
        header.paid += slot.amount;
    return header;
}

} // namespace

ReceptionSave::ReceptionSave(PaymentStep &payment, PrintStep &print, const QString &rmaDir, const QString &dataDir)
    : m_payment(payment), m_print(print), m_rmaDir(rmaDir), m_dataDir(dataDir)
{
}

SaveOutcome ReceptionSave::run(SaveCommand command, ReceptionDocument &document, const Salesman &salesman)
{
    SaveOutcome outcome;
    const bool process = command == SaveCommand::Procesar;
    if (!document.requireCustomer())
        return outcome;
    if (document.contactName().isEmpty() || document.contactPhone().isEmpty()) {
        messages().inform(QStringLiteral("Faltan datos del contacto por ingresar."));
        outcome.result = SaveOutcome::Result::NeedsContact;
        return outcome;
    }
    if (!document.hasItems()) {
        messages().inform(QStringLiteral("Para poder guardar o procesar el documento introduzca un ítem como mínimo."));
        return outcome;
    }

    Status status = Status::ok();
    const QString rmaDir = m_rmaDir.isEmpty() ? paths().DirRMA : m_rmaDir;
    const QString dataDir = m_dataDir.isEmpty() ? paths().DirDatos : m_dataDir;
    std::shared_ptr<Database> db = Database::openModuleAndData(rmaDir, dataDir, &status);
    if (!db) {
        messages().error(kHeaderError + QStringLiteral("\r\n") + status.message());
        outcome.result = SaveOutcome::Result::Failed;
        return outcome;
    }

    if (!confirmDuplicates(*db, document))
        return outcome;
    if (!messages().ask(process ? QStringLiteral("Desea procesar el documento?") : QStringLiteral("Desea guardar el documento?")))
        return outcome;

    const Money taxRate = taxDefaults().TasaImpuesto1;
    const ReceptionTotals totals = document.totals(taxRate);
    outcome.operationTotal = totals.revision + totals.tax + totals.advance;
    const qint64 box = options().FC_CODECAJACHICA;
    if (process && totals.revision + totals.advance > Money()) {
        Query query(*db);
        const Status read = query.run(QStringLiteral("SELECT FMC_CODE FROM datos.SCajaMaestro WHERE FMC_CODE = :box"),
                                      {{QStringLiteral(":box"), box}});
        if (!read || !query.next()) {
            messages().warn(QStringLiteral("No se encontró una caja chica asociada al módulo, verifique en la "
                                           "configuración la caja chica asignada."));
            return outcome;
        }
        const QString cashTable = QStringLiteral("SCajaMayor") + QString::number(box);
        if (!db->hasTable(cashTable, Database::kDataAlias)) {
            messages().warn(QStringLiteral("La Tabla \"") + cashTable + QStringLiteral("\" no se encontró en la ruta, verifique la ruta \"")
                            + withSlash(dataDir) + QStringLiteral("\" de la tabla."));
            return outcome;
        }
        const PaymentResult paid = m_payment.takePayment(
            {outcome.operationTotal, document.contactName(), QStringLiteral("Total Factura : ") + taxDefaults().SimboloMoneda + QStringLiteral(" ")});
        if (paid.cancelled) {
            outcome.result = SaveOutcome::Result::Cancelled;
            return outcome;
        }
        outcome.paid = true;
        outcome.payment = paymentTotals(paid.lines, paid.change);
    }

    // Everything from here on is one transaction on both directories, taken with the write
    // lock: the counter read here cannot be taken by another workstation before we commit.
    const auto fail = [&](const QString &message, const Status &cause) {
        messages().error(message + (cause.message().isEmpty() ? QString() : QStringLiteral("\r\n") + cause.message()));
        outcome.result = SaveOutcome::Result::Failed;
        return outcome;
    };
    Transaction transaction(*db);
    if (!transaction.beginStatus())
        return fail(kHeaderError, transaction.beginStatus());

    QString number = QString(kPendingDocumentCode);
    const bool numbered = process && (document.isNew() || document.loadedCode() == kPendingDocumentCode);
    if (numbered) {
        number = freeNumber(*db, document.nextNumber(), status);
        if (!status)
            return fail(kHeaderError, status);
        outcome.renumbered = number != document.nextNumber();
    }

    if (outcome.paid) {
        Savepoint pettyCash(*db, QStringLiteral("cajachica"));
        status = pettyCash.beginStatus();
        if (status)
            status = postPettyCash(db, box,
                                   QStringLiteral("Nro. RMA ") + number + QStringLiteral(" A Nombre de : ") + document.customer().name,
                                   outcome.payment);
        if (status) {
            status = pettyCash.release();
        }
        if (!status) {
            if (!messages().ask(QStringLiteral("Error al incluir el pago a Caja Chica, verifique la configuración de la caja "
                                               "chica. Desea continuar sin cancelar la transacción?"))) {
                outcome.result = SaveOutcome::Result::Failed;
                return outcome;
            }
            if (Status undone = pettyCash.rollback(); !undone)
                return fail(kHeaderError, undone);
        }
    }

    HeaderValues header{command, number, salesman, totals, outcome.payment};
    qint64 headerKey = 0;
    status = writeHeader(db, document, header, headerKey, outcome.number);
    if (!status)
        return fail(kHeaderError, status);

    if (numbered) {
        if (Status counter = writeCounter(db, number); !counter)
            messages().error(QStringLiteral("Error al incrementar el correlativo de los documentos RMA. Verifique al "
                                            "terminar la trasacción el Nro. del siguiente correlativo."));
    }

    status = writeItems(db, document, command, headerKey, outcome.number, taxRate);
    if (!status)
        return fail(kItemsError, status);

    status = transaction.commit();
    if (!status)
        return fail(kHeaderError, status);
    outcome.result = SaveOutcome::Result::Saved;

    if (outcome.renumbered)
        messages().inform(QStringLiteral("El Nro. de documento [") + document.nextNumber()
                          + QStringLiteral("] fue utilizado por otra estación. El documento se guardó con el Nro. [")
                          + outcome.number + QStringLiteral("]."));

    if (process) {
        // Printed once the transaction is committed, so that no lock is held while the print
        // window is open; a printing error leaves the document stored.
        QList<ReceptionPrintItem> printed;
        for (const TRMAReg &item : document.items())
            printed << ReceptionPrintItem{item.productCode,   item.serial,        productDescription(*db, item.productCode, item.fromHost),
                                          item.quantity,      item.receivedAs,    item.reason,
                                          item.advance,       item.revisionAmount, item.condition,
                                          item.faults};
        const PrintDocument doc = receptionPrintDocument(
            printHeader(*db, document, outcome.number, salesman, totals, outcome.payment), printed);
        outcome.printed = m_print.print(doc, false);
        if (!outcome.printed)
            messages().inform(QStringLiteral("Error al imprimir el documento."));
    }

    QString next = document.nextNumber();
    if (process) {
        Query query(*db);
        if (query.run(QStringLiteral("SELECT FC_RMA FROM k9RMAConfig LIMIT 1")) && query.next())
            next = nextDocumentNumber(query.integer(QStringLiteral("FC_RMA")));
    }
    document.reset(next);
    return outcome;
}

} // namespace k9
