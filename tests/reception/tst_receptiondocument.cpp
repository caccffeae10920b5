// The reception document without its window: totals, the item rules and their messages.
#include "core/CodeLists.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "reception/ReceptionDocument.h"

#include <QtTest>

using namespace k9;

namespace {

Money m(const char *text)
{
    return Money::parse(QString::fromLatin1(text)).value();
}

TRMAReg item(const char *code, const char *serial, bool fromHost = true, const char *revision = "0",
             const char *advance = "0", int quantity = 1)
{
    TRMAReg i;
    i.productCode = QString::fromLatin1(code);
    i.serial = QString::fromLatin1(serial);
    i.fromHost = fromHost;
    i.revisionAmount = m(revision);
    i.advance = m(advance);
    i.quantity = quantity;
    return i;
}

} // namespace

class TestReceptionDocument : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};
    ReceptionDocument m_doc;

    void withCustomer()
    {
        m_doc.setCustomer({QStringLiteral("C0000001"), QStringLiteral("Inversiones El Ávila, C.A."),
                           QStringLiteral("Caracas"), QStringLiteral("0212-5550101")},
                          true);
    }

private slots:
    void init()
    {
        m_messages.clear();
        m_messages.defaultAnswer = Answer::Yes;
        m_doc.reset(QStringLiteral("00000124"));
        options() = ModuleOptions();
    }

    void totals_data()
    {
        QTest::addColumn<QList<TRMAReg>>("items");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("tax");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("products");

        QTest::newRow("one item at 9 %") << QList<TRMAReg>{item("A", "1", true, "100", "50")} << "9" << "9"
                                         << "159" << 1;
        QTest::newRow("quantities and a stored 0 counting as 1")
            << QList<TRMAReg>{item("A", "1", true, "10", "0", 3), item("B", "2", true, "20", "5", 0)} << "16"
            << "4.8" << "39.8" << 4;
        // 33.33 × 16.5 % = 5.49945: kept to 4 decimals, halves to even, once.
        QTest::newRow("tax rounded once to 4 decimals")
            << QList<TRMAReg>{item("A", "1", true, "33.33")} << "16.5" << "5.4994" << "38.8294" << 1;
        QTest::newRow("no items") << QList<TRMAReg>{} << "16" << "0" << "0" << 0;
    }
    void totals()
    {
        QFETCH(QList<TRMAReg>, items);
        QFETCH(QString, rate);
        const ReceptionTotals t = receptionTotals(items, Money::parse(rate).value());
        QFETCH(QString, tax);
        QFETCH(QString, operation);
        QFETCH(int, products);
        QCOMPARE(t.tax, Money::parse(tax).value());
        QCOMPARE(t.operation, Money::parse(operation).value());
        QCOMPARE(t.products, products);
    }

    void theSameProductAndSerialFromTheSameInventoryIsRefused_data()
    {
        QTest::addColumn<TRMAReg>("second");
        QTest::addColumn<bool>("added");
        QTest::newRow("same product, serial and inventory") << item("EQ-0001", "SN-1") << false;
        QTest::newRow("another serial") << item("EQ-0001", "SN-2") << true;
        QTest::newRow("the service inventory's product of that code") << item("EQ-0001", "SN-1", false) << true;
        QTest::newRow("another product") << item("EQ-0002", "SN-1") << true;
    }
    void theSameProductAndSerialFromTheSameInventoryIsRefused()
    {
        QFETCH(TRMAReg, second);
        QFETCH(bool, added);
        withCustomer();
        QCOMPARE(m_doc.insertItem(item("EQ-0001", "SN-1", true, "10")), ReceptionDocument::InsertResult::Added);
        const auto result = m_doc.insertItem(second);
        QCOMPARE(result == ReceptionDocument::InsertResult::Added, added);
        QCOMPARE(m_doc.items().size(), added ? 2 : 1);
        QCOMPARE(m_messages.texts(), added ? QStringList() : QStringList{QStringLiteral("Producto ya introducido.")});
        if (!added)
            QCOMPARE(m_messages.entries().first().kind, MessageKind::Information);
        else
            QCOMPARE(m_doc.items().last().lineNumber, 2);
    }

    void itemsOfALoadedDocumentTakeItsCode()
    {
        m_doc.setLoaded(QStringLiteral("7"), QString(kPendingDocumentCode));
        TRMAReg stored = item("A", "1");
        stored.warrantyMonths = 6;
        m_doc.insertItem(stored);
        QCOMPARE(m_doc.items().first().receptionNumber, QString(kPendingDocumentCode));
        QCOMPARE(m_doc.items().first().warrantyMonths, 0);
    }

    void removingAsksAndRenumbers()
    {
        withCustomer();
        for (const char *code : {"A", "B", "C"})
            m_doc.insertItem(item(code, "S/N", true, "10"));

        QVERIFY(!m_doc.deleteItem(-1));
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Seleccione un ítem para borrar.")});

        m_messages.clear();
        m_messages.queueAnswers({Answer::No});
        QVERIFY(!m_doc.deleteItem(0));
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Desea Eliminar el ítem seleccionado?")});
        QCOMPARE(m_messages.entries().first().buttons, MessageButtons::YesNo);
        QCOMPARE(m_doc.items().size(), 3);

        QVERIFY(m_doc.deleteItem(0));
        QCOMPARE(m_doc.items().size(), 2);
        QCOMPARE(m_doc.items().at(0).productCode, QStringLiteral("B"));
        QCOMPARE(m_doc.items().at(0).lineNumber, 1);
        QCOMPARE(m_doc.items().at(1).lineNumber, 2);
        QCOMPARE(m_doc.totals(Money()).revision, m("20"));
        QVERIFY(m_doc.deletedKeys().isEmpty()); // a new document has nothing stored to delete
    }

    void removingTheLastItemLeavesNone()
    {
        withCustomer();
        m_doc.insertItem(item("A", "1", true, "10", "5", 2));
        QVERIFY(m_doc.deleteItem(0));
        QVERIFY(!m_doc.hasItems());
        const ReceptionTotals t = m_doc.totals(m("16"));
        QCOMPARE(t.products, 0);
        QCOMPARE(t.operation, Money());
    }

    void removedItemsOfALoadedDocumentAreRemembered()
    {
        m_doc.setLoaded(QStringLiteral("7"), QString(kPendingDocumentCode));
        TRMAReg stored = item("A", "1");
        stored.itemKey = QStringLiteral("41");
        m_doc.insertItem(stored);
        m_doc.insertItem(item("B", "1")); // added in this window: no key yet
        QVERIFY(m_doc.deleteItem(1));
        QVERIFY(m_doc.deleteItem(0));
        QCOMPARE(m_doc.deletedKeys(), QStringList{QStringLiteral("41")});
    }

    void editingKeepsThePlaceOfTheItem()
    {
        TRMAReg first = item("A", "1", true, "10", "0", 1);
        m_doc.insertItem(first);
        m_doc.insertItem(item("B", "2", true, "10"));
        TRMAReg edited = m_doc.items().at(1);
        edited.lineNumber = 9;
        edited.revisionAmount = m("25.50");
        edited.quantity = 3;
        edited.warrantyMonths = 12;
        m_doc.replaceItem(1, edited);
        QCOMPARE(m_doc.items().at(1).lineNumber, 2);
        QCOMPARE(m_doc.items().at(1).warrantyMonths, 0);
        const ReceptionTotals t = m_doc.totals(Money());
        QCOMPARE(t.revision, m("35.50"));
        QCOMPARE(t.products, 4);
    }

    void itemCommandsNeedACustomerAProductAndASelection()
    {
        QVERIFY(!m_doc.requireCustomer());
        QCOMPARE(m_messages.entries().last().kind, MessageKind::Warning);
        withCustomer();
        QVERIFY(m_doc.requireCustomer());
        QVERIFY(!m_doc.requireProduct());
        QVERIFY(!m_doc.requireSelection(-1, ItemCommand::Detalle));
        QVERIFY(!m_doc.requireSelection(0, ItemCommand::Modificar));
        QCOMPARE(m_messages.texts(), (QStringList{QStringLiteral("Primero introduzca un cliente."),
                                                  QStringLiteral("Seleccione primero un producto."),
                                                  QStringLiteral("Seleccione un ítem para detallar."),
                                                  QStringLiteral("Seleccione un ítem para modificar.")}));
    }

    void aNewItemStartsFromTheProductAndTheOptions()
    {
        options().FC_MTOREVISION = m("50");
        withCustomer();
        m_doc.setProduct({QStringLiteral("EQ-0001"), QStringLiteral("Equipo"), QStringLiteral("EQ"),
                          QStringLiteral("Portátiles"), QStringLiteral("Marca"), QStringLiteral("M1"), true});
        m_doc.setInvoiceReference(QStringLiteral("00010001"));
        m_doc.setPreviousReception(QStringLiteral("00000007"));
        const QDate today(2026, 3, 14);
        const TRMAReg i = m_doc.newItem(QStringLiteral("Equipos"), QStringLiteral("V002"),
                                        QStringLiteral("Carmen Villalobos"), today);
        QCOMPARE(i.productCode, QStringLiteral("EQ-0001"));
        QCOMPARE(i.serial, QStringLiteral("S/N")); // no serial chosen
        QCOMPARE(i.category, QStringLiteral("Equipos"));
        QCOMPARE(i.subcategory, QStringLiteral("Portátiles"));
        QCOMPARE(i.revisionAmount, m("50"));
        QCOMPARE(i.advance, Money());
        QCOMPARE(i.receivedAs, int(ReceivedAs::Servicio));
        QCOMPARE(i.priority, int(ItemPriority::Media));
        QCOMPARE(i.reason, int(Reason::Servicio));
        QCOMPARE(i.quantity, 1);
        QCOMPARE(i.invoice, QStringLiteral("00010001"));
        QCOMPARE(i.previousReception, QStringLiteral("00000007"));
        QCOMPARE(i.receptionDate.date(), today);
        QCOMPARE(i.receiverCode, QStringLiteral("V002"));
        QVERIFY(i.fromHost);

        m_doc.setSerial(QStringLiteral("SN-77"));
        QCOMPARE(m_doc.newItem(QString(), QString(), QString(), today).serial, QStringLiteral("SN-77"));
    }

    void cancellingAndClosingAskOnlyWhenThereIsSomethingToLose()
    {
        QVERIFY(m_doc.confirmCancel());
        QVERIFY(m_doc.confirmClose());
        QVERIFY(m_messages.entries().isEmpty());

        withCustomer();
        m_messages.queueAnswers({Answer::No});
        QVERIFY(!m_doc.confirmClose());
        QVERIFY(m_doc.confirmCancel()); // no items yet
        m_doc.insertItem(item("A", "1"));
        m_messages.queueAnswers({Answer::No});
        QVERIFY(!m_doc.confirmCancel());
        QCOMPARE(m_messages.texts(), (QStringList{QStringLiteral("Desea cancelar y cerrar el modulo de recepción?"),
                                                  QStringLiteral("Desea cancelar la recepción?")}));
    }

    void aNewDocumentForgetsEverything()
    {
        withCustomer();
        m_doc.insertItem(item("A", "1", true, "10"));
        m_doc.setInvoiceReference(QStringLiteral("X"));
        m_doc.reset(QStringLiteral("00000125"));
        QVERIFY(!m_doc.hasCustomer());
        QVERIFY(!m_doc.hasItems());
        QVERIFY(m_doc.isNew());
        QVERIFY(m_doc.invoiceReference().isEmpty());
        QVERIFY(m_doc.contactName().isEmpty());
        QCOMPARE(m_doc.nextNumber(), QStringLiteral("00000125"));
    }
};

QTEST_GUILESS_MAIN(TestReceptionDocument)
#include "tst_receptiondocument.moc"
