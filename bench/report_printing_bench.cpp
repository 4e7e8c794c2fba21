// Printing the report window to the model printer: the job reads each line once, so the time
// grows with the report's length, not its square (earlier reports stay below the newest).
#include <benchmark/benchmark.h>

#include <string>

#include "forms/screen.h"
#include "ui/form1.h"
#include "ui/report_printing.h"

namespace {

void BM_PrintReport(benchmark::State& state) {
    tubalyx::TForm1& f = tubalyx::Form1();
    f.RichEdit1.Clear();
    f.RichEdit1.SetWidth(2000);
    for (int i = 0; i < state.range(0); ++i)
        f.RichEdit1.Add("Density____________________________________(kg/m3)= " + std::to_string(1000 + i) + ",5");
    for (auto _ : state) tubalyx::PrintReport(tubalyx::Printer());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PrintReport)->RangeMultiplier(4)->Range(256, 16384)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace
