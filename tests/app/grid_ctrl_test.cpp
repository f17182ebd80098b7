// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_ctrl.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "qt_test_app.h"

using namespace kores;

namespace {

// A title grid: count, one integer and two text columns, rows coloured.
class GridCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColumns({{"#", 25, ESortKind::Number},
                         {"VEHNO", 50, ESortKind::Number},
                         {"SENATT", 50, ESortKind::Text},
                         {"DASTAT", 25, ESortKind::None}});
        grid.Model().AppendRow({"2", "10", "HEAD", "AM"});
        grid.Model().AppendRow({"11", "2", "", "CF"}, QColor(240, 110, 90));
        grid.Model().AppendRow({"3", "1", "CHST", "NO"}, QColor(0, 225, 0));
        grid.Model().AppendRow({"1", "2", "ABDO", "QD"});
        grid.resize(400, 300);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    QStringList Column(int column) const
    {
        QStringList cells;
        for (int r = 0; r < grid.Model().RowCount(); ++r) {
            cells << grid.Model().CellText(r, column);
        }
        return cells;
    }

    void ClickHeadingWithMouse(int column)
    {
        QHeaderView* header = grid.horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }

    void ClickCell(int row, int column)
    {
        const QRect cell = grid.visualRect(grid.Model().index(row, column));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    }

    QApplication& app = TestApp();  // before any widget
    CGridCtrl grid;
};

TEST_F(GridCtrlTest, HeadingClickSortsAscendingThenReverses)
{
    ClickHeadingWithMouse(0);
    EXPECT_EQ(Column(0), QStringList({"1", "2", "3", "11"}));  // numbers, not text order
    ClickHeadingWithMouse(0);
    EXPECT_EQ(Column(0), QStringList({"11", "3", "2", "1"}));
    ClickHeadingWithMouse(1);  // a new column starts ascending; equal keys keep their order
    EXPECT_EQ(Column(1), QStringList({"1", "2", "2", "10"}));
    EXPECT_EQ(Column(0), QStringList({"3", "11", "1", "2"}));
}

TEST_F(GridCtrlTest, EmptyTextSortsLastInBothDirections)
{
    grid.ClickHeading(2);
    EXPECT_EQ(Column(2), QStringList({"ABDO", "CHST", "HEAD", ""}));
    grid.ClickHeading(2);
    EXPECT_EQ(Column(2), QStringList({"HEAD", "CHST", "ABDO", ""}));
}

TEST_F(GridCtrlTest, ColumnWithoutSortKeepsOrderAndReportsClick)
{
    QSignalSpy clicked(&grid, &CGridCtrl::HeadingClicked);
    const QStringList before = Column(3);
    ClickHeadingWithMouse(3);
    EXPECT_EQ(Column(3), before);
    EXPECT_EQ(grid.Model().SortedColumn(), -1);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 3);
}

TEST_F(GridCtrlTest, SortedHeadingIsColouredAndPreviousReset)
{
    const auto& model = grid.Model();
    grid.ClickHeading(0);
    EXPECT_TRUE(model.headerData(0, Qt::Horizontal, Qt::BackgroundRole).isValid());
    grid.ClickHeading(2);
    EXPECT_FALSE(model.headerData(0, Qt::Horizontal, Qt::BackgroundRole).isValid());
    EXPECT_TRUE(model.headerData(2, Qt::Horizontal, Qt::BackgroundRole).isValid());
}

TEST_F(GridCtrlTest, RowColoursTravelWithTheirRowsWhenSorted)
{
    grid.ClickHeading(3);  // unsorted column: nothing moves
    grid.ClickHeading(1);
    // Rows by VEHNO: CHST(1, green), "" (2, red), ABDO(2, none), HEAD(10, none).
    const auto brush = [&](int row) {
        return grid.Model().data(grid.Model().index(row, 2), Qt::BackgroundRole);
    };
    EXPECT_EQ(brush(0).value<QBrush>().color(), QColor(0, 225, 0));
    EXPECT_EQ(brush(1).value<QBrush>().color(), QColor(240, 110, 90));
    EXPECT_FALSE(brush(2).isValid());
}

TEST_F(GridCtrlTest, ClickAndArrowKeysChooseRows)
{
    QSignalSpy chosen(&grid, &CGridCtrl::RowChosen);
    ClickCell(1, 2);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Down);  // past the last row: nothing
    QTest::keyClick(&grid, Qt::Key_Up);
    ASSERT_EQ(chosen.count(), 4);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 1);
    EXPECT_EQ(chosen.at(1).at(0).toInt(), 2);
    EXPECT_EQ(chosen.at(2).at(0).toInt(), 3);
    EXPECT_EQ(chosen.at(3).at(0).toInt(), 2);
    EXPECT_EQ(grid.CurrentRow(), 2);
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(2, {}));
}

