#include "reports/result_report.h"

#include <cmath>
#include <string>

#include "flow/device_geometry.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "reports/algorithms_report.h"
#include "reports/dp_transmitter_report.h"
#include "reports/flow_range_report.h"
#include "reports/medium_property_block.h"
#include "reports/operating_conditions.h"
#include "reports/report_block.h"
#include "reports/result_report_detail.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "texts/language_text.h"
#include "texts/report_label_strings.h"
#include "texts/report_texts.h"

namespace tubalyx {

namespace result_detail {

SolveTarget DecodeSolveTarget(const std::string& solveFor) {
    if (solveFor == "DI") return SolveTarget::Diameter;
    if (solveFor == "TF") return SolveTarget::Loss;
    if (solveFor == "OK") return SolveTarget::Optimal;
    if (solveFor == "FL") return SolveTarget::Flow;
    if (solveFor == "DP") return SolveTarget::Dp;
    return SolveTarget::Other;
}

ResultScope CurrentResultScope() {
    ResultScope s;
    s.size = CurrentReportSize();
    s.device = DecodeDevice(DeviceCode);
    s.solve = DecodeSolveTarget(SolveFor);
    return s;
}

std::string LabelForUnit(const std::string& label, const std::string& unit, int cut, const char* opening) {
    const int keep = Utf8Length(label) - cut - Utf8Length(unit);
    return Utf8Left(label, keep > 0 ? keep : 0) + opening + unit + ")= ";
}

std::string Number(double value) { return FormatFixed(value, kReportDigits); }

double RootRatioOrOne(double a, double b) {
    if (!(b > 0.0) || !(a >= 0.0)) return 1.0;
    const double r = std::sqrt(a / b);
    return std::isfinite(r) ? r : 1.0;
}

std::string DropCharacters(const std::string& text, int count) { return text.substr(Utf8Left(text, count).size()); }

bool OperatingStateDiffersFromRangeEnd() {
    if (!(FlowDensity > 0.0)) return false;
    return std::fabs(FlowDensity - LowDensityState.density) / FlowDensity > 0.0001;
}

std::string OperatingConditionsText() {
    double pressure = 0.0, temperature = 0.0;
    std::string text;
    FormatOperatingConditions(pressure, temperature, text);
    return text;
}

}  // namespace result_detail

using namespace result_detail;

namespace {

constexpr int kEccentricityDigits = 4;
// The headings' leading blanks, which give way to the operating conditions.
constexpr int kHeadingIndent = 15;
// The Swedish root note is the longest line of the algorithms preamble.
constexpr int kSwedishRootNoteChars = 72;

void WriteShortResult(SolveTarget solve) {
    switch (solve) {
        case SolveTarget::Diameter:
        case SolveTarget::Loss: WriteShortDiameterResult(); break;
        case SolveTarget::Optimal: WriteShortOptimalDeviceResult(); break;
        case SolveTarget::Flow: WriteShortFlowResult(); break;
        case SolveTarget::Dp: WriteShortDpResult(); break;
        case SolveTarget::Other: break;
    }
}

// Big report, devices with a standard's mounting rules.
void WriteMountingBlock() {
    WriteFlowDpTable();
    ReportBlock block;
    block.AddEmpty();
    block.Add(ByLanguage(report_text::MountingHeading));
    const std::string standard(1, StandardLetter);
    const double eccentricity = ValueOrNothing(
        [&] { return AllowedEccentricity(DeviceCode, DeviceVariantCode, standard, BoreDiameter, PipeDiameter); });
    block.AddValue(MaxEccentricityLabel, eccentricity, kEccentricityDigits);
    if (DeviceCode == "V")
        block.AddValue(MaxRoughnessLabel, 0.0005 * PipeDiameter * 1000.0, kEccentricityDigits);
    else
        block.AddValue(Eccentricity03Label, 2.0 * eccentricity, kEccentricityDigits);
    block.Add(MaxAngleLabel);
    block.Flush();
}

// Big report but for the volume meter: the heading of the flow algorithms.
void WriteAlgorithmsPreamble() {
    AppendReportLine("");
    WriteDpTransmitterSection();
    ReportBlock block;
    block.AddEmpty();
    block.Add(AlgorithmsHeadingLabel + "*");
    block.Add("*" + OperatingConditionsText());
    switch (LanguageLetter) {
        case 'E': block.Add(report_text::RootNote.en); break;
        case 'D':
            block.Add(report_text::RootNote.de);
            block.Add(report_text::RootNoteSecondLine.de);
            break;
        default: block.AddFitted(report_text::RootNote.sv, kSwedishRootNoteChars); break;
    }
    block.Flush();
}

// A heading of the big report: with the operating conditions behind it when they differ
// from the low-density end of the range, the label's leading blanks then dropped.
std::string SectionHeading(const std::string& label, bool dropIndent) {
    if (!OperatingStateDiffersFromRangeEnd()) return label;
    return (dropIndent ? DropCharacters(label, kHeadingIndent) : label) + " " + OperatingConditionsText();
}

void WriteHeadingBlock(const std::string& heading) {
    ReportBlock block;
    block.AddEmpty();
    block.Add(heading);
    block.Flush();
}

std::string ConeMeterHeading() {
    const std::string title = ByLanguage(report_text::ConeMeterTitle);
    if (OperatingStateDiffersFromRangeEnd()) return title + " " + OperatingConditionsText();
    return std::string(kHeadingIndent, ' ') + title;
}

}  // namespace

void WriteResultReport(char kind, int position, char detailLetter) {
    // Only this run's big report may leave flow-block lines for the code generator.
    FlowBlockLines.fill(FlowBlockLine{});

    const ResultScope scope = CurrentResultScope();
    WriteShortResult(scope.solve);
    if (scope.Big() && !scope.Cone() && !scope.VolumeMeter()) WriteMountingBlock();
    if (scope.Big() && !scope.VolumeMeter()) WriteAlgorithmsPreamble();
    if (!scope.VolumeMeter()) WriteAlgorithmsAndPlcCode();
    if (scope.Big()) WriteHeadingBlock(SectionHeading(FlowReportHeadingLabel, LanguageLetter != 'D'));
    WriteFlowRangeSection();
    if (scope.Big()) WriteHeadingBlock(SectionHeading(PhysicsReportHeadingLabel, true));
    WriteMediumPropertyBlock(kind, position);
    if (scope.Big()) {
        ReportBlock block;
        block.AddEmpty();
        if (scope.Cone())
            block.Add(ConeMeterHeading());
        else if (!scope.VolumeMeter() && FlowDensity > 0.0)
            block.Add(SectionHeading(StandardReportHeadingLabel, true));
        block.Flush();
    }
    if (!scope.VolumeMeter()) WriteExpansibilitySection(detailLetter);
}

}  // namespace tubalyx
