#pragma once
// The selection keywords and the operating state of the calculation state. The menu and
// edit handlers of the main window write them; every calculation and report reads them.
// Keywords are short strings compared exactly, as the users' data and the reports use them.
#include <string>

namespace tubalyx {

extern std::string CalcFunction;     // "Termo", "Strypf", "Tryckf", "Flow", "Ventil", "Sorter"
extern std::string MediumCode;       // "VAT", "ANG", "GAS", "LUF", "NGAS", "C3H8", ...
extern char PhaseLetter;             // 'N', 'G', 'V', 'H', 'X'
extern std::string SolveFor;         // "DP", "DI", "FL", "TF", "OK"
extern std::string DeviceCode;       // "S", "D", "DL", "KV", "SM", "VK", "V", "VCONE", "VCONEWAFER", "VOLYM"
extern std::string DeviceVariantCode;  // "R", "F", "D" for "S"; "SV", "BG", "OG" for "V"
extern char StandardLetter;          // '3' ISO 5167:2003, 'I' ISO 5167:1991/1998, 'D' DIN 1952:1982
extern char LanguageLetter;          // 'S', 'D', 'E'
extern double OperatingPressure;     // Pa absolute
extern double OperatingTemperature;  // degrees Celsius
extern int LayoutTop;                // pixels; where the next questionnaire line goes
extern std::string ReportSeparator;  // "" or "\t" (the "Excel" label)

}  // namespace tubalyx
