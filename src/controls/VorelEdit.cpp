#include "controls/VorelEdit.h"

#include "controls/EForm.h"

#include <QFocusEvent>
#include <QLabel>

namespace k9 {

namespace {
// QLineEdit's own "no limit".
constexpr int kUnlimited = 32767;
} // namespace

TVorelEdit::TVorelEdit(QWidget *parent) : QLineEdit(parent) {}

QString TVorelEdit::filledWithZeros(const QString &text, int maxLength)
{
    if (maxLength <= 0 || maxLength >= kUnlimited || text.isEmpty())
        return text;
    return text.rightJustified(maxLength, u'0', false);
}

QLabel *TVorelEdit::attachedLabel()
{
    if (!m_label) {
        auto *label = new QLabel(parentWidget());
        m_label = label;
        connect(label, &QObject::destroyed, this, [this] { m_label = nullptr; });
        m_label->setObjectName(objectName().isEmpty() ? QString() : QStringLiteral("Label") + objectName());
        m_label->setBuddy(this);
        m_label->setVisible(isVisible() || !testAttribute(Qt::WA_WState_ExplicitShowHide));
        placeLabel();
    }
    return m_label;
}

void TVorelEdit::setLabelText(const QString &text)
{
    attachedLabel()->setText(text);
    m_label->adjustSize();
    placeLabel();
}

void TVorelEdit::placeLabel()
{
    if (m_label && m_label->parentWidget() == parentWidget())
        m_label->move(x(), y() - m_label->sizeHint().height() - 2);
}

void TVorelEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    TEForm::showHintFor(this);
}

void TVorelEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (m_fillCero) {
        const QString filled = filledWithZeros(text(), maxLength());
        if (filled != text()) {
            const bool modified = isModified();
            setText(filled);
            setModified(modified);
        }
    }
    setCursorPosition(0);
}

void TVorelEdit::moveEvent(QMoveEvent *event)
{
    QLineEdit::moveEvent(event);
    placeLabel();
}

void TVorelEdit::showEvent(QShowEvent *event)
{
    QLineEdit::showEvent(event);
    if (m_label) {
        placeLabel();
        m_label->show();
    }
}

void TVorelEdit::hideEvent(QHideEvent *event)
{
    QLineEdit::hideEvent(event);
    if (m_label && !event->spontaneous())
        m_label->hide();
}

} // namespace k9
