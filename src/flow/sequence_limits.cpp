#include "flow/sequence_limits.h"

#include <string>

#include "flow/flow_iterations.h"
#include "flow/reynolds.h"
#include "flow/standard_limits.h"
#include "media/medium_identification.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {

void FetchStandardLimits() {
    const std::string standard(1, StandardLetter);
    ReynoldsLimits(DeviceCode, DeviceVariantCode, standard, BoreDiameter, PipeDiameter, ReynoldsLowerBound,
                   ReynoldsUpperBound);
    const double reNormal = ReynoldsNumber(PipeDiameter, DynamicViscosityPas, NormalMassFlow);
    RoughnessLimits(DeviceCode, DeviceVariantCode, standard, BoreDiameter, PipeDiameter, PipeRoughnessM, reNormal,
                    RoughnessUpperBound);
    BetaLimits(DeviceCode, DeviceVariantCode, standard, BetaLowerBound, BetaUpperBound);
    PipeDiameterLimits(DeviceCode, DeviceVariantCode, standard, PipeDiameterLowerBound, PipeDiameterUpperBound);
    MinThroatDiameter(DeviceCode, ThroatDiameterLowerBound, ThroatDiameterUpperBound);
}

void ComputeFlowAtReynoldsMin() {
    FlowAtReynoldsMin =
        CheckFinite(CheckedDiv(ReynoldsLowerBound, ReynoldsNumber(PipeDiameter, DynamicViscosityPas, NormalMassFlow)) *
                    NormalMassFlow);
}

void ComputeUpperFlowLimit(double f) {
    const double reynoldsFlow =
        CheckFinite(CheckedDiv(ReynoldsUpperBound, ReynoldsNumber(PipeDiameter, DynamicViscosityPas, NormalMassFlow)) *
                    NormalMassFlow);
    if (!IsGasMedium(MediumCode)) {
        FlowAtUpperLimitValue = reynoldsFlow;
        return;
    }
    const std::string standard(1, StandardLetter);
    double dpFlow = 0.0;
    FlowFromDiffPressure(MediumCode, DeviceCode, DeviceVariantCode, standard, OperatingPressure,
                         MaxDiffPressure(MediumCode, DeviceCode, OperatingPressure), BoreDiameter, PipeDiameter,
                         FlowDensity, DynamicViscosityPas, KappaOperating, f, dpFlow);
    FlowAtUpperLimitValue = MinDouble(dpFlow, reynoldsFlow);
}

}  // namespace tubalyx
