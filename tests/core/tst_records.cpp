#include "core/CodeLists.h"
#include "core/Records.h"
#include "core/Regional.h"

#include <QTest>

#include <functional>
#include <map>

using namespace k9;

namespace {

struct CodeListDef
{
    std::function<QString(int)> text;
    std::function<QStringList()> texts;
    int firstCode;
    int size;
};

const std::map<QString, CodeListDef> &codeLists()
{
    static const std::map<QString, CodeListDef> lists{
        {QStringLiteral("docStatus"), {docStatusText, docStatusTexts, 1, 10}},
        {QStringLiteral("operationType"), {operationTypeText, operationTypeTexts, 1, 4}},
        {QStringLiteral("reason"), {reasonText, reasonTexts, 0, 6}},
        {QStringLiteral("receivedAs"), {receivedAsText, receivedAsTexts, 0, 3}},
        {QStringLiteral("itemPriority"), {itemPriorityText, itemPriorityTexts, 0, 4}},
        {QStringLiteral("budgetLine"), {budgetLineStatusText, budgetLineStatusTexts, 0, 3}},
        {QStringLiteral("serviceLine"), {serviceLineStatusText, serviceLineStatusTexts, 0, 6}},
        {QStringLiteral("operationStatus"), {operationStatusText, operationStatusTexts, 1, 3}},
        {QStringLiteral("operationSummary"), {operationSummaryText, operationSummaryTexts, 1, 2}},
        {QStringLiteral("taskStatus"), {taskStatusText, taskStatusTexts, 0, 3}},
        {QStringLiteral("taskPriority"), {taskPriorityText, taskPriorityTexts, 0, 3}},
        {QStringLiteral("appointment"), {appointmentStatusText, appointmentStatusTexts, 0, 3}},
        {QStringLiteral("shipmentReturn"), {shipmentReturnStateText, shipmentReturnStateTexts, 0, 2}},
        {QStringLiteral("shipmentDeparture"),
         {shipmentDepartureStateText, shipmentDepartureStateTexts, 0, 2}},
        {QStringLiteral("paymentKind"), {paymentKindText, paymentKindTexts, 0, 4}},
    };
    return lists;
}

TNewCampos field(int kind, const QString &text)
{
    TNewCampos value;
    value.controlName = QStringLiteral("EZCampo1");
    value.controlKind = kind;
    value.value = text;
    value.fieldName = QStringLiteral("RMD_ZCAMPO1");
    return value;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void init() { applySeparators(u'.', u','); }
    void cleanupTestCase() { applySeparators(u'.', u','); }

    void codeText_data();
    void codeText();
    void comboTextsFollowTheCodes();
    void operationOfReception_data();
    void operationOfReception();
    void nextDocumentNumber_data();
    void nextDocumentNumber();
    void storedFieldValue_data();
    void storedFieldValue();
    void numberFieldFollowsRegionalSeparators();
    void quantityBelowOneCountsAsOne_data();
    void quantityBelowOneCountsAsOne();
    void annulledReceptionHasNoBudgetState_data();
    void annulledReceptionHasNoBudgetState();
};

void TestRecords::codeText_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("doc 1") << "docStatus" << 1 << "Pendiente";
    QTest::newRow("doc 6") << "docStatus" << 6 << "En G&S";
    QTest::newRow("doc 10") << "docStatus" << 10 << "Anulado";
    QTest::newRow("doc 0") << "docStatus" << 0 << "";
    QTest::newRow("doc 11") << "docStatus" << 11 << "";
    QTest::newRow("type 3") << "operationType" << 3 << "Presupuesto";
    QTest::newRow("type 4") << "operationType" << 4 << "G&S";
    QTest::newRow("type -1") << "operationType" << -1 << "";
    QTest::newRow("reason 1") << "reason" << 1 << "Evaluación";
    QTest::newRow("reason 4") << "reason" << 4 << "Actualización";
    QTest::newRow("reason 6") << "reason" << 6 << "";
    QTest::newRow("received 2") << "receivedAs" << 2 << "G&S";
    QTest::newRow("priority 0") << "itemPriority" << 0 << "Maxima";
    QTest::newRow("budget line 2") << "budgetLine" << 2 << "No Aprobado";
    QTest::newRow("budget line 3") << "budgetLine" << 3 << "";
    QTest::newRow("service line 4") << "serviceLine" << 4 << "En Tercero";
    QTest::newRow("operation 3") << "operationStatus" << 3 << "Anulado";
    QTest::newRow("summary 2") << "operationSummary" << 2 << "Por Totalizar";
    QTest::newRow("summary 3") << "operationSummary" << 3 << "";
    QTest::newRow("task 1") << "taskStatus" << 1 << "En Proceso";
    QTest::newRow("task priority 2") << "taskPriority" << 2 << "Alta";
    QTest::newRow("appointment 2") << "appointment" << 2 << "Cancelada";
    QTest::newRow("returned 1") << "shipmentReturn" << 1 << "Recibido";
    QTest::newRow("departed 1") << "shipmentDeparture" << 1 << "Enviado";
    QTest::newRow("payment 2") << "paymentKind" << 2 << "Tarjeta Débito";
    QTest::newRow("payment 3") << "paymentKind" << 3 << "Tarjeta Crédito";
    QTest::newRow("payment -1") << "paymentKind" << -1 << "";
    QTest::newRow("payment -2") << "paymentKind" << -2 << "";
}

