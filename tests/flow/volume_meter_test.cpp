// The one-dimensional volume flowmeter: typed flow, roughness and profile corrections.
#include <gtest/gtest.h>

#include <numbers>

#include "flow/flow_iterations.h"
#include "flow/volume_meter.h"
#include "flow_test_support.h"
#include "media/medium_property_switch.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"

namespace tubalyx {
namespace {

double ProfileF(double re) { return 1.0 - 679.2 / re; }

TEST(VolumeMeter, TypedMassAndVolumeFlow) {
    FlowNormalDensity = 1.0;
    double qm = 0, area = 0, profile = 0;
    ReynoldsAdjustedFlow("ton/h", 3.6, 998.0, 100.0, 0.0, 1e5, 0.0, qm, area, profile);
    EXPECT_NEAR(qm, 1.0, 1e-15);
    EXPECT_EQ(area, 1.0);
    ReynoldsAdjustedFlow("m3/h", 3.6, 1000.0, 100.0, 0.0, 1e5, 0.0, qm, area, profile);
    EXPECT_NEAR(qm, 1.0, 1e-15);
}

TEST(VolumeMeter, RoughnessAreaFactor) {
    double area = 0, profile = 0;
    VolumeMeterCorrections(2.0, 100.0, 0.5, 1e5, 0.0, area, profile);
    EXPECT_NEAR(area, (100.0 - 14 * 0.25) / 100.0, 1e-15);
}

TEST(VolumeMeter, ProfileCorrectionAndBlend) {
    double area = 0, profile = 0;
    VolumeMeterCorrections(1.0, 100.0, 0.0, 1e5, 0.0, area, profile);
    EXPECT_NEAR(profile, ProfileF(1e5), 1e-15);
    VolumeMeterCorrections(1.0, 100.0, 0.0, 2000.0, 0.0, area, profile);
    EXPECT_NEAR(profile, 0.7736, 1e-15);
    // At 5000 the weights are one half each; b is still the floor below 6000.
    VolumeMeterCorrections(1.0, 100.0, 0.0, 5000.0, 0.0, area, profile);
    EXPECT_NEAR(profile, 0.5 * 0.7736 + 0.5 * ProfileF(5000.0), 1e-15);
    VolumeMeterCorrections(1.0, 100.0, 0.0, 6500.0, 0.0, area, profile);
    EXPECT_NEAR(profile, 0.125 * ProfileF(6500.0) + 0.875 * ProfileF(6500.0), 1e-15);
    // Calibration Reynolds number divides out its own profile factor, without the floor.
    VolumeMeterCorrections(1.0, 100.0, 0.0, 1e5, 1000.0, area, profile);
    EXPECT_NEAR(profile, ProfileF(1e5) / ProfileF(1000.0), 1e-14);
    EXPECT_NEAR(ProfileF(3000.0), 0.7736, 1e-15);
}

TEST(VolumeMeter, FlowFromDiffPressureTakesTheTypedFlowAndWritesTheFactors) {
    flowtest::SelectDevice("VOLYM", "");
    FlowUnit = "kg/h";
    MaxFlowInput = 7200.0;
    PipeRoughnessMm = 0.2;
    ReynoldsAtMaxFlow = 8000.0;
    CalibratedReynoldsMin = 8000.0;
    double qm = 0.0;
    FlowFromDiffPressure("VAT", "VOLYM", "", "3", 1e5, 0.0, 0.0, 0.1, 998.0, 1e-3, 1.4, 1.0, qm);
    EXPECT_NEAR(qm, 2.0, 1e-15);
    EXPECT_NEAR(VolumeMeterRoughnessFactor, (100.0 - 14 * 0.04) / 100.0, 1e-15);
    EXPECT_NEAR(VolumeMeterReynoldsFactor, 1.0, 1e-15);
}

TEST(VolumeMeter, TypedFlowLeavesItsUnitKindInTheSharedKind) {
    // The report picks its mass or volume wording from the kind of the last conversion;
    // a viscosity conversion of the medium state may have left another kind behind.
    FlowNormalDensity = 1.0;
    double qm = 0, area = 0, profile = 0;
    ParsedUnitKind = "dynvisk";
    ReynoldsAdjustedFlow("ton/h", 3.6, 998.0, 100.0, 0.0, 1e5, 0.0, qm, area, profile);
    EXPECT_EQ(ParsedUnitKind, "M");
    ReynoldsAdjustedFlow("m3/h", 3.6, 998.0, 100.0, 0.0, 1e5, 0.0, qm, area, profile);
    EXPECT_EQ(ParsedUnitKind, "V");
    EXPECT_NEAR(qm, 0.998, 1e-15);
}

TEST(VolumeMeter, TypedVelocityIsAVolumeFlowThroughThePipeArea) {
    // "m/s" is a volume flow through the pipe section, which needs D in metres.
    FlowNormalDensity = 1.0;
    double qm = 0, area = 0, profile = 0;
    ReynoldsAdjustedFlow("m/s", 2.0, 998.0, 100.0, 0.0, 1e5, 0.0, qm, area, profile);
    EXPECT_NEAR(qm, 998.0 * 2.0 * std::numbers::pi * 0.1 * 0.1 / 4.0, 1e-12);
    EXPECT_EQ(ParsedUnitKind, "V");
}

}  // namespace
}  // namespace tubalyx
