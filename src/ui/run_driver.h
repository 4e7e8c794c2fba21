#pragma once
// The run: one "Run" command turns the current inputs into a new report at the top of the
// report window RichEdit1, with every earlier report kept below it.
#include <string>

#include "forms/rich_edit.h"

namespace tubalyx {

// Reads and normalises the inputs, writes the report head and the input heading, calculates
// the current CalcFunction with its report sections and puts the earlier reports back below
// the new one. Never raises: a calculation that fails, in any function and at any step,
// ends in the red input-error line, and the earlier reports, the report copies and the
// default cursor are restored in every case. A number edit whose text is no number ends the
// run at once with the general input-error line, and the edits keep what was typed; so does an
// input no plant can have (DutyIsPossible), which the line pages refuse with their own note.
void RunCalculation();

// What reached the run's guard in the last run: nothing, a NumberTextError (a number edit
// holding a text that is no number) or a CalcError (a calculation that cannot be done with the
// inputs), both the expected end of a faulty input, or anything else (a fault of the program).
// The user sees the input-error line either way; the tests tell them apart.
enum class RunGuardCatch { Nothing, TextThatIsNoNumber, CalculationError, OtherException };
RunGuardCatch LastRunGuardCatch();
// What that exception said (its what()); empty when nothing reached the guard. A fault after
// the calculation, in writing the input-error line or putting the earlier reports back, counts
// as OtherException with its own message.
const std::string& LastRunGuardMessage();

// The red line of a failed run: TableRangeNote when it names a reason, else the general
// input-error text of LanguageLetter.
std::string InputErrorText();

// The input heading of LanguageLetter, 45 characters.
std::string InputHeadingText();

// Scrolls the window to the report with its line `line` near the top of the view, the line
// above it in sight too; the place is reckoned from the sizes of the lines above it. The report
// window is asked to show the line as well: on screen it knows where the line stands, also when
// the report is scrolled within itself or longer than the window.
void ShowReportLine(int line);

// Where the caret goes after a run, in report positions (a line break counts two): the end of
// the output heading or input-error line nearest the end of the text, the end of the first
// line when there is none.
ReportPos OutputCaretPosition(const TRichEdit& edit);

}  // namespace tubalyx
