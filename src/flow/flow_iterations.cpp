#include "flow/flow_iterations.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "flow/discharge_coefficient.h"
#include "flow/reynolds.h"
#include "flow/permanent_loss.h"
#include "flow/volume_meter.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"

namespace tubalyx {
namespace {

constexpr double kQuarterPi = std::numbers::pi / 4.0;

double ConeFactorK(const FlowCoefficients& k, double pipeDiameter, double density) {
    const double b2 = k.beta * k.beta;
    return CheckedSqrt(2.0 * density) * kQuarterPi * pipeDiameter * pipeDiameter *
           CheckedDiv(b2, CheckedSqrt(1.0 - b2 * b2));
}

double FlowEquation(const FlowCoefficients& k, bool cone, double f, double d, double pipeDiameter,
                    double dp, double density) {
    return cone ? ConeMeterFlow(k, pipeDiameter, dp, density)
                : StandardDeviceFlow(k, f, d, dp, density);
}

double DiffPressureEquation(const FlowCoefficients& k, bool cone, double f, double qm, double d,
                            double pipeDiameter, double density) {
    if (cone) {
        const double x = CheckedDiv(qm, CalibratedCf * k.epsilon *
                                            ConeFactorK(k, pipeDiameter, density));
        return CheckFinite(x * x);
    }
    const double x = CheckedDiv(qm, k.c * k.e * f * k.epsilon * kQuarterPi * d * d);
    return CheckedDiv(x * x * 0.5, density);
}

// |reference - value| / reference. Only the difference is taken absolute: a negative
// reference gives a negative change, which ends the iteration.
double RelativeChange(double value, double reference) {
    return CheckedDiv(std::fabs(reference - value), reference);
}

// The flow step depends on the flow alone, so a flow that comes back after two passes
// alternates with its predecessor up to the pass bound. The member of the pair that the
// bound reaches is then the result, without running the remaining passes (an oscillating
// iteration would otherwise spend its whole bound in every solve that nests it).
bool TwoCycleReached(int n, double& qm, double previous, double& twoBack) {
    if (qm == twoBack) {
        if ((kUnboundedIterationLimit - n) % 2 != 0) qm = previous;
        return true;
    }
    twoBack = previous;
    return false;
}

// The flow iteration of a Reader-Harris/Gallagher orifice: the same steps as the general
// one, with the terms that only depend on the plate evaluated once for the whole solve.
double OrificeFlowFromDiffPressure(const DeviceSelection& sel, bool coneEquation, double p,
                                   double dp, double d, double pipeDiameter, double density,
                                   double viscosity, double kappa, double f) {
    FlowCoefficients k = ComputeDeviceCoefficients(sel, p, 1.0, dp, d, pipeDiameter, viscosity,
                                                   kappa);
    double l1 = 0.0, l2 = 0.0;
    OrificeTappingDistances(sel.variant, pipeDiameter, l1, l2);
    const double smallPipeD = sel.standard == FlowStandard::Iso1991 ? PipeDiameter : pipeDiameter;
    const OrificeBetaTerms terms = MakeOrificeBetaTerms(k.beta, l1, l2, smallPipeD);
    double qm = 1.0;
    double twoBack = std::numeric_limits<double>::quiet_NaN();
    bool first = true;
    for (int n = 1; n <= kUnboundedIterationLimit; ++n) {
        const double previous = qm;
        if (qm > 0.0) {
            if (!first) {
                k.reynolds = ReynoldsNumber(pipeDiameter, viscosity, qm);
                k.c = ReaderHarrisGallagherC(terms, k.beta, k.reynolds);
                if (k.c < 0.0) k.c = 0.0;
            }
            first = false;
            qm = FlowEquation(k, coneEquation, f, d, pipeDiameter, dp, density);
        }
        const double change =
            qm > 0.0 ? std::fabs(previous - qm) / qm : std::fabs(previous - qm);
        if (change < 1e-7) break;
        if (TwoCycleReached(n, qm, previous, twoBack)) break;
    }
    return qm;
}

}  // namespace

double StandardDeviceFlow(const FlowCoefficients& k, double f, double d, double dp,
                          double density) {
    return CheckFinite(k.c * k.e * f * k.epsilon * kQuarterPi * d * d *
                       CheckedSqrt(2.0 * dp * density));
}

double ConeMeterFlow(const FlowCoefficients& k, double pipeDiameter, double dp, double density) {
    return CheckFinite(CalibratedCf * k.epsilon * ConeFactorK(k, pipeDiameter, density) *
                       CheckedSqrt(dp));
}

double DiffPressureFromFlowFor(const DeviceSelection& sel, bool coneEquation, double p,
                               double qm, double d, double pipeDiameter, double density,
                               double viscosity, double kappa, double f, double tolerance,
                               int passLimit) {
    double dp = 0.1 * p;
    for (int n = 1;; ++n) {
        const double previous = dp;
        // Only the expansibility sees the cap; the result may exceed it.
        dp = MinDouble(dp, 0.9999 * p);
        const FlowCoefficients k = ComputeDeviceCoefficients(sel, p, qm, dp, d, pipeDiameter,
                                                             viscosity, kappa);
        dp = DiffPressureEquation(k, coneEquation, f, qm, d, pipeDiameter, density);
        if (RelativeChange(previous, dp) < tolerance || n >= passLimit) return dp;
    }
}

void DiffPressureFromFlow(std::string_view medium, std::string_view device,
                          std::string_view variant, std::string_view standard, double p,
                          double qm, double d, double pipeDiameter, double density,
                          double viscosity, double kappa, double f, double& dp) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    dp = DiffPressureFromFlowFor(sel, IsConeDevice(sel.device), p, qm, d, pipeDiameter, density,
                                 viscosity, kappa, f, 1e-7, 1001);
}

