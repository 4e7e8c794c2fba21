#pragma once
// The sums row of the composition grids ViktVolprocGrid and ViktVolprocgridfukt.

namespace tubalyx {

// Rewrites row 12 of both grids: for columns 2 to 5 the sum of rows 2 to 11 in the report
// number format at width 7.
void SumMixtureColumns();

}  // namespace tubalyx
