#pragma once
// The Reynolds-number line and the flow-speed lines of the result reports: the speed in the
// pipe and, in the big report of a primary device or a valve, the state in its narrowest
// section: condensation or cavitation warnings, throat and vena-contracta speeds, the sound
// limit and the critical flow as a share of the maximum flow.
#include <string>

namespace tubalyx {

// Permanent pressure loss of the primary device in Pa. The bore and pressure-loss step of
// the calculation sequence and the valve sizing write it as well.
extern double DevicePressureLossPa;

// The pipe Reynolds number at maximum flow, cut to six characters.
void WriteReynoldsAtMaxFlow(double re);

// Mass flow kg/s, density kg/m3 at the operating state, pipe diameter m. Leaves the text
// colour red after a condensation or cavitation warning.
void WriteFlowSpeedLines(double massFlow, double density, double pipeDiameter);

}  // namespace tubalyx
