#include "state/geometry.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_GEOMETRY(X)       \
    X(PipeDiameter, 0.1)          \
    X(BoreDiameter, 0.05)         \
    X(SegmentHeightM, 0.0)        \
    X(DiameterRatioBeta, 0.5)     \
    X(PipeDiameterColdM, 0.1)     \
    X(PipeDiameterColdMm, 100.0)  \
    X(BoreDiameterColdMm, 0.0)    \
    X(BoreDiameterColdM, 0.0)     \
    X(SegmentHeightColdMm, 0.0)   \
    X(SegmentHeightColdM, 0.0)    \
    X(ValveDiameterColdMm, 0.0)   \
    X(ValveDiameterColdM, 0.0)    \
    X(PipeRoughnessMm, 0.0)       \
    X(PipeRoughnessM, 0.0)        \
    X(PipeRoughnessGiven, 0.0)    \
    X(PlateThicknessMm, 30.0)     \
    X(DeviceExpansionCoeff, 0.0)  \
    X(DeviceExpansionCoeffB, 0.0) \
    X(PipeExpansionCoeff, 0.0)    \
    X(PipeExpansionCoeffB, 0.0)

TUBALYX_GEOMETRY(TUBALYX_STATE_DEFINE)

void state_detail::ResetGeometry() { TUBALYX_GEOMETRY(TUBALYX_STATE_RESET) }

void state_detail::WriteGeometry(std::string& out) { TUBALYX_GEOMETRY(TUBALYX_STATE_WRITE) }

}  // namespace tubalyx
