#include "ui/input_transfer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/separator_guard.h"
#include "state/composition.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/reset.h"
#include "state/selections.h"
#include "support/start_up_edits.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

class InputTransfer : public ::testing::Test {
protected:
    void SetUp() override {
        ResetStateVariables();
        SetDecimalSeparator('.');
        ApplyLanguage('E');  // on the orifice page, solving for the bore, for a gas
        TForm1& f = Form1();
        f.dstorkallsort.SetCaption("mm");
        f.tempsort.SetCaption("C");
        f.abstryckmaxtext.SetVisible(true);
        f.angtrycksort.SetVisible(false);
        testsupport::WriteStartUpEdits();
    }
    void TearDown() override { SetDecimalSeparator('.'); }
};

TEST_F(InputTransfer, BoreInInchesIsShownWithSixDigitsAndReadBackInMillimetres) {
    TForm1& f = Form1();
    f.dstorkallsort.SetCaption("inches");
    for (char sep : {'.', ','}) {
        SetDecimalSeparator(sep);
        BoreDiameterColdMm = 100;
        PipeDiameterColdMm = 254;
        WriteInputsToForm();
        EXPECT_EQ(f.dkallmm.Text(), sep == '.' ? "3.93701" : "3,93701");
        EXPECT_EQ(f.Dstorkallmm.Text(), "10");
        BoreDiameterColdMm = 0;
        ReadInputsFromForm();
        EXPECT_NEAR(BoreDiameterColdMm, 100, 25.4 * 0.5e-5);
        EXPECT_NEAR(BoreDiameterColdM, 0.1, 25.4 * 0.5e-8);
        EXPECT_DOUBLE_EQ(PipeDiameterColdMm, 254);
    }
}

TEST_F(InputTransfer, TemperaturesInTheShownUnit) {
    TForm1& f = Form1();
    const struct {
        const char* unit;
        const char* shown;
    } cases[] = {{"F", "68"}, {"K", "293.15"}, {"C", "20"}};
    for (const auto& c : cases) {
        f.tempsort.SetCaption(c.unit);
        TemperatureMaxC = TemperatureMinC = 20;
        WriteInputsToForm();
        EXPECT_EQ(f.temp.Text(), c.shown) << c.unit;
        TemperatureMaxC = TemperatureMinC = -1;
        ReadInputsFromForm();
        EXPECT_NEAR(TemperatureMaxC, 20, 1e-12) << c.unit;
        EXPECT_NEAR(OperatingTemperature, 20, 1e-12) << c.unit;
    }
}

TEST_F(InputTransfer, ValveOutletPressureGivesTheDifferentialPressure) {
    CalcFunction = "Ventil";
    ValveSubtype = "VE";
    PressureUnit = "kPa";
    PressureMinInput = 500;
    DpUnit = "kPa";
    MaxDpInput = 300;
    WriteInputsToForm();
    EXPECT_DOUBLE_EQ(OperatingPressure, 500000);
    EXPECT_DOUBLE_EQ(MaxDpPa, 200000);
}

TEST_F(InputTransfer, MissingMaximumPressureIsTheMinimum) {
    PressureMinInput = 250;
    PressureMaxInput = 0;
    WriteInputsToForm();
    EXPECT_EQ(Form1().abstryckmaxantal.Text(), "250");
    EXPECT_EQ(PressureMaxInput, 250);
    // The gas on the orifice page works at the mean of the range: here the minimum.
    EXPECT_DOUBLE_EQ(OperatingPressure, 250000);
    PressureMaxInput = 350;
    WriteInputsToForm();
    EXPECT_DOUBLE_EQ(OperatingPressure, 300000);
}

