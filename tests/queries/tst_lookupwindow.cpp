// The browser window: page display, scroll bar, keys, search box, status menu, choosing.
#include "LookupFixture.h"

#include "controls/VorelListFocus.h"
#include "core/Messages.h"
#include "data/TableHelpers.h"
#include "queries/ui/LookupWindows.h"
#include "queries/ui/NInfoMainFileForm.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

using namespace k9;
using namespace k9::test;

namespace {

QString code(int n)
{
    return QStringLiteral("C%1").arg(n, 3, 10, QChar(u'0'));
}

} // namespace

class LookupWindowTest : public QObject
{
    Q_OBJECT

private:
    ScriptedMessages m_messages;
    std::unique_ptr<MessageSinkGuard> m_guard;
    std::unique_ptr<LookupFixture> m_fixture;

    QString firstShown(TVorelInfoForm &form)
    {
        return form.findChild<TVorelListFocus *>(QStringLiteral("ListItems"))->item(0)->text();
    }

private slots:
    void init()
    {
        m_messages.clear();
        m_guard = std::make_unique<MessageSinkGuard>(&m_messages);
        LookupBrowser::setRememberedSearchEntry(-1);
        m_fixture = std::make_unique<LookupFixture>();
        LookupFixture &f = *m_fixture;
        f.create(*f.data, QStringLiteral("SClientes"));
        Transaction t(*f.data);
        for (int i = 0; i < 60; ++i)
            f.insert(*f.data, QStringLiteral("SClientes"),
                     {{QStringLiteral("FC_CODIGO"), code(i)},
                      {QStringLiteral("FC_DESCRIPCION"), QStringLiteral("Cliente %1").arg(i)},
                      {QStringLiteral("FC_STATUS"), 1}});
        QVERIFY(t.commit());
    }
    void cleanup()
    {
        m_fixture.reset();
        m_guard.reset();
    }

