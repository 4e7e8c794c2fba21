#pragma once
// The help text of the composition grid, shown over the grid when its "Help" cell is clicked.
#include <string>
#include <vector>

namespace tubalyx {

// The lines in Swedish for the letter 'S', else in English (German users read the English
// text), worded for natural gas or for a gas mixture.
std::vector<std::string> CompositionHelpText(char language, bool naturalGas);

}  // namespace tubalyx
