// The budget against the first-order sensitivities of ISO 5167-1 for an orifice, its
// propagation (nothing from an exact input, twice the share from twice the uncertainty), the
// combination rule, the "% of maximal flow" base and the edge cases of a run.
#include "reports/uncertainty/uncertainty_calculation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "budget_support.h"
#include "flow/discharge_coefficient.h"
#include "flow/flow_iterations.h"
#include "state/composition.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "state/uncertainty_state.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

using S = UncertaintySource;

// An orifice with corner tappings, beta 0.5 (d 50 mm in D 100 mm), in water at 5 bar, 20 C,
// 10 kg/s at most; the state set directly, every input uncertainty 0.
void BetaHalfOrifice() {
    CalcFunction = "Strypf", DeviceCode = "S", DeviceVariantCode = "R", StandardLetter = '3';
    SolveFor = "DP", MediumCode = "VAT", PhaseLetter = 'V', LanguageLetter = 'E';
    FlowDensity = DryGasDensity = 998.2, DynamicViscosityPas = 1.002e-3, KappaOperating = 1.3;
    OperatingPressure = 5e5, OperatingTemperature = 20.0;
    PipeDiameter = 0.1, BoreDiameter = 0.05;
    MaxMassFlow = 10.0, NormalMassFlow = 6.7;
    DiffPressureFromFlow("VAT", "S", "R", "3", 5e5, MaxMassFlow, 0.05, 0.1, 998.2, 1.002e-3, 1.3, 1.0, MaxDpPa);
    UncertaintyInputs = {};
    UncertaintyPercentBase = "A";
}

UncertaintyRunResult RunBudget(double lowest = 1.0) {
    double low = lowest;
    return RunUncertaintyCalculation(UncertaintyRunInputFromState(), low);
}

// One source's input, by the row it stands in.
struct SourceCase {
    const char* name;
    S source;
    double UncertaintyInputSet::*input;
    double u;
};

// ISO 5167-1's sensitivity coefficients of the mass flow: d 2/(1 - b^4), D -2b^4/(1 - b^4), dp 1/2
// and density 1/2, times the relative uncertainty of the input in %. The coefficient there
// carries its own uncertainty; the budget changes the pipe with C along, so for D the change
// of C by the Reader-Harris/Gallagher equation (corner tappings) at the new beta and Reynolds
// number is added to the first-order term.
TEST(UncertaintyCalculation, OrificeSensitivitiesAgreeWithIso5167FirstOrderOnesWithinTenPercent) {
    BetaHalfOrifice();
    const double beta = 0.5, beta4 = 0.0625;
    auto pipeTerm = [&](int k) {
        const double q = 1.0 + k, pipe = 0.1, wider = 0.1005;
        const double re = 4.0 * q / (M_PI * pipe * 1.002e-3), reWider = re * pipe / wider;
        const double c = OrificeDischargeCoefficient(beta, re, 0.0, 0.0);
        const double cWider = OrificeDischargeCoefficient(0.05 / wider, reWider, 0.0, 0.0);
        return -2.0 * beta4 / (1.0 - beta4) * 0.5 + 100.0 * (cWider / c - 1.0);
    };
    const struct {
        SourceCase c;
        double firstOrder;
    } cases[] = {
        {{"throat diameter", S::ThroatDiameter, &UncertaintyInputSet::ThroatDiameterUncertaintyMm, 0.05},
         2.0 / (1.0 - beta4) * 0.1},
        {{"pipe diameter", S::TubeDiameter, &UncertaintyInputSet::PipeDiameterUncertaintyMm, 0.5}, 0.0},
        {{"dp of actual", S::Actual, &UncertaintyInputSet::MeterActualUncertainty, 0.2}, 0.5 * 0.2},
        {{"density", S::DensityUncertainty, &UncertaintyInputSet::DensityUncertaintyPercent, 0.4}, 0.5 * 0.4},
    };
    for (const auto& t : cases) {
        UncertaintyInputs = {};
        UncertaintyInputs.*t.c.input = t.c.u;
        ASSERT_TRUE(RunBudget().ok) << t.c.name;
        for (int k = 0; k < kUncertaintyPoints; ++k) {
            const double expected = t.c.source == S::TubeDiameter ? pipeTerm(k) : t.firstOrder;
            EXPECT_NEAR(SourceArray(t.c.source)[k], expected, 0.1 * std::fabs(expected)) << t.c.name << " at " << k;
        }
    }
}

