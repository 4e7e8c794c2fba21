#pragma once
// The gas-mixture engine of the composition grids ViktVolprocGrid (dry) and
// ViktVolprocgridfukt (humid, with the water-vapour row "ANG"): conversions between
// weight % (column 2), volume % at the normal state (column 3, 101325 Pa and 0 degC), volume %
// at the operating state (column 4) and mol % (column 5), rows 2 to 11.
//
// A converted column keeps the total of the column it came from (not 100). Rows with no
// value, zero sums and zero molar masses are copied rather than converted. Every operation
// ends with SumMixtureColumns.
namespace tubalyx {

// Molar mass of a grid row: MixtureMolarMass for a user-defined "GAS" row, else MolarMass.
double MixtureRowMolarMass(int row);

// Weight % to mol %, dry grid.
void NormaliseMixture();
// Mol % to weight %, both grids; the dry grid's column being edited is left alone.
void SetMixtureComponent();
// Mol % to volume % at the state of `kind` (4: operating state; 3 or any other: normal
// state), each component real at its partial pressure; both grids. It reads the grids and
// writes them back around SolvePartialPressures (media/partial_pressures.h).
// State: reads both grids' mol %, the mixture arrays and the operating point; writes column `kind`
// of both grids, MixturePartialPressure and MixturePartialDensity.
void CalcMixtureProperties(int kind);
// Volume % at the state of `kind` to mol %, both grids.
void ConvertMixtureColumns(int kind);

// The sum of the volume % at the normal state (column 3) of rows 2 to 11 of the dry grid.
// Empty cells count 0; a cell holding text that is no number makes the sum 0.
double SumCompositionGrid();

}  // namespace tubalyx
