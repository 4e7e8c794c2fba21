#pragma once
// Font size of the window (BaseFontSize in state/window_state.h), chosen from the screen
// width at start-up.

namespace tubalyx {

// The base font size for a screen width in pixels (integer divisions, as start-up does):
// screen width * 20 div 90 div 17, so that 90 characters fill the screen width.
int BaseFontSizeForScreen(int screenWidth);

}  // namespace tubalyx
