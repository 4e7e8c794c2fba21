#pragma once
// The valve and restriction-orifice function ("Ventil"): a valve ("VE") is sized for the
// Kv that passes the flow at the drop; a restriction orifice ("RO") gets its bore, its flow
// or, with a given Kv, its flow and recovery factor, and the flow and inlet pressure at
// which it turns critical. Results go to the state of state/valve_state.h.
//
// Faults of the arithmetic raise CalcError and are not caught here; the caller turns them
// into the input-error line.
#include <string>

namespace tubalyx {

// Passes of the two flow searches of a restriction orifice (by bore and by Kv).
inline constexpr int kRestrictionSearchLimit = 500;

struct ValveSaturationPressures {
    double vapourPressureBar = 0.0;
    double criticalPressureBar = 0.0;
};

// Vapour and critical pressure (bar a) of the liquid: water ("VAT", "MAS") from its
// saturation line at the temperature and 221.2 bar; "VÄT" the entered values (Pa); a liquefied
// gas taken as its liquid (TakenAsLiquid) its saturation table's pressure at the temperature and
// its critical pressure (SaturationCriticalPressurePa); 0 and 0 for every other medium. No state
// is written.
ValveSaturationPressures ValveSaturationPressuresBar(const std::string& medium, double temperatureC,
                                                     double vapourPressurePa, double liquidCriticalPressurePa);

// The flow (t/h) at which the element of the current report turns critical, at constant
// outlet pressure, from the operating state with the flow, the drop (bar) and the recovery
// factor given; a primary device ("Strypf") flows as its own equations say. No state is
// written.
double CriticalFlowAtOperatingState(double flowTph, double dropBar, double fl, bool primaryDevice);

// The state in bar and t/h, the bore at operating temperature and the medium state at the
// operating point.
void CalculateValve();
// Kv, critical state, power and velocity of the valve or restriction orifice.
void ValveSizing();
// CalculateValve, the table-range note, ValveSizing: what a "Ventil" run computes.
void RunValve();

}  // namespace tubalyx
