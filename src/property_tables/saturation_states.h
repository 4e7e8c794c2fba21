#pragma once
// Saturated vapour and liquid of the liquefied gases at a given temperature. Argon, oxygen and
// nitrogen have both sides of the saturation line, hydrogen, carbon dioxide and ozone the
// liquid side only.
//
// All six share one signature. phase 'G' or 'H' selects the saturated vapour, any other
// letter the saturated liquid. t (degC) is clamped into the table and handed back as used.
// pSat in Pa, density kg/m3, enthalpy kJ/kg (argon, oxygen, nitrogen: against the gas at
// 101325 Pa and 0 degC), viscosity Pa s, cp and cv J/(kg K), kappa = cp/cv. An output that a
// function does not compute for the chosen side keeps its value. With notesOn the range
// notes of the report labels name a clamped state.
#include <string>

namespace tubalyx {

void ArgonSaturationStateT(bool notesOn, char phase, double& t, double& pSat, double& density, double& enthalpy,
                           double& viscosity, double& cp, double& cv, double& kappa);
void OxygenSaturationStateT(bool notesOn, char phase, double& t, double& pSat, double& density, double& enthalpy,
                            double& viscosity, double& cp, double& cv, double& kappa);
void NitrogenSaturationStateT(bool notesOn, char phase, double& t, double& pSat, double& density, double& enthalpy,
                              double& viscosity, double& cp, double& cv, double& kappa);
void HydrogenSaturationStateT(bool notesOn, char phase, double& t, double& pSat, double& density, double& enthalpy,
                              double& viscosity, double& cp, double& cv, double& kappa);
void CarbonDioxideSaturationStateT(bool notesOn, char phase, double& t, double& pSat, double& density, double& enthalpy,
                                   double& viscosity, double& cp, double& cv, double& kappa);
void OzoneSaturationStateT(bool notesOn, char phase, double& t, double& pSat, double& density, double& enthalpy,
                           double& viscosity, double& cp, double& cv, double& kappa);

// Resets DensityLabel and SpecificVolumeLabel and, when the used state differs from the
// requested one by more than 0.1 kPa or 0.1 K, writes the bracketed notes naming it.
// usedPressure kPa, requestedPressure Pa, usedTemperature K, requestedTemperature degC.
void WriteSaturatedRangeNote(double usedPressure, double requestedPressure, double usedTemperature,
                             double requestedTemperature);
void WriteSaturatedVolumeLabel(const std::string& note);
void WriteSaturatedDensityLabel(const std::string& note);

}  // namespace tubalyx
