#include "media/humidity_conversions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>

#include "media/humid_gas_mixing.h"
#include "media/medium_property_switch.h"
#include "media/natural_gas.h"
#include "media/property_work.h"
#include "media/steam_equations.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "state/composition.h"
#include "state/keywords.h"

namespace tubalyx {

namespace {

struct HumidState {
    double density = 0.0, dry = 0.0, vapour = 0.0;
};

// The switch at relative humidity rh, with 1.0 for the user's cp, cv, critical temperature
// and molar mass; t also serves as the saturation temperature.
HumidState SwitchAt(const std::string& keyword, double& P, double& t, double givenDensity, double zRatio, double rh) {
    HumidState s;
    double viscosity = 0.0, kappa = 0.0, cp = 0.0, cv = 0.0, enthalpy = 0.0;
    MediumPropertySwitch(keyword, GasComposition, P, givenDensity, 1.0, 1.0, 1.0, 1.0, t, t, zRatio, rh, s.density,
                         s.dry, s.vapour, viscosity, kappa, cp, cv, enthalpy);
    return s;
}

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

double SaturatedVapourDensityAt(double dew) { return SteamDensityPT(WaterSaturationPressure(dew), dew); }

// The dew searches of neighbouring states start alike (from 10 degC in steps of 50, halved at
// each reversal) and part only in their last trials: the early trial temperatures recur from
// search to search. The answers are kept by the bits of the temperature, in slots picked by
// those bits (a call that raises keeps nothing).
struct KeptSaturatedVapour {
    bool valid = false;
    std::uint64_t dew = 0;
    double density = 0.0;
};
constexpr std::size_t kKeptSaturatedVapourSlots = 1024;
std::array<KeptSaturatedVapour, kKeptSaturatedVapourSlots> keptSaturatedVapour;

double SaturatedVapourDensity(double dew) {
    ++PropertyWork;
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(dew);
    KeptSaturatedVapour& slot = keptSaturatedVapour[(bits ^ (bits >> 29) ^ (bits >> 47)) % kKeptSaturatedVapourSlots];
    if (!slot.valid || slot.dew != bits) {
        slot.valid = false;
        slot.density = SaturatedVapourDensityAt(dew);
        slot.dew = bits;
        slot.valid = true;
    }
    return slot.density;
}

// The trials of a relative-humidity search. The first, at 50 %, runs the humid mixing of
// every medium branch that has one, so a state with neither a dry-gas nor a vapour part
// there has none (a liquid, a saturation state of a liquefied gas, a keyword the switch
// does not serve): no trial could come nearer the target and the search ends.
class RelativeHumidityTrials {
public:
    RelativeHumidityTrials(const std::string& keyword, double& P, double& t, double givenDensity, double zRatio)
        : keyword_(keyword), P_(P), t_(t), givenDensity_(givenDensity), zRatio_(zRatio) {}

    std::optional<HumidState> At(double rh) {
        if (first_) return First(rh);
        return parts_ != Parts::None ? PartsAt(rh) : SwitchAt(keyword_, P_, t_, givenDensity_, zRatio_, rh);
    }

    std::optional<double> VapourAt(double rh) {
        const std::optional<HumidState> s = At(rh);
        if (!s) return std::nullopt;
        return s->vapour;
    }

private:
    enum class Parts { None, Gas, Air };

    std::optional<HumidState> First(double rh) {
        first_ = false;
        // Of the switch only the densities are read: the vapour's heat capacities are left out.
        HumidState s;
        {
            const VapourDensityAlone densities;
            s = SwitchAt(keyword_, P_, t_, givenDensity_, zRatio_, rh);
        }
        if (!(s.dry > 0.0) && !(s.vapour > 0.0)) return std::nullopt;
        // Where the state varies with the humidity only through the vapour, the later trials
        // work out the two part densities alone; the rest of the switch's answer (and what it
        // leaves behind) is the same at every trial, or the switch's last call, at the humidity
        // found, writes it anew. Only a first trial that the short way gives again bit for bit
        // lets it take over.
        if (keyword_ == kMediumAir) {
            parts_ = Parts::Air;
        } else {
            dryGas_ = HumidMixDryGasDensity(keyword_, GasComposition, P_, t_, givenDensity_, zRatio_);
            if (dryGas_) parts_ = Parts::Gas;
        }
        if (parts_ != Parts::None) {
            ceiling_ = VapourPressureCeiling(P_, t_);
            const HumidState again = PartsAt(rh);
            if (!SameBits(again.dry, s.dry) || !SameBits(again.vapour, s.vapour)) parts_ = Parts::None;
        }
        return s;
    }

    HumidState PartsAt(double rh) const {
        ++PropertyWork;
        const double pv = ceiling_ * rh * 0.01;
        const HumidPartDensities d =
            parts_ == Parts::Air ? HumidAirDensitiesAt(P_, t_, pv) : SteamPropertyDensitiesAt(P_, t_, pv, rh, *dryGas_);
        return {d.dry + d.vapour, d.dry, d.vapour};
    }