TEST_F(GridCtrlTest, UpOnFirstRowChoosesNothing)
{
    QSignalSpy chosen(&grid, &CGridCtrl::RowChosen);
    ClickCell(0, 0);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(grid.CurrentRow(), 0);
}

TEST_F(GridCtrlTest, ChosenRowStaysWithItsDataWhenSorted)
{
    ClickCell(1, 0);  // the row counted 11
    grid.ClickHeading(0);
    EXPECT_EQ(grid.CurrentRow(), 3);
    EXPECT_EQ(grid.Model().CellText(grid.CurrentRow(), 0), "11");
}

TEST_F(GridCtrlTest, CopiesSelectedCellsAsTabSeparatedText)
{
    grid.SetColumnWidthOrHide(3, 0);
    grid.SetMultipleSelection(true);
    grid.selectionModel()->select(grid.Model().index(0, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    grid.selectionModel()->select(grid.Model().index(2, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(grid.SelectedText(), "2\t10\tHEAD\n3\t1\tCHST");
    QTest::keySequence(&grid, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), "2\t10\tHEAD\n3\t1\tCHST");
}

TEST_F(GridCtrlTest, FittingLeavesHiddenColumnsHidden)
{
    grid.Model().SetCellText(0, 2, "A MUCH LONGER SENSOR ATTACHMENT TEXT");
    grid.SetColumnWidthOrHide(1, 0);
    grid.FitColumns(0, 10);
    EXPECT_TRUE(grid.isColumnHidden(1));
    EXPECT_GT(grid.columnWidth(2), 150);
    grid.SetColumnWidthOrHide(1, 40);
    EXPECT_FALSE(grid.isColumnHidden(1));
    EXPECT_EQ(grid.columnWidth(1), 40);
}

TEST_F(GridCtrlTest, MultiLineHeadingsMakeTheHeaderTaller)
{
    const int oneLine = grid.horizontalHeader()->sizeHint().height();
    grid.SetColumns({{"TEST\nNUMBER", 50, ESortKind::Number}});
    EXPECT_GT(grid.horizontalHeader()->sizeHint().height(), oneLine);
    EXPECT_EQ(grid.Model().RowCount(), 0);
}

// A derived grid that offers one item only while it has something to show.
class CTitleGrid : public CGridCtrl {
public:
    bool offer = false;
    int row = -2;
    void Fill(QMenu& menu) { FillContextMenu(menu, 1, 2); }

protected:
    void FillContextMenu(QMenu& menu, int r, int /*column*/) override
    {
        row = r;
        if (offer) {
            menu.addAction("View Selected Signals");
        }
    }
};

TEST(GridContextMenu, DerivedGridFillsTheMenu)
{
    TestApp();
    CTitleGrid grid;
    QMenu menu;
    grid.Fill(menu);
    EXPECT_TRUE(menu.isEmpty());
    grid.offer = true;
    grid.Fill(menu);
    ASSERT_EQ(menu.actions().size(), 1);
    EXPECT_EQ(menu.actions().at(0)->text(), "View Selected Signals");
    EXPECT_EQ(grid.row, 1);
}

TEST(GridCellOrder, NumbersAndTexts)
{
    using kores::GridCellLess;
    EXPECT_TRUE(GridCellLess("9", "10", ESortKind::Number, Qt::AscendingOrder));
    EXPECT_TRUE(GridCellLess("-2.5", "0", ESortKind::Number, Qt::AscendingOrder));
    EXPECT_TRUE(GridCellLess("x", "1", ESortKind::Number, Qt::AscendingOrder));  // no number: 0
    EXPECT_TRUE(GridCellLess("10", "9", ESortKind::Text, Qt::AscendingOrder));
    EXPECT_TRUE(GridCellLess("B", "a", ESortKind::Text, Qt::AscendingOrder));  // exact, case counts
    EXPECT_TRUE(GridCellLess("AB", "ABC", ESortKind::Text, Qt::AscendingOrder));
    EXPECT_TRUE(GridCellLess("A", "", ESortKind::Text, Qt::DescendingOrder));
    EXPECT_FALSE(GridCellLess("", "", ESortKind::Text, Qt::AscendingOrder));
    EXPECT_FALSE(GridCellLess("1", "2", ESortKind::None, Qt::AscendingOrder));
}

}  // namespace
