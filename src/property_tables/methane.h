#pragma once
// Methane, gas and liquid, from built-in tables. P in Pa absolute, t in degC. Viscosity, Cp
// and Cv return 0 outside 100 Pa < P < 1e8 Pa, -200 degC < t < 10000 degC (callers test for
// it); the enthalpy (kJ/kg, on the table's own zero) has no such limit.
namespace tubalyx {

double MethaneViscosityPT(double P, double t);  // Pa s
double MethaneEnthalpyPT(double P, double t);   // kJ/kg
double MethaneCpPT(double P, double t);         // J/(kg K)
double MethaneCvPT(double P, double t);         // J/(kg K), Cp - R/M

}  // namespace tubalyx
