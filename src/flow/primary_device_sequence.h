#pragma once
// The primary-device calculation: from the calculation state (medium, geometry, flows and
// the selections) to the solved quantity of SolveFor, the coefficients, the installation
// corrections, the straight lengths, the limit checks and the uncertainty budget, all
// written back into the calculation state.
#include <string>

namespace tubalyx {

// The entry of the run for "Strypf". Errors of the arithmetic raise CalcError; a result
// that is not finite raises too, so no NaN or inf reaches the report.
void RunPrimaryDeviceCalculation();

// The per-SolveFor steps; called by RunPrimaryDeviceCalculation only.
void RunCalculationSteps();

// Medium state at the operating point and the flows in kg/s.
void PrepareMediumForFlow();

// The nine-row decision of the second straight-length pass (given lengths against the
// required ones), into AdditionalUncertaintyPercent, the shown lengths and BendFactor.
void CompareStraightLengths();

}  // namespace tubalyx
