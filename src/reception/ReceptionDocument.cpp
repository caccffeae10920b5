#include "reception/ReceptionDocument.h"

#include "core/CodeLists.h"
#include "core/Globals.h"
#include "core/Messages.h"

namespace k9 {

namespace {

const QString kNoSerial = QStringLiteral("S/N");

bool sameProduct(const TRMAReg &a, const TRMAReg &b)
{
    return a.productCode == b.productCode && a.serial == b.serial && a.fromHost == b.fromHost;
}

} // namespace

ReceptionTotals receptionTotals(const QList<TRMAReg> &items, Money taxRatePercent)
{
    ReceptionTotals t;
    for (const TRMAReg &item : items) {
        t.revision += item.revisionAmount;
        t.advance += item.advance;
        t.products += itemQuantity(item.quantity);
    }
    t.tax = taxOf(t.revision, taxRatePercent);
    t.operation = t.revision + t.advance + t.tax;
    return t;
}

void ReceptionDocument::reset(const QString &nextNumber)
{
    *this = ReceptionDocument();
    m_nextNumber = nextNumber;
}

void ReceptionDocument::setLoaded(const QString &key, const QString &code)
{
    m_isNew = false;
    m_loadedKey = key;
    m_loadedCode = code;
}

void ReceptionDocument::setCustomer(const CustomerInfo &customer, bool setContact)
{
    m_customer = customer;
    if (setContact)
        this->setContact(customer.name, customer.phone);
}

void ReceptionDocument::setContact(const QString &name, const QString &phone)
{
    m_contactName = name;
    m_contactPhone = phone;
}

void ReceptionDocument::clearProduct()
{
    const bool fromHost = m_product.fromHost;
    m_product = ProductInfo();
    m_product.fromHost = fromHost;
}

bool ReceptionDocument::requireCustomer() const
{
    if (hasCustomer())
        return true;
    messages().warn(QStringLiteral("Primero introduzca un cliente."));
    return false;
}

bool ReceptionDocument::requireProduct() const
{
    if (hasProduct())
        return true;
    messages().warn(QStringLiteral("Seleccione primero un producto."));
    return false;
}

bool ReceptionDocument::requireSelection(int index, ItemCommand command) const
{
    if (index >= 0 && index < m_items.size())
        return true;
    const QString verb = command == ItemCommand::Detalle ? QStringLiteral("detallar") : QStringLiteral("modificar");
    messages().inform(QStringLiteral("Seleccione un ítem para ") + verb + u'.');
    return false;
}

TRMAReg ReceptionDocument::newItem(const QString &categoryDescription, const QString &receiverCode,
                                   const QString &receiverName, const QDate &today) const
{
    TRMAReg item;
    item.productCode = m_product.code;
    item.fromHost = m_product.fromHost;
    item.category = categoryDescription;
    item.subcategory = m_product.subcategory;
    item.description = m_product.description;
    item.brand = m_product.brand;
    item.previousReception = m_previousReception;
    item.serial = m_serial.trimmed().isEmpty() ? kNoSerial : m_serial;
    item.invoice = m_invoice;
    item.revisionAmount = options().FC_MTOREVISION;
    item.reason = Reason::Servicio;
    item.priority = ItemPriority::Media;
    item.receivedAs = ReceivedAs::Servicio;
    item.quantity = 1;
    item.receptionDate = today.startOfDay();
    item.receiverCode = receiverCode;
    item.receiverName = receiverName;
    return item;
}

ReceptionDocument::InsertResult ReceptionDocument::insertItem(TRMAReg item)
{
    for (const TRMAReg &other : m_items) {
        if (sameProduct(other, item)) {
            messages().inform(QStringLiteral("Producto ya introducido."));
            return InsertResult::Duplicate;
        }
    }
    item.lineNumber = int(m_items.size()) + 1;
    item.warrantyMonths = 0;
    if (!m_isNew)
        item.receptionNumber = m_loadedCode;
    m_items << item;
    return InsertResult::Added;
}

void ReceptionDocument::replaceItem(int index, const TRMAReg &edited)
{
    if (index < 0 || index >= m_items.size())
        return;
    TRMAReg &item = m_items[index];
    const TRMAReg kept = item;
    item = edited;
    item.receptionNumber = kept.receptionNumber;
    item.itemKey = kept.itemKey;
    item.lineNumber = kept.lineNumber;
    item.appointmentKey = kept.appointmentKey;
    item.fromAppointment = kept.fromAppointment;
    item.warrantyMonths = 0;
}

bool ReceptionDocument::deleteItem(int index)
{
    if (index < 0 || index >= m_items.size()) {
        messages().inform(QStringLiteral("Seleccione un ítem para borrar."));
        return false;
    }
    if (!messages().ask(QStringLiteral("Desea Eliminar el ítem seleccionado?")))
        return false;
    const TRMAReg removed = m_items.takeAt(index);
    if (!m_isNew && !removed.itemKey.isEmpty())
        m_deletedKeys << removed.itemKey;
    for (int i = 0; i < m_items.size(); ++i)
        m_items[i].lineNumber = i + 1;
    return true;
}

void ReceptionDocument::setAppointmentItem(const TRMAReg &item)
{
    m_items = {item};
    m_items.first().lineNumber = 1;
}

bool ReceptionDocument::confirmCancel() const
{
    return !hasItems() || messages().ask(QStringLiteral("Desea cancelar la recepción?"));
}

bool ReceptionDocument::confirmClose() const
{
    return !hasCustomer() || messages().ask(QStringLiteral("Desea cancelar y cerrar el modulo de recepción?"));
}

bool ReceptionDocument::confirmReplace() const
{
    return !hasCustomer() || messages().ask(QStringLiteral("Desea cancelar la transacción actual?"));
}

} // namespace k9
