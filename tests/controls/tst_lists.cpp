// The owner-drawn lists: the "$" convention, the cell geometry, and what is painted.
#include "controls/ListDrawing.h"
#include "controls/ListPlaceholder.h"
#include "controls/ListRowDelegate.h"
#include "controls/VorelHorizontalList.h"
#include "controls/VorelList.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QtTest>

using namespace k9;

namespace {

// A header with sections of 50, 80 and 40 pixels.
struct Header
{
    QStandardItemModel model{0, 3};
    QHeaderView view{Qt::Horizontal};

    Header()
    {
        view.setModel(&model);
        view.setStretchLastSection(false);
        view.resizeSection(0, 50);
        view.resizeSection(1, 80);
        view.resizeSection(2, 40);
    }
};

} // namespace

class ListsTest : public QObject
{
    Q_OBJECT

private slots:
    void anEmptyListHoldsTheDollarRow()
    {
        TVorelList list;
        list.resetRows();
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.item(0)->text(), QStringLiteral("$"));
        QVERIFY(!list.isEnabled());
        QVERIFY(!list.hasRows());
        QCOMPARE(list.rowCountOwn(), 0);

        list.appendRow(QStringLiteral("RMA-1"));
        list.appendRow(QStringLiteral("RMA-2"));
        QVERIFY(list.hasRows());
        QVERIFY(list.isEnabled());
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.item(0)->text(), QStringLiteral("RMA-1"));

        list.removeRow(0);
        QCOMPARE(list.rowCountOwn(), 1);
        list.removeRow(0);
        QCOMPARE(list.count(), 1);
        QVERIFY(!list.hasRows());
        QVERIFY(!list.isEnabled());
        list.removeRow(0); // the "$" row is not a row to remove
        QCOMPARE(list.count(), 1);
    }

    void cellsFollowTheHeaderSections()
    {
        Header h;
        const QRect row(10, 20, 300, 16);
        QCOMPARE(cellRect(&h.view, row, 0), QRect(10, 20, 49, 16));
        QCOMPARE(cellRect(&h.view, row, 1), QRect(60, 20, 79, 16)); // one pixel right of the first cell
        QCOMPARE(cellRect(&h.view, row, 2), QRect(140, 20, 39, 16));
        QCOMPARE(cellTextRect(QRect(60, 20, 79, 16), false).topLeft(), QPoint(62, 21));
        QCOMPARE(cellTextRect(QRect(60, 20, 79, 16), true).right(), 60 + 79 - 4 - 1);
        QCOMPARE(columnLines(&h.view, 10), (QList<int>{10 + 50 - 2, 10 + 130 - 1}));
        h.view.moveSection(2, 0); // lines go by visual order: 40, 50, 80
        QCOMPARE(columnLines(&h.view, 0), (QList<int>{38, 89}));
        h.view.hideSection(1);
        QCOMPARE(columnLines(&h.view, 0), (QList<int>{38}));
    }

    void stripesSelectionAndEmptyRowsArePainted()
    {
        Header h;
        TVorelList list;
        list.setHeader(&h.view);
        list.rowDelegate()->setStriped(true);
        list.resize(220, 200);
        list.appendRow(QStringLiteral("A\t1"));
        list.appendRow(QStringLiteral("B\t2"));
        list.appendRow(QStringLiteral("C\t3"));
        list.setCurrentRow(2);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QImage image = list.viewport()->grab().toImage();
        const int rowHeight = list.visualItemRect(list.item(0)).height();
        QVERIFY(rowHeight > 0);
        auto colourAt = [&](int row) { return QColor(image.pixel(200, row * rowHeight + rowHeight / 2)); };
        QCOMPARE(colourAt(0), listcolours::kStripe);
        QCOMPARE(colourAt(1), listcolours::kBackground);
        QCOMPARE(colourAt(2), list.palette().color(QPalette::Active, QPalette::Highlight));
        QCOMPARE(colourAt(3), listcolours::kBackground); // empty rows go on striping
        QCOMPARE(colourAt(4), listcolours::kStripe);
        // The line after the first section runs to the bottom, over the empty rows.
        QCOMPARE(QColor(image.pixel(48, rowHeight * 5 + 2)), listcolours::kStripedLine);
    }

    void theDollarRowDrawsNothing()
    {
        TVorelList list;
        list.resize(200, 100);
        list.resetRows();
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QImage image = list.viewport()->grab().toImage();
        for (int x = 0; x < 40; ++x) {
            for (int y = 0; y < 14; ++y)
                QCOMPARE(QColor(image.pixel(x, y)), listcolours::kBackground);
        }
    }

    void scrollBars()
    {
        TVorelList list;
        QCOMPARE(list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        TVorelHorizontalList wide;
        wide.resize(200, 100);
        wide.appendRow(QStringLiteral("fila"));
        wide.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wide));
        QCOMPARE(wide.horizontalScrollBar()->maximum(), 0);
        wide.setHScroll(900);
        QCOMPARE(wide.HScroll(), 900);
        QTRY_VERIFY(wide.horizontalScrollBar()->maximum() > 600);
    }
};

QTEST_MAIN(ListsTest)
#include "tst_lists.moc"
