#pragma once
// The reference density that turns a normal or standard volume flow into a mass flow.
#include <string>

namespace tubalyx {

// Reference state of a flow unit: 101325 Pa with 15.5555... degC (60 F) for the standard
// units "Standard_m3/h", "Standard_m3/min", "Standard_m3/s" and "MMSCFD", else with 0 degC.
// Units are compared without regard to the case of a to z, as the unit parser matches them.
bool IsSixtyFahrenheitUnit(const std::string& unit);

// True when the flow-unit edit maxflowsort holds a normal or standard flow unit ("Nm3/h",
// "Nm3/min", "Nm3/s", "Standard_m3/h", "Standard_m3/min", "Standard_m3/s", "MMSCFD",
// "Nliter/h", "Nliter/min", "Nliter/s", in any case of a to z). The argument has no effect.
bool IsStandardFlowUnit(const std::string& unused = std::string());

// For a normal or standard flow unit in maxflowsort (or any unit while SolveFor is "FL"):
// writes the reference density (kg/m3) of the current medium, its moisture counted as liquid
// water, into maxflownormaldens as the first 6 characters of its general number text ("0" for
// an empty mixture), and words the prompt densnormaltext for the unit's reference state.
// Errors of the property routines pass to the caller.
void ApplyFlowUnit();

}  // namespace tubalyx
