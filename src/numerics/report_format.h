#pragma once
// Numbers into report text, with the platform's decimal separator.
#include <string>

namespace tubalyx {

// W digit and sign characters (as many decimals as fit), rounded half away from zero,
// right-aligned in at least W + 1 characters; exponent form when the whole part has more
// digits than W. Never cuts a longer text.
std::string FormatFixed(double value, int width);

// A shortened general form of at most W characters, for narrow cells; cut, not rounded.
std::string FormatFitWidth(double value, int width);

// FormatFixed with its first comma replaced by a point (tables and generated code).
std::string FormatFixedPoint(double value, int width);

// The general notation: up to 15 significant digits, trailing zeros dropped, exponent form
// below 0.0001 or above 15 whole digits ("1E-5", "1,5E20").
std::string FormatGeneral(double value);

}  // namespace tubalyx
