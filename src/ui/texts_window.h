#pragma once
// What the language texts (texts/) may touch of the main window: any control by its name, for
// the caption tables and the prompt setters that name the controls they caption, show, hide
// and place, and the few controls the texts reach directly. This is the only header of ui/
// that the texts include (the layers test holds it to this list); anything else they need of
// the window belongs in the calculation state (src/state/).
#include <string>

#include "forms/control.h"
#include "forms/edit.h"
#include "forms/label.h"
#include "forms/menu.h"
#include "forms/string_grid.h"

namespace tubalyx {

struct TextControls {
    // Any control or menu item of the window by its name; null for a name it does not have.
    TControl* FindComponent(const std::string& name) const;
    // The window's font: its height spaces the rows of the property box.
    const TFont& Font() const;

    TEdit& maxflowsort;              // the flow unit: a standard unit asks for the standard density
    TLabel& densnormaltext;          // the reference density prompt, by that unit
    TStringGrid& ViktVolprocGrid;    // natural gas: the component formulas and limits of its rows
    TMenuItem* const& Propan1;       // the medium menu's propane (gas), captioned by natural gas's propane row
    TMenuItem* const& Propanvtska1;  // the medium menu's propane (liquid), likewise
    TMenuItem* const& C3H81;         // the component menu's propane, captioned as Propan1
};

// The controls above, of the one main window.
const TextControls& TextsWindow();

}  // namespace tubalyx
