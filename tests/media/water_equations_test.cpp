#include <gtest/gtest.h>

#include <cmath>

#include "media/steam_equations.h"
#include "media/water_equations.h"
#include "numerics/checked.h"

using namespace tubalyx;

namespace {
double Rel(double value, double reference) { return std::fabs(value / reference - 1.0); }
}  // namespace

TEST(WaterDensityPT, WorkedValues) {
    EXPECT_NEAR(WaterDensityPT(100000, 20), 998.32, 0.005);
    EXPECT_NEAR(WaterDensityPT(100000, 4), 1000.02, 0.005);
    EXPECT_NEAR(WaterDensityPT(10000000, 100), 962.8, 0.05);
}

// IAPWS-95 (Wagner and Pruss 2002): 998.21 kg/m3 at 0.1 MPa, 20 degC;
// IF97 962.72 kg/m3 at 10 MPa, 100 degC. Within 0.2 %.
TEST(WaterDensityPT, AgreesWithIf97) {
    EXPECT_LT(Rel(WaterDensityPT(1e5, 20), 998.21), 0.002);
    EXPECT_LT(Rel(WaterDensityPT(1e7, 100), 962.72), 0.002);
}

TEST(WaterEnthalpyPT, WorkedValues) {
    EXPECT_NEAR(WaterEnthalpyPT(100000, 20) / 1000, 83.95, 0.005);
    EXPECT_NEAR(WaterEnthalpyPT(10000000, 100) / 1000, 426.5, 0.05);
    EXPECT_NEAR(WaterEnthalpyPT(10000000, 300) / 1000, 1343.4, 0.05);
    EXPECT_NEAR(WaterEnthalpyPT(20000000, 350) / 1000, 1647.2, 0.05);
    EXPECT_LT(std::fabs(WaterEnthalpyPT(611.2, 0.01)), 1.0);
}

TEST(WaterEquations, PressureAtOrBelowZeroRaises) {
    EXPECT_THROW(WaterDensityPT(0.0, 20), CalcError);
    EXPECT_THROW(WaterEnthalpyPT(-1.0, 20), CalcError);
}

TEST(FillWaterCoefficients, WritesTheWholeSet) {
    WaterCoefficientTable table{};
    FillWaterCoefficients(table);
    EXPECT_EQ(table, WaterCoefficients);
    EXPECT_DOUBLE_EQ(table[0], 6824.687741);       // A0
    EXPECT_DOUBLE_EQ(table[11], 7.982692717);      // A11
    EXPECT_DOUBLE_EQ(table[22], 6.047626338e-14);  // A22
    EXPECT_DOUBLE_EQ(table[23], 0.8438375405);     // a1
    EXPECT_DOUBLE_EQ(table[25], 1.72);             // a3
    EXPECT_DOUBLE_EQ(table[34], 0.204);            // a12
    // The combinations the density formula uses.
    EXPECT_DOUBLE_EQ(2 * table[26], 0.14684556978);
    EXPECT_DOUBLE_EQ(2 * table[27], 0.0995171774);
    EXPECT_NEAR(table[11] * table[27], 0.3972075236236885, 1e-16);
    EXPECT_NEAR(2 * table[18], 4.3480407e-8, 1e-20);
    EXPECT_NEAR(3 * table[19], 3.317131494e-9, 1e-21);
    EXPECT_NEAR(3 * table[21], 3.924357216e-5, 1e-17);
    EXPECT_NEAR(4 * table[22], 2.4190505352e-13, 1e-25);
}

TEST(WaterSaturationPressure, WorkedValues) {
    EXPECT_NEAR(WaterSaturationPressure(100), 101325.26, 0.01);
    EXPECT_NEAR(WaterSaturationPressure(350), 16.535e6, 500);
    // The saturation line K and the boundary line L meet at 350 degC within 25 Pa.
    EXPECT_NEAR(WaterSaturationPressureReduced(350) * 22120000, SteamBoundaryPressureReduced(350) * 22120000, 25);
    EXPECT_NEAR(WaterSaturationPressure(349.999999), WaterSaturationPressure(350), 25);
}

// IAPWS-IF97 saturation line (release R7-97): 101.418 kPa at 100 degC, 1554.67 kPa at
// 200 degC, 2.3393 kPa at 20 degC. Within 0.2 %.
TEST(WaterSaturationPressure, AgreesWithIf97) {
    EXPECT_LT(Rel(WaterSaturationPressure(100), 101418), 0.002);
    EXPECT_LT(Rel(WaterSaturationPressure(200), 1554672), 0.002);
    EXPECT_LT(Rel(WaterSaturationPressure(20), 2339.3), 0.002);
}

TEST(WaterSaturationPressure, BelowThreeHundredFiftyIsTheSaturationLine) {
    for (double t = 0; t < 350; t += 7.3)
        EXPECT_EQ(WaterSaturationPressure(t), 22120000 * WaterSaturationPressureReduced(t)) << t;
}

// From 350 degC to the critical point the saturation line K holds, not the boundary line:
// it ends at the critical pressure and rises without a step.
TEST(WaterSaturationPressure, SaturationLineUpToTheCriticalPoint) {
    EXPECT_NEAR(WaterSaturationPressure(374.15), 22.12e6, 1.0);
    EXPECT_NEAR(WaterSaturationPressure(374.1499999), 22.12e6, 1.0);
    // IF97: 21.044 MPa at 370 degC, 18.666 MPa at 360 degC.
    EXPECT_LT(Rel(WaterSaturationPressure(370), 21.044e6), 0.002);
    EXPECT_LT(Rel(WaterSaturationPressure(360), 18.666e6), 0.002);
    // The boundary line would give only about 19.62 MPa at the critical temperature.
    EXPECT_NEAR(SteamBoundaryPressureReduced(374.15) * 22120000, 19.62e6, 0.01e6);
}

