// The keyboard and the common behaviour of every work window.
#include "controls/ButtonGlyphs.h"
#include "controls/EForm.h"
#include "controls/FormFixture.h"
#include "controls/HelpWindow.h"
#include "controls/MemoVorel.h"
#include "controls/VorelDateEdit.h"
#include "controls/VorelNumberEdit.h"
#include "core/Globals.h"
#include "core/HelpFile.h"
#include "core/Messages.h"
#include "data/Workspace.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

using namespace k9;

namespace {

// A window with three fields, a combo, a check box and two buttons, in that tab order.
struct Window
{
    TEForm form;
    QLineEdit *uno = add<QLineEdit>("EUno");
    QLineEdit *dos = add<QLineEdit>("EDos");
    QLineEdit *tres = add<QLineEdit>("ETres");
    QComboBox *combo = add<QComboBox>("CEstado");
    QCheckBox *check = add<QCheckBox>("CHActivo");
    QPushButton *accept = add<QPushButton>("BAceptar001");
    QPushButton *exit = add<QPushButton>("BSalir016");
    QStatusBar *status = add<QStatusBar>("StatusBar");

    Window()
    {
        form.setObjectName(QStringLiteral("PruebaForm"));
        combo->addItems({QStringLiteral("Abierto"), QStringLiteral("Cerrado"), QStringLiteral("Anulado")});
        accept->setText(QStringLiteral("&Aceptar"));
        exit->setText(QStringLiteral("&Salir"));
    }

    template<typename T>
    T *add(const char *name)
    {
        if (!form.layout())
            new QVBoxLayout(&form);
        auto *w = new T(&form);
        w->setObjectName(QString::fromLatin1(name));
        form.layout()->addWidget(w);
        return w;
    }

    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
};

} // namespace

class EFormTest : public QObject
{
    Q_OBJECT

private:
    ScriptedMessages m_messages;
    std::unique_ptr<MessageSinkGuard> m_guard;

private slots:
    void init()
    {
        m_messages.clear();
        m_guard = std::make_unique<MessageSinkGuard>(&m_messages);
    }
    void cleanup() { m_guard.reset(); }

