#pragma once
// The state at the two pressure tappings of a primary device whose temperature is measured in
// a thermometer pocket a straight length away: the pocket sees the operating state, the
// tappings see that state shifted by the loss of the pipe between them and, behind the device,
// by its permanent loss. The expansibility section of the big report prints the result.
#include <functional>

namespace tubalyx {

// The installation shown in bestyckningtext has a thermometer pocket and the medium is a gas:
// only then is the tapping state computed.
bool ThermometerStepApplies();

// m/s, mean velocity at max flow in the cold pipe, from the Reynolds number:
// v = Re mu / (D rho).
double PocketFlowVelocity();

// m, the straight length between device and pocket: the optimal design's upstream length in
// an optimal design, else the length typed in givenrakin, less one pipe diameter for an
// orifice with corner tappings.
double ThermometerLength(double optimalUpstreamLength);

// What the pipe between pocket and device contributes, as the line calculation gives it.
struct PocketLine {
    double lossPa = 0.0;  // pressure loss of the pipe alone over ThermometerLength at max flow
    // The temperature (degrees C) that a stream at (pressure Pa, temperature degrees C)
    // reaches at `toPressure` (Pa) along the line, at max flow.
    std::function<double(double pressure, double temperature, double toPressure)> temperatureAt;
};

// The four tapping values of state/report_state.h from the operating state, the device's
// permanent loss and the line. For an orifice the tappings sit where the variant puts them
// (corner and flange tappings move the pressure by the change of the discharge coefficient
// against D and D/2 tappings); every other device takes the pressures and temperatures of
// the line state on either side. Raises CalcError on a state it cannot compute.
void SetTappingState(const PocketLine& line);

}  // namespace tubalyx
