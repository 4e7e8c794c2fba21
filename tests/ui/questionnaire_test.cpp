#include "ui/questionnaire.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "forms/screen.h"
#include "numerics/decimal_separator.h"
#include "reports/report_window.h"
#include "state/reset.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"
#include "ui/hide_input_controls.h"
#include "ui/layout_controls.h"

namespace tubalyx {
namespace {

// Font size 20: one character is 17 pixels wide, a line 27 pixels high.
constexpr int kChar = 17;
constexpr int kLine = 27;

class Questionnaire : public ::testing::Test {
protected:
    void SetUp() override {
        ResetStateVariables();
        SetDecimalSeparator('.');
        Screen().SetSize(1600, 900);
        BaseFontSize = 20;
        TForm1& f = Form1();
        f.SetFontSize(20);
        f.SetHorzScrollPosition(0);
        LayoutControls();
        // The start selection: an orifice with corner tappings solved for the bore, on a gas.
        UpstreamFittingCode = "1";
        ApplyLanguage('E');
        HideInputControls();
        f.litenstor.SetCaption("Small");
        f.dstorkallsort.SetCaption("mm");
        f.maxflowsort.SetText("kg/h");
        ClearReport();
    }

    // As the page manager builds a page: from the top, the tab order from 0.
    static int Build(void (*page)(char, int&), char kind = 'S') {
        LayoutTop = 0;
        InputTabOrder = 0;
        page(kind, LayoutTop);
        return LayoutTop;
    }

    using Placement = std::tuple<std::string, bool, int, int, int>;
    static std::vector<Placement> Placements() {
        std::vector<Placement> all;
        for (const TControl* c : Form1().Controls())
            all.emplace_back(c->Name(), c->Visible(), c->Left(), c->Top(), c->Visible() ? c->TabOrder() : -1);
        return all;
    }

    static int BottomOf(const TControl& c) { return c.Top() + c.Height(); }

