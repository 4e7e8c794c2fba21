// The window's hot paths: the flow graph, which every paint event draws again (a hundred
// points of the standard's flow iteration and of the simplified law), a whole page rebuild,
// which every menu choice and several edits run, and a recomputed column of the unit page.
#include <benchmark/benchmark.h>

#include "forms/screen.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/flow_graphs.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"
#include "ui/layout_controls.h"
#include "ui/page_manager.h"
#include "ui/run_driver.h"
#include "ui/unit_grid.h"

namespace {

using namespace tubalyx;

// A water orifice with corner tappings, 50 t/h in DN100 at 5 bar, sized for its bore.
void SizedWaterOrifice() {
    Screen().SetSize(1600, 900);
    BaseFontSize = 20;
    TForm1& f = Form1();
    f.SetFontSize(20);
    LayoutControls();
    CalcFunction = "Strypf", MediumCode = "VAT", PhaseLetter = 'V', DeviceCode = "S", DeviceVariantCode = "R";
    StandardLetter = '3', SolveFor = "DI", UpstreamFittingCode = "0", MaxFlowGivenFlag = "V";
    FlowUnit = "kg/h", MaxFlowInput = 50000.0, MinFlowInput = 15000.0, FlowNormalDensity = 1.0;
    PressureUnit = "kPa", PressureMinInput = PressureMaxInput = 500.0;
    TemperatureMinC = TemperatureMaxC = 20.0;
    PipeDiameterColdMm = 100.0, PipeRoughnessMm = 0.01;
    DeviceExpansionCoeff = PipeExpansionCoeff = 12.6;
    DeviceExpansionCoeffB = PipeExpansionCoeffB = 0.0043;
    f.difftryckmaxantal.SetText("25");
    f.difftryckmaxsort.SetText("kPa");
    WriteInputsToForm();
    RunCalculation();
}

void BM_DrawFlowGraphWaterOrifice(benchmark::State& state) {
    SizedWaterOrifice();
    if (!(MaxFlowDpPa > 0.0)) state.SkipWithError("the orifice was not sized");
    for (auto _ : state) {
        DrawFlowGraph();
        benchmark::DoNotOptimize(Form1().PaintBox1.Canvas().Ops().size());
    }
}
BENCHMARK(BM_DrawFlowGraphWaterOrifice)->Unit(benchmark::kMicrosecond);

void BM_PageManagerOrificePage(benchmark::State& state) {
    SizedWaterOrifice();
    for (auto _ : state) {
        LayoutTop = 0;
        PageManager('S', LayoutTop);
        benchmark::DoNotOptimize(LayoutTop);
    }
}
BENCHMARK(BM_PageManagerOrificePage)->Unit(benchmark::kMicrosecond);

void BM_RecalcUnitGridFlowColumn(benchmark::State& state) {
    FillUnitGridTexts();
    for (auto _ : state) RecalcUnitGrid(2, 0);
}
BENCHMARK(BM_RecalcUnitGridFlowColumn)->Unit(benchmark::kMicrosecond);

}  // namespace
