// The date edit under typed keys, focus changes, pastes and its calendar.
#include "controls/EForm.h"
#include "controls/VorelDateEdit.h"
#include "controls/FormFixture.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace k9;

namespace {

struct Window
{
    TEForm form;
    TVorelDateEdit *edit = new TVorelDateEdit(&form);
    QLineEdit *next = new QLineEdit(&form);

    Window()
    {
        edit->setObjectName(QStringLiteral("EFecha"));
        auto *layout = new QVBoxLayout(&form);
        layout->addWidget(edit);
        layout->addWidget(next);
    }
};

} // namespace

class DateEditTest : public QObject
{
    Q_OBJECT

private slots:
    void typedAndLeft_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("allowBlank");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("whileFocused");
        QTest::addColumn<QString>("afterLeaving");
        QTest::newRow("separators put in") << "12052024" << true << "" << "12/05/2024" << "12/05/2024";
        QTest::newRow("other keys dropped") << "1a2.0-5x2024" << true << "" << "12/05/2024" << "12/05/2024";
        QTest::newRow("no such day cleared") << "31022024" << true << "" << "31/02/2024" << "";
        QTest::newRow("no such day, minimum") << "31022024" << false << "01/01/2024" << "31/02/2024"
                                              << "01/01/2024";
        QTest::newRow("short date written out") << "1/5/24" << true << "" << "1/5/24" << "01/05/2024";
        QTest::newRow("empty kept when allowed") << "" << true << "01/01/2024" << "" << "";
        QTest::newRow("before the minimum") << "05012023" << true << "01/01/2024" << "05/01/2023" << "01/01/2024";
    }
    void typedAndLeft()
    {
        QFETCH(QString, keys);
        QFETCH(bool, allowBlank);
        QFETCH(QString, min);
        QFETCH(QString, whileFocused);
        QFETCH(QString, afterLeaving);
        Window w;
        w.edit->setAllowBlank(allowBlank);
        w.edit->VorelDateObject().setMinFecha(min);
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.edit));
        test::type(keys);
        QCOMPARE(w.edit->text(), whileFocused);
        test::press(Qt::Key_Tab);
        QVERIFY(w.next->hasFocus());
        QCOMPARE(w.edit->text(), afterLeaving);
    }

    void aFullDateTakesKeysOnlyOverASelection()
    {
        Window w;
        w.edit->setText(QStringLiteral("12/05/2024"));
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.edit)); // selects the whole date
        test::type(QStringLiteral("3"));
        QCOMPARE(w.edit->text(), QStringLiteral("3"));
        w.edit->setText(QStringLiteral("12/05/2024"));
        test::press(Qt::Key_End);
        test::type(QStringLiteral("7"));
        QCOMPARE(w.edit->text(), QStringLiteral("12/05/2024"));
    }

    void onlyADateIsPasted()
    {
        Window w;
        w.edit->setText(QStringLiteral("01/01/2023"));
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.edit));
        w.edit->setCursorPosition(3);
        QApplication::clipboard()->setText(QStringLiteral("hola"));
        test::press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.edit->text(), QStringLiteral("01/01/2023"));
        QApplication::clipboard()->setText(QStringLiteral("12/05/2024"));
        test::press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.edit->text(), QStringLiteral("12/05/2024"));
        QVERIFY(w.edit->isModified());
    }

    void theCalendarGivesADateAndEscapeClosesOnlyIt()
    {
        Window w;
        w.edit->VorelDateObject().setMaxFecha(QStringLiteral("31/12/2024"));
        w.edit->setText(QStringLiteral("10/06/2024"));
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.edit));
        test::press(Qt::Key_Down, Qt::AltModifier);
        QVERIFY(w.edit->DropDownDate());
        QCalendarWidget *calendar = w.edit->calendar()->calendar();
        QCOMPARE(calendar->selectedDate(), QDate(2024, 6, 10));
        QCOMPARE(calendar->maximumDate(), QDate(2024, 12, 31));
        QTest::keyClick(w.edit->calendar(), Qt::Key_Escape);
        QVERIFY(!w.edit->DropDownDate());
        QVERIFY(w.form.isVisible());

        test::press(Qt::Key_Down, Qt::AltModifier);
        emit calendar->clicked(QDate(2024, 7, 4));
        QVERIFY(!w.edit->DropDownDate());
        QTRY_VERIFY(w.edit->hasFocus());
        QCOMPARE(w.edit->text(), QStringLiteral("04/07/2024"));
        QVERIFY(w.edit->isModified());
    }

    void shiftKeysAreNotTaken()
    {
        Window w;
        w.edit->setText(QStringLiteral("12/05/2024"));
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.edit));
        test::press(Qt::Key_End);
        test::press(Qt::Key_Home, Qt::ShiftModifier);
        QVERIFY(!w.edit->hasSelectedText());
    }
};

QTEST_MAIN(DateEditTest)
#include "tst_dateedit.moc"
