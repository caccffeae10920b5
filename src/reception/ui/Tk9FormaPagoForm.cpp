#include "reception/ui/Tk9FormaPagoForm.h"

#include "controls/ListRowDelegate.h"
#include "controls/VorelEdit.h"
#include "controls/VorelList.h"
#include "core/CodeLists.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Regional.h"
#include "data/Workspace.h"
#include "reception/ui/PaymentEditor.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyle>

namespace k9 {

namespace {

const QString kTooManyLines = QStringLiteral("El número máximo de transacciones ha sido alcanzado.");

QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QString lineText(const TFormaPago &line)
{
    if (line.type == PaymentKind::LineaEntrada)
        return QStringLiteral("\t\t\t"); // the entry line draws empty
    const QString type = line.type == PaymentKind::Adelanto ? QStringLiteral("Adelanto") : paymentKindText(line.type);
    return formatAmount(line.amount) + u'\t' + type + u'\t' + line.name + u'\t' + line.detail;
}

} // namespace

Tk9FormaPagoForm::Tk9FormaPagoForm(QWidget *parent, const QString &dataDir)
    : TEForm(parent, kHelpTopic), m_totalCaption(QStringLiteral("Monto Total  : Bs."))
{
    setObjectName(QStringLiteral("k9FormaPagoForm"));
    setWindowTitle(QStringLiteral("Forma de Pago"));
    buildWindow();
    m_editor = new PaymentEditor(dataDir.isEmpty() ? paths().DirDatos : dataDir, m_list->viewport());
    connect(m_editor, &PaymentEditor::commitRequested, this, &Tk9FormaPagoForm::commitLine);
    connect(m_editor, &PaymentEditor::upFromAmount, this, [this] {
        if (!m_lines.firstIsEntryLine())
            backToList();
    });
    // Esc in the editor does not close the window: it proposes what is still due.
    connect(m_editor, &PaymentEditor::escapePressed, this,
            [this] { m_editor->setAmount(m_lines.amountStillDue()); });
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this, [this] { updateEscapeRule(); });

    refreshList();
    refreshLabels();
    // Editing starts on the entry line, in cash.
    m_editRow = m_lines.entryRow();
    selectRow(m_editRow);
    m_editor->setType(PaymentKind::Efectivo);
    placeEditor();
    m_editor->show();
}

Tk9FormaPagoForm::~Tk9FormaPagoForm()
{
    // The children go after this class: no focus change may reach it meanwhile.
    disconnect(m_focusConnection);
}

void Tk9FormaPagoForm::buildWindow()
{
    auto *root = new QVBoxLayout(this);

    auto *customerRow = new QHBoxLayout;
    customerRow->addWidget(label(QStringLiteral("LabelCliente"), QStringLiteral("Clientes  :"), this));
    m_customer = label(QStringLiteral("LCliente"), QString(), this);
    customerRow->addWidget(m_customer, 1);
    root->addLayout(customerRow);

    auto *totalRow = new QHBoxLayout;
    m_labelFac = label(QStringLiteral("LabelFac"), m_totalCaption, this);
    m_amountDue = label(QStringLiteral("LMonto"), QString(), this);
    totalRow->addWidget(m_labelFac);
    totalRow->addWidget(m_amountDue);
    totalRow->addStretch(1);
    root->addLayout(totalRow);

    auto *minimumRow = new QHBoxLayout;
    m_labelMinimum = label(QStringLiteral("LabelMontMin"), QString(), this);
    m_amountMinimum = label(QStringLiteral("LMontoMinimo"), QString(), this);
    minimumRow->addWidget(m_labelMinimum);
    minimumRow->addWidget(m_amountMinimum);
    minimumRow->addStretch(1);
    root->addLayout(minimumRow);

    auto *listBox = new QVBoxLayout;
    listBox->setSpacing(0);
    m_header = new QHeaderView(Qt::Horizontal, this);
    m_header->setObjectName(QStringLiteral("HeaderPago"));
    auto *columns = new QStandardItemModel(0, 4, m_header);
    columns->setHorizontalHeaderLabels({QStringLiteral("Monto"), QStringLiteral("Tipo"), QStringLiteral("Banco"),
                                        QStringLiteral("Detalle del documento")});
    m_header->setModel(columns);
    m_header->setSectionsClickable(false);
    m_header->setStretchLastSection(true);
    m_header->resizeSection(0, 110);
    m_header->resizeSection(1, 120);
    m_header->resizeSection(2, 170);
    m_list = new TVorelList(this);
    m_list->setObjectName(QStringLiteral("ListaPago"));
    m_list->setHeader(m_header);
    m_list->rowDelegate()->setRightAligned({0});
    m_list->setMinimumSize(620, 230);
    m_header->setFixedHeight(m_header->sizeHint().height());
    // The header spans the rows, not the list's frame and scroll bar.
    auto *headerRow = new QHBoxLayout;
    const int frame = m_list->frameWidth();
    headerRow->setContentsMargins(frame, 0, frame + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list), 0);
    headerRow->addWidget(m_header);
    listBox->addLayout(headerRow);
    listBox->addWidget(m_list, 1);
    root->addLayout(listBox, 1);

    auto *paidRow = new QHBoxLayout;
    paidRow->addWidget(label(QStringLiteral("LabelPagado"), QStringLiteral("Monto Pagado :"), this));
    m_amountPaid = label(QStringLiteral("LMontoPagado"), QString(), this);
    paidRow->addWidget(m_amountPaid);
    paidRow->addStretch(1);
    m_change = label(QStringLiteral("LVuelto"), QString(), this);
    paidRow->addWidget(m_change);
    root->addLayout(paidRow);

    auto *buttons = new QHBoxLayout;
    m_borrar = button(QStringLiteral("BBorrar004"), QStringLiteral("&Borrar"), this);
    m_aceptar = button(QStringLiteral("BAceptar001"), QStringLiteral("&Aceptar"), this);
    m_cancelar = button(QStringLiteral("BCancelar002"), QStringLiteral("&Cancelar"), this);
    buttons->addWidget(m_borrar);
    buttons->addStretch(1);
    buttons->addWidget(m_aceptar);
    buttons->addWidget(m_cancelar);
    root->addLayout(buttons);

    connect(m_borrar, &QPushButton::clicked, this, &Tk9FormaPagoForm::borrar);
    connect(m_aceptar, &QPushButton::clicked, this, &Tk9FormaPagoForm::aceptar);
    connect(m_cancelar, &QPushButton::clicked, this, &Tk9FormaPagoForm::cancelar);
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { openLine(m_list->row(item)); });
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (m_list->row(item) != m_lines.entryRow())
            closeEditor();
    });
    connect(m_list->verticalScrollBar(), &QScrollBar::valueChanged, this, &Tk9FormaPagoForm::placeEditor);
    connect(m_header, &QHeaderView::sectionResized, this, &Tk9FormaPagoForm::placeEditor);
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
}

