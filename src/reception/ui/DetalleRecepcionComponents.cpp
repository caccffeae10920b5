// The "Componentes" page of the item detail window: the item's components, browsed in the
// list or edited one at a time in the fields below it.
#include "reception/ui/Tk9DetalleRecepcionForm.h"

#include "reception/ui/ReceptionWidgets.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QScrollArea>

namespace k9 {

using namespace receptionui;

namespace {

constexpr int kComponentTextLength = 255;

QString componentRow(const TCompReg &c)
{
    return c.code + u'\t' + c.description + u'\t' + c.detail + u'\t' + QString::number(c.quantity);
}

} // namespace

QWidget *Tk9DetalleRecepcionForm::buildComponentsPage()
{
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("ScrollBox2"));
    scroll->setWidgetResizable(true);
    auto *box = new QWidget(scroll);
    auto *root = new QVBoxLayout(box);

    m_componentList = headedList(QStringLiteral("ListaComponentes"),
                                 {QStringLiteral("Código"), QStringLiteral("Descripción "), QStringLiteral("Detalle"),
                                  QStringLiteral("Cantidad")},
                                 {70, 260, 280}, &m_componentHeader, box);
    m_componentHeader->setObjectName(QStringLiteral("CabeceraComponentes"));
    m_componentList->rowDelegate()->setRightAligned({3});
    m_componentList->setMinimumHeight(140);
    root->addWidget(m_componentHeader);
    root->addWidget(m_componentList, 1);
    // A click (or a move with the keys) shows the component in the fields.
    connect(m_componentList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_components.isEditing())
            showComponent(row);
    });
    connect(m_componentList, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (!m_components.isEditing())
            showComponent(m_componentList->row(item));
    });

    auto *fields = new QGridLayout;
    m_componentCode = edit(QStringLiteral("ECodigoComp"), kComponentTextLength, box);
    m_componentQuantity = number(QStringLiteral("ECantidadComp"), 1, 999999, 0, box);
    m_componentDescription = edit(QStringLiteral("EDescripComp"), kComponentTextLength, box);
    m_componentDetail = edit(QStringLiteral("EDetalleComp"), kComponentTextLength, box);
    fields->addWidget(new QLabel(QStringLiteral("Código :"), box), 0, 0);
    fields->addWidget(m_componentCode, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Cantidad :"), box), 0, 2);
    fields->addWidget(m_componentQuantity, 0, 3);
    fields->addWidget(new QLabel(QStringLiteral("Descripción :"), box), 1, 0);
    fields->addWidget(m_componentDescription, 1, 1, 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("Detalle :"), box), 2, 0);
    fields->addWidget(m_componentDetail, 2, 1, 1, 3);
    root->addLayout(fields);

    m_componentButtons = new QWidget(box);
    m_componentButtons->setObjectName(QStringLiteral("Panel2"));
    auto *buttons = new QHBoxLayout(m_componentButtons);
    m_insertComponent = button(QStringLiteral("BInsertar009"), QStringLiteral("&Insertar"), m_componentButtons);
    m_modifyComponent = button(QStringLiteral("BModificar024"), QStringLiteral("&Modificar"), m_componentButtons);
    m_deleteComponent = button(QStringLiteral("BBorrar010"), QStringLiteral("&Borrar"), m_componentButtons);
    m_saveComponent = button(QStringLiteral("BGuardar0012"), QStringLiteral("&Guardar"), m_componentButtons);
    m_cancelComponent = button(QStringLiteral("BCancelar2002"), QStringLiteral("&Cancelar"), m_componentButtons);
    for (QPushButton *b : {m_insertComponent, m_modifyComponent, m_deleteComponent})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(m_saveComponent);
    buttons->addWidget(m_cancelComponent);
    root->addWidget(m_componentButtons);
    connect(m_insertComponent, &QPushButton::clicked, this, &Tk9DetalleRecepcionForm::insertarComponente);
    connect(m_modifyComponent, &QPushButton::clicked, this, &Tk9DetalleRecepcionForm::modificarComponente);
    connect(m_deleteComponent, &QPushButton::clicked, this, &Tk9DetalleRecepcionForm::borrarComponente);
    connect(m_saveComponent, &QPushButton::clicked, this, &Tk9DetalleRecepcionForm::guardarComponente);
    connect(m_cancelComponent, &QPushButton::clicked, this, &Tk9DetalleRecepcionForm::cancelarComponente);

    scroll->setWidget(box);
    return scroll;
}

