#pragma once
// Row numbers of the window's grids that more than one file uses.
//
// The calculations, the reports and the window address a grid's cells by row number. A row
// number written out in each file that uses it drifts apart from the others when the grid
// changes (two were defined twice, one of them under two names), so each shared one is named
// here once. Rows that one file alone uses stay in that file.
#include "state/composition.h"

namespace tubalyx {

// The composition grids ViktVolprocGrid and ViktVolprocgridfukt: the mixture rows of
// state/composition.h. In the humid grid the last of them holds the water vapour.
inline constexpr int kVapourRow = kMixtureLastRow;

// The resistance grid Motstandgrid, one fitting per column. Rows 0 to 5 of the label column
// are fixed labels; rows 6 to 8 name the parameters of the fitting.
inline constexpr int kDescriptionRow = 1;  // the fitting's description
inline constexpr int kZetaRow = 2;         // resistance number zeta
inline constexpr int kPositionRow = 3;     // m after the inlet
inline constexpr int kPercentRow = 4;      // pressure loss, % of the operating pressure
inline constexpr int kMbarRow = 5;         // pressure loss, mbar
inline constexpr int kFirstParameterRow = 6;
inline constexpr int kLastParameterRow = 8;
inline constexpr int kResistanceGridRows = kLastParameterRow + 1;

// The uncertainty grid Felsimulgrid (reports/uncertainty/uncertainty_grid.h describes it).
inline constexpr int kSquareRootRow = 5;     // the dp transmitter extracts the root
inline constexpr int kDensityErrorRow = 13;  // the error of the density
inline constexpr int kHumidityRow = 18;      // the error of the humidity, shown for a humid gas
inline constexpr int kOtherErrorsFirstRow = 19;
inline constexpr int kHumidityUncertaintyRow = 22;  // the total of the dry part, shown for a humid gas

}  // namespace tubalyx
