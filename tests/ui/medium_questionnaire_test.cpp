// The medium block of the questionnaire: where its lines stand and what the run lists of
// them — the shortened numbers, the prompts of a range, the composition grid, the real-gas
// molar mass, the device row and the phase letter the block leaves.
#include "ui/medium_questionnaire.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/screen.h"
#include "numerics/decimal_separator.h"
#include "numerics/text_utils.h"
#include "reports/medium_listing.h"
#include "reports/report_window.h"
#include "state/composition.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_sets.h"
#include "texts/prompt_setters.h"
#include "ui/form1.h"
#include "ui/hide_input_controls.h"
#include "ui/layout_controls.h"

namespace tubalyx {
namespace {

constexpr int kLine = 27;  // at font size 20

std::vector<std::string> Texts() {
    std::vector<std::string> lines;
    for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
    return lines;
}

class MediumQuestionnaire : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        Screen().SetSize(1600, 900);
        BaseFontSize = 20;
        TForm1& f = Form1();
        f.SetFontSize(20);
        f.SetHorzScrollPosition(0);
        LayoutControls();
        ApplyLanguage('E');
        HideInputControls();
        f.litenstor.SetCaption("Small");
        f.tempsort.SetCaption("C");
        f.abstrycksort.SetText("kPa");
        ClearReport();
        LayoutTop = 0, InputTabOrder = 0;
    }
    static std::vector<std::string> Listing(void (*builder)(char, int&)) {
        ClearReport();
        int top = 0;
        builder('B', top);
        return Texts();
    }
};

TEST_F(MediumQuestionnaire, GasBlockStandsLineByLineInTabOrder) {
    TForm1& f = Form1();
    MediumCode = "GAS";
    CalcFunction = "Termo";
    CalcMediumProperties('S', LayoutTop);
    EXPECT_EQ(f.Mediarubrik.Top(), 0);
    EXPECT_EQ(f.Medialabel.Left(), f.Mediarubrik.Width());
    EXPECT_EQ(f.Label1.Left(), f.Medialabel.Left() + f.Medialabel.Width() + 5);
    EXPECT_EQ(f.DSAprint.Left(), f.Label1.Left() + f.Label1.Width() + 5);
    EXPECT_EQ(f.gasnamnintext.Top(), kLine);
    EXPECT_EQ(f.GroupBox1.Top(), 2 * kLine);
    const int below = 2 * kLine + f.GroupBox1.Height();
    const TControl* rows[] = {&f.temp, &f.abstryckantal, &f.relabsspecfukt};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(rows[i]->Top(), below + i * kLine) << rows[i]->Name();
    EXPECT_EQ(f.GroupBox1.TabOrder(), 0);
    EXPECT_EQ(f.temp.TabOrder(), 1);
    EXPECT_EQ(f.abstryckantal.TabOrder(), 3);
    EXPECT_EQ(f.relabsspecfukt.TabOrder(), 5);
    EXPECT_EQ(LayoutTop, below + 3 * kLine);
    // No molar-mass question for a single gas: that is for mixtures and natural gas.
    EXPECT_FALSE(f.molekylviktvG.Visible());

    // Saturated steam is asked for its pressure alone.
    HideInputControls();
    MediumCode = "MNG";
    LayoutTop = 0;
    CalcMediumProperties('S', LayoutTop);
    EXPECT_FALSE(f.temptext.Visible());
    EXPECT_FALSE(f.temp.Visible());
    EXPECT_EQ(f.abstryckantal.Top(), kLine);
    EXPECT_EQ(LayoutTop, 2 * kLine);
}

