#pragma once
// The whole input set between the edits of the main window and the calculation state:
// ReadInputsFromForm at the start of every run, WriteInputsToForm after it and after the
// report (and once at start-up). Both read and write hidden edits alike; which edits a page
// shows is the page manager's. A numeric edit whose text is no number (an empty one too) ends
// the read with NumberTextError; the humidity gas's molar mass and the grid cells read as 0.
// Lengths are shown in mm, or in inches (25.4 mm) when the caption of dstorkallsort is not
// "mm"; temperatures in the unit of tempsort ("C", "K" or "F").
#include <string>

namespace tubalyx {

void ReadInputsFromForm();
// The component names of the composition grid as their menu items name them, whichever medium
// is chosen: a mixture's argon is "Argon" also after a run of argon itself.
void WriteMixtureComponentNames();
// Writes the state into the edits and derives again the base values that depend on them
// (operating pressure, differential pressure, flows).
void WriteInputsToForm();

// Given := the medium is a gas other than "ANG" and "MNG" in its normal phase and the
// humidity edit holds a number above 0.
void HumidityValueGiven(bool& given);
// Whether the medium's state takes a humidity: a gas other than "ANG" and "MNG", a liquefied gas
// in its gas phase only.
bool MediumHoldsHumidity(const std::string& medium);
// For a gas other than "ANG" and "MNG": whether the humidity of the kind ("R", "A", "S", "D")
// exceeds 1e-8; the dew point is DewTemperatureC, so a dew point of 0 degC or below is dry.
bool HumidityPresent(const std::string& medium, const std::string& kind, double relative, double specific,
                     double absolute);
// HumidGasFlag from HumidityPresent of the current medium and humidity.
void CheckHumidityInput();
// The humidity rows of the uncertainty grid shown (humid) or given height 0, and the grid's
// client height fitted to its rows.
void LayoutErrorSimGrid(bool humid);

}  // namespace tubalyx