    const std::string& keyword_;
    double& P_;
    double& t_;
    double givenDensity_, zRatio_;
    bool first_ = true;
    Parts parts_ = Parts::None;
    std::optional<double> dryGas_;
    double ceiling_ = 0.0;
};

// The trials of a step search on a function that never falls as its argument rises (the vapour
// density with the relative humidity or the dew temperature, the vapour-to-dry ratio with the
// relative humidity). Once the search has turned back, it only closes in on the root: a trial at
// or below an evaluated point that fell short of the target, or at or above one beyond it,
// neither within the tolerance, is steered by that point's value as by its own, which lies on
// the same side, and is not evaluated. Before a trial between them is, the bracket is narrowed
// round the root, so that of the search's later trials only its last ones fall inside: the search
// ends where trial by trial it ends, from a third of the evaluations.
class RisingTrials {
public:
    using Trial = std::function<std::optional<double>(double)>;
    RisingTrials(double target, const Trial& f) : target_(target), f_(f) {}

    std::optional<double> operator()(double s) {
        turned_ = turned_ || s < last_;
        last_ = s;
        // While the search marches forward, its march reads the trials' values themselves.
        if (!turned_) return Evaluate(s);
        if (const std::optional<double> x = Steered(s)) return x;
        Narrow();
        if (const std::optional<double> x = Steered(s)) return x;
        return Evaluate(s);
    }
    int Evaluations() const { return evaluations_; }

private:
    struct Point {
        double s, x;
    };

    bool Within(double x) const { return std::fabs(x - target_) / target_ < kHumiditySearchTolerance; }

    std::optional<double> Steered(double s) const {
        if (below_ && s <= below_->s) return below_->x;
        if (above_ && s >= above_->s) return above_->x;
        return std::nullopt;
    }

    std::optional<double> Evaluate(double s) {
        ++evaluations_;
        const std::optional<double> x = f_(s);
        if (!x || Within(*x) || std::isnan(*x)) return x;
        if (*x <= target_) {
            if (!below_ || s > below_->s) below_ = Point{s, *x};
        } else if (!above_ || s < above_->s) {
            above_ = Point{s, *x};
        }
        return x;
    }

    // Estimates of the root between the bracket's ends: while both are far from it, a trial at
    // the estimate itself (false position, the end that stays twice in a row weighed half, so
    // that a curved function does not hold one end for ever); then a point either side of the
    // secant's root, which close the bracket round the root. A point that meets the tolerance
    // narrows nothing, and the next pair is set wider.
    void Narrow() {
        double margin = kNarrowMargin, weightBelow = 1.0, weightAbove = 1.0;
        bool pair = false;
        int lastMoved = 0;
        for (int round = 0; round < kNarrowRounds && below_ && above_; ++round) {
            const Point lo = *below_, hi = *above_;
            const double slope = (hi.x - lo.x) / (hi.s - lo.s);
            if (!(slope > 0.0) || !std::isfinite(slope)) return;
            const double shortfall = (target_ - lo.x) * weightBelow, excess = (hi.x - target_) * weightAbove;
            const double root = lo.s + (hi.s - lo.s) * (shortfall / (shortfall + excess));
            const double half = margin * target_ / slope;
            if (hi.s - lo.s <= kTightBracket * half) return;
            try {
                if (!pair && std::min(root - lo.s, hi.s - root) > kWideBracket * half) {
                    if (!(root > lo.s && root < hi.s)) {
                        pair = true;
                        continue;
                    }
                    if (!Evaluate(root)) return;
                    const int moved = below_->s != lo.s ? -1 : (above_->s != hi.s ? 1 : 0);
                    if (moved == 0) pair = true;
                    if (moved != 0 && moved == lastMoved) (moved < 0 ? weightAbove : weightBelow) *= 0.5;
                    lastMoved = moved;
                    continue;
                }
                const double secant = lo.s + (target_ - lo.x) / slope;
                for (const double s : {secant - half, secant + half})
                    if (s > below_->s && s < above_->s && !Evaluate(s)) return;
            } catch (const CalcError&) {
                // A state the search itself never asks for: it goes on trial by trial.
                return;
            }
            if (below_->s == lo.s && above_->s == hi.s) margin *= 4.0;
        }
    }

    // The points either side of an estimate are set this share of the target away (by the
    // secant's slope), one and a half times the tolerance; a bracket this many of those wide is
    // tight, and an estimate this many of them from both ends is evaluated first itself.
    static constexpr double kNarrowMargin = 1.5 * kHumiditySearchTolerance;
    static constexpr double kTightBracket = 2.5;
    static constexpr double kWideBracket = 100.0;
    static constexpr int kNarrowRounds = 8;

