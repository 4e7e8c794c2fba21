#pragma once
// Friction of the straight pipe and the resistance numbers (zeta) of the fittings whose
// coefficient depends on the flow: contractions and expansions, a valve given by its Kv, and
// the throat devices used as fittings. Zeta is referred to the dynamic pressure of the flow
// in the pipe at the fitting. Every arithmetic fault raises CalcError; nothing is caught.
#include <string>

namespace tubalyx {

// Darcy friction factor lambda of a pipe of absolute roughness k and diameter D (the same
// length unit, mm at every caller) at the Reynolds number Re.
//   Re < 2320: laminar, lambda = 64 / Re.
//   else Colebrook-White (C. F. Colebrook, J. Inst. Civ. Eng. 11, 1939):
//     1/sqrt(lambda) = -2 log10(k / (3.71 D) + 2.51 / (Re sqrt(lambda)))
//   solved by half-length secant steps from 0.007 and 0.00707 to a relative step of 1e-8.
// Worked value: a smooth pipe at Re 1e5 gives 0.017990. A Reynolds number of 0 raises.
double ColebrookFrictionFactor(double roughness, double diameter, double reynolds);

// Passes of the Colebrook iteration; it also ends when a step repeats the value or the secant
// has no slope, and gives the last iterate.
inline constexpr int kColebrookPassLimit = 200;

// Zeta of a kind 30 to 34 fitting (cone and sudden contractions and expansions) of the
// column into ResistanceZeta, from the fitting's angle (ResistanceParamA, degrees) and new
// diameter d (ResistanceParamB, mm) in a pipe of diameter D (mm) at the mass flow (kg/s) and
// dynamic viscosity (Pa s). Other kinds, and columns outside 1..50, are left alone.
//   30 cone contraction: 0.04 + (lambda(d) D^2/d^2 - lambda(D)) (L / 2) / D, the cone
//      length L = (D - d)/2 cot(angle / 2), lambda at each diameter's own Reynolds number
//   31 sudden contraction, r = D^2/d^2: 1.1 - 0.4/r below Re r = 2000, 0.55 - 0.4/r below
//      10000, else 0.5 - 0.4/r
//   32 expander to 1.5 D: (angle/60 + 0.2 below 60 degrees, else 1.2 - 0.2 (angle - 60)/120) 5/9
//   33 expander to 3 D: (0.2 + 0.85 angle/60 below 60 degrees, else 1.05 - 0.05 (angle - 60)/120) 8/9
//   34 sudden expansion (Borda-Carnot): (1 - D^2/d^2)^2
void ContractionExpansionResistance(const std::string& medium, int column, double massFlow, double viscosity,
                                    double pipeDiameterMm);

// Zeta of a kind-50 valve column: rows 6, 7 and 8 of the grid are read into ResistanceKv,
// ResistanceFL and ResistanceParamB (valve diameter, mm), a text that is no number raising;
// the valve equations give the drop that passes the flow, and the drop is referred to the
// dynamic pressure of FlowDensity and LineVelocity (the gas drop by the isothermal
// (P^2 - (P - dp)^2) / (2P)). Inlet pressure Pa, temperature degC, mass flow kg/s.
void RestrictionResistance(const std::string& medium, int column, double inletPressure, double temperature,
                           double massFlow, double viscosity, double pipeDiameterMm);

// Zeta of a kind 60 to 64 column: the orifice (corner tappings), classical venturi (welded),
// venturi nozzle, ISA 1932 nozzle or quarter-circle nozzle of throat ResistanceParamB (mm)
// computed by the flow library for the flow, and its permanent loss w referred to the
// dynamic pressure of the density given and LineVelocity. Diameter m, pressure Pa.
void ThroatDeviceResistance(const std::string& medium, int column, double pipeDiameter, double massFlow,
                            double inletPressure, double temperature, double density, double viscosity, double kappa);

// The start values of the per-fitting arrays: kind 0, position 0, throat/diameter 100 mm,
// angle or share 20, zeta 0, Kv 0, FL 0.95, no critical valve, no height sums.
void ResetFittingArrays();

// The pressure-loss line emptied: the per-fitting arrays at their start values and no height
// difference.
void ResetPressureLossLine();

}  // namespace tubalyx
