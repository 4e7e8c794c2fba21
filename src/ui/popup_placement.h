#pragma once
#include "forms/control.h"
#include "forms/menu.h"

namespace tubalyx {

// Opens a pop-up menu of a clickable label with its top left corner just below the label,
// whatever the mouse position: the screen point of the label's lower left corner through the
// form's frame.
void PopupBelow(TPopupMenu& menu, const TControl& label);

}  // namespace tubalyx
