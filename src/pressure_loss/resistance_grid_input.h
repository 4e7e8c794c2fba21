#pragma once
// The resistance grid read back into the per-fitting arrays before a run, and every column
// re-described after a change of language.

namespace tubalyx {

// For every fitting column 1..50: zeta (row 2) and position (row 3), and the parameters
// its kind keeps in rows 6 and 7 (a text that is no number reads 0). A height row shorter
// than its rise is lengthened to the rise, in the grid too.
void RecalcResistanceGrid();

// DispatchResistanceColumn for the columns 1 to 50 in order.
void RefreshResistanceGrid();

}  // namespace tubalyx
