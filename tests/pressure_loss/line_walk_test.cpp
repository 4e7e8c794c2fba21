// The walk along a line and the state across a change of cross-section, against
// Darcy-Weisbach, the isothermal compressible-flow integral, Bernoulli and the energy balance.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "flow/reynolds.h"
#include "grid_test_support.h"
#include "media/property_work.h"
#include "numerics/checked.h"
#include "pressure_loss/line_properties.h"
#include "pressure_loss/line_resistance.h"
#include "pressure_loss/line_walk.h"
#include "state/flow_results.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/pressure_loss_state.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

constexpr double kPi = std::numbers::pi;

class LineWalkTest : public ::testing::Test {
protected:
    void SetUp() override {
        gridtest::ResetResistanceGrid();
        OperatingPressure = 5e5;
        OperatingTemperature = 20;
        FlowUnit = "kg/h";
        MaxFlowSI = 36000;  // 10 kg/s
        PipeDiameterColdM = 0.1;
        PipeDiameterColdMm = 100;
        StraightLengthM = 100;
        PipeRoughnessMm = 0.05;
    }
    // A liquid of given density and viscosity.
    static void GivenLiquid() {
        MediumCode = "VÄT";
        PhaseLetter = 'V';
        GivenDensity = FlowDensity = 998.2;
        GivenViscosityValue = 1;
        ViscosityUnit = "mPas";
    }
    static void Air(double flowKgPerHour) {
        MediumCode = "LUF";
        PhaseLetter = 'N';
        MaxFlowSI = flowKgPerHour;
    }
    static void Place(int column, int kind, double position) {
        ResistanceKind[column] = kind;
        ResistancePosition[column] = position;
        Form1().Motstandgrid.SetCell(column, 1, "fitting");
    }
};

TEST_F(LineWalkTest, GivenLiquidIsOneSegmentOfDarcyWeisbach) {
    GivenLiquid();
    const PressureLossWalk walk = CalculatePressureLossLine();
    EXPECT_EQ(walk.lastSegments, 1);
    EXPECT_NEAR(ReynoldsAtMaxFlow, 127324, 1);
    const double v = 10 / 998.2 / (kPi * 0.01 / 4);
    const double darcy = ColebrookFrictionFactor(0.05, 100, 127324) * 1000 * 998.2 * v * v / 2;
    EXPECT_NEAR(LineTotalDrop, darcy, 1e-3 * darcy);
    EXPECT_NEAR(LineTotalDrop / 1000, 16.01, 0.005);
    EXPECT_DOUBLE_EQ(LineFrictionLoss, LineTotalDrop);
    EXPECT_DOUBLE_EQ(LineOutletPressure, 5e5 - LineTotalDrop);
    EXPECT_EQ(LineLocalTemperature, 20);
}

// Isothermal ideal-gas flow with constant lambda and no kinetic term integrates to
// P1^2 - P2^2 = lambda L / D G^2 R T = lambda L / D rho1 v1^2 P1.
TEST_F(LineWalkTest, IsothermalAirLineMeetsTheIntegralOfItsLaw) {
    Air(3600);
    ExpansionModeLetter = 'T';
    const PressureLossWalk walk = CalculatePressureLossLine();
    EXPECT_GT(walk.lastSegments, 2);
    EXPECT_LE(walk.lastSegments, 16384);
    const LineMediumProperties inlet = LineMediumAt("LUF", 5e5, 20);
    const double v1 = 1 / inlet.density / (kPi * 0.01 / 4);
    const double lambda = ColebrookFrictionFactor(0.05, 100, ReynoldsNumber(0.1, inlet.viscosity, 1));
    const double p2 = std::sqrt(5e5 * 5e5 - lambda * 1000 * inlet.density * v1 * v1 * 5e5);
    EXPECT_NEAR(LineOutletPressure, p2, 0.002 * (5e5 - p2));
    EXPECT_EQ(LineLocalTemperature, 20);
    // Adiabatic: the expanding gas cools a little and drops about the same.
    ExpansionModeLetter = 'A';
    CalculatePressureLossLine();
    EXPECT_LT(LineLocalTemperature, 20);
    EXPECT_GT(LineLocalTemperature, 19);
    EXPECT_NEAR(LineOutletPressure, p2, 0.02 * (5e5 - p2));
}

