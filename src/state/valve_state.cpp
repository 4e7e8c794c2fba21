#include "state/valve_state.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_VALVE(X)             \
    X(LiquidCriticalPressurePa, 0.0) \
    X(MaxDpBar, 0.0)                 \
    X(InletPressureBar, 0.0)         \
    X(VapourPressureBar, 0.0)        \
    X(CriticalPressureBar, 0.0)      \
    X(ValveMassFlowTph, 0.0)         \
    X(ValveFlowFactor, 1.0)          \
    X(ValveKv, 0.0)                  \
    X(ValveCriticalFlag, false)      \
    X(ValveFLP, 0.0)                 \
    X(ValveFp, 1.0)                  \
    X(RestrictionFL, 0.0)            \
    X(DeviceDrop, 0.0)               \
    X(CriticalFlow, 0.0)             \
    X(CriticalInletPressureBar, 0.0) \
    X(ValvePowerW, 0.0)              \
    X(ValvePipeVelocity, 0.0)

TUBALYX_VALVE(TUBALYX_STATE_DEFINE)

void state_detail::ResetValveState() { TUBALYX_VALVE(TUBALYX_STATE_RESET) }

void state_detail::WriteValveState(std::string& out) { TUBALYX_VALVE(TUBALYX_STATE_WRITE) }

}  // namespace tubalyx
