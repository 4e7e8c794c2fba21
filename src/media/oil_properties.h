#pragma once
// Oil ("OLJA"): density from the density at 15 degC with a class-dependent linear
// temperature correction, viscosity from a double-logarithmic law through the viscosities
// at 40 and 100 degC. Both laws are also kept as formula texts for the report and the
// generated controller code.
#include <string>

namespace tubalyx {

// Density class of d = rho15/1000 (1 to 25), its temperature coefficient k (g/cm3 per K)
// and its class text. A bound belongs to the lower class.
int OilDensityClass(double relativeDensity);
double OilDensityCoefficient(int densityClass);
const char* OilDensityClassText(int densityClass);

// density in kg/m3 at t (degC), viscosity in Pa s. nu40 and nu100 are in `unit`; rho15 in
// kg/m3. Reads PipeDiameter and the text of rbg, writes the formula texts and ParsedUnitKind.
// A viscosity of 0.2 or less has no double logarithm: CalcError after the density is written
// and before the viscosity is.
void OilProperties(const std::string& unit, double& density, double& viscosity, double t, double nu40, double nu100,
                   double rho15);

}  // namespace tubalyx
