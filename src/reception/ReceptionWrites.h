#pragma once

#include "data/Database.h"
#include "reception/PaymentSlots.h"
#include "reception/ReceptionDocument.h"
#include "reception/ReceptionSave.h"

#include <memory>

// The writes of a reception save, each on the save's connection (module directory as
// "main", company data directory attached as "datos") inside its transaction. Each answers
// the engine's failure; the caller tells the user and rolls back.
namespace k9::receptionwrites {

// The first stored item of another open document with the same product, serial and
// inventory as `item` (closed items, status 8 to 10, and the item itself do not count).
// Empty when there is none.
QString openDuplicateOf(Database &db, const TRMAReg &item, Status &status);

// FI_DESCRIPCION of a host product or FIR_DESCRIPCION of a service product; empty when
// not found.
QString productDescription(Database &db, const QString &code, bool fromHost);

// The number a processed document gets: the one shown, unless the counter or a stored
// header has already taken it; then the next free one.
QString freeNumber(Database &db, const QString &shown, Status &status);

// The box record's correlative, padded to 8 (FC_DOCUMENTO of the movement); the movement
// inserted into SCajaMayor<box> and the box's correlative advanced.
Status postPettyCash(const std::shared_ptr<Database> &db, qint64 box, const QString &memo,
                     const PaymentTotals &payment);

struct HeaderValues
{
    SaveCommand command = SaveCommand::Guardar;
    QString code; // the code a new or pending header gets
    Salesman salesman;
    ReceptionTotals totals;
    PaymentTotals payment;
};

// Inserts or updates the header; answers its RMA_AUTOINC and the code it holds.
Status writeHeader(const std::shared_ptr<Database> &db, const ReceptionDocument &document,
                   const HeaderValues &values, qint64 &headerKey, QString &storedCode);

// Sets FC_RMA to the number used.
Status writeCounter(const std::shared_ptr<Database> &db, const QString &number);

// Deletes the removed items, then inserts or updates every item and marks the appointments
// the items came from as "Citado".
Status writeItems(const std::shared_ptr<Database> &db, const ReceptionDocument &document, SaveCommand command,
                  qint64 headerKey, const QString &code, Money taxRate);

} // namespace k9::receptionwrites
