// Hot paths of the medium properties: one table read, one repeated detailed natural-gas density
// and one whole property-switch call of a humid gas.
#include <benchmark/benchmark.h>

#include "media/medium_property_switch.h"
#include "media/natural_gas.h"
#include "property_tables/air.h"
#include "property_tables/nitrogen.h"
#include "state/composition.h"
#include "state/selections.h"

namespace {

void BM_AirDensityTable(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tubalyx::AirDensityPT(5e5, 20.0));
}
BENCHMARK(BM_AirDensityTable);

void BM_NitrogenDensityTable(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tubalyx::NitrogenDensityPT(5e5, 20.0));
}
BENCHMARK(BM_NitrogenDensityTable);

// The same state again and again: the answer the routine keeps for a repeat (the humidity
// searches ask so). New states: natural_gas_bench.cpp.
void BM_NaturalGasDensityRepeatedState(benchmark::State& state) {
    tubalyx::GasCompositionArray x{};
    x[1] = 0.90, x[2] = 0.02, x[3] = 0.02, x[4] = 0.05, x[5] = 0.01;
    double z = 0;
    for (auto _ : state) benchmark::DoNotOptimize(tubalyx::GasCompressibilityDetailed(x, z, 5e6, 15.0));
}
BENCHMARK(BM_NaturalGasDensityRepeatedState);

void BM_PropertySwitchHumidAir(benchmark::State& state) {
    tubalyx::PhaseLetter = 'N';
    const std::string keyword = "LUF";
    for (auto _ : state) {
        double P = 5e5, t = 20.0, satT = 20.0;
        double rho, dry, vap, mu, kappa, cp, cv, h = 0;
        tubalyx::MediumPropertySwitch(keyword, tubalyx::GasCompositionArray{}, P, 0, 0, 0, 0, 0, t, satT, 1.0, 50.0,
                                      rho, dry, vap, mu, kappa, cp, cv, h);
        benchmark::DoNotOptimize(rho);
    }
}
BENCHMARK(BM_PropertySwitchHumidAir);

}  // namespace
