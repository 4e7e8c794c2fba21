#pragma once
// Shared by the writers of the result report (result_report.cpp, short_results.cpp,
// flow_range_report.cpp): the selections decoded once per report and the
// label forms that carry a unit of the user's choice.
#include <limits>
#include <string>

#include "flow/device_selection.h"
#include "numerics/checked.h"
#include "reports/report_window.h"

namespace tubalyx::result_detail {

enum class SolveTarget { Diameter, Loss, Optimal, Flow, Dp, Other };  // "DI" "TF" "OK" "FL" "DP"
SolveTarget DecodeSolveTarget(const std::string& solveFor);

// What the report writers branch on, decoded from the state and the report-size caption.
struct ResultScope {
    ReportSizeKind size = ReportSizeKind::Small;
    FlowDevice device = FlowDevice::Other;
    SolveTarget solve = SolveTarget::Other;

    bool Big() const { return size == ReportSizeKind::Big; }
    bool Mini() const { return size == ReportSizeKind::Mini; }
    bool Cone() const { return IsConeDevice(device); }
    bool VolumeMeter() const { return device == FlowDevice::VolumeMeter; }
};
ResultScope CurrentResultScope();

// A 52-column label whose unit is replaced by the user's, at the same total length: the
// first Length(label) - cut - Length(unit) characters, then `opening`, the unit and ")= ".
std::string LabelForUnit(const std::string& label, const std::string& unit, int cut, const char* opening);

// A number of a report line: FormatFixed at the report's five digits.
std::string Number(double value);

// sqrt(a / b) as a scale of the report; 1 (no change) when it cannot be formed.
double RootRatioOrOne(double a, double b);

// The text without its first `count` characters.
std::string DropCharacters(const std::string& text, int count);

// The value of a report quantity, or NaN when computing it raises: the line that needs it is
// then left out (ReportBlock::AddValue) and the report goes on.
template <class F>
double ValueOrNothing(F compute) {
    try {
        return compute();
    } catch (const CalcError&) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

// The density at the low-density end of the operating range differs from the operating one.
bool OperatingStateDiffersFromRangeEnd();

// The operating-conditions text (FormatOperatingConditions).
std::string OperatingConditionsText();

}  // namespace tubalyx::result_detail
