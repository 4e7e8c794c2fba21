// The natural-gas work at states that change from call to call, as in a Run, a line walk or
// a compensation table: the detailed density over many different states (none repeats the
// one before, whose answer the routine keeps), and a whole natural-gas orifice Run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "forms/screen.h"
#include "media/natural_gas.h"
#include "state/composition.h"
#include "ui/calculation_reset.h"
#include "ui/form1.h"
#include "ui/startup.h"

namespace {

using namespace tubalyx;

struct GasState {
    double pressure;     // Pa
    double temperature;  // degC
};

// 0.1 to 12 MPa and -20 to 80 degC, spread evenly by two irrational strides: every state has
// a pressure and a temperature of its own.
std::vector<GasState> SpreadStates(int count) {
    std::vector<GasState> states;
    for (int i = 0; i < count; ++i) {
        const double u = std::fmod(i * 0.6180339887498949, 1.0), v = std::fmod(i * 0.4142135623730951, 1.0);
        states.push_back({(0.1 + 11.9 * u) * 1e6, -20.0 + 100.0 * v});
    }
    return states;
}

GasCompositionArray FiveComponentGas() {  // 90 % CH4, 2 % N2, 2 % CO2, 5 % C2H6, 1 % C3H8
    GasCompositionArray x{};
    x[1] = 0.90, x[2] = 0.02, x[3] = 0.02, x[4] = 0.05, x[5] = 0.01;
    return x;
}

// Each call the next of the states, or its pressure at 15 degC where oneTemperature.
void TimeNewStates(benchmark::State& state, bool oneTemperature) {
    const std::vector<GasState> states = SpreadStates(1000);
    const GasCompositionArray x = FiveComponentGas();
    std::size_t i = 0;
    double z = 0;
    for (auto _ : state) {
        const GasState& s = states[i];
        i = i + 1 == states.size() ? 0 : i + 1;
        benchmark::DoNotOptimize(GasCompressibilityDetailed(x, z, s.pressure, oneTemperature ? 15.0 : s.temperature));
    }
}

void BM_NaturalGasDensityNewStates(benchmark::State& state) { TimeNewStates(state, false); }
BENCHMARK(BM_NaturalGasDensityNewStates);

// The same pressures along one temperature, as a pressure walk or a table column asks.
void BM_NaturalGasDensityNewPressuresOneTemperature(benchmark::State& state) { TimeNewStates(state, true); }
BENCHMARK(BM_NaturalGasDensityNewPressuresOneTemperature);

void Click(const std::string& name) { Form1().FindComponent(name)->Click(); }

void BM_RunNaturalGasOrificeBoreBigReport(benchmark::State& state) {
    ResetCalculationState();
    Screen().SetSize(1600, 1200);
    MainFormUnitInit();
    CreateMainWindow();
    for (const char* item : {"English", "Strypel", "StrypflnsFlangetappings1", "Naturgas"}) Click(item);
    const std::pair<const char*, const char*> typed[] = {
        {"maxflowantal", "20"},       {"maxflowsort", "ton/h"}, {"difftryckmaxantal", "25"},
        {"difftryckmaxsort", "kPa"},  {"Dstorkallmm", "200"},   {"abstryckantal", "4000"},
        {"abstryckmaxantal", "5000"}, {"temp", "15"},           {"tempmin", "5"}};
    for (const auto& [edit, text] : typed) dynamic_cast<TEdit*>(Form1().FindComponent(edit))->UserSetText(text);
    // mol % of the grid rows methane, ethane, propane, butanes, pentanes, nitrogen, carbon
    // dioxide, hydrogen, carbon monoxide, water, typed as the user does.
    TForm1& f = Form1();
    const char* const shares[10] = {"90", "5", "1", "0", "0", "2", "2", "0", "0", "0"};
    for (int row = 2; row < 12; ++row) {
        f.ViktVolprocGrid.SetCell(5, row, shares[row - 2]);
        f.ViktVolprocGridSetEditText(&f.ViktVolprocGrid, 5, row, shares[row - 2]);
        f.ViktVolprocGridKeyUp(&f.ViktVolprocGrid, 0, 0);
    }
    f.ViktVolprocGridExit(&f.ViktVolprocGrid);
    for (int i = 0; i < 4 && !Form1().litenstor.Caption().starts_with("Big"); ++i) Click("litenstor");
    for (auto _ : state) {
        f.RichEdit1.Clear();
        Click("Runbutton");
        benchmark::DoNotOptimize(f.RichEdit1.LineCount());
    }
    if (f.RichEdit1.LineCount() < 10) state.SkipWithError("the run wrote no report");
}
BENCHMARK(BM_RunNaturalGasOrificeBoreBigReport)->Unit(benchmark::kMillisecond);

}  // namespace
