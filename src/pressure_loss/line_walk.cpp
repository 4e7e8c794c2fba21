#include "pressure_loss/line_walk.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "flow/reynolds.h"
#include "media/medium_identification.h"
#include "media/medium_property_switch.h"
#include "media/possible_state.h"
#include "media/typed_phase.h"
#include "numerics/checked.h"
#include "numerics/unit_parser.h"
#include "pressure_loss/fitting_catalogue.h"
#include "pressure_loss/line_properties.h"
#include "pressure_loss/line_segment.h"
#include "pressure_loss/valve_sizing.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/pressure_loss_state.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "state/valve_state.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

constexpr double kSecondsPerHour = 3600.0;
constexpr double kBarPerPa = 1e-5;
// The next stretch begins this far (m) behind the fitting that ended the last one.
constexpr double kStretchGap = 1e-7;
// A drop this small against the inlet pressure is no drop.
constexpr double kNoDropShare = 1e-12;
// A stretch ends at a fitting or at the line's end, so there are at most one more than fittings.
constexpr int kStretchLimit = kFittingColumnCount + 1;
// The passes in a row from whose ends the next stretch chokes before the walk ends there, and
// the share of its work a walk spends at most on such looks (one part in this many).
constexpr int kChokedLooks = 2;
constexpr std::uint64_t kLookShare = 10;

class PhaseLetterKept {
public:
    PhaseLetterKept() : saved_(PhaseLetter) {}
    ~PhaseLetterKept() { PhaseLetter = saved_; }
    PhaseLetterKept(const PhaseLetterKept&) = delete;
    PhaseLetterKept& operator=(const PhaseLetterKept&) = delete;

private:
    char saved_;
};

bool HasDescription(int column) { return !CalculationWindow().Motstandgrid.Cell(column, 1).empty(); }

bool IsCrossSection(int kind) { return kind >= 30 && kind <= 34; }
bool IsBranch(int kind) { return kind >= 70 && kind <= 73; }
constexpr int kHeightRow = 81;

// A line whose static pressure can rise: one that widens or gives off flow at a tee (the
// velocity it loses turns into pressure), or a height row whose height term gives pressure back
// (a medium denser than air falling, one lighter rising). On any other line an outlet above the
// inlet comes of a state no medium has.
bool LineCanGainPressure() {
    for (int c = 1; c <= kFittingColumnCount; ++c) {
        if (!HasDescription(c)) continue;
        const int kind = ResistanceKind[c];
        if (IsCrossSection(kind) || IsBranch(kind) || (kind == kHeightRow && HeightPressureSum[c] < 0)) return true;
    }
    return false;
}

// The pressure (Pa) the line's height rows give back where they fall.
double HeightGain() {
    double gain = 0.0;
    for (int c = 1; c <= kFittingColumnCount; ++c) gain += std::fmax(0.0, -HeightPressureSum[c]);
    return gain;
}

// The state at a point of the walk as the medium routines gave it.
MediumStateValues WalkState(const LineMediumProperties& m, double dryDensity, double vapourDensity) {
    MediumStateValues s;
    s.density = m.density;
    s.dryDensity = dryDensity;
    s.vapourDensity = vapourDensity;
    s.viscosity = m.viscosity;
    s.kappa = m.kappa;
    s.cp = m.cp;
    s.cv = m.cv;
    s.enthalpy = m.enthalpy;
    return s;
}

class LineWalker {
public:
    LineWalker()
        : medium_(MediumCode == kMediumWetSteam ? std::string(kMediumSteam) : MediumCode),
          liquidPhase_(IsLiquidPhase(PhaseLetter) || TakenAsLiquid(medium_)),
          gas_(IsGasMedium(medium_)),
          adiabatic_(ExpansionModeLetter != kExpansionIsothermal),
          boilingPressure_(TakenAsLiquid(medium_) ? LiquefiedGasSaturationPressurePa(medium_, OperatingTemperature)
                                                  : 0.0) {}

    const std::string& Medium() const { return medium_; }

    // A liquid of given properties, or one whose properties are those of the inlet state (a
    // liquefied gas taken as its liquid), walks a stretch in one segment: there is nothing to
    // refine. (A phase picked on the saturation line keeps its refinement.)
    bool OneSegmentPerStretch() const { return medium_ == kMediumLiquid || TakenAsLiquid(medium_); }

