#include <gtest/gtest.h>

#include "forms/string_grid.h"

using namespace tubalyx;

TEST(StringGrid, DefaultSizesResetSingleColumnsAndRows) {
    TStringGrid g("g");
    g.SetColWidth(2, 99);
    g.SetRowHeight(3, 0);
    EXPECT_EQ(g.ColWidth(2), 99);
    EXPECT_EQ(g.RowHeight(3), 0);
    g.SetDefaultColWidth(40);
    EXPECT_EQ(g.ColWidth(2), 40);
    EXPECT_EQ(g.RowHeight(3), 0);  // rows keep theirs until the default row height changes
    g.SetDefaultRowHeight(27);
    EXPECT_EQ(g.RowHeight(3), 27);
    // Sizes beyond the counts read the default, negative sizes become 0.
    EXPECT_EQ(g.ColWidth(500), 40);
    g.SetColWidth(1, -5);
    EXPECT_EQ(g.ColWidth(1), 0);
}

TEST(StringGrid, MouseToCellSkipsHiddenRowsAndZeroWidthColumns) {
    TStringGrid g("g");
    g.SetColCount(4);
    g.SetRowCount(4);
    g.SetDefaultColWidth(50);
    g.SetDefaultRowHeight(20);
    g.SetColWidth(1, 0);
    g.SetRowHeight(1, 0);
    int col = 0, row = 0;
    g.MouseToCell(10, 10, col, row);
    EXPECT_EQ(col, 0);
    EXPECT_EQ(row, 0);
    // Column 0 is 50 wide plus a 1-pixel line; column 1 takes 0 + 1; column 2 starts at 52.
    g.MouseToCell(52, 22, col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);               // row 1 is hidden: row 2 starts at 20 + 1 + 0 + 1
    g.MouseToCell(51, 5, col, row);  // on the line
    EXPECT_EQ(col, -1);
    EXPECT_EQ(row, -1);
    g.MouseToCell(10000, 5, col, row);
    EXPECT_EQ(col, -1);
    g.MouseToCell(-3, -3, col, row);
    EXPECT_EQ(row, -1);
}

TEST(StringGrid, UserEditsNeedTheEditingOptionAndProgrammaticWritesFireNothing) {
    TStringGrid g("g");
    int events = 0;
    g.OnSetEditText = [&](TControl*, int, int, const std::string&) { ++events; };
    g.SetCell(1, 1, "12");
    EXPECT_EQ(events, 0);
    g.UserSetEditText(1, 1, "13");
    EXPECT_EQ(events, 0);
    EXPECT_EQ(g.Cell(1, 1), "12");
    g.SetEditing(true);
    g.UserSetEditText(1, 1, "13");
    EXPECT_EQ(events, 1);
    EXPECT_EQ(g.Cell(1, 1), "13");
}

TEST(StringGrid, SelectCellMayBeRefused) {
    TStringGrid g("g");
    g.SetColCount(3);
    g.SetRowCount(3);
    g.OnSelectCell = [](TControl*, int col, int, bool& canSelect) { canSelect = col != 0; };
    EXPECT_TRUE(g.UserSelectCell(2, 1));
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_FALSE(g.UserSelectCell(0, 2));
    EXPECT_EQ(g.Col(), 2);
    EXPECT_FALSE(g.UserSelectCell(3, 0));  // outside the counts
    EXPECT_FALSE(g.UserSelectCell(-1, 0));
}

TEST(StringGrid, CountsShrinkingKeepTheCells) {
    TStringGrid g("g");
    g.SetColCount(10);
    g.SetCell(9, 4, "x");
    g.SetColCount(2);
    g.SetRowCount(-3);
    EXPECT_EQ(g.RowCount(), 0);
    EXPECT_EQ(g.Cell(9, 4), "x");
}

TEST(StringGrid, MouseToCellHoldsForColumnsAndRowsNearTheIntegerRange) {
    TStringGrid g("g");
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetColWidth(0, 2000000000);
    g.SetColWidth(1, 2000000000);
    g.SetRowHeight(0, 1500000000);
    g.SetRowHeight(1, 1500000000);
    int col = 0, row = 0;
    // Column 1 starts at 2000000001, row 1 at 1500000001: the right edge of column 1 and the
    // bottom of row 1 lie beyond the int range.
    g.MouseToCell(2100000000, 1600000000, col, row);
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 1);
    g.MouseToCell(2000000000, 1600000000, col, row);  // on the line after column 0
    EXPECT_EQ(col, -1);
    // A point left of or above every cell on a grid of the largest count is found at once.
    g.SetColCount(2147483647);
    g.SetRowCount(2147483647);
    g.MouseToCell(-1, 5, col, row);
    EXPECT_EQ(col, -1);
    EXPECT_EQ(row, -1);
    g.MouseToCell(5, 5, col, row);
    EXPECT_EQ(col, 0);
    EXPECT_EQ(row, 0);
}

// A reader keeps what it read while the stamp stays: every change of a text moves it (a user's
// edit too), a write of the same text or of cells already empty does not, and no two grids share one.
TEST(StringGrid, CellsStampMovesWithEveryChangedText) {
    TStringGrid g("g"), other("other");
    g.SetEditing(true);
    EXPECT_NE(g.CellsStamp(), other.CellsStamp());
    std::uint64_t seen = g.CellsStamp();
    auto moved = [&] {
        const bool m = g.CellsStamp() != seen;
        seen = g.CellsStamp();
        return m;
    };
    g.SetCell(2, 3, "50");
    EXPECT_TRUE(moved());
    g.SetCell(2, 3, "50");
    EXPECT_FALSE(moved());
    g.SetCell(4, 4, "");
    EXPECT_FALSE(moved());
    g.UserSetEditText(2, 3, "51");
    EXPECT_TRUE(moved());
    g.SetColCount(2);
    g.SetCol(1);
    EXPECT_FALSE(moved());
    g.ClearCells();
    EXPECT_TRUE(moved());
    g.ClearCells();
    EXPECT_FALSE(moved());
    other.SetCell(0, 0, "x");
    EXPECT_NE(other.CellsStamp(), g.CellsStamp());
    EXPECT_FALSE(moved());
}