void ScaledDiffPressureFromFlow(std::string_view medium, std::string_view device,
                                std::string_view variant, std::string_view standard, double p,
                                double qA, double qB, double d, double pipeDiameter,
                                double density, double viscosity, double kappa, double f,
                                double& dp) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const double dpA = DiffPressureFromFlowFor(sel, IsConeDevice(sel.device), p, qA, d,
                                               pipeDiameter, density, viscosity, kappa, f,
                                               2e-6, 102);
    dp = CheckFinite(dpA * CheckedDiv(qB * qB, qA * qA));
}

double FlowFromDiffPressureFor(const DeviceSelection& sel, bool coneEquation, double p,
                               double dp, double d, double pipeDiameter, double density,
                               double viscosity, double kappa, double f) {
    if (sel.device == FlowDevice::VolumeMeter) return VolumeMeterFlow(density, pipeDiameter);
    if (sel.device == FlowDevice::Orifice && (sel.standard == FlowStandard::Iso2003 ||
                                              sel.standard == FlowStandard::Iso1991))
        return OrificeFlowFromDiffPressure(sel, coneEquation, p, dp, d, pipeDiameter, density,
                                           viscosity, kappa, f);
    double qm = 1.0;
    double twoBack = std::numeric_limits<double>::quiet_NaN();
    for (int n = 1; n <= kUnboundedIterationLimit; ++n) {
        const double previous = qm;
        if (qm > 0.0) {
            const FlowCoefficients k = ComputeDeviceCoefficients(sel, p, qm, dp, d, pipeDiameter,
                                                                 viscosity, kappa);
            qm = FlowEquation(k, coneEquation, f, d, pipeDiameter, dp, density);
        }
        // A flow that is not positive changes no more: the next pass ends the loop.
        const double change =
            qm > 0.0 ? std::fabs(previous - qm) / qm : std::fabs(previous - qm);
        if (change < 1e-7) break;
        if (TwoCycleReached(n, qm, previous, twoBack)) break;
    }
    return qm;
}

void FlowFromDiffPressure(std::string_view medium, std::string_view device,
                          std::string_view variant, std::string_view standard, double p,
                          double dp, double d, double pipeDiameter, double density,
                          double viscosity, double kappa, double f, double& qm) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    qm = FlowFromDiffPressureFor(sel, StateDeviceIsCone(), p, dp, d, pipeDiameter, density,
                                 viscosity, kappa, f);
}

void FlowAtSecondDiffPressure(std::string_view medium, std::string_view device,
                              std::string_view variant, std::string_view standard, double p,
                              double dpA, double dpB, double d, double pipeDiameter,
                              double density, double viscosity, double kappa, double f,
                              double& qm) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const bool cone = StateDeviceIsCone();
    double qA = MaxMassFlow;
    double q = MaxMassFlow;
    for (int n = 1; n <= 101; ++n) {
        const double previous = q;
        const FlowCoefficients k = ComputeDeviceCoefficients(sel, p, qA, dpA, d, pipeDiameter,
                                                             viscosity, kappa);
        qA = FlowEquation(k, cone, f, d, pipeDiameter, dpA, density);
        q = FlowEquation(k, cone, f, d, pipeDiameter, dpB, density);
        if (RelativeChange(previous, q) < 1e-7) break;
    }
    qm = q;
}

