#include "state/report_state.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_REPORT_STATE(X)               \
    X(FlowBlockLines, {})                     \
    X(UpstreamTappingTemperature, -1000.0)    \
    X(DownstreamTappingTemperature, -1000.0)  \
    X(UpstreamTappingPressure, 0.0)           \
    X(DownstreamTappingPressure, 0.0)

TUBALYX_REPORT_STATE(TUBALYX_STATE_DEFINE)

void state_detail::ResetReportState() { TUBALYX_REPORT_STATE(TUBALYX_STATE_RESET) }

}  // namespace tubalyx
