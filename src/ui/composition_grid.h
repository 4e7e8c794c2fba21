#pragma once
// The editor of the composition grids of a gas mixture ("G") and of natural gas ("NGAS"):
// ViktVolprocGrid, where the user types the shares, and ViktVolprocgridfukt, the same
// composition with the humidity, read only. Rows 2 to 10 hold one component each, row 11 the
// water vapour of a humid mixture, row 12 the column sums; column 2 is weight %, 3 volume %
// at the normal state, 4 volume % at the operating state (shown in row 1), 5 mol %. The
// mixture arithmetic itself is media/gas_mixture's. The grid handlers are TForm1's.
namespace tubalyx {

// The start composition (argon and carbon dioxide half and half; natural gas 92 % methane),
// the component keywords and names, and both grids evaluated.
void SetupCompositionGrids();

// After an edit of the cell (col, row): a share that is no number becomes "0" (a row without
// a component is emptied), then the other columns follow the edited one.
void RecalcMixtureGrid(int col, int row);

// Row 1 of both grids shows the operating conditions as the edits show them; the humidity flag
// follows the humidity edit.
void CopyConditionsToMixtureGrid();

// The water-vapour row 11 of the humid grid for the current humidity and operating state,
// the dry components scaled so that all add up to 100 again; then the column sums.
void UpdateHumidityRow();

// The help text over the grid (Memo2), in the current language.
void ShowCompositionHelp();

// Opens the component menu just below a row of the dry grid.
void OpenComponentMenu(int row);

// Copies the cells of the dry grid into the humid grid; row 11 only when `withVapourRow`.
void CopyToHumidityGrid(bool withVapourRow);

}  // namespace tubalyx
