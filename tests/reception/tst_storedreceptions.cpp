// Cargar, Reimpresión and Anular RMA on the stored receptions of the demo company.
#include "ReceptionSaveFixture.h"

#include "core/BlobImages.h"
#include "reception/StoredReceptions.h"

using namespace k9;
using namespace k9::test;

namespace {

struct StoredDoc
{
    QString key;
    QString code;
};

// The first stored reception in a status (the demo has one of each kind used here).
StoredDoc storedIn(Database &db, int status)
{
    Query q(db);
    if (!q.run(QStringLiteral("SELECT RMA_AUTOINC, RMA_CODIGO FROM k9Recepcion WHERE RMA_STATUSDOC = :s ORDER BY RMA_AUTOINC LIMIT 1"),
               {{QStringLiteral(":s"), status}})
        || !q.next())
        return {};
    return {QString::number(q.integer(QStringLiteral("RMA_AUTOINC"))), q.text(QStringLiteral("RMA_CODIGO"))};
}

QStringList codesUnder(Database &db, const ReceptionFilter &filter)
{
    QSqlQuery q(db.handle());
    q.prepare(QStringLiteral("SELECT RMA_CODIGO, RMA_STATUSDOC FROM k9Recepcion WHERE ") + filter.sql);
    for (const QVariant &v : filter.values)
        q.addBindValue(v);
    QStringList out;
    if (!q.exec())
        return {QStringLiteral("error")};
    while (q.next())
        out << q.value(0).toString() + u'/' + q.value(1).toString();
    return out;
}

} // namespace

class TestStoredReceptions : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};
    DemoWorkspace m_workspace;