TEST_F(InputTransfer, HumidityCountsAboveTheDryLimitOfItsKind) {
    const struct {
        const char* medium;
        char phase;
        const char* kind;
        double value;
        bool humid;
    } cases[] = {
        {"GAS", 'N', "D", 0.0, false},  {"GAS", 'N', "D", -5.0, false}, {"GAS", 'N', "D", 0.5, true},
        {"LUF", 'N', "R", 1e-9, false}, {"LUF", 'N', "R", 2e-8, true},  {"LUF", 'N', "A", 3.0, true},
        {"LUF", 'N', "S", 3.0, true},   {"LUF", 'N', "X", 3.0, false},  {"ANG", 'N', "R", 50, false},
        {"MNG", 'N', "R", 50, false},   {"VAT", 'N', "R", 50, false},   {"N2", 'V', "R", 50, false},
    };
    for (const auto& c : cases) {
        MediumCode = c.medium;
        PhaseLetter = c.phase;
        HumidityInputKind = c.kind;
        RelativeHumidity = AbsoluteHumidity = SpecificHumidity = DewTemperatureC = c.value;
        HumidGasFlag = !c.humid;
        CheckHumidityInput();
        EXPECT_EQ(HumidGasFlag, c.humid) << c.medium << " " << c.kind << " " << c.value;
    }
    // The edit counts when it holds a number above 0.
    bool given = true;
    Form1().relabsspecfukt.SetText("abc");
    HumidityValueGiven(given);
    EXPECT_FALSE(given);
}

TEST_F(InputTransfer, SolvedPressureLossIsShownInKilopascalAndKeepsItsValue) {
    TForm1& f = Form1();
    SolveFor = "TF";
    DpUnit = "mBar";
    MaxDpPa = 25000;
    WriteInputsToForm();
    EXPECT_EQ(f.difftryckmaxantal.Text(), "25");
    EXPECT_EQ(f.difftryckmaxsort.Text(), "kPa");
    EXPECT_DOUBLE_EQ(MaxDpPa, 25000);
    ReadInputsFromForm();
    EXPECT_DOUBLE_EQ(MaxDpPa, 25000);
}

// A number edit whose text is no number (the empty text too) ends the read, and the text stays
// as typed, on both separators. The humidity gas's molar mass and the grid cells read as 0.
TEST_F(InputTransfer, ATextThatIsNoNumberEndsTheReadAndStaysTyped) {
    TForm1& f = Form1();
    MediumCode = "GAS";
    for (char sep : {'.', ','}) {
        SetDecimalSeparator(sep);
        for (TEdit* e : {&f.maxflowantal, &f.Dstorrahetmm, &f.kantradie, &f.Dstorkallmm, &f.dkallmm, &f.temp,
                         &f.abstryckantal, &f.difftryckmaxantal, &f.minflowantal, &f.cpbg}) {
            for (const std::string typed : {"abc", "", "1,5,0"}) {
                testsupport::WriteStartUpEdits();
                ASSERT_NO_THROW(ReadInputsFromForm()) << e->Name();
                e->SetText(typed);
                EXPECT_THROW(ReadInputsFromForm(), NumberTextError) << e->Name() << " \"" << typed << "\" " << sep;
                EXPECT_EQ(e->Text(), typed) << e->Name();
            }
        }
        testsupport::WriteStartUpEdits();
        f.molekylviktvG.SetText("abc");
        f.ViktVolprocGrid.SetCell(2, 3, "abc");
        MixtureFraction[3] = HumidGasMolarMass = 7.0;
        EXPECT_NO_THROW(ReadInputsFromForm());
        EXPECT_EQ(HumidGasMolarMass, 0.0);
        EXPECT_EQ(MixtureFraction[3], 0.0);
    }
}

TEST_F(InputTransfer, AValueBeyondTheDoubleRangeAfterConversionReadsAsZero) {
    TForm1& f = Form1();
    f.abstryckantal.SetText("1e306");
    f.abstrycksort.SetText("MPa");
    EXPECT_NO_THROW(ReadInputsFromForm());
    EXPECT_EQ(OperatingPressure, 0);
}

TEST_F(InputTransfer, CompositionRowsBeyondTheGridStateAreNotRead) {
    TStringGrid& g = Form1().ViktVolprocGrid;
    g.SetRowCount(20);
    for (int row = 2; row < 20; ++row) g.SetCell(2, row, std::to_string(row));
    g.SetCell(2, 19, "99");
    EXPECT_NO_THROW(ReadInputsFromForm());
    EXPECT_EQ(g.Cell(2, 19), "99");
    EXPECT_EQ(MixtureFraction[2], 2);
    EXPECT_EQ(MixtureFraction[12], 12);
    g.SetRowCount(13);
    for (int row = 2; row < 20; ++row) g.SetCell(2, row, "");
}

