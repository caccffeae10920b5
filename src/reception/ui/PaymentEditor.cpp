#include "reception/ui/PaymentEditor.h"

#include "controls/LookupCombo.h"
#include "controls/VorelEdit.h"
#include "controls/VorelNumberEdit.h"
#include "core/BlobImages.h"
#include "core/CodeLists.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>

namespace k9 {

PaymentEditor::PaymentEditor(const QString &dataDir, QWidget *parent)
    : QFrame(parent), m_dataDir(dataDir), m_amount(new TVorelNumberEdit(this)), m_type(new QComboBox(this)),
      m_choice(new LookupCombo(this)), m_detail(new TVorelEdit(this))
{
    setObjectName(QStringLiteral("PanelEditor"));
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);

    m_amount->setObjectName(QStringLiteral("EMonto"));
    m_amount->VorelNumberObject()->setDecimales(2);
    m_amount->VorelNumberObject()->setMinValor(0);
    m_amount->VorelNumberObject()->setMaxValor(TVorelNumberObject::kDefaultMax);
    m_type->setObjectName(QStringLiteral("ComboBTipo"));
    m_type->addItems(paymentKindTexts());
    m_choice->setObjectName(QStringLiteral("ComboBanco"));
    m_detail->setObjectName(QStringLiteral("EDetalle"));
    m_detail->setMaxLength(kPaymentDetailLength);

    for (QWidget *field : {static_cast<QWidget *>(m_amount), static_cast<QWidget *>(m_type),
                           static_cast<QWidget *>(m_choice), static_cast<QWidget *>(m_detail)})
        field->installEventFilter(this);

    setUpChoice(PaymentKind::Efectivo);
    connect(m_type, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            setUpChoice(index);
    });
}

const PaymentChoiceList &PaymentEditor::choicesFor(int type)
{
    const QString table = paymentChoiceLayout(type).table;
    auto found = m_choices.find(table);
    if (found == m_choices.end())
        found = m_choices.insert(table, loadPaymentChoices(type, m_dataDir));
    return found.value();
}

void PaymentEditor::setUpChoice(int type)
{
    const PaymentChoiceList &list = choicesFor(type);
    if (list.table == m_choiceTable)
        return; // cheque and debit card offer the same banks: the choice stays
    QList<LookupColumn> columns;
    for (const PaymentChoiceColumn &column : list.columns)
        columns.append({column.field, column.width, QString(), QString()});
    QList<LookupCombo::Row> rows;
    for (const PaymentChoice &row : list.rows)
        rows.append({row.code, row.columns});
    m_choice->setColumns(columns);
    m_choice->setRows(rows);
    m_choice->setModelColumn(list.shownColumn);
    m_choice->setCurrentIndex(rows.isEmpty() ? -1 : 0);
    m_choiceTable = list.table;
}

int PaymentEditor::type() const
{
    return m_type->currentIndex();
}

void PaymentEditor::setType(int type)
{
    m_type->setCurrentIndex(type);
    setUpChoice(type);
}

void PaymentEditor::setAmount(Money amount)
{
    m_amount->SetInitText(amount);
    if (m_amount->hasFocus())
        m_amount->selectAll();
}

void PaymentEditor::focusAmount()
{
    m_amount->setFocus(Qt::TabFocusReason);
    m_amount->selectAll();
}

void PaymentEditor::showLine(const TFormaPago &line)
{
    const bool payment = line.type >= PaymentKind::Efectivo;
    setAmount(line.amount);
    m_detail->setText(line.detail);
    setType(payment ? line.type : int(PaymentKind::Efectivo));
    if (payment && !line.code.isEmpty()) {
        const int row = m_choices.value(m_choiceTable).indexOf(line.code);
        if (row >= 0)
            m_choice->setCurrentIndex(row);
    }
}

PaymentLines::Entry PaymentEditor::entry() const
{
    PaymentLines::Entry e;
    e.type = type();
    e.amount = m_amount->moneyValue();
    e.detail = m_detail->text();
    const auto found = m_choices.constFind(m_choiceTable);
    const int row = m_choice->currentIndex();
    if (found != m_choices.constEnd() && row >= 0 && row < found->rows.size()) {
        const PaymentChoice &choice = found->rows.at(row);
        e.code = choice.code;
        e.name = choice.shown;
        if (e.type == PaymentKind::Efectivo)
            e.factor = choice.factor;
    }
    return e;
}

void PaymentEditor::placeFields(const QHeaderView *header, int width)
{
    QList<QWidget *> fields{m_amount, m_type, m_choice, m_detail};
    int height = 0;
    for (QWidget *field : fields)
        height = qMax(height, field->sizeHint().height());
    resize(width, height);
    for (int i = 0; i < fields.size(); ++i) {
        int left = 0;
        int fieldWidth = width / 4;
        if (header && i < header->count()) {
            left = header->sectionViewportPosition(i);
            fieldWidth = header->sectionSize(i);
        } else {
            left = fieldWidth * i;
        }
        if (i == fields.size() - 1)
            fieldWidth = qMax(fieldWidth, width - left);
        fields[i]->setGeometry(left, 0, fieldWidth, height);
    }
}

bool PaymentEditor::isDroppedDown(QObject *field) const
{
    if (field == m_amount)
        return m_amount->isCalculatorOpen();
    if (auto *combo = qobject_cast<QComboBox *>(field))
        return combo->view() && combo->view()->isVisible();
    return false;
}

bool PaymentEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || isDroppedDown(watched))
        return QFrame::eventFilter(watched, event);

    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        if (watched == m_amount)
            m_type->setFocus(Qt::TabFocusReason);
        else if (watched == m_type)
            m_choice->setFocus(Qt::TabFocusReason);
        else if (watched == m_choice)
            m_detail->setFocus(Qt::TabFocusReason);
        else
            emit commitRequested();
        return true;
    case Qt::Key_Up:
        if (watched == m_amount)
            emit upFromAmount();
        else if (watched == m_type)
            focusAmount();
        else if (watched == m_choice)
            m_type->setFocus(Qt::BacktabFocusReason);
        else
            m_choice->setFocus(Qt::BacktabFocusReason);
        return true;
    case Qt::Key_Escape:
        emit escapePressed();
        return true;
    default: return QFrame::eventFilter(watched, event);
    }
}

} // namespace k9
