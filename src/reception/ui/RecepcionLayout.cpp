// The controls of the reception window: header, product fields, the two lists, the
// command buttons, tool bar, menu and the panels shown over the window.
#include "reception/ui/Tk9RecepcionForm.h"

#include "controls/LookupCombo.h"
#include "controls/VorelDateEdit.h"
#include "core/Globals.h"
#include "reception/ui/ReceptionWidgets.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolBar>
#include <QToolButton>

namespace k9 {

using namespace receptionui;

namespace {

QFrame *panel(const QString &name, QWidget *parent)
{
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(QFrame::Raised);
    f->setAutoFillBackground(true);
    f->hide();
    return f;
}

QToolButton *toolMenuButton(const QString &name, const QString &text, QMenu *menu, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setMenu(menu);
    b->setPopupMode(QToolButton::InstantPopup);
    return b;
}

} // namespace

void Tk9RecepcionForm::buildWindow()
{
    auto *root = new QVBoxLayout(this);
    buildMenu();
    root->setMenuBar(m_menu);
    buildToolBar();
    root->addWidget(m_toolBar);
    m_header = buildHeader();
    root->addWidget(m_header);
    m_pageArea = new QWidget(this);
    m_pageArea->setObjectName(QStringLiteral("PanelPagina"));
    auto *page = new QVBoxLayout(m_pageArea);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(buildProductFields());
    page->addWidget(buildLists(), 1);
    root->addWidget(m_pageArea, 1);
    m_buttonsArea = buildButtons();
    root->addWidget(m_buttonsArea);
    buildPanels();
}

QWidget *Tk9RecepcionForm::buildHeader()
{
    auto *header = new QWidget(this);
    header->setObjectName(QStringLiteral("PanelCabecera"));
    auto *row = new QHBoxLayout(header);

    auto *clientBox = new QGroupBox(QStringLiteral("Cliente"), header);
    auto *grid = new QGridLayout(clientBox);
    m_client = edit(QStringLiteral("ECodigoCliente"), 0, clientBox, QStringLiteral("Seleccione Clientes"));
    m_clientButton = button(QStringLiteral("BCodigoCliente006"), QString(), clientBox);
    m_clientButton->setToolTip(QStringLiteral("Seleccione Clientes"));
    m_addClientButton = button(QStringLiteral("BIncluirCliente003"), QString(), clientBox);
    m_addClientButton->setToolTip(QStringLiteral("Incluir Cliente"));
    m_clientName = label(QStringLiteral("LDescripCliente"), QStringLiteral("..."), clientBox);
    m_address = label(QStringLiteral("LDireccion"), QStringLiteral("Dirección :"), clientBox);
    m_phone = label(QStringLiteral("LTelefono"), QStringLiteral("Teléfono  :"), clientBox);
    m_salesman = new LookupCombo(clientBox);
    m_salesman->setObjectName(QStringLiteral("LComboEmp"));
    m_salesman->setToolTip(QStringLiteral("Indique empleado"));
    grid->addWidget(new QLabel(QStringLiteral("Cliente :"), clientBox), 0, 0);
    grid->addWidget(m_client, 0, 1);
    grid->addWidget(m_clientButton, 0, 2);
    grid->addWidget(m_addClientButton, 0, 3);
    grid->addWidget(m_clientName, 0, 4);
    grid->addWidget(m_address, 1, 0, 1, 5);
    grid->addWidget(m_phone, 2, 0, 1, 5);
    grid->addWidget(new QLabel(QStringLiteral("Vendedor :"), clientBox), 3, 0);
    grid->addWidget(m_salesman, 3, 1, 1, 4);
    grid->setColumnStretch(4, 1);
    row->addWidget(clientBox, 3);

    auto *totals = new QGroupBox(header);
    totals->setObjectName(QStringLiteral("PanelTotales"));
    auto *t = new QGridLayout(totals);
    int r = 0;
    auto pair = [&](const QString &caption, const QString &name) {
        QLabel *c = caption.isEmpty() ? nullptr : new QLabel(caption, totals);
        QLabel *v = label(name, QString(), totals);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (c)
            t->addWidget(c, r, 0);
        t->addWidget(v, r, 1);
        ++r;
        return v;
    };
    m_number = pair(QStringLiteral("Documento #"), QStringLiteral("LNumeroDocumento"));
    m_date = pair(QStringLiteral("Fecha : "), QStringLiteral("LFechaDocumento"));
    m_products = pair(QStringLiteral("Nro. Productos : "), QStringLiteral("LNroProductos"));
    m_total = pair(QStringLiteral("Total : "), QStringLiteral("LTotal"));
    m_taxName = label(QStringLiteral("LNombreImpuesto"), taxDefaults().NombreImpuesto1, totals);
    t->addWidget(m_taxName, r, 0);
    m_tax = pair(QString(), QStringLiteral("LImpuesto"));
    m_advance = pair(QStringLiteral("Total Adelanto : "), QStringLiteral("LTotalAdelanto"));
    m_operation = pair(QStringLiteral("Total Operación : "), QStringLiteral("LTotalOperacion"));
    row->addWidget(totals, 2);
    return header;
}

QWidget *Tk9RecepcionForm::buildProductFields()
{
    auto *box = new QGroupBox(QStringLiteral("Productos"), this);
    box->setObjectName(QStringLiteral("PanelProductos"));
    auto *grid = new QGridLayout(box);
    struct Field
    {
        const char16_t *caption;
        const char16_t *edit;
        const char16_t *button;
        const char16_t *label;
    };
    const Field fields[] = {
        {u"Inventario  k9 :", u"ECodigoProducto", u"BCodigoProducto006", u"LDescripProducto"},
        {u"RMA's            :", u"ECodigoProductoRMA", u"BCodigoProductoRMA006", u"LDescripProductoRMA"},
        {u"Serial             :", u"ESerialProducto", u"BSerialProducto006", u"LDescripSerial"},
        {u"Inventario G&&S:", u"ECodigoInventarioRMA", u"BCodigoInventarioRMA006", u"LDescripInventarioRMA"},
    };
    for (int i = 0; i < 4; ++i) {
        const Field &f = fields[i];
        auto *caption = new QLabel(QString::fromUtf16(f.caption), box);
        caption->setTextFormat(Qt::PlainText);
        TVorelEdit *e = edit(QString::fromUtf16(f.edit), 0, box);
        caption->setBuddy(e);
        QPushButton *b = button(QString::fromUtf16(f.button), QString(), box);
        QLabel *l = label(QString::fromUtf16(f.label), QStringLiteral("..."), box);
        const int row = i % 2;
        const int column = (i / 2) * 4;
        grid->addWidget(caption, row, column);
        grid->addWidget(e, row, column + 1);
        grid->addWidget(b, row, column + 2);
        grid->addWidget(l, row, column + 3);
        m_productFields << e;
        m_productButtons << b;
        m_productLabels << l;
    }
    // The service inventory maintenance window, to add a product before choosing it.
    m_serviceWindowButton = button(QStringLiteral("BIncluirProducto003"), QString(), box);
    m_serviceWindowButton->setToolTip(QStringLiteral("Inventario G&S"));
    grid->addWidget(m_serviceWindowButton, 1, 8);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(7, 1);
    return box;
}

QWidget *Tk9RecepcionForm::buildLists()
{
    auto *area = new QWidget(this);
    auto *v = new QVBoxLayout(area);
    v->setContentsMargins(0, 0, 0, 0);

    v->addWidget(new QLabel(QStringLiteral("Productos y/o servicios comprados por el cliente :"), area));
    m_purchasesList = headedList(QStringLiteral("ListaCompras"),
                                 {QStringLiteral("Factura"), QStringLiteral("Fecha "), QStringLiteral("Código Producto"),
                                  QStringLiteral("Serial Producto"), QStringLiteral("Descripción"),
                                  QStringLiteral("Marca"), QStringLiteral("Cantidad")},
                                 {90, 130, 110, 120, 260, 110}, &m_purchasesHeader, area);
    m_purchasesList->rowDelegate()->setRightAligned({6});
    v->addWidget(m_purchasesHeader);
    v->addWidget(m_purchasesList, 1);
    m_purchasesCounter = label(QStringLiteral("LRegistrosCompras"), QStringLiteral("Registros : 0"), area);
    v->addWidget(m_purchasesCounter);

    v->addWidget(new QLabel(QStringLiteral(" Productos"), area));
    m_itemsList = headedList(QStringLiteral("ListaProductos"),
                             {QStringLiteral("#"), QStringLiteral("Código"), QStringLiteral("Serial"),
                              QStringLiteral("Descripción"), QStringLiteral("Recibido por..."), QStringLiteral("Modo"),
                              QStringLiteral("Razón"), QStringLiteral("Prioridad"), QStringLiteral("Adelanto"),
                              QStringLiteral("Revisión")},
                             {30, 100, 110, 230, 140, 70, 100, 80, 100}, &m_itemsHeader, area);
    m_itemsList->rowDelegate()->setRightAligned({0, 8, 9});
    v->addWidget(m_itemsHeader);
    v->addWidget(m_itemsList, 2);
    m_itemsCounter = label(QStringLiteral("LRegistrosProductos"), QStringLiteral("Registros : 0"), area);
    v->addWidget(m_itemsCounter);
    return area;
}

QWidget *Tk9RecepcionForm::buildButtons()
{
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("PanelBotones"));
    auto *row = new QHBoxLayout(area);
    m_bDetalle = button(QStringLiteral("BDetalle028"), QStringLiteral("&Detalle"), area);
    m_bInsertar = button(QStringLiteral("BInsertar003"), QStringLiteral("&Insertar"), area);
    m_bModificar = button(QStringLiteral("BModificar005"), QStringLiteral("&Modificar"), area);
    m_bBorrar = button(QStringLiteral("BBorrar004"), QStringLiteral("&Borrar"), area);
    m_bGuardar = button(QStringLiteral("BGuardar012"), QStringLiteral("&Guardar"), area);
    m_bProcesar = button(QStringLiteral("BProcesar026"), QStringLiteral("&Procesar"), area);
    m_bCancelar = button(QStringLiteral("BCancelar002"), QStringLiteral("Ca&ncelar"), area);
    m_bCargar = button(QStringLiteral("BCargar013"), QStringLiteral("&Cargar"), area);
    m_bSalir = button(QStringLiteral("BSalir016"), QStringLiteral("&Salir"), area);
    for (QPushButton *b : {m_bDetalle, m_bInsertar, m_bModificar, m_bBorrar})
        row->addWidget(b);
    row->addStretch(1);
    for (QPushButton *b : {m_bGuardar, m_bProcesar, m_bCancelar, m_bCargar, m_bSalir})
        row->addWidget(b);
    return area;
}

