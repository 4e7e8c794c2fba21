#include "state/corrections.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_CORRECTIONS(X)                    \
    X(InletEdgeFactor, 1.0)                       \
    X(RoughnessFactor, 1.0)                       \
    X(BendFactor, 1.0)                            \
    X(SizingCorrectionFactor, 1.0)                \
    X(AdditionalUncertaintyPercent, 0.0)          \
    X(RoughnessUncertaintyPercent, 0.0)           \
    X(BendUncertaintyPercent, 0.0)                \
    X(InletEdgeUncertaintyPercent, 0.0)           \
    X(CoefficientUncertaintyAtMaxFlow, 0.0)       \
    X(CoefficientUncertaintyPercent, 0.0)         \
    X(ExpansibilityUncertaintyPercent, 0.0)       \
    X(ExtraUncertaintyPercent, 0.0)               \
    X(StraightLengthUncertaintyPercent, 0.0)      \
    X(CombinedCoefficientUncertaintyPercent, 0.0) \
    X(FlowUncertaintyPercent, 0.0)                \
    X(AverageCoefficientUncertainty, 0.0)         \
    X(VariantFlowDeviationA, 0.0)                 \
    X(VariantFlowDeviationB, 0.0)                 \
    X(CalculationErrorLimit, 0.0)                 \
    X(DpCellSplitPercent, 0.0)

TUBALYX_CORRECTIONS(TUBALYX_STATE_DEFINE)

void state_detail::ResetCorrections() { TUBALYX_CORRECTIONS(TUBALYX_STATE_RESET) }

void state_detail::WriteCorrections(std::string& out) { TUBALYX_CORRECTIONS(TUBALYX_STATE_WRITE) }

}  // namespace tubalyx
