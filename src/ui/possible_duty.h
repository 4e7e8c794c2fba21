#pragma once
// The inputs that no plant can have: a run refuses them before it calculates anything, rather
// than print results computed from them. Each is checked where the page of the function shows
// it, as the run has read it into the calculation state.
#include "state/decoded_selection.h"

namespace tubalyx {

// False when an input shown on the page is one of these: a pipe diameter, a typed bore or
// segment height, a valve diameter of 0 or below; a negative length or flow, and no flow for a
// line's pressure loss (its walk divides by the flow); an absolute pressure of 0 or below; a temperature
// below absolute zero; on the valve and restriction-orifice pages an outlet pressure of 0 or
// below or not below the inlet pressure, and a valve's recovery factor FL outside (0, 1]; a
// share of a mixture's composition outside 0 to 100 %; a humidity no gas holds (a negative one,
// a dew point below absolute zero, a vapour above the whole pressure); a saturated phase of a liquefied gas
// beyond its saturation table (above its critical point, below its triple point); on the
// primary-device page a differential pressure at or above the pressure before the device.
bool DutyIsPossible(CalculationFunction function);

// The lowest absolute pressure (Pa) before the primary device: the lower end of a gas's
// pressure range, else the operating pressure.
double LowestUpstreamPressure();

// Whether MaxDpPa leaves a pressure behind the primary device (a volume meter has no dp).
bool DpLeavesPressure();

}  // namespace tubalyx
