// Guardar and Procesar without the window: the checks, the payment, the stored values, the
// numbering under the write lock and the rollbacks that keep the document as typed.
#include "ReceptionSaveFixture.h"

#include "core/BlobImages.h"
#include "reception/StoredReceptions.h"

using namespace k9;
using namespace k9::test;

namespace {

const QString kItemsError = QStringLiteral("Error al introducir los datos en la tabla k9RecepcionDetalle. Transacción cancelada.");
const QString kHeaderError = QStringLiteral("Error al introducir los datos en la tabla k9Recepcion. Transacción cancelada.");

TFormaPago cash(const char *amount)
{
    TFormaPago line;
    line.type = PaymentKind::Efectivo;
    line.code = QStringLiteral("BS");
    line.amount = m(amount);
    line.factor = m("1");
    return line;
}

QList<TCompReg> components(int count)
{
    QList<TCompReg> list;
    for (int k = 0; k < count; ++k)
        list << TCompReg{QStringLiteral("C%1").arg(k), k + 1, QStringLiteral("Componente %1").arg(k), QString(), {}};
    return list;
}

} // namespace

class TestReceptionSave : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};
    DemoWorkspace m_workspace;
    ScriptedPayment m_payment;
    KeptPrints m_prints;

    SaveOutcome run(SaveCommand command, ReceptionDocument &doc)
    {
        ReceptionSave save(m_payment, m_prints);
        return save.run(command, doc, kSalesman);
    }
    qint64 counter() { return LeerOpcionEntera(QStringLiteral("FC_RMA")); }

