#include "reports/operating_conditions.h"

#include <gtest/gtest.h>

#include "media/medium_state.h"

#include "media/medium_identification.h"
#include "numerics/decimal_separator.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

class OperatingConditionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedCalcFunction_ = CalcFunction;
        savedSolveFor_ = SolveFor;
        savedMedium_ = MediumCode;
        savedPhase_ = PhaseLetter;
        savedHumid_ = HumidGasFlag;
        SetDecimalSeparator(',');
        ReportSeparator = "";
        LanguageLetter = 'E';
        MediumCode = "VAT";
        PhaseLetter = 'N';
        TForm1& f = Form1();
        f.temp.SetText("20");
        f.tempmin.SetText("10");
        f.abstryckantal.SetText("1234,5678");
        f.abstryckmaxantal.SetText("200");
        f.tempsort.SetCaption("C");
        f.abstrycksort.SetText("kPa");
        f.Excel.SetCaption("Excel");
    }
    void TearDown() override {
        CalcFunction = savedCalcFunction_;
        SolveFor = savedSolveFor_;
        MediumCode = savedMedium_;
        PhaseLetter = savedPhase_;
        HumidGasFlag = savedHumid_;
    }
    std::string savedCalcFunction_, savedSolveFor_, savedMedium_;
    char savedPhase_ = 'N';
    bool savedHumid_ = false;
};

TEST_F(OperatingConditionsTest, DensityClassByMediumAndPhase) {
    MediumCode = "MNG";
    EXPECT_EQ(MediumDensityClass(), 1);
    MediumCode = "H2";
    PhaseLetter = 'V';
    EXPECT_EQ(MediumDensityClass(), 2);
    PhaseLetter = 'X';
    EXPECT_EQ(MediumDensityClass(), 1);
    PhaseLetter = 'G';
    EXPECT_EQ(MediumDensityClass(), 0);
    MediumCode = "CO2";
    EXPECT_EQ(MediumDensityClass(), 2);
    PhaseLetter = 'H';
    EXPECT_EQ(MediumDensityClass(), 1);
    PhaseLetter = 'N';
    EXPECT_EQ(MediumDensityClass(), 0);
    MediumCode = "O3";
    PhaseLetter = 'G';
    EXPECT_EQ(MediumDensityClass(), 0);
}

TEST_F(OperatingConditionsTest, NumberTextsAreShortened) {
    EXPECT_EQ(ShortenConditionNumber("1234,5678"), "1234,5");
    EXPECT_EQ(ShortenConditionNumber("12345678,9"), "12345678");
    EXPECT_EQ(ShortenConditionNumber("20"), "20");
    EXPECT_EQ(ShortenConditionNumber("0.12345"), "0.1234");
}

TEST_F(OperatingConditionsTest, TextFromTheEditsInEachLanguage) {
    double p = 0, t = 0;
    std::string text;
    FormatOperatingConditions(p, t, text);
    EXPECT_EQ(text, "at operating cond.= 20C, 1234,5kPa)");
    EXPECT_DOUBLE_EQ(t, 20.0);
    EXPECT_DOUBLE_EQ(p, 1234.5678);
    LanguageLetter = 'S';
    ReportSeparator = "\t";
    FormatOperatingConditions(p, t, text);
    EXPECT_EQ(text, "vid drifttillstånd= \t20\tC, \t1234,5\tkPa)");
    LanguageLetter = 'D';
    ReportSeparator = "";
    Form1().Excel.SetCaption("txt");
    FormatOperatingConditions(p, t, text);
    EXPECT_EQ(text, "(bei Betriebsbedingungen= 20C, 1234,5kPa)");
}

TEST_F(OperatingConditionsTest, MeanOfTheRangeAndBadInput) {
    // A gas on the throat-device page, solving for the differential pressure: the operating
    // state is the mean of the range.
    CalcFunction = "Strypf";
    SolveFor = "DP";
    MediumCode = "LUF";
    ASSERT_TRUE(UsesGasThroatBranch());
    Form1().abstryckantal.SetText("100");
    double p = 0, t = 0;
    std::string text;
    FormatOperatingConditions(p, t, text);
    EXPECT_EQ(text, "at operating cond.= 15C, 150kPa)");
    Form1().temp.SetText("abc");
    FormatOperatingConditions(p, t, text);
    EXPECT_EQ(text, "at operating cond.= 0C, 150kPa)");
    EXPECT_EQ(t, 0.0);
}

TEST_F(OperatingConditionsTest, KelvinAndKilopascalForClassOne) {
    MediumCode = "MNG";
    OperatingTemperature = -161.5;
    OperatingPressure = 250000;
    double p = 0, t = 0;
    std::string text;
    FormatOperatingConditions(p, t, text);
    EXPECT_EQ(text, "at operating cond.= -161,5C 250kPa)");
    EXPECT_DOUBLE_EQ(p, 250.0);
}

TEST_F(OperatingConditionsTest, ThermoCaption) {
    UpdateThermoCaption();
    EXPECT_EQ(Form1().GroupBox1.Caption(), "Thermodynamical parameters at operating cond.= 20C, 1234,5kPa)");
    MediumCode = "OLJA";
    LanguageLetter = 'D';
    UpdateThermoCaption();
    EXPECT_EQ(Form1().GroupBox1.Caption(), "Thermodynamische Eigenschaften ");
    LanguageLetter = 'X';
    UpdateThermoCaption();
    EXPECT_EQ(Form1().GroupBox1.Caption(), "Thermodynamische Eigenschaften ");
}

TEST_F(OperatingConditionsTest, HumidityContent) {
    TForm1& f = Form1();
    f.ViktVolprocGrid.SetVisible(true);
    const double savedFlow = FlowDensity, savedDry = DryGasDensity;
    FlowDensity = 1.2;
    DryGasDensity = 1.2;
    HumidGasFlag = false;
    // The dry composition at the normal state sums to 97 %: 3 % is the humidity.
    for (int row = 2; row <= 11; ++row) f.ViktVolprocGrid.SetCell(3, row, "");
    f.ViktVolprocGrid.SetCell(3, 2, "60,5");
    f.ViktVolprocGrid.SetCell(3, 5, "36,5");
    ShowHumidityContent();
    EXPECT_EQ(f.fuktviktproc.Text(), "0");
    EXPECT_EQ(f.fuktvolproc.Text(), "0");
    DryGasDensity = 1.0;
    HumidGasFlag = true;
    ShowHumidityContent();
    EXPECT_EQ(f.fuktviktproc.Text(), "16,667");
    EXPECT_EQ(f.fuktvolproc.Text(), "3,0000");
    EXPECT_EQ(f.ViktVolprocGrid.Cell(2, 0), "Mass %");
    f.ViktVolprocGrid.SetVisible(false);
    f.fuktviktproc.SetText("x");
    ShowHumidityContent();
    EXPECT_EQ(f.fuktviktproc.Text(), "x");
    FlowDensity = savedFlow;
    DryGasDensity = savedDry;
}

}  // namespace
}  // namespace tubalyx
