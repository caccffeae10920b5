// The date-text rules of the date edit and its settings object, without widgets.
#include "controls/DateText.h"

#include <QtTest>

using namespace k9;

namespace {

// Types `keys` at the end of `text` as the edit does.
QString typed(QString text, const QString &keys)
{
    for (QChar key : keys) {
        const auto result = datetext::typedKey(text, 0, static_cast<int>(text.size()), key);
        if (result.action == datetext::KeyResult::Replace)
            text = result.text;
        else if (result.action == datetext::KeyResult::Default)
            text += key;
    }
    return text;
}

} // namespace

class DateTextTest : public QObject
{
    Q_OBJECT

private slots:
    void typedDatesAreRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("full") << "12/05/2024" << QDate(2024, 5, 12);
        QTest::newRow("short parts") << "1/5/2024" << QDate(2024, 5, 1);
        QTest::newRow("two-digit year") << "1/5/24" << QDate(2024, 5, 1);
        QTest::newRow("blanks") << " 01/05/2024 " << QDate(2024, 5, 1);
        QTest::newRow("no such day") << "31/02/2024" << QDate();
        QTest::newRow("other separator") << "12-05-2024" << QDate();
        QTest::newRow("five-digit year") << "12/05/20245" << QDate();
        QTest::newRow("three-digit year") << "12/05/202" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void typedDatesAreRead()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(datetext::read(text), expected);
    }

    void keysCloseTheDayAndTheMonth_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("digits only") << "12052024" << "12/05/2024";
        QTest::newRow("with separators") << "12/05/2024" << "12/05/2024";
        QTest::newRow("short day") << "1/5/2024" << "1/5/2024";
        QTest::newRow("letters dropped") << "12a05x" << "12/05";
        QTest::newRow("full field takes no more") << "120520249" << "12/05/2024";
    }
    void keysCloseTheDayAndTheMonth()
    {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QCOMPARE(typed(QString(), keys), expected);
    }

    void aFullFieldTakesKeysOnlyOverASelection()
    {
        const QString full = QStringLiteral("12/05/2024");
        QCOMPARE(datetext::typedKey(full, 10, 10, u'1').action, datetext::KeyResult::Default);
        QCOMPARE(datetext::typedKey(full, 0, 10, u'1').action, datetext::KeyResult::Drop);
        // Typing in the middle does not close a part.
        QCOMPARE(datetext::typedKey(QStringLiteral("12"), 0, 1, u'3').action, datetext::KeyResult::Default);
    }

    void theBoundsNeverCross()
    {
        TVorelDateObject o;
        o.setMaxFecha(QStringLiteral("31/12/2024"));
        o.setMinFecha(QStringLiteral("15/01/2025"));
        QCOMPARE(o.MinFecha(), QStringLiteral("31/12/2024"));
        o.setMinFecha(QStringLiteral("1/1/2024"));
        QCOMPARE(o.MinFecha(), QStringLiteral("01/01/2024"));
        o.setMaxFecha(QStringLiteral("01/01/2023"));
        QCOMPARE(o.MaxFecha(), QStringLiteral("01/01/2024"));
        o.setMaxFecha(QStringLiteral("no es fecha"));
        QCOMPARE(o.MaxFecha(), QString());
    }

    void theInitialDateStaysWithinTheBounds()
    {
        TVorelDateObject o;
        o.setActFecha(QStringLiteral("31/02/2024"));
        QCOMPARE(o.ActFecha(), QString());
        o.setActFecha(QStringLiteral("10/06/2024"));
        o.setMinFecha(QStringLiteral("01/07/2024"));
        QCOMPARE(o.ActFecha(), QStringLiteral("01/07/2024")); // a bound moving past it pulls it
        o.setMaxFecha(QStringLiteral("31/07/2024"));
        o.setActFecha(QStringLiteral("15/08/2024"));
        QCOMPARE(o.ActFecha(), QStringLiteral("31/07/2024"));
        o.setActFecha(QString());
        QCOMPARE(o.ActFecha(), QStringLiteral("01/07/2024")); // empty with both bounds: the minimum

        TVorelDateObject open;
        open.setMinFecha(QStringLiteral("01/07/2024"));
        open.setActFecha(QString());
        QCOMPARE(open.ActFecha(), QString());
    }

    void leavingChecksTheDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("allowBlank");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("max");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no such day, blank allowed") << "31/02/2024" << true << "01/01/2024" << "" << "";
        QTest::newRow("no such day, minimum") << "31/02/2024" << false << "01/01/2024" << "" << "01/01/2024";
        QTest::newRow("empty without minimum") << "" << false << "" << "31/12/2024" << "";
        QTest::newRow("before the minimum") << "05/01/2023" << false << "01/01/2024" << "" << "01/01/2024";
        QTest::newRow("after the maximum") << "15/03/2025" << true << "" << "31/12/2024" << "31/12/2024";
        QTest::newRow("short date written out") << "1/5/24" << false << "" << "" << "01/05/2024";
    }
    void leavingChecksTheDate()
    {
        QFETCH(QString, text);
        QFETCH(bool, allowBlank);
        QFETCH(QString, min);
        QFETCH(QString, max);
        QFETCH(QString, expected);
        TVorelDateObject o;
        o.setMinFecha(min);
        o.setMaxFecha(max);
        QCOMPARE(o.focusOutText(text, allowBlank), expected);
    }

    void onlyDatesArePasted()
    {
        QCOMPARE(TVorelDateObject::pasteText(QStringLiteral(" 1/5/2024 ")).value_or(QString()),
                 QStringLiteral("01/05/2024"));
        QVERIFY(!TVorelDateObject::pasteText(QStringLiteral("hola")));
        QVERIFY(!TVorelDateObject::pasteText(QStringLiteral("31/02/2024")));
    }
};

QTEST_GUILESS_MAIN(DateTextTest)
#include "tst_datetext.moc"
