#pragma once
// Calculation-state values that the run driver resets at the start of every run.

namespace tubalyx {

// Span of the low-range dp transmitter in percent of the maximal differential pressure.
extern double LowDpCellRangePercent;

}  // namespace tubalyx
