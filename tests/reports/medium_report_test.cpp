// The medium part of the reports as users read it: the range note of the water and steam
// equations, the viscosity column, the lines that need a density, the humidity block, the
// calorific values and Wobbe index of natural gas against ISO 6976, the lines chosen by
// medium and phase letter, the methane note's size and the closing lines of a big report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/medium_state.h"
#include "media/possible_state.h"
#include "numerics/number_text.h"
#include "numerics/separator_guard.h"
#include "reports/medium_property_block.h"
#include "reports/medium_state_lines.h"
#include "reports/report_window.h"
#include "state/composition.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/caption_sets.h"
#include "texts/report_label_strings.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

constexpr int kStartSize = 13;

std::vector<std::string> Texts() {
    std::vector<std::string> lines;
    for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
    return lines;
}
TColor ColorOf(int line) { return ReportWindow().Content().Lines.at(line)[0].Attributes.Color; }
// The line that starts with `start`, "" when there is none.
std::string LineOf(const std::string& start) {
    for (const std::string& l : Texts())
        if (l.starts_with(start)) return l;
    return "";
}
bool Starts(const std::string& start) { return !LineOf(start).empty(); }
double NumberOf(const std::string& line) { return StrToFloatSafe(line.substr(line.rfind(' ') + 1)); }

class MediumReport : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        Language('E');
        CalcFunction = "Termo";
        Form1().litenstor.SetCaption("Small");
        Form1().qbgsort.SetText("cP");
        ClearReport();
        ReportWindow().SetSelAttributes(TTextAttributes{});
        ReportWindow().SetSelSize(kStartSize);
        FlowDensity = 5.0, DynamicViscosityPas = 1.5e-5, KappaOperating = 1.4;
    }
    // A letter of no language keeps the Swedish captions but stays the letter.
    static void Language(char letter) {
        ApplyLanguage(letter);
        LanguageLetter = letter;
    }
    static void Methane(const char* share) {
        MediumCode = "NGAS";
        for (int row = 2; row <= 11; ++row) Form1().ViktVolprocGrid.SetCell(5, row, row == 2 ? share : "0");
    }
    std::vector<std::string> Block() {
        ClearReport();
        WriteMediumPropertyBlock('S', position_);
        return Texts();
    }
    int position_ = 0;
};

TEST_F(MediumReport, RangeNoteOfTheWaterAndSteamEquations) {
    const struct {
        const char* medium;
        char language;
        double temperature, pressure;
        std::vector<std::string> note;  // the red lines before the density
    } cases[] = {
        {"VAT", 'E', 360, 1e6, {"PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS!: ", "TEMP > 350 C "}},
        {"ANG", 'E', 900, 1.5e8, {"PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS!: ", "TEMP > 800 C PRESSURE > 100 MPa"}},
        {"ANG", 'D', 900, 1.5e8, {"DRUCK/TEMPERATUR AUSSERHALB TAFELGRENZEN!: ", "TEMP > 800 C DRUCK > 100 MPa"}},
        {"VAT", 'S', -5, 1e5, {"TRYCK/TEMPERATUR UTANFÖR TABELLGRÄNSERNA!: ", "TEMP < 0 C "}},
        // Saturated steam within its equations up to 350 C, as liquid water; steam itself beyond.
        {"MNG", 'E', 347.33, 16e6, {}},
        {"MNG", 'E', 365.71, 20e6, {"PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS!: ", "TEMP > 350 C "}},
        {"ANG", 'E', 400, 1e6, {}},
        {"LUF", 'E', 900, 1.5e8, {}},
    };
    for (const auto& c : cases) {
        SetUp();
        Language(c.language);
        MediumCode = c.medium, OperatingTemperature = c.temperature, OperatingPressure = c.pressure;
        WriteDensityZViscosityLines('S', position_);
        const std::vector<std::string> r = Texts();
        ASSERT_GT(r.size(), c.note.size()) << c.medium;
        for (size_t i = 0; i < c.note.size(); ++i) {
            EXPECT_EQ(r[i], c.note[i]) << c.medium << c.language;
            EXPECT_EQ(ColorOf(i), clRed) << c.medium;
        }
        EXPECT_TRUE(r[c.note.size()].starts_with(DensityLabel)) << c.medium;
        EXPECT_EQ(ColorOf(c.note.size()), clBlack) << c.medium;
    }
}