// ---- Inputs --------------------------------------------------------------------------------

void Tk9FormaPagoForm::setAmountDue(Money amount)
{
    m_lines.setAmountDue(amount);
    refreshLabels();
}

void Tk9FormaPagoForm::setAmountPaid(Money amount)
{
    m_lines.setAmountPaid(amount);
    refreshLabels();
}

void Tk9FormaPagoForm::setMinimumFraction(Money fraction)
{
    m_lines.setMinimumFraction(fraction);
    refreshLabels();
}

void Tk9FormaPagoForm::setMinimumCheck(bool check)
{
    m_lines.setMinimumCheck(check);
}

void Tk9FormaPagoForm::setCustomerName(const QString &name)
{
    m_customer->setText(name);
}

void Tk9FormaPagoForm::setTotalCaption(const QString &caption)
{
    m_totalCaption = caption;
    m_labelFac->setText(caption);
}

void Tk9FormaPagoForm::setMinimumLabelsVisible(bool visible)
{
    m_minimumLabelsVisible = visible;
    m_labelMinimum->setVisible(visible);
    m_amountMinimum->setVisible(visible);
}

bool Tk9FormaPagoForm::addFixedLine(Money amount, const QString &detail)
{
    if (!m_lines.addFixedLine(amount, detail))
        return false;
    refreshList();
    if (m_editRow >= 0) {
        m_editRow = m_lines.entryRow();
        selectRow(m_editRow);
        placeEditor();
    }
    return true;
}

int Tk9FormaPagoForm::editedRow() const
{
    return m_editor->isHidden() ? -1 : m_editRow;
}

// ---- Display -------------------------------------------------------------------------------

void Tk9FormaPagoForm::refreshList()
{
    m_list->clear();
    m_list->setEnabled(true);
    for (const TFormaPago &line : m_lines.lines())
        m_list->addItem(lineText(line));
}

void Tk9FormaPagoForm::refreshLabels()
{
    m_labelFac->setText(m_totalCaption);
    m_amountDue->setText(formatAmountTrimmed(m_lines.amountDue()));
    m_labelMinimum->setText(QStringLiteral("Monto Minimo (") + formatAmountTrimmed(options().FC_PORCENTPAGO)
                            + QStringLiteral("% del total) : ") + taxDefaults().SimboloMoneda);
    m_amountMinimum->setText(formatAmountTrimmed(m_lines.minimumAmount()));
    m_labelMinimum->setVisible(m_minimumLabelsVisible);
    m_amountMinimum->setVisible(m_minimumLabelsVisible);
    showPaid();
    showChange(true);
}

void Tk9FormaPagoForm::showPaid()
{
    m_amountPaid->setText(formatAmount(m_lines.amountPaid()));
}

void Tk9FormaPagoForm::showChange(bool withSymbol)
{
    const Money change = m_lines.change();
    QString text = QStringLiteral("Vuelto : ") + formatAmountTrimmed(change);
    if (change > Money() && withSymbol)
        text += u' ' + taxDefaults().SimboloMoneda;
    m_change->setText(text);
}

