// The optimal design: a device within every limit of its standard for typical duties, the
// choice rules of the search, and what stands when no candidate passes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "design_duties.h"
#include "flow/device_limit_checks.h"
#include "flow/dp_range_uncertainty.h"
#include "flow/flow_iterations.h"
#include "flow/installation_factors.h"
#include "flow/optimal_design.h"
#include "flow/permanent_loss.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

using designtest::AirDuty;
using designtest::WaterDuty;

double FlowOfResult() {
    double qm = 0.0;
    FlowFromDiffPressure(MediumCode, DeviceCode, DeviceVariantCode, std::string(1, StandardLetter), OperatingPressure,
                         MaxDpPa, BoreDiameter, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating,
                         SizingCorrectionFactor, qm);
    return qm;
}

// A minimum flow of 90 % of the maximum keeps a venturi inside its Reynolds range.
void HighMinimumFlow() {
    MinMassFlow = 0.9 * MaxMassFlow;
    NormalMassFlow = 0.63 * MaxMassFlow + 0.37 * MinMassFlow;
}

void ExpectWithinEveryLimit(const char* duty) {
    CheckDeviceLimits();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(DeviceLimitMessages[static_cast<std::size_t>(i)], " ")
            << duty << " message " << i << " for " << DeviceCode << DeviceVariantCode;
    EXPECT_NEAR(FlowOfResult() / MaxMassFlow, 1.0, 1e-5) << duty;
    EXPECT_GE(MaxDpPa, DpLowerLimitPa);
    EXPECT_LE(MaxDpPa, DpUpperLimitPa);
    EXPECT_LT(StraightLengthShortfallM, 0.0);
}

TEST(SizeThroatDevice, WaterInDn100IsWithinEveryLimit) {
    WaterDuty();
    SizeThroatDevice();
    EXPECT_EQ(DeviceCode, "S");
    EXPECT_DOUBLE_EQ(PipeDiameterColdM, 0.1);
    ExpectWithinEveryLimit("water");
    // The averages over the range are those of the chosen design.
    double dpNormal = 0.0, dpMin = 0.0, u = 0.0, a = 0.0, b = 0.0;
    const std::string standard(1, StandardLetter);
    DiffPressureFromFlow(MediumCode, DeviceCode, DeviceVariantCode, standard, OperatingPressure, NormalMassFlow,
                         BoreDiameter, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating,
                         SizingCorrectionFactor, dpNormal);
    DiffPressureFromFlow(MediumCode, DeviceCode, DeviceVariantCode, standard, OperatingPressure, MinMassFlow,
                         BoreDiameter, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating,
                         SizingCorrectionFactor, dpMin);
    UncertaintyOverDpRange(MediumCode, DeviceCode, DeviceVariantCode, SizingCorrectionFactor, KappaOperating,
                           DynamicViscosityPas, FlowDensity, PipeDiameter, BoreDiameter, MaxDpPa, dpNormal, dpMin,
                           OperatingPressure, standard, u, a, b);
    EXPECT_NEAR(AverageCoefficientUncertainty, u, 1e-6);
    EXPECT_NEAR(VariantFlowDeviationB, b, 1e-6);
}

TEST(SizeThroatDevice, AirAtFiveBarInDn80IsWithinEveryLimit) {
    AirDuty();
    SizeThroatDevice();
    EXPECT_EQ(DeviceCode, "S");
    ExpectWithinEveryLimit("air");
}

TEST(SizeThroatDevice, SteamAtTenBarInDn150IsWithinEveryLimit) {
    // 10 t/h at 10 bar abs, 200 degrees C: v = 0.2060 m3/kg from the steam tables.
    WaterDuty();
    designtest::CommonDuty(10000.0, 0.3);
    MediumCode = "ANG";
    PhaseLetter = 'N';
    OperatingPressure = PressureMinPa = PressureMaxPa = 1e6;
    OperatingTemperature = TemperatureMinC = TemperatureMaxC = 200.0;
    FlowDensity = 1.0 / 0.2060;
    DynamicViscosityPas = 1.61e-5;
    KappaOperating = 1.3;
    PipeDiameterMinLimitM = PipeDiameterMaxLimitM = 0.15;
    SizeThroatDevice();
    ExpectWithinEveryLimit("steam");
}

TEST(SizeThroatDevice, WeightsChooseBetweenLossAndUncertainty) {
    // The venturi loses far less pressure; the orifice measures more precisely.
    AirDuty();
    HighMinimumFlow();
    PrimaryElementEntry = "15";
    WeightFactor1 = 0.0;
    WeightFactor2 = 1.0;
    SizeThroatDevice();
    EXPECT_EQ(DeviceCode, "V");
    EXPECT_EQ(DeviceVariantCode, "BG");
    ExpectWithinEveryLimit("air, loss only");

    WeightFactor1 = 1.0;
    WeightFactor2 = 0.0;
    SizingCorrectionFactor = 1.0;
    SizeThroatDevice();
    EXPECT_EQ(DeviceCode, "S");
    EXPECT_EQ(DeviceVariantCode, "R");
}

