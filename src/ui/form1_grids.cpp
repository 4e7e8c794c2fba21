// Handlers of the grids.
#include "ui/form1.h"

namespace tubalyx {

// The uncertainty grid reacts to clicks and mouse moves, not to typed keys.
void TForm1::FelsimulgridKeyPress(TControl*, char) {}
// The hot-water grid of that page has no behaviour.
void TForm1::FjrreffektosakMouseDown(TControl*, TMouseButton, TShiftState, int, int) {}

// The composition grids act on mouse up and down; a click alone, and moving to any cell, change nothing.
void TForm1::ViktVolprocGridClick(TControl*) {}
void TForm1::ViktVolprocGridSelectCell(TControl*, int, int, bool&) {}

}  // namespace tubalyx
