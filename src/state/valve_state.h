#pragma once
// The calculation state of the valve and restriction-orifice function ("Ventil"): the
// inputs that no other group holds and the results the sizing leaves for the report, the
// line calculation and the flow-speed lines. Valve equations work in bar and t/h.
#include <string>

namespace tubalyx {

// Input: the critical pressure of a liquid other than water ("VÄT"), Pa absolute.
extern double LiquidCriticalPressurePa;

// Pressures of the valve equations, bar absolute (the drop in bar).
extern double MaxDpBar;             // bar, pressure drop over the element
extern double InletPressureBar;     // bar a, inlet pressure
extern double VapourPressureBar;    // bar a, vapour pressure of the liquid; 0 for gases
extern double CriticalPressureBar;  // bar a, critical pressure of the liquid; 0 for gases

// The flow through the element, t/h.
extern double ValveMassFlowTph;  // t/h
// Multiplies the density of a liquid and divides the flow in power and velocity; 1.0.
extern double ValveFlowFactor;

// Results at the design point.
extern double ValveKv;                   // m3/h at 1 bar, the flow coefficient Kv
extern bool ValveCriticalFlag;           // the element flows critically
extern double ValveFLP;                  // recovery factor combined with the fittings
extern double ValveFp;                   // piping geometry factor
extern double RestrictionFL;             // recovery factor FL of the element: computed for a
                                         // restriction orifice, the valve's FL for a valve
extern double DeviceDrop;                // Pa, differential pressure of the restriction orifice
extern double CriticalFlow;              // t/h, where the flow turns critical
extern double CriticalInletPressureBar;  // bar a, inlet pressure where it turns critical at
                                         // constant outlet pressure
extern double ValvePowerW;               // W, pressure drop times volume flow
extern double ValvePipeVelocity;         // m/s, in the pipe

}  // namespace tubalyx
