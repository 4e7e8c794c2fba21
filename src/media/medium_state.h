#pragma once
// The entry that fills the state of the current medium at the operating point (in
// state/medium.h), as every calculation of a run reads it.

namespace tubalyx {

// Fills the medium state from the medium description and the operating state, then the
// table note. Raises CalcError for a user's gas or gas mixture whose cp is not above a
// positive cv (an isentropic exponent of 1 or less).
void CalcMediumState();

// Fills the medium state only: VapourPressurePa and EnthalpyOperating start at 0.
void CalcHumidGasState();

// Kept for the callers that still hand it their humid-air variables; it does nothing.
void HumidAirStateStub(double& a, double& b, double& c, double d, double e, double& f, double& g, double& h, double& i);

}  // namespace tubalyx
