#pragma once
// Dry air from built-in tables. P in Pa absolute, t in degC. The enthalpy is on the table's
// own zero. Each function except the Cv writes its range note.
namespace tubalyx {

double AirDensityPT(double P, double t);    // kg/m3
double AirEnthalpyPT(double P, double t);   // kJ/kg
double AirCpPT(double P, double t);         // J/(kg K)
double AirCvPT(double P, double t);         // J/(kg K), Cp / 1.4
double AirViscosityPT(double P, double t);  // Pa s

}  // namespace tubalyx
