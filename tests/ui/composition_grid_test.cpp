#include "ui/calculation_window.h"

#include <gtest/gtest.h>

#include "numerics/decimal_separator.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

TEST(CompositionGrid, SumsRowsTwoToElevenOfColumnsTwoToFiveInBothGrids) {
    for (char sep : {',', '.'}) {
        SetDecimalSeparator(sep);
        TStringGrid& g = Form1().ViktVolprocGrid;
        TStringGrid& h = Form1().ViktVolprocgridfukt;
        for (int row = 0; row <= 12; ++row)
            for (int col = 0; col <= 5; ++col) {
                g.SetCell(col, row, "");
                h.SetCell(col, row, "");
            }
        const std::string half = sep == ',' ? "12,5" : "12.5";
        g.SetCell(2, 2, half);
        g.SetCell(2, 11, "7");
        g.SetCell(2, 1, "1000");  // head row is not summed
        g.SetCell(5, 3, "100");
        g.SetCell(4, 4, "abc");   // no number reads as 0
        h.SetCell(3, 5, "33");
        h.SetCell(3, 6, half);
        SumMixtureColumns();
        const std::string s = std::string(1, sep);
        EXPECT_EQ(g.Cell(2, 12), "19" + s + "50000");
        EXPECT_EQ(g.Cell(3, 12), "0" + s + "000000");
        EXPECT_EQ(g.Cell(4, 12), "0" + s + "000000");
        EXPECT_EQ(g.Cell(5, 12), "100" + s + "0000");
        EXPECT_EQ(h.Cell(3, 12), "45" + s + "50000");
        EXPECT_EQ(h.Cell(2, 12), "0" + s + "000000");
        EXPECT_EQ(g.Cell(1, 12), "");
    }
    SetDecimalSeparator('.');
}

}  // namespace
}  // namespace tubalyx
