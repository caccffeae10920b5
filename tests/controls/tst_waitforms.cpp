// The wait windows and the menu window's base.
#include "controls/EsperaForm.h"
#include "controls/FormFixture.h"
#include "controls/MenuConfigTree.h"
#include "controls/VorelFileMenuForm.h"
#include "controls/VorelWaitForm.h"
#include "core/Regional.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

using namespace k9;

namespace {

// A menu window with "&Mantenimiento" (two items, a separator, "&Salir") and "&RMA".
struct MenuWindow
{
    TVorelFileMenuForm form;
    QMenu *maintenance = form.menuBar()->addMenu(QStringLiteral("&Mantenimiento"));
    QAction *inventory = maintenance->addAction(QStringLiteral("&Inventario G&&S"));
    QAction *history = maintenance->addAction(QStringLiteral("&Historial"));
    QAction *separator = maintenance->addSeparator();
    QAction *exit = maintenance->addAction(QStringLiteral("&Salir"));
    QMenu *rma = form.menuBar()->addMenu(QStringLiteral("&RMA"));
    QAction *reception = rma->addAction(QStringLiteral("&Recepción"));
};

} // namespace

class WaitFormsTest : public QObject
{
    Q_OBJECT

private slots:
    void theStartUpWaitWindowClosesOnlyByTheProgram()
    {
        TVorelWaitForm wait;
        QCOMPARE(wait.windowTitle(), QStringLiteral("Espere cargando ..."));
        QVERIFY(wait.windowFlags() & Qt::FramelessWindowHint);
        wait.showLoading(QStringLiteral("Clientes"));
        QCOMPARE(wait.text(), QStringLiteral("Espere cargando, Clientes ..."));
        QVERIFY(wait.isVisible());
        QVERIFY(!wait.close());
        QTest::keyClick(&wait, Qt::Key_Escape);
        QVERIFY(wait.isVisible());
        wait.finish();
        QVERIFY(!wait.isVisible());
        wait.showLoading(QStringLiteral("Proveedores"));
        wait.closeAfter(10);
        QTRY_VERIFY(!wait.isVisible());
    }

    void theCommandWaitWindowIsCentred()
    {
        TEsperaForm wait;
        QCOMPARE(wait.text(), QStringLiteral("Espere cargando..."));
        wait.setText(QStringLiteral("Espere Ejecutando, Inventario G&&S..."));
        QCOMPARE(wait.shownText(), QStringLiteral("Espere Ejecutando, Inventario G&S..."));
        wait.setHelpTopic(120);
        wait.showNow();
        QVERIFY(wait.isVisible());
        QVERIFY(wait.windowFlags() & Qt::FramelessWindowHint);
        const QPoint centre = wait.screen()->availableGeometry().center();
        QVERIFY((wait.geometry().center() - centre).manhattanLength() <= 2);
        QCOMPARE(wait.helpTopic(), 120);
    }

    void theMenuWindowKeepsItsPanelsAndPictures()
    {
        FechaTrabajo = QStringLiteral("11/12/2026");
        MenuWindow w;
        QVERIFY(w.form.refusesEscape());
        QCOMPARE(w.form.panelFecha()->text(), QStringLiteral("11/12/2026"));
        QCOMPARE(w.form.menuStatusBar()->objectName(), QStringLiteral("MenuStatusBar"));
        QPixmap centre(100, 60), down(200, 40), right(80, 120);
        w.form.setImages(centre, down, right);
        w.form.resize(800, 600);
        QVERIFY(test::showActive(&w.form));
        const QWidget *area = w.form.workArea();
        const int width = area->width();
        const int height = area->height();
        QCOMPARE(w.form.imageRight()->geometry(), QRect(width - 80 - 15, height - 120, 80, 120));
        QCOMPARE(w.form.imageDown()->geometry(), QRect((width - 95 - 200) / 2, height - 40, 200, 40));
        QCOMPARE(w.form.imageCentro()->geometry(), QRect((width - 100) / 2, (height - 60) / 2, 100, 60));
        w.form.ShowHintText(QStringLiteral("Recepción de productos"));
        QCOMPARE(w.form.menuStatusBar()->currentMessage(), QStringLiteral("Recepción de productos"));
        test::press(Qt::Key_Escape);
        QVERIFY(w.form.isVisible());
    }

    void theMenuTreeEnablesAndRenamesItems()
    {
        MenuWindow w;
        w.form.showMenuConfig(true);
        MenuConfigTree *tree = w.form.menuConfigTree();
        QVERIFY(tree->isVisibleTo(&w.form));
        QCOMPARE(tree->topLevelItemCount(), 2);
        QTreeWidgetItem *maintenance = tree->topLevelItem(0);
        QCOMPARE(maintenance->childCount(), 4);
        QVERIFY(maintenance->font(0).bold());
        QVERIFY(!maintenance->child(0)->font(0).bold());

        QTreeWidgetItem *history = tree->itemOf(w.history);
        QVERIFY(history);
        history->setCheckState(0, Qt::Unchecked);
        QVERIFY(!w.history->isEnabled());
        history->setCheckState(0, Qt::Checked);
        QVERIFY(w.history->isEnabled());

        history->setText(0, QString(50, u'x'));
        QCOMPARE(w.history->text(), QString(40, u'x'));
        QCOMPARE(history->text(0), QString(40, u'x'));
        history->setText(0, QStringLiteral("   "));
        QCOMPARE(w.history->text(), QStringLiteral("&Historial")); // empty: the caption comes back

        QTreeWidgetItem *separator = tree->itemOf(w.separator);
        QCOMPARE(separator->text(0), QStringLiteral("-"));
        QVERIFY(!(separator->flags() & Qt::ItemIsEditable));

        tree->markAll(false);
        QVERIFY(!w.inventory->isEnabled());
        QVERIFY(!w.reception->isEnabled());
        QVERIFY(!w.rma->menuAction()->isEnabled());
        tree->markAll(true);
        QVERIFY(w.exit->isEnabled());

        emit tree->closeRequested();
        QVERIFY(!tree->isVisibleTo(&w.form));
    }
};

QTEST_MAIN(WaitFormsTest)
#include "tst_waitforms.moc"
