// The item detail's rules without its window: the checks of "&Aceptar" and their order, the
// revision of a mode, the days left, the notice hour, the components and the value texts of
// user-defined fields.
#include "core/CodeLists.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Regional.h"
#include "reception/ItemComponents.h"
#include "reception/ItemDetailChecks.h"
#include "reception/UserFields.h"

#include <QtTest>

using namespace k9;

namespace {

Money m(const char *text)
{
    return Money::parse(QString::fromLatin1(text)).value();
}

// An entry that passes every check with every option on.
ItemDetailEntry complete()
{
    ItemDetailEntry e;
    e.revision = m("50");
    e.receivedAs = ReceivedAs::Servicio;
    e.hasReceiver = true;
    e.receptionDate = QDate(2026, 3, 14);
    e.serial = QStringLiteral("SN-1");
    e.condition = QStringLiteral("Rayado");
    e.faults = QStringLiteral("No enciende");
    return e;
}

ModuleOptions allMandatory()
{
    ModuleOptions o;
    o.FC_MTOREVISION = m("50");
    o.FC_CAMPORECIBIDOX = o.FC_CAMPOFECHARECEP = o.FC_CAMPOSERIAL = o.FC_CAMPOCONFISICA = o.FC_CAMPOFALLA = true;
    return o;
}

TCompReg component(const char *code)
{
    TCompReg c;
    c.code = QString::fromLatin1(code);
    c.quantity = 1;
    return c;
}

} // namespace

class TestItemDetailChecks : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};
    TaxDefaults m_tax;

