#pragma once
// What the menu handlers of the main window (form1_menus_*.cpp) share: the page rebuild that
// ends them, the placement of a label's pop-up menu, and the guard around the calculations
// some of them start.
#include <functional>

#include "forms/label.h"
#include "forms/menu.h"

namespace tubalyx {

// LayoutTop := 0 and the page rebuilt for the screen.
void RebuildPage();
// A page the user chose (a medium, a device or a solved quantity): the rebuild, then the
// keyboard to the page's first question unless it is in one of its questions already.
void RebuildChosenPage();
// A calculation function chosen: the inputs hidden, both scroll bars at 0, then the rebuild of
// the chosen page; the function of the page chosen again gives the keyboard to its first
// question.
void RebuildFunctionPage();

// Opens `menu` with its top left corner just below `label`, title bar counted, wherever the
// mouse is.
void PopupBelowLabel(TPopupMenu& menu, const TLabel& label);

// Runs a property calculation that a menu choice sets off. A failure of it (a state the
// property routines refuse) leaves the values as they were and the handler goes on, so the
// page is still rebuilt; the next run reports the fault.
void RunGuarded(const std::function<void()>& calculation);

// The standardized primary devices: the function "Strypf" left the commercial meters, the
// standard label back to a standard, the page and the flow graph.
void SelectThroatDevices();

// Ends the program at once, without a question and without saving.
[[noreturn]] void HaltProgram();

// The unit menus' item captions, which no caption set writes; window creation sets them.
void CaptionUnitMenus();

// The rows 3, 4, 8 and 9 of column 1 of Felsimulgrid put back when the volume meter is
// chosen and they were saved.
void RestoreMeterUncertaintyCells();

}  // namespace tubalyx
