#pragma once
// The fittings of the pressure-loss line, one per column 1..50 of the resistance grid
// Motstandgrid. Index 0 of every array is unused so that a column number is its index;
// callers test a column against 1..kFittingColumnCount before they index.
#include <array>

namespace tubalyx {

inline constexpr int kFittingColumnCount = 50;

using FittingKindArray = std::array<int, kFittingColumnCount + 1>;
using FittingValueArray = std::array<double, kFittingColumnCount + 1>;

extern FittingKindArray ResistanceKind;       // catalogue kind; 0 empty, 99 user-defined
extern FittingValueArray ResistanceZeta;      // resistance number zeta
extern FittingValueArray ResistancePosition;  // m after the inlet
extern FittingValueArray ResistanceParamA;    // degrees (kinds 1, 30, 32, 33, 47) or percent
                                              // of the total flow (kinds 70 to 73)
extern FittingValueArray ResistanceParamB;    // mm: new pipe diameter (31, 34), outlet diameter
                                              // (30), throat size (60 to 64), roughness (10 to 16)
extern FittingValueArray HeightRowRise;       // m, outlet minus inlet height of a kind-81 column
extern FittingValueArray HeightRowLength;     // m, length of a kind-81 column
extern FittingValueArray ResistanceKv;        // m3/h, Kv of a kind-50 valve column
extern FittingValueArray ResistanceFL;        // recovery factor FL of a kind-50 valve column

// Whether the branch diagram still has to be cleared away when a column of another kind
// is shown: 0 once a branch column was shown, else the right edge (pixels) of the diagram
// when it was last cleared away.
extern int BranchDiagramMarker;

}  // namespace tubalyx
