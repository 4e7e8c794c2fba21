#include "reports/flow_range_report.h"

#include <cmath>
#include <string>

#include "flow/device_geometry.h"
#include "flow/flow_iterations.h"
#include "flow/permanent_loss.h"
#include "media/medium_identification.h"
#include "numerics/text_utils.h"
#include "reports/report_block.h"
#include "reports/result_report_detail.h"
#include "reports/reynolds_report.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "texts/language_text.h"
#include "texts/report_label_strings.h"
#include "texts/report_texts.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

using namespace result_detail;

namespace {

// The note on the adjusted maximal flow is fitted to this many characters.
constexpr int kAdjustedFlowNoteChars = 70;
// The minimal-flow label is widened to the common label column, "= " included.
constexpr int kMinFlowLabelWidth = 52;
constexpr int kMinFlowLabelPadPosition = 26;
// A standard's maximal flow this many times the maximal flow or more stands for "no limit".
constexpr double kUnboundedFlowLimitRatio = 10000000000.0;

// The root-extraction scale of the flow range: the root normal flow carried to the design dp
// and to the worst-case density of the range.
double FlowRangeScale() {
    return RootRatioOrOne(FlowRangeMaxDpPa, FlowRangeDpPa) * RootRatioOrOne(DensityRatioWorstCase, 1.0);
}

std::string NormalVolumeUnitTail() {
    const std::string unit = ReportWriterWindow().maxflowsort.Text();
    return IsNormalVolumeUnit(unit) ? " " + unit : "";
}

void AddMaximalFlow(ReportBlock& block, const ResultScope& scope) {
    const double k = FlowRangeScale();
    if (MaxFlowGivenFlag == kMaxFlowPlain) {
        if (scope.Mini()) return;
        const double q = k * DpTransmitterValues.rootNormalFlow.user;
        if (!std::isfinite(q)) return;
        block.Add(AdjustedMaxFlowLabel + Number(q) + NormalVolumeUnitTail());
        block.AddFitted(ByLanguage(report_text::AdjustedMaxFlowNote), kAdjustedFlowNoteChars);
        return;
    }
    const double q = k * DpTransmitterValues.rootMaxFlow.user;
    if (!std::isfinite(q)) return;
    block.Add(ByLanguage(report_text::MaxFlowLabel) + ReportSeparator + Number(q) + ReportSeparator +
              NormalVolumeUnitTail());
}

void AddMinimalFlow(ReportBlock& block) {
    if (MaxMassFlow == 0.0) return;
    std::string label = ByLanguage(report_text::MinFlowLabelPrefix) + FlowUnit + ")= ";
    while (Utf8Length(label) < kMinFlowLabelWidth) {
        const std::size_t at = Utf8Left(label, kMinFlowLabelPadPosition).size();
        label.insert(at, "_");
    }
    block.AddValue(label, MaxFlowInput * MinMassFlow / MaxMassFlow);
}

void AddHumidGasMaximalFlow(ReportBlock& block) {
    if (!IsGasMedium(MediumCode) || MediumCode == kMediumSteam || HumidFlowBasis != kHumidFlowOfDryPart) return;
    if (ParsedUnitKind == kUnitMassFlow)
        block.AddValue(HumidMaxFlowTonLabel, MaxMassFlow * 3.6);
    else if (FlowDensity > 0.0)
        block.AddValue(HumidMaxFlowVolumeLabel, MaxMassFlow * 3600.0 / FlowDensity);
}

// The unrecovered pressure loss (Pa) of the device at dp and mass flow q.
double PermanentLoss(double dp, double q) {
    return PermanentPressureLoss(DeviceCode, std::string(1, StandardLetter), PipeDiameter, DynamicViscosityPas, q, dp,
                                 DiameterRatioBeta, DischargeCoefficientC, VelocityOfApproachFactor);
}

// The losses at maximal and minimal flow, in the user's dp unit: the dp unit per Pa is the
// entered dp over its Pa value.
void AddPressureLosses(ReportBlock& block, const ResultScope& scope) {
    const bool dpSolved = scope.solve == SolveTarget::Dp;
    const double dpPa = dpSolved ? MaxFlowDpPa : MaxDpPa;
    const double dpUser = dpSolved ? MaxDpEntered : MaxDpInput;
    if (dpPa == 0.0) return;
    const double unitPerPa = dpUser / dpPa;
    block.AddValue(LabelForUnit(PressureLossMaxLabel, DpUnit, 5, "_("),
                   ValueOrNothing([&] { return PermanentLoss(dpPa, MaxMassFlow) * unitPerPa; }));

    const std::string minLabel = dpSolved ? ByLanguage(report_text::PressureLossMinDpSolvedLabel)
                                          : ByLanguage(report_text::PressureLossMinLabel);
    const double minLoss = ValueOrNothing([&] {
        double dpMin = 0.0;
        DiffPressureFromFlow(MediumCode, DeviceCode, DeviceVariantCode, std::string(1, StandardLetter),
                             OperatingPressure, MinMassFlow, BoreDiameter, PipeDiameter, FlowDensity,
                             DynamicViscosityPas, KappaOperating, InletEdgeFactor * RoughnessFactor * BendFactor,
                             dpMin);
        return PermanentLoss(dpMin, MinMassFlow) * unitPerPa;
    });
    block.AddValue(LabelForUnit(minLabel + ReportSeparator, DpUnit, 5, "_("), minLoss);
}

void AddFlowLimitsOfStandard(ReportBlock& block) {
    if (MaxMassFlow == 0.0) {
        block.Add(StandardMaxFlowLimitLabel);
        return;
    }
    const double upper = FlowAtUpperLimitValue / MaxMassFlow;
    if (std::isfinite(upper) && upper < kUnboundedFlowLimitRatio)
        block.AddValue(StandardMaxFlowLimitLabel, 100.0 * upper);
    else
        block.Add(StandardMaxFlowLimitLabel);
    block.AddValue(StandardMinFlowLimitLabel, 100.0 * FlowAtReynoldsMin / MaxMassFlow);
}

// The lines before the speed lines.
void WriteFlowRangeHead(const ResultScope& scope) {
    ReportBlock block;
    const bool flowSolved = scope.solve == SolveTarget::Flow;
    if (!flowSolved) AddMaximalFlow(block, scope);
    if (flowSolved && scope.Big() && !scope.VolumeMeter()) AddMinimalFlow(block);
    if (!flowSolved) AddHumidGasMaximalFlow(block);
    if (scope.solve != SolveTarget::Loss && !scope.VolumeMeter()) AddPressureLosses(block, scope);
    if (scope.Big() && !scope.VolumeMeter() && FlowDensity > 0.0)
        block.AddValue(PowerLossLabel, ValueOrNothing([] {
                           return PermanentLoss(MaxDpPa, MaxMassFlow) * MaxMassFlow / FlowDensity * 0.001;
                       }));
    if (scope.VolumeMeter()) {
        block.AddValue(ByLanguage(report_text::VolumeMeterRoughnessFactorLabel), VolumeMeterRoughnessFactor);
        block.AddValue(ByLanguage(report_text::VolumeMeterReynoldsFactorLabel), VolumeMeterReynoldsFactor);
    }
    block.Flush();
}

// The pocket lies where the state mirrors the tapping state about the operating state; the
// formula lines correct a pocket reading to the tapping with the printed difference.
struct PocketTexts {
    const char* temperature;
    const char* temperatureAlgorithm;
    const char* temperatureFormula;
    const char* pressure;
    const char* pressureAlgorithm;
    const char* pressureFormula;
};

PocketTexts UpstreamPocketTexts() {
    return {
        ByLanguage(report_text::UpstreamPocketTemperatureLabel),
        ByLanguage(report_text::UpstreamPocketTemperatureAlgorithm),
        ByLanguage(report_text::UpstreamPocketTemperatureFormula),
        ByLanguage(report_text::UpstreamPocketPressureLabel),
        ByLanguage(report_text::UpstreamPocketPressureAlgorithm),
        ByLanguage(report_text::UpstreamPocketPressureFormula),
    };
}

PocketTexts DownstreamPocketTexts() {
    return {
        ByLanguage(report_text::DownstreamPocketTemperatureLabel),
        ByLanguage(report_text::DownstreamPocketTemperatureAlgorithm),
        ByLanguage(report_text::DownstreamPocketTemperatureFormula),
        ByLanguage(report_text::DownstreamPocketPressureLabel),
        ByLanguage(report_text::DownstreamPocketPressureAlgorithm),
        ByLanguage(report_text::DownstreamPocketPressureFormula),
    };
}

void AddPocket(ReportBlock& block, const PocketTexts& t, double tappingTemperature, double tappingPressure) {
    const std::string& rs = ReportSeparator;
    block.AddEmpty();
    block.AddValue(t.temperature, 2.0 * OperatingTemperature - tappingTemperature);
    block.Add(t.temperatureAlgorithm);
    block.Add(t.temperatureFormula + rs + Number(tappingTemperature - OperatingTemperature) + ")");
    block.AddValue(t.pressure, 2.0 * OperatingPressure - tappingPressure);
    block.Add(t.pressureAlgorithm);
    block.Add(t.pressureFormula + rs + Number(tappingPressure - OperatingPressure) + ")");
}

}  // namespace