TEST_F(InputTransfer, HumidityRowsOfTheUncertaintyGridFollowTheHumidity) {
    TStringGrid& g = Form1().Felsimulgrid;
    g.SetRowCount(23);
    g.SetDefaultRowHeight(20);
    LayoutErrorSimGrid(false);
    EXPECT_EQ(g.RowHeight(18), 0);
    EXPECT_EQ(g.RowHeight(22), 0);
    EXPECT_EQ(g.RowHeight(17), 20);  // the medium temperature stays
    EXPECT_EQ(g.ClientHeight(), 21 * 21 + 2 * 1);
    LayoutErrorSimGrid(true);
    EXPECT_EQ(g.RowHeight(18), 20);
    EXPECT_EQ(g.ClientHeight(), 23 * 21);
}

// One page's typed inputs, written into the edits and read back, on both separators.
struct Page {
    const char* function;
    const char* medium;
    const char* solve;
    const char* valve;
    const char* lengthUnit;
};

void SetTypedInputs() {
    // DpUpperLimitPa and DpLowerLimitPa: the write does not convert the dp range; these are
    // what the last read left.
    // clang-format off
    HumidGasMolarMass = 18.5; CalibratedCf = 0.8125; CalibrationTemperatureC = 21.5;
    CalibratedReynoldsMin = 12000; CalibratedReynoldsMax = 2.5e6; GivenDensity = 1.205;
    GivenViscosityValue = 18.2; ViscosityUnit = "Pas*E-6"; GivenCp = 1005; GivenCv = 718;
    GivenCriticalTemperatureK = 132.5; GivenMolarMass = 28.96; GivenEnthalpy = 293.4; GivenZ1 = 0.9975;
    GivenZn = 0.9994; PipeExpansionCoeff = 11.5; PipeExpansionCoeffB = 0.0043; DeviceExpansionCoeff = 16.3;
    DeviceExpansionCoeffB = 0.0038; PipeDiameterColdMm = 152.4; ValveDiameterColdMm = 80.5;
    TemperatureMinC = -12.5; TemperatureMaxC = 85.25; GivenStraightInlet = 12.5; GivenStraightOutlet = 4.75;
    BoreDiameterColdMm = 76.2; PipeRoughnessMm = 0.045; EdgeRadiusMm = 0.02; HeightDifference = -3.5;
    MaxPressureLossInput = 15; MaxPressureLossUnit = "kPa"; PipeDiameterMinLimitMm = 40;
    PipeDiameterMaxLimitMm = 600; PressureUnit = "BarA"; PressureMinInput = 4.5; PressureMaxInput = 6.5;
    DpUnit = "mBar"; MaxDpInput = 250; MaxDpEntered = 250; FlowUnit = "Nm3/h"; MinFlowUnit = "Nm3/h";
    MaxFlowInput = 1250.5; MinFlowInput = 300; FlowNormalDensity = 1.293; DpUpperLimitInput = 500;
    DpUpperLimitUnit = "mBar"; DpLowerLimitInput = 50; DpLowerLimitUnit = "kPa"; DpUpperLimitPa = 50000;
    DpLowerLimitPa = 50000; StraightLengthM = 22.5; PrimaryElementEntry = "135"; WeightFactor1 = 0.7;
    WeightFactor2 = 0.3; AdditionalUncertaintyPercent = 0.25; PlateThicknessMm = 12;
    // clang-format on
}

struct Snapshot {
    std::vector<double> numbers;
    std::vector<std::string> texts;
};

// Lengths shown in inches pass through a division by 25.4: equal to the last bits.
void ExpectSame(const Snapshot& a, const Snapshot& b, const std::string& name) {
    ASSERT_EQ(a.numbers.size(), b.numbers.size());
    for (size_t i = 0; i < a.numbers.size(); ++i)
        EXPECT_NEAR(a.numbers[i], b.numbers[i], 1e-13 * std::abs(b.numbers[i])) << name << " value " << i;
    EXPECT_EQ(a.texts, b.texts) << name;
}

