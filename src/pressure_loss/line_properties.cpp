#include "pressure_loss/line_properties.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <numbers>
#include <optional>
#include <tuple>
#include <utility>

#include "media/humid_gas_mixing.h"
#include "media/humidity_conversions.h"
#include "media/medium_enthalpy.h"
#include "media/medium_identification.h"
#include "media/medium_properties.h"
#include "media/property_work.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "numerics/physical_constants.h"
#include "pressure_loss/line_walk.h"
#include "state/composition.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/property_labels.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kJoulePerKilojoule = 1000.0;
constexpr double kStandardGravity = 9.80665;
constexpr double kLowestPressurePa = 1.0;

// The inlet routine steps the area in 2, 4, ... segments while fewer than this, so 128 at most.
constexpr int kAreaStepsDoubledBelow = 101;
constexpr double kInletPassTolerance = 1e-4;
// Beyond the tables a pass whose outlet pressure moves from the one before by this share of the
// inlet pressure or more, turning back or growing, shows passes that have not begun to settle.
constexpr double kUnsettledInletShare = 0.1;
// So do passes whose change has grown at each of this many passes in a row, the last one this
// share of the inlet pressure or more: they move further from one another as the steps shrink.
constexpr int kGrowingInletPasses = 3;
constexpr double kGrowingInletShare = 0.01;
constexpr double kInletEnergyTolerance = 1e-4;
constexpr double kInletFirstStepK = 2.0;
constexpr double kOutletToleranceFactor = 0.001;
// The outlet search's tolerance is never finer than this: beyond the range of a medium's
// equations the stream energy at the inlet state itself may miss the inlet's by some 1e-11,
// so a finer target is met only by chance, and a drop near 0 would send the search through
// all its steps at every segment (an energy error of 1e-10 of itself is some millionths of a
// kelvin).
constexpr double kOutletToleranceFloor = 1e-10;
// The outlet search steps each run (the step kept until the balance changes side) one by one
// this far, or until this many steps in a row have brought the balance no nearer; then it finds
// where the run ends from a few probes. (Its 1000 steps at every segment of 16384 made Runs of
// tens of seconds where the balance has no root within them, or where a clamped table moves it
// after an overshoot.)
constexpr int kStepsOneByOne = 32;
constexpr int kStepsWithoutGain = 4;
// The range of the steam and water equations, as the report notes it (from 0 degC on; steam
// below its saturation pressure, water above).
constexpr double kSteamTopC = 800.0;
constexpr double kWaterTopC = 350.0;
constexpr double kSteamWaterTopPa = 1e8;
// An enthalpy jump of more than this many kelvins' worth between a segment's two pressures at one
// temperature is no energy of the stream but a table's edge.
constexpr double kEdgeJumpK = 1.0;
// A search step this small cannot move a temperature by anything the report shows.
constexpr double kSmallestStepK = 1e-9;
// A clamped table gives the same enthalpy at every temperature, but a mixture weighs it by its
// components' densities, and the sum may differ in its last two binary digits from one state to
// the next: that is the same enthalpy.
constexpr double kSameEnthalpyShare = 2 * std::numeric_limits<double>::epsilon();

double Area(double diameter) { return kPi * diameter * diameter / 4; }

// Whether the line walk under way has met a state beyond its medium's tables, and whether its
// energy balance has gone on with cp where no table gave an enthalpy.
bool lineBeyondTables = false, lineBalanceOnCp = false;
// Whether a walk beyond the tables has shown that its refinement settles.
bool lineSettling = false;

bool NoState(const std::string& medium) { return medium == kMediumLiquid; }

void CheckPassable(double pressure, double temperature) {
    if (!(pressure >= kLowestPressurePa) || !(temperature >= kAbsoluteZeroCelsiusWhole))
        throw CalcError("the flow cannot pass the cross-section");
}

// With `lean`, a humid gas's vapour may come without its heat capacities and viscosity
// (VapourDensityAlone): the caller reads only the density and the enthalpy.
LineMediumProperties KeptMediumAt(const std::string& medium, double pressure, double temperature, bool balanceOnly,
                                  bool& beyond, bool lean = false);

// The specific energy 1000 h + v^2/2 + g z (J/kg) of the stream at (pressure, temperature),
// the velocity from the mass flow through `area`. A table that gives the enthalpy of the
// previous evaluation again (to its last two binary digits) has clamped the state; its enthalpy
// is continued with cp from the inlet. A humid gas's enthalpy weighs its dry part's table with
// the vapour, whose share moves the whole also where that table is clamped (humid hydrogen beyond
// its table's 500 K would take hundreds of kelvins for a few joules): its dry part giving the same
// enthalpy at another temperature is clamped as well. (At the same temperature it may be a table
// that does not change with the pressure.)
class StreamEnergy {
public:
    StreamEnergy(const std::string& medium, double massFlow, double area, double inletTemperature)
        : medium_(medium), massFlow_(massFlow), area_(area), inletTemperature_(inletTemperature) {}
    // The trials of a balance that rises with the temperature read no heat capacity: a clamped
    // table, whose enthalpy goes on with cp, ends that search.
    void ReadLean() { lean_ = true; }
    void SetInlet(const LineMediumProperties& inlet) {
        inletEnthalpy_ = inlet.enthalpy;
        last_ = {inlet.enthalpy, inlet.dryEnthalpy, inletTemperature_};
    }
    // With the velocity given instead of computed from the density.
    double AtVelocity(double pressure, double temperature, double velocity) {
        return kJoulePerKilojoule * Enthalpy(pressure, temperature) + velocity * velocity / 2;
    }
    double AtState(double pressure, double temperature, double height) {
        const double h = Enthalpy(pressure, temperature);
        const double v = CheckedDiv(massFlow_, density_ * area_);
        return kJoulePerKilojoule * h + v * v / 2 + kStandardGravity * height;
    }

    // Whether a state evaluated since the last ForgetBeyond lay beyond the medium's tables.
    bool MetBeyond() const { return metBeyond_; }
    void ForgetBeyond() { metBeyond_ = false; }

private:
    static bool Same(double a, double b) { return std::fabs(a - b) <= kSameEnthalpyShare * std::fabs(a); }

