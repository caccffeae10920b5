#pragma once

#include "core/Globals.h"
#include "core/Records.h"

#include <QList>
#include <QString>

// The customer's purchases of the reception window: the sales invoice lines of the customer
// in the current period and, when the options ask for it, in the history periods, each with
// the serial sold.

namespace k9 {

// How the search shows that it runs and lets the user stop it. The window answers with its
// "Buscando...." panel and progress meter.
class PurchaseSearchMonitor
{
public:
    virtual ~PurchaseSearchMonitor() = default;
    // The "Buscando...." panel (and the meter) shown or hidden.
    virtual void showPanel(bool shown) { (void)shown; }
    virtual void progress(int percent) { (void)percent; }
    // Whether the user pressed Esc or clicked the panel since the last call.
    virtual bool stopRequested() { return false; }
    // The rows read so far, shown before the question about the history.
    virtual void showRows(const QList<TProdCompReg> &rows) { (void)rows; }
};

struct PurchaseSearchResult
{
    QList<TProdCompReg> rows;
    bool cancelled = false; // the user stopped it: the rows read so far are kept
    bool failed = false;    // "Error al introducir los datos del cliente." was shown
};

// The first history period searched: the number that ends FC_PERIODOHISTO ("PERIODO_3" is
// 3); 1 when the option is empty or does not end in a digit.
int firstHistoryPeriod(const QString &option);

// The search. The current period's lines come from SDetalleVenta of `dataDir`; the history
// periods are the directories `historyDir` + "PERIODO_" + n from firstHistoryPeriod()
// upwards while they exist, at most FC_NROPERIODOSBUSQ of them holding HIST_SDetalleVenta.
// Between rows a stop request asks "Desea cancelar la busqueda?"; Yes ends the search.
// With FC_CONFIRBUSQHIST the history is searched only when "Desea realizar la búsqueda en
// el historial?" is answered Yes. A serial that cannot be looked up says "Error al buscar
// serial del producto \"" + code + "\"." and the row goes on with "S/N".
// Empty directories mean the workspace's DirDatos and DirHistorialRMA.
PurchaseSearchResult searchCustomerPurchases(const QString &customer, PurchaseSearchMonitor &monitor,
                                             const ModuleOptions &opts = options(), const QString &dataDir = QString(),
                                             const QString &historyDir = QString());

} // namespace k9
