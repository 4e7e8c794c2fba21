// States that once froze the program or published an infinity: each returns at once, with a
// finite result or a CalcError. The time bound only catches a hang; it is no benchmark.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "../numerics/separator_guard.h"
#include "media/humid_gas_mixing.h"
#include "media/humidity_conversions.h"
#include "media/medium_enthalpy.h"
#include "media/medium_properties.h"
#include "media/medium_property_switch.h"
#include "media/mixture_test_setup.h"
#include "media/natural_gas.h"
#include "media/steam_equations.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "state/composition.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"

namespace tubalyx {
namespace {

struct MediumCall {
    std::string medium = "N2";
    double P = 101325.0, t = 0.0;
    std::string kind = "D";
    double dew = 10.0, relative = 50.0;
    double givenDensity = 1.2;
};

struct Answer {
    double P = 0, t = 0, relative = -1, flow = 0, dry = -1, vapour = -1, viscosity = 0, cp = 0, enthalpy = 0;
};

Answer Evaluate(const MediumCall& c) {
    Answer a;
    a.P = c.P;
    a.t = c.t;
    a.relative = c.relative;
    double absolute = 5.0, specific = 5.0, dew = c.dew, kappa = 0, cv = 0, pv = 0;
    MediumPropertiesAtState(false, c.medium, GasComposition, c.givenDensity, 0.0, 1000.0, 700.0, 1.4, 126.2, 28.0, a.P,
                            a.t, c.kind, absolute, specific, dew, a.relative, a.flow, a.dry, a.vapour, a.viscosity,
                            kappa, a.cp, cv, pv, a.enthalpy);
    for (double x : {absolute, specific, dew, kappa, cv, pv}) EXPECT_TRUE(std::isfinite(x));
    return a;
}

class HardStates : public ::testing::Test {
protected:
    SeparatorGuard point{'.'};
    void SetUp() override {
        mixture_test::ClearMixture();
        GasComposition.fill(0.0);
        HumidGasFlag = true;
        HumidGasMolarMass = 0.0;
        GivenZ1 = GivenZn = 1.0;
        GivenCp = 1005.0;
        OperatingPressure = 101325.0;
        OperatingTemperature = 0.0;
        CalcFunction = "Termo";
        LanguageLetter = 'E';
        Form1().abstryckmaxantal.SetVisible(true);
    }
    void TearDown() override {
        SetUp();
        HumidGasFlag = false;
        PhaseLetter = 'N';
    }
};

struct HardCase {
    const char* name;
    std::function<std::vector<double>()> call;  // the results it publishes
    bool raises;
};

TEST_F(HardStates, ReturnAtOnceFiniteOrWithAnError) {
    // A saturation state of a liquefied gas has no gas part to hold the water vapour, so the
    // dew point converts to 0 %; above the critical pressure there is no saturated state.
    auto saturated = [](const char* medium, double P, const char* kind) {
        return [=] {
            PhaseLetter = 'H';
            MediumCall c;
            c.medium = medium;
            c.P = P;
            c.kind = kind;
            const Answer a = Evaluate(c);
            EXPECT_EQ(a.relative, 0.0) << medium << " " << P;
            EXPECT_EQ(a.vapour, 0.0) << medium << " " << P;
            return std::vector<double>{a.t, a.flow, a.viscosity, a.cp, a.enthalpy};
        };
    };
    // Natural gas of the given mole fractions with a dew point of 81 degC.
    auto naturalGas = [](double P, double t, std::initializer_list<std::pair<int, double>> x) {
        GasComposition.fill(0.0);
        for (const auto& [component, fraction] : x) GasComposition[component] = fraction;
        MediumCall c;
        c.medium = "NGAS";
        c.P = P;
        c.t = t;
        c.dew = 81.0;
        return Evaluate(c);
    };
    // clang-format off
    const HardCase cases[] = {
        {"N2 at 5 MPa, dew point", saturated("N2", 5e6, "D"), false},
        {"AR at 5 MPa, dew point", saturated("AR", 5e6, "D"), false},
        {"O2 at 48 MPa, dew point", saturated("O2", 48e6, "D"), false},
        {"N2 at 100 kPa, dew point", saturated("N2", 1e5, "D"), false},
        {"N2 at 5 MPa, absolute humidity", saturated("N2", 5e6, "A"), false},
        {"N2 at 5 MPa, specific humidity", saturated("N2", 5e6, "S"), false},
        {"N2 at 5 MPa, above its critical pressure: no boiling liquid",
         [] {
             PhaseLetter = 'X';
             MediumCall c;
             c.P = 5e6;
             const Answer a = Evaluate(c);
             EXPECT_EQ(a.flow, 0.0);
             EXPECT_EQ(a.t, c.t);
             return std::vector<double>{a.t, a.flow};
         },
         false},
        // A dew point the vapour cannot reach at this cold, dense state: the search runs its
        // 1000 trials, the natural-gas iteration only once.
        {"natural gas at 13 MPa, -80 degC, dew point 81 degC",
         [=] {
             const Answer a =
                 naturalGas(12.9746e6, -80.0, {{1, 0.80}, {3, 0.05}, {4, 0.10}, {5, 0.05}});
             EXPECT_GT(a.flow, 350.0);
             EXPECT_EQ(a.relative, 50.0 * kHumiditySearchMaxEvaluations);
             return std::vector<double>{a.flow, a.dry, a.vapour, a.viscosity, a.cp};
         },
         false},
        // Far below the method's range the density iteration falls to 0 and stays there.
        {"natural gas at -200 degC, dew point",
         [=] {
             const Answer a = naturalGas(3728.0, -200.0, {{1, 0.9}, {2, 0.1}});
             EXPECT_EQ(a.dry, 0.0);
             return std::vector<double>{a.flow, a.vapour};
         },
         false},
        // A negative relative humidity raises the dry part above the total pressure.
        {"user's gas of huge density at a negative humidity",
         [] {
             MediumCall c;
             c.medium = "GAS";
             c.kind = "R";
             c.relative = -50.0;
             c.givenDensity = std::numeric_limits<double>::max();
             const Answer a = Evaluate(c);
             return std::vector<double>{a.flow, a.dry};
         },
         true},
        {"boundary line at a huge temperature",
         [] { return std::vector<double>{SteamBoundaryPressureReduced(1e300)}; }, true},
        {"saturation pressure at a huge temperature",
         [] { return std::vector<double>{WaterSaturationPressure(1e300)}; }, true},
        {"mixture of two user's gases of huge density",
         [] {
             PhaseLetter = 'N';
             HumidGasFlag = false;
             for (int row : {2, 3}) {
                 MixtureComponentKeyword[row] = "GAS";
                 MixtureComponentName[row] = "cP";
                 MixtureDensity[row] = 1e308;
                 MixtureViscosity[row] = 0.018;
                 MixtureCp[row] = 1040.0;
                 MixtureCv[row] = 743.0;
                 MixtureCriticalTemperature[row] = 126.2;
                 MixtureMolarMass[row] = 28.0;
                 Form1().ViktVolprocgridfukt.SetCell(2, row, "50");
                 Form1().ViktVolprocgridfukt.SetCell(4, row, "100");
             }
             MediumCall c;
             c.medium = "G";
             c.kind = "R";
             const Answer a = Evaluate(c);
             return std::vector<double>{a.flow, a.cp, a.enthalpy};
         },
         true},
        {"enthalpy of the user's gas with a huge cp",
         [] {
             GivenCp = 1e308;
             return std::vector<double>{MediumEnthalpyPT("GAS", 101325.0, 20.0)};
         },
         true},
    };
    // clang-format on
    for (const HardCase& hc : cases) {
        SetUp();
        const auto start = std::chrono::steady_clock::now();
        bool raised = false;
        std::vector<double> results;
        try {
            results = hc.call();
        } catch (const CalcError&) {
            raised = true;
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_LT(seconds, 2.0) << hc.name;
        EXPECT_EQ(raised, hc.raises) << hc.name;
        for (double x : results) EXPECT_TRUE(std::isfinite(x)) << hc.name;
    }
}

}  // namespace
}  // namespace tubalyx
