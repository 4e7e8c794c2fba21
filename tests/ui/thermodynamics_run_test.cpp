// The thermodynamic function from "Run" to the report: head, the input listing of the medium
// questionnaire, the output heading and the medium property block; and every medium in every
// phase and language writes a report of numbers only.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/text_utils.h"
#include "reports/report_head.h"
#include "reports/report_window.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/report_label_strings.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"
#include "ui/run_driver.h"

namespace tubalyx {
namespace {

constexpr int kFontSize = 16;

ReportTimestamp FixedClock() { return {"2026-12-09", "04:01:11"}; }

std::vector<std::string> NewestReport() {
    const TRichEdit& e = Form1().RichEdit4;
    std::vector<std::string> lines;
    for (int i = 0; i < e.LineCount(); ++i) lines.push_back(e.Line(i));
    return lines;
}

// The number behind the "= " of the line that starts with `label`; NaN when there is none.
double ValueOf(const std::vector<std::string>& lines, const std::string& label) {
    for (const std::string& l : lines)
        if (l.starts_with(label)) return StrToFloatSafe(l.substr(l.rfind("= ") + 2));
    return std::nan("");
}

class ThermodynamicsRun : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        SetReportClock(&FixedClock);
        TForm1& f = Form1();
        f.SetFontSize(kFontSize);
        f.RichEdit1.SetFontSize(kFontSize);
        f.litenstor.SetCaption("Big  ");
        f.tempsort.SetCaption("C");
        f.relabsspecfukt.SetText("");
        for (TRichEdit* e : {&f.RichEdit1, &f.RichEdit4, &f.RichEdit5}) e->Clear();
        CalcFunction = "Termo";
        PressureUnit = "kPa";
    }
    void TearDown() override { SetReportClock(nullptr); }

    // The data a user types for the media that the program does not know by itself.
    static void Describe(const std::string& medium) {
        GivenDensity = medium == "OLJA" ? 850.0 : medium == "VÄT" ? 1000.0 : 2.4;
        GivenViscosityValue = medium == "VÄT" ? 1.0 : 0.018;
        ViscosityUnit = "cP";
        GivenCp = 1005.0, GivenCv = 718.0, GivenMolarMass = 29.0, GivenCriticalTemperatureK = 132.0;
        GivenEnthalpy = 20.0, GivenZ1 = GivenZn = 1.0;
        // The oil's viscosities are read from their edits only.
        TForm1& f = Form1();
        f.q40bg.SetText("32");
        f.q100bg.SetText("5,4");
        f.q40bgsort.SetText("cSt");
        f.q100bgsort.SetText("cSt");
        if (medium == "G" || medium == "NGAS") {
            MediumCode = medium;
            SetupCompositionGrids();
        }
    }

    // The operating point as typed, then "Run".
    static void Run(const char* medium, char phase, double temperatureC, double pressureKPa) {
        MediumCode = medium;
        PhaseLetter = phase;
        TemperatureMaxC = TemperatureMinC = temperatureC;
        PressureMinInput = PressureMaxInput = pressureKPa;
        WriteInputsToForm();
        RunCalculation();
    }
};

TEST_F(ThermodynamicsRun, WaterAt80CAnd500kPaInABigReport) {
    Run("VAT", 'N', 80.0, 500.0);
    const std::vector<std::string> r = NewestReport();
    const auto& attributes = Form1().RichEdit4.Content().Lines;
    ASSERT_GE(r.size(), 12u);
    EXPECT_EQ(r[0], "COMPUTERCALCULATION OF THERMODYNAMICAL DATA");
    EXPECT_EQ(attributes[0][0].Attributes.Color, clMaroon);
    EXPECT_EQ(r[1], "Date: 2026-12-09 /Time: 04:01:11");
    EXPECT_EQ(r[3], "__________________INPUT______________________");
    // The listing: medium, temperature and pressure as typed.
    EXPECT_EQ(r[4], Form1().Mediarubrik.Caption() + " " + Form1().Medialabel.Caption());
    EXPECT_TRUE(r[5].ends_with("(C)     80")) << r[5];
    EXPECT_TRUE(r[6].ends_with("(kPa)    500")) << r[6];
    EXPECT_EQ(r[7], "");
    EXPECT_EQ(r[8], "__________________OUTPUT_____________________");
    // Water at 80 C and 5 bar: 971.8 kg/m3 and 354.4e-6 Pa s (IAPWS).
    EXPECT_EQ(r[9].substr(0, 52), "Density____________________________________(kg/m3)= ");
    EXPECT_NEAR(ValueOf(r, "Density___"), 971.8, 0.5);
    EXPECT_NEAR(ValueOf(r, "Dynamic viscosity___"), 354.4, 3.0);
    EXPECT_NEAR(ValueOf(r, "Specific volume___"), 1000.0 / 971.8, 0.001);
    EXPECT_NEAR(ValueOf(r, "Kinematic viscosity___"), 354.4 / 971.8, 0.004);
    // Liquid water at 80 C: about 335 kJ/kg above 0 C.
    EXPECT_NEAR(ValueOf(r, "Enthalpi.(= 0 at: 0 C"), 335.0, 1.5);
    // The caret ends the output heading.
    const TRichEdit& e = Form1().RichEdit1;
    EXPECT_EQ(ReportCaret(), LineStartPosition(e, 8) + Utf8Length(r[8]));
}

TEST_F(ThermodynamicsRun, EveryMediumInEveryPhaseAndLanguageWritesNumbersOnly) {
    const char* media[] = {"VAT", "ANG", "MNG", "VÄT", "GAS",  "IGAS", "LUF", "G",   "NGAS", "OLJA", "C3H8",
                           "C3H8V", "CO2", "CO",  "N2",  "O2", "H2",   "AR",  "O3",  "NH3", "CH4"};
    for (char language : {'S', 'D', 'E'}) {
        for (const char* medium : media) {
            for (char phase : {'N', 'G', 'V', 'H', 'X'}) {
                SetUp();
                LanguageLetter = language;
                Describe(medium);
                Run(medium, phase, 20.0, 200.0);
                const std::vector<std::string> r = NewestReport();
                const std::string name = std::string(medium) + " " + phase + " " + language;
                const auto output = std::find(r.begin(), r.end(), OutputHeading);
                ASSERT_NE(output, r.end()) << name;
                // A failure anywhere in the run ends the report with the error line.
                EXPECT_NE(r.back(), InputErrorText()) << name;
                EXPECT_GT(r.end() - output, 1) << name;
                for (const std::string& line : r) {
                    EXPECT_EQ(line.find("NAN"), std::string::npos) << name << ": " << line;
                    EXPECT_EQ(line.find("INF"), std::string::npos) << name << ": " << line;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tubalyx
