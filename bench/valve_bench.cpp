// Hot paths of the valve equations: the drop of a valve fitting of given Kv, which the line
// calculation solves once per segment, and the critical-flow walk of a restriction orifice.
#include <benchmark/benchmark.h>

#include "pressure_loss/critical_flow.h"
#include "pressure_loss/valve_coefficients.h"

namespace {

tubalyx::ValveDuty ReducedWaterValve() {
    return tubalyx::ValveDuty{.medium = tubalyx::ValveMedium::Liquid,
                              .flowTph = 40,
                              .density = 998.2,
                              .temperatureC = 20,
                              .inletPressureBar = 10,
                              .vapourPressureBar = 0.0234,
                              .criticalPressureBar = 221.2,
                              .dropBar = 1,
                              .fl = 0.9,
                              .valveDiameterMm = 80,
                              .pipeDiameterMm = 100};
}

void BM_RestrictionFlowTermReducedValve(benchmark::State& state) {
    const tubalyx::ValveDuty duty = ReducedWaterValve();
    const double kv = tubalyx::ValveFlowCoefficient(duty).kv;
    for (auto _ : state) benchmark::DoNotOptimize(tubalyx::RestrictionFlowTerm(duty, kv));
}
BENCHMARK(BM_RestrictionFlowTermReducedValve);

void BM_CriticalWalkWaterOrifice(benchmark::State& state) {
    tubalyx::ValveDuty duty = ReducedWaterValve();
    duty.restriction = true;
    duty.fl = 0.85;
    for (auto _ : state) benchmark::DoNotOptimize(tubalyx::ValveFlowForPressureDrop(duty, false));
}
BENCHMARK(BM_CriticalWalkWaterOrifice);

}  // namespace