TEST_F(MediumQuestionnaire, TemperatureAndPressureListedShortenedAndWithTheRangePrompts) {
    TForm1& f = Form1();
    MediumCode = "VAT";
    CalcFunction = "Termo";
    TemperatureMinC = 1.0, TemperatureMaxC = 2.0;
    // As the page build before the run leaves the prompts.
    SetPressureTemperatureLabels();
    const std::string prompt = ListingUnitPrefix(f.temptext.Caption(), "C");
    const struct {
        const char* typed;
        const char* listed;
    } cases[] = {{"123,456", "123,45"}, {"1234567,5", "1234567"}, {"12", "    12"}, {"1.5", "   1.5"}};
    for (const auto& c : cases) {
        f.temp.SetText(c.typed);
        EXPECT_EQ(Listing(&WriteTemperatureLines), std::vector<std::string>{prompt + " " + c.listed}) << c.typed;
    }
    // Equal limits: the prompt of the function stands for the visible one.
    TemperatureMinC = TemperatureMaxC;
    f.temptext.SetCaption("Something else?__________________________________________(C) ");
    EXPECT_EQ(Listing(&WriteTemperatureLines).at(0).substr(0, 20), TemperatureRangeLabel.substr(0, 20));

    // The pressure field is padded to 7 and follows ")" directly.
    PressureMinInput = PressureMaxInput = 500.0;
    f.abstryckantal.SetText("500");
    EXPECT_EQ(Listing(&WritePressureLines),
              std::vector<std::string>{ListingUnitPrefix(PressureRangeLabel, "kPa") + "    500"});
    // A liquefied gas at its boiling limit is asked no pressure: the prompt alone.
    MediumCode = "N2", PhaseLetter = 'G';
    SetPressureTemperatureLabels();
    const std::vector<std::string> saturated = Listing(&WritePressureLines);
    EXPECT_FALSE(f.abstryckantal.Visible());
    EXPECT_EQ(saturated, std::vector<std::string>{f.abstrycktext.Caption()});
}

TEST_F(MediumQuestionnaire, CompositionListingKeepsTheComponentsWithAShareAndTheSums) {
    TForm1& f = Form1();
    MediumCode = "G";
    TStringGrid& grid = f.ViktVolprocGrid;
    grid.ClearCells();
    for (int col = 0; col < 6; ++col) grid.SetCell(col, 0, "H" + std::to_string(col));
    grid.SetCell(0, 2, "Ar");
    grid.SetCell(2, 2, "60");
    grid.SetCell(0, 3, "CO2");
    grid.SetCell(2, 3, "0");
    grid.SetCell(0, 4, "Gas");
    grid.SetCell(2, 4, "40");
    grid.SetCell(2, 12, "100");
    MixtureComponentKeyword[4] = "GAS";
    MixtureDensity[4] = 1.25;
    ReportWindow().SetSelSize(12);
    WriteCompositionLines('B', false);
    const std::vector<std::string> r = Texts();
    ASSERT_EQ(r.size(), 12u);  // 2 headings, Ar, Gas with its 7 property lines, sums
    EXPECT_EQ(r[0], PadLeft("H0", 20) + PadLeft("H1", 30) + PadLeft("H2", 10) + PadLeft("H3", 13) +
                        PadLeft("H4", 13) + PadLeft("H5", 10));
    EXPECT_EQ(r[1].size(), r[0].size());
    EXPECT_EQ(r[2].substr(0, 20), PadLeft("Ar", 20));
    EXPECT_EQ(r[3].substr(0, 20), PadLeft("Gas", 20));
    EXPECT_EQ(r[4], f.densdriftbgtextin.Caption() + "  1,25");
    EXPECT_EQ(MixtureRow, 4);
    EXPECT_EQ(r[11].substr(50, 10), PadLeft("100", 10));
    const auto& lines = ReportWindow().Content().Lines;
    EXPECT_TRUE(lines[0][0].Attributes.Style.Underline);
    EXPECT_FALSE(lines[4][0].Attributes.Style.Underline);
    // 96 characters at 12 pt: 12 × 63 div 96, the same for every line.
    EXPECT_EQ(lines[0][0].Attributes.Size, 7);
    EXPECT_EQ(lines[11][0].Attributes.Size, 7);
    EXPECT_EQ(ReportSize(), 12);
}