void Tk9DetalleRecepcionForm::refreshComponentList(int select)
{
    m_componentList->clear();
    m_componentList->resetRows();
    for (const TCompReg &c : m_components.components())
        m_componentList->appendRow(componentRow(c));
    if (select >= 0 && select < m_componentList->count() && m_componentList->hasRows())
        m_componentList->setCurrentRow(select);
}

int Tk9DetalleRecepcionForm::selectedComponent() const
{
    if (!m_componentList->hasRows())
        return -1;
    return m_componentList->currentItem() && m_componentList->currentItem()->isSelected()
               ? m_componentList->currentRow()
               : -1;
}

void Tk9DetalleRecepcionForm::showComponent(int row)
{
    if (row < 0 || row >= m_components.components().size())
        return;
    const TCompReg &c = m_components.components().at(row);
    m_componentCode->setText(c.code);
    m_componentQuantity->SetInitText(double(c.quantity));
    m_componentDescription->setText(c.description);
    m_componentDetail->setText(c.detail);
    m_userControls.load(UserFieldControls::Page::Componentes, c.values);
}

void Tk9DetalleRecepcionForm::clearComponentFields()
{
    m_componentCode->clear();
    m_componentQuantity->SetInitText(1.0);
    m_componentDescription->clear();
    m_componentDetail->clear();
    m_userControls.clearMemos(UserFieldControls::Page::Componentes);
}

// Browsing: the fields read-only, the list and Insertar, Modificar, Borrar available, the
// window's own buttons too. Editing: the other way round.
void Tk9DetalleRecepcionForm::setComponentEditing(bool editing)
{
    for (QLineEdit *e : {static_cast<QLineEdit *>(m_componentCode), static_cast<QLineEdit *>(m_componentQuantity),
                         static_cast<QLineEdit *>(m_componentDescription),
                         static_cast<QLineEdit *>(m_componentDetail)})
        e->setReadOnly(!editing);
    m_userControls.setEditable(UserFieldControls::Page::Componentes, editing);
    const bool hasRows = m_componentList->hasRows();
    m_componentList->setEnabled(!editing && hasRows);
    m_insertComponent->setEnabled(!editing);
    m_modifyComponent->setEnabled(!editing && hasRows);
    m_deleteComponent->setEnabled(!editing && hasRows);
    m_saveComponent->setEnabled(editing);
    m_cancelComponent->setEnabled(editing);
    m_accept->setEnabled(!editing);
    m_cancel->setEnabled(!editing);
}

TCompReg Tk9DetalleRecepcionForm::componentFromFields() const
{
    TCompReg c;
    c.code = m_componentCode->text();
    c.quantity = int(m_componentQuantity->integerValue());
    c.description = m_componentDescription->text();
    c.detail = m_componentDetail->text();
    c.values = m_userControls.values(UserFieldControls::Page::Componentes);
    return c;
}

void Tk9DetalleRecepcionForm::insertarComponente()
{
    if (!m_components.beginInsert())
        return;
    clearComponentFields();
    m_userControls.resetAll(UserFieldControls::Page::Componentes);
    setComponentEditing(true);
    m_componentCode->setFocus();
}

void Tk9DetalleRecepcionForm::modificarComponente()
{
    const int row = selectedComponent();
    if (!m_components.beginModify(row))
        return;
    showComponent(row);
    setComponentEditing(true);
    m_componentCode->setFocus();
}

void Tk9DetalleRecepcionForm::guardarComponente()
{
    if (!m_components.isEditing())
        return;
    const int row = m_components.save(componentFromFields());
    refreshComponentList(row);
    clearComponentFields();
    setComponentEditing(false);
}

void Tk9DetalleRecepcionForm::borrarComponente()
{
    if (!m_components.remove(selectedComponent()))
        return;
    refreshComponentList();
    clearComponentFields();
    setComponentEditing(false);
}

void Tk9DetalleRecepcionForm::cancelarComponente()
{
    m_components.cancel();
    clearComponentFields();
    setComponentEditing(false);
}

// Closing the window: an unfinished component edit is dropped and the fields emptied.
void Tk9DetalleRecepcionForm::finishComponentEdit()
{
    if (m_components.isEditing())
        m_components.cancel();
    clearComponentFields();
    setComponentEditing(false);
}

} // namespace k9
