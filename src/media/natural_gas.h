#pragma once
// Natural gas: the analysis of the composition grid and the compressibility after the
// detailed characterisation method (AGA Report No. 8 / ISO 12213-2).
#include <array>

namespace tubalyx {

// Mole fractions indexed 1..21 in the method's component order (element 0 unused).
using GasCompositionArray = std::array<double, 22>;

extern GasCompositionArray GasComposition;

// The ten fractions of the grid rows, for the report writers.
extern double NaturalGasMethane, NaturalGasEthane, NaturalGasPropane, NaturalGasButanes,
    NaturalGasPentanes, NaturalGasNitrogen, NaturalGasCarbonDioxide, NaturalGasHydrogen,
    NaturalGasCarbonMonoxide, NaturalGasWater;

// Reads column 5 (mol %) of rows 2..11 of ViktVolprocGrid into the fractions above and GasComposition.
void ReadGasComposition();

// Kept between calls: the damping divisor of the density iteration, the last density, and
// the Z that the property switch and reports pass in.
extern double DensityDampingDivisor;
extern double DetailedGasDensity;  // kg/m3
extern double NaturalGasZ;

// Mass density (kg/m3) of the gas at pressure (Pa absolute) and temperature (degC); Z into z.
// The composition need not be normalised. Any failure gives 0 and z = 0.
double GasCompressibilityDetailed(GasCompositionArray composition, double& z, double pressure,
                                  double temperature);

}  // namespace tubalyx
