// The log-in dialog over the log-in checks: what the user sees, and when it asks for the
// end of the program.
#include "AppFixture.h"
#include "app/Tk9PasswordForm.h"
#include "controls/FormFixture.h"
#include "data/Query.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace k9;

namespace {

const QString kWrong = QStringLiteral("Usuario no registrado o clave incorrecta. Intente de nuevo.");
const QString kRefused = QStringLiteral("El acceso a este módulo no está autorizado por el administrador.");
const QString kBlocked = QStringLiteral(
    "El acceso al sistema ha sido bloqueado. Ha superado el máximo número de intentos para introducir la clave.");

} // namespace

class PasswordFormTest : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};
    std::unique_ptr<test::AppWorkspace> m_workspace;

    QPushButton *button(Tk9PasswordForm &form, const char *name)
    {
        return form.findChild<QPushButton *>(QString::fromLatin1(name));
    }

    // Types `password` into the key box (ASCII) and presses Enter there.
    void enter(Tk9PasswordForm &form, const QString &user, const QString &password)
    {
        form.userName()->setText(user);
        form.usersKey()->clear();
        form.usersKey()->setFocus();
        QTest::keyClicks(form.usersKey(), password);
        QTest::keyClick(form.usersKey(), Qt::Key_Return);
    }

private slots:
    void initTestCase() { m_workspace = std::make_unique<test::AppWorkspace>(); }

    void init()
    {
        test::resetProcessState();
        m_messages.clear();
    }

    void theDialogAsItStarts()
    {
        Tk9PasswordForm form;
        QVERIFY(form.ready());
        QCOMPARE(form.windowTitle(), QStringLiteral("Acceso Restringido"));
        QCOMPARE(form.userName()->objectName(), QStringLiteral("UserName"));
        QCOMPARE(form.userName()->text(), QStringLiteral("DEMO"));
        QCOMPARE(form.usersKey()->objectName(), QStringLiteral("UsersKey"));
        QCOMPARE(form.usersKey()->echoMode(), QLineEdit::Password);
        QCOMPARE(button(form, "BAceptar001")->text(), QStringLiteral("&Aceptar"));
        QCOMPARE(button(form, "BCancelar002")->text(), QStringLiteral("&Cancelar"));
        QCOMPARE(form.helpTopic(), 20);
        QVERIFY(!form.lockOpen());
        QVERIFY(form.findChild<QLabel *>(QStringLiteral("PanelMayusculas")));

        QVERIFY(test::showActive(&form));
        QVERIFY(form.usersKey()->hasFocus());
        QTest::keyClicks(form.usersKey(), QStringLiteral("de"));
        QTest::keyClick(form.usersKey(), Qt::Key_M, Qt::ShiftModifier);
        QTest::keyClicks(form.usersKey(), QStringLiteral("o"));
        QCOMPARE(form.usersKey()->text(), QStringLiteral("DEMO")); // kept in upper case
    }

    void anAcceptedUserOpensTheLockAndTheDialogClosesHalfASecondLater()
    {
        Tk9PasswordForm form;
        QSignalSpy end(&form, &Tk9PasswordForm::programEndRequested);
        QVERIFY(test::showActive(&form));
        enter(form, QStringLiteral("demo"), QStringLiteral("demo"));
        QVERIFY(form.isAccepted());
        QVERIFY(form.lockOpen());
        QVERIFY(m_messages.entries().isEmpty());
        QCOMPARE(session().UsuarioActual, QStringLiteral("demo"));
        QVERIFY(session().isAdministrator());
        QTest::qWait(200);
        QVERIFY(form.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 2000);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(end.isEmpty());
    }

    void threeWrongKeysLeaveItOpenTheFourthEndsTheProgram()
    {
        Tk9PasswordForm form;
        QSignalSpy end(&form, &Tk9PasswordForm::programEndRequested);
        QVERIFY(test::showActive(&form));
        for (int i = 0; i < 3; ++i) {
            enter(form, QStringLiteral("DEMO"), QStringLiteral("MALA"));
            QVERIFY(form.isVisible());
            QVERIFY(form.usersKey()->hasFocus());
            QCOMPARE(form.usersKey()->selectedText(), QStringLiteral("MALA"));
        }
        QCOMPARE(m_messages.texts(), (QStringList{kWrong, kWrong, kWrong}));
        QVERIFY(end.isEmpty());
        enter(form, QStringLiteral("DEMO"), QStringLiteral("MALA"));
        QCOMPARE(m_messages.texts().last(), kBlocked);
        QCOMPARE(end.size(), 1);
        QVERIFY(!form.isVisible());
        QVERIFY(!form.isAccepted());
    }

    void aRefusedUserEndsTheProgram()
    {
        auto db = Database::open(m_workspace->dirs.data, Database::OpenMode::Existing);
        QVERIFY(insertRow(*db, QStringLiteral("Susuarios"),
                          {{QStringLiteral("Nombre"), QStringLiteral("VENDEDOR")},
                           {QStringLiteral("Code"), 7},
                           {QStringLiteral("Clave"), CodificarClave(QStringLiteral("VENTAS"))},
                           {QStringLiteral("Status"), 0},
                           {QStringLiteral("AccesoAdm"), false}}));
        Tk9PasswordForm form;
        QSignalSpy end(&form, &Tk9PasswordForm::programEndRequested);
        QVERIFY(test::showActive(&form));
        enter(form, QStringLiteral("VENDEDOR"), QStringLiteral("VENTAS"));
        QCOMPARE(m_messages.texts(), QStringList{kRefused});
        QCOMPARE(end.size(), 1);
        QVERIFY(!form.isVisible());
        QCOMPARE(session().CodigoUsuario, 0);
    }

    void leavingWithoutAUserEndsTheProgram_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancelar") << QStringLiteral("cancel");
        QTest::newRow("Escape") << QStringLiteral("escape");
        QTest::newRow("close box") << QStringLiteral("close");
    }

    void leavingWithoutAUserEndsTheProgram()
    {
        QFETCH(QString, how);
        Tk9PasswordForm form;
        QSignalSpy end(&form, &Tk9PasswordForm::programEndRequested);
        QVERIFY(test::showActive(&form));
        if (how == u"cancel")
            button(form, "BCancelar002")->click();
        else if (how == u"escape")
            test::press(Qt::Key_Escape);
        else
            form.close();
        QCOMPARE(end.size(), 1);
        QVERIFY(!form.isVisible());
        QVERIFY(m_messages.entries().isEmpty());
    }

    void aMissingUsersTableEndsTheProgramBeforeTheDialog()
    {
        test::ScratchDir empty;
        Tk9PasswordForm form(nullptr, empty.dir(QStringLiteral("Data")));
        QVERIFY(!form.ready());
        QCOMPARE(m_messages.entries().size(), 1);
        QCOMPARE(m_messages.entries().first().kind, MessageKind::Error);
    }
};

QTEST_MAIN(PasswordFormTest)
#include "tst_passwordform.moc"
