#pragma once

#include "core/Money.h"
#include "core/Records.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The reception document being edited in the reception window: its customer and contact,
// the product being entered, the received items and their totals. No widget: the window
// shows what this holds, and the rules talk to the user through messages().

namespace k9 {

struct CustomerInfo
{
    QString code;    // FC_CODIGO
    QString name;    // FC_DESCRIPCION
    QString address; // FC_DIRECCION1
    QString phone;   // FC_TELEFONO
};

// A product of the host inventory (SInventario, fromHost) or of the service inventory
// (k9RMAInventario).
struct ProductInfo
{
    QString code;
    QString description;
    QString category; // category code
    QString subcategory;
    QString brand;
    QString model;
    bool fromHost = true;
};

struct ReceptionTotals
{
    Money revision;  // "Total : "
    Money tax;       // revision × TasaImpuesto1 / 100
    Money advance;   // "Total Adelanto : "
    Money operation; // "Total Operación : " revision + advance + tax
    int products = 0; // "Nro. Productos : " (sum of the quantities)
};

// Totals of a list of items at a tax rate (percent).
ReceptionTotals receptionTotals(const QList<TRMAReg> &items, Money taxRatePercent);

// The item commands of the window, told apart as their buttons are.
enum class ItemCommand { Detalle = 0, Insertar = 1, Modificar = 2, Borrar = 3 };

class ReceptionDocument
{
public:
    enum class InsertResult { Added, Duplicate };

    // The new-document state: everything cleared, `nextNumber` shown as the number.
    void reset(const QString &nextNumber);

    // ---- Header ----
    const QString &nextNumber() const { return m_nextNumber; }
    void setNextNumber(const QString &number) { m_nextNumber = number; }
    bool isNew() const { return m_isNew; }
    const QString &loadedKey() const { return m_loadedKey; }
    const QString &loadedCode() const { return m_loadedCode; }
    // A pending document taken back into the window: its items keep their keys.
    void setLoaded(const QString &key, const QString &code);

    bool hasCustomer() const { return !m_customer.code.isEmpty(); }
    const CustomerInfo &customer() const { return m_customer; }
    // Takes the customer; the contact defaults to the customer's name and phone when
    // `setContact` (a new document).
    void setCustomer(const CustomerInfo &customer, bool setContact);
    void clearCustomer() { m_customer = {}; }
    const QString &contactName() const { return m_contactName; }
    const QString &contactPhone() const { return m_contactPhone; }
    void setContact(const QString &name, const QString &phone);

    // The invoice chosen from the customer's purchases; the next item's invoice.
    const QString &invoiceReference() const { return m_invoice; }
    void setInvoiceReference(const QString &invoice) { m_invoice = invoice; }

    // ---- The product being entered ----
    bool hasProduct() const { return !m_product.code.isEmpty(); }
    const ProductInfo &product() const { return m_product; }
    void setProduct(const ProductInfo &product) { m_product = product; }
    // Clears the product values (the from-host flag and the serial stay).
    void clearProduct();
    bool productFromHost() const { return m_product.fromHost; }
    void setProductFromHost(bool fromHost) { m_product.fromHost = fromHost; }
    const QString &serial() const { return m_serial; }
    void setSerial(const QString &serial) { m_serial = serial; }
    const QString &previousReception() const { return m_previousReception; }
    void setPreviousReception(const QString &code) { m_previousReception = code; }

    // ---- Items ----
    const QList<TRMAReg> &items() const { return m_items; }
    bool hasItems() const { return !m_items.isEmpty(); }
    const QStringList &deletedKeys() const { return m_deletedKeys; }

    // Every item command needs a customer: "Primero introduzca un cliente." otherwise.
    bool requireCustomer() const;
    // Insertar needs a product found in one of the inventories: "Seleccione primero un
    // producto." otherwise.
    bool requireProduct() const;
    // Detalle and Modificar need a selected item: "Seleccione un ítem para detallar." /
    // "... modificar." otherwise. Borrar has its own message (deleteItem).
    bool requireSelection(int index, ItemCommand command) const;

    // The values the item detail starts from for the current product: an item received as
    // service, priority "Media", reason "Servicio", quantity 1, the minimum revision amount,
    // today's date, the current serial ("S/N" when none), the invoice reference, the
    // category description given, and the receiving employee.
    TRMAReg newItem(const QString &categoryDescription, const QString &receiverCode, const QString &receiverName,
                    const QDate &today) const;

    // Adds an accepted item. The same product with the same serial from the same inventory
    // is refused with "Producto ya introducido.". The item gets the next line number, the
    // loaded document's code, and no warranty time.
    InsertResult insertItem(TRMAReg item);
    // Replaces item `index` with its edited values (the line, keys and document stay).
    void replaceItem(int index, const TRMAReg &edited);
    // "Seleccione un ítem para borrar." without a selection; else asks "Desea Eliminar el
    // ítem seleccionado?" and on Yes removes it (remembering a stored item's key for the
    // save) and numbers the rest 1..n. Answers whether it removed it.
    bool deleteItem(int index);
    // Replaces every item with the one of an appointment.
    void setAppointmentItem(const TRMAReg &item);

    ReceptionTotals totals(Money taxRatePercent) const { return receptionTotals(m_items, taxRatePercent); }

    // ---- Questions of the window ----
    // Cancelar: with items, "Desea cancelar la recepción?".
    bool confirmCancel() const;
    // Closing: with a customer, "Desea cancelar y cerrar el modulo de recepción?".
    bool confirmClose() const;
    // Loading an appointment over a document with a customer: "Desea cancelar la
    // transacción actual?".
    bool confirmReplace() const;

    // ---- Payment (set by the save) ----
    Money totalPaid;
    Money change;
    QString appointmentKey;
    bool fromAppointment = false;

private:
    QString m_nextNumber;
    bool m_isNew = true;
    QString m_loadedKey;
    QString m_loadedCode;
    CustomerInfo m_customer;
    QString m_contactName;
    QString m_contactPhone;
    QString m_invoice;
    ProductInfo m_product;
    QString m_serial;
    QString m_previousReception;
    QList<TRMAReg> m_items;
    QStringList m_deletedKeys;
};

} // namespace k9
