#pragma once
// The input page of the pressure-loss functions "Tryckf" (a line with fittings) and "Flow"
// (the pipe alone): the medium data, the pipe, the max flow and, for "Tryckf", the tube
// length, the adiabatic option and the resistance grid.

namespace tubalyx {

// Builds the page from `layoutTop` on and leaves it below the last control. Kind 'S' builds
// it for the user; kind 'B' (inside a run) also writes each input line into the report and,
// for "Tryckf", the table of the fittings that have content.
void ShowPressureLossInput(char kind, int& layoutTop);

// LayoutTop := the bottom of the resistance grid, where the report controls follow.
void PlaceBelowResistanceGrid();

}  // namespace tubalyx
