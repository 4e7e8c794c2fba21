// The page manager: every function's page for every medium, the solved-quantity rules, the
// uncertainty rows, the captions by language, a rebuild that changes nothing, and the run's
// input section written once.
#include "ui/page_manager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "forms/screen.h"
#include "reports/report_head.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "support/start_up_edits.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"
#include "ui/layout_controls.h"
#include "ui/run_driver.h"
#include "ui/startup.h"
#include "water_orifice.h"

namespace tubalyx {
namespace {

class PageManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Screen().SetSize(1600, 900);
        // The window as the program starts it, whichever test ran before (or none).
        MainFormUnitInit();
        CreateMainWindow();
        BaseFontSize = 20;
        TForm1& f = Form1();
        f.SetFontSize(20);
        f.SetHorzScrollPosition(0);
        LayoutControls();
        ApplyLanguage('E');
        f.litenstor.SetCaption("Small");
        f.RichEdit1.Clear();
    }
    static int Build(char kind = 'S') {
        LayoutTop = 0;
        PageManager(kind, LayoutTop);
        return LayoutTop;
    }
};

struct Page {
    const char* function;
    const char* device;
    const char* solveFor;
    const char* valve;
    const char* menuItem;  // whose caption the window caption carries
};
const Page kPages[] = {
    {"Strypf", "S", "DI", "", "Strypel"},
    {"Strypf", "S", "DP", "", "Strypel"},
    {"Strypf", "S", "FL", "", "Strypel"},
    {"Strypf", "SM", "TF", "", "Strypel"},
    {"Strypf", "V", "OK", "", "Strypel"},
    {"Strypf", "VCONE", "DI", "", "Kommersiellafldesmtare1"},
    {"Strypf", "VOLYM", "DP", "", "Kommersiellafldesmtare1"},
    {"Termo", "S", "DI", "", "Termodynamik"},
    {"Tryckf", "S", "DI", "", "Tryckf"},
    {"Flow", "S", "DI", "", "flow"},
    {"Ventil", "S", "DI", "VE", "Ventiler1"},
    {"Ventil", "S", "DI", "RO", "RestrictionOrifice1"},
    {"Sorter", "S", "DI", "", "Sortomv"},
};
const char* const kMedia[] = {"VAT",   "ANG", "MNG", "VÄT", "GAS", "IGAS", "LUF", "G",  "NGAS", "OLJA", "C3H8",
                              "C3H8V", "CO2", "CO",  "N2",  "O2",  "H2",   "AR",  "O3", "NH3",  "CH4"};

TEST_F(PageManagerTest, EveryFunctionBuildsItsPageForEveryMedium) {
    TForm1& f = Form1();
    for (const Page& page : kPages) {
        for (const char* medium : kMedia) {
            CalcFunction = page.function, DeviceCode = page.device, SolveFor = page.solveFor;
            ValveSubtype = page.valve, MediumCode = medium;
            const std::string where = std::string(page.function) + "/" + page.device + "/" + medium;
            int top = 0;
            ASSERT_NO_THROW(top = Build()) << where;
            const auto* item = static_cast<TMenuItem*>(f.FindComponent(page.menuItem));
            EXPECT_EQ(f.Caption(), "Tubalyx.1404:" + item->Caption() + "/File: ") << where;
            if (CalcFunction == "Sorter") {
                EXPECT_TRUE(f.Sortergrid.Visible()) << where;
                EXPECT_FALSE(f.RichEdit1.Visible()) << where;
                continue;
            }
            // The report stands below the questionnaire, never shorter than its minimum.
            EXPECT_GT(top, 0) << where;
            EXPECT_EQ(f.RAPPORT.Top(), top) << where;
            EXPECT_EQ(f.RichEdit1.Top(), top + f.RAPPORT.Height()) << where;
            EXPECT_GE(f.RichEdit1.Height(), kReportMinimumLines * std::abs(f.Font().Height())) << where;
            EXPECT_TRUE(f.RichEdit1.Visible()) << where;
            EXPECT_FALSE(f.Sortergrid.Visible()) << where;
            EXPECT_EQ(f.PaintBox1.Visible(), CalcFunction == "Strypf" || CalcFunction == "Flow") << where;
            EXPECT_EQ(f.grafred.Visible(), CalcFunction == "Strypf" || CalcFunction == "Flow") << where;
        }
    }
}

