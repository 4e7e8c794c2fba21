#pragma once
// Oil ("OLJA"): density from the density at 15 degC with a class-dependent linear
// temperature correction, viscosity from a double-logarithmic law through the viscosities
// at 40 and 100 degC. Both laws are also kept as formula texts for the report and the
// generated controller code.
#include <string>

namespace tubalyx {

// "r[kg/m3]:=" + text of the edit rbg + the class text, e.g. "+(15-T[C])*0,67".
extern std::string OilDensityFormulaText;
// "fdens:=sqrt(r[kg/m3]/" + density at width 5 + ")".
extern std::string OilDensityFactorText;
// "exp(exp(" B "*ln(T[C]+273,15)+" A "))-0,8", B and A at width 10.
extern std::string OilViscosityLawText;
// "dynvisk[Pas]:=r[kg/m3]/1000000"; joined with the tail it is the viscosity formula.
extern std::string OilViscosityHeadText;
// "*(" + OilViscosityLawText + ")".
extern std::string OilViscosityTailText;
// The 40 degC viscosity in 1e-6 Pa s, converted at the operating density.
extern double OilViscosity40Dynamic;

// Density class of d = rho15/1000 (1 to 25), its temperature coefficient k (g/cm3 per K)
// and its class text. A bound belongs to the lower class.
int OilDensityClass(double relativeDensity);
double OilDensityCoefficient(int densityClass);
const char* OilDensityClassText(int densityClass);

// density in kg/m3 at t (degC), viscosity in Pa s. nu40 and nu100 are in `unit`; rho15 in
// kg/m3. Reads PipeDiameter and the text of rbg, writes the formula texts and ParsedUnitKind.
// A viscosity of 0.2 or less has no double logarithm: CalcError after the density is written
// and before the viscosity is.
void OilProperties(const std::string& unit, double& density, double& viscosity, double t,
                   double nu40, double nu100, double rho15);

}  // namespace tubalyx
