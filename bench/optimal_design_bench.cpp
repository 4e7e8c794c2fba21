// One full optimal-design search: three device types, one pipe and eleven dps, on water
// 50 t/h in DN100 and on air 1000 kg/h at 5 bar in DN80, and a pipe range of eleven sizes.
#include <benchmark/benchmark.h>

#include "../tests/flow/design_duties.h"
#include "flow/optimal_design.h"
#include "state/geometry.h"
#include "state/inputs.h"

namespace {

using namespace tubalyx;

void BM_OptimalDesignWater(benchmark::State& state) {
    for (auto _ : state) {
        designtest::WaterDuty();
        SizeThroatDevice();
        benchmark::DoNotOptimize(BoreDiameter);
    }
}
BENCHMARK(BM_OptimalDesignWater)->Unit(benchmark::kMillisecond);

void BM_OptimalDesignAir(benchmark::State& state) {
    for (auto _ : state) {
        designtest::AirDuty();
        SizeThroatDevice();
        benchmark::DoNotOptimize(BoreDiameter);
    }
}
BENCHMARK(BM_OptimalDesignAir)->Unit(benchmark::kMillisecond);

void BM_OptimalDesignWaterPipeRange(benchmark::State& state) {
    for (auto _ : state) {
        designtest::WaterDuty();
        PipeDiameterMinLimitM = 0.05;
        PipeDiameterMaxLimitM = 0.3;
        SizeThroatDevice();
        benchmark::DoNotOptimize(BoreDiameter);
    }
}
BENCHMARK(BM_OptimalDesignWaterPipeRange)->Unit(benchmark::kMillisecond);

}  // namespace
