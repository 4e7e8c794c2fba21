#pragma once
// Superheated steam after the 1967 industrial formulation (IFC-67), sub-region 2, with its
// boundary line L to sub-region 3.
//
// Units: pressure P in Pa absolute, temperature t in degrees Celsius (T = t + 273.15 K),
// density kg/m3, Gibbs energy and enthalpy J/kg, heat capacities J/(kg K).
// The formulation needs P > 0: a pressure at or below zero raises CalcError (the enthalpy
// answers 0 for P <= 1e-10 Pa instead). No range is tested otherwise; a state outside
// sub-region 2 gets what the formula gives.
#include <array>
#include <string>

namespace tubalyx {

// Reduction constants of the formulation.
constexpr double kWaterCriticalTemperatureK = 647.3;
constexpr double kWaterCriticalPressurePa = 22120000.0;
constexpr double kWaterCriticalVolume = 0.00317;                // m3/kg
constexpr double kReducedVolumeToDensity = 315.45741324921136;  // 1 / 0.00317
constexpr double kReducedEnergyScale = 22120000.0 * 0.00317;    // J/kg
constexpr double kSteamI1 = 4.260321148;
constexpr double kSteamB = 0.7633333333;

// Sub-region 2 coefficients in this order: B00..B05, the eighteen B11..B82, B90..B96, the
// eighteen exponents z of the B11..B82 terms, the four denominator exponents x, b, and the
// denominator coefficients b61, b71, b81, b82. Refilling the set before every evaluation
// (FillSteamCoefficientsA) would write the same values each time, so it is constant data.
constexpr int kSteamCoefficientCount = 6 + 18 + 7 + 18 + 4 + 1 + 4;
extern const std::array<double, kSteamCoefficientCount> SteamCoefficients;

// Boundary line L as the quadratic through its values at 350 and 590 degC: theta_a, theta_b,
// beta_L(theta_a), beta_L(theta_b) and the curvature term.
extern const std::array<double, 5> SteamBoundaryLineCoefficients;

// theta = (t + 273.15)/647.3, beta = P/22120000, i1 = 4.260321148, x = exp(b (1 - theta)).
void ComputeReducedState(double& theta, double& beta, double& i1, double P, double t, double& x);

// Reduced pressure of the boundary line L between sub-regions 2 and 3 at t.
double SteamBoundaryPressureReduced(double t);

double SteamDensityPT(double P, double t);      // kg/m3
double SteamGibbsEnergyPT(double P, double t);  // J/kg, on the formulation's own zero
double SteamEnthalpyPT(double P, double t);     // J/kg; 0 when P <= 1e-10 Pa
double SteamCpPT(double P, double t);           // J/(kg K)
double SteamCvPT(double P, double t);           // J/(kg K)
// The three at once, each as the call of its own gives it, for a third of the work.
void SteamDensityCpCvPT(double P, double t, double& density, double& cp, double& cv);

// Isentropic exponent of steam ("ANG" or "MNG"; any other medium gives 0 with cp = cv = 0).
// density must be SteamDensityPT(P, t). cp and cv are taken at no less than 110 Pa and
// 0.12 degC and returned through the out arguments.
double SteamKappaPT(const std::string& medium, double& cp, double& cv, double P, double t, double density);

}  // namespace tubalyx
