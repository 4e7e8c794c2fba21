// The short result of the solved quantity, which every report size begins with.
#include <cmath>
#include <optional>
#include <string>

#include "flow/volume_meter.h"
#include "numerics/physical_constants.h"
#include "reports/report_block.h"
#include "reports/result_report.h"
#include "reports/result_report_detail.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/language_text.h"
#include "texts/report_label_strings.h"
#include "texts/report_texts.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

using namespace result_detail;

namespace {

// At this additional uncertainty the straight length is outside the rules: no number.
constexpr double kUnruledUncertaintyPercent = 50.0;

void AddMainResultHeader(ReportBlock& block) {
    if (CurrentReportSize() == ReportSizeKind::Big)
        block.Add(std::string(18, ' ') + ByLanguage(report_text::MainResultTitle));
    if (DeviceCode == kDeviceVolumeMeter) return;
    const std::string& rs = ReportSeparator;
    const double qMax = std::sqrt(MaxDpEntered) * RootFlowMax;
    if (std::isfinite(qMax) && std::isfinite(MaxDpEntered))
        block.Add(ByLanguage(report_text::SimplestFlowFormulaPrefix) + rs + Number(qMax) + rs + "*sqrt(dp/" + rs +
                  Number(MaxDpEntered) + rs + ")");
    block.Add(ByLanguage(report_text::OptimizedForPrefix) + OperatingConditionsText());
    block.Add(ByLanguage(report_text::MathematicalErrorPointer));
}

// A cold dimension in mm, preceded by the same in inches when the pipe is given in inches.
void AddColdDimension(ReportBlock& block, const std::string& mmLabel, const std::string& inchLabel, double metres) {
    if (ReportWriterWindow().dstorkallsort.Caption() != kUnitMillimetre)
        block.AddValue(inchLabel, metres * 1000.0 * kInchesPerMillimetre);
    block.AddValue(mmLabel, metres * 1000.0);
}

void AddDeviceCandidateLines(ReportBlock& block) {
    if (DeviceCode == kDeviceSegmentOrifice)
        block.AddValue(OptimalSegmentHeightLabel, SegmentHeightColdM * 1000.0);
    else
        block.AddValue(OptimalThroatDiameterLabel, BoreDiameterColdM * 1000.0);
    block.AddValue(OptimalPipeDiameterLabel, PipeDiameterColdM * 1000.0);
    // The optimal dp in the unit of the dp range the design searched.
    if (DpUpperLimitPa != 0.0)
        block.AddValue(LabelForUnit(OptimalMaxDpLabel, DpUpperLimitUnit, 4, "("),
                       DpUpperLimitInput / DpUpperLimitPa * MaxDpPa);
}

const char* OptimalDeviceName() {
    const std::string& d = DeviceCode;
    const std::string& v = DeviceVariantCode;
    if (d == kDeviceOrifice && v == kVariantCorner) return ByLanguage(report_text::OrificeCornerTappingsName);
    if (d == kDeviceOrifice && v == kVariantFlange) return ByLanguage(report_text::OrificeFlangeTappingsName);
    if (d == kDeviceOrifice && v == kVariantDAndD2) return ByLanguage(report_text::OrificeDTappingsName);
    if (d == kDeviceVenturi && v == kVariantMachined) return ByLanguage(report_text::VenturiMachinedName);
    if (d == kDeviceVenturi && v == kVariantAsCast) return ByLanguage(report_text::VenturiRoughCastName);
    if (d == kDeviceVenturi && v == kVariantWelded) return ByLanguage(report_text::VenturiWeldedName);
    if (d == kDeviceShortVenturi) return ByLanguage(report_text::VenturiNozzleName);
    if (d == kDeviceIsaNozzle) return ByLanguage(report_text::IsaNozzleName);
    if (d == kDeviceLongRadiusNozzle) return ByLanguage(report_text::LongRadiusNozzleName);
    if (d == kDeviceSegmentOrifice) return ByLanguage(report_text::SegmentalOrificeName);
    if (d == kDeviceQuarterCircle) return ByLanguage(report_text::QuarterCircleNozzleName);
    return nullptr;
}

// The labels of one flow line of the short flow result.
struct FlowLineLabels {
    const char* ton;
    const char* kg;
    const char* m3;
    const char* dm3;
};

FlowLineLabels PlainFlowLabels() {
    return {ByLanguage(report_text::FlowTonLabel), ByLanguage(report_text::FlowKgLabel),
            ByLanguage(report_text::FlowM3Label), ByLanguage(report_text::FlowDm3Label)};
}

FlowLineLabels AdjustedFlowLabels() {
    return {ByLanguage(report_text::AdjustedFlowTonLabel), ByLanguage(report_text::AdjustedFlowKgLabel),
            ByLanguage(report_text::AdjustedFlowM3Label), ByLanguage(report_text::AdjustedFlowDm3Label)};
}

// m kg/h: in ton/h above 1 t/h, and the volume in m3/h above 1 m3/h, else in dm3/h; the
// volume only at a positive density.
std::string FlowLine(const FlowLineLabels& labels, double kgPerHour, double density) {
    const std::string& rs = ReportSeparator;
    const double tons = kgPerHour * 0.001;
    std::string line = tons > 1.0 ? labels.ton + rs + Number(tons) : labels.kg + rs + Number(kgPerHour);
    if (density > 0.0) {
        const double m3 = kgPerHour / density;
        line += m3 > 1.0 ? labels.m3 + rs + Number(m3) : labels.dm3 + rs + Number(m3 * 1000.0);
    }
    return line;
}

// The SI flow of the typed maximal flow read in `unit`; nothing when the unit is unknown or
// the conversion fails. Only the flow is used: the kind the conversion leaves is put back.
std::optional<double> FlowInUnit(const std::string& unit) {
    const std::string savedKind = ParsedUnitKind;
    double qm = 0.0, areaFactor = 0.0, profileFactor = 0.0;
    try {
        ReynoldsAdjustedFlow(unit, MaxFlowInput, FlowDensity, PipeDiameter * 1000.0, PipeRoughnessMm, ReynoldsAtMaxFlow,
                             CalibratedReynoldsMin, qm, areaFactor, profileFactor);
    } catch (const CalcError&) {
        qm = 0.0;
    }
    ParsedUnitKind = savedKind;
    if (qm == 0.0 || !std::isfinite(qm)) return std::nullopt;
    return qm;
}

// Carries the maximal flow from the dp the device gives at that flow (MaxDpPa) to the dp of
// the calculation; 1 when the dp at max flow is not positive.
double AdjustmentFactor() { return RootRatioOrOne(MaxFlowDpPa, MaxDpPa); }

void AddHumidGasPart(ReportBlock& block, const std::string& unit, std::optional<double> c, double f, double kgPerHour,
                     bool volumeMeter) {
    const std::string& rs = ReportSeparator;
    block.Add(std::string(19, ' ') + ByLanguage(report_text::GasPartHeading));
    const double rho = FlowDensity;
    if (!(rho > 0.0) || !c || OperatingPressure == 0.0) return;
    const double dryPart = MaxFlowInput * *c * DryGasDensity / rho;
    const double gasShare = (OperatingPressure - VapourPressurePa) / OperatingPressure;
    block.Add(ByLanguage(report_text::GasPartFlowPrefix) + unit + ")= " + rs + Number(dryPart) + rs +
              ByLanguage(report_text::GasPartFlowM3Label) + rs + Number(kgPerHour * gasShare / rho));
    if (volumeMeter) return;
    block.Add(ByLanguage(report_text::GasPartAdjustedFlowPrefix) + unit + ")= " + rs + Number(f * dryPart) + rs +
              ByLanguage(report_text::GasPartAdjustedFlowM3Label) + rs + Number(f * kgPerHour * gasShare / rho));
}

}  // namespace

