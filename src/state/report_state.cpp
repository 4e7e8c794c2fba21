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
    X(UncertaintyRunOk, false)                             \
    X(LastRunFailed, false)

TUBALYX_REPORT_STATE(TUBALYX_STATE_DEFINE)

#define TUBALYX_GRAPH_STATE(X) X(UncertaintyValid, false)

// clang-format off
TUBALYX_GRAPH_STATE(TUBALYX_STATE_DEFINE)

void state_detail::ResetReportState() {
    TUBALYX_REPORT_STATE(TUBALYX_STATE_RESET)
    TUBALYX_GRAPH_STATE(TUBALYX_STATE_RESET)
}
// clang-format on

#define TUBALYX_COMPENSATION_TABLE_STATE(X) \
    X(CompTablePressureMinKPa, 0.0)         \
    X(CompTablePressureMaxKPa, 0.0)         \
    X(CompTableTemperatureMinC, 0.0)        \
    X(CompTableTemperatureMaxC, 0.0)        \
    X(ReferenceDensity, 0.0)                \
    X(DensityTableErrorPercent, 0.0)        \
    X(DensityAssignmentLine, "")            \
    X(DensityRatioText, "1")                \
    X(ReportLinesWritten, 0)

// clang-format off
TUBALYX_COMPENSATION_TABLE_STATE(TUBALYX_STATE_DEFINE)

void state_detail::ResetCompensationTableState() { TUBALYX_COMPENSATION_TABLE_STATE(TUBALYX_STATE_RESET) }
// clang-format on

}  // namespace tubalyx
