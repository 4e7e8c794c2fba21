#pragma once
// Nitrogen ("N2") properties over pressure (Pa absolute) and temperature (degC). States below
// the data read the first data column to their right: liquid nitrogen belongs to the
// saturation states.

namespace tubalyx {

double NitrogenDensityPT(double P, double t);    // kg/m3
double NitrogenViscosityPT(double P, double t);  // Pa s
double NitrogenEnthalpyPT(double P, double t);   // kJ/kg
double NitrogenCpPT(double P, double t);         // J/(kg K)
double NitrogenCvPT(double P, double t);         // J/(kg K): cp - 8314 / 28.0134

}  // namespace tubalyx
