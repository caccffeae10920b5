// The contact panel, the appointments taken into a document and the plain browsers of the
// tool bar.
#include "reception/ui/Tk9RecepcionForm.h"

#include "controls/VorelDateEdit.h"
#include "controls/VorelEdit.h"
#include "controls/VorelList.h"
#include "core/Messages.h"
#include "queries/ListKinds.h"
#include "queries/Lookup.h"
#include "reception/ui/Tk9DetalleRecepcionForm.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace k9 {

void Tk9RecepcionForm::browse(int kind, Table &table, const QString &caption, const QString &filter)
{
    QString code;
    LookupOptions options;
    options.filter.sql = filter;
    if (kind == listkind::ItemsRecibidos || kind == listkind::ItemsRecibidosGS)
        BuscarItemRMA(*m_runner, table, caption, code, kind, options);
    else
        BuscarEnLista(*m_runner, table, caption, code, kind, options);
}

// ---- Contact -------------------------------------------------------------------------

void Tk9RecepcionForm::contacto()
{
    if (!m_doc.hasCustomer())
        return;
    m_contactName->setText(m_doc.contactName());
    m_contactPhone->setText(m_doc.contactPhone());
    setMainAreaEnabled(false);
    placePanel(m_contactPanel);
    m_contactPanel->show();
    m_contactName->setFocus();
}

void Tk9RecepcionForm::acceptContact(bool savePhone)
{
    m_doc.setContact(m_contactName->text(), m_contactPhone->text());
    m_contactPanel->hide();
    setMainAreaEnabled(true);
    if (!savePhone || !messages().ask(QStringLiteral("Desea cambiar el campo teléfono en k9?")))
        return;
    if (!m_tables.setCustomerPhone(m_doc.customer().code, m_doc.contactPhone()))
        messages().warn(QStringLiteral("No se pudo actualizar el campo teléfono. Intente de nuevo."));
}

// ---- Appointments --------------------------------------------------------------------

void Tk9RecepcionForm::citasDeHoy()
{
    browseAppointments(QDate::currentDate(), QDate::currentDate(), true);
}

void Tk9RecepcionForm::citasOtrasFechas()
{
    m_dateFrom->clear();
    m_dateTo->clear();
    setMainAreaEnabled(false);
    placePanel(m_datesPanel);
    m_datesPanel->show();
    m_dateFrom->setFocus();
}

void Tk9RecepcionForm::browseAppointments(const QDate &from, const QDate &to, bool today)
{
    const AppointmentFilter filter = today ? appointmentsOn(from) : appointmentsBetween(from, to);
    LookupOptions options;
    options.filter = {filter.sql, filter.values};
    QString key;
    BuscarEnLista(*m_runner, m_tables.appointments(), QStringLiteral("Listado de Citas"), key, listkind::Citas,
                  options);
    if (key.isEmpty() || !m_doc.confirmReplace())
        return;
    loadAppointment(key);
}

void Tk9RecepcionForm::loadAppointment(const QString &key)
{
    const std::optional<AppointmentInfo> appointment = m_tables.appointment(key);
    const std::optional<CustomerInfo> customer =
        appointment ? m_tables.customer(appointment->customer) : std::optional<CustomerInfo>();
    if (!appointment) {
        messages().inform(QStringLiteral("Cita no encontrada verifique de nuevo."));
        return;
    }
    if (!customer) {
        messages().error(QStringLiteral("Error al cargar la Cita."));
        newDocument();
        return;
    }
    newDocument();
    const std::optional<ProductInfo> product = m_tables.product(appointment->productCode, appointment->fromHost);
    const QString category = product ? m_tables.categoryDescription(product->category) : QString();
    TRMAReg item = appointmentItem(*appointment, product, category, m_detail->detailControls(), QDate::currentDate());
    m_doc.setCustomer(*customer, true);
    m_doc.setAppointmentItem(item);
    m_doc.appointmentKey = appointment->key;
    m_doc.fromAppointment = true;

    m_client->setText(customer->code);
    m_clientName->setText(customer->name);
    m_phone->setText(QStringLiteral("Teléfono  : ") + customer->phone);
    m_address->setText(QStringLiteral("Dirección : ") + customer->address);
    setClientFieldEnabled(false);
    m_aContacto->setEnabled(true);
    setProductFieldsEnabled(true);
    refreshItems(0);
    setItemCounter();
    updateCommands();
}

} // namespace k9