void Tk9FormaPagoForm::selectRow(int row)
{
    if (row >= 0 && row < m_list->count())
        m_list->setCurrentRow(row);
}

void Tk9FormaPagoForm::placeEditor()
{
    if (m_editRow < 0 || m_editRow >= m_list->count())
        return;
    const QRect row = m_list->visualItemRect(m_list->item(m_editRow));
    m_editor->placeFields(m_header, m_list->viewport()->width());
    const int lowest = m_list->viewport()->height() - m_editor->height();
    m_editor->move(0, qMax(0, qMin(row.top(), lowest)));
}

void Tk9FormaPagoForm::updateEscapeRule()
{
    // Esc in the editor resets the amount; anywhere else it closes the window.
    QWidget *focus = QApplication::focusWidget();
    setRefusesEscape(focus && m_editor->isAncestorOf(focus));
}

// ---- Editing -------------------------------------------------------------------------------

void Tk9FormaPagoForm::showEvent(QShowEvent *event)
{
    TEForm::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    refreshLabels();
    m_editRow = m_lines.entryRow();
    selectRow(m_editRow);
    m_editor->showLine(m_lines.line(m_editRow));
    m_editor->setAmount(m_lines.proposedAmount());
    placeEditor();
    m_editor->show();
    m_editor->focusAmount();
    updateEscapeRule();
}

void Tk9FormaPagoForm::openLine(int row)
{
    if (row < 0 || row >= m_lines.count())
        return;
    switch (m_lines.canOpen(row)) {
    case PaymentLines::OpenResult::Fixed: return;
    case PaymentLines::OpenResult::TooManyLines: messages().warn(kTooManyLines); return;
    case PaymentLines::OpenResult::Open: break;
    }
    m_editRow = row;
    selectRow(row);
    m_editor->showLine(m_lines.line(row));
    placeEditor();
    m_editor->show();
    m_editor->focusAmount();
    updateEscapeRule();
}

void Tk9FormaPagoForm::closeEditor()
{
    m_editor->hide();
    m_editRow = -1;
    updateEscapeRule();
}

void Tk9FormaPagoForm::backToList()
{
    const int row = m_editRow;
    closeEditor();
    m_list->setFocus();
    selectRow(row);
}

void Tk9FormaPagoForm::commitLine()
{
    const int row = m_editRow;
    switch (m_lines.commit(row, m_editor->entry())) {
    case PaymentLines::CommitResult::TooManyLines: messages().warn(kTooManyLines); return;
    case PaymentLines::CommitResult::NotPositive:
    case PaymentLines::CommitResult::OutOfRange: m_editor->focusAmount(); return;
    case PaymentLines::CommitResult::NotEditable: return;
    case PaymentLines::CommitResult::Committed: break;
    }
    refreshList();
    showPaid();
    showChange(true);
    closeEditor();
    m_list->setFocus();
    // The next line opens at once (the 10th line is refused with the warning).
    selectRow(row + 1);
    openLine(row + 1);
}

// ---- Buttons -------------------------------------------------------------------------------

void Tk9FormaPagoForm::borrar()
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    const int row = selected.isEmpty() ? -1 : m_list->row(selected.first());
    switch (m_lines.remove(row)) {
    case PaymentLines::RemoveResult::Fixed:
    case PaymentLines::RemoveResult::EntryLine: return;
    case PaymentLines::RemoveResult::NoSelection: messages().inform(QStringLiteral("Seleccione un ítem a borrar.")); return;
    case PaymentLines::RemoveResult::Removed: break;
    }
    closeEditor();
    refreshList();
    showPaid();
    showChange(false);
    selectRow(qMin(row, m_lines.entryRow()));
    m_list->setFocus();
}

void Tk9FormaPagoForm::aceptar()
{
    switch (m_lines.accept()) {
    case PaymentLines::AcceptResult::BelowMinimum:
        messages().warn(QStringLiteral("El monto a totalizar es menor al monto mínimo."));
        return;
    case PaymentLines::AcceptResult::BelowTotal:
        messages().inform(QStringLiteral("El monto a pagar es menor al total."));
        return;
    case PaymentLines::AcceptResult::Accepted: break;
    }
    m_cancelled = false;
    accept();
}

void Tk9FormaPagoForm::cancelar()
{
    if (!messages().ask(QStringLiteral("Desea cancelar el pago de la transacción?")))
        return;
    m_cancelled = true;
    done(QDialog::Rejected);
}

void Tk9FormaPagoForm::closeEvent(QCloseEvent *event)
{
    // A window already closed (accepted or cancelled) keeps its outcome.
    if (isVisible()) {
        if (!messages().ask(QStringLiteral("Desea cancelar el pago?"))) {
            event->ignore();
            return;
        }
        m_cancelled = true;
    }
    TEForm::closeEvent(event);
}

bool Tk9FormaPagoForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            openLine(m_list->currentRow());
            return true;
        }
    }
    if (m_list && watched == m_list->viewport() && event->type() == QEvent::Resize)
        placeEditor();
    return TEForm::eventFilter(watched, event);
}

} // namespace k9
