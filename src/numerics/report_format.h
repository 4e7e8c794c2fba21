#pragma once
// Doubles into the number text users read in reports, grids and generated code.
// All formats use DecimalSeparator(); digits are rounded in decimal, half away from
// zero, at the last digit shown. None of them throws: a failure inside gives "0".
// An infinite value is written "INF", an invalid one "NAN".
#include <string>

namespace tubalyx {

// The general notation: up to 15 significant digits, trailing zeros dropped; fixed when
// the value has at most 15 whole digits and is at least 0.0001 in magnitude, else
// exponent form ("1E-5", "1,5E20": no plus sign, no leading zeros in the exponent).
std::string FormatGeneral(double value);

// As many decimals as make `width` digit and sign characters, right-aligned with blanks
// in at least width + 1 characters; exponent form when the rounded whole part has more
// digits than the width allows (width limited to 2..18 for that). Never cut.
std::string FormatFixed(double value, int width);

// The general notation shortened (cut, not rounded) to about `width` characters for
// narrow cells; not padded.
std::string FormatFitWidth(double value, int width);

// FormatFixed with its first comma replaced by a point (compensation table, controller code).
std::string FormatFixedPoint(double value, int width);

}  // namespace tubalyx