double ThroatDiameterFromFlowFor(const DeviceSelection& sel, bool coneEquation, double p,
                                 double qm, double dp, double pipeDiameter, double density,
                                 double viscosity, double kappa, double f) {
    const double upper = (IsConeDevice(sel.device) ? 0.99 : 0.95) * pipeDiameter;
    const double lower = 0.01 * pipeDiameter;
    double d = 0.5 * pipeDiameter;
    for (int n = 1;; ++n) {
        d = MaxDouble(MinDouble(d, upper), lower);
        const double q1 = FlowFromDiffPressureFor(sel, coneEquation, p, dp, d, pipeDiameter,
                                                  density, viscosity, kappa, f);
        const double q2 = FlowFromDiffPressureFor(sel, coneEquation, p, dp, d + 0.0001 * d,
                                                  pipeDiameter, density, viscosity, kappa, f);
        d = CheckFinite(d + (qm - q1) * CheckedDiv(0.0001 * d, q2 - q1) * (1.0 / 6.0));
        if (RelativeChange(q1, qm) < 1e-6) break;
        if (d >= 0.94 * pipeDiameter && q1 < qm) break;  // the flow cannot be reached
        if (n > 1000) break;
    }
    return d;
}

void ThroatDiameterFromFlow(std::string_view medium, std::string_view device,
                            std::string_view variant, std::string_view standard, double p,
                            double qm, double dp, double pipeDiameter, double density,
                            double viscosity, double kappa, double f, double& d) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    d = ThroatDiameterFromFlowFor(sel, StateDeviceIsCone(), p, qm, dp, pipeDiameter, density,
                                  viscosity, kappa, f);
}

void SolveThroatDiameter(std::string_view medium, std::string_view device,
                         std::string_view variant, std::string_view standard, double p,
                         double qA, double qB, double dpA, double pipeDiameter, double density,
                         double viscosity, double kappa, double f, double& d) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const double dpB = dpA * CheckedDiv(qB * qB, qA * qA);
    const double root = CheckedSqrt(2.0 * dpA * density);
    d = 0.5 * pipeDiameter;
    for (int n = 1; n <= kUnboundedIterationLimit; ++n) {
        d = MaxDouble(MinDouble(d, 0.95 * pipeDiameter), 0.01 * pipeDiameter);
        const FlowCoefficients k = ComputeDeviceCoefficients(sel, p, qB, dpB, d, pipeDiameter,
                                                             viscosity, kappa);
        const double bigK = root * k.c * f * k.epsilon * kQuarterPi;
        const double qc = bigK * d * d * k.e;
        d = CheckFinite(d + 0.2 * CheckedDiv(qA - qc, d * bigK * k.e * k.e * k.e));
        if (d >= 0.94 * pipeDiameter && qc < qA) break;
        if (RelativeChange(qc, qA) < 1e-5) break;
    }
    d = MinDouble(d, 0.95 * pipeDiameter);
}

void RestrictionDiffPressureForLoss(std::string_view medium, std::string_view device,
                                    std::string_view variant, std::string_view standard,
                                    double p, double qm, double wantedLoss, double pipeDiameter,
                                    double density, double viscosity, double kappa, double f,
                                    double& dp, double& d, double& loss) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const bool stateCone = StateDeviceIsCone();
    auto lossAt = [&](double dpx, double& bore) {
        bore = ThroatDiameterFromFlowFor(sel, stateCone, p, qm, dpx, pipeDiameter, density,
                                         viscosity, kappa, f);
        const FlowCoefficients k = ComputeDeviceCoefficients(sel, p, qm, dpx, bore, pipeDiameter,
                                                             viscosity, kappa);
        return PermanentPressureLossFor(sel.device, sel.standard, stateCone, pipeDiameter,
                                        viscosity, qm, dpx, CheckedDiv(bore, pipeDiameter), k.c,
                                        k.e);
    };
    dp = wantedLoss > p ? p : wantedLoss;
    double l1 = 0.0;
    for (int n = 1;; ++n) {
        l1 = lossAt(dp, d);
        const double dp2 = dp < p ? dp + 0.01 : dp;
        const double l2 = lossAt(dp2, d);
        if (dp2 < p) dp = CheckFinite(dp + (wantedLoss - l1) * CheckedDiv(0.01, l2 - l1));
        if (dp > p) dp = p;
        if (n > 100) break;
        if (dp2 < p && RelativeChange(l1, wantedLoss) < 1e-5) break;
        if (RelativeChange(dp2, p) < 1e-5 && wantedLoss > l1) break;
    }
    loss = l1;
}

}  // namespace tubalyx
