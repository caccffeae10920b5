#include "app/KeyLocks.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QWindow>

namespace k9 {

namespace {

bool isKeypadMovement(int key)
{
    switch (key) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
    case Qt::Key_Clear: return true;
    default: return false;
    }
}

void showState(QLabel *panel, bool on)
{
    panel->setEnabled(on);
}

} // namespace

KeyLocks::KeyLocks()
{
    if (qApp)
        qApp->installEventFilter(this);
}

KeyLocks &KeyLocks::instance()
{
    static auto *locks = new KeyLocks; // lives as long as the process
    return *locks;
}

void KeyLocks::set(bool &state, bool value, bool &changedFlag)
{
    if (state != value) {
        state = value;
        changedFlag = true;
    }
}

void KeyLocks::observe(const QKeyEvent &event)
{
    if (event.type() != QEvent::KeyPress)
        return;
    bool changedFlag = false;
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key == Qt::Key_CapsLock) {
        set(m_caps, !m_caps, changedFlag);
    } else if (key == Qt::Key_NumLock) {
        set(m_num, !m_num, changedFlag);
    } else if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9) {
        set(m_num, true, changedFlag);
    } else if (keypad && isKeypadMovement(key)) {
        set(m_num, false, changedFlag);
    } else if (event.text().size() == 1 && event.text().front().isLetter()) {
        const QChar c = event.text().front();
        if (c.isUpper() != c.isLower()) {
            // Caps lock inverts what Shift gives.
            const bool shift = event.modifiers() & Qt::ShiftModifier;
            set(m_caps, c.isUpper() != shift, changedFlag);
        }
    }
    if (key == Qt::Key_Insert && !(event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)))
        set(m_overwrite, !m_overwrite, changedFlag);
    if (changedFlag)
        emit changed();
}

void KeyLocks::reset()
{
    m_caps = m_num = m_overwrite = false;
    emit changed();
}

bool KeyLocks::eventFilter(QObject *watched, QEvent *event)
{
    // A key from the platform reaches its window first; reading it there counts it once.
    if (event->type() == QEvent::KeyPress && qobject_cast<QWindow *>(watched))
        observe(*static_cast<QKeyEvent *>(event));
    return QObject::eventFilter(watched, event);
}

QLabel *KeyLocks::makePanel(Lock lock, const QString &text, QWidget *parent)
{
    auto *panel = new QLabel(text, parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMargin(2);
    panel->setAlignment(Qt::AlignCenter);
    KeyLocks &locks = instance();
    auto update = [panel, lock, &locks] {
        switch (lock) {
        case Lock::Caps: showState(panel, locks.capsLock()); break;
        case Lock::Num: showState(panel, locks.numLock()); break;
        case Lock::Overwrite: showState(panel, locks.overwrite()); break;
        }
    };
    update();
    connect(&locks, &KeyLocks::changed, panel, update);
    return panel;
}

} // namespace k9
