#include "flow/flow_iterations.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "flow/discharge_coefficient.h"
#include "flow/permanent_loss.h"
#include "flow/reynolds.h"
#include "flow/volume_meter.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"

namespace tubalyx {
namespace {

constexpr double kQuarterPi = std::numbers::pi / 4.0;
constexpr double kStartFlow = 1.0;  // kg/s, where every flow iteration starts

double ConeFactorK(const FlowCoefficients& k, double pipeDiameter, double density) {
    const double b2 = k.beta * k.beta;
    return CheckedSqrt(2.0 * density) * kQuarterPi * pipeDiameter * pipeDiameter *
           CheckedDiv(b2, CheckedSqrt(1.0 - b2 * b2));
}

double FlowEquation(const FlowCoefficients& k, bool cone, double f, double d, double pipeDiameter, double dp,
                    double density) {
    return cone ? ConeMeterFlow(k, pipeDiameter, dp, density) : StandardDeviceFlow(k, f, d, dp, density);
}

double DiffPressureEquation(const FlowCoefficients& k, bool cone, double f, double qm, double d, double pipeDiameter,
                            double density) {
    if (cone) {
        const double x = CheckedDiv(qm, CalibratedCf * k.epsilon * ConeFactorK(k, pipeDiameter, density));
        return CheckFinite(x * x);
    }
    const double x = CheckedDiv(qm, k.c * k.e * f * k.epsilon * kQuarterPi * d * d);
    return CheckedDiv(x * x * 0.5, density);
}

// |reference - value| / reference. Only the difference is taken absolute: a negative
// reference gives a negative change, which ends the iteration.
double RelativeChange(double value, double reference) { return CheckedDiv(std::fabs(reference - value), reference); }

// The stop test of the flow iteration, |previous - qm| / qm < 1e-7 (|previous - qm| < 1e-7
// for a flow that is not positive), multiplied out: a division would stand on the chain of
// passes.
bool FlowSettled(double previous, double qm) {
    const double change = std::fabs(previous - qm);
    return qm > 0.0 ? change < 1e-7 * qm : change < 1e-7;
}

// Watches an iteration for the two ways it can fail to converge: a solve that spends its
// whole pass bound makes every solve that nests it, and the window waiting for it, hang.
// - A state that comes back exactly repeats its cycle up to the pass bound, whatever its
//   length (Brent's detection: the state is compared with one saved at doubling distances).
//   The iterate the bound reaches is then known one period ahead at most, so the bound moves
//   to the pass that gives it: the result is the one the full bound gives.
// - A distance to the stop test whose smallest value over a window of passes has not fallen
//   by the iteration's gain since the window before makes no progress that could reach the
//   tolerance in time: the iteration ends at its last iterate, as at its bound.
class ConvergenceWatch {
public:
    ConvergenceWatch(double start, int bound, int window, double gain)
        : saved_(start), bound_(bound), window_(window), gain_(gain) {}

    // The pass after which the iteration ends at the latest.
    int Bound() const { return bound_; }

    // After pass n: the state the next pass starts from and the distance of this pass. True
    // when the iteration makes no progress.
    bool Stalled(int n, double state, double distance) {
        if (cycleKnown_) return false;
        if (state == saved_) {
            cycleKnown_ = true;
            bound_ = n + (bound_ - n) % length_;
            return false;
        }
        if (power_ == length_) {
            saved_ = state;
            power_ *= 2;
            length_ = 0;
        }
        ++length_;
        windowMin_ = MinDouble(windowMin_, distance);
        if (n % window_ != 0) return false;
        const bool stalled = !(windowMin_ * gain_ <= previousMin_);
        previousMin_ = windowMin_;
        windowMin_ = kNone;
        return stalled;
    }

private:
    static constexpr double kNone = std::numeric_limits<double>::infinity();
    double saved_;
    int power_ = 1, length_ = 1;
    bool cycleKnown_ = false;
    int bound_;
    int window_;
    double gain_;
    double windowMin_ = kNone, previousMin_ = kNone;
};

// The watches' windows and gains. Within the ranges of the standards C hardly moves with the
// Reynolds number and a flow iteration settles within a few passes; one that gains less
// than a factor 3 in 8 passes runs far outside them, where C is no coefficient any more.
// The damped bore iteration gains 6/5 a pass, the loss iteration converges fast.
constexpr int kFlowWindow = 8;
constexpr double kFlowGain = 3.0;
constexpr int kBoreWindow = 16;
constexpr double kBoreGain = 2.0;
constexpr int kLossWindow = 8;
constexpr double kLossGain = 2.0;

// The flow iteration at one bore: from qm = 1 kg/s, qm := the flow equation at the
// coefficients of qm, until the change falls below 1e-7 or the pass bound is reached. It
// sets the bore of the model it is given and moves its flow.
class FlowIteration {
public:
    // startPower is the model's ReynoldsPower at the start flow.
    FlowIteration(DeviceCoefficientModel& model, double startPower, bool cone, double d, double dp, double pipeDiameter,
                  double density, double f)
        : model_(model), cone_(cone), startPower_(startPower) {
        model_.SetBore(d);
        const FlowCoefficients& k = model_.Coefficients();
        if (cone) {
            coneFlow_ = ConeMeterFlow(k, pipeDiameter, dp, density);
        } else {
            factor_ = StandardDeviceFlowFactor(k, f, d, dp, density);
        }
    }

