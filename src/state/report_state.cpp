#include "state/report_state.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_REPORT_STATE(X)                            \
    X(NewestReportLineCount, 0)                            \
    X(ReportDetailLetter, '2')                             \
    X(UpstreamTappingPressure, 0.0)                        \
    X(DownstreamTappingPressure, 0.0)                      \
    X(UpstreamTappingTemperature, kNoTappingTemperature)   \
    X(DownstreamTappingTemperature, kNoTappingTemperature) \
    X(FlowBlockLines, {})                                  \
    X(CodeBrandLine, "")                                   \
    X(IdealGasDensityErrorPercent, 0.0)                    \
    X(UncorrectedDensityErrorPercent, 0.0)                 \
    X(RootFlowFormulaText, "")                             \
    X(DensityTableReady, false)                            \
    X(CompTableMedium, "")                                 \
    X(UncertaintyRunOk, false)

TUBALYX_REPORT_STATE(TUBALYX_STATE_DEFINE)

#define TUBALYX_GRAPH_STATE(X) X(UncertaintyValid, false)

TUBALYX_GRAPH_STATE(TUBALYX_STATE_DEFINE)

void state_detail::ResetReportState() {
    TUBALYX_REPORT_STATE(TUBALYX_STATE_RESET)
    TUBALYX_GRAPH_STATE(TUBALYX_STATE_RESET)
}

}  // namespace tubalyx
