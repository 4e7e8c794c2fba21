// The uncertainty budget of an orifice (corner tappings, beta 0.5, DN100): one run over the
// flow range (ten points, about twenty flow solves and three medium states each), and the
// whole budget of the Run label (the ten sub-ranges of the means and the final run).
#include <benchmark/benchmark.h>

#include "flow/flow_iterations.h"
#include "reports/uncertainty/uncertainty_calculation.h"
#include "reports/uncertainty/uncertainty_report.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/uncertainty_state.h"
#include "ui/form1.h"

namespace {

using namespace tubalyx;

// Water at 5 bar and 20 C, or air at the same state, 10 % to 100 % of the maximal flow.
void Orifice(bool air) {
    CalcFunction = "Strypf", DeviceCode = "S", DeviceVariantCode = "R", StandardLetter = '3';
    SolveFor = "DP", LanguageLetter = 'E';
    MediumCode = air ? "LUF" : "VAT", PhaseLetter = air ? 'N' : 'V';
    FlowDensity = DryGasDensity = air ? 5.94 : 998.2;
    DynamicViscosityPas = air ? 1.81e-5 : 1.002e-3, KappaOperating = air ? 1.4 : 1.3;
    OperatingPressure = 5e5, OperatingTemperature = 20.0;
    PipeDiameter = 0.1, BoreDiameter = 0.05;
    MaxMassFlow = air ? 0.5 : 10.0, MinMassFlow = 0.1 * MaxMassFlow, NormalMassFlow = 0.67 * MaxMassFlow;
    MaxFlowSI = MaxMassFlow * 3600.0, MinFlowSI = 0.1 * MaxFlowSI;
    DiffPressureFromFlow(MediumCode, "S", "R", "3", 5e5, MaxMassFlow, 0.05, 0.1, FlowDensity, DynamicViscosityPas,
                         KappaOperating, 1.0, MaxDpPa);
    UncertaintyInputs = {};
    UncertaintyInputs.MeterSpanUncertainty = 0.1, UncertaintyInputs.ThroatDiameterUncertaintyMm = 0.01;
    UncertaintyInputs.PressureUncertaintyPercent = 0.1, UncertaintyInputs.TemperatureUncertaintyC = 0.5;
}

void BM_UncertaintyRun(benchmark::State& state) {
    Orifice(state.range(0) != 0);
    const UncertaintyRunInput input = UncertaintyRunInputFromState();
    for (auto _ : state) {
        double lowest = MinMassFlow;
        benchmark::DoNotOptimize(RunUncertaintyCalculation(input, lowest));
    }
    state.SetLabel(state.range(0) != 0 ? "air" : "water");
}
BENCHMARK(BM_UncertaintyRun)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_UncertaintyBudget(benchmark::State& state) {
    Orifice(false);
    TStringGrid& grid = Form1().Felsimulgrid;
    grid.SetColCount(13), grid.SetRowCount(23);
    grid.SetCell(2, 0, "10");
    for (auto _ : state) benchmark::DoNotOptimize(RunUncertaintyBudget());
}
BENCHMARK(BM_UncertaintyBudget)->Unit(benchmark::kMillisecond);

}  // namespace