    // The medium at a point of the line (a liquid phase at the operating state, where it
    // cannot boil) into the medium state, the state's density, viscosity, kappa and velocity
    // with it.
    void Evaluate(LineFlowState& s) const {
        const LineMediumProperties m = liquidPhase_
                                           ? SetWalkMediumState(medium_, OperatingPressure, OperatingTemperature)
                                           : SetWalkMediumState(medium_, s.pressure, s.temperature);
        RequirePossibleState(WalkState(m, DryGasDensity, VapourPartDensity), medium_);
        s.density = m.density;
        s.viscosity = m.viscosity;
        s.kappa = m.kappa;
        s.velocity = Velocity(s, m.viscosity, m.density);
        RequireBelowSound(s.velocity, s.pressure, m);
        LineVelocity = s.velocity;
        MeetDynamicPressure(m.density, s.velocity);
    }

    // The largest dynamic pressure (Pa) of the states walked: a change of cross-section or a
    // tee gives back at most so much static pressure.
    double LargestDynamicPressure() const { return largestDynamic_; }

    static double Velocity(const LineFlowState& s, double viscosity, double density) {
        const double re = ReynoldsNumber(s.diameter, viscosity, s.massFlow);
        return CheckedDiv(CheckedDiv(re * viscosity, s.diameter), density);
    }

    // A pass of n segments over [x0, e] from the stretch inlet; the state at its end. With
    // `abandonable`, none once the walk's work goes beyond its bound (beyond the tables, the work
    // of a walk that settles: a pass begun within the bound is judged at its end); with
    // `gridOutput` the fittings' zeta and drops are written into the grid.
    std::optional<LineFlowState> Pass(const LineFlowState& inlet, int n, double x0, double e, bool abandonable,
                                      bool gridOutput = true) const {
        HeightZetaSum = HeightZetaSaved;
        HeightPressureSum = HeightPressureSaved;
        FlowDensity = inlet.density;
        DynamicViscosityPas = inlet.viscosity;
        KappaOperating = inlet.kappa;
        LineVelocity = inlet.velocity;
        StretchFrictionSum = 0.0;
        LineFlowState s = inlet;
        for (int k = 1; k <= n; ++k) {
            const LineSegmentLoss seg =
                ComputeLinePressureLoss(false, medium_, n, s, x0 + (k - 1) * (e - x0) / n, e - x0, gridOutput);
            LastPassZetaSum = seg.zetaSum;
            AfterSegment(s, seg, n);
            if (abandonable && !LineWorkAllows(0, true)) return std::nullopt;
        }
        return s;
    }

private:
    void MeetDynamicPressure(double density, double velocity) const {
        largestDynamic_ = std::fmax(largestDynamic_, density * velocity * velocity / 2);
    }

    // A gas line chokes where its flow reaches the speed of sound (the isothermal one where the
    // line keeps its temperature); a liquefied gas taken as its liquid does not.
    void RequireBelowSound(double velocity, double pressure, const LineMediumProperties& m) const {
        if (gas_ && GivesHeatCapacities(m.kappa, m.cp, m.cv) &&
            !BelowSpeedOfSound(velocity, adiabatic_ ? m.kappa : 1.0, pressure, m.density))
            throw CalcError("the flow reaches the speed of sound");
    }

    // The pressure (Pa) the stream at `s` reaches where it is brought to rest without loss,
    // p exp(rho v^2 / 2p): that of an isothermal gas, above the isentropic one of any gas and
    // above a liquid's p + rho v^2 / 2. Where a widening gives back more, the walk's step across it
    // began from a state its flow cannot reach (the fitting's loss taken before the widening, at
    // the narrow pipe's velocity, near the speed of sound).
    static double StagnationPressure(const LineFlowState& s) {
        return s.pressure * std::exp(CheckedDiv(s.density * s.velocity * s.velocity, 2 * s.pressure));
    }

    static void CheckPressure(double pressure) {
        // An absolute pressure of zero or below: the line cannot carry this flow.
        if (!(pressure > 0)) throw CalcError("the line pressure falls to zero");
    }

