#include "controls/MemoVorel.h"

#include "controls/EForm.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

namespace k9 {

TMemoVorel::TMemoVorel(QWidget *parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
}

bool TMemoVorel::enterLeaves() const
{
    const QTextCursor cursor = textCursor();
    if (cursor.block().text().trimmed().isEmpty())
        return true;
    return m_maxLineas > 0 && document()->blockCount() >= m_maxLineas;
}

bool TMemoVorel::upLeaves() const
{
    QTextCursor cursor = textCursor();
    return !cursor.movePosition(QTextCursor::Up);
}

bool TMemoVorel::downLeaves() const
{
    const QTextCursor cursor = textCursor();
    QTextCursor below = cursor;
    if (!below.movePosition(QTextCursor::Down))
        return true; // the last line: no next line
    return below.blockNumber() != cursor.blockNumber() && below.block().text().isEmpty();
}

bool TMemoVorel::isOverfull() const
{
    return verticalScrollBar()->maximum() > 0;
}

bool TMemoVorel::inForm() const
{
    return qobject_cast<TEForm *>(window()) != nullptr;
}

template<typename Edit>
void TMemoVorel::editWithinBox(Edit edit)
{
    const bool wasOverfull = isOverfull();
    const QString before = toPlainText();
    const int position = textCursor().position();
    edit();
    if (!wasOverfull && isOverfull() && toPlainText() != before) {
        setPlainText(before);
        QTextCursor cursor = textCursor();
        cursor.setPosition(qMin(position, static_cast<int>(before.size())));
        setTextCursor(cursor);
        verticalScrollBar()->setValue(0);
    }
}

void TMemoVorel::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    const int key = event->key();
    if (plain && inForm()) {
        // Ignored here, the key goes on to the window, which moves to another field.
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && enterLeaves()) {
            event->ignore();
            return;
        }
        if ((key == Qt::Key_Up && upLeaves()) || (key == Qt::Key_Down && downLeaves())) {
            event->ignore();
            return;
        }
    }
    editWithinBox([&] { QPlainTextEdit::keyPressEvent(event); });
}

void TMemoVorel::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    TEForm::showHintFor(this);
}

void TMemoVorel::insertFromMimeData(const QMimeData *source)
{
    editWithinBox([&] { QPlainTextEdit::insertFromMimeData(source); });
}

} // namespace k9