    void keysMoveBetweenFields_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expected");
        const int none = Qt::NoModifier;
        QTest::newRow("Enter") << "EUno" << int(Qt::Key_Return) << none << "EDos";
        QTest::newRow("keypad Enter") << "EUno" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "EDos";
        QTest::newRow("Shift+Enter") << "EDos" << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "EUno";
        QTest::newRow("Enter on the combo") << "CEstado" << int(Qt::Key_Return) << none << "CHActivo";
        QTest::newRow("Enter on the check box") << "CHActivo" << int(Qt::Key_Return) << none << "BAceptar001";
        QTest::newRow("Down") << "EUno" << int(Qt::Key_Down) << none << "EDos";
        QTest::newRow("Up") << "EDos" << int(Qt::Key_Up) << none << "EUno";
        QTest::newRow("Down from the check box") << "CHActivo" << int(Qt::Key_Down) << none << "BAceptar001";
        QTest::newRow("Up from a button") << "BSalir016" << int(Qt::Key_Up) << none << "BAceptar001";
        QTest::newRow("Down in the combo keeps it") << "CEstado" << int(Qt::Key_Down) << none << "CEstado";
        QTest::newRow("Shift+Enter on the first wraps") << "EUno" << int(Qt::Key_Return) << int(Qt::ShiftModifier)
                                                          << "BSalir016";
    }
    void keysMoveBetweenFields()
    {
        QFETCH(QString, start);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, expected);
        Window w;
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.form.findChild<QWidget *>(start)));
        test::press(key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.focused(), expected);
        QVERIFY(w.form.isVisible());
    }

    void enterInTheLastFieldGoesToTheFirst()
    {
        TEForm form;
        auto *layout = new QVBoxLayout(&form);
        auto *first = new QLineEdit(&form);
        auto *last = new QLineEdit(&form);
        layout->addWidget(first);
        layout->addWidget(last);
        QVERIFY(test::showActive(&form));
        QVERIFY(test::focusOn(last));
        test::press(Qt::Key_Return);
        QVERIFY(first->hasFocus());
        test::press(Qt::Key_Return, Qt::ShiftModifier);
        QVERIFY(last->hasFocus());
    }

    void theComboChangesItsItemWithDown()
    {
        Window w;
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.combo));
        test::press(Qt::Key_Down);
        QCOMPARE(w.combo->currentIndex(), 1);
    }

    void enterPressesTheFocusedButtonInModeA()
    {
        Window w;
        w.exit->setDefault(true);
        auto *tool = w.add<QToolButton>("BBuscar006");
        QSignalSpy accepted(w.accept, &QPushButton::clicked);
        QSignalSpy exited(w.exit, &QPushButton::clicked);
        QSignalSpy searched(tool, &QToolButton::clicked);
        tool->setFocusPolicy(Qt::StrongFocus);
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.accept));
        test::press(Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
        QVERIFY(test::focusOn(tool));
        test::press(Qt::Key_Return);
        QCOMPARE(searched.count(), 1);
        // Mode A: Enter in a field moves on even though the window has a default button.
        QVERIFY(test::focusOn(w.uno));
        test::press(Qt::Key_Return);
        QCOMPARE(w.focused(), QStringLiteral("EDos"));
        QCOMPARE(exited.count(), 0);
    }

    void modeBPressesTheDefaultButton()
    {
        Window w;
        w.form.setEnterMode(TEForm::EnterMode::B);
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.uno));
        test::press(Qt::Key_Return); // no default button: moves on
        QCOMPARE(w.focused(), QStringLiteral("EDos"));

        w.accept->setDefault(true);
        QSignalSpy accepted(w.accept, &QPushButton::clicked);
        test::press(Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(w.focused(), QStringLiteral("EDos"));
    }

    void escapeClosesTheWindow()
    {
        Window w;
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.dos));
        test::press(Qt::Key_Escape);
        QVERIFY(!w.form.isVisible());
        QCOMPARE(w.form.result(), int(QDialog::Rejected));
    }

    void escapeWithAListOpenClosesOnlyTheList()
    {
        Window w;
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.combo));
        w.combo->showPopup();
        QWidget *popup = QApplication::activePopupWidget();
        QVERIFY(popup);
        QTest::keyClick(popup, Qt::Key_Escape);
        QTRY_VERIFY(!w.combo->view()->isVisible());
        QVERIFY(w.form.isVisible());
        test::press(Qt::Key_Escape);
        QVERIFY(!w.form.isVisible());
    }

    void aWindowMayRefuseEscapeAndABusyOneClosing()
    {
        Window w;
        w.form.setRefusesEscape(true);
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.uno));
        test::press(Qt::Key_Escape);
        QVERIFY(w.form.isVisible());

        w.form.setRefusesEscape(false);
        w.form.setBusy(true);
        test::press(Qt::Key_Escape);
        QVERIFY(w.form.isVisible());
        QVERIFY(!w.form.close());
        w.form.reject();
        w.form.accept();
        QVERIFY(w.form.isVisible());
        w.form.setBusy(false);
        QVERIFY(w.form.close());
    }

    void ctrlPPrintsTheWindowToThePdfDirectory()
    {
        QTemporaryDir dir;
        qputenv("K9RMA_PRINT_DIR", dir.path().toUtf8());
        Window w;
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.uno));
        test::press(Qt::Key_P, Qt::ControlModifier);
        qunsetenv("K9RMA_PRINT_DIR");
        const QStringList files = QDir(dir.path()).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QVERIFY2(files[0].startsWith(QStringLiteral("Forma_PruebaForm_")), qPrintable(files[0]));
        QCOMPARE(QDir(dir.path()).filePath(files[0]), w.form.lastPrintFile());
        QFile pdf(w.form.lastPrintFile());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF");
        QVERIFY(pdf.size() > 1000);
        QVERIFY(w.form.isVisible());
        QCOMPARE(w.focused(), QStringLiteral("EUno"));
        QVERIFY(m_messages.entries().isEmpty());
    }

    void theContextMenuOffersPrintingWhenTheUserMayPrint()
    {
        QTemporaryDir dir;
        qputenv("K9RMA_PRINT_DIR", dir.path().toUtf8());
        Window w;
        QVERIFY(test::showActive(&w.form));
        const QPoint at = w.form.rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, w.form.mapToGlobal(at));
        QApplication::sendEvent(&w.form, &event);
        QVERIFY(!QApplication::activePopupWidget()); // HIDEPRINTER not set: no menu

        session().HidePrinter = true;
        QApplication::sendEvent(&w.form, &event);
        session().HidePrinter = false;
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QVERIFY(menu->actions().contains(w.form.printFormAction()));
        QCOMPARE(w.form.printFormAction()->text(), QStringLiteral("&Imprimir Forma"));
        w.form.printFormAction()->trigger();
        menu->close();
        qunsetenv("K9RMA_PRINT_DIR");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    void theUsersLookShapesTheWindow()
    {
        for (const bool threeD : {true, false}) {
            session().Activar3D = threeD;
            Window w;
            auto *shape = w.add<QFrame>("Shape1");
            shape->setProperty("tag", 5);
            shape->setFixedSize(100, 40);
            auto *tagged = w.add<QFrame>("Shape2");
            tagged->setProperty("tag", 5000); // at or above the limit: always shown
            tagged->setFixedSize(100, 40);
            w.form.show();
            session().Activar3D = true;
            QCOMPARE(shape->isVisible(), !threeD);
            QVERIFY(tagged->isVisible());
            QCOMPARE(w.form.styleSheet().contains(QStringLiteral("border: 1px solid")), !threeD);
        }
    }

    void aFailedPrintShowsMessage38()
    {
        QTemporaryDir dir;
        const QString notADirectory = dir.filePath(QStringLiteral("archivo"));
        QFile file(notADirectory);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("K9RMA_PRINT_DIR", notADirectory.toUtf8());
        Window w;
        QVERIFY(test::showActive(&w.form));
        QVERIFY(!w.form.printForm());
        qunsetenv("K9RMA_PRINT_DIR");
        QTRY_COMPARE(m_messages.entries().size(), 1);
        QCOMPARE(m_messages.entries()[0].kind, MessageKind::Error);
        QCOMPARE(m_messages.entries()[0].text, QStringLiteral("La forma no puede ser impresa"));
    }

    void standardMessagesAreShownFromTheEventLoop()
    {
        Window w;
        w.form.showStandardMessage(95);
        QVERIFY(m_messages.entries().isEmpty());
        QTRY_COMPARE(m_messages.entries().size(), 1);
        QCOMPARE(m_messages.entries()[0].kind, MessageKind::Warning);
        QCOMPARE(m_messages.entries()[0].text,
                 QStringLiteral("Operación no permitida por el administrador del sistema."));
        w.form.showStandardMessage(12345); // not in the table: nothing
        QTest::qWait(20);
        QCOMPARE(m_messages.entries().size(), 1);
    }

    void f1OpensTheWindowsHelpTopic()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("k9RMA.hlp"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(writeHelpFile({{10, QStringLiteral("General"), QStringLiteral("Texto general.")},
                                  {120, QStringLiteral("Citas"), QStringLiteral("Las citas se programan.")}})
                       .toUtf8());
        file.close();
        const WorkspacePaths saved = paths();
        paths().ArchivoAyuda = path;

        Window w;
        w.form.setHelpTopic(120);
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.uno));
        test::press(Qt::Key_F1);
        HelpWindow *help = w.form.helpWindow();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->currentTopic(), 120);
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Las citas se programan.")));

        w.form.setHelpTopic(999);
        w.form.showHelp();
        QCOMPARE(w.form.helpWindow(), help); // the same window, on the new topic
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("El tema de ayuda 999 no existe.")));
        paths() = saved;
    }

    void theHintOfTheFocusedControlIsShown()
    {
        Window w;
        w.dos->setStatusTip(QStringLiteral("Indique el nombre del cliente"));
        w.tres->setToolTip(QStringLiteral("Teléfono"));
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.uno));
        test::press(Qt::Key_Return);
        QCOMPARE(w.status->currentMessage(), QStringLiteral("Indique el nombre del cliente"));
        test::press(Qt::Key_Down);
        QCOMPARE(w.status->currentMessage(), QStringLiteral("Teléfono"));
        test::press(Qt::Key_Down);
        QCOMPARE(w.status->currentMessage(), QString());
    }

    void functionKeysRunTheirActionsOnceEnabled()
    {
        Window w;
        QAction *f5 = w.form.functionKeyAction(5);
        QVERIFY(f5);
        QCOMPARE(f5->shortcut(), QKeySequence(Qt::Key_F5));
        QVERIFY(!w.form.functionKeyAction(1));
        QVERIFY(!w.form.functionKeyAction(13));
        QSignalSpy triggered(f5, &QAction::triggered);
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.uno));
        test::press(Qt::Key_F5);
        QCOMPARE(triggered.count(), 0);
        f5->setEnabled(true);
        f5->setCheckable(true);
        test::press(Qt::Key_F5);
        QCOMPARE(triggered.count(), 1);
        QVERIFY(f5->isChecked());
        w.form.uncheckFunctionKeys();
        QVERIFY(!f5->isChecked());
    }

    void clearingEditorsEmptiesEveryKind()
    {
        Window w;
        auto *frame = w.add<QWidget>("FrameDatos");
        auto *inner = new QVBoxLayout(frame);
        auto *amount = new TVorelNumberEdit(frame);
        auto *date = new TVorelDateEdit(frame);
        auto *memo = new TMemoVorel(frame);
        inner->addWidget(amount);
        inner->addWidget(date);
        inner->addWidget(memo);
        amount->SetInitText(12.5);
        date->setText(QStringLiteral("12/05/2024"));
        memo->setPlainText(QStringLiteral("falla"));
        w.uno->setText(QStringLiteral("texto"));
        w.combo->setCurrentIndex(2);
        TEForm::clearEditors(&w.form);
        QCOMPARE(amount->text(), QStringLiteral("0.00"));
        QCOMPARE(date->text(), QString());
        QCOMPARE(memo->toPlainText(), QString());
        QCOMPARE(w.uno->text(), QString());
        QCOMPARE(w.combo->currentIndex(), 0);
    }

    void glyphNumbersComeFromTheLastThreeDigits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("save") << "BGuardar012" << 12;
        QTest::newRow("accept") << "BAceptar001" << 1;
        QTest::newRow("exit") << "BSalir016" << 16;
        QTest::newRow("no digits") << "BSalir" << -1;
        QTest::newRow("two digits") << "BSalir16" << -1;
        QTest::newRow("digits only") << "007" << 7;
    }
    void glyphNumbersComeFromTheLastThreeDigits()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QCOMPARE(glyphNumber(name), number);
    }

    void buttonsTakeTheirGlyphsWhenShown()
    {
        Window w;
        auto *save = w.add<QPushButton>("BGuardar012");
        auto *plain = w.add<QPushButton>("BOtro");
        auto *unknown = w.add<QPushButton>("BOtro999");
        QVERIFY(save->icon().isNull());
        QVERIFY(test::showActive(&w.form));
        const QImage expected = buttonGlyph(12).pixmap(16).toImage();
        QVERIFY(!expected.isNull());
        QCOMPARE(save->icon().pixmap(16).toImage(), expected);
        QVERIFY(buttonGlyph(12).pixmap(16).toImage() != buttonGlyph(16).pixmap(16).toImage());
        QCOMPARE(w.exit->icon().pixmap(16).toImage(), buttonGlyph(16).pixmap(16).toImage());
        QVERIFY(plain->icon().isNull());
        QVERIFY(unknown->icon().isNull());
        QVERIFY(w.check->icon().isNull());
        for (int n = 1; n <= kGlyphCount; ++n)
            QVERIFY2(!buttonGlyph(n).isNull(), qPrintable(QString::number(n)));
    }
};

QTEST_MAIN(EFormTest)
#include "tst_eform.moc"
