#include <gtest/gtest.h>

#include "forms/edit.h"
#include "forms/menu.h"
#include "forms/string_grid.h"

using namespace tubalyx;

TEST(Edit, ChangeFiresOnlyWhenTextDiffersAndWriteBackTerminates) {
    TEdit e("e");
    int changes = 0;
    e.OnChange = [&](TControl*) {
        ++changes;
        e.SetText("12,5");  // a handler writing its corrected text back
    };
    e.SetText("12.5");
    EXPECT_EQ(e.Text(), "12,5");
    EXPECT_EQ(changes, 2);
    e.SetText("12,5");
    EXPECT_EQ(changes, 2);
}

TEST(StringGrid, SparseCellsOutsideCountsReadBack) {
    TStringGrid g("g");
    g.SetColCount(2);
    g.SetRowCount(2);
    EXPECT_EQ(g.Cell(40, 99), "");
    EXPECT_EQ(g.Cell(-1, -1), "");
    g.SetCell(7, 12, "x");
    EXPECT_EQ(g.Cell(7, 12), "x");
}

TEST(Menu, DisabledOrHiddenItemCannotBeClicked) {
    TPopupMenu m("m");
    int clicks = 0;
    TMenuItem* item = m.Add("a");
    item->OnClick = [&](TControl*) { ++clicks; };
    item->Click();
    item->SetEnabled(false);
    item->Click();
    item->SetEnabled(true);
    item->SetVisible(false);
    item->Click();
    EXPECT_EQ(clicks, 1);
    m.Popup(10, 20);
    EXPECT_EQ(m.PopupX(), 10);
    EXPECT_EQ(m.PopupY(), 20);
}
