#pragma once

// Receptions, budgets and service orders as the module stores them, written through one
// prepared statement per table.

#include "workspace/DemoContext.h"

#include "core/BlobImages.h"
#include "core/Records.h"

namespace k9::workspace::demo {

struct ItemSpec
{
    QString product;
    bool fromHost = true;
    QString serial;
    QString invoice;
    QDateTime warrantyExpiry; // null: none entered
    QString receiver;         // employee code
    QString condition;
    QString fault;
    int reason = Reason::Reparacion;
    int priority = ItemPriority::Media;
    int receivedAs = ReceivedAs::Servicio;
    bool outsideParty = false;
    int quantity = 1;
    Money revision; // before tax
    Money advance;
    QList<TCompReg> components;
    qint64 key = 0; // RMD_CODIGO, set when written
};

struct ReceptionSpec
{
    QString number; // 8 digits, or "PENDIENTE"
    int status = DocStatus::Recibido;
    int operationSummary = 0; // RMA_STATUSDOCOP; 0 leaves it empty
    QDateTime date;
    QString customer;
    QString seller;
    QString contact;
    QString phone;
    QList<ItemSpec> items;
    QList<PaymentSlot> payments;
    QString log;
    QDateTime deliveryDate;
    QDateTime closedDate;
    bool images = true; // payment and component images; left out of the large volumes
    qint64 key = 0;     // RMA_AUTOINC, set when written

    Money revisionTotal() const;
    Money advanceTotal() const;
};

struct LineSpec
{
    int item = 0; // index in the reception's items
    QString service;
    QString serviceDetail;
    QString fault;
    QString faultDetail;
    QString part;
    QString partSerial;
    QString lot;
    QString technician;
    QString supplier; // outside party, empty when none
    int status = 0;
    Money price;
    Money cost;
};

struct OperationSpec
{
    QString number;
    int type = OperationType::Presupuesto;
    int status = OperationStatus::PorTotalizar;
    bool approved = false;
    bool contacted = false;
    QDateTime issued;
    QDateTime delivery;
    QString followUp;
    QDateTime lastFollowUp;
    qint64 budgetTakenOver = 0; // a service's source budget key; 0 none
    QList<LineSpec> lines;
    QList<TContacto> contacts;
    bool images = true; // contact and payment images
    qint64 key = 0;     // FRI_AUTOINCREMENT, set when written

    Money gross() const;
    Money cost() const;
};

class ModuleWriter
{
public:
    explicit ModuleWriter(Context &ctx);

    // Gives the reception and its items their keys (unless they have them), so that
    // operations can name them before the reception is stored.
    void assignKeys(ReceptionSpec &reception);
    Status addReception(ReceptionSpec &reception);
    Status addOperation(const ReceptionSpec &reception, OperationSpec &operation);

private:
    Context &m_ctx;
    RowWriter m_receptions;
    RowWriter m_items;
    RowWriter m_operations;
    RowWriter m_lines;
    qint64 m_receptionKey = 0;
    qint64 m_itemKey = 0;
    qint64 m_operationKey = 0;
    qint64 m_lineKey = 0;
};

// The reception history log: the first entry opens it with its creation date.
void appendLog(QString &log, const QDateTime &when, const QString &entry);
QString logDate(const QDateTime &when); // "dd/mm/yyyy"
QString logTime(const QDateTime &when); // "hh:mm AM"

} // namespace k9::workspace::demo
