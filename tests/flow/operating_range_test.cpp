// Operating-range adjustment: the worst-case density ratio, the corner searches for "DP"
// and "DI", the second form, the user's dp unit and the transmitter values.
#include <gtest/gtest.h>

#include <string>

#include "design_duties.h"
#include "flow/flow_iterations.h"
#include "flow/operating_range.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"
#include "support/hand_meters.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

std::string Standard() { return std::string(1, StandardLetter); }

double Dp(double qm, double bore) {
    double dp = 0.0;
    DiffPressureFromFlow(MediumCode, DeviceCode, DeviceVariantCode, Standard(), OperatingPressure, qm, bore,
                         PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating, 1.0, dp);
    return dp;
}

double Flow(double dp, double bore) {
    double qm = 0.0;
    FlowFromDiffPressure(MediumCode, DeviceCode, DeviceVariantCode, Standard(), OperatingPressure, dp, bore,
                         PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating, 1.0, qm);
    return qm;
}

// An orifice with corner tappings in DN100 sized for 25 kPa at max flow.
void SizedOrifice(const char* solveFor) {
    SolveFor = solveFor;
    DeviceCode = "S";
    DeviceVariantCode = "R";
    PipeDiameter = 0.1;
    MaxDpPa = 25000.0;
    ThroatDiameterFromFlow(MediumCode, DeviceCode, DeviceVariantCode, Standard(), OperatingPressure, MaxMassFlow,
                           MaxDpPa, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating, 1.0, BoreDiameter);
    MaxFlowDpPa = MaxDpPa;
    FlowAtMaxDp = MaxMassFlow;
    ScaledDiffPressureFromFlow(MediumCode, DeviceCode, DeviceVariantCode, Standard(), OperatingPressure,
                               0.67 * MaxMassFlow, MaxMassFlow, BoreDiameter, PipeDiameter, FlowDensity,
                               DynamicViscosityPas, KappaOperating, 1.0, ScaledMaxDpPa);
}

// Air over 4 to 5 bar and 20 to 50 degrees C, operating at 5 bar and 20 degrees C.
void AirRange(const char* solveFor) {
    designtest::AirDuty();
    SolveFor = solveFor;
    PressureMinPa = 4e5;
    TemperatureMaxC = 50.0;
    UpdateDensityRatioWorstCase();
}

TEST(DensityRatioWorstCase, MassUnitTakesTheLowDensityCorner) {
    AirRange("DI");
    EXPECT_DOUBLE_EQ(DensityRatioWorstCase, (273.15 + 20.0) / (273.15 + 50.0) * 0.8);
}

TEST(DensityRatioWorstCase, VolumeUnitTakesTheHighDensityCorner) {
    designtest::AirDuty();
    SolveFor = "DP";
    FlowUnit = "m3/h";
    TemperatureMinC = 0.0;
    PressureMaxPa = 6e5;
    UpdateDensityRatioWorstCase();
    EXPECT_DOUBLE_EQ(DensityRatioWorstCase, 1.0 / ((273.15 + 20.0) / 273.15 * 1.2));
}

TEST(DensityRatioWorstCase, EqualCornersAndLiquidsGiveExactlyOne) {
    designtest::AirDuty();
    SolveFor = "DI";
    UpdateDensityRatioWorstCase();
    EXPECT_EQ(DensityRatioWorstCase, 1.0);
    designtest::WaterDuty();
    SolveFor = "DI";
    PressureMinPa = 1e5;
    TemperatureMaxC = 90.0;
    UpdateDensityRatioWorstCase();
    EXPECT_EQ(DensityRatioWorstCase, 1.0);
    // Outside the gas-throat branch ("OK") a gas has no range either.
    AirRange("OK");
    EXPECT_EQ(DensityRatioWorstCase, 1.0);
}

TEST(DensityRatioWorstCase, AnUnknownUnitKeepsTheEarlierValue) {
    AirRange("DI");
    const double earlier = DensityRatioWorstCase;
    FlowUnit = "furlongs";
    TemperatureMaxC = 90.0;
    UpdateDensityRatioWorstCase();
    EXPECT_EQ(DensityRatioWorstCase, earlier);
}

