#pragma once
// Liquid (compressed) water after the 1967 industrial formulation (IFC-67), sub-region 1, and
// the saturation line of water.
//
// Units as for steam: P in Pa absolute, t in degrees Celsius, density kg/m3, enthalpy J/kg.
// The liquid functions need P > 0: a pressure at or below zero raises CalcError.
#include <array>

namespace tubalyx {

// Sub-region 1 coefficients: A0 .. A22, then a1 .. a12.
constexpr int kWaterCoefficientCount = 23 + 12;
using WaterCoefficientTable = std::array<double, kWaterCoefficientCount>;
extern const WaterCoefficientTable WaterCoefficients;

// Saturation-line constants k1 .. k9 of the function K.
extern const std::array<double, 9> WaterSaturationLineCoefficients;

// Writes A0 .. A22 and a1 .. a12 into the caller's table.
void FillWaterCoefficients(WaterCoefficientTable& table);

double WaterDensityPT(double P, double t);   // kg/m3
double WaterEnthalpyPT(double P, double t);  // J/kg, on the formulation's own zero

// Reduced saturation pressure by the saturation-line function K (any t above -273.15 degC).
double WaterSaturationPressureReduced(double t);

// Saturation pressure (Pa) by the saturation line K up to the critical temperature
// (374.15 degC). Above it, where liquid and vapour no longer part, the larger of the
// critical pressure and the sub-region 2 boundary line L, so that the line rises steadily
// and keeps to L from about 389 degC on.
double WaterSaturationPressure(double t);

// The pressure of water's critical point: above it liquid and vapour no longer part, and
// there is no saturated steam.
inline constexpr double kWaterCriticalPointPressurePa = 22.064e6;

// Saturation temperature (degC). Up to the critical pressure a damped secant on the line K
// from 100 and 200 degC, stopped when the new iterate lies within 0.01 K of the one two steps
// before and of the last one; above it the temperature of the boundary line L, solved in
// closed form. Raises CalcError for P <= 0 (or NaN) and when the secant has not settled
// within kSaturationTemperatureMaxSteps steps.
constexpr int kSaturationTemperatureMaxSteps = 500;
double WaterSaturationTemperature(double P);

enum class SaturationTemperatureStatus { Settled, PressureNotPositive, StepBoundReached };

// As WaterSaturationTemperature, but tells the outcome instead of raising: t is the result
// when settled, the last iterate at the step bound, and left unchanged for P <= 0.
// A floating-point fault inside the iteration still raises CalcError.
SaturationTemperatureStatus TryWaterSaturationTemperature(double P, double& t);

}  // namespace tubalyx
