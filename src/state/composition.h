#pragma once
// The composition of a gas mixture or natural gas in the calculation state: the components
// of the composition grids ViktVolprocGrid and ViktVolprocgridfukt, indexed by grid row
// (rows 2 to 11 in use, row 12 the sums), what the mixture engine leaves of its last
// conversion, and the natural-gas analysis of the grid.
#include <array>
#include <string>

namespace tubalyx {

constexpr int kMixtureRows = 13;
constexpr int kMixtureFirstRow = 2;
constexpr int kMixtureLastRow = 11;
constexpr int kMixtureSumRow = 12;

extern std::array<std::string, kMixtureRows> MixtureComponentKeyword;  // "GAS": user-defined component
extern std::array<std::string, kMixtureRows> MixtureComponentName;     // user-defined: its viscosity unit
inline auto& MixtureViscosityUnit = MixtureComponentName;              // its name in the viscosity menu
extern std::array<double, kMixtureRows> MixtureMolarMass;              // g/mol
extern std::array<double, kMixtureRows> MixtureDensity;                // kg/m3
extern std::array<double, kMixtureRows> MixtureViscosity;
extern std::array<double, kMixtureRows> MixtureCp;                   // J/(kg K)
extern std::array<double, kMixtureRows> MixtureCv;                   // J/(kg K)
extern std::array<double, kMixtureRows> MixtureCriticalTemperature;  // K
extern std::array<double, kMixtureRows> MixtureEnthalpy;             // kJ/kg
extern std::array<double, kMixtureRows> MixtureFraction;

// Partial pressures (Pa) of the rows at the state of the last volume conversion: the dry
// grid's after CalcMixtureProperties, the humid grid's after ConvertMixtureColumns.
extern std::array<double, kMixtureRows> MixturePartialPressure;
// The dry grid's partial pressures of the last ConvertMixtureColumns.
extern std::array<double, kMixtureRows> DryMixturePartialPressure;
// Humid-grid partial densities (kg/m3) of the last CalcMixtureProperties.
extern std::array<double, kMixtureRows> MixturePartialDensity;
// Mean molar mass (g/mol) of the humid composition grid, from the last "NGAS" property call.
extern double GridMeanMolarMass;

// Mole fractions indexed 1..21 in the component order of the detailed natural-gas method
// (element 0 unused).
using GasCompositionArray = std::array<double, 22>;
extern GasCompositionArray GasComposition;

// The ten fractions of the grid rows, for the report writers.
extern double NaturalGasMethane, NaturalGasEthane, NaturalGasPropane, NaturalGasButanes, NaturalGasPentanes,
    NaturalGasNitrogen, NaturalGasCarbonDioxide, NaturalGasHydrogen, NaturalGasCarbonMonoxide, NaturalGasWater;
// The fractions the heating value is taken from, in this order: methane, ethane, propane,
// nitrogen, carbon dioxide.
inline std::array<double, 5> NaturalGasHeatingFractions() {
    return {NaturalGasMethane, NaturalGasEthane, NaturalGasPropane, NaturalGasNitrogen, NaturalGasCarbonDioxide};
}

// Kept between calls of the detailed method: the damping divisor of the density iteration,
// the last density, and the Z that the property switch and reports pass in.
extern double DensityDampingDivisor;
extern double DetailedGasDensity;  // kg/m3
extern double NaturalGasZ;

// The average molar mass (g/mol) of the medium as the big thermodynamic report shows it.
extern double AverageMolarMass;

}  // namespace tubalyx