Snapshot TakeSnapshot(bool withDp) {
    // clang-format off
    return {{HumidGasMolarMass, CalibratedCf, CalibrationTemperatureC, CalibratedReynoldsMin, CalibratedReynoldsMax,
             GivenDensity, GivenViscosityValue, GivenCp, GivenCv, GivenCriticalTemperatureK, GivenMolarMass,
             GivenEnthalpy, GivenZ1, GivenZn, PipeExpansionCoeff, PipeExpansionCoeffB, DeviceExpansionCoeff,
             DeviceExpansionCoeffB, PipeDiameterColdMm, ValveDiameterColdMm, TemperatureMinC, TemperatureMaxC,
             GivenStraightInlet, GivenStraightOutlet, BoreDiameterColdMm, PipeRoughnessMm,
             EdgeRadiusMm, HeightDifference, MaxPressureLossInput, MaxPressureLossPa, PipeDiameterMinLimitMm,
             PipeDiameterMaxLimitMm, PressureMinInput, PressureMaxInput, OperatingPressure, MaxDpInput,
             MaxDpEntered, withDp ? MaxDpPa : 0.0, MaxFlowInput, MaxFlowSI, MinFlowInput, MinFlowSI,
             FlowNormalDensity, DpUpperLimitInput, DpUpperLimitPa, DpLowerLimitInput, DpLowerLimitPa, StraightLengthM,
             WeightFactor1, WeightFactor2, AdditionalUncertaintyPercent, PlateThicknessMm},
            {ViscosityUnit, MaxPressureLossUnit, PressureUnit, DpUnit, FlowUnit, MinFlowUnit, DpUpperLimitUnit,
             DpLowerLimitUnit, PrimaryElementEntry}};
    // clang-format on
}

TEST_F(InputTransfer, WritingThenReadingEveryPageLeavesTheStateAsItWas) {
    const Page pages[] = {
        {"Strypf", "GAS", "DI", "", "mm"},    {"Strypf", "IGAS", "DP", "", "inches"},
        {"Strypf", "LUF", "OK", "", "mm"},    {"Strypf", "VÄT", "FL", "", "Zoll"},
        {"Strypf", "VAT", "DI", "", "mm"},    {"Ventil", "VÄT", "DI", "VE", "mm"},
        {"Ventil", "GAS", "FL", "RO", "tum"}, {"Termo", "OLJA", "DI", "", "mm"},
        {"Tryckf", "NGAS", "DI", "", "mm"},
    };
    TForm1& f = Form1();
    for (char sep : {',', '.'}) {
        SetDecimalSeparator(sep);
        for (const Page& p : pages) {
            const std::string name = std::string(p.function) + " " + p.medium + " " + p.solve + " " + sep;
            CalcFunction = p.function;
            MediumCode = p.medium;
            SolveFor = p.solve;
            ValveSubtype = p.valve;
            f.dstorkallsort.SetCaption(p.lengthUnit);
            // The valve page shows no pressure range, so the dp field keeps what was typed there.
            const bool valve = CalcFunction == "Ventil";
            f.abstryckmaxtext.SetVisible(!valve);
            SetTypedInputs();
            if (valve) f.difftryckmaxantal.SetText(sep == ',' ? "2,5" : "2.5");
            if (valve) MaxDpInput = MaxDpEntered = 2.5;
            // The oil's viscosities, which its page writes and the transfer only reads.
            f.q40bg.SetText(sep == ',' ? "46,5" : "46.5");
            f.q100bg.SetText("7");
            WriteInputsToForm();
            const Snapshot written = TakeSnapshot(!valve);
            ReadInputsFromForm();
            ExpectSame(TakeSnapshot(!valve), written, name + " read");
            WriteInputsToForm();
            ExpectSame(TakeSnapshot(!valve), written, name + " written again");
        }
    }
}

}  // namespace
}  // namespace tubalyx
