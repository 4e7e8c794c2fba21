// The same inputs give the same report, whatever ran before: "Run" pressed again with nothing
// changed, and an input typed to another value, run, and typed back. Each case is replayed from
// the started window as the user made it; the head's clock is held, so a report is compared whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reports/report_head.h"
#include "state/grid_rows.h"
#include "sweep/window_driving.h"

namespace tubalyx {
namespace {

using sweep::NewestReport;
using sweep::Start;
using sweep::Steps;

ReportTimestamp HeldClock() { return {"2026-12-01", "12:00:00"}; }

class SameReport : public ::testing::Test {
protected:
    void SetUp() override { SetReportClock(&HeldClock); }
    void TearDown() override {
        SetReportClock(nullptr);
        Start();
    }
};

// The newest report after the steps, from the window as it stands.
std::vector<std::string> RunReport(const std::string& steps = "") {
    Steps(steps + " Runbutton");
    return NewestReport();
}

// Where two reports part: the first line that differs, or none.
std::string Difference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "(none)", y = i < b.size() ? b[i] : "(none)";
        if (x != y) return "line " + std::to_string(i) + ": \"" + x + "\" became \"" + y + "\"";
    }
    return "";
}

// A sample of every page's duties: the steps from the started window (English), then an edit,
// the excursion typed into it and run, before its text is typed back.
TEST_F(SameReport, EveryPageReportsTheSameAfterARunAndAfterAnExcursion) {
    struct Duty {
        const char* steps;
        const char* edit;
        const char* excursion;
    };
    // clang-format off
    const Duty duties[] = {
        {"Termodynamik LUF", "temp", "3000"}, {"Termodynamik G", "abstryckantal", "1013250"},
        {"Strypel LUF", "temp", "3000"}, {"Strypel VAT Differenstryck1", "maxflowantal", "30"},
        {"Strypel VAT Flde1", "difftryckmaxantal", "50"}, {"Strypel LUF Optimalkonstruktion1", "maxflowantal", "5"},
        {"Strypel LUF Tryckfrlust1 litenstor", "temp", "3000"}, {"Strypel GAS maxflowsort>nm3h", "abstryckantal", "1000"},
        {"Tryckf LUF fitting NedkoningKontoppvinkel40grader1", "temp", "300"}, {"flow LUF", "Dstorkallmm", "50"},
        {"Ventiler1 VAT", "difftryckmaxantal", "50"}, {"RestrictionOrifice1 LUF", "maxflowantal", "30"},
        {"Strypel Flde1 RestrictionOrifice1 VAT", "temp", "80"},
    };
    // clang-format on
    for (const Duty& d : duties) {
        Start();
        Steps(std::string("English ") + d.steps);
        const std::string typed = sweep::EditText(d.edit);
        const std::vector<std::string> first = RunReport();
        EXPECT_EQ(Difference(first, RunReport()), "") << d.steps << ": run again";
        RunReport(std::string(d.edit) + "=" + d.excursion);
        EXPECT_EQ(Difference(first, RunReport(std::string(d.edit) + "=" + typed)), "")
            << d.steps << ": " << d.edit << " typed to " << d.excursion << " and back to " << typed;
    }
}

