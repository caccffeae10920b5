// The item detail window driven through its controls: modes, the revision, the days left,
// the Aceptar checks, the components page and the user-defined fields.
#include "controls/LookupCombo.h"
#include "controls/MemoVorel.h"
#include "controls/VorelDateEdit.h"
#include "controls/VorelEdit.h"
#include "controls/VorelList.h"
#include "controls/VorelNumberEdit.h"
#include "core/CodeLists.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Regional.h"
#include "data/Query.h"
#include "data/Startup.h"
#include "data/Workspace.h"
#include "reception/ui/Tk9DetalleRecepcionForm.h"
#include "support/TestWorkspace.h"
#include "workspace/DemoCompany.h"
#include "workspace/WorkspaceBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace k9;

namespace {

Money m(const char *text)
{
    return Money::parse(QString::fromLatin1(text)).value();
}

TRMAReg proposedItem()
{
    TRMAReg i;
    i.productCode = QStringLiteral("EQ-0001");
    i.fromHost = true;
    i.category = QStringLiteral("Equipos");
    i.description = QStringLiteral("Portátil");
    i.serial = QStringLiteral("SN-1");
    i.revisionAmount = options().FC_MTOREVISION;
    i.receivedAs = ReceivedAs::Servicio;
    i.priority = ItemPriority::Media;
    i.quantity = 1;
    i.receptionDate = QDate::currentDate().startOfDay();
    i.receiverCode = QStringLiteral("V002");
    return i;
}

TCompReg component(const QString &code)
{
    TCompReg c;
    c.code = code;
    c.quantity = 1;
    return c;
}

} // namespace

class TestDetalleForm : public QObject
{
    Q_OBJECT

    test::ScratchDir m_scratch;
    ScriptedMessages m_messages;
    MessageSinkGuard m_guard{&m_messages};
    std::unique_ptr<Tk9DetalleRecepcionForm> m_form;

