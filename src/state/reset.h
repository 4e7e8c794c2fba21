#pragma once
// The whole calculation state back to its start values, as the program starts with them, and
// the state a calculation reads as bytes.
#include <string>

namespace tubalyx {

// Every variable of every group of src/state/. The window's controls are not touched.
void ResetStateVariables();

// What a line's walk reads of the calculation state, as bytes: the groups of the inputs, the
// medium, the geometry, the results, the property labels, the valve and the line, and
// of the window's state the mixture column being edited. Two states with the same bytes are one
// to a walk.
std::string LineWalkStateBytes();

}  // namespace tubalyx
