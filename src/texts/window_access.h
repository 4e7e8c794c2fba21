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

// The text of one language: 'S' Swedish, 'D' German, 'E' English, nullptr for another letter.
const char* TextOf(const LangText& text, char letter);
// Swedish unless the letter is 'D' or 'E'.
const char* TextOrSwedish(const LangText& text, char letter);
// English unless the letter is 'S' or 'D'.
const char* TextOrEnglish(const LangText& text, char letter);

}  // namespace tubalyx
