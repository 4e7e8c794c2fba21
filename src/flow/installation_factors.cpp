#include "flow/installation_factors.h"

#include <cmath>

#include "flow/device_selection.h"
#include "flow/reynolds.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "state/geometry.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {

void RoughnessCorrectionFactor(double pipeDiameter, double roughness, double massFlow, double& factor, double& percent,
                               double& polynomial) {
    if (roughness <= 1e-14) {
        factor = 1.0;
        percent = 0.0;
        polynomial = 0.0;
        return;
    }
    const double re = ReynoldsNumber(pipeDiameter, DynamicViscosityPas, massFlow);
    const double l = Log10Abs(CheckedDiv(1e4 * roughness, PipeDiameterColdM));
    const FlowDevice dev = DecodeDevice(DeviceCode);
    double a = 0.0;
    if (dev == FlowDevice::IsaNozzle || dev == FlowDevice::LongRadiusNozzle || dev == FlowDevice::ShortVenturi)
        a = 15.9 * l - 13.9 * l * l + 5.3 * l * l * l - 5.5;
    else if (dev == FlowDevice::SegmentOrifice || (dev == FlowDevice::Orifice && DeviceVariantCode == kVariantCorner))
        a = 10.3 * l - 5.9 * l * l + 2.8 * l * l * l - 4.4;
    else if (dev == FlowDevice::Orifice)
        a = 7.0 * l - 4.0;
    if (a < 0.0) a = 0.0;
    const double m = CheckedDiv(BoreDiameter * BoreDiameter, pipeDiameter * pipeDiameter);
    const double b4 = m * m;
    double br = 1.0;
    if (a <= 1e-9 || re < 1e4) {
        br = 1.0;
    } else if (re < 1e6) {
        const double lr = Log10Abs(re) - 6.0;
        br = 1.0 + 0.01 * a * b4 * (1.0 - 0.25 * lr * lr);
    } else {
        br = 1.0 + 0.01 * a * b4;
    }
    // A bore far beyond the pipe overflows beta^4: an error, not an infinite factor.
    factor = CheckFinite(br, "overflow in the roughness correction factor");
    percent = std::fabs(factor - 1.0) * 100.0;
    polynomial = a;
}

void BendCorrectionFactor(double length, double pipeDiameter, double beta, double& factor) {
    const double r = CheckedDiv(length, pipeDiameter);
    const double a = 0.997 + 0.00047 * r - 9e-6 * r * r;
    const double b = 0.8587 + 0.00815 * r - 0.000126 * r * r;
    const double b5 = beta * beta * beta * beta * beta;
    double f = CheckFinite(a + CheckedLn(b) * b5, "overflow in the bend correction factor");
    if (f > 1.0) f = 1.0;
    factor = (f + 1.0) * 0.5;
}

}  // namespace tubalyx