    // A liquefied gas taken as its liquid boils where the line takes it to its vapour pressure
    // at the inlet temperature: the line carries no liquid there, and its drop is no longer the
    // liquid's.
    void CheckLiquid(double pressure) const {
        if (boilingPressure_ > 0 && !(pressure > boilingPressure_)) throw CalcError("the liquid boils in the line");
    }

    void AfterSegment(LineFlowState& s, const LineSegmentLoss& seg, int n) const {
        const double inletPressure = s.pressure, inletTemperature = s.temperature;
        const double inletStagnation = StagnationPressure(s);
        s.pressure = CheckFinite(s.pressure - seg.drop, "line pressure is no number");
        StretchFrictionSum += seg.frictionDrop;
        CheckPressure(s.pressure);
        CheckLiquid(s.pressure);
        if (adiabatic_)
            LinePropertiesOutlet(medium_, s.temperature, n, s.massFlow, s.diameter, inletPressure, inletTemperature,
                                 seg.rise, s.pressure, seg.holdsFitting);
        const int r = seg.lastFitting;
        if (r >= 1 && r <= kFittingColumnCount) AcrossFitting(s, r, n, inletStagnation);
        LineLocalTemperature = s.temperature;
        Evaluate(s);
    }

    // Behind a change of cross-section or a tee: the static state across the change, and the
    // fitting's zeta at the new velocity. A valve or a throat device leaves pipe and flow as they
    // were, and the segment's drop holds its loss already: nothing more to take behind it.
    // Every energy balance takes the velocity of the flow through the pipe where it stands: the
    // new diameter behind a change of cross-section, the flow that goes on behind a tee.
    // No static pressure behind a change of cross-section lies above the stagnation pressure of the
    // stream that entered its segment: `inletStagnation`.
    void AcrossFitting(LineFlowState& s, int r, int n, double inletStagnation) const {
        const int kind = ResistanceKind[r];
        if (!IsCrossSection(kind) && !IsBranch(kind)) return;
        double p2 = s.pressure, t2 = s.temperature;
        const double D = s.diameter, share = ResistanceParamA[r];
        double next = D;
        // A tee's share is its own path's share of the tee's whole flow: a dividing tee's path
        // (70, 71) carries that share on, a combining tee's path (72, 73) gains the whole flow from
        // it. The state across it is that of a pipe whose area changes the velocity as much.
        switch (kind) {
            case 32: next = D * 1.5; break;
            case 33: next = D * 3.0; break;
            case 70:
            case 71: next = CheckedDiv(D, CheckedSqrt(0.01 * share)); break;
            case 72:
            case 73: next = CheckedDiv(D, CheckedSqrt(CheckedDiv(100, share))); break;
            default: next = 0.001 * ResistanceParamB[r]; break;
        }
        LinePropertiesInlet(medium_, p2, t2, s.massFlow, D, next, s.pressure, s.temperature);
        CheckLiquid(p2);
        if (IsCrossSection(kind)) s.diameter = next;
        if (kind == 72 || kind == 73) s.massFlow *= CheckedDiv(100, share);
        const LineMediumProperties m = liquidPhase_ ? LineMediumAt(medium_, OperatingPressure, OperatingTemperature)
                                                    : LineMediumAt(medium_, p2, t2);
        RequirePossibleState(WalkState(m, 0.0, 0.0), medium_);
        const double w = Velocity(s, m.viscosity, m.density);
        RequireBelowSound(w, p2, m);
        MeetDynamicPressure(m.density, w);
        const double zeta = ResistanceZeta[r];
        double pressure = 0.0;
        if (!gas_) {
            pressure = p2 - zeta * m.density * 0.5 * w * w;
        } else {
            const double t = (p2 - zeta * m.density * w * w) * p2;
            pressure = t > 0 ? std::sqrt(t) : -std::sqrt(std::fabs(t));
        }
        CheckPressure(pressure);
        CheckLiquid(pressure);
        if (IsCrossSection(kind) && pressure > inletStagnation)
            throw CalcError(
                "the pressure behind the change of cross-section exceeds the stagnation pressure before it");
        s.temperature = t2;
        // The fitting's zeta is that of the tee's whole flow; what goes on is its share.
        if (kind == 70 || kind == 71) s.massFlow *= 0.01 * share;
        if (adiabatic_)
            LinePropertiesOutlet(medium_, s.temperature, n, s.massFlow, s.diameter, p2, t2, 0.0, pressure, true);
        s.pressure = pressure;
    }

