#include "app/Customers.h"

#include "core/Messages.h"
#include "data/TableHelpers.h"

namespace k9 {

namespace {

const QString kTable = QStringLiteral("SClientes");

} // namespace

QString customerCode(const QString &typed)
{
    return typed.trimmed().toUpper();
}

CustomerProblem addCustomer(const QString &dataDir, const NewCustomer &customer)
{
    const QString code = customerCode(customer.code);
    if (code.isEmpty()) {
        messages().warn(QStringLiteral("Indique el código del cliente."));
        return CustomerProblem::CodeMissing;
    }
    if (customer.name.trimmed().isEmpty()) {
        messages().warn(QStringLiteral("Indique el nombre del cliente."));
        return CustomerProblem::NameMissing;
    }
    auto table = CrearTabla(dataDir, kTable);
    if (!table->isActive()) {
        messages().error(QStringLiteral("No se encontró la tabla de clientes en el directorio %1.").arg(dataDir));
        return CustomerProblem::NotSaved;
    }
    if (table->findKey({code})) {
        messages().warn(QStringLiteral("Ya existe un cliente con el código %1. Indique otro código.").arg(code));
        return CustomerProblem::CodeTaken;
    }
    if (!table->lastStatus()) {
        messages().error(QStringLiteral("No se pudo guardar el cliente: %1").arg(table->lastStatus().message()));
        return CustomerProblem::NotSaved;
    }
    table->insert();
    Status status = Status::ok();
    auto set = [&](const char *field, const QVariant &value) {
        if (status)
            status = table->setValue(QString::fromLatin1(field), value);
    };
    set("FC_CODIGO", code);
    set("FC_DESCRIPCION", customer.name.trimmed());
    set("FC_DIRECCION1", customer.address.trimmed());
    set("FC_TELEFONO", customer.phone.trimmed());
    set("FC_RIF", customer.rif.trimmed());
    set("FC_NIT", customer.nit.trimmed());
    set("FC_STATUS", 1); // active
    if (status)
        status = table->post();
    if (!status) {
        table->cancel();
        messages().error(QStringLiteral("No se pudo guardar el cliente: %1").arg(status.message()));
        return CustomerProblem::NotSaved;
    }
    return CustomerProblem::None;
}

} // namespace k9
