// The pressure-loss page, the resistance grid's handlers and a "Tryckf" run from the window
// to the report.
#include "ui/pressure_loss_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "flow/reynolds.h"
#include "media/thermal_expansion.h"
#include "numerics/decimal_separator.h"
#include "numerics/report_format.h"
#include "pressure_loss/line_properties.h"
#include "pressure_loss/line_resistance.h"
#include "reports/report_window.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/pressure_loss_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "support/start_up_edits.h"
#include "texts/caption_sets.h"
#include "texts/report_label_strings.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"
#include "ui/run_driver.h"

namespace tubalyx {
namespace {

class PressureLossPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        TForm1& f = Form1();
        CalcFunction = "Tryckf";
        LanguageLetter = 'E';
        ApplyLanguage('E');
        f.litenstor.SetCaption("Small");
        f.Motstandgrid.SetFontSize(10);
        f.Motstandgrid.SetColCount(51);
        f.Motstandgrid.SetRowCount(9);
        for (int c = 1; c <= kFittingColumnCount; ++c) f.Motstandgrid.SetCell(c, 0, std::to_string(c));
        for (int c = 0; c <= kFittingColumnCount; ++c) f.Motstandgrid.SetColWidth(c, 100);
        f.Motstandgrid.SetDefaultRowHeight(24);
        f.dstorkallsort.SetCaption("mm");
        f.RichEdit1.Clear();
    }
    // The middle of the cell (column, row) of the resistance grid.
    static int X(int column) {
        const TStringGrid& grid = Form1().Motstandgrid;
        int x = 0;
        for (int c = 0; c < column; ++c) x += grid.ColWidth(c) + grid.GridLineWidth();
        return x + grid.ColWidth(column) / 2;
    }
    static int Y(int row) { return row * 25 + 12; }
    static void Press(int column, int row) {
        Form1().Motstandgrid.UserMouseDown(TMouseButton::Left, 0, X(column), Y(row));
        Form1().Motstandgrid.UserMouseUp(TMouseButton::Left, 0, X(column), Y(row));
    }
    static void Choose(TMenuItem* item, int column) {
        Press(column, 1);
        item->Click();
    }
    static std::vector<std::string> Report() {
        std::vector<std::string> lines;
        for (int i = 0; i < Form1().RichEdit4.LineCount(); ++i) lines.push_back(Form1().RichEdit4.Line(i));
        return lines;
    }
    static int IndexOf(const std::vector<std::string>& lines, const std::string& start) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].rfind(start, 0) == 0) return static_cast<int>(i);
        return -1;
    }
};

TEST_F(PressureLossPageTest, TheDescriptionCellOpensTheFittingMenuAtThePressedCell) {
    TForm1& f = Form1();
    const int opened = f.MotstandPopup.PopupCount();
    Press(3, 2);  // zeta cell
    Press(0, 1);  // label column
    EXPECT_EQ(f.MotstandPopup.PopupCount(), opened);
    f.Motstandgrid.SetLeft(10);
    f.Motstandgrid.SetTop(200);
    f.Motstandgrid.UserMouseDown(TMouseButton::Left, 0, X(3), Y(1));
    EXPECT_EQ(f.MotstandPopup.PopupCount(), opened + 1);
    EXPECT_EQ(SelectedResistanceColumn, 3);
    EXPECT_EQ(f.MotstandPopup.PopupX(), f.Left() + 10 + X(3));
    EXPECT_EQ(f.MotstandPopup.PopupY(), f.Top() + f.Height() - f.ClientHeight() + 200 + Y(1));
    // A release over the labels or outside every cell describes no column.
    f.Motstandgrid.SetCell(0, 2, "untouched");
    f.Motstandgrid.UserMouseUp(TMouseButton::Left, 0, X(0), Y(1));
    f.Motstandgrid.UserMouseUp(TMouseButton::Left, 0, 100000, 100000);
    EXPECT_EQ(f.Motstandgrid.Cell(0, 2), "untouched");
}

