#pragma once

#include "data/Table.h"
#include "reception/ReceptionDocument.h"

#include <QDate>
#include <QVariantList>

#include <optional>

namespace k9 {

// An appointment as the reception takes it into a document.
struct AppointmentInfo
{
    QString key;         // RMC_CODE as text
    QString customer;    // RMC_CODCONTAC
    QString productCode; // RMC_CODPRO
    QString serial;      // RMC_SERIAL
    bool fromHost = true; // RMC_FROMK9
    int reason = 0;      // RMC_RAZON
    QVariantMap fields;  // every field of the row, by name
};

// The appointments the "Citas" command offers: pending ones scheduled today, or between
// two dates (either may be missing). A condition for the browser, values bound in order.
struct AppointmentFilter
{
    QString sql;
    QVariantList values;
};
AppointmentFilter appointmentsOn(const QDate &day);
AppointmentFilter appointmentsBetween(const QDate &from, const QDate &to);

// The item an appointment brings: received as service with the minimum revision amount,
// no advance, today's date, no receiving employee, line 1; the product values from
// `product` (when found) and its category description; the user-defined values of the
// detail page's controls from the appointment's fields of the same names.
TRMAReg appointmentItem(const AppointmentInfo &appointment, const std::optional<ProductInfo> &product,
                        const QString &categoryDescription, const QList<TNewCampos> &detailControls,
                        const QDate &today);

// The tables the reception window reads (each opened only when its directory has it) and
// the lookups it makes in them.
class ReceptionTables
{
public:
    // Empty directories mean the workspace's DirDatos and DirRMA.
    explicit ReceptionTables(const QString &dataDir = QString(), const QString &rmaDir = QString());

    Table &customers() { return m_customers; }         // SClientes
    Table &products() { return m_products; }           // SInventario
    Table &categories() { return m_categories; }       // SCategoria
    Table &serviceProducts() { return m_service; }     // k9RMAInventario
    Table &employees() { return m_employees; }         // SVendedores
    Table &receivedItems() { return m_items; }         // k9DetalleRecepcion
    Table &appointments() { return m_appointments; }   // k9RMACitas
    const QString &dataDir() const { return m_dataDir; }
    const QString &rmaDir() const { return m_rmaDir; }

    std::optional<CustomerInfo> customer(const QString &code);
    // A product of the host inventory (fromHost) or of the service inventory.
    std::optional<ProductInfo> product(const QString &code, bool fromHost);
    // FD_DESCRIPCION of a category; empty when there is none.
    QString categoryDescription(const QString &code);
    // FV_DESCRIPCION of an employee; empty when there is none.
    QString employeeName(const QString &code);
    std::optional<AppointmentInfo> appointment(const QString &key);
    // Writes the customer's FC_TELEFONO. False when the customer is not found or the row
    // cannot be written.
    bool setCustomerPhone(const QString &code, const QString &phone);

    void close();

private:
    QString m_dataDir;
    QString m_rmaDir;
    Table m_customers;
    Table m_products;
    Table m_categories;
    Table m_service;
    Table m_employees;
    Table m_items;
    Table m_appointments;
};

} // namespace k9
