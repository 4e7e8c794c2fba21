#pragma once
// The uncertainty grid Felsimulgrid: one row per error source with its caption in column 0
// and its input in column 1, the ten flow points in columns 2 to 11 and the mean in column
// 12. Row 0 is the flow axis; its column 2 is the lowest flow of the budget in % of the
// maximal flow. Natural gas ("NGAS") has five composition rows after row 18, so its per-point
// rows and totals sit five rows lower.

#include <string>

#include "state/grid_rows.h"

namespace tubalyx {

class TStringGrid;

inline constexpr int kUncertaintyFirstPointColumn = 2;
inline constexpr int kUncertaintyLastPointColumn = 11;
inline constexpr int kUncertaintyMeanColumn = 12;

// Rows that move with the medium: the typed-in per-point rows and the two totals.
struct UncertaintyRowLayout {
    int otherErrors;         // 19, natural gas 24
    int otherUncertainties;  // 20, 25
    int total;               // 21, 26
    int secondTotal;         // 22 dry gas, natural gas 27 energy flow
};
UncertaintyRowLayout CurrentUncertaintyRows();

// The number a cell holds, typed with either decimal separator (the text then takes the
// platform's); false when it holds none.
bool CellNumber(std::string& text, double& value);
// The typed standard uncertainty of row 1, column 1; -1 when the cell holds no number.
double TypedStandardUncertainty();

// Captions of the current language, device, medium, transmitter count and percent base,
// the hidden rows (height 0) and the grid's height fitted to its visible rows.
void FillUncertaintyGridRows();
// The layout's and the page's entry to the grid's rows.
void ShowUncertaintyTable();
// The rows after the humidity row as the medium lays them out: natural gas's composition rows
// before its typed-in rows and totals, or every other medium's typed-in rows and totals. Coming
// from the other layout, the two rows typed in per point move to their places in this one and
// the rest start as a new window shows them (no composition row is read as a typed error);
// within one layout every row stays as it is.
void StartRowsOfMediumLayout();
// Puts every source row 1 to 16 back into the row of its number.
void OrderUncertaintyGridRows();
// Column 1 (and the typed-in per-point rows) into the uncertainty state; a cell that is no
// number becomes "0", one typed with the other decimal separator is rewritten.
void ReadUncertaintyGrid();

// The clicks of the grid, by cell. Each returns whether it acted.
// Row 5, column 1: "N" becomes "Y" ("J" outside English), anything else "N".
bool ToggleSquareRootCell(int col, int row);
// Row 13, column 0: the three density-error captions in turn, with their values in column 1.
bool CycleDensityErrorCaption(int col, int row);
// Row 0, column 12: into the sorted view (copied into Felsimulgrid2, rows by their mean,
// largest first, then the report written again) or back from it.
bool ToggleSortedView(int col, int row);
// The sorted view freezes every cell but the heading of column 12.
bool InSortedView();
// Column 0 of the rows 18 to 21 (natural gas 24 to 27): % of maximal or of actual flow.
bool TogglePercentBase(int col, int row);
// Column 0 of row 3 or 4: two transmitters with split ranges, when a split point is known.
bool ToggleTransmitterCount(int col, int row);

}  // namespace tubalyx
