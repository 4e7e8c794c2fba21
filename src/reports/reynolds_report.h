#pragma once
// The Reynolds-number line and the flow-speed lines of the result reports: the speed in the
// pipe and, in the big report of a primary device or a valve, the state in its narrowest
// section: condensation or cavitation warnings, throat and vena-contracta speeds, the sound
// limit and the critical flow as a share of the maximum flow.
#include <string>

namespace tubalyx {

// The pipe Reynolds number at maximum flow, cut to six characters.
void WriteReynoldsAtMaxFlow(double re);

// Mass flow kg/s, density kg/m3 at the operating state, pipe diameter m. Leaves the text
// colour red after a condensation or cavitation warning.
void WriteFlowSpeedLines(double massFlow, double density, double pipeDiameter);

}  // namespace tubalyx
