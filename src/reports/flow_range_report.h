#pragma once
// The flow-range and expansibility sections of the result report. Both are called in every
// report size and decide by the size, the solved quantity and the device which lines they
// write.
#include <string>

namespace tubalyx {

// True for the normal and standard volume units whose value the report repeats behind a
// flow: "Nm3/h", "Nm3/min", "Nm3/s", "MMSCFD", "Nliter/h", "Nliter/min", "Nliter/s"
// (exact, case-sensitive). Callers pass the text of maxflowsort.
bool IsNormalVolumeUnit(const std::string& unit);

// The maximal flow for the root extraction, the minimal flow, the humid-gas maximal flow,
// the permanent pressure loss at maximal and minimal flow, the power loss, the volume
// meter's corrections, the speed and Reynolds lines and the flow limits of the standard.
void WriteFlowRangeSection();

// Expansibility, flow and discharge coefficients, diameter and area ratio, the inlet radius
// of the quarter-circle nozzle and, for detail letter '2', the thermometer-pocket states with
// the formulas that correct a pocket reading to the tapping.
void WriteExpansibilitySection(char detailLetter);

}  // namespace tubalyx
