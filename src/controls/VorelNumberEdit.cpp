#include "controls/VorelNumberEdit.h"

#include "controls/ButtonGlyphs.h"
#include "controls/CalculatorPopup.h"
#include "controls/EditMenus.h"
#include "controls/EForm.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

namespace k9 {

TVorelNumberEdit::TVorelNumberEdit(QWidget *parent) : QLineEdit(parent), m_object(new TVorelNumberObject(this))
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAcceptDrops(false);
    m_button = addAction(buttonGlyph(24), QLineEdit::TrailingPosition);
    m_button->setToolTip(QStringLiteral("Calculadora"));
    connect(m_button, &QAction::triggered, this, &TVorelNumberEdit::openCalculator);
    connect(this, &QLineEdit::textChanged, this, &TVorelNumberEdit::onTextChanged);
    SetInitText(m_object->ActValor());
}

TVorelNumberEdit::~TVorelNumberEdit() = default;

void TVorelNumberEdit::setPorcent(TPorcent porcent)
{
    m_porcent = porcent;
}

void TVorelNumberEdit::setHideSeparator(bool hide)
{
    m_hideSeparator = hide;
}

void TVorelNumberEdit::setShowButton(bool show)
{
    m_showButton = show;
    m_button->setVisible(show);
}

NumberRules TVorelNumberEdit::rules() const
{
    NumberRules r;
    r.TipoDato = m_object->TipoDato();
    r.MinValor = m_object->MinValor();
    r.MaxValor = m_object->MaxValor();
    r.Decimales = m_object->Decimales();
    r.Porcent = m_porcent;
    r.HideSeparator = m_hideSeparator;
    return r;
}

void TVorelNumberEdit::SetInitText(double value)
{
    const NumberRules r = rules();
    m_initText = value;
    // Above the maximum the text would be cut to it at once; it is shown formatted instead.
    QString shown = r.initText(value > r.MaxValor ? r.MaxValor : value, text());
    if (hasFocus())
        shown = r.focusInText(shown);
    setText(shown);
}

void TVorelNumberEdit::SetInitText(Money value)
{
    const NumberRules r = rules();
    m_initText = value.toDouble();
    QString shown = value.toDouble() > r.MaxValor ? r.initText(r.MaxValor, text()) : r.initText(value, text());
    if (hasFocus())
        shown = r.focusInText(shown);
    setText(shown);
}

double TVorelNumberEdit::floatValue() const
{
    return rules().floatValue(text());
}

qint64 TVorelNumberEdit::integerValue() const
{
    return rules().integerValue(text());
}

Money TVorelNumberEdit::moneyValue() const
{
    return rules().moneyValue(text());
}

void TVorelNumberEdit::setTextKeepingModified(const QString &newText)
{
    if (newText == text())
        return;
    const bool modified = isModified();
    setText(newText);
    setModified(modified);
}

void TVorelNumberEdit::onTextChanged(const QString &current)
{
    if (m_adjusting)
        return;
    const QString normal = rules().normalized(current);
    if (normal == current)
        return;
    m_adjusting = true;
    const int cursor = cursorPosition();
    setTextKeepingModified(normal);
    setCursorPosition(qMin(cursor, static_cast<int>(normal.size())));
    m_adjusting = false;
}

void TVorelNumberEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & Qt::AltModifier) {
        if (!m_showButton) {
            event->accept(); // without the button the calculator is not reached by keyboard
            return;
        }
        if (event->key() == Qt::Key_Down) {
            openCalculator();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteNumber();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cut))
        emit cutRequested();

    const QString typed = event->text();
    if (!isReadOnly() && typed.size() == 1 && typed.front().isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        const NumberRules r = rules();
        QChar key = typed.front();
        // The keypad's decimal key types the decimal separator, whatever the layout.
        if ((event->modifiers() & Qt::KeypadModifier) && (key == u'.' || key == u','))
            key = r.decimalSeparator;
        if (!r.acceptsKey(text(), selectionStart(), selectionLength(), cursorPosition(), key)) {
            QApplication::beep();
            event->accept();
            return;
        }
        if (key != typed.front()) {
            insert(key);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TVorelNumberEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    TEForm::showHintFor(this);
    setTextKeepingModified(rules().focusInText(text()));
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
        selectAll();
}

void TVorelNumberEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A pop-up (calculator, context menu) or another active window does not leave the field.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (const auto shown = rules().focusOutText(text()))
        setTextKeepingModified(*shown);
    else
        SetInitText(0.0);
}

void TVorelNumberEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    replaceEditAction(menu, EditAction::Paste, [this] { pasteNumber(); });
    replaceEditAction(menu, EditAction::Cut, [this] {
        emit cutRequested();
        cut();
    });
    replaceEditAction(menu, EditAction::Delete, [this] {
        emit clearRequested();
        del();
    });
    popUpEditMenu(menu, event);
}

void TVorelNumberEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        pasteNumber(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TVorelNumberEdit::pasteNumber(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const auto value = rules().pasteValue(QApplication::clipboard()->text(mode));
    if (!value)
        return;
    SetInitText(*value);
    setModified(true);
    emit pasted();
}

void TVorelNumberEdit::openCalculator()
{
    if (isReadOnly() || !isEnabled())
        return;
    if (!m_calculator) {
        m_calculator = new CalculatorPopup(this);
        connect(m_calculator, &CalculatorPopup::accepted, this, &TVorelNumberEdit::applyCalculatorResult);
    }
    m_calculator->start(floatValue());
    m_calculator->popUp(this);
}

bool TVorelNumberEdit::isCalculatorOpen() const
{
    return m_calculator && m_calculator->isVisible();
}

void TVorelNumberEdit::applyCalculatorResult(double value)
{
    setFocus(Qt::PopupFocusReason);
    SetInitText(rules().clamped(value));
    setModified(true);
    end(false);
    emit pasted();
}

} // namespace k9