    void theWindowShowsOnePageOfTheTable()
    {
        LookupBrowser b(14);
        QCOMPARE(b.open(m_fixture->data, QStringLiteral("SClientes")), LookupBrowser::Opened::Ready);
        Tk9NInfoMainFileForm form(nullptr, b);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Listado de Clientes"));
        const int rows = form.visibleRows();
        QVERIFY(rows >= LookupBrowser::kDefaultPageRows);
        auto *list = form.findChild<TVorelListFocus *>(QStringLiteral("ListItems"));
        QCOMPARE(list->count(), rows);
        QCOMPARE(b.rows().size(), rows + LookupBrowser::kExtraRows);
        auto *scroll = form.findChild<QScrollBar *>(QStringLiteral("ScrollV"));
        QCOMPARE(scroll->maximum(), 60 - rows);
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("LabelTotal"))->text(), QStringLiteral("Total registros : 60"));
        auto *header = form.findChild<QHeaderView *>(QStringLiteral("Titulos"));
        QCOMPARE(header->count(), 7);
        for (int s = 0; s < header->count(); ++s)
            QVERIFY(header->sectionSize(s) >= 50);
        // "Descripción" is 20 characters of the font.
        QCOMPARE(header->sectionSize(1), 20 * QFontInfo(list->font()).pixelSize());
        // No search column but the code: the menu has one entry.
        QCOMPARE(form.findChild<QMenu *>(QStringLiteral("MenuButtom"))->actions().size(), 1);

        scroll->setValue(30);
        QCOMPARE(firstShown(form), code(30));
        scroll->setValue(scroll->maximum());
        QCOMPARE(firstShown(form), code(60 - rows));
        scroll->setValue(0);
        QCOMPARE(firstShown(form), code(0));
    }

    void keysPageAndWrap()
    {
        LookupBrowser b(14);
        b.open(m_fixture->data, QStringLiteral("SClientes"));
        Tk9NInfoMainFileForm form(nullptr, b);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *list = form.findChild<TVorelListFocus *>(QStringLiteral("ListItems"));
        const int rows = form.visibleRows();
        QCOMPARE(form.selectedRow(), 0);
        QTest::keyClick(list, Qt::Key_PageDown);
        QCOMPARE(firstShown(form), code(rows));
        QCOMPARE(form.findChild<QScrollBar *>(QStringLiteral("ScrollV"))->value(), rows);
        QTest::keyClick(list, Qt::Key_Up); // wraps to the last row of the page
        QCOMPARE(form.selectedRow(), rows - 1);
        QTest::keyClick(list, Qt::Key_Down); // and back to the first
        QCOMPARE(form.selectedRow(), 0);
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(form.selectedRow(), rows - 1);
        QCOMPARE(list->item(rows - 1)->text(), code(59));
        QTest::keyClick(list, Qt::Key_PageUp);
        QCOMPARE(firstShown(form), code(60 - 2 * rows));
        QTest::keyClick(list, Qt::Key_Home);
        QCOMPARE(firstShown(form), code(0));

        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.choice().code, code(1));
    }

    void theSearchBoxRunsTheSearch()
    {
        LookupBrowser b(14);
        b.open(m_fixture->data, QStringLiteral("SClientes"));
        Tk9NInfoMainFileForm form(nullptr, b);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *box = form.findChild<QComboBox *>(QStringLiteral("TextSearch"));
        QTest::keyClicks(box->lineEdit(), QStringLiteral("c05"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(b.recordCount(), 10); // C050 .. C059 (and "D" itself, none)
        QCOMPARE(firstShown(form), code(50));
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("LabelTotal"))->text(), QStringLiteral("Total registros : 10"));
        QCOMPARE(box->count(), 1);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return); // the same text is not added twice
        QCOMPARE(box->count(), 1);
        // The word filter works within the range, and keeps the text in the box.
        form.runSearch(QStringLiteral("*cliente 5,cliente 1"));
        QCOMPARE(b.recordCount(), 10);
        QCOMPARE(box->currentText(), QStringLiteral("*cliente 5,cliente 1"));
        form.runSearch(QString());
        form.runSearch(QStringLiteral("*cliente 1"));
        QCOMPARE(b.recordCount(), 11);
        // Double click chooses.
        auto *list = form.findChild<TVorelListFocus *>(QStringLiteral("ListItems"));
        const QRect second = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(form.choice().code, code(10));
    }

    void theStatusMenuOfReceptions()
    {
        LookupFixture &f = *m_fixture;
        f.create(*f.rma, QStringLiteral("k9Recepcion"));
        for (int i = 1; i <= 6; ++i)
            f.insert(*f.rma, QStringLiteral("k9Recepcion"),
                     {{QStringLiteral("RMA_CODIGO"), QStringLiteral("0000000%1").arg(i)},
                      {QStringLiteral("RMA_STATUSDOC"), i % 2 ? 2 : 8}});
        LookupBrowser b(16);
        LookupOptions options;
        options.statusMenu = {{2, 8}, 2};
        b.open(f.rma, QStringLiteral("k9Recepcion"), options);
        Tk9NInfoMainFileForm form(nullptr, b);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *button = form.findChild<QToolButton *>(QStringLiteral("BEstado"));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("&Estado"));
        QCOMPARE(button->toolTip(), QStringLiteral("Estado Transacción"));
        QMenu *menu = form.statusMenu();
        QStringList captions;
        for (QAction *a : menu->actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{QStringLiteral("Pendientes"), QStringLiteral("Recibidos"),
                                        QStringLiteral("Presupuestados"), QStringLiteral("En Servicio"),
                                        QStringLiteral("Finalizados"), QStringLiteral("Entregados"),
                                        QStringLiteral("Anulados")}));
        QVERIFY(!menu->actions()[0]->isEnabled());
        QVERIFY(menu->actions()[1]->isChecked());
        QCOMPARE(b.recordCount(), 3);
        menu->actions()[5]->trigger(); // "Entregados"
        QVERIFY(menu->actions()[5]->isChecked());
        QVERIFY(!menu->actions()[1]->isChecked());
        QCOMPARE(firstShown(form), QStringLiteral("00000002"));
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("LabelTotal"))->text(), QStringLiteral("Total registros : 3"));
        menu->actions()[5]->trigger(); // unchecked: all of them
        QCOMPARE(b.recordCount(), 6);
    }

    void buscarEnListaShowsTheWindow()
    {
        Table table;
        QVERIFY(AbrirTabla(table, QStringLiteral("SClientes"), m_fixture->data));
        QTimer::singleShot(0, this, [] {
            auto *form = qobject_cast<Tk9NInfoMainFileForm *>(QApplication::activeModalWidget());
            if (!form)
                return;
            auto *list = form->findChild<TVorelListFocus *>(QStringLiteral("ListItems"));
            QTest::keyClick(list, Qt::Key_PageDown);
            QTest::keyClick(list, Qt::Key_Enter);
        });
        QString chosen;
        QLabel label;
        QToolButton button;
        BuscarCodigo(&label, &button, nullptr, chosen, 14, QString(), QStringLiteral("FC_DESCRIPCION"), QString(), table);
        QVERIFY(!chosen.isEmpty());
        QCOMPARE(label.text(), QStringLiteral("Cliente ") + QString::number(chosen.mid(1).toInt()));

        QLineEdit field;
        field.setText(QStringLiteral("NOPE"));
        BuscarCodigo(&label, &field, nullptr, chosen, 14, QString(), QStringLiteral("FC_DESCRIPCION"), QString(), table);
        QVERIFY(chosen.isEmpty());
        QCOMPARE(label.text(), QStringLiteral("..."));
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Código  [NOPE]  no encontrado")});
    }
};

QTEST_MAIN(LookupWindowTest)
#include "tst_lookupwindow.moc"
