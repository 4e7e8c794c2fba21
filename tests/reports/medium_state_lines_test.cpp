// The medium-state lines as users read them: the range note of the water and steam
// equations, the viscosity column, the lines that need a density, the humidity block and
// the red of a property table's range note.
#include "reports/medium_state_lines.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "numerics/decimal_separator.h"
#include "numerics/separator_guard.h"
#include "reports/report_window.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/caption_sets.h"
#include "texts/report_label_strings.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

struct Line {
    std::string text;
    TColor color;
};

std::vector<Line> Report() {
    std::vector<Line> lines;
    const TRichEdit& e = ReportWindow();
    for (int i = 0; i < e.LineCount(); ++i) lines.push_back({e.Line(i), e.Content().Lines[i][0].Attributes.Color});
    return lines;
}

std::vector<std::string> Texts() {
    std::vector<std::string> texts;
    for (const Line& l : Report()) texts.push_back(l.text);
    return texts;
}

bool Starts(const std::vector<std::string>& lines, const std::string& label) {
    for (const std::string& l : lines)
        if (l.starts_with(label)) return true;
    return false;
}

class MediumStateLines : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        LanguageLetter = 'E';
        ApplyLanguage('E');
        CalcFunction = "Termo";
        Form1().qbgsort.SetText("cP");
        ClearReport();
        ReportWindow().SetSelAttributes(TTextAttributes{});
        FlowDensity = 5.0, DynamicViscosityPas = 1.5e-5;
    }
    int position_ = 0;
};

TEST_F(MediumStateLines, RangeNoteOfTheWaterAndSteamEquations) {
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
        // The 350 C limit is liquid water's only.
        {"MNG", 'E', 400, 1e6, {}},
        {"ANG", 'E', 400, 1e6, {}},
        // Other media have no such limits.
        {"LUF", 'E', 900, 1.5e8, {}},
    };
    for (const auto& c : cases) {
        SetUp();
        LanguageLetter = c.language;
        ApplyLanguage(c.language);
        MediumCode = c.medium, OperatingTemperature = c.temperature, OperatingPressure = c.pressure;
        WriteDensityZViscosityLines('S', position_);
        const std::vector<Line> r = Report();
        const std::string name = std::string(c.medium) + " " + c.language;
        ASSERT_GT(r.size(), c.note.size()) << name;
        for (size_t i = 0; i < c.note.size(); ++i) {
            EXPECT_EQ(r[i].text, c.note[i]) << name;
            EXPECT_EQ(r[i].color, clRed) << name;
        }
        EXPECT_EQ(r[c.note.size()].text.substr(0, 52), DensityLabel) << name;
        EXPECT_EQ(r[c.note.size()].color, clBlack) << name;
    }
    // A property solve stopped by its step bound: the heading line alone.
    SetUp();
    MediumCode = "LUF", PropertyIterationCount = PropertyIterationLimit = 5000;
    WriteDensityZViscosityLines('S', position_);
    EXPECT_EQ(Texts().at(0), "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS!: ");
    EXPECT_TRUE(Texts().at(1).starts_with(DensityLabel));
}

TEST_F(MediumStateLines, LargeViscositiesInPasAndTheLinesThatNeedADensity) {
    MediumCode = "VAT";
    DynamicViscosityPas = 0.1;
    WriteDensityZViscosityLines('S', position_);
    EXPECT_EQ(Texts().at(1), "Dynamic viscosity____________________________(Pas)=0,1000");
    ClearReport();
    DynamicViscosityPas = 0.0999;
    WriteDensityZViscosityLines('S', position_);
    EXPECT_EQ(Texts().at(1), DynamicViscosityLabel + " 99900");
    // Specific volume 1000/5 dm3/kg, kinematic viscosity 0.0999/5 m2/s.
    EXPECT_EQ(Texts().at(2), SpecificVolumeLabel + "200,00");
    EXPECT_EQ(Texts().at(3), KinematicViscosityLabel + " 19980");

    ClearReport();
    MediumCode = "LUF", HumidGasFlag = true, FlowDensity = 0.0, HumidityInputKind = "R";
    OperatingPressure = VapourPressurePa = 0.0;
    int position = 0;
    WriteStateLinesWithHumidity('S', position);
    const std::vector<std::string> lines = Texts();
    EXPECT_TRUE(Starts(lines, DensityLabel));
    for (const std::string* label : {&SpecificVolumeLabel, &KinematicViscosityLabel, &SteamMassPercentLabel})
        EXPECT_FALSE(Starts(lines, *label)) << *label;
    // Without a pressure the gas share of the volume is 0, not a division by zero.
    EXPECT_TRUE(Starts(lines, GasVolumePercentLabel + "0,0"));
    for (const std::string& l : lines) EXPECT_EQ(l.find("NAN"), std::string::npos) << l;

    ClearReport();
    OperatingTemperature = -273.15;
    WriteTemperatureLine('S', position);
    EXPECT_EQ(ReportLineCount(), 0);
    OperatingTemperature = -273.14;
    WriteTemperatureLine('S', position);
    EXPECT_EQ(Texts(), std::vector<std::string>{TemperatureResultLabel + "-273,1"});
}