TEST_F(MediumQuestionnaire, RealGasMolarMassListedOnlyWhenGiven) {
    TForm1& f = Form1();
    MediumCode = "NGAS";
    f.relabsspecfukt.SetText("50");
    f.molekylviktvG.SetText("0");
    EXPECT_EQ(Listing(&AskRealGasCorrection), std::vector<std::string>{f.relabsfukt.Caption() + "    50"});
    EXPECT_EQ(f.molekylviktGtext.Caption(), "Average molecular weight real gas (with humidity)?___(u) ");
    EXPECT_EQ(f.molekylviktGtext.Hint(), "0 = Tablegas not adjusted to real gas");
    f.molekylviktvG.SetText("17,5");
    EXPECT_EQ(Listing(&AskRealGasCorrection).at(0), f.molekylviktGtext.Caption() + "  17,5");
}

TEST_F(MediumQuestionnaire, DeviceRowNamesTheUnitOfTheSolvedQuantity) {
    TForm1& f = Form1();
    CalcFunction = "Strypf";
    f.ISODIN.SetCaption("ISO5167:2003");
    f.Strypbertyp.SetCaption("Calc:");
    f.strypsort.SetCaption("Orifice");
    f.maxflowsort.SetText("kg/h");
    f.maxflowsortut.SetText("m3/h");
    f.difftryckmaxsort.SetText("kPa");
    const struct {
        const char* solve;
        const char* device;
        const char* line;
        const TControl* unit;
    } cases[] = {
        {"FL", "VOLYM", "ISO5167:2003 Calc: m3/h Orifice", &f.maxflowsortut},
        {"FL", "S", "ISO5167:2003 Calc: kg/h Orifice", &f.maxflowsort},
        {"DP", "VOLYM", "ISO5167:2003 Calc: Orifice", nullptr},
        {"DP", "S", "ISO5167:2003 Calc: kPa Orifice", &f.difftryckmaxsort},
        {"OK", "S", "ISO5167:2003 Calc:", nullptr},
        {"DI", "S", "ISO5167:2003 Calc: Orifice", nullptr},
    };
    for (const auto& c : cases) {
        HideInputControls();
        SolveFor = c.solve, DeviceCode = c.device;
        const std::string name = std::string(c.solve) + " " + c.device;
        EXPECT_EQ(Listing(&WriteDeviceTypeLines).at(0), c.line) << name;
        EXPECT_EQ(f.strypsort.Visible(), SolveFor != "OK") << name;
        if (c.unit) EXPECT_EQ(c.unit->Left(), f.Strypbertyp.Left() + f.Strypbertyp.Width()) << name;
        EXPECT_EQ(f.maxflowsortut.Visible(), c.unit == &f.maxflowsortut) << name;
    }
    // A row longer than 63 characters is fitted; the optimal design's is not.
    f.strypsort.SetCaption(std::string(70, 'x'));
    ReportWindow().SetSelSize(12);
    for (const char* solve : {"DI", "OK"}) {
        SolveFor = solve;
        Listing(&WriteDeviceTypeLines);
        const int length = SolveFor == "OK" ? 18 : 89;
        EXPECT_EQ(ReportWindow().Content().Lines[0][0].Attributes.Size, SolveFor == "OK" ? 12 : 12 * 63 / length)
            << solve;
    }
}

TEST_F(MediumQuestionnaire, PhaseLetterKeptOnlyWhereTheTablesHoldThatState) {
    const struct {
        const char* medium;
        char given, kept;
    } cases[] = {{"N2", 'G', 'G'}, {"AR", 'X', 'X'}, {"CO", 'H', 'H'}, {"H2", 'G', 'N'},
                 {"CO2", 'H', 'N'}, {"O3", 'V', 'V'}, {"LUF", 'V', 'N'}, {"VAT", 'X', 'N'}};
    for (const auto& c : cases) {
        MediumCode = c.medium, PhaseLetter = c.given;
        int top = 0;
        WriteMediumHeading('S', top);
        EXPECT_EQ(PhaseLetter, c.kept) << c.medium << " " << c.given;
    }
}

}  // namespace
}  // namespace tubalyx
