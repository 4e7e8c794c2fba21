// Hot paths of the flow kernel on a gas orifice with flange tappings (ISO 5167-2:2003):
// one discharge-coefficient evaluation, one flow solve, one dp solve and one bore solve.
// bench/compare_with_fluids.py times the Python fluids library on the same cases.
#include <benchmark/benchmark.h>

#include <string>

#include "flow/discharge_coefficient.h"
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

// Times one keyword call on the gas orifice: solve(medium, device, variant, standard, result).
template <typename Solve>
void RunGasOrifice(benchmark::State& state, Solve solve) {
    SetUpGasOrifice();
    const std::string medium = "LUF", device = "S", variant = "F", standard = "3";
    for (auto _ : state) {
        double result = 0.0;
        solve(medium, device, variant, standard, result);
        benchmark::DoNotOptimize(result);
    }
}

using Keyword = const std::string&;

void BM_FlowFromDiffPressureGasOrifice(benchmark::State& state) {
    RunGasOrifice(state, [](Keyword m, Keyword d, Keyword v, Keyword s, double& qm) {
        tubalyx::FlowFromDiffPressure(m, d, v, s, 5e5, 25000.0, 0.06, 0.1, 5.9, 1.8e-5, 1.4, 1.0, qm);
    });
}
BENCHMARK(BM_FlowFromDiffPressureGasOrifice);

// The flow of the flow solve above, back to its dp.
void BM_DiffPressureFromFlowGasOrifice(benchmark::State& state) {
    RunGasOrifice(state, [](Keyword m, Keyword d, Keyword v, Keyword s, double& dp) {
        tubalyx::DiffPressureFromFlow(m, d, v, s, 5e5, 0.984, 0.06, 0.1, 5.9, 1.8e-5, 1.4, 1.0, dp);
    });
}
BENCHMARK(BM_DiffPressureFromFlowGasOrifice);

void BM_ThroatDiameterFromFlowGasOrifice(benchmark::State& state) {
    RunGasOrifice(state, [](Keyword m, Keyword d, Keyword v, Keyword s, double& bore) {
        tubalyx::ThroatDiameterFromFlow(m, d, v, s, 5e5, 0.6, 25000.0, 0.1, 5.9, 1.8e-5, 1.4, 1.0, bore);
    });
}
BENCHMARK(BM_ThroatDiameterFromFlowGasOrifice);

// C of the same plate at the flow of the flow solve (beta 0.6, ReD 6.96e5, L1 = L2' = 0.254).
void BM_OrificeDischargeCoefficient(benchmark::State& state) {
    double beta = 0.6, reynolds = 6.96e5, l = 0.254;
    for (auto _ : state) {
        benchmark::DoNotOptimize(beta);
        benchmark::DoNotOptimize(reynolds);
        benchmark::DoNotOptimize(tubalyx::ReaderHarrisGallagherC(beta, reynolds, l, l, 0.1));
    }
}
BENCHMARK(BM_OrificeDischargeCoefficient);

}  // namespace
