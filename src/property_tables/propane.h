#pragma once
// Propane properties over pressure (Pa absolute) and temperature (degC) from tables. The
// keyword is the caller's medium keyword: "C3H8V" reads the liquid side, every other keyword
// ("C3H8", and "C4H10", "C5H12" derived from propane) the gas side.
#include <string>

namespace tubalyx {

double PropaneDensityPT(const std::string& keyword, double P, double t);    // kg/m3
double PropaneViscosityPT(const std::string& keyword, double P, double t);  // Pa s
double PropaneEnthalpyPT(const std::string& keyword, double P, double t);   // kJ/kg
double PropaneCpPT(double P, double t);                                     // J/(kg K)
double PropaneCvPT(double P, double t);  // J/(kg K), also into CvOperating (state/medium.h)

}  // namespace tubalyx