    template<typename T>
    T *child(const char *name)
    {
        auto *w = m_form->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qWarning("no control %s", name);
        return w;
    }
    void click(const char *name)
    {
        QPushButton *b = child<QPushButton>(name);
        QVERIFY(b);
        QVERIFY2(b->isEnabled(), name);
        b->click();
    }
    void open(const TRMAReg &item, Tk9DetalleRecepcionForm::ItemMode mode, bool editable)
    {
        const QString status = mode == Tk9DetalleRecepcionForm::ItemMode::Insertion
                                   ? QStringLiteral("Modo Inserción")
                                   : editable ? QStringLiteral("Modo Edición") : QStringLiteral("Modo Lectura");
        m_form->prepare(item, mode, editable, status);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    Money revision() { return child<TVorelNumberEdit>("EMonto2")->moneyValue(); }

private slots:
    void initTestCase()
    {
        QVERIFY(workspace::createWorkspace(m_scratch.path()));
        QVERIFY(workspace::fillDemoCompany(m_scratch.path()));
        QCOMPARE(loadWorkspace(m_scratch.path()), StartupResult::Ready);
        applySeparators(u',', u'.');
        // A user-defined field placed on the window, and one not placed.
        auto rma = Database::open(paths().DirRMA, Database::OpenMode::Existing);
        QVERIFY(insertRow(*rma, QStringLiteral("k9DetalleRecepcionConfig"),
                          {{QStringLiteral("FS_CAMPO"), QStringLiteral("RMD_ZCAMPO0")},
                           {QStringLiteral("FS_NOMCOMP"), QStringLiteral("GarantiaExt")},
                           {QStringLiteral("FS_USACOMP"), true},
                           {QStringLiteral("FS_TITULO"), QStringLiteral("GarantiaExt")},
                           {QStringLiteral("FS_TIPO"), QStringLiteral("Alfanumérico")}}));
        QVERIFY(insertRow(*rma, QStringLiteral("k9DetalleRecepcionConfig"),
                          {{QStringLiteral("FS_CAMPO"), QStringLiteral("RMD_ZCAMPO1")},
                           {QStringLiteral("FS_NOMCOMP"), QStringLiteral("NO_COMP1")},
                           {QStringLiteral("FS_USACOMP"), false},
                           {QStringLiteral("FS_TITULO"), QStringLiteral("Otro")},
                           {QStringLiteral("FS_TIPO"), QStringLiteral("Booleano")}}));
        options().FC_MTOREVISION = m("50");
        options().FC_CAMPOFALLA = false; // the demo asks for the faults; these tests do not
        taxDefaults().SimboloMoneda = QStringLiteral("Bs.");
        m_form = std::make_unique<Tk9DetalleRecepcionForm>();
    }
    void init()
    {
        m_messages.clear();
        options().FC_CAMBIARMTOREV = false;
    }
    void cleanup()
    {
        if (m_form->isVisible())
            m_form->cancelar();
    }

    void insertionShowsTheProposedItem()
    {
        open(proposedItem(), Tk9DetalleRecepcionForm::ItemMode::Insertion, true);
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Detalle de Recepción"));
        QCOMPARE(child<QLabel>("LStatus")->text(), QStringLiteral("Modo Inserción"));
        QCOMPARE(child<TVorelEdit>("EDescripProductos")->text(), QStringLiteral("Portátil"));
        QCOMPARE(child<TVorelEdit>("EDepartamentoProducto")->text(), QStringLiteral("Equipos"));
        QCOMPARE(child<QComboBox>("ComboBPrioridad")->currentText(), QStringLiteral("Media"));
        QVERIFY(child<QRadioButton>("RGStatusProducto1")->isChecked());
        QCOMPARE(revision(), m("50"));
        QCOMPARE(child<LookupCombo>("LookUpComboEmp")->currentText(), QStringLiteral("Carmen Villalobos"));
        QCOMPARE(child<TVorelDateEdit>("EFechaProductos")->date(), QDate::currentDate());
        QVERIFY(child<TVorelDateEdit>("EFechaVenceProd")->text().isEmpty());
        QCOMPARE(child<TVorelNumberEdit>("ETiempoProducto")->integerValue(), 0);
        const QString hour = child<QLineEdit>("MaskEHora")->text();
        QCOMPARE(hour.size(), 5);
        QVERIFY(!child<TVorelList>("ListaComponentes")->hasRows());
        // The placed field has its control; the other one has none.
        QVERIFY(child<TVorelEdit>("GarantiaExt"));
        QVERIFY(!m_form->findChild<QWidget *>(QStringLiteral("NO_COMP1")));
        QCOMPARE(m_form->registros().size(), 2);
    }

    void anEmptySerialShowsSN()
    {
        TRMAReg item = proposedItem();
        item.serial.clear();
        open(item, Tk9DetalleRecepcionForm::ItemMode::Insertion, true);
        QCOMPARE(child<TVorelEdit>("ESerialProducto")->text(), QStringLiteral("S/N"));
    }

    void warrantyTakesNoRevisionAndIsAccepted()
    {
        open(proposedItem(), Tk9DetalleRecepcionForm::ItemMode::Insertion, true);
        child<QRadioButton>("RGStatusProducto0")->click();
        QCOMPARE(revision(), Money());
        click("BAceptar001");
        QVERIFY(m_form->accepted());
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_form->item().receivedAs, int(ReceivedAs::Garantia));
        QCOMPARE(m_form->item().revisionAmount, Money());
        QVERIFY(m_messages.entries().isEmpty());
    }