    // The search calls this at every trial: only what the balance reads. Steam comes without
    // its cp then, which only a clamped state asks for.
    double Enthalpy(double pressure, double temperature) {
        bool beyond = false;
        const LineMediumProperties m = KeptMediumAt(medium_, pressure, temperature, true, beyond, lean_);
        metBeyond_ = metBeyond_ || beyond;
        density_ = m.density;
        double h = m.enthalpy;
        if (Same(h, last_.enthalpy) || (Same(m.dryEnthalpy, last_.dryEnthalpy) && temperature != last_.temperature)) {
            lineBalanceOnCp = true;
            const double cp = IsSteamMedium(medium_) ? LineMediumAt(medium_, pressure, temperature).cp : m.cp;
            h = 0.001 * cp * (temperature - inletTemperature_) + inletEnthalpy_;
        } else {
            last_ = {m.enthalpy, m.dryEnthalpy, temperature};
        }
        return h;
    }
    std::string medium_;
    double massFlow_, area_, inletTemperature_;
    double inletEnthalpy_ = 0.0, density_ = 0.0;
    bool metBeyond_ = false, lean_ = false;
    // The last evaluation's enthalpy, its dry part's (NaN but for a humid gas) and temperature.
    struct {
        double enthalpy, dryEnthalpy, temperature;
    } last_{std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN(), 0.0};
};

double RelativeDifference(double a, double b) {
    const double difference = std::fabs(a - b);
    if (difference == 0.0) return 0.0;
    const double sum = std::fabs(a + b);
    return sum == 0.0 ? std::numeric_limits<double>::infinity() : difference / sum;
}

// The temperature `count` steps on, each step added as the step-by-step search adds it.
double Advance(double temperature, double step, int count) {
    for (int i = 0; i < count; ++i) temperature += step;
    return temperature;
}

class TemperatureSearch {
public:
    TemperatureSearch(double target, double tolerance, const std::function<double(double)>& energy)
        : target_(target), tolerance_(tolerance), energy_(energy) {}

    double Run(double temperature, double firstStep, int steps, bool probeRuns, bool turnWhereFalling) {
        const double start = temperature;
        double difference = Difference(temperature);
        if (Balanced(difference)) return temperature;
        double step = difference > 0 ? -firstStep : firstStep;
        // Steps of the present run (the step kept until the balance changes side), and of them
        // the last in a row that brought the balance no nearer.
        int inRun = 0, losing = 0;
        double gain = 0.0;
        for (int i = 0; i < steps && std::fabs(step) >= kSmallestStepK; ++i) {
            if (probeRuns && (inRun == kStepsOneByOne || losing == kStepsWithoutGain)) {
                const RunEnd end = EndOfRun(temperature, difference, gain, step, steps - i);
                if (end.atBound || Balanced(end.difference)) return end.temperature;
                temperature = end.temperature;
                difference = end.difference;
                i += end.steps - 1;
                step = -step / 2;
                inRun = losing = 0;
                continue;
            }
            temperature += step;
            ++inRun;
            const double next = Difference(temperature);
            if (Balanced(next)) return temperature;
            if ((next > 0) != (difference > 0)) {
                step = -step / 2;
                inRun = losing = 0;
            } else if (turnWhereFalling && i == 0 && std::fabs(next) > std::fabs(difference)) {
                // The first step took the balance further off: it falls with the temperature here
                // (a humid gas held at its relative humidity takes up vapour as it warms, whose
                // enthalpy is below the gas's), and its root lies the other way.
                temperature = start;
                step = -step;
                inRun = 0;
                continue;
            } else {
                gain = std::fabs(difference) - std::fabs(next);
                losing = gain > 0 ? 0 : losing + 1;
            }
            difference = next;
        }
        return temperature;
    }

private:
    double Difference(double temperature) { return energy_(temperature) - target_; }
    bool Balanced(double difference) const {
        return difference == 0.0 || RelativeDifference(difference + target_, target_) < tolerance_;
    }

    struct RunEnd {
        double temperature = 0.0, difference = 0.0;
        int steps = 0;
        bool atBound = false, noState = false;
    };

    // Where a first run ends that keeps its step from (temperature, difference) with `left`
    // steps left: at the step that meets the balance or takes it across (or finds no state), or
    // at its last step. It is probed where its gain per step, kept up, would meet the balance (at
    // its last step while it gains nothing), the gain taken anew from each probe it passes; the
    // step that ends it is then found by halving between the last two probes.
    RunEnd EndOfRun(double temperature, double difference, double gain, double step, int left) {
        const bool above = difference > 0;
        int low = 0;
        double lowTemperature = temperature, lowDifference = difference;
        RunEnd at;
        // The run `count` steps on; true when it ends there.
        auto ends = [&](int count) {
            at = {Advance(lowTemperature, step, count - low), 0.0, count, count == left, false};
            try {
                at.difference = Difference(at.temperature);
            } catch (const CalcError&) {
                at.noState = true;
                return true;
            }
            return Balanced(at.difference) || (at.difference > 0) != above;
        };
        for (;;) {
            int ahead = left - low;
            if (gain > 0 && std::fabs(lowDifference) < gain * ahead)
                ahead = std::max(1, static_cast<int>(std::ceil(std::fabs(lowDifference) / gain)));
            if (ends(low + ahead)) break;
            if (at.atBound) return at;
            gain = (std::fabs(lowDifference) - std::fabs(at.difference)) / ahead;
            low = at.steps, lowTemperature = at.temperature, lowDifference = at.difference;
        }
        RunEnd end = at;
        while (end.steps - low > 1) {
            if (ends(low + (end.steps - low) / 2)) {
                end = at;
            } else {
                low = at.steps, lowTemperature = at.temperature;
            }
        }
        end.atBound = false;
        // A step that finds no state raises the error the step-by-step search meets there.
        if (end.noState) Difference(end.temperature);
        return end;
    }

    double target_, tolerance_;
    const std::function<double(double)>& energy_;
};

// The step-by-step search (steps of the first step towards the balance, each overshoot turning
// the step back at half its length, until a trial meets the balance, the steps run out or the
// step falls below kSmallestStepK) on a balance that rises with the temperature. Each of its trials
// lies below the balance, meets it or lies above it, and by the rise a trial at or below an
// evaluated one that lay below lies below, one at or above an evaluated one that lay above lies
// above, and one between two that met it meets it. The path is followed with the trials no
// evaluation places taken from a straight line through their evaluated neighbours; of those, the
// one that ends the path and the nearest below and above the balance are evaluated, and the path
// is followed again, until the rise places every trial: it then ends where the step-by-step
// search ends, from some six evaluations instead of one a step. An evaluation that does not rise
// with the temperature, or that finds no state, leaves it without an answer.
class RisingBalanceSearch {
public:
    RisingBalanceSearch(double target, double tolerance, double noise, const std::function<double(double)>& energy)
        : target_(target), tolerance_(tolerance), noise_(noise), energy_(energy), margin_(noise) {}

