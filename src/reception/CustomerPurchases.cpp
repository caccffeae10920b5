#include "reception/CustomerPurchases.h"

#include "core/Messages.h"
#include "data/Query.h"
#include "data/Workspace.h"

#include <QDir>

namespace k9 {

namespace {

constexpr int kSalesInvoice = 11; // FDI_TIPOOPERACION of the host suite's sales invoice
constexpr int kProcessedLine = 1; // FDI_STATUS

const QString kNoSerial = QStringLiteral("S/N");

// The sales lines of one period joined with their products; `linesTable` and
// `productsTable` are the (qualified) table names.
QString purchasesSql(const QString &linesTable, const QString &productsTable)
{
    return QStringLiteral("SELECT FDI_TIPOOPERACION, FDI_DOCUMENTO, FDI_CODIGO, FDI_AUTOINCREMENT, "
                          "FDI_CLIENTEPROVEEDOR, FDI_CANTIDAD, FI_CODIGO, FI_DESCRIPCION, FI_MARCA, "
                          "FDI_FECHAOPERACION, FDI_OPERACION_AUTOINCREMENT FROM ")
           + linesTable + QStringLiteral(", ") + productsTable
           + QStringLiteral(" WHERE (FDI_CODIGO = FI_CODIGO) AND (FDI_TIPOOPERACION = :type) "
                            "AND (FDI_CLIENTEPROVEEDOR = :customer) AND (FDI_STATUS = :status) "
                            "ORDER BY FDI_AUTOINCREMENT");
}

struct SoldLine
{
    TProdCompReg row;
    qint64 operationKey = 0;
};

class Search
{
public:
    Search(const QString &customer, PurchaseSearchMonitor &monitor, std::shared_ptr<Database> data)
        : m_customer(customer), m_monitor(monitor), m_data(std::move(data))
    {
    }

    PurchaseSearchResult result;

    // Reads the lines of one period and adds them with their serials. False when the
    // query failed.
    bool addPeriod(Database &db, const QString &linesTable, const QString &productsTable)
    {
        Query q(db);
        const QVariantMap values{{QStringLiteral(":type"), kSalesInvoice},
                                 {QStringLiteral(":customer"), m_customer},
                                 {QStringLiteral(":status"), kProcessedLine}};
        if (!q.run(purchasesSql(linesTable, productsTable), values))
            return false;
        QList<SoldLine> lines;
        while (q.next()) {
            SoldLine l;
            l.row.salesDocument = q.text(QStringLiteral("FDI_DOCUMENTO"));
            l.row.saleDate = q.dateTime(QStringLiteral("FDI_FECHAOPERACION"));
            l.row.productCode = q.text(QStringLiteral("FDI_CODIGO"));
            l.row.description = q.text(QStringLiteral("FI_DESCRIPCION"));
            l.row.brand = q.text(QStringLiteral("FI_MARCA"));
            l.row.quantity = q.money(QStringLiteral("FDI_CANTIDAD"));
            l.operationKey = q.integer(QStringLiteral("FDI_OPERACION_AUTOINCREMENT"));
            lines << l;
        }
        q.finish();
        for (int i = 0; i < lines.size(); ++i) {
            if (stopped())
                return true;
            TProdCompReg row = lines[i].row;
            row.serial = serialOf(lines[i]);
            result.rows << row;
            m_monitor.progress(int((i + 1) * 100 / lines.size()));
        }
        return true;
    }

