#pragma once
// The report number format: a double with as many decimals as make W digit and sign
// characters, rounded half away from zero, with the user's decimal separator, right-aligned
// in at least W + 1 characters; exponent form when the whole part has more digits than W
// (W limited to 2..18). "INF" and "NAN" for values that are no finite number.
#include <string>

namespace tubalyx {

std::string ReportNumberText(double value, int W);

}  // namespace tubalyx
