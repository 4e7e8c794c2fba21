#include "flow/primary_device_sequence.h"

#include <cmath>
#include <string>

#include "flow/coefficient_uncertainty.h"
#include "flow/device_coefficients.h"
#include "flow/device_geometry.h"
#include "flow/device_limit_checks.h"
#include "flow/dp_range_uncertainty.h"
#include "flow/flow_iterations.h"
#include "flow/installation_factors.h"
#include "flow/oil_recipe.h"
#include "flow/operating_geometry.h"
#include "flow/operating_range.h"
#include "flow/optimal_design.h"
#include "flow/permanent_loss.h"
#include "flow/primary_device_sequence_detail.h"
#include "flow/reynolds.h"
#include "flow/sequence_limits.h"
#include "flow/simplified_flow_law.h"
#include "flow/straight_length_service.h"
#include "flow/straight_lengths.h"
#include "flow/volume_meter.h"
#include "media/medium_identification.h"
#include "media/medium_properties.h"
#include "media/medium_state.h"
#include "media/medium_state_limits.h"
#include "media/natural_gas.h"
#include "media/thermal_expansion.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/unit_parser.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/calculation_window.h"

namespace tubalyx {

using sequence_detail::CorrectionProduct;
using sequence_detail::RefreshCoefficientsAtMaxFlow;
using sequence_detail::StandardText;

namespace {

// The results the reports print; a non-finite one is a calculation error.
void CheckResultsFinite() {
    const double results[] = {MaxMassFlow,
                              MinMassFlow,
                              NormalMassFlow,
                              MaxDpPa,
                              MaxFlowDpPa,
                              DpAtNormalFlow,
                              BoreDiameter,
                              PipeDiameter,
                              FlowAtMaxDp,
                              DischargeCoefficientC,
                              VelocityOfApproachFactor,
                              ExpansibilityAtMaxFlow,
                              DiameterRatioBeta,
                              ReynoldsAtMaxFlow,
                              FlowUncertaintyPercent,
                              CombinedCoefficientUncertaintyPercent,
                              CoefficientUncertaintyAtMaxFlow,
                              MaxPressureLossInput,
                              MaxFlowInput,
                              AdditionalUncertaintyPercent};
    for (double r : results) CheckFinite(r, "non-finite result of the primary-device calculation");
}

}  // namespace

void RunPrimaryDeviceCalculation() {
    PipeRoughnessM = 0.001 * PipeRoughnessMm;
    PendingOilRecipe.reset();
    PrepareMediumForFlow();

    CoefficientUncertaintyAtMaxFlow = CoefficientUncertaintyPercent = 0.0;
    ExpansibilityUncertaintyPercent = ExtraUncertaintyPercent = 0.0;
    StraightLengthUncertaintyPercent = CombinedCoefficientUncertaintyPercent = 0.0;
    FlowUncertaintyPercent = RoughnessUncertaintyPercent = 0.0;
    InletEdgeFactor = RoughnessFactor = BendFactor = 1.0;
    InletEdgeUncertaintyPercent = 0.0;

    if (FlowDensity > 0.0) RunCalculationSteps();
    CheckMediumStateLimits(TableRangeNote);
    if (!(FlowDensity > 0.0)) return;

    const std::string standard = StandardText();
    const bool volume = DeviceCode == kDeviceVolumeMeter;
    if (!volume) {
        RefreshCoefficientsAtMaxFlow();
        DeviceCoefficients(MediumCode, DeviceCode, DeviceVariantCode, standard, OperatingPressure, NormalMassFlow,
                           DpAtNormalFlow, BoreDiameter, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating,
                           NormalFlowCoefficients.c, NormalFlowCoefficients.e, NormalFlowCoefficients.epsilon,
                           NormalFlowCoefficients.beta, NormalFlowCoefficients.reynolds);
        FlowCoefficientAtNormalFlow = NormalFlowCoefficients.c * NormalFlowCoefficients.e;
    } else {
        ReynoldsAtMaxFlow = ReynoldsNumber(PipeDiameter, DynamicViscosityPas, MaxMassFlow);
    }

    CheckDeviceLimits();

    double uEpsilon = 0.0, uC = 0.0;
    CoefficientUncertainty(DeviceCode, DeviceVariantCode, MediumCode, standard, OperatingPressure,
                           CheckedDiv(BoreDiameter, PipeDiameter), MaxDpPa, ReynoldsAtMaxFlow, KappaOperating,
                           PipeDiameter, uEpsilon, uC);
    CoefficientUncertaintyAtMaxFlow = std::sqrt(uEpsilon * uEpsilon + uC * uC);

    const bool optimal = SolveFor == kSolveOptimal;
    const bool bendDevice =
        DeviceCode == kDeviceOrifice || DeviceCode == kDeviceShortVenturi || DeviceCode == kDeviceIsaNozzle;
    if (optimal) {
        double upstream = 0.0, extra = 0.0, shortfall = 0.0;
        CallRequiredStraightLengths(DeviceCode, DeviceVariantCode, UpstreamFittingCode, upstream, extra, shortfall,
                                    StraightLengthM, PipeDiameter, BoreDiameter);
        OptimalStraightLength = upstream;
        if (UpstreamFittingCode == kFittingSingleBend && bendDevice && extra > 0.0) {
            BendCorrectionFactor(upstream, PipeDiameter, CheckedDiv(BoreDiameter, PipeDiameter), BendFactor);
            AdditionalUncertaintyPercent = std::fabs(1.0 - BendFactor) * 100.0;
        }
    } else if (UpstreamFittingCode != kFittingOther) {
        // A device without a table of lengths requires none, rather than the lengths an earlier
        // run looked up for another device; the others look theirs up.
        UpstreamLengthZeroM = UpstreamLengthHalfM = DownstreamLengthZeroM = DownstreamLengthHalfM = 0.0;
        CompareStraightLengths();
    }

    double polynomial = 0.0;
    RoughnessCorrectionFactor(PipeDiameter, PipeRoughnessM, NormalMassFlow, RoughnessFactor,
                              RoughnessUncertaintyPercent, polynomial);

    InletEdgeFactor = 1.0;
    InletEdgeUncertaintyPercent = 0.0;
    if (DeviceCode == kDeviceOrifice && !optimal) {
        const double x = CheckedDiv(0.001 * EdgeRadiusMm, BoreDiameter);
        if (x > 0.0004) {
            InletEdgeFactor = 1.0 + 5.7 * x - 92.5 * x * x;
            InletEdgeUncertaintyPercent = MaxDouble(std::fabs(InletEdgeFactor - 1.0) * 50.0, 0.5);
        }
    }

    const double f = CorrectionProduct();
    if (std::fabs(f - 1.0) > 1e-5) {
        if (!optimal) {
            RunCalculationSteps();
        } else {
            ThroatDiameterFromFlow(MediumCode, DeviceCode, DeviceVariantCode, standard, OperatingPressure, MaxMassFlow,
                                   MaxDpPa, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating, f,
                                   BoreDiameter);
            ComputeOperatingGeometry();
        }
    }
    if (PendingOilRecipe) WriteCompensatedFlowRecipe(*PendingOilRecipe);

    const double beta = CheckedDiv(BoreDiameter, PipeDiameter);
    const double reNormal =
        volume ? ReynoldsNumber(PipeDiameter, DynamicViscosityPas, NormalMassFlow) : NormalFlowCoefficients.reynolds;
    CoefficientUncertainty(DeviceCode, DeviceVariantCode, MediumCode, standard, OperatingPressure, beta, DpAtNormalFlow,
                           reNormal, KappaOperating, PipeDiameter, ExpansibilityUncertaintyPercent,
                           CoefficientUncertaintyPercent);

    if (!optimal) {
        ExtraUncertaintyPercent =
            (DeviceCode == kDeviceOrifice || DeviceCode == kDeviceIsaNozzle || DeviceCode == kDeviceQuarterCircle) &&
                    ExtraUncertaintyCode == kExtraUncertaintyFlanged
                ? 0.2
                : 0.0;
        StraightLengthUncertaintyPercent = AdditionalUncertaintyPercent;
        const double sum = CoefficientUncertaintyPercent + ExtraUncertaintyPercent + StraightLengthUncertaintyPercent;
        CombinedCoefficientUncertaintyPercent =
            std::sqrt(sum * sum + RoughnessUncertaintyPercent * RoughnessUncertaintyPercent);
        const double e = VelocityOfApproachFactor;
        FlowUncertaintyPercent =
            CheckedSqrt(4.0 * e * e * e * e * (0.4 * 0.4 * PowerDouble(beta, 8.0) + 0.0049) +
                        CombinedCoefficientUncertaintyPercent * CombinedCoefficientUncertaintyPercent +
                        ExpansibilityUncertaintyPercent * ExpansibilityUncertaintyPercent + 0.16);
    }

    if (IsConeMeter(DeviceCode) || volume) {
        CalculationErrorLimit = 0.0;
    } else {
        FitFlowCorrectionCoefficients(MediumCode, DeviceCode, DeviceVariantCode, standard, OperatingPressure,
                                      MaxFlowDpPa, BoreDiameter, PipeDiameter, FlowDensity, DynamicViscosityPas,
                                      KappaOperating, CorrectionProduct(), DpTransmitterValues.designDpFlow.si,
                                      MinMassFlow, FmatCoefficientA, FmatCoefficientB, CalculationErrorLimit);
    }
    CheckResultsFinite();
    CalculationWindow().PaintBox1.SetVisible(true);
    CalculationWindow().PaintBox1.Repaint();
}

}  // namespace tubalyx
