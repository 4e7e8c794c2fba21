#include "flow/discharge_coefficient.h"

#include <array>
#include <cmath>

#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "state/geometry.h"

namespace tubalyx {
namespace {

constexpr double kInchPerMm = 0.03937007874015748;  // 1 / 25.4

struct VenturiPoint {
    double reynolds;
    double c;
};

constexpr std::array<VenturiPoint, 4> kWeldedVenturi{{
    {4e4, 0.960}, {6e4, 0.970}, {1e5, 0.980}, {2e6, 0.985}}};
constexpr std::array<VenturiPoint, 5> kAsCastVenturi{{
    {4e4, 0.957}, {6e4, 0.966}, {1e5, 0.976}, {1.5e5, 0.982}, {2e6, 0.984}}};
constexpr std::array<VenturiPoint, 7> kMachinedVenturi{{
    {5e4, 0.970}, {1e5, 0.977}, {2e5, 0.992}, {3e5, 0.998}, {5e5, 0.995}, {1e6, 1.000},
    {2e6, 1.010}}};

template <std::size_t N>
double Interpolate(const std::array<VenturiPoint, N>& table, double re) {
    if (!(re > table.front().reynolds)) {
        CheckFinite(re);
        return table.front().c;
    }
    for (std::size_t i = 1; i < N; ++i) {
        if (re <= table[i].reynolds) {
            const VenturiPoint& a = table[i - 1];
            const VenturiPoint& b = table[i];
            return a.c + (b.c - a.c) * (re - a.reynolds) / (b.reynolds - a.reynolds);
        }
    }
    return table.back().c;
}

}  // namespace

void OrificeTappingDistances(DeviceVariant variant, double pipeDiameter, double& l1, double& l2) {
    switch (variant) {
        case DeviceVariant::Flange:
            l1 = l2 = CheckedDiv(25.4 * 0.001, pipeDiameter);
            break;
        case DeviceVariant::DAndD2:
            l1 = 1.0;
            l2 = 0.47;
            break;
        default:  // corner tappings
            l1 = l2 = 0.0;
            break;
    }
}

OrificeBetaTerms MakeOrificeBetaTerms(double beta, double l1, double l2, double pipeDiameter) {
    OrificeBetaTerms t;
    t.b2 = beta * beta;
    const double b4 = t.b2 * t.b2;
    t.b8 = b4 * b4;
    t.b35 = PowerDouble(beta, 3.5);
    t.b13 = PowerDouble(beta, 1.3);
    t.tapping = 0.043 + 0.080 * std::exp(-10.0 * l1) - 0.123 * std::exp(-7.0 * l1);
    t.ratio = CheckedDiv(b4, 1.0 - b4);
    const double m2 = CheckedDiv(2.0 * l2, 1.0 - beta);
    t.m2Term = m2 - 0.8 * PowerDouble(m2, 1.1);
    t.smallPipe = 1000.0 * pipeDiameter < 71.12
                      ? 0.011 * (0.75 - beta) * (2.8 - 1000.0 * pipeDiameter * kInchPerMm)
                      : 0.0;
    return t;
}

double ReaderHarrisGallagherC(const OrificeBetaTerms& t, double beta, double reynolds) {
    const double a = PowerDouble(CheckedDiv(19000.0 * beta, reynolds), 0.8);
    const double re6 = CheckedDiv(1e6, reynolds);
    double c = 0.5961 + 0.0261 * t.b2 - 0.216 * t.b8 +
               0.000521 * PowerDouble(CheckedDiv(1e6 * beta, reynolds), 0.7) +
               (0.0188 + 0.0063 * a) * t.b35 * PowerDouble(re6, 0.3) +
               t.tapping * (1.0 - 0.11 * a) * t.ratio - 0.031 * t.m2Term * t.b13;
    c += t.smallPipe;
    return CheckFinite(c);
}

double ReaderHarrisGallagherC(double beta, double reynolds, double l1, double l2,
                              double pipeDiameter) {
    return ReaderHarrisGallagherC(MakeOrificeBetaTerms(beta, l1, l2, pipeDiameter), beta,
                                  reynolds);
}

double OrificeDischargeCoefficient(double beta, double reynolds, double l1, double l2) {
    return ReaderHarrisGallagherC(beta, reynolds, l1, l2, PipeDiameter);
}

double StolzOrificeC(DeviceVariant variant, double beta, double reynolds, double pipeDiameter) {
    const double b3 = beta * beta * beta;
    const double b4 = b3 * beta;
    const double c0 = 0.5959 + 0.0312 * PowerDouble(beta, 2.1) - 0.184 * b4 * b4 +
                      0.0029 * PowerDouble(beta, 2.5) *
                          PowerDouble(CheckedDiv(1e6, reynolds), 0.75);
    switch (variant) {
        case DeviceVariant::Flange:
            return c0 + CheckedDiv(2.286 * 0.001, pipeDiameter) * CheckedDiv(b4, 1.0 - b4) -
                   CheckedDiv(0.85598 * 0.001, pipeDiameter) * b3;
        case DeviceVariant::DAndD2:
            return c0 + 0.039 * CheckedDiv(b4, 1.0 - b4) - 0.015839 * b3;
        default: return c0;
    }
}

double IsaNozzleC(FlowStandard standard, double beta, double reynolds) {
    const double re = PowerDouble(CheckedDiv(1e6, reynolds), 1.15);
    const double base = 0.99 - 0.2262 * PowerDouble(beta, 4.1);
    switch (standard) {
        case FlowStandard::Iso2003:
        case FlowStandard::Iso1991:
            return base - (0.00175 * beta * beta - 0.0033 * PowerDouble(beta, 4.15)) * re;
        case FlowStandard::Din1952:
            return base + (0.000215 - 0.001125 * beta + 0.00249 * PowerDouble(beta, 4.7)) * re;
        default: return 0.0;
    }
}

double LongRadiusNozzleC(double beta, double reynolds) {
    return 0.9965 - 0.00653 * PowerDouble(beta, 0.5) * PowerDouble(CheckedDiv(1e6, reynolds), 0.5);
}

double ShortVenturiC(double beta) { return 0.9858 - 0.196 * PowerDouble(beta, 4.5); }

double SegmentOrificeC(double beta) {
    const double b4 = beta * beta * beta * beta;
    return 0.6057 - 0.0822 * b4 - 0.5508 * b4 * b4 * b4 * b4;
}

double QuarterCircleC(double beta) {
    const double b4 = beta * beta * beta * beta;
    return 0.769 + 0.527 * b4 + 0.423 * b4 * b4;
}

double ClassicalVenturiC(DeviceVariant variant, double reynolds, double beta) {
    switch (variant) {
        case DeviceVariant::Welded: return Interpolate(kWeldedVenturi, reynolds);
        case DeviceVariant::AsCast: return Interpolate(kAsCastVenturi, reynolds);
        case DeviceVariant::Machined:
            return Interpolate(kMachinedVenturi, CheckedDiv(reynolds, beta));
        default: return 0.0;  // no make chosen: no table applies
    }
}

double DischargeCoefficient(const DeviceSelection& sel, double beta, double reynolds,
                            double pipeDiameter) {
    switch (sel.device) {
        case FlowDevice::Orifice: {
            if (sel.standard == FlowStandard::Din1952)
                return StolzOrificeC(sel.variant, beta, reynolds, pipeDiameter);
            double l1 = 0.0, l2 = 0.0;
            OrificeTappingDistances(sel.variant, pipeDiameter, l1, l2);
            if (sel.standard == FlowStandard::Iso2003)
                return ReaderHarrisGallagherC(beta, reynolds, l1, l2, pipeDiameter);
            if (sel.standard == FlowStandard::Iso1991)
                return OrificeDischargeCoefficient(beta, reynolds, l1, l2);
            return 0.0;
        }
        case FlowDevice::IsaNozzle: return IsaNozzleC(sel.standard, beta, reynolds);
        case FlowDevice::LongRadiusNozzle: return LongRadiusNozzleC(beta, reynolds);
        case FlowDevice::ShortVenturi: return ShortVenturiC(beta);
        case FlowDevice::SegmentOrifice: return SegmentOrificeC(beta);
        case FlowDevice::QuarterCircle: return QuarterCircleC(beta);
        case FlowDevice::Venturi: return ClassicalVenturiC(sel.variant, reynolds, beta);
        case FlowDevice::Cone:
        case FlowDevice::WaferCone: return 1.0;
        default: return 0.0;
    }
}

}  // namespace tubalyx
