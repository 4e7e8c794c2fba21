// The cheaper paths of the humid-gas properties give what the plain ones give: the vapour's
// density, cp and cv from one call are those of the three calls, to the bit, and raise where
// they raise; the humidity search ends a hopeless march at once and still finds a target
// that only a steep rise reaches late.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

#include "media/humidity_conversions.h"
#include "media/steam_equations.h"
#include "numerics/checked.h"

namespace tubalyx {
namespace {

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

TEST(SearchCost, SteamPropertiesAtOnceAreTheSingleCallsBitForBit) {
    // Vapour states of humid gases, the far ends of the formulation, and states it refuses.
    const double pressures[] = {1e-300, 1e-6, 610.0, 2339.0, 1e5, 5e6, 2.2e7, 1e12, 0.0, -5.0};
    const double temperatures[] = {-272.0, -150.0, -40.0, 0.0, 20.0, 99.9, 374.0, 800.0, 3000.0, -1e5};
    int compared = 0, refused = 0;
    for (double P : pressures) {
        for (double t : temperatures) {
            std::optional<double> single[3];
            try {
                single[0] = SteamDensityPT(P, t);
                single[1] = SteamCpPT(P, t);
                single[2] = SteamCvPT(P, t);
            } catch (const CalcError&) {
            }
            double density = 0.0, cp = 0.0, cv = 0.0;
            const bool singleRaised = !single[0] || !single[1] || !single[2];
            bool raised = false;
            try {
                SteamDensityCpCvPT(P, t, density, cp, cv);
            } catch (const CalcError&) {
                raised = true;
            }
            ASSERT_EQ(raised, singleRaised) << P << " Pa " << t << " degC";
            if (raised) {
                ++refused;
                continue;
            }
            EXPECT_TRUE(SameBits(density, *single[0])) << P << " Pa " << t << " degC";
            EXPECT_TRUE(SameBits(cp, *single[1])) << P << " Pa " << t << " degC";
            EXPECT_TRUE(SameBits(cv, *single[2])) << P << " Pa " << t << " degC";
            ++compared;
        }
    }
    EXPECT_GT(compared, 50);
    EXPECT_GT(refused, 10);
}

TEST(SearchCost, HumiditySearchEndsAHopelessMarchAndKeepsALateSteepOne) {
    struct Case {
        const char* name;
        double (*f)(double);
        int maxEvaluations;  // at most, start included
        bool meets;          // the result meets the target within the tolerance
        double result;       // where it ends when it does not (0: not checked)
    };
    // clang-format off
    const Case cases[] = {
        // A trace of vapour: the first window shows that no march gets there.
        {"trace", [](double s) { return 1e-13 * s; }, 1 + kHumidityMarchWindow, false,
         kHumidityMarchWindow * 50.0},
        // No change after the first window: nothing to gain either.
        {"flat", [](double) { return 1e-3; }, 1 + 2 * kHumidityMarchWindow, false, 0.0},
        // A fourth-power rise that meets the target at s = 40000, some 800 trials on: its first
        // windows gain little, but within the margin.
        {"steep", [](double s) { return std::pow(s / 40000.0, 4); }, kHumiditySearchMaxEvaluations,
         true, 0.0},
        // A linear rise met at s = 30000 runs its march as ever.
        {"linear", [](double s) { return s / 30000.0; }, kHumiditySearchMaxEvaluations, true, 0.0},
    };
    // clang-format on
    for (const Case& c : cases) {
        int evaluations = 0;
        const std::optional<double> s = HumidityStepSearch(
            1.0, 0.0, [&](double v) { return c.f(v); }, &evaluations);
        ASSERT_TRUE(s.has_value()) << c.name;
        EXPECT_LE(evaluations, c.maxEvaluations) << c.name;
        if (c.meets) {
            EXPECT_LT(std::fabs(c.f(*s) - 1.0), kHumiditySearchTolerance) << c.name;
        } else {
            EXPECT_GT(std::fabs(c.f(*s) - 1.0), 0.5) << c.name;
        }
        if (c.result != 0.0) {
            EXPECT_EQ(*s, c.result) << c.name;
        }
    }
}

}  // namespace
}  // namespace tubalyx