bool IsNormalVolumeUnit(const std::string& unit) {
    for (std::string_view u :
         {kUnitNormalPerHour, kUnitNormalPerMinute, kUnitNormalPerSecond, kUnitStandardMillionFeetPerDay,
          kUnitNormalLitrePerHour, kUnitNormalLitrePerMinute, kUnitNormalLitrePerSecond})
        if (unit == u) return true;
    return false;
}

void WriteFlowRangeSection() {
    const ResultScope scope = CurrentResultScope();
    WriteFlowRangeHead(scope);
    // The speed lines write as they go; one they cannot compute ends them, not the report.
    try {
        WriteFlowSpeedLines(MaxMassFlow, FlowDensity, PipeDiameter);
        WriteReynoldsAtMaxFlow(ReynoldsAtMaxFlow);
    } catch (const CalcError&) {
    }
    if (scope.Mini() || scope.Cone() || scope.VolumeMeter()) return;
    ReportBlock block;
    AddFlowLimitsOfStandard(block);
    block.Flush();
}

void WriteExpansibilitySection(char detailLetter) {
    const ResultScope scope = CurrentResultScope();
    if (scope.VolumeMeter()) return;
    const bool cone = scope.Cone();
    const bool detailed = detailLetter == '2';
    const double m = BoreDiameter * BoreDiameter / (PipeDiameter * PipeDiameter);
    ReportBlock block;
    if (!scope.Mini()) {
        const char* coneY = "Y (Gas expansion factor)__________________________= ";
        if (scope.solve == SolveTarget::Flow) {
            if (cone) {
                block.AddValue(coneY, ExpansibilityAtMaxFlow);
            } else {
                block.AddValue("Epsilon___________________________________________= ", ExpansibilityAtMaxFlow);
                block.AddValue("Alfa______________________________________________= ", AlfaAtMaxFlow());
            }
        } else if (cone) {
            block.AddValue(ByLanguage(report_text::ConeExpansibilityMaxFlowLabel), ExpansibilityAtMaxFlow);
        } else {
            block.AddValue(EpsilonMaxFlowLabel, ExpansibilityAtMaxFlow);
            block.AddValue(AlfaNormalFlowLabel, FlowCoefficientAtNormalFlow);
            block.AddValue(ByLanguage(report_text::DischargeCoefficientNormalFlowLabel), NormalFlowCoefficients.c);
        }
    }
    if (detailed) {
        if (!cone)
            block.AddValue(BetaLabel, BoreDiameter / PipeDiameter);
        else if (m <= 1.0)
            block.AddValue(ByLanguage(report_text::ConeBetaLabel), std::sqrt(1.0 - m));
    }
    if (!scope.Mini()) {
        block.AddValue(AreaRatioLabel, cone ? 1.0 - m : m);
        if (scope.device == FlowDevice::QuarterCircle)
            block.AddValue(ProfileRadiusLabel, ValueOrNothing([] {
                               const double ratio = BoreDiameterColdMm / PipeDiameterColdMm;
                               return ProfileRadius(ratio * ratio, BoreDiameterColdMm);
                           }));
    }
    if (detailed && !cone && UpstreamTappingTemperature > kTappingTemperatureUnset &&
        DownstreamTappingTemperature > kTappingTemperatureUnset) {
        AddPocket(block, UpstreamPocketTexts(), UpstreamTappingTemperature, UpstreamTappingPressure);
        AddPocket(block, DownstreamPocketTexts(), DownstreamTappingTemperature, DownstreamTappingPressure);
    }
    block.Flush();
}

}  // namespace tubalyx