void WriteMainResultHeader() {
    ReportBlock block;
    AddMainResultHeader(block);
    block.Flush();
}

void WriteShortDiameterResult() {
    ReportBlock block;
    AddMainResultHeader(block);
    if (DeviceCode == kDeviceSegmentOrifice)
        AddColdDimension(block, SegmentHeightLabel, SegmentHeightInchLabel, SegmentHeightColdM);
    else
        AddColdDimension(block, ThroatDiameterLabel, ThroatDiameterInchLabel, BoreDiameterColdM);
    if (SolveFor == kSolveLoss) block.AddValue(MaxDpLabel, MaxDpPa * 0.001);
    block.Flush();
}

void WriteShortDpResult() {
    ReportBlock block;
    AddMainResultHeader(block);
    block.AddValue(LabelForUnit(MaxDpLabel, DpUnit, 5, "_("), MaxDpEntered);
    block.Flush();
}

void WriteDeviceCandidateLine() {
    ReportBlock block;
    AddDeviceCandidateLines(block);
    block.Flush();
}

void WriteShortOptimalDeviceResult() {
    ReportBlock block;
    AddMainResultHeader(block);
    block.Add(ByLanguage(report_text::OptimalDeviceTitle));
    if (const char* name = OptimalDeviceName()) block.Add(name);
    AddDeviceCandidateLines(block);
    if (UpstreamFittingCode != kFittingOther) {
        block.AddValue(StandardStraightLengthLabel, StraightLengthM + StraightLengthShortfallM);
        if (AdditionalUncertaintyPercent < kUnruledUncertaintyPercent)
            block.AddValue(StraightLengthUncertaintyLabel, AdditionalUncertaintyPercent);
        else
            block.Add(StraightLengthUncertaintyLabel);
        block.AddValue(TappingPositionLabel, OptimalStraightLength);
    }
    block.Flush();
}

