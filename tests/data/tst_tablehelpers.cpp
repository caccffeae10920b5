// Opening tables by directory, blob fields, the integer option, the work groups.
#include "core/Messages.h"
#include "data/Schema.h"
#include "data/TableHelpers.h"
#include "data/Workspace.h"
#include "support/TestWorkspace.h"

#include <QFile>
#include <QtTest>

using namespace k9;

namespace {

const TableDef kConfig{QStringLiteral("k9RMAConfig"),
                       {{QStringLiteral("FC_RMA"), FieldType::Integer},
                        {QStringLiteral("FC_PORCENTPAGO"), FieldType::Money},
                        {QStringLiteral("FC_IMAGEN"), FieldType::Blob}},
                       {},
                       {}};

const TableDef kUsers{QStringLiteral("Susuarios"),
                      {{QStringLiteral("Code"), FieldType::AutoInc},
                       {QStringLiteral("Nombre"), FieldType::String, 40, true}},
                      {},
                      {}};

void writeLatin1(const QString &path, const QString &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text.toLatin1());
}

} // namespace

class TableHelpersTest : public QObject
{
    Q_OBJECT

private:
    ScriptedMessages m_messages;
    std::unique_ptr<MessageSinkGuard> m_guard;
    WorkspacePaths m_savedPaths;

private slots:
    void init()
    {
        m_messages.clear();
        m_guard = std::make_unique<MessageSinkGuard>(&m_messages);
        m_savedPaths = paths();
    }

    void cleanup()
    {
        m_guard.reset();
        paths() = m_savedPaths;
    }

    void aMissingTableIsSkippedSilently()
    {
        test::ScratchDir scratch;
        Table t;
        QVERIFY(!AbrirTabla(t, QStringLiteral("k9RMAConfig"), scratch.dir(QStringLiteral("sinbase"))));
        QVERIFY(!QFile::exists(Database::fileIn(scratch.dir(QStringLiteral("sinbase")))));
        QVERIFY(createTable(*scratch.database(), kUsers));
        QVERIFY(!AbrirTabla(t, QStringLiteral("k9RMAConfig"), scratch.path()));
        QVERIFY(!t.isActive());
        QVERIFY(m_messages.entries().isEmpty());

        QVERIFY(AbrirTabla(t, QStringLiteral("Susuarios"), scratch.path(), false));
        QVERIFY(!t.isActive()); // bound, not opened
        QVERIFY(AbrirTabla(t, QStringLiteral("Susuarios"), scratch.path()));
        QVERIFY(t.isActive());
        QVERIFY(!CrearTabla(scratch.path(), QStringLiteral("NoEsta"))->isActive());
    }

    void blobsAreWrittenAndReadAtTheirSize()
    {
        test::ScratchDir scratch;
        QVERIFY(createTable(*scratch.database(), kConfig));
        Table t;
        QVERIFY(AbrirTabla(t, QStringLiteral("k9RMAConfig"), scratch.path()));

        // An empty blob reads as zeros, without a message.
        t.insert();
        QVERIFY(t.post());
        QByteArray read("garbage");
        QVERIFY(LeerBlob(QStringLiteral("FC_IMAGEN"), 1680, read, QStringLiteral("la forma de pago"), t));
        QCOMPARE(read, QByteArray(1680, '\0'));

        // A short source is padded, a long one cut: exactly `size` bytes are stored.
        QVERIFY(t.edit());
        QVERIFY(GuardarBlob(QStringLiteral("FC_IMAGEN"), 1680, QByteArray(10, 'x'), QStringLiteral("la forma de pago"), t));
        QVERIFY(t.post());
        QCOMPARE(t.blob(QStringLiteral("FC_IMAGEN")).size(), 1680);
        QVERIFY(LeerBlob(QStringLiteral("FC_IMAGEN"), 20, read, QStringLiteral("x"), t));
        QCOMPARE(read, QByteArray(10, 'x') + QByteArray(10, '\0'));
        QVERIFY(t.edit());
        QVERIFY(GuardarBlob(QStringLiteral("FC_IMAGEN"), 4, QByteArray(10, 'y'), QStringLiteral("x"), t));
        QVERIFY(t.post());
        QCOMPARE(t.blob(QStringLiteral("FC_IMAGEN")), QByteArray(4, 'y'));
        QVERIFY(m_messages.entries().isEmpty());

        // Failures carry the caller's tail.
        QVERIFY(t.edit());
        QVERIFY(!GuardarBlob(QStringLiteral("NO_EXISTE"), 4, {}, QStringLiteral("los componentes"), t));
        QCOMPARE(t.state(), Table::State::Edit);
        Table closed;
        QVERIFY(!LeerBlob(QStringLiteral("FC_IMAGEN"), 4, read, QStringLiteral("los contactos"), closed));
        QCOMPARE(read, QByteArray(4, '\0'));
        QCOMPARE(m_messages.texts(), (QStringList{QStringLiteral("No se pudo guardar los componentes"),
                                                  QStringLiteral("Problemas durante la lectura de los contactos")}));
        QCOMPARE(m_messages.entries().first().kind, MessageKind::Error);
    }

