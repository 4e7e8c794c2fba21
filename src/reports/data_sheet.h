#pragma once
// The data sheet of the primary device: the values of the last primary-device calculation in
// fixed columns, for printing onto a preprinted data-sheet form (German or English). The form
// carries the captions, so most lines carry only a value; a field that does not apply is a
// line of blanks, so that every value keeps its row. It computes nothing of its own.
#include <string>

namespace tubalyx {

// Appends the sheet below whatever the report window holds. The left margin and the number
// indent are the integers of the edits vmargbox and Numberspos (0 for a text that is none).
// A value the sheet cannot compute from the state writes the red input-error line instead of
// the sheet; nothing is raised.
void PrintDataSheet();

// The text fitted to `width` characters: a single blank counts as empty, a longer text keeps
// its first characters, a shorter one is padded with blanks on the left.
std::string PadText(int width, const std::string& text);

}  // namespace tubalyx
