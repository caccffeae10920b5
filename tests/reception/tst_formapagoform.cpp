// The payment window driven through its keys, list and buttons: what the user sees and what
// the caller reads back.
#include "controls/LookupCombo.h"
#include "controls/VorelEdit.h"
#include "controls/VorelList.h"
#include "controls/VorelNumberEdit.h"
#include "core/CodeLists.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Regional.h"
#include "reception/ui/PaymentEditor.h"
#include "reception/ui/Tk9FormaPagoForm.h"
#include "support/TestWorkspace.h"
#include "workspace/DemoCompany.h"
#include "workspace/WorkspaceBuilder.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace k9;

namespace {

const QString kTooManyLines = QStringLiteral("El número máximo de transacciones ha sido alcanzado.");

Money m(const char *text)
{
    return Money::parse(QString::fromLatin1(text)).value();
}

} // namespace

class TestFormaPagoForm : public QObject
{
    Q_OBJECT

    test::ScratchDir m_scratch;
    QString m_data;
    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};
    std::unique_ptr<Tk9FormaPagoForm> m_form;

    Tk9FormaPagoForm &form() { return *m_form; }
    PaymentEditor *editor() { return m_form->editor(); }
    TVorelNumberEdit *amount() { return editor()->amountField(); }
    QString text(const char *labelName)
    {
        auto *l = m_form->findChild<QLabel *>(QString::fromLatin1(labelName));
        return l ? l->text() : QStringLiteral("<no label>");
    }
    QPushButton *button(const char *name) { return m_form->findChild<QPushButton *>(QString::fromLatin1(name)); }

    // A window for `due`, prepared by `setUp` before it is shown.
    bool open(const char *due, const std::function<void(Tk9FormaPagoForm &)> &setUp = {})
    {
        m_form = std::make_unique<Tk9FormaPagoForm>(nullptr, m_data);
        m_form->setAmountDue(m(due));
        if (setUp)
            setUp(*m_form);
        m_form->show();
        return QTest::qWaitForWindowActive(m_form.get());
    }

    void press(Qt::Key key)
    {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, key);
    }

    // Types an amount over the selected amount text and goes through the four fields.
    void enterPayment(const char *value, int type = PaymentKind::Efectivo, const char *detail = "")
    {
        QCOMPARE(QApplication::focusWidget(), amount());
        QTest::keyClicks(amount(), QString::fromLatin1(value));
        press(Qt::Key_Return);
        editor()->typeField()->setCurrentIndex(type); // chosen from its list
        press(Qt::Key_Return);
        press(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), editor()->detailField());
        QTest::keyClicks(editor()->detailField(), QString::fromLatin1(detail));
        press(Qt::Key_Return);
    }

    QPoint rowCentre(int row)
    {
        return form().list()->visualItemRect(form().list()->item(row)).center();
    }
    void clickRow(int row) { QTest::mouseClick(form().list()->viewport(), Qt::LeftButton, {}, rowCentre(row)); }
    // A double click as the user makes it: a click, then the second press.
    void doubleClickRow(int row)
    {
        clickRow(row);
        QTest::mouseDClick(form().list()->viewport(), Qt::LeftButton, {}, rowCentre(row));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(workspace::createWorkspace(m_scratch.path()));
        QVERIFY(workspace::fillDemoCompany(m_scratch.path()));
        m_data = workspace::Dirs(m_scratch.path()).data;
        applySeparators(u',', u'.');
        taxDefaults().SimboloMoneda = QStringLiteral("Bs.");
        options().FC_PORCENTPAGO = m("50");
    }

    void init() { m_messages.clear(); }
    void cleanup() { m_form.reset(); }

    void theWindowOpensOnTheEntryLine()
    {
        QVERIFY(open("100", [](Tk9FormaPagoForm &f) { f.setCustomerName(QStringLiteral("Ana Pérez")); }));
        QCOMPARE(form().windowTitle(), QStringLiteral("Forma de Pago"));
        QCOMPARE(text("LCliente"), QStringLiteral("Ana Pérez"));
        QCOMPARE(text("LabelFac"), QStringLiteral("Monto Total  : Bs."));
        QCOMPARE(text("LMonto"), QStringLiteral("100,00"));
        QCOMPARE(text("LabelMontMin"), QStringLiteral("Monto Minimo (50,00% del total) : Bs."));
        QCOMPARE(text("LMontoPagado"), formatAmount(Money()));
        QCOMPARE(text("LVuelto"), QStringLiteral("Vuelto : 0,00"));
        QCOMPARE(form().editedRow(), 0);
        QCOMPARE(QApplication::focusWidget(), amount());
        QCOMPARE(amount()->moneyValue(), m("100"));
        QCOMPARE(amount()->selectedText(), amount()->text());
        QCOMPARE(editor()->typeField()->currentText(), QStringLiteral("Efectivo"));
        QCOMPARE(editor()->choiceField()->currentText(), QStringLiteral("Bolívar"));
        QVERIFY(m_messages.entries().isEmpty());
    }

    void theThirdFieldFollowsTheType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("shown");
        QTest::newRow("cash: the default currency") << int(PaymentKind::Efectivo) << 1 << "Bolívar";
        QTest::newRow("cheque: banks") << int(PaymentKind::Cheque) << 5 << "Banco de Venezuela";
        QTest::newRow("debit card: banks") << int(PaymentKind::TarjetaDebito) << 5 << "Banco de Venezuela";
        QTest::newRow("credit card: cards") << int(PaymentKind::TarjetaCredito) << 4 << "American Express";
    }

    void theThirdFieldFollowsTheType()
    {
        QFETCH(int, type);
        QVERIFY(open("100"));
        editor()->typeField()->setCurrentIndex(type);
        QTEST(editor()->choiceField()->count(), "rows");
        QTEST(editor()->choiceField()->currentText(), "shown");
    }

    void anExactPaymentLeavesNoChange()
    {
        QVERIFY(open("100"));
        enterPayment("100");
        QCOMPARE(form().lines().count(), 2);
        QCOMPARE(text("LVuelto"), QStringLiteral("Vuelto : 0,00"));
        QCOMPARE(text("LMontoPagado"), formatAmount(m("100")));
        QCOMPARE(form().list()->item(0)->text(), formatAmount(m("100")) + QStringLiteral("\tEfectivo\tBolívar\t"));
        // The new entry line is opened at once, asking for nothing more.
        QCOMPARE(form().editedRow(), 1);
        QCOMPARE(QApplication::focusWidget(), amount());
        QCOMPARE(amount()->moneyValue(), Money());
    }

    void changeIsShownAndHandedBack()
    {
        QVERIFY(open("100"));
        enterPayment("150");
        QCOMPARE(text("LVuelto"), QStringLiteral("Vuelto : 50,00 Bs."));
        button("BAceptar001")->click();
        QVERIFY(m_messages.entries().isEmpty());
        QVERIFY(!form().isVisible());
        QCOMPARE(form().result(), int(QDialog::Accepted));
        QVERIFY(!form().cancelled());
        QCOMPARE(form().change(), m("50"));
        QCOMPARE(form().amountPaid(), m("150"));
        form().close(); // closing the closed window later changes nothing
        QVERIFY(!form().cancelled());
        const PaymentTotals totals = form().totals();
        QCOMPARE(totals.cash, m("100"));
        QCOMPARE(totals.payments.size(), 1);
        QCOMPARE(totals.payments.at(0).code, QStringLiteral("BS"));
        QCOMPARE(totals.payments.at(0).amount, m("100"));
    }

    void twoPaymentsAndARemoval()
    {
        QVERIFY(open("100"));
        enterPayment("150");
        enterPayment("50", PaymentKind::Cheque, "123");
        QCOMPARE(text("LVuelto"), QStringLiteral("Vuelto : 100,00 Bs."));
        const TFormaPago cheque = form().lines().line(1);
        QCOMPARE(cheque.type, int(PaymentKind::Cheque));
        QCOMPARE(cheque.code, QStringLiteral("0102"));
        QCOMPARE(cheque.name, QStringLiteral("Banco de Venezuela"));
        QCOMPARE(cheque.detail, QStringLiteral("123"));

        clickRow(1);
        QCOMPARE(form().editedRow(), -1); // a click on a payment line hides the editor
        button("BBorrar004")->click();
        QCOMPARE(form().lines().count(), 2);
        QCOMPARE(form().change(), m("50"));
        QCOMPARE(text("LVuelto"), QStringLiteral("Vuelto : 50,00"));
        QCOMPARE(text("LMontoPagado"), formatAmount(m("150")));
        QVERIFY(m_messages.entries().isEmpty());
    }

    void reEditingAChequeLine()
    {
        QVERIFY(open("100"));
        enterPayment("30", PaymentKind::Cheque, "77");
        doubleClickRow(0);
        QCOMPARE(form().editedRow(), 0);
        QCOMPARE(amount()->moneyValue(), m("30"));
        QCOMPARE(editor()->typeField()->currentIndex(), int(PaymentKind::Cheque));
        QCOMPARE(editor()->choiceField()->currentText(), QStringLiteral("Banco de Venezuela"));
        QCOMPARE(editor()->detailField()->text(), QStringLiteral("77"));
        enterPayment("40", PaymentKind::Cheque);
        QCOMPARE(form().amountPaid(), m("40"));
        QCOMPARE(form().lines().count(), 2);
        QCOMPARE(form().lines().line(0).detail, QStringLiteral("77"));
        QCOMPARE(form().lines().line(1).amount, m("60"));
        QCOMPARE(form().editedRow(), 1);
    }

    void aZeroAmountGoesBackToTheAmount()
    {
        QVERIFY(open("100"));
        enterPayment("0");
        QCOMPARE(form().lines().count(), 1);
        QCOMPARE(form().editedRow(), 0);
        QCOMPARE(QApplication::focusWidget(), amount());
        QVERIFY(m_messages.entries().isEmpty());
    }

    void theTenthLineIsRefused()
    {
        QVERIFY(open("100"));
        for (int i = 0; i < 9; ++i)
            enterPayment("5");
        QCOMPARE(form().lines().count(), PaymentLines::kMaxLines);
        QCOMPARE(m_messages.texts(), QStringList{kTooManyLines});
        QCOMPARE(m_messages.entries().at(0).kind, MessageKind::Warning);
        QCOMPARE(form().editedRow(), -1);

        doubleClickRow(9);
        QCOMPARE(m_messages.texts().count(kTooManyLines), 2);
        QCOMPARE(form().editedRow(), -1);

        clickRow(3);
        button("BBorrar004")->click();
        QCOMPARE(form().lines().count(), 9);
        QCOMPARE(form().amountPaid(), m("40"));
        doubleClickRow(8);
        QCOMPARE(form().editedRow(), 8);
        QCOMPARE(m_messages.texts().count(kTooManyLines), 2);
    }

    void theMinimumShare_data()
    {
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("50,00 accepted") << "50" << QStringList();
        QTest::newRow("49,99 refused") << "49,99"
                                       << QStringList{QStringLiteral("El monto a totalizar es menor al monto mínimo.")};
    }

    void theMinimumShare()
    {
        QFETCH(QString, paid);
        QVERIFY(open("100", [](Tk9FormaPagoForm &f) {
            f.setMinimumFraction(m("0.5"));
            f.setMinimumCheck(true);
        }));
        QCOMPARE(text("LMontoMinimo"), QStringLiteral("50,00"));
        QCOMPARE(amount()->moneyValue(), m("50"));
        enterPayment(paid.toLatin1().constData());
        button("BAceptar001")->click();
        QTEST(m_messages.texts(), "messages");
        QCOMPARE(form().isVisible(), !m_messages.texts().isEmpty());
        QCOMPARE(form().cancelled(), form().isVisible());
    }

    void theWholeAmountWithoutTheMinimumCheck()
    {
        QVERIFY(open("100"));
        enterPayment("99,99");
        button("BAceptar001")->click();
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("El monto a pagar es menor al total.")});
        QCOMPARE(m_messages.entries().at(0).kind, MessageKind::Information);
        QVERIFY(form().isVisible());
    }

    void aFixedAdvanceLine()
    {
        QVERIFY(open("100", [](Tk9FormaPagoForm &f) {
            f.addFixedLine(m("60"));
            f.setAmountPaid(m("60"));
        }));
        QCOMPARE(form().list()->item(0)->text(), formatAmount(m("60")) + QStringLiteral("\tAdelanto\t\t"));
        QCOMPARE(form().editedRow(), 1);
        QCOMPARE(amount()->moneyValue(), m("40"));

        press(Qt::Key_Up); // back to the list, though nothing was paid here yet
        QCOMPARE(form().editedRow(), -1);
        QCOMPARE(QApplication::focusWidget(), form().list());

        doubleClickRow(0);
        QCOMPARE(form().editedRow(), -1);
        button("BBorrar004")->click();
        QCOMPARE(form().lines().count(), 2);
        QVERIFY(m_messages.entries().isEmpty());

        doubleClickRow(1);
        enterPayment("40", PaymentKind::TarjetaCredito, "V-1");
        button("BAceptar001")->click();
        QVERIFY(!form().cancelled());
        const PaymentTotals totals = form().totals();
        QCOMPARE(totals.payments.size(), 1);
        QCOMPARE(totals.credit, m("40"));
    }

    void upFromTheAmountNeedsAPayment()
    {
        QVERIFY(open("100"));
        press(Qt::Key_Up);
        QCOMPARE(form().editedRow(), 0);
        QCOMPARE(QApplication::focusWidget(), amount());
    }

    void escapeInTheEditorAndOnTheList()
    {
        QVERIFY(open("100"));
        enterPayment("30");
        QTest::keyClicks(amount(), QStringLiteral("5"));
        press(Qt::Key_Return);
        press(Qt::Key_Escape); // in the type field
        QCOMPARE(amount()->moneyValue(), m("70"));
        QVERIFY(form().isVisible());
        QVERIFY(m_messages.entries().isEmpty());

        press(Qt::Key_Up);
        press(Qt::Key_Up); // out of the amount, back to the list
        QCOMPARE(QApplication::focusWidget(), form().list());
        m_messages.queueAnswers({Answer::No});
        press(Qt::Key_Escape);
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Desea cancelar el pago?")});
        QCOMPARE(m_messages.entries().at(0).kind, MessageKind::Confirmation);
        QVERIFY(form().isVisible());
        press(Qt::Key_Escape); // Yes
        QVERIFY(!form().isVisible());
        QVERIFY(form().cancelled());
    }

    void cancelAsksOnce()
    {
        QVERIFY(open("100"));
        enterPayment("150");
        m_messages.queueAnswers({Answer::No, Answer::Yes});
        button("BCancelar002")->click();
        QVERIFY(form().isVisible());
        button("BCancelar002")->click();
        QVERIFY(!form().isVisible());
        QVERIFY(form().cancelled());
        QCOMPARE(form().result(), int(QDialog::Rejected));
        QCOMPARE(m_messages.texts(), QStringList(2, QStringLiteral("Desea cancelar el pago de la transacción?")));
    }

    void removingNeedsASelection()
    {
        QVERIFY(open("100"));
        enterPayment("40");
        form().list()->clearSelection();
        button("BBorrar004")->click();
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Seleccione un ítem a borrar.")});
        QCOMPARE(m_messages.entries().at(0).kind, MessageKind::Information);
        QCOMPARE(form().lines().count(), 2);
    }

    void aMissingCurrencyTableIsReported()
    {
        test::ScratchDir empty;
        empty.database();
        Tk9FormaPagoForm f(nullptr, empty.path());
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Error al cargar la tabla SMoneda.")});
        QCOMPARE(f.editor()->choiceField()->count(), 0);
    }
};

QTEST_MAIN(TestFormaPagoForm)
#include "tst_formapagoform.moc"
