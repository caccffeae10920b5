#pragma once

#include "reception/ReceptionPrint.h"
#include "reception/ReceptionSave.h"

class QWidget;

// The window's side of a reception save: the payment window and the print formats.
namespace k9 {

// Shows "Forma de Pago" modally for the amount due.
class FormaPagoStep : public PaymentStep
{
public:
    explicit FormaPagoStep(QWidget *owner) : m_owner(owner) {}
    PaymentResult takePayment(const PaymentRequest &request) override;

private:
    QWidget *m_owner;
};

// Prints through the formats of document kind 28.
class FormatPrintStep : public PrintStep
{
public:
    explicit FormatPrintStep(QWidget *owner) : m_owner(owner) {}
    bool print(const PrintDocument &document, bool reprint) override;

private:
    QWidget *m_owner;
};

} // namespace k9
