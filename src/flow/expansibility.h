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
double LinearExpansibility(double a, double b, double betaPower, double p, double dp, double kappa);

// The device's factor for a gas; dp is capped at p here. Devices without a law give 1.
double GasExpansibility(FlowDevice device, double beta, double p, double dp, double kappa);

// The device's law at one pressure pair: the parts that depend on p, dp and kappa alone are
// evaluated when it is made, so that the iterations over the bore at a fixed dp evaluate
// only the beta part. Its values are those of GasExpansibility, which evaluates through it.
class ExpansibilityLaw {
public:
    ExpansibilityLaw(FlowDevice device, double p, double dp, double kappa);
    double At(double beta) const;

private:
    FlowDevice device_;
    double pressureTerm_ = 0.0;  // 1 - (|p - dp| / p)^(1/kappa), or dp / (kappa p)
    // Nozzles: kappa tau^(2/kappa) / (kappa - 1), tau^(2/kappa) and
    // (1 - tau^((kappa - 1)/kappa)) / (1 - tau); atRest when dp = 0.
    double first_ = 0.0, tau2k_ = 0.0, third_ = 0.0;
    bool atRest_ = false;
};

}  // namespace tubalyx
