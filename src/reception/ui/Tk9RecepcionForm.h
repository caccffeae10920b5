#pragma once

#include "controls/EForm.h"
#include "reception/CustomerPurchases.h"
#include "reception/ReceptionDocument.h"
#include "reception/ReceptionTables.h"

#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QFrame;
class QHeaderView;
class QLabel;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QToolBar;
class QToolButton;

namespace k9 {

class BrowserRunner;
class LookupCombo;
class PaymentStep;
class PrintStep;
class TVorelDateEdit;
class TVorelEdit;
class TVorelList;
class Tk9DetalleRecepcionForm;

namespace receptionui {
class LeaveWatcher;
}

// "Módulo de Recepción": one reception document at a time. The customer is taken once
// (typed or chosen in the browser) and stays until the document is cancelled; products come
// from the host inventory, earlier receptions, the service inventory, a serial search or the
// customer's purchases, and each becomes an item described in the item detail window. The
// rules live in ReceptionDocument; the window shows them.
//
// Who creates the window gives it what lives above it:
// - the item detail window the program keeps (without one, the window makes its own);
// - addCustomer: the host's customer window ("add a customer"), answering the new
//   customer's code; without it the command is unavailable;
// - serialSearch: the serial search window; without it the serial field and its button are
//   unavailable;
// - serviceInventory: the service inventory window; without it its button is unavailable.
class Tk9RecepcionForm : public TEForm
{
    Q_OBJECT

public:
    struct SerialChoice
    {
        QString productCode;
        QString serial;
        bool fromHost = true;
        bool cancelled = true;
    };
    using AddCustomer = std::function<QString(QWidget *owner)>;
    using SerialSearch = std::function<SerialChoice(QWidget *owner, const QString &typedSerial)>;
    using ServiceInventory = std::function<void(QWidget *owner)>;

    // The host tables are read from `dataDir` and the module's from `rmaDir` (the
    // workspace's DirDatos and DirRMA when empty).
    explicit Tk9RecepcionForm(Tk9DetalleRecepcionForm *detail = nullptr, QWidget *parent = nullptr,
                              const QString &dataDir = QString(), const QString &rmaDir = QString());
    ~Tk9RecepcionForm() override;

    void setAddCustomer(AddCustomer addCustomer);
    void setSerialSearch(SerialSearch serialSearch);
    void setServiceInventory(ServiceInventory serviceInventory);
    // The display of the lookup browser (the browser window when none is given).
    void setBrowserRunner(BrowserRunner *runner) { m_runner = runner; }
    // The payment window and the print formats used by Procesar and Reimpresión (the real
    // windows when none is given).
    void setPaymentStep(PaymentStep *step) { m_paymentStep = step; }
    void setPrintStep(PrintStep *step) { m_printStep = step; }

    const ReceptionDocument &document() const { return m_doc; }
    ReceptionTables &tables() { return m_tables; }
    Tk9DetalleRecepcionForm *detailForm() const { return m_detail; }
    // The item list's selected item; -1 when none.
    int selectedItem() const;

public slots:
    // Detalle (0), Insertar (1), Modificar (2), Borrar (3).
    void itemCommand(int tag);
    void cancelar();
    void contacto();
    void citasDeHoy();
    void citasOtrasFechas();
    // Guardar and Procesar of the document; Cargar, Reimpresión and Anular RMA of a stored one.
    void guardar();
    void procesar();
    void cargar();
    void reimpresion();
    void anularRma();
    // The change panel ("VUELTO") of a processed payment.
    void showChangePanel(Money total, Money paid, Money change);

protected:
    void done(int result) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Source { HostField, HostButton, RmaField, RmaButton, ServiceField, ServiceButton, SerialField,
                        SerialButton, Purchases };
    class SearchMonitor;

    // Layout
    void buildWindow();
    QWidget *buildHeader();
    QWidget *buildProductFields();
    QWidget *buildLists();
    QWidget *buildButtons();
    void buildToolBar();
    void buildMenu();
    void buildPanels();
    void connectSignals();
    void placePanel(QWidget *panel);
    void setMainAreaEnabled(bool enabled);

    // Document state and display
    void newDocument();
    void showTotals();
    void updateCommands();
    void refreshItems(int select = -1);
    void setItemCounter(bool afterInsert = false);
    void showPurchases(const QList<TProdCompReg> &rows);

    // Customer
    void clientLeft();
    void clientButton();
    void takeClient(const QString &code, bool typed);
    void addCustomer();
    void loadPurchases();
    void setClientFieldEnabled(bool enabled);