    std::optional<double> Run(double start, double firstStep, int steps) {
        if (!Evaluate(start)) return std::nullopt;
        const Side startSide = points_[0].side;
        if (startSide == Side::Meets || steps <= 0 || !(firstStep >= kSmallestStepK)) return start;
        Walker walker{start, startSide == Side::Above ? -firstStep : firstStep, startSide, 0};
        if (!Evaluate(start + walker.step)) return std::nullopt;
        // Where the balance is met as a straight line through the two evaluations nearest it says,
        // as long as that lies some steps from them: the first run's trials up to it are then
        // placed.
        for (int i = 0; i < kRootEstimates; ++i) {
            const auto [root, nearest] = EstimatedRoot();
            if (!(std::fabs(root - nearest) > kRootEstimateSteps * firstStep) || Known(root)) break;
            if (!Evaluate(root)) return std::nullopt;
        }
        const Walker first = walker;
        while (count_ <= kMostEvaluations) {
            const double margin = margin_;
            const Path path = Follow(walker, steps);
            if (path.placed) return path.end;
            walker = path.resume;
            for (const double t : {path.unplacedEnd, path.nearestBelow, path.nearestAbove})
                if (!std::isnan(t) && !Known(t) && !Evaluate(t)) return std::nullopt;
            // A wider margin may leave trials the path passed unplaced.
            if (margin_ != margin) walker = first;
        }
        return std::nullopt;
    }

private:
    enum class Side { Below, Meets, Above };
    struct Point {
        double temperature = 0.0, difference = 0.0;
        Side side = Side::Below;
    };
    // Where the path stands: the last trial, the step to the next, the side of the last trial,
    // the steps taken.
    struct Walker {
        double temperature, step;
        Side side;
        int taken;
    };
    // The end of a path followed; where it is not placed by the rise alone, the trials to evaluate
    // (NaN for none) and where the path stood before its first trial the evaluations did not place.
    struct Path {
        double end = 0.0;
        bool placed = true;
        double unplacedEnd = kNone, nearestBelow = kNone, nearestAbove = kNone;
        Walker resume{};
    };
    static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    // Beyond this many evaluations the step-by-step search is as cheap.
    static constexpr std::size_t kMostEvaluations = 40;
    static constexpr int kRootEstimates = 8;
    // A root estimated within this many first steps of an evaluation is left to the path.
    static constexpr double kRootEstimateSteps = 4.0;
    static constexpr double kNoiseFactor = 64.0;
    static constexpr double kFallShare = 1e-8;

    Side SideOf(double difference) const {
        if (difference == 0.0 || RelativeDifference(difference + target_, target_) < tolerance_) return Side::Meets;
        return difference > 0 ? Side::Above : Side::Below;
    }

    std::size_t Lower(double temperature) const {
        std::size_t i = 0;
        while (i < count_ && points_[i].temperature < temperature) ++i;
        return i;
    }

    bool Known(double temperature) const {
        const std::size_t i = Lower(temperature);
        return i < count_ && points_[i].temperature == temperature;
    }

