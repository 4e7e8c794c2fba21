#pragma once
// Physical constants and unit factors, named once.
//
// The kelvin offset, the standard atmosphere, the inch and the gas constant turn up all over
// the calculations, the reports and the window; written out at each use they drift (the
// kelvin offset had four local names) and a mistyped digit compiles. Each is named here once,
// in the units in which the code uses it. Where parts of the program have always used a
// slightly different value for the same constant, each value stays exactly as it was, since
// changing one would move the digits of a report, and both are named here with the
// difference. The `vocabulary` test fails on a literal 273.15 anywhere else.

namespace tubalyx {

// The Celsius scale: T (K) = t (degC) + 273.15.
inline constexpr double kKelvinOffset = 273.15;
inline constexpr double kAbsoluteZeroCelsius = -kKelvinOffset;  // degC
// Absolute zero to the whole degree, -273 degC: where a line calculation stops and where the
// saturation search of a liquefied gas starts.
inline constexpr double kAbsoluteZeroCelsiusWhole = -273.0;

// The standard atmosphere, the pressure of the normal and standard states, in the units the
// code takes it.
inline constexpr double kStandardAtmospherePa = 101325.0;
inline constexpr double kStandardAtmosphereKPa = 101.325;
inline constexpr double kStandardAtmosphereBar = 1.01325;
inline constexpr double kStandardAtmosphereMbar = 1013.25;
// The unit keyword "ATM" converts at 101325.01 Pa, 0.01 Pa above the standard atmosphere.
inline constexpr long double kAtmKeywordPa = 101325.01L;

// The inch.
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kInchesPerMillimetre = 0.03937007874015748;  // 1 / 25.4
inline constexpr double kMetresPerInch = 0.0254;
static_assert(kInchesPerMillimetre == 1.0 / kMillimetresPerInch);

// The molar gas constant R in three values:
// J/(kmol K), as the property switch and the gas tables take it (cv = cp - R / M);
inline constexpr double kGasConstantPerKmol = 8314.0;
// J/(mol K), the value of the ideal-gas density of the first gas tables and of ethane;
inline constexpr double kGasConstantPerMol = 8.3143;
// MPa dm3/(mol K), 8.31451 J/(mol K), the value of the detailed natural-gas method.
inline constexpr double kGasConstantNaturalGas = 0.00831451;

}  // namespace tubalyx
