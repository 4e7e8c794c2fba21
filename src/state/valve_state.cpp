#include "state/valve_state.h"

namespace tubalyx {

double LiquidCriticalPressurePa = 0.0;
double MaxDpBar = 0.0;
double InletPressureBar = 0.0;
double VapourPressureBar = 0.0;
double CriticalPressureBar = 0.0;
double ValveMassFlowTph = 0.0;
double ValveFlowFactor = 1.0;
double ValveKv = 0.0;
bool ValveCriticalFlag = false;
double ValveFLP = 0.0;
double ValveFp = 1.0;
double RestrictionFL = 0.0;
double DeviceDrop = 0.0;
double CriticalFlow = 0.0;
double CriticalInletPressureBar = 0.0;
double ValvePowerW = 0.0;
double ValvePipeVelocity = 0.0;

}  // namespace tubalyx
