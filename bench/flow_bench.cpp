// Hot paths of the flow kernel on a gas orifice with flange tappings (ISO 5167-2:2003):
// one discharge-coefficient evaluation, one flow solve, one dp solve and one bore solve.
// bench/compare_with_fluids.py times the Python fluids library on the same cases.
#include <benchmark/benchmark.h>

#include "flow/discharge_coefficient.h"
#include "flow/flow_iterations.h"
#include "flow/flow_state.h"
#include "ui/selection_state.h"

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

void BM_OrificeDischargeCoefficient(benchmark::State& state) {
    SetUpGasOrifice();
    double beta = 0.6, reynolds = 6.96e5, l = 0.254;
    for (auto _ : state) {
        benchmark::DoNotOptimize(beta);
        benchmark::DoNotOptimize(reynolds);
        benchmark::DoNotOptimize(
            tubalyx::ReaderHarrisGallagherC(beta, reynolds, l, l, 0.1));
    }
}
BENCHMARK(BM_OrificeDischargeCoefficient);

void BM_DiffPressureFromFlowGasOrifice(benchmark::State& state) {
    SetUpGasOrifice();
    const std::string medium = "LUF", device = "S", variant = "F", standard = "3";
    for (auto _ : state) {
        double dp = 0.0;
        tubalyx::DiffPressureFromFlow(medium, device, variant, standard, 5e5, 0.984, 0.06, 0.1,
                                      5.9, 1.8e-5, 1.4, 1.0, dp);
        benchmark::DoNotOptimize(dp);
    }
}
BENCHMARK(BM_DiffPressureFromFlowGasOrifice);

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
