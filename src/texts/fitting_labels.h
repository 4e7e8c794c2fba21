#pragma once
// The label strings of the language texts that name the rows of each straight-length table
// (flow/straight_lengths_data.h), in table order: the report's tables and the fitting menu
// print them.
#include <string>

namespace tubalyx {

extern const std::string* const kOrificeFittingLabels[11];      // [10] downstream
extern const std::string* const kOrifice2003FittingLabels[15];  // [14] downstream
extern const std::string* const kSegmentFittingLabels[11];      // [10] downstream
extern const std::string* const kVenturi2003FittingLabels[9];   // [8] downstream
extern const std::string* const kVenturi1991FittingLabels[6];

}  // namespace tubalyx
