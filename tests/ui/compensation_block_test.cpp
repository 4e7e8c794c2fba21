// The compensation table beside the questionnaire, reached as a user reaches it: its block on
// the primary-device and thermodynamics pages, the navigation items that scroll to it, and its
// "Run", code and data-sheet labels started from the device page after a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "forms/screen.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/separator_guard.h"
#include "numerics/text_utils.h"
#include "state/report_state.h"
#include "ui/calculation_reset.h"
#include "ui/form1.h"
#include "ui/startup.h"

namespace tubalyx {
namespace {

void Start(std::initializer_list<const char*> items) {
    ResetCalculationState();
    Screen().SetSize(1600, 1000);
    MainFormUnitInit();
    CreateMainWindow();
    for (const char* item : items) {
        TControl* c = Form1().FindComponent(item);
        ASSERT_NE(c, nullptr) << item;
        c->Click();
    }
}

void Type(const char* name, const std::string& text) {
    auto* edit = dynamic_cast<TEdit*>(Form1().FindComponent(name));
    ASSERT_NE(edit, nullptr) << name;
    edit->UserSetText(text);
}

std::vector<std::string> ReportLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < Form1().RichEdit1.LineCount(); ++i) lines.push_back(Form1().RichEdit1.Line(i));
    return lines;
}

int LineStarting(const std::vector<std::string>& lines, const std::string& start) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind(start, 0) == 0) return static_cast<int>(i);
    return -1;
}

double Cell(int col, int row) {
    std::string text = Form1().PTKompgrid.Cell(col, row);
    return StrToFloatAnySep(text);
}

// Where the page has the block, its navigation item brings it to the top left of the view;
// the uncertainty item brings its grid where the page has one and leaves the view elsewhere.
TEST(CompensationBlock, NavigationItemsScrollToTheBlocksOfEveryPageThatHasThem) {
    for (const char* page : {"Strypel", "Termodynamik", "Tryckf"}) {
        SCOPED_TRACE(page);
        Start({"English", page, "LUF"});
        TForm1& f = Form1();
        const bool density = std::string(page) != "Tryckf", uncertainty = std::string(page) == "Strypel";
        EXPECT_EQ(f.PTKompgrid.Visible(), density);
        for (const TControl* c : {(TControl*)&f.Label2, (TControl*)&f.kod, (TControl*)&f.BigBlock,
                                  (TControl*)&f.Trycktemplabel, (TControl*)&f.PTberfel})
            EXPECT_EQ(c->Visible(), density) << c->Name();
        f.SetVertScrollPosition(0);
        f.SetHorzScrollPosition(0);
        f.FindComponent("Densitet1")->Click();
        EXPECT_EQ(f.VertScrollBar().Position, density ? f.Trycktemplabel.Top() : 0);
        EXPECT_EQ(f.HorzScrollBar().Position, density ? f.Pmin.Left() : 0);
        f.SetVertScrollPosition(0);
        f.SetHorzScrollPosition(0);
        f.FindComponent("Oskerhet1")->Click();
        EXPECT_EQ(f.VertScrollBar().Position, uncertainty ? f.osrubrik.Top() : 0);
        EXPECT_EQ(f.HorzScrollBar().Position, uncertainty ? f.Felsimulgrid.Left() : 0);
    }
}

// The block's title, formula, note, error and flow-factor lines stand in it once a run or the
// table's "Run" has written them, and not before; "Tmax" heads the last temperature column from
// the start. The uncertainty page stays below the block either way.
TEST(CompensationBlock, ItsResultLinesShowOnceWritten) {
    TForm1& f = Form1();
    TLabel* const lines[] = {&f.ZLabel, &f.PThelp, &f.Z0Zn, &f.PTmaxerror, &f.fdens_mat, &f.PTberex};
    for (TLabel* l : lines) l->SetCaption("");  // as the program starts
    Start({"English", "Strypel", "LUF"});
    EXPECT_TRUE(f.PTKompgrid.Visible());
    for (const TLabel* l : lines) EXPECT_FALSE(l->Visible()) << l->Name() << " before the run";
    EXPECT_TRUE(f.Tmax.Visible());
    EXPECT_EQ(f.Tmax.Caption(), "Tmax");
    EXPECT_GE(f.osrubrik.Top(), f.fdens_mat.Top() + f.fdens_mat.Height());

    f.Runbutton.Click();
    for (const TLabel* l : {&f.ZLabel, &f.PThelp, &f.Z0Zn, &f.PTmaxerror, &f.fdens_mat})
        EXPECT_TRUE(l->Visible() && !l->Caption().empty()) << l->Name() << " after the run";
    EXPECT_EQ(f.PTmaxerror.Caption(), "Maximal real calculation error= FIRST MAIN CALCULATION, then this");
    EXPECT_FALSE(f.PTberex.Visible());

    f.Label2.Click();
    EXPECT_TRUE(f.PTmaxerror.Visible());
    EXPECT_EQ(f.PTmaxerror.Caption().rfind("Maximal real calculation error= ", 0), 0u);
    std::string error = f.PTmaxerror.Caption().substr(std::string("Maximal real calculation error= ").size());
    EXPECT_LE(StrToFloatAnySep(error), 1.0);  // within the allowed error the table starts with

    // The thermodynamics page has no flow factor: its line is emptied and stays away.
    f.FindComponent("Termodynamik")->Click();
    f.Runbutton.Click();
    EXPECT_TRUE(f.PThelp.Visible());
    EXPECT_FALSE(f.fdens_mat.Visible());
    EXPECT_EQ(f.fdens_mat.Caption(), "");
}