// Nitrogen asked for its boiling state above its critical pressure, or below its triple-point
// pressure: no liquid boils there, so the state has no density and no run reports it (the run
// refuses it). At 5 bar the state is on the table and the report prints its density.
TEST_F(MediumReport, SaturationOffTheTableHasNoState) {
    for (const double pressure : {60e5, 0.05e5, 5e5}) {
        SetUp();
        MediumCode = "N2", PhaseLetter = 'X', OperatingPressure = pressure, OperatingTemperature = 20.0;
        CalcMediumState();
        const bool onTable = pressure == 5e5;
        EXPECT_EQ(PossibleOperatingState(), onTable) << pressure;
        EXPECT_EQ(FlowDensity > 0.0, onTable) << pressure;
        if (!onTable) continue;
        ClearReport();
        WriteDensityZViscosityLines('S', position_);
        const std::vector<std::string> r = Texts();
        ASSERT_FALSE(r.empty());
        EXPECT_TRUE(r[0].starts_with(DensityLabel)) << r[0];
    }
}

TEST_F(MediumReport, LargeViscositiesInPasAndTheLinesThatNeedADensity) {
    MediumCode = "VAT";
    for (double viscosity : {0.1, 0.0999}) {
        ClearReport();
        DynamicViscosityPas = viscosity;
        WriteDensityZViscosityLines('S', position_);
        EXPECT_EQ(Texts().at(1), viscosity == 0.1 ? "Dynamic viscosity____________________________(Pas)=0,1000"
                                                  : DynamicViscosityLabel + " 99900");
    }
    // 1000/5 dm3/kg, and 0.0999/5 m2/s in mm2/s.
    EXPECT_EQ(Texts().at(2), SpecificVolumeLabel + "200,00");
    EXPECT_EQ(Texts().at(3), KinematicViscosityLabel + " 19980");

    ClearReport();
    // A gas part, but no density to divide by.
    MediumCode = "LUF", HumidGasFlag = true, FlowDensity = 0.0, DryGasDensity = 1e-3, HumidityInputKind = "R";
    OperatingPressure = VapourPressurePa = 0.0;
    WriteStateLinesWithHumidity('S', position_);
    for (const std::string* label : {&SpecificVolumeLabel, &KinematicViscosityLabel, &SteamMassPercentLabel})
        EXPECT_FALSE(Starts(*label)) << *label;
    // Without a pressure the gas share of the volume is 0, not a division by zero.
    EXPECT_TRUE(Starts(GasVolumePercentLabel + "0,0000"));
    ClearReport();
    OperatingTemperature = -273.15;
    WriteTemperatureLine('S', position_);
    EXPECT_EQ(ReportLineCount(), 0);
}