TEST(UncertaintyCalculation, AnExactInputAddsNothingAndTwiceTheUncertaintyGivesTwiceTheShare) {
    const SourceCase cases[] = {
        {"span", S::Span, &UncertaintyInputSet::MeterSpanUncertainty, 0.1},
        {"actual", S::Actual, &UncertaintyInputSet::MeterActualUncertainty, 0.1},
        {"A/D span", S::AdSpan, &UncertaintyInputSet::AdSpanUncertainty, 0.1},
        {"A/D actual", S::AdActual, &UncertaintyInputSet::AdActualUncertainty, 0.1},
        {"throat", S::ThroatDiameter, &UncertaintyInputSet::ThroatDiameterUncertaintyMm, 0.01},
        {"pipe", S::TubeDiameter, &UncertaintyInputSet::PipeDiameterUncertaintyMm, 0.5},
        {"density", S::DensityUncertainty, &UncertaintyInputSet::DensityUncertaintyPercent, 0.1},
        {"density error", S::DensityError, &UncertaintyInputSet::DensityErrorPercent, 0.1},
        {"viscosity", S::Viscosity, &UncertaintyInputSet::ViscosityUncertaintyPercent, 5.0},
        {"pressure", S::Pressure, &UncertaintyInputSet::PressureUncertaintyPercent, 1.0},
        {"temperature", S::Temperature, &UncertaintyInputSet::TemperatureUncertaintyC, 0.5},
    };
    for (const SourceCase& c : cases) {
        double share[3][kUncertaintyPoints];
        for (int times = 0; times < 3; ++times) {
            budgettest::RunWaterOrifice();
            UncertaintyInputs = {};
            UncertaintyInputs.*c.input = times * c.u;
            ASSERT_TRUE(RunBudget(0.3 * MaxMassFlow).ok) << c.name;
            for (int k = 0; k < kUncertaintyPoints; ++k) share[times][k] = SourceArray(c.source)[k];
        }
        // Point 0 of pressure and temperature repeats point 1.
        for (int k = 1; k < kUncertaintyPoints; ++k) {
            EXPECT_NEAR(share[0][k], 0.0, 1e-6) << c.name << " at " << k;
            EXPECT_GT(std::fabs(share[1][k]), 1e-5) << c.name << " at " << k;
            EXPECT_NEAR(share[2][k] / share[1][k], 2.0, 0.03) << c.name << " at " << k;
        }
    }
}

TEST(UncertaintyCalculation, InletEdgeOfAnOrificeFollowsTheEdgeCorrectionFactor) {
    BetaHalfOrifice();
    // 0.05 mm at d 50 mm: x = 0.001, bk = 1 + 5.7 x - 92.5 x^2 = 1.0056075.
    UncertaintyInputs.InletEdgeRadiusMm = 0.05;
    ASSERT_TRUE(RunBudget().ok);
    for (int k = 0; k < kUncertaintyPoints; ++k) EXPECT_NEAR(SourceArray(S::InletEdge)[k], 0.56075, 1e-9);
    DeviceCode = "D";
    ASSERT_TRUE(RunBudget().ok);
    EXPECT_EQ(SourceArray(S::InletEdge)[4], 0.0);
}

TEST(UncertaintyCalculation, TotalIsTheRootSumOfSquaresOfRandomSourcesPlusTheBiasesWithTheirSigns) {
    MediumCode = "LUF";
    SourceArray(S::Standard)[3] = 0.3, SourceArray(S::Span)[3] = 0.4;
    SourceArray(S::CalculationError)[3] = 0.2, SourceArray(S::DensityError)[3] = -0.5;
    SourceArray(S::OtherErrors)[3] = 0.1;
    EXPECT_NEAR(CombinedUncertaintyAtPointAlt(3), 0.5 + 0.2, 1e-12);
    // The humidity of a humid gas: the whole effect in one total, the dry-gas part in the other.
    HumidGasFlag = true;
    SourceArray(S::Humidity)[3] = 1.2, SourceArray(S::HumidityDryGas)[3] = 0.0;
    EXPECT_NEAR(CombinedUncertaintyAtPointAlt(3), 1.3 + 0.2, 1e-12);
    EXPECT_NEAR(CombinedUncertaintyAtPoint(3), 0.5 + 0.2, 1e-12);
    EXPECT_EQ(CombinedUncertaintyAtPointAlt(11), 0.0);
    EXPECT_EQ(CombinedUncertaintyAtPoint(-1), 0.0);
}