private slots:
    void init()
    {
        QVERIFY(m_workspace.create());
        m_messages.clear();
        m_messages.defaultAnswer = Answer::Yes;
    }

    void filtersOfferTheRightDocuments()
    {
        auto rma = m_workspace.rma();
        // A processed header that kept the code "PENDIENTE" is never offered for reprint.
        QVERIFY(rma->exec(QStringLiteral("INSERT INTO k9Recepcion (RMA_CODIGO, RMA_STATUSDOC) VALUES ('PENDIENTE', 2)")));
        QVERIFY(!codesUnder(*rma, pendingReceptionsFilter()).isEmpty());
        for (const QString &row : codesUnder(*rma, pendingReceptionsFilter()))
            QVERIFY2(row.endsWith(QStringLiteral("/1")), qPrintable(row));
        const QStringList reprintable = codesUnder(*rma, reprintableReceptionsFilter());
        QVERIFY(!reprintable.isEmpty());
        for (const QString &row : reprintable)
            QVERIFY2(!row.endsWith(QStringLiteral("/1")) && !row.startsWith(QStringLiteral("PENDIENTE")), qPrintable(row));
        for (const QString &row : codesUnder(*rma, voidableReceptionsFilter()))
            QVERIFY2(QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}).contains(row.section(u'/', 1)),
                     qPrintable(row));
    }

    void cargarTakesThePendingDocument()
    {
        auto rma = m_workspace.rma();
        const StoredDoc pending = storedIn(*rma, DocStatus::Pendiente);
        QVERIFY(!pending.key.isEmpty());
        ReceptionDocument doc;
        doc.reset(QStringLiteral("00000099"));
        const auto loaded = StoredReceptions().load(pending.key, doc, {});
        QVERIFY(loaded);
        QVERIFY(!doc.isNew());
        QCOMPARE(doc.loadedKey(), pending.key);
        QCOMPARE(doc.loadedCode(), QString(kPendingDocumentCode));
        QCOMPARE(doc.nextNumber(), QStringLiteral("00000099"));
        QCOMPARE(doc.customer().code, QStringLiteral("C0000007"));
        QCOMPARE(doc.contactName(), QStringLiteral("Lcda. Marisela Fuenmayor"));
        QCOMPARE(loaded->salesmanCode, QStringLiteral("V002"));
        QCOMPARE(doc.items().size(), 1);
        const TRMAReg &item = doc.items().first();
        QCOMPARE(item.productCode, QStringLiteral("IM-0003"));
        QCOMPARE(item.receivedAs, int(ReceivedAs::GyS));
        QVERIFY(!item.description.isEmpty());
        QCOMPARE(item.itemKey,
                 scalar(*rma, QStringLiteral("SELECT RMD_CODIGO FROM k9DetalleRecepcion WHERE RMD_AUTOINCRMA = :k"),
                        {{QStringLiteral(":k"), pending.key.toLongLong()}}).toString());
        QCOMPARE(item.lineNumber, 1);
        QVERIFY(m_messages.texts().isEmpty());
    }

    void cargarOfAMissingDocumentKeepsTheWindow()
    {
        ReceptionDocument doc;
        doc.reset(QStringLiteral("00000099"));
        QVERIFY(!StoredReceptions().load(QStringLiteral("999999"), doc, {}));
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Error al cargar documento RMA.")});
        QVERIFY(doc.isNew());
    }

    void reimpresionPrintsTheStoredValues()
    {
        auto rma = m_workspace.rma();
        const StoredDoc processed = storedIn(*rma, DocStatus::Recibido);
        KeptPrints prints;
        QVERIFY(StoredReceptions().reprint(processed.key, prints));
        QCOMPARE(prints.documents.size(), 1);
        QCOMPARE(prints.reprints, QList<bool>{true});
        const PrintDocument &doc = prints.documents.first();
        Query h(*rma);
        QVERIFY(h.run(QStringLiteral("SELECT * FROM k9Recepcion WHERE RMA_AUTOINC = :k"), {{QStringLiteral(":k"), processed.key.toLongLong()}}));
        QVERIFY(h.next());
        QCOMPARE(doc.header.value(0).text(), processed.code);
        QCOMPARE(doc.header.value(1).text(), h.text(QStringLiteral("RMA_CONTACTO")));
        QCOMPARE(doc.header.value(4).text(), h.text(QStringLiteral("RMA_TLFCONTACTO")));
        QCOMPARE(doc.header.value(6).amount(), h.money(QStringLiteral("RMA_MONTOBRUTOREV")));
        QCOMPARE(doc.header.value(9).amount(), h.money(QStringLiteral("RMA_MONTOBRUTOREV")) + h.money(QStringLiteral("RMA_MONTOIVAREV")));
        Money paid;
        for (const PaymentSlot &slot : decodePaymentSlots(h.blob(QStringLiteral("RMA_FORMAPAGO"))))
            paid += slot.amount;
        QVERIFY(paid > Money());
        QCOMPARE(doc.header.value(10).amount(), paid);
        QVERIFY(!doc.header.value(5).text().isEmpty()); // the salesman's name
        h.finish();
        Query i(*rma);
        QVERIFY(i.run(QStringLiteral("SELECT SUM(RMD_TOTALREV) AS t, COUNT(*) AS n FROM k9DetalleRecepcion WHERE RMD_AUTOINCRMA = :k"),
                      {{QStringLiteral(":k"), processed.key.toLongLong()}}));
        QVERIFY(i.next());
        QCOMPARE(doc.items.size(), int(i.integer(QStringLiteral("n"))));
        Money revision;
        for (const auto &row : doc.items)
            revision += row.value(7).amount();
        QCOMPARE(revision, i.money(QStringLiteral("t")));
    }

    void anularMarksEveryItem_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("itemStatus");
        QTest::addColumn<QString>("extraQuestion");
        QTest::newRow("pending") << int(DocStatus::Pendiente) << int(DocStatus::Anulado) << QString();
        QTest::newRow("processed") << int(DocStatus::Recibido) << int(DocStatus::Devuelto) << QString();
        QTest::newRow("budgeted") << int(DocStatus::Presupuestado) << int(DocStatus::Devuelto)
                                  << "\" esta Presupuestado. Desea anular el documento?";
    }
    void anularMarksEveryItem()
    {
        QFETCH(int, status);
        QFETCH(int, itemStatus);
        QFETCH(QString, extraQuestion);
        auto rma = m_workspace.rma();
        const StoredDoc doc = storedIn(*rma, status);
        QVERIFY(!doc.key.isEmpty());
        // Every document voided here gets a second item, so that "every item" is seen.
        QVERIFY(rma->exec(QStringLiteral("INSERT INTO k9DetalleRecepcion (RMD_AUTOINCRMA, RMD_CODIGORMA, RMD_CODPRODUCTO, RMD_SERIAL,"
                                         " RMD_FROMK9, RMD_STATUS) VALUES (?, ?, 'EQ-0009', 'X-9', 1, ?)"),
                          {doc.key.toLongLong(), doc.code, status}));

        QVERIFY(StoredReceptions().voidDocument(doc.key, doc.code));
        QStringList expected{QStringLiteral("Desea anular el documento RMA \"") + doc.code + QStringLiteral("\"?")};
        if (!extraQuestion.isEmpty())
            expected << QStringLiteral("El Doc. RMA \"") + doc.code + extraQuestion;
        expected << QStringLiteral("El documento RMA fue anulado.");
        QCOMPARE(m_messages.texts(), expected);

        const QVariantMap key{{QStringLiteral(":k"), doc.key.toLongLong()}};
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT RMA_STATUSDOC FROM k9Recepcion WHERE RMA_AUTOINC = :k"), key).toInt(), 10);
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT RMA_CODIGO FROM k9Recepcion WHERE RMA_AUTOINC = :k"), key).toString(),
                 status == DocStatus::Pendiente ? QString(kAnnulledDocumentCode) : doc.code);
        QVERIFY(scalar(*rma, QStringLiteral("SELECT RMA_LOG FROM k9Recepcion WHERE RMA_AUTOINC = :k"), key).toString().contains(
            QStringLiteral("\r\n\r\n- RMA ANULADO :Fecha ")));
        QVERIFY(!scalar(*rma, QStringLiteral("SELECT RMA_FECHATERMINO FROM k9Recepcion WHERE RMA_AUTOINC = :k"), key).isNull());
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9DetalleRecepcion WHERE RMD_AUTOINCRMA = :k AND RMD_STATUS <> :s"),
                        {{QStringLiteral(":k"), doc.key.toLongLong()}, {QStringLiteral(":s"), itemStatus}}).toInt(),
                 0);
        if (status == DocStatus::Presupuestado)
            QCOMPARE(scalar(*rma, QStringLiteral("SELECT FRI_STATUS FROM k9RMAOperaciones WHERE FRI_DOCRMA = :c AND FRI_TIPO = 3"),
                            {{QStringLiteral(":c"), doc.code}}).toInt(),
                     int(OperationStatus::Anulado));
    }

    void anularRefusedOrMissingChangesNothing_data()
    {
        QTest::addColumn<bool>("missing");
        QTest::newRow("answered No") << false;
        QTest::newRow("no longer found") << true;
    }
    void anularRefusedOrMissingChangesNothing()
    {
        QFETCH(bool, missing);
        auto rma = m_workspace.rma();
        const StoredDoc doc = storedIn(*rma, DocStatus::Recibido);
        const QStringList before = dumpSaveTables();
        m_messages.defaultAnswer = Answer::No;
        const QString code = missing ? QStringLiteral("NOEXISTE") : doc.code;
        QVERIFY(!StoredReceptions().voidDocument(doc.key, code));
        QCOMPARE(m_messages.texts(),
                 QStringList{missing ? QStringLiteral("El Doc. RMA \"NOEXISTE\" no fue encontrado, verifique la tabla de recepción.")
                                     : QStringLiteral("Desea anular el documento RMA \"") + code + QStringLiteral("\"?")});
        QCOMPARE(dumpSaveTables(), before);
    }
};

QTEST_MAIN(TestStoredReceptions)
#include "tst_storedreceptions.moc"