TEST(SizeThroatDevice, OnlyTheAllowedTypesAreTried) {
    WaterDuty();
    PrimaryElementEntry = "1";
    SizeThroatDevice();
    EXPECT_EQ(DeviceCode, "S");
    EXPECT_EQ(DeviceVariantCode, "R");
    const double bore = BoreDiameter;
    // Characters outside "0" to "9" and "A" are ignored.
    WaterDuty();
    PrimaryElementEntry = "Zx1-";
    SizeThroatDevice();
    EXPECT_EQ(DeviceVariantCode, "R");
    EXPECT_DOUBLE_EQ(BoreDiameter, bore);
}

TEST(SizeThroatDevice, EqualDpLimitsGiveOneDp) {
    WaterDuty();
    DpLowerLimitPa = DpUpperLimitPa = 20000.0;
    DpLowerLimitInput = DpUpperLimitInput = 20.0;
    SizeThroatDevice();
    EXPECT_DOUBLE_EQ(MaxDpPa, 20000.0);
    EXPECT_DOUBLE_EQ(MaxDpInput, 20.0);
}

TEST(SizeThroatDevice, TheUsersDpUnitFollowsTheBestStep) {
    WaterDuty();
    SizeThroatDevice();
    const double step = (MaxDpPa - DpLowerLimitPa) / (DpUpperLimitPa - DpLowerLimitPa) * 10.0;
    EXPECT_NEAR(step, std::round(step), 1e-9);
    EXPECT_NEAR(MaxDpInput, 2.0 + std::round(step) / 10.0 * 48.0, 1e-12);
}

TEST(SizeThroatDevice, PipeRangeIsSteppedInTenAndKeepsTheColdDiameterOnTheGrid) {
    WaterDuty();
    PipeDiameterMinLimitM = 0.05;
    PipeDiameterMaxLimitM = 0.3;
    OperatingTemperature = 80.0;
    SizeThroatDevice();
    const double step = (PipeDiameterColdM - 0.05) / 0.025;
    EXPECT_NEAR(step, std::round(step), 1e-9);
    EXPECT_NEAR(PipeDiameter / PipeDiameterColdM, ThermalExpansionFactor(PipeExpansionCoeff, PipeExpansionCoeffB, 80.0),
                1e-15);
    ExpectWithinEveryLimit("water, pipe range");
}

TEST(SizeThroatDevice, PipeLimitsWithinATenthOfANanometreGiveOnePipe) {
    WaterDuty();
    PipeDiameterMaxLimitM = PipeDiameterMinLimitM + 5e-11;
    SizeThroatDevice();
    EXPECT_EQ(PipeDiameterColdM, PipeDiameterMinLimitM);
    ExpectWithinEveryLimit("water, one pipe");
}

TEST(SizeThroatDevice, PipesOutsideTheDevicesRangeAreSkipped) {
    // The machined venturi is made for DN50 to DN250; the range reaches below and above.
    WaterDuty();
    HighMinimumFlow();
    PrimaryElementEntry = "5";
    PipeDiameterMinLimitM = 0.02;
    PipeDiameterMaxLimitM = 0.32;
    SizeThroatDevice();
    EXPECT_EQ(DeviceCode, "V");
    EXPECT_GE(PipeDiameter, 0.0499);
    EXPECT_LE(PipeDiameter, 0.2501);
    ExpectWithinEveryLimit("water, venturi pipe range");
}

TEST(SizeThroatDevice, NoScoringMethodLeavesTheLastCandidateTried) {
    WaterDuty();
    OnlineFlowMethod = "X";
    SizeThroatDevice();
    // "135": the last type tried is the machined venturi, at the top dp.
    EXPECT_EQ(DeviceCode, "V");
    EXPECT_EQ(DeviceVariantCode, "BG");
    EXPECT_DOUBLE_EQ(MaxDpPa, DpUpperLimitPa);
    EXPECT_DOUBLE_EQ(MaxDpInput, DpUpperLimitInput);
    EXPECT_NEAR(FlowOfResult() / MaxMassFlow, 1.0, 1e-5);
}

TEST(SizeThroatDevice, NoTypeToTryKeepsTheDefaultOrificeAndSolvesItsBore) {
    WaterDuty();
    PrimaryElementEntry = "";
    DeviceCode = "V";
    DeviceVariantCode = "BG";
    SizeThroatDevice();
    EXPECT_EQ(DeviceCode, "S");
    EXPECT_EQ(DeviceVariantCode, "R");
    EXPECT_DOUBLE_EQ(MaxDpPa, DpLowerLimitPa);
    EXPECT_DOUBLE_EQ(PipeDiameterColdM, 0.1);
    EXPECT_NEAR(FlowOfResult() / MaxMassFlow, 1.0, 1e-5);
}

