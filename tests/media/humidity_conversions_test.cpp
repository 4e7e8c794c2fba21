#include "media/humidity_conversions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "media/steam_equations.h"
#include "media/water_equations.h"
#include "switch_test_support.h"

namespace tubalyx {
namespace {

using test::ResetSwitchState;
using test::Switch;

class HumidityConversionsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetSwitchState(); }
    void TearDown() override { ResetSwitchState(); }
};

constexpr double kGas = 1.2;  // given density of the user's gas, kg/m3

double VapourAt(const char* k, double P, double t, double rh) {
    test::UserGasData g;
    g.density = kGas;
    g.cp = g.cv = g.criticalK = g.molarMass = 1.0;
    return Switch(k, P, t, rh, g).vapour;
}

TEST_F(HumidityConversionsTest, NothingToConvert) {
    double rh = -1, dew = 0;
    HumidityFromAbsolute("LUF", false, rh, 20, 101325, kGas, 0.01, 1);
    EXPECT_EQ(rh, 0.0);
    rh = -1;
    HumidityFromSpecific("LUF", false, rh, 20, 101325, kGas, 0.01, 1);
    EXPECT_EQ(rh, 0.0);
    rh = -1;
    HumidityFromDewPoint("LUF", false, rh, 20, 101325, kGas, 10, 1);
    EXPECT_EQ(rh, 0.0);
    HumidGasStateConversion("LUF", false, dew, 20, 101325, kGas, 50, 1);
    EXPECT_EQ(dew, -100.0);

    rh = -1;
    HumidityFromAbsolute("LUF", true, rh, 20, 101325, kGas, 0.0, 1);
    EXPECT_EQ(rh, 0.0);
    rh = -1;
    HumidityFromSpecific("LUF", true, rh, 20, 101325, kGas, -0.1, 1);
    EXPECT_EQ(rh, 0.0);
    for (double noDew : {-100.0, -150.0}) {
        rh = -1;
        HumidityFromDewPoint("LUF", true, rh, 20, 101325, kGas, noDew, 1);
        EXPECT_EQ(rh, 0.0);
    }
    dew = 0;
    HumidGasStateConversion("LUF", true, dew, 20, 101325, kGas, 0.0, 1);
    EXPECT_EQ(dew, -100.0);
}

TEST_F(HumidityConversionsTest, SearchStartsAtPlusFiftyAndIsBounded) {
    std::vector<double> trials;
    HumidityStepSearch(1.0, 0.0, [&](double s) {
        trials.push_back(s);
        return s / 40.0;
    });
    ASSERT_GE(trials.size(), 3u);
    EXPECT_EQ(trials[0], 50.0);
    EXPECT_EQ(trials[1], 25.0);  // overshoot: back by half the step
    EXPECT_EQ(trials[2], 37.5);  // undershoot: forward by half again
    EXPECT_NEAR(trials.back(), 40.0, 40.0 * 1e-5);

    trials.clear();
    HumidityStepSearch(1.0, 10.0, [&](double s) {
        trials.push_back(s);
        return s;
    });
    EXPECT_EQ(trials[0], 60.0);

    int evaluations = 0;
    const std::optional<double> last = HumidityStepSearch(
        1.0, 0.0, [](double) { return 5.0; }, &evaluations);
    EXPECT_EQ(evaluations, kHumiditySearchMaxEvaluations + 1);
    ASSERT_TRUE(last.has_value());
    EXPECT_TRUE(std::isfinite(*last));

    // A trial without an answer ends the search there, without a value.
    trials.clear();
    const std::optional<double> none = HumidityStepSearch(
        1.0, 0.0,
        [&](double s) -> std::optional<double> {
            trials.push_back(s);
            return std::nullopt;
        },
        &evaluations);
    EXPECT_FALSE(none.has_value());
    EXPECT_EQ(trials, std::vector<double>{50.0});
    EXPECT_EQ(evaluations, 2);
}