// Natural gas of 0.90 methane, 0.05 ethane, 0.01 propane, 0.02 nitrogen and 0.02 carbon
// dioxide: heating value H = 891.56 x 0.90 + 1562.14 x 0.05 + 2221.1 x 0.01 = 902.722 kJ/mol.
// Methane 1 % richer: H' = (802.404 x 1.01 + 78.107 + 22.211) / 1.009 = 902.622, -0.01108 %.
TEST(UncertaintyCalculation, EnergyFlowTotalAddsTheHeatingValueChangeOfEachComponent) {
    MediumCode = "NGAS";
    NaturalGasMethane = 0.90, NaturalGasEthane = 0.05, NaturalGasPropane = 0.01;
    NaturalGasNitrogen = 0.02, NaturalGasCarbonDioxide = 0.02;
    UncertaintyInputs.MethaneUncertaintyPercent = 1.0;
    const double heating = (802.404 * 1.01 + 78.107 + 22.211) / 1.009;
    const double change = (heating - 902.722) / 902.722 * 100.0;
    EXPECT_NEAR(CombinedUncertaintyAtPointFull(2), std::fabs(change), 2e-6);
    SourceArray(S::Methane)[2] = 0.5;
    EXPECT_NEAR(CombinedUncertaintyAtPointAlt(2), 0.5, 1e-12);
    EXPECT_NEAR(CombinedUncertaintyAtPointFull(2), std::sqrt(0.25 + (change + 0.5) * (change + 0.5)), 2e-6);
}

TEST(UncertaintyCalculation, NaturalGasCompositionSourcesMoveTheFlowThroughTheDensity) {
    BetaHalfOrifice();
    MediumCode = "NGAS", PhaseLetter = 'N';
    GasComposition = {};
    GasComposition[1] = 0.90, GasComposition[2] = 0.02, GasComposition[3] = 0.02;
    GasComposition[4] = 0.05, GasComposition[5] = 0.01;
    OperatingPressure = 50e5, OperatingTemperature = 15.0;
    FlowDensity = 40.0, DynamicViscosityPas = 1.1e-5, KappaOperating = 1.3, MaxMassFlow = 5.0;
    DiffPressureFromFlow("NGAS", "S", "R", "3", 50e5, 5.0, 0.05, 0.1, 40.0, 1.1e-5, 1.3, 1.0, MaxDpPa);
    UncertaintyInputs.PropaneUncertaintyPercent = 10.0;  // propane 10 % richer: a heavier gas
    ASSERT_TRUE(RunBudget(0.5).ok);
    for (int k = 0; k < kUncertaintyPoints; ++k) {
        EXPECT_GT(SourceArray(S::Propane)[k], 0.0) << k;
        EXPECT_LT(SourceArray(S::Propane)[k], 1.0) << k;
        EXPECT_NEAR(SourceArray(S::Methane)[k], 0.0, 1e-9) << k;
    }
}

// A magnetic meter on water reading 36 m3/h at most: its shares come from the reading.
TEST(UncertaintyCalculation, VolumeMeterSharesFollowItsReading) {
    BetaHalfOrifice();
    DeviceCode = "VOLYM", DeviceVariantCode = "", BoreDiameter = 0.0;
    FlowUnit = "m3/h", MaxFlowInput = 36.0, MaxMassFlow = 36.0 * 998.2 / 3600.0;
    UncertaintyMethodCode = "P";
    UncertaintyInputs.MeterSpanUncertainty = 0.5;
    UncertaintyInputs.PipeDiameterUncertaintyMm = 1.0;
    UncertaintyInputs.DensityUncertaintyPercent = 0.3;
    ASSERT_TRUE(RunBudget(0.2 * MaxMassFlow).ok);
    for (int k = 0; k < kUncertaintyPoints; ++k) {
        const double share = 0.2 + k * 0.8 / 9.0;  // q_k / q_max
        EXPECT_NEAR(SourceArray(S::Span)[k], 0.5 / share, 1e-9) << k;
        EXPECT_NEAR(SourceArray(S::TubeDiameter)[k], (100.0 / 101.0 - 1.0) * 100.0, 1e-9) << k;
        // Measured by volume: the density does not enter the reading.
        EXPECT_EQ(SourceArray(S::DensityUncertainty)[k], 0.0) << k;
        EXPECT_EQ(SourceArray(S::Standard)[k], 0.0) << k;
    }
}

