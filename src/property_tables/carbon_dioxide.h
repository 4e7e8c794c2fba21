#pragma once
// Carbon dioxide ("CO2") properties over pressure (Pa absolute) and temperature (degC); the
// viscosity and heat capacities also serve ozone. Liquid states read the compressibility of
// the first gaseous column to their right: liquid CO2 belongs to the saturation states.

namespace tubalyx {

double CarbonDioxideDensityPT(double P, double t);    // kg/m3
double CarbonDioxideViscosityPT(double P, double t);  // Pa s
double CarbonDioxideEnthalpyPT(double P, double t);   // kJ/kg
double CarbonDioxideCpPT(double P, double t);         // J/(kg K)
double CarbonDioxideCvPT(double P, double t);         // J/(kg K): cp - 8314 / 44.01

}  // namespace tubalyx
