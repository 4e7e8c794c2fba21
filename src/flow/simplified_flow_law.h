#pragma once
// The simplified flow law of the plant's flow computer: the design flow scaled by the square
// root of dp, with a Reynolds term b / dp^0.375 and, for gases, a linear expansibility term k.
#include <string_view>

namespace tubalyx {

// Flow q (kg/s) of the law at dp, given the design flow q0 at dp0. Cone meters (state's
// DeviceCode) take the full flow iteration instead.
// State: reads DeviceCode (the cone equation) and CalibratedCf.
void FlowAtDiffPressure(std::string_view medium, std::string_view device, std::string_view variant,
                        std::string_view standard, double k, double b, double p, double dp, double dp0, double q0,
                        double d, double pipeDiameter, double density, double viscosity, double kappa, double f,
                        double& q);

// Fits k and b over ten flows from qmin to qmax when k comes in below -1e10; otherwise only
// evaluates the deviations of the given k and b (meanDeviation then stays untouched). The fit
// ends early, with the best coefficients so far, at a pass whose sum equals the one before or
// whose dp solves did not settle.
// State: reads DeviceCode, CalibratedCf, DiameterRatioBeta and ReynoldsAtMaxFlow; writes
// FlowCorrectionDeviation.
void FitFlowCorrectionCoefficients(std::string_view medium, std::string_view device, std::string_view variant,
                                   std::string_view standard, double p, double dp0, double d, double pipeDiameter,
                                   double density, double viscosity, double kappa, double f, double qmax, double qmin,
                                   double& k, double& b, double& meanDeviation);
// Its name in the uncertainty budget, which fits the law again over the budget's flow range.
inline constexpr auto& OrificeCoefficientsStolz = FitFlowCorrectionCoefficients;

// Pass bound of the fit; the best coefficients found so far stand at the bound.
inline constexpr int kFitPassLimit = 10000;

}  // namespace tubalyx
