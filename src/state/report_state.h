#pragma once
// The state a run leaves for the reports and the blocks written after it: where the newest
// report ends in the report window, the detail letter of the result sections, the state at
// the two pressure tappings of a device with a thermometer pocket, the lines of the flow
// function block the big report leaves for the code generator, and the marks that the
// compensation table and the uncertainty budget belong to an earlier run.
#include <array>
#include <string>

namespace tubalyx {

// Lines of the newest report at the top of RichEdit1; blocks written after a run (the
// compensation table, generated code, the uncertainty table) go below that many lines.
extern int NewestReportLineCount;
// Detail letter handed to the result report and the straight-length section: '2' from a run.
extern char ReportDetailLetter;

// The state at the pressure tappings, from the state at the thermometer pocket. The
// temperatures are set to kNoTappingTemperature before each primary-device calculation, and
// the report prints the tapping lines only when both are above kTappingTemperatureUnset.
inline constexpr double kNoTappingTemperature = -1000.0;
inline constexpr double kTappingTemperatureUnset = -273.0;
extern double UpstreamTappingPressure;       // Pa absolute
extern double DownstreamTappingPressure;     // Pa absolute
extern double UpstreamTappingTemperature;    // degrees C
extern double DownstreamTappingTemperature;  // degrees C

// One generated line of the flow function block, in both dialects of the controller code.
struct FlowBlockLine {
    std::string abb;      // TAB-separated declaration row
    std::string siemens;  // declaration line
};
inline constexpr int kFlowBlockLineCount = 20;
// Empty unless the big report of the last run filled them.
extern std::array<FlowBlockLine, kFlowBlockLineCount> FlowBlockLines;

// The compensation table: computed for the current run (set by its "Run", cleared by every
// calculation run), and the medium code (at most 10 characters) it was last built for.
extern bool DensityTableReady;
extern std::string CompTableMedium;
// The last uncertainty run had valid inputs and ended without an error; a calculation run
// clears it, so no uncertainty table of an earlier calculation is written.
extern bool UncertaintyRunOk;

}  // namespace tubalyx
