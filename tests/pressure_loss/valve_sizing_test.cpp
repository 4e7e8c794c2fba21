#include "pressure_loss/valve_sizing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "flow/flow_iterations.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "pressure_loss/valve_coefficients.h"
#include "pressure_loss/valve_test_support.h"
#include "state/medium.h"

namespace tubalyx {
namespace {

class ValveSizingTest : public ::testing::Test {
protected:
    void SetUp() override { valvetest::ResetValveState(); }

    // FL^2 (P1 - FF pv) of water at 20 degC: the drop at which the element chokes.
    static double ChokedDrop(double fl, double p1Bar) {
        const double pv = 1e-5 * WaterSaturationPressure(20);
        return fl * fl * (p1Bar - (0.96 - 0.28 * std::sqrt(pv / 221.2)) * pv);
    }
};

TEST_F(ValveSizingTest, WaterValveFromTheState) {
    PipeDiameter = 0;  // what a run before may have left
    RunValve();
    const double rho = FlowDensity;
    ASSERT_GT(rho, 990);
    EXPECT_NEAR(VapourPressureBar, 1e-5 * WaterSaturationPressure(20), 1e-15);
    EXPECT_EQ(CriticalPressureBar, 221.2);
    EXPECT_NEAR(ValveKv, 10 / std::sqrt(0.001 * rho), 1e-9);
    EXPECT_FALSE(ValveCriticalFlag);
    EXPECT_EQ(RestrictionFL, 0.9);
    const double volumeFlow = 10000 / 3600.0 / rho;  // m3/s
    EXPECT_NEAR(ValvePowerW, 1e5 * volumeFlow, 1e-9);
    EXPECT_NEAR(ValvePipeVelocity, volumeFlow / (std::numbers::pi * 0.01 / 4), 1e-12);
    EXPECT_DOUBLE_EQ(PipeDiameter, 0.1);
    EXPECT_DOUBLE_EQ(MaxMassFlow, 10 / 3.6);

    MaxFlowSI = 100000;
    MaxDpPa = 9.5e5;
    RunValve();
    EXPECT_TRUE(ValveCriticalFlag);
    EXPECT_NEAR(ValveKv, 100 / 0.9 / std::sqrt(0.001 * rho * ChokedDrop(1, 10)), 1e-9);
}

TEST_F(ValveSizingTest, VolumeFlowTurnsIntoTonnesPerHourThroughTheDensity) {
    FlowUnit = "m3/h";
    MaxFlowSI = 10000;  // l/h
    CalculateValve();
    EXPECT_NEAR(ValveMassFlowTph, 0.01 * FlowDensity, 1e-12);
}

TEST_F(ValveSizingTest, VapourAndCriticalPressuresByMedium) {
    const ValveSaturationPressures liquid = ValveSaturationPressuresBar("VÄT", 20, 5000, 40e5);
    EXPECT_DOUBLE_EQ(liquid.vapourPressureBar, 0.05);
    EXPECT_DOUBLE_EQ(liquid.criticalPressureBar, 40);
    // A gas run clears the entered liquid pressures.
    MediumCode = "LUF";
    LiquidCriticalPressurePa = 40e5;
    CalculateValve();
    EXPECT_EQ(LiquidCriticalPressurePa, 0);
    EXPECT_EQ(VapourPressureBar + CriticalPressureBar, 0);
}

TEST_F(ValveSizingTest, RestrictionBoreLosesTheDropAndTurnsCriticalAtConstantOutletPressure) {
    ValveSubtype = "RO";
    RunValve();
    const double beta = BoreDiameter / PipeDiameter;
    ASSERT_GT(beta, 0.2);
    ASSERT_LT(beta, 0.8);
    EXPECT_DOUBLE_EQ(BoreDiameterColdMm, 1000 * BoreDiameter);
    // ISO 5167-2, 5.4.1: the permanent loss of an orifice is about (1 - beta^1.9) of its dp.
    EXPECT_NEAR(MaxDpPa / DeviceDrop, 1 - std::pow(beta, 1.9), 0.03);
    // The recovery factor is that of the orifice: below 1, its square the lost share.
    EXPECT_DOUBLE_EQ(RestrictionFL, std::sqrt(MaxDpPa / DeviceDrop));
    EXPECT_LT(RestrictionFL, 1.0);
    EXPECT_FALSE(ValveCriticalFlag);

    // The walk stops at the first 1 % step at or past the choking drop; the flow goes with
    // the root of the drop and the outlet pressure stays at 9 bar.
    const double dropAtCritical = 1.0 * std::pow(CriticalFlow / 10, 2);
    const double choked = ChokedDrop(RestrictionFL, 10);
    EXPECT_GE(dropAtCritical, choked * (1 - 1e-12));
    EXPECT_LE(dropAtCritical, choked + 0.0101 * CriticalInletPressureBar);
    EXPECT_NEAR(CriticalInletPressureBar - dropAtCritical, 9.0, 1e-9);
}

TEST_F(ValveSizingTest, RestrictionCriticalAtTheDesignPointKeepsTheDesignPoint) {
    ValveSubtype = "RO";
    OperatingPressure = 2e5;
    MaxDpPa = 1.99e5;
    RunValve();
    EXPECT_TRUE(ValveCriticalFlag);
    EXPECT_EQ(CriticalFlow, ValveMassFlowTph);
    EXPECT_DOUBLE_EQ(CriticalInletPressureBar, 2.0);
}

TEST_F(ValveSizingTest, RestrictionWithAGivenKvFindsItsFlowAndRecoveryFactor) {
    ValveSubtype = "RO";
    MaxFlowGivenFlag = "J";
    MaxFlowInput = 20;
    RunValve();
    EXPECT_EQ(ValveKv, 20);
    EXPECT_EQ(ValveFL, RestrictionFL);
    const ValveDuty duty{.restriction = true,
                         .flowTph = ValveMassFlowTph,
                         .density = FlowDensity,
                         .inletPressureBar = 10,
                         .vapourPressureBar = VapourPressureBar,
                         .criticalPressureBar = 221.2,
                         .dropBar = 1,
                         .fl = RestrictionFL};
    EXPECT_NEAR(ValveFlowCoefficient(duty).kv / 20, 1.0, 1e-3);
}

TEST_F(ValveSizingTest, RestrictionFlowForAGivenBore) {
    ValveSubtype = "RO";
    SolveFor = "FL";
    RunValve();
    ASSERT_GT(ValveMassFlowTph, 0);
    // The orifice's own flow at its differential pressure is the flow found.
    double massFlow = 0;
    FlowFromDiffPressure("VAT", "S", "R", "3", OperatingPressure, DeviceDrop, 0.05, 0.1, FlowDensity,
                         DynamicViscosityPas, KappaOperating, 1.0, massFlow);
    EXPECT_NEAR(3.6 * massFlow / ValveMassFlowTph, 1.0, 1e-3);
    EXPECT_GT(DeviceDrop, MaxDpPa);
}

TEST_F(ValveSizingTest, NoPipeRaises) {
    PipeDiameterColdM = 0;
    EXPECT_THROW(RunValve(), CalcError);
}

}  // namespace
}  // namespace tubalyx
