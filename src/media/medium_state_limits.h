#pragma once
// Why the medium state is unusable: a propane table state in the wrong phase, steam below
// its saturation temperature or water above it.
#include <string>

namespace tubalyx {

// Writes the reason in the language of LanguageLetter into `note`, or " " when there is
// none; for a language letter other than 'S', 'D' or 'E' the note is left as it was.
// Reads MediumCode, FlowDensity, OperatingPressure and OperatingTemperature. Never raises.
void CheckMediumStateLimits(std::string& note);

// The same check under the name the medium-state calculation calls it by.
inline void CheckPropaneTableLimits(std::string& note) { CheckMediumStateLimits(note); }

}  // namespace tubalyx
