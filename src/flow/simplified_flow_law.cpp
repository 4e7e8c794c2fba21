#include "flow/simplified_flow_law.h"

#include <cmath>
#include <string>

#include "flow/device_selection.h"
#include "flow/flow_iterations.h"
#include "media/medium_identification.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"

namespace tubalyx {

namespace {

double LawFlow(const DeviceSelection& sel, bool stateCone, double k, double b, double p, double dp, double dp0,
               double q0, double d, double pipeDiameter, double density, double viscosity, double kappa, double f) {
    if (stateCone)
        return FlowFromDiffPressureFor({sel, true, CalibratedCf, p, pipeDiameter, density, viscosity, kappa, f}, dp, d);
    // Evaluated strictly from left to right: a regrouped product can differ in the last digit.
    double q = CheckedDiv(CheckedDiv(q0, PowerDouble(dp0, 0.5)) * (1.0 + CheckedDiv(b, PowerDouble(dp, 0.375))),
                          1.0 + CheckedDiv(b, PowerDouble(dp0, 0.375))) *
               PowerDouble(dp, 0.5);
    if (sel.gas) q *= CheckedDiv(1.0 - k * dp / p, 1.0 - k * dp0 / p);
    return CheckFinite(q);
}

}  // namespace

void FlowAtDiffPressure(std::string_view medium, std::string_view device, std::string_view variant,
                        std::string_view standard, double k, double b, double p, double dp, double dp0, double q0,
                        double d, double pipeDiameter, double density, double viscosity, double kappa, double f,
                        double& q) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    q = LawFlow(sel, StateDeviceIsCone(), k, b, p, dp, dp0, q0, d, pipeDiameter, density, viscosity, kappa, f);
}

void FitFlowCorrectionCoefficients(std::string_view medium, std::string_view device, std::string_view variant,
                                   std::string_view standard, double p, double dp0, double d, double pipeDiameter,
                                   double density, double viscosity, double kappa, double f, double qmax, double qmin,
                                   double& k, double& b, double& meanDeviation) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const bool stateCone = StateDeviceIsCone();
    const double beta = DiameterRatioBeta;
    const double b4 = beta * beta * beta * beta;
    const double k0 = sel.gas ? CheckedDiv(0.41 + 0.35 * b4, kappa) : 1.0;
    const double cInf = 0.5959 + 0.0312 * PowerDouble(beta, 2.1) - 0.184 * b4 * b4;
    const double b0 = CheckedDiv(0.0029 * PowerDouble(beta, 2.5) * PowerDouble(1e6, 0.75),
                                 cInf * PowerDouble(CheckedDiv(ReynoldsAtMaxFlow, PowerDouble(dp0, 0.5)), 0.75));

    const bool fitting = k < kFmatNotFittedBelow;
    double trialK = k, trialB = b;
    if (fitting) {
        trialK = k = k0;
        trialB = b = b0;
    }

    // One pass over the ten points; returns the sum of the absolute deviations in per cent.
    // `settled` turns false when a dp of the points did not settle within its pass bound.
    bool settled = true;
    auto pass = [&](double kk, double bb) {
        double sum = 0.0;
        for (int i = 0; i <= 9; ++i) {
            const double qi = qmin + i * (qmax - qmin) * 0.1111111111111111;
            const DpSolve solve = SolveDiffPressure(
                {sel, IsConeDevice(sel.device), CalibratedCf, p, pipeDiameter, density, viscosity, kappa, f}, qi, d,
                1e-7, 1001);
            settled = settled && solve.settled;
            const double dpi = solve.dp;
            const double qhat =
                LawFlow(sel, stateCone, kk, bb, p, dpi, dp0, qmax, d, pipeDiameter, density, viscosity, kappa, f);
            const double dev = CheckedDiv(qhat - qi, qi) * 100.0;
            FlowCorrectionDeviation[i] = dev;
            sum += std::fabs(dev);
        }
        return sum;
    };

    if (!fitting) {
        pass(trialK, trialB);
        return;
    }

    double step = 0.01;
    bool varyingK = false;
    double bestSum = 1e99, previousSum = 1e99;
    for (int n = 1; n <= kFitPassLimit; ++n) {
        const double sum = pass(trialK, trialB);
        if (sum < bestSum) {
            if (varyingK)
                k = trialK;
            else
                b = trialB;
            bestSum = sum;
        } else if (sum > previousSum) {
            if (varyingK) {
                varyingK = false;
            } else {
                if (sel.gas) varyingK = true;
                step = -step * 0.5;
            }
        }
        if (varyingK) {
            trialK = trialK + step;
            trialB = b;
        } else {
            trialK = k;
            trialB = trialB + step;
        }
        // A pass whose sum is the last one's found the law blind to the step (one more pass
        // would find the same), and one on an unsettled dp has no exact flows to fit: either
        // way no later pass can gain, and the best so far stands.
        const bool blind = sum == previousSum;
        previousSum = sum;
        if (blind || !settled) break;
        if (std::fabs(step) < 1e-4 * std::fabs(trialK) || std::fabs(step) < 1e-4 * std::fabs(trialB)) break;
    }
    meanDeviation = 0.1 * bestSum;
}

}  // namespace tubalyx