    std::string medium_;
    mutable double largestDynamic_ = 0.0;
    bool liquidPhase_;
    bool gas_;
    bool adiabatic_;
    double boilingPressure_;  // Pa; 0 where the line takes no liquefied gas as its liquid
};

// A walk beyond its medium's tables, or with its balance on cp, held by its bound before its drop
// settled has no number to print.
void RequireSettled() {
    if (LineSettlingOnly()) throw CalcError("the walk does not settle within its bound");
}

bool Settled(double previous, double drop) {
    if (drop == previous || std::fabs(drop) <= kNoDropShare * OperatingPressure) return true;
    return std::fabs(drop - previous) / std::fabs(drop) < kStretchSettledShare;
}

void ResetLineResults() {
    for (int c = 1; c <= kFittingColumnCount; ++c)
        HeightPressureSum[c] = HeightPressureSaved[c] = HeightZetaSum[c] = HeightZetaSaved[c] = 0.0;
    LineFrictionLoss = LineTotalDrop = StretchDrop = StretchFrictionSum = 0.0;
    WholeLineDrop = WholeLineFrictionDrop = LineZetaTotal = LastPassZetaSum = 0.0;
}

}  // namespace

bool RefinementStalled(int segments, std::span<const double> changes) {
    if (segments < kStalledSegments || changes.size() < kStalledDoublings + 1) return false;
    for (std::size_t i = changes.size() - kStalledDoublings; i < changes.size(); ++i)
        if (!(std::fabs(changes[i]) >= kStalledShare * std::fabs(changes[i - 1]))) return false;
    return true;
}

bool RefinementSwings(int segments, std::span<const double> changes) {
    if (segments < kStalledSegments || changes.size() < kSwingingChanges) return false;
    const std::span<const double> last = changes.last(kSwingingChanges);
    for (std::size_t i = 1; i < last.size(); ++i)
        if (!(last[i] * last[i - 1] < 0)) return false;
    return std::fabs(last.back()) >= kSwingingShare * std::fabs(last.front());
}

bool RefinementUnsettled(int segments, std::span<const double> changes, double drop) {
    if (segments < kEarlyJudgedSegments || changes.size() < 2) return false;
    const double last = changes.back(), before = changes[changes.size() - 2];
    return std::fabs(last / drop) >= kLargeChangeShare && !ShrinksWithItsSign(last, before);
}

bool RefinementSettles(int segments, std::span<const double> changes, double drop, std::uint64_t passWork,
                       std::uint64_t workLeft) {
    if (changes.empty()) return 2 * passWork <= workLeft;
    // The last few changes: where one of them is large, they must shrink with one sign.
    const std::span<const double> recent = changes.last(std::min<std::size_t>(changes.size(), kJudgedChanges));
    bool anyLarge = false;
    for (const double c : recent) anyLarge = anyLarge || std::fabs(c / drop) >= kLargeChangeShare;
    if (anyLarge) {
        for (std::size_t i = 1; i < recent.size(); ++i)
            if (!ShrinksWithItsSign(recent[i], recent[i - 1])) return false;
    }
    double share = std::fabs(changes.back() / drop);
    std::uint64_t work = 0, pass = passWork;
    for (int n = segments; share >= kStretchSettledShare && n <= kLineSegmentLimit; n *= 2) {
        pass *= 2;
        work += pass;
        if (work > workLeft) return false;
        share /= 2;
    }
    return true;
}

