#include "ui/calculation_window.h"

#include <gtest/gtest.h>

#include "forms/screen.h"
#include "media/gas_mixture.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "state/composition.h"
#include "state/medium.h"
#include "state/reset.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_sets.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"
#include "ui/layout_controls.h"

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
        g.SetCell(4, 4, "abc");  // no number reads as 0
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

class CompositionEditor : public ::testing::Test {
protected:
    void SetUp() override {
        ResetStateVariables();
        SetDecimalSeparator('.');
        Screen().SetSize(1600, 900);
        TForm1& f = Form1();
        f.SetFontSize(20);
        LayoutControls();
        CalcFunction = "Termo";
        MediumCode = "G";
        PhaseLetter = 'N';
        OperatingPressure = 101325;
        OperatingTemperature = 20;
        ApplyLanguage('E');
        f.ViktVolprocGrid.SetVisible(true);
        f.ViktVolprocgridfukt.SetVisible(false);
        f.Memo2.SetVisible(false);
        f.GroupBox1.SetVisible(false);
        f.temp.SetText("20");
        f.tempsort.SetCaption("C");
        f.abstryckantal.SetText("101.325");
        f.abstrycksort.SetText("kPa");
        SetupCompositionGrids();
    }
    static TStringGrid& Grid() { return Form1().ViktVolprocGrid; }
    static TStringGrid& Humid() { return Form1().ViktVolprocgridfukt; }
    // The middle of a cell of the dry grid, in its client coordinates.
    static std::pair<int, int> CellPoint(int col, int row) {
        const TStringGrid& g = Grid();
        int x = 0, y = 0;
        for (int c = 0; c < col; ++c) x += g.ColWidth(c) + g.GridLineWidth();
        for (int r = 0; r < row; ++r) y += g.RowHeight(r) + g.GridLineWidth();
        return {x + g.ColWidth(col) / 2, y + g.RowHeight(row) / 2};
    }
    static void Click(TStringGrid& grid, int col, int row) {
        auto [x, y] = CellPoint(col, row);
        grid.UserMouseDown(TMouseButton::Left, 0, x, y);
        grid.UserMouseUp(TMouseButton::Left, 0, x, y);
    }
    static double Cell(const TStringGrid& g, int col, int row) { return StrToFloatSafe(g.Cell(col, row)); }
};

TEST_F(CompositionEditor, StartsAsArgonAndCarbonDioxideHalfAndHalf) {
    EXPECT_EQ(Grid().Cell(0, 10), "Air");
    EXPECT_EQ(MixtureComponentKeyword[11], "");
    EXPECT_DOUBLE_EQ(Cell(Grid(), 5, 2) + Cell(Grid(), 5, 3), 100);
    // Nearly ideal gases at the normal state: nearly the mol shares by volume.
    EXPECT_NEAR(Cell(Grid(), 3, 2), 50, 0.5);
    EXPECT_NEAR(Cell(Grid(), 3, 2) + Cell(Grid(), 3, 3), 100, 1e-3);
    // Natural gas starts with 92 % methane, written with the platform's separator.
    SetDecimalSeparator(',');
    MediumCode = "NGAS";
    SetupCompositionGrids();
    EXPECT_EQ(Grid().Cell(5, 4), "0,5");
    EXPECT_EQ(Humid().Cell(5, 2), "92");
}

TEST_F(CompositionEditor, DeletingAComponentWorksForAGasMixtureOnly) {
    TForm1& f = Form1();
    for (const char* medium : {"NGAS", "GAS", "G"}) {
        MediumCode = medium;
        MixtureRow = 3;
        f.Radera->Click();
        const bool deleted = MediumCode == "G";
        EXPECT_EQ(MixtureComponentKeyword[3], deleted ? "" : "CO2") << medium;
        EXPECT_EQ(Grid().Cell(0, 3), deleted ? "" : "CO2") << medium;
    }
    // Argon alone is left: all of the mixture's weight is argon's.
    EXPECT_NEAR(Cell(Grid(), 2, 2), Cell(Grid(), 5, 2), 1e-4);
    EXPECT_EQ(Cell(Grid(), 2, 3), 0);
}

TEST_F(CompositionEditor, AShareThatIsNoNumberBecomesZeroAndARowWithoutComponentIsEmptied) {
    Grid().UserSetEditText(3, 4, "abc");
    EXPECT_EQ(Grid().Cell(3, 4), "0");
    EXPECT_EQ(MixtureRow, 4);
    Grid().UserSetEditText(3, 11, "7");
    EXPECT_EQ(Grid().Cell(3, 11), "");
    // The typed volume shares give the mol shares: 25/75 by volume of two gases near ideal.
    Grid().SetCol(3);
    char key = '2';
    Grid().UserKeyPress(key);
    EXPECT_EQ(MixtureEditColumn, 3);
    Grid().UserSetEditText(3, 2, "25");
    Grid().UserSetEditText(3, 3, "75");
    EXPECT_NEAR(Cell(Grid(), 5, 2), 25, 0.2);
    EXPECT_NEAR(Cell(Grid(), 5, 3), 75, 0.2);
    EXPECT_DOUBLE_EQ(MixtureFraction[2], Cell(Grid(), 2, 2));
    // A cell beyond the component rows is kept as typed.
    Grid().SetCell(3, 15, "x");
    EXPECT_NO_THROW(RecalcMixtureGrid(3, 15));
    EXPECT_EQ(Grid().Cell(3, 15), "x");
    Grid().SetCell(3, 15, "");
}

