#pragma once
// Calculation data on disk: the questionnaire as the user left it, so that loading it and
// pressing "Run" gives the report again.
//
// The file is UTF-8 text, one record a line:
//
//     TUBALYX CALCULATION DATA
//     version=1
//     S <selection>=<keyword>           CalcFunction, MediumCode, ... (the option letters too)
//     L <label>=<caption>               captions that hold a choice (units, report size, ...)
//     T <array> <index>=<text>          the state of the composition rows and the fittings
//     A <array> <index>=<number>        of the pressure-loss line that their cells do not show
//     K <array> <index>=<whole number>  (elements left out are empty or 0)
//     E <edit>=<text>                   every edit of the window
//     G <grid> <column> <row>=<text>    every non-empty cell of the grids
//     end=<number of records>
//
// Numbers are written in the shortest form that reads back the same, with a decimal point.
// In values a backslash, line break, carriage return and TAB are written \\, \n, \r and \t.
// A file with another first line is not calculation data; a later version, a record this
// version does not know, or a missing or wrong end line makes the file damaged, and then
// nothing of it is applied.
#include <string>

namespace tubalyx {

inline constexpr int kCalculationFileVersion = 1;

// The questionnaire as file text.
std::string CalculationDataText();

enum class CalculationDataResult { Loaded, NotCalculationData, NewerVersion, Damaged };

// Reads file text; only a file that is whole and valid is applied: the selections, captions
// and edits (whose change handlers parse them into the calculation state), the grid cells,
// then every input read again from the window and the page built anew.
CalculationDataResult ApplyCalculationDataText(const std::string& text);

// The same through files. Failures append the system's red line, in the user's language, to
// the report, whose earlier lines stay; true when the file was written or applied. A save
// puts the whole new content in place or leaves the target as it was (SaveTextInPlace,
// ui/file_save.h).
bool SaveCalculationData(const std::string& fileName);
bool LoadCalculationData(const std::string& fileName);

// The report as UTF-8 text, one line each with its TABs, ready for a spreadsheet.
bool SaveReportText(const std::string& fileName);

}  // namespace tubalyx