    // Evaluated in order of temperature; false where it finds no state or too many are asked for.
    // A balance evaluated to a few ulps of its energy falls here and there between trials that lie
    // some 1e-9 K apart: its fall between neighbours, kNoiseFactor times, is the margin by which an
    // evaluation must lie on its side to place others by the rise.
    bool Evaluate(double temperature) {
        if (count_ == points_.size()) return false;
        double difference = 0.0;
        try {
            difference = energy_(temperature) - target_;
        } catch (const CalcError&) {
            return false;
        }
        const std::size_t at = Lower(temperature);
        for (std::size_t i = count_; i > at; --i) points_[i] = points_[i - 1];
        points_[at] = {temperature, difference, SideOf(difference)};
        ++count_;
        double fall = 0.0;
        for (std::size_t i = 1; i < count_; ++i)
            fall = std::max(fall, points_[i - 1].difference - points_[i].difference);
        // A fall beyond the noise of the evaluations: the balance does not rise.
        if (fall > std::max(kNoiseFactor * noise_, kFallShare * std::fabs(target_))) return false;
        margin_ = std::max(noise_, kNoiseFactor * fall);
        highestBelow_ = -std::numeric_limits<double>::infinity();
        lowestAbove_ = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < count_; ++i) {
            if (SideOf(points_[i].difference + margin_) == Side::Below) highestBelow_ = points_[i].temperature;
            if (SideOf(points_[i].difference - margin_) == Side::Above)
                lowestAbove_ = std::min(lowestAbove_, points_[i].temperature);
        }
        return true;
    }

    // The temperature where the straight line through the two evaluations nearest the balance
    // (the two last on one side while none lies on the other) meets it, and the nearer of them.
    std::pair<double, double> EstimatedRoot() const {
        std::size_t i = 0;
        while (i < count_ && points_[i].difference < 0) ++i;
        const std::size_t b = i == 0 ? 1 : i == count_ ? count_ - 1 : i;
        const Point &p = points_[b - 1], &q = points_[b];
        const double root =
            p.temperature - p.difference * (q.temperature - p.temperature) / (q.difference - p.difference);
        return {root,
                std::fabs(root - p.temperature) < std::fabs(root - q.temperature) ? p.temperature : q.temperature};
    }

    // The side of a trial, and whether the evaluations place it by the rise alone.
    std::pair<Side, bool> Place(double temperature) const {
        if (temperature <= highestBelow_) return {Side::Below, true};
        if (temperature >= lowestAbove_) return {Side::Above, true};
        const std::size_t above = Lower(temperature);
        if (above < count_ && points_[above].temperature == temperature) return {points_[above].side, true};
        const bool next = above<count_, last = above> 0;
        if (next && last && SideOf(points_[above].difference + margin_) == Side::Meets &&
            SideOf(points_[above - 1].difference - margin_) == Side::Meets)
            return {Side::Meets, true};
        return {SideOf(Line(above).At(temperature)), false};
    }

    // The straight line through the evaluations either side of the gap before points_[above], or on
    // through the two nearest at either end, and the gap's ends.
    struct Model {
        double temperature, difference, slope, low, high;
        double At(double t) const { return difference + slope * (t - temperature); }
    };
    Model Line(std::size_t above) const {
        const bool next = above<count_, last = above> 0;
        const Point& a = points_[next && last ? above - 1 : last ? above - 2 : above];
        const Point& b = points_[next && last ? above : last ? above - 1 : above + 1];
        return {a.temperature, a.difference, (b.difference - a.difference) / (b.temperature - a.temperature),
                last ? points_[above - 1].temperature : -std::numeric_limits<double>::infinity(),
                next ? points_[above].temperature : std::numeric_limits<double>::infinity()};
    }

    // Trials after an unplaced one that the line puts clearly on the run's side, within the same
    // gap, taken at once: the nearest of them is the one to evaluate.
    void RunThroughGap(Walker& w, int steps, Path& path) const {
        const Model line = Line(Lower(w.temperature));
        const double clear = 4 * std::fabs(target_) * tolerance_ + 2 * margin_;
        if (w.side == Side::Below && w.step > 0) {
            while (w.taken + 1 < steps && w.temperature + w.step < line.high &&
                   line.At(w.temperature + w.step) < -clear) {
                w.temperature += w.step;
                ++w.taken;
            }
            path.nearestBelow = std::max(path.nearestBelow, w.temperature);
        } else if (w.side == Side::Above && w.step < 0) {
            while (w.taken + 1 < steps && w.temperature + w.step > line.low &&
                   line.At(w.temperature + w.step) > clear) {
                w.temperature += w.step;
                ++w.taken;
            }
            path.nearestAbove = std::min(path.nearestAbove, w.temperature);
        }
    }

    Path Follow(Walker w, int steps) const {
        Path path;
        bool resumeSet = false;
        while (w.taken < steps && std::fabs(w.step) >= kSmallestStepK) {
            // A run the evaluations place wholly on its side, taken at once: no trial of it turns.
            if (w.side == Side::Below && w.step > 0) {
                while (w.taken + 1 < steps && w.temperature + w.step <= highestBelow_) {
                    w.temperature += w.step;
                    ++w.taken;
                }
            } else if (w.side == Side::Above && w.step < 0) {
                while (w.taken + 1 < steps && w.temperature + w.step >= lowestAbove_) {
                    w.temperature += w.step;
                    ++w.taken;
                }
            }
            const Walker before = w;
            w.temperature += w.step;
            ++w.taken;
            const auto [at, placed] = Place(w.temperature);
            if (!placed) {
                if (!resumeSet) path.resume = before, resumeSet = true;
                path.placed = false;
                if (at == Side::Below && !(w.temperature <= path.nearestBelow)) path.nearestBelow = w.temperature;
                if (at == Side::Above && !(w.temperature >= path.nearestAbove)) path.nearestAbove = w.temperature;
            }
            if (at == Side::Meets) {
                if (!placed) path.unplacedEnd = w.temperature;
                break;
            }
            if (at != w.side) {
                w.step = -w.step / 2;
                w.side = at;
            } else if (!placed) {
                RunThroughGap(w, steps, path);
            }
        }
        path.end = w.temperature;
        return path;
    }

    double target_, tolerance_, noise_;
    const std::function<double(double)>& energy_;
    std::array<Point, kMostEvaluations + 1> points_{};
    std::size_t count_ = 0;
    double margin_ = 0.0;
    // The highest evaluated trial below the balance and the lowest above it, by the margin.
    double highestBelow_ = -std::numeric_limits<double>::infinity();
    double lowestAbove_ = std::numeric_limits<double>::infinity();
};

}  // namespace

double SearchTemperature(double start, double firstStep, double target, double tolerance, int steps, bool probeRuns,
                         const std::function<double(double)>& energy, bool turnWhereFalling) {
    return TemperatureSearch(target, tolerance, energy).Run(start, firstStep, steps, probeRuns, turnWhereFalling);
}

std::optional<double> SearchRisingBalance(double start, double firstStep, double target, double tolerance, int steps,
                                          const std::function<double(double)>& energy, double noise) {
    return RisingBalanceSearch(target, tolerance, noise, energy).Run(start, firstStep, steps);
}

namespace {

// What a medium's state depends on besides its point, for the media whose state reads nothing
// else and writes nothing but its answer.
constexpr std::size_t kContextGivenValues = 14;

struct StateContext {
    // The composition, then the given values and the humidity measures. Compared by their bits:
    // a value not given may be NaN, the same NaN from state to state.
    std::array<double, std::tuple_size_v<GasCompositionArray> + kContextGivenValues> values{};
    std::string humidityKind;
    bool humidGas = false;
    char phase = 0;
};

// The given values and the humidity measures of the calculation state, as a context holds them.
std::array<double, kContextGivenValues> GivenContextValues() {
    return {GivenDensity,    GivenViscosityPas, GivenCp, GivenCv, GivenKappa,       GivenCriticalTemperatureK,
            GivenMolarMass,  GivenEnthalpy,     GivenZ1, GivenZn, AbsoluteHumidity, SpecificHumidity,
            DewTemperatureC, RelativeHumidity};
}

StateContext CurrentContext() {
    StateContext c{{}, HumidityInputKind, HumidGasFlag, PhaseLetter};
    const auto rest = std::copy(GasComposition.begin(), GasComposition.end(), c.values.begin());
    const std::array<double, kContextGivenValues> given = GivenContextValues();
    std::copy(given.begin(), given.end(), rest);
    return c;
}

// Whether the calculation state is the context `c`, read where it stands (a walk asks at every
// trial of its searches).
bool InContext(const StateContext& c) {
    if (c.humidGas != HumidGasFlag || c.phase != PhaseLetter || c.humidityKind != HumidityInputKind) return false;
    if (std::memcmp(c.values.data(), GasComposition.data(), sizeof GasComposition) != 0) return false;
    const std::array<double, kContextGivenValues> given = GivenContextValues();
    return std::memcmp(c.values.data() + GasComposition.size(), given.data(), sizeof given) == 0;
}

// The hardest walks ask for some millions of states: the states of this many asks are kept
// (some 50 MB).
constexpr std::size_t kMostKeptStates = 400000;
// The states just asked for, in slots by their point: a segment's end is its search's last trial
// and the next segment's inlet.
constexpr std::size_t kRecentStates = 64;
constexpr std::size_t kNotAsked = std::numeric_limits<std::size_t>::max();

// A state evaluated: its point's bits, its properties, the property evaluations it took, whether
// it lay beyond the tables, and what the evaluation leaves behind besides its answer (the
// compression factor of methane and natural gas and its iteration's traces). A state evaluated
// lean is not whole: the first ask for more completes it.
struct KeptState {
    std::uint64_t pressure = 0, temperature = 0;
    LineMediumProperties properties;
    std::uint64_t work = 0;
    bool beyond = false, valid = false, whole = true;
    double z = 0.0, dampingDivisor = 0.0, detailedDensity = 0.0;
    // The relative humidity (%) it was evaluated with, found where another measure was given.
    double relativeHumidity = 0.0;
    // Its place among the states asked for; kNotAsked where that list was full.
    std::size_t asked = kNotAsked;
    bool At(std::uint64_t p, std::uint64_t t) const { return valid && pressure == p && temperature == t; }
};

struct KeptStates {
    std::string medium;
    StateContext context;
    // The medium's state writes into what it depends on: it is evaluated anew every time.
    bool writesContext = false;
    // The states evaluated, in the order the walk asked for them: the other walk of the Run asks
    // for the same states in the same order, and finds each where its ask has come to.
    // (A deque: the kept states stay where they are as it grows.)
    std::deque<KeptState> asked;
    std::size_t next = 0;
    std::array<KeptState, kRecentStates> recent{};

