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

double FlowEquation(const FlowCoefficients& k, const FlowCase& c, double d, double dp) {
    return c.coneEquation ? ConeMeterFlow(k, c.calibratedCf, c.pipeDiameter, dp, c.density)
                          : StandardDeviceFlow(k, c.f, d, dp, c.density);
}

double DiffPressureEquation(const FlowCoefficients& k, const FlowCase& c, double qm, double d) {
    if (c.coneEquation) {
        const double x = CheckedDiv(qm, c.calibratedCf * k.epsilon * ConeFactorK(k, c.pipeDiameter, c.density));
        return CheckFinite(x * x);
    }
    const double x = CheckedDiv(qm, k.c * k.e * c.f * k.epsilon * kQuarterPi * d * d);
    return CheckedDiv(x * x * 0.5, c.density);
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
    FlowIteration(DeviceCoefficientModel& model, double startPower, const FlowCase& c, double d, double dp)
        : model_(model), cone_(c.coneEquation), startPower_(startPower) {
        model_.SetBore(d);
        const FlowCoefficients& k = model_.Coefficients();
        if (cone_) {
            coneFlow_ = ConeMeterFlow(k, c.calibratedCf, c.pipeDiameter, dp, c.density);
        } else {
            factor_ = StandardDeviceFlowFactor(k, c.f, d, dp, c.density);
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
    FlowSolve(const FlowCase& c, double dp)
        : volumeMeter_(c.sel.device == FlowDevice::VolumeMeter),
          case_(c),
          dp_(dp),
          model_(c.sel, c.p, dp, c.pipeDiameter, c.viscosity, c.kappa),
          second_(model_),
          startPower_(model_.ReynoldsPower(kStartFlow)) {}

    double At(double d) {
        if (volumeMeter_) return VolumeMeterFlow(case_.density, case_.pipeDiameter);
        FlowIteration it(model_, startPower_, case_, d, dp_);
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
        FlowIteration a(model_, startPower_, case_, d1, dp_);
        FlowIteration b(second_, startPower_, case_, d2, dp_);
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
    bool volumeMeter_;
    const FlowCase& case_;
    double dp_;
    DeviceCoefficientModel model_, second_;  // second_ for the other bore of a pair
    double startPower_;                      // every iteration starts from the same flow
};

// The flow case of a named routine: its arguments, with Cf and the cone equation from the state.
FlowCase StateFlowCase(const DeviceSelection& sel, bool cone, double p, double pipeDiameter, double density,
                       double viscosity, double kappa, double f) {
    return {sel, cone, CalibratedCf, p, pipeDiameter, density, viscosity, kappa, f};
}

}  // namespace

double StandardDeviceFlowFactor(const FlowCoefficients& k, double f, double d, double dp, double density) {
    return k.e * f * k.epsilon * kQuarterPi * d * d * CheckedSqrt(2.0 * dp * density);
}

double StandardDeviceFlow(const FlowCoefficients& k, double f, double d, double dp, double density) {
    return CheckFinite(k.c * StandardDeviceFlowFactor(k, f, d, dp, density));
}

double ConeMeterFlow(const FlowCoefficients& k, double calibratedCf, double pipeDiameter, double dp, double density) {
    return CheckFinite(calibratedCf * k.epsilon * ConeFactorK(k, pipeDiameter, density) * CheckedSqrt(dp));
}

DpSolve SolveDiffPressure(const FlowCase& c, double qm, double d, double tolerance, int passLimit) {
    const double p = c.p;
    double dp = 0.1 * p;
    DeviceCoefficientModel model(c.sel, p, MinDouble(dp, 0.9999 * p), c.pipeDiameter, c.viscosity, c.kappa);
    model.SetBore(d);
    model.SetFlow(qm);
    for (int n = 1;; ++n) {
        const double previous = dp;
        // Only the expansibility sees the cap; the result may exceed it.
        dp = MinDouble(dp, 0.9999 * p);
        if (n > 1) model.SetDiffPressure(dp);
        dp = DiffPressureEquation(model.Coefficients(), c, qm, d);
        const bool settled = RelativeChange(previous, dp) < tolerance;
        if (settled || n >= passLimit) return {dp, settled};
    }
}

double DiffPressureFromFlowFor(const FlowCase& c, double qm, double d, double tolerance, int passLimit) {
    return SolveDiffPressure(c, qm, d, tolerance, passLimit).dp;
}

void DiffPressureFromFlow(std::string_view medium, std::string_view device, std::string_view variant,
                          std::string_view standard, double p, double qm, double d, double pipeDiameter, double density,
                          double viscosity, double kappa, double f, double& dp) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const FlowCase c = StateFlowCase(sel, IsConeDevice(sel.device), p, pipeDiameter, density, viscosity, kappa, f);
    dp = DiffPressureFromFlowFor(c, qm, d, 1e-7, 1001);
}

void ScaledDiffPressureFromFlow(std::string_view medium, std::string_view device, std::string_view variant,
                                std::string_view standard, double p, double qA, double qB, double d,
                                double pipeDiameter, double density, double viscosity, double kappa, double f,
                                double& dp) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const FlowCase c = StateFlowCase(sel, IsConeDevice(sel.device), p, pipeDiameter, density, viscosity, kappa, f);
    const double dpA = DiffPressureFromFlowFor(c, qA, d, 2e-6, 102);
    dp = CheckFinite(dpA * CheckedDiv(qB * qB, qA * qA));
}

