#pragma once
#include "flow/device_selection.h"

namespace tubalyx {

// Expansibility factors of a gas. p upstream absolute pressure (Pa), dp the differential
// pressure (Pa, the caller caps it at p), kappa the isentropic exponent.

// Orifice plates: 1 - (0.351 + 0.256 b^4 + 0.93 b^8) (1 - (|p - dp| / p)^(1/kappa)).
double OrificeExpansibility(double beta, double p, double dp, double kappa);

// Nozzles and venturi tubes, the isentropic expansion equation. At dp = 0 it is 1,
// the limit of the equation, which would otherwise divide 0 by 0.
double NozzleExpansibility(double beta, double p, double dp, double kappa);

// Linear laws 1 - (a + b beta^n) dp / (kappa p) of the cone meters, segment orifice and
// quarter-circle nozzle.
double LinearExpansibility(double a, double b, double betaPower, double p, double dp,
                           double kappa);

// The device's factor for a gas; dp is capped at p here. Devices without a law give 1.
double GasExpansibility(FlowDevice device, double beta, double p, double dp, double kappa);

}  // namespace tubalyx
