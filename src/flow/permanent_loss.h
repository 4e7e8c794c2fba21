#pragma once
#include <string_view>

#include "flow/device_selection.h"

namespace tubalyx {

// Unrecovered pressure loss (Pa) of a device at differential pressure dp (Pa).
// beta, c and e as the device coefficients give them; D (m), mu (Pa s) and qm (kg/s)
// serve only the Reynolds term of the classical venturi. A cone in the state's
// DeviceCode overrides the device argument.
double PermanentPressureLoss(std::string_view device, std::string_view standard, double pipeDiameter, double viscosity,
                             double massFlow, double dp, double beta, double c, double e);

// Decoded form; stateCone is the cone test on the state's DeviceCode.
double PermanentPressureLossFor(FlowDevice device, FlowStandard standard, bool stateCone, double pipeDiameter,
                                double viscosity, double massFlow, double dp, double beta, double c, double e);

}  // namespace tubalyx
