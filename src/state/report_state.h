#pragma once
// What the result report leaves for the code generator and what it reads of the run beyond
// the calculation: the lines of the flow function block and the state at the two pressure
// tappings, found from the thermometer pocket after the primary-device calculation.
#include <array>
#include <string>

namespace tubalyx {

// One generated line of the flow function block, in both dialects of the controller code.
struct FlowBlockLine {
    std::string abb;      // TAB-separated declaration row
    std::string siemens;  // declaration line
};
inline constexpr int kFlowBlockLineCount = 20;
// Empty unless the big report of the last run filled them.
extern std::array<FlowBlockLine, kFlowBlockLineCount> FlowBlockLines;

// Below this a tapping temperature has not been computed (the run presets -1000).
inline constexpr double kTappingTemperatureUnset = -273.0;
extern double UpstreamTappingTemperature;    // degC
extern double DownstreamTappingTemperature;  // degC
extern double UpstreamTappingPressure;       // Pa abs
extern double DownstreamTappingPressure;     // Pa abs

}  // namespace tubalyx
