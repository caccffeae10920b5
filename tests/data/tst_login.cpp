// The log-in checks against the users table.
#include "core/Globals.h"
#include "core/Messages.h"
#include "data/Login.h"
#include "data/Query.h"
#include "data/Startup.h"
#include "data/Workspace.h"
#include "support/TestWorkspace.h"
#include "workspace/WorkspaceBuilder.h"

#include <QtTest>

using namespace k9;

namespace {

const QString kWrong = QStringLiteral("Usuario no registrado o clave incorrecta. Intente de nuevo.");
const QString kRefused = QStringLiteral("El acceso a este módulo no está autorizado por el administrador.");

// Sunday 2026-12-13, 06:30.
const QDateTime kSundayMorning(QDate(2026, 12, 13), QTime(6, 30));

struct Fixture
{
    test::ScratchDir scratch;
    workspace::Dirs dirs{scratch.path()};

    Fixture()
    {
        if (!workspace::createWorkspace(scratch.path()) || loadWorkspace(scratch.path()) != StartupResult::Ready)
            qFatal("no workspace");
    }

    // A user like DEMO with some fields changed.
    bool addUser(const QString &name, const QString &password, const FieldValues &changes = {})
    {
        auto db = Database::open(dirs.data, Database::OpenMode::Existing);
        FieldValues values = {{QStringLiteral("Nombre"), name},
                              {QStringLiteral("Clave"), CodificarClave(password)},
                              {QStringLiteral("Status"), 0},
                              {QStringLiteral("AccesoAdm"), true},
                              {QStringLiteral("Jornada"), QStringLiteral("1111111")},
                              {QStringLiteral("Horario"), QString(168, u'1')},
                              {QStringLiteral("FechaCreación"), QDate(2026, 1, 1)},
                              {QStringLiteral("FechaCaduca"), QDate(2027, 12, 31)},
                              {QStringLiteral("Directorio_Datos"), QStringLiteral("Empre001\\Data")},
                              {QStringLiteral("Directorio_Formatos"), QStringLiteral("Empre001\\ConfigR")},
                              {QStringLiteral("Directorio_Reportes"), QStringLiteral("Empre001\\Reports")}};
        for (const auto &change : changes) {
            auto it = std::find_if(values.begin(), values.end(), [&](const auto &p) { return p.first == change.first; });
            if (it != values.end())
                it->second = change.second;
            else
                values << change;
        }
        return insertRow(*db, QStringLiteral("Susuarios"), values).isOk();
    }
};

} // namespace

