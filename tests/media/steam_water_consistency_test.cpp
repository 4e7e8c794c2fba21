// The liquid, the vapour and the saturation line are three separate fits of the 1967
// formulation; thermodynamics ties them together. These checks catch a wrong coefficient in
// any of the three that the handful of worked values would let through.
#include <gtest/gtest.h>

#include <cmath>

#include "media/steam_equations.h"
#include "media/water_equations.h"

using namespace tubalyx;

namespace {

double Rel(double value, double reference) { return std::fabs(value / reference - 1.0); }

// Clausius-Clapeyron: dPs/dT = (h'' - h') / (T (v'' - v')). The left side comes from the
// saturation line alone, the right side from the liquid and vapour equations alone.
double ClapeyronMismatch(double t) {
    const double T = t + 273.15;
    const double step = 1e-4;
    const double P = WaterSaturationPressure(t);
    const double slope = (WaterSaturationPressure(t + step) - WaterSaturationPressure(t - step)) / (2 * step);
    const double latent = SteamEnthalpyPT(P, t) - WaterEnthalpyPT(P, t);
    const double volumeJump = 1.0 / SteamDensityPT(P, t) - 1.0 / WaterDensityPT(P, t);
    return latent / (T * volumeJump) / slope - 1.0;
}

}  // namespace

// The 1967 equations were fitted to agree with each other to about 0.1 % along the line,
// growing towards the critical point.
TEST(SteamWaterConsistency, ClapeyronHoldsAlongTheSaturationLine) {
    for (double t = 1; t <= 260; t += 5) EXPECT_LT(std::fabs(ClapeyronMismatch(t)), 1e-3) << t << " degC";
    for (double t = 265; t <= 341; t += 4) EXPECT_LT(std::fabs(ClapeyronMismatch(t)), 5e-3) << t << " degC";
}

// Saturated liquid and vapour against the IAPWS-95 saturation table (Wagner and Pruss 2002):
// 100 degC: 958.35 / 0.59817 kg/m3, 419.17 / 2675.57 kJ/kg; 200 degC: 864.66 / 7.8610,
// 852.27 / 2792.01; 300 degC: 712.14 / 46.168, 1344.77 / 2749.57. The 1967 and 1995 zero
// points agree (liquid at the triple point), so enthalpies compare directly.
TEST(SteamWaterConsistency, SaturatedStatesAgreeWithIapws95) {
    struct Row {
        double t, liquid, vapour, hLiquid, hVapour;
    };
    const Row rows[] = {{100, 958.35, 0.59817, 419.17, 2675.57},
                        {200, 864.66, 7.8610, 852.27, 2792.01},
                        {300, 712.14, 46.168, 1344.77, 2749.57}};
    for (const Row& r : rows) {
        const double P = WaterSaturationPressure(r.t);
        EXPECT_LT(Rel(WaterDensityPT(P, r.t), r.liquid), 0.001) << r.t;
        EXPECT_LT(Rel(SteamDensityPT(P, r.t), r.vapour), 0.001) << r.t;
        EXPECT_NEAR(WaterEnthalpyPT(P, r.t) / 1000, r.hLiquid, 0.5) << r.t;
        EXPECT_LT(Rel(SteamEnthalpyPT(P, r.t) / 1000, r.hVapour), 0.001) << r.t;
    }
}

// The verification states of IAPWS-IF97 (release R7-97, tables 5 and 15), far from the
// worked values: a vapour close to the upper boundary of its region, a vapour at a few kPa,
// and a liquid compressed to 80 MPa.
TEST(SteamWaterConsistency, AgreesWithTheIf97VerificationStates) {
    // Vapour, T = 700 K, p = 30 MPa: v = 0.00542946619 m3/kg, h = 2631.49474 kJ/kg. Close to
    // the boundary line the two formulations part most: within 0.3 % and 0.4 %.
    EXPECT_LT(Rel(SteamDensityPT(30e6, 426.85), 1 / 0.00542946619), 0.003);
    EXPECT_LT(Rel(SteamEnthalpyPT(30e6, 426.85) / 1000, 2631.49474), 0.004);
    // Vapour at 3.5 kPa: 300 K, v = 39.4913866, h = 2549.91145; 700 K, v = 92.3015898,
    // h = 3335.68375.
    EXPECT_LT(Rel(SteamDensityPT(3500, 26.85), 1 / 39.4913866), 0.001);
    EXPECT_NEAR(SteamEnthalpyPT(3500, 26.85) / 1000, 2549.91145, 1.5);
    EXPECT_LT(Rel(SteamDensityPT(3500, 426.85), 1 / 92.3015898), 0.001);
    EXPECT_NEAR(SteamEnthalpyPT(3500, 426.85) / 1000, 3335.68375, 1.5);
    // Liquid: 300 K and 3 MPa, v = 0.00100215168, h = 115.331273; 300 K and 80 MPa,
    // v = 0.000971180894, h = 184.142828; 500 K and 3 MPa, v = 0.00120241800, h = 975.542239.
    struct Liquid {
        double P, t, v, h;
    };
    const Liquid states[] = {{3e6, 26.85, 0.00100215168, 115.331273},
                             {80e6, 26.85, 0.000971180894, 184.142828},
                             {3e6, 226.85, 0.00120241800, 975.542239}};
    for (const Liquid& s : states) {
        EXPECT_LT(Rel(WaterDensityPT(s.P, s.t), 1 / s.v), 0.0005) << s.P << " Pa " << s.t;
        EXPECT_NEAR(WaterEnthalpyPT(s.P, s.t) / 1000, s.h, 0.3) << s.P << " Pa " << s.t;
    }
}