    // Products
    void productLeft(Source source);
    void productButton(Source source);
    void enterProduct(Source source, const QString &code);
    void productTyped(int field, const QString &text);
    void choosePurchase(int row);
    void setProductFieldsEnabled(bool enabled);
    void clearProductFields();
    void onlyProductField(int field);

    // Item commands
    void insertItem();
    void showItem(bool modify);
    void deleteItem();

    // Panels and browsers
    void acceptContact(bool savePhone);
    void browseAppointments(const QDate &from, const QDate &to, bool today);
    void loadAppointment(const QString &key);
    void browse(int kind, Table &table, const QString &caption, const QString &filter = QString());
    // Stored documents
    void save(bool process);
    // The document chosen in "Documentos RMA" under `filter` (its key and code); empty when
    // none was chosen.
    std::pair<QString, QString> chooseStoredDocument(const QString &filterSql, const QVariantList &values);

    ReceptionDocument m_doc;
    ReceptionTables m_tables;
    Tk9DetalleRecepcionForm *m_detail = nullptr;
    std::unique_ptr<Tk9DetalleRecepcionForm> m_ownDetail;
    BrowserRunner *m_runner = nullptr;
    std::unique_ptr<BrowserRunner> m_windowRunner;
    PaymentStep *m_paymentStep = nullptr;
    std::unique_ptr<PaymentStep> m_windowPayment;
    PrintStep *m_printStep = nullptr;
    std::unique_ptr<PrintStep> m_windowPrint;
    AddCustomer m_addCustomer;
    SerialSearch m_serialSearch;
    ServiceInventory m_serviceInventory;
    bool m_searching = false;
    QList<TProdCompReg> m_purchases;

    QMenuBar *m_menu = nullptr;
    QToolBar *m_toolBar = nullptr;
    QWidget *m_header = nullptr;
    QWidget *m_pageArea = nullptr;
    QWidget *m_buttonsArea = nullptr;

    TVorelEdit *m_client = nullptr;
    receptionui::LeaveWatcher *m_clientWatcher = nullptr;
    QPushButton *m_clientButton = nullptr;
    QPushButton *m_addClientButton = nullptr;
    QLabel *m_clientName = nullptr;
    QLabel *m_address = nullptr;
    QLabel *m_phone = nullptr;
    LookupCombo *m_salesman = nullptr;
    QLabel *m_number = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_products = nullptr;
    QLabel *m_total = nullptr;
    QLabel *m_taxName = nullptr;
    QLabel *m_tax = nullptr;
    QLabel *m_advance = nullptr;
    QLabel *m_operation = nullptr;

    // The four product fields in order: host inventory, "RMA's", serial, service inventory.
    QList<TVorelEdit *> m_productFields;
    QList<QPushButton *> m_productButtons;
    QList<QLabel *> m_productLabels;
    QList<receptionui::LeaveWatcher *> m_productWatchers;
    QPushButton *m_serviceWindowButton = nullptr;

    QHeaderView *m_purchasesHeader = nullptr;
    TVorelList *m_purchasesList = nullptr;
    QLabel *m_purchasesCounter = nullptr;
    QHeaderView *m_itemsHeader = nullptr;
    TVorelList *m_itemsList = nullptr;
    QLabel *m_itemsCounter = nullptr;

    QPushButton *m_bDetalle = nullptr;
    QPushButton *m_bInsertar = nullptr;
    QPushButton *m_bModificar = nullptr;
    QPushButton *m_bBorrar = nullptr;
    QPushButton *m_bGuardar = nullptr;
    QPushButton *m_bProcesar = nullptr;
    QPushButton *m_bCancelar = nullptr;
    QPushButton *m_bCargar = nullptr;
    QPushButton *m_bSalir = nullptr;
    QAction *m_aGuardar = nullptr;
    QAction *m_aProcesar = nullptr;
    QAction *m_aCargar = nullptr;
    QAction *m_aContacto = nullptr;
    QAction *m_aReimpresion = nullptr;
    QAction *m_aAnular = nullptr;

    QFrame *m_searchPanel = nullptr;
    QProgressBar *m_meter = nullptr;
    QFrame *m_contactPanel = nullptr;
    TVorelEdit *m_contactName = nullptr;
    TVorelEdit *m_contactPhone = nullptr;
    QFrame *m_datesPanel = nullptr;
    TVorelDateEdit *m_dateFrom = nullptr;
    TVorelDateEdit *m_dateTo = nullptr;
    QFrame *m_changePanel = nullptr;
    QLabel *m_changeTotal = nullptr;
    QLabel *m_changePaid = nullptr;
    QLabel *m_changeAmount = nullptr;
};

} // namespace k9
