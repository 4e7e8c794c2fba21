#pragma once
// The pressure-loss run of the functions "Tryckf" (a line with fittings) and "Flow" (the
// pipe alone) and its report: the drop, the outlet state, the flow speeds and the physics
// at the tube inlet.

namespace tubalyx {

// Walks the line. Kind 'S' only calculates; kind 'B' calculates the same again and writes
// the report (the layout position is handed on to the report writers). A fault of the
// calculation ends it: with 'B' it becomes the line "NOTE! INPUT FALSE/FLOW TO BIG!" in
// the user's language, with 'S' it is swallowed; PhaseLetter is restored in every case.
// Returns whether the walk ended in a fault. Without `walk` the walk of the pass before, which
// ended without one and left the state as this walk would find it, stands: it is not made again.
bool RunPressureLoss(char kind, int layoutTop, bool walk = true);

// In place of the report of a line that cannot be walked: "NOTE! INPUT FALSE/FLOW TO BIG!" in
// the user's language.
void WritePressureLossFailure();

// The report lines of the last walk (kind 'B').
void WriteResistanceReport(char kind, int layoutTop);

}  // namespace tubalyx
