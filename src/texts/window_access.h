#pragma once
// Access to the controls of the main window by name, for the caption tables and the prompt
// setters. A name the window does not have is skipped, so a text table may name controls that
// a page has not yet got without breaking the language switch.
#include <string>

#include "forms/control.h"
#include "forms/edit.h"
#include "forms/label.h"
#include "forms/menu.h"
#include "forms/string_grid.h"
#include "texts/caption_data.h"
#include "texts/language_text.h"  // the language pick of a text, for the users of this header

namespace tubalyx {

TControl* FindWindowControl(const std::string& name);
TLabel* WindowLabel(const std::string& name);
TEdit* WindowEdit(const std::string& name);
TMenuItem* WindowMenuItem(const std::string& name);
TStringGrid* WindowGrid(const std::string& name);

// The shown text of a control by its kind: the caption of a label, menu item, group box or
// form, the text of an edit. Empty for a missing control or a kind without text.
std::string ControlText(const std::string& name);
// Writes the shown text by the control's kind; false when the control is missing or has none.
bool SetControlText(const std::string& name, const std::string& text);

}  // namespace tubalyx
