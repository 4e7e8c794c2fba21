#include "media/possible_state.h"

#include <cmath>

#include "numerics/checked.h"
#include "state/keywords.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

bool Positive(double x) { return std::isfinite(x) && x > 0.0; }
bool NotNegative(double x) { return std::isfinite(x) && x >= 0.0; }

}  // namespace

bool PossibleMediumState(const MediumStateValues& s, const std::string& medium, bool viscosityNeeded) {
    const bool heatCapacities = !(s.kappa == 0.0 && s.cp == 0.0 && s.cv == 0.0);
    if (heatCapacities && !(Positive(s.kappa) && Positive(s.cp) && Positive(s.cv))) return false;
    const bool noViscosity = !viscosityNeeded && !heatCapacities && medium == kMediumOzone;
    if (!(noViscosity ? s.viscosity == 0.0 : Positive(s.viscosity))) return false;
    const bool parts =
        NotNegative(s.dryDensity) && NotNegative(s.vapourDensity) && (s.vapourDensity == 0.0 || s.dryDensity > 0.0);
    return Positive(s.density) && parts && std::isfinite(s.enthalpy) && std::fabs(s.enthalpy) <= kLargestEnthalpy;
}

bool PossibleOperatingState(bool viscosityNeeded) {
    MediumStateValues s;
    s.pressure = OperatingPressure;
    s.temperature = OperatingTemperature;
    s.density = FlowDensity;
    s.dryDensity = DryGasDensity;
    s.vapourDensity = VapourPartDensity;
    s.viscosity = DynamicViscosityPas;
    s.kappa = KappaOperating;
    s.cp = CpOperating;
    s.cv = CvOperating;
    s.enthalpy = EnthalpyOperating;
    return PossibleMediumState(s, MediumCode, viscosityNeeded);
}

bool BelowSpeedOfSound(double velocity, double kappa, double pressure, double density) {
    return std::fabs(velocity) < CheckedSqrt(CheckedDiv(kappa * pressure, density));
}

void RequirePossibleState(const MediumStateValues& s, const std::string& medium, bool viscosityNeeded) {
    if (!PossibleMediumState(s, medium, viscosityNeeded)) throw CalcError("a medium state no medium can have");
}

}  // namespace tubalyx
