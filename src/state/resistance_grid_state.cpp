#include "state/resistance_grid_state.h"

namespace tubalyx {

namespace {
FittingValueArray Filled(double value) {
    FittingValueArray a;
    a.fill(value);
    return a;
}
}  // namespace

// The start values of an empty line.
FittingKindArray ResistanceKind{};
FittingValueArray ResistanceZeta = Filled(0.0);
FittingValueArray ResistancePosition = Filled(0.0);
FittingValueArray ResistanceParamA = Filled(20.0);
FittingValueArray ResistanceParamB = Filled(100.0);
FittingValueArray HeightRowRise = Filled(0.0);
FittingValueArray HeightRowLength = Filled(0.0);
FittingValueArray ResistanceKv = Filled(0.0);
FittingValueArray ResistanceFL = Filled(0.95);
int BranchDiagramMarker = 0;

}  // namespace tubalyx
