#include "reception/ui/Tk9RecepcionForm.h"

#include "controls/LookupCombo.h"
#include "controls/VorelList.h"
#include "core/CodeLists.h"
#include "core/Globals.h"
#include "core/Regional.h"
#include "data/TableHelpers.h"
#include "queries/ui/LookupWindows.h"
#include "reception/ui/ReceptionSaveSteps.h"
#include "reception/ui/ReceptionWidgets.h"
#include "reception/ui/Tk9DetalleRecepcionForm.h"

#include <QAction>
#include <QDate>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>

namespace k9 {

using namespace receptionui;

namespace {

QString itemRow(const TRMAReg &item)
{
    const QStringList cells{QString::number(item.lineNumber), item.productCode, item.serial, item.description,
                            item.receiverName, receivedAsText(item.receivedAs), reasonText(item.reason),
                            itemPriorityText(item.priority), formatAmount(item.advance, 2, 12).trimmed(),
                            formatAmount(item.revisionAmount, 2, 12).trimmed()};
    return cells.join(u'\t');
}

} // namespace

Tk9RecepcionForm::Tk9RecepcionForm(Tk9DetalleRecepcionForm *detail, QWidget *parent, const QString &dataDir,
                                   const QString &rmaDir)
    : TEForm(parent), m_tables(dataDir, rmaDir), m_detail(detail)
{
    setObjectName(QStringLiteral("k9RecepcionForm"));
    setWindowTitle(QStringLiteral(" Recepción de Productos"));
    setAccessibleName(QStringLiteral("Módulo de Recepción"));
    if (!m_detail) {
        m_ownDetail = std::make_unique<Tk9DetalleRecepcionForm>(this, m_tables.dataDir(), m_tables.rmaDir());
        m_detail = m_ownDetail.get();
    }
    m_windowRunner = std::make_unique<WindowBrowserRunner>(this);
    m_runner = m_windowRunner.get();
    m_windowPayment = std::make_unique<FormaPagoStep>(this);
    m_paymentStep = m_windowPayment.get();
    m_windowPrint = std::make_unique<FormatPrintStep>(this);
    m_printStep = m_windowPrint.get();
    buildWindow();

    if (m_tables.employees().isActive())
        PrepararLookup(m_salesman, m_tables.employees(), QStringLiteral("FV_CODIGO"),
                       QStringLiteral("FV_DESCRIPCION\t20\tDescripción\t"), QStringLiteral("FV_CODIGO\t20\tCódigo\t"),
                       QStringLiteral("FV_CODIGO"));
    if (m_salesman->count() > 0)
        m_salesman->setCurrentIndex(0);
    m_salesman->setEnabled(m_salesman->count() > 0);

    connectSignals();
    newDocument();
    m_client->setFocus();

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(int(area.width() * 0.98), int(area.height() * 0.95));
    }
}

Tk9RecepcionForm::~Tk9RecepcionForm()
{
    m_tables.close();
}

void Tk9RecepcionForm::setAddCustomer(AddCustomer addCustomer)
{
    m_addCustomer = std::move(addCustomer);
    setClientFieldEnabled(m_client->isEnabled());
}

void Tk9RecepcionForm::setSerialSearch(SerialSearch serialSearch)
{
    m_serialSearch = std::move(serialSearch);
    setProductFieldsEnabled(m_doc.hasCustomer());
}

void Tk9RecepcionForm::setServiceInventory(ServiceInventory serviceInventory)
{
    m_serviceInventory = std::move(serviceInventory);
    setProductFieldsEnabled(m_doc.hasCustomer());
}

void Tk9RecepcionForm::newDocument()
{
    m_doc.reset(nextDocumentNumber(LeerOpcionEntera(QStringLiteral("FC_RMA"))));
    m_client->clear();
    m_clientName->setText(QStringLiteral("..."));
    m_address->setText(QStringLiteral("Dirección :"));
    m_phone->setText(QStringLiteral("Teléfono  :"));
    clearProductFields();
    setProductFieldsEnabled(false);
    m_aContacto->setEnabled(false);
    m_purchases.clear();
    m_purchasesList->clear();
    m_purchasesList->resetRows();
    m_itemsList->clear();
    m_itemsList->resetRows();
    m_purchasesCounter->setText(QStringLiteral("Registros : 0"));
    m_itemsCounter->setText(QStringLiteral("Registros : 0"));
    m_number->setText(m_doc.nextNumber());
    m_date->setText(formatDate(QDate::currentDate()));
    setClientFieldEnabled(true);
    showTotals();
    updateCommands();
}