private slots:
    void initTestCase()
    {
        applySeparators(u',', u'.');
        m_tax.SimboloMoneda = QStringLiteral("Bs.");
    }
    void init() { m_messages.clear(); }

    void theFirstFailingCheckSpeaks_data()
    {
        using Change = std::function<void(ItemDetailEntry &, ModuleOptions &)>;
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("message");

        const QString minimum = QStringLiteral("El monto minimo de revisión configurado es 50 Bs..");
        QTest::newRow("all given") << Change([](ItemDetailEntry &, ModuleOptions &) {}) << int(ItemDetailField::None)
                                   << QString();
        QTest::newRow("revision below the minimum")
            << Change([](ItemDetailEntry &e, ModuleOptions &) { e.revision = m("49.99"); })
            << int(ItemDetailField::Revision) << minimum;
        QTest::newRow("the revision is checked before the other fields")
            << Change([](ItemDetailEntry &e, ModuleOptions &) {
                   e.revision = Money();
                   e.serial.clear();
                   e.hasReceiver = false;
               })
            << int(ItemDetailField::Revision) << minimum;
        QTest::newRow("warranty takes no revision")
            << Change([](ItemDetailEntry &e, ModuleOptions &) {
                   e.revision = Money();
                   e.receivedAs = ReceivedAs::Garantia;
               })
            << int(ItemDetailField::None) << QString();
        QTest::newRow("both modes need the minimum")
            << Change([](ItemDetailEntry &e, ModuleOptions &) {
                   e.revision = m("10");
                   e.receivedAs = ReceivedAs::GyS;
               })
            << int(ItemDetailField::Revision) << minimum;
        QTest::newRow("the minimum may be changed")
            << Change([](ItemDetailEntry &e, ModuleOptions &o) {
                   e.revision = m("10");
                   o.FC_CAMBIARMTOREV = true;
               })
            << int(ItemDetailField::None) << QString();
        QTest::newRow("receiver before date")
            << Change([](ItemDetailEntry &e, ModuleOptions &) {
                   e.hasReceiver = false;
                   e.receptionDate = QDate();
               })
            << int(ItemDetailField::Receiver) << QStringLiteral("Falta el campo recibido por.");
        QTest::newRow("date") << Change([](ItemDetailEntry &e, ModuleOptions &) { e.receptionDate = QDate(); })
                              << int(ItemDetailField::ReceptionDate)
                              << QStringLiteral("Falta el campo fecha de recepción.");
        QTest::newRow("blank serial") << Change([](ItemDetailEntry &e, ModuleOptions &) { e.serial = QStringLiteral("  "); })
                                      << int(ItemDetailField::Serial) << QStringLiteral("Falta el campo serial.");
        QTest::newRow("condition before faults")
            << Change([](ItemDetailEntry &e, ModuleOptions &) {
                   e.condition.clear();
                   e.faults.clear();
               })
            << int(ItemDetailField::Condition) << QStringLiteral("Falta el campo condiciones físicas.");
        QTest::newRow("faults") << Change([](ItemDetailEntry &e, ModuleOptions &) { e.faults.clear(); })
                                << int(ItemDetailField::Faults) << QStringLiteral("Falta el campo fallas.");
        QTest::newRow("fields the options do not ask for")
            << Change([](ItemDetailEntry &e, ModuleOptions &o) {
                   e = ItemDetailEntry();
                   e.revision = m("50");
                   o = ModuleOptions();
                   o.FC_MTOREVISION = m("50");
               })
            << int(ItemDetailField::None) << QString();
    }
    void theFirstFailingCheckSpeaks()
    {
        using Change = std::function<void(ItemDetailEntry &, ModuleOptions &)>;
        QFETCH(Change, change);
        QFETCH(int, field);
        QFETCH(QString, message);
        ItemDetailEntry entry = complete();
        ModuleOptions opts = allMandatory();
        change(entry, opts);
        QCOMPARE(int(checkItemDetail(entry, opts, m_tax)), field);
        if (message.isEmpty()) {
            QVERIFY(m_messages.entries().isEmpty());
        } else {
            QCOMPARE(m_messages.texts(), QStringList{message});
            QCOMPARE(m_messages.entries().first().kind, MessageKind::Information);
        }
    }

    void theMinimumIsWrittenAsACurrencyText()
    {
        QCOMPARE(minimumRevisionMessage(m("50"), QStringLiteral("Bs.")),
                 QStringLiteral("El monto minimo de revisión configurado es 50 Bs.."));
        QCOMPARE(minimumRevisionMessage(m("12.5"), QStringLiteral("$")),
                 QStringLiteral("El monto minimo de revisión configurado es 12,5 $."));
    }

    void aModeStartsWithItsRevision()
    {
        ModuleOptions o;
        o.FC_MTOREVISION = m("35");
        QCOMPARE(revisionForMode(ReceivedAs::Garantia, o), Money());
        QCOMPARE(revisionForMode(ReceivedAs::Servicio, o), m("35"));
        QCOMPARE(revisionForMode(ReceivedAs::GyS, o), m("35"));
    }

    void daysLeft_data()
    {
        QTest::addColumn<QDate>("expiry");
        QTest::addColumn<int>("days");
        const QDate today(2026, 3, 14);
        QTest::newRow("ten days ahead") << today.addDays(10) << 10;
        QTest::newRow("today") << today << 0;
        QTest::newRow("past") << today.addDays(-3) << 0;
        QTest::newRow("no date") << QDate() << 0;
        QTest::newRow("over a year end") << QDate(2027, 1, 1) << 293;
    }
    void daysLeft()
    {
        QFETCH(QDate, expiry);
        QFETCH(int, days);
        QCOMPARE(warrantyDaysLeft(expiry, QDate(2026, 3, 14)), days);
    }

    void noticeHour_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pm");
        QTest::newRow("morning") << QTime(9, 5) << "09:05" << false;
        QTest::newRow("last minute of the morning") << QTime(11, 59) << "11:59" << false;
        QTest::newRow("noon") << QTime(12, 0) << "12:00" << true;
        QTest::newRow("afternoon") << QTime(15, 30) << "03:30" << true;
        QTest::newRow("after midnight") << QTime(0, 20) << "12:20" << false;
    }
    void noticeHour()
    {
        QFETCH(QTime, time);
        QFETCH(QString, text);
        QFETCH(bool, pm);
        const NoticeHour h = noticeHourAt(time);
        QCOMPARE(h.text, text);
        QCOMPARE(h.pm, pm);
    }

    void leavingTheHourField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("a time") << "10:45" << "10:45";
        QTest::newRow("the latest") << "12:59" << "12:59";
        QTest::newRow("empty") << "  :  " << "12:00";
        QTest::newRow("a blank in it") << "1 :30" << "12:00";
        QTest::newRow("after 12:59") << "13:00" << "12:00";
        QTest::newRow("minutes out of range") << "10:75" << "12:00";
    }
    void leavingTheHourField()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QCOMPARE(normalizedNoticeHour(typed), kept);
    }

    void aSixthComponentIsRefused()
    {
        ComponentEditor editor;
        for (const char *code : {"A", "B", "C", "D", "E"}) {
            QVERIFY(editor.beginInsert());
            editor.save(component(code));
        }
        QVERIFY(!editor.beginInsert());
        QVERIFY(!editor.isEditing());
        QCOMPARE(editor.components().size(), 5);
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Un producto admite como máximo 5 componentes.")});
    }

    void modifyingAndRemovingComponents()
    {
        ComponentEditor editor;
        editor.setComponents({component("A"), component("B")});
        QVERIFY(!editor.beginModify(-1));
        QVERIFY(!editor.remove(-1));
        QCOMPARE(m_messages.texts(), (QStringList{QStringLiteral("Seleccione un ítem para modificar."),
                                                  QStringLiteral("Seleccione un ítem para borrar.")}));

        QVERIFY(editor.beginModify(1));
        QCOMPARE(editor.editedIndex(), 1);
        QCOMPARE(editor.save(component("B2")), 1);
        QCOMPARE(editor.components().at(1).code, QStringLiteral("B2"));
        QCOMPARE(editor.state(), ComponentEditor::State::Browsing);

        m_messages.clear();
        m_messages.queueAnswers({Answer::No});
        QVERIFY(!editor.remove(0));
        QVERIFY(editor.remove(0));
        QCOMPARE(m_messages.texts(), (QStringList{QStringLiteral("Desea eliminar el componente?"),
                                                  QStringLiteral("Desea eliminar el componente?")}));
        QCOMPARE(editor.components().size(), 1);

        QVERIFY(editor.beginInsert());
        editor.cancel();
        QCOMPARE(editor.save(component("X")), -1); // nothing was being edited
        QCOMPARE(editor.components().size(), 1);
    }

    void valueTextsOfUserFields()
    {
        QCOMPARE(numberFromValue(QStringLiteral("1.234,50")), m("1234.50"));
        QCOMPARE(numberFromValue(QStringLiteral("abc")), Money());
        QCOMPARE(indexFromValue(QStringLiteral("2")), 2);
        QCOMPARE(indexFromValue(QStringLiteral("x")), 0);
        QVERIFY(itemCheckFromValue(QStringLiteral("1")));
        QVERIFY(!itemCheckFromValue(QStringLiteral("0")));
        QVERIFY(!itemCheckFromValue(QStringLiteral("Si")));
        QVERIFY(componentCheckFromValue(QStringLiteral("Si")));
        QVERIFY(!componentCheckFromValue(QStringLiteral("0")));
        QCOMPARE(defaultControlKind(QStringLiteral("Numerico")), int(ControlKind::NumberEdit));
        QCOMPARE(defaultControlKind(QStringLiteral("Booleano")), int(ControlKind::CheckBox));
        QCOMPARE(defaultControlKind(QStringLiteral("Alfanumérico")), int(ControlKind::Edit));
    }
};

QTEST_GUILESS_MAIN(TestItemDetailChecks)
#include "tst_itemdetailchecks.moc"
