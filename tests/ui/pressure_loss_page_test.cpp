// The pressure-loss page, the resistance grid's handlers and a "Tryckf" run from the window
// to the report.
#include "ui/pressure_loss_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "flow/reynolds.h"
#include "forms/screen.h"
#include "media/thermal_expansion.h"
#include "numerics/decimal_separator.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
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
#include "ui/calculation_reset.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"
#include "ui/run_driver.h"
#include "ui/startup.h"

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
// bar, once.
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
    const int medium = IndexOf(lines, "Media:  Water");
    const int length = IndexOf(lines, "Tubelength?__________________________________________(m)    100");
    const int table = IndexOf(lines, "=================================RESISTANCES===");
    const int output = IndexOf(lines, OutputHeading);
    const int main = IndexOf(lines, "---------------MAINREPORT PRESSURELOSSES");
    ASSERT_GE(head, 0);
    // The medium section leads the input; water is no liquefied gas, so no boiling note.
    EXPECT_LT(head, medium);
    EXPECT_LT(medium, length);
    EXPECT_LT(length, table);
    EXPECT_LT(table, output);
    EXPECT_LT(output, main);
    EXPECT_EQ(IndexOf(lines, "NOTE! BOILING LIQUID NOT POSSIBLE"), -1);
    EXPECT_EQ(IndexOf(lines, "NOTE! INPUT FALSE"), -1);
    // The bend and the valve each in a block of its own, under its own parameter labels.
    EXPECT_EQ(lines[table + 7], "              Pieces ?_________________________________1");
    EXPECT_EQ(lines[table + 8], " Pipe roughness (mm) ?______________________________0,05");
    EXPECT_TRUE(lines[table + 12].ends_with("Resistance=____________" + FormatFixed(ResistanceZeta[2], 5)));
    EXPECT_EQ(lines[table + 16].rfind(" Kv of valve?", 0), 0u);
    EXPECT_TRUE(lines[table + 16].ends_with("_100"));

    const LineMediumProperties water = LineMediumAt("VAT", 5e5, 20);
    const double v = 10 / water.density / (3.14159265358979 * 0.01 / 4);
    const double dynamic = water.density * v * v / 2;
    const double lambda = ColebrookFrictionFactor(0.05, 100, ReynoldsNumber(0.1, water.viscosity, 10));
    const double valve = 1e5 * (36 / 100.0) * (36 / 100.0) / (0.001 * water.density);
    const double expected = lambda * 1000 * dynamic + 0.4 * dynamic + valve;
    EXPECT_NEAR(LineTotalDrop, expected, 2e-3 * expected);
    EXPECT_EQ(lines[main + 2],
              "Pressurereduction (reversible+irreversible)__(kPa)= " + FormatFixed(0.001 * LineTotalDrop, 5));
}

// Every edit of the questionnaire stands on the line of a shown prompt, right of it: an edit
// left over from the page before would stand alone. The name of the first that does not.
std::string LoneEdit() {
    const TForm1& f = Form1();
    const int questionnaireRight = f.RichEdit1.Left() + f.RichEdit1.Width();
    for (const TControl* c : f.Controls()) {
        const auto* edit = dynamic_cast<const TEdit*>(c);
        if (!edit || !edit->Visible() || edit->Parent() != &f || edit->Left() >= questionnaireRight) continue;
        const bool prompted = std::any_of(f.Controls().begin(), f.Controls().end(), [&](const TControl* other) {
            const auto* label = dynamic_cast<const TLabel*>(other);
            return label && label->Visible() && label->Top() == edit->Top() &&
                   label->Left() + label->Width() <= edit->Left();
        });
        if (!prompted) return edit->Name();
    }
    return "";
}

// Coming from any other page, the pressure-loss page asks for the medium and its state first,
// shows nothing of the page before, and shows the resistance grid with its labels, at least
// the first eight fitting columns and all nine rows.
TEST(PressureLossPage, BuiltWholeAfterEveryOtherPage) {
    for (const char* before : {"Strypel", "Termodynamik", "Ventiler1", "RestrictionOrifice1", "flow", "Sortomv"}) {
        SCOPED_TRACE(before);
        ResetCalculationState();
        Screen().SetSize(1600, 1000);
        MainFormUnitInit();
        CreateMainWindow();
        TForm1& f = Form1();
        for (const char* item : {"English", before, "VAT", "Tryckf"}) {
            TControl* c = f.FindComponent(item);
            ASSERT_NE(c, nullptr) << item;
            c->Click();
        }
        EXPECT_TRUE(f.Medialabel.Visible());
        EXPECT_EQ(f.Medialabel.Caption(), "Water");
        EXPECT_LT(f.Medialabel.Top(), f.rorlangdtextin.Top());
        for (const TLabel* prompt : {&f.temptext, &f.abstrycktext}) {
            EXPECT_TRUE(prompt->Visible()) << prompt->Name();
            EXPECT_LT(prompt->Top(), f.rorlangdtextin.Top()) << prompt->Name();
        }
        EXPECT_EQ(f.temp.Top(), f.temptext.Top());
        EXPECT_EQ(f.abstryckantal.Top(), f.abstrycktext.Top());
        EXPECT_EQ(LoneEdit(), "");

        const TStringGrid& grid = f.Motstandgrid;
        ASSERT_TRUE(grid.Visible());
        const int line = grid.GridLineWidth();
        int columns = line, rows = line;
        for (int c = 0; c <= 8; ++c) columns += grid.ColWidth(c) + line;
        for (int r = 0; r < 9; ++r) rows += grid.RowHeight(r) + line;
        EXPECT_GE(grid.Width(), columns);
        EXPECT_GE(grid.Height(), rows);
        EXPECT_GT(grid.RowHeight(8), 0);
        // The labels take a character width of the grid font each.
        for (int r = 0; r < 6; ++r)
            EXPECT_GE(grid.ColWidth(0), Utf8Length(grid.Cell(0, r)) * CharWidth(grid.Font().Size)) << grid.Cell(0, r);
        EXPECT_EQ(grid.Cell(0, 1), "Resistancetype?");
        // The report follows below the grid.
        EXPECT_GE(f.RAPPORT.Top(), grid.Top() + grid.Height());
    }
}

}  // namespace
}  // namespace tubalyx
