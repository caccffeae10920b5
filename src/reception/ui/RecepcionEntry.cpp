// Entering the customer, the customer's purchases and the product of the next item.
#include "reception/ui/Tk9RecepcionForm.h"

#include "controls/VorelList.h"
#include "core/Messages.h"
#include "queries/Lookup.h"
#include "queries/ListKinds.h"
#include "reception/ui/ReceptionWidgets.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>

namespace k9 {

using namespace receptionui;

namespace {

const QString kDots = QStringLiteral("...");
const QString kInvalidCode = QStringLiteral("Código invalido.");

constexpr int kHostField = 0;
constexpr int kRmaField = 1;
constexpr int kSerialField = 2;
constexpr int kServiceField = 3;

} // namespace

// The "Buscando...." panel and meter while the purchases are read; Esc or a click on the
// panel asks to stop.
class Tk9RecepcionForm::SearchMonitor : public QObject, public PurchaseSearchMonitor
{
public:
    explicit SearchMonitor(Tk9RecepcionForm &form) : m_form(form) { qApp->installEventFilter(this); }
    ~SearchMonitor() override { qApp->removeEventFilter(this); }

    void showPanel(bool shown) override
    {
        if (shown) {
            m_form.placePanel(m_form.m_searchPanel);
            m_form.m_searchPanel->show();
        } else {
            m_form.m_searchPanel->hide();
        }
    }
    void progress(int percent) override { m_form.m_meter->setValue(percent); }
    bool stopRequested() override
    {
        QCoreApplication::processEvents();
        const bool stop = m_stop;
        m_stop = false;
        return stop;
    }
    void showRows(const QList<TProdCompReg> &rows) override { m_form.showPurchases(rows); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Only while the panel shows: a question asked meanwhile keeps its own keys.
        if (!m_form.m_searchPanel->isVisible())
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            m_stop = true;
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            auto *w = qobject_cast<QWidget *>(watched);
            if (w && (w == m_form.m_searchPanel || m_form.m_searchPanel->isAncestorOf(w))) {
                m_stop = true;
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Tk9RecepcionForm &m_form;
    bool m_stop = false;
};

void Tk9RecepcionForm::connectSignals()
{
    m_clientWatcher = new LeaveWatcher(m_client, true, [this] { clientLeft(); });
    connect(m_clientButton, &QPushButton::clicked, this, &Tk9RecepcionForm::clientButton);
    connect(m_addClientButton, &QPushButton::clicked, this, &Tk9RecepcionForm::addCustomer);

    const Source fieldSources[] = {Source::HostField, Source::RmaField, Source::SerialField, Source::ServiceField};
    const Source buttonSources[] = {Source::HostButton, Source::RmaButton, Source::SerialButton,
                                    Source::ServiceButton};
    for (int i = 0; i < m_productFields.size(); ++i) {
        const Source field = fieldSources[i];
        const Source button = buttonSources[i];
        m_productWatchers << new LeaveWatcher(m_productFields[i], true, [this, field] { productLeft(field); });
        connect(m_productButtons[i], &QPushButton::clicked, this, [this, button] { productButton(button); });
        connect(m_productFields[i], &QLineEdit::textEdited, this, [this, i](const QString &t) { productTyped(i, t); });
    }
    connect(m_serviceWindowButton, &QPushButton::clicked, this, [this] {
        if (m_serviceInventory)
            m_serviceInventory(this);
    });
    connect(m_purchasesList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { choosePurchase(m_purchasesList->row(item)); });

    connect(m_bDetalle, &QPushButton::clicked, this, [this] { itemCommand(int(ItemCommand::Detalle)); });
    connect(m_bInsertar, &QPushButton::clicked, this, [this] { itemCommand(int(ItemCommand::Insertar)); });
    connect(m_bModificar, &QPushButton::clicked, this, [this] { itemCommand(int(ItemCommand::Modificar)); });
    connect(m_bBorrar, &QPushButton::clicked, this, [this] { itemCommand(int(ItemCommand::Borrar)); });
    connect(m_itemsList, &QListWidget::itemDoubleClicked, this, [this] { itemCommand(int(ItemCommand::Detalle)); });
    connect(m_bCancelar, &QPushButton::clicked, this, &Tk9RecepcionForm::cancelar);
    connect(m_bGuardar, &QPushButton::clicked, this, &Tk9RecepcionForm::guardar);
    connect(m_bProcesar, &QPushButton::clicked, this, &Tk9RecepcionForm::procesar);
    connect(m_bCargar, &QPushButton::clicked, this, &Tk9RecepcionForm::cargar);
    connect(m_bSalir, &QPushButton::clicked, this, &QDialog::reject);
}

// ---- Customer ------------------------------------------------------------------------

void Tk9RecepcionForm::setClientFieldEnabled(bool enabled)
{
    m_client->setEnabled(enabled);
    m_clientButton->setEnabled(enabled);
    m_addClientButton->setEnabled(enabled && bool(m_addCustomer));
}

void Tk9RecepcionForm::clientLeft()
{
    if (!m_client->isEnabled())
        return;
    takeClient(m_client->text(), true);
}

void Tk9RecepcionForm::clientButton()
{
    if (!m_client->isEnabled())
        return;
    m_doc.setInvoiceReference(QString());
    QString label = m_clientName->text();
    QString code;
    BuscarCodigo(*m_runner, label, CodeSender::SearchButton, QString(), code, listkind::Clientes, QString(),
                 QStringLiteral("FC_DESCRIPCION"), QString(), m_tables.customers());
    if (code.isEmpty())
        return;
    m_client->setText(code);
    takeClient(code, false);
}

// Takes the customer `code` (typed: validated first, with the browser's messages).
void Tk9RecepcionForm::takeClient(const QString &text, bool typed)
{
    m_doc.setInvoiceReference(QString());
    QString code = text.trimmed();
    if (typed) {
        QString label = m_clientName->text();
        BuscarCodigo(*m_runner, label, CodeSender::CodeField, text, code, listkind::Clientes, QString(),
                     QStringLiteral("FC_DESCRIPCION"), QString(), m_tables.customers());
    }
    const std::optional<CustomerInfo> customer = m_tables.customer(code);
    if (!customer) {
        m_purchases.clear();
        m_purchasesList->clear();
        m_purchasesList->resetRows();
        m_purchasesCounter->setText(QStringLiteral("Registros : 0"));
        m_clientName->setText(kDots);
        setProductFieldsEnabled(false);
        m_aContacto->setEnabled(false);
        if (!text.trimmed().isEmpty()) {
            messages().inform(kInvalidCode);
            m_client->setFocus();
            m_clientWatcher->markEdited();
        }
        return;
    }
    m_client->setText(customer->code);
    m_clientName->setText(customer->name);
    m_address->setText(QStringLiteral("Dirección :  ") + customer->address);
    m_phone->setText(QStringLiteral("Teléfono  :  ") + customer->phone);
    m_doc.setCustomer(*customer, m_doc.isNew());
    // Once taken, the customer stays until the document is cancelled or finished.
    setClientFieldEnabled(false);
    loadPurchases();
    if (!m_doc.hasCustomer())
        return; // the search failed and the document was cancelled
    setProductFieldsEnabled(true);
    m_aContacto->setEnabled(true);
    m_productFields[kHostField]->setFocus();
}

void Tk9RecepcionForm::addCustomer()
{
    if (!m_addCustomer || !m_client->isEnabled())
        return;
    const QString code = m_addCustomer(this);
    if (code.isEmpty())
        return;
    m_client->setText(code);
    takeClient(code, true);
}

void Tk9RecepcionForm::loadPurchases()
{
    m_purchases.clear();
    m_purchasesList->clear();
    m_purchasesList->resetRows();
    m_searching = true;
    setBusy(true);
    setMainAreaEnabled(false);
    PurchaseSearchResult result;
    {
        SearchMonitor monitor(*this);
        result = searchCustomerPurchases(m_doc.customer().code, monitor);
    }
    m_searchPanel->hide();
    setMainAreaEnabled(true);
    setBusy(false);
    m_searching = false;
    if (result.failed) {
        newDocument();
        m_purchasesCounter->setText(QStringLiteral(" Registros : 0"));
        return;
    }
    showPurchases(result.rows);
    if (result.cancelled && result.rows.isEmpty())
        m_purchasesCounter->setText(QStringLiteral(" Registros : 0"));
}

// ---- Products ------------------------------------------------------------------------

void Tk9RecepcionForm::setProductFieldsEnabled(bool enabled)
{
    for (int i = 0; i < m_productFields.size(); ++i) {
        const bool on = enabled && (i != kSerialField || bool(m_serialSearch));
        m_productFields[i]->setEnabled(on);
        m_productButtons[i]->setEnabled(on);
    }
    m_serviceWindowButton->setEnabled(enabled && bool(m_serviceInventory));
}

void Tk9RecepcionForm::clearProductFields()
{
    for (int i = 0; i < m_productFields.size(); ++i) {
        m_productFields[i]->clear();
        m_productLabels[i]->setText(kDots);
        if (i < m_productWatchers.size())
            m_productWatchers[i]->clearEdited();
    }
}

// One product source at a time: the other fields are emptied and disabled.
void Tk9RecepcionForm::onlyProductField(int field)
{
    for (int i = 0; i < m_productFields.size(); ++i) {
        if (i == field)
            continue;
        m_productFields[i]->clear();
        m_productLabels[i]->setText(kDots);
        m_productFields[i]->setEnabled(false);
        m_productButtons[i]->setEnabled(false);
    }
    m_serviceWindowButton->setEnabled(false);
}

void Tk9RecepcionForm::productTyped(int field, const QString &text)
{
    m_productLabels[field]->setText(kDots);
    if (text.isEmpty()) {
        clearProductFields();
        setProductFieldsEnabled(true);
    }
}

void Tk9RecepcionForm::productLeft(Source source)
{
    if (source == Source::SerialField && !m_productFields[kSerialField]->text().trimmed().isEmpty()) {
        productButton(Source::SerialButton);
        return;
    }
    const int field = source == Source::HostField ? kHostField
                      : source == Source::RmaField ? kRmaField
                      : source == Source::SerialField ? kSerialField
                                                      : kServiceField;
    enterProduct(source, m_productFields[field]->text().trimmed());
}

void Tk9RecepcionForm::productButton(Source source)
{
    QString code;
    m_doc.setPreviousReception(QString());
    switch (source) {
    case Source::HostButton:
        BuscarEnLista(*m_runner, m_tables.products(), QStringLiteral("Listado de Inventario"), code,
                      listkind::InventarioK9);
        break;
    case Source::ServiceButton:
        BuscarEnLista(*m_runner, m_tables.serviceProducts(), QStringLiteral("Inventario de Productos"), code,
                      listkind::InventarioGS);
        break;
    case Source::RmaButton: {
        LookupOptions options;
        options.filter = {QStringLiteral(" (RMD_CODIGORMA <> ? ) AND (RMD_FROMK9) "), {QString(kPendingDocumentCode)}};
        const LookupResult r = BuscarItemRMA(*m_runner, m_tables.receivedItems(), QStringLiteral("Documentos RMA"),
                                             code, listkind::ItemsRecibidos, options);
        if (r.chosen) {
            m_doc.setPreviousReception(r.extras.rmaCode);
            m_doc.setProductFromHost(r.extras.fromK9);
            m_doc.setSerial(r.extras.serial);
        }
        break;
    }
    case Source::SerialButton: {
        if (!m_serialSearch)
            return;
        const SerialChoice choice = m_serialSearch(this, m_productFields[kSerialField]->text());
        if (choice.cancelled || choice.productCode.isEmpty()) {
            m_doc.setSerial(QString());
            clearProductFields();
            setProductFieldsEnabled(true);
            updateCommands();
            return;
        }
        code = choice.productCode;
        m_doc.setSerial(choice.serial);
        m_doc.setProductFromHost(choice.fromHost);
        break;
    }
    default: break;
    }
    if (code.isEmpty() && source != Source::SerialButton)
        return; // the browser was left without a choice
    enterProduct(source, code);
}

// Looks the code up in the inventory of its source and takes the product (or refuses it).
void Tk9RecepcionForm::enterProduct(Source source, const QString &code)
{
    if (source != Source::RmaButton)
        m_doc.setPreviousReception(QString());
    bool fromHost = m_doc.productFromHost();
    int field = kHostField;
    switch (source) {
    case Source::HostField:
    case Source::HostButton:
    case Source::Purchases: fromHost = true; field = kHostField; break;
    case Source::ServiceField:
    case Source::ServiceButton: fromHost = false; field = kServiceField; break;
    case Source::RmaField:
    case Source::RmaButton: field = kRmaField; break;
    case Source::SerialField:
    case Source::SerialButton: field = kSerialField; break;
    }
    const std::optional<ProductInfo> product = m_tables.product(code, fromHost);
    if (product) {
        const bool keepsSerial = source == Source::Purchases || source == Source::RmaButton
                                 || source == Source::SerialButton;
        if (!keepsSerial)
            m_doc.setSerial(QString());
        m_doc.setProduct(*product);
        QString shown = product->code;
        if (source == Source::RmaButton)
            shown = m_doc.previousReception();
        else if (source == Source::SerialButton)
            shown = m_doc.serial();
        m_productFields[field]->setText(shown);
        m_productLabels[field]->setText(product->description);
        m_bInsertar->setEnabled(true);
    } else {
        m_doc.clearProduct();
        for (QLabel *l : m_productLabels)
            l->setText(kDots);
        if (!code.isEmpty())
            messages().inform(kInvalidCode);
        m_bInsertar->setEnabled(false);
    }
    if (!m_productFields[field]->text().isEmpty()) {
        onlyProductField(field);
    } else {
        clearProductFields();
        setProductFieldsEnabled(true);
    }
}

void Tk9RecepcionForm::choosePurchase(int row)
{
    if (row < 0 || row >= m_purchases.size() || !m_doc.hasCustomer())
        return;
    const TProdCompReg &p = m_purchases.at(row);
    setProductFieldsEnabled(true);
    m_productFields[kHostField]->setText(p.productCode);
    m_doc.setSerial(p.serial);
    m_doc.setInvoiceReference(p.salesDocument);
    m_doc.setProductFromHost(true);
    enterProduct(Source::Purchases, p.productCode);
    m_productFields[kHostField]->setEnabled(true);
    m_productButtons[kHostField]->setEnabled(true);
}

} // namespace k9
