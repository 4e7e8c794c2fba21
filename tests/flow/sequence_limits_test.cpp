// The standard's bounds copied for the current device, and the flows at which the device
// leaves them.
#include <gtest/gtest.h>

#include <numbers>

#include "design_duties.h"
#include "flow/flow_iterations.h"
#include "flow/reynolds.h"
#include "flow/sequence_limits.h"
#include "flow/standard_limits.h"
#include "numerics/checked.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

void Orifice(double bore) {
    DeviceCode = "S";
    DeviceVariantCode = "R";
    PipeDiameter = 0.1;
    BoreDiameter = bore;
}

TEST(FetchStandardLimits, BoundsOfTheCurrentDevice) {
    designtest::WaterDuty();
    Orifice(0.05);
    FetchStandardLimits();
    double reMin = 0.0, reMax = 0.0, bMin = 0.0, bMax = 0.0, dMin = 0.0, dMax = 0.0;
    ReynoldsLimits("S", "R", "3", 0.05, 0.1, reMin, reMax);
    BetaLimits("S", "R", "3", bMin, bMax);
    PipeDiameterLimits("S", "R", "3", dMin, dMax);
    EXPECT_EQ(ReynoldsLowerBound, reMin);
    EXPECT_EQ(ReynoldsUpperBound, reMax);
    EXPECT_EQ(BetaLowerBound, bMin);
    EXPECT_EQ(BetaUpperBound, bMax);
    EXPECT_EQ(PipeDiameterLowerBound, dMin);
    EXPECT_EQ(PipeDiameterUpperBound, dMax);
}

TEST(ComputeFlowAtReynoldsMin, ReynoldsThereIsTheLowerBound) {
    designtest::WaterDuty();
    Orifice(0.05);
    FetchStandardLimits();
    ComputeFlowAtReynoldsMin();
    EXPECT_NEAR(ReynoldsNumber(PipeDiameter, DynamicViscosityPas, FlowAtReynoldsMin), ReynoldsLowerBound,
                1e-9 * ReynoldsLowerBound);
}

TEST(ComputeUpperFlowLimit, LiquidAtTheReynoldsBoundGasAtTheSmallerOfTwo) {
    designtest::WaterDuty();
    Orifice(0.05);
    ReynoldsUpperBound = 1e6;
    ComputeUpperFlowLimit(1.0);
    EXPECT_NEAR(ReynoldsNumber(PipeDiameter, DynamicViscosityPas, FlowAtUpperLimitValue), 1e6, 1e-3);

    designtest::AirDuty();
    Orifice(0.05);
    ReynoldsUpperBound = kNoReynoldsUpperLimit;  // the largest dp decides
    ComputeUpperFlowLimit(1.0);
    double q = 0.0;
    FlowFromDiffPressure(MediumCode, "S", "R", "3", OperatingPressure,
                         MaxDiffPressure(MediumCode, "S", OperatingPressure), 0.05, 0.1, FlowDensity,
                         DynamicViscosityPas, KappaOperating, 1.0, q);
    EXPECT_DOUBLE_EQ(FlowAtUpperLimitValue, q);
    ReynoldsUpperBound = 1e5;  // now the Reynolds bound is the smaller flow
    ComputeUpperFlowLimit(1.0);
    EXPECT_LT(FlowAtUpperLimitValue, q);
    EXPECT_NEAR(ReynoldsNumber(PipeDiameter, DynamicViscosityPas, FlowAtUpperLimitValue), 1e5, 1e-6);
}

// The names the data sheet prints the limits by hold the orifice limits of ISO 5167-2:2003
// (5.3.1: d >= 12.5 mm, 50 mm <= D <= 1000 mm, 0.1 <= beta <= 0.75; corner tappings at beta
// 0.5 need ReD >= 5000), and the standard's lowest flow is the flow at that Reynolds number.
TEST(FetchStandardLimits, DataSheetNamesHoldTheOrificeLimitsOfIso5167) {
    designtest::WaterDuty();
    Orifice(0.05);
    FetchStandardLimits();
    ComputeFlowAtReynoldsMin();
    const struct {
        const char* name;
        const double& value;
        double expected, tolerance;
    } cases[] = {
        {"LimitBoreMin", LimitBoreMin, 0.0125, 0.0},
        {"LimitBetaMin", LimitBetaMin, 0.1, 0.0},
        {"LimitBetaMax", LimitBetaMax, 0.75, 0.0},
        {"LimitPipeDiameterMin", LimitPipeDiameterMin, 0.05, 2e-4},  // the bounds hold a little play
        {"LimitPipeDiameterMax", LimitPipeDiameterMax, 1.0, 2e-3},
        {"LimitReynoldsMin", LimitReynoldsMin, 5000.0, 0.0},
        {"StandardMinFlowLimit", StandardMinFlowLimit, 5000.0 * std::numbers::pi * 0.1 * DynamicViscosityPas / 4.0,
         1e-12},
    };
    for (const auto& c : cases) EXPECT_NEAR(c.value, c.expected, c.tolerance) << c.name;
}

TEST(ComputeFlowAtReynoldsMin, ZeroViscosityIsAnInputError) {
    designtest::WaterDuty();
    Orifice(0.05);
    DynamicViscosityPas = 0.0;
    EXPECT_THROW(ComputeFlowAtReynoldsMin(), CalcError);
}

}  // namespace
}  // namespace tubalyx
