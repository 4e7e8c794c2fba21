// The medium block of the questionnaire and the thermodynamic run: where the block's lines
// stand, what the run lists of them (shortened numbers, range prompts, the composition grid,
// the device row), and the report from "Run" for water and for every medium.
#include "ui/medium_questionnaire.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "forms/screen.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/text_utils.h"
#include "reports/medium_listing.h"
#include "reports/report_head.h"
#include "reports/report_window.h"
#include "state/composition.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "support/start_up_edits.h"
#include "texts/caption_sets.h"
#include "texts/prompt_setters.h"
#include "texts/report_label_strings.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"
#include "ui/hide_input_controls.h"
#include "ui/input_transfer.h"
#include "ui/layout_controls.h"
#include "ui/run_driver.h"

namespace tubalyx {
namespace {

std::vector<std::string> LinesOf(const TRichEdit& e) {
    std::vector<std::string> lines;
    for (int i = 0; i < e.LineCount(); ++i) lines.push_back(e.Line(i));
    return lines;
}
ReportTimestamp FixedClock() { return {"2026-12-09", "04:01:11"}; }

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
        // The unit's change handler rebuilds the page of the start medium; the tests start
        // from a hidden one.
        f.abstrycksort.SetText("kPa");
        HideInputControls();
        f.litenstor.SetCaption("Small");
        f.tempsort.SetCaption("C");
        ClearReport();
        LayoutTop = 0, InputTabOrder = 0;
    }
    static std::vector<std::string> Listing(void (*builder)(char, int&)) {
        ClearReport();
        int top = 0;
        builder('B', top);
        return LinesOf(ReportWindow());
    }
    // The operating point as typed, then "Run" of the thermodynamic function.
    static std::vector<std::string> Run(const char* medium, char phase, double temperature, double pressure) {
        SetReportClock(&FixedClock);
        Form1().litenstor.SetCaption("Big  ");
        CalcFunction = "Termo", PressureUnit = "kPa";
        MediumCode = medium, PhaseLetter = phase;
        TemperatureMaxC = TemperatureMinC = temperature;
        PressureMinInput = PressureMaxInput = pressure;
        testsupport::WriteStartUpEdits();
        RunCalculation();
        SetReportClock(nullptr);
        return LinesOf(Form1().RichEdit4);
    }
};

