#include "flow/expansibility.h"

#include "numerics/checked.h"
#include "numerics/number_text.h"

namespace tubalyx {

double OrificeExpansibility(double beta, double p, double dp, double kappa) {
    return ExpansibilityLaw(FlowDevice::Orifice, p, dp, kappa).At(beta);
}

double NozzleExpansibility(double beta, double p, double dp, double kappa) {
    return ExpansibilityLaw(FlowDevice::IsaNozzle, p, dp, kappa).At(beta);
}

double LinearExpansibility(double a, double b, double betaPower, double p, double dp, double kappa) {
    return 1.0 - (a + b * betaPower) * CheckedDiv(dp, kappa * p);
}

double GasExpansibility(FlowDevice device, double beta, double p, double dp, double kappa) {
    return ExpansibilityLaw(device, p, MinDouble(dp, p), kappa).At(beta);
}

ExpansibilityLaw::ExpansibilityLaw(FlowDevice device, double p, double dp, double kappa) : device_(device) {
    switch (device) {
        case FlowDevice::Orifice:
            pressureTerm_ = 1.0 - PowerDouble(CheckedDiv(std::fabs(p - dp), p), CheckedDiv(1.0, kappa));
            break;
        case FlowDevice::Venturi:
        case FlowDevice::IsaNozzle:
        case FlowDevice::LongRadiusNozzle:
        case FlowDevice::ShortVenturi: {
            const double tau = CheckedDiv(p - dp, p);
            const double oneMinusTau = 1.0 - tau;
            atRest_ = oneMinusTau == 0.0;
            if (atRest_) break;
            tau2k_ = PowerDouble(tau, CheckedDiv(2.0, kappa));
            first_ = CheckedDiv(kappa * tau2k_, kappa - 1.0);
            third_ = CheckedDiv(1.0 - PowerDouble(tau, CheckedDiv(kappa - 1.0, kappa)), oneMinusTau);
            break;
        }
        case FlowDevice::Cone:
        case FlowDevice::WaferCone:
        case FlowDevice::SegmentOrifice:
        case FlowDevice::QuarterCircle: pressureTerm_ = CheckedDiv(dp, kappa * p); break;
        default: break;
    }
}

double ExpansibilityLaw::At(double beta) const {
    const double b4 = beta * beta * beta * beta;
    switch (device_) {
        case FlowDevice::Orifice: return 1.0 - (0.351 + 0.256 * b4 + 0.93 * b4 * b4) * pressureTerm_;
        case FlowDevice::Venturi:
        case FlowDevice::IsaNozzle:
        case FlowDevice::LongRadiusNozzle:
        case FlowDevice::ShortVenturi: {
            if (atRest_) return 1.0;
            const double second = CheckedDiv(1.0 - b4, 1.0 - b4 * tau2k_);
            return CheckedSqrt(first_ * second * third_);
        }
        // Linear laws 1 - (a + b beta^n) dp / (kappa p).
        case FlowDevice::Cone: return 1.0 - (0.649 + 0.696 * b4) * pressureTerm_;
        case FlowDevice::WaferCone: return 1.0 - (0.755 + 6.787 * (b4 * b4)) * pressureTerm_;
        case FlowDevice::SegmentOrifice: return 1.0 - (0.41 + 0.35 * b4) * pressureTerm_;
        case FlowDevice::QuarterCircle: return 1.0 - (0.484 + 1.54 * b4) * pressureTerm_;
        default: return 1.0;
    }
}

}  // namespace tubalyx
