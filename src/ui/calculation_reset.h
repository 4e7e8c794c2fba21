#pragma once
// The known state a test starts from.

namespace tubalyx {

// Every variable of the calculation state (src/state/) back to its start value, and every
// grid of the main window emptied, since the composition and the tables a calculation reads
// live in their cells. The other controls keep what they show.
void ResetCalculationState();

}  // namespace tubalyx
