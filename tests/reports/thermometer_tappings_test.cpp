// The state at the pressure tappings from the state at a thermometer pocket.
#include "reports/thermometer_tappings.h"

#include <gtest/gtest.h>

#include <cmath>

#include "flow/permanent_loss.h"
#include "numerics/separator_guard.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

constexpr double kLineLoss = 800.0;  // Pa
// A throttling line: the temperature falls 0.2 K per bar of pressure drop.
const PocketLine kLine{kLineLoss, [](double p, double t, double to) { return t - 0.2e-5 * (p - to); }};

// Air at 6 bar abs and 40 degrees C through a beta-0.5 device in a 200 mm pipe.
void AirDuty(const char* device, const char* variant) {
    DeviceCode = device, DeviceVariantCode = variant, MediumCode = "LUF", PhaseLetter = 'N';
    OperatingPressure = 6e5, OperatingTemperature = 40.0, FlowDensity = 6.7, DynamicViscosityPas = 1.9e-5;
    PipeDiameter = PipeDiameterColdM = 0.2, BoreDiameter = 0.1, DiameterRatioBeta = 0.5;
    DischargeCoefficientC = 0.605, VelocityOfApproachFactor = 1.0 / std::sqrt(1.0 - 0.0625);
    MaxDpPa = 20000.0, MaxMassFlow = 3.0, ReynoldsAtMaxFlow = 1.0e6;
}

TEST(ThermometerTappings, DAndD2TappingsAndOtherDevicesSeeTheLineState) {
    for (const char* device : {"S", "V", "D", "VCONE"}) {
        AirDuty(device, "D");
        SetTappingState(kLine);
        const double loss =
            PermanentPressureLoss(device, "3", 0.2, 1.9e-5, 3.0, 20000.0, 0.5, 0.605, VelocityOfApproachFactor);
        EXPECT_GT(loss, 0.0) << device;
        EXPECT_DOUBLE_EQ(UpstreamTappingPressure, 6e5 - kLineLoss) << device;
        EXPECT_DOUBLE_EQ(DownstreamTappingPressure, 6e5 + loss + kLineLoss) << device;
        EXPECT_DOUBLE_EQ(UpstreamTappingTemperature, 40.0 - 0.2e-5 * kLineLoss) << device;
        EXPECT_DOUBLE_EQ(DownstreamTappingTemperature, 40.0 + 0.2e-5 * (loss + kLineLoss)) << device;
    }
}

TEST(ThermometerTappings, CornerAndFlangeTappingsMoveByTheCoefficientChange) {
    // Reader-Harris/Gallagher (ISO 5167-2:2003, 5.3.2.1) at beta 0.5, Re 1e6, D 200 mm by hand:
    // C(L1 = 0) = 0.603777, C(L1 = 25.4 mm / D) = 0.604768, C(L1 = 1) = 0.606629; the tappings
    // move by |C1 - C0| / C0 * dp (corner) and |C1 - CF| / CF * dp (flange).
    const struct {
        const char* variant;
        double shift;
    } cases[] = {{"R", 94.467}, {"F", 61.537}};
    AirDuty("S", "D");
    SetTappingState(kLine);
    const double up = UpstreamTappingPressure, down = DownstreamTappingPressure;
    const double upT = UpstreamTappingTemperature, downT = DownstreamTappingTemperature;
    for (const auto& c : cases) {
        DeviceVariantCode = c.variant;
        SetTappingState(kLine);
        EXPECT_NEAR(UpstreamTappingPressure - up, c.shift, 0.01) << c.variant;
        EXPECT_NEAR(DownstreamTappingPressure - down, c.shift, 0.01) << c.variant;
        EXPECT_NEAR(UpstreamTappingTemperature, upT + 0.2e-5 * (UpstreamTappingPressure - up), 1e-12) << c.variant;
        EXPECT_NEAR(DownstreamTappingTemperature, downT + 0.2e-5 * (DownstreamTappingPressure - down), 1e-12)
            << c.variant;
    }
    UpstreamTappingPressure = 1.0;
    DeviceVariantCode = "X";  // another variant sets nothing
    SetTappingState(kLine);
    EXPECT_EQ(UpstreamTappingPressure, 1.0);
}

TEST(ThermometerTappings, LengthVelocityAndWhenTheStepApplies) {
    SeparatorGuard comma(',');
    AirDuty("S", "R");
    Form1().givenrakin.SetText("3,5");
    EXPECT_DOUBLE_EQ(ThermometerLength(9.0), 3.5 - 0.2);                  // corner tappings: one D less
    EXPECT_NEAR(PocketFlowVelocity() * 6.7 * 0.2 / 1.9e-5, 1.0e6, 1e-6);  // Re = rho v D / mu
    Form1().bestyckningtext.SetCaption("9. Termometerficka < 3% av rördiameter");
    EXPECT_TRUE(ThermometerStepApplies());
    PhaseLetter = 'V';
    EXPECT_FALSE(ThermometerStepApplies());
}

}  // namespace
}  // namespace tubalyx
