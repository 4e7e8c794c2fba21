#include "flow/sequence_state.h"

namespace tubalyx {

double NormalMassFlow = 0.0;
double MaxFlowDpPa = 0.0;
double ScaledMaxDpPa = 0.0;
double DpAtNormalFlow = 0.0;
double DpAtMinFlow = 0.0;
double FlowAtMaxDp = 0.0;
double FlowAtReynoldsMin = 0.0;
double FlowAtUpperLimitValue = 0.0;

double TemperatureMinC = 20.0;
double TemperatureMaxC = 20.0;
double PressureMinPa = 101325.0;
double PressureMaxPa = 101325.0;

std::string DpUnit = "kPa";
double MaxDpInput = 0.0;
std::string DpUpperLimitUnit = "kPa";
double DpLowerLimitInput = 0.0;
double DpUpperLimitInput = 0.0;

double StraightLengthM = 0.0;
double AdditionalUncertaintyPercent = 0.0;
double InletEdgeFactor = 1.0;
double RoughnessFactor = 1.0;
double BendFactor = 1.0;
double RoughnessUncertaintyPercent = 0.0;

}  // namespace tubalyx
