#pragma once
// The report section that tells where a primary-device result lies outside the limits of
// the standard: each message of the limit checks with the value that broke the limit and
// the limit, the straight lengths for 0.5 % additional uncertainty and, in an optimal
// design, a straight length that is too short. The caller sets the colour (red).

namespace tubalyx {

// Writes the section. `headingPending` belongs to the caller: set true on entry, false once
// the heading (and so anything) was written. Raises CalcError rather than print a value that
// is no finite number.
void CheckStandardLimits(bool& headingPending);

}  // namespace tubalyx
