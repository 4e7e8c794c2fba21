#pragma once
// Answers, flags and derived values that the prompt setters read or write. The edit and
// option handlers of the main window set the answers; the setters show them.
#include <string>

#include "ui/medium_description.h"  // HumidityInputKind, HumidGasFlag

namespace tubalyx {

extern std::string TemperatureRangeLabel;  // temperature prompt of the current function
extern std::string PressureRangeLabel;     // static-pressure prompt of the function and unit kind

extern std::string ValveSubtype;            // "RO" restriction orifice, else a valve
extern std::string MaxFlowGivenFlag;        // "J" when the maximum flow was adjusted
extern std::string ProductionReportFlag;    // "J" or "N"
extern std::string UncertaintyMethodCode;   // "N", "M", "L", "P", "1", "2", "3"
extern std::string OnlineFlowMethod;        // "N" standard, else root
extern std::string AllowSmallPipeFlag;      // "J" or "N"
extern std::string AllowLargePipeFlag;
extern std::string AllowLargeReynoldsFlag;
extern std::string MaterialCode1;           // material of the primary device, "1" to "8"
extern std::string MaterialCode2;           // material of the pipe
extern std::string UpstreamFittingCode;     // "0" to "14"
extern char ExpansionModeLetter;            // 'A' adiabatic, else isothermal

extern double BoreDiameterColdMm, BoreDiameterColdM;
extern double SegmentHeightColdMm, SegmentHeightColdM;
extern double ValveDiameterColdMm, ValveDiameterColdM;

extern std::string VapourPressureUnit, CriticalPressureUnit;
extern double VapourPressureInput, CriticalPressureInput;
extern double ValveFL;

}  // namespace tubalyx