// Far targets: from the first window on the march leaps whole windows, and ends where the trial
// by trial march would. With f = 1e-9 s the gain check stops the march at the window ending at
// trial 984, where 0.05 times the trials left (16) first falls below the distance to the target.
TEST_F(HumidityConversionsTest, FarMarchLeapsWindowsAndEndsWhereTrialByTrialWould) {
    struct Case {
        double s0, slope, expected;
        int maxCalls;
    };
    for (const Case& c : {Case{0.0, 1e-9, 49200.0, 132}, Case{10.0, 1e-9, 49210.0, 132}, Case{0.0, 1e-4, 10000.0, 100},
                          Case{0.0, 1.0 / 45000.0, 45000.0, 200}}) {
        int evaluations = 0;
        std::vector<double> trials;
        const std::optional<double> s = HumidityStepSearch(
            1.0, c.s0,
            [&](double x) {
                trials.push_back(x);
                return x * c.slope;
            },
            &evaluations);
        ASSERT_TRUE(s.has_value());
        EXPECT_NEAR(*s, c.expected, c.expected * 1e-5) << c.slope;
        EXPECT_LE(evaluations, c.maxCalls) << c.slope;
        EXPECT_EQ(evaluations, static_cast<int>(trials.size()) + 1) << c.slope;
        // The first window's trials are the march's own steps.
        for (int k = 0; k < kHumidityMarchLeapTrials; ++k) ASSERT_EQ(trials[k], c.s0 + 50.0 * (k + 1)) << k;
    }
}

// The search that skips the trials its evaluations already decide ends where the trial-by-trial
// search ends, bit for bit, on the functions the conversions search: the vapour density against
// the relative humidity, the saturated vapour density against the dew temperature, and steep or
// far ones; for the humidity searches from some third of the evaluations.
TEST_F(HumidityConversionsTest, RisingSearchEndsWhereTheStepSearchEnds) {
    struct Case {
        const char* name;
        double target, s0;
        std::function<std::optional<double>(double)> f;
        int maxEvaluations;  // at most, the start counted
    };
    auto vapour = [](double P, double t) {
        const double ceiling = std::min(WaterSaturationPressure(t), P);
        return [=](double rh) -> std::optional<double> { return rh > 0 ? SteamDensityPT(ceiling * rh * 0.01, t) : 0; };
    };
    auto saturated = [](double dew) { return SteamDensityPT(WaterSaturationPressure(dew), dew); };
    const std::vector<Case> cases = {
        {"5 g/m3 in air at 20 degC, 500 kPa", 0.005, 0.0, vapour(5e5, 20.0), 9},
        {"95 % at -30 degC, 101325 Pa", 0.95 * SteamDensityPT(WaterSaturationPressure(-30.0), -30.0), 0.0,
         vapour(101325.0, -30.0), 9},
        {"0.2 % at 150 degC, 3 MPa", *vapour(3e6, 150.0)(0.2), 0.0, vapour(3e6, 150.0), 12},
        {"vapour of 70 % at 400 degC, 25 MPa", *vapour(25e6, 400.0)(70.0), 0.0, vapour(25e6, 400.0), 12},
        {"dew point 5 degC", saturated(5.0), 10.0, saturated, 18},
        {"dew point -60 degC", saturated(-60.0), 10.0, saturated, 18},
        {"dew point 250 degC", saturated(250.0), 10.0, saturated, 18},
        // A march that meets its target at once, and one far off, whose trials are its own.
        {"fourth power met at 300", 1.0, 0.0, [](double s) { return std::pow(s / 300.0, 4); }, 7},
        {"linear met at 30000", 1.0, 0.0, [](double s) { return s / 30000.0; }, 112},
    };
    for (const Case& c : cases) {
        int stepwise = 0, rising = 0;
        const std::optional<double> expected = HumidityStepSearch(c.target, c.s0, c.f, &stepwise);
        const std::optional<double> found = RisingStepSearch(c.target, c.s0, c.f, &rising);
        ASSERT_TRUE(expected && found) << c.name;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*found), std::bit_cast<std::uint64_t>(*expected)) << c.name;
        EXPECT_LE(rising, c.maxEvaluations) << c.name << " (" << stepwise << " trial by trial)";
    }
}

// Saturated vapour at 20 degC holds 17.3 g/m3 (published steam tables).
TEST_F(HumidityConversionsTest, AbsoluteHumidityOfSaturatedAir) {
    double rh = 0;
    HumidityFromAbsolute("LUF", true, rh, 20, 101325, kGas, 0.01730, 1);
    EXPECT_NEAR(rh, 100.0, 1.0);
}

