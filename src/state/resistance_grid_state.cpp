#include "state/resistance_grid_state.h"

#include "state/state_list.h"

namespace tubalyx {

namespace {
FittingValueArray Filled(double value) {
    FittingValueArray a;
    a.fill(value);
    return a;
}
}  // namespace

// The start values of an empty line.
#define TUBALYX_RESISTANCE_GRID(X)        \
    X(ResistanceKind, FittingKindArray{}) \
    X(ResistanceZeta, Filled(0.0))        \
    X(ResistancePosition, Filled(0.0))    \
    X(ResistanceParamA, Filled(20.0))     \
    X(ResistanceParamB, Filled(100.0))    \
    X(HeightRowRise, Filled(0.0))         \
    X(HeightRowLength, Filled(0.0))       \
    X(ResistanceKv, Filled(0.0))          \
    X(ResistanceFL, Filled(0.95))         \
    X(BranchDiagramMarker, 0)

TUBALYX_RESISTANCE_GRID(TUBALYX_STATE_DEFINE)

void state_detail::ResetResistanceGrid() { TUBALYX_RESISTANCE_GRID(TUBALYX_STATE_RESET) }

void state_detail::WriteResistanceGrid(std::string& out) { TUBALYX_RESISTANCE_GRID(TUBALYX_STATE_WRITE) }

}  // namespace tubalyx
