// The password encoding of the users table.
#include "core/Globals.h"

#include <QtTest>

using namespace k9;

class PasswordTest : public QObject
{
    Q_OBJECT

private slots:
    void encodesWithTheRepeatedKey_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("empty") << QString() << QString();
        // Key digits 4 0 6 5 0 3 8, then again from 4.
        QTest::newRow("DEMO") << QStringLiteral("DEMO") << QStringLiteral("HEST");
        QTest::newRow("repeats after seven") << QStringLiteral("aaaaaaaa") << QStringLiteral("eagfadie");
        QTest::newRow("wraps at 256") << QString(QChar(0xFE)) << QString(QChar(0x02));
        QTest::newRow("latin letters") << QStringLiteral("ñ") << QString(QChar(0xF1 + 4));
    }

    void encodesWithTheRepeatedKey()
    {
        QFETCH(QString, plain);
        QFETCH(QString, encoded);
        QCOMPARE(CodificarClave(plain), encoded);
    }
};

QTEST_GUILESS_MAIN(PasswordTest)
#include "tst_password.moc"
