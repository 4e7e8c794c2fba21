#pragma once
// Hydrogen ("H2") properties over pressure (Pa absolute) and temperature (degC). The density
// reads a compressibility table above 100 K and a cryogenic density table at 100 K and below;
// liquid states there read the vapour side to their right.

namespace tubalyx {

double HydrogenDensityPT(double P, double t);    // kg/m3
double HydrogenViscosityPT(double P, double t);  // Pa s
double HydrogenEnthalpyPT(double P, double t);   // kJ/kg
double HydrogenCpPT(double P, double t);         // J/(kg K)
double HydrogenCvPT(double P, double t);         // J/(kg K): cp - 8314 / 2.016

}  // namespace tubalyx
