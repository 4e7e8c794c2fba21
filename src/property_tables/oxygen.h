#pragma once
// Gaseous oxygen from built-in tables. P in Pa absolute, t in degC. The density is that of
// the gas (liquid corners are answered from the gas values beside them); the enthalpy is on
// the table's own zero. Each function except the Cv writes its range note.
namespace tubalyx {

double OxygenDensityPT(double P, double t);    // kg/m3
double OxygenViscosityPT(double P, double t);  // Pa s
double OxygenEnthalpyPT(double P, double t);   // kJ/kg
double OxygenCpPT(double P, double t);         // J/(kg K)
double OxygenCvPT(double P, double t);         // J/(kg K), Cp - R/M

}  // namespace tubalyx
