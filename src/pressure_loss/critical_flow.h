#pragma once
// Where a throttling element turns critical when its outlet pressure stays what it is.
#include "pressure_loss/valve_coefficients.h"

namespace tubalyx {

struct CriticalPoint {
    double flowTph = 0.0;           // t/h
    double inletPressureBar = 0.0;  // bar a
    double dropBar = 0.0;           // bar
    bool criticalAtDesign = false;  // the element already flows critically at the design duty
};

// Steps of the walk towards the critical point.
inline constexpr int kCriticalWalkLimit = 10000;

// From the design duty (dp0, P1_0, W0), both diameters taken as the duty's pipe diameter
// (so Fp = 1 and FLP = FL), the inlet pressure and the drop move together by 1 % of the
// inlet pressure per step: up while the element is not critical, down while it is; the
// critical test keeps the design inlet pressure. The flow follows as W0 sqrt(dp / dp0), or,
// for a primary device, as the flow of the device at the differential pressure whose
// permanent loss is dp. The walk stops where the critical flag changes, when the inlet
// pressure passes 1e6 P1_0, when the drop reaches 0 or after kCriticalWalkLimit steps.
// An element critical at the design duty gives the design duty back.
// The primary-device flow reads the state of the current device calculation.
CriticalPoint ValveFlowForPressureDrop(const ValveDuty& design, bool primaryDevice);

}  // namespace tubalyx
