#pragma once

#include "state/composition.h"
// Natural gas: the analysis of the composition grid and the compressibility after the
// detailed characterisation method (AGA Report No. 8 / ISO 12213-2).
namespace tubalyx {

// Reads column 5 (mol %) of rows 2..11 of ViktVolprocGrid into the fractions above and GasComposition.
void ReadGasComposition();

// Mass density (kg/m3) of the gas at pressure (Pa absolute) and temperature (degC); Z into z.
// The composition need not be normalised. Any failure gives 0 and z = 0.
double GasCompressibilityDetailed(GasCompositionArray composition, double& z, double pressure, double temperature);

}  // namespace tubalyx