    void integerOptionComesFromTheModuleDirectory()
    {
        test::ScratchDir scratch;
        paths().DirRMA = withSlash(scratch.dir(QStringLiteral("Data/RMA")));
        QCOMPARE(LeerOpcionEntera(QStringLiteral("FC_RMA")), 0); // no table yet
        auto db = scratch.database(QStringLiteral("Data/RMA"));
        QVERIFY(createTable(*db, kConfig));
        QVERIFY(db->exec(QStringLiteral("INSERT INTO k9RMAConfig (FC_RMA, FC_PORCENTPAGO) VALUES (?, ?)"),
                         {41, QVariant::fromValue(Money::fromUnits(50))}));
        QCOMPARE(LeerOpcionEntera(QStringLiteral("FC_RMA")), 41);
        // A whole number kept as money reads back as that number.
        QCOMPARE(LeerOpcionEntera(QStringLiteral("FC_PORCENTPAGO")), 50);
    }

    void workGroupsAreReadFromTheFormConfiguration()
    {
        const QStringList lines = {
            QStringLiteral("object Forma"),
            QStringLiteral("  FV_CODIGO"),
            QStringLiteral("  FV_GRUPO"),
            QStringLiteral("  Otro = 1"),
            QStringLiteral("  0123456789ABCDEF9LabelInfo HElementos.Strings = ("),
            QStringLiteral("    Ventas"),
            QStringLiteral("    Servicio Técnico  "),
            QStringLiteral("    Almacén"),
            QStringLiteral("  )"),
            QStringLiteral("  Despues"),
        };
        QCOMPARE(parseWorkGroups(lines), (QStringList{QStringLiteral("Ventas"), QStringLiteral("Servicio Técnico"),
                                                      QStringLiteral("Almacén")}));
        QVERIFY(parseWorkGroups({QStringLiteral("nada")}).isEmpty());

        test::ScratchDir scratch;
        paths().DirDatos = withSlash(scratch.dir(QStringLiteral("Data")));
        paths().DirFormas = withSlash(scratch.dir(QStringLiteral("Formas")));
        auto db = scratch.database(QStringLiteral("Data"));
        QVERIFY(createTable(*db, kUsers));
        QVERIFY(db->exec(QStringLiteral("INSERT INTO Susuarios (Nombre) VALUES ('DEMO'), ('master')")));

        QStringList groups;
        CargarGrupos(groups);
        QVERIFY(groups.isEmpty()); // neither file exists

        writeLatin1(paths().DirFormas + QStringLiteral("FMASTER08.SYS"),
                    QStringLiteral("FV_GRUPO\r\nHElementos\r\nGeneral\r\n)\r\n"));
        CargarGrupos(groups);
        QCOMPARE(groups, QStringList{QStringLiteral("General")});

        // The MASTER user's own file (code 2) wins over the default one.
        writeLatin1(paths().DirFormas + QStringLiteral("SCUSER082.SYS"),
                    QStringLiteral("FV_GRUPO\r\nHElementos\r\nTaller\r\nRecepción\r\n)\r\n"));
        groups.clear();
        CargarGrupos(groups);
        QCOMPARE(groups, (QStringList{QStringLiteral("Taller"), QStringLiteral("Recepción")}));
    }
};

QTEST_GUILESS_MAIN(TableHelpersTest)
#include "tst_tablehelpers.moc"