TEST(AdjustForOperatingRange, BoreSearchMeetsMaxFlowAtTheCorner) {
    AirRange("DI");
    MaxFlowGivenFlag = "V";
    SizedOrifice("DI");
    const double bore = BoreDiameter;
    AdjustForOperatingRange();
    // sqrt(design dp / dp(max flow)) * max flow * sqrt(ratio) = max flow.
    EXPECT_NEAR(Dp(MaxMassFlow, BoreDiameter) / (MaxFlowDpPa * DensityRatioWorstCase), 1.0, 3e-6);
    EXPECT_GT(BoreDiameter, bore);
    // kPa in and out: the design dp in the user's unit is the design dp in kPa.
    EXPECT_DOUBLE_EQ(DpUnitFactor, 25000.0);
    EXPECT_NEAR(MaxDpEntered, 0.001 * MaxFlowDpPa, 1e-12);
    const DpTransmitterValueSet& v = DpTransmitterValues;
    EXPECT_DOUBLE_EQ(v.maxFlow.si, MaxMassFlow);
    EXPECT_DOUBLE_EQ(v.maxFlow.user, 1000.0);
    EXPECT_DOUBLE_EQ(v.normalPointDp.pa, v.maxPointDp.pa);
    EXPECT_NEAR(v.normalPointDp.pa, Dp(MaxMassFlow, BoreDiameter), 1e-6 * v.normalPointDp.pa);
    EXPECT_NEAR(v.normalPointDp.user, 0.001 * v.normalPointDp.pa, 1e-9);
    EXPECT_DOUBLE_EQ(v.designDp.pa, MaxFlowDpPa);
    EXPECT_DOUBLE_EQ(v.designDp.user, MaxDpEntered);
    EXPECT_NEAR(v.cornerRootNormalFlow.si, std::sqrt(DensityRatioWorstCase) * v.rootNormalFlowAtDesignDp.si, 1e-15);
    EXPECT_NEAR(v.designDpFlow.si, Flow(MaxFlowDpPa, BoreDiameter), 1e-12);
    EXPECT_DOUBLE_EQ(v.flowAtMaxDp.si, FlowAtMaxDp);
}

// A cone meter passes less as its cone grows: both searches shrink the cone where they would
// grow a bore, until the device, worked by hand, meets the max flow at the corner.
TEST(AdjustForOperatingRange, TheSearchesShrinkAConeWhereTheyWouldGrowABore) {
    for (const auto& [device, meter] : {std::pair{"VCONE", hand::Meter::Cone}, {"VCONEWAFER", hand::Meter::WaferCone}})
        for (const char* flag : {"V", "J"}) {
            SCOPED_TRACE(std::string(device) + " " + flag);
            AirRange("DI");
            MaxFlowGivenFlag = flag, DeviceCode = device, CalibratedCf = 0.82, PipeDiameter = 0.1;
            MaxDpPa = MaxFlowDpPa = ScaledMaxDpPa = 25000.0;
            ThroatDiameterFromFlow(MediumCode, DeviceCode, DeviceVariantCode, Standard(), OperatingPressure,
                                   MaxMassFlow, MaxDpPa, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating,
                                   1.0, BoreDiameter);
            const double cone = BoreDiameter, ratio = DensityRatioWorstCase;
            AdjustForOperatingRange();
            EXPECT_LT(BoreDiameter, cone);
            const hand::Gas air{FlowDensity, DynamicViscosityPas, KappaOperating, OperatingPressure};
            const auto dp = [&, meter = meter](double qm) { return hand::Dp(meter, qm, BoreDiameter, 0.1, air, 0.82); };
            // "V": the device's dp at max flow is the corner's share of the design dp; "J": the root
            // law through 67 % of the flow at the scaled dp at the corner carries to the max flow.
            const double q1 = hand::Flow(meter, ratio * MaxFlowDpPa, BoreDiameter, 0.1, air, 0.82);
            const double corner = *flag == 'V' ? std::sqrt(MaxFlowDpPa / dp(MaxMassFlow) * ratio) * MaxMassFlow
                                               : std::sqrt(ratio * MaxFlowDpPa / dp(0.67 * q1)) * 0.67 * q1;
            EXPECT_NEAR(corner / MaxMassFlow, 1.0, 2e-6);
        }
}

