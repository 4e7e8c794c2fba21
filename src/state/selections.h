#pragma once
// The selections of the calculation state: what is calculated, for which medium and device,
// after which standard, in which language, and the option flags of the questionnaire. The
// menu and edit handlers of the main window write them; every calculation and report reads
// them. Keywords are short strings compared exactly, as the users' data and the reports use
// them.
#include <string>

namespace tubalyx {

extern std::string CalcFunction;       // "Termo", "Strypf", "Tryckf", "Flow", "Ventil", "Sorter"
extern std::string MediumCode;         // "VAT", "ANG", "GAS", "LUF", "NGAS", "C3H8", ...
extern char PhaseLetter;               // 'N', 'G', 'V', 'H', 'X'
extern std::string SolveFor;           // "DP", "DI", "FL", "TF", "OK"
extern std::string DeviceCode;         // "S", "D", "DL", "KV", "SM", "VK", "V", "VCONE", "VCONEWAFER", "VOLYM"
extern std::string DeviceVariantCode;  // "R", "F", "D" for "S"; "SV", "BG", "OG" for "V"
extern char StandardLetter;            // '3' ISO 5167:2003, 'I' ISO 5167:1991/1998, 'D' DIN 1952:1982
extern char LanguageLetter;            // 'S', 'D', 'E'
extern std::string ReportSeparator;    // "" or "\t" (the "Excel" label)

// Option flags and codes.
extern std::string ValveSubtype;            // "RO" restriction orifice, else a valve
extern std::string MaxFlowGivenFlag;        // "J" when the maximum flow was adjusted
extern std::string ProductionReportFlag;    // "J" or "N"
extern std::string UncertaintyMethodCode;   // "N", "M", "L", "P", "1", "2", "3"
extern std::string OnlineFlowMethod;        // "N" standard, else root
extern std::string AllowSmallPipeFlag;      // "J" or "N"
extern std::string AllowLargePipeFlag;      // "J" or "N"
extern std::string AllowLargeReynoldsFlag;  // "J" or "N"
extern std::string MaterialCode1;           // material of the primary device, "1" to "8"
extern std::string MaterialCode2;           // material of the pipe, "1" to "8"
extern std::string UpstreamFittingCode;     // "0" to "14"
extern char ExpansionModeLetter;            // 'A' adiabatic (start), 'T' isothermal
extern std::string ExtraUncertaintyCode;    // "1" adds the extra orifice uncertainty, "2" not
extern std::string HumidityInputKind;       // humidity given as "R" relative, "A" absolute, "S" specific, "D" dew point
extern std::string HumidFlowBasis;          // "T" the entered flow is the air/gas part of a humid gas, "F" the whole
extern std::string PrimaryElementEntry;     // device types the optimal design may choose, e.g. "135"

// The data sheet's name of ExtraUncertaintyCode: "1" flanged mounting, else welded.
inline std::string& MountingCode = ExtraUncertaintyCode;

}  // namespace tubalyx