    static std::vector<std::string> ReportLines() {
        std::vector<std::string> lines;
        for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
        return lines;
    }
};

TEST_F(Questionnaire, OrificePageLinesFollowOneAnotherInTheModelsPositionsAndTabOrder) {
    TForm1& f = Form1();
    // Material names short enough for the coefficients to follow on their line.
    f.mtrlfl.SetCaption("Material throat =FS");
    f.mtrlror.SetCaption("Material tube =FS");
    // The page opens with the device row and the medium block; the device lines follow them.
    const int bottom = Build(BuildThroatDevicePage);
    const int top0 = f.relabsfukt.Top() + kLine, tab0 = f.relabsspecfukt.TabOrder() + 1;
    EXPECT_EQ(f.ISODIN.Top(), 0);
    EXPECT_EQ(f.Mediarubrik.Top(), kLine);
    EXPECT_EQ(bottom, top0 + 12 * kLine);
    // The device material one pixel lower than its coefficients, which follow its right edge.
    EXPECT_EQ(f.mtrlfl.Top(), top0 + 1);
    EXPECT_EQ(f.utvfltext.Top(), top0);
    EXPECT_EQ(f.utvfltext.Left(), f.mtrlfl.Width());
    EXPECT_EQ(f.utvrortext.Left(), f.mtrlror.Width());
    // clang-format off
    const struct { const TControl* control; int line; } lines[] = {  // in tab order from tab0
        {&f.utvfl, 0}, {&f.utvflb, 0}, {&f.utvror, 1}, {&f.utvrorb, 1}, {&f.Dstorkallmm, 2},
        {&f.dstorkallsort, 2}, {&f.kantradie, 3}, {&f.Dstorrahetmm, 4}, {&f.maxflowantal, 5},
        {&f.maxflowsort, 5}, {&f.minflowantal, 6}, {&f.minflowsort, 6}, {&f.difftryckmaxantal, 7},
        {&f.difftryckmaxsort, 7}, {&f.givenrakin, 9}, {&f.givenrakut, 10},
    };
    // clang-format on
    for (int tab = 0; tab < static_cast<int>(std::size(lines)); ++tab) {
        const TControl* c = lines[tab].control;
        EXPECT_TRUE(c->Visible()) << c->Name();
        EXPECT_EQ(c->Top(), top0 + lines[tab].line * kLine) << c->Name();
        EXPECT_EQ(c->TabOrder(), tab0 + tab) << c->Name();
    }
    // Prompts stand at the left edge, 57 characters wide, so the edits share one column.
    EXPECT_EQ(f.kantradietextin.Left(), 0);
    EXPECT_EQ(f.Dstorkallmm.Left(), 57 * kChar);
    EXPECT_EQ(f.dstorkallsort.Left(), 57 * kChar + f.Dstorkallmm.Width());
    EXPECT_EQ(f.bestyckningtext.Top(), top0 + 8 * kLine);
    EXPECT_EQ(f.tillvunderlagtextin.Top(), top0 + 11 * kLine);
    EXPECT_FALSE(f.okfelbidrag.Visible());
    // Without a fitting the extra uncertainty is asked in place of the straight lengths.
    UpstreamFittingCode = "0";
    HideInputControls();
    Build(BuildThroatDevicePage);
    EXPECT_EQ(f.okfelbidrag.Top(), top0 + 9 * kLine);
    EXPECT_FALSE(f.givenrakin.Visible());
}

// A material name too long for its coefficients to stay left of the compensation table puts
// them on a line of their own below it, at the left edge; the lines below follow one lower.
TEST_F(Questionnaire, LongMaterialNamesPutTheCoefficientsOnTheirOwnLine) {
    TForm1& f = Form1();
    f.mtrlfl.SetCaption("Material throat =FS");
    f.mtrlror.SetCaption("Material tube =FS");
    const int shortBottom = Build(BuildThroatDevicePage);
    f.mtrlfl.SetCaption("Material throat =" + std::string(80, 'S'));
    HideInputControls();
    const int longBottom = Build(BuildThroatDevicePage);
    // The device material stands one pixel below its line.
    EXPECT_EQ(longBottom, shortBottom + f.mtrlfl.Height() + 1);
    EXPECT_EQ(f.utvfltext.Top(), BottomOf(f.mtrlfl));
    EXPECT_EQ(f.utvfltext.Left(), 0);
    EXPECT_EQ(f.utvflb.Top(), f.utvfltext.Top());
    EXPECT_LE(f.utvflb.Left() + f.utvflb.Width(), f.Pmin.Left());
    // The pipe's short name keeps its coefficients beside it.
    EXPECT_EQ(f.utvrortext.Left(), f.mtrlror.Width());
    EXPECT_EQ(f.utvrortext.Top(), f.mtrlror.Top());
}

TEST_F(Questionnaire, SegmentOrificeAloneShowsTheHeightLineAndRebuildsLookTheSame) {
    TForm1& f = Form1();
    for (const char* device : {"SM", "S", "D", "V", "VCONE", "VOLYM"}) {
        DeviceCode = device;
        SolveFor = "DP";
        HideInputControls();
        const int bottom = Build(BuildThroatDevicePage);
        const auto placed = Placements();
        const bool segment = DeviceCode == "SM";
        EXPECT_EQ(f.hkallmm.Visible(), segment) << device;
        EXPECT_EQ(f.dkallmmtext.Visible(), !segment) << device;
        EXPECT_EQ(f.dkallmm.Visible(), !segment) << device;
        // Only the orifice asks for its inlet-edge radius.
        EXPECT_EQ(f.kantradie.Visible(), DeviceCode == "S") << device;
        HideInputControls();
        EXPECT_EQ(Build(BuildThroatDevicePage), bottom) << device;
        EXPECT_EQ(Placements(), placed) << device;
    }
}

TEST_F(Questionnaire, ValvePageAsksVapourAndCriticalPressureOfTheLiquidOnly) {
    TForm1& f = Form1();
    CalcFunction = "Ventil";
    ValveSubtype = "VE";
    for (const char* medium : {"VÄT", "GAS", "VAT"}) {
        MediumCode = medium;
        HideInputControls();
        Build(BuildValvePage);
        const bool liquid = MediumCode == "VÄT";
        for (const TControl* c : {(TControl*)&f.angtrycktext, (TControl*)&f.angtryckantal, (TControl*)&f.krittrycktext,
                                  (TControl*)&f.krittryckantal})
            EXPECT_EQ(c->Visible(), liquid) << medium << " " << c->Name();
        // Below the medium block, which ends with the pressure question for a liquid.
        const int below = liquid || MediumCode == "VAT" ? BottomOf(f.abstrycksort) : BottomOf(f.relabsspecfukt);
        EXPECT_EQ(f.Differenstryck.Top(), below + (liquid ? 2 * kLine : 0)) << medium;
        // Valve diameter, recovery factor, then the flow.
        EXPECT_EQ(f.fltext.Top() + kLine, f.maxflowtext.Top()) << medium;
    }
}

TEST_F(Questionnaire, ReportLinesTakeTheFormsOfTheirQuestions) {
    TForm1& f = Form1();
    f.minflowtext.SetCaption("Minimal flow?___________________________________________ ");
    f.minflowantal.SetText("12.5");
    f.minflowsort.SetText("kg/h");
    f.Differenstryck.SetCaption("Differential pressure?__________________________________ ");
    f.difftryckmaxantal.SetText("10");
    f.difftryckmaxsort.SetText("kPa");
    f.rahettextin.SetCaption("Pipe roughness k?___________________________________(mm) ");
    f.Dstorrahetmm.SetText("0.05");
    int top = 0;
    ShowMinFlowInput('B', top);
    BuildDpInputLine('B', top);
    ShowRoughnessInput('B', top);
    const std::vector<std::string> expected = {
        // U1: the unit replaces the caption's end, one blank, the value padded to 6.
        "Minimal flow?" + std::string(37, '_') + "(kg/h)   12.5",
        // U0: no blank; padded to 7.
        "Differential pressure?" + std::string(29, '_') + "(kPa)     10",
        // P: the caption whole.
        "Pipe roughness k?___________________________________(mm)   0.05",
    };
    EXPECT_EQ(ReportLines(), expected);
}

TEST_F(Questionnaire, WithTheTabSeparatorOnlyTheBestReynoldsAndMassFlowLinesCarryTwo) {
    TForm1& f = Form1();
    ReportSeparator = "\t";
    SolveFor = "DI";
    f.kalminreyn.SetText("8000");
    f.maxflowsort.SetText("Nm3/h");
    f.maxflowantal.SetText("250");
    f.maxflownormaldens.SetText("1.25");
    int top = 0;
    BuildBestReynoldsLine('B', top);
    ShowMaxFlowInput('B', top);
    const auto lines = ReportLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], f.kalminreyntext.Caption() + "\t\t8000");
    EXPECT_EQ(lines[0].substr(0, 49), "Calibrated for best precision at Reynolds number?");
    EXPECT_EQ(lines[1].substr(lines[1].size() - 8), ")   \t250");
    // 250 Nm3/h at 1.25 kg/m3, as the listing converts it.
    EXPECT_EQ(lines[2], std::string(56, ' ') + "= \t312.5000000\t kg/h");
    EXPECT_EQ(lines[3], f.densnormaltext.Caption() + " \t1.25");
    // The mass flow stands beside the normal density.
    EXPECT_EQ(f.massflow.Left(), f.maxflownormaldens.Left() + f.maxflownormaldens.Width());
}

