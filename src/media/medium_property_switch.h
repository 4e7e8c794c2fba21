#pragma once
// The medium property switch: a medium keyword and a state (P, t) into density, viscosity,
// isentropic exponent and heat capacities, for a humid gas also the dry and vapour part
// densities. Every gas answer already includes the water vapour of the given relative
// humidity.
//
// P in Pa absolute, t in degC, densities kg/m3, viscosity Pa s, cp and cv J/(kg K);
// the enthalpy output (only the saturation-state branches write it) in kJ/kg.
#include <optional>
#include <string>

#include "media/natural_gas.h"
#include "state/composition.h"

namespace tubalyx {

// Keywords the switch answers for; any other keyword (also "G", the mixture) gives zeros.
// P can come back as the saturation pressure (phases 'G' and 'V' of the liquefied gases),
// t as the saturation temperature (phases 'H' and 'X') or clamped into a saturation table.
// A saturated phase beyond the medium's triple or critical point (SaturationStateExists)
// gives zeros, with P and t as they came.
// satT is the temperature of the humidity step's saturation pressure; callers pass t.
// Faults (a Z ratio of 0 for "IGAS", viscosity weights of 0 with no vapour) raise CalcError.
void MediumPropertySwitch(const std::string& keyword, GasCompositionArray composition, double& P, double givenDensity,
                          double givenCp, double givenCv, double givenCriticalTemperatureK, double givenMolarMass,
                          double& t, double& satT, double zRatio, double relativeHumidity, double& density,
                          double& dryDensity, double& vapourDensity, double& viscosity, double& kappa, double& cp,
                          double& cv, double& enthalpy);

// Whether the liquefied gas `keyword` with no phase picked is its liquid at (P Pa, t degC), as
// the switch takes it there: its saturation table holds t unclamped, with a saturation pressure
// below P. False for any other medium.
bool LiquefiedGasLiquidAt(const std::string& keyword, double P, double t);

// The saturation pressure (Pa) of the liquefied gas `keyword` at t (degC), t clamped into its
// saturation table; 0 for any other medium.
double LiquefiedGasSaturationPressurePa(const std::string& keyword, double t);

// The switch's steam branch without its kappa, cp and cv: the density (kg/m3) and viscosity
// (Pa s) of steam at (P, t), as the switch gives them.
void SteamSwitchDensityViscosity(double P, double t, double& density, double& viscosity);

// The dry gas (kg/m3) at (P, t) that the switch mixes with water vapour for the media whose
// humid answer varies with the relative humidity only through the vapour's partial pressure
// (the part densities then follow from SteamPropertyDensities), a liquefied gas among them
// in its gas phase 'N'; nothing for the others (air, liquids, steam). Evaluates exactly what the switch evaluates for
// it, so a state the switch has just answered is left as it was.
std::optional<double> HumidMixDryGasDensity(const std::string& keyword, const GasCompositionArray& composition,
                                            double P, double t, double givenDensity, double zRatio);

}  // namespace tubalyx
