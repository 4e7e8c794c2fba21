#include "media/reference_density.h"

#include <gtest/gtest.h>

#include "../numerics/separator_guard.h"
#include "media/mixture_test_setup.h"
#include "media/water_equations.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "property_tables/air.h"
#include "property_tables/argon.h"
#include "state/composition.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/calculation_window.h"

namespace tubalyx {
namespace {

using namespace mixture_test;

class ReferenceDensity : public ::testing::Test {
protected:
    SeparatorGuard point{'.'};  // the grid texts below are written with a point
    void SetUp() override {
        ClearMixture();
        HumidGasFlag = false;
        HumidityInputKind = "R";
        RelativeHumidity = AbsoluteHumidity = SpecificHumidity = DewTemperatureC = 0.0;
        GivenZ1 = GivenZn = 1.0;
        OperatingPressure = 101325.0;
        OperatingTemperature = 20.0;
        LanguageLetter = 'E';
        SolveFor = "DI";
        PhaseLetter = 'N';
        Form1().maxflownormaldens.SetText("keep");
        // The viscosity mixing weights of a user-defined gas.
        GivenCriticalTemperatureK = 126.2;
        GivenMolarMass = 28.0;
    }
    void TearDown() override {
        ClearMixture();
        MediumCode = "GAS";
        GivenDensity = GivenCriticalTemperatureK = GivenMolarMass = 0.0;
        Form1().maxflowsort.SetText("");
    }
    static std::string Run(const std::string& medium, const std::string& unit) {
        MediumCode = medium;
        Form1().maxflowsort.SetText(unit);
        ApplyFlowUnit();
        return Form1().maxflownormaldens.Text();
    }
    static double Value(const std::string& medium, const std::string& unit) {
        return StrToFloatSafe(Run(medium, unit));
    }
};

TEST_F(ReferenceDensity, MassFlowUnitChangesNothingUnlessFlowIsSolved) {
    EXPECT_EQ(Run("LUF", "kg/h"), "keep");
    SolveFor = "FL";
    EXPECT_NEAR(Value("LUF", "kg/h"), 1.293, 0.002);  // normal state
    EXPECT_EQ(Form1().densnormaltext.Caption(), "Density at standard conditions?(1.01325 Bar,0 C)_(kg/m3) ");
}

TEST_F(ReferenceDensity, AirAtTheNormalAndTheStandardState) {
    // Air: 1.2930 kg/m3 at 0 degC and 101325 Pa.
    EXPECT_NEAR(Value("LUF", "Nm3/h"), 1.293, 0.002);
    EXPECT_EQ(Run("LUF", "Nm3/h").size(), 6u);
    EXPECT_NEAR(Value("LUF", "Nliter/s"), 1.293, 0.002);
    // 60 F: lower by the ideal-gas ratio 273.15 / 288.706.
    EXPECT_NEAR(Value("LUF", "Standard_m3/h"), 1.293 * 273.15 / 288.706, 0.002);
    EXPECT_NEAR(Value("LUF", "MMSCFD"), AirDensityPT(101325.0, 15.555555555555555), 1e-4);
    EXPECT_EQ(Form1().densnormaltext.Caption(), "Density at standard P,T?_(1.01325 BarG,60 F)_____(kg/m3) ");
}

TEST_F(ReferenceDensity, WaterIsAlwaysAtZeroDegrees) {
    const std::string expected = Utf8Left(FormatGeneral(WaterDensityPT(101325.0, 0.0)), 6);
    for (const char* medium : {"VAT", "ANG", "MNG"}) EXPECT_EQ(Run(medium, "Standard_m3/h"), expected) << medium;
    EXPECT_NEAR(StrToFloatSafe(expected), 999.8, 0.1);
}

TEST_F(ReferenceDensity, GivenGasFromItsOperatingDensity) {
    for (char sep : {',', '.'}) {
        SeparatorGuard guard(sep);
        GivenDensity = 1.2;
        OperatingPressure = 200000.0;
        OperatingTemperature = 20.0;
        // 1.2 * 101325 / 200000 * 293.15 / 273.15 = 0.65246...
        EXPECT_EQ(Run("GAS", "Nm3/h"), OnPlatform("0,6524", sep));
    }
}

TEST_F(ReferenceDensity, IdealGasGivenAtTheNormalState) {
    GivenDensity = 1.25;
    EXPECT_NEAR(Value("IGAS", "Nm3/h"), 1.25, 1e-4);
    EXPECT_NEAR(Value("IGAS", "Standard_m3/s"), 1.25 * 273.15 / (273.15 + 15.555555555555555), 1e-4);
}

TEST_F(ReferenceDensity, LiquidGivenDensityUnchanged) {
    GivenDensity = 870.0;
    EXPECT_EQ(Run("VÄT", "Nm3/h"), "870");
}

TEST_F(ReferenceDensity, EmptyMixtureGivesZero) {
    EXPECT_EQ(Run("G", "Nm3/h"), "0");
    EXPECT_EQ(Run("NGAS", "Standard_m3/h"), "0");
}

TEST_F(ReferenceDensity, MixtureOfOneGasIsThatGas) {
    MixtureComponentKeyword[2] = "AR";
    for (int col = 2; col <= 5; ++col) Form1().ViktVolprocgridfukt.SetCell(col, 2, "100");
    SumMixtureColumns();
    // Argon at 0 degC and 101325 Pa: 1.784 kg/m3.
    EXPECT_NEAR(Value("G", "Nm3/h"), 1.784, 0.003);
}

// Saturated air at 30 degC: at 0 degC the vapour cannot stay, so the reference pressure
// drops only by the saturation pressure at 0 degC, and the moisture counts as liquid.
TEST_F(ReferenceDensity, SaturatedHumidAirCountsItsMoistureAsWater) {
    HumidGasFlag = true;
    RelativeHumidity = 100.0;
    OperatingTemperature = 30.0;
    const double pv = WaterSaturationPressure(30.0);
    const double h = 1000 * 0.622 * pv / (101325.0 - pv);  // g/kg, about 27
    const double rho = AirDensityPT(101325.0 - WaterSaturationPressure(0.0), 0.0);
    const double rhoW = WaterDensityPT(101325.0, 0.0);
    EXPECT_NEAR(Value("LUF", "Nm3/h"), rho * (1 + 0.001 * h) / (1 + 0.001 * h * rho / rhoW), 0.002);
}

// A mixture keeps the full reference pressure: its vapour is a component of the composition.
TEST_F(ReferenceDensity, HumidMixtureKeepsTheFullReferencePressure) {
    MixtureComponentKeyword[2] = "AR";
    for (int col = 2; col <= 5; ++col) Form1().ViktVolprocgridfukt.SetCell(col, 2, "100");
    SumMixtureColumns();
    HumidGasFlag = true;
    RelativeHumidity = 100.0;
    OperatingTemperature = 30.0;
    EXPECT_NEAR(Value("G", "Nm3/h"), ArgonDensityPT(101325.0, 0.0), 2e-4);
}

}  // namespace
}  // namespace tubalyx
