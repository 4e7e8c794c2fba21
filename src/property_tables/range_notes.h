#pragma once
// Range notes: when a property table had to move the requested state into its range, the
// report labels of that property say at which state it was really calculated; otherwise they
// are put back to their ordinary texts. Arguments, in this order: the pressure used (kPa), the
// pressure requested (Pa), the temperature used (K), the temperature requested (degC).
#include <string>

namespace tubalyx {

void WriteDensityRangeNote(double usedPressureKPa, double requestedPressurePa, double usedTemperatureK,
                           double requestedTemperatureC);
void WriteViscosityRangeNote(double usedPressureKPa, double requestedPressurePa, double usedTemperatureK,
                             double requestedTemperatureC);
void WriteEnthalpyRangeNote(double usedPressureKPa, double requestedPressurePa, double usedTemperatureK,
                            double requestedTemperatureC);
void WriteHeatCapacityRangeNote(double usedPressureKPa, double requestedPressurePa, double usedTemperatureK,
                                double requestedTemperatureC);

// One note line: opening, then dots in front of the unit tail until the line is 52 characters.
std::string RangeNoteLine(const std::string& opening, const std::string& tail);

// The number of a state text: the report number format at width 3.
std::string RangeNoteNumber(double value);

}  // namespace tubalyx