void TestRecords::codeText()
{
    QFETCH(QString, list);
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(codeLists().at(list).text(code), text);
}

void TestRecords::comboTextsFollowTheCodes()
{
    for (const auto &[name, list] : codeLists()) {
        const QStringList texts = list.texts();
        QVERIFY2(texts.size() == list.size, qPrintable(name));
        for (int i = 0; i < texts.size(); ++i)
            QVERIFY2(texts.at(i) == list.text(list.firstCode + i), qPrintable(name));
    }
}

void TestRecords::operationOfReception_data()
{
    QTest::addColumn<int>("docStatus");
    QTest::addColumn<int>("operationType");
    QTest::newRow("presupuestado") << int(DocStatus::Presupuestado) << int(OperationType::Presupuesto);
    QTest::newRow("en servicio") << int(DocStatus::EnServicio) << int(OperationType::Servicio);
    QTest::newRow("en garantia") << int(DocStatus::EnGarantia) << int(OperationType::Garantia);
    QTest::newRow("en G&S") << int(DocStatus::EnGyS) << int(OperationType::GyS);
    QTest::newRow("recibido") << int(DocStatus::Recibido) << -1;
    QTest::newRow("entregado") << int(DocStatus::Entregado) << -1;
    QTest::newRow("anulado") << int(DocStatus::Anulado) << -1;
}

void TestRecords::operationOfReception()
{
    QFETCH(int, docStatus);
    QFETCH(int, operationType);
    QCOMPARE(operationTypeForReceptionStatus(docStatus), operationType);
}

void TestRecords::nextDocumentNumber_data()
{
    QTest::addColumn<qint64>("lastUsed");
    QTest::addColumn<QString>("number");
    QTest::newRow("41") << qint64(41) << "00000042";
    QTest::newRow("fresh counter") << qint64(0) << "00000001";
    QTest::newRow("eight digits") << qint64(12345678) << "12345679";
    QTest::newRow("nine digits kept whole") << qint64(99999999) << "100000000";
    QTest::newRow("damaged counter") << qint64(-7) << "00000001";
}

void TestRecords::nextDocumentNumber()
{
    QFETCH(qint64, lastUsed);
    QFETCH(QString, number);
    QCOMPARE(k9::nextDocumentNumber(lastUsed), number);
}

