#pragma once
// The one font size of the whole window, questionnaire and report alike, changed by the
// up-down control UpDown1 and the menu items "+" and "- ".

namespace tubalyx {

// The form's font stays readable and the layout finite: sizes are kept within these points.
inline constexpr int kSmallestFormFontSize = 6;
inline constexpr int kLargestFormFontSize = 72;

// The form's font size changed by `step` points (within the bounds above), then the window
// laid out again for it.
void StepFormFontSize(int step);

// Lays the window out again for the present font size: controls, the current page, the oil
// prompts and the report's font, keeping the report selection; both scroll positions back to
// the start.
void RescaleAfterFontChange();

}  // namespace tubalyx