TEST_F(HumidityConversionsTest, RelativeToAbsoluteToRelative) {
    for (const char* k : {"LUF", "CH4", "GAS", "IGAS", "NGAS"}) {
        for (double rh0 : {5.0, 40.0, 95.0}) {
            const double t = 25, P = 2e5;
            const double absolute = VapourAt(k, P, t, rh0);
            ASSERT_GT(absolute, 0.0) << k;
            double rh = 0;
            HumidityFromAbsolute(k, true, rh, t, P, kGas, absolute, 1);
            EXPECT_NEAR(rh, rh0, rh0 * 2e-5) << k;
        }
    }
}

TEST_F(HumidityConversionsTest, RelativeToSpecificToRelative) {
    for (const char* k : {"LUF", "CH4", "GAS"}) {
        const double t = 30, P = 101325, rh0 = 60;
        test::UserGasData g;
        g.density = kGas;
        g.cp = g.cv = g.criticalK = g.molarMass = 1.0;
        const test::SwitchResult r = Switch(k, P, t, rh0, g);
        double rh = 0;
        HumidityFromSpecific(k, true, rh, t, P, kGas, r.vapour / r.dry, 1);
        EXPECT_NEAR(rh, rh0, rh0 * 2e-5) << k;
    }
}

TEST_F(HumidityConversionsTest, RelativeToDewPointToRelative) {
    for (const char* k : {"LUF", "CH4"}) {
        for (double rh0 : {20.0, 50.0, 90.0}) {
            const double t = 30, P = 101325;
            double dew = 0;
            HumidGasStateConversion(k, true, dew, t, P, kGas, rh0, 1);
            EXPECT_LT(dew, t) << k;
            EXPECT_GT(dew, -40) << k;
            double rh = 0;
            HumidityFromDewPoint(k, true, rh, t, P, kGas, dew, 1);
            EXPECT_NEAR(rh, rh0, rh0 * 1e-4) << k << " " << rh0;
        }
    }
    // The dew temperature is where saturated vapour has the mixture's vapour density. Air at
    // 30 degC and 50 % (partial-pressure dew point 18.4 degC on psychrometric charts) gets
    // a little lower one, since the vapour is denser when cooled at equal pressure.
    double dew = 0;
    HumidGasStateConversion("LUF", true, dew, 30, 101325, kGas, 50, 1);
    const double vapour = VapourAt("LUF", 101325, 30, 50);
    EXPECT_NEAR(SteamDensityPT(WaterSaturationPressure(dew), dew), vapour, vapour * 1e-5);
    EXPECT_GT(dew, 17.0);
    EXPECT_LT(dew, 18.4);
}

// The mixture keyword has no answer of its own in the switch: no vapour and no dry part, so
// no relative humidity could match and the conversions give 0 after their first trial.
TEST_F(HumidityConversionsTest, MediumWithoutVapour) {
    double dew = 0;
    HumidGasStateConversion("G", true, dew, 20, 101325, kGas, 50, 1);
    EXPECT_EQ(dew, 10.0);  // the start of the search, which has nothing to look for
    double rh = -1;
    HumidityFromSpecific("G", true, rh, 20, 101325, kGas, 0.01, 1);
    EXPECT_EQ(rh, 0.0);
    rh = -1;
    HumidityFromAbsolute("G", true, rh, 20, 101325, kGas, 0.01, 1);
    EXPECT_EQ(rh, 0.0);
    rh = -1;
    HumidityFromDewPoint("G", true, rh, 20, 101325, kGas, 10.0, 1);
    EXPECT_EQ(rh, 0.0);

    // Without a dry part but with vapour (the gas table gives 0) the ratio counts as huge
    // and stays above the target: the search runs downwards to its bound, as before.
    test::UserGasData g;
    g.density = 0.0;
    ASSERT_GT(Switch("GAS", 101325, 20, 50, g).vapour, 0.0);
    rh = -1;
    HumidityFromSpecific("GAS", true, rh, 20, 101325, 0.0, 0.01, 1);
    EXPECT_EQ(rh, 50.0 - 25.0 * (kHumiditySearchMaxEvaluations - 1));
}

TEST_F(HumidityConversionsTest, SaturatedAirHasItsDewPointAtTheOperatingTemperature) {
    double dew = 0;
    HumidGasStateConversion("LUF", true, dew, 20, 101325, kGas, 100, 1);
    EXPECT_NEAR(dew, 20.0, 0.01);
}

}  // namespace
}  // namespace tubalyx
