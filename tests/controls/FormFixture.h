#pragma once

// Helpers of the widget tests: a window shown and active, keys sent to the focused control.
#include <QApplication>
#include <QtTest>

namespace k9::test {

// Shows `window` and waits until it is the active window.
inline bool showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// Gives `widget` the focus as the Tab key would.
inline bool focusOn(QWidget *widget)
{
    widget->setFocus(Qt::TabFocusReason);
    return QTest::qWaitFor([widget] { return widget->hasFocus(); });
}

// Sends a key to whatever has the focus.
inline void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

// Types ASCII text into whatever has the focus.
inline void type(const QString &text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

} // namespace k9::test