// An air orifice of 5000 kg/h, bore solved over 400 to 600 kPa and 20 to 60 C, big report:
// after Run the table's "Run", the density code, the BigBlock and the data sheet are started
// by their labels, each writing its block.
TEST(CompensationBlock, DevicePageStartsTheTableTheCodeAndTheDataSheetByTheirLabels) {
    const SeparatorGuard guard('.');
    Start({"English", "Strypel", "LUF"});
    TForm1& f = Form1();
    Type("tempmin", "20");
    Type("temp", "60");
    Type("abstryckantal", "400");
    Type("abstryckmaxantal", "600");
    Type("maxflowsort", "kg/h");
    Type("maxflowantal", "5000");
    Type("Dstorkallmm", "100");
    Type("difftryckmaxantal", "25");
    for (int i = 0; i < 3 && !f.litenstor.Caption().starts_with("Big"); ++i) f.litenstor.Click();
    f.Runbutton.Click();
    const std::size_t runLines = ReportLines().size();

    f.Label2.Click();
    EXPECT_TRUE(DensityTableReady);
    EXPECT_EQ(CompTablePressureMinKPa, 400.0);
    EXPECT_EQ(CompTablePressureMaxKPa, 600.0);
    std::vector<std::string> lines = ReportLines();
    EXPECT_GE(LineStarting(lines, "Table for Pressure/Temperature-correction of Gasdensity, Fluid: Air"), 0);
    EXPECT_GE(LineStarting(lines, "Maximal real calculation error= "), 0);

    f.kod.Click();
    f.BigBlock.Click();
    lines = ReportLines();
    EXPECT_GE(LineStarting(lines, "FUNCTION_BLOCK Genverket//calculates density from P,T"), 0);
    EXPECT_GE(LineStarting(lines, "FUNCTION_BLOCK Genverket//BigBlock"), 0);
    EXPECT_FALSE(f.kodkomment.Visible());

    // The data sheet goes below everything, five characters in and its numbers five more.
    EXPECT_EQ(f.vmargbox.Text(), "5");
    EXPECT_EQ(f.Numberspos.Text(), "5");
    const std::size_t before = ReportLines().size();
    f.DSAprint.Click();
    lines = ReportLines();
    ASSERT_GT(lines.size(), before + 6);
    EXPECT_GT(before, runLines);
    EXPECT_EQ(lines[before], std::string(10, ' ') + "          Orifice plate" + "  (Flanged mounting)");
    const std::string& maxFlow = lines[before + 5];
    EXPECT_EQ(Utf8Length(maxFlow), 10 + 43);
    EXPECT_EQ(maxFlow.find_first_not_of(' '), maxFlow.size() - std::string("5000.00000").size());
    std::string number = maxFlow;
    EXPECT_DOUBLE_EQ(StrToFloatAnySep(number), 5000.0);
}

// A run of a gas mixture that ends in the input error, from shares past any percentage: the
// table's "Run" computes nothing (its label stays red, the run's request texts stand, the
// report is as it was), and the sum of those shares, no number, leaves its cell empty.
TEST(CompensationBlock, AfterAFailedRunTheTablesRunComputesNothing) {
    Start({"English", "Termodynamik", "G"});
    TForm1& f = Form1();
    for (int row : {2, 3}) f.ViktVolprocGrid.UserSetEditText(4, row, "-1e308");
    f.Runbutton.Click();
    const std::vector<std::string> failed = ReportLines();
    ASSERT_GE(LineStarting(failed, "INPUT ERROR!!!"), 0);
    f.Label2.Click();
    EXPECT_EQ(f.Label2.Color(), clRed);
    EXPECT_EQ(ReportLines(), failed);
    EXPECT_EQ(f.PTmaxerror.Caption(), "Maximal real calculation error= FIRST MAIN CALCULATION, then this");
    EXPECT_EQ(f.ViktVolprocGrid.Cell(4, 12), "");
}

// The thermodynamics page asks for no operating range: its table is the questionnaire's one
// point, whatever was typed into its corner cells. Air at 500 kPa and 20 C: the ratio 1, and
// the density of the reference property data (166.163 and 171.973 dm3/kg at 290 and 300 K).
TEST(CompensationBlock, ThermodynamicsTableIsThePointOfTheQuestionnaire) {
    for (char separator : {',', '.'}) {
        SCOPED_TRACE(separator);
        const SeparatorGuard guard(separator);
        Start({"English", "Termodynamik", "LUF"});
        TForm1& f = Form1();
        Type("temp", "20");
        Type("abstryckantal", "500");
        f.Runbutton.Click();
        const std::string sep(1, separator);
        f.PTKompgrid.UserSetEditText(0, 1, "500");
        f.PTKompgrid.UserSetEditText(0, 10, "1000");
        f.PTKompgrid.UserSetEditText(1, 0, "26" + sep + "85");
        f.PTKompgrid.UserSetEditText(10, 0, "126" + sep + "85");
        Type("PTberfel", "0" + sep + "001");
        f.Label2.Click();
        EXPECT_EQ(CompTablePressureMinKPa, 500.0);
        EXPECT_EQ(CompTablePressureMaxKPa, 500.0);
        EXPECT_EQ(Cell(10, 0), 20.0);
        EXPECT_EQ(f.PTKompgrid.Cell(1, 1), "1");
        EXPECT_EQ(f.PTKompgrid.Cell(10, 10), "");
        EXPECT_NEAR(ReferenceDensity, 1000.0 / (166.163 + 0.315 * (171.973 - 166.163)), 5e-3);
    }
}

}  // namespace
}  // namespace tubalyx