    void Clear() {
        asked.clear();
        next = 0;
        recent.fill({});
    }
    KeptState& Slot(std::uint64_t p, std::uint64_t t) {
        std::uint64_t x = p ^ (t * 0x9E3779B97F4A7C15ULL);
        x = (x ^ (x >> 31)) * 0xBF58476D1CE4E5B9ULL;
        return recent[(x ^ (x >> 29)) % kRecentStates];
    }
};

std::unique_ptr<KeptStates> keptStates;

// A humid gas's state searches for its humidity, which takes some microseconds: keeping it
// pays. The user's own gases and liquid, the oil and the mixture read or write more than the
// context.
bool Keepable(const std::string& medium) {
    return HumidGasFlag && medium != kMediumMixture && medium != kMediumOil && medium != kMediumGas &&
           medium != kMediumRealGas && medium != kMediumLiquid;
}

bool StateBeyondTables(const std::string& medium, double pressure, double temperature);

// The state at (pressure, temperature). With `knownRelative`, the relative humidity it was found to
// have before (a humidity given as another measure is then not searched again); `foundRelative`
// receives the one it has.
LineMediumProperties MediumAt(const std::string& medium, double pressure, double temperature, bool balanceOnly,
                              bool lean = false, const double* knownRelative = nullptr,
                              double* foundRelative = nullptr) {
    std::optional<VapourDensityAlone> alone;
    if (lean) alone.emplace();
    double absolute = AbsoluteHumidity, specific = SpecificHumidity, dew = DewTemperatureC;
    static const std::string kRelative(kHumidityRelative);
    double rh = knownRelative ? *knownRelative : RelativeHumidity;
    const std::string& kind = knownRelative ? kRelative : HumidityInputKind;
    double p = pressure, t = temperature;
    double density = 0, dry = 0, vapour = 0, viscosity = 0, kappa = 0, cp = 0, cv = 0, vapourPressure = 0, enthalpy = 0;
    MediumPropertiesAtState(false, medium, GasComposition, GivenDensity, GivenViscosityPas, GivenCp, GivenCv,
                            GivenKappa, GivenCriticalTemperatureK, GivenMolarMass, p, t, kind, absolute, specific, dew,
                            rh, density, dry, vapour, viscosity, kappa, cp, cv, vapourPressure, enthalpy,
                            balanceOnly ? StateReading::Balance : StateReading::Properties);
    if (foundRelative) *foundRelative = rh;
    LineMediumProperties m{CheckFinite(density, "medium density is no number"), viscosity, kappa, cp, cv, enthalpy};
    m.dryDensity = dry;
    m.vapourDensity = vapour;
    // Only beyond its tables is the dry part's enthalpy clamped.
    if (HumidGasFlag && PhaseLetter == kPhaseNone && WeighsHumidEnthalpy(medium) && dry > 0.0 && density != dry &&
        StateBeyondTables(medium, p, t))
        m.dryEnthalpy = MediumEnthalpyPT(medium, p - vapourPressure, t);
    return m;
}

bool lineWorkBounded = false;
// The evaluations when the bound began, and those a kept state took when it was first asked for.
std::uint64_t lineWorkStart = 0, lineWorkReplayed = 0;
// Whether the state just evaluated lies beyond the medium's tables or equations, as the report
// would note it: a table writes its range note anew at every call, and the media with tables
// call their density, viscosity and heat-capacity tables for every state (the enthalpy's note is
// its reference state's); steam and water are held to their equations' range.
bool StateBeyondTables(const std::string& medium, double pressure, double temperature) {
    if (IsSteamMedium(medium)) {
        return !(temperature >= 0.0 && temperature <= kSteamTopC && pressure <= kSteamWaterTopPa) ||
               pressure > WaterSaturationPressure(temperature);
    }
    if (medium == kMediumWater) {
        return !(temperature >= 0.0 && temperature <= kWaterTopC && pressure <= kSteamWaterTopPa) ||
               pressure < WaterSaturationPressure(temperature);
    }
    if (IsUserGasMedium(medium) || medium == kMediumLiquid || medium == kMediumOil) return false;
    return DensityLabel != DensityLabelBase || DynamicViscosityLabel != DynamicViscosityLabelBase ||
           CpLabel != CpLabelBase;
}

// A state asked for the balance alone is a trial of a temperature search, which may step
// beyond the tables where the walk itself never goes (below saturated steam's line, for one): it
// does not count as met.
void MeetState(bool beyond, bool balanceOnly) { lineBeyondTables = lineBeyondTables || (beyond && !balanceOnly); }

LineMediumProperties NotedMediumAt(const std::string& medium, double pressure, double temperature, bool balanceOnly,
                                   bool& beyond, bool lean = false, double* foundRelative = nullptr) {
    const LineMediumProperties m = MediumAt(medium, pressure, temperature, balanceOnly, lean, nullptr, foundRelative);
    beyond = StateBeyondTables(medium, pressure, temperature);
    MeetState(beyond, balanceOnly);
    return m;
}

// What a state's evaluation leaves behind besides its answer and the kept context: the range
// notes, the iteration count, the work. While one lives they are put back as they were.
class EvaluationTraces {
public:
    EvaluationTraces()
        : iterations_(PropertyIterationCount),
          iterationLimit_(PropertyIterationLimit),
          work_(PropertyWork),
          labels_(LivePropertyLabelTexts()) {}
    ~EvaluationTraces() {
        PropertyWork = work_;
        PropertyIterationCount = iterations_;
        PropertyIterationLimit = iterationLimit_;
        RestoreLivePropertyLabels(labels_);
    }
    EvaluationTraces(const EvaluationTraces&) = delete;
    EvaluationTraces& operator=(const EvaluationTraces&) = delete;

private:
    int iterations_, iterationLimit_;
    std::uint64_t work_;
    PropertyLabelTexts labels_;
};

// A kept state evaluated lean, evaluated whole where it is asked for more, with the relative
// humidity it found. The ask is the kept state's, and counts as it: what the evaluation leaves
// behind stays as the kept state left it.
void Complete(KeptStates& kept, KeptState& found, double pressure, double temperature) {
    LineMediumProperties m;
    {
        const EvaluationTraces traces;
        m = MediumAt(kept.medium, pressure, temperature, true, false, &found.relativeHumidity);
    }
    found.properties = m;
    found.whole = true;
    if (found.asked < kept.asked.size() && kept.asked[found.asked].At(found.pressure, found.temperature))
        kept.asked[found.asked] = found;
    KeptState& slot = kept.Slot(found.pressure, found.temperature);
    if (slot.At(found.pressure, found.temperature)) slot = found;
}

// LineMediumAt, telling whether the state lies beyond the medium's tables. A kept medium's state
// asked for its balance alone is its whole state (only steam leaves out a part, and it is not kept).
LineMediumProperties KeptMediumAt(const std::string& medium, double pressure, double temperature, bool balanceOnly,
                                  bool& beyond, bool lean) {
    beyond = false;
    if (!keptStates || !Keepable(medium))
        return NotedMediumAt(medium, pressure, temperature, balanceOnly, beyond, lean);
    KeptStates& kept = *keptStates;
    if (medium != kept.medium) {
        kept.medium = medium;
        kept.writesContext = false;
        kept.Clear();
    }
    if (kept.writesContext) return NotedMediumAt(medium, pressure, temperature, balanceOnly, beyond, lean);
    if (!InContext(kept.context)) {
        kept.Clear();
        kept.context = CurrentContext();
    }
    const std::uint64_t p = std::bit_cast<std::uint64_t>(pressure), t = std::bit_cast<std::uint64_t>(temperature);
    KeptState& slot = kept.Slot(p, t);
    KeptState* found = nullptr;
    if (kept.next < kept.asked.size() && kept.asked[kept.next].At(p, t)) {
        found = &kept.asked[kept.next++];
        slot = *found;
    } else if (slot.At(p, t)) {
        found = &slot;
    }
    if (found) {
        if (!found->whole && !lean) Complete(kept, *found, pressure, temperature);
        lineWorkReplayed += found->work;
        beyond = found->beyond;
        MeetState(beyond, balanceOnly);
        NaturalGasZ = found->z;
        DensityDampingDivisor = found->dampingDivisor;
        DetailedGasDensity = found->detailedDensity;
        return found->properties;
    }
    const std::uint64_t before = PropertyWork;
    double relative = 0.0;
    const LineMediumProperties m = NotedMediumAt(medium, pressure, temperature, balanceOnly, beyond, lean, &relative);
    if (!InContext(kept.context)) {
        kept.writesContext = true;
        kept.Clear();
        return m;
    }
    slot = {.pressure = p,
            .temperature = t,
            .properties = m,
            .work = PropertyWork - before,
            .beyond = beyond,
            .valid = true,
            .whole = !lean,
            .z = NaturalGasZ,
            .dampingDivisor = DensityDampingDivisor,
            .detailedDensity = DetailedGasDensity,
            .relativeHumidity = relative};
    if (kept.asked.size() < kMostKeptStates) {
        slot.asked = kept.asked.size();
        kept.asked.push_back(slot);
        kept.next = kept.asked.size();
    }
    return m;
}

// Whether the table gives the enthalpy h at (pressure, temperature) also a step either side:
// the state was clamped to the table's edge.
bool ClampedAt(const std::string& medium, double pressure, double temperature, double h, double step) {
    for (const double side : {-step, step}) {
        bool beyond = false;
        const double next = KeptMediumAt(medium, pressure, temperature + side, true, beyond).enthalpy;
        if (std::fabs(next - h) <= kSameEnthalpyShare * std::fabs(h)) return true;
    }
    return false;
}

// A segment whose inlet lies beyond a table that was clamped there, while at the outlet pressure
// the table is not clamped and its enthalpy at the same temperature lies more than a kelvin's
// worth (cp times 1 K) away (air at -150 degC: its table ends at -123 degC at 1000 kPa, lower
// just below): the two
// enthalpies come from both sides of the table's edge, and their difference is no energy the
// stream gives off. The search would step towards the edge for all its steps, the further the
// coarser the segments (3.9 K at 256 segments), and its finest steps leave the temperature where
// it was.
bool AcrossClampedEdge(const std::string& medium, double inletPressure, double outletPressure, double temperature,
                       const LineMediumProperties& inlet, double step) {
    if (!ClampedAt(medium, inletPressure, temperature, inlet.enthalpy, step)) return false;
    bool beyond = false;
    const double outlet = KeptMediumAt(medium, outletPressure, temperature, true, beyond).enthalpy;
    return std::fabs(outlet - inlet.enthalpy) > 0.001 * inlet.cp * kEdgeJumpK &&
           !ClampedAt(medium, outletPressure, temperature, outlet, step);
}

// How far (J/kg) a humid gas's stream energy may stray from a rise with the temperature: where
// its humidity is given as an absolute or specific one or as a dew point, each state finds its
// relative humidity to kHumiditySearchTolerance, and the vapour's share of the enthalpy (some
// 3000 kJ/kg at most, at its partial pressure) strays with it.
double BalanceNoise(const LineMediumProperties& m) {
    if (!HumidGasFlag || HumidityInputKind == kHumidityRelative || !(m.density > 0.0)) return 0.0;
    constexpr double kVapourEnthalpyBound = 3000.0, kStraySafety = 4.0;
    return kStraySafety * kJoulePerKilojoule * kHumiditySearchTolerance * kVapourEnthalpyBound *
           std::fabs(m.vapourDensity / m.density);
}

// The temperature at which `balance` (the stream energy of `energy` at a temperature) meets
// `target`, searched from `start`. Inside the tables, where no table is clamped, the balance rises
// with the temperature: with `rising`, its end is found from a few evaluations
// (SearchRisingBalance). Where one of them lies beyond the tables or finds a clamped table (whose
// enthalpy goes on with cp in the order of the evaluations), or the balance does not rise, the
// search is made step by step from the start, as it is beyond the tables, with `energy` as it was.
template <class Balance>
double BalancedTemperature(StreamEnergy& energy, bool rising, double noise, double start, double firstStep,
                           double target, double tolerance, int steps, bool probeRuns, const Balance& balance) {
    // A balance whose evaluations meet no table's end reads each state alone: where it falls with
    // the temperature, its search may turn back towards its root.
    bool withinTables = false;
    if (rising && !lineBalanceOnCp) {
        StreamEnergy trial = energy;
        trial.ForgetBeyond();
        trial.ReadLean();
        withinTables = true;
        const std::optional<double> t = SearchRisingBalance(
            start, firstStep, target, tolerance, steps,
            [&](double at) {
                const double e = balance(trial, at);
                if (trial.MetBeyond() || lineBalanceOnCp) {
                    withinTables = false;
                    throw CalcError("the balance meets a table's end");
                }
                return e;
            },
            noise);
        lineBalanceOnCp = false;
        if (t) {
            energy = trial;
            return *t;
        }
    }
    return SearchTemperature(
        start, firstStep, target, tolerance, steps, probeRuns, [&](double at) { return balance(energy, at); },
        withinTables);
}

}  // namespace

