// Humid gases where the humidity is given as an absolute humidity: every medium state runs a
// relative-humidity search (a switch call per trial) and a dew-point search. One state of humid
// ammonia, and one line walk behind a reducer (some thousands of such states).
#include <benchmark/benchmark.h>

#include <string>

#include "media/medium_properties.h"
#include "pressure_loss/line_properties.h"
#include "state/composition.h"
#include "state/medium.h"
#include "state/selections.h"

namespace {

void HumidAmmonia() {
    tubalyx::PhaseLetter = 'N';
    tubalyx::CalcFunction = "Tryckf";
    tubalyx::HumidGasFlag = true;
    tubalyx::HumidityInputKind = "A";
    tubalyx::AbsoluteHumidity = 5.0;  // g/m3
    tubalyx::ExpansionModeLetter = 'A';
}

void BM_HumidAmmoniaState(benchmark::State& state) {
    HumidAmmonia();
    int i = 0;
    for (auto _ : state) {
        // A new temperature each time, as along a line walk.
        double P = 5e5, t = 20.0 + 1e-3 * (i++ % 64);
        double absolute = 5.0, specific = 0, dew = 0, relative = 0;
        double rho, dry, vap, mu, kappa, cp, cv, pv, h;
        tubalyx::MediumPropertiesAtState(false, "NH3", tubalyx::GasComposition, 1.2, 0, 1005, 718, 1.4, 132.5, 28.96, P,
                                         t, "A", absolute, specific, dew, relative, rho, dry, vap, mu, kappa, cp, cv,
                                         pv, h);
        benchmark::DoNotOptimize(rho);
    }
}
BENCHMARK(BM_HumidAmmoniaState)->Unit(benchmark::kMicrosecond);

void BM_HumidAmmoniaReducerWalk(benchmark::State& state) {
    HumidAmmonia();
    for (auto _ : state) {
        double p2 = 0, t2 = 0;
        tubalyx::LinePropertiesInlet("NH3", p2, t2, 0.5, 0.1, 0.05, 5e5, 20.0);
        benchmark::DoNotOptimize(p2);
    }
}
BENCHMARK(BM_HumidAmmoniaReducerWalk)->Unit(benchmark::kMillisecond);

}  // namespace
