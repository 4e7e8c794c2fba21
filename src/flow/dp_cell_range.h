#pragma once

namespace tubalyx {

// One or two dp transmitters: the average extra flow uncertainty over the flow range with one
// transmitter spanning dpMax, and with the best second, low-range transmitter (its span in
// percent of dpMax). Flows in any common unit, usually percent of the maximal flow.
// A minimal flow of 0 is a division by zero (CalcError).
void OptimizeDpCellRange(double dpMax, double qMin, double qMax, double& dpAtMin, double& lowRangePercent,
                         double& averageOne, double& averageTwo);

}  // namespace tubalyx
