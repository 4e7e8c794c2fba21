// The clickable labels: each option steps as its cycle says and wraps, the prompt shows the
// answer, the pop-up items write their choice, the phase labels walk the phases of the
// liquefiable gases only, and Run keeps every earlier report.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "reports/report_window.h"
#include "state/selections.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

struct OptionCycle {
    const char* label;      // the label clicked
    const char* device;     // DeviceCode during the clicks
    std::string* option;
    const char* start;
    std::vector<const char*> after;  // the option after each click
};

TEST(OptionLabels, EachClickStepsItsOptionAndWraps) {
    const OptionCycle cycles[] = {
        {"reynstortextin", "S", &AllowLargeReynoldsFlag, "J", {"N", "J", "N"}},
        {"reynstortextin", "S", &AllowLargeReynoldsFlag, "?", {"J", "N"}},
        {"rorlitentextin", "S", &AllowSmallPipeFlag, "N", {"J", "N"}},
        {"rorstortextin", "S", &AllowLargePipeFlag, "J", {"N", "J"}},
        {"bermetodtextin", "S", &OnlineFlowMethod, "R", {"N", "R", "N"}},
        {"molekylviktGtext", "S", &OnlineFlowMethod, "N", {"R", "N"}},
        {"tillvunderlagtextin", "S", &ProductionReportFlag, "N", {"J", "N"}},
        {"bermetoderrtextin", "S", &UncertaintyMethodCode, "1", {"2", "3", "N", "1", "2"}},
        {"bermetoderrtextin", "VCONE", &UncertaintyMethodCode, "M", {"1", "2", "3", "N", "1"}},
        {"bermetoderrtextin", "VOLYM", &UncertaintyMethodCode, "2", {"L", "P", "L"}},
    };
    TForm1& f = Form1();
    LanguageLetter = 'E';
    for (const OptionCycle& c : cycles) {
        DeviceCode = c.device;
        *c.option = c.start;
        auto* label = dynamic_cast<TLabel*>(f.FindComponent(c.label));
        ASSERT_NE(label, nullptr) << c.label;
        for (const char* expected : c.after) {
            label->Click();
            EXPECT_EQ(*c.option, expected) << c.label << " from " << c.start;
        }
    }
}

// The prompt carries the answer in the letters of the language.
TEST(OptionLabels, ThePromptShowsTheAnswerInTheLanguage) {
    TForm1& f = Form1();
    struct Case {
        char language;
        TLabel* label;
        std::string* option;
        const char* start;
        char shown;  // last letter of the prompt after one click
    } cases[] = {
        {'E', &f.reynstortextin, &AllowLargeReynoldsFlag, "N", 'Y'},
        {'S', &f.reynstortextin, &AllowLargeReynoldsFlag, "N", 'J'},
        {'E', &f.rorstortextin, &AllowLargePipeFlag, "J", 'N'},
        {'D', &f.bermetodtextin, &OnlineFlowMethod, "N", 'Q'},
        {'E', &f.bermetodtextin, &OnlineFlowMethod, "R", 'S'},
        {'E', &f.tillvunderlagtextin, &ProductionReportFlag, "N", 'Y'},
    };
    for (const Case& c : cases) {
        LanguageLetter = c.language;
        DeviceCode = "S";
        *c.option = c.start;
        c.label->Click();
        ASSERT_FALSE(c.label->Caption().empty()) << c.label->Name();
        EXPECT_EQ(c.label->Caption().back(), c.shown) << c.label->Name() << " in " << c.language;
    }
    LanguageLetter = 'S';
    DeviceCode = "VOLYM";
    UncertaintyMethodCode = "P";
    f.bermetoderrtextin.Click();
    EXPECT_EQ(f.bermetoderrtextin.Caption(),
              "Linjär (q=konstant*(Volt/tidsdiff))/Polynomberäkning (q=variabel*(Volt/tidsdiff)) av flödet?(L/P) L");
}

TEST(OptionLabels, FittingItemsStoreTheirNumberAndOptimalDesignNeedsADefinedFitting) {
    TForm1& f = Form1();
    StandardLetter = 'I';
    DeviceCode = "S";
    ApplyLanguage('S');
    f.SetBounds(100, 50, 1200, 900);
    f.bestyckningtext.SetBounds(30, 400, 200, 20);
    const int opened = f.Bestyckningmenu.PopupCount();
    f.bestyckningtext.Click();
    EXPECT_EQ(f.Bestyckningmenu.PopupCount(), opened + 1);
    EXPECT_EQ(f.Bestyckningmenu.PopupX(), 100 + 30);
    EXPECT_EQ(f.Bestyckningmenu.PopupY(), 50 + TForm::FrameHeight + 400 + f.bestyckningtext.Height());
    // The captions are refreshed for the standard and language before the menu opens.
    EXPECT_EQ(f.bestyck0->Caption(), "0.Annan Störning");
    EXPECT_TRUE(f.bestyck10->Caption().starts_with("10.") && f.bestyck10->Caption().size() > 4)
        << f.bestyck10->Caption();

    SolveFor = "DI";
    f.bestyck0->Click();
    EXPECT_EQ(UpstreamFittingCode, "0");
    EXPECT_EQ(f.bestyckningtext.Caption(), "0.Annan Störning");
    f.bestyck10->Click();
    EXPECT_EQ(UpstreamFittingCode, "10");
    EXPECT_EQ(f.bestyckningtext.Caption(), f.bestyck10->Caption());
    SolveFor = "OK";
    f.bestyck0->Click();
    EXPECT_EQ(UpstreamFittingCode, "1");
    EXPECT_EQ(f.bestyckningtext.Caption(), f.bestyck1->Caption());
}