// The states of the IF97 backward equations T(p, h) (release R7-97, table 24) reach 60 MPa,
// where the high-order vapour terms carry most weight: at the tabulated temperature the
// enthalpy must come back within 0.3 %.
TEST(SteamWaterConsistency, HighPressureVapourAgreesWithIf97) {
    struct State {
        double P, h, T;
    };
    const State states[] = {{0.001e6, 3000, 534.433241}, {3e6, 3000, 575.373370},  {3e6, 4000, 1010.77482},
                            {5e6, 3500, 801.299102},     {5e6, 4000, 1015.31583},  {25e6, 3500, 875.279054},
                            {40e6, 2700, 743.056411},    {60e6, 2700, 791.137067}, {60e6, 3200, 882.756860}};
    for (const State& s : states)
        EXPECT_LT(Rel(SteamEnthalpyPT(s.P, s.T - 273.15) / 1000, s.h), 0.003) << s.P << " Pa " << s.T << " K";
}

// The states of the IF97 backward equations T(p, s) (release R7-97, table 29), up to 90 MPa;
// s = (h - g)/T, both formulations putting s = 0 at the liquid triple point. Within 0.25 %.
TEST(SteamWaterConsistency, HighPressureVapourEntropyAgreesWithIf97) {
    struct State {
        double P, s, T;
    };
    const State states[] = {{0.1e6, 7.5, 399.517097}, {0.1e6, 8.0, 514.127081}, {2.5e6, 8.0, 1039.84917},
                            {8e6, 6.0, 600.484040},   {8e6, 7.5, 1064.95556},   {90e6, 6.0, 1038.01126},
                            {20e6, 5.75, 697.992849}, {80e6, 5.25, 854.011484}, {80e6, 5.75, 949.017998}};
    for (const State& st : states) {
        const double t = st.T - 273.15;
        const double s = (SteamEnthalpyPT(st.P, t) - SteamGibbsEnergyPT(st.P, t)) / st.T / 1000;
        EXPECT_LT(Rel(s, st.s), 0.0025) << st.P << " Pa " << st.T << " K";
    }
}

// The density formulas are the pressure derivatives of the Gibbs function, written out
// separately: the two must agree wherever the vapour equation is used.
TEST(SteamWaterConsistency, VapourDensityIsThePressureDerivativeOfTheGibbsEnergy) {
    for (double t : {50.0, 150.0, 250.0, 400.0, 550.0}) {
        const double top = 0.9 * (t < 350 ? WaterSaturationPressure(t) : 22.12e6 * SteamBoundaryPressureReduced(t));
        for (double P : {0.01 * top, 0.3 * top, top}) {
            const double h = 1e-5 * P;
            const double v = (SteamGibbsEnergyPT(P + h, t) - SteamGibbsEnergyPT(P - h, t)) / (2 * h);
            EXPECT_LT(Rel(1 / v, SteamDensityPT(P, t)), 1e-6) << P << " Pa " << t;
        }
    }
}

// h = g - T dg/dT makes dh/dp = v - T dv/dT at constant temperature; the liquid enthalpy and
// density are written out as separate formulas.
TEST(SteamWaterConsistency, LiquidEnthalpyAndDensityAreOneGibbsFunction) {
    for (double t : {5.0, 60.0, 150.0, 250.0, 330.0}) {
        for (double P : {2e7, 5e7, 1e8}) {
            const double dP = 1e-3 * P, dT = 0.01;
            const double dhdP = (WaterEnthalpyPT(P + dP, t) - WaterEnthalpyPT(P - dP, t)) / (2 * dP);
            const double v = 1 / WaterDensityPT(P, t);
            const double dvdT = (1 / WaterDensityPT(P, t + dT) - 1 / WaterDensityPT(P, t - dT)) / (2 * dT);
            const double expected = v - (t + 273.15) * dvdT;
            EXPECT_LT(std::fabs(dhdP / expected - 1.0), 1e-4) << P << " Pa " << t;
        }
    }
}
