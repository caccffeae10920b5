#pragma once

#include "app/Customers.h"
#include "controls/EForm.h"

class QLineEdit;
class QPushButton;

namespace k9 {

// "Clientes": the small customer window opened through the host-window launcher (the
// reception's add-customer command). "&Aceptar" adds the customer (addCustomer) and
// closes; a problem keeps the window open on the field concerned.
class Tk9ClientesForm : public TEForm
{
    Q_OBJECT

public:
    static constexpr int kHelpTopic = 25;

    // The customer is written to SClientes in `dataDir` (paths().DirDatos when empty).
    explicit Tk9ClientesForm(QWidget *parent = nullptr, const QString &dataDir = QString());

    NewCustomer customer() const;
    // The code stored by the last successful "&Aceptar".
    const QString &addedCode() const { return m_addedCode; }
    QLineEdit *field(const QString &objectName) const;

public slots:
    void aceptar();

private:
    QString m_dataDir;
    QString m_addedCode;
    QLineEdit *m_code;
    QLineEdit *m_name;
    QLineEdit *m_address;
    QLineEdit *m_phone;
    QLineEdit *m_rif;
    QLineEdit *m_nit;
};

} // namespace k9