    bool Done() const { return done_; }
    double Flow() const { return qm_; }

    void Pass() {
        ++n_;
        const double previous = qm_;
        if (qm_ > 0.0) {
            if (n_ == 1) {
                model_.SetFlow(qm_, startPower_);
            } else {
                model_.SetFlowCoefficient(qm_);
            }
            qm_ = cone_ ? coneFlow_ : CheckFinite(model_.Coefficients().c * factor_);
        }
        // A flow that is not positive changes no more: the next pass ends the loop. The
        // progress is that towards a fixed point or a swing between two flows, which the
        // watch then finds exactly; the window and the bound are even, so in a swing that
        // stalls it ends on the side the bound reaches.
        const double swing = std::fabs(qm_ - twoBack_);
        twoBack_ = previous;
        done_ = FlowSettled(previous, qm_) || watch_.Stalled(n_, qm_, swing) || n_ >= watch_.Bound();
    }

private:
    DeviceCoefficientModel& model_;
    bool cone_;
    double startPower_;
    double coneFlow_ = 0.0, factor_ = 0.0;
    double qm_ = kStartFlow;
    double twoBack_ = std::numeric_limits<double>::infinity();  // the flow two passes back
    ConvergenceWatch watch_{kStartFlow, kUnboundedIterationLimit, kFlowWindow, kFlowGain};
    int n_ = 0;
    bool done_ = false;
};

// The flow solves at one differential pressure, for any number of bores: what depends on
// the pressures, the medium and the pipe alone is evaluated once, what depends on the bore
// once per bore, and each pass re-evaluates only the Reynolds number and C.
class FlowSolve {
public:
    FlowSolve(const DeviceSelection& sel, bool coneEquation, double p, double dp, double pipeDiameter, double density,
              double viscosity, double kappa, double f)
        : volumeMeter_(sel.device == FlowDevice::VolumeMeter),
          cone_(coneEquation),
          dp_(dp),
          pipeDiameter_(pipeDiameter),
          density_(density),
          f_(f),
          model_(sel, p, dp, pipeDiameter, viscosity, kappa),
          second_(model_),
          startPower_(model_.ReynoldsPower(kStartFlow)) {}

    double At(double d) {
        if (volumeMeter_) return VolumeMeterFlow(density_, pipeDiameter_);
        FlowIteration it(model_, startPower_, cone_, d, dp_, pipeDiameter_, density_, f_);
        while (!it.Done()) it.Pass();
        return it.Flow();
    }

