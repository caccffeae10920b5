// The host-window launcher (the workspace directories come back whatever the window does)
// and the customer window it opens for the reception.
#include "AppFixture.h"
#include "app/Customers.h"
#include "app/HostWindow.h"
#include "app/Tk9ClientesForm.h"
#include "controls/VorelWaitForm.h"
#include "data/Query.h"

#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>

using namespace k9;

namespace {

// The nine directories the launcher keeps, each changed to something else.
void scribbleOverTheWorkspace()
{
    WorkspacePaths &p = paths();
    for (QString *dir : {&p.DirDatos, &p.DirHistoria, &p.DirFormas, &p.DirSistema, &p.DirLocal, &p.DirReportes,
                         &p.DirFormatos, &p.DirRMA, &p.DirHistorialRMA})
        *dir = QStringLiteral("/otra/empresa/");
}

} // namespace

class HostWindowTest : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};
    std::unique_ptr<test::AppWorkspace> m_workspace;
    TVorelWaitForm m_wait; // the start-up wait window

    // The row of SClientes with `code`, as "name|address|phone|rif|nit|status"; empty when none.
    QString customerRow(const QString &code)
    {
        auto db = Database::open(m_workspace->dirs.data, Database::OpenMode::Existing);
        Query q(*db);
        if (!q.run(QStringLiteral("SELECT * FROM SClientes WHERE FC_CODIGO = :code"), {{QStringLiteral(":code"), code}})
            || !q.next())
            return QString();
        QStringList fields;
        for (const char *f : {"FC_DESCRIPCION", "FC_DIRECCION1", "FC_TELEFONO", "FC_RIF", "FC_NIT"})
            fields << q.text(QString::fromLatin1(f));
        fields << QString::number(q.integer(QStringLiteral("FC_STATUS")));
        return fields.join(u'|');
    }