void TestRecords::storedFieldValue_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("expected");

    const auto money = [](qint64 raw) { return QVariant::fromValue(Money::fromRaw(raw)); };
    QTest::newRow("check 0") << int(ControlKind::CheckBox) << "0" << QVariant(false);
    QTest::newRow("check 1") << int(ControlKind::CheckBox) << "1" << QVariant(true);
    QTest::newRow("check Si") << int(ControlKind::CheckBox) << "Si" << QVariant(true);
    QTest::newRow("check x") << int(ControlKind::CheckBox) << "x" << QVariant(true);
    QTest::newRow("check empty") << int(ControlKind::CheckBox) << "" << QVariant(true);
    QTest::newRow("check ' 0'") << int(ControlKind::CheckBox) << " 0" << QVariant(true);
    QTest::newRow("number") << int(ControlKind::NumberEdit) << "1234.56" << money(12345600);
    QTest::newRow("number displayed") << int(ControlKind::NumberEdit) << "  -1,234.5" << money(-12345000);
    QTest::newRow("number empty") << int(ControlKind::NumberEdit) << "" << QVariant();
    QTest::newRow("number not a number") << int(ControlKind::NumberEdit) << "12a" << QVariant();
    QTest::newRow("date") << int(ControlKind::DateEdit) << "25/12/2026"
                          << QVariant(QDateTime(QDate(2026, 12, 25), QTime(0, 0)));
    QTest::newRow("date impossible") << int(ControlKind::DateEdit) << "31/02/2026" << QVariant();
    QTest::newRow("date blank") << int(ControlKind::DateEdit) << "  /  /    " << QVariant();
    QTest::newRow("radio") << int(ControlKind::RadioGroup) << "2" << QVariant(2);
    QTest::newRow("radio none") << int(ControlKind::RadioGroup) << "" << QVariant();
    QTest::newRow("combo keeps text") << int(ControlKind::ComboBox) << "3" << QVariant(QStringLiteral("3"));
    QTest::newRow("edit") << int(ControlKind::Edit) << "Rayado" << QVariant(QStringLiteral("Rayado"));
    QTest::newRow("memo empty") << int(ControlKind::Memo) << "" << QVariant(QStringLiteral(""));
}

void TestRecords::storedFieldValue()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QVariant, expected);

    const QVariant actual = k9::storedFieldValue(field(kind, text));
    QCOMPARE(actual.isValid(), expected.isValid());
    if (!expected.isValid())
        return;
    QCOMPARE(actual.metaType(), expected.metaType());
    if (expected.metaType() == QMetaType::fromType<Money>())
        QCOMPARE(actual.value<Money>().raw(), expected.value<Money>().raw());
    else
        QCOMPARE(actual, expected);
}

void TestRecords::numberFieldFollowsRegionalSeparators()
{
    applySeparators(u',', u'.');
    const QVariant value = k9::storedFieldValue(field(ControlKind::NumberEdit, QStringLiteral("1.234,5")));
    QCOMPARE(value.value<Money>().raw(), 12345000);
}

void TestRecords::quantityBelowOneCountsAsOne_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("negative") << -3 << 1;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("7") << 7 << 7;
}

void TestRecords::quantityBelowOneCountsAsOne()
{
    QFETCH(int, stored);
    QFETCH(int, shown);
    QCOMPARE(itemQuantity(stored), shown);
}

void TestRecords::annulledReceptionHasNoBudgetState_data()
{
    QTest::addColumn<int>("docStatus");
    QTest::addColumn<int>("found");
    QTest::addColumn<int>("shown");
    QTest::newRow("annulled with budget") << int(DocStatus::Anulado) << int(BudgetState::Si) << 3;
    QTest::newRow("annulled without") << int(DocStatus::Anulado) << int(BudgetState::No) << 3;
    QTest::newRow("budgeted") << int(DocStatus::Presupuestado) << int(BudgetState::Si) << 1;
    QTest::newRow("received") << int(DocStatus::Recibido) << int(BudgetState::No) << 2;
}

void TestRecords::annulledReceptionHasNoBudgetState()
{
    QFETCH(int, docStatus);
    QFETCH(int, found);
    QFETCH(int, shown);
    TDoc doc;
    doc.status = docStatus;
    doc.budgetState = found;
    applyReceptionBudgetState(doc);
    QCOMPARE(doc.budgetState, shown);
    QCOMPARE(budgetStateText(doc.budgetState).isEmpty(), shown == BudgetState::Ninguno);
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