    // A pending stop request asks whether to stop; Yes ends the search.
    bool stopped()
    {
        if (result.cancelled)
            return true;
        if (!m_monitor.stopRequested())
            return false;
        m_monitor.showPanel(false);
        if (messages().ask(QStringLiteral("Desea cancelar la busqueda?"))) {
            result.cancelled = true;
            return true;
        }
        m_monitor.showPanel(true);
        return false;
    }

private:
    // The serial sold on the line: the first one recorded for the line's operation,
    // document and product.
    QString serialOf(const SoldLine &line)
    {
        Query q(*m_data);
        const Status s = q.run(QStringLiteral("SELECT FS_SERIAL FROM Sseriales WHERE (FS_OPERACIONAUTOINCREMENT = :op) "
                                              "AND (FS_DOCUMENTO = :doc) AND (FS_CODIGOP = :code) "
                                              "ORDER BY FS_SERIAL LIMIT 1"),
                               {{QStringLiteral(":op"), line.operationKey},
                                {QStringLiteral(":doc"), line.row.salesDocument},
                                {QStringLiteral(":code"), line.row.productCode}});
        if (!s) {
            messages().error(QStringLiteral("Error al buscar serial del producto \"") + line.row.productCode
                             + QStringLiteral("\"."));
            return kNoSerial;
        }
        return q.next() ? q.text(QStringLiteral("FS_SERIAL")) : kNoSerial;
    }

    QString m_customer;
    PurchaseSearchMonitor &m_monitor;
    std::shared_ptr<Database> m_data;
};

PurchaseSearchResult failed(PurchaseSearchMonitor &monitor)
{
    monitor.showPanel(false);
    messages().error(QStringLiteral("Error al introducir los datos del cliente."));
    PurchaseSearchResult r;
    r.failed = true;
    return r;
}

} // namespace

int firstHistoryPeriod(const QString &option)
{
    const QString text = option.trimmed();
    int start = int(text.size());
    while (start > 0 && text.at(start - 1).isDigit())
        --start;
    bool ok = false;
    const int period = text.mid(start).toInt(&ok);
    return ok ? period : 1;
}

PurchaseSearchResult searchCustomerPurchases(const QString &customer, PurchaseSearchMonitor &monitor,
                                             const ModuleOptions &opts, const QString &dataDir,
                                             const QString &historyDir)
{
    const QString data = dataDir.isEmpty() ? paths().DirDatos : dataDir;
    const QString history = withSlash(historyDir.isEmpty() ? paths().DirHistorialRMA : historyDir);
    const std::shared_ptr<Database> db = Database::shared(data);
    if (!db)
        return failed(monitor);

    monitor.progress(0);
    monitor.showPanel(true);
    Search search(customer, monitor, db);
    if (!search.addPeriod(*db, QStringLiteral("SDetalleVenta"), QStringLiteral("SInventario")))
        return failed(monitor);

    if (opts.FC_BUSQHISTORIAL && !search.result.cancelled) {
        bool wanted = true;
        if (opts.FC_CONFIRBUSQHIST) {
            monitor.showPanel(false);
            monitor.showRows(search.result.rows);
            wanted = messages().ask(QStringLiteral("Desea realizar la búsqueda en el historial?"));
            if (wanted)
                monitor.showPanel(true);
        }
        int searched = 0;
        for (int period = firstHistoryPeriod(opts.FC_PERIODOHISTO);
             wanted && searched < opts.FC_NROPERIODOSBUSQ && !search.result.cancelled; ++period) {
            const QString dir = history + QStringLiteral("PERIODO_") + QString::number(period);
            if (!QDir(dir).exists())
                break;
            if (!Database::existsIn(dir))
                continue;
            Status status = Status::ok();
            const std::shared_ptr<Database> periodDb = Database::open(dir, Database::OpenMode::Existing, &status);
            if (!periodDb)
                return failed(monitor);
            if (!periodDb->hasTable(QStringLiteral("HIST_SDetalleVenta")))
                continue;
            ++searched;
            monitor.progress(0);
            if (!periodDb->attach(data, QStringLiteral("datos"))
                || !search.addPeriod(*periodDb, QStringLiteral("HIST_SDetalleVenta"), QStringLiteral("datos.SInventario")))
                return failed(monitor);
        }
    }
    monitor.showPanel(false);
    return search.result;
}

} // namespace k9
