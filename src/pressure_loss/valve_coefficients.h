#pragma once
// Flow coefficients of control valves and restriction orifices.
//
// Units throughout: pressures in bar absolute (drops in bar), mass flow W in t/h, diameters
// in mm, density in kg/m3, temperatures in degrees C. Kv is in m3/h of water at a drop of
// 1 bar; Cv = 1.155 Kv.
//
// Liquids (the sizing equations of IEC 60534-2-1, with the water reference 1000 kg/m3):
//   FF = 0.96 - 0.28 sqrt(pv / pc)                        liquid critical pressure ratio
//   not critical, dp < FL^2 (P1 - FF pv):  Kv = W / sqrt(0.001 rho f dp) / Fp
//   critical:                              Kv = W / FLP / sqrt(0.001 rho f (P1 - FF pv))
// Gases, with y = 1.63 Fp / FLP sqrt(dp / P1) and Y = y - 0.148 y^3 below y = 1.5:
//   steam ("ANG", "MNG"): C = (1 + 0.00126 (T - Ts)) 83.7 W / FLP / P1, Ts the saturation
//                         temperature at P1
//   other gases:          C = 54.5 W / FLP / P1 / sqrt(rho / 1.293) sqrt(P1 / 1.01325)
//   C is divided by Y when the flow is not critical (y < 1.5); Kv = C / 1.16.
// Piping geometry, valve bore d in a pipe D (a restriction orifice has none):
//   FLP = (1/FL^2 + (1 - (d/D)^4) (Kv / (0.046 d^2))^2)^(-1/2)
//   Fp  = sqrt(|1 - 1.5 (1 - d^2/D^2)^2 (Kv / (0.047 d^2))^2|) for d < D, else 1.
// Every arithmetic fault (a zero drop, a zero diameter, a root of a negative) raises
// CalcError; nothing here is caught.
#include <string>

namespace tubalyx {

enum class ValveMedium { Liquid, Steam, Gas };

// The medium keyword decoded for the valve equations; reads PhaseLetter for the gas test.
ValveMedium ValveMediumOf(const std::string& medium);

// One operating point of an element.
struct ValveDuty {
    ValveMedium medium = ValveMedium::Liquid;
    bool restriction = false;          // restriction orifice: no piping geometry factors
    double flowTph = 0.0;              // W, t/h
    double flowFactor = 1.0;           // f, multiplies the liquid density
    double density = 0.0;              // rho, kg/m3 at the inlet
    double temperatureC = 0.0;         // T, degrees C
    double inletPressureBar = 0.0;     // P1, bar a
    double vapourPressureBar = 0.0;    // pv, bar a
    double criticalPressureBar = 0.0;  // pc, bar a
    double dropBar = 0.0;              // dp, bar
    double fl = 0.0;                   // FL, liquid pressure recovery factor of the element
    double valveDiameterMm = 0.0;      // d, mm
    double pipeDiameterMm = 0.0;       // D, mm
};

struct PipingFactors {
    double flp = 0.0;  // FLP
    double fp = 1.0;   // Fp
};

struct ValveCoefficient {
    double kv = 0.0;
    double flp = 0.0;
    double fp = 1.0;
    bool critical = false;
};

// The liquid critical pressure ratio factor FF; 0.96 when the vapour pressure is 0 (a
// liquid without vapour-pressure data, pc = pv = 0).
double LiquidCriticalPressureRatio(double vapourPressureBar, double criticalPressureBar);

// FLP and Fp of a valve of bore d (mm) in a pipe D (mm) for the coefficient kv.
PipingFactors PipingGeometryFactors(double kv, double fl, double valveDiameterMm, double pipeDiameterMm);

// Kv of the element at the duty. FLP and Fp start at FL and 1; eleven passes refine them
// from the Kv of the pass before (a restriction orifice keeps them). The critical flag is
// that of the last pass.
ValveCoefficient ValveFlowCoefficient(const ValveDuty& duty);

struct RestrictionDrop {
    double dropBar = 0.0;  // bar
    double fp = 1.0;
    bool critical = false;
};

// Bisection passes of RestrictionFlowTerm.
inline constexpr int kRestrictionBisectionLimit = 200;

// The pressure drop (bar) at which an element of coefficient kv passes the duty's flow; the
// duty's own drop is not read. Bisection on [1e-38, P1] until the Kv at an end or the
// midpoint is within 1e-4 relative of kv. When even the drop P1 needs a larger Kv than kv,
// or no half of the interval brackets it, the element flows critically at the drop P1.
// After the pass bound the last midpoint is the result.
RestrictionDrop RestrictionFlowTerm(const ValveDuty& duty, double kv);

}  // namespace tubalyx