void WriteShortFlowResult() {
    ReportBlock block;
    AddMainResultHeader(block);
    const std::string& rs = ReportSeparator;
    const bool volumeMeter = DeviceCode == kDeviceVolumeMeter;
    const double m = MaxMassFlow * 3600.0;
    const double rho = FlowDensity;
    const double f = AdjustmentFactor();

    std::string search = FlowLine(PlainFlowLabels(), m, rho);
    block.Add(search);
    if (!volumeMeter) {
        const std::string adjusted = FlowLine(AdjustedFlowLabels(), f * m, rho);
        block.Add(adjusted);
        search += adjusted;
    }

    // The typed flow converted to the output unit: the ratio of the SI flows of the same
    // number read in the two units.
    const std::string outputUnit = ReportWriterWindow().maxflowsortut.Text();
    const std::optional<double> q1 = FlowInUnit(FlowUnit);
    const std::optional<double> q2 = FlowInUnit(outputUnit);
    std::optional<double> c;
    if (q1 && q2) c = *q1 / *q2;

    const char* flowPrefix = ByLanguage(report_text::FlowUnitPrefix);
    if (!volumeMeter) {
        if (search.find("(" + FlowUnit + ")") == std::string::npos)
            block.Add(flowPrefix + FlowUnit + ")= " + rs + Number(MaxFlowInput) + rs +
                      ByLanguage(report_text::AdjustedFlowUnitPrefix) + FlowUnit + ")= " + rs +
                      Number(f * MaxFlowInput));
    } else if (c && search.find("(" + outputUnit + ")") == std::string::npos) {
        block.Add(flowPrefix + outputUnit + ")= " + rs + Number(MaxFlowInput * *c));
    }

    if (HumidGasFlag) AddHumidGasPart(block, outputUnit, c, f, m, volumeMeter);
    block.Flush();
}

}  // namespace tubalyx