TEST_F(MediumReport, HumidityBlockOmitsTheGivenMeasureAndWarnsAbove100Percent) {
    MediumCode = "LUF", HumidGasFlag = true, RelativeHumidity = 100.0, HumidityInputKind = "S";
    OperatingPressure = 2e5, VapourPressurePa = 2e4, FlowDensity = 2.2, DryGasDensity = 2.0;
    // 20 of 200 kPa is steam: 90 % of the volume is gas, 0.2/2.2 of the mass steam.
    for (char separator : {',', '.'}) {
        const SeparatorGuard guard(separator);
        ClearReport();
        WriteHumidityLines('S', position_);
        EXPECT_FALSE(Starts(SpecificHumidityLabel) || Starts("WARNING!"));
        EXPECT_TRUE(Starts(RelativeHumidityLabel) && Starts(AbsoluteHumidityLabel) && Starts(DewTemperatureLabel));
        EXPECT_TRUE(Starts("Pressurefraction,gas/air_____________________(kPa)= " + OnPlatform("180,00", separator)));
        EXPECT_TRUE(Starts(GasVolumePercentLabel + OnPlatform("90,000", separator))) << separator;
        EXPECT_TRUE(Starts(SteamMassPercentLabel + OnPlatform("9,0909", separator))) << separator;
    }
    ClearReport();
    RelativeHumidity = 100.5, CalcFunction = "Strypf";
    WriteHumidityLines('S', position_);
    EXPECT_EQ(Texts(), std::vector<std::string>{"WARNING! Relative humidity>100% = 100,50"});
    EXPECT_EQ(ColorOf(0), clRed);
    EXPECT_EQ(ReportColor(), clBlack);
}

TEST_F(MediumReport, NaturalGasCalorificValuesAndWobbeIndexAsIso6976) {
    // ISO 6976 at 15 C: methane 55.573 MJ/kg gross, 50.034 MJ/kg net.
    Methane("100");
    const std::vector<std::string> r = Block();
    ASSERT_GE(r.size(), 3u);
    EXPECT_EQ(r[0], "NOTE! All properties=CH4 (except density<0.1% uncertainty)");
    EXPECT_EQ(r[1], DensityLabel + "5,0000");
    EXPECT_TRUE(r[2].starts_with("Compression factor Z______________________________= ")) << r[2];
    EXPECT_EQ(LineOf("Superior cal."), "Superior cal. value at **/condensed H2O    (MJ/kg)= 55,573");
    EXPECT_EQ(LineOf("Inferior cal."), "Inferior cal.value at ** /uncondensed H2O  (MJ/kg)= 50,034");
    EXPECT_TRUE(Starts("*Nm3 at 15 C/101.325 kPaA"));
    // ISO 6976 for methane at 15/15 C: Wobbe index 50.72 MJ/m3; with the real-gas density
    // (Z = 0.998) the gross value is 37.78 MJ/m3.
    EXPECT_NEAR(NumberOf(LineOf("Superior calorif. val.at")), 37.78, 0.02);
    EXPECT_NEAR(NumberOf(LineOf("Wobbe index at **")), 50.72, 0.02);
    EXPECT_NEAR(NaturalGasZ, 0.998, 0.0005);
    // No gas in the grid: nothing to burn and no density, so no Wobbe line.
    Methane("0");
    Block();
    EXPECT_EQ(NumberOf(LineOf("Superior cal.")), 0.0);
    EXPECT_FALSE(Starts("Wobbe"));
    // Outside "Termo": the note and the state lines only.
    Methane("100");
    CalcFunction = "Strypf";
    EXPECT_EQ(Block().at(0), r[0]);
    EXPECT_FALSE(Starts("Superior") || Starts("Compression"));
}

TEST_F(MediumReport, MethaneNoteSizesTheRestOfTheBlockFromItsStartSize) {
    const struct {
        char language;
        int size;
    } cases[] = {{'E', kStartSize}, {'D', kStartSize * 58 / 64}, {'S', kStartSize * 58 / 61}};
    for (const auto& c : cases) {
        SetUp();
        Language(c.language);
        Methane("100");
        for (int run = 0; run < 2; ++run) WriteMediumPropertyBlock('S', position_);
        // The second block starts from the same size as the first: nothing shrinks run by run.
        const auto& lines = ReportWindow().Content().Lines;
        for (int i : {0, 1, ReportLineCount() / 2, ReportLineCount() - 1})
            EXPECT_EQ(lines[i][0].Attributes.Size, c.size) << c.language << i;
        EXPECT_EQ(ReportSize(), kStartSize) << c.language;
    }
}

