#include "texts/prompt_state.h"

namespace tubalyx {

std::string TemperatureRangeLabel;
std::string PressureRangeLabel;
std::string ValveSubtype;
std::string MaxFlowGivenFlag = "N";
std::string ProductionReportFlag = "N";
std::string UncertaintyMethodCode = "N";
std::string OnlineFlowMethod = "N";
std::string AllowSmallPipeFlag = "J";
std::string AllowLargePipeFlag = "J";
std::string AllowLargeReynoldsFlag = "J";
std::string MaterialCode1 = "8";
std::string MaterialCode2 = "8";
std::string UpstreamFittingCode = "0";
char ExpansionModeLetter = 'I';
double BoreDiameterColdMm = 0, BoreDiameterColdM = 0;
double SegmentHeightColdMm = 0, SegmentHeightColdM = 0;
double ValveDiameterColdMm = 0, ValveDiameterColdM = 0;
std::string VapourPressureUnit, CriticalPressureUnit;
double VapourPressureInput = 0, CriticalPressureInput = 0;
double ValveFL = 1.0;

}  // namespace tubalyx