KeptLineStates::KeptLineStates() {
    if (!keptStates) {
        keptStates = std::make_unique<KeptStates>();
        owner_ = true;
    }
}

bool KeptLineStates::Keeps(const std::string& medium) { return keptStates && Keepable(medium); }

KeptLineStates::~KeptLineStates() {
    if (owner_) keptStates.reset();
}

LineWorkBound::LineWorkBound() {
    if (!lineWorkBounded) {
        lineWorkBounded = owner_ = true;
        lineWorkStart = PropertyWork;
        lineWorkReplayed = 0;
        // A walk asks for its states from the first again.
        if (keptStates) {
            keptStates->next = 0;
            keptStates->recent.fill({});
        }
        lineBeyondTables = lineBalanceOnCp = lineSettling = false;
    }
}

LineWorkBound::~LineWorkBound() {
    if (owner_) lineWorkBounded = false;
}

std::uint64_t LineWork() { return PropertyWork - lineWorkStart + lineWorkReplayed; }

bool LineWorkAllows(std::uint64_t work, bool settling) {
    const std::uint64_t bound = lineBeyondTables ? (lineSettling || settling ? kSettlingWorkBound : kLineWorkBound)
                                                 : (lineBalanceOnCp ? kBalanceOnCpWorkBound : kLineWorkGuard);
    return !lineWorkBounded || (work <= bound && LineWork() <= bound - work);
}

