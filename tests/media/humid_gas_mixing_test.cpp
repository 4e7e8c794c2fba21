#include <gtest/gtest.h>

#include <cmath>

#include "media/humid_gas_mixing.h"
#include "media/steam_equations.h"
#include "media/water_equations.h"
#include "media/water_viscosity.h"
#include "numerics/checked.h"
#include "property_tables/air.h"

using namespace tubalyx;

namespace {

// The humid-air mixing takes dry air from the air tables.
class HumidAir : public ::testing::Test {};

struct Result {
    double density = 0, dry = 0, vapour = 0, viscosity = 0, kappa = 0, cp = 0, cv = 0;
};

Result Air(double P, double t, double ts, double rh) {
    Result r;
    HumidAirPropertiesPT(r.density, r.dry, r.vapour, P, t, ts, rh, r.viscosity, r.kappa, r.cp, r.cv);
    return r;
}

Result Gas(double P, double t, double rh, double rho, double mu, double cp, double cv, double kappa, double w) {
    Result r;
    SteamPropertySet(r.density, r.dry, r.vapour, P, t, t, rh, rho, mu, cp, cv, kappa, w, w, r.viscosity, r.kappa, r.cp,
                     r.cv);
    return r;
}

}  // namespace

TEST(VapourPartialPressure, SaturationPressureOrTotalPressureTimesHumidity) {
    EXPECT_DOUBLE_EQ(VapourPartialPressure(101325, 20, 50), WaterSaturationPressure(20) * 0.5);
    // Above the boiling point at this pressure the vapour can hold at most the total pressure.
    EXPECT_DOUBLE_EQ(VapourPartialPressure(101325, 120, 40), 101325 * 0.4);
}

TEST_F(HumidAir, DryAirUnchangedAtZeroHumidity) {
    const Result r = Air(101325, 20, 20, 0);
    EXPECT_EQ(r.vapour, 0.0);
    EXPECT_EQ(r.dry, AirDensityPT(101325, 20));
    EXPECT_EQ(r.density, r.dry);
    EXPECT_DOUBLE_EQ(r.viscosity, AirViscosityPT(101325, 20));
    EXPECT_DOUBLE_EQ(r.cp, AirCpPT(101325, 20));
    EXPECT_DOUBLE_EQ(r.kappa, 1.4);
    // Published dry air at 101325 Pa, 20 degC: 1.204 kg/m3, 18.2e-6 Pa s, 1006 J/(kg K).
    EXPECT_NEAR(r.density, 1.204, 0.003);
    EXPECT_NEAR(r.viscosity, 18.2e-6, 0.3e-6);
    EXPECT_NEAR(r.cp, 1006.0, 5.0);
}

TEST_F(HumidAir, VapourAloneWhenTheVapourTakesTheWholePressure) {
    const double P = WaterSaturationPressure(60);
    const Result r = Air(P, 60, 60, 100);
    EXPECT_EQ(r.dry, 0.0);
    EXPECT_DOUBLE_EQ(r.vapour, SteamDensityPT(P, 60));
    EXPECT_DOUBLE_EQ(r.viscosity, WaterSteamViscosity(60, r.vapour));
    EXPECT_DOUBLE_EQ(r.cp, SteamCpPT(P, 60));
    EXPECT_DOUBLE_EQ(r.cv, SteamCvPT(P, 60));
}

// Humid air at 101325 Pa, 20 degC, 50 % RH. Dalton's rule with ideal gases: the vapour
// displaces dry air, so the mixture is lighter by pv (M_air - M_water)/(R T). With the IF97
// saturation pressure 2339.3 Pa, pv = 1169.6 Pa and the difference is 5.25e-3 kg/m3.
TEST_F(HumidAir, HumidAirIsLighterByTheMixingRule) {
    const double P = 101325, t = 20;
    const Result humid = Air(P, t, t, 50);
    const double dry = AirDensityPT(P, t);
    const double pv = WaterSaturationPressure(t) * 0.5;
    EXPECT_NEAR(pv, 1169.6, 2.0);
    EXPECT_NEAR(humid.dry, AirDensityPT(P - pv, t), 1e-12);
    const double expected = pv * (28.963e-3 - 18.01528e-3) / (8.314462618 * (t + 273.15));
    EXPECT_NEAR(dry - humid.density, expected, 0.01 * expected);
    EXPECT_NEAR(dry - humid.density, 5.25e-3, 0.05e-3);
    // The vapour part is the absolute humidity: about 8.65 g/m3 at 20 degC, 50 %.
    EXPECT_NEAR(humid.vapour * 1000, 8.65, 0.05);
    // Mass-weighted heat capacities lie between those of the parts.
    EXPECT_GT(humid.cp, AirCpPT(P - pv, t));
    EXPECT_LT(humid.cp, SteamCpPT(pv, t));
    EXPECT_NEAR(humid.kappa, humid.cp / humid.cv, 1e-15);
}