TEST_F(PageManagerTest, SolvedQuantityRulesAndUncertaintyRows) {
    const struct {
        const char *function, *device, *valve, *solveFor, *expected;
    } rules[] = {
        {"Ventil", "S", "RO", "DP", "FL"}, {"Ventil", "S", "RO", "TF", "FL"}, {"Ventil", "S", "RO", "OK", "FL"},
        {"Ventil", "S", "RO", "DI", "DI"}, {"Ventil", "S", "VE", "DP", "DP"}, {"Strypf", "VOLYM", "", "DI", "FL"},
        {"Strypf", "S", "", "DP", "DP"},
    };
    for (const auto& r : rules) {
        CalcFunction = r.function, DeviceCode = r.device, ValveSubtype = r.valve, SolveFor = r.solveFor;
        Build();
        EXPECT_EQ(SolveFor, r.expected) << r.function << r.valve << r.solveFor;
    }
    TStringGrid& grid = Form1().Felsimulgrid;
    CalcFunction = "Strypf", DeviceCode = "S", SolveFor = "DI";
    const struct {
        const char* medium;
        bool humid;
        int rows, row18, row22;
    } media[] = {
        {"NGAS", false, 28, 0, -1}, {"LUF", true, 23, 1, 1}, {"LUF", false, 23, 0, 0}, {"VAT", true, -1, 0, 0}};
    for (const auto& m : media) {
        MediumCode = m.medium;
        HumidGasFlag = m.humid;
        grid.SetRowCount(25);
        Build();
        if (m.rows > 0) {
            EXPECT_EQ(grid.RowCount(), m.rows) << m.medium;
        }
        const int shown = grid.DefaultRowHeight();
        EXPECT_EQ(grid.RowHeight(18), m.row18 * shown) << m.medium;
        if (m.row22 >= 0) {
            EXPECT_EQ(grid.RowHeight(22), m.row22 * shown) << m.medium;
        }
    }
}

TEST_F(PageManagerTest, CaptionsFollowTheLanguageAndTheReportSizeKeepsItsSize) {
    TForm1& f = Form1();
    CalcFunction = "Termo";
    ReportFileName = "plant.txt";
    const struct {
        char letter;
        const char *size, *translated, *report, *fileWord;
    } cases[] = {
        {'S', "Small", "Liten", "Rapport", "/Fil: "},
        {'D', "Big  ", "Gross", "Berechnungsergebnis", "/Datei: "},
        {'E', "Stor ", "Big  ", "Report", "/File: "},
        {'E', "Mini", "Mini", "Report", "/File: "},
    };
    for (const auto& c : cases) {
        LanguageLetter = c.letter;
        f.litenstor.SetCaption(c.size);
        Build();
        EXPECT_EQ(f.litenstor.Caption(), c.translated) << c.letter;
        EXPECT_EQ(f.RAPPORT.Caption(), c.report) << c.letter;
        EXPECT_TRUE(f.Caption().ends_with(std::string(c.fileWord) + "plant.txt")) << f.Caption();
    }
    // The report row: Run, select all and the size left of the title, the rest right of it.
    EXPECT_EQ(f.litenstor.Left() + f.litenstor.Width(), f.RAPPORT.Left());
    EXPECT_EQ(f.selectall.Left() + f.selectall.Width() + 5, f.litenstor.Left());
    EXPECT_EQ(f.Rensarapport.Left(), f.RAPPORT.Left() + f.RAPPORT.Width());
    EXPECT_EQ(f.Excel.Left(), f.ABBSiemens.Left() + f.ABBSiemens.Width() + 5);
    EXPECT_EQ(f.RichEdit1.Width(), 20 * 100);
    ReportZoom = true;
    Build();
    EXPECT_EQ(f.RichEdit1.Width(), f.ClientWidth());
}

// Only the size captions the window writes change language: the padded big ones and the small
// ones. An unpadded "Stor" or "Big" stays as it is.
TEST_F(PageManagerTest, ReportSizeCaptionsOutsideTheWrittenOnesStay) {
    TForm1& f = Form1();
    CalcFunction = "Termo";
    const struct {
        char letter;
        const char *size, *translated;
    } cases[] = {
        {'E', "Stor", "Stor"},
        {'S', "Gross", "Stor "},
        {'D', "Liten", "Klein"},
        {'S', "Big", "Big"},
    };
    for (const auto& c : cases) {
        LanguageLetter = c.letter;
        f.litenstor.SetCaption(c.size);
        Build();
        EXPECT_EQ(f.litenstor.Caption(), c.translated) << c.letter << " " << c.size;
    }
}

