#include "media/possible_state.h"

#include <cmath>

#include "media/medium_identification.h"
#include "numerics/checked.h"
#include "state/keywords.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

bool NotNegative(double x) { return std::isfinite(x) && x >= 0.0; }

}  // namespace

bool PossibleMediumState(const MediumStateValues& s, const std::string& medium, bool viscosityNeeded) {
    const bool heatCapacities = GivesHeatCapacities(s.kappa, s.cp, s.cv);
    if (heatCapacities && !(PositiveProperty(s.kappa) && PositiveProperty(s.cp) && PositiveProperty(s.cv)))
        return false;
    const bool noViscosity = !viscosityNeeded && !heatCapacities && medium == kMediumOzone;
    if (!(noViscosity ? s.viscosity == 0.0 : PositiveProperty(s.viscosity))) return false;
    const bool parts =
        NotNegative(s.dryDensity) && NotNegative(s.vapourDensity) && (s.vapourDensity == 0.0 || s.dryDensity > 0.0);
    return PositiveProperty(s.density) && parts && std::isfinite(s.enthalpy) &&
           std::fabs(s.enthalpy) <= kLargestEnthalpy;
}

bool PossibleOperatingState(bool viscosityNeeded) {
    return PossibleMediumState({.pressure = OperatingPressure,
                                .temperature = OperatingTemperature,
                                .density = FlowDensity,
                                .dryDensity = DryGasDensity,
                                .vapourDensity = VapourPartDensity,
                                .viscosity = DynamicViscosityPas,
                                .kappa = KappaOperating,
                                .cp = CpOperating,
                                .cv = CvOperating,
                                .vapourPressure = VapourPressurePa,
                                .enthalpy = EnthalpyOperating},
                               MediumCode, viscosityNeeded);
}

bool BelowSpeedOfSound(double velocity, double kappa, double pressure, double density) {
    return std::fabs(velocity) < CheckedSqrt(CheckedDiv(kappa * pressure, density));
}

bool PipeFlowBelowSound(double velocity) {
    return !IsGasMedium(MediumCode) || !GivesHeatCapacities(KappaOperating, CpOperating, CvOperating) ||
           BelowSpeedOfSound(velocity, KappaOperating, OperatingPressure, FlowDensity);
}

void RequirePossibleState(const MediumStateValues& s, const std::string& medium, bool viscosityNeeded) {
    if (!PossibleMediumState(s, medium, viscosityNeeded)) throw CalcError("a medium state no medium can have");
}

}  // namespace tubalyx
