#include "state/menu_state.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_MENU_STATE(X)         \
    X(InitialClientWidth, 0)          \
    X(InitialClientHeight, 0)         \
    X(UpDownLastPosition, 0)          \
    X(CommercialMeterMode, false)     \
    X(SavedMeterUncertaintyCells, {}) \
    X(PressureMenuEdit, "")           \
    X(FlowUnitTarget, 0)              \
    X(PreviousMediumCode, "")         \
    X(ErrorSimAnswerA, "")            \
    X(ErrorSimAnswerB, "")            \
    X(ErrorSimGridMode, "")

TUBALYX_MENU_STATE(TUBALYX_STATE_DEFINE)

void state_detail::ResetMenuState() { TUBALYX_MENU_STATE(TUBALYX_STATE_RESET) }

}  // namespace tubalyx
