#pragma once
// Unit keywords: a typed value with its unit into the base unit of its kind.
//   kind "A" absolute pressure, Pa        "O" gauge pressure, Pa absolute (101325 Pa added)
//        "V" volume flow, litres per hour "M" mass flow (also normal/standard volume), kg per hour
//        "dynvisk", "kinvisk" viscosity as dynamic viscosity in 1e-6 Pa s
//        "X" unit not recognised (result 0)
// Keywords are compared without regard to the case of a to z only; every other character
// (Ö, ö, ü, ...) must match exactly.
#include <string>

namespace tubalyx {

// A unit text as typed or chosen from a unit menu: "kPa", "BarÖ", "Standard_m3/h", "cSt", ...
using UnitKeyword = std::string;

// Converts `value` in the unit `unit` into the base unit of its kind. On a match the unit
// text is rewritten to its canonical form (the gauge-bar keywords stay as typed). `density`
// (kg/m3) serves normal/standard volume flows and kinematic viscosities, `diameter` (m,
// pipe inner diameter) the velocity "m/s". Unknown unit: kind "X", result 0, text unchanged.
// Throws CalcError only when the result overflows the double range.
void ParseUnitValue(UnitKeyword& unit, double value, double density, double diameter, double& result,
                    std::string& kind);

// The kind of a unit text alone; the text itself is not changed.
std::string ConvertPressureEntry(const UnitKeyword& unit);

// What a unit box of the window holds: a pressure (absolute or gauge), a flow (by volume, a
// velocity in the pipe among them, or by mass) or a viscosity (dynamic or kinematic).
enum class UnitBox { Pressure, Flow, Viscosity };

// Whether a unit text is one of the box's own kinds; no unit at all is none of them.
bool HoldsUnitOfBox(UnitBox box, const UnitKeyword& unit);
// Whether a unit text is a unit, but of another kind than the box's.
bool HoldsUnitOfOtherBox(UnitBox box, const UnitKeyword& unit);

// As ParseUnitValue, where a unit of another kind than the box's reads as no unit: kind "X",
// result 0, text unchanged (a velocity typed for a pressure is no pressure).
void ParseUnitValueOfBox(UnitBox box, UnitKeyword& unit, double value, double density, double diameter, double& result,
                         std::string& kind);

}  // namespace tubalyx