void Tk9RecepcionForm::buildMenu()
{
    m_menu = new QMenuBar(this);
    m_menu->setObjectName(QStringLiteral("MenuRecepcion"));
    QMenu *file = m_menu->addMenu(QStringLiteral("&Archivo"));
    m_aGuardar = file->addAction(QStringLiteral("&Guardar"));
    m_aProcesar = file->addAction(QStringLiteral("&Procesar"));
    m_aCargar = file->addAction(QStringLiteral("&Cargar"));
    file->addSeparator();
    QAction *salir = file->addAction(QStringLiteral("&Salir"));
    connect(salir, &QAction::triggered, this, &QDialog::reject);
    QMenu *lists = m_menu->addMenu(QStringLiteral("&Consultas"));
    QAction *inventario = lists->addAction(QStringLiteral("Inventario"));
    QAction *clientes = lists->addAction(QStringLiteral("Clientes"));
    m_aReimpresion = lists->addAction(QStringLiteral("Reimpresión"));
    QMenu *citas = m_menu->addMenu(QStringLiteral("Citas"));
    QAction *deHoy = citas->addAction(QStringLiteral("De hoy"));
    QAction *otras = citas->addAction(QStringLiteral("Otras fechas"));
    connect(inventario, &QAction::triggered, this,
            [this] { browse(15, m_tables.products(), QStringLiteral("Listado de Inventario")); });
    connect(clientes, &QAction::triggered, this,
            [this] { browse(14, m_tables.customers(), QStringLiteral("Listado de Clientes")); });
    connect(deHoy, &QAction::triggered, this, &Tk9RecepcionForm::citasDeHoy);
    connect(otras, &QAction::triggered, this, &Tk9RecepcionForm::citasOtrasFechas);
    connect(m_aGuardar, &QAction::triggered, this, &Tk9RecepcionForm::guardar);
    connect(m_aProcesar, &QAction::triggered, this, &Tk9RecepcionForm::procesar);
    connect(m_aCargar, &QAction::triggered, this, &Tk9RecepcionForm::cargar);
    connect(m_aReimpresion, &QAction::triggered, this, &Tk9RecepcionForm::reimpresion);
}