TEST_F(MediumQuestionnaire, TemperatureAndPressureListedShortenedAndWithTheRangePrompts) {
    TForm1& f = Form1();
    MediumCode = "VAT", CalcFunction = "Termo";
    TemperatureMinC = 1.0, TemperatureMaxC = 2.0;
    SetPressureTemperatureLabels();  // as the page build before the run leaves the prompts
    const std::string prompt = ListingUnitPrefix(f.temptext.Caption(), "C");
    const struct {
        const char *typed, *listed;
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
    // Saturated steam is asked no temperature.
    HideInputControls();
    MediumCode = "MNG";
    CalcMediumProperties('S', LayoutTop);
    EXPECT_FALSE(f.temptext.Visible() || f.temp.Visible());
    EXPECT_TRUE(f.abstryckantal.Visible());
    // A liquefied gas at its boiling limit is asked no pressure: the prompt alone.
    MediumCode = "N2", PhaseLetter = 'G';
    SetPressureTemperatureLabels();
    EXPECT_EQ(Listing(&WritePressureLines), std::vector<std::string>{f.abstrycktext.Caption()});
    EXPECT_FALSE(f.abstryckantal.Visible());
}

TEST_F(MediumQuestionnaire, CompositionListingKeepsTheComponentsWithAShareAndTheSums) {
    TForm1& f = Form1();
    MediumCode = "G";
    TStringGrid& grid = f.ViktVolprocGrid;
    grid.ClearCells();
    for (int col = 0; col < 6; ++col) grid.SetCell(col, 0, "H" + std::to_string(col));
    const char* rows[][2] = {{"Ar", "60"}, {"CO2", "0"}, {"Gas", "40"}};
    for (int i = 0; i < 3; ++i) grid.SetCell(0, i + 2, rows[i][0]), grid.SetCell(2, i + 2, rows[i][1]);
    grid.SetCell(2, 12, "100");
    MixtureComponentKeyword[4] = "GAS", MixtureDensity[4] = 1.25;
    ReportWindow().SetSelSize(12);
    WriteCompositionLines('B', false);
    const std::vector<std::string> r = LinesOf(ReportWindow());
    ASSERT_EQ(r.size(), 12u);  // 2 headings, Ar, Gas with its 7 property lines, sums
    EXPECT_EQ(r[0], PadLeft("H0", 20) + PadLeft("H1", 30) + PadLeft("H2", 10) + PadLeft("H3", 13) + PadLeft("H4", 13) +
                        PadLeft("H5", 10));
    EXPECT_EQ(r[1].size(), r[0].size());
    EXPECT_EQ(r[2].substr(0, 20), PadLeft("Ar", 20));
    EXPECT_EQ(r[3].substr(0, 20), PadLeft("Gas", 20));
    EXPECT_EQ(r[4], f.densdriftbgtextin.Caption() + "  1,25");
    EXPECT_EQ(r[11].substr(50, 10), PadLeft("100", 10));
    const auto& lines = ReportWindow().Content().Lines;
    EXPECT_TRUE(lines[0][0].Attributes.Style.Underline && !lines[4][0].Attributes.Style.Underline);
    // 96 characters at 12 pt: 12 × 63 div 96, the same for every line.
    EXPECT_EQ(lines[0][0].Attributes.Size, 7);
    EXPECT_EQ(lines[11][0].Attributes.Size, 7);
    EXPECT_EQ(ReportSize(), 12);
    // The real-gas molar mass is listed only when given.
    MediumCode = "NGAS";
    f.relabsspecfukt.SetText("50");
    f.molekylviktvG.SetText("0");
    EXPECT_EQ(Listing(&AskRealGasCorrection), std::vector<std::string>{f.relabsfukt.Caption() + "    50"});
    f.molekylviktvG.SetText("17,5");
    EXPECT_EQ(Listing(&AskRealGasCorrection).at(0), "Average molecular weight real gas (with humidity)?___(u)   17,5");
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
        const char *solve, *device, *line;
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
        EXPECT_EQ(Listing(&WriteDeviceTypeLines).at(0), c.line) << c.solve << c.device;
        if (c.unit) {
            EXPECT_EQ(c.unit->Left(), f.Strypbertyp.Left() + f.Strypbertyp.Width()) << c.solve;
        }
        EXPECT_EQ(f.maxflowsortut.Visible(), c.unit == &f.maxflowsortut) << c.solve << c.device;
    }
    // The phase letter stays only where the tables hold that state.
    const struct {
        const char* medium;
        char given, kept;
    } phases[] = {{"N2", 'G', 'G'},  {"AR", 'X', 'X'}, {"CO", 'H', 'H'},  {"H2", 'G', 'N'},
                  {"CO2", 'H', 'N'}, {"O3", 'V', 'V'}, {"LUF", 'V', 'N'}, {"VAT", 'X', 'N'}};
    for (const auto& p : phases) {
        MediumCode = p.medium, PhaseLetter = p.given;
        Listing(&WriteMediumHeading);
        EXPECT_EQ(PhaseLetter, p.kept) << p.medium << " " << p.given;
    }
}