TEST_F(Questionnaire, LongMaxFlowTextsAreShortenedInTheReport) {
    TForm1& f = Form1();
    int top = 0;
    for (const char* typed : {"12345", "123456.789"}) {
        f.maxflowantal.SetText(typed);
        ShowMaxFlowInput('B', top);
    }
    EXPECT_EQ(ReportLines().at(0).substr(50), "(kg/h)  12345");
    EXPECT_EQ(ReportLines().at(1).substr(50), "(kg/h) 123456");
}

TEST_F(Questionnaire, PipeDiameterInInchesAddsTheConversionLine) {
    TForm1& f = Form1();
    for (const char* unit : {"mm", "inches", "Zoll", "tum"}) {
        ClearReport();
        f.dstorkallsort.SetCaption(unit);
        int top = 0;
        ShowTubeDiameterInput('B', top);
        const auto lines = ReportLines();
        const bool inches = std::string(unit) != "mm";
        ASSERT_EQ(lines.size(), inches ? 2u : 1u) << unit;
        EXPECT_NE(lines[0].find(std::string("(") + unit + ")"), std::string::npos) << lines[0];
        if (inches) {
            EXPECT_EQ(lines[1], "1 tum/Zoll/Inches = 25.40 mm");
        }
    }
}

TEST_F(Questionnaire, MiniReportLeavesOutRoughnessAndEdgeRadiusButTheScreenShowsThem) {
    TForm1& f = Form1();
    auto hasLine = [](const TLabel& l) {
        const auto lines = ReportLines();
        return std::any_of(lines.begin(), lines.end(), [&](auto& t) { return t.rfind(l.Caption(), 0) == 0; });
    };
    for (const char* size : {"Small", "Mini ", "Big  "}) {
        ClearReport();
        HideInputControls();
        f.litenstor.SetCaption(size);
        Build(BuildThroatDevicePage, 'B');
        const bool mini = std::string(size) == "Mini ";
        EXPECT_EQ(hasLine(f.rahettextin), !mini) << size;
        EXPECT_EQ(hasLine(f.kantradietextin), !mini) << size;
        EXPECT_TRUE(f.Dstorrahetmm.Visible() && f.kantradie.Visible());
        // The straight lengths of the fitting are part of the big report only.
        EXPECT_EQ(hasLine(f.givenrakintext), std::string(size) == "Big  ") << size;
    }
}

