#pragma once
// What makes a control on the screen dead to the user, checked over the whole page the window
// shows (not only the part scrolled into view).
#include <string>
#include <vector>

#include "qtview/main_window.h"

namespace tubalyx {

// One line per fault, naming the control: a visible control outside the page or without a
// width or height, a clickable label without a caption, two controls whose texts overlap, an
// edit that does not show the start of its text, a grid column the user cannot reach.
std::vector<std::string> DeadControls(const MainWindow& window);

}  // namespace tubalyx
