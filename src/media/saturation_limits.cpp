#include "media/saturation_limits.h"

#include "numerics/physical_constants.h"
#include "state/keywords.h"

namespace tubalyx {

namespace {

// A saturation line's ends: temperatures in K, pressures in Pa absolute.
struct SaturationLine {
    double tripleTemperature = 0.0, triplePressure = 0.0;
    double criticalTemperature = 0.0, criticalPressure = 0.0;
};

// The triple and critical points of the reference equations of state that the property data
// comes from, as the paper of each equation publishes them.
// Schmidt and Wagner, Fluid Phase Equilib. 19 (1985) 175.
constexpr SaturationLine kOxygen{54.361, 146.28, 154.581, 5.043e6};
// Tegeler, Span and Wagner, J. Phys. Chem. Ref. Data 28 (1999) 779.
constexpr SaturationLine kArgon{83.8058, 68891.0, 150.687, 4.863e6};
// Normal hydrogen: Leachman, Jacobsen, Penoncello and Lemmon, J. Phys. Chem. Ref. Data 38 (2009) 721.
constexpr SaturationLine kHydrogen{13.957, 7358.0, 33.145, 1.2964e6};
// Span, Lemmon, Jacobsen, Wagner and Yokozeki, J. Phys. Chem. Ref. Data 29 (2000) 1361.
constexpr SaturationLine kNitrogen{63.151, 12519.8, 126.192, 3.3958e6};
// Span and Wagner, J. Phys. Chem. Ref. Data 25 (1996) 1509.
constexpr SaturationLine kCarbonDioxide{216.592, 517950.0, 304.1282, 7.3773e6};
// Ozone has no such equation: its critical point is the one the property data takes (261.0 K
// after Mathews, 5.57 MPa after the DIPPR compilation), its triple point the lower end of the
// DIPPR correlations of its saturated liquid, 80.15 K, at the pressure of their vapour-pressure
// equation 101 there.
constexpr SaturationLine kOzone{80.15, 0.7346, 261.0, 5.57e6};

// Typed values at a line's end, converted from other units, miss it by rounding only.
constexpr double kRounding = 1e-12;

// The saturation line of a liquefied gas's keyword; nullptr for any other medium.
const SaturationLine* SaturationLineOf(const std::string& keyword) {
    if (keyword == kMediumOxygen) return &kOxygen;
    // Helium's saturated states are argon's, rescaled by molar mass: its line is argon's.
    if (keyword == kMediumArgon || keyword == kMediumHelium) return &kArgon;
    if (keyword == kMediumHydrogen) return &kHydrogen;
    if (keyword == kMediumNitrogen) return &kNitrogen;
    if (keyword == kMediumCarbonDioxide) return &kCarbonDioxide;
    if (keyword == kMediumOzone) return &kOzone;
    return nullptr;
}

}  // namespace

bool SaturationStateExists(const std::string& keyword, char phase, double P, double t) {
    const SaturationLine* line = SaturationLineOf(keyword);
    if (!line || phase == kPhaseNone) return true;
    if (phase == kPhaseVapourAtPressure || phase == kPhaseLiquidAtPressure)
        return P >= line->triplePressure * (1 - kRounding) && P <= line->criticalPressure * (1 + kRounding);
    const double kelvin = t + kKelvinOffset;
    return kelvin >= line->tripleTemperature * (1 - kRounding) && kelvin <= line->criticalTemperature * (1 + kRounding);
}

double SaturationCriticalPressurePa(const std::string& keyword) {
    const SaturationLine* line = SaturationLineOf(keyword);
    return line ? line->criticalPressure : 0.0;
}

}  // namespace tubalyx
