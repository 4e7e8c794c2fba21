#pragma once
// Ozone ("O3") density over pressure (Pa absolute) and temperature (degC); its viscosity and
// heat capacities are those of carbon dioxide.

namespace tubalyx {

double OzoneDensityPT(double P, double t);  // kg/m3

}  // namespace tubalyx
