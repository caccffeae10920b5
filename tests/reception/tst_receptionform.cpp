// The reception window on the demo company, driven through its controls: the customer, the
// products of each source, the items and their totals, the panels.
#include "controls/LookupCombo.h"
#include "controls/VorelEdit.h"
#include "controls/VorelList.h"
#include "controls/VorelNumberEdit.h"
#include "core/CodeLists.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Regional.h"
#include "data/Query.h"
#include "data/Startup.h"
#include "data/TableHelpers.h"
#include "data/Workspace.h"
#include "queries/Lookup.h"
#include "reception/ReceptionSave.h"
#include "reception/ui/Tk9DetalleRecepcionForm.h"
#include "reception/ui/Tk9RecepcionForm.h"
#include "support/TestWorkspace.h"
#include "workspace/DefaultFormats.h"
#include "workspace/DemoCompany.h"
#include "workspace/WorkspaceBuilder.h"

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace k9;

namespace {

Money m(const char *text)
{
    return Money::parse(QString::fromLatin1(text)).value();
}

// The browser of the tests: remembers what it was asked to show and chooses a row.
class ScriptedRunner : public BrowserRunner
{
public:
    int choose = -1;
    QList<int> kinds;
    QStringList captions;

    LookupResult run(LookupBrowser &browser) override
    {
        kinds << browser.kindNumber();
        captions << browser.caption();
        browser.setPageRows(10);
        if (browser.mode() == LookupBrowser::Mode::Page)
            browser.refill();
        return choose >= 0 && choose < browser.rows().size() ? browser.choose(choose) : LookupResult();
    }
};

// The payment window and the print formats of the tests.
class ScriptedPayment : public PaymentStep
{
public:
    PaymentResult result;
    PaymentResult takePayment(const PaymentRequest &) override { return result; }
};

class KeptPrints : public PrintStep
{
public:
    QList<PrintDocument> documents;
    bool print(const PrintDocument &document, bool) override
    {
        documents << document;
        return true;
    }
};

} // namespace

class TestReceptionForm : public QObject
{
    Q_OBJECT

