#pragma once
// Carbon monoxide: density from a compressibility table, viscosity over temperature and a
// constant heat capacity. Each function carries its own small table; no range notes.
namespace tubalyx {

double CarbonMonoxideDensityPT(double P, double t);    // kg/m3; P in Pa absolute, t in degC
double CarbonMonoxideViscosityPT(double P, double t);  // Pa s
double CarbonMonoxideCpPT(double P, double t);         // J/(kg K)
double CarbonMonoxideCvPT(double P, double t);         // J/(kg K)

}  // namespace tubalyx
