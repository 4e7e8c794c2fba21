#pragma once
// Dynamic viscosity of water substance, liquid or vapour, after the 1975 international
// formulation (general and industrial use, no critical enhancement).
#include <array>

namespace tubalyx {

// Dilute-gas coefficients a0 .. a3.
extern const std::array<double, 4> WaterViscosityDiluteCoefficients;
// Residual coefficients b[i][j]: i = 0 .. 5 powers of (T*/T - 1), j = 0 .. 4 powers of (rho/rho* - 1).
extern const std::array<std::array<double, 5>, 6> WaterViscosityResidualCoefficients;

// Viscosity (Pa s) at t (degC) and density rho (kg/m3) that the caller supplies.
// A density of 0 gives the dilute-gas value.
double WaterSteamViscosity(double t, double rho);

}  // namespace tubalyx