private slots:
    void initTestCase()
    {
        m_workspace = std::make_unique<test::AppWorkspace>();
        setHostWaitForm(&m_wait);
        NewCustomer first{QStringLiteral("C001"), QStringLiteral("Ferretería El Tornillo")};
        QCOMPARE(addCustomer(m_workspace->dirs.data, first), CustomerProblem::None);
    }

    void init() { m_messages.clear(); }

    void theLauncherPutsTheDirectoriesBack_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("messages");
        QTest::newRow("window closed") << QStringLiteral("ok") << true << 0;
        QTest::newRow("window failed") << QStringLiteral("fail") << false << 0;
        QTest::newRow("window threw") << QStringLiteral("throw") << false << 1;
    }

    void theLauncherPutsTheDirectoriesBack()
    {
        QFETCH(QString, body);
        QFETCH(bool, result);
        QFETCH(int, messages);
        const WorkspacePaths before = paths();
        QString waitWhileRunning;
        bool waitVisible = false;
        const bool answered = runHostWindow(QStringLiteral("Proveedores"), [&]() -> bool {
            waitVisible = m_wait.isVisible();
            waitWhileRunning = m_wait.text();
            scribbleOverTheWorkspace();
            if (body == u"throw")
                throw std::runtime_error("K9DLL25 no responde");
            return body == u"ok";
        });
        QCOMPARE(answered, result);
        QVERIFY(waitVisible);
        QCOMPARE(waitWhileRunning, QStringLiteral("Espere cargando, Proveedores ..."));
        QVERIFY(!m_wait.isVisible());
        QCOMPARE(paths().DirDatos, before.DirDatos);
        QCOMPARE(paths().DirHistoria, before.DirHistoria);
        QCOMPARE(paths().DirFormas, before.DirFormas);
        QCOMPARE(paths().DirSistema, before.DirSistema);
        QCOMPARE(paths().DirLocal, before.DirLocal);
        QCOMPARE(paths().DirReportes, before.DirReportes);
        QCOMPARE(paths().DirFormatos, before.DirFormatos);
        QCOMPARE(paths().DirRMA, before.DirRMA);
        QCOMPARE(m_messages.entries().size(), messages);
        if (messages)
            QCOMPARE(m_messages.texts().first(),
                     QStringLiteral("No se pudo abrir la ventana Proveedores: K9DLL25 no responde"));
    }

    void theCustomerChecks_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("message");
        QTest::newRow("no code") << QString() << QStringLiteral("Ana") << int(CustomerProblem::CodeMissing)
                                 << QStringLiteral("Indique el código del cliente.");
        QTest::newRow("blank code") << QStringLiteral("   ") << QStringLiteral("Ana") << int(CustomerProblem::CodeMissing)
                                    << QStringLiteral("Indique el código del cliente.");
        QTest::newRow("code taken") << QStringLiteral("C001") << QStringLiteral("Ana") << int(CustomerProblem::CodeTaken)
                                    << QStringLiteral("Ya existe un cliente con el código C001. Indique otro código.");
        QTest::newRow("code taken, typed otherwise")
            << QStringLiteral(" c001 ") << QStringLiteral("Ana") << int(CustomerProblem::CodeTaken)
            << QStringLiteral("Ya existe un cliente con el código C001. Indique otro código.");
        QTest::newRow("no name") << QStringLiteral("C900") << QStringLiteral("  ") << int(CustomerProblem::NameMissing)
                                 << QStringLiteral("Indique el nombre del cliente.");
    }

    void theCustomerChecks()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(int, problem);
        QFETCH(QString, message);
        QCOMPARE(int(addCustomer(m_workspace->dirs.data, {code, name})), problem);
        QCOMPARE(m_messages.texts(), QStringList{message});
        QCOMPARE(customerRow(QStringLiteral("C001")), QStringLiteral("Ferretería El Tornillo|||||1"));
        QCOMPARE(customerRow(QStringLiteral("C900")), QString());
    }

    void aNewCustomerIsStoredWhole()
    {
        const NewCustomer c{QStringLiteral(" c002"), QStringLiteral("José Pérez "), QStringLiteral("Av. Bolívar 12"),
                            QStringLiteral("0212-5550101"), QStringLiteral("V-12345678-9"), QStringLiteral("123")};
        QCOMPARE(addCustomer(m_workspace->dirs.data, c), CustomerProblem::None);
        QVERIFY(m_messages.entries().isEmpty());
        QCOMPARE(customerRow(QStringLiteral("C002")),
                 QStringLiteral("José Pérez|Av. Bolívar 12|0212-5550101|V-12345678-9|123|1"));
    }

    void aMissingCustomerTableIsTold()
    {
        test::ScratchDir empty;
        QCOMPARE(addCustomer(empty.dir(QStringLiteral("Data")), {QStringLiteral("C1"), QStringLiteral("Ana")}),
                 CustomerProblem::NotSaved);
        QCOMPARE(m_messages.entries().size(), 1);
        QCOMPARE(m_messages.entries().first().kind, MessageKind::Error);
    }

    void theReceptionAddsACustomerThroughTheLauncher()
    {
        const WorkspacePaths before = paths();
        QString waitSeen;
        test::whenModal<Tk9ClientesForm>([&](Tk9ClientesForm *form) {
            waitSeen = m_wait.isVisible() ? m_wait.text() : QStringLiteral("<hidden>");
            QCOMPARE(form->windowTitle(), QStringLiteral("Clientes"));
            QCOMPARE(form->helpTopic(), 25);
            // A taken code keeps the window open on the code.
            form->field(QStringLiteral("ECodigo"))->setText(QStringLiteral("C001"));
            form->field(QStringLiteral("ENombre"))->setText(QStringLiteral("Luisa Díaz"));
            form->aceptar();
            QVERIFY(form->isVisible());
            form->field(QStringLiteral("ECodigo"))->setText(QStringLiteral("C003"));
            form->field(QStringLiteral("ETelefono"))->setText(QStringLiteral("0414-1234567"));
            form->findChild<QPushButton *>(QStringLiteral("BAceptar001"))->click();
        });
        QString code;
        QVERIFY(runCustomerWindow(nullptr, &code));
        QCOMPARE(code, QStringLiteral("C003"));
        QCOMPARE(customerRow(QStringLiteral("C003")), QStringLiteral("Luisa Díaz||0414-1234567|||1"));
        QCOMPARE(m_messages.entries().size(), 1); // the taken code
        // The wait went once the window was up.
        QCOMPARE(waitSeen, QStringLiteral("<hidden>"));
        QCOMPARE(paths().DirDatos, before.DirDatos);

        test::whenModal<Tk9ClientesForm>([](Tk9ClientesForm *form) { form->reject(); });
        QVERIFY(!runCustomerWindow(nullptr, &code));
    }
};

QTEST_MAIN(HostWindowTest)
#include "tst_hostwindow.moc"
