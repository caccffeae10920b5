#include "reception/ReceptionTables.h"

#include "core/CodeLists.h"
#include "core/Globals.h"
#include "core/Regional.h"
#include "data/TableHelpers.h"
#include "data/Workspace.h"

namespace k9 {

namespace {

QString isoDay(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

// A stored value as the control of a user-defined field shows it.
QString valueText(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    if (value.metaType().id() == QMetaType::QDateTime)
        return formatDate(value.toDateTime().date());
    if (value.metaType().id() == QMetaType::QDate)
        return formatDate(value.toDate());
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return value.toString();
}

} // namespace

AppointmentFilter appointmentsOn(const QDate &day)
{
    return {QStringLiteral("(RMC_STATUS = ?) AND (date(RMC_FECHAPROG) = ?)"),
            {int(AppointmentStatus::Pendiente), isoDay(day)}};
}

AppointmentFilter appointmentsBetween(const QDate &from, const QDate &to)
{
    AppointmentFilter f{QStringLiteral("(RMC_STATUS = ?)"), {int(AppointmentStatus::Pendiente)}};
    if (from.isValid()) {
        f.sql += QStringLiteral(" AND (date(RMC_FECHAPROG) >= ?)");
        f.values << isoDay(from);
    }
    if (to.isValid()) {
        f.sql += QStringLiteral(" AND (date(RMC_FECHAPROG) <= ?)");
        f.values << isoDay(to);
    }
    return f;
}

TRMAReg appointmentItem(const AppointmentInfo &appointment, const std::optional<ProductInfo> &product,
                        const QString &categoryDescription, const QList<TNewCampos> &detailControls,
                        const QDate &today)
{
    TRMAReg item;
    item.productCode = appointment.productCode;
    item.reason = appointment.reason;
    item.fromHost = appointment.fromHost;
    item.serial = appointment.serial;
    item.appointmentKey = appointment.key;
    item.fromAppointment = 1;
    item.receivedAs = ReceivedAs::Servicio;
    item.revisionAmount = options().FC_MTOREVISION;
    item.receptionDate = today.startOfDay();
    item.quantity = 1;
    item.lineNumber = 1;
    if (product) {
        item.description = product->description;
        item.subcategory = product->subcategory;
        item.brand = product->brand;
    }
    item.category = categoryDescription;
    for (TNewCampos value : detailControls) {
        const auto it = appointment.fields.constFind(value.fieldName);
        if (it == appointment.fields.constEnd())
            continue;
        value.value = valueText(*it);
        item.userFields << value;
    }
    return item;
}

ReceptionTables::ReceptionTables(const QString &dataDir, const QString &rmaDir)
    : m_dataDir(dataDir.isEmpty() ? paths().DirDatos : dataDir), m_rmaDir(rmaDir.isEmpty() ? paths().DirRMA : rmaDir)
{
    AbrirTabla(m_customers, QStringLiteral("SClientes"), m_dataDir);
    AbrirTabla(m_products, QStringLiteral("SInventario"), m_dataDir);
    AbrirTabla(m_categories, QStringLiteral("SCategoria"), m_dataDir);
    AbrirTabla(m_employees, QStringLiteral("SVendedores"), m_dataDir);
    AbrirTabla(m_service, QStringLiteral("k9RMAInventario"), m_rmaDir);
    AbrirTabla(m_items, QStringLiteral("k9DetalleRecepcion"), m_rmaDir);
    AbrirTabla(m_appointments, QStringLiteral("k9RMACitas"), m_rmaDir);
}

std::optional<CustomerInfo> ReceptionTables::customer(const QString &code)
{
    if (code.isEmpty() || !m_customers.isActive() || !m_customers.setIndex(QString()) || !m_customers.findKey({code}))
        return std::nullopt;
    CustomerInfo c;
    c.code = m_customers.text(QStringLiteral("FC_CODIGO"));
    c.name = m_customers.text(QStringLiteral("FC_DESCRIPCION"));
    c.address = m_customers.text(QStringLiteral("FC_DIRECCION1"));
    c.phone = m_customers.text(QStringLiteral("FC_TELEFONO"));
    return c;
}

std::optional<ProductInfo> ReceptionTables::product(const QString &code, bool fromHost)
{
    Table &t = fromHost ? m_products : m_service;
    if (code.isEmpty() || !t.isActive() || !t.setIndex(QString()) || !t.findKey({code}))
        return std::nullopt;
    const QString prefix = fromHost ? QStringLiteral("FI_") : QStringLiteral("FIR_");
    auto field = [&](const char *name) { return t.text(prefix + QLatin1String(name)); };
    ProductInfo p;
    p.code = field("CODIGO");
    p.description = field("DESCRIPCION");
    p.category = field("CATEGORIA");
    p.subcategory = field("SUBCATEGORIA");
    p.brand = field("MARCA");
    p.model = field("MODELO");
    p.fromHost = fromHost;
    return p;
}

QString ReceptionTables::categoryDescription(const QString &code)
{
    if (code.isEmpty() || !m_categories.isActive() || !m_categories.setIndex(QString())
        || !m_categories.findKey({code}))
        return QString();
    return m_categories.text(QStringLiteral("FD_DESCRIPCION"));
}

QString ReceptionTables::employeeName(const QString &code)
{
    if (code.isEmpty() || !m_employees.isActive() || !m_employees.setIndex(QString()) || !m_employees.findKey({code}))
        return QString();
    return m_employees.text(QStringLiteral("FV_DESCRIPCION"));
}

std::optional<AppointmentInfo> ReceptionTables::appointment(const QString &key)
{
    bool ok = false;
    const qint64 rowId = key.toLongLong(&ok);
    if (!ok || !m_appointments.isActive() || !m_appointments.gotoRowId(rowId))
        return std::nullopt;
    AppointmentInfo a;
    a.key = key;
    a.customer = m_appointments.text(QStringLiteral("RMC_CODCONTAC"));
    a.productCode = m_appointments.text(QStringLiteral("RMC_CODPRO"));
    a.serial = m_appointments.text(QStringLiteral("RMC_SERIAL"));
    a.fromHost = m_appointments.boolean(QStringLiteral("RMC_FROMK9"));
    a.reason = int(m_appointments.integer(QStringLiteral("RMC_RAZON")));
    for (const QString &name : m_appointments.fieldNames())
        a.fields.insert(name, m_appointments.value(name));
    return a;
}

bool ReceptionTables::setCustomerPhone(const QString &code, const QString &phone)
{
    if (!customer(code))
        return false;
    if (!m_customers.edit())
        return false;
    if (!m_customers.setValue(QStringLiteral("FC_TELEFONO"), phone) || !m_customers.post()) {
        m_customers.cancel();
        return false;
    }
    return true;
}

void ReceptionTables::close()
{
    for (Table *t : {&m_customers, &m_products, &m_categories, &m_service, &m_employees, &m_items, &m_appointments})
        t->close();
}

} // namespace k9
