// The state at the pressure tappings from the state at a thermometer pocket: the line loss and
// the device's permanent loss on either side, the orifice tappings moved by the change of the
// discharge coefficient, and the line state for every other device.
#include "reports/thermometer_tappings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "flow/permanent_loss.h"
#include "numerics/checked.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/reset.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

constexpr double kLineLoss = 800.0;  // Pa
// A throttling line: the temperature falls 0.2 K per bar of pressure drop.
double Throttled(double, double t, double toPressure, double fromPressure) {
    return t - 0.2e-5 * (fromPressure - toPressure);
}

class ThermometerTappingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetStateVariables();
        MediumCode = "LUF";
        PhaseLetter = 'N';
        StandardLetter = '3';
        OperatingPressure = 6e5;
        OperatingTemperature = 40.0;
        PipeDiameter = PipeDiameterColdM = 0.2;
        BoreDiameter = 0.1;
        DiameterRatioBeta = 0.5;
        DischargeCoefficientC = 0.605;
        VelocityOfApproachFactor = 1.0 / std::sqrt(1.0 - 0.0625);
        MaxDpPa = 20000.0;
        MaxMassFlow = 3.0;
        DynamicViscosityPas = 1.9e-5;
        ReynoldsAtMaxFlow = 1.0e6;
        FlowDensity = 6.7;
        UpstreamTappingPressure = DownstreamTappingPressure = 0.0;
        UpstreamTappingTemperature = DownstreamTappingTemperature = kNoTappingTemperature;
    }

    static PocketLine Line() {
        return {kLineLoss, [](double p, double t, double to) { return Throttled(p, t, to, p); }};
    }
    static double DeviceLoss() {
        return PermanentPressureLoss(DeviceCode, "3", PipeDiameter, DynamicViscosityPas, MaxMassFlow, MaxDpPa,
                                     DiameterRatioBeta, DischargeCoefficientC, VelocityOfApproachFactor);
    }
};

TEST_F(ThermometerTappingsTest, DAndD2TappingsAndOtherDevicesSeeTheLineState) {
    for (const char* device : {"S", "V", "D", "VCONE"}) {
        SetUp();
        DeviceCode = device;
        DeviceVariantCode = std::string(device) == "S" ? "D" : "";
        SetTappingState(Line());
        const double up = OperatingPressure - kLineLoss;
        const double down = OperatingPressure + DeviceLoss() + kLineLoss;
        EXPECT_GT(DeviceLoss(), 0.0) << device;
        EXPECT_DOUBLE_EQ(UpstreamTappingPressure, up) << device;
        EXPECT_DOUBLE_EQ(DownstreamTappingPressure, down) << device;
        EXPECT_DOUBLE_EQ(UpstreamTappingTemperature, 40.0 - 0.2e-5 * kLineLoss) << device;
        EXPECT_DOUBLE_EQ(DownstreamTappingTemperature, 40.0 + 0.2e-5 * (down - OperatingPressure)) << device;
    }
}

TEST_F(ThermometerTappingsTest, CornerAndFlangeTappingsMoveByTheCoefficientChange) {
    DeviceCode = "S";
    DeviceVariantCode = "D";
    SetTappingState(Line());
    const double up = UpstreamTappingPressure, down = DownstreamTappingPressure;
    const double upT = UpstreamTappingTemperature, downT = DownstreamTappingTemperature;

    double shifts[2];
    const char* variants[] = {"R", "F"};
    for (int i = 0; i < 2; ++i) {
        DeviceVariantCode = variants[i];
        SetTappingState(Line());
        shifts[i] = UpstreamTappingPressure - up;
        EXPECT_NEAR(DownstreamTappingPressure - down, shifts[i], 1e-6) << variants[i];
        // Each tapping's temperature follows from the line state at its side.
        EXPECT_NEAR(UpstreamTappingTemperature, upT - 0.2e-5 * (up - UpstreamTappingPressure), 1e-12);
        EXPECT_NEAR(DownstreamTappingTemperature, downT - 0.2e-5 * (down - DownstreamTappingPressure), 1e-12);
    }
    // Reader-Harris/Gallagher (ISO 5167-2:2003, 5.3.2.1) at beta 0.5, Re 1e6, D 200 mm by hand:
    // C(L1 = 0) = 0.603777, C(L1 = 25.4 mm / D) = 0.604768, C(L1 = 1) = 0.606629, so the
    // corner tappings move by |C1 - C0| / C0 * dp and the flange tappings by |C1 - CF| / CF * dp.
    EXPECT_NEAR(shifts[0], 94.467, 0.01);
    EXPECT_NEAR(shifts[1], 61.537, 0.01);

    // Another variant sets nothing.
    UpstreamTappingPressure = 1.0;
    DeviceVariantCode = "X";
    SetTappingState(Line());
    EXPECT_EQ(UpstreamTappingPressure, 1.0);
}

TEST_F(ThermometerTappingsTest, LengthVelocityAndWhenTheStepApplies) {
    Form1().givenrakin.SetText("3,5");
    SolveFor = "DI";
    DeviceCode = "S";
    DeviceVariantCode = "F";
    EXPECT_DOUBLE_EQ(ThermometerLength(9.0), 3.5);
    DeviceVariantCode = "R";
    EXPECT_DOUBLE_EQ(ThermometerLength(9.0), 3.5 - PipeDiameter);
    SolveFor = "OK";
    EXPECT_DOUBLE_EQ(ThermometerLength(9.0), 9.0);

    // Re = rho v D / mu.
    EXPECT_NEAR(PocketFlowVelocity() * FlowDensity * PipeDiameterColdM / DynamicViscosityPas, 1.0e6, 1e-6);
    FlowDensity = 0.0;
    EXPECT_THROW(PocketFlowVelocity(), CalcError);

    Form1().bestyckningtext.SetCaption("9. Termometerficka < 3% av rördiameter");
    EXPECT_TRUE(ThermometerStepApplies());
    PhaseLetter = 'V';
    MediumCode = "VAT";
    EXPECT_FALSE(ThermometerStepApplies());
    MediumCode = "LUF";
    PhaseLetter = 'N';
    Form1().bestyckningtext.SetCaption("1. Enkel 90 graders böj eller T-stycke");
    EXPECT_FALSE(ThermometerStepApplies());
}

}  // namespace
}  // namespace tubalyx