void Tk9RecepcionForm::buildToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBarRecepcion"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction *inventario = m_toolBar->addAction(QStringLiteral("Inventario"));
    inventario->setObjectName(QStringLiteral("TBInventario"));
    QAction *clientes = m_toolBar->addAction(QStringLiteral("Clientes"));
    clientes->setObjectName(QStringLiteral("TBClientes"));
    m_toolBar->addAction(m_aReimpresion);

    auto *received = new QMenu(this);
    QAction *k9 = received->addAction(QStringLiteral("Productos k9"));
    QAction *gs = received->addAction(QStringLiteral("Productos G&&S"));
    m_toolBar->addWidget(toolMenuButton(QStringLiteral("TBRecibidos"), QStringLiteral("P. Recibidos"), received, this));

    m_aContacto = m_toolBar->addAction(QStringLiteral("Contacto"));
    m_aContacto->setObjectName(QStringLiteral("TBContacto"));
    auto *citas = new QMenu(this);
    QAction *hoy = citas->addAction(QStringLiteral("Citas de hoy"));
    QAction *otras = citas->addAction(QStringLiteral("Otras fechas"));
    m_toolBar->addWidget(toolMenuButton(QStringLiteral("TBCitas"), QStringLiteral("Citas"), citas, this));
    m_aAnular = m_toolBar->addAction(QStringLiteral("Anular RMA"));
    m_aAnular->setObjectName(QStringLiteral("TBAnular"));
    connect(m_aAnular, &QAction::triggered, this, &Tk9RecepcionForm::anularRma);

    connect(inventario, &QAction::triggered, this,
            [this] { browse(15, m_tables.products(), QStringLiteral("Listado de Inventario")); });
    connect(clientes, &QAction::triggered, this,
            [this] { browse(14, m_tables.customers(), QStringLiteral("Listado de Clientes")); });
    connect(k9, &QAction::triggered, this, [this] {
        browse(17, m_tables.receivedItems(), QStringLiteral("Productos Recibidos"), QStringLiteral("(RMD_FROMK9 = 1)"));
    });
    connect(gs, &QAction::triggered, this, [this] {
        browse(25, m_tables.receivedItems(), QStringLiteral("Productos Recibidos"), QStringLiteral("NOT(RMD_FROMK9)"));
    });
    connect(m_aContacto, &QAction::triggered, this, &Tk9RecepcionForm::contacto);
    connect(hoy, &QAction::triggered, this, &Tk9RecepcionForm::citasDeHoy);
    connect(otras, &QAction::triggered, this, &Tk9RecepcionForm::citasOtrasFechas);
}

