#include "state/window_state.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_WINDOW_STATE(X)    \
    X(BaseFontSize, 0)             \
    X(LayoutTop, 0)                \
    X(InputTabOrder, 0)            \
    X(MixtureEditColumn, 5)        \
    X(MixtureRow, 2)               \
    X(MaterialMenuTarget, "F")     \
    X(TemperatureRangeLabel, "")   \
    X(PressureRangeLabel, "")

TUBALYX_WINDOW_STATE(TUBALYX_STATE_DEFINE)

void state_detail::ResetWindowState() { TUBALYX_WINDOW_STATE(TUBALYX_STATE_RESET) }

}  // namespace tubalyx
