#pragma once
// Unit keywords: a typed value with its unit into the base unit of its kind.
#include <string>

namespace tubalyx {

// Converts value in `unit` into the base unit of the unit's kind and rewrites `unit` to its
// canonical text. Kinds: "A" absolute pressure (Pa), "O" gauge pressure (Pa absolute),
// "V" volume flow (litres/h, also a pipe velocity through D), "M" mass flow (kg/h, also
// standard and normal volume flow through density), "dynvisk" and "kinvisk" (dynamic
// viscosity in 1e-6 Pa s; kinematic through density), "X" unknown (result 0, text kept).
// Keywords match without regard to the case of a-z only.
void ParseUnitValue(std::string& unit, double value, double density, double diameter, double& result,
                    std::string& kind);

// The kind of a unit text alone; the text is not changed.
std::string ConvertPressureEntry(const std::string& unit);

}  // namespace tubalyx