TEST_F(PressureLossPageTest, MenuItemsPlaceReplaceAndDeleteTheColumnTheMenuWasOpenedOn) {
    TForm1& f = Form1();
    TStringGrid& grid = f.Motstandgrid;
    Choose(f.Bjradie1D2, 3);
    EXPECT_EQ(ResistanceKind[3], 10);
    EXPECT_EQ(grid.Cell(3, 1), "90 degrees bends:10.Bendradius 1D");
    EXPECT_EQ(grid.Cell(0, 6), "Pieces ?");
    Choose(f.Annanstrning1, 3);
    EXPECT_EQ(ResistanceKind[3], 99);
    EXPECT_EQ(grid.Cell(3, 1), f.Annanstrning1->Caption());
    EXPECT_EQ(grid.Cell(3, 2), "");
    EXPECT_EQ(grid.Cell(3, 3), "1");
    EXPECT_EQ(grid.Cell(0, 2), "Resistance?");
    // A branch shows its diagram; pressing a cell hides it again.
    Choose(f.Utfldefrnhuvudledning1, 4);
    EXPECT_EQ(ResistanceKind[4], 70);
    EXPECT_TRUE(f.PaintBox1.Visible());
    Press(4, 2);
    EXPECT_FALSE(f.PaintBox1.Visible());
    Choose(f.Radera1, 3);
    EXPECT_EQ(ResistanceKind[3], 0);
    EXPECT_EQ(grid.Cell(3, 1) + grid.Cell(3, 3), "");
    // The language switch re-describes every column.
    ApplyLanguage('D');
    EXPECT_EQ(grid.Cell(4, 1).rfind("70.Inlauf: Hauptrohr.", 0), 0u);
}

TEST_F(PressureLossPageTest, HeightRowIsKeptWithinTheTubeAndAtLeastAsLongAsItsRise) {
    TForm1& f = Form1();
    TStringGrid& grid = f.Motstandgrid;
    Choose(f.Hojdmotstand, 2);
    f.matstrack.SetText("5");
    grid.UserSelectCell(2, 6);
    grid.SetCell(2, 6, "10");
    grid.UserKeyUp('0', 0);
    EXPECT_EQ(grid.Cell(2, 6), "5");
    EXPECT_EQ(grid.Cell(2, 7), "5");
    f.matstrack.SetText("100");
    grid.SetCell(2, 6, "5");
    grid.UserSelectCell(2, 7);
    grid.SetCell(2, 7, "3");
    grid.UserKeyUp('3', 0);
    EXPECT_EQ(grid.Cell(2, 7), "5");
    // A text that is no number stops the check and changes nothing.
    grid.SetCell(2, 7, "x");
    grid.UserKeyUp('x', 0);
    EXPECT_EQ(grid.Cell(2, 7), "x");
    // Over row 6 of a height column the grid explains the sign.
    grid.UserMouseMove(0, X(2), Y(6));
    EXPECT_EQ(grid.Hint(), "Height difference Outlet-Inlet (10 = Outlet 10 m over Inlet)");
    grid.UserMouseMove(0, X(2), Y(2));
    EXPECT_EQ(grid.Hint(), "");
}

TEST_F(PressureLossPageTest, AdiabatTogglesAndTheMaterialItemsSetTheirTarget) {
    TForm1& f = Form1();
    f.adiabat.Click();
    EXPECT_EQ(ExpansionModeLetter, 'T');
    EXPECT_EQ(f.adiabat.Caption(), "Isoterm flow (Inlet Temp=Outlet Temp)");
    f.adiabat.Click();
    EXPECT_EQ(ExpansionModeLetter, 'A');

    f.mtrlfl.SetCaption("Material=Steel");
    f.mtrlror.SetCaption("Pipe=Steel");
    MaterialCode2 = "1";
    MaterialMenuTarget = "F";
    f.mtrlfl8->Click();
    double a1 = 0, a2 = 0;
    MaterialExpansionCoefficients("8", a1, a2);
    EXPECT_EQ(f.mtrlfl.Caption(), "Material=" + f.mtrlfl8->Caption());
    EXPECT_EQ(MaterialCode1, "8");
    EXPECT_EQ(f.utvfl.Text(), FormatGeneral(a1));
    EXPECT_EQ(f.utvflb.Text(), FormatGeneral(a2));
    EXPECT_EQ(f.mtrlror.Caption(), "Pipe=Steel");
    EXPECT_EQ(MaterialCode2, "1");
}

