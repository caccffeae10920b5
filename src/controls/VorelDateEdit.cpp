#include "controls/VorelDateEdit.h"

#include "controls/ButtonGlyphs.h"
#include "controls/CalendarPopup.h"
#include "controls/EForm.h"
#include "controls/EditMenus.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace k9 {

TVorelDateEdit::TVorelDateEdit(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(datetext::kLength);
    setAcceptDrops(false);
    m_button = addAction(buttonGlyph(23), QLineEdit::TrailingPosition);
    m_button->setToolTip(QStringLiteral("Calendario"));
    connect(m_button, &QAction::triggered, this, &TVorelDateEdit::openCalendar);
}

TVorelDateEdit::~TVorelDateEdit() = default;

bool TVorelDateEdit::DropDownDate() const
{
    return m_calendar && m_calendar->isVisible();
}

void TVorelDateEdit::setShowButton(bool show)
{
    m_showButton = show;
    m_button->setVisible(show);
}

void TVorelDateEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & Qt::AltModifier) {
        if (!m_showButton) {
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Down) {
            openCalendar();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteDate();
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (!isReadOnly() && typed.size() == 1 && typed.front().isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        const auto result = datetext::typedKey(text(), selectionLength(), cursorPosition(), typed.front());
        switch (result.action) {
        case datetext::KeyResult::Drop:
            QApplication::beep();
            event->accept();
            return;
        case datetext::KeyResult::Replace:
            setText(result.text);
            setModified(true);
            end(false);
            event->accept();
            return;
        case datetext::KeyResult::Default:
            break;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TVorelDateEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    TEForm::showHintFor(this);
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
        selectAll();
}

void TVorelDateEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    const QString shown = m_object.focusOutText(text(), m_allowBlank);
    if (shown != text()) {
        const bool modified = isModified();
        setText(shown);
        setModified(modified);
    }
}

void TVorelDateEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    replaceEditAction(menu, EditAction::Paste, [this] { pasteDate(); });
    popUpEditMenu(menu, event);
}

void TVorelDateEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        pasteDate(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TVorelDateEdit::pasteDate(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    // Only a date goes in, and it takes the whole field.
    if (const auto pasted = TVorelDateObject::pasteText(QApplication::clipboard()->text(mode))) {
        setText(*pasted);
        setModified(true);
    }
}

void TVorelDateEdit::openCalendar()
{
    if (isReadOnly() || !isEnabled())
        return;
    if (!m_calendar) {
        m_calendar = new CalendarPopup(this);
        connect(m_calendar, &CalendarPopup::chosen, this, &TVorelDateEdit::applyChosenDate);
    }
    m_calendar->start(date(), m_object.minDate(), m_object.maxDate());
    m_calendar->popUp(this);
}

void TVorelDateEdit::applyChosenDate(const QDate &chosen)
{
    setFocus(Qt::PopupFocusReason);
    setText(datetext::write(chosen));
    setModified(true);
    end(false);
}

} // namespace k9
