// The menus and the tool bar of the main window: every item where the table puts it, with
// its caption and its wait text; the commands without a window disabled; the
// administrator's items.
#include "AppFixture.h"
#include "app/Tk9MainMenuForm.h"

#include <QMenu>
#include <QToolBar>

using namespace k9;

namespace {

// "&RMA > &Recepción": the menus above an item, from the menu bar down.
QString pathOf(const QAction *action)
{
    QStringList path;
    for (QObject *p = action->parent(); auto *menu = qobject_cast<QMenu *>(p); p = p->parent())
        path.prepend(menu->title());
    return path.join(QStringLiteral(" > "));
}

} // namespace

class MenusTest : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};

private slots:
    void init()
    {
        test::resetProcessState();
        session().CodigoUsuario = 1;
        m_messages.clear();
    }

    void everyItemOpensItsWindowBehindItsWaitText_data()
    {
        QTest::addColumn<int>("idNumber");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("wait");
        QTest::addColumn<QString>("windowCaption");
        QTest::addColumn<int>("helpTopic");

        auto row = [](CommandId id, const char16_t *path, const char16_t *caption, const char16_t *wait,
                      const char16_t *windowCaption = u"", int topic = 0) {
            QTest::newRow(QString::fromUtf16(caption).toUtf8().constData())
                << static_cast<int>(id) << QString::fromUtf16(path) << QString::fromUtf16(caption) << QString::fromUtf16(wait)
                << QString::fromUtf16(windowCaption) << topic;
        };
        const char16_t *report = u"Espere Ejecutando, Informes...";
        row(CommandId::InventarioGS, u"&Mantenimiento", u"&Inventario G&&S", u"Espere Ejecutando, Inventario G&&S...");
        row(CommandId::Historial, u"&Mantenimiento", u"&Historial", u"Espere Ejecutando, Historial G&&S...");
        row(CommandId::Existencia, u"&Mantenimiento", u"&Existencia", u"Espere Ejecutando, Existencia G&&S...");
        row(CommandId::Recepcion, u"&RMA", u"&Recepción", u"Espere Ejecutando, Recepción...");
        row(CommandId::Consulta, u"&RMA", u"&Consulta", u"Espere Ejecutando, Consulta RMA...");
        row(CommandId::Presupuesto, u"&Operaciones", u"&Presupuesto", u"Espere Ejecutando, Presupuestos...");
        row(CommandId::Servicio, u"&Operaciones", u"&Servicio", u"Espere Ejecutando, Servicios...");
        row(CommandId::Citas, u"&Operaciones", u"&Citas", u"Espere Ejecutando, Citas...", u"Citas Programadas ");
        row(CommandId::Tareas, u"&Operaciones", u"&Tareas", u"Espere Ejecutando, Tareas Programadas...",
            u"Tareas Programadas ");
        row(CommandId::InformeRmaPagos, u"&Informes > &RMA", u"RMA x Pagos", report, u"RMA x Pagos", 200);
        row(CommandId::InformeRmaFechas, u"&Informes > &RMA", u"RMA x Fechas", report, u"RMA x Fechas", 205);
        row(CommandId::InformeRmaGeneral, u"&Informes > &RMA", u"Reporte General", report, u"Reporte General", 190);
        row(CommandId::InformeGeneralDocumentos, u"&Informes > &Operaciones", u"&General Documentos", report,
            u"General Documentos", 210);
        row(CommandId::InformeTerceros, u"&Informes > &Operaciones", u"&Terceros", report, u"Terceros", 240);
        row(CommandId::InformeCitasProgramadas, u"&Informes > &Operaciones", u"&Citas Programadas", report,
            u"Citas Programadas", 220);
        row(CommandId::InformeCitasProducto, u"&Informes > &Operaciones", u"Citas x &Producto", report,
            u"Citas x Productos", 225);
        row(CommandId::InformeHistorial, u"&Informes > &Operaciones", u"&Historial", report, u"Historial RMA", 250);
        row(CommandId::InformeTareasProgramadas, u"&Informes > &Operaciones", u"T&areas Programadas", report,
            u"Tareas Programadas", 230);
        row(CommandId::InformeExistencia, u"&Informes > &Inventario G&&S", u"&Existencia", report, u"Existencia", 270);
        row(CommandId::InformeInventarioGeneral, u"&Informes > &Inventario G&&S", u"&Reporte General", report,
            u"Reporte General Inventario", 260);
        row(CommandId::TitulosCorrelativos, u"&Sistema", u"&Titulos y Correlativos",
            u"Espere Ejecutando, Titulos y Correlativos...");
        row(CommandId::ConfigArchivos, u"&Sistema > &Configuración", u"&Archivos",
            u"Espere Ejecutando, Configuración de Archivos...");
        row(CommandId::ConfigFormas, u"&Sistema > &Configuración", u"&Formas",
            u"Espere Ejecutando, Configuración de Formas...");
    }

    void everyItemOpensItsWindowBehindItsWaitText()
    {
        QFETCH(int, idNumber);
        const auto id = static_cast<CommandId>(idNumber);
        QFETCH(QString, path);
        QFETCH(QString, caption);
        QFETCH(QString, wait);
        QFETCH(QString, windowCaption);
        QFETCH(int, helpTopic);

        QCOMPARE(commandDef(id).id, id);
        Tk9MainMenuForm window;
        QAction *action = window.menuAction(id);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(pathOf(action), path);
        QVERIFY(!action->isEnabled()); // no window registered yet

        QString waitSeen;
        test::ShownWindow shown;
        CommandRegistry::instance().setFactory(id, [&](QWidget *parent) {
            waitSeen = test::waitTextOf(parent);
            return new test::FakeWindow(parent, &shown);
        });
        window.updateCommands();
        QVERIFY(action->isEnabled());
        action->trigger();
        QCOMPARE(waitSeen, wait);
        QCOMPARE(shown.count, 1);
        if (!windowCaption.isEmpty())
            QCOMPARE(shown.title, windowCaption);
        QCOMPARE(shown.helpTopic, helpTopic);
        QVERIFY(m_messages.entries().isEmpty());
    }

    void theReportItemsCarryTheirNumbers()
    {
        const QList<QPair<CommandId, int>> numbers{
            {CommandId::InformeRmaPagos, 0},         {CommandId::InformeRmaFechas, 1},
            {CommandId::InformeRmaGeneral, 2},       {CommandId::InformeGeneralDocumentos, 3},
            {CommandId::InformeTerceros, 4},         {CommandId::InformeExistencia, 5},
            {CommandId::InformeCitasProgramadas, 6}, {CommandId::InformeCitasProducto, 7},
            {CommandId::InformeHistorial, 8},        {CommandId::InformeTareasProgramadas, 9},
            {CommandId::InformeInventarioGeneral, 10}};
        for (const auto &[id, number] : numbers) {
            QCOMPARE(commandDef(id).mode, CommandMode::Report);
            QCOMPARE(commandDef(id).reportNumber, number);
        }
        QCOMPARE(commandDef(CommandId::Presupuesto).mode, CommandMode::Budget);
        QCOMPARE(commandDef(CommandId::Servicio).mode, CommandMode::Service);
        QCOMPARE(commandDef(CommandId::Citas).waitHelpTopic, 120);
        QCOMPARE(commandDef(CommandId::Tareas).waitHelpTopic, 150);
    }

    void theMenusAreInTheirOrder()
    {
        Tk9MainMenuForm window;
        auto captions = [&](const QStringList &path) {
            QStringList out;
            for (QAction *a : window.menu(path)->actions()) {
                if (!a->isSeparator())
                    out << a->text();
            }
            return out;
        };
        QCOMPARE(captions({QStringLiteral("&Mantenimiento")}),
                 (QStringList{QStringLiteral("&Inventario G&&S"), QStringLiteral("&Historial"),
                              QStringLiteral("&Existencia"), QStringLiteral("&Salir")}));
        QCOMPARE(captions({QStringLiteral("&Informes")}),
                 (QStringList{QStringLiteral("&RMA"), QStringLiteral("&Operaciones"), QStringLiteral("&Inventario G&&S")}));
        QCOMPARE(captions({QStringLiteral("&Sistema")}),
                 (QStringList{QStringLiteral("A&cerca de ..."), QStringLiteral("&Ayuda"),
                              QStringLiteral("&Titulos y Correlativos"), QStringLiteral("&Configuración")}));
        // The window's own commands need no registered window.
        for (CommandId id : {CommandId::Salir, CommandId::AcercaDe, CommandId::Ayuda})
            QVERIFY(window.menuAction(id)->isEnabled());
    }

    void aCommandWithoutWindowIsDisabledAndDoesNothing()
    {
        Tk9MainMenuForm window;
        for (const CommandDef &def : commandTable()) {
            if (def.kind != CommandKind::Window)
                continue;
            QVERIFY2(!window.menuAction(def.id)->isEnabled(), qPrintable(def.caption));
            if (QAction *tool = window.toolAction(def.id))
                QVERIFY(!tool->isEnabled());
        }
        QVERIFY(!window.runCommand(CommandId::Recepcion));
        QVERIFY(window.findChildren<TEsperaForm *>().isEmpty());
    }

    void theToolBarRunsTheSameCommands()
    {
        Tk9MainMenuForm window;
        QList<CommandId> run;
        for (const CommandDef &def : commandTable()) {
            if (def.kind == CommandKind::Window) {
                const CommandId id = def.id;
                CommandRegistry::instance().setFactory(id, [&run, id](QWidget *parent) {
                    run << id;
                    return new test::FakeWindow(parent, nullptr);
                });
            }
        }
        window.showMenus();
        QStringList captions;
        for (QAction *a : window.toolBar()->actions()) {
            if (!a->isSeparator())
                captions << a->text();
        }
        QCOMPARE(captions, (QStringList{QStringLiteral("Inventario G&&S"), QStringLiteral("RMA"),
                                        QStringLiteral("Presupuesto"), QStringLiteral("Servicio"),
                                        QStringLiteral("Citas"), QStringLiteral("Tareas"), QStringLiteral("Salir")}));
        const QList<CommandId> buttons{CommandId::InventarioGS, CommandId::Recepcion, CommandId::Presupuesto,
                                       CommandId::Servicio,     CommandId::Citas,     CommandId::Tareas};
        for (CommandId id : buttons) {
            QVERIFY(window.toolAction(id)->isEnabled());
            window.toolAction(id)->trigger();
        }
        QCOMPARE(run, buttons);

        QSignalSpy end(&window, &Tk9MainMenuForm::programEndRequested);
        window.toolAction(CommandId::Salir)->trigger();
        QCOMPARE(end.size(), 1);
        QCOMPARE(end.first().first().toInt(), 0);
    }

    void theAdministratorsItemsShowOnlyForCodeOne_data()
    {
        QTest::addColumn<qint64>("code");
        QTest::addColumn<bool>("shown");
        QTest::newRow("administrator") << qint64(1) << true;
        QTest::newRow("code 2") << qint64(2) << false;
        QTest::newRow("nobody yet") << qint64(0) << false;
    }

    void theAdministratorsItemsShowOnlyForCodeOne()
    {
        QFETCH(qint64, code);
        QFETCH(bool, shown);
        session().CodigoUsuario = code;
        Tk9MainMenuForm window;
        QCOMPARE(window.menuAction(CommandId::TitulosCorrelativos)->isVisible(), shown);
        QCOMPARE(window.menu({QStringLiteral("&Sistema"), QStringLiteral("&Configuración")})->menuAction()->isVisible(),
                 shown);
        QVERIFY(window.menuAction(CommandId::AcercaDe)->isVisible());
        QVERIFY(window.menuAction(CommandId::Ayuda)->isVisible());
        QVERIFY(window.menu({QStringLiteral("&Informes"), QStringLiteral("&RMA")})->menuAction()->isVisible());
    }

    void plainCaptionsShowOneAmpersand_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("plain");
        QTest::newRow("mnemonic") << QStringLiteral("&Recepción") << QStringLiteral("Recepción");
        QTest::newRow("doubled") << QStringLiteral("&Inventario G&&S") << QStringLiteral("Inventario G&S");
        QTest::newRow("inside") << QStringLiteral("T&areas Programadas") << QStringLiteral("Tareas Programadas");
        QTest::newRow("trailing") << QStringLiteral("A&") << QStringLiteral("A");
    }

    void plainCaptionsShowOneAmpersand()
    {
        QFETCH(QString, caption);
        QFETCH(QString, plain);
        QCOMPARE(plainCaption(caption), plain);
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