TEST_F(MediumStateLines, WhichLinesStandByFunctionAndMedium) {
    const struct {
        const char* name;
        std::function<void()> state;
        std::vector<const std::string*> present, absent;
    } cases[] = {
        {"natural gas in Termo", [] { MediumCode = "NGAS"; }, {&DensityLabel, &EnthalpyLabel}, {}},
        {"natural gas outside Termo", [] { MediumCode = "NGAS", CalcFunction = "Strypf"; },
         {&DensityLabel, &DynamicViscosityLabel}, {&SpecificVolumeLabel, &EnthalpyLabel}},
        {"ozone as a liquid", [] { MediumCode = "O3", PhaseLetter = 'V'; },
         {&DensityLabel, &SpecificVolumeLabel}, {&DynamicViscosityLabel, &KinematicViscosityLabel, &EnthalpyLabel}},
        {"typed gas with its viscosity in the 1e-6 column", [] { MediumCode = "GAS"; Form1().qbgsort.SetText("Pas*E-6"); },
         {&SpecificVolumeLabel}, {&DensityLabel, &DynamicViscosityLabel, &EnthalpyLabel}},
        {"user's real gas", [] { MediumCode = "IGAS"; }, {&DensityLabel, &DynamicViscosityLabel}, {&EnthalpyLabel}},
    };
    for (const auto& c : cases) {
        SetUp();
        c.state();
        WriteDensityZViscosityLines('S', position_);
        const std::vector<std::string> lines = Texts();
        for (const std::string* label : c.present) EXPECT_TRUE(Starts(lines, *label)) << c.name << ": " << *label;
        for (const std::string* label : c.absent) EXPECT_FALSE(Starts(lines, *label)) << c.name << ": " << *label;
        EXPECT_EQ(Starts(lines, "Compression factor Z"), std::string(c.name) == "natural gas in Termo") << c.name;
    }
}

TEST_F(MediumStateLines, HumidityBlockOmitsTheGivenMeasureAndWarnsAbove100Percent) {
    MediumCode = "LUF", HumidGasFlag = true;
    OperatingPressure = 2e5, VapourPressurePa = 2e4, FlowDensity = 2.2, DryGasDensity = 2.0;
    const struct {
        const char* kind;
        const std::string* left;  // the measure the user gave
    } kinds[] = {{"R", &RelativeHumidityLabel}, {"A", &AbsoluteHumidityLabel},
                 {"S", &SpecificHumidityLabel}, {"D", &DewTemperatureLabel}};
    for (const auto& k : kinds) {
        ClearReport();
        HumidityInputKind = k.kind;
        RelativeHumidity = 100.0;
        WriteHumidityLines('S', position_);
        const std::vector<std::string> lines = Texts();
        for (const std::string* label :
             {&RelativeHumidityLabel, &AbsoluteHumidityLabel, &SpecificHumidityLabel, &DewTemperatureLabel})
            EXPECT_EQ(Starts(lines, *label), label != k.left) << k.kind << ": " << *label;
        EXPECT_FALSE(Starts(lines, "WARNING!")) << k.kind;
    }
    const std::vector<std::string> lines = Texts();
    // 20 of 200 kPa is steam: 90 % of the volume is gas; (2.2 - 2.0) / 2.2 of the mass is steam.
    EXPECT_TRUE(Starts(lines, "Pressurefraction,steam_______________________(kPa)= 20,000"));
    EXPECT_TRUE(Starts(lines, "Pressurefraction,gas/air_____________________(kPa)= 180,00"));
    EXPECT_TRUE(Starts(lines, GasVolumePercentLabel + "90,000"));
    EXPECT_TRUE(Starts(lines, SteamMassPercentLabel + "9,0909"));
    EXPECT_TRUE(Starts(lines, DryGasSpecificVolumeLabel + "0,5000"));

    ClearReport();
    RelativeHumidity = 100.5;
    CalcFunction = "Strypf";
    WriteHumidityLines('S', position_);
    const std::vector<Line> r = Report();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].text, "WARNING! Relative humidity>100% = 100,50");
    EXPECT_EQ(r[0].color, clRed);
    EXPECT_EQ(ReportColor(), clBlack);
}

TEST_F(MediumStateLines, ARangeNoteOfAPropertyTableMakesItsLineRedOnBothSeparators) {
    for (char separator : {',', '.'}) {
        SetUp();
        const SeparatorGuard guard(separator);
        MediumCode = "N2", PhaseLetter = 'N';
        CpLabel = "[Cp at 120 C!..(J/(kg*K))] ";
        CpOperating = 1040.0, KappaOperating = 1.4, CvOperating = 743.0;
        WriteKappaCpCvLines('S', position_);
        const std::vector<Line> r = Report();
        ASSERT_EQ(r.size(), 3u);
        EXPECT_EQ(r[0].color, clBlack);
        EXPECT_EQ(r[1].text, OnPlatform("[Cp at 120 C!..(J/(kg*K))] 1040,0", separator));
        EXPECT_EQ(r[1].color, clRed);
        EXPECT_EQ(r[2].color, clBlack);
    }
}

}  // namespace
}  // namespace tubalyx
