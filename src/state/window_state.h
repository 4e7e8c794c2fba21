#pragma once
// The window state that calculations and prompt setters read: the window's font size, the
// questionnaire's layout position, the composition-grid column being edited and the range
// prompts of the current function. The report size is the caption of litenstor
// (CurrentReportSize in reports/report_window.h).
#include <string>

namespace tubalyx {

// Points: screen width * 20 div 90 div 17, so that 90 characters fill the screen width
// (BaseFontSizeForScreen); chosen at start-up, read by the layout, graphs and font handlers.
extern int BaseFontSize;
extern int LayoutTop;  // pixels; where the next questionnaire line goes
// Tab order of the next edit or unit box of the questionnaire; the page manager starts it at 0.
extern int InputTabOrder;
inline int& InputLineIndex = InputTabOrder;  // its name in the questionnaire builders
// The Left of the questionnaire's first column while the form is not scrolled sideways.
inline constexpr int InputPanelTop = 0;
// Column of ViktVolprocGrid that the user is editing (2 to 5).
extern int MixtureEditColumn;
inline int& MixtureSelectedCol = MixtureEditColumn;  // its name in the grid's handlers
// Row (0 to 12) of the composition grid that the component menu and the property box act on.
extern int MixtureRow;
inline int& CurrentMixtureRow = MixtureRow;  // its name where the property box is filled

// Which material the material pop-up sets: "F" the primary device's (label mtrlfl), "R" the
// pipe's (label mtrlror).
extern std::string MaterialMenuTarget;

extern std::string TemperatureRangeLabel;  // temperature prompt of the current function
extern std::string PressureRangeLabel;     // static-pressure prompt of the function and unit kind
// Their names in the questionnaire's input listing.
inline std::string& TemperaturePromptText = TemperatureRangeLabel;
inline std::string& PressurePromptText = PressureRangeLabel;

// The report view: the report window spans the form's client width while zoomed; the file
// name that the file dialogs hold ends the window caption.
extern bool ReportZoom;
extern std::string ReportFileName;

// The unit-conversion page between visits: the last selected cell of Sortergrid, the rows
// last selected in its flow and viscosity columns (where those columns are computed from
// after a density edit), and the form's scroll positions the mouse last saw over the grid.
extern int UnitGridCol;
extern int UnitGridRow;
extern int UnitGridFlowSourceRow;
extern int UnitGridViscositySourceRow;
extern int UnitGridSavedHorz;
extern int UnitGridSavedVert;

}  // namespace tubalyx
