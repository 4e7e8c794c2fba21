#pragma once

namespace tubalyx {

// The tail of every handler that changes what the window shows: LayoutTop back to 0 and the
// current page built again on screen.
void RebuildPage();

}  // namespace tubalyx
