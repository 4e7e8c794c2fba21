#pragma once
// The whole calculation state back to its start values, as the program starts with them.

namespace tubalyx {

// Every variable of every group of src/state/. The window's controls are not touched.
void ResetStateVariables();

}  // namespace tubalyx
