#include "state/flow_results.h"

#include "state/state_list.h"

namespace tubalyx {

// The oil recipe's bytes, its texts with their sizes (a state's bytes, state_list.h).
void AppendBytes(std::string& out, const OilRecipeInput& r) {
    for (const double x : {r.rootFlowMax, r.bore, r.pipeDiameter, r.maxMassFlow, r.viscosity})
        state_detail::AppendBytes(out, x);
    for (const std::string* text :
         {&r.densityFormula, &r.viscosityFormula, &r.dynamicViscosityFormula, &r.densityCorrection})
        state_detail::AppendBytes(out, *text);
}

#define TUBALYX_FLOW_RESULTS(X)         \
    X(MaxMassFlow, 0.0)                 \
    X(MinMassFlow, 0.0)                 \
    X(NormalMassFlow, 0.0)              \
    X(MaxDpPa, 0.0)                     \
    X(MaxFlowDpPa, 0.0)                 \
    X(ScaledMaxDpPa, 0.0)               \
    X(DpAtNormalFlow, 0.0)              \
    X(DpAtMinFlow, 0.0)                 \
    X(FlowAtMaxDp, 0.0)                 \
    X(FlowAtMaxDpInput, 0.0)            \
    X(FlowAtReynoldsMin, 0.0)           \
    X(FlowAtUpperLimitValue, 0.0)       \
    X(ReynoldsAtMaxFlow, 0.0)           \
    X(DischargeCoefficientC, 0.0)       \
    X(VelocityOfApproachFactor, 0.0)    \
    X(ExpansibilityAtMaxFlow, 1.0)      \
    X(NormalFlowCoefficients, {})       \
    X(FlowCoefficientAtNormalFlow, 0.0) \
    X(RootFlowNormal, 0.0)              \
    X(RootFlowMax, 0.0)                 \
    X(RootFlowDesign, 0.0)              \
    X(RootFlowNormalPa, 0.0)            \
    X(RootFlowMaxPa, 0.0)               \
    X(RootFlowDesignPa, 0.0)            \
    X(DevicePressureLossPa, 0.0)        \
    X(OptimalPressureLossPa, 0.0)       \
    X(DpUnitFactor, 1.0)                \
    X(MaxDpEntered, 0.0)                \
    X(DpTransmitterValues, {})          \
    X(FlowRangeMaxDpPa, 0.0)            \
    X(FlowRangeDpPa, 0.0)               \
    X(VolumeMeterRoughnessFactor, 1.0)  \
    X(VolumeMeterReynoldsFactor, 1.0)   \
    X(FmatCoefficientA, kFmatNotFitted) \
    X(FmatCoefficientB, kFmatNotFitted) \
    X(FlowCorrectionDeviation, {})      \
    X(PendingOilRecipe, {})

TUBALYX_FLOW_RESULTS(TUBALYX_STATE_DEFINE)

void state_detail::ResetFlowResults() { TUBALYX_FLOW_RESULTS(TUBALYX_STATE_RESET) }

void state_detail::WriteFlowResults(std::string& out) { TUBALYX_FLOW_RESULTS(TUBALYX_STATE_WRITE) }

}  // namespace tubalyx
