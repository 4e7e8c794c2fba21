#pragma once
// The static pressure "P" of generated controller code, in the user's pressure unit, as an
// expression in kPa absolute. The flow function block of the big report and the code
// generator's density blocks write it.
#include <string>

namespace tubalyx {

// From the text of the pressure-unit edit abstrycksort (letters a to z compared without
// case): gauge bar "(P+1.01325)/0.01", gauge technical atmospheres "(P+1.03323)/1.01972E-2",
// any other unit "P*" and the kPa per unit of the lower pressure entry (PressureMinPa over
// PressureMinInput) with a decimal point: "P*1.00000" for kPa, "P*0.00100" for Pa,
// "P*100.000" for BarA. A lower entry of 0 gives no such ratio; the factor is then the unit
// parser's value of one unit.
std::string PressureExpression();

// The same for a given unit text and lower pressure entry (as typed, and in Pa absolute).
std::string PressureExpressionFor(const std::string& unit, double pressureMinInput, double pressureMinPa);

}  // namespace tubalyx
