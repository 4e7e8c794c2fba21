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
#include "media/possible_state.h"
#include "media/thermal_expansion.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/unit_parser.h"
#include "state/composition.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace sequence_detail {

double CorrectionProduct() { return InletEdgeFactor * RoughnessFactor * BendFactor; }

void RefreshCoefficientsAtMaxFlow() {
    DeviceCoefficients(MediumCode, DeviceCode, DeviceVariantCode, StandardText(), OperatingPressure, MaxMassFlow,
                       MaxDpPa, BoreDiameter, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating,
                       DischargeCoefficientC, VelocityOfApproachFactor, ExpansibilityAtMaxFlow, DiameterRatioBeta,
                       ReynoldsAtMaxFlow);
}

}  // namespace sequence_detail

using sequence_detail::CorrectionProduct;
using sequence_detail::RefreshCoefficientsAtMaxFlow;
using sequence_detail::StandardText;

namespace {

// The kind letter of a flow unit keyword, the text itself unchanged.
std::string UnitKindOf(const std::string& unit, double* perUnit = nullptr) {
    std::string text = unit;
    std::string kind;
    double value = 0.0;
    ParseUnitValue(text, 1.0, FlowNormalDensity, PipeDiameter, value, kind);
    if (perUnit != nullptr) *perUnit = value;
    return kind;
}

// Humidity values are copied so that the user's entries stay as typed.
void EvaluateState(MediumStateValues& s) {
    double absolute = AbsoluteHumidity, specific = SpecificHumidity;
    double dew = DewTemperatureC, relative = RelativeHumidity;
    MediumPropertiesAtState(false, MediumCode, GasComposition, GivenDensity, GivenViscosityPas, GivenCp, GivenCv,
                            GivenKappa, GivenCriticalTemperatureK, GivenMolarMass, s.pressure, s.temperature,
                            HumidityInputKind, absolute, specific, dew, relative, s.density, s.dryDensity,
                            s.vapourDensity, s.viscosity, s.kappa, s.cp, s.cv, s.vapourPressure, s.enthalpy);
    // The device sees every state of its range: one no medium can have is no duty.
    RequirePossibleState(s, MediumCode);
}

// The corner of the range at which the device sees its largest dp, and the max flow there.
const MediumStateValues& WorstCaseCorner(double& flow) {
    if (UnitKindOf(FlowUnit) == kUnitVolumeFlow) {
        flow = MaxMassFlow * CheckedDiv(HighDensityState.density, FlowDensity);
        return HighDensityState;
    }
    flow = MaxMassFlow;
    return LowDensityState;
}

void ColdGeometryToOperating() {
    PipeDiameter =
        ThermalExpansionFactor(PipeExpansionCoeff, PipeExpansionCoeffB, OperatingTemperature) * PipeDiameterColdM;
    const double deviceFactor =
        ThermalExpansionFactor(DeviceExpansionCoeff, DeviceExpansionCoeffB, OperatingTemperature);
    if (DeviceCode == kDeviceSegmentOrifice)
        SegmentEquivalentDiameter(SegmentHeightColdM, PipeDiameterColdM, BoreDiameterColdM);
    BoreDiameterColdMm = 1000.0 * BoreDiameterColdM;
    BoreDiameter = deviceFactor * BoreDiameterColdM;
    SegmentHeightM = deviceFactor * SegmentHeightColdM;
}

void PipeToOperating() {
    PipeDiameter =
        ThermalExpansionFactor(PipeExpansionCoeff, PipeExpansionCoeffB, OperatingTemperature) * PipeDiameterColdM;
}

void DpAtFlow(double qm, double& dp) {
    DiffPressureFromFlow(MediumCode, DeviceCode, DeviceVariantCode, StandardText(), OperatingPressure, qm, BoreDiameter,
                         PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating, CorrectionProduct(), dp);
}

void FlowAtDp(double dp, double& qm) {
    FlowFromDiffPressure(MediumCode, DeviceCode, DeviceVariantCode, StandardText(), OperatingPressure, dp, BoreDiameter,
                         PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating, CorrectionProduct(), qm);
}

void RangeUncertainty(double dpMax, double dpNormal, double dpMin, double& average, double& deviationA,
                      double& deviationB) {
    UncertaintyOverDpRange(MediumCode, DeviceCode, DeviceVariantCode, CorrectionProduct(), KappaOperating,
                           DynamicViscosityPas, FlowDensity, PipeDiameter, BoreDiameter, dpMax, dpNormal, dpMin,
                           OperatingPressure, StandardText(), average, deviationA, deviationB);
}

void ScaledDp(double qNormal) {
    ScaledDiffPressureFromFlow(MediumCode, DeviceCode, DeviceVariantCode, StandardText(), OperatingPressure, qNormal,
                               MaxMassFlow, BoreDiameter, PipeDiameter, FlowDensity, DynamicViscosityPas,
                               KappaOperating, CorrectionProduct(), ScaledMaxDpPa);
}

void LimitsAndFlowLimits() {
    FetchStandardLimits();
    ComputeFlowAtReynoldsMin();
    ComputeUpperFlowLimit(CorrectionProduct());
}

void DiffPressureStep() {
    ColdGeometryToOperating();
    DpAtFlow(MaxMassFlow, MaxDpPa);
    double cornerFlow = 0.0;
    const MediumStateValues& corner = WorstCaseCorner(cornerFlow);
    DiffPressureFromFlow(MediumCode, DeviceCode, DeviceVariantCode, StandardText(), corner.pressure, cornerFlow,
                         BoreDiameter, PipeDiameter, corner.density, corner.viscosity, corner.kappa,
                         CorrectionProduct(), MaxFlowDpPa);
    DpAtFlow(NormalMassFlow, DpAtNormalFlow);
    FlowAtDp(MaxFlowDpPa, FlowAtMaxDp);
    const double ratio = CheckedDiv(MinMassFlow, MaxMassFlow);
    RangeUncertainty(MaxDpPa, DpAtNormalFlow, MaxDpPa * ratio * ratio, AverageCoefficientUncertainty,
                     VariantFlowDeviationA, VariantFlowDeviationB);
    ScaledDp(NormalMassFlow);
    LimitsAndFlowLimits();
    MaxDpInput = 0.001 * MaxFlowDpPa * DpUnitFactor;
    FlowAtMaxDpInput = CheckedDiv(MaxFlowInput, MaxMassFlow) * FlowAtMaxDp;
    AdjustForOperatingRange();
}

void SolveBoreOrLossStep() {
    PipeToOperating();
    const bool loss = SolveFor == kSolveLoss;
    const double f = CorrectionProduct();
    if (loss) {
        double achieved = 0.0;
        RestrictionDiffPressureForLoss(MediumCode, DeviceCode, DeviceVariantCode, StandardText(), OperatingPressure,
                                       MaxMassFlow, MaxPressureLossPa, PipeDiameter, FlowDensity, DynamicViscosityPas,
                                       KappaOperating, f, MaxDpPa, BoreDiameter, achieved);
        // The dp field holds the solved dp, in its unit: the transmitter settings and the
        // flow/dp table scale by it, and the dp typed there (or solved by an earlier run) is
        // no input of this one.
        double paPerUnit = 0.0;
        UnitKindOf(DpUnit, &paPerUnit);
        MaxDpInput = CheckedDiv(MaxDpPa, paPerUnit);
    }
    MaxFlowDpPa = MaxDpPa;
    // Nothing earlier in the run scales the design dp for the bore solve and the range
    // adjustment; without this they would take the previous run's value, or 0 on the first.
    ScaledMaxDpPa = MaxDpPa;
    const bool quarterExceeded = loss && 0.25 * OperatingPressure < MaxDpPa;
    double cornerFlow = 0.0;
    const MediumStateValues& corner = WorstCaseCorner(cornerFlow);
    if (MaxFlowGivenFlag == kMaxFlowPlain || loss) {
        if (loss) {
            if (!quarterExceeded)
                ThroatDiameterFromFlow(MediumCode, DeviceCode, DeviceVariantCode, StandardText(), OperatingPressure,
                                       MaxMassFlow, MaxDpPa, PipeDiameter, FlowDensity, DynamicViscosityPas,
                                       KappaOperating, f, BoreDiameter);
        } else {
            ThroatDiameterFromFlow(MediumCode, DeviceCode, DeviceVariantCode, StandardText(), corner.pressure,
                                   cornerFlow, MaxDpPa, PipeDiameter, corner.density, corner.viscosity, corner.kappa, f,
                                   BoreDiameter);
        }
    } else {
        const double scale = CheckedDiv(cornerFlow, MaxMassFlow);
        SolveThroatDiameter(MediumCode, DeviceCode, DeviceVariantCode, StandardText(), corner.pressure, cornerFlow,
                            NormalMassFlow * scale, ScaledMaxDpPa, PipeDiameter, corner.density, corner.viscosity,
                            corner.kappa, f, BoreDiameter);
    }
    AdjustForOperatingRange();
    // The flow at the design dp, which the fit of the simplified law and the root-flow
    // constants read; otherwise they would take a value of an earlier run, or 0.
    FlowAtMaxDp = DpTransmitterValues.designDpFlow.si;
    const double deviceFactor =
        ThermalExpansionFactor(DeviceExpansionCoeff, DeviceExpansionCoeffB, OperatingTemperature);
    ColdBoreFromOperating(deviceFactor);
    if (quarterExceeded) {
        // The loss solve's bore stands, beyond the expansibility's range: it has no normal-flow
        // dp or uncertainty over the range. These start again from none, and the standard's
        // limits are still this device's, rather than an earlier run's.
        DpAtNormalFlow = AverageCoefficientUncertainty = VariantFlowDeviationA = VariantFlowDeviationB = 0.0;
    } else {
        DpAtFlow(NormalMassFlow, DpAtNormalFlow);
        const double ratio = CheckedDiv(MinMassFlow, MaxMassFlow);
        RangeUncertainty(MaxDpPa, DpAtNormalFlow, MaxDpPa * ratio * ratio, AverageCoefficientUncertainty,
                         VariantFlowDeviationA, VariantFlowDeviationB);
    }
    LimitsAndFlowLimits();
}

void OptimalDesignStep() {
    SizingCorrectionFactor = 1.0;
    SizeThroatDevice();
    // The flow at the design dp of the sized device, which the transmitter values and the
    // root-flow constants read; otherwise they would take a value of an earlier run, or 0.
    FlowAtDp(MaxDpPa, FlowAtMaxDp);
    ComputeOperatingGeometry();
    MaxFlowDpPa = MaxDpPa;
}

void FlowStep() {
    const bool volume = DeviceCode == kDeviceVolumeMeter;
    if (!volume) {
        MaxFlowDpPa = MaxDpPa;
        ColdGeometryToOperating();
        FlowAtDp(MaxDpPa, MaxMassFlow);
    } else {
        PipeToOperating();
        const std::string unit = CalculationWindow().maxflowsort.Text();
        // The profile correction belongs to the Reynolds number of the flow the meter reads;
        // the one the state held before would be the last run's.
        ReynoldsAtMaxFlow = ReynoldsNumber(PipeDiameter, DynamicViscosityPas,
                                           MeasuredMassFlow(unit, MaxFlowInput, FlowDensity, 1000.0 * PipeDiameter));
        ReynoldsAdjustedFlow(unit, MaxFlowInput, FlowDensity, 1000.0 * PipeDiameter, PipeRoughnessMm, ReynoldsAtMaxFlow,
                             CalibratedReynoldsMin, MaxMassFlow, VolumeMeterRoughnessFactor, VolumeMeterReynoldsFactor);
    }
    FlowAtMaxDp = MaxMassFlow;
    if (!volume) {
        const std::string unit = CalculationWindow().maxflowsort.Text();
        double perUnit = 0.0;
        const std::string kind = UnitKindOf(unit, &perUnit);
        if (kind == kUnitMassFlow)
            MaxFlowInput = CheckedDiv(MaxMassFlow * 3600.0, perUnit);
        else
            MaxFlowInput = CheckedDiv(CheckedDiv(MaxMassFlow, FlowDensity) * 3600.0 * 1000.0, perUnit);
        if (FlowUnit == kUnitVelocity)
            MaxFlowInput = CheckedDiv(CheckedDiv(MaxMassFlow, FlowDensity), M_PI * PipeDiameter * PipeDiameter / 4.0);
        FlowUnit = unit;
    }
    if (volume) {
        NormalMassFlow = MinMassFlow = MaxMassFlow;
        return;
    }
    NormalMassFlow = 0.67 * MaxMassFlow;
    MinMassFlow = 0.1 * MaxMassFlow;
    DpAtFlow(MaxMassFlow, MaxDpPa);
    DpAtFlow(NormalMassFlow, DpAtNormalFlow);
    DpAtFlow(MinMassFlow, DpAtMinFlow);
    RangeUncertainty(MaxDpPa, DpAtNormalFlow, DpAtMinFlow, AverageCoefficientUncertainty, VariantFlowDeviationA,
                     VariantFlowDeviationB);
    double atMax = 0.0, deviationA = 0.0, deviationB = 0.0;
    RangeUncertainty(MaxDpPa, MaxDpPa, MaxDpPa, atMax, deviationA, deviationB);
    CoefficientUncertaintyAtMaxFlow = atMax;
    LimitsAndFlowLimits();
    ScaledDp(0.67 * MaxMassFlow);
    AdjustForOperatingRange();
}

double RootOf(const FlowValue& q, const DpValue& dp, bool pa) {
    return pa ? CheckedDiv(q.si, CheckedSqrt(dp.pa)) : CheckedDiv(q.user, CheckedSqrt(dp.user));
}

void RootFlowConstants() {
    const DpTransmitterValueSet& v = DpTransmitterValues;
    if (MaxFlowGivenFlag == kMaxFlowPlain || MaxFlowGivenFlag == kMaxFlowAdjusted) {
        RootFlowNormal = RootOf(v.normalPointFlow, v.normalPointDp, false);
        RootFlowNormalPa = RootOf(v.normalPointFlow, v.normalPointDp, true);
        RootFlowMax = RootOf(v.maxPointFlow, v.maxPointDp, false);
        RootFlowMaxPa = RootOf(v.maxPointFlow, v.maxPointDp, true);
        RootFlowDesign = RootOf(v.designDpFlow, v.designDp, false);
        RootFlowDesignPa = RootOf(v.designDpFlow, v.designDp, true);
        return;
    }
    const double toUser = CheckedDiv(MaxFlowInput, MaxMassFlow);
    const double unitRoot = CheckedSqrt(CheckedDiv(MaxDpInput, MaxFlowDpPa));
    RootFlowNormal = CheckedDiv(CheckedDiv(v.normalPointFlow.si * toUser, CheckedSqrt(v.normalPointDp.pa)), unitRoot);
    RootFlowMax = CheckedDiv(CheckedDiv(v.maxPointFlow.si * toUser, CheckedSqrt(v.maxPointDp.pa)), unitRoot);
    RootFlowDesign =
        CheckedDiv(FlowAtMaxDp * toUser, CheckedSqrt(MaxDpInput)) * CheckedSqrt(CheckedDiv(ScaledMaxDpPa, MaxDpPa));
}

}  // namespace