TEST(AdjustForOperatingRange, DpSearchRaisesTheDesignDpForTheCorner) {
    AirRange("DP");
    FlowUnit = "kg/h";
    SolveFor = "DI";
    UpdateDensityRatioWorstCase();
    MaxFlowGivenFlag = "V";
    SizedOrifice("DP");
    DpUnit = "mbar";
    AdjustForOperatingRange();
    EXPECT_NEAR(Flow(MaxFlowDpPa * DensityRatioWorstCase, BoreDiameter) / MaxMassFlow, 1.0, 2e-6);
    EXPECT_GT(MaxFlowDpPa, MaxDpPa);
    // The edit holds the design dp in mbar.
    EXPECT_DOUBLE_EQ(DpUnitFactor, 0.1);  // kPa per mbar
    EXPECT_NEAR(MaxDpEntered, MaxFlowDpPa / 100.0, 1e-9);
    std::string text = Form1().difftryckmaxantal.Text();
    EXPECT_NEAR(StrToFloatAnySep(text), MaxFlowDpPa / 100.0, 0.01);
}

TEST(AdjustForOperatingRange, LiquidDpSearchOnlyReSolvesTheOperatingPoint) {
    designtest::WaterDuty();
    SolveFor = "DP";
    UpdateDensityRatioWorstCase();
    MaxFlowGivenFlag = "V";
    SizedOrifice("DP");
    AdjustForOperatingRange();
    EXPECT_NEAR(MaxFlowDpPa / MaxDpPa, 1.0, 3e-6);
}

TEST(AdjustForOperatingRange, SecondFormMovesTheBoreUntilTheScaledCornerMeetsMaxFlow) {
    AirRange("DI");
    MaxFlowGivenFlag = "J";
    SizedOrifice("DI");
    AdjustForOperatingRange();
    EXPECT_NEAR(DpTransmitterValues.cornerRootNormalFlow.si / MaxMassFlow, 1.0, 1e-6);
    EXPECT_DOUBLE_EQ(MaxFlowDpPa, ScaledMaxDpPa);
    const double q1 = Flow(ScaledMaxDpPa * DensityRatioWorstCase, BoreDiameter);
    EXPECT_NEAR(DpTransmitterValues.maxPointFlow.si / q1, 1.0, 1e-9);
    EXPECT_DOUBLE_EQ(DpTransmitterValues.normalPointDp.pa, DensityRatioWorstCase * MaxDpPa);
}

TEST(AdjustForOperatingRange, SecondFormForDpGivesTheDesignDpInKpa) {
    designtest::WaterDuty();
    SolveFor = "FL";
    UpdateDensityRatioWorstCase();
    SizedOrifice("DP");
    MaxFlowGivenFlag = "J";
    DpUnit = "Pa";
    AdjustForOperatingRange();
    EXPECT_DOUBLE_EQ(MaxDpInput, 0.001 * MaxFlowDpPa);
    EXPECT_NEAR(MaxDpEntered, MaxFlowDpPa, 1e-6);  // shown in Pa
    EXPECT_NEAR(DpTransmitterValues.cornerRootNormalFlow.si / MaxMassFlow, 1.0, 1e-6);
}

TEST(AdjustForOperatingRange, AnUnreachableCornerIsAnInputError) {
    AirRange("DP");
    SolveFor = "DP";
    MaxFlowGivenFlag = "V";
    SizedOrifice("DP");
    DensityRatioWorstCase = 1e-6;  // the design dp would have to grow a millionfold
    try {
        AdjustForOperatingRange();
        ADD_FAILURE() << "no error";
    } catch (const CalcError& e) {
        EXPECT_STREQ(e.what(), "the operating-range search does not reach the maximum flow");
    }
}

TEST(AdjustForOperatingRange, AnUnknownDpUnitIsAnInputError) {
    designtest::WaterDuty();
    SolveFor = "DI";
    UpdateDensityRatioWorstCase();
    MaxFlowGivenFlag = "V";
    SizedOrifice("DI");
    DpUnit = "furlongs";
    EXPECT_THROW(AdjustForOperatingRange(), CalcError);
}

}  // namespace
}  // namespace tubalyx
