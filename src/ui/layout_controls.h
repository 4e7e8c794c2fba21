#pragma once

namespace tubalyx {

// The vertical scroll range of the form; the page head and foot are placed from it.
constexpr int FormVerticalScrollRange = 30000;

// Sizes every edit, grid and side block of the main window from the form's font size and
// places the P/T compensation block. Changes no calculation state.
void LayoutControls();

}  // namespace tubalyx
