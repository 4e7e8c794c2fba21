#pragma once
// The state of a medium at a pressure and temperature, with the humidity conversions around
// the property switch and, for the gas mixture "G", the mixing of its components from the
// humid composition grid ViktVolprocgridfukt.
#include <string>

#include "media/natural_gas.h"
#include "state/composition.h"

namespace tubalyx {

// Z1/Zn of the user's gas; 1 (no correction) while Zn is not given.
double GivenZRatio();

// Arguments in the order the callers bind them:
//   normalColumn: for "G", the grid column of the components' shares of the pressure,
//     3 (normal state) when true, 4 (operating state) when false;
//   givenViscosity and givenKappa have no effect (the switch reads GivenViscosityValue);
//   P (Pa) and t (degC) may be replaced (t by the saturation temperature for "MNG");
//   humidityKind "R", "A", "S" or "D" names the measure given; the other three are written
//     back (all four 0 while HumidGasFlag is clear);
//   outputs: densities kg/m3, viscosity Pa s, cp and cv J/(kg K), vapour pressure Pa,
//     enthalpy kJ/kg.
// Errors of the property routines pass to the caller.
void MediumPropertiesAtState(bool normalColumn, const std::string& medium, const GasCompositionArray& composition,
                             double givenDensity, double givenViscosity, double givenCp, double givenCv,
                             double givenKappa, double givenCriticalTemperature, double givenMolarMass, double& P,
                             double& t, const std::string& humidityKind, double& absoluteHumidity,
                             double& specificHumidity, double& dewTemperature, double& relativeHumidity,
                             double& flowDensity, double& dryDensity, double& vapourDensity, double& viscosity,
                             double& kappa, double& cp, double& cv, double& vapourPressure, double& enthalpy);

}  // namespace tubalyx
