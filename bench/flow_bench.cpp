// Hot paths of the flow kernel: one flow solve of a gas orifice and one bore solve.
#include <benchmark/benchmark.h>

#include "flow/flow_iterations.h"
#include "state/geometry.h"
#include "state/selections.h"

namespace {

void SetUpGasOrifice() {
    tubalyx::DeviceCode = "S";
    tubalyx::DeviceVariantCode = "F";
    tubalyx::PhaseLetter = 'N';
    tubalyx::PipeDiameter = 0.1;
}

void BM_FlowFromDiffPressureGasOrifice(benchmark::State& state) {
    SetUpGasOrifice();
    const std::string medium = "LUF", device = "S", variant = "F", standard = "3";
    for (auto _ : state) {
        double qm = 0.0;
        tubalyx::FlowFromDiffPressure(medium, device, variant, standard, 5e5, 25000.0, 0.06, 0.1,
                                      5.9, 1.8e-5, 1.4, 1.0, qm);
        benchmark::DoNotOptimize(qm);
    }
}
BENCHMARK(BM_FlowFromDiffPressureGasOrifice);

void BM_ThroatDiameterFromFlowGasOrifice(benchmark::State& state) {
    SetUpGasOrifice();
    const std::string medium = "LUF", device = "S", variant = "F", standard = "3";
    for (auto _ : state) {
        double d = 0.0;
        tubalyx::ThroatDiameterFromFlow(medium, device, variant, standard, 5e5, 0.6, 25000.0, 0.1,
                                        5.9, 1.8e-5, 1.4, 1.0, d);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_ThroatDiameterFromFlowGasOrifice);

}  // namespace