TEST(SizeThroatDevice, AnImpossibleDutyDoesNotFail) {
    WaterDuty();
    MaxMassFlow = 1e6;  // no bore passes this through DN100
    EXPECT_NO_THROW(SizeThroatDevice());
    EXPECT_EQ(DeviceCode, "S");
}

// Straight lengths the test decides: the orifice lacks 1 m, the venturi has 1 m to spare.
void OrificeShortVenturiLong(const std::string& device, const std::string&, const std::string&, double& upstream,
                             double& extra, double& shortfall, double given, double, double) {
    upstream = given;
    extra = 0.0;
    shortfall = device == "S" ? 1.0 : -1.0;
}
void OrificeLongVenturiShort(const std::string& device, const std::string& v, const std::string& c, double& upstream,
                             double& extra, double& shortfall, double given, double D, double d) {
    OrificeShortVenturiLong(device, v, c, upstream, extra, shortfall, given, D, d);
    shortfall = -shortfall;
}
void OrificeLongVenturiExact(const std::string& device, const std::string& v, const std::string& c, double& upstream,
                             double& extra, double& shortfall, double given, double D, double d) {
    OrificeLongVenturiShort(device, v, c, upstream, extra, shortfall, given, D, d);
    if (device == "V") shortfall = 0.0;
}

// Straight pipe that needs 0.5 % extra with 1 m available upstream: the bend factor applies.
void ShortUpstreamForBend(const std::string&, const std::string&, const std::string&, double& upstream, double& extra,
                          double& shortfall, double, double, double) {
    upstream = 1.0;
    extra = 0.5;
    shortfall = -0.1;
}

// With no candidate scored, the installation factors are those of the last candidate tried,
// never values an earlier run left behind.
TEST(SizeThroatDevice, NoScoringMethodLeavesTheLastCandidatesInstallationFactors) {
    WaterDuty();
    PrimaryElementEntry = "1";
    RequiredStraightLengthsService = ShortUpstreamForBend;
    OnlineFlowMethod = "X";
    BendFactor = 1.0;
    BendUncertaintyPercent = 7.0;  // left by an earlier run
    SizeThroatDevice();
    double bkr = 0.0;
    BendCorrectionFactor(1.0, PipeDiameter, BoreDiameter / PipeDiameter, bkr);
    EXPECT_LT(BendFactor, 1.0);
    EXPECT_NEAR(BendFactor, bkr, 1e-6);
    EXPECT_NEAR(BendUncertaintyPercent, std::fabs(1.0 - BendFactor) * 100.0, 1e-12);
    EXPECT_NEAR(SizingCorrectionFactor, RoughnessFactor * BendFactor, 1e-15);

    // The same when the last candidate needs no bend factor, and when none can be tried.
    RequiredStraightLengthsService = nullptr;
    BendUncertaintyPercent = 7.0;
    BendFactor = 0.9;
    SizeThroatDevice();
    EXPECT_EQ(BendUncertaintyPercent, 0.0);
    EXPECT_EQ(BendFactor, 1.0);
    PrimaryElementEntry = "";
    BendUncertaintyPercent = 7.0;
    RoughnessUncertaintyPercent = 3.0;
    SizeThroatDevice();
    EXPECT_EQ(BendUncertaintyPercent, 0.0);
    EXPECT_EQ(RoughnessUncertaintyPercent, 0.0);
    EXPECT_EQ(SizingCorrectionFactor, 1.0);
}

TEST(SizeThroatDevice, EnoughStraightLengthBeatsAnyScore) {
    AirDuty();
    HighMinimumFlow();
    PrimaryElementEntry = "15";
    WeightFactor1 = 1.0;  // the orifice scores better ...
    WeightFactor2 = 0.0;
    RequiredStraightLengthsService = OrificeShortVenturiLong;
    SizeThroatDevice();
    EXPECT_EQ(DeviceCode, "V");  // ... but only the venturi fits the straight pipe
    EXPECT_DOUBLE_EQ(StraightLengthShortfallM, -1.0);

    WeightFactor1 = 0.0;  // the venturi scores better, but lacks straight pipe after the
    WeightFactor2 = 1.0;  // orifice had enough
    SizingCorrectionFactor = 1.0;
    RequiredStraightLengthsService = OrificeLongVenturiShort;
    SizeThroatDevice();
    EXPECT_EQ(DeviceCode, "S");

    // Nor is one that has exactly the straight pipe it needs.
    SizingCorrectionFactor = 1.0;
    RequiredStraightLengthsService = OrificeLongVenturiExact;
    SizeThroatDevice();
    EXPECT_EQ(DeviceCode, "S");
    EXPECT_DOUBLE_EQ(StraightLengthShortfallM, -1.0);
    RequiredStraightLengthsService = nullptr;
}

}  // namespace
}  // namespace tubalyx
