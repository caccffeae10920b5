// The main window on a workspace, as the user meets it: no menu until the log-in dialog
// accepts a user, then the menus and the tool bar; the end of the program; the help.
#include "AppFixture.h"
#include "app/Tk9AcercaDeForm.h"
#include "app/Tk9MainMenuForm.h"
#include "app/Tk9PasswordForm.h"
#include "controls/FormFixture.h"
#include "controls/HelpWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolBar>

using namespace k9;

class MainWindowTest : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};
    std::unique_ptr<test::AppWorkspace> m_workspace;

    static QStringList menuBarCaptions(Tk9MainMenuForm &window)
    {
        QStringList out;
        for (QAction *a : window.menuBar()->actions())
            out << a->text();
        return out;
    }

    static bool anyToolButtonVisible(Tk9MainMenuForm &window)
    {
        for (QAction *a : window.toolBar()->actions()) {
            if (a->isVisible() && !a->isSeparator())
                return true;
        }
        return false;
    }

    // Shows the window and waits for its log-in dialog.
    static Tk9PasswordForm *showAndWaitForLogIn(Tk9MainMenuForm &window)
    {
        window.setLoginDelay(0);
        if (!test::showActive(&window))
            return nullptr;
        if (!QTest::qWaitFor([&] { return window.passwordForm() && window.passwordForm()->isVisible(); }))
            return nullptr;
        return window.passwordForm();
    }

    // Logs `user` in through the dialog.
    static bool logIn(Tk9MainMenuForm &window, const QString &user, const QString &password)
    {
        Tk9PasswordForm *form = showAndWaitForLogIn(window);
        if (!form)
            return false;
        form->userName()->setText(user);
        QTest::keyClicks(form->usersKey(), password);
        form->findChild<QPushButton *>(QStringLiteral("BAceptar001"))->click();
        return QTest::qWaitFor([&] { return window.isLoggedIn() && !window.passwordForm(); }, 3000);
    }

private slots:
    void initTestCase() { m_workspace = std::make_unique<test::AppWorkspace>(); }

    void init()
    {
        test::resetProcessState();
        m_messages.clear();
    }

    void noMenuBeforeTheLogInTheWholeMenuAfterIt_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("administrator");
        QTest::newRow("DEMO, the administrator") << QStringLiteral("DEMO") << QStringLiteral("DEMO") << true;
        QTest::newRow("MASTER, code 2") << QStringLiteral("MASTER") << QStringLiteral("MASTER") << false;
    }

    void noMenuBeforeTheLogInTheWholeMenuAfterIt()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(bool, administrator);

        Tk9MainMenuForm window;
        QSignalSpy end(&window, &Tk9MainMenuForm::programEndRequested);
        QSignalSpy loggedIn(&window, &Tk9MainMenuForm::loggedIn);
        QCOMPARE(window.windowTitle(), QStringLiteral("Módulo k9RMA - Garantías y Servicio Técnico"));
        QVERIFY(!window.passwordForm()); // not before the window is up

        Tk9PasswordForm *form = showAndWaitForLogIn(window);
        QVERIFY(form);
        QVERIFY(form->isModal());
        QVERIFY(menuBarCaptions(window).isEmpty());
        QVERIFY(!window.menuBar()->isVisible());
        QVERIFY(!anyToolButtonVisible(window));

        form->userName()->setText(user);
        QTest::keyClicks(form->usersKey(), password);
        form->findChild<QPushButton *>(QStringLiteral("BAceptar001"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(window.isLoggedIn() && !window.passwordForm(), 3000);

        QCOMPARE(loggedIn.size(), 1);
        QCOMPARE(menuBarCaptions(window),
                 (QStringList{QStringLiteral("&Mantenimiento"), QStringLiteral("&RMA"), QStringLiteral("&Operaciones"),
                              QStringLiteral("&Informes"), QStringLiteral("&Sistema")}));
        QVERIFY(window.menuBar()->isVisible());
        for (QAction *a : window.toolBar()->actions())
            QVERIFY(a->isVisible());
        QCOMPARE(window.menuAction(CommandId::TitulosCorrelativos)->isVisible(), administrator);
        QCOMPARE(window.menu({QStringLiteral("&Sistema"), QStringLiteral("&Configuración")})->menuAction()->isVisible(),
                 administrator);
        QCOMPARE(session().UsuarioActual, user);
        QVERIFY(end.isEmpty());
        QVERIFY(m_messages.entries().isEmpty()); // the demo options ask for reminders: none is registered
    }

    void aLogInEndedWithoutAUserEndsTheProgram()
    {
        Tk9MainMenuForm window;
        QSignalSpy end(&window, &Tk9MainMenuForm::programEndRequested);
        Tk9PasswordForm *form = showAndWaitForLogIn(window);
        QVERIFY(form);
        form->findChild<QPushButton *>(QStringLiteral("BCancelar002"))->click();
        QCOMPARE(end.size(), 1);
        QCOMPARE(end.first().first().toInt(), 1);
        QTRY_VERIFY(!window.passwordForm());
        QVERIFY(!window.isLoggedIn());
        QVERIFY(menuBarCaptions(window).isEmpty());
    }

    void salirEndsTheProgram()
    {
        Tk9MainMenuForm window;
        QVERIFY(logIn(window, QStringLiteral("DEMO"), QStringLiteral("DEMO")));
        QSignalSpy end(&window, &Tk9MainMenuForm::programEndRequested);
        window.menuAction(CommandId::Salir)->trigger();
        QCOMPARE(end.size(), 1);
        QCOMPARE(end.first().first().toInt(), 0);
        QVERIFY(!window.isVisible());
    }

    void f1ShowsTheMainWindowsTopicAndAyudaTheGeneralOne()
    {
        Tk9MainMenuForm window;
        QVERIFY(logIn(window, QStringLiteral("DEMO"), QStringLiteral("DEMO")));
        QVERIFY(test::showActive(&window));
        test::press(Qt::Key_F1);
        HelpWindow *help = window.helpWindow();
        QVERIFY(help);
        QCOMPARE(help->currentTopic(), Tk9MainMenuForm::kHelpTopic);
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Menú principal")));

        window.menuAction(CommandId::Ayuda)->trigger();
        QCOMPARE(window.findChildren<HelpWindow *>().size(), 1);
        QCOMPARE(help->currentTopic(), Tk9MainMenuForm::kGeneralHelpTopic);
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Recepción")));
    }

    void theAboutBoxNamesTheProductAndTheCompany()
    {
        Tk9MainMenuForm window;
        QVERIFY(logIn(window, QStringLiteral("DEMO"), QStringLiteral("DEMO")));
        QString details;
        test::whenModal<Tk9AcercaDeForm>([&](Tk9AcercaDeForm *about) {
            details = about->findChild<QLabel *>(QStringLiteral("LDetalle"))->text();
            about->accept();
        });
        QVERIFY(window.runCommand(CommandId::AcercaDe));
        QVERIFY(details.contains(QStringLiteral("Mi Empresa, C.A.")));
        QVERIFY(details.contains(QStringLiteral("Usuario: DEMO")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