void Tk9RecepcionForm::buildPanels()
{
    m_searchPanel = panel(QStringLiteral("PanelBuscando"), this);
    auto *s = new QVBoxLayout(m_searchPanel);
    s->addWidget(label(QStringLiteral("LBuscando"), QStringLiteral("Buscando...."), m_searchPanel));
    m_meter = new QProgressBar(m_searchPanel);
    m_meter->setObjectName(QStringLiteral("MedidorBusqueda"));
    m_meter->setRange(0, 100);
    s->addWidget(m_meter);

    m_contactPanel = panel(QStringLiteral("PanelContacto"), this);
    auto *c = new QGridLayout(m_contactPanel);
    c->addWidget(new QLabel(QStringLiteral(" Contacto"), m_contactPanel), 0, 0, 1, 3);
    m_contactName = edit(QStringLiteral("EContacto"), 0, m_contactPanel);
    m_contactPhone = edit(QStringLiteral("ETelefonoContacto"), 0, m_contactPanel);
    c->addWidget(new QLabel(QStringLiteral("Contacto :"), m_contactPanel), 1, 0);
    c->addWidget(m_contactName, 1, 1, 1, 2);
    c->addWidget(new QLabel(QStringLiteral("Teléfono :"), m_contactPanel), 2, 0);
    c->addWidget(m_contactPhone, 2, 1, 1, 2);
    QPushButton *accept = button(QStringLiteral("BAceptarContacto001"), QStringLiteral("&Aceptar"), m_contactPanel);
    QPushButton *savePhone = button(QStringLiteral("BGuardarTlf012"), QStringLiteral("&Guardar Tlf."), m_contactPanel);
    c->addWidget(accept, 3, 1);
    c->addWidget(savePhone, 3, 2);
    connect(accept, &QPushButton::clicked, this, [this] { acceptContact(false); });
    connect(savePhone, &QPushButton::clicked, this, [this] { acceptContact(true); });

    m_datesPanel = panel(QStringLiteral("PanelCitas"), this);
    auto *d = new QGridLayout(m_datesPanel);
    d->addWidget(new QLabel(QStringLiteral(" Citas en otras fechas "), m_datesPanel), 0, 0, 1, 3);
    m_dateFrom = new TVorelDateEdit(m_datesPanel);
    m_dateFrom->setObjectName(QStringLiteral("EFechaDesde"));
    m_dateFrom->setAllowBlank(true);
    m_dateTo = new TVorelDateEdit(m_datesPanel);
    m_dateTo->setObjectName(QStringLiteral("EFechaHasta"));
    m_dateTo->setAllowBlank(true);
    d->addWidget(new QLabel(QStringLiteral("Fecha desde :"), m_datesPanel), 1, 0);
    d->addWidget(m_dateFrom, 1, 1, 1, 2);
    d->addWidget(new QLabel(QStringLiteral("Fecha hasta :"), m_datesPanel), 2, 0);
    d->addWidget(m_dateTo, 2, 1, 1, 2);
    QPushButton *datesOk = button(QStringLiteral("BAceptarCitas001"), QStringLiteral("&Aceptar"), m_datesPanel);
    QPushButton *datesCancel = button(QStringLiteral("BCancelarCitas002"), QStringLiteral("&Cancelar"), m_datesPanel);
    d->addWidget(datesOk, 3, 1);
    d->addWidget(datesCancel, 3, 2);
    connect(datesOk, &QPushButton::clicked, this, [this] {
        m_datesPanel->hide();
        setMainAreaEnabled(true);
        browseAppointments(m_dateFrom->date(), m_dateTo->date(), false);
    });
    connect(datesCancel, &QPushButton::clicked, this, [this] {
        m_datesPanel->hide();
        setMainAreaEnabled(true);
    });

    m_changePanel = panel(QStringLiteral("PanelVuelto"), this);
    auto *v = new QGridLayout(m_changePanel);
    v->addWidget(new QLabel(QStringLiteral("VUELTO"), m_changePanel), 0, 0, 1, 2);
    m_changeTotal = label(QStringLiteral("LVueltoTotal"), QString(), m_changePanel);
    m_changePaid = label(QStringLiteral("LVueltoCancelado"), QString(), m_changePanel);
    m_changeAmount = label(QStringLiteral("LVuelto"), QString(), m_changePanel);
    v->addWidget(new QLabel(QStringLiteral("Total Operación :"), m_changePanel), 1, 0);
    v->addWidget(m_changeTotal, 1, 1);
    v->addWidget(new QLabel(QStringLiteral("Total Cancelado :"), m_changePanel), 2, 0);
    v->addWidget(m_changePaid, 2, 1);
    v->addWidget(new QLabel(QStringLiteral("Vuelto : "), m_changePanel), 3, 0);
    v->addWidget(m_changeAmount, 3, 1);
    QPushButton *changeOk = button(QStringLiteral("BAceptarVuelto001"), QStringLiteral("&Aceptar"), m_changePanel);
    v->addWidget(changeOk, 4, 1);
    connect(changeOk, &QPushButton::clicked, this, [this] {
        m_changePanel->hide();
        setMainAreaEnabled(true);
        m_menu->setEnabled(true);
    });
}

void Tk9RecepcionForm::placePanel(QWidget *p)
{
    p->adjustSize();
    p->move((width() - p->width()) / 2, (height() - p->height()) / 2);
    p->raise();
}

// The page area, the header, the command buttons and the tool bar, as the panels over the
// window take and give them back.
void Tk9RecepcionForm::setMainAreaEnabled(bool enabled)
{
    for (QWidget *w : {m_pageArea, m_header, m_buttonsArea, static_cast<QWidget *>(m_toolBar)})
        w->setEnabled(enabled);
}

} // namespace k9
