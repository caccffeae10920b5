#include "reception/ui/Tk9DetalleRecepcionForm.h"

#include "controls/LookupCombo.h"
#include "controls/MemoVorel.h"
#include "controls/VorelDateEdit.h"
#include "core/CodeLists.h"
#include "core/Regional.h"
#include "data/TableHelpers.h"
#include "data/Workspace.h"
#include "reception/ui/ReceptionWidgets.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>

namespace k9 {

using namespace receptionui;

namespace {

constexpr double kMaxAmount = 9999999999999.99;
constexpr int kTextLength = 30;
constexpr int kMemoLines = 400;

QComboBox *fixedCombo(const QString &name, const QStringList &items, QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(false);
    c->addItems(items);
    return c;
}

} // namespace

Tk9DetalleRecepcionForm::Tk9DetalleRecepcionForm(QWidget *parent, const QString &dataDir, const QString &rmaDir)
    : TEForm(parent)
{
    setObjectName(QStringLiteral("k9DetalleRecepcionForm"));
    setWindowTitle(QStringLiteral("Detalle de Recepción"));
    AbrirTabla(m_employeeTable, QStringLiteral("SVendedores"), dataDir.isEmpty() ? paths().DirDatos : dataDir);
    m_definitions = loadUserFieldDefinitions(rmaDir.isEmpty() ? paths().DirRMA : rmaDir);
    buildWindow();
    loadEmployees();
    m_message->hide();
}

Tk9DetalleRecepcionForm::~Tk9DetalleRecepcionForm() = default;

void Tk9DetalleRecepcionForm::buildWindow()
{
    auto *root = new QVBoxLayout(this);
    auto *title = label(QStringLiteral("LabelTitulo1"), QStringLiteral(" Detalle Producto"), this);
    QFont big = title->font();
    big.setBold(true);
    title->setFont(big);
    m_status = label(QStringLiteral("LStatus"), QString(), this);
    auto *top = new QHBoxLayout;
    top->addWidget(title, 1);
    top->addWidget(m_status);
    root->addLayout(top);
    m_message = label(QStringLiteral("PanelMensaje"), QStringLiteral("Cargando Forma..."), this);
    m_message->setAlignment(Qt::AlignCenter);
    root->addWidget(m_message);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(buildDetailPage(), QStringLiteral("Detalle"));
    m_pages->addTab(buildComponentsPage(), QStringLiteral("Componentes"));
    root->addWidget(m_pages, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_accept = button(QStringLiteral("BAceptar001"), QStringLiteral("&Aceptar"), this);
    m_cancel = button(QStringLiteral("BCancelar002"), QStringLiteral("&Cancelar"), this);
    buttons->addWidget(m_accept);
    buttons->addWidget(m_cancel);
    root->addLayout(buttons);
    connect(m_accept, &QPushButton::clicked, this, &Tk9DetalleRecepcionForm::aceptar);
    connect(m_cancel, &QPushButton::clicked, this, &Tk9DetalleRecepcionForm::cancelar);
    resize(760, 620);
}

QWidget *Tk9DetalleRecepcionForm::buildDetailPage()
{
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("ScrollBox1"));
    scroll->setWidgetResizable(true);
    auto *box = new QWidget(scroll);
    auto *grid = new QGridLayout(box);
    int row = 0;
    auto add = [&](const QString &caption, QWidget *control, int column = 0, int span = 1) {
        grid->addWidget(new QLabel(caption, box), row, column * 2);
        grid->addWidget(control, row, column * 2 + 1, 1, span);
    };

    m_employee = new LookupCombo(box);
    m_employee->setObjectName(QStringLiteral("LookUpComboEmp"));
    m_receptionDate = new TVorelDateEdit(box);
    m_receptionDate->setObjectName(QStringLiteral("EFechaProductos"));
    m_receptionDate->setAllowBlank(true);
    add(QStringLiteral("Recibido Por :"), m_employee);
    add(QStringLiteral("Recepción :"), m_receptionDate, 1);
    ++row;
    m_advance = number(QStringLiteral("EMonto1"), 0, kMaxAmount, 2, box);
    m_revision = number(QStringLiteral("EMonto2"), 0, kMaxAmount, 2, box);
    m_revision->setToolTip(QStringLiteral("Monto revisión"));
    add(QStringLiteral("Adelanto :"), m_advance);
    add(QStringLiteral("Costo Revisón :"), m_revision, 1);
    ++row;
    m_department = edit(QStringLiteral("EDepartamentoProducto"), kTextLength, box, QStringLiteral("Indique origen"));
    m_subcategory = edit(QStringLiteral("ECategoriaProducto"), kTextLength, box);
    add(QStringLiteral("Departamento :"), m_department);
    add(QStringLiteral("Categoría :"), m_subcategory, 1);
    ++row;
    m_description = edit(QStringLiteral("EDescripProductos"), kTextLength, box);
    m_brand = edit(QStringLiteral("EMarcaProducto"), kTextLength, box);
    add(QStringLiteral("Descripción :"), m_description);
    add(QStringLiteral("Marca :"), m_brand, 1);
    ++row;
    m_reason = fixedCombo(QStringLiteral("ComboBRazon"), reasonTexts(), box);
    m_priority = fixedCombo(QStringLiteral("ComboBPrioridad"), itemPriorityTexts(), box);
    add(QStringLiteral("Razon Rep. :"), m_reason);
    add(QStringLiteral("Prioridad :"), m_priority, 1);
    ++row;

    m_modeBox = new QGroupBox(QStringLiteral(" Modo "), box);
    m_modeBox->setObjectName(QStringLiteral("RGStatusProducto"));
    m_modeButtons = new QButtonGroup(m_modeBox);
    auto *modeRow = new QHBoxLayout(m_modeBox);
    const QStringList modes{QStringLiteral("Garantia"), QStringLiteral("Servicio"), QStringLiteral("Ambos")};
    for (int i = 0; i < modes.size(); ++i) {
        auto *r = new QRadioButton(modes[i], m_modeBox);
        r->setObjectName(QStringLiteral("RGStatusProducto%1").arg(i));
        m_modeButtons->addButton(r, i);
        modeRow->addWidget(r);
    }
    connect(m_modeButtons, &QButtonGroup::idClicked, this, &Tk9DetalleRecepcionForm::onModeClicked);
    grid->addWidget(m_modeBox, row, 0, 1, 4);
    ++row;

    m_daysLeft = number(QStringLiteral("ETiempoProducto"), 0, 999999, 0, box);
    m_daysLeft->setReadOnly(true);
    auto *daysRow = new QHBoxLayout;
    daysRow->addWidget(m_daysLeft);
    daysRow->addWidget(new QLabel(QStringLiteral("días"), box));
    grid->addWidget(new QLabel(QStringLiteral("Garantia :"), box), row, 0);
    grid->addLayout(daysRow, row, 1);
    m_expiry = new TVorelDateEdit(box);
    m_expiry->setObjectName(QStringLiteral("EFechaVenceProd"));
    m_expiry->setAllowBlank(true);
    connect(m_expiry, &QLineEdit::textChanged, this, &Tk9DetalleRecepcionForm::updateDaysLeft);
    add(QStringLiteral("Vence en :"), m_expiry, 1);
    ++row;
    m_serial = edit(QStringLiteral("ESerialProducto"), kTextLength, box);
    m_quantity = number(QStringLiteral("ECantidadProductos"), 1, 99999, 0, box);
    add(QStringLiteral("Serial :"), m_serial);
    add(QStringLiteral("Cantidad :"), m_quantity, 1);
    ++row;
    m_invoice = edit(QStringLiteral("EFacturaDoc"), kTextLength, box);
    add(QStringLiteral("Factura :"), m_invoice);
    m_hour = new QLineEdit(box);
    m_hour->setObjectName(QStringLiteral("MaskEHora"));
    m_hour->setInputMask(QStringLiteral("99:99;_"));
    m_hour->setText(QStringLiteral("12:00"));
    m_hour->setToolTip(QStringLiteral("Indique hora de aviso"));
    new LeaveWatcher(m_hour, false, [this] { onHourLeft(); });
    m_ampm = fixedCombo(QStringLiteral("CHoraampm"), {QStringLiteral("A.M."), QStringLiteral("P.M.")}, box);
    m_ampm->setToolTip(QStringLiteral("Indique hora de aviso"));
    auto *hourRow = new QHBoxLayout;
    hourRow->addWidget(m_hour);
    hourRow->addWidget(m_ampm);
    grid->addWidget(new QLabel(QStringLiteral("Aviso :"), box), row, 2);
    grid->addLayout(hourRow, row, 3);
    ++row;

    m_condition = new TMemoVorel(box);
    m_condition->setObjectName(QStringLiteral("MDetalleProducto"));
    m_condition->setMaxLineas(kMemoLines);
    m_faults = new TMemoVorel(box);
    m_faults->setObjectName(QStringLiteral("MDetalleProducto2"));
    m_faults->setMaxLineas(kMemoLines);
    grid->addWidget(new QLabel(QStringLiteral("Condiciones Físicas :"), box), row, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Fallas :"), box), row, 2, 1, 2);
    ++row;
    grid->addWidget(m_condition, row, 0, 1, 2);
    grid->addWidget(m_faults, row, 2, 1, 2);
    ++row;

    auto *outside = new QGroupBox(QStringLiteral("Producto de Terceros"), box);
    outside->setObjectName(QStringLiteral("GroupBox1"));
    m_outsideParty = new QCheckBox(QStringLiteral("Producto de Terceros"), outside);
    m_outsideParty->setObjectName(QStringLiteral("CheckBTerceros"));
    (new QHBoxLayout(outside))->addWidget(m_outsideParty);
    grid->addWidget(outside, row, 0, 1, 4);
    ++row;

    m_userBox = new QGroupBox(box);
    m_userBox->setObjectName(QStringLiteral("GroupBoxCampos"));
    grid->addWidget(m_userBox, row, 0, 1, 4);
    buildUserControls(m_userBox);
    ++row;
    grid->setRowStretch(row, 1);
    scroll->setWidget(box);
    return scroll;
}

// Until the layout file is read, the built-in layout shows a control for every
// user-defined field whose control is in use, in the kind its type starts with.
void Tk9DetalleRecepcionForm::buildUserControls(QWidget *detailBox)
{
    auto *form = new QGridLayout(detailBox);
    int row = 0;
    for (const UserFieldDefinition &d : m_definitions) {
        if (!d.inUse || d.control.isEmpty())
            continue;
        const int kind = defaultControlKind(d.type);
        QWidget *w = UserFieldControls::create(kind, d.control, d.title, d.message, detailBox);
        if (kind != ControlKind::CheckBox)
            form->addWidget(new QLabel(d.title + QStringLiteral(" :"), detailBox), row, 0);
        form->addWidget(w, row, 1);
        ++row;
        m_userControls.add({d, kind, w, UserFieldControls::Page::Detalle});
    }
    detailBox->setVisible(row > 0);
}

void Tk9DetalleRecepcionForm::loadEmployees()
{
    if (!m_employeeTable.isActive())
        return;
    PrepararLookup(m_employee, m_employeeTable, QStringLiteral("FV_CODIGO"),
                   QStringLiteral("FV_DESCRIPCION\t20\tDescripción\t"), QStringLiteral("FV_CODIGO\t20\tCodigo\t"),
                   QStringLiteral("FV_CODIGO"));
}

QList<TRegistro> Tk9DetalleRecepcionForm::registros() const
{
    QList<TRegistro> list;
    for (const UserFieldDefinition &d : m_definitions)
        list << d.registro();
    return list;
}

int Tk9DetalleRecepcionForm::daysLeft() const
{
    return int(m_daysLeft->integerValue());
}

void Tk9DetalleRecepcionForm::selectEmployee(const QString &code)
{
    m_employee->setValue(code);
}

void Tk9DetalleRecepcionForm::prepare(const TRMAReg &item, ItemMode mode, bool editable, const QString &statusText)
{
    m_item = item;
    m_mode = mode;
    m_editable = editable;
    m_accepted = false;
    m_status->setText(statusText);
    m_message->show();

    // The notice hour starts at the current time.
    const NoticeHour hour = noticeHourAt(QTime::currentTime());
    m_hour->setText(hour.text);
    m_ampm->setCurrentIndex(hour.pm ? 1 : 0);

    m_receptionDate->setDate(item.receptionDate.date());
    m_advance->SetInitText(item.advance);
    m_department->setText(item.category);
    m_subcategory->setText(item.subcategory);
    m_description->setText(item.description);
    m_brand->setText(item.brand);
    m_quantity->SetInitText(double(itemQuantity(item.quantity)));
    m_serial->setText(item.serial.trimmed().isEmpty() ? QStringLiteral("S/N") : item.serial);
    m_condition->setPlainText(item.condition);
    m_faults->setPlainText(item.faults);
    m_invoice->setText(item.invoice);
    if (QAbstractButton *b = m_modeButtons->button(item.receivedAs))
        b->setChecked(true);
    m_expiry->clear();
    m_daysLeft->SetInitText(0.0);
    selectEmployee(item.receiverCode);
    m_revision->SetInitText(revisionForMode(item.receivedAs));

    if (mode == ItemMode::Existing) {
        m_revision->SetInitText(item.revisionAmount);
        m_reason->setCurrentIndex(item.reason);
        m_priority->setCurrentIndex(item.priority);
        m_expiry->setDate(item.warrantyExpiry.date());
        m_outsideParty->setChecked(item.outsideParty);
        if (m_employee->currentIndex() < 0 && m_employee->count() > 0)
            m_employee->setCurrentIndex(0);
        m_components.setComponents(item.components);
        m_userControls.resetAll(UserFieldControls::Page::Detalle);
        m_userControls.load(UserFieldControls::Page::Detalle, item.userFields);
    } else {
        m_reason->setCurrentIndex(item.reason);
        m_priority->setCurrentIndex(item.priority);
        m_outsideParty->setChecked(item.outsideParty);
        m_components.setComponents({});
        m_userControls.resetAll(UserFieldControls::Page::Detalle);
        m_userControls.resetAll(UserFieldControls::Page::Componentes);
    }
    refreshComponentList();
    clearComponentFields();
    setComponentEditing(false);

    m_message->hide();
    m_pages->setCurrentIndex(0);
    if (auto *scroll = qobject_cast<QScrollArea *>(m_pages->widget(0)))
        scroll->ensureVisible(0, 0);
    applyEditable();
}

bool Tk9DetalleRecepcionForm::run(const TRMAReg &item, ItemMode mode, bool editable, const QString &statusText)
{
    prepare(item, mode, editable, statusText);
    exec();
    return m_accepted;
}

void Tk9DetalleRecepcionForm::applyEditable()
{
    const bool readOnly = m_mode == ItemMode::Existing && !m_editable;
    for (QLineEdit *e : {static_cast<QLineEdit *>(m_receptionDate), static_cast<QLineEdit *>(m_advance),
                         static_cast<QLineEdit *>(m_revision), static_cast<QLineEdit *>(m_department),
                         static_cast<QLineEdit *>(m_subcategory), static_cast<QLineEdit *>(m_description),
                         static_cast<QLineEdit *>(m_brand), static_cast<QLineEdit *>(m_expiry),
                         static_cast<QLineEdit *>(m_serial), static_cast<QLineEdit *>(m_quantity),
                         static_cast<QLineEdit *>(m_invoice), m_hour})
        e->setReadOnly(readOnly);
    m_condition->setReadOnly(readOnly);
    m_faults->setReadOnly(readOnly);
    for (QWidget *combo : {static_cast<QWidget *>(m_reason), static_cast<QWidget *>(m_priority),
                           static_cast<QWidget *>(m_employee), static_cast<QWidget *>(m_ampm)})
        combo->setEnabled(!readOnly);
    m_modeBox->setEnabled(m_editable);
    m_outsideParty->setEnabled(m_editable);
    m_componentButtons->setEnabled(m_editable);
    m_userControls.setEditable(UserFieldControls::Page::Detalle, !readOnly);
}

void Tk9DetalleRecepcionForm::updateDaysLeft()
{
    m_daysLeft->SetInitText(double(warrantyDaysLeft(m_expiry->date(), QDate::currentDate())));
}

void Tk9DetalleRecepcionForm::onModeClicked(int mode)
{
    m_revision->SetInitText(revisionForMode(mode));
}

void Tk9DetalleRecepcionForm::onHourLeft()
{
    m_hour->setText(normalizedNoticeHour(m_hour->displayText().replace(u'_', u' ')));
}

void Tk9DetalleRecepcionForm::focusField(ItemDetailField field)
{
    QWidget *target = nullptr;
    switch (field) {
    case ItemDetailField::Revision: target = m_revision; break;
    case ItemDetailField::Receiver: target = m_employee; break;
    case ItemDetailField::ReceptionDate: target = m_receptionDate; break;
    case ItemDetailField::Serial: target = m_serial; break;
    case ItemDetailField::Condition: target = m_condition; break;
    case ItemDetailField::Faults: target = m_faults; break;
    case ItemDetailField::None: break;
    }
    if (target) {
        m_pages->setCurrentIndex(0);
        target->setFocus();
    }
}

void Tk9DetalleRecepcionForm::aceptar()
{
    ItemDetailEntry entry;
    entry.revision = m_revision->moneyValue();
    entry.receivedAs = m_modeButtons->checkedId();
    entry.hasReceiver = m_employee->currentIndex() >= 0 && !m_employee->currentText().isEmpty();
    entry.receptionDate = m_receptionDate->date();
    entry.serial = m_serial->text();
    entry.condition = m_condition->toPlainText();
    entry.faults = m_faults->toPlainText();
    const ItemDetailField failed = checkItemDetail(entry);
    if (failed != ItemDetailField::None) {
        focusField(failed);
        return;
    }

    TRMAReg &item = m_item;
    item.receiverCode = m_employee->value().toString();
    item.receiverName = m_employee->currentIndex() >= 0 ? m_employee->currentText() : QString();
    item.receptionDate = entry.receptionDate.isValid() ? entry.receptionDate.startOfDay() : QDateTime();
    item.advance = m_advance->moneyValue();
    item.revisionAmount = entry.revision;
    item.category = m_department->text();
    item.subcategory = m_subcategory->text();
    item.description = m_description->text();
    item.brand = m_brand->text();
    item.reason = m_reason->currentIndex();
    item.priority = m_priority->currentIndex();
    item.receivedAs = entry.receivedAs;
    const QDate expiry = m_expiry->date();
    item.warrantyExpiry = expiry.isValid() ? expiry.startOfDay() : QDateTime();
    item.serial = entry.serial;
    item.quantity = int(m_quantity->integerValue());
    item.condition = entry.condition;
    item.faults = entry.faults;
    item.invoice = m_invoice->text();
    item.outsideParty = m_outsideParty->isChecked();
    item.components = m_components.components();
    item.userFields = m_userControls.values(UserFieldControls::Page::Detalle);
    m_accepted = true;
    finishComponentEdit();
    done(Accepted);
}

void Tk9DetalleRecepcionForm::cancelar()
{
    done(Rejected);
}

void Tk9DetalleRecepcionForm::done(int result)
{
    if (result != Accepted || !m_accepted) {
        m_accepted = false;
        finishComponentEdit();
    }
    TEForm::done(result);
}

} // namespace k9
