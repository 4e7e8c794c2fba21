#pragma once
// The straight-length requirements upstream and downstream of the standardized primary
// devices, in pipe diameters, as constant tables. Each cell holds the length for zero
// additional uncertainty and the length for 0.5 % additional uncertainty; a column covers
// the diameter ratio (or area ratio) above the previous bound up to and including its own.
#include "state/limits.h"

namespace tubalyx {

// The table gives no length for 0.5 % additional uncertainty.
constexpr double kNoHalfLength = -1.0;
// No straight length meets the requirement.
constexpr double kUnreachableLength = 1e38;

// Orifice and nozzle family, ten fittings; index 10 is the downstream row. Indexed by beta.
constexpr int kTable1Columns = 12;
extern const double kTable1Bounds[kTable1Columns - 1];
extern const StraightLengthCell kTable1[11][kTable1Columns];

// Orifice plates under ISO 5167:2003, fourteen fittings; index 14 is the downstream row.
constexpr int kTable2Columns = 6;
extern const double kTable2Bounds[kTable2Columns - 1];
extern const StraightLengthCell kTable2[15][kTable2Columns];
// Two bends in different planes closer than 5D, 0.50 < beta <= 0.60, at Re above 2e6.
constexpr double kTable2HighReynoldsLength = 95.0;
constexpr double kTable2HighReynoldsLimit = 2e6;

// Segment orifice and quarter-circle nozzle: one value (the 0.5 % value is half of it);
// rows 0..9 as printed, index 10 downstream. Indexed by the area ratio m = beta^2.
constexpr int kTable3Columns = 8;
extern const double kTable3Bounds[kTable3Columns - 1];
extern const double kTable3[11][kTable3Columns];

// Classical venturi, ISO 5167:2003, eight fittings; index 8 is the printed downstream row.
constexpr int kTable4Columns = 5;
extern const double kTable4Bounds[kTable4Columns - 1];
extern const StraightLengthCell kTable4[9][kTable4Columns];

// Classical venturi, ISO 5167:1991/1998 and DIN 1952, six rows.
constexpr int kTable5Columns = 10;
extern const double kTable5Bounds[kTable5Columns - 1];
extern const StraightLengthCell kTable5[6][kTable5Columns];
// The fitting code of each row of the venturi table of 1991.
extern const int kTable5FittingCodes[6];

}  // namespace tubalyx
