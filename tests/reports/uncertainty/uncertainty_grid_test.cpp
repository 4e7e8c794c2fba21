// The uncertainty grid: its captions and hidden rows by device and medium, the reading of its
// inputs (bad text, the other decimal separator, a value spread over the points), and the
// clicks of its cells.
#include "reports/uncertainty/uncertainty_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "budget_support.h"
#include "numerics/report_format.h"
#include "numerics/separator_guard.h"
#include "state/corrections.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "state/uncertainty_state.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

TStringGrid& Grid() { return Form1().Felsimulgrid; }

void ShowGridFor(const char* device, const char* medium, char language = 'E') {
    DeviceCode = device, MediumCode = medium, LanguageLetter = language;
    PhaseLetter = std::string(medium) == "VAT" ? 'V' : 'N';
    Grid().SetFixedCols(1), Grid().SetFixedRows(0);
    budgettest::DefaultGrid();
    FillUncertaintyGridRows();
}

// Clicks the cell at (col, row) through the grid's own handler.
void Click(int col, int row) {
    const TStringGrid& g = Grid();
    int x = 1, y = 1;
    for (int c = 0; c < col; ++c) x += g.ColWidth(c) + g.GridLineWidth();
    for (int r = 0; r < row; ++r) y += g.RowHeight(r) + g.GridLineWidth();
    Form1().FelsimulgridMouseDown(&Form1().Felsimulgrid, TMouseButton::Left, {}, x, y);
}

TEST(UncertaintyGrid, CaptionsAndHiddenRowsFollowDeviceMediumAndLanguage) {
    const struct {
        const char* device;
        const char* medium;
        char language;
        std::vector<int> hidden;
        int row;
        const char* caption;
    } cases[] = {
        {"S", "VAT", 'E', {15, 18}, 1, "Standard uncertainty                          1."},
        {"S", "LUF", 'D', {18}, 1, "Norm Unsicherheit                             1."},
        {"VCONE", "LUF", 'S', {9, 18}, 8, "Kondiameter (mm)                              8."},
        {"VOLYM", "VAT", 'E', {4, 5, 8, 9, 15, 18}, 3, "Calculation Error                           3."},
        {"D", "NGAS", 'E', {9, 18}, 27, "Total unc. energy fl. MJ/h % of act. Fl."},
        {"D", "NGAS", 'S', {9, 18}, 19, "CH4  % of mol fraction"},
        {"S", "LUF", 'S', {18}, 21, "Totalosäkerhet % av aktuellt flöde"},
    };
    for (const auto& c : cases) {
        ShowGridFor(c.device, c.medium, c.language);
        const std::string name = std::string(c.device) + "/" + c.medium;
        EXPECT_EQ(Grid().Cell(0, c.row), c.caption) << name;
        int height = 0;
        for (int row = 0; row < Grid().RowCount(); ++row) {
            const bool hidden = std::find(c.hidden.begin(), c.hidden.end(), row) != c.hidden.end();
            EXPECT_EQ(Grid().RowHeight(row) == 0, hidden) << name << " row " << row;
            height += Grid().RowHeight(row) + Grid().GridLineWidth();
        }
        EXPECT_EQ(Grid().ClientHeight(), height) << name;
    }
    // The volume meter has no input of its own on the calculation-error row.
    ShowGridFor("VOLYM", "VAT");
    EXPECT_EQ(Grid().Cell(1, 3), "");
    EXPECT_EQ(Grid().RowCount(), 23);
}

TEST(UncertaintyGrid, ReadingRepairsBadTextAndSpreadsASingleValueOverThePoints) {
    for (char separator : {',', '.'}) {
        SeparatorGuard guard(separator);
        ShowGridFor("S", "LUF");
        const std::string other = separator == ',' ? "0.25" : "0,25";
        Grid().SetCell(1, 6, other);
        Grid().SetCell(1, 7, "x1");
        Grid().SetCell(1, 5, "q");
        Grid().SetCell(1, 19, OnPlatform(" 0,3", separator));
        ReadUncertaintyGrid();
        EXPECT_EQ(Grid().Cell(1, 6), OnPlatform("0,25", separator));
        EXPECT_DOUBLE_EQ(UncertaintyInputs.AdSpanUncertainty, 0.25);
        EXPECT_EQ(Grid().Cell(1, 7), "0");
        EXPECT_EQ(UncertaintyInputs.AdActualUncertainty, 0.0);
        EXPECT_EQ(SquareRootAnswer, "Y");  // an invalid answer, in English
        EXPECT_EQ(Grid().Cell(1, 2), "");
        for (int col = 2; col <= 11; ++col) EXPECT_EQ(Grid().Cell(col, 19), OnPlatform(" 0,3", separator));
        for (int k = 0; k < kUncertaintyPoints; ++k) {
            EXPECT_DOUBLE_EQ(SourceArray(UncertaintySource::OtherErrors)[k], 0.3);
            EXPECT_EQ(SourceArray(UncertaintySource::OtherUncertainties)[k], 0.0);
        }
    }
}