TEST_F(Questionnaire, BigReportWidensTheExpansionLinesAndFitsTheMaterialCaption) {
    TForm1& f = Form1();
    f.litenstor.SetCaption("Big  ");
    f.mtrlfl.SetCaption("Material throat " + std::string(58, 'x'));
    f.utvfl.SetText("16.5");
    SetReportSize(10);
    int top = 0;
    InputTabOrder = 0;
    BuildThroatDevicePage('B', top);
    const TRichEdit& report = ReportWindow();
    // The device row and the medium block come first; the material lines follow them.
    const auto lines = ReportLines();
    const int m = static_cast<int>(std::find(lines.begin(), lines.end(), f.mtrlfl.Caption()) - lines.begin());
    ASSERT_GE(report.LineCount(), m + 7);
    EXPECT_TRUE(report.Line(m - 1).starts_with(f.relabsfukt.Caption())) << report.Line(m - 1);
    // 74 characters: the text size shrinks by 63/74 for that line only.
    EXPECT_EQ(report.Content().Lines[m][0].Attributes.Size, 10 * 63 / 74);
    EXPECT_EQ(report.Content().Lines[m + 1][0].Attributes.Size, 10);
    EXPECT_EQ(report.Line(m + 1), "1st order expansionfactor" + std::string(24, '_') + "(E-6/C)   16.5");
    EXPECT_EQ(report.Line(m + 2).substr(0, 56), "2nd order " + std::string(38, '_') + "(E-6/C2)");
    // The pipe material's lines end with an empty line.
    EXPECT_EQ(report.Line(m + 6), "");
}

TEST_F(Questionnaire, OptimalDesignAsksItsRangesInOrderAndAFittingForTheBigReport) {
    TForm1& f = Form1();
    SolveFor = "OK";
    UpstreamFittingCode = "0";
    f.litenstor.SetCaption("Big  ");
    f.bestyck1->SetCaption("1.Single 90 degrees bend");
    Build(BuildThroatDevicePage, 'B');
    EXPECT_EQ(UpstreamFittingCode, "1");
    EXPECT_EQ(f.bestyckningtext.Caption(), "1.Single 90 degrees bend");
    const TControl* order[] = {&f.primeltextin,    &f.maxflowtext,    &f.minflowtext,   &f.rorovrgrtextin,
                               &f.rornedrgrtextin, &f.maxdprubrikin,  &f.mindprubrikin, &f.bermetodtextin,
                               &f.bestyckningtext, &f.reynstortextin, &f.rorstortextin, &f.rorlitentextin,
                               &f.viktfakt1textin, &f.viktfakt2textin};
    for (size_t i = 1; i < std::size(order); ++i)
        EXPECT_EQ(order[i]->Top(), order[i - 1]->Top() + kLine) << order[i]->Name();
    // The straight length is asked only for a fitting chosen before the page was built.
    EXPECT_FALSE(f.rakstracktextin.Visible());
    HideInputControls();
    Build(BuildThroatDevicePage);
    EXPECT_EQ(f.rakstracktextin.Top(), f.bermetodtextin.Top() + kLine);
    // No pipe diameter: it is what is designed.
    EXPECT_FALSE(f.Dstorkallmm.Visible());
    // The flange orifice has a production basis as an optimal design only.
    DeviceVariantCode = "F";
    for (const char* solve : {"OK", "DI"}) {
        SolveFor = solve;
        HideInputControls();
        Build(BuildThroatDevicePage);
        EXPECT_EQ(f.tillvunderlagtextin.Visible(), SolveFor == "OK") << solve;
    }
}

}  // namespace
}  // namespace tubalyx