void Tk9RecepcionForm::showTotals()
{
    const ReceptionTotals t = m_doc.totals(taxDefaults().TasaImpuesto1);
    m_products->setText(QString::number(t.products));
    m_total->setText(formatAmountTrimmed(t.revision));
    m_tax->setText(formatAmountTrimmed(t.tax));
    m_advance->setText(formatAmountTrimmed(t.advance));
    m_operation->setText(formatAmountTrimmed(t.operation));
}

// After every item command: Insertar follows the product fields; the document commands
// follow the items.
void Tk9RecepcionForm::updateCommands()
{
    bool productText = false;
    for (const TVorelEdit *e : m_productFields)
        productText = productText || !e->text().isEmpty();
    m_bInsertar->setEnabled(productText && m_doc.hasProduct());
    const bool items = m_doc.hasItems();
    m_bModificar->setEnabled(items);
    m_bBorrar->setEnabled(items);
    m_bDetalle->setEnabled(m_itemsList->isEnabled());
    for (QPushButton *b : {m_bGuardar, m_bProcesar})
        b->setEnabled(items);
    m_aGuardar->setEnabled(items);
    m_aProcesar->setEnabled(items);
    // Cargar while no customer is entered.
    m_bCargar->setEnabled(!m_doc.hasCustomer());
    m_aCargar->setEnabled(!m_doc.hasCustomer());
    showTotals();
}

void Tk9RecepcionForm::refreshItems(int select)
{
    m_itemsList->clear();
    m_itemsList->resetRows();
    for (const TRMAReg &item : m_doc.items())
        m_itemsList->appendRow(itemRow(item));
    if (select >= 0 && select < m_doc.items().size())
        m_itemsList->setCurrentRow(select);
}

void Tk9RecepcionForm::setItemCounter(bool afterInsert)
{
    const QString caption = afterInsert ? QStringLiteral("Registros :") : QStringLiteral("Registros : ");
    m_itemsCounter->setText(caption + QString::number(m_doc.items().size()));
}

void Tk9RecepcionForm::showPurchases(const QList<TProdCompReg> &rows)
{
    m_purchases = rows;
    m_purchasesList->clear();
    m_purchasesList->resetRows();
    for (const TProdCompReg &p : rows) {
        const QString date = p.saleDate.isValid()
                                 ? formatDate(p.saleDate.date()) + u' ' + p.saleDate.time().toString(QStringLiteral("hh:mm:ss"))
                                 : QString();
        m_purchasesList->appendRow(QStringList{p.salesDocument, date, p.productCode, p.serial, p.description, p.brand,
                                               formatAmountTrimmed(p.quantity)}
                                       .join(u'\t'));
    }
    m_purchasesCounter->setText(QStringLiteral("Registros : ") + QString::number(rows.size()));
}

int Tk9RecepcionForm::selectedItem() const
{
    if (!m_itemsList->hasRows() || !m_itemsList->currentItem() || !m_itemsList->currentItem()->isSelected())
        return -1;
    return m_itemsList->currentRow();
}

void Tk9RecepcionForm::cancelar()
{
    if (!m_doc.confirmCancel())
        return;
    newDocument();
    m_client->setFocus();
}

void Tk9RecepcionForm::done(int result)
{
    if (m_searching || !m_doc.confirmClose())
        return;
    TEForm::done(result);
}

void Tk9RecepcionForm::resizeEvent(QResizeEvent *event)
{
    TEForm::resizeEvent(event);
    for (QWidget *p : {static_cast<QWidget *>(m_searchPanel), static_cast<QWidget *>(m_contactPanel),
                       static_cast<QWidget *>(m_datesPanel), static_cast<QWidget *>(m_changePanel)}) {
        if (p && p->isVisible())
            placePanel(p);
    }
}

void Tk9RecepcionForm::showChangePanel(Money total, Money paid, Money change)
{
    const QString symbol = taxDefaults().SimboloMoneda + u' ';
    m_changeTotal->setText(symbol + formatAmountTrimmed(total));
    m_changePaid->setText(symbol + formatAmountTrimmed(paid));
    m_changeAmount->setText(symbol + formatAmountTrimmed(change));
    setMainAreaEnabled(false);
    m_menu->setEnabled(false);
    placePanel(m_changePanel);
    m_changePanel->show();
}

} // namespace k9