    void aRevisionBelowTheMinimumIsRefused()
    {
        open(proposedItem(), Tk9DetalleRecepcionForm::ItemMode::Insertion, true);
        TVorelNumberEdit *amount = child<TVorelNumberEdit>("EMonto2");
        amount->SetInitText(m("20"));
        click("BAceptar001");
        QVERIFY(!m_form->accepted());
        QVERIFY(m_form->isVisible());
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("El monto minimo de revisión configurado es 50 Bs..")});
        QCOMPARE(QApplication::focusWidget(), amount);

        m_messages.clear();
        options().FC_CAMBIARMTOREV = true;
        click("BAceptar001");
        QVERIFY(m_form->accepted());
        QCOMPARE(m_form->item().revisionAmount, m("20"));
    }

    void theExpiryGivesTheDaysLeft()
    {
        open(proposedItem(), Tk9DetalleRecepcionForm::ItemMode::Insertion, true);
        TVorelDateEdit *expiry = child<TVorelDateEdit>("EFechaVenceProd");
        expiry->setDate(QDate::currentDate().addDays(10));
        QCOMPARE(child<TVorelNumberEdit>("ETiempoProducto")->integerValue(), 10);
        expiry->setDate(QDate::currentDate().addDays(-1));
        QCOMPARE(m_form->daysLeft(), 0);
        expiry->setDate(QDate::currentDate().addDays(30));
        click("BAceptar001");
        QCOMPARE(m_form->item().warrantyExpiry.date(), QDate::currentDate().addDays(30));
        QCOMPARE(m_form->daysLeft(), 30);
    }

    void aReadOnlyViewChangesNothing()
    {
        TRMAReg stored = proposedItem();
        stored.condition = QStringLiteral("Rayado");
        stored.revisionAmount = m("75");
        stored.reason = Reason::Reparacion;
        stored.warrantyExpiry = QDate::currentDate().addDays(5).startOfDay();
        stored.components = {component(QStringLiteral("CARGADOR"))};
        open(stored, Tk9DetalleRecepcionForm::ItemMode::Existing, false);
        QCOMPARE(child<QLabel>("LStatus")->text(), QStringLiteral("Modo Lectura"));
        QCOMPARE(revision(), m("75"));
        QCOMPARE(child<QComboBox>("ComboBRazon")->currentText(), QStringLiteral("Reparación"));
        QCOMPARE(m_form->daysLeft(), 5);
        QVERIFY(child<TVorelEdit>("EDescripProductos")->isReadOnly());
        QVERIFY(child<TMemoVorel>("MDetalleProducto")->isReadOnly());
        QVERIFY(!child<QComboBox>("ComboBRazon")->isEnabled());
        QVERIFY(!child<QGroupBox>("RGStatusProducto")->isEnabled());
        QVERIFY(!child<QCheckBox>("CheckBTerceros")->isEnabled());
        QVERIFY(!child<QWidget>("Panel2")->isEnabled());
        QVERIFY(child<TVorelList>("ListaComponentes")->hasRows());

        QTest::keyClicks(child<TVorelEdit>("EDescripProductos"), QStringLiteral("XYZ"));
        click("BAceptar001");
        QVERIFY(m_form->accepted());
        QCOMPARE(m_form->item().description, stored.description);
        QCOMPARE(m_form->item().components, stored.components);
    }

    void anEditedItemGivesBackEveryValue()
    {
        TRMAReg stored = proposedItem();
        stored.itemKey = QStringLiteral("41");
        open(stored, Tk9DetalleRecepcionForm::ItemMode::Existing, true);
        QVERIFY(!child<TVorelEdit>("EDescripProductos")->isReadOnly());
        child<TVorelNumberEdit>("EMonto1")->SetInitText(m("12.5"));
        child<TVorelNumberEdit>("ECantidadProductos")->SetInitText(3.0);
        child<QComboBox>("ComboBPrioridad")->setCurrentIndex(ItemPriority::Maxima);
        child<QCheckBox>("CheckBTerceros")->click();
        child<TMemoVorel>("MDetalleProducto2")->setPlainText(QStringLiteral("No enciende"));
        child<TVorelEdit>("EFacturaDoc")->setText(QStringLiteral("00010099"));
        child<TVorelEdit>("GarantiaExt")->setText(QStringLiteral("12 meses"));
        click("BAceptar001");
        const TRMAReg &back = m_form->item();
        QCOMPARE(back.advance, m("12.5"));
        QCOMPARE(back.quantity, 3);
        QCOMPARE(back.priority, int(ItemPriority::Maxima));
        QVERIFY(back.outsideParty);
        QCOMPARE(back.faults, QStringLiteral("No enciende"));
        QCOMPARE(back.invoice, QStringLiteral("00010099"));
        QCOMPARE(back.receiverName, QStringLiteral("Carmen Villalobos"));
        QCOMPARE(back.itemKey, QStringLiteral("41")); // passes through
        QCOMPARE(back.productCode, QStringLiteral("EQ-0001"));
        QCOMPARE(back.userFields,
                 (QList<TNewCampos>{{QStringLiteral("GarantiaExt"), ControlKind::Edit, QStringLiteral("12 meses"),
                                     QStringLiteral("RMD_ZCAMPO0")}}));

        // Shown again, the value is back in its control; a new item starts empty.
        open(back, Tk9DetalleRecepcionForm::ItemMode::Existing, true);
        QCOMPARE(child<TVorelEdit>("GarantiaExt")->text(), QStringLiteral("12 meses"));
        m_form->cancelar();
        open(proposedItem(), Tk9DetalleRecepcionForm::ItemMode::Insertion, true);
        QVERIFY(child<TVorelEdit>("GarantiaExt")->text().isEmpty());
    }

    void componentsAreAddedEditedAndRemoved()
    {
        open(proposedItem(), Tk9DetalleRecepcionForm::ItemMode::Insertion, true);
        TVorelEdit *code = child<TVorelEdit>("ECodigoComp");
        QVERIFY(code->isReadOnly());
        click("BInsertar009");
        QVERIFY(!code->isReadOnly());
        QVERIFY(!child<QPushButton>("BAceptar001")->isEnabled());
        QVERIFY(!child<QPushButton>("BCancelar002")->isEnabled());
        QTest::keyClicks(code, QStringLiteral("CARGADOR"));
        QTest::keyClicks(child<TVorelEdit>("EDescripComp"), QStringLiteral("Cargador 65W"));
        click("BGuardar0012");
        QVERIFY(code->isReadOnly());
        QVERIFY(code->text().isEmpty());
        TVorelList *list = m_form->componentList();
        QVERIFY(list->hasRows());
        QVERIFY(child<QPushButton>("BAceptar001")->isEnabled());

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QCOMPARE(code->text(), QStringLiteral("CARGADOR"));
        click("BModificar024");
        child<TVorelNumberEdit>("ECantidadComp")->SetInitText(2.0);
        click("BGuardar0012");

        click("BAceptar001");
        QCOMPARE(m_form->item().components.size(), 1);
        QCOMPARE(m_form->item().components.first().code, QStringLiteral("CARGADOR"));
        QCOMPARE(m_form->item().components.first().description, QStringLiteral("Cargador 65W"));
        QCOMPARE(m_form->item().components.first().quantity, 2);

        // Removing the last one leaves only Insertar.
        open(m_form->item(), Tk9DetalleRecepcionForm::ItemMode::Existing, true);
        m_form->componentList()->setCurrentRow(0);
        click("BBorrar010");
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Desea eliminar el componente?")});
        QVERIFY(!m_form->componentList()->hasRows());
        QVERIFY(child<QPushButton>("BInsertar009")->isEnabled());
        QVERIFY(!child<QPushButton>("BModificar024")->isEnabled());
        QVERIFY(!child<QPushButton>("BBorrar010")->isEnabled());
    }

    void cancellingTheDetailLeavesTheItemWithoutItsNewComponent()
    {
        const TRMAReg item = proposedItem();
        open(item, Tk9DetalleRecepcionForm::ItemMode::Existing, true);
        click("BInsertar009");
        QTest::keyClicks(child<TVorelEdit>("ECodigoComp"), QStringLiteral("BATERIA"));
        click("BGuardar0012");
        click("BCancelar002");
        QVERIFY(!m_form->accepted());
        QVERIFY(!m_form->isVisible());
        open(item, Tk9DetalleRecepcionForm::ItemMode::Existing, true);
        QVERIFY(!m_form->componentList()->hasRows());
    }

    void aSixthComponentIsRefused()
    {
        TRMAReg item = proposedItem();
        for (int i = 0; i < 5; ++i)
            item.components << component(QStringLiteral("C%1").arg(i));
        open(item, Tk9DetalleRecepcionForm::ItemMode::Existing, true);
        click("BInsertar009");
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Un producto admite como máximo 5 componentes.")});
        QVERIFY(child<TVorelEdit>("ECodigoComp")->isReadOnly());
        QVERIFY(child<QPushButton>("BAceptar001")->isEnabled());
    }

    void escapeWhileEditingAComponentDropsIt()
    {
        open(proposedItem(), Tk9DetalleRecepcionForm::ItemMode::Insertion, true);
        click("BInsertar009");
        QTest::keyClicks(child<TVorelEdit>("ECodigoComp"), QStringLiteral("X"));
        QTest::keyClick(child<TVorelEdit>("ECodigoComp"), Qt::Key_Escape);
        QVERIFY(!m_form->isVisible());
        QVERIFY(!m_form->accepted());
        QVERIFY(!m_form->componentEditor().isEditing());
        QVERIFY(child<TVorelEdit>("ECodigoComp")->text().isEmpty());
    }
};

QTEST_MAIN(TestDetalleForm)
#include "tst_detalleform.moc"
