#include "reports/restriction_report.h"

#include <string>
#include <vector>

#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "numerics/unit_parser.h"
#include "reports/medium_property_block.h"
#include "reports/report_window.h"
#include "reports/reynolds_report.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/valve_state.h"
#include "texts/language_text.h"
#include "texts/report_label_strings.h"
#include "texts/report_texts.h"
#include "texts/window_access.h"

namespace tubalyx {

namespace {

std::string Number(double value) { return FormatFixed(CheckFinite(value, "valve result is no number"), kReportDigits); }

bool IsRestriction() { return ValveSubtype == "RO"; }

// The flow of the element (t/h) in the user's flow unit: one unit of the keyword converted
// to its base (kg/h, or l/h for volume units and the pipe velocity "m/s").
double FlowInUserUnit(double flowTph) {
    std::string unit = FlowUnit, kind;
    double perUnit = 0.0;
    ParseUnitValue(unit, 1.0, FlowNormalDensity, PipeDiameter, perUnit, kind);
    const double base = kind == "V" ? CheckedDiv(1e6 * flowTph, FlowDensity) : 1000 * flowTph;
    return CheckedDiv(base, perUnit);
}

std::vector<std::string> CriticalFlowLines(bool critical) {
    const std::string& sep = ReportSeparator;
    if (!IsRestriction())
        return {ByLanguage(critical ? report_text::CriticalValveFlowNote : report_text::NonCriticalFlowNote)};
    const std::string share = Number(100 * CheckedDiv(CriticalFlow, ValveMassFlowTph));
    const std::string inlet = Number(CriticalInletPressureBar);
    std::vector<std::string> lines;
    if (critical) {
        lines.push_back(ByLanguage(report_text::CriticalRestrictionFlowLabel) + sep + share + sep + "%," + sep + inlet +
                        sep + ByLanguage(report_text::InletPressureBarSuffix));
    } else {
        lines.push_back(ByLanguage(report_text::NonCriticalFlowNote));
        lines.push_back(ByLanguage(report_text::CriticalFlowShareLabel) + sep + share + sep + "%");
        lines.push_back(" " + sep + inlet + sep + ByLanguage(report_text::InletPressureBarSuffix));
    }
    lines.push_back(ByLanguage(report_text::AtConstantOutletPressureNote));
    return lines;
}

std::string Value(const std::string& label, double value) {
    return ReportLine(label, CheckFinite(value, "valve result is no number"));
}

}  // namespace

void CriticalFlowReport(bool critical) {
    for (const std::string& line : CriticalFlowLines(critical)) AppendReportLine(line);
}

void WriteRestrictionReport(char kind, int layoutPosition) {
    const bool restriction = IsRestriction();
    // Every number first, so that a fault writes no half section.
    std::vector<std::string> head;
    if (!restriction || MaxFlowGivenFlag == "V") head.push_back(Value(FlowKvLabel, ValveKv));
    head.push_back(Value(FlowCvLabel, 1.155 * ValveKv));
    if (restriction && SolveFor == "DI") head.push_back(Value(ThroatDiameterLabel, 1000 * BoreDiameterColdM));
    if (restriction && (SolveFor != "DI" || MaxFlowGivenFlag == "J"))
        head.push_back(std::string(ByLanguage(report_text::RestrictionFlowLabelPrefix)) + FlowUnit +
                       ")= " + ReportSeparator + Number(FlowInUserUnit(ValveMassFlowTph)));
    const std::vector<std::string> critical = CriticalFlowLines(ValveCriticalFlag);
    const std::string power =
        Value(restriction ? std::string(ByLanguage(report_text::RestrictionPowerLabel)) : PowerConsumptionLabel,
              0.001 * ValvePowerW);
    std::vector<std::string> factors;
    if (restriction) {
        factors.push_back(Value(ByLanguage(report_text::RestrictionFlLabel), RestrictionFL));
    } else {
        factors.push_back(Value(CriticalFlowFactorLabel, ValveFLP));
        factors.push_back(Value(ValveReductionFactorLabel, ValveFp));
    }

    for (const std::string& line : head) AppendReportLine(line);
    for (const std::string& line : critical) AppendReportLine(line);
    AppendReportLine(power);
    WriteFlowSpeedLines(ValveMassFlowTph * 1000 / 3600, FlowDensity, PipeDiameter);
    for (const std::string& line : factors) AppendReportLine(line);
    WriteMediumPropertyBlock(kind, layoutPosition);
    if (TableRangeNote != " ") AppendReportLine(ByLanguage(report_text::OutsideTableWarningPrefix) + TableRangeNote);
}

}  // namespace tubalyx