void PrepareMediumForFlow() {
    CalcHumidGasState();
    if (SolveFor == kSolveFlow) return;
    if (UnitKindOf(FlowUnit) == kUnitMassFlow) {
        MaxMassFlow = MaxFlowSI / 3600.0;
        MinMassFlow = MinFlowSI / 3600.0;
    } else {
        MaxMassFlow = MaxFlowSI * FlowDensity * 0.001 / 3600.0;
        MinMassFlow = MinFlowSI * FlowDensity * 0.001 / 3600.0;
    }
    if (SolveFor == kSolveOptimal)
        NormalMassFlow = 0.63 * MaxMassFlow + 0.37 * MinMassFlow;
    else
        NormalMassFlow = 0.67 * MaxMassFlow;
}

void RunCalculationSteps() {
    LowDensityStateTemperature = TemperatureMaxC;
    if (UsesGasThroatBranch()) {
        HighDensityStateTemperature = TemperatureMinC;
        LowDensityStatePressure = PressureMinPa;
        HighDensityStatePressure = PressureMaxPa;
    } else {
        HighDensityStateTemperature = TemperatureMaxC;
        LowDensityStatePressure = HighDensityStatePressure = OperatingPressure;
    }
    EvaluateState(LowDensityState);
    EvaluateState(HighDensityState);
    // The corner ratio of the range adjustment belongs to this run's corners and SolveFor.
    UpdateDensityRatioWorstCase();

    if (SolveFor == kSolveBore || SolveFor == kSolveLoss)
        SolveBoreOrLossStep();
    else if (SolveFor == kSolveDp)
        DiffPressureStep();
    else if (SolveFor == kSolveOptimal)
        OptimalDesignStep();
    else if (SolveFor == kSolveFlow)
        FlowStep();

    if (SolveFor != kSolveLoss && DeviceCode != kDeviceVolumeMeter) {
        RefreshCoefficientsAtMaxFlow();
        MaxPressureLossInput =
            0.001 * PermanentPressureLoss(DeviceCode, StandardText(), PipeDiameter, DynamicViscosityPas, MaxMassFlow,
                                          MaxDpPa, DiameterRatioBeta, DischargeCoefficientC, VelocityOfApproachFactor);
        MaxPressureLossUnit = "KPA";
    }
    // A volume meter measures no dp: it has no root flow, and the dp recipe for oil would print
    // the root flow of an earlier run.
    if (DeviceCode == kDeviceVolumeMeter) return;
    RootFlowConstants();
    if (MediumCode == kMediumOil) PendingOilRecipe = OilRecipeInputFromState(RootFlowMax);
}

}  // namespace tubalyx
