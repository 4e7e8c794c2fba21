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
// What each of the lines is, so that the code generator's flow block picks them by role. A
// line the big report did not write (no correction polynomial, a liquid) stays empty.
enum class FlowBlockRole {
    ScalingComment,         // 20 mA of the dp transmitter = 20 mA to the control system
    PressureInput,          // P, in the user's pressure unit
    TemperatureInput,       // T, degrees C
    DpCellInput,            // the transmitter's signal, in the dp unit
    DpMaxInput,             // the transmitter's range, "=20 mA"
    DpRootInput,            // dp_rot: the transmitter extracts the square root
    FlowOutput,             // q_pol_mat, or q_rot_mat without a correction polynomial;
                            // for a gas marked not to be used
    CompensatedFlowOutput,  // q_pol_mat_PT or q_rot_mat_PT (gas)
    RootFlowVariable,       // q_rot_mat as a local variable (with the polynomial)
    FmatVariable,           // fmat
    DpVariable,             // dp
    DpCode,                 // "dp:=dpcell;"
    DpRootIfCode,           // "if dp_rot then"
    DpRootCode,             // the squared transmitter signal
    DpRootEndCode,          // "end_if;"
    RootFlowCode,           // q_rot_mat from the square root of dp
    FmatCode,               // the correction polynomial in q_rot_mat
    PolynomialFlowCode,     // "q_pol_mat:=q_rot_mat*fmat;"
    CompensationCode,       // the simple pressure/temperature correction (gas)
    Count
};
inline constexpr int kFlowBlockLineCount = static_cast<int>(FlowBlockRole::Count);
// Empty unless the big report of the last run filled them.
extern std::array<FlowBlockLine, kFlowBlockLineCount> FlowBlockLines;
inline FlowBlockLine& FlowBlockLineOf(FlowBlockRole role) { return FlowBlockLines[static_cast<int>(role)]; }
// The brand comment of generated code, in the language and dialect of the last block written.
extern std::string CodeBrandLine;

// Left by the algorithms of the big report. %: the flow error of the simple ideal-gas density
// correction over the operating range, and of no density correction at all.
extern double IdealGasDensityErrorPercent;
extern double UncorrectedDensityErrorPercent;
// The root flow of algorithm 3 as the report writes it: the coefficient and "*Sqrt(dp)".
extern std::string RootFlowFormulaText;

// The compensation table: computed for the current run (set by its "Run", cleared by every
// calculation run), and the medium code (at most 10 characters) it was last built for.
extern bool DensityTableReady;
extern std::string CompTableMedium;
inline std::string& CompensationTableNote = CompTableMedium;  // its name at start-up
// The last uncertainty run had valid inputs and ended without an error; a calculation run
// clears it, so no uncertainty table of an earlier calculation is written.
extern bool UncertaintyRunOk;
// The last calculation run ended in the input-error line: nothing of the calculation state
// stands for the inputs, and the uncertainty budget is not computed from it.
extern bool LastRunFailed;
// The uncertainty figures stand for the current calculation; a point of the flow graph that
// fails to compute clears it.
extern bool UncertaintyValid;

// ---- the pressure-temperature compensation table ----
// The limits of the table as read from its corner cells: kPa absolute and degrees C.
extern double CompTablePressureMinKPa;
extern double CompTablePressureMaxKPa;
extern double CompTableTemperatureMinC;
extern double CompTableTemperatureMaxC;
// kg/m3: the density at the mean pressure and temperature of the table.
extern double ReferenceDensity;
// %: the largest error of the density interpolated from the table against the property
// routine, as the generated code would compute it.
extern double DensityTableErrorPercent;
// The density assignment of the generated code, with a decimal point, and the ratio of the
// flow density to the reference density ("1" when they agree within 1e-5).
extern std::string DensityAssignmentLine;
extern std::string DensityRatioText;
// The lines above the block that was inserted last below the newest report.
extern int ReportLinesWritten;

}  // namespace tubalyx