bool LineWorkAllowsTwice(std::uint64_t passStart, bool settling) {
    return LineWorkAllows(2 * (LineWork() - passStart), settling);
}

bool LineBeyondTables() { return lineBeyondTables; }

bool LineSettlingOnly() { return lineBeyondTables || lineBalanceOnCp; }

void LetLineSettle() { lineSettling = true; }

LineLookAhead::LineLookAhead() : beyond_(lineBeyondTables), onCp_(lineBalanceOnCp) {}

LineLookAhead::~LineLookAhead() {
    lineBeyondTables = beyond_;
    lineBalanceOnCp = onCp_;
}

namespace {

// The liquefied gases whose saturation tables hold the vapour side (helium's is argon's).
bool HasSaturatedVapourTable(const std::string& medium) {
    return IsOneOf(medium, {kMediumOxygen, kMediumArgon, kMediumNitrogen, kMediumHelium});
}

}  // namespace

SaturatedVapourAtItsPressure::SaturatedVapourAtItsPressure()
    : phase_(PhaseLetter),
      expansion_(ExpansionModeLetter),
      vapour_(HasSaturatedVapourTable(MediumCode) && IsVapourPhase(PhaseLetter)) {
    if (!vapour_) return;
    PhaseLetter = kPhaseVapourAtPressure;
    ExpansionModeLetter = kExpansionIsothermal;
    labels_ = LivePropertyLabelTexts();
}

SaturatedVapourAtItsPressure::~SaturatedVapourAtItsPressure() {
    if (!vapour_) return;
    PhaseLetter = phase_;
    ExpansionModeLetter = expansion_;
    RestoreLivePropertyLabels(labels_);
}

LineMediumProperties LineMediumAt(const std::string& medium, double pressure, double temperature, bool balanceOnly) {
    bool beyond = false;
    return KeptMediumAt(medium, pressure, temperature, balanceOnly, beyond);
}

LineMediumProperties SetWalkMediumState(const std::string& medium, double pressure, double temperature) {
    // A kept humid gas whose state weighs its parts' enthalpies gives every output of its own.
    if (keptStates && Keepable(medium) && PhaseLetter == kPhaseNone && WeighsHumidEnthalpy(medium)) {
        const LineMediumProperties m = LineMediumAt(medium, pressure, temperature);
        FlowDensity = m.density;
        DryGasDensity = m.dryDensity;
        VapourPartDensity = m.vapourDensity;
        DynamicViscosityPas = m.viscosity;
        KappaOperating = m.kappa;
        CpOperating = m.cp;
        CvOperating = m.cv;
        EnthalpyOperating = m.enthalpy;
        return m;
    }
    return SetLineMediumState(medium, pressure, temperature);
}

LineMediumProperties SetLineMediumState(const std::string& medium, double pressure, double temperature) {
    double absolute = AbsoluteHumidity, specific = SpecificHumidity, dew = DewTemperatureC, relative = RelativeHumidity;
    double p = pressure, t = temperature, vapourPressure = 0;
    MediumPropertiesAtState(false, medium, GasComposition, GivenDensity, GivenViscosityPas, GivenCp, GivenCv,
                            GivenKappa, GivenCriticalTemperatureK, GivenMolarMass, p, t, HumidityInputKind, absolute,
                            specific, dew, relative, FlowDensity, DryGasDensity, VapourPartDensity, DynamicViscosityPas,
                            KappaOperating, CpOperating, CvOperating, vapourPressure, EnthalpyOperating,
                            StateReading::Properties);
    CheckFinite(FlowDensity, "medium density is no number");
    lineBeyondTables = lineBeyondTables || StateBeyondTables(medium, pressure, temperature);
    return {FlowDensity, DynamicViscosityPas, KappaOperating, CpOperating, CvOperating, EnthalpyOperating};
}

