#pragma once
// Why the operating state cannot be served by the propane table or by the chosen one of
// water and steam.
#include <string>

namespace tubalyx {

// Writes the reason in the language of LanguageLetter into `note`, or " " when there is
// none; for a language letter other than 'S', 'D' or 'E' the note is left as it was.
// Reads MediumCode, FlowDensity, OperatingPressure and OperatingTemperature. Never raises.
void CheckPropaneTableLimits(std::string& note);

}  // namespace tubalyx
