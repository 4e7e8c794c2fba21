#pragma once
// The pressure-temperature compensation table PTKompgrid: how far the density of the medium
// departs from the ideal-gas correction (a gas: the ratio Z0/Zn over pressure and
// temperature), from linear interpolation over temperature (a liquid: the density itself) or
// over pressure (saturated steam: ratio and state temperature). A controller computes the
// density from measured P and T by interpolating in it; the table is refined, up to 10
// points per axis, until that interpolation is within the error the user allows.
//
// Points: n points of an axis (1..10) stand at grid index k*9 div (n-1) + 1, the first at 1
// and the last at 10; with n = 1 the one point is the lower limit, at index 1. Pressures are
// kPa absolute with 7 digits, temperatures degrees C and values with 6, as FormatFixed writes
// them (decimal comma). The limit cells at index 10 keep what the user typed.
namespace tubalyx {

// The grid index of point k of n (n from 1 to 10).
int CompTablePointIndex(int k, int n);

// Writes the limit cells of a gas from the operating range (kPa absolute through the unit
// parser), then reads every limit cell into the CompTable limits, writing corrected number
// texts back; a minimum above its maximum makes the maximum equal to it. Saturated steam
// reads its pressure limits only; a liquid its temperature limits and its one pressure.
void ReadCompensationTableLimits();

// Empties the grid but for the heading and limit cells, and writes the headings of the
// current medium's layout.
void WriteCompTableHeadings();

// With compute false (a run): the headings and the request texts. With true (the table
// page's "Run"): the table, DensityTableErrorPercent, ReferenceDensity, the labels of the
// table page and the density texts of the generated code. Never raises.
void BuildCompensationTable(bool compute);

// The request texts of a table not computed since the last run, from the limits of the page as
// it stands now, with no reference state of an earlier table: the formula line names this
// page's pressure and temperature. A computed table keeps its texts, and the block keeps none
// before the first run.
void WriteUncomputedTableTexts();

// Shows or hides the table's controls for the current medium.
void ShowCompensationTableControls(bool show);

// The limit cells from the operating range, for "Strypf" and "Termo" only.
void WriteCompressibilityTable();

}  // namespace tubalyx
