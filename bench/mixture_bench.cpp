// The gas mixture "G" of four real components and water vapour: the grid's mol % turned into
// volume % at the operating state (each component at its partial pressure, three passes), and
// one humid medium state of the mixture (a property call per component and one for the vapour).
#include <benchmark/benchmark.h>

#include "media/gas_mixture.h"
#include "media/medium_properties.h"
#include "state/composition.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/form1.h"

namespace {

using tubalyx::Form1;

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
            Form1().ViktVolprocgridfukt.SetCell(col, r.row, r.share);
            if (r.row != 11) Form1().ViktVolprocGrid.SetCell(col, r.row, r.share);
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
    int i = 0;
    for (auto _ : state) {
        // A new temperature each time, as along a line walk.
        double P = 5e5, t = 20.0 + 1e-3 * (i++ % 64);
        double absolute = 0, specific = 0, dew = 0, relative = 40.0;
        double rho, dry, vap, mu, kappa, cp, cv, pv, h;
        tubalyx::MediumPropertiesAtState(false, "G", tubalyx::GasComposition, 1.2, 0, 1005, 718, 1.4, 132.5, 28.96, P,
                                         t, "R", absolute, specific, dew, relative, rho, dry, vap, mu, kappa, cp, cv,
                                         pv, h);
        benchmark::DoNotOptimize(rho);
    }
}
BENCHMARK(BM_HumidMixtureState)->Unit(benchmark::kMicrosecond);

}  // namespace
