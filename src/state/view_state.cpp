#include "state/view_state.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_VIEW_STATE(X)   \
    X(GraphChoice, "rot")       \
    X(ReportSelectionAnchor, 0) \
    X(ReportScrollPosition, 0)

TUBALYX_VIEW_STATE(TUBALYX_STATE_DEFINE)

void state_detail::ResetViewState() { TUBALYX_VIEW_STATE(TUBALYX_STATE_RESET) }

}  // namespace tubalyx