// Reports that took something of the run before: a valve sized for the outlet the device page's
// loss solve wrote over it (91.325 kPa, Kv 321.37), transmitter settings and a flow/dp table
// scaled by the dp typed rather than the one solved, a mass flow the edits' handlers left
// (3000 kg/h beside 3 Nm3/h), mol % that followed the pressure of an earlier run, the largest
// double rounded past the range, typed humidities and units listed otherwise the second time; a
// humidity checked by what the page showed, a mixture listed by another medium's names, an oil's
// pressure forced only once typed, a dp written back one digit off, a saturated liquid's drop
// from the pressure typed before its pick, a unit of another kind read as a pressure or a flow.
// Each first report is the one the run after it gives; an impossible humidity or unit is refused.
TEST_F(SameReport, TheFirstRunReportsWhatTheNextOneDoes) {
    struct Case {
        const char* steps;  // from the started window in English, before the first run
        const char* again;  // between the two runs: nothing, or an excursion and its way back
        std::vector<std::string> lines;
        char separator = '.';
        bool keyInGrid = false;  // a key and Return in the composition grid's name column
    };
    const std::string pad(56, ' '), outlet = "Outlet pressure?" + std::string(35, '_') + "(kPa)     10";
    const std::string kv = "Flow factor Kv" + std::string(34, '_') + "()= 158.18";
    const std::string error = "INPUT ERROR!!!";
    const std::string humidity = "Relative humidity (at operating conditions)?_________(%)";
    const std::string density = "Density" + std::string(36, '_') + "(kg/m3)= ";
    const std::string bore = "Throat diameter d cold (=20 C)" + std::string(16, '_') + "(mm)= ";
    const std::string argon = std::string(15, ' ') + "Argon" + std::string(32, ' ') + "47.34451     49.84409";
    // clang-format off
    const Case cases[] = {
        {"Strypel Tryckfrlust1 Ventiler1", "", {outlet, kv}},
        {"Strypel Tryckfrlust1 Ventiler1", "abstryckantal=1013250 Runbutton abstryckantal=101.325", {outlet, kv}},
        {"Strypel Tryckfrlust1 Ventiler1 abstryckantal=200", "", {outlet}},
        // The dp solved, 13.904 kPa, sets the transmitter; the table's dp at 3 t/h is 14.635 kPa.
        {"Strypel Tryckfrlust1 litenstor", "temp=3000 Runbutton temp=20",
         {"3.0000ton/h= 13.904kPa", "dp   1.5049 2.2584 3.1714 4.2490 5.4974 6.9242 8.5388 10.352 12.379 14.635"}},
        // 3 Sm3/h of air at 1.2231 kg/m3; 3 Nm3/h of the user's gas at 1.0732 kg/m3.
        {"Strypel maxflowsort>Standardm3h LUF", "", {pad + "= 3.669300000 kg/h"}},
        {"Strypel GAS maxflowsort>nm3h", "", {pad + "= 3.219600000 kg/h"}},
        {"Termodynamik G", "abstryckantal=1013250 Runbutton abstryckantal=101.325",
         {"               Argon                                47.58093     50.14639     50.11803        50"}, '.', true},
        {"Strypel utvflb=1.7976931348623157e308", "", {"__________________OUTPUT"}},
        {"Strypel minflowantal=1.7976931348623157e308", "", {"Minimal flow?" + std::string(36, '_') + "(ton/h) 1.7976931348623157e308"}},
        {"Strypel maxflowsort=TON/H", "", {"Minimal flow?" + std::string(36, '_') + "(ton/h)      1"}},
        {"Termodynamik G temp=8,462e+00", "", {std::string(60, ' ') + "0 C,101325 PaA/8,462 C,101,325 kPa"}, ','},
        {"Termodynamik LUF daggpkt relabsspecfukt=-59.5", "", {"Condense temp?" + std::string(39, '_') + "(C)  -59.5"}},
        {"Termodynamik LUF relabsspecfukt=-1E30", "", {humidity + "  -1E30", error}},
        {"Termodynamik LUF relabsspecfukt=51890", "", {humidity + "  51890", error}},
        {"Termodynamik LUF Absfukt relabsspecfukt=-5", "", {error}},
        // Supersaturated but still a gas: 43 times the saturation pressure at 20 degC is below 101.325 kPa.
        {"Termodynamik LUF relabsspecfukt=4300", "", {"WARNING! Relative humidity>100% = 4300.0"}},
        // A humidity is an input where the state takes one, whatever the page showed before the
        // run: water takes none, so the line a humidity pick showed is no input.
        {"Termodynamik VAT Relfukt relabsspecfukt=-1E30", "", {density + "998.32"}},
        {"Strypel LUF relabsspecfukt=-1E30", "", {error}},
        // The humid grid took the component names of an argon run, or the start's short ones.
        {"Termodynamik N2 Runbutton G litenstor relabsspecfukt=50", "", {argon}},
        {"Termodynamik G litenstor relabsspecfukt=50", "", {argon}},
        // An oil's pressure is the atmosphere's from its pick, not from the pressure typed next.
        {"Termodynamik abstryckantal=191.36 Olja rbg=900", "abstryckantal=300 Runbutton abstryckantal=191.36",
         {"Static Absolute Pressure? " + std::string(25, '_') + "(kPa) 101.32"}},
        // The dp beside a pressure range goes back as the run read it, not one part in 1E16 off.
        {"Strypel abstryckantal=500 abstryckmaxantal=600 difftryckmaxantal=24.999999999999998", "",
         {"Differential Pressure (for dp-transm,not= Pressurel(kPa)24.999999999999998"}},
        // A saturated liquid's drop is taken from its saturation pressure, not from 101.325 kPa.
        {"Ventiler1 CO2 abstrycktext temp=20 difftryckmaxantal=10 maxflowantal=3", "",
         {"Static Pressure" + std::string(30, '_') + "(kPa)= 5736.3", "Flow factor Kv" + std::string(34, '_') + "()= 0.4512"}},
        {"RestrictionOrifice1 CO2 abstrycktext temp=20 difftryckmaxantal=10 maxflowantal=3", "",
         {"Throat diameter d cold (=20 C)" + std::string(16, '_') + "(mm)= 4.3496"}},
        // A unit box takes its own kind: no velocity for a pressure, no pressure for a flow or a
        // viscosity; a pressure in psi or a flow in m/s is one.
        {"Strypel abstrycksort=m/s", "Dstorkallmm=2000 Runbutton Dstorkallmm=200", {error}},
        {"Strypel difftryckmaxsort=m/s abstrycksort=m/s", "Dstorkallmm=2000 Runbutton Dstorkallmm=200", {error}},
        {"Strypel maxflowsort=kPa", "", {error}},
        {"Strypel qbgsort=kPa", "", {error}},
        {"Ventiler1 difftryckmaxsort=kg/h", "", {error}},
        {"Strypel abstrycksort=psi", "", {bore + "109.15"}},
        {"Strypel maxflowsort>ms1 abstrycksort=BarA", "", {bore + "37.683"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        Start(c.separator);
        Steps(std::string("English ") + c.steps);
        if (c.keyInGrid) {
            Form1().ViktVolprocGrid.UserKeyPress('\r');
            Form1().ViktVolprocGrid.UserKeyUp(13, 0);
        }
        const std::vector<std::string> first = RunReport();
        for (const std::string& line : c.lines) EXPECT_TRUE(sweep::Holds(first, line)) << c.steps << ": " << line;
        EXPECT_EQ(Difference(first, RunReport(c.again)), "") << c.steps << " / " << c.again;
    }
}

// The budget grid as it stands, row by row: its cells joined by " | ".
std::vector<std::string> BudgetCells() {
    const TStringGrid& g = Form1().Felsimulgrid;
    std::vector<std::string> rows;
    for (int row = 0; row < g.RowCount(); ++row) {
        std::string cells;
        for (int col = 0; col < g.ColCount(); ++col) cells += g.Cell(col, row) + " | ";
        rows.push_back(cells);
    }
    return rows;
}

// Every budget starts from its own page's rows: natural gas's composition rows are no typed
// errors of the steam orifice after it (their -0.08 % stood in its "Other ERRORS" row), water
// shows no rows of natural gas below its totals, air's typed error is no methane uncertainty,
// and what the user typed into the rows per point stays typed, in their place of the page.
// Two budgets in one window give the grid of the second one's page alone in a new window, where
// the user types what the first page's rows carried.
TEST_F(SameReport, EveryBudgetStartsFromItsOwnPagesRows) {
    struct Case {
        std::string before;  // a budget of another page
        std::string budget;  // the page, its run and its budget, in the same window after it
        std::string alone;   // the same page in a new window: the rows the user typed first
    };
    const std::string naturalGas = "Strypel Naturgas Runbutton ",
                      steam = "Strypel ANG temp=200 abstryckantal=500 abstryckmaxantal=500 Runbutton ";
    const std::string budget = "Felsimulrubrik";
    const Case cases[] = {
        {naturalGas + budget, steam + budget, ""},
        {naturalGas + budget, "Strypel VAT Runbutton " + budget, ""},
        {naturalGas + budget, steam + "Felsimulgrid@1,19=0.3 " + budget, ""},
        {naturalGas + "Felsimulgrid@1,24=0.4 " + budget, steam + budget, "Felsimulgrid@1,19=0.4 "},
        {"Strypel LUF Runbutton Felsimulgrid@1,19=0.5 " + budget, naturalGas + budget, "Felsimulgrid@1,24=0.5 "},
    };
    for (const Case& c : cases) {
        Start();
        const std::string::size_type run = c.budget.rfind(budget);
        Steps("English " + c.budget.substr(0, run) + c.alone + budget);
        const std::vector<std::string> alone = BudgetCells();
        Start();
        Steps("English " + c.before + " " + c.budget);
        EXPECT_EQ(Form1().Felsimulrubrik.Color(), clYellow) << c.budget;
        EXPECT_EQ(Difference(alone, BudgetCells()), "") << c.before << " / " << c.budget;
    }
}

// A line run that ends in a failure line, even one that fails reading its inputs ("abc" for the
// pipe), shows no fitting result of the run before it.
TEST_F(SameReport, AFailedLineRunShowsNoFittingResultOfTheRunBefore) {
    const TStringGrid& grid = Form1().Motstandgrid;
    for (const char* failing : {"Dstorkallmm=abc", "maxflowantal=-3", "temp=-300"}) {
        Start();
        RunReport("English Tryckf LUF fitting PltsligrrdiameterminskningKontoppvinkel180grader1");
        ASSERT_NE(grid.Cell(1, kMbarRow), "") << failing;
        const std::string last = RunReport(failing).back();
        EXPECT_TRUE(last == "NOTE! INPUT FALSE/FLOW TO BIG!" || last == "INPUT ERROR!!!") << failing << ": " << last;
        for (int row : {kPercentRow, kMbarRow}) EXPECT_EQ(grid.Cell(1, row), "") << failing;
    }
}

// A run leaves the page's choices as it found them: the materials, the device, the standard and
// the solved quantity read as before it (the straight-length table once took the chosen
// materials off their labels).
TEST_F(SameReport, ARunLeavesThePageShowingTheChoicesItWasRunWith) {
    const char* const labels[] = {"mtrlfl", "mtrlror", "strypsort", "ISODIN", "Strypbertyp", "Medialabel"};
    for (const char* steps : {"Strypel", "Strypel VAT mtrlfl mtrlfl7 mtrlror mtrlfl8", "Strypel ISODIN ISODIN LUF",
                              "Strypel VenturiSvetsat1 Deutsch"}) {
        Start();
        Steps(std::string("English ") + steps);
        std::vector<std::string> before;
        for (const char* name : labels) before.push_back(dynamic_cast<TLabel&>(*Form1().FindComponent(name)).Caption());
        RunReport();
        for (std::size_t i = 0; i < std::size(labels); ++i)
            EXPECT_EQ(dynamic_cast<TLabel&>(*Form1().FindComponent(labels[i])).Caption(), before[i])
                << steps << ": " << labels[i];
    }
}

// The optimal design writes its pipe back on purpose: the next run reads it as the pipe, as if it
// had been typed, so that a flow in m/s is a speed in the pipe the edit shows.
TEST_F(SameReport, TheRunAfterAnOptimalDesignReadsItsPipeAsTyped) {
    const std::string design = "English Strypel Optimalkonstruktion1 maxflowsort>ms1";
    Start();
    RunReport(design);
    const std::string pipe = sweep::EditText("Dstorkallmm");
    const std::vector<std::string> next = RunReport();
    Start();
    EXPECT_EQ(Difference(next, RunReport(design + " Dstorkallmm=" + pipe)), "") << pipe;
}

}  // namespace
}  // namespace tubalyx