TEST(UncertaintyGrid, ClicksToggleTheRootAnswerAndCycleTheDensityErrorCaption) {
    SeparatorGuard guard(',');
    for (char language : {'D', 'S'}) {
        ShowGridFor("S", "LUF", language);
        Grid().SetCell(1, 5, "N");
        Click(1, 5);
        EXPECT_EQ(Grid().Cell(1, 5), "J");
        Click(1, 5);
        EXPECT_EQ(Grid().Cell(1, 5), "N");
    }
    ShowGridFor("S", "LUF", 'E');
    Grid().SetCell(1, 5, "N");
    Click(1, 5);
    EXPECT_EQ(Grid().Cell(1, 5), "Y");

    UncorrectedDensityErrorPercent = 1.23456, IdealGasDensityErrorPercent = 0.5, DensityTableErrorPercent = 0.01234;
    Click(0, 13);
    EXPECT_EQ(Grid().Cell(0, 13), "Density calculation error (% of actual)      13.");
    const struct {
        const char* caption;
        std::string value;
    } cycle[] = {{"Density calc. error ideal gas (% of actual)  13.", FormatFixed(0.5, 2)},
                 {"Density calc. error komp.fact.(% of actual)  13.", FormatFixed(0.01234, 4)},
                 {"Density calculation error (% of actual)      13.", FormatFixed(1.23456, 2)}};
    for (const auto& step : cycle) {
        Click(0, 13);
        EXPECT_EQ(Grid().Cell(0, 13), step.caption);
        EXPECT_EQ(Grid().Cell(1, 13), step.value);
    }
    EXPECT_EQ(Grid().Cell(1, 13), "1,2");
}

TEST(UncertaintyGrid, TransmitterCountAndPercentBaseToggleFromTheirCaptions) {
    ShowGridFor("S", "LUF");
    DpCellSplitPercent = 0.0;
    Click(0, 3);
    EXPECT_EQ(DpTransmitterCount, "1");
    EXPECT_EQ(Grid().Cell(0, 3), "dp-transmitter % of maxdp                   3.");
    DpCellSplitPercent = 12.0;
    Click(0, 4);
    EXPECT_EQ(DpTransmitterCount, "2");
    EXPECT_EQ(Grid().Cell(0, 4), "dp-transmitter % of act. dp (2 Pcs)         4.");
    Click(0, 3);
    EXPECT_EQ(DpTransmitterCount, "1");

    UncertaintyPercentBase = "A";
    Click(0, 21);
    EXPECT_EQ(UncertaintyPercentBase, "M");
    EXPECT_EQ(Grid().Cell(0, 21), "Total uncertainty % of maximal Flow");
    Click(0, 20);
    EXPECT_EQ(UncertaintyPercentBase, "A");
}

TEST(UncertaintyGrid, SortedViewOrdersRowsByMeanFreezesTheTogglesAndComesBack) {
    ShowGridFor("S", "LUF");
    for (int row = 1; row <= 19; ++row) Grid().SetCell(12, row, std::to_string(row % 7));
    const std::string rootCaption = Grid().Cell(0, 5);
    Click(12, 0);
    ASSERT_TRUE(InSortedView());
    double previous = 1e9;
    for (int row = 1; row <= 19; ++row) {
        if (Grid().RowHeight(row) == 0) continue;
        const double mean = std::stod(Grid().Cell(12, row));
        EXPECT_LE(mean, previous) << row;
        previous = mean;
    }
    UncertaintyPercentBase = "A";
    Click(0, 21);
    EXPECT_EQ(UncertaintyPercentBase, "A");  // frozen
    // Rows put back by their numbers, then the view switched back to the copy.
    OrderUncertaintyGridRows();
    EXPECT_EQ(Grid().Cell(0, 5), rootCaption);
    Click(12, 0);
    EXPECT_FALSE(InSortedView());
    EXPECT_EQ(Grid().FixedCols(), 1);
    EXPECT_EQ(Grid().Cell(12, 6), "6");
}

}  // namespace
}  // namespace tubalyx
