#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "media/steam_equations.h"
#include "numerics/checked.h"

using namespace tubalyx;

namespace {
double Rel(double value, double reference) { return std::fabs(value / reference - 1.0); }
}  // namespace

// The worked values of the 1967 formulation at three superheated states.
TEST(SteamDensityPT, WorkedValues) {
    EXPECT_NEAR(SteamDensityPT(100000, 150), 0.5165, 0.00005);
    EXPECT_NEAR(SteamDensityPT(1000000, 200), 4.856, 0.0005);
    EXPECT_NEAR(SteamDensityPT(10000000, 400), 37.87, 0.005);
}

// IAPWS-IF97 region 2 (the IF97 steam tables, Wagner and Kruse 1998):
// 4.8543 kg/m3 at 1 MPa, 200 degC; 0.51634 kg/m3 at 0.1 MPa, 150 degC; 37.822 kg/m3 at
// 10 MPa, 400 degC. The 1967 formulation agrees within 0.2 %.
TEST(SteamDensityPT, AgreesWithIf97) {
    EXPECT_LT(Rel(SteamDensityPT(1e6, 200), 4.8543), 0.002);
    EXPECT_LT(Rel(SteamDensityPT(1e5, 150), 0.51634), 0.002);
    EXPECT_LT(Rel(SteamDensityPT(1e7, 400), 37.822), 0.002);
}

TEST(SteamDensityPT, ApproachesIdealGasAtLowPressure) {
    // R / M of water, 8.314462618 / 18.01528e-3 J/(kg K).
    const double ideal = 10.0 / (461.5228 * 373.15);
    EXPECT_LT(Rel(SteamDensityPT(10.0, 100), ideal), 1e-4);
}

TEST(SteamBoundaryPressureReduced, EndsOfTheLine) {
    EXPECT_NEAR(SteamBoundaryPressureReduced(350) * 22120000, 16.535e6, 500);
    EXPECT_NEAR(SteamBoundaryPressureReduced(590) * 22120000, 100e6, 1);
}

// The line is the published quadratic beta_L = L0 + L1 theta + L2 theta^2 of the 1967
// formulation (L0 = 15.74373327, L1 = -34.17061978, L2 = 19.31380707), inside its two
// anchor temperatures and beyond them.
TEST(SteamBoundaryPressureReduced, IsThePublishedQuadratic) {
    for (double t : {300.0, 350.0, 374.15, 450.0, 590.0, 800.0}) {
        const double theta = (t + 273.15) / 647.3;
        const double published = 15.74373327 - 34.17061978 * theta + 19.31380707 * theta * theta;
        EXPECT_LT(std::fabs(SteamBoundaryPressureReduced(t) / published - 1.0), 1e-14) << t << " degC";
    }
}

TEST(SteamEnthalpyPT, WorkedValues) {
    EXPECT_NEAR(SteamEnthalpyPT(100000, 150) / 1000, 2776.4, 0.05);
    EXPECT_NEAR(SteamEnthalpyPT(1000000, 200) / 1000, 2826.9, 0.05);
    EXPECT_NEAR(SteamEnthalpyPT(10000000, 400) / 1000, 3100.1, 0.05);
}

// Enthalpy differences are independent of the zero point: IF97 gives 2828.27 - 2776.59 kJ/kg
// between the two states (IF97 steam tables); within 2 kJ/kg.
TEST(SteamEnthalpyPT, DifferenceAgreesWithIf97) {
    const double dh = (SteamEnthalpyPT(1e6, 200) - SteamEnthalpyPT(1e5, 150)) / 1000;
    EXPECT_NEAR(dh, 2828.27 - 2776.59, 2.0);
}

TEST(SteamEnthalpyPT, ZeroAtAndBelowTheGuardPressure) {
    for (double t : {-20.0, 0.0, 150.0, 600.0}) {
        EXPECT_EQ(SteamEnthalpyPT(0.0, t), 0.0);
        EXPECT_EQ(SteamEnthalpyPT(1e-10, t), 0.0);
        EXPECT_EQ(SteamEnthalpyPT(-5.0, t), 0.0);
    }
    EXPECT_GT(SteamEnthalpyPT(1e-9, 150), 0.0);
}

TEST(SteamHeatCapacities, WorkedValues) {
    EXPECT_NEAR(SteamCpPT(100000, 150), 1986, 0.5);
    EXPECT_NEAR(SteamCvPT(100000, 150), 1497, 0.5);
    EXPECT_NEAR(SteamCpPT(1000000, 200), 2446, 0.5);
    EXPECT_NEAR(SteamCpPT(10000000, 400), 3086, 0.5);
}

// IF97 steam tables: cp 1985.7 and cv 1496.9 J/(kg K) at 0.1 MPa, 150 degC.
TEST(SteamHeatCapacities, AgreeWithIf97) {
    EXPECT_LT(Rel(SteamCpPT(1e5, 150), 1985.7), 0.01);
    EXPECT_LT(Rel(SteamCvPT(1e5, 150), 1496.9), 0.01);
}