TEST(UncertaintyCalculation, MaximalFlowBaseScalesComputedSourcesButNotTypedValues) {
    BetaHalfOrifice();
    UncertaintyInputs.MeterSpanUncertainty = 0.1;
    ASSERT_TRUE(RunBudget().ok);
    const UncertaintyArray actual = SourceArray(S::Span);
    UncertaintyPercentBase = "M";
    Form1().Felsimulgrid.SetCell(1, 1, "0,6");
    ASSERT_TRUE(RunBudget().ok);
    for (int k = 0; k < kUncertaintyPoints; ++k) {
        const double share = (1.0 + k * 9.0 / 9.0) / 10.0;  // q_k / q_max from 1 to 10 kg/s
        EXPECT_NEAR(SourceArray(S::Span)[k], actual[k] * share, 1e-9 * actual[k]) << k;
        EXPECT_EQ(SourceArray(S::Standard)[k], 0.6) << k;
    }
}

TEST(UncertaintyCalculation, TypedStandardUncertaintyReplacesTheComputedOneOnlyWhenNotNegative) {
    BetaHalfOrifice();
    ASSERT_TRUE(RunBudget().ok);
    const double computed = SourceArray(S::Standard)[5];
    EXPECT_GT(computed, 0.3);
    for (const char* text : {"-1", "abc", ""}) {
        Form1().Felsimulgrid.SetCell(1, 1, text);
        ASSERT_TRUE(RunBudget().ok);
        EXPECT_EQ(SourceArray(S::Standard)[5], computed) << text;
    }
    Form1().Felsimulgrid.SetCell(1, 1, "0");
    ASSERT_TRUE(RunBudget().ok);
    EXPECT_EQ(SourceArray(S::Standard)[5], 0.0);
}

TEST(UncertaintyCalculation, EqualFlowsComputeOnePointForTheWholeRangeWithoutPressureAndTemperature) {
    budgettest::RunWaterOrifice();
    UncertaintyInputs.MeterSpanUncertainty = 0.1;
    UncertaintyInputs.PressureUncertaintyPercent = 10.0;
    UncertaintyInputs.TemperatureUncertaintyC = 5.0;
    ASSERT_TRUE(RunBudget(MaxMassFlow).ok);
    for (int k = 0; k < kUncertaintyPoints; ++k) {
        EXPECT_EQ(SourceArray(S::Span)[k], SourceArray(S::Span)[0]) << k;
        EXPECT_EQ(SourceArray(S::Pressure)[k], 0.0) << k;
        EXPECT_EQ(SourceArray(S::Temperature)[k], 0.0) << k;
    }
    EXPECT_NEAR(SourceArray(S::Span)[0], 0.05, 0.002);  // 0.1 % of span at full dp: half of it
}

TEST(UncertaintyCalculation, MissingGeometryOrAFailingRoutineFailsTheRun) {
    BetaHalfOrifice();
    SourceArray(S::Span)[2] = 7.0;
    BoreDiameter = 0.0;
    EXPECT_FALSE(RunBudget().ok);
    EXPECT_FALSE(UncertaintyRunOk);
    EXPECT_EQ(SourceArray(S::Span)[2], 7.0);  // nothing changed
    BetaHalfOrifice();
    DynamicViscosityPas = 0.0;  // no Reynolds number
    EXPECT_FALSE(RunBudget().ok);
    BetaHalfOrifice();
    EXPECT_TRUE(RunBudget().ok);
    EXPECT_TRUE(UncertaintyRunOk);
}

}  // namespace
}  // namespace tubalyx
