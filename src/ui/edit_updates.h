#pragma once
// The updates that several edit handlers of the questionnaire share: after a humidity entry,
// after a change of the flow unit or value, the pipe diameter in its length unit, and the
// temperature range.
#include <string>

namespace tubalyx {

class TEdit;

// Reads the humidity edit into the measure HumidityInputKind names (the text written back
// corrected), recomputes the other three for a gas, and rebuilds the page of a user-defined
// gas, whose questionnaire depends on whether it is humid.
void UpdateHumidityEdit();

// Reads the flow unit and the max flow, converts the flow to MaxFlowSI and shows its mass
// flow. A unit the parser knows clears the start text away; with kind 'S' it also rebuilds
// the page, since mass, volume and normal-volume units ask different questions. An unknown
// unit changes nothing further.
void UpdateFlowUnits(char kind);

// The pipe diameter typed in Dstorkallmm, in millimetres when dstorkallsort says "mm", else
// in inches. A changed unit reads the same typed number in the new unit.
void PipeDiameterFromEntry();

// The upper and lower temperature in the unit of tempsort, the operating temperature from
// them, and the first or last temperature of the compensation table.
void UpdateTemperatureRange();

// The shared read step: the edit's number by either decimal separator, the text written back
// corrected (so the second change event sees equal text and stops). 0 for no number.
double ReadEditNumber(TEdit& edit);
// The read step into `value`. A text that is the program's own display of `value` (the
// general form, or fixed to 5, 6 or 7 digits) leaves it as it is: showing a value in its edit
// never rounds it.
void ReadEditInto(TEdit& edit, double& value);
bool DisplaysValue(const std::string& text, double value);

// A flow in its unit converted to its base unit with the state's pipe diameter; ParsedUnitKind
// takes the kind, and a unit that is no flow reads as none (result 0, kind "X"). False (result
// untouched) when the conversion overflows.
bool ConvertUnitValue(std::string& unit, double value, double density, double& result);
// The same for a pressure box: a unit of another kind reads as none (result 0, kind "X").
bool ConvertPressureValue(std::string& unit, double value, double& result);

// An oil's pressure is the atmosphere's in kPa from its pick on, as its edits' handlers hold it
// once typed: the first run lists and uses what every later one does.
void ForceOilPressure();

}  // namespace tubalyx
