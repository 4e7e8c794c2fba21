#include "flow/operating_geometry.h"

#include <string>

#include "flow/device_geometry.h"
#include "flow/dp_range_uncertainty.h"
#include "flow/fitting_rows.h"
#include "flow/flow_iterations.h"
#include "flow/operating_range.h"
#include "flow/optimal_design.h"
#include "flow/sequence_limits.h"
#include "flow/straight_length_service.h"
#include "media/thermal_expansion.h"
#include "numerics/checked.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
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

namespace {

// A cold dimension in mm, in the unit of the label dstorkallsort.
std::string ColdDimensionText(double mm) {
    const bool millimetres = CalculationWindow().dstorkallsort.Caption() == kUnitMillimetre;
    return FormatFixed(millimetres ? mm : mm * kInchesPerMillimetre, 5);
}

}  // namespace

void ColdBoreFromOperating(double deviceFactor) {
    BoreDiameterColdM = CheckedDiv(BoreDiameter, deviceFactor);
    BoreDiameterColdMm = 1000.0 * BoreDiameterColdM;
    if (DeviceCode == kDeviceSegmentOrifice) {
        SegmentHeightForDiameter(BoreDiameterColdM, PipeDiameterColdM, SegmentHeightColdM);
        SegmentHeightColdMm = 1000.0 * SegmentHeightColdM;
        SegmentHeightM = deviceFactor * SegmentHeightColdM;
    }
}

void ComputeOperatingGeometry() {
    const double deviceFactor =
        ThermalExpansionFactor(DeviceExpansionCoeff, DeviceExpansionCoeffB, OperatingTemperature);
    const double pipeFactor = ThermalExpansionFactor(PipeExpansionCoeff, PipeExpansionCoeffB, OperatingTemperature);

    PipeDiameterColdM = CheckedDiv(PipeDiameter, pipeFactor);
    PipeDiameterColdMm = 1000.0 * PipeDiameterColdM;
    ColdBoreFromOperating(deviceFactor);

    std::string row;
    MapFittingToTableRow(DeviceCode, UpstreamFittingCode, row);
    double upstream = 0.0;
    CallRequiredStraightLengths(DeviceCode, DeviceVariantCode, row, upstream, AdditionalUncertaintyPercent,
                                StraightLengthShortfallM, StraightLengthM, PipeDiameter, BoreDiameter);
    if (BendUncertaintyPercent != 0.0) AdditionalUncertaintyPercent = BendUncertaintyPercent;

    const std::string standard(1, StandardLetter);
    const double f = SizingCorrectionFactor;
    DiffPressureFromFlow(MediumCode, DeviceCode, DeviceVariantCode, standard, OperatingPressure, NormalMassFlow,
                         BoreDiameter, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating, f,
                         DpAtNormalFlow);
    const double flowRatio = CheckedDiv(MinMassFlow, MaxMassFlow);
    UncertaintyOverDpRange(MediumCode, DeviceCode, DeviceVariantCode, f, KappaOperating, DynamicViscosityPas,
                           FlowDensity, PipeDiameter, BoreDiameter, MaxDpPa, DpAtNormalFlow,
                           MaxDpPa * flowRatio * flowRatio, OperatingPressure, standard, AverageCoefficientUncertainty,
                           VariantFlowDeviationA, VariantFlowDeviationB);
    ScaledDiffPressureFromFlow(MediumCode, DeviceCode, DeviceVariantCode, standard, OperatingPressure, NormalMassFlow,
                               MaxMassFlow, BoreDiameter, PipeDiameter, FlowDensity, DynamicViscosityPas,
                               KappaOperating, f, ScaledMaxDpPa);

    FetchStandardLimits();
    ComputeFlowAtReynoldsMin();
    ComputeUpperFlowLimit(f);

    MaxFlowDpPa = MaxDpPa;
    DpUnit = DpUpperLimitUnit;
    AdjustForOperatingRange();
    // The search re-solves the bore at the operating state: where the optimal design held its bore
    // at the end of the bores tried, it moves it to the bore that passes the flow, and the
    // cold bore is that one's.
    ColdBoreFromOperating(deviceFactor);

    const CalculationControls& form = CalculationWindow();
    form.Dstorkallmm.SetText(ColdDimensionText(PipeDiameterColdMm));
    form.dkallmm.SetText(ColdDimensionText(BoreDiameterColdMm));
    form.hkallmm.SetText(ColdDimensionText(SegmentHeightColdMm));
    form.difftryckmaxantal.SetText(FormatFixed(MaxDpEntered > 0.0 ? MaxDpEntered : MaxDpInput, 5));
    form.difftryckmaxsort.SetText(DpUnit);
}

}  // namespace tubalyx
