// A command's work window: made behind its wait window, shown modally, freed; a window
// that fails to build leaves the main window as it was; the item detail hooks; the
// reminder after the log-in.
#include "AppFixture.h"
#include "app/Tk9MainMenuForm.h"

#include <QPointer>

#include <stdexcept>

using namespace k9;

class DispatchTest : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};
    ModuleOptions m_savedOptions = options();

    CommandRegistry &registry() { return CommandRegistry::instance(); }

private slots:
    void init()
    {
        test::resetProcessState();
        session().CodigoUsuario = 1;
        m_messages.clear();
    }

    void cleanup() { options() = m_savedOptions; }

    void theWindowIsBuiltBehindTheWaitWindowShownModallyAndFreed()
    {
        Tk9MainMenuForm main;
        main.showMenus();
        QString waitWhileBuilding;
        QPointer<QDialog> made;
        test::ShownWindow shown;
        registry().setFactory(CommandId::Consulta, [&](QWidget *parent) {
            waitWhileBuilding = test::waitTextOf(parent);
            made = new test::FakeWindow(parent, &shown);
            return made.data();
        });
        main.updateCommands();
        QVERIFY(main.runCommand(CommandId::Consulta));
        QCOMPARE(waitWhileBuilding, QStringLiteral("Espere Ejecutando, Consulta RMA..."));
        QCOMPARE(shown.count, 1);
        QVERIFY(shown.modal);
        QVERIFY(shown.waitGone);
        QVERIFY(made.isNull());
        QVERIFY(main.findChildren<TEsperaForm *>().isEmpty());
    }

    void aWindowThatFailsToBuildLeavesTheMainWindowUsable()
    {
        Tk9MainMenuForm main;
        main.showMenus();
        registry().setFactory(CommandId::Recepcion, [](QWidget *) -> QDialog * {
            throw std::runtime_error("la tabla k9Recepcion no existe");
        });
        test::ShownWindow shown;
        registry().setFactory(CommandId::Citas, [&](QWidget *parent) { return new test::FakeWindow(parent, &shown); });
        main.updateCommands();

        QVERIFY(!main.runCommand(CommandId::Recepcion));
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("No se pudo abrir la ventana Recepción: la tabla k9Recepcion no existe")});
        QCOMPARE(m_messages.entries().first().kind, MessageKind::Error);
        QVERIFY(main.findChildren<TEsperaForm *>().isEmpty());
        QVERIFY(main.isEnabled());
        QVERIFY(main.menuAction(CommandId::Recepcion)->isEnabled());

        // The next command works as ever.
        QVERIFY(main.runCommand(CommandId::Citas));
        QCOMPARE(shown.count, 1);
        QCOMPARE(shown.title, QStringLiteral("Citas Programadas "));
    }

    void aWindowThatDeclinesIsNotShown()
    {
        // The report window refuses to open when its tables cannot be read (it says why).
        Tk9MainMenuForm main;
        int asked = 0;
        registry().setFactory(CommandId::InformeTerceros, [&](QWidget *) -> QDialog * {
            ++asked;
            return nullptr;
        });
        main.updateCommands();
        QVERIFY(!main.runCommand(CommandId::InformeTerceros));
        QCOMPARE(asked, 1);
        QVERIFY(m_messages.entries().isEmpty());
        QVERIFY(main.findChildren<TEsperaForm *>().isEmpty());
    }

    void aWindowThatFreesItselfIsNotFreedTwice()
    {
        Tk9MainMenuForm main;
        QPointer<QDialog> made;
        registry().setFactory(CommandId::Tareas, [&](QWidget *parent) {
            made = new test::FakeWindow(parent, nullptr);
            made->setAttribute(Qt::WA_DeleteOnClose);
            return made.data();
        });
        main.updateCommands();
        QVERIFY(main.runCommand(CommandId::Tareas));
        QVERIFY(made.isNull());
    }

    void theItemDetailWindowIsEnsuredOrDroppedFirst_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("calls");
        QTest::newRow("reception") << int(CommandId::Recepcion) << QStringLiteral("ensure,window");
        QTest::newRow("consultation") << int(CommandId::Consulta) << QStringLiteral("ensure,window");
        QTest::newRow("budget") << int(CommandId::Presupuesto) << QStringLiteral("ensure,window");
        QTest::newRow("service") << int(CommandId::Servicio) << QStringLiteral("ensure,window");
        QTest::newRow("appointments") << int(CommandId::Citas) << QStringLiteral("window");
        QTest::newRow("inventory") << int(CommandId::InventarioGS) << QStringLiteral("window");
        QTest::newRow("forms") << int(CommandId::ConfigFormas) << QStringLiteral("drop,window");
    }

    void theItemDetailWindowIsEnsuredOrDroppedFirst()
    {
        QFETCH(int, command);
        QFETCH(QString, calls);
        const auto id = static_cast<CommandId>(command);
        Tk9MainMenuForm main; // made before the hooks: its own start-up call is not counted
        QStringList seen;
        registry().setItemDetailHooks([&](QWidget *w) { seen << (w == &main ? QStringLiteral("ensure") : QStringLiteral("ensure?")); },
                                      [&](QWidget *) { seen << QStringLiteral("drop"); });
        registry().setFactory(id, [&](QWidget *parent) {
            seen << QStringLiteral("window");
            return new test::FakeWindow(parent, nullptr);
        });
        main.updateCommands();
        QVERIFY(main.runCommand(id));
        QCOMPARE(seen.join(u','), calls);
    }

    void theItemDetailWindowIsMadeAtStartUpOnlyWithTheOptions()
    {
        int ensured = 0;
        registry().setItemDetailHooks([&](QWidget *) { ++ensured; }, {});
        {
            Tk9MainMenuForm withOptions(nullptr, true);
            QCOMPARE(withOptions.windowTitle(), QStringLiteral("Módulo k9RMA - Garantías y Servicio Técnico"));
        }
        QCOMPARE(ensured, 1);
        Tk9MainMenuForm withoutOptions(nullptr, false);
        QCOMPARE(ensured, 1);
        QCOMPARE(withoutOptions.windowTitle(), QStringLiteral("k9RMA"));
    }

    void theReminderFollowsTheOptions_data()
    {
        QTest::addColumn<bool>("appointments");
        QTest::addColumn<bool>("tasks");
        QTest::addColumn<bool>("pendingAppointments");
        QTest::addColumn<bool>("pendingTasks");
        QTest::addColumn<bool>("created");
        QTest::addColumn<QString>("shownAs"); // empty: not shown

        QTest::newRow("both off") << false << false << true << true << false << QString();
        QTest::newRow("both on, nothing pending") << true << true << false << false << true << QString();
        QTest::newRow("both on, appointments") << true << true << true << false << true
                                               << QStringLiteral("Citas y Tareas Pendientes");
        QTest::newRow("both on, tasks") << true << true << false << true << true
                                        << QStringLiteral("Citas y Tareas Pendientes");
        QTest::newRow("appointments only") << true << false << true << true << true << QStringLiteral("Citas Pendientes");
        QTest::newRow("tasks only") << false << true << true << true << true << QStringLiteral("Tareas Pendientes");
        QTest::newRow("tasks only, appointments pending") << false << true << true << false << true << QString();
    }

    void theReminderFollowsTheOptions()
    {
        QFETCH(bool, appointments);
        QFETCH(bool, tasks);
        QFETCH(bool, pendingAppointments);
        QFETCH(bool, pendingTasks);
        QFETCH(bool, created);
        QFETCH(QString, shownAs);

        options().FC_AVISOCITAS = appointments;
        options().FC_AVISOTAREA = tasks;
        Tk9MainMenuForm main;
        int made = 0;
        QString waitWhileLoading;
        QPointer<QDialog> window;
        test::ShownWindow shown;
        registry().setReminderFactory([&](QWidget *parent) {
            ++made;
            waitWhileLoading = test::waitTextOf(parent);
            window = new test::FakeWindow(parent, &shown);
            return ReminderWindow{window, pendingAppointments, pendingTasks};
        });
        main.checkReminders();
        QCOMPARE(made, created ? 1 : 0);
        if (created)
            QCOMPARE(waitWhileLoading, QStringLiteral("Espere, verificando citas y tareas pendientes..."));
        QCOMPARE(shown.count, shownAs.isEmpty() ? 0 : 1);
        if (!shownAs.isEmpty()) {
            QCOMPARE(shown.title, shownAs);
            QVERIFY(shown.modal);
        }
        QVERIFY(window.isNull());
        QVERIFY(main.findChildren<TEsperaForm *>().isEmpty());
    }

    void withoutAReminderWindowNothingIsShown()
    {
        options().FC_AVISOCITAS = options().FC_AVISOTAREA = true;
        Tk9MainMenuForm main;
        main.checkReminders();
        QVERIFY(main.findChildren<QDialog *>().size() <= 1); // only the start-up wait window
        QVERIFY(main.findChildren<TEsperaForm *>().isEmpty());
        QVERIFY(m_messages.entries().isEmpty());
    }

    void aReminderThatFailsIsFreedAndTold()
    {
        options().FC_AVISOCITAS = true;
        options().FC_AVISOTAREA = false;
        Tk9MainMenuForm main;
        registry().setReminderFactory([](QWidget *) -> ReminderWindow { throw std::runtime_error("sin tablas"); });
        main.checkReminders();
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("No se pudo abrir la ventana de citas y tareas pendientes: sin tablas")});
        QVERIFY(main.findChildren<TEsperaForm *>().isEmpty());
    }
};

QTEST_MAIN(DispatchTest)
#include "tst_dispatch.moc"