TEST(OptionLabels, RoughnessItemsWriteTheUncertaintyAndTheRoughnessAsShown) {
    TForm1& f = Form1();
    const struct {
        TMenuItem* item;
        const char* uncertainty;
        const char* roughness;
    } items[] = {
        {f.r2, "0,015", "0,015"}, {f.r3, "0,025", "0,075"}, {f.r4, "0,025", "0,075"}, {f.r5, "0,05", "0,1"},
        {f.r6, "0,05", "0,15"},   {f.r7, "0,05", "0,25"},   {f.r8, "0,05", "0,25"},   {f.r9, "0,5", "1,5"},
    };
    for (const auto& i : items) {
        i.item->Click();
        EXPECT_EQ(f.Felsimulgrid.Cell(1, 11), i.uncertainty) << i.item->Name();
        EXPECT_EQ(f.Dstorrahetmm.Text(), i.roughness) << i.item->Name();
    }
    // The heading of the table does nothing.
    f.r1->Click();
    EXPECT_EQ(f.Dstorrahetmm.Text(), "1,5");
}

TEST(OptionLabels, PhaseLabelsWalkThePhasesOfTheLiquefiableGasesOnly) {
    TForm1& f = Form1();
    const struct {
        const char* medium;
        TLabel* label;
        char start;
        std::vector<char> after;
    } walks[] = {
        {"N2", &f.abstrycktext, 'N', {'G', 'V', 'N'}},
        {"AR", &f.abstryckmaxtext, 'H', {'N', 'G'}},
        {"O2", &f.abstrycktext, 'X', {'N'}},
        {"CO2", &f.abstrycktext, 'N', {'V', 'N'}},
        {"H2", &f.abstrycktext, 'X', {'N', 'V'}},
        {"O3", &f.abstrycktext, 'G', {'G'}},  // a letter outside the cycle stays
        {"N2", &f.temptext, 'N', {'H', 'X', 'N'}},
        {"O2", &f.kaltemptext, 'G', {'N', 'H'}},
        {"AR", &f.kalmaxreyntext, 'V', {'N'}},
        {"H2", &f.kalminreyntext, 'N', {'X', 'N'}},
        {"CO2", &f.temptext, 'V', {'N', 'X'}},
        {"VAT", &f.abstrycktext, 'N', {'N', 'N'}},
        {"LUF", &f.temptext, 'N', {'N'}},
    };
    for (const auto& w : walks) {
        MediumCode = w.medium;
        PhaseLetter = w.start;
        for (char expected : w.after) {
            w.label->Click();
            EXPECT_EQ(PhaseLetter, expected) << w.medium << " by " << w.label->Name() << " from " << w.start;
        }
    }
}

TEST(OptionLabels, MaxFlowLabelMarksTheFlowAsGiven) {
    TForm1& f = Form1();
    CalcFunction = "Strypf", SolveFor = "DI", MaxFlowGivenFlag = "J";
    f.maxflowsort.SetVisible(false);
    f.maxflowtext.Click();
    EXPECT_EQ(MaxFlowGivenFlag, "V");
    EXPECT_TRUE(f.maxflowsort.Visible());

    // A restriction orifice toggles the unit: shown while the flag was not yet "V".
    CalcFunction = "Ventil", ValveSubtype = "RO";
    f.maxflowtext.Click();
    EXPECT_FALSE(f.maxflowsort.Visible());
    MaxFlowGivenFlag = "J";
    f.maxflowtext.Click();
    EXPECT_TRUE(f.maxflowsort.Visible());
    EXPECT_EQ(MaxFlowGivenFlag, "V");

    // Optimal design and other functions leave everything as it is.
    for (const auto& [function, solve] : {std::pair{"Strypf", "OK"}, std::pair{"Termo", "DI"}}) {
        CalcFunction = function, SolveFor = solve, MaxFlowGivenFlag = "J";
        f.maxflowtext.Click();
        EXPECT_EQ(MaxFlowGivenFlag, "J") << function << " " << solve;
    }
}

TEST(OptionLabels, DensityRunLabelComputesNothingForOil) {
    TForm1& f = Form1();
    f.kodkomment.SetVisible(true);
    MediumCode = "OLJA";
    f.Label2.Click();
    EXPECT_EQ(f.Label2.Color(), clRed);
    EXPECT_FALSE(f.kodkomment.Visible());
    MediumCode = "VAT";
    f.Label2.Click();
    EXPECT_EQ(f.Label2.Color(), clYellow);
}

TEST(OptionLabels, RunButtonKeepsEveryEarlierReportBelowTheNewOne) {
    TForm1& f = Form1();
    f.RichEdit1.Clear();
    CalcFunction = "Termo", MediumCode = "VAT", LanguageLetter = 'E';
    f.Runbutton.Click();
    std::vector<std::string> first;
    for (int i = 0; i < f.RichEdit1.LineCount(); ++i) first.push_back(f.RichEdit1.Line(i));
    ASSERT_GT(first.size(), 5u);
    MediumCode = "LUF";
    f.Runbutton.Click();
    const int newest = f.RichEdit4.LineCount();
    ASSERT_EQ(f.RichEdit1.LineCount(), newest + 1 + static_cast<int>(first.size()));
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(f.RichEdit1.Line(newest + 1 + static_cast<int>(i)), first[i]) << "earlier line " << i;
}

}  // namespace
}  // namespace tubalyx
