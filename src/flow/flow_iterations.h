#pragma once
// The iterations between mass flow, differential pressure and bore around the device
// coefficients. Every routine takes the medium, device, variant and standard keywords,
// the upstream pressure p (Pa abs), its given quantities, the pipe diameter D (m), the
// density (kg/m3), viscosity (Pa s), isentropic exponent and the product F of the
// installation correction factors, and returns its last iterate. Arithmetic faults raise
// CalcError; no loop runs without a pass bound. Beneath every routine the coefficients read
// PipeDiameter (the small-pipe term of ISO 5167:1991) and a volume meter its flow inputs
// (flow/volume_meter.h); the "State:" line of each names what the routine reads itself.
#include <string_view>

#include "flow/device_coefficients.h"
#include "flow/device_selection.h"

namespace tubalyx {

// Pass bound given to the iterations that have no limit of their own; the last iterate
// at the bound is the result, as for the iterations with a limit.
inline constexpr int kUnboundedIterationLimit = 10000;

// What a flow solve works on: the device as decoded, the flow equation it takes, the medium at
// the upstream pressure and the pipe. The named routines below fill it from their arguments and
// the calculation state (Cf, the cone choice); the cores take it, and the start flow, as given.
struct FlowCase {
    DeviceSelection sel;
    bool coneEquation = false;  // the cone meters' equation qm = Cf eps K sqrt(dp), not the standard one
    double calibratedCf = 1.0;  // Cf of the cone equation (CalibratedCf, edit Cf)
    double p = 0.0;             // Pa abs, upstream
    double pipeDiameter = 0.0;  // m
    double density = 0.0;       // kg/m3
    double viscosity = 0.0;     // Pa s
    double kappa = 0.0;         // isentropic exponent
    double f = 1.0;             // product of the installation correction factors
};

// Flow equations with known coefficients. The standard devices' flow is C times the factor
// E F epsilon pi/4 d^2 sqrt(2 dp rho); a cone meter's is Cf epsilon K sqrt(dp).
double StandardDeviceFlowFactor(const FlowCoefficients& k, double f, double d, double dp, double density);
double StandardDeviceFlow(const FlowCoefficients& k, double f, double d, double dp, double density);
double ConeMeterFlow(const FlowCoefficients& k, double calibratedCf, double pipeDiameter, double dp, double density);

// State: reads CalibratedCf.
void DiffPressureFromFlow(std::string_view medium, std::string_view device, std::string_view variant,
                          std::string_view standard, double p, double qm, double d, double pipeDiameter, double density,
                          double viscosity, double kappa, double f, double& dp);

// State: reads CalibratedCf.
void ScaledDiffPressureFromFlow(std::string_view medium, std::string_view device, std::string_view variant,
                                std::string_view standard, double p, double qA, double qB, double d,
                                double pipeDiameter, double density, double viscosity, double kappa, double f,
                                double& dp);

// State: reads CalibratedCf and DeviceCode (the cone equation).
void FlowFromDiffPressure(std::string_view medium, std::string_view device, std::string_view variant,
                          std::string_view standard, double p, double dp, double d, double pipeDiameter, double density,
                          double viscosity, double kappa, double f, double& qm);

// State: reads CalibratedCf, DeviceCode (the cone equation) and MaxMassFlow (the start flow).
void FlowAtSecondDiffPressure(std::string_view medium, std::string_view device, std::string_view variant,
                              std::string_view standard, double p, double dpA, double dpB, double d,
                              double pipeDiameter, double density, double viscosity, double kappa, double f,
                              double& qm);

// State: reads CalibratedCf and DeviceCode (the cone equation).
void ThroatDiameterFromFlow(std::string_view medium, std::string_view device, std::string_view variant,
                            std::string_view standard, double p, double qm, double dp, double pipeDiameter,
                            double density, double viscosity, double kappa, double f, double& d);

// State: nothing of its own.
void SolveThroatDiameter(std::string_view medium, std::string_view device, std::string_view variant,
                         std::string_view standard, double p, double qA, double qB, double dpA, double pipeDiameter,
                         double density, double viscosity, double kappa, double f, double& d);

// State: reads CalibratedCf and DeviceCode (the cone equation).
void RestrictionDiffPressureForLoss(std::string_view medium, std::string_view device, std::string_view variant,
                                    std::string_view standard, double p, double qm, double wantedLoss,
                                    double pipeDiameter, double density, double viscosity, double kappa, double f,
                                    double& dp, double& d, double& loss);

// The cores, for the routines above and for callers that loop over them (optimal design,
// uncertainty). Cf, the cone equation and the start flow are theirs to be given.
// The dp of a flow and whether the iteration settled within its tolerance before its pass bound
// (an unsettled dp is the last iterate: a search built on it cannot gain).
struct DpSolve {
    double dp;
    bool settled;
};
DpSolve SolveDiffPressure(const FlowCase& c, double qm, double d, double tolerance, int passLimit);
double DiffPressureFromFlowFor(const FlowCase& c, double qm, double d, double tolerance, int passLimit);
double FlowFromDiffPressureFor(const FlowCase& c, double dp, double d);
// The flow at dpB of the iteration that starts from startFlow (kg/s) and takes the
// coefficients at the flow of dpA.
double FlowAtSecondDiffPressureFor(const FlowCase& c, double startFlow, double dpA, double dpB, double d);
double ThroatDiameterFromFlowFor(const FlowCase& c, double qm, double dp);
// The largest bore (m) the bore solves try in a pipe: 0.95 of it, a cone 0.99. Nearer the pipe
// a bore restricts nothing the flow equations can tell.
double LargestBore(bool cone, double pipeDiameter);
// The dp whose permanent loss is wantedLoss, with the bore of the flow at that dp and the loss
// it reached; written as the iteration goes.
void RestrictionDiffPressureForLossFor(const FlowCase& c, double qm, double wantedLoss, double& dp, double& d,
                                       double& loss);

}  // namespace tubalyx