TEST_F(LineWalkTest, NearlyBalancedGasLineEndsAtTheSegmentBound) {
    Air(4 * 3600);
    OperatingPressure = 50e5;
    ExpansionModeLetter = 'T';
    CalculatePressureLossLine();
    const double friction = LineTotalDrop;
    // Downhill by as much head as the friction takes: the drop is nearly nothing, and
    // every refinement changes it by more than its thousandth.
    Place(1, 81, 0);
    HeightRowLength[1] = 100;
    const double head = 9.81 * (LineMediumAt("LUF", 50e5, 20).density - 1.293);
    HeightRowRise[1] = -friction / head;
    CalculatePressureLossLine();
    HeightRowRise[1] -= LineTotalDrop / head;
    const PressureLossWalk walk = CalculatePressureLossLine();
    EXPECT_EQ(walk.lastSegments, 16384);
    EXPECT_TRUE(std::isfinite(LineTotalDrop));
    EXPECT_LT(std::fabs(LineTotalDrop), 0.01 * friction);
}

// The segments of the pass at which `stops` ends a refinement whose drop changes by `changes`
// at 4, 8, 16 ... segments; 0 when it runs on.
int SegmentsAtStop(bool (*stops)(int, std::span<const double>), const std::vector<double>& changes) {
    for (std::size_t k = 1; k <= changes.size(); ++k)
        if (stops(2 << k, std::span<const double>(changes.data(), k))) return 2 << k;
    return 0;
}