class LoginTest : public QObject
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
        session() = UserSession();
    }

    void cleanup() { m_guard.reset(); }

    void theScheduleHasOneBlockPerWeekdayStartingAtSix_data()
    {
        QTest::addColumn<QString>("horario");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("allowed");
        const QString firstOfSunday = u'1' + QString(167, u'0');
        QTest::newRow("Sunday 06:30") << firstOfSunday << kSundayMorning << true;
        QTest::newRow("Sunday 06:59") << firstOfSunday << QDateTime(QDate(2026, 12, 13), QTime(6, 59)) << true;
        QTest::newRow("Sunday 07:00") << firstOfSunday << QDateTime(QDate(2026, 12, 13), QTime(7, 0)) << false;
        QTest::newRow("Sunday 05:59") << firstOfSunday << QDateTime(QDate(2026, 12, 13), QTime(5, 59)) << false;
        QTest::newRow("Monday 06:30") << firstOfSunday << QDateTime(QDate(2026, 12, 14), QTime(6, 30)) << false;
        // Character 24 of a day's block is 05:00-05:59 of that same calendar day.
        QString earlySaturday(168, u'0');
        earlySaturday[6 * 24 + 23] = u'1';
        QTest::newRow("Saturday 05:10") << earlySaturday << QDateTime(QDate(2026, 12, 12), QTime(5, 10)) << true;
        QTest::newRow("Saturday 06:10") << earlySaturday << QDateTime(QDate(2026, 12, 12), QTime(6, 10)) << false;
    }

    void theScheduleHasOneBlockPerWeekdayStartingAtSix()
    {
        QFETCH(QString, horario);
        QFETCH(QDateTime, now);
        QFETCH(bool, allowed);
        QCOMPARE(scheduleAllows(QStringLiteral("1111111"), horario, now), std::optional<bool>(allowed));
        QCOMPARE(scheduleAllows(QStringLiteral("0111111"), horario, kSundayMorning), std::optional<bool>(false));
        QCOMPARE(scheduleAllows(QString(), horario, now), std::optional<bool>());
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("no module right") << QStringLiteral("AccesoAdm") << QVariant(false);
        QTest::newRow("inactive") << QStringLiteral("Status") << QVariant(1);
        QTest::newRow("not on Sundays") << QStringLiteral("Jornada") << QVariant(QStringLiteral("0111111"));
        QTest::newRow("not at this hour") << QStringLiteral("Horario") << QVariant(u'0' + QString(167, u'1'));
        QTest::newRow("expired yesterday") << QStringLiteral("FechaCaduca") << QVariant(kSundayMorning.date().addDays(-1));
        QTest::newRow("valid from tomorrow") << QStringLiteral("FechaCreación") << QVariant(kSundayMorning.date().addDays(1));
    }

    void refusals()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        Fixture f;
        QVERIFY(f.addUser(QStringLiteral("ANA"), QStringLiteral("CLAVE1"), {{field, value}}));
        LoginCheck login(paths().DirDatos);
        QVERIFY(login.ready());
        QCOMPARE(login.attempt(QStringLiteral("ana"), QStringLiteral("CLAVE1"), kSundayMorning), LoginCheck::Outcome::Refused);
        QCOMPARE(m_messages.texts(), QStringList{kRefused});
        QCOMPARE(m_messages.entries().first().kind, MessageKind::Error);
        QCOMPARE(session().CodigoUsuario, 0);
    }

    void threeFailuresAreAllowedTheFourthBlocks()
    {
        Fixture f;
        LoginCheck login(paths().DirDatos);
        QCOMPARE(login.attempt(QStringLiteral("DEMO"), QStringLiteral("MAL"), kSundayMorning), LoginCheck::Outcome::Retry);
        QCOMPARE(login.attempt(QStringLiteral("NADIE"), QStringLiteral("DEMO"), kSundayMorning), LoginCheck::Outcome::Retry);
        QCOMPARE(login.attempt(QStringLiteral("DEMO"), QString(), kSundayMorning), LoginCheck::Outcome::Retry);
        QCOMPARE(m_messages.texts(), (QStringList{kWrong, kWrong, kWrong}));
        QCOMPARE(m_messages.entries().first().kind, MessageKind::Warning);
        QCOMPARE(login.attempt(QStringLiteral("DEMO"), QStringLiteral("MAL"), kSundayMorning), LoginCheck::Outcome::Blocked);
        QCOMPARE(m_messages.texts().last(),
                 QStringLiteral("El acceso al sistema ha sido bloqueado. Ha superado el máximo número de intentos "
                                "para introducir la clave."));
    }

    void acceptedUserSetsTheSessionAndTheirDirectories()
    {
        Fixture f;
        QVERIFY(f.addUser(QStringLiteral("LUIS"), QStringLiteral("SECRETO"),
                          {{QStringLiteral("Directorio_Datos"), QStringLiteral("Empre002\\Data")},
                           {QStringLiteral("HidePrinter"), true},
                           {QStringLiteral("BoldEncabezados"), QStringLiteral("True")}}));
        const QString moduleDir = paths().DirRMA;
        LoginCheck login(paths().DirDatos);
        QCOMPARE(login.attempt(QStringLiteral(" luis "), QStringLiteral("SECRETO"), kSundayMorning),
                 LoginCheck::Outcome::Accepted);
        QVERIFY(m_messages.entries().isEmpty());
        QCOMPARE(session().NombreUsuario, QStringLiteral("LUIS"));
        QCOMPARE(session().CodigoUsuario, 3);
        QVERIFY(!session().isAdministrator());
        QVERIFY(session().HidePrinter);
        QVERIFY(session().BoldEncabezados);
        QCOMPARE(session().FlagTransaccion.size(), 20088);
        QCOMPARE(paths().DirDatos, f.dirs.root + QStringLiteral("Empre002/Data/"));
        QCOMPARE(paths().DirFormatos, f.dirs.formats);
        QCOMPARE(paths().DirRMA, moduleDir);
    }

    void usersSharingAPasswordAreToldApartByName()
    {
        Fixture f;
        QVERIFY(f.addUser(QStringLiteral("ANA"), QStringLiteral("DEMO")));
        LoginCheck login(paths().DirDatos);
        QCOMPARE(login.attempt(QStringLiteral("ANA"), QStringLiteral("DEMO"), kSundayMorning), LoginCheck::Outcome::Accepted);
        QCOMPARE(session().NombreUsuario, QStringLiteral("ANA"));
        QCOMPARE(login.attempt(QStringLiteral("DEMO"), QStringLiteral("DEMO"), kSundayMorning), LoginCheck::Outcome::Accepted);
        QVERIFY(session().isAdministrator());
    }

    void aMissingUsersTableEndsTheProcess()
    {
        test::ScratchDir scratch;
        LoginCheck login(scratch.dir(QStringLiteral("Data")));
        QVERIFY(!login.ready());
        QCOMPARE(m_messages.entries().size(), 1);
        QVERIFY(m_messages.texts().first().startsWith(QStringLiteral("El sistema no se encuentra instalado.")));
    }
};

QTEST_GUILESS_MAIN(LoginTest)
#include "tst_login.moc"