double FlowFromDiffPressureFor(const FlowCase& c, double dp, double d) {
    if (c.sel.device == FlowDevice::VolumeMeter) return VolumeMeterFlow(c.density, c.pipeDiameter);
    DeviceCoefficientModel model(c.sel, c.p, dp, c.pipeDiameter, c.viscosity, c.kappa);
    FlowIteration it(model, model.ReynoldsPower(kStartFlow), c, d, dp);
    while (!it.Done()) it.Pass();
    return it.Flow();
}

void FlowFromDiffPressure(std::string_view medium, std::string_view device, std::string_view variant,
                          std::string_view standard, double p, double dp, double d, double pipeDiameter, double density,
                          double viscosity, double kappa, double f, double& qm) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    qm = FlowFromDiffPressureFor(StateFlowCase(sel, StateDeviceIsCone(), p, pipeDiameter, density, viscosity, kappa, f),
                                 dp, d);
}

double FlowAtSecondDiffPressureFor(const FlowCase& c, double startFlow, double dpA, double dpB, double d) {
    double qA = startFlow;
    double q = startFlow;
    DeviceCoefficientModel model(c.sel, c.p, dpA, c.pipeDiameter, c.viscosity, c.kappa);
    model.SetBore(d);
    const FlowCoefficients& k = model.Coefficients();
    for (int n = 1; n <= 101; ++n) {
        const double previous = q;
        model.SetFlow(qA);
        qA = FlowEquation(k, c, d, dpA);
        q = FlowEquation(k, c, d, dpB);
        if (RelativeChange(previous, q) < 1e-7) break;
    }
    return q;
}

void FlowAtSecondDiffPressure(std::string_view medium, std::string_view device, std::string_view variant,
                              std::string_view standard, double p, double dpA, double dpB, double d,
                              double pipeDiameter, double density, double viscosity, double kappa, double f,
                              double& qm) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const FlowCase c = StateFlowCase(sel, StateDeviceIsCone(), p, pipeDiameter, density, viscosity, kappa, f);
    qm = FlowAtSecondDiffPressureFor(c, MaxMassFlow, dpA, dpB, d);
}

double LargestBore(bool cone, double pipeDiameter) { return (cone ? 0.99 : 0.95) * pipeDiameter; }

double ThroatDiameterFromFlowFor(const FlowCase& c, double qm, double dp) {
    const double pipeDiameter = c.pipeDiameter;
    const double upper = LargestBore(IsConeDevice(c.sel.device), pipeDiameter);
    const double lower = 0.01 * pipeDiameter;
    FlowSolve flow(c, dp);
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
    d = ThroatDiameterFromFlowFor(
        StateFlowCase(sel, StateDeviceIsCone(), p, pipeDiameter, density, viscosity, kappa, f), qm, dp);
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

void RestrictionDiffPressureForLossFor(const FlowCase& c, double qm, double wantedLoss, double& dp, double& d,
                                       double& loss) {
    const double p = c.p;
    auto lossAt = [&](double dpx, double& bore) {
        bore = ThroatDiameterFromFlowFor(c, qm, dpx);
        const FlowCoefficients k =
            ComputeDeviceCoefficients(c.sel, p, qm, dpx, bore, c.pipeDiameter, c.viscosity, c.kappa);
        return PermanentPressureLossFor(c.sel.device, c.sel.standard, c.coneEquation, c.pipeDiameter, c.viscosity, qm,
                                        dpx, CheckedDiv(bore, c.pipeDiameter), k.c, k.e);
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

void RestrictionDiffPressureForLoss(std::string_view medium, std::string_view device, std::string_view variant,
                                    std::string_view standard, double p, double qm, double wantedLoss,
                                    double pipeDiameter, double density, double viscosity, double kappa, double f,
                                    double& dp, double& d, double& loss) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    RestrictionDiffPressureForLossFor(
        StateFlowCase(sel, StateDeviceIsCone(), p, pipeDiameter, density, viscosity, kappa, f), qm, wantedLoss, dp, d,
        loss);
}

}  // namespace tubalyx
