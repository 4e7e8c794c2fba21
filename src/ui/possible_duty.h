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
// a dew point below absolute zero, a vapour above the whole pressure); a saturated phase of a
// liquefied gas beyond its triple or critical point; on the primary-device page a differential
// pressure at or above the pressure before the device where it sees that dp.
bool DutyIsPossible(CalculationFunction function);

// After the primary device's calculation: whether the design dp it was sized or solved for
// (MaxFlowDpPa) leaves a pressure behind it at the corner of the range where it sees that dp
// (DesignDpCornerPressure), and, where a dp or flow solve took the max flow's dp (MaxDpPa) at
// the operating state, that dp there. A volume meter has no dp.
bool SolvedDpLeavesPressure();

}  // namespace tubalyx
