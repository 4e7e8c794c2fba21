#include "flow/expansibility.h"

#include "numerics/checked.h"
#include "numerics/number_text.h"

namespace tubalyx {

double OrificeExpansibility(double beta, double p, double dp, double kappa) {
    const double b4 = beta * beta * beta * beta;
    const double ratio = CheckedDiv(std::fabs(p - dp), p);
    return 1.0 - (0.351 + 0.256 * b4 + 0.93 * b4 * b4) *
                     (1.0 - PowerDouble(ratio, CheckedDiv(1.0, kappa)));
}

double NozzleExpansibility(double beta, double p, double dp, double kappa) {
    const double tau = CheckedDiv(p - dp, p);
    const double oneMinusTau = 1.0 - tau;
    if (oneMinusTau == 0.0) return 1.0;
    const double b4 = beta * beta * beta * beta;
    const double tau2k = PowerDouble(tau, CheckedDiv(2.0, kappa));
    const double first = CheckedDiv(kappa * tau2k, kappa - 1.0);
    const double second = CheckedDiv(1.0 - b4, 1.0 - b4 * tau2k);
    const double third =
        CheckedDiv(1.0 - PowerDouble(tau, CheckedDiv(kappa - 1.0, kappa)), oneMinusTau);
    return CheckedSqrt(first * second * third);
}

double LinearExpansibility(double a, double b, double betaPower, double p, double dp,
                           double kappa) {
    return 1.0 - (a + b * betaPower) * CheckedDiv(dp, kappa * p);
}

double GasExpansibility(FlowDevice device, double beta, double p, double dp, double kappa) {
    const double dpx = MinDouble(dp, p);
    const double b4 = beta * beta * beta * beta;
    switch (device) {
        case FlowDevice::Cone: return LinearExpansibility(0.649, 0.696, b4, p, dpx, kappa);
        case FlowDevice::WaferCone:
            return LinearExpansibility(0.755, 6.787, b4 * b4, p, dpx, kappa);
        case FlowDevice::Venturi:
        case FlowDevice::IsaNozzle:
        case FlowDevice::LongRadiusNozzle:
        case FlowDevice::ShortVenturi: return NozzleExpansibility(beta, p, dpx, kappa);
        case FlowDevice::Orifice: return OrificeExpansibility(beta, p, dpx, kappa);
        case FlowDevice::SegmentOrifice:
            return LinearExpansibility(0.41, 0.35, b4, p, dpx, kappa);
        case FlowDevice::QuarterCircle:
            return LinearExpansibility(0.484, 1.54, b4, p, dpx, kappa);
        default: return 1.0;
    }
}

}  // namespace tubalyx
