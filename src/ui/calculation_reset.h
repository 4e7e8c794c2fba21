#pragma once
// The known state a test starts from.

namespace tubalyx {

// Every variable of the calculation state (src/state/) back to its start value, and every
// grid and edit of the main window emptied, as in a window not yet started: the composition
// and the tables a calculation reads live in the grid cells, and a run reads every number edit
// (one left holding no number by an earlier test would end it). The other controls keep what
// they show.
void ResetCalculationState();

}  // namespace tubalyx