private slots:
    void init()
    {
        QVERIFY(m_workspace.create());
        m_messages.clear();
        m_messages.defaultAnswer = Answer::Yes;
        m_payment = ScriptedPayment();
        m_prints = KeptPrints();
    }

    void checksStopBeforeAnything_data()
    {
        QTest::addColumn<int>("missing");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("result");
        QTest::newRow("customer") << 0 << "Primero introduzca un cliente." << int(SaveOutcome::Result::Stopped);
        QTest::newRow("contact phone") << 1 << "Faltan datos del contacto por ingresar."
                                       << int(SaveOutcome::Result::NeedsContact);
        QTest::newRow("items") << 2 << "Para poder guardar o procesar el documento introduzca un ítem como mínimo."
                               << int(SaveOutcome::Result::Stopped);
    }
    void checksStopBeforeAnything()
    {
        QFETCH(int, missing);
        ReceptionDocument doc = newDocument(missing == 2 ? QList<TRMAReg>{}
                                                         : QList<TRMAReg>{receivedItem(QStringLiteral("EQ-0001"), QStringLiteral("T-1"))});
        if (missing == 0)
            doc.clearCustomer();
        if (missing == 1)
            doc.setContact(QStringLiteral("Ramón"), QString());
        const QStringList before = dumpSaveTables();
        const SaveOutcome outcome = run(SaveCommand::Procesar, doc);
        QFETCH(int, result);
        QCOMPARE(int(outcome.result), result);
        QFETCH(QString, message);
        QCOMPARE(m_messages.texts(), QStringList{message});
        QCOMPARE(dumpSaveTables(), before);
    }

    void processWithNothingToPay()
    {
        ReceptionDocument doc = newDocument({receivedItem(QStringLiteral("EQ-0001"), QStringLiteral("T-1"))});
        const QString shown = doc.nextNumber();
        auto data = m_workspace.data();
        const QStringList cashBefore = dumpTable(*data, QStringLiteral("SCajaMayor1"));

        const SaveOutcome outcome = run(SaveCommand::Procesar, doc);
        QVERIFY(outcome.saved());
        QCOMPARE(outcome.number, shown);
        QVERIFY(m_payment.requests.isEmpty());
        QCOMPARE(dumpTable(*data, QStringLiteral("SCajaMayor1")), cashBefore);
        QCOMPARE(m_prints.documents.size(), 1);
        QCOMPARE(m_prints.documents.first().header.value(0).text(), shown);
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Desea procesar el documento?")});
        QCOMPARE(counter(), shown.toLongLong());
        // Reset for the next document.
        QVERIFY(!doc.hasItems());
        QVERIFY(!doc.hasCustomer());
        QCOMPARE(doc.nextNumber(), nextDocumentNumber(shown.toLongLong()));
    }

    // 100,00 of revision at 9 %, paid with 120,00 in cash.
    void processWithPaymentStoresEveryAmount()
    {
        TRMAReg item = receivedItem(QStringLiteral("EQ-0001"), QStringLiteral("T-1"), "100", "0", 0);
        item.components = components(5);
        item.warrantyExpiry = QDateTime(QDate(2027, 3, 1), QTime(0, 0));
        ReceptionDocument doc = newDocument({item});
        const QString shown = doc.nextNumber();
        m_payment.result = {false, {cash("120")}, m("11")};
        auto rma = m_workspace.rma();
        auto data = m_workspace.data();
        const qint64 correlative = scalar(*data, QStringLiteral("SELECT FMC_CORRELATIVO FROM SCajaMaestro WHERE FMC_CODE = 1")).toLongLong();

        const SaveOutcome outcome = run(SaveCommand::Procesar, doc);
        QVERIFY(outcome.saved());
        QCOMPARE(m_payment.requests.size(), 1);
        QCOMPARE(m_payment.requests.first().due, m("109"));
        QCOMPARE(m_payment.requests.first().caption, QStringLiteral("Total Factura : Bs. "));
        QCOMPARE(outcome.payment.change, m("11"));
        QVERIFY(outcome.changeDue());
        QCOMPARE(outcome.operationTotal, m("109"));

        Query h(*rma);
        QVERIFY(h.run(QStringLiteral("SELECT * FROM k9Recepcion WHERE RMA_CODIGO = :c"), {{QStringLiteral(":c"), shown}}));
        QVERIFY(h.next());
        QCOMPARE(h.money(QStringLiteral("RMA_MONTOBRUTOREV")), m("100"));
        QCOMPARE(h.money(QStringLiteral("RMA_MONTOIVAREV")), m("9"));
        QCOMPARE(h.money(QStringLiteral("RMA_MONTOTOTALREV")), m("109"));
        QCOMPARE(h.integer(QStringLiteral("RMA_STATUSDOC")), qint64(DocStatus::Recibido));
        QCOMPARE(h.integer(QStringLiteral("RMA_NROPRODUCTOS")), qint64(1));
        QCOMPARE(h.text(QStringLiteral("RMA_VENDEDOR")), QStringLiteral("V002"));
        QVERIFY(h.text(QStringLiteral("RMA_LOG")).startsWith(QStringLiteral("***** Fecha creación del LOG : ")));
        QVERIFY(h.text(QStringLiteral("RMA_LOG")).contains(QStringLiteral(" *****\r\n\r\n- RMA RECIBIDO : Fecha ")));
        const QList<PaymentSlot> stored = decodePaymentSlots(h.blob(QStringLiteral("RMA_FORMAPAGO")));
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.first().amount, m("109"));
        const qint64 headerKey = h.integer(QStringLiteral("RMA_AUTOINC"));

        Query i(*rma);
        QVERIFY(i.run(QStringLiteral("SELECT * FROM k9DetalleRecepcion WHERE RMD_AUTOINCRMA = :k"), {{QStringLiteral(":k"), headerKey}}));
        QVERIFY(i.next());
        QCOMPARE(i.text(QStringLiteral("RMD_CODIGORMA")), shown);
        QCOMPARE(i.integer(QStringLiteral("RMD_STATUS")), qint64(DocStatus::Recibido));
        QCOMPARE(i.integer(QStringLiteral("RMD_CANTIDAD")), qint64(1)); // typed 0
        QCOMPARE(i.money(QStringLiteral("RMD_TOTALREV")), m("109"));
        QCOMPARE(i.date(QStringLiteral("RMD_FECHAVEN")), QDate(2027, 3, 1));
        QCOMPARE(i.blob(QStringLiteral("RMD_COMPONENTES")).size(), kComponentImageSize);
        QCOMPARE(decodeComponents(i.blob(QStringLiteral("RMD_COMPONENTES"))), components(5));
        QVERIFY(!i.next());

        Query c(*data);
        QVERIFY(c.run(QStringLiteral("SELECT * FROM SCajaMayor1 ORDER BY FC_AUTOINCREMENT DESC LIMIT 1")));
        QVERIFY(c.next());
        QCOMPARE(c.money(QStringLiteral("FC_MONTOEFECTIVO")), m("109"));
        QCOMPARE(c.money(QStringLiteral("FC_MONTOTOTAL")), m("109"));
        QCOMPARE(c.text(QStringLiteral("FC_DOCUMENTO")), QStringLiteral("%1").arg(correlative, 8, 10, QLatin1Char('0')));
        QCOMPARE(c.text(QStringLiteral("FC_MEMO")),
                 QStringLiteral("Nro. RMA ") + shown + QStringLiteral(" A Nombre de : Inversiones El Ávila, C.A."));
        QCOMPARE(scalar(*data, QStringLiteral("SELECT FMC_CORRELATIVO FROM SCajaMaestro WHERE FMC_CODE = 1")).toLongLong(),
                 correlative + 1);

        const PrintDocument &printed = m_prints.documents.first();
        QCOMPARE(printed.kind, int(KindRecepcion));
        QCOMPARE(printed.header.value(6).amount(), m("100"));
        QCOMPARE(printed.header.value(9).amount(), m("109"));
        QCOMPARE(printed.header.value(10).amount(), m("109"));
        QCOMPARE(printed.header.value(3).text(), QStringLiteral("J-30123456-7"));
        QCOMPARE(printed.items.first().value(7).amount(), m("100"));
        QCOMPARE(printed.items.first().value(3).amount(), m("1"));
        QCOMPARE(printed.items.first().value(4).text(), QStringLiteral("Servicio"));
        QCOMPARE(printed.items.first().value(5).text(), QStringLiteral("Reparación"));
        QVERIFY(!printed.items.first().value(2).text().isEmpty()); // FI_DESCRIPCION of EQ-0001
    }

    void cancelledPaymentKeepsEverything()
    {
        ReceptionDocument doc = newDocument({receivedItem(QStringLiteral("EQ-0001"), QStringLiteral("T-1"), "10")});
        const QList<TRMAReg> items = doc.items();
        const QStringList before = dumpSaveTables();
        m_payment.result.cancelled = true;
        QCOMPARE(run(SaveCommand::Procesar, doc).result, SaveOutcome::Result::Cancelled);
        QCOMPARE(dumpSaveTables(), before);
        QCOMPARE(doc.items(), items);
    }

    void duplicateSerialIsAsked_data()
    {
        QTest::addColumn<bool>("goOn");
        QTest::newRow("continue") << true;
        QTest::newRow("stop") << false;
    }
    void duplicateSerialIsAsked()
    {
        QFETCH(bool, goOn);
        auto rma = m_workspace.rma();
        // An open item of a stored document (the demo's first reception).
        Query open(*rma);
        QVERIFY(open.run(QStringLiteral("SELECT RMD_CODPRODUCTO, RMD_SERIAL, RMD_CODIGORMA FROM k9DetalleRecepcion"
                                        " WHERE RMD_STATUS = 2 AND RMD_FROMK9 = 1 ORDER BY RMD_CODIGO LIMIT 1")));
        QVERIFY(open.next());
        const QString serial = open.text(QStringLiteral("RMD_SERIAL"));
        const QString product = open.text(QStringLiteral("RMD_CODPRODUCTO"));
        const QString otherDocument = open.text(QStringLiteral("RMD_CODIGORMA"));
        open.finish();
        ReceptionDocument doc = newDocument({receivedItem(product, serial)});
        const QString description = doc.items().first().description;
        const QStringList before = dumpSaveTables();
        m_messages.queueAnswers({goOn ? Answer::Yes : Answer::No});

        const SaveOutcome outcome = run(SaveCommand::Guardar, doc);
        QCOMPARE(m_messages.texts().first(),
                 QStringLiteral("El producto \"") + description + QStringLiteral("\" con el serial [") + serial
                     + QStringLiteral("] ya \r\nse encuentra en el sistema, Doc. [")
                     + otherDocument + QStringLiteral("]. Desea continuar?"));
        QCOMPARE(outcome.saved(), goOn);
        if (!goOn)
            QCOMPARE(dumpSaveTables(), before);
    }

    void guardarThenCargarThenProcesar()
    {
        TRMAReg kept = receivedItem(QStringLiteral("EQ-0001"), QStringLiteral("T-1"), "10");
        TRMAReg removed = receivedItem(QStringLiteral("EQ-0002"), QStringLiteral("T-2"));
        ReceptionDocument doc = newDocument({kept, removed});
        const qint64 counterBefore = counter();
        QVERIFY(run(SaveCommand::Guardar, doc).saved());
        QCOMPARE(counter(), counterBefore);
        QVERIFY(m_prints.documents.isEmpty());
        auto rma = m_workspace.rma();
        const qint64 key = scalar(*rma, QStringLiteral("SELECT MAX(RMA_AUTOINC) FROM k9Recepcion")).toLongLong();
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT RMA_CODIGO FROM k9Recepcion WHERE RMA_AUTOINC = :k"), {{QStringLiteral(":k"), key}}).toString(),
                 QString(kPendingDocumentCode));
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9DetalleRecepcion WHERE RMD_AUTOINCRMA = :k AND RMD_STATUS = 1"
                                             " AND RMD_CODIGORMA = 'PENDIENTE'"),
                        {{QStringLiteral(":k"), key}}).toInt(),
                 2);

        StoredReceptions stored;
        ReceptionDocument loaded;
        loaded.reset(nextDocumentNumber(counter()));
        QVERIFY(stored.load(QString::number(key), loaded, {}));
        QCOMPARE(loaded.items().size(), 2);
        const QString keptKey = loaded.items().at(0).itemKey;
        m_messages.queueAnswers({Answer::Yes});
        QVERIFY(loaded.deleteItem(1));
        QCOMPARE(loaded.insertItem(receivedItem(QStringLiteral("EQ-0003"), QStringLiteral("T-3"))),
                 ReceptionDocument::InsertResult::Added);
        m_payment.result = {false, {cash("10.9")}, Money()};

        const SaveOutcome outcome = run(SaveCommand::Procesar, loaded);
        QVERIFY(outcome.saved());
        QCOMPARE(outcome.number, nextDocumentNumber(counterBefore));
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT RMA_CODIGO FROM k9Recepcion WHERE RMA_AUTOINC = :k"), {{QStringLiteral(":k"), key}}).toString(),
                 outcome.number);
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT COUNT(*) FROM k9Recepcion")).toInt(),
                 scalar(*rma, QStringLiteral("SELECT COUNT(DISTINCT RMA_AUTOINC) FROM k9Recepcion")).toInt());
        Query items(*rma);
        QVERIFY(items.run(QStringLiteral("SELECT RMD_CODIGO, RMD_CODPRODUCTO, RMD_CODIGORMA, RMD_STATUS FROM k9DetalleRecepcion"
                                         " WHERE RMD_AUTOINCRMA = :k ORDER BY RMD_CODIGO"),
                          {{QStringLiteral(":k"), key}}));
        QStringList rows;
        while (items.next())
            rows << items.text(QStringLiteral("RMD_CODPRODUCTO")) + u'|' + items.text(QStringLiteral("RMD_CODIGORMA")) + u'|'
                        + items.text(QStringLiteral("RMD_STATUS"));
        QCOMPARE(rows, (QStringList{QStringLiteral("EQ-0001|") + outcome.number + QStringLiteral("|2"),
                                    QStringLiteral("EQ-0003|") + outcome.number + QStringLiteral("|2")}));
        QCOMPARE(scalar(*rma, QStringLiteral("SELECT MIN(RMD_CODIGO) FROM k9DetalleRecepcion WHERE RMD_AUTOINCRMA = :k"),
                        {{QStringLiteral(":k"), key}}).toString(),
                 keptKey);
        const QString log = scalar(*rma, QStringLiteral("SELECT RMA_LOG FROM k9Recepcion WHERE RMA_AUTOINC = :k"), {{QStringLiteral(":k"), key}}).toString();
        QVERIFY(log.indexOf(QStringLiteral("- RMA GUARDADO")) < log.indexOf(QStringLiteral("- RMA RECIBIDO")));
    }

    // A failure in the middle rolls back both directories and leaves the document as typed.
    void failureRollsBackEverything_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<bool>("lockHeld");
        QTest::addColumn<QString>("message");
        QTest::newRow("items step") << "CREATE TRIGGER fail_items BEFORE INSERT ON k9DetalleRecepcion BEGIN SELECT RAISE(ABORT, 'falla'); END"
                                    << false << kItemsError;
        QTest::newRow("header step") << "CREATE TRIGGER fail_header BEFORE INSERT ON k9Recepcion BEGIN SELECT RAISE(ABORT, 'falla'); END"
                                     << false << kHeaderError;
        QTest::newRow("write lock held elsewhere") << QString() << true << kHeaderError;
    }
    void failureRollsBackEverything()
    {
        QFETCH(QString, trigger);
        QFETCH(bool, lockHeld);
        auto rma = m_workspace.rma();
        if (!trigger.isEmpty())
            QVERIFY(rma->exec(trigger));
        ReceptionDocument doc = newDocument({receivedItem(QStringLiteral("EQ-0001"), QStringLiteral("T-1"), "100")});
        const QList<TRMAReg> items = doc.items();
        const QString shown = doc.nextNumber();
        const QStringList before = dumpSaveTables();
        m_payment.result = {false, {cash("109")}, Money()};
        if (lockHeld)
            QVERIFY(rma->exec(QStringLiteral("BEGIN IMMEDIATE")));

        const SaveOutcome outcome = run(SaveCommand::Procesar, doc);
        if (lockHeld)
            QVERIFY(rma->exec(QStringLiteral("ROLLBACK")));
        QCOMPARE(outcome.result, SaveOutcome::Result::Failed);
        QFETCH(QString, message);
        QVERIFY2(m_messages.texts().last().startsWith(message), qPrintable(m_messages.texts().last()));
        QCOMPARE(dumpSaveTables(), before);
        QCOMPARE(doc.items(), items);
        QCOMPARE(doc.customer().code, QStringLiteral("C0000001"));
        QCOMPARE(doc.nextNumber(), shown);
        QVERIFY(m_prints.documents.isEmpty());
    }

    // An error posting to petty cash: No rolls back everything; Yes undoes only the
    // petty-cash part and stores the document.
    void pettyCashErrorAsks_data()
    {
        QTest::addColumn<bool>("goOn");
        QTest::newRow("continue without petty cash") << true;
        QTest::newRow("cancel") << false;
    }
    void pettyCashErrorAsks()
    {
        QFETCH(bool, goOn);
        auto data = m_workspace.data();
        QVERIFY(data->exec(QStringLiteral("CREATE TRIGGER fail_cash BEFORE INSERT ON SCajaMayor1 BEGIN SELECT RAISE(ABORT, 'falla'); END")));
        ReceptionDocument doc = newDocument({receivedItem(QStringLiteral("EQ-0001"), QStringLiteral("T-1"), "100")});
        const qint64 counterBefore = counter();
        const QStringList before = dumpSaveTables();
        const QStringList cashBefore = dumpTable(*data, QStringLiteral("SCajaMayor1")) + dumpTable(*data, QStringLiteral("SCajaMaestro"));
        m_payment.result = {false, {cash("109")}, Money()};
        m_messages.queueAnswers({Answer::Yes, goOn ? Answer::Yes : Answer::No});

        const SaveOutcome outcome = run(SaveCommand::Procesar, doc);
        QVERIFY(m_messages.texts().contains(QStringLiteral("Error al incluir el pago a Caja Chica, verifique la configuración de la caja "
                                                           "chica. Desea continuar sin cancelar la transacción?")));
        QCOMPARE(outcome.saved(), goOn);
        QCOMPARE(dumpTable(*data, QStringLiteral("SCajaMayor1")) + dumpTable(*data, QStringLiteral("SCajaMaestro")), cashBefore);
        if (goOn) {
            QCOMPARE(counter(), counterBefore + 1);
            QCOMPARE(scalar(*m_workspace.rma(), QStringLiteral("SELECT COUNT(*) FROM k9Recepcion WHERE RMA_CODIGO = :c"),
                            {{QStringLiteral(":c"), outcome.number}}).toInt(),
                     1);
        } else {
            QCOMPARE(dumpSaveTables(), before);
            QVERIFY(doc.hasItems());
        }
    }

    void pettyCashConfigurationStopsBeforePayment_data()
    {
        QTest::addColumn<qint64>("box");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such box") << qint64(99)
                                     << "No se encontró una caja chica asociada al módulo, verifique en la configuración la caja chica asignada.";
        QTest::newRow("box without its table") << qint64(2) << "La Tabla \"SCajaMayor2\" no se encontró en la ruta, verifique la ruta \"%1\" de la tabla.";
    }
    void pettyCashConfigurationStopsBeforePayment()
    {
        QFETCH(qint64, box);
        QFETCH(QString, message);
        auto data = m_workspace.data();
        if (data->hasTable(QStringLiteral("SCajaMayor2")))
            QVERIFY(data->exec(QStringLiteral("DROP TABLE SCajaMayor2")));
        options().FC_CODECAJACHICA = box;
        ReceptionDocument doc = newDocument({receivedItem(QStringLiteral("EQ-0001"), QStringLiteral("T-1"), "100")});
        const QStringList before = dumpSaveTables();
        const SaveOutcome outcome = run(SaveCommand::Procesar, doc);
        QVERIFY(!outcome.saved());
        QVERIFY(m_payment.requests.isEmpty());
        QCOMPARE(m_messages.texts().last(), message.contains(u'%') ? message.arg(withSlash(paths().DirDatos)) : message);
        QCOMPARE(dumpSaveTables(), before);
        QVERIFY(doc.hasItems());
    }

    // Two workstations showing the same number: the second to save gets the next free one
    // and is told which.
    void racingSaversGetDifferentNumbers()
    {
        ReceptionDocument first = newDocument({receivedItem(QStringLiteral("EQ-0001"), QStringLiteral("T-1"))});
        ReceptionDocument second = newDocument({receivedItem(QStringLiteral("EQ-0002"), QStringLiteral("T-2"))});
        const QString shown = first.nextNumber();
        QCOMPARE(second.nextNumber(), shown);

        const SaveOutcome a = run(SaveCommand::Procesar, first);
        m_messages.clear();
        const SaveOutcome b = run(SaveCommand::Procesar, second);
        QVERIFY(a.saved() && b.saved());
        QCOMPARE(a.number, shown);
        QCOMPARE(b.number, nextDocumentNumber(shown.toLongLong()));
        QVERIFY(b.renumbered);
        QVERIFY(m_messages.texts().contains(QStringLiteral("El Nro. de documento [") + shown
                                            + QStringLiteral("] fue utilizado por otra estación. El documento se guardó con el Nro. [")
                                            + b.number + QStringLiteral("].")));
        QCOMPARE(counter(), b.number.toLongLong());
        QCOMPARE(second.nextNumber(), nextDocumentNumber(b.number.toLongLong()));
    }
};

QTEST_MAIN(TestReceptionSave)
#include "tst_receptionsave.moc"