    // The flows at two bores. The two iterations run side by side, pass for pass, so that
    // the processor overlaps their chains of dependent steps; each gives what it gives alone.
    void AtPair(double d1, double d2, double& q1, double& q2) {
        if (volumeMeter_) {
            q1 = At(d1);
            q2 = At(d2);
            return;
        }
        FlowIteration a(model_, startPower_, cone_, d1, dp_, pipeDiameter_, density_, f_);
        FlowIteration b(second_, startPower_, cone_, d2, dp_, pipeDiameter_, density_, f_);
        while (!a.Done() && !b.Done()) {
            a.Pass();
            b.Pass();
        }
        while (!a.Done()) a.Pass();
        while (!b.Done()) b.Pass();
        q1 = a.Flow();
        q2 = b.Flow();
    }

private:
    bool volumeMeter_, cone_;
    double dp_, pipeDiameter_, density_, f_;
    DeviceCoefficientModel model_, second_;  // second_ for the other bore of a pair
    double startPower_;                      // every iteration starts from the same flow
};

}  // namespace

double StandardDeviceFlowFactor(const FlowCoefficients& k, double f, double d, double dp, double density) {
    return k.e * f * k.epsilon * kQuarterPi * d * d * CheckedSqrt(2.0 * dp * density);
}

double StandardDeviceFlow(const FlowCoefficients& k, double f, double d, double dp, double density) {
    return CheckFinite(k.c * StandardDeviceFlowFactor(k, f, d, dp, density));
}

double ConeMeterFlow(const FlowCoefficients& k, double pipeDiameter, double dp, double density) {
    return CheckFinite(CalibratedCf * k.epsilon * ConeFactorK(k, pipeDiameter, density) * CheckedSqrt(dp));
}

DpSolve SolveDiffPressure(const DeviceSelection& sel, bool coneEquation, double p, double qm, double d,
                          double pipeDiameter, double density, double viscosity, double kappa, double f,
                          double tolerance, int passLimit) {
    double dp = 0.1 * p;
    DeviceCoefficientModel model(sel, p, MinDouble(dp, 0.9999 * p), pipeDiameter, viscosity, kappa);
    model.SetBore(d);
    model.SetFlow(qm);
    for (int n = 1;; ++n) {
        const double previous = dp;
        // Only the expansibility sees the cap; the result may exceed it.
        dp = MinDouble(dp, 0.9999 * p);
        if (n > 1) model.SetDiffPressure(dp);
        dp = DiffPressureEquation(model.Coefficients(), coneEquation, f, qm, d, pipeDiameter, density);
        const bool settled = RelativeChange(previous, dp) < tolerance;
        if (settled || n >= passLimit) return {dp, settled};
    }
}

double DiffPressureFromFlowFor(const DeviceSelection& sel, bool coneEquation, double p, double qm, double d,
                               double pipeDiameter, double density, double viscosity, double kappa, double f,
                               double tolerance, int passLimit) {
    return SolveDiffPressure(sel, coneEquation, p, qm, d, pipeDiameter, density, viscosity, kappa, f, tolerance,
                             passLimit)
        .dp;
}

void DiffPressureFromFlow(std::string_view medium, std::string_view device, std::string_view variant,
                          std::string_view standard, double p, double qm, double d, double pipeDiameter, double density,
                          double viscosity, double kappa, double f, double& dp) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    dp = DiffPressureFromFlowFor(sel, IsConeDevice(sel.device), p, qm, d, pipeDiameter, density, viscosity, kappa, f,
                                 1e-7, 1001);
}

void ScaledDiffPressureFromFlow(std::string_view medium, std::string_view device, std::string_view variant,
                                std::string_view standard, double p, double qA, double qB, double d,
                                double pipeDiameter, double density, double viscosity, double kappa, double f,
                                double& dp) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const double dpA = DiffPressureFromFlowFor(sel, IsConeDevice(sel.device), p, qA, d, pipeDiameter, density,
                                               viscosity, kappa, f, 2e-6, 102);
    dp = CheckFinite(dpA * CheckedDiv(qB * qB, qA * qA));
}

double FlowFromDiffPressureFor(const DeviceSelection& sel, bool coneEquation, double p, double dp, double d,
                               double pipeDiameter, double density, double viscosity, double kappa, double f) {
    if (sel.device == FlowDevice::VolumeMeter) return VolumeMeterFlow(density, pipeDiameter);
    DeviceCoefficientModel model(sel, p, dp, pipeDiameter, viscosity, kappa);
    FlowIteration it(model, model.ReynoldsPower(kStartFlow), coneEquation, d, dp, pipeDiameter, density, f);
    while (!it.Done()) it.Pass();
    return it.Flow();
}

void FlowFromDiffPressure(std::string_view medium, std::string_view device, std::string_view variant,
                          std::string_view standard, double p, double dp, double d, double pipeDiameter, double density,
                          double viscosity, double kappa, double f, double& qm) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    qm = FlowFromDiffPressureFor(sel, StateDeviceIsCone(), p, dp, d, pipeDiameter, density, viscosity, kappa, f);
}

void FlowAtSecondDiffPressure(std::string_view medium, std::string_view device, std::string_view variant,
                              std::string_view standard, double p, double dpA, double dpB, double d,
                              double pipeDiameter, double density, double viscosity, double kappa, double f,
                              double& qm) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const bool cone = StateDeviceIsCone();
    double qA = MaxMassFlow;
    double q = MaxMassFlow;
    DeviceCoefficientModel model(sel, p, dpA, pipeDiameter, viscosity, kappa);
    model.SetBore(d);
    const FlowCoefficients& k = model.Coefficients();
    for (int n = 1; n <= 101; ++n) {
        const double previous = q;
        model.SetFlow(qA);
        qA = FlowEquation(k, cone, f, d, pipeDiameter, dpA, density);
        q = FlowEquation(k, cone, f, d, pipeDiameter, dpB, density);
        if (RelativeChange(previous, q) < 1e-7) break;
    }
    qm = q;
}

