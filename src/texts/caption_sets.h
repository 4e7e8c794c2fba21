#pragma once
// The language switch and the three caption sets: every caption, grid heading and report
// label string of the main window in Swedish, German or English.
#include <span>
#include <string>

#include "texts/caption_data.h"

namespace tubalyx {

// 'D' German, 'E' English, any other letter Swedish; then the prompt setters.
void ApplyLanguage(char letter);

void SetSwedishCaptions();
void SetGermanCaptions();
void SetEnglishCaptions();
// The caption set of the letter alone, without the steps of the language switch after it:
// 'D' German, 'E' English, any other letter Swedish.
void SetCaptionsOf(char letter);
// Of that set only the report's label strings (and their base copies): a report section that
// wants its labels afresh leaves the window's captions as the run has set them.
void SetReportLabelsOf(char letter);

// The six items of the navigation pop-up by LanguageLetter, copied to their menu-bar twins.
void SetPageMenuCaptions();

// True when the entry's condition holds for the current calculation state.
bool CaptionConditionHolds(CaptionCondition condition);

// Writes every entry of the table whose condition holds, in the given language, by the
// control's kind (caption, edit text or grid cell). Returns how many were written.
int ApplyWindowCaptionTable(std::span<const WindowCaptionEntry> table, char letter);
int ApplyReportLabelTable(std::span<const ReportLabelEntry> table, char letter);
// Every report label string, by its name, with its texts in the three languages.
inline const std::span<const ReportLabelEntry>& ReportLabelStrings = ReportLabelTable;

// Removes `count` blanks from the longest run of blanks of the text (the straight-length
// headings of the older standards are narrower).
std::string RemoveBlanksFromLongestRun(const std::string& text, int count);

}  // namespace tubalyx
