#include "state/pressure_loss_state.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_PRESSURE_LOSS(X)                \
    X(FittingCriticalFlag, FittingFlagArray{})  \
    X(HeightZetaSum, FittingValueArray{})       \
    X(HeightPressureSum, FittingValueArray{})   \
    X(HeightZetaSaved, FittingValueArray{})     \
    X(HeightPressureSaved, FittingValueArray{}) \
    X(PipeSegmentZeta, 0.0)                     \
    X(FittingPressureDrop, 0.0)                 \
    X(LineMassFlow, 0.0)                        \
    X(LineDiameter, 0.0)                        \
    X(LineLocalTemperature, 0.0)                \
    X(LineOutletPressure, 0.0)                  \
    X(LineVelocity, 0.0)                        \
    X(WholeLineDrop, 0.0)                       \
    X(WholeLineFrictionDrop, 0.0)               \
    X(StretchDrop, 0.0)                         \
    X(StretchFrictionSum, 0.0)                  \
    X(LastPassZetaSum, 0.0)                     \
    X(LineTotalDrop, 0.0)                       \
    X(LineFrictionLoss, 0.0)                    \
    X(LineZetaTotal, 0.0)                       \
    X(OutletDensity, 0.0)                       \
    X(OutletViscosity, 0.0)                     \
    X(OutletKappa, 0.0)                         \
    X(SelectedResistanceColumn, 0)              \
    X(ResistanceCellColumn, 0)                  \
    X(ResistanceCellRow, 0)                     \
    X(ResistanceHoverColumn, -1)                \
    X(ResistanceHoverRow, -1)                   \
    X(ResistanceCollapseMarker, -1)

TUBALYX_PRESSURE_LOSS(TUBALYX_STATE_DEFINE)

void state_detail::ResetPressureLossState() { TUBALYX_PRESSURE_LOSS(TUBALYX_STATE_RESET) }

void state_detail::WritePressureLossState(std::string& out) { TUBALYX_PRESSURE_LOSS(TUBALYX_STATE_WRITE) }

}  // namespace tubalyx
