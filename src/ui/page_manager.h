#pragma once
// The page manager rebuilds the one scrolling form for the current function, medium and
// language: which controls show, the window caption, hints and report-page captions, the
// questionnaire of the function, the graph, and below it all the report window.
//
// Every menu, pop-up and option handler ends with LayoutTop := 0 and PageManager('S',
// LayoutTop); the run calls it with kind 'B' after the report head, so that the builders
// append the input section of the report as they place their lines.

namespace tubalyx {

// kind 'S' (screen) or 'B' (run), handed to every builder; `layoutTop` is where the
// questionnaire starts and, on return, the position below the last line placed.
//
// A handler that the build itself sets off (an edit written by a builder fires its change
// handler, and some of those rebuild the page) does not start a second build inside the
// first: the request is noted and the page is built once more, for the screen, when the
// running build has finished. So the input section of a run is written once, and a page is
// never left half placed.
//
// A screen build after which no shown control holds the focus gives it to the questionnaire's
// first edit in tab order (on the unit page to its grid).
void PageManager(char kind, int& layoutTop);

// After a page the user chose (a function, medium, device or solved quantity): the keyboard
// goes to the page's first question, unless it already is in a question of the page. The
// report keeps it only from a click into it or a Run, so that digits typed for the first
// question never land in an earlier report. The question that has it has its whole text
// selected, so that typing replaces the value.
void GiveTheKeyboardToTheQuestionnaire();

// The keyboard to the page's first question, wherever it was: the input page shown from its
// top, or the function of the page chosen again. On the unit page the grid takes it on its
// first value cell. An edit given the keyboard by either has its whole text selected.
void GiveTheKeyboardToTheFirstQuestion();

// Whether the page on the screen was built for the calculation function now selected (the
// valve kind and the commercial meters told apart): its function item chosen again.
bool ThePageShowsTheSelectedFunction();

// The row of report controls at `top` (the Run label, select all, report size, the title,
// clear, zoom, ABB/Siemens, Excel), the report window below it, and the page head and foot
// boxes at the bottom of the scroll range.
void ShowReportControls(int top);

// The height the report window keeps at least, in lines of the form's font, however far down
// the questionnaire reaches.
inline constexpr int kReportMinimumLines = 20;

}  // namespace tubalyx
