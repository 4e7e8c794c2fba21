#pragma once
// Ammonia ("NH3") properties over pressure (Pa absolute) and temperature (degC), always read
// on the gas side: liquid and no-data corners take the gas value to their right in the row.

namespace tubalyx {

double AmmoniaDensityPT(double P, double t);    // kg/m3
double AmmoniaViscosityPT(double P, double t);  // Pa s
double AmmoniaEnthalpyPT(double P, double t);   // kJ/kg
double AmmoniaCpPT(double P, double t);         // J/(kg K)
double AmmoniaCvPT(double P, double t);         // J/(kg K): cp - 8314 / 17.031

}  // namespace tubalyx