    double target_;
    const Trial& f_;
    bool turned_ = false;
    double last_ = -std::numeric_limits<double>::infinity();
    std::optional<Point> below_, above_;
    int evaluations_ = 0;
};

}  // namespace

std::optional<double> HumidityStepSearch(double target, double s0,
                                         const std::function<std::optional<double>(double)>& f, int* evaluations) {
    double s = s0, step = 50.0, x = 0.0;
    // count: the trials the search has made or leapt over, the start counted as one.
    int count = 1, calls = 1;
    // The forward march before the first reversal, watched over windows of trials.
    bool marching = true;
    double windowStart = 0.0;
    auto within = [&](double value) { return std::fabs(value - target) / target < kHumiditySearchTolerance; };
    for (;;) {
        if (x > target && step > 0.0) step = -step / 2.0;
        if (x <= target && step <= 0.0) step = -step / 2.0;
        marching = marching && step == 50.0;
        std::optional<double> trial;
        bool leapt = false;
        if (marching && count - 1 >= kHumidityMarchLeapTrials && (count - 1) % kHumidityMarchWindow == 0) {
            // Still marching this far, the state needs a humidity beyond any physical one. The
            // trials rise with s: where the window's last trial stays short of the target, none
            // before it turns the march back or meets the target, and the march leaps to it.
            // Otherwise the window's trials are made one by one.
            const double leap = s + kHumidityMarchWindow * step;
            trial = f(leap);
            ++calls;
            if (!trial) {
                if (evaluations) *evaluations = calls;
                return std::nullopt;
            }
            if (*trial <= target && !within(*trial)) {
                s = leap;
                count += kHumidityMarchWindow;
                leapt = true;
            }
        }
        if (!leapt) {
            s += step;
            trial = f(s);
            ++count;
            ++calls;
        }
        if (!trial) {
            if (evaluations) *evaluations = calls;
            return std::nullopt;
        }
        x = *trial;
        if (count > kHumiditySearchMaxEvaluations || within(x)) break;
        if (marching && x <= target && (count - 1) % kHumidityMarchWindow == 0) {
            // The gain of the last window, carried on over every trial left, cannot come
            // within a million times of the target's distance: the state holds no vapour to
            // speak of, or the target is out of the measure's range. The search ends at its
            // last value, as the bound would end it.
            const double reach = (x - windowStart) * (kHumiditySearchMaxEvaluations + 1 - count) / kHumidityMarchWindow;
            if (!(target - x < kHumidityMarchMargin * reach)) break;
            windowStart = x;
        }
    }
    if (evaluations) *evaluations = calls;
    return s;
}

std::optional<double> RisingStepSearch(double target, double s0, const std::function<std::optional<double>(double)>& f,
                                       int* evaluations) {
    RisingTrials trials(target, f);
    const std::optional<double> s = HumidityStepSearch(target, s0, std::ref(trials));
    if (evaluations) *evaluations = trials.Evaluations() + 1;
    return s;
}

void HumidityFromAbsolute(const std::string& keyword, bool humidGas, double& relativeHumidity, double t, double P,
                          double givenDensity, double absoluteHumidity, double zRatio) {
    relativeHumidity = 0.0;
    if (!humidGas || !(absoluteHumidity > 0.0)) return;
    RelativeHumidityTrials trials(keyword, P, t, givenDensity, zRatio);
    relativeHumidity =
        RisingStepSearch(absoluteHumidity, 0.0, [&](double rh) { return trials.VapourAt(rh); }).value_or(0.0);
}

void HumidityFromSpecific(const std::string& keyword, bool humidGas, double& relativeHumidity, double t, double P,
                          double givenDensity, double specificHumidity, double zRatio) {
    relativeHumidity = 0.0;
    if (!humidGas || !(specificHumidity > 0.0)) return;
    RelativeHumidityTrials trials(keyword, P, t, givenDensity, zRatio);
    relativeHumidity = RisingStepSearch(specificHumidity, 0.0, [&](double rh) -> std::optional<double> {
                           const std::optional<HumidState> s = trials.At(rh);
                           if (!s) return std::nullopt;
                           return s->dry > 0.0 ? s->vapour / s->dry : 1e99;
                       }).value_or(0.0);
}

void HumidityFromDewPoint(const std::string& keyword, bool humidGas, double& relativeHumidity, double t, double P,
                          double givenDensity, double dewTemperature, double zRatio) {
    relativeHumidity = 0.0;
    if (!humidGas || !(dewTemperature > kNoDewTemperatureC)) return;
    const double target = SaturatedVapourDensity(dewTemperature);
    if (!(target > 0.0)) return;
    RelativeHumidityTrials trials(keyword, P, t, givenDensity, zRatio);
    relativeHumidity = RisingStepSearch(target, 0.0, [&](double rh) { return trials.VapourAt(rh); }).value_or(0.0);
}

void HumidGasStateConversion(const std::string& keyword, bool humidGas, double& dewTemperature, double t, double P,
                             double givenDensity, double relativeHumidity, double zRatio) {
    dewTemperature = kNoDewTemperatureC;
    if (!humidGas || !(relativeHumidity > 0.0)) return;
    const double target = SwitchAt(keyword, P, t, givenDensity, zRatio, relativeHumidity).vapour;
    dewTemperature = 10.0;
    if (!(target > 0.0)) return;
    dewTemperature = *RisingStepSearch(target, 10.0, SaturatedVapourDensity);
}

}  // namespace tubalyx
