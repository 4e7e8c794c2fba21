#pragma once
// The input listing of the medium's own description, as the questionnaire shows it: the
// property box of a user-defined gas, liquid or oil (GroupBox1) and the composition grids of
// a gas mixture or natural gas. The listing is part of the input section of a run's report
// and of the humid-gas composition in the thermodynamic report.
//
// Listing lines have two forms (`value` is the edit's text, behind ReportSeparator and
// padded with blanks in front):
//   value line:           the prompt, the value padded to 6;
//   value line with unit: the prompt without its last (unit length + 3) characters,
//                         "(" unit ")", the value padded to 7.
#include <string>

#include "reports/report_block.h"

namespace tubalyx {

// ReportSeparator and `value`, padded with blanks in front to `width` characters.
std::string ListingField(const std::string& value, int width);
// The prompt with its unit part replaced by "(" unit ")".
std::string ListingUnitPrefix(const std::string& prompt, const std::string& unit);

// Fills the property box's edits from the calculation state (for the mixture "G" from the
// mixture row `row`, which becomes MixtureRow) and, for kind 'B', lists them.
void WriteMediumPropertyLines(char kind, int row);
void WriteMediumPropertyLines(char kind, int row, ReportBlock& block);

// The listing of the composition grid (ViktVolprocgridfukt when `useHumidityGrid`, else
// ViktVolprocGrid): the two heading rows, the components with a weight share, then the sums.
// Each line is bold and underlined, in the size that keeps it within 63 characters of the
// section's start size. A user-defined component is followed by its own property lines.
void WriteCompositionLines(char kind, bool useHumidityGrid);
void WriteCompositionLines(char kind, bool useHumidityGrid, ReportBlock& block);

}  // namespace tubalyx
