// The item commands of the reception window: Insertar, Detalle, Modificar and Borrar.
#include "reception/ui/Tk9RecepcionForm.h"

#include "controls/LookupCombo.h"
#include "controls/VorelEdit.h"
#include "controls/VorelList.h"
#include "reception/ui/Tk9DetalleRecepcionForm.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace k9 {

void Tk9RecepcionForm::itemCommand(int tag)
{
    if (!m_doc.requireCustomer())
        return;
    switch (ItemCommand(tag)) {
    case ItemCommand::Insertar: insertItem(); break;
    case ItemCommand::Detalle: showItem(false); break;
    case ItemCommand::Modificar: showItem(true); break;
    case ItemCommand::Borrar: deleteItem(); break;
    }
    updateCommands();
    if (ItemCommand(tag) == ItemCommand::Insertar)
        m_bInsertar->setEnabled(false);
}

void Tk9RecepcionForm::insertItem()
{
    m_detail->pages()->setCurrentIndex(0);
    if (!m_doc.requireProduct())
        return;
    const TRMAReg proposed =
        m_doc.newItem(m_tables.categoryDescription(m_doc.product().category), m_salesman->value().toString(),
                      m_salesman->currentIndex() >= 0 ? m_salesman->currentText() : QString(), QDate::currentDate());
    if (m_detail->run(proposed, Tk9DetalleRecepcionForm::ItemMode::Insertion, true, QStringLiteral("Modo Inserción"))) {
        if (m_doc.insertItem(m_detail->item()) == ReceptionDocument::InsertResult::Added) {
            refreshItems(int(m_doc.items().size()) - 1);
            setItemCounter(true);
        }
    }
    // Accepted or not, the next item starts from an empty product.
    m_doc.clearProduct();
    m_doc.setSerial(QString());
    m_doc.setPreviousReception(QString());
    m_doc.setInvoiceReference(QString());
    clearProductFields();
    setProductFieldsEnabled(true);
}

void Tk9RecepcionForm::showItem(bool modify)
{
    const int index = selectedItem();
    if (!m_doc.requireSelection(index, modify ? ItemCommand::Modificar : ItemCommand::Detalle))
        return;
    const QString status = modify ? QStringLiteral("Modo Edición") : QStringLiteral("Modo Lectura");
    const bool accepted =
        m_detail->run(m_doc.items().at(index), Tk9DetalleRecepcionForm::ItemMode::Existing, modify, status);
    if (!accepted || !modify)
        return;
    m_doc.replaceItem(index, m_detail->item());
    refreshItems(index);
    setItemCounter();
}

void Tk9RecepcionForm::deleteItem()
{
    if (!m_doc.deleteItem(selectedItem()))
        return;
    refreshItems();
    setItemCounter();
}

} // namespace k9