TEST(SteamKappaPT, WorkedValues) {
    struct Case {
        double P, t, kappa;
    };
    for (const Case& c : {Case{100000, 150, 1.316}, Case{1000000, 200, 1.298}, Case{10000000, 400, 1.277}}) {
        double cp = 0, cv = 0;
        const double kappa = SteamKappaPT("ANG", cp, cv, c.P, c.t, SteamDensityPT(c.P, c.t));
        EXPECT_NEAR(kappa, c.kappa, 0.0005) << c.P << " Pa " << c.t << " degC";
        EXPECT_DOUBLE_EQ(cp, SteamCpPT(c.P, c.t));
        EXPECT_DOUBLE_EQ(cv, SteamCvPT(c.P, c.t));
    }
    double cp = 0, cv = 0;
    EXPECT_NEAR(SteamKappaPT("MNG", cp, cv, 1e5, 150, SteamDensityPT(1e5, 150)), 1.316, 0.0005);
}

TEST(SteamKappaPT, OtherMediaGiveZero) {
    double cp = 7, cv = 7;
    EXPECT_EQ(SteamKappaPT("LUF", cp, cv, 1e5, 150, 0.5), 0.0);
    EXPECT_EQ(cp, 0.0);
    EXPECT_EQ(cv, 0.0);
    cp = cv = 7;
    EXPECT_EQ(SteamKappaPT("ang", cp, cv, 1e5, 150, 0.5), 0.0);
    EXPECT_EQ(cp, 0.0);
}

TEST(SteamKappaPT, HeatCapacitiesAtRaisedStateButPressureDifferenceAtRequestedState) {
    double cp = 0, cv = 0;
    const double rho = SteamDensityPT(50, -5);
    const double kappa = SteamKappaPT("ANG", cp, cv, 50, -5, rho);
    EXPECT_DOUBLE_EQ(cp, SteamCpPT(110, 0.12));
    EXPECT_DOUBLE_EQ(cv, SteamCvPT(110, 0.12));
    const double dvdP = (1.0 / rho - 1.0 / SteamDensityPT(49.9, -5)) / 0.1;
    EXPECT_DOUBLE_EQ(kappa, -(cp / cv) / (rho * 50 * dvdP));
    // Near the ideal gas, -v/P dP/dv is close to 1, so kappa is close to cp/cv.
    EXPECT_NEAR(kappa, cp / cv, 0.01);
}

TEST(SteamEquations, PressureAtOrBelowZeroRaises) {
    EXPECT_THROW(SteamDensityPT(0.0, 150), CalcError);
    EXPECT_THROW(SteamDensityPT(-1.0, 150), CalcError);
    EXPECT_THROW(SteamGibbsEnergyPT(0.0, 150), CalcError);
    EXPECT_THROW(SteamCpPT(0.0, 150), CalcError);
    EXPECT_THROW(SteamCvPT(-100.0, 150), CalcError);
    double cp, cv;
    EXPECT_THROW(SteamKappaPT("ANG", cp, cv, 0.05, 150, 1e-6), CalcError);
}

TEST(SteamEquations, AbsoluteZeroRaises) {
    EXPECT_THROW(SteamGibbsEnergyPT(1e5, -273.15), CalcError);
    EXPECT_THROW(SteamEnthalpyPT(1e5, -273.15), CalcError);
}

TEST(ComputeReducedState, ReducedVariables) {
    double theta, beta, i1, x;
    ComputeReducedState(theta, beta, i1, 11060000, 374.15, x);
    EXPECT_NEAR(theta, 1.0, 1e-15);
    EXPECT_DOUBLE_EQ(beta, 0.5);
    EXPECT_DOUBLE_EQ(i1, 4.260321148);
    EXPECT_NEAR(x, 1.0, 1e-14);
}

TEST(SteamCoefficients, OrderOfTheTable) {
    const auto& c = SteamCoefficients;
    ASSERT_EQ(c.size(), 58u);
    EXPECT_DOUBLE_EQ(c[0], 16.83599274);
    EXPECT_DOUBLE_EQ(c[5], 0.08565182058);
    const double z[18] = {13, 3, 18, 2, 1, 18, 10, 25, 14, 32, 28, 24, 12, 11, 24, 18, 24, 14};
    for (int i = 0; i < 18; ++i) EXPECT_EQ(c[31 + i], z[i]);
    EXPECT_EQ(c[49], 14);
    EXPECT_EQ(c[52], 27);
    EXPECT_DOUBLE_EQ(c[53], 0.7633333333);
    EXPECT_DOUBLE_EQ(c[54], 0.4006073948);
    EXPECT_DOUBLE_EQ(c[57], 0.3460208861);
}

// The sets the equations take from the temperature alone are kept for the last temperatures
// asked: whatever the order of the asks, each answer is the same to the bit.
TEST(SteamEquations, AnswerAlikeInEveryOrderOfTemperatures) {
    const double temperatures[] = {20, 20.1, 150, 20, 150.1, 150, 20.1, 400, 20};
    struct Answer {
        double density, enthalpy, cp, cv;
        bool operator==(const Answer&) const = default;
    };
    auto at = [](double t) {
        const double P = 1e5 + 1000 * t;
        return Answer{SteamDensityPT(P, t), SteamEnthalpyPT(P, t), SteamCpPT(P, t), SteamCvPT(P, t)};
    };
    std::vector<Answer> forward, backward;
    for (const double t : temperatures) forward.push_back(at(t));
    for (auto t = std::rbegin(temperatures); t != std::rend(temperatures); ++t) backward.push_back(at(*t));
    std::reverse(backward.begin(), backward.end());
    EXPECT_EQ(forward, backward);
}
