// The unit-conversion page: conversions against hand-computed values of the parser's own
// factors, on both decimal separators; the densities; the fixed texts; the handlers.
#include "ui/unit_grid.h"

#include <gtest/gtest.h>

#include <string>

#include "numerics/decimal_separator.h"
#include "numerics/separator_guard.h"
#include "state/window_state.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

TStringGrid& Grid() { return Form1().Sortergrid; }

// A number text in the platform's separator.
std::string N(std::string text) {
    for (char& c : text)
        if (c == '.') c = DecimalSeparator();
    return text;
}

// Types `text` into a cell as the user does: select, type, release the key.
void Type(int col, int row, const std::string& text) {
    TStringGrid& g = Grid();
    bool can = true;
    Form1().SortergridSelectCell(&g, col, row, can);
    g.SetCell(col, row, text);
    Form1().SortergridKeyUp(&g, '1', 0);
}

TEST(UnitGrid, ConversionsOfEveryKindOnBothSeparators) {
    for (char separator : {',', '.'}) {
        SeparatorGuard guard(separator);
        FillUnitGridTexts();
        TStringGrid& g = Grid();
        // Start: 101325 Pa is 0 BarG and, by the parser's 101325.01 Pa per ATM, just under
        // 1 ATM (cut, not rounded, to the cell); 1 C is 274.15 K.
        EXPECT_EQ(g.Cell(0, 8), N("0.999999")) << separator;
        EXPECT_EQ(g.Cell(0, 4), "0") << separator;
        EXPECT_EQ(g.Cell(7, 2), N("274.15")) << separator;

        const struct {
            int col, row;
            const char* typed;
            int targetRow;
            const char* expected;
        } cases[] = {
            {0, 3, "1", 0, "100000"},    // BarA to Pa
            {0, 3, "1", 4, "-0.01325"},  // BarA to BarG: (100000 - 101325) / 100000
            {7, 0, "200", 2, "473.15"},  // C to K
            {7, 0, "200", 1, "392"},     // C to F
            {7, 1, "212", 0, "100"},     // F to C
            {2, 2, "1", 0, "3600"},      // kg/s to kg/h
            {2, 2, "1", 9, "3600"},      // kg/s to m3/h at 1 kg/m3 operating
            {5, 1, "1", 0, "0.001"},     // mPas to Pas
            {5, 7, "1", 0, "1"},         // m2/s to Pas at 1 kg/m3
        };
        for (const auto& c : cases) {
            Type(c.col, c.row, N(c.typed));
            EXPECT_EQ(g.Cell(c.col, c.targetRow), N(c.expected))
                << separator << " " << g.Cell(c.col + 1, c.row) << " to " << g.Cell(c.col + 1, c.targetRow);
        }
        // The note rows of the pressure column are never written.
        EXPECT_EQ(g.Cell(0, 19), "");
        EXPECT_EQ(g.Cell(1, 19), "absolute");
    }
}

TEST(UnitGrid, DensitiesConvertBetweenMassAndVolumesAndZeroEmptiesTheirRows) {
    FillUnitGridTexts();
    TStringGrid& g = Grid();
    Type(2, 0, "1000");  // kg/h, the flow column's source row
    Type(5, 1, "1");     // mPas, the viscosity column's source row
    const std::string pressureBefore = g.Cell(0, 0);
    // Operating density 1000 kg/m3: 1000 kg/h is 1 m3/h; 1 mPas is 1e-6 m2/s.
    Type(4, 6, N("1000"));
    EXPECT_EQ(g.Cell(2, 9), "1");
    EXPECT_EQ(g.Cell(5, 7), "1E-6");
    EXPECT_EQ(g.Cell(0, 0), pressureBefore);
    // Normal density 1.293: 1000 kg/h is 773.39 Nm3/h.
    Type(4, 18, N("1.293"));
    EXPECT_EQ(g.Cell(2, 18).substr(0, 6), N("773.39"));
    // A normal density of 0 empties every normal-volume row, written as "0" itself.
    Type(4, 18, "0");
    for (int row = 18; row <= 23; ++row) EXPECT_EQ(g.Cell(2, row), "") << row;
    EXPECT_EQ(g.Cell(4, 18), "0");
    EXPECT_EQ(g.Cell(2, 25), "1000");  // Sm3/h: the standard density is still 1.0
    // An operating density of 0 empties the dynamic-to-kinematic rows.
    Type(4, 6, "0");
    EXPECT_EQ(g.Cell(5, 8), "");
    EXPECT_EQ(g.Cell(2, 6), "");
}

TEST(UnitGrid, OnlyValueCellsAreEditable) {
    FillUnitGridTexts();
    TForm1& f = Form1();
    TStringGrid& g = Grid();
    bool can = true;
    const struct {
        int col, row;
        bool editable;
    } cells[] = {{0, 0, true}, {0, 18, true}, {0, 19, false}, {1, 0, false},  {2, 27, true}, {3, 0, false},
                 {4, 6, true}, {4, 7, false}, {5, 10, true},  {5, 11, false}, {7, 2, true},  {8, 0, false}};
    for (const auto& c : cells) {
        f.SortergridSelectCell(&g, c.col, c.row, can);
        EXPECT_EQ(g.Editing(), c.editable) << c.col << "," << c.row;
    }
    // Keys that change no number recompute nothing; Delete and the separators do.
    f.SortergridSelectCell(&g, 0, 0, can);
    g.SetCell(0, 0, "200000");
    f.SortergridKeyUp(&g, 'A', 0);
    EXPECT_EQ(g.Cell(0, 1), N("101.325"));
    for (int key : {46, 188, 190}) {
        EXPECT_TRUE(UnitGridRecalcKey(key)) << key;
    }
    f.SortergridKeyUp(&g, 46, 0);
    EXPECT_EQ(g.Cell(0, 1), "200");
}

}  // namespace
}  // namespace tubalyx
