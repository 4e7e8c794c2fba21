#pragma once
// The fitting catalogue on the resistance grid Motstandgrid: placing a fitting into a
// column (description, zeta, position and parameter defaults), re-describing a column in
// the current language, the column width, and zeta of the kinds whose coefficient is fixed
// or depends only on an angle, the bend count and roughness, or a flow share.
//
// Grid layout: columns 1..50 are fittings, column 0 holds the row labels; rows 1 the
// description, 2 zeta, 3 the position (m after the inlet), 4 and 5 the loss in percent and
// mbar (written by the line calculation), 6 to 8 the parameters of the kind. Numbers are
// written with the platform's decimal separator.

namespace tubalyx {

// One routine per catalogue kind. A column n > 0 places the fitting there; n < 0 only
// re-describes column -n in the current language. Columns outside 1..50 are ignored.
// clang-format off
#define TUBALYX_FITTING_ROUTINES(X)                                                                            \
    X(AddSharpBendFreeAngle, 1)                                                                                \
    X(AddBend45R1D, 2) X(AddBend45R1k5D, 8) X(AddBend45R2D, 3) X(AddBend45R3D, 4) X(AddBend45R4D, 5)           \
    X(AddBend45R6D, 6) X(AddBend45R10D, 7)                                                                     \
    X(AddBend90R1D, 10) X(AddBend90R1k5D, 16) X(AddBend90R2D, 11) X(AddBend90R3D, 12) X(AddBend90R4D, 13)      \
    X(AddBend90R6D, 14) X(AddBend90R10D, 15)                                                                   \
    X(AddBend180R1D, 20) X(AddBend180R1k5D, 26) X(AddBend180R2D, 21) X(AddBend180R3D, 22)                      \
    X(AddBend180R4D, 23) X(AddBend180R6D, 24) X(AddBend180R10D, 25)                                            \
    X(AddContractionCone, 30) X(AddSuddenContraction, 31) X(AddExpansionCone1k5D, 32)                          \
    X(AddExpansionCone3D, 33) X(AddSuddenExpansion, 34)                                                        \
    X(AddVesselInletProtruding, 40) X(AddVesselInletSharp, 41) X(AddVesselOutletSharp, 42)                     \
    X(AddVesselOutletWorn, 43) X(AddVesselOutletProtrudingSharp, 44) X(AddVesselOutletProtrudingWorn, 45)      \
    X(AddVesselOutletRounded, 46) X(AddVesselOutletOblique, 47)                                                \
    X(AddValveKv, 50)                                                                                          \
    X(AddOrificeFitting, 60) X(AddClassicalVenturiFitting, 61) X(AddShortVenturiFitting, 62)                   \
    X(AddIsa1932NozzleFitting, 63) X(AddQuarterCircleNozzleFitting, 64)                                        \
    X(AddHeightDifference, 81)
// clang-format on

#define TUBALYX_DECLARE_FITTING_ROUTINE(name, kind) void name(int column);
TUBALYX_FITTING_ROUTINES(TUBALYX_DECLARE_FITTING_ROUTINE)
#undef TUBALYX_DECLARE_FITTING_ROUTINE

// The routine of every kind: places (column > 0) or re-describes (column < 0) a fitting of
// the catalogue kind; a kind outside the catalogue changes nothing.
void PlaceOrDescribeFitting(int kind, int column);

// Empties rows 1 to 8 of the column and gives column 0's zeta row the label for the
// column's kind (the entry form for a user-defined fitting).
void PrepareResistanceColumn(int column);

// Column width from the longest text of rows 0 to 8: (grid font size - 2) pixels per
// character and one more, at least one pixel per character; an empty column keeps its width.
void FitResistanceGridColumn(int column);

// Re-describes the column by its kind in the current language: the hint, the parameter
// labels and the zeta label of column 0, the branch diagram cleared away once when the kind
// is no branch, then the kind's routine.
void DispatchResistanceColumn(int column);

// Zeta of the fixed, bend, angle and branch kinds into ResistanceZeta and row 2 (five
// digits); every other kind is left alone.
void FittingResistanceNumber(int column);

// Empties what the line calculation writes into the fitting columns, the losses (rows 4 and 5)
// and the zeta of the kinds it computes, so that the grid shows no result of an earlier run.
void ClearFittingResults();

}  // namespace tubalyx
