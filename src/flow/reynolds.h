#pragma once

namespace tubalyx {

// Pipe Reynolds number of a mass flow: qm / (pi D^2 / 4) * D / mu.
// D in m, mu in Pa s, qm in kg/s. A zero D or mu raises CalcError.
double ReynoldsNumber(double pipeDiameter, double viscosity, double massFlow);

}  // namespace tubalyx
