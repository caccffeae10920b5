// The lock keys shown in the status bars, read from the keys the user presses.
#include "app/KeyLocks.h"

#include <QKeyEvent>
#include <QLabel>
#include <QtTest>

using namespace k9;

namespace {

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = QString())
{
    KeyLocks::instance().observe(QKeyEvent(QEvent::KeyPress, key, modifiers, text));
}

} // namespace

class KeyLocksTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { KeyLocks::instance().reset(); }

    void lettersTellTheCapsLock_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("caps");
        QTest::newRow("a") << QStringLiteral("a") << false << false;
        QTest::newRow("A without shift") << QStringLiteral("A") << false << true;
        QTest::newRow("A with shift") << QStringLiteral("A") << true << false;
        QTest::newRow("a with shift") << QStringLiteral("a") << true << true;
        QTest::newRow("Ñ without shift") << QStringLiteral("Ñ") << false << true;
    }

    void lettersTellTheCapsLock()
    {
        QFETCH(QString, text);
        QFETCH(bool, shift);
        QFETCH(bool, caps);
        KeyLocks &locks = KeyLocks::instance();
        press(Qt::Key_CapsLock); // whatever the toggle said, the letter decides
        press(Qt::Key_A, shift ? Qt::ShiftModifier : Qt::NoModifier, text);
        QCOMPARE(locks.capsLock(), caps);
        press(Qt::Key_1, Qt::NoModifier, QStringLiteral("1")); // not a letter: no change
        QCOMPARE(locks.capsLock(), caps);
    }

    void theKeypadTellsTheNumLockAndInsertToggles()
    {
        KeyLocks &locks = KeyLocks::instance();
        QLabel *panel = KeyLocks::makePanel(KeyLocks::Lock::Num, QStringLiteral("NUM"), nullptr);
        QVERIFY(!panel->isEnabled());
        press(Qt::Key_7, Qt::KeypadModifier, QStringLiteral("7"));
        QVERIFY(locks.numLock());
        QVERIFY(panel->isEnabled());
        press(Qt::Key_Home, Qt::KeypadModifier);
        QVERIFY(!locks.numLock());
        press(Qt::Key_NumLock);
        QVERIFY(locks.numLock());
        delete panel;

        QVERIFY(!locks.overwrite());
        press(Qt::Key_Insert);
        QVERIFY(locks.overwrite());
        press(Qt::Key_Insert, Qt::ShiftModifier); // Shift+Insert pastes
        QVERIFY(locks.overwrite());
        press(Qt::Key_Insert);
        QVERIFY(!locks.overwrite());
    }
};

QTEST_MAIN(KeyLocksTest)
#include "tst_keylocks.moc"
