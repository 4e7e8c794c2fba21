// Humid gases where the humidity is given as an absolute humidity: every medium state runs a
// relative-humidity search (a switch call per trial) and a dew-point search. One state of humid
// ammonia, and one line walk behind a reducer (some thousands of such states). And the humid gas
// mixture "G" of four real components and water vapour: one state (a property call per
// component and one for the vapour), and the grid's mol % turned into volume % at the operating
// state (each component at its partial pressure, three passes).
#include <benchmark/benchmark.h>

#include <string>

#include "media/gas_mixture.h"
#include "media/medium_properties.h"
#include "pressure_loss/line_properties.h"
#include "state/composition.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/form1.h"

namespace {

// One medium state after another, each at a new temperature as along a line walk.
void TimeMediumStates(benchmark::State& state, const std::string& medium, const std::string& kind, double absolute,
                      double relative) {
    int i = 0;
    for (auto _ : state) {
        double P = 5e5, t = 20.0 + 1e-3 * (i++ % 64);
        double a = absolute, specific = 0, dew = 0, r = relative;
        double rho, dry, vap, mu, kappa, cp, cv, pv, h;
        tubalyx::MediumPropertiesAtState(false, medium, tubalyx::GasComposition, 1.2, 0, 1005, 718, 1.4, 132.5, 28.96,
                                         P, t, kind, a, specific, dew, r, rho, dry, vap, mu, kappa, cp, cv, pv, h);
        benchmark::DoNotOptimize(rho);
    }
}

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
    TimeMediumStates(state, "NH3", "A", 5.0, 0.0);
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

// N2 70, O2 15, CO2 10, CH4 4 and water 1 mol %, the same shares in every column, at 5 bar.
void HumidMixture() {
    tubalyx::MediumCode = "G";
    tubalyx::PhaseLetter = 'N';
    tubalyx::CalcFunction = "Termo";
    tubalyx::MixtureEditColumn = 5;
    tubalyx::HumidGasFlag = true;
    tubalyx::HumidityInputKind = "R";
    tubalyx::OperatingPressure = 5e5;
    tubalyx::OperatingTemperature = 20.0;
    const struct {
        int row;
        const char* keyword;
        const char* share;
    } rows[] = {{2, "N2", "70"}, {3, "O2", "15"}, {4, "CO2", "10"}, {5, "CH4", "4"}, {11, "ANG", "1"}};
    for (const auto& r : rows) {
        tubalyx::MixtureComponentKeyword[r.row] = r.keyword;
        for (int col = 2; col <= 5; ++col) {
            tubalyx::Form1().ViktVolprocgridfukt.SetCell(col, r.row, r.share);
            if (r.row != 11) tubalyx::Form1().ViktVolprocGrid.SetCell(col, r.row, r.share);
        }
    }
}

void BM_MixtureVolumeAtOperatingState(benchmark::State& state) {
    HumidMixture();
    for (auto _ : state) {
        tubalyx::CalcMixtureProperties(4);
        benchmark::DoNotOptimize(tubalyx::MixturePartialDensity[2]);
    }
}
BENCHMARK(BM_MixtureVolumeAtOperatingState)->Unit(benchmark::kMicrosecond);

void BM_HumidMixtureState(benchmark::State& state) {
    HumidMixture();
    TimeMediumStates(state, "G", "R", 0.0, 40.0);
}
BENCHMARK(BM_HumidMixtureState)->Unit(benchmark::kMicrosecond);

}  // namespace