void LinePropertiesInlet(const std::string& medium, double& p2, double& t2, double massFlow, double oldDiameter,
                         double newDiameter, double inletPressure, double inletTemperature) {
    if (NoState(medium)) return;
    const bool adiabatic = ExpansionModeLetter != kExpansionIsothermal;
    bool inletBeyond = false;
    const LineMediumProperties inlet = KeptMediumAt(medium, inletPressure, inletTemperature, false, inletBeyond);
    const double a1 = Area(oldDiameter), a2 = Area(newDiameter);
    const double noise = BalanceNoise(inlet);
    const double u = CheckedDiv(massFlow, inlet.density * a1);
    const double inletEnergy = kJoulePerKilojoule * inlet.enthalpy + u * u / 2;
    double previousOutlet = std::numeric_limits<double>::quiet_NaN();
    double previousChange = std::numeric_limits<double>::quiet_NaN();
    int grownInRow = 0;
    for (int steps = 2;; steps *= 2) {
        const std::uint64_t workBefore = LineWork();
        double pressure = inletPressure, temperature = inletTemperature;
        double velocity = u, density = inlet.density;
        StreamEnergy energy(medium, massFlow, a1, inletTemperature);
        energy.SetInlet(inlet);
        for (int k = 1; k <= steps; ++k) {
            const double area = a1 - k * (a1 - a2) / steps;
            // The state the step's search ended at, as its balance read it.
            bool beyond = false;
            const double stepDensity = KeptMediumAt(medium, pressure, temperature, true, beyond, true).density;
            // The density at the end of the step, extrapolated from the two before it.
            const double endDensity = 2 * stepDensity - density;
            const double nextVelocity = u * CheckedDiv(inlet.density, endDensity) * CheckedDiv(a1, area);
            pressure += stepDensity * (velocity * velocity / 2 - nextVelocity * nextVelocity / 2);
            CheckPassable(pressure, temperature);
            // Its 100 steps of 2 K are taken one by one: a run with no root ends within them or
            // below -273 degC, and where a table is clamped the balance depends on the order of
            // its evaluations, so that probes would move the state behind a fitting.
            if (adiabatic) {
                temperature = BalancedTemperature(energy, !inletBeyond, noise, temperature, kInletFirstStepK,
                                                  inletEnergy, kInletEnergyTolerance, kInletTemperatureSteps, false,
                                                  [&](StreamEnergy& e, double t) {
                                                      CheckPassable(pressure, t);
                                                      return e.AtVelocity(pressure, t, nextVelocity);
                                                  });
            }
            velocity = nextVelocity;
            density = stepDensity;
        }
        const double change = pressure - previousOutlet;
        const bool settled = std::fabs(change) < kInletPassTolerance * inletPressure;
        grownInRow = std::fabs(change) > std::fabs(previousChange) ? grownInRow + 1 : 0;
        if (!settled && lineBeyondTables &&
            ((std::fabs(change) >= kUnsettledInletShare * inletPressure &&
              !ShrinksWithItsSign(change, previousChange)) ||
             (grownInRow >= kGrowingInletPasses && std::fabs(change) >= kGrowingInletShare * inletPressure)))
            throw CalcError("the state behind the cross-section does not settle");
        previousChange = change;
        previousOutlet = pressure;
        p2 = CheckFinite(pressure, "state behind the cross-section is no number");
        t2 = CheckFinite(temperature, "state behind the cross-section is no number");
        if (settled || steps >= kAreaStepsDoubledBelow) break;
        // Its passes end at 128 steps: beyond the tables they may take the work of a walk that
        // settles.
        if (!LineWorkAllowsTwice(workBefore, true)) {
            // Beyond the tables, or on cp, a state its bound held before it settled is no state.
            if (LineSettlingOnly()) throw CalcError("the state behind the cross-section does not settle");
            break;
        }
    }
}

void LinePropertiesOutlet(const std::string& medium, double& temperature, int segments, double massFlow,
                          double diameter, double inletPressure, double inletTemperature, double rise,
                          double outletPressure, bool holdsFitting) {
    if (NoState(medium)) return;
    // No drop and no rise: nothing changes the stream's energy, the outlet is at the inlet's
    // temperature.
    if (outletPressure == inletPressure && rise == 0.0) {
        temperature = CheckFinite(inletTemperature, "outlet temperature is no number");
        return;
    }
    bool inletBeyond = false;
    const LineMediumProperties inlet = KeptMediumAt(medium, inletPressure, inletTemperature, false, inletBeyond);
    const double firstStep = 1.0 / segments;
    if (inletBeyond && AcrossClampedEdge(medium, inletPressure, outletPressure, inletTemperature, inlet, firstStep)) {
        temperature = CheckFinite(inletTemperature, "outlet temperature is no number");
        return;
    }
    const double area = Area(diameter);
    const double inletVelocity = CheckedDiv(massFlow, inlet.density * area);
    const double inletEnergy = kJoulePerKilojoule * inlet.enthalpy + inletVelocity * inletVelocity / 2;
    const double tolerance = std::max(
        kOutletToleranceFloor,
        kOutletToleranceFactor * CheckedDiv(std::fabs(inletPressure - outletPressure), inletPressure) / segments);
    // Steps of 1/segments K reach 1000/segments K: as far as a segment's share of its stretch
    // goes, but a fitting's loss is no share.
    const int steps = holdsFitting ? kOutletTemperatureSteps * segments : kOutletTemperatureSteps;
    StreamEnergy energy(medium, massFlow, area, inletTemperature);
    energy.SetInlet(inlet);
    const double t = BalancedTemperature(
        energy, !inletBeyond, BalanceNoise(inlet), inletTemperature, firstStep, inletEnergy, tolerance, steps, true,
        [&](StreamEnergy& e, double at) { return e.AtState(outletPressure, at, rise); });
    temperature = CheckFinite(t, "outlet temperature is no number");
}

}  // namespace tubalyx
