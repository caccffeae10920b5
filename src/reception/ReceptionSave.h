#pragma once

#include "core/Money.h"
#include "core/Records.h"
#include "reception/PaymentSlots.h"
#include "reception/ReceptionDocument.h"
#include "reception/ReceptionPrint.h"

#include <QList>
#include <QString>

// "Guardar" and "Procesar" of the reception window without the window: the checks, the
// payment, and the writes of the header, the items, the petty-cash movement and the counter
// in one transaction over the module directory and the company data directory.
namespace k9 {

enum class SaveCommand { Guardar, Procesar };

// What the payment window is given, and what it hands back.
struct PaymentRequest
{
    Money due;
    QString client;  // the contact name
    QString caption; // "Total Factura : " + SimboloMoneda + " "
};

struct PaymentResult
{
    bool cancelled = true;
    QList<TFormaPago> lines;
    Money change;
};

// The payment window (the program) or a scripted payment (the tests).
class PaymentStep
{
public:
    virtual ~PaymentStep() = default;
    virtual PaymentResult takePayment(const PaymentRequest &request) = 0;
};

// The salesman chosen in the window's combo.
struct Salesman
{
    QString code; // FV_CODIGO
    QString name; // FV_DESCRIPCION
};

struct SaveOutcome
{
    enum class Result {
        Stopped,      // a check or a question stopped it before anything was written
        NeedsContact, // the contact is missing: the window opens its contact panel
        Cancelled,    // the payment window was cancelled
        Failed,       // rolled back after an error (already told)
        Saved,
    };
    Result result = Result::Stopped;
    QString number;          // the code stored in the header ("PENDIENTE" or the number)
    bool renumbered = false; // the number shown had been taken by another workstation
    bool printed = false;
    bool paid = false;       // a payment was taken
    PaymentTotals payment;
    Money operationTotal;    // revision with tax + advance ("Total Operación :")
    bool changeDue() const { return paid && payment.change > Money(); }
    bool saved() const { return result == Result::Saved; }
};

class ReceptionSave
{
public:
    // Empty directories mean the workspace's DirRMA and DirDatos.
    ReceptionSave(PaymentStep &payment, PrintStep &print, const QString &rmaDir = QString(),
                  const QString &dataDir = QString());

    // Runs the command on `document`. Only a saved document is reset (to the next number
    // after Procesar); whatever stops or fails leaves the document as it was typed, so that
    // the user can try again.
    SaveOutcome run(SaveCommand command, ReceptionDocument &document, const Salesman &salesman);

private:
    PaymentStep &m_payment;
    PrintStep &m_print;
    QString m_rmaDir;
    QString m_dataDir;
};

// The log text with one line added: the first line of an empty log opens it with
// "***** Fecha creación del LOG : " + date + " *****".
QString appendLogLine(const QString &log, const QString &line, const QString &date);
// "Fecha " + date + " - Hora " + time, now, in the short formats of the regional settings.
QString logStamp();
QString logDate();

} // namespace k9