// Water at 5 bar a and 20 degC, 36 t/h through 100 m of DN100 (k 0.05 mm) with a 90-degree
// bend of radius 1D and a valve of Kv 100: the drop is the pipe's Darcy-Weisbach friction,
// the bend's 2 x 0.2 dynamic pressures (rough pipe) and the valve's (W / Kv)^2 / (rho/1000)
// bar, which the line counts in its segment and once more at the state behind the valve.
TEST_F(PressureLossPageTest, RunFromTheWindowListsTheInputsTheFittingsAndTheLineReport) {
    TForm1& f = Form1();
    MediumCode = "VAT";
    PhaseLetter = 'V';
    StraightLengthM = 100;
    PipeDiameterColdMm = 100;
    PipeRoughnessMm = 0.05;
    FlowUnit = "ton/h";
    MaxFlowInput = 36;
    PressureUnit = "BarA";
    PressureMinInput = PressureMaxInput = 5;
    OperatingTemperature = TemperatureMinC = TemperatureMaxC = 20;
    testsupport::WriteStartUpEdits();
    Choose(f.Bjradie1D2, 1);
    f.Motstandgrid.SetCell(1, 3, "30");
    Choose(f.Ventilvalbartkv1, 2);
    f.Motstandgrid.SetCell(2, 3, "60");
    f.Motstandgrid.SetCell(2, 6, "100");
    RunCalculation();

    const std::vector<std::string> lines = Report();
    const int head = IndexOf(lines, "COMPUTERCALCULATION OF PRESSURELOSSES");
    const int length = IndexOf(lines, "Tubelength?__________________________________________(m)    100");
    const int table = IndexOf(lines, "=================================RESISTANCES===");
    const int output = IndexOf(lines, OutputHeading);
    const int boiling = IndexOf(lines, "NOTE! BOILING LIQUID NOT POSSIBLE");
    const int main = IndexOf(lines, "---------------MAINREPORT PRESSURELOSSES");
    ASSERT_GE(head, 0);
    EXPECT_LT(head, length);
    EXPECT_LT(length, table);
    EXPECT_LT(table, output);
    EXPECT_EQ(lines[boiling + 1], "Physical properties calculated at inlet P,T");
    EXPECT_LT(output, boiling);
    EXPECT_LT(boiling, main);
    EXPECT_EQ(IndexOf(lines, "NOTE! INPUT FALSE"), -1);
    // The bend and the valve side by side, the valve's parameter labels closing the block.
    EXPECT_TRUE(lines[table + 1].ends_with("Nr_________________________________1_________________2"));
    EXPECT_TRUE(lines[table + 3].ends_with("Resistance=____________________________0,4000____________" +
                                           FormatFixed(ResistanceZeta[2], 5)));
    EXPECT_EQ(lines[table + 7].rfind(" Kv of valve?", 0), 0u);
    EXPECT_TRUE(lines[table + 7].ends_with("_100"));

    const LineMediumProperties water = LineMediumAt("VAT", 5e5, 20);
    const double v = 10 / water.density / (3.14159265358979 * 0.01 / 4);
    const double dynamic = water.density * v * v / 2;
    const double lambda = ColebrookFrictionFactor(0.05, 100, ReynoldsNumber(0.1, water.viscosity, 10));
    const double valve = 1e5 * (36 / 100.0) * (36 / 100.0) / (0.001 * water.density);
    const double expected = lambda * 1000 * dynamic + 0.4 * dynamic + 2 * valve;
    EXPECT_NEAR(LineTotalDrop, expected, 2e-3 * expected);
    EXPECT_EQ(lines[main + 2],
              "Pressurereduction (reversible+irreversible)__(kPa)= " + FormatFixed(0.001 * LineTotalDrop, 5));
}

}  // namespace
}  // namespace tubalyx
