#pragma once
// Specific enthalpy of a medium (kJ/kg) against 101325 Pa and 0 degC, so that most media
// read 0 at that state; steam and ammonia keep the zero points of their own formulations.
#include <string>

namespace tubalyx {

// P in Pa absolute, t in degC. The user's gases ("GAS", "IGAS") take GivenCp as constant
// from 0 degC. Media without an enthalpy give 0.
double MediumEnthalpyPT(const std::string& keyword, double P, double t);

}  // namespace tubalyx
