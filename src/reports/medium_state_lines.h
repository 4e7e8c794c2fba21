#pragma once
// The lines of the medium's state at the operating point: temperature, static pressure,
// density with the range note of the water and steam equations, the Z of natural gas, the
// viscosities, specific volume, enthalpy, kappa, Cp, Cv and the humidity block. Which lines
// stand depends on CalcFunction, the medium, PhaseLetter and the humidity settings; every
// value comes from the medium state that the property routines left (nothing is computed
// here but unit changes and ratios).
//
// A line whose label carries a property table's range note (the two characters "!.") is red,
// as are the range and humidity warnings; the colour before is put back after each. A value
// that is no finite number leaves its line out.
//
// Each writer takes the section writers' kind letter and layout position (neither is used)
// and appends its lines to RichEdit1 once they are all made; the overloads with a ReportBlock
// add them to the caller's block instead.
#include <string>

#include "reports/report_block.h"
#include "state/decoded_selection.h"

namespace tubalyx {

// The red warning of a state beyond the water and steam equations (or of a property solve
// that met its bound, or of a saturated phase beyond its triple or critical point) that the
// density line stands under.
void WriteRangeWarning(ReportBlock& block);

// The temperature, unless it is at absolute zero or below.
void WriteTemperatureLine(char kind, int& position);
void WriteTemperatureLine(ReportBlock& block);
// The static pressure in kPa.
void WritePressureLine(char kind, int& position);
void WritePressureLine(ReportBlock& block);
// Range note, density, natural-gas Z ("Termo"), dynamic viscosity and, in "Termo", specific
// volume, kinematic viscosity and enthalpy.
void WriteDensityZViscosityLines(char kind, int& position);
void WriteDensityZViscosityLines(ReportBlock& block);
// Kappa ("Strypf", "Termo"), then Cp and Cv ("Termo").
void WriteKappaCpCvLines(char kind, int& position);
void WriteKappaCpCvLines(ReportBlock& block);
// The warning of a relative humidity above 100 % and, in "Termo", the humidity block.
void WriteHumidityLines(char kind, int& position);
void WriteHumidityLines(ReportBlock& block);

// The combinations the medium property block uses.
void WriteDensityAndHeatLines(char kind, int& position);       // density..., then kappa, Cp, Cv
void WriteStateLinesWithHumidity(char kind, int& position);    // the above, then humidity
void WriteTemperatureAndStateLines(char kind, int& position);  // temperature, then density and heat
void WriteDensityAndHeatLines(ReportBlock& block);
void WriteStateLinesWithHumidity(ReportBlock& block);
void WriteTemperatureAndStateLines(ReportBlock& block);

}  // namespace tubalyx
