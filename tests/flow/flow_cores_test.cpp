// The cores of the flow iterations take Cf and the flow equation as given, not from the
// calculation state, which here says the opposite: an orifice and Cf 1. A cone meter in water has no expansibility, so
// its flow is the hand formula qm = Cf K sqrt(dp), K = sqrt(2 rho) pi/4 D^2 beta^2 / sqrt(1 - beta^4), with the cone's
// beta = sqrt(1 - (d/D)^2).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "flow/device_selection.h"
#include "flow/flow_iterations.h"
#include "state/flow_results.h"
#include "state/inputs.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

constexpr double kPipe = 0.1, kCone = 0.06, kRho = 998.0, kCf = 0.8;

double HandConeFlow(double cf, double coneDiameter, double dp) {
    const double beta2 = 1.0 - (coneDiameter / kPipe) * (coneDiameter / kPipe);
    const double k =
        std::sqrt(2.0 * kRho) * std::numbers::pi / 4.0 * kPipe * kPipe * beta2 / std::sqrt(1.0 - beta2 * beta2);
    return cf * k * std::sqrt(dp);
}

FlowCase WaterCone() {
    return {DecodeDeviceSelection("VAT", "VCONE", "", "3"), true, kCf, 5e5, kPipe, kRho, 1e-3, 1.4, 1.0};
}

void StateSaysOrifice() {
    DeviceCode = "S";
    DeviceVariantCode = "F";
    CalibratedCf = 1.0;
}

TEST(FlowCores, ConeFlowDpAndBoreFollowTheCfAndEquationGiven) {
    StateSaysOrifice();
    const FlowCase c = WaterCone();
    for (double dp : {2500.0, 25000.0, 100000.0}) {
        const double q = HandConeFlow(kCf, kCone, dp);
        EXPECT_NEAR(FlowFromDiffPressureFor(c, dp, kCone) / q, 1.0, 1e-12) << dp;
        EXPECT_NEAR(DiffPressureFromFlowFor(c, q, kCone, 1e-7, 1001) / dp, 1.0, 1e-12) << dp;
        EXPECT_NEAR(ThroatDiameterFromFlowFor(c, q, dp) / kCone, 1.0, 1e-6) << dp;
        // From any start the flow at the second dp is the equation's, the coefficients having no flow in them.
        EXPECT_NEAR(FlowAtSecondDiffPressureFor(c, 1.0, 25000.0, dp, kCone) / q, 1.0, 1e-12) << dp;
    }
}

TEST(FlowCores, TheNamedRoutinesReadCfAndTheConeFromTheState) {
    DeviceCode = "VCONE";
    CalibratedCf = kCf;
    MaxMassFlow = 1.0;  // the start flow of FlowAtSecondDiffPressure
    double q = 0.0;
    FlowFromDiffPressure("VAT", "VCONE", "", "3", 5e5, 25000.0, kCone, kPipe, kRho, 1e-3, 1.4, 1.0, q);
    EXPECT_NEAR(q / HandConeFlow(kCf, kCone, 25000.0), 1.0, 1e-12);
    FlowAtSecondDiffPressure("VAT", "VCONE", "", "3", 5e5, 25000.0, 10000.0, kCone, kPipe, kRho, 1e-3, 1.4, 1.0, q);
    EXPECT_NEAR(q / HandConeFlow(kCf, kCone, 10000.0), 1.0, 1e-12);
}

}  // namespace
}  // namespace tubalyx