TEST(WaterSaturationPressure, AboveTheCriticalPointNeverFallsAndJoinsTheBoundaryLine) {
    double last = 0;
    for (double t = -10; t <= 600; t += 0.25) {
        const double p = WaterSaturationPressure(t);
        EXPECT_GE(p, last) << t;
        last = p;
    }
    EXPECT_EQ(WaterSaturationPressure(380), 22120000);
    EXPECT_EQ(WaterSaturationPressure(450), 22120000 * SteamBoundaryPressureReduced(450));
    EXPECT_NEAR(WaterSaturationPressure(590), 100e6, 1);
}

TEST(WaterSaturationTemperature, WorkedValues) {
    EXPECT_NEAR(WaterSaturationTemperature(101325), 100.003, 0.0005);
    EXPECT_NEAR(WaterSaturationTemperature(100000), 99.635, 0.0005);
    EXPECT_NEAR(WaterSaturationTemperature(1000000), 179.887, 0.0005);
}

// IAPWS-IF97 saturation line (release R7-97): 6.970 degC at 1 kPa, 99.606 at 0.1 MPa, 179.886 at 1 MPa,
// 311.000 at 10 MPa, 365.746 at 20 MPa, 373.707 at 22 MPa. Within 0.1 K (0.2 K near the
// critical point).
TEST(WaterSaturationTemperature, AgreesWithIf97) {
    EXPECT_NEAR(WaterSaturationTemperature(1000), 6.970, 0.1);
    EXPECT_NEAR(WaterSaturationTemperature(1e5), 99.606, 0.1);
    EXPECT_NEAR(WaterSaturationTemperature(1e6), 179.886, 0.1);
    EXPECT_NEAR(WaterSaturationTemperature(10e6), 311.000, 0.1);
    EXPECT_NEAR(WaterSaturationTemperature(20e6), 365.746, 0.2);
    EXPECT_NEAR(WaterSaturationTemperature(22e6), 373.707, 0.2);
    EXPECT_LT(WaterSaturationTemperature(22e6), 374.15);
}

TEST(WaterSaturationTemperature, InverseOfThePressureFrom1kPaTo22MPa) {
    for (double lp = std::log(1e3); lp <= std::log(22e6); lp += 0.002) {
        const double P = std::exp(lp);
        double t = -999;
        ASSERT_EQ(TryWaterSaturationTemperature(P, t), SaturationTemperatureStatus::Settled) << P;
        ASSERT_LT(Rel(WaterSaturationPressure(t), P), 1e-3) << P << " Pa gave " << t;
    }
    for (double t = 7; t < 374; t += 1.5)
        ASSERT_NEAR(WaterSaturationTemperature(WaterSaturationPressure(t)), t, 0.02) << t;
}

// At these pressures the iterate swings back to within 0.01 K of the one two steps before
// after a step or two, far from the root (about 200 and 237 degC); that is no answer.
TEST(WaterSaturationTemperature, ExactSaturationPressureOfTheStartPoint) {
    // The first iterate's own pressure: the root is the start point, not a 0/0 slope.
    EXPECT_EQ(WaterSaturationTemperature(WaterSaturationPressure(100)), 100.0);
}

TEST(WaterSaturationTemperature, NoFalseStopOnASwingBack) {
    EXPECT_NEAR(WaterSaturationTemperature(531658), 154.17, 0.02);
    EXPECT_NEAR(WaterSaturationTemperature(531900), 154.18, 0.03);
    EXPECT_NEAR(WaterSaturationTemperature(2250710), 218.43, 0.02);
}

TEST(WaterSaturationTemperature, AboveTheCriticalPressureFollowsTheBoundaryLine) {
    EXPECT_NEAR(WaterSaturationTemperature(100e6), 590.0, 1e-6);
    for (double P : {22.2e6, 25e6, 40e6, 80e6}) {
        const double t = WaterSaturationTemperature(P);
        EXPECT_GT(t, 389.0);
        EXPECT_NEAR(SteamBoundaryPressureReduced(t) * 22120000, P, 1e-3) << P;
    }
    EXPECT_NEAR(WaterSaturationTemperature(22.12e6), 374.15, 0.02);
}

TEST(WaterSaturationTemperature, NoPositivePressureIsAClearResult) {
    for (double P : {0.0, -1.0, -101325.0, -1e30}) {
        double t = 42.0;
        EXPECT_EQ(TryWaterSaturationTemperature(P, t), SaturationTemperatureStatus::PressureNotPositive);
        EXPECT_EQ(t, 42.0);
        EXPECT_THROW(WaterSaturationTemperature(P), CalcError);
    }
    double t = 0;
    EXPECT_EQ(TryWaterSaturationTemperature(std::nan(""), t), SaturationTemperatureStatus::PressureNotPositive);
}

TEST(WaterSaturationTemperature, VeryLowPressuresSettle) {
    for (double P : {1e-6, 1e-3, 1.0, 100.0, 600.0}) {
        double t = 0;
        ASSERT_EQ(TryWaterSaturationTemperature(P, t), SaturationTemperatureStatus::Settled) << P;
        EXPECT_LT(Rel(WaterSaturationPressure(t), P), 0.01) << P;
    }
    EXPECT_NEAR(WaterSaturationTemperature(611.2), 0.01, 0.05);
}

TEST(WaterSaturationTemperature, InfinitePressureRaises) {
    EXPECT_THROW(WaterSaturationTemperature(INFINITY), CalcError);
}