TEST_F(CompositionEditor, ComponentMenuOpensBelowAComponentRowOnly) {
    TForm1& f = Form1();
    f.SetBounds(40, 30, 1440, 810);
    Grid().SetTop(100);
    Grid().SetLeft(200);
    for (int row : {0, 1, 12, 5}) {
        const int before = f.Media1menu.PopupCount();
        Click(Grid(), 0, row);
        const bool opens = row == 5;
        EXPECT_EQ(f.Media1menu.PopupCount(), before + (opens ? 1 : 0)) << row;
        // Row 0 switched to the humid grid, row 1 showed the help: undo both.
        if (row == 0) {
            EXPECT_TRUE(Humid().Visible());
            Click(Humid(), 0, 0);
            EXPECT_TRUE(Grid().Visible());
            EXPECT_EQ(Grid().Cell(5, 12), "100.0000");  // the column sums
        }
        f.Memo2.SetVisible(false);
    }
    EXPECT_EQ(MixtureRow, 5);
    EXPECT_EQ(f.Media1menu.PopupX(), 40 + 200);
    EXPECT_EQ(f.Media1menu.PopupY(), 30 + (f.Height() - f.ClientHeight()) + 100 + Grid().DefaultRowHeight() * 6);
    MediumCode = "NGAS";
    const int before = f.Media1menu.PopupCount();
    Click(Grid(), 0, 5);
    EXPECT_EQ(f.Media1menu.PopupCount(), before);
}

TEST_F(CompositionEditor, VapourRowFollowsTheRelativeHumidity) {
    HumidGasFlag = true;
    HumidityInputKind = "R";
    Form1().relabsspecfukt.SetText("50");
    RelativeHumidity = 50;
    UpdateHumidityRow();
    // Saturation pressure of water at 20 degC: 2339 Pa (IAPWS).
    const double vapour = 100 * 0.5 * 2339.2 / 101325;
    EXPECT_EQ(MixtureComponentKeyword[11], "ANG");
    EXPECT_EQ(Humid().Cell(0, 11), "H2O");
    EXPECT_EQ(Humid().Cell(1, 11), "Humidity");
    EXPECT_NEAR(Cell(Humid(), 4, 11), vapour, 0.002);
    EXPECT_NEAR(Cell(Humid(), 4, 12), 100, 1e-3);
    EXPECT_NEAR(Cell(Humid(), 4, 2) + Cell(Humid(), 4, 3), 100 - vapour, 2e-3);
    EXPECT_EQ(Grid().Cell(4, 1), "20 C,101.325 kPa");

    // No humidity: the vapour row is taken out and the sums still add up.
    Form1().relabsspecfukt.SetText("0");
    RelativeHumidity = 0;
    UpdateHumidityRow();
    EXPECT_FALSE(HumidGasFlag);
    EXPECT_EQ(MixtureComponentKeyword[11], "");
    for (int col = 0; col <= 5; ++col) EXPECT_EQ(Humid().Cell(col, 11), "") << col;
    EXPECT_NEAR(Cell(Humid(), 4, 12), 100, 1e-3);

    // Below freezing with humidity given the row is left as it was; only the sums are rewritten.
    Form1().relabsspecfukt.SetText("50");
    RelativeHumidity = 50;
    OperatingTemperature = -5;
    Humid().SetCell(4, 12, "");
    UpdateHumidityRow();
    EXPECT_EQ(MixtureComponentKeyword[11], "");
    EXPECT_EQ(Humid().Cell(4, 11), "");
    EXPECT_NEAR(Cell(Humid(), 4, 12), Cell(Humid(), 4, 2) + Cell(Humid(), 4, 3), 1e-4);
}

TEST_F(CompositionEditor, HelpCellShowsTheHelpOfTheMediumOverTheGrid) {
    TForm1& f = Form1();
    const struct {
        const char* medium;
        char language;
        int lines;
        const char* first;
    } cases[] = {
        {"G", 'E', 18, "This is a spreadsheet for approximate Physical calculations of Gasmixtures"},
        {"NGAS", 'S', 18, "Detta är en matris för termodynamiska beräkningar på Naturgas eller gasblandning"},
    };
    for (const auto& c : cases) {
        MediumCode = c.medium;
        LanguageLetter = c.language;
        f.Memo2.SetVisible(false);
        Click(Grid(), 0, 1);
        EXPECT_TRUE(f.Memo2.Visible()) << c.medium;
        ASSERT_EQ(f.Memo2.LineCount(), c.lines) << c.medium << c.language;
        EXPECT_EQ(f.Memo2.Line(0), c.first);
        EXPECT_EQ(f.Memo2.Top(), Grid().Top());
        EXPECT_EQ(f.Memo2.ClientHeight(), Grid().ClientHeight() * 3 / 2);
    }
    EXPECT_EQ(f.Memo2.Line(1), "Beräkningarna görs på en förenklad \"skrivbordsgas\" som sedan");
}

TEST(CompositionSum, VolumeSharesAtTheNormalStateAddUpAndTextSpoilsTheSum) {
    TStringGrid& g = Form1().ViktVolprocGrid;
    for (char sep : {',', '.'}) {
        SetDecimalSeparator(sep);
        for (int row = 0; row <= 12; ++row) g.SetCell(3, row, "");
        const std::string s(1, sep);
        g.SetCell(3, 2, "60" + s + "25");
        g.SetCell(3, 5, "39" + s + "75");
        g.SetCell(3, 12, "5");  // the sums row is no share
        g.SetCell(3, 1, "7");   // nor the heading
        EXPECT_DOUBLE_EQ(SumCompositionGrid(), 100.0) << sep;
        g.SetCell(3, 7, "n/a");
        EXPECT_EQ(SumCompositionGrid(), 0.0) << sep;
        g.SetCell(3, 7, "");
    }
    SetDecimalSeparator('.');
}

}  // namespace
}  // namespace tubalyx