double ThroatDiameterFromFlowFor(const DeviceSelection& sel, bool coneEquation, double p, double qm, double dp,
                                 double pipeDiameter, double density, double viscosity, double kappa, double f) {
    const double upper = (IsConeDevice(sel.device) ? 0.99 : 0.95) * pipeDiameter;
    const double lower = 0.01 * pipeDiameter;
    FlowSolve flow(sel, coneEquation, p, dp, pipeDiameter, density, viscosity, kappa, f);
    double d = 0.5 * pipeDiameter;
    ConvergenceWatch watch(d, 1001, kBoreWindow, kBoreGain);
    for (int n = 1;; ++n) {
        d = MaxDouble(MinDouble(d, upper), lower);
        double q1 = 0.0, q2 = 0.0;
        flow.AtPair(d, d + 0.0001 * d, q1, q2);
        d = CheckFinite(d + (qm - q1) * CheckedDiv(0.0001 * d, q2 - q1) * (1.0 / 6.0));
        const double miss = RelativeChange(q1, qm);
        if (miss < 1e-6) break;
        if (d >= 0.94 * pipeDiameter && q1 < qm) break;  // the flow cannot be reached
        if (watch.Stalled(n, d, miss) || n >= watch.Bound()) break;
    }
    // The last step may leave the range of the bores tried; the bore returned does not.
    return MaxDouble(MinDouble(d, upper), lower);
}

void ThroatDiameterFromFlow(std::string_view medium, std::string_view device, std::string_view variant,
                            std::string_view standard, double p, double qm, double dp, double pipeDiameter,
                            double density, double viscosity, double kappa, double f, double& d) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    d = ThroatDiameterFromFlowFor(sel, StateDeviceIsCone(), p, qm, dp, pipeDiameter, density, viscosity, kappa, f);
}

void SolveThroatDiameter(std::string_view medium, std::string_view device, std::string_view variant,
                         std::string_view standard, double p, double qA, double qB, double dpA, double pipeDiameter,
                         double density, double viscosity, double kappa, double f, double& d) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const double dpB = dpA * CheckedDiv(qB * qB, qA * qA);
    const double root = CheckedSqrt(2.0 * dpA * density);
    DeviceCoefficientModel model(sel, p, dpB, pipeDiameter, viscosity, kappa);
    const FlowCoefficients& k = model.Coefficients();
    d = 0.5 * pipeDiameter;
    for (int n = 1; n <= kUnboundedIterationLimit; ++n) {
        d = MaxDouble(MinDouble(d, 0.95 * pipeDiameter), 0.01 * pipeDiameter);
        model.SetBore(d);
        model.SetFlow(qB);
        const double bigK = root * k.c * f * k.epsilon * kQuarterPi;
        const double qc = bigK * d * d * k.e;
        d = CheckFinite(d + 0.2 * CheckedDiv(qA - qc, d * bigK * k.e * k.e * k.e));
        if (d >= 0.94 * pipeDiameter && qc < qA) break;
        if (RelativeChange(qc, qA) < 1e-5) break;
    }
    d = MinDouble(d, 0.95 * pipeDiameter);
}

void RestrictionDiffPressureForLoss(std::string_view medium, std::string_view device, std::string_view variant,
                                    std::string_view standard, double p, double qm, double wantedLoss,
                                    double pipeDiameter, double density, double viscosity, double kappa, double f,
                                    double& dp, double& d, double& loss) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const bool stateCone = StateDeviceIsCone();
    auto lossAt = [&](double dpx, double& bore) {
        bore = ThroatDiameterFromFlowFor(sel, stateCone, p, qm, dpx, pipeDiameter, density, viscosity, kappa, f);
        const FlowCoefficients k = ComputeDeviceCoefficients(sel, p, qm, dpx, bore, pipeDiameter, viscosity, kappa);
        return PermanentPressureLossFor(sel.device, sel.standard, stateCone, pipeDiameter, viscosity, qm, dpx,
                                        CheckedDiv(bore, pipeDiameter), k.c, k.e);
    };
    dp = wantedLoss > p ? p : wantedLoss;
    double l1 = 0.0;
    ConvergenceWatch watch(dp, 101, kLossWindow, kLossGain);
    for (int n = 1;; ++n) {
        l1 = lossAt(dp, d);
        const double dp2 = dp < p ? dp + 0.01 : dp;
        const double l2 = lossAt(dp2, d);
        if (dp2 < p) dp = CheckFinite(dp + (wantedLoss - l1) * CheckedDiv(0.01, l2 - l1));
        if (dp > p) dp = p;
        const bool stalled = watch.Stalled(n, dp, std::fabs(wantedLoss - l1));
        if (n >= watch.Bound()) break;
        if (dp2 < p && RelativeChange(l1, wantedLoss) < 1e-5) break;
        if (RelativeChange(dp2, p) < 1e-5 && wantedLoss > l1) break;
        if (stalled) break;
    }
    loss = l1;
}

}  // namespace tubalyx