TEST_F(MediumReport, StateLinesByMediumAndPhaseLetter) {
    const std::string p = "Static Pressure______________________________(kPa)= ", &t = TemperatureResultLabel,
                      &d = DensityLabel, &v = DynamicViscosityLabel, &k = KappaLabel,
                      co2 = "NOTE! All properties except density = CO2 properties";
    const struct {
        const char *medium, *function;
        char phase;
        std::vector<std::string> starts;  // the beginnings of every line, in order
    } cases[] = {
        {"H2", "Strypf", 'V', {p, d, v}},
        {"N2", "Strypf", 'G', {p, d, v, k}},
        {"N2", "Strypf", 'H', {t, d, v, k}},
        {"O3", "Strypf", 'N', {co2, d, v, k}},
        {"MNG", "Strypf", 'N', {t, d, v, k}},
        {"XYZ", "Termo", 'N', {}},
        {"H2", "Termo", 'V', {p, d, v, SpecificVolumeLabel, KinematicViscosityLabel}},
    };
    for (const auto& c : cases) {
        SetUp();
        MediumCode = c.medium, PhaseLetter = c.phase, CalcFunction = c.function;
        // A saturated state that exists (hydrogen boils at 20.4 K, nitrogen at 77.4 K): one beyond its
        // critical point would stand under the range warning.
        const std::string m = c.medium;
        OperatingTemperature = m == "H2" ? -253.0 : m == "N2" ? -190.0 : 20.0;
        const std::vector<std::string> r = Block();
        const std::string name = std::string(c.medium) + " " + c.phase + " " + c.function;
        ASSERT_EQ(r.size(), c.starts.size()) << name;
        for (size_t i = 0; i < r.size(); ++i) EXPECT_TRUE(r[i].starts_with(c.starts[i])) << name << ": " << r[i];
    }
}

TEST_F(MediumReport, RangeNoteAndTheClosingLinesOfTheBigReports) {
    MediumCode = "VAT";
    for (const char* note : {" ", "abc", "(20 C!..)"}) {
        TableRangeNote = note;
        const bool shown = std::string(note).size() > 3;
        EXPECT_EQ(Block().at(0), shown ? std::string(note) : DensityLabel + "5,0000") << note;
        EXPECT_EQ(ColorOf(0) == clRed, shown) << note;
    }
    TableRangeNote = " ";
    Form1().litenstor.SetCaption("Big  ");
    BoreDiameter = 0.05001, BoreDiameterColdM = 0.05, PipeDiameter = 0.1002, PipeDiameterColdM = 0.1;
    const struct {
        const char *function, *device, *subtype;
        bool throat;
    } devices[] = {{"Strypf", "S", "", true},
                   {"Strypf", "VOLYM", "", false},
                   {"Ventil", "S", "VE", false},
                   {"Ventil", "S", "RO", true}};
    for (const auto& c : devices) {
        CalcFunction = c.function, DeviceCode = c.device, ValveSubtype = c.subtype;
        EXPECT_EQ(Block().back(), PipeTemperatureFactorLabel + "1,0020") << c.function << c.subtype;
        EXPECT_EQ(LineOf(BoreTemperatureFactorLabel) == BoreTemperatureFactorLabel + "1,0002", c.throat) << c.device;
    }
    PipeDiameterColdM = 0.0;  // no cold pipe, no factor
    Block();
    EXPECT_FALSE(Starts(PipeTemperatureFactorLabel));

    // The thermodynamic report closes with the molar mass of a single medium above 1.
    CalcFunction = "Termo", MediumCode = "N2";
    EXPECT_EQ(Block().back(), "Average Molecule weight________________________(u)= 28,013");
    MediumCode = "GAS", GivenMolarMass = 1.0;
    EXPECT_EQ(Block().back().find("(u)= "), std::string::npos);
}

}  // namespace
}  // namespace tubalyx