namespace {

// Where the stretch that begins at x0 ends: at the first fitting from x0 on, or at the line's end.
double StretchEnd(double x0, double length) {
    double e = length;
    for (int c = 1; c <= kFittingColumnCount; ++c)
        if (x0 <= ResistancePosition[c] && ResistancePosition[c] <= e && HasDescription(c)) e = ResistancePosition[c];
    return e;
}

double NextStretchStart(double e) {
    return std::fmax(e + kStretchGap, std::nextafter(e, std::numeric_limits<double>::infinity()));
}

// Whether the next stretch, from `state` at its inlet x0, cannot pass its first pass of the walk:
// the pass the walk makes once the stretch before has settled at that state. The walk's state and
// the grid are left as they were.
bool NextStretchChokes(const LineWalker& walker, LineFlowState state, double x0, double length) {
    const LineLookAhead ahead;
    const LineWalker look = walker;
    const FittingValueArray zetaSum = HeightZetaSum, pressureSum = HeightPressureSum;
    const FittingValueArray zetaSaved = HeightZetaSaved, pressureSaved = HeightPressureSaved;
    const double frictionSum = StretchFrictionSum, lastZetaSum = LastPassZetaSum;
    HeightZetaSaved = HeightZetaSum;
    HeightPressureSaved = HeightPressureSum;
    bool chokes = false;
    try {
        const double e = StretchEnd(x0, length);
        look.Evaluate(state);
        look.Pass(state, e == x0 ? 1 : 2, x0, e, false, false);
    } catch (const CalcError&) {
        chokes = true;
    }
    HeightZetaSum = zetaSum;
    HeightPressureSum = pressureSum;
    HeightZetaSaved = zetaSaved;
    HeightPressureSaved = pressureSaved;
    StretchFrictionSum = frictionSum;
    LastPassZetaSum = lastZetaSum;
    return chokes;
}

PressureLossWalk WalkLine() {
    PressureLossWalk walk;
    const bool line = CalcFunction == kFunctionPressureLoss;
    LineLocalTemperature = OperatingTemperature;
    LineDiameter = PipeDiameterColdM;
    MaxMassFlow = ConvertPressureEntry(FlowUnit) == kUnitMassFlow ? MaxFlowSI / kSecondsPerHour
                                                                  : MaxFlowSI / kSecondsPerHour * FlowDensity * 0.001;
    LineMassFlow = MaxMassFlow;
    ResetLineResults();
    LineOutletPressure = OperatingPressure;
    if (IsVapourPhase(PhaseLetter)) PhaseLetter = kPhaseNone;
    const LineWalker walker;
    const std::string& medium = walker.Medium();
    const double length = StraightLengthM;
    double x0 = 0.0;
    const LineWorkBound bound;
    const DescribedFittingsKept fittings;
    double tubeInletReynolds = 0.0;
    std::uint64_t lookWork = 0;

    do {
        ++walk.stretches;
        const double e = StretchEnd(x0, length);

        LineFlowState inlet{.massFlow = LineMassFlow,
                            .diameter = LineDiameter,
                            .pressure = LineOutletPressure,
                            .temperature = LineLocalTemperature};
        walker.Evaluate(inlet);
        ReynoldsAtMaxFlow = ReynoldsNumber(LineDiameter, inlet.viscosity, LineMassFlow);
        if (walk.stretches == 1) tubeInletReynolds = ReynoldsAtMaxFlow;
        InletPressureBar = kBarPerPa * OperatingPressure;
        const ValveSaturationPressures saturation =
            ValveSaturationPressuresBar(medium, OperatingTemperature, VapourPressurePa, LiquidCriticalPressurePa);
        VapourPressureBar = saturation.vapourPressureBar;
        CriticalPressureBar = saturation.criticalPressureBar;
        if (!line) break;

        if (x0 == 0.0) {
            const LineSegmentLoss whole = ComputeLinePressureLoss(false, medium, 1, inlet, 0.0, length, true);
            WholeLineDrop = whole.drop;
            WholeLineFrictionDrop = whole.frictionDrop;
            LineZetaTotal = whole.zetaSum;
        }

        // A stretch of no length is one segment too.
        const bool oneSegment = walker.OneSegmentPerStretch() || e == x0;
        int n = 1;
        LineFlowState end;
        std::vector<double> changes;
        int chokedLooks = 0;
        for (;;) {
            if (!oneSegment) n *= 2;
            const std::uint64_t workBefore = LineWork();
            const std::optional<LineFlowState> pass = walker.Pass(inlet, n, x0, e, n > 2);
            if (!pass) {
                RequireSettled();
                // Beyond the bound: the pass before stands, taken again for what it leaves behind.
                n /= 2;
                end = *walker.Pass(inlet, n, x0, e, false);
                break;
            }
            end = *pass;
            const double previous = StretchDrop;
            StretchDrop = OperatingPressure - end.pressure;
            if (oneSegment || n > kLineSegmentLimit || Settled(previous, StretchDrop)) break;
            const std::uint64_t passWork = LineWork() - workBefore;
            // The first pass's change is against the last stretch's drop: it says nothing.
            if (n > 2) changes.push_back(StretchDrop - previous);
            const bool stops = RefinementStalled(n, changes) || RefinementSwings(n, changes);
            if (!stops && LineBeyondTables() && RefinementUnsettled(n, changes, StretchDrop))
                throw CalcError("the walk beyond the tables does not settle");
            // Twice the segments, some twice the work: beyond the tables, past kLineWorkBound, only
            // as long as the drop settles. It is judged before any look ahead, which cannot make it
            // settle.
            const bool judged = !stops && LineBeyondTables() && LineWork() + 2 * passWork > kLineWorkBound;
            if (judged) {
                // A pass begun within the bound may have ended beyond it: then no work is left.
                const std::uint64_t left = kSettlingWorkBound - std::min(LineWork(), kSettlingWorkBound);
                if (!RefinementSettles(n, changes, StretchDrop, passWork, left))
                    throw CalcError("the walk beyond the tables does not settle");
            }
            // A walk grown costly looks ahead, as long as its looks have taken no more than a
            // share of its work, and after a look that chokes at the next pass: where the next
            // stretch chokes from the ends of two passes in a row, the refinement has come too near
            // its drop to let the flow through.
            if (e < length &&
                (chokedLooks > 0 || (LineWork() >= kLineWorkBound && kLookShare * lookWork <= LineWork()))) {
                const std::uint64_t lookStart = LineWork();
                chokedLooks = NextStretchChokes(walker, end, NextStretchStart(e), length) ? chokedLooks + 1 : 0;
                lookWork += LineWork() - lookStart;
                if (chokedLooks == kChokedLooks) throw CalcError("the flow chokes in the next stretch");
            }
            if (stops) break;
            if (judged) LetLineSettle();
            if (!LineWorkAllows(2 * passWork)) {
                RequireSettled();
                break;
            }
        }
        walk.lastSegments = n;

        LineFrictionLoss += StretchFrictionSum;
        LineTotalDrop = StretchDrop;
        x0 = NextStretchStart(e);
        LineMassFlow = end.massFlow;
        LineDiameter = end.diameter;
        LineOutletPressure = end.pressure;
        LineLocalTemperature = end.temperature;
        HeightZetaSaved = HeightZetaSum;
        HeightPressureSaved = HeightPressureSum;
    } while (x0 < length && walk.stretches < kStretchLimit);
    // The reports give the Reynolds number with the tube inlet's state, not with the last stretch's.
    ReynoldsAtMaxFlow = tubeInletReynolds;

    if (line) {
        for (int c = 1; c <= kFittingColumnCount; ++c) LineZetaTotal += HeightZetaSum[c];
        LineOutletPressure = OperatingPressure - LineTotalDrop;
        // The static pressure rises only by what the line's velocity or height gives back.
        const double gain = LineOutletPressure - OperatingPressure;
        if (gain > 0 && (!LineCanGainPressure() || gain > walker.LargestDynamicPressure() + HeightGain()))
            throw CalcError("the line gains more pressure than its flow and height give back");
    } else {
        LineZetaTotal = 0.0;
        LineOutletPressure = OperatingPressure;
    }
    OutletDensity = FlowDensity;
    OutletViscosity = DynamicViscosityPas;
    OutletKappa = KappaOperating;
    return walk;
}

}  // namespace

PressureLossWalk CalculatePressureLossLine() {
    PressureLossWalk walk;
    {
        const PhaseLetterKept phase;
        try {
            walk = WalkLine();
        } catch (...) {
            // A walk that fails leaves no fitting result: its passes wrote the grid as they went.
            if (CalcFunction == kFunctionPressureLoss) ClearFittingResults();
            throw;
        }
    }
    // The reports describe the medium at the inlet.
    SetLineMediumState(MediumCode == kMediumWetSteam ? std::string(kMediumSteam) : MediumCode, OperatingPressure,
                       OperatingTemperature);
    return walk;
}

}  // namespace tubalyx
