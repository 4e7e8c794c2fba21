#pragma once
// The result part of a primary-device report: the short result of the solved quantity in
// every report size, and around the flow-range and expansibility sections the mounting
// tolerances and the headings of the big report.
//
// Each writer collects its lines in a ReportBlock and appends them when they are complete.
// A quantity that cannot be computed (a zero divisor, a value that is no finite number)
// leaves its line out; no line carries NaN or INF.
namespace tubalyx {

// The whole result part, in the order the report is read. `kind` and `position` are the
// medium property block's (kind 'S' from the run, the layout position as a local copy);
// `detailLetter` ('2' from the run) asks for the beta and thermometer-pocket lines.
void WriteResultReport(char kind, int position, char detailLetter);

// The short-result title (big report) and, but for the volume meter, the simplest flow
// formula q := qmax*sqrt(dp/dpmax), the optimisation state and the pointer to the big report.
void WriteMainResultHeader();

// SolveFor "DI" and "TF": the cold bore or segment height (in inches first when the pipe's
// length unit is not mm); "TF" adds the dp.
void WriteShortDiameterResult();
// SolveFor "OK": the device the optimal design chose, its dimensions and straight lengths.
void WriteShortOptimalDeviceResult();
// The chosen bore or segment height, pipe and maximal dp in the unit of the dp range.
void WriteDeviceCandidateLine();
// SolveFor "FL": the flow in mass and volume units, the flow adjusted to the calculation's
// dp, the flow in the user's unit and the air/gas part of a humid gas.
void WriteShortFlowResult();
// SolveFor "DP": the maximal dp in the user's dp unit.
void WriteShortDpResult();

}  // namespace tubalyx