// Everything a user sees of the visible controls.
struct Look {
    std::string name, text;
    bool visible;
    int left, top, width, height;
    bool operator==(const Look&) const = default;
};
std::vector<Look> WindowLook() {
    std::vector<Look> looks;
    for (TControl* c : Form1().Controls()) {
        if (!c->Visible()) continue;
        std::string text;
        if (auto* l = dynamic_cast<TLabel*>(c)) text = l->Caption();
        if (auto* e = dynamic_cast<TEdit*>(c)) text = e->Text();
        looks.push_back({c->Name(), text, c->Visible(), c->Left(), c->Top(), c->Width(), c->Height()});
    }
    looks.push_back({"caption", Form1().Caption(), true, 0, 0, 0, 0});
    return looks;
}

TEST_F(PageManagerTest, TwoBuildsInARowGiveTheSameWindow) {
    for (const Page& page : kPages) {
        CalcFunction = page.function, DeviceCode = page.device, SolveFor = page.solveFor;
        ValveSubtype = page.valve, MediumCode = "LUF";
        Build();
        const std::vector<Look> first = WindowLook();
        Build();
        const std::vector<Look> second = WindowLook();
        ASSERT_EQ(first.size(), second.size()) << page.function;
        for (size_t i = 0; i < first.size(); ++i) {
            EXPECT_TRUE(first[i] == second[i]) << page.function << " " << first[i].name;
        }
    }
}

// A handler that the build sets off and that rebuilds the page (setting LayoutTop to 0 on
// the way) neither nests a second build in the running one nor moves what it places.
TEST_F(PageManagerTest, ARebuildAskedForDuringABuildFollowsIt) {
    CalcFunction = "Strypf", DeviceCode = "S", SolveFor = "DI", MediumCode = "LUF";
    const int plain = Build();
    const std::vector<Look> plainLook = WindowLook();
    int changes = 0, nestedChanges = 0;
    bool nested = false;
    TControl::SetChangeListener([&](TControl&) {
        if (nested) ++nestedChanges;
        if (nested || changes++ != 0) return;
        nested = true;
        LayoutTop = 0;
        PageManager('S', LayoutTop);
        nested = false;
    });
    int top = 0;
    PageManager('S', top);
    TControl::SetChangeListener(nullptr);
    EXPECT_GT(changes, 1);
    EXPECT_EQ(nestedChanges, 0);
    EXPECT_EQ(top, plain);
    EXPECT_TRUE(WindowLook() == plainLook);
}

TEST_F(PageManagerTest, TheRunWritesTheInputSectionOnce) {
    uitest::RunSizedWaterOrifice();
    const TRichEdit& report = Form1().RichEdit4;
    const std::string pipe = Form1().rordiamtextin.Caption().substr(0, 20);
    int pipeLines = 0, headings = 0;
    for (int i = 0; i < report.LineCount(); ++i) {
        if (report.Line(i).starts_with(pipe)) ++pipeLines;
        if (report.Line(i) == InputHeadingText()) ++headings;
    }
    EXPECT_EQ(headings, 1);
    EXPECT_EQ(pipeLines, 1);
    EXPECT_EQ(CalcFunction, "Strypf");
    EXPECT_TRUE(Form1().RichEdit1.Visible());
}

// A run on the unit page shows the report below the grid, the window scrolled to the report's
// title row, and none of the other pages' pressure and temperature edits over the grid.
TEST_F(PageManagerTest, ARunOnTheUnitPageShowsTheReportBelowTheGrid) {
    TForm1& f = Form1();
    CalcFunction = "Strypf", DeviceCode = "S", SolveFor = "DI", MediumCode = "LUF";
    Build();
    testsupport::WriteStartUpEdits();
    CalcFunction = "Sorter";
    Build();
    EXPECT_FALSE(f.RichEdit1.Visible());
    f.SetVertScrollPosition(0);
    f.Run1->Click();
    const TStringGrid& grid = f.Sortergrid;
    EXPECT_TRUE(grid.Visible());
    EXPECT_TRUE(f.RichEdit1.Visible());
    EXPECT_GE(f.RichEdit1.Top(), grid.Top() + grid.Height());
    EXPECT_GE(f.selectall.Top(), grid.Top() + grid.Height());
    EXPECT_EQ(f.VertScrollBar().Position, f.selectall.Top());
    for (const TControl* c : {(TControl*)&f.temp, (TControl*)&f.tempsort, (TControl*)&f.abstryckantal,
                              (TControl*)&f.abstrycksort, (TControl*)&f.temptext, (TControl*)&f.abstrycktext})
        EXPECT_FALSE(c->Visible()) << c->Name();
    EXPECT_FALSE(f.RichEdit1.Line(0).empty());
}

}  // namespace
}  // namespace tubalyx