// The changes of the stretch drop at 4, 8, 16 ... segments, of walks as the window ran them.
TEST(RefinementStalled, OnlyADriftThatNeverShrinksEndsBeforeTheBound) {
    struct Case {
        const char* name;
        std::vector<double> changes;
        int stallsAt;  // segments, 0: runs on
    };
    // clang-format off
    const Case cases[] = {
        // Argon near its saturation line, humid: the drop drifts by some 80 Pa per doubling.
        {"argon drift", {289.1, 13.65, 25.55, 23.66, 89.01, 71.74, 88.81, 82.76, 88.07, 82.24, 92.12, 87.2, 76.68}, 256},
        // Oxygen alike: the change stalls for a while, then shrinks and the stretch settles.
        {"oxygen settling", {225.3, 96.87, 10.63, 33.99, 104.9, 75.91, 98.58, 94.22, 53.88, 11.81, 1.362}, 0},
        // First-order steps: the change halves at each doubling.
        {"first order", {400, 200, 100, 50, 25, 12.5, 6.25, 3.125, 1.5625, 0.78125, 0.390625, 0.1953125}, 0},
        // A change that grows before it shrinks, all below 256 segments.
        {"early growth", {1, 2, 4, 8, 16, 8, 4, 2}, 0},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(SegmentsAtStop(RefinementStalled, c.changes), c.stallsAt) << c.name;
}

TEST(RefinementSwings, OnlyADropThatSwingsWithoutShrinkingEndsBeforeTheBound) {
    struct Case {
        const char* name;
        std::vector<double> changes;  // signed, Pa
        int swingsAt;                 // segments, 0: runs on
    };
    // clang-format off
    const Case cases[] = {
        // Ammonia in a clamped state at 250 bar: the drop swings about 456 kPa by 1 % a doubling.
        {"ammonia swing", {-89405, -77614, -19601, 57153, -2435, -1392, 5742, -4965, 656, -2665, 3510, -5827}, 4096},
        // First-order steps from one side, and a swing that halves at each doubling.
        {"first order", {400, 200, 100, 50, 25, 12.5, 6.25, 3.125, 1.5625, 0.78125, 0.390625}, 0},
        {"damped swing", {400, -200, 100, -50, 25, -12.5, 6.25, -3.125, 1.5625, -0.78125, 0.390625}, 0},
        // A swing of constant size, all below 256 segments.
        {"early swing", {8, -8, 8, -8, 8, -8}, 0},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(SegmentsAtStop(RefinementSwings, c.changes), c.swingsAt) << c.name;
}

// A refinement's drops at 2, 4, 8 ... segments as the walk judges them: the changes from the pass of
// 4 segments on, and the segments of the last pass.
struct JudgedRefinement {
    std::vector<double> changes;
    int segments;
};
JudgedRefinement Judged(const std::vector<double>& drops) {
    JudgedRefinement r{{}, 2 << (drops.size() - 1)};
    for (std::size_t i = 1; i < drops.size(); ++i) r.changes.push_back(drops[i] - drops[i - 1]);
    return r;
}

// The stretch drops at 2, 4, 8 ... segments of walks beyond the tables as the window ran them, up
// to where their next pass would take them past kLineWorkBound, and the work of their last pass.
TEST(RefinementSettles, OnlyADropApproachingFromOneSideGoesOnAndOnlyAsFarAsItsWorkAllows) {
    struct Case {
        const char* name;
        std::vector<double> drops;  // Pa
        std::uint64_t passWork, workLeft;
        bool goesOn;
    };
    // clang-format off
    const Case cases[] = {
        // Humid nitrogen at 10 kPa: first-order steps, settled at 64 segments with some 0.5 million.
        {"nitrogen at 10 kPa", {1759.81822, 1742.86704, 1734.33489}, 27946, 2000000 - 45893, true},
        {"nitrogen, little work left", {1759.81822, 1742.86704, 1734.33489}, 27946, 300000, false},
        // Air at -150 degC: one doubling more settles it.
        {"cold air", {36877.7772, 35984.7867, 35525.9177, 35293.3849, 35176.3887, 35117.6989}, 18288, 50000, true},
        // Humid ammonia at 20 degC: a change of 3.6 % of the drop, then one turning its sign.
        {"ammonia swing", {298480.379, 208529.269, 210858.55, 209908.011, 202373.697, 205698.289}, 20656, 1950000, false},
        // Its twin at 5 g/m3 may still settle at eight segments, not once its change turns its sign.
        {"ammonia at 8", {283502.673, 202843.104, 191955.31}, 13426, 1975728, true},
        {"ammonia at 16", {283502.673, 202843.104, 191955.31, 198496.268}, 39458, 1936870, false},
        // Small changes that turn their sign are no swing, nor one change alone.
        {"small swing", {100000, 100400, 100100}, 1000, 6000, true},
        {"one change", {100000, 90000}, 1000, 254000, true},
        {"one change, too far", {100000, 90000}, 1000, 253999, false},
        {"no change", {100000}, 1000, 2000, true},
        {"no work left", {100000}, 1000, 1999, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        const JudgedRefinement r = Judged(c.drops);
        EXPECT_EQ(RefinementSettles(r.segments, r.changes, c.drops.back(), c.passWork, c.workLeft), c.goesOn) << c.name;
    }
}

// From 32 segments on, a last change of 2 % of the drop or more that turns its sign or grows ends a
// walk beyond the tables whatever work is left; one that shrinks with its sign, a small one, or one
// before 32 segments, does not. Humid ammonia at 20 degC and 500 kPa (its drops at 2 to 32
// segments) grew from -0.95 to -7.5 kPa at 32; hydrogen held at 374.15 degC shrank to -78 Pa there
// and settles later.
TEST(RefinementUnsettled, OnlyALargeChangeThatTurnsOrGrowsFrom32SegmentsOn) {
    struct Case {
        const char* name;
        std::vector<double> drops;  // Pa, at 2, 4, 8 ... segments
        bool unsettled;
    };
    // clang-format off
    const Case cases[] = {
        {"ammonia, grown at 32", {299959.506, 208529.269, 210858.55, 209908.011, 202373.697}, true},
        {"ammonia at 16", {299959.506, 208529.269, 210858.55, 209908.011}, false},
        {"hydrogen, shrunk at 32", {23367.6812, 22036.248, 22698.3093, 21038.0177, 20960.1024}, false},
        {"large, turned", {100000, 101000, 100500, 101000, 98000}, true},
        {"large, shrinking with its sign", {100000, 110000, 130000, 150000, 155000}, false},
        {"large, three quarters of the one before", {100000, 100000, 104000, 108000, 111000}, false},
        {"large, just beyond three quarters", {100000, 100000, 104000, 108000, 111000.01}, true},
        {"small, turned", {100000, 100400, 100100, 100300, 100200}, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        const JudgedRefinement r = Judged(c.drops);
        EXPECT_EQ(RefinementUnsettled(r.segments, r.changes, c.drops.back()), c.unsettled) << c.name;
    }
}

TEST_F(LineWalkTest, LineWithoutLengthOrFlowEndsWithoutANumberOfNoMeaning) {
    Air(3600);
    StraightLengthM = 0;
    const PressureLossWalk walk = CalculatePressureLossLine();
    EXPECT_EQ(walk.stretches, 1);
    EXPECT_EQ(LineTotalDrop, 0);
    EXPECT_EQ(LineOutletPressure, 5e5);
    // No flow: nothing to walk, an error rather than a number.
    StraightLengthM = 100;
    MaxFlowSI = 0;
    EXPECT_THROW(CalculatePressureLossLine(), CalcError);
}

TEST_F(LineWalkTest, FittingsEndStretchesAndAnExpansionRecoversPressure) {
    Air(3600);
    ExpansionModeLetter = 'T';
    Place(1, 34, 40);  // sudden expansion to 200 mm at 40 m
    ResistanceParamB[1] = 200;
    const PressureLossWalk walk = CalculatePressureLossLine();
    EXPECT_EQ(walk.stretches, 2);
    EXPECT_DOUBLE_EQ(LineDiameter, 0.2);
    // Borda-Carnot loses (1 - 1/4)^2 of the upstream dynamic pressure and recovers the
    // rest of the velocity change: the walk ends above a 100 mm line of the same length.
    const double withExpansion = LineOutletPressure;
    ResistanceKind[1] = 0;
    Form1().Motstandgrid.SetCell(1, 1, "");
    CalculatePressureLossLine();
    EXPECT_GT(withExpansion, LineOutletPressure);
}

TEST(LinePropertiesInlet, ContractionFollowsBernoulliAndTheEnergyBalance) {
    gridtest::ResetResistanceGrid();
    MediumCode = "VAT";
    PhaseLetter = 'N';
    ExpansionModeLetter = 'T';
    double p2 = 0, t2 = 0;
    LinePropertiesInlet("VAT", p2, t2, 10, 0.1, 0.05, 5e5, 20);
    const double rho = LineMediumAt("VAT", 5e5, 20).density;
    const double v1 = 10 / rho / (kPi * 0.01 / 4), v2 = 4 * v1;
    EXPECT_NEAR(p2, 5e5 - rho / 2 * (v2 * v2 - v1 * v1), 1e-3 * rho / 2 * (v2 * v2 - v1 * v1));
    EXPECT_EQ(t2, 20);

    // Adiabatic air: 1000 h + v^2/2 is kept, and mass is conserved.
    MediumCode = "LUF";
    ExpansionModeLetter = 'A';
    LinePropertiesInlet("LUF", p2, t2, 1, 0.1, 0.05, 5e5, 20);
    const LineMediumProperties in = LineMediumAt("LUF", 5e5, 20), out = LineMediumAt("LUF", p2, t2);
    const double u1 = 1 / in.density / (kPi * 0.01 / 4), u2 = 1 / out.density / (kPi * 0.0025 / 4);
    EXPECT_LT(t2, 20);
    EXPECT_NEAR(1000 * out.enthalpy + u2 * u2 / 2, 1000 * in.enthalpy + u1 * u1 / 2, 5e-4 * 1000 * in.enthalpy);
    // The gas expands in the throat, so it speeds up beyond the area ratio and drops more
    // than an incompressible stream would.
    EXPECT_LT(p2, 5e5 - in.density / 2 * (16 * u1 * u1 - u1 * u1));

    // Far past the speed of sound the state cannot be reached; "VÄT" computes nothing.
    EXPECT_THROW(LinePropertiesInlet("LUF", p2, t2, 100, 0.1, 0.01, 5e5, 20), CalcError);
    p2 = 7, t2 = 8;
    LinePropertiesInlet("VÄT", p2, t2, 10, 0.1, 0.05, 5e5, 20);
    EXPECT_EQ(p2 + t2, 15);
}

// The search step by step: steps towards the balance, every overshoot turning the step back at
// half its length, until the balance is met, the steps run out or the step falls below 1e-9 K.
double StepByStepSearch(double t, double firstStep, double target, double tolerance, int steps,
                        const std::function<double(double)>& energy, bool turnWhereFalling = false) {
    auto met = [&](double d) { return d == 0 || std::fabs(d) / std::fabs(d + 2 * target) < tolerance; };
    const double start = t;
    double d = energy(t) - target;
    if (met(d)) return t;
    double step = d > 0 ? -firstStep : firstStep;
    for (int i = 0; i < steps && std::fabs(step) >= 1e-9; ++i) {
        t += step;
        const double next = energy(t) - target;
        if (met(next)) return t;
        if ((next > 0) != (d > 0)) {
            step = -step / 2;
        } else if (turnWhereFalling && i == 0 && std::fabs(next) > std::fabs(d)) {
            t = start;
            step = -step;
            continue;
        }
        d = next;
    }
    return t;
}

// Balances around 20 degC and 1000 steps of 0.01 K: the probing search ends where the step-by-step
// search ends, from a few evaluations where a run is long or leads nowhere. A balance that moves
// by `shift` once it has been above the target stands for a clamped table continued from another
// state: the run back from the overshoot is then long too.
TEST(SearchTemperature, EndsWhereTheStepByStepSearchEndsFromFewEvaluations) {
    struct Case {
        const char* name;
        std::function<double(double)> energy;  // J/kg against a target of 1e5
        int mostEvaluations;
        double shift = 0.0;
    } const cases[] = {
        {"root 3.4 steps up", [](double t) { return 1e5 + 1000 * (t - 20.034); }, 40},
        {"root 700 steps up", [](double t) { return 1e5 + 1000 * (t - 27.0031); }, 80},
        {"root 700 steps up, gaining faster and faster", [](double t) { return 1e5 - 50 * std::exp(27.0031 - t) + 50; },
         80},
        {"root beyond the 1000 steps", [](double t) { return 1e5 + 1000 * (t - 35.5); }, 40},
        {"falls as the temperature rises: no root this way", [](double t) { return 1e5 - 1000 * (t - 15); }, 12},
        {"a step no longer changes the balance", [](double) { return 2e5; }, 12},
        {"root 600 steps down", [](double t) { return 1e5 + 1000 * (t - 14.00007); }, 80},
        {"root 400 steps back from the overshoot", [](double t) { return 1e5 + 1000 * (t - 20.034); }, 80, 2000},
        {"no root back from the overshoot", [](double t) { return 1e5 + 1000 * (t - 20.034); }, 80, 1e5},
    };
    const double target = 1e5;
    for (const Case& c : cases) {
        const auto moving = [&c, target, above = false](double t) mutable {
            const double e = c.energy(t) + (above ? c.shift : 0.0);
            above = above || e > target;
            return e;
        };
        const double expected = StepByStepSearch(20, 0.01, target, 1e-10, 1000, moving);
        int evaluations = 0;
        const auto counted = [&, energy = moving](double t) mutable {
            ++evaluations;
            return energy(t);
        };
        EXPECT_EQ(SearchTemperature(20, 0.01, target, 1e-10, 1000, true, counted), expected) << c.name;
        EXPECT_LE(evaluations, c.mostEvaluations) << c.name;
    }
    // A balance that falls with the temperature (a humid gas held at its relative humidity) has its
    // root the other way from the one a rise would take: told so, the search turns after its first
    // step and ends at the root, where a rising balance or one no step changes ends as before.
    struct Falling {
        const char* name;
        std::function<double(double)> energy;
        double root;  // NaN: none within the steps
        bool falls;
    } const turning[] = {
        {"falls, root 500 steps down", [](double t) { return 1e5 - 1000 * (t - 15); }, 15.0, true},
        {"falls, root 550 steps up", [](double t) { return 1e5 - 1000 * (t - 25.5); }, 25.5, true},
        {"falls, root 1200 steps down", [](double t) { return 1e5 - 1000 * (t - 8); }, std::nan(""), true},
        {"rises, root 3.4 steps up", [](double t) { return 1e5 + 1000 * (t - 20.034); }, 20.034, false},
        {"a step no longer changes the balance", [](double) { return 2e5; }, std::nan(""), false},
    };
    for (const Falling& c : turning) {
        const double found = SearchTemperature(20, 0.01, target, 1e-10, 1000, true, c.energy, true);
        EXPECT_EQ(found, StepByStepSearch(20, 0.01, target, 1e-10, 1000, c.energy, true)) << c.name;
        if (!std::isnan(c.root)) {
            EXPECT_NEAR(found, c.root, 1e-6) << c.name;
        }
        if (!c.falls) {
            EXPECT_EQ(found, SearchTemperature(20, 0.01, target, 1e-10, 1000, true, c.energy)) << c.name;
        }
    }
    // No state below 0 degC: the run down meets the error where the step-by-step search meets it.
    const auto frozen = [](double t) {
        if (t < 0) throw CalcError("no state");
        return 1e5 + 1000 * (t + 1);
    };
    EXPECT_THROW(StepByStepSearch(20, 0.01, target, 1e-10, 3000, frozen), CalcError);
    EXPECT_THROW(SearchTemperature(20, 0.01, target, 1e-10, 3000, true, frozen), CalcError);
}

// Balances that rise with the temperature from 20 degC, with steps of 0.01 K and 1000 of them (the
// bound of an outlet search), a target of 1e5 J/kg: the search from few evaluations ends where the
// step-by-step search ends, to the bit. A balance that strays by up to `jitter` J/kg about its rise
// (a humidity found to a tolerance at each state) is told so as its noise. One that falls with the
// temperature, or that finds no state on its way, gets no answer.
TEST(SearchRisingBalance, EndsWhereTheStepByStepSearchEndsFromAFewEvaluations) {
    struct Case {
        const char* name;
        std::function<double(double)> difference;  // J/kg against the target
        int mostEvaluations;
        double tolerance = 1e-10, jitter = 0.0;
    } const cases[] = {
        {"root 3.4 steps up", [](double t) { return 1000 * (t - 20.034); }, 7},
        {"root 700 steps up", [](double t) { return 1000 * (t - 27.0031); }, 8},
        {"root 600 steps down", [](double t) { return 1000 * (t - 14.00007); }, 8},
        {"on a trial of the first run", [](double t) { return 1000 * (t - 20.25); }, 8},
        {"root beyond the 1000 steps", [](double t) { return 1000 * (t - 35.5); }, 6},
        // Its slope falls a thousandfold on the way: the straight lines close in slowly.
        {"root 700 steps up, rising slower and slower", [](double t) { return 50 - 50 * std::exp(27.0031 - t); }, 26},
        {"a slope that halves at 24 degC", [](double t) { return t < 24 ? 2000 * (t - 24) : 1000 * (t - 24) - 0.5; },
         10},
        {"a wide tolerance met far from the root", [](double t) { return 1000 * (t - 27.0031); }, 8, 1e-3},
        {"a balance straying by 0.005 J/kg",
         [](double t) { return 560 * (t - 21.0993931) + 0.005 * std::sin(1e7 * t); }, 30, 1e-7, 0.005},
    };
    const double target = 1e5;
    for (const Case& c : cases) {
        const auto energy = [&](double t) { return target + c.difference(t); };
        const double expected = StepByStepSearch(20, 0.01, target, c.tolerance, 1000, energy);
        int evaluations = 0;
        const std::function<double(double)> counted = [&](double t) {
            ++evaluations;
            return energy(t);
        };
        const std::optional<double> found =
            SearchRisingBalance(20, 0.01, target, c.tolerance, 1000, counted, 2 * c.jitter);
        ASSERT_TRUE(found) << c.name;
        EXPECT_EQ(*found, expected) << c.name;
        EXPECT_LE(evaluations, c.mostEvaluations) << c.name;
    }
    const std::function<double(double)> falling = [&](double t) { return target - 1000 * (t - 15); };
    EXPECT_FALSE(SearchRisingBalance(20, 0.01, target, 1e-10, 1000, falling));
    const std::function<double(double)> frozen = [&](double t) {
        if (t < 19.5) throw CalcError("no state");
        return target + 1000 * (t - 18);
    };
    EXPECT_FALSE(SearchRisingBalance(20, 0.01, target, 1e-10, 1000, frozen));
}

// A humid gas of the humidity measure `kind`, in its gas phase (each test starts from the reset state).
void HumidGas(std::string_view kind) {
    HumidGasFlag = true;
    HumidityInputKind = kind;
    PhaseLetter = 'N';
}

// Two states the same to the bit in what the energy balance reads and, for `whole`, in kappa and cp.
bool SameState(const LineMediumProperties& a, const LineMediumProperties& b, bool whole) {
    return a.density == b.density && a.viscosity == b.viscosity && a.enthalpy == b.enthalpy &&
           (!whole || (a.cp == b.cp && a.kappa == b.kappa));
}

// The outlet search asks only for what its balance reads: the whole state's values, to the bit;
// steam leaves out its kappa and heat capacities.
TEST(LineMediumAt, ForTheBalanceGivesTheWholeStatesDensityViscosityAndEnthalpy) {
    struct Case {
        const char* medium;
        double pressure, temperature;
        bool withoutKappa;
    } const cases[] = {
        {"ANG", 50e5, 20, true},    // liquid region
        {"ANG", 5e5, 200, true},    // superheated
        {"ANG", 221e5, 380, true},  // near the critical point
        {"LUF", 5e5, 20, false},   {"NH3", 5e5, 20, false},
    };
    PhaseLetter = 'N';
    for (const Case& c : cases) {
        MediumCode = c.medium;
        const LineMediumProperties whole = LineMediumAt(c.medium, c.pressure, c.temperature);
        const LineMediumProperties balance = LineMediumAt(c.medium, c.pressure, c.temperature, true);
        EXPECT_TRUE(SameState(balance, whole, false)) << c.medium << " " << c.temperature;
        EXPECT_GT(whole.kappa, 1) << c.medium << " " << c.temperature;
        EXPECT_EQ(balance.kappa == 0, c.withoutKappa) << c.medium << " " << c.temperature;
    }
}

// A humid state asked for again while the states are kept is the one evaluated anew, to the bit,
// and counts the work of that evaluation again; a humidity changed meanwhile is not answered
// from the state kept before it.
TEST(KeptLineStates, GiveTheStateEvaluatedAnewAndFollowTheHumidity) {
    struct Case {
        const char* medium;
        double absoluteHumidity;  // g/m3
        double pressure, temperature;
    } const cases[] = {{"LUF", 5, 5e5, 20}, {"NH3", 5, 5e5, 20}, {"AR", 3, 50e5, 20}, {"LUF", 50, 2e5, 80}};
    HumidGas(kHumidityAbsolute);
    for (const Case& c : cases) {
        MediumCode = c.medium;
        AbsoluteHumidity = c.absoluteHumidity;
        const LineMediumProperties fresh = LineMediumAt(c.medium, c.pressure, c.temperature);
        AbsoluteHumidity = 2 * c.absoluteHumidity;
        const LineMediumProperties wetter = LineMediumAt(c.medium, c.pressure, c.temperature);
        ASSERT_NE(wetter.density, fresh.density) << c.medium;
        const KeptLineStates kept;
        const LineWorkBound bound;
        AbsoluteHumidity = c.absoluteHumidity;
        // The kept answer counts the work of the evaluation: a humid state searches its humidity.
        std::uint64_t work[3] = {LineWork()};
        for (int ask = 0; ask < 2; ++ask) {
            EXPECT_TRUE(SameState(LineMediumAt(c.medium, c.pressure, c.temperature), fresh, true)) << c.medium;
            work[ask + 1] = LineWork();
        }
        EXPECT_GT(work[1] - work[0], 2 * kEvaluationWork) << c.medium;
        EXPECT_EQ(work[2] - work[1], work[1] - work[0]) << c.medium;
        AbsoluteHumidity = 2 * c.absoluteHumidity;
        EXPECT_TRUE(SameState(LineMediumAt(c.medium, c.pressure, c.temperature), wetter, true)) << c.medium;
    }
}

// The outlet search inside the tables takes its trials' vapour without heat capacities: the
// state it ends at, asked for whole while the states are kept, is the whole state evaluated anew
// (its cp and kappa too), and counts as kept, no evaluation more; the outlet is the one found
// without kept states, to the bit.
TEST(KeptLineStates, AnOutletSearchsLastTrialAskedForWholeIsTheWholeState) {
    struct Case {
        const char* medium;
        double relativeHumidity, inletPressure, temperature, outletPressure;
        int segments;
    } const cases[] = {{"N2", 100, 275e5, 362.5, 274.9e5, 16384},
                       {"LUF", 100, 237.5e5, 350, 237e5, 1024},
                       {"LUF", 50, 5e5, 20, 4.99e5, 8},
                       {"CO2", 100, 237.5e5, 350, 237e5, 64}};
    HumidGas(kHumidityRelative);
    for (const Case& c : cases) {
        MediumCode = c.medium;
        RelativeHumidity = c.relativeHumidity;
        double fresh = 0;
        LinePropertiesOutlet(c.medium, fresh, c.segments, 80, 0.08, c.inletPressure, c.temperature, 0,
                             c.outletPressure);
        const LineMediumProperties whole = LineMediumAt(c.medium, c.outletPressure, fresh);
        ASSERT_GT(whole.cp, 0) << c.medium;
        const KeptLineStates kept;
        const LineWorkBound bound;
        double outlet = 0;
        LinePropertiesOutlet(c.medium, outlet, c.segments, 80, 0.08, c.inletPressure, c.temperature, 0,
                             c.outletPressure);
        EXPECT_EQ(outlet, fresh) << c.medium;
        const std::uint64_t evaluated = PropertyWork, counted = LineWork();
        EXPECT_TRUE(SameState(LineMediumAt(c.medium, c.outletPressure, outlet), whole, true)) << c.medium;
        EXPECT_EQ(PropertyWork, evaluated) << c.medium;
        EXPECT_GT(LineWork(), counted) << c.medium;
    }
}

TEST(LinePropertiesOutlet, OutletTemperatureBalancesTheEnergyOfTheSegment) {
    gridtest::ResetResistanceGrid();
    MediumCode = "LUF";
    PhaseLetter = 'N';
    double t = 0;
    LinePropertiesOutlet("LUF", t, 1, 1, 0.1, 5e5, 20, 0, 4e5);
    const double area = kPi * 0.01 / 4;
    const LineMediumProperties in = LineMediumAt("LUF", 5e5, 20), out = LineMediumAt("LUF", 4e5, t);
    const double ein = 1000 * in.enthalpy + std::pow(1 / in.density / area, 2) / 2;
    const double eout = 1000 * out.enthalpy + std::pow(1 / out.density / area, 2) / 2;
    EXPECT_LT(std::fabs(ein - eout) / std::fabs(ein + eout), 0.001 * 0.2);
    EXPECT_LT(t, 20);
    // 100 m up takes 981 J/kg from the enthalpy: about a kelvin colder.
    double up = 0;
    LinePropertiesOutlet("LUF", up, 1, 1, 0.1, 5e5, 20, 100, 4e5);
    EXPECT_NEAR(t - up, 9.80665 * 100 / in.cp, 0.1);
    // 1e30 t/h backwards, the pressure rising: the kinetic energy swamps the enthalpy and its
    // root lies beyond the search's 1000 steps of 1/16384 K, where the search ends.
    double backwards = 0;
    LinePropertiesOutlet("LUF", backwards, 16384, -1e30 / 3.6, 0.1, 5e5, 20, 0, 6e5);
    EXPECT_NEAR(backwards, 20 + 1000.0 / 16384, 1e-9);
}

}  // namespace
}  // namespace tubalyx
