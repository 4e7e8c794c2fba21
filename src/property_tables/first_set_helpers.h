#pragma once
// Helpers the first-set table functions share around the engine: a compressibility-factor
// table turned into a density at the requested state, and the used state that a row repair
// reports with the +0.001 offset of the axis point.
#include "property_tables/table_engine.h"

namespace tubalyx {

// Density from Z at the requested state: P Pa, t degC, molar mass g/mol.
double DensityFromZ(double P_Pa, double t_C, double molarMass, double Z);

// After a row repair that moved a column: the nearest corner of cell (i, j) whose repaired
// value is above 0, by the relative distance with the given temperature weight, measured
// from (T, p) in the axis units; the used state becomes that axis point plus 0.001 each.
// repairedValues holds the corner values a, b, c, d after the repair; temperatureOffset is
// subtracted from the axis for the distance (273.15 where T is given in degC).
void NearestCornerUsedState(const TableData& d, int i, int j, const double repairedValues[4], double T, double p,
                            double temperatureWeight, double temperatureOffset, double& usedPressure,
                            double& usedTemperature);

// Corner values of cell (i, j) after the row repair toward higher temperature: a corner below
// `missingBelow` takes the first value at or right of it that is not, unscaled, no back step.
// Returns true when a corner took a value from another column.
bool RowRepairCopy(const TableData& d, int i, int j, double missingBelow, double out[4]);

// The requested temperature (degC) at which the engine reads the cell of (P, t) at no less than
// T[j] + margin: the used temperature of tables that lift it to the cell's lower column.
double ShiftToCellFloor(const TableData& d, const TableOptions& o, double P_Pa, double t_C);

}  // namespace tubalyx
