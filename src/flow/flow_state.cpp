#include "flow/flow_state.h"

namespace tubalyx {

double PipeDiameter = 0.1;
double BoreDiameter = 0.05;
double PipeDiameterColdM = 0.1;
double DynamicViscosityPas = 1e-3;
double MaxMassFlow = 0.0;
double MinMassFlow = 0.0;
double MaxDpPa = 0.0;
double PipeRoughnessM = 0.0;
double ReynoldsAtMaxFlow = 0.0;
double DiameterRatioBeta = 0.5;
double CalibratedCf = 1.0;
double CalibratedReynoldsMin = 8000.0;
double CalibratedReynoldsMax = 1000000.0;
double PipeRoughnessMm = 0.0;
std::string FlowUnit;
double MaxFlowInput = 0.0;
double FlowNormalDensity = 1.0;
double VolumeMeterRoughnessFactor = 1.0;
double VolumeMeterReynoldsFactor = 1.0;

}  // namespace tubalyx
