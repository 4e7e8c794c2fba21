// A whole Run as the user presses it, from the started window with the duty typed in: the
// input reading, the calculation, every report section of the chosen size and the splice into
// the report window. The window is cleared between runs, so each run finds an empty report.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "forms/screen.h"
#include "ui/calculation_reset.h"
#include "ui/form1.h"
#include "ui/startup.h"

namespace {

using namespace tubalyx;

void Click(const std::string& name) { Form1().FindComponent(name)->Click(); }

void Prepare(const std::vector<const char*>& items, const std::vector<std::pair<const char*, const char*>>& typed,
             bool big) {
    ResetCalculationState();
    Screen().SetSize(1600, 1200);
    MainFormUnitInit();
    CreateMainWindow();
    for (const char* item : items) Click(item);
    for (const auto& [edit, text] : typed) dynamic_cast<TEdit*>(Form1().FindComponent(edit))->UserSetText(text);
    for (int i = 0; big && i < 4 && !Form1().litenstor.Caption().starts_with("Big"); ++i) Click("litenstor");
}

void TimeRuns(benchmark::State& state) {
    for (auto _ : state) {
        Form1().RichEdit1.Clear();
        Click("Runbutton");
        benchmark::DoNotOptimize(Form1().RichEdit1.LineCount());
    }
    if (Form1().RichEdit1.LineCount() < 10) state.SkipWithError("the run wrote no report");
}

void BM_RunOrificeBoreBigReport(benchmark::State& state) {
    Prepare({"English", "Strypel", "StrypflnsCornertappings1", "VAT"},
            {{"maxflowantal", "100"},
             {"maxflowsort", "ton/h"},
             {"difftryckmaxantal", "25"},
             {"difftryckmaxsort", "kPa"},
             {"Dstorkallmm", "100"},
             {"abstryckantal", "500"},
             {"temp", "20"}},
            true);
    TimeRuns(state);
}
BENCHMARK(BM_RunOrificeBoreBigReport)->Unit(benchmark::kMillisecond);

void BM_RunAirOrificeBoreBigReport(benchmark::State& state) {
    Prepare({"English", "Strypel", "StrypflnsFlangetappings1", "LUF"},
            {{"maxflowantal", "5"},
             {"maxflowsort", "ton/h"},
             {"difftryckmaxantal", "25"},
             {"difftryckmaxsort", "kPa"},
             {"Dstorkallmm", "200"},
             {"abstryckantal", "500"},
             {"abstryckmaxantal", "500"},
             {"temp", "20"}},
            true);
    TimeRuns(state);
}
BENCHMARK(BM_RunAirOrificeBoreBigReport)->Unit(benchmark::kMillisecond);

void BM_RunWaterLinePressureLoss(benchmark::State& state) {
    Prepare({"English", "Tryckf", "VAT"},
            {{"maxflowantal", "36"},
             {"maxflowsort", "ton/h"},
             {"Dstorkallmm", "100"},
             {"Dstorrahetmm", "0.05"},
             {"matstrack", "100"}},
            true);
    TimeRuns(state);
}
BENCHMARK(BM_RunWaterLinePressureLoss)->Unit(benchmark::kMillisecond);

void BM_RunThermodynamicsWater(benchmark::State& state) {
    Prepare({"English", "Termodynamik", "VAT"}, {{"temp", "80"}, {"abstryckantal", "500"}}, true);
    TimeRuns(state);
}
BENCHMARK(BM_RunThermodynamicsWater)->Unit(benchmark::kMillisecond);

}  // namespace
