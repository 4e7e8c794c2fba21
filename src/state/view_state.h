#pragma once
// How the main window shows its pages: the diagram of the graph page and the report
// selection (the zoom and the file name are in window_state.h, the font-size control's last
// position in menu_state.h). Nothing
// here is calculated; the view handlers write it and the page manager reads it.
#include <string>

namespace tubalyx {

extern std::string GraphChoice;  // diagram of the graph page: "rot", "ent", "dens", "angdens"
// Text position of the previous click in RichEdit1; the next click selects from here.
extern int ReportSelectionAnchor;
// The form's vertical scroll position when the mouse last moved over the report, so that a
// click into the report does not make the window jump.
extern int ReportScrollPosition;

}  // namespace tubalyx
