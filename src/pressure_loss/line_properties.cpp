#include "pressure_loss/line_properties.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <numbers>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "media/medium_enthalpy.h"
#include "media/medium_identification.h"
#include "media/medium_properties.h"
#include "media/property_work.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "numerics/physical_constants.h"
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

private:
    static bool Same(double a, double b) { return std::fabs(a - b) <= kSameEnthalpyShare * std::fabs(a); }

    // The search calls this at every trial: only what the balance reads. Steam comes without
    // its cp then, which only a clamped state asks for.
    double Enthalpy(double pressure, double temperature) {
        const LineMediumProperties m = LineMediumAt(medium_, pressure, temperature, true);
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

    double Run(double temperature, double firstStep, int steps, bool probeRuns) {
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

}  // namespace

double SearchTemperature(double start, double firstStep, double target, double tolerance, int steps, bool probeRuns,
                         const std::function<double(double)>& energy) {
    return TemperatureSearch(target, tolerance, energy).Run(start, firstStep, steps, probeRuns);
}

namespace {

// What a medium's state depends on besides its point, for the media whose state reads nothing
// else and writes nothing but its answer.
struct StateContext {
    // The composition, then the given values and the humidity measures. Compared by their bits:
    // a value not given may be NaN, the same NaN from state to state.
    std::array<double, std::tuple_size_v<GasCompositionArray> + 15> values{};
    std::string humidityKind;
    bool humidGas = false;
    char phase = 0;
    bool operator==(const StateContext& o) const {
        return std::memcmp(values.data(), o.values.data(), sizeof values) == 0 && humidityKind == o.humidityKind &&
               humidGas == o.humidGas && phase == o.phase;
    }
};

StateContext CurrentContext() {
    StateContext c{{}, HumidityInputKind, HumidGasFlag, PhaseLetter};
    const auto rest = std::copy(GasComposition.begin(), GasComposition.end(), c.values.begin());
    const double given[] = {NaturalGasZ,
                            GivenDensity,
                            GivenViscosityPas,
                            GivenCp,
                            GivenCv,
                            GivenKappa,
                            GivenCriticalTemperatureK,
                            GivenMolarMass,
                            GivenEnthalpy,
                            GivenZ1,
                            GivenZn,
                            AbsoluteHumidity,
                            SpecificHumidity,
                            DewTemperatureC,
                            RelativeHumidity};
    std::copy(std::begin(given), std::end(given), rest);
    return c;
}

struct StateKey {
    std::uint64_t pressure, temperature;
    bool balanceOnly;
    bool operator==(const StateKey&) const = default;
};

struct StateKeyHash {
    std::size_t operator()(const StateKey& k) const {
        // The states of a walk differ in the last bits of their temperature: all bits are mixed.
        std::uint64_t x = k.pressure ^ (k.temperature * 0x9E3779B97F4A7C15ULL) ^ (k.balanceOnly ? 1 : 0);
        x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
        x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
        return static_cast<std::size_t>(x ^ (x >> 31));
    }
};

// The hardest walks ask for millions of states: this many are kept (some 40 MB).
constexpr std::size_t kMostKeptStates = 400000;

struct KeptStates {
    std::string medium;
    StateContext context;
    // The medium's state writes into what it depends on (methane and natural gas their Z): it
    // is evaluated anew every time.
    bool writesContext = false;
    // Each with the property evaluations it took and whether it lay beyond the tables.
    struct Kept {
        LineMediumProperties properties;
        std::uint64_t work;
        bool beyond;
    };
    std::unordered_map<StateKey, Kept, StateKeyHash> states;
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

LineMediumProperties MediumAt(const std::string& medium, double pressure, double temperature, bool balanceOnly) {
    double absolute = AbsoluteHumidity, specific = SpecificHumidity, dew = DewTemperatureC, relative = RelativeHumidity;
    double p = pressure, t = temperature;
    double density = 0, dry = 0, vapour = 0, viscosity = 0, kappa = 0, cp = 0, cv = 0, vapourPressure = 0, enthalpy = 0;
    MediumPropertiesAtState(false, medium, GasComposition, GivenDensity, GivenViscosityPas, GivenCp, GivenCv,
                            GivenKappa, GivenCriticalTemperatureK, GivenMolarMass, p, t, HumidityInputKind, absolute,
                            specific, dew, relative, density, dry, vapour, viscosity, kappa, cp, cv, vapourPressure,
                            enthalpy, balanceOnly ? StateReading::Balance : StateReading::Properties);
    LineMediumProperties m{CheckFinite(density, "medium density is no number"), viscosity, kappa, cp, cv, enthalpy};
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
                                   bool& beyond) {
    const LineMediumProperties m = MediumAt(medium, pressure, temperature, balanceOnly);
    beyond = StateBeyondTables(medium, pressure, temperature);
    MeetState(beyond, balanceOnly);
    return m;
}

// LineMediumAt, telling whether the state lies beyond the medium's tables.
LineMediumProperties KeptMediumAt(const std::string& medium, double pressure, double temperature, bool balanceOnly,
                                  bool& beyond) {
    beyond = false;
    if (!keptStates || !Keepable(medium)) return NotedMediumAt(medium, pressure, temperature, balanceOnly, beyond);
    KeptStates& kept = *keptStates;
    StateContext context = CurrentContext();
    if (medium != kept.medium) {
        kept.medium = medium;
        kept.writesContext = false;
        kept.states.clear();
    }
    if (kept.writesContext) return NotedMediumAt(medium, pressure, temperature, balanceOnly, beyond);
    if (!(context == kept.context)) {
        kept.states.clear();
        kept.context = std::move(context);
    }
    const StateKey key{std::bit_cast<std::uint64_t>(pressure), std::bit_cast<std::uint64_t>(temperature), balanceOnly};
    if (const auto k = kept.states.find(key); k != kept.states.end()) {
        lineWorkReplayed += k->second.work;
        beyond = k->second.beyond;
        MeetState(beyond, balanceOnly);
        return k->second.properties;
    }
    const std::uint64_t before = PropertyWork;
    const LineMediumProperties m = NotedMediumAt(medium, pressure, temperature, balanceOnly, beyond);
    if (!(CurrentContext() == kept.context)) {
        kept.writesContext = true;
        kept.states.clear();
    } else if (kept.states.size() < kMostKeptStates) {
        kept.states.emplace(key, KeptStates::Kept{m, PropertyWork - before, beyond});
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

}  // namespace

KeptLineStates::KeptLineStates() {
    if (!keptStates) {
        keptStates = std::make_unique<KeptStates>();
        owner_ = true;
    }
}

KeptLineStates::~KeptLineStates() {
    if (owner_) keptStates.reset();
}

LineWorkBound::LineWorkBound() {
    if (!lineWorkBounded) {
        lineWorkBounded = owner_ = true;
        lineWorkStart = PropertyWork;
        lineWorkReplayed = 0;
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
    for (std::size_t i = 0; i < labels_.size(); ++i) labels_[i] = *kLivePropertyLabels[i];
}

SaturatedVapourAtItsPressure::~SaturatedVapourAtItsPressure() {
    if (!vapour_) return;
    PhaseLetter = phase_;
    ExpansionModeLetter = expansion_;
    for (std::size_t i = 0; i < labels_.size(); ++i) *kLivePropertyLabels[i] = std::move(labels_[i]);
}

LineMediumProperties LineMediumAt(const std::string& medium, double pressure, double temperature, bool balanceOnly) {
    bool beyond = false;
    return KeptMediumAt(medium, pressure, temperature, balanceOnly, beyond);
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
    const LineMediumProperties inlet = LineMediumAt(medium, inletPressure, inletTemperature);
    const double a1 = Area(oldDiameter), a2 = Area(newDiameter);
    const double u = CheckedDiv(massFlow, inlet.density * a1);
    const double inletEnergy = kJoulePerKilojoule * inlet.enthalpy + u * u / 2;
    double previousOutlet = std::numeric_limits<double>::quiet_NaN();
    for (int steps = 2;; steps *= 2) {
        const std::uint64_t workBefore = LineWork();
        double pressure = inletPressure, temperature = inletTemperature;
        double velocity = u, density = inlet.density;
        StreamEnergy energy(medium, massFlow, a1, inletTemperature);
        energy.SetInlet(inlet);
        for (int k = 1; k <= steps; ++k) {
            const double area = a1 - k * (a1 - a2) / steps;
            const double stepDensity = LineMediumAt(medium, pressure, temperature).density;
            // The density at the end of the step, extrapolated from the two before it.
            const double endDensity = 2 * stepDensity - density;
            const double nextVelocity = u * CheckedDiv(inlet.density, endDensity) * CheckedDiv(a1, area);
            pressure += stepDensity * (velocity * velocity / 2 - nextVelocity * nextVelocity / 2);
            CheckPassable(pressure, temperature);
            // Its 100 steps of 2 K are taken one by one: a run with no root ends within them or
            // below -273 degC, and where a table is clamped the balance depends on the order of
            // its evaluations, so that probes would move the state behind a fitting.
            if (adiabatic) {
                temperature = SearchTemperature(temperature, kInletFirstStepK, inletEnergy, kInletEnergyTolerance,
                                                kInletTemperatureSteps, false, [&](double t) {
                                                    CheckPassable(pressure, t);
                                                    return energy.AtVelocity(pressure, t, nextVelocity);
                                                });
            }
            velocity = nextVelocity;
            density = stepDensity;
        }
        const bool settled = std::fabs(pressure - previousOutlet) < kInletPassTolerance * inletPressure;
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
    StreamEnergy energy(medium, massFlow, area, inletTemperature);
    energy.SetInlet(inlet);
    const double inletVelocity = CheckedDiv(massFlow, inlet.density * area);
    const double inletEnergy = kJoulePerKilojoule * inlet.enthalpy + inletVelocity * inletVelocity / 2;
    const double tolerance = std::max(
        kOutletToleranceFloor,
        kOutletToleranceFactor * CheckedDiv(std::fabs(inletPressure - outletPressure), inletPressure) / segments);
    // Steps of 1/segments K reach 1000/segments K: as far as a segment's share of its stretch
    // goes, but a fitting's loss is no share.
    const int steps = holdsFitting ? kOutletTemperatureSteps * segments : kOutletTemperatureSteps;
    const double t = SearchTemperature(inletTemperature, firstStep, inletEnergy, tolerance, steps, true,
                                       [&](double at) { return energy.AtState(outletPressure, at, rise); });
    temperature = CheckFinite(t, "outlet temperature is no number");
}

}  // namespace tubalyx
