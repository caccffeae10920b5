#pragma once

#include <QObject>

class QKeyEvent;
class QLabel;

namespace k9 {

// The state of the lock keys shown in the status bars: caps lock, num lock and the
// insert/overwrite state. The platform does not tell it, so it is read from the keys the
// user presses: a lock key toggles its state, and each letter (caps lock) or keypad key
// (num lock) typed confirms it. Until then a lock reads as off.
class KeyLocks : public QObject
{
    Q_OBJECT

public:
    // The state of the process (it watches every key from its first use).
    static KeyLocks &instance();

    bool capsLock() const { return m_caps; }
    bool numLock() const { return m_num; }
    bool overwrite() const { return m_overwrite; }

    // Reads one key press.
    void observe(const QKeyEvent &event);
    void reset();

    // A status-bar panel showing `text`, dimmed while the lock it shows is off.
    enum class Lock { Caps, Num, Overwrite };
    static QLabel *makePanel(Lock lock, const QString &text, QWidget *parent);

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyLocks();
    void set(bool &state, bool value, bool &changedFlag);

    bool m_caps = false;
    bool m_num = false;
    bool m_overwrite = false;
};

} // namespace k9
