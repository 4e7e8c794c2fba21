#include "flow/permanent_loss.h"

#include <cmath>

#include "flow/reynolds.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"

namespace tubalyx {
namespace {

constexpr double kVenturiLossSlope = 2.2222222222222223;  // 1 / 0.45 (beta 0.3 .. 0.75)

double RatioLoss(double x, double dp) { return CheckedDiv(1.0 - x, 1.0 + x) * dp; }

double OrificeNozzleLoss(FlowStandard standard, double dp, double beta, double c, double e) {
    const double b2 = beta * beta;
    const double b4 = b2 * b2;
    switch (standard) {
        case FlowStandard::Iso2003: {
            const double root = CheckedSqrt(1.0 - b4 * (1.0 - c * c));
            return CheckedDiv(root - c * b2, root + c * b2) * dp;
        }
        case FlowStandard::Iso1991: {
            const double root = CheckedSqrt(1.0 - b4);
            return CheckedDiv(root - c * b2, root + c * b2) * dp;
        }
        case FlowStandard::Din1952: return RatioLoss(b2 * c * e, dp);
        default: return 0.0;
    }
}

}  // namespace

double PermanentPressureLossFor(FlowDevice device, FlowStandard standard, bool stateCone, double pipeDiameter,
                                double viscosity, double massFlow, double dp, double beta, double c, double e) {
    double loss = 0.0;
    if (stateCone) {
        loss = (1.3 - 1.25 * beta) * dp;
    } else {
        switch (device) {
            case FlowDevice::Orifice:
            case FlowDevice::LongRadiusNozzle:
            case FlowDevice::IsaNozzle: loss = OrificeNozzleLoss(standard, dp, beta, c, e); break;
            case FlowDevice::ShortVenturi:
                loss = (7.195289 + 38.97224 * PowerDouble(std::fabs(0.8 - beta * beta), 3.8)) * dp * 0.01;
                break;
            case FlowDevice::SegmentOrifice:
            case FlowDevice::QuarterCircle: loss = RatioLoss(beta * beta * c * e, dp); break;
            default: {
                loss = (0.1 + (0.3 - beta) * 0.04 * kVenturiLossSlope) * dp;
                const double re = ReynoldsNumber(pipeDiameter, viscosity, massFlow);
                if (re < 600000.0) loss *= 1.0 + (600000.0 - re) * 2.5e-6 * 0.5;
                break;
            }
        }
    }
    CheckFinite(loss);
    return loss < 0.0 ? 0.0 : loss;
}

double PermanentPressureLoss(std::string_view device, std::string_view standard, double pipeDiameter, double viscosity,
                             double massFlow, double dp, double beta, double c, double e) {
    return PermanentPressureLossFor(DecodeDevice(device), DecodeStandard(standard), StateDeviceIsCone(), pipeDiameter,
                                    viscosity, massFlow, dp, beta, c, e);
}

}  // namespace tubalyx
