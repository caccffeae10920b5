#pragma once

#include <QString>

namespace k9 {

// A customer as the "Clientes" window takes it.
struct NewCustomer
{
    QString code{};
    QString name{};
    QString address{};
    QString phone{};
    QString rif{};
    QString nit{};
};

// What addCustomer found wrong, so that the window can put the focus on the field.
enum class CustomerProblem { None, CodeMissing, CodeTaken, NameMissing, NotSaved };

// Adds `customer` to SClientes in `dataDir` as an active customer. The code (trimmed, in
// upper case, as the host suite keeps codes) must be given and new, and the name given.
// Every problem is told to the user through messages().
CustomerProblem addCustomer(const QString &dataDir, const NewCustomer &customer);

// The code as it is stored.
QString customerCode(const QString &typed);

} // namespace k9
