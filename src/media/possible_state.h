#pragma once
// States no medium can have. Beyond their tables and equations the property routines answer
// with what their formulas give there: a density or viscosity of zero or below, heat
// capacities below zero, an enthalpy of 1e21 kJ/kg. A run computes nothing from such a state;
// it ends in the failure line of its page instead.
#include <cmath>
#include <string>

#include "state/medium.h"

namespace tubalyx {

// A property value a state can have: finite and above 0.
inline bool PositiveProperty(double x) { return std::isfinite(x) && x > 0.0; }

// Whether a state gives heat capacities: a liquid gives none, kappa, cp and cv all 0.
inline bool GivesHeatCapacities(double kappa, double cp, double cv) {
    return !(kappa == 0.0 && cp == 0.0 && cv == 0.0);
}

// No medium state of the tables and equations comes near this specific enthalpy (kJ/kg
// against 0 degC): hydrogen at a thousand degrees holds some 15 000.
inline constexpr double kLargestEnthalpy = 1e5;

// Whether `s` can be the state of `medium`: every value finite; a density and a viscosity
// above 0 (where the viscosity is not `viscosityNeeded`, ozone's liquid, whose table holds
// none, gives 0); where the medium gives heat capacities (a liquid gives none: kappa, cp and cv
// all 0), kappa, cp and cv above 0; no part density below 0, and a gas part above 0 where there
// is water vapour (a humid gas of vapour alone is none); an enthalpy within +-kLargestEnthalpy.
bool PossibleMediumState(const MediumStateValues& s, const std::string& medium, bool viscosityNeeded = true);

// The same for the medium state of the operating point (FlowDensity and the rest) of
// MediumCode.
bool PossibleOperatingState(bool viscosityNeeded = true);

// Whether a gas at `velocity` (m/s) flows below its speed of sound, sqrt(kappa p / rho) (p Pa,
// rho kg/m3; kappa 1 for a flow that keeps its temperature): a pipe chokes there, no gas passes
// it faster.
bool BelowSpeedOfSound(double velocity, double kappa, double pressure, double density);

// Whether the operating state's medium, a gas, flows at `velocity` (m/s) in the pipe below its
// speed of sound (adiabatic); a liquid always does, also a liquefied gas taken as its liquid.
bool PipeFlowBelowSound(double velocity);

// Raises CalcError where PossibleMediumState is false.
void RequirePossibleState(const MediumStateValues& s, const std::string& medium, bool viscosityNeeded = true);

}  // namespace tubalyx
