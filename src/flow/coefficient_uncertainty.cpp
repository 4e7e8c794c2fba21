#include "flow/coefficient_uncertainty.h"

#include <array>
#include <string>

#include "flow/device_selection.h"
#include "media/medium_identification.h"
#include "numerics/checked.h"
#include "numerics/physical_constants.h"

namespace tubalyx {

namespace {

// A breakpoint of the venturi uncertainty tables and the slope of the segment that ends
// there (per unit of ReD); the first slope also continues below the first breakpoint.
struct UncertaintyPoint {
    double reynolds;
    double u;
    double slopeIn;
};

constexpr double Slope(double x0, double u0, double x1, double u1) { return (u1 - u0) / (x1 - x0); }

// clang-format off
constexpr std::array<UncertaintyPoint, 4> kWelded{{
    {4e4, 3.0, 0.0},
    {6e4, 2.5, Slope(4e4, 3.0, 6e4, 2.5)},
    {1e5, 2.5, 0.0},
    {2e6, 2.0, -0.5 * 5.263157894736842e-7}}};
constexpr std::array<UncertaintyPoint, 5> kAsCast{{
    {4e4, 2.5, 0.0},
    {6e4, 2.0, Slope(4e4, 2.5, 6e4, 2.0)},
    {1e5, 1.5, Slope(6e4, 2.0, 1e5, 1.5)},
    {1.5e5, 1.0, Slope(1e5, 1.5, 1.5e5, 1.0)},
    {2e6, 0.7, -0.3 * 5.405405405405406e-7}}};
constexpr std::array<UncertaintyPoint, 7> kMachined{{
    {5e4, 3.0, 0.0},
    {1e5, 2.5, Slope(5e4, 3.0, 1e5, 2.5)},
    {2e5, 2.5, 0.0},
    {3e5, 1.5, Slope(2e5, 2.5, 3e5, 1.5)},
    {5e5, 1.0, Slope(3e5, 1.5, 5e5, 1.0)},
    {1e6, 2.0, Slope(5e5, 1.0, 1e6, 2.0)},
    {2e6, 3.0, Slope(1e6, 2.0, 2e6, 3.0)}}};
// clang-format on

template <std::size_t N>
double VenturiUncertainty(const std::array<UncertaintyPoint, N>& t, double re) {
    CheckFinite(re);
    if (re <= t[0].reynolds) return t[0].u + (re - t[0].reynolds) * t[1].slopeIn;
    for (std::size_t i = 1; i < N; ++i)
        if (re <= t[i].reynolds) return t[i - 1].u + (re - t[i - 1].reynolds) * t[i].slopeIn;
    return t[N - 1].u;
}

double OrificeUncertainty(FlowStandard standard, double beta, double reynolds, double pipeDiameter) {
    switch (standard) {
        case FlowStandard::Iso2003: {
            double u = beta <= 0.2 ? 0.7 - beta : (beta <= 0.6 ? 0.5 : 1.667 * beta - 0.5);
            if (1000.0 * pipeDiameter < 71.12)
                u += 0.9 * (0.75 - beta) * (2.8 - 1000.0 * pipeDiameter / kMillimetresPerInch);
            if (beta > 0.5 && reynolds < 10000.0) u += 0.5;
            return u;
        }
        case FlowStandard::Iso1991: return beta <= 0.6 ? 0.5 : 1.667 * beta - 0.5;
        case FlowStandard::Din1952: return beta <= 0.6 ? 0.6 : beta;
        default: return 0.0;
    }
}

}  // namespace

void CoefficientUncertainty(std::string_view device, std::string_view variant, std::string_view medium,
                            std::string_view standard, double p, double beta, double dp, double reynolds, double kappa,
                            double pipeDiameter, double& uEpsilon, double& uC) {
    const FlowDevice dev = DecodeDevice(device);
    const bool gas = IsGasMedium(std::string(medium));
    const double b4 = beta * beta * beta * beta;
    double ue = 0.0;
    switch (dev) {
        case FlowDevice::Cone:
        case FlowDevice::WaferCone: uC = 0.5; break;
        case FlowDevice::Orifice:
            if (gas) ue = 3.5 * CheckedDiv(dp, kappa * p);
            uC = OrificeUncertainty(DecodeStandard(standard), beta, reynolds, pipeDiameter);
            break;
        case FlowDevice::Venturi: {
            if (gas) ue = (4.0 + 100.0 * b4 * b4) * CheckedDiv(dp, p);
            const DeviceVariant v = DecodeVariant(variant);
            uC = v == DeviceVariant::Welded     ? VenturiUncertainty(kWelded, reynolds)
                 : v == DeviceVariant::AsCast   ? VenturiUncertainty(kAsCast, reynolds)
                 : v == DeviceVariant::Machined ? VenturiUncertainty(kMachined, reynolds)
                                                : 0.0;
            break;
        }
        case FlowDevice::LongRadiusNozzle:
            if (gas) ue = 2.0 * CheckedDiv(dp, p);
            uC = 2.0;
            break;
        case FlowDevice::ShortVenturi:
            if (gas) ue = (4.0 + 100.0 * b4 * b4) * CheckedDiv(dp, p);
            uC = 1.2 + 1.5 * b4;
            break;
        case FlowDevice::IsaNozzle:
            if (gas) ue = 2.0 * CheckedDiv(dp, p);
            uC = beta <= 0.6 ? 0.8 : 2.0 * beta - 0.4;
            break;
        case FlowDevice::SegmentOrifice:
            if (gas) ue = 8.0 * CheckedDiv(dp, p);
            uC = 1.2 + 3.0 * b4;
            break;
        case FlowDevice::QuarterCircle:
            if (gas) ue = 5.0 * CheckedDiv(dp, p);
            uC = reynolds > 4000.0 ? 1.5 : 2.0;
            break;
        default: uC = 0.0; break;
    }
    uEpsilon = ue;
}

}  // namespace tubalyx
