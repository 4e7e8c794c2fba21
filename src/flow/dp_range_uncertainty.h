#pragma once
// The coefficient uncertainty and the error of the simplified flow formulas, averaged over
// the measuring range.
#include <string_view>

namespace tubalyx {

// Eleven points equally spaced in sqrt(dp) from dpMin to dpMax (Pa); f the product of the
// correction factors, D and d in m, p Pa abs. Gives the averages of the coefficient
// uncertainty u, of u + the deviation of the flow scaled from dpNormal, and of u + the
// deviation of the flow scaled from dpMax. The two deviations average over the points whose
// flow is above 0; CalcError when none is.
// State: reads CalibratedCf, DeviceCode (the cone equation) and MaxMassFlow (the start flow of
// the scaled flows).
void UncertaintyOverDpRange(std::string_view medium, std::string_view device, std::string_view variant, double f,
                            double kappa, double viscosity, double density, double pipeDiameter, double bore,
                            double dpMax, double dpNormal, double dpMin, double p, std::string_view standard,
                            double& average, double& deviationA, double& deviationB);

}  // namespace tubalyx

namespace tubalyx {

// Whether the flow scaled from the max dp (VariantFlowDeviationB) departs from the standard
// coefficient's average uncertainty (AverageCoefficientUncertainty) by more than 0.2 % of it,
// or that average is 0: only then do the normal-flow and all-flows root constants differ
// enough from the max-flow one to be worth offering.
bool RelativeChangeExceeds();

}  // namespace tubalyx