TEST_F(HumidAir, ViscosityByTheWeightedMixingRule) {
    const Result r = Air(101325, 20, 20, 50);
    const double pv = WaterSaturationPressure(20) * 0.5, pg = 101325 - pv;
    const double muV = WaterSteamViscosity(20, SteamDensityPT(pv, 20));
    const double muA = AirViscosityPT(pg, 20);
    // The mixing weights of air (61.9) and steam (107.9) of the medium identification.
    EXPECT_NEAR(r.viscosity, (61.9 * muA * pg + 107.9 * muV * pv) / (61.9 * pg + 107.9 * pv), 1e-15);
    EXPECT_LT(r.viscosity, muA);  // vapour is less viscous than air
}

// No pressure leaves neither dry air nor vapour: the mixing rule raises instead of giving NaN.
TEST_F(HumidAir, NoPressureRaises) {
    double a, b, c, d, e, f, g;
    EXPECT_THROW(HumidAirPropertiesPT(a, b, c, 0, 20, 20, 50, d, e, f, g), CalcError);
}

TEST(SteamPropertySet, DryGasAtVanishingHumidity) {
    for (double rh : {0.0, 1e-8, 1e-7}) {
        const Result r = Gas(500000, 50, rh, 5.2, 17.5e-6, 1040, 743, 1.4, 59.481);
        EXPECT_EQ(r.vapour, 0.0);
        EXPECT_EQ(r.cp, 1040.0);
        EXPECT_EQ(r.cv, 743.0);
        EXPECT_EQ(r.kappa, 1.4);
        // The vapour's tiny partial pressure still carries its weight in the viscosity rule.
        EXPECT_NEAR(r.viscosity, 17.5e-6, 1e-9 * 17.5e-6);
        EXPECT_NEAR(r.density, 5.2, 1e-9);
    }
}

// The vapour part of humid air starts above 1e-6 Pa of vapour pressure, that of other gases
// above 1e-7 % relative humidity.
TEST(HumidGasThresholds, VapourPressureForAirRelativeHumidityForOtherGases) {
    const double psat = WaterSaturationPressure(20);
    const double rhAtLimit = 1e-6 / psat * 100;  // pv = 1e-6 Pa
    EXPECT_EQ(Air(101325, 20, 20, 0.5 * rhAtLimit).vapour, 0.0);
    EXPECT_GT(Air(101325, 20, 20, 2.0 * rhAtLimit).vapour, 0.0);
    // At -50 degC, 2e-7 % is far below 1e-6 Pa of vapour, yet the other gases count it.
    ASSERT_LT(WaterSaturationPressure(-50) * 2e-9, 1e-6);
    EXPECT_EQ(Air(101325, -50, -50, 2e-7).vapour, 0.0);
    const Result r = Gas(101325, -50, 2e-7, 1.6, 14e-6, 1040, 743, 1.4, 59.481);
    EXPECT_GT(r.vapour, 0.0);
    EXPECT_NE(r.cp, 1040.0);
    EXPECT_NEAR(r.cp, 1040.0, 1e-6);
}

// Humid nitrogen at 0.5 MPa, 50 degC, 80 % RH: the dry part scales with its partial
// pressure, the heat capacities are weighted by partial pressure.
TEST(SteamPropertySet, HumidGas) {
    const double P = 500000, t = 50;
    const double rhoN2 = P * 28.0134e-3 / (8.314462618 * (t + 273.15));
    const Result r = Gas(P, t, 80, rhoN2, 18.8e-6, 1041, 744, 1.4, 59.481);
    const double pv = WaterSaturationPressure(t) * 0.8, pg = P - pv;
    EXPECT_NEAR(r.dry, rhoN2 * pg / P, 1e-12);
    EXPECT_DOUBLE_EQ(r.vapour, SteamDensityPT(pv, t));
    EXPECT_NEAR(r.density, r.dry + r.vapour, 1e-15);
    const double cp = (pv * SteamCpPT(pv, t) + pg * 1041) / P;
    EXPECT_NEAR(r.cp, cp, 1e-9);
    EXPECT_NEAR(r.kappa, r.cp / r.cv, 1e-15);
    EXPECT_GT(r.cp, 1041);
    EXPECT_LT(r.viscosity, 18.8e-6);
    EXPECT_GT(r.viscosity, WaterSteamViscosity(t, r.vapour));
}

TEST(SteamPropertySet, AmmoniaWeightsAndSaturatedVapourAlone) {
    const double P = WaterSaturationPressure(80);
    const Result r = Gas(P, 80, 100, 0.3, 12e-6, 2200, 1700, 1.29, 83.113);
    EXPECT_EQ(r.dry, 0.0);
    EXPECT_DOUBLE_EQ(r.viscosity, WaterSteamViscosity(80, SteamDensityPT(P, 80)));
    EXPECT_NEAR(r.cp, SteamCpPT(P, 80), 1e-9);
}

TEST(SteamPropertySet, NoPressureRaises) { EXPECT_THROW(Gas(0, 20, 50, 1.2, 18e-6, 1000, 700, 1.4, 61.9), CalcError); }
