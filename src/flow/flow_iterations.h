#pragma once
// The iterations between mass flow, differential pressure and bore around the device
// coefficients. Every routine takes the medium, device, variant and standard keywords,
// the upstream pressure p (Pa abs), its given quantities, the pipe diameter D (m), the
// density (kg/m3), viscosity (Pa s), isentropic exponent and the product F of the
// installation correction factors, and returns its last iterate. Arithmetic faults raise
// CalcError; no loop runs without a pass bound.
#include <string_view>

#include "flow/device_coefficients.h"
#include "flow/device_selection.h"

namespace tubalyx {

// Pass bound given to the iterations that have no limit of their own; the last iterate
// at the bound is the result, as for the iterations with a limit.
inline constexpr int kUnboundedIterationLimit = 10000;

// Flow equations with known coefficients. The standard devices' flow is C times the factor
// E F epsilon pi/4 d^2 sqrt(2 dp rho).
double StandardDeviceFlowFactor(const FlowCoefficients& k, double f, double d, double dp, double density);
double StandardDeviceFlow(const FlowCoefficients& k, double f, double d, double dp, double density);
double ConeMeterFlow(const FlowCoefficients& k, double pipeDiameter, double dp, double density);

void DiffPressureFromFlow(std::string_view medium, std::string_view device, std::string_view variant,
                          std::string_view standard, double p, double qm, double d, double pipeDiameter, double density,
                          double viscosity, double kappa, double f, double& dp);

void ScaledDiffPressureFromFlow(std::string_view medium, std::string_view device, std::string_view variant,
                                std::string_view standard, double p, double qA, double qB, double d,
                                double pipeDiameter, double density, double viscosity, double kappa, double f,
                                double& dp);

void FlowFromDiffPressure(std::string_view medium, std::string_view device, std::string_view variant,
                          std::string_view standard, double p, double dp, double d, double pipeDiameter, double density,
                          double viscosity, double kappa, double f, double& qm);

void FlowAtSecondDiffPressure(std::string_view medium, std::string_view device, std::string_view variant,
                              std::string_view standard, double p, double dpA, double dpB, double d,
                              double pipeDiameter, double density, double viscosity, double kappa, double f,
                              double& qm);

void ThroatDiameterFromFlow(std::string_view medium, std::string_view device, std::string_view variant,
                            std::string_view standard, double p, double qm, double dp, double pipeDiameter,
                            double density, double viscosity, double kappa, double f, double& d);

void SolveThroatDiameter(std::string_view medium, std::string_view device, std::string_view variant,
                         std::string_view standard, double p, double qA, double qB, double dpA, double pipeDiameter,
                         double density, double viscosity, double kappa, double f, double& d);

void RestrictionDiffPressureForLoss(std::string_view medium, std::string_view device, std::string_view variant,
                                    std::string_view standard, double p, double qm, double wantedLoss,
                                    double pipeDiameter, double density, double viscosity, double kappa, double f,
                                    double& dp, double& d, double& loss);

// Decoded cores, for callers that loop over them (optimal design, uncertainty).
// coneEquation selects the cone flow equation; the keyword routines set it from the
// device argument or the state's DeviceCode as each one's callers expect.
// The dp of a flow and whether the iteration settled within its tolerance before its pass bound
// (an unsettled dp is the last iterate: a search built on it cannot gain).
struct DpSolve {
    double dp;
    bool settled;
};
DpSolve SolveDiffPressure(const DeviceSelection& sel, bool coneEquation, double p, double qm, double d,
                          double pipeDiameter, double density, double viscosity, double kappa, double f,
                          double tolerance, int passLimit);
double DiffPressureFromFlowFor(const DeviceSelection& sel, bool coneEquation, double p, double qm, double d,
                               double pipeDiameter, double density, double viscosity, double kappa, double f,
                               double tolerance, int passLimit);
double FlowFromDiffPressureFor(const DeviceSelection& sel, bool coneEquation, double p, double dp, double d,
                               double pipeDiameter, double density, double viscosity, double kappa, double f);
double ThroatDiameterFromFlowFor(const DeviceSelection& sel, bool coneEquation, double p, double qm, double dp,
                                 double pipeDiameter, double density, double viscosity, double kappa, double f);

}  // namespace tubalyx