TEST_F(MediumQuestionnaire, ThermodynamicsOfWaterAt80CAnd500kPaFromRun) {
    const std::vector<std::string> r = Run("VAT", 'N', 80.0, 500.0);
    ASSERT_GE(r.size(), 14u);
    EXPECT_EQ(r[0], "COMPUTERCALCULATION OF THERMODYNAMICAL DATA");
    EXPECT_EQ(Form1().RichEdit4.Content().Lines[0][0].Attributes.Color, clMaroon);
    EXPECT_EQ(r[1], "Date: 2026-12-09 /Time: 04:01:11");
    EXPECT_EQ(r[3], "__________________INPUT______________________");
    EXPECT_EQ(r[4], Form1().Mediarubrik.Caption() + " " + Form1().Medialabel.Caption());
    EXPECT_TRUE(r[5].ends_with("(C)     80") && r[6].ends_with("(kPa)    500")) << r[5] << r[6];
    EXPECT_EQ(r[7], "");
    EXPECT_EQ(r[8], "__________________OUTPUT_____________________");
    // Water at 80 C and 5 bar (IAPWS): 971.8 kg/m3, 354.4e-6 Pa s, 335 kJ/kg above 0 C.
    const double expected[] = {971.8, 354.4, 1000.0 / 971.8, 354.4 / 971.8, 335.0};
    const double tolerance[] = {0.5, 3.0, 0.001, 0.004, 1.5};
    const std::string* labels[] = {&DensityLabel, &DynamicViscosityLabel, &SpecificVolumeLabel,
                                   &KinematicViscosityLabel, &EnthalpyLabel};
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(r[9 + i].starts_with(*labels[i])) << r[9 + i];
        EXPECT_NEAR(StrToFloatSafe(r[9 + i].substr(52)), expected[i], tolerance[i]) << *labels[i];
    }
    EXPECT_EQ(ReportCaret(), LineStartPosition(Form1().RichEdit1, 8) + Utf8Length(r[8]));
}

TEST_F(MediumQuestionnaire, EveryMediumInEveryPhaseAndLanguageWritesNumbersOnly) {
    const char* media[] = {"VAT",   "ANG", "MNG", "VÄT", "GAS", "IGAS", "LUF", "G",  "NGAS", "OLJA", "C3H8",
                           "C3H8V", "CO2", "CO",  "N2",  "O2",  "H2",   "AR",  "O3", "NH3",  "CH4"};
    TForm1& f = Form1();
    for (char language : {'S', 'D', 'E'}) {
        for (const char* medium : media) {
            for (char phase : {'N', 'G', 'V', 'H', 'X'}) {
                f.RichEdit1.Clear();
                LanguageLetter = language;
                // What a user types for the media the program does not know by itself.
                GivenDensity = std::string(medium) == "VÄT" ? 1000.0 : std::string(medium) == "OLJA" ? 850.0 : 2.4;
                GivenViscosityValue = 0.018, ViscosityUnit = "cP", GivenZ1 = GivenZn = 1.0;
                GivenCp = 1005.0, GivenCv = 718.0, GivenMolarMass = 29.0, GivenCriticalTemperatureK = 132.0;
                f.q40bg.SetText("32"), f.q100bg.SetText("5,4"), f.q40bgsort.SetText("cSt");
                MediumCode = medium;
                if (MediumCode == "G" || MediumCode == "NGAS") SetupCompositionGrids();
                const std::vector<std::string> r = Run(medium, phase, 20.0, 200.0);
                const std::string name = std::string(medium) + " " + phase + " " + language;
                const auto output = std::find(r.begin(), r.end(), OutputHeading);
                // No saturated state exists at 20 degC above the critical points (or, for hydrogen
                // and ozone, beyond their liquid tables), nor at 200 kPa below carbon dioxide's
                // triple point, nor as ozone's vapour, which its table lacks: those runs end in the
                // error line, every other one in numbers.
                const std::string m = medium;
                const bool cold = m == "N2" || m == "AR" || m == "O2" || m == "O3" || m == "H2";
                if ((cold && (phase == 'G' || phase == 'V')) || (m == "CO2" && (phase == 'X' || phase == 'H')) ||
                    (m == "O3" && phase == 'H')) {
                    EXPECT_EQ(r.back(), InputErrorLine()) << name;
                    continue;
                }
                // A failure anywhere in the run ends the report with the error line instead.
                ASSERT_LT(output - r.begin() + 1, static_cast<long>(r.size())) << name;
                EXPECT_NE(r.back(), InputErrorText()) << name;
                for (const std::string& line : r)
                    EXPECT_TRUE(line.find("NAN") == std::string::npos && line.find("INF") == std::string::npos)
                        << name << ": " << line;
            }
        }
    }
}

}  // namespace
}  // namespace tubalyx
