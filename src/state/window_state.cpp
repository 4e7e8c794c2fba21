#include "state/window_state.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_WINDOW_STATE(X)  \
    X(BaseFontSize, 0)           \
    X(LayoutTop, 0)              \
    X(InputTabOrder, 0)          \
    X(MixtureEditColumn, 5)      \
    X(MixtureRow, 2)             \
    X(MaterialMenuTarget, "F")   \
    X(TemperatureRangeLabel, "") \
    X(PressureRangeLabel, "")

TUBALYX_WINDOW_STATE(TUBALYX_STATE_DEFINE)

#define TUBALYX_REPORT_VIEW_STATE(X) \
    X(ReportZoom, false)             \
    X(ReportFileName, "")            \
    X(UnitGridCol, 0)                \
    X(UnitGridRow, 0)                \
    X(UnitGridFlowSourceRow, 0)      \
    X(UnitGridViscositySourceRow, 0) \
    X(UnitGridSavedHorz, 0)          \
    X(UnitGridSavedVert, 0)

TUBALYX_REPORT_VIEW_STATE(TUBALYX_STATE_DEFINE)

void state_detail::ResetWindowState() {
    TUBALYX_WINDOW_STATE(TUBALYX_STATE_RESET)
    TUBALYX_REPORT_VIEW_STATE(TUBALYX_STATE_RESET)
}

}  // namespace tubalyx
