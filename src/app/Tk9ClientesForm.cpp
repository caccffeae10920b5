#include "app/Tk9ClientesForm.h"

#include "data/Workspace.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace k9 {

Tk9ClientesForm::Tk9ClientesForm(QWidget *parent, const QString &dataDir)
    : TEForm(parent, kHelpTopic), m_dataDir(dataDir.isEmpty() ? paths().DirDatos : dataDir)
{
    setObjectName(QStringLiteral("ClientesForm"));
    setWindowTitle(QStringLiteral("Clientes"));
    auto *fields = new QFormLayout;
    auto field = [&](const char *name, const char *label, const char *hint, int maxLength) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setStatusTip(QString::fromUtf8(hint));
        edit->setMaxLength(maxLength);
        fields->addRow(QString::fromUtf8(label), edit);
        return edit;
    };
    m_code = field("ECodigo", "Código :", "Código del cliente nuevo", 20);
    m_name = field("ENombre", "Nombre :", "Nombre o razón social del cliente", 100);
    m_address = field("EDireccion", "Dirección :", "Dirección del cliente", 100);
    m_phone = field("ETelefono", "Teléfono :", "Teléfono del cliente", 30);
    m_rif = field("ERif", "R.I.F. :", "Registro de información fiscal", 20);
    m_nit = field("ENit", "N.I.T. :", "Número de identificación tributaria", 20);
    m_name->setMinimumWidth(320);

    auto *aceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("BAceptar001"));
    aceptar->setStatusTip(QStringLiteral("Guardar el cliente"));
    auto *cancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("BCancelar002"));
    cancelar->setStatusTip(QStringLiteral("Cerrar sin guardar"));
    for (QPushButton *button : {aceptar, cancelar})
        button->setAutoDefault(false);
    connect(aceptar, &QPushButton::clicked, this, &Tk9ClientesForm::aceptar);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(aceptar);
    buttons->addWidget(cancelar);

    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 12, 12, 8);
    body->addLayout(fields);
    body->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(body);
    layout->addWidget(status);
    m_code->setFocus();
}

QLineEdit *Tk9ClientesForm::field(const QString &objectName) const
{
    return findChild<QLineEdit *>(objectName);
}

NewCustomer Tk9ClientesForm::customer() const
{
    return {m_code->text(), m_name->text(), m_address->text(), m_phone->text(), m_rif->text(), m_nit->text()};
}

void Tk9ClientesForm::aceptar()
{
    switch (addCustomer(m_dataDir, customer())) {
    case CustomerProblem::None:
        m_addedCode = customerCode(m_code->text());
        accept();
        return;
    case CustomerProblem::CodeMissing:
    case CustomerProblem::CodeTaken:
        m_code->setFocus();
        m_code->selectAll();
        return;
    case CustomerProblem::NameMissing: m_name->setFocus(); return;
    case CustomerProblem::NotSaved: return;
    }
}

} // namespace k9
