#include "ui/selection_state.h"

namespace tubalyx {

// Start-up values; the window creation sets the user's defaults over them.
std::string CalcFunction = "Strypf";
std::string MediumCode = "GAS";
char PhaseLetter = 'N';
std::string SolveFor = "DI";
std::string DeviceCode = "S";
std::string DeviceVariantCode = "R";
char StandardLetter = '3';
char LanguageLetter = 'E';
double OperatingPressure = 101325.0;
double OperatingTemperature = 20.0;
int LayoutTop = 0;
std::string ReportSeparator;

}  // namespace tubalyx
