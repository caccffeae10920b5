// The number edit under typed keys, focus changes, pastes and its calculator.
#include "controls/EForm.h"
#include "controls/VorelNumberEdit.h"
#include "controls/FormFixture.h"
#include "core/Regional.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QVBoxLayout>

using namespace k9;

Q_DECLARE_METATYPE(k9::TPorcent)
Q_DECLARE_METATYPE(k9::TDato)

namespace {

// A window with the number edit and a plain field after it.
struct Window
{
    TEForm form;
    TVorelNumberEdit *edit = new TVorelNumberEdit(&form);
    QLineEdit *next = new QLineEdit(&form);

    Window()
    {
        edit->setObjectName(QStringLiteral("EMonto"));
        next->setObjectName(QStringLiteral("ESiguiente"));
        auto *layout = new QVBoxLayout(&form);
        layout->addWidget(edit);
        layout->addWidget(next);
    }
};

} // namespace

class NumberEditTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        regional().decimalSeparator = u'.';
        regional().thousandsSeparator = u',';
    }

    void typedKeysAndLeaving_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<TPorcent>("porcent");
        QTest::addColumn<TDato>("tipo");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("whileFocused");
        QTest::addColumn<QString>("afterLeaving");
        const auto R = TDato::Reales;
        const auto N = TPorcent::Numero;
        const double big = 9999999999999.99;
        QTest::newRow("maximum 100") << 0.0 << 100.0 << N << R << "123.555" << "12.55" << "12.55";
        QTest::newRow("below the minimum") << 1.0 << big << N << R << "0" << "0" << "1.00";
        QTest::newRow("left empty") << 0.0 << big << N << R << "" << "" << "0.00";
        QTest::newRow("minus refused") << 0.0 << big << N << R << "-5" << "5" << "5.00";
        QTest::newRow("minus first") << -10.0 << big << N << R << "-5" << "-5" << "-5.00";
        QTest::newRow("minus not after a digit") << -10.0 << big << N << R << "5-" << "5" << "5.00";
        QTest::newRow("percentage") << 0.0 << big << TPorcent::Porcentaje << R << "12.5" << "12.5" << "12.50%";
        QTest::newRow("number") << 0.0 << big << N << R << "12.5" << "12.5" << "12.50";
        QTest::newRow("typed percent") << 0.0 << big << TPorcent::Ambos << R << "12%.5" << "12.5%" << "12.50%";
        QTest::newRow("whole number") << 0.0 << big << N << TDato::Entero << "12.7" << "127" << "127";
        QTest::newRow("thousands after leaving") << 0.0 << big << N << R << "1234567" << "1234567" << "1,234,567.00";
    }
    void typedKeysAndLeaving()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(TPorcent, porcent);
        QFETCH(TDato, tipo);
        QFETCH(QString, keys);
        QFETCH(QString, whileFocused);
        QFETCH(QString, afterLeaving);

        Window w;
        w.edit->VorelNumberObject()->setMinValor(min);
        w.edit->VorelNumberObject()->setMaxValor(max);
        w.edit->VorelNumberObject()->setTipoDato(tipo);
        w.edit->setPorcent(porcent);
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.edit));
        QVERIFY(w.edit->hasSelectedText()); // entering selects the whole number
        test::press(Qt::Key_Backspace);
        test::type(keys);
        QCOMPARE(w.edit->text(), whileFocused);
        test::press(Qt::Key_Tab);
        QVERIFY(w.next->hasFocus());
        QCOMPARE(w.edit->text(), afterLeaving);
    }

    void enteringShowsTheBareNumber()
    {
        Window w;
        w.edit->setPorcent(TPorcent::Porcentaje);
        w.edit->SetInitText(1234.5);
        QCOMPARE(w.edit->text(), QStringLiteral("1,234.50%"));
        QCOMPARE(w.edit->InitText(), 1234.5);
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.edit));
        QCOMPARE(w.edit->text(), QStringLiteral("1234.50%"));
        QVERIFY(!w.edit->isModified());
        w.edit->SetInitText(99.0); // the program writes while the user is in the field
        QCOMPARE(w.edit->text(), QStringLiteral("99.00%"));
        w.edit->VorelNumberObject()->setMaxValor(50);
        w.edit->SetInitText(Money::fromUnits(75));
        QCOMPARE(w.edit->text(), QStringLiteral("50.00%"));
        QCOMPARE(w.edit->InitText(), 75.0);
        w.edit->SetInitText(Money::fromRaw(12345)); // 1.2345, exact
        QCOMPARE(w.edit->text(), QStringLiteral("1.23%"));
        QCOMPARE(w.edit->moneyValue(), Money::fromRaw(12300));
        QVERIFY(test::focusOn(w.next));
        QCOMPARE(w.edit->text(), QStringLiteral("1.23%"));
        QCOMPARE(w.edit->floatValue(), 1.23);
    }

    void aPasteReplacesTheWholeNumber_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<int>("selStart"); // -1: caret in the middle, nothing selected
        QTest::addColumn<QString>("whileFocused");
        QTest::addColumn<QString>("afterLeaving");
        QTest::addColumn<int>("pastes");
        QTest::newRow("caret in the middle") << "1,234.50" << -1 << "1234.50" << "1,234.50" << 1;
        QTest::newRow("part selected") << "1,234.50" << 1 << "1234.50" << "1,234.50" << 1;
        QTest::newRow("above the maximum") << "2,000,000" << -1 << "1000000.00" << "1,000,000.00" << 1;
        QTest::newRow("not a number") << "doce" << -1 << "5678.00" << "5,678.00" << 0;
    }
    void aPasteReplacesTheWholeNumber()
    {
        QFETCH(QString, clipboard);
        QFETCH(int, selStart);
        QFETCH(QString, whileFocused);
        QFETCH(QString, afterLeaving);
        QFETCH(int, pastes);

        Window w;
        w.edit->VorelNumberObject()->setMaxValor(1000000);
        w.edit->SetInitText(5678.0);
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.edit));
        if (selStart < 0)
            w.edit->setCursorPosition(2);
        else
            w.edit->setSelection(selStart, 2);
        QSignalSpy pasted(w.edit, &TVorelNumberEdit::pasted);
        QApplication::clipboard()->setText(clipboard);
        test::press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.edit->text(), whileFocused);
        QCOMPARE(pasted.count(), pastes);
        QCOMPARE(w.edit->isModified(), pastes > 0);
        test::press(Qt::Key_Tab);
        QCOMPARE(w.edit->text(), afterLeaving);
    }

    void theContextMenuPastesTheNumberToo()
    {
        Window w;
        w.edit->SetInitText(5.0);
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.edit));
        w.edit->setCursorPosition(1);
        QApplication::clipboard()->setText(QStringLiteral("1,234.50"));
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), w.edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w.edit, &event);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"));
        QVERIFY(paste);
        paste->trigger();
        menu->close();
        QCOMPARE(w.edit->text(), QStringLiteral("1234.50"));
    }

    void theCalculatorResultComesBackClamped()
    {
        Window w;
        w.edit->VorelNumberObject()->setMaxValor(50);
        w.edit->SetInitText(4.0);
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.edit));
        test::press(Qt::Key_Down, Qt::ShiftModifier); // the window's key for the calculator
        QVERIFY(w.edit->isCalculatorOpen());
        QSignalSpy pasted(w.edit, &TVorelNumberEdit::pasted);
        QTest::keyClicks(w.edit->calculator(), QStringLiteral("*3"));
        QTest::keyClick(w.edit->calculator(), Qt::Key_Return);
        QVERIFY(!w.edit->isCalculatorOpen());
        QTRY_VERIFY(w.edit->hasFocus());
        QCOMPARE(w.edit->text(), QStringLiteral("12.00"));
        QCOMPARE(w.edit->cursorPosition(), 5);
        QVERIFY(w.edit->isModified());
        QCOMPARE(pasted.count(), 1);

        test::press(Qt::Key_Down, Qt::AltModifier);
        QVERIFY(w.edit->isCalculatorOpen());
        QTest::keyClicks(w.edit->calculator(), QStringLiteral("*100"));
        QTest::keyClick(w.edit->calculator(), Qt::Key_Return);
        QTRY_VERIFY(w.edit->hasFocus());
        QCOMPARE(w.edit->text(), QStringLiteral("50.00"));

        test::press(Qt::Key_Down, Qt::AltModifier);
        QTest::keyClick(w.edit->calculator(), Qt::Key_Escape); // closes without a result
        QVERIFY(!w.edit->isCalculatorOpen());
        QVERIFY(w.form.isVisible());
        QCOMPARE(w.edit->text(), QStringLiteral("50.00"));
    }

    void withoutTheButtonAltKeysAreDropped()
    {
        Window w;
        w.edit->setShowButton(false);
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.edit));
        test::press(Qt::Key_Down, Qt::AltModifier);
        QVERIFY(!w.edit->isCalculatorOpen());
    }

    void shiftKeysThatSelectAreNotTaken()
    {
        Window w;
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.edit));
        test::press(Qt::Key_End);
        test::press(Qt::Key_Left, Qt::ShiftModifier);
        QVERIFY(!w.edit->hasSelectedText());
        // A plain field selects with Shift as usual.
        w.next->setText(QStringLiteral("abc"));
        QVERIFY(test::focusOn(w.next));
        test::press(Qt::Key_End);
        test::press(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(w.next->selectedText(), QStringLiteral("c"));
    }

    void theWindowGivesAmountsItsDecimals()
    {
        regional().amountDecimals = 3;
        Window w;
        auto *count = new TVorelNumberEdit(&w.form);
        count->VorelNumberObject()->setDecimales(0);
        w.edit->SetInitText(1.5);
        w.form.prepareWindow();
        regional().amountDecimals = 2;
        QCOMPARE(w.edit->VorelNumberObject()->Decimales(), 3);
        QCOMPARE(w.edit->text(), QStringLiteral("1.500"));
        QCOMPARE(count->VorelNumberObject()->Decimales(), 0);
    }
};

QTEST_MAIN(NumberEditTest)
#include "tst_numberedit.moc"
