#pragma once
// The unit-conversion page: the grid Sortergrid, on which a value typed next to any unit
// shows the same quantity in every other unit of its kind (pressure, flow, viscosity,
// temperature). Every factor is the unit parser's, so the page converts exactly as the rest
// of the program reads its inputs; only the temperature formulas are the page's own.
//
// Columns: 0 pressure values, 1 their units; 2 flow values, 3 their units (rows 0-5 mass,
// 6-17 volume at operating conditions, 18-23 normal volume, 24-27 standard volume); 4 the
// three densities (rows 6, 18, 24) with their help text; 5 viscosity values, 6 their units
// (rows 0-6 dynamic, 7-10 kinematic); 7 temperature values, 8 "C", "F", "K".

namespace tubalyx {

// Writes the fixed texts of the grid and computes each value column from its row 0; the
// grid's current cell and the remembered cells end at 0. Window creation calls it once.
void FillUnitGridTexts();

// The pressure next to "Pa", the grid's first value cell, becomes its current cell, open for
// typing, as a click on it makes it; the view does not move.
void SelectFirstUnitValue();

// Column widths and row height from the form's font, and the grid's client size to fit.
void SetupUnitGrid();

// Recomputes the column `col` from the cell (col, row): the other rows of its kind, or, for
// the density column, the zero densities written as "0".
void RecalcUnitGrid(int col, int row);

// Key codes that recompute the grid on release: the digits, Backspace, Delete, the
// separators '.' and ',' (of the main keys and the number pad) and PrintScreen, which
// changes nothing in a cell and so recomputes what stands there.
bool UnitGridRecalcKey(int key);

}  // namespace tubalyx