    test::ScratchDir m_scratch;
    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};
    ScriptedRunner m_runner;
    std::unique_ptr<Tk9DetalleRecepcionForm> m_detail;
    std::unique_ptr<Tk9RecepcionForm> m_form;

    template<typename T>
    T *child(const char *name)
    {
        auto *w = m_form->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qWarning("no control %s", name);
        return w;
    }
    QString text(const char *label) { return child<QLabel>(label)->text(); }
    TVorelEdit *field(const char *name) { return child<TVorelEdit>(name); }
    TVorelList *items() { return child<TVorelList>("ListaProductos"); }
    TVorelList *purchases() { return child<TVorelList>("ListaCompras"); }

    // Types into a field and leaves it with Enter, as the user does.
    void type(const char *name, const QString &value)
    {
        TVorelEdit *e = field(name);
        QVERIFY2(e && e->isEnabled(), name);
        e->setFocus();
        QTest::keyClicks(e, value);
        QTest::keyClick(e, Qt::Key_Return);
    }

    void takeCustomer(const QString &code)
    {
        type("ECodigoCliente", code);
        QVERIFY(!field("ECodigoCliente")->isEnabled());
    }

    // Presses Insertar and, in the detail window it opens, runs `fill` and presses Aceptar.
    void insertItem(const std::function<void(Tk9DetalleRecepcionForm &)> &fill = {})
    {
        bool shown = false;
        QTimer::singleShot(0, m_detail.get(), [&] {
            shown = m_detail->isVisible();
            if (!shown)
                return;
            if (fill)
                fill(*m_detail);
            m_detail->findChild<QPushButton *>(QStringLiteral("BAceptar001"))->click();
        });
        QPushButton *insertar = child<QPushButton>("BInsertar003");
        QVERIFY(insertar->isEnabled());
        insertar->click();
        QVERIFY(shown);
        // The reception window is active again once the detail window has closed.
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    static void setAmounts(Tk9DetalleRecepcionForm &d, const char *revision, const char *advance)
    {
        d.findChild<TVorelNumberEdit *>(QStringLiteral("EMonto2"))->SetInitText(m(revision));
        d.findChild<TVorelNumberEdit *>(QStringLiteral("EMonto1"))->SetInitText(m(advance));
    }

    int rowOfPurchase(const QString &product)
    {
        for (int i = 0; i < purchases()->count(); ++i) {
            if (purchases()->item(i)->text().section(u'\t', 2, 2) == product)
                return i;
        }
        return -1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(workspace::createWorkspace(m_scratch.path()));
        QVERIFY(workspace::fillDemoCompany(m_scratch.path()));
        QCOMPARE(loadWorkspace(m_scratch.path()), StartupResult::Ready);
        applySeparators(u',', u'.');
        m_detail = std::make_unique<Tk9DetalleRecepcionForm>();
    }
    void init()
    {
        m_messages.clear();
        m_messages.defaultAnswer = Answer::Yes;
        m_runner = ScriptedRunner();
        options().FC_MTOREVISION = m("10");
        options().FC_CAMPOFALLA = false; // the demo asks for the faults; the items here have none
        taxDefaults().TasaImpuesto1 = m("9");
        m_form = std::make_unique<Tk9RecepcionForm>(m_detail.get());
        m_form->setBrowserRunner(&m_runner);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup()
    {
        m_messages.defaultAnswer = Answer::Yes;
        m_form.reset();
    }

    void theWindowStartsEmpty()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral(" Recepción de Productos"));
        QCOMPARE(QApplication::focusWidget(), field("ECodigoCliente"));
        QCOMPARE(text("LDescripCliente"), QStringLiteral("..."));
        QCOMPARE(text("LNumeroDocumento"), nextDocumentNumber(LeerOpcionEntera(QStringLiteral("FC_RMA"))));
        QCOMPARE(text("LFechaDocumento"), formatDate(QDate::currentDate()));
        QCOMPARE(text("LTotal"), QStringLiteral("0,00"));
        QCOMPARE(text("LNroProductos"), QStringLiteral("0"));
        QCOMPARE(text("LNombreImpuesto"), taxDefaults().NombreImpuesto1);
        for (const char *name : {"ECodigoProducto", "ECodigoProductoRMA", "ESerialProducto", "ECodigoInventarioRMA"})
            QVERIFY2(!field(name)->isEnabled(), name);
        QVERIFY(!items()->hasRows());
        QVERIFY(!items()->isEnabled());
        QCOMPARE(child<LookupCombo>("LComboEmp")->currentText(), QStringLiteral("Pedro Ramírez"));
        // Nothing to save or process yet; a stored document can be loaded or voided.
        for (const char *name : {"BGuardar012", "BProcesar026"})
            QVERIFY2(!child<QPushButton>(name)->isEnabled(), name);
        QVERIFY(child<QPushButton>("BCargar013")->isEnabled());
        QVERIFY(m_form->findChild<QAction *>(QStringLiteral("TBAnular"))->isEnabled());
        QVERIFY(!child<QPushButton>("BIncluirCliente003")->isEnabled()); // no customer window given
    }

    void aCustomerIsTakenWithPurchasesOfEveryPeriod()
    {
        takeCustomer(QStringLiteral("C0000001"));
        QCOMPARE(text("LDescripCliente"), QStringLiteral("Inversiones El Ávila, C.A."));
        QVERIFY(text("LDireccion").startsWith(QStringLiteral("Dirección :  ")));
        // Two lines this year and two in the oldest history period.
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Desea realizar la búsqueda en el historial?")});
        QCOMPARE(purchases()->count(), 4);
        QCOMPARE(text("LRegistrosCompras"), QStringLiteral("Registros : 4"));
        QVERIFY(rowOfPurchase(QStringLiteral("EQ-0001")) >= 0);
        QVERIFY(field("ECodigoProducto")->isEnabled());
        QVERIFY(!field("ESerialProducto")->isEnabled()); // no serial search window yet
        QCOMPARE(QApplication::focusWidget(), field("ECodigoProducto"));
        QCOMPARE(m_form->document().contactName(), QStringLiteral("Inversiones El Ávila, C.A."));
    }

    void anUnknownCustomerIsRefused()
    {
        type("ECodigoCliente", QStringLiteral("NOEXISTE"));
        QCOMPARE(m_messages.texts(), (QStringList{QStringLiteral("Código  [NOEXISTE]  no encontrado"),
                                                  QStringLiteral("Código invalido.")}));
        QVERIFY(field("ECodigoCliente")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), field("ECodigoCliente"));
        QVERIFY(!field("ECodigoProducto")->isEnabled());
        QCOMPARE(text("LDescripCliente"), QStringLiteral("..."));
    }

    void anItemEnteredThroughTheControlsMakesTheTotals()
    {
        m_messages.defaultAnswer = Answer::No; // no history search
        takeCustomer(QStringLiteral("C0000002"));
        type("ECodigoProducto", QStringLiteral("EQ-0002"));
        QCOMPARE(text("LDescripProducto"), QStringLiteral("Laptop Lenovo IdeaPad 3 15ITL6"));
        QVERIFY(!field("ECodigoInventarioRMA")->isEnabled()); // one source at a time
        insertItem([](Tk9DetalleRecepcionForm &d) {
            QCOMPARE(d.findChild<QLabel *>(QStringLiteral("LStatus"))->text(), QStringLiteral("Modo Inserción"));
            QCOMPARE(d.findChild<TVorelEdit *>(QStringLiteral("ESerialProducto"))->text(), QStringLiteral("S/N"));
            setAmounts(d, "100", "50");
        });
        QCOMPARE(items()->count(), 1);
        QVERIFY(items()->isEnabled());
        const QStringList cells = items()->item(0)->text().split(u'\t');
        QCOMPARE(cells.mid(0, 3), (QStringList{QStringLiteral("1"), QStringLiteral("EQ-0002"), QStringLiteral("S/N")}));
        QCOMPARE(cells.at(4), QStringLiteral("Pedro Ramírez"));
        QCOMPARE(cells.at(5), QStringLiteral("Servicio"));
        QCOMPARE(text("LRegistrosProductos"), QStringLiteral("Registros :1"));
        QCOMPARE(text("LTotal"), QStringLiteral("100,00"));
        QCOMPARE(text("LImpuesto"), QStringLiteral("9,00"));
        QCOMPARE(text("LTotalAdelanto"), QStringLiteral("50,00"));
        QCOMPARE(text("LTotalOperacion"), QStringLiteral("159,00"));
        QCOMPARE(text("LNroProductos"), QStringLiteral("1"));
        // The product fields are empty again; Insertar waits for the next product.
        QVERIFY(field("ECodigoProducto")->text().isEmpty());
        QVERIFY(field("ECodigoInventarioRMA")->isEnabled());
        QVERIFY(!child<QPushButton>("BInsertar003")->isEnabled());
        QVERIFY(child<QPushButton>("BModificar005")->isEnabled());

        // The same product without a serial again is refused.
        type("ECodigoProducto", QStringLiteral("EQ-0002"));
        m_messages.clear();
        insertItem();
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Producto ya introducido.")});
        QCOMPARE(items()->count(), 1);

        // Removing the last item brings the empty list back.
        items()->setCurrentRow(0);
        m_messages.clear();
        m_messages.defaultAnswer = Answer::Yes;
        child<QPushButton>("BBorrar004")->click();
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Desea Eliminar el ítem seleccionado?")});
        QVERIFY(!items()->hasRows());
        QVERIFY(!items()->isEnabled());
        QVERIFY(!child<QPushButton>("BModificar005")->isEnabled());
        QVERIFY(!child<QPushButton>("BBorrar004")->isEnabled());
        QCOMPARE(text("LTotalOperacion"), QStringLiteral("0,00"));
        QCOMPARE(text("LRegistrosProductos"), QStringLiteral("Registros : 0"));
    }

    void aPurchaseBringsItsSerialAndInvoice()
    {
        takeCustomer(QStringLiteral("C0000001"));
        const int row = rowOfPurchase(QStringLiteral("EQ-0001"));
        QVERIFY(row >= 0);
        const QStringList cells = purchases()->item(row)->text().split(u'\t');
        QVERIFY(cells.at(3) != QStringLiteral("S/N"));
        emit purchases()->itemDoubleClicked(purchases()->item(row));
        QCOMPARE(field("ECodigoProducto")->text(), QStringLiteral("EQ-0001"));
        QString serialShown;
        insertItem([&serialShown](Tk9DetalleRecepcionForm &d) {
            serialShown = d.findChild<TVorelEdit *>(QStringLiteral("ESerialProducto"))->text();
            QCOMPARE(d.findChild<TVorelEdit *>(QStringLiteral("EFacturaDoc"))->text().isEmpty(), false);
        });
        QCOMPARE(serialShown, cells.at(3));
        const TRMAReg &item = m_form->document().items().first();
        QCOMPARE(item.serial, cells.at(3));
        QCOMPARE(item.invoice, cells.at(0));
        QVERIFY(item.fromHost);
        // The invoice is used once.
        QVERIFY(m_form->document().invoiceReference().isEmpty());
    }

    void serviceProductsAndEarlierReceptions()
    {
        m_messages.defaultAnswer = Answer::No;
        takeCustomer(QStringLiteral("C0000003"));
        type("ECodigoInventarioRMA", QStringLiteral("00000004"));
        QCOMPARE(text("LDescripInventarioRMA"), QStringLiteral("Laptop (equipo del cliente)"));
        insertItem();
        QCOMPARE(m_form->document().items().size(), 1);
        QVERIFY(!m_form->document().items().first().fromHost);

        // An earlier received item through the received-items browser.
        m_runner.choose = 0;
        child<QPushButton>("BCodigoProductoRMA006")->click();
        QCOMPARE(m_runner.kinds.last(), 17);
        QCOMPARE(m_runner.captions.last(), QStringLiteral("Documentos RMA"));
        const QString previous = m_form->document().previousReception();
        QVERIFY(!previous.isEmpty());
        QCOMPARE(field("ECodigoProductoRMA")->text(), previous);
        insertItem();
        QCOMPARE(m_form->document().items().size(), 2);
        QCOMPARE(m_form->document().items().last().previousReception, previous);
        QVERIFY(m_form->document().items().last().fromHost);
    }

    void anUnknownProductIsRefused()
    {
        m_messages.defaultAnswer = Answer::No;
        takeCustomer(QStringLiteral("C0000003"));
        m_messages.clear();
        type("ECodigoProducto", QStringLiteral("NADA"));
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Código invalido.")});
        QCOMPARE(text("LDescripProducto"), QStringLiteral("..."));
        QVERIFY(!child<QPushButton>("BInsertar003")->isEnabled());
        // Emptying the field gives the other sources back.
        field("ECodigoProducto")->setFocus();
        QTest::keyClick(field("ECodigoProducto"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field("ECodigoProducto"), Qt::Key_Backspace);
        QVERIFY(field("ECodigoInventarioRMA")->isEnabled());
    }

    void itemCommandsNeedACustomer()
    {
        m_form->itemCommand(int(ItemCommand::Modificar));
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Primero introduzca un cliente.")});
    }

    void modifyingAnItemChangesTheTotals()
    {
        m_messages.defaultAnswer = Answer::No;
        takeCustomer(QStringLiteral("C0000002"));
        type("ECodigoProducto", QStringLiteral("EQ-0002"));
        insertItem([](Tk9DetalleRecepcionForm &d) { setAmounts(d, "20", "0"); });
        items()->setCurrentRow(0);
        bool shown = false;
        QTimer::singleShot(0, m_detail.get(), [&] {
            shown = m_detail->isVisible();
            QCOMPARE(m_detail->findChild<QLabel *>(QStringLiteral("LStatus"))->text(), QStringLiteral("Modo Edición"));
            setAmounts(*m_detail, "30", "5");
            m_detail->findChild<TVorelNumberEdit *>(QStringLiteral("ECantidadProductos"))->SetInitText(2.0);
            m_detail->findChild<QPushButton *>(QStringLiteral("BAceptar001"))->click();
        });
        child<QPushButton>("BModificar005")->click();
        QVERIFY(shown);
        m_form->activateWindow();
        QCOMPARE(text("LTotal"), QStringLiteral("30,00"));
        QCOMPARE(text("LTotalAdelanto"), QStringLiteral("5,00"));
        QCOMPARE(text("LNroProductos"), QStringLiteral("2"));
        QCOMPARE(m_form->document().items().first().lineNumber, 1);
    }

    void theContactPhoneCanBeSavedToTheCustomer()
    {
        m_messages.defaultAnswer = Answer::No;
        takeCustomer(QStringLiteral("C0000005"));
        m_form->contacto();
        QVERIFY(child<QWidget>("PanelContacto")->isVisible());
        QVERIFY(!child<QWidget>("PanelPagina")->isEnabled());
        field("ETelefonoContacto")->setText(QStringLiteral("0414-1234567"));
        m_messages.clear();
        m_messages.defaultAnswer = Answer::Yes;
        child<QPushButton>("BGuardarTlf012")->click();
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Desea cambiar el campo teléfono en k9?")});
        QVERIFY(!child<QWidget>("PanelContacto")->isVisible());
        QVERIFY(child<QWidget>("PanelPagina")->isEnabled());
        QCOMPARE(m_form->document().contactPhone(), QStringLiteral("0414-1234567"));
        QCOMPARE(m_form->tables().customer(QStringLiteral("C0000005"))->phone, QStringLiteral("0414-1234567"));
    }

    void todaysAppointmentBecomesTheItem()
    {
        m_runner.choose = 0;
        m_form->citasDeHoy();
        QCOMPARE(m_runner.kinds.last(), 24);
        QVERIFY(m_form->document().hasCustomer());
        QCOMPARE(m_form->document().items().size(), 1);
        const TRMAReg &item = m_form->document().items().first();
        QCOMPARE(item.fromAppointment, quint8(1));
        QCOMPARE(item.receivedAs, int(ReceivedAs::Servicio));
        QCOMPARE(item.revisionAmount, m("10"));
        QVERIFY(!item.description.isEmpty());
        QVERIFY(!field("ECodigoCliente")->isEnabled());
        QCOMPARE(text("LTotal"), QStringLiteral("10,00"));
        QVERIFY(child<QPushButton>("BModificar005")->isEnabled());
    }

    void cancellingAndClosingAsk()
    {
        m_messages.defaultAnswer = Answer::No;
        takeCustomer(QStringLiteral("C0000002"));
        type("ECodigoProducto", QStringLiteral("EQ-0002"));
        insertItem();
        m_messages.clear();
        child<QPushButton>("BCancelar002")->click(); // answered No
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Desea cancelar la recepción?")});
        QVERIFY(m_form->document().hasItems());
        m_form->close();
        QVERIFY(m_form->isVisible());
        QCOMPARE(m_messages.texts().last(), QStringLiteral("Desea cancelar y cerrar el modulo de recepción?"));

        m_messages.defaultAnswer = Answer::Yes;
        child<QPushButton>("BCancelar002")->click();
        QVERIFY(!m_form->document().hasCustomer());
        QVERIFY(field("ECodigoCliente")->isEnabled());
        QVERIFY(!items()->hasRows());
        QCOMPARE(text("LDescripCliente"), QStringLiteral("..."));
        m_messages.clear();
        m_form->close(); // nothing to lose: no question
        QVERIFY(!m_form->isVisible());
        QVERIFY(m_messages.entries().isEmpty());
    }

    void theCustomerWindowHookAddsACustomer()
    {
        m_form->setAddCustomer([](QWidget *) { return QStringLiteral("C0000004"); });
        m_messages.defaultAnswer = Answer::No;
        QPushButton *add = child<QPushButton>("BIncluirCliente003");
        QVERIFY(add->isEnabled());
        add->click();
        QCOMPARE(text("LDescripCliente"), QStringLiteral("María Fernanda González"));
        QVERIFY(!add->isEnabled());
    }

    void procesarStoresPrintsAndShowsTheChange()
    {
        ScriptedPayment payment;
        TFormaPago cash;
        cash.type = PaymentKind::Efectivo;
        cash.amount = m("120");
        cash.factor = m("1");
        payment.result = {false, {cash}, m("11")};
        KeptPrints prints;
        m_form->setPaymentStep(&payment);
        m_form->setPrintStep(&prints);
        m_messages.defaultAnswer = Answer::No; // no history search
        takeCustomer(QStringLiteral("C0000002"));
        type("ECodigoProducto", QStringLiteral("EQ-0002"));
        insertItem([](Tk9DetalleRecepcionForm &d) { setAmounts(d, "100", "0"); });
        QVERIFY(child<QPushButton>("BGuardar012")->isEnabled());
        QVERIFY(!child<QPushButton>("BCargar013")->isEnabled());
        const QString number = text("LNumeroDocumento");
        m_messages.defaultAnswer = Answer::Yes;
        child<QPushButton>("BProcesar026")->click();

        QCOMPARE(prints.documents.size(), 1);
        QCOMPARE(prints.documents.first().number, number);
        QVERIFY(child<QFrame>("PanelVuelto")->isVisible());
        QCOMPARE(text("LVuelto"), taxDefaults().SimboloMoneda + QStringLiteral(" 11,00"));
        QCOMPARE(text("LVueltoTotal"), taxDefaults().SimboloMoneda + QStringLiteral(" 109,00"));
        QCOMPARE(text("LVueltoCancelado"), taxDefaults().SimboloMoneda + QStringLiteral(" 120,00"));
        QVERIFY(!items()->hasRows());
        QCOMPARE(text("LNumeroDocumento"), nextDocumentNumber(number.toLongLong()));
    }

    void cargarBringsThePendingDocumentBack()
    {
        m_messages.defaultAnswer = Answer::No; // no history search
        m_runner.choose = 0;
        child<QPushButton>("BCargar013")->click();
        QCOMPARE(m_runner.kinds.value(0), 16);
        QVERIFY(!m_messages.texts().contains(QStringLiteral("Error al cargar documento RMA.")));
        QCOMPARE(field("ECodigoCliente")->text(), QStringLiteral("C0000007"));
        QCOMPARE(items()->count(), 1);
        QVERIFY(child<QPushButton>("BGuardar012")->isEnabled());
        QVERIFY(child<QPushButton>("BProcesar026")->isEnabled());
        QVERIFY(!child<QPushButton>("BInsertar003")->isEnabled());
        QCOMPARE(m_form->document().loadedCode(), QString(kPendingDocumentCode));
    }

    // Processed and reprinted through the reception's print formats, then voided: each print
    // is a PDF file in the print directory.
    void processedReprintedAndVoided()
    {
        QTemporaryDir printDir;
        qputenv("K9RMA_PRINT_DIR", printDir.path().toUtf8());
        const auto pdfs = [&] { return QDir(printDir.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files).size(); };
        const QString formats = workspace::Dirs(m_scratch.path()).formats;
        QVERIFY(workspace::installDefaultFormats(formats));
        paths().DirFormatos = formats;
        m_messages.defaultAnswer = Answer::No; // no history search
        takeCustomer(QStringLiteral("C0000002"));
        type("ECodigoProducto", QStringLiteral("EQ-0002"));
        insertItem([](Tk9DetalleRecepcionForm &d) { setAmounts(d, "0", "0"); });
        m_messages.defaultAnswer = Answer::Yes;
        m_messages.clear();
        child<QPushButton>("BProcesar026")->click();
        QVERIFY2(!m_messages.texts().contains(QStringLiteral("Error al imprimir el documento.")),
                 qPrintable(m_messages.texts().join(u'/')));
        QCOMPARE(pdfs(), 1);

        m_runner.choose = 0;
        for (QAction *a : m_form->findChildren<QAction *>()) {
            if (a->text() == QStringLiteral("Reimpresión")) {
                a->trigger();
                break;
            }
        }
        QCOMPARE(m_runner.kinds.last(), 16);
        QCOMPARE(pdfs(), 2);

        m_messages.clear();
        m_form->findChild<QAction *>(QStringLiteral("TBAnular"))->trigger();
        QCOMPARE(m_messages.texts().last(), QStringLiteral("El documento RMA fue anulado."));
        qunsetenv("K9RMA_PRINT_DIR");
    }
};

QTEST_MAIN(TestReceptionForm)
#include "tst_receptionform.moc"
