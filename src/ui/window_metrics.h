#pragma once
// Font size of the window, chosen from the screen width at start-up and read by the layout,
// the graphs and the font handlers.

namespace tubalyx {

// Points: screen width * 20 div 90 div 17, so that 90 characters fill the screen width.
extern int BaseFontSize;

// The base font size for a screen width in pixels (integer divisions, as start-up does).
int BaseFontSizeForScreen(int screenWidth);

}  // namespace tubalyx
