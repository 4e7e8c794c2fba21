#pragma once
// Where a liquefied gas has a saturation line at all: between its triple point and its
// critical point. Above the critical point there is no liquid and no vapour to tell apart,
// below the triple point the liquid has frozen. Between a saturation table's end and these
// points the state exists: the table clamps it to its end and says so in its range note.
#include <string>

namespace tubalyx {

// Whether the saturated phase `phase` of the medium `keyword` exists: 'G' and 'V' (at the
// temperature t, degC) between the triple and the critical temperature, 'H' and 'X' (at the
// pressure P, Pa) between the triple and the critical pressure, both ends included. True for
// the phase 'N' and for a medium without a saturation line of its own.
bool SaturationStateExists(const std::string& keyword, char phase, double P, double t);

// The critical pressure (Pa) of the liquefied gas `keyword`; 0 for a medium without a
// saturation line of its own.
double SaturationCriticalPressurePa(const std::string& keyword);

}  // namespace tubalyx
