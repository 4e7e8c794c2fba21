// The goal of a Run: at most 1 s for any input. Timed on the window sweep's slowest rows (the
// sweep itself, tests/sweep/, only bounds a run against a hang), each run from the calculation
// state at its start values with the row's choices made and its questionnaire typed, into an
// empty report.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "forms/screen.h"
#include "numerics/decimal_separator.h"
#include "sweep/slow_line_runs.h"
#include "sweep/sweep_selection.h"
#include "ui/calculation_reset.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"
#include "ui/run_driver.h"
#include "ui/startup.h"

namespace {

using namespace tubalyx;

// The sweep's rows whose runs take longest, each run alone (December 2026): humid line walks of
// liquefied gases near their critical points, and the device page's big report with a dp
// solved. (A row with a text that is no number in a number edit ends at once in the
// input-error line.)
// clang-format off
constexpr int kSlowestRows[] = {3712, 3714, 3711, 3713, 1281, 3146};
// clang-format on

void Prepare(const sweep::Selection& row) {
    ResetCalculationState();
    Screen().SetSize(1600, 1200);
    MainFormUnitInit();
    CreateMainWindow();
    SetupCompositionGrids();
    sweep::PrepareSelection(row);
    sweep::TypeInputs(row);
}

void BM_RunSweepRow(benchmark::State& state) {
    const std::vector<sweep::Selection> rows = sweep::SweepRows();
    const sweep::Selection& row = rows.at(static_cast<std::size_t>(state.range(0)));
    state.SetLabel(sweep::Describe(row));
    Prepare(row);
    for (auto _ : state) {
        Form1().RichEdit1.Clear();
        RunCalculation();
        benchmark::DoNotOptimize(Form1().RichEdit1.LineCount());
    }
    SetDecimalSeparator('.');
}
BENCHMARK(BM_RunSweepRow)
    ->Apply([](benchmark::internal::Benchmark* b) {
        for (int row : kSlowestRows) b->Arg(row);
    })
    ->Unit(benchmark::kMillisecond);

// The line Runs that froze the window before their outlet-temperature search knew when it could
// not gain, each from the started window as the user makes it.
void BM_RunSlowLine(benchmark::State& state) {
    const sweep::SlowLineRun& run = sweep::kSlowLineRuns.at(static_cast<std::size_t>(state.range(0)));
    state.SetLabel(run.what);
    ResetCalculationState();
    Screen().SetSize(1600, 1200);
    MainFormUnitInit();
    CreateMainWindow();
    if (!sweep::PrepareSlowLineRun(run)) state.SkipWithError("a control of the run is missing");
    for (auto _ : state) {
        Form1().RichEdit1.Clear();
        RunCalculation();
        benchmark::DoNotOptimize(Form1().RichEdit1.LineCount());
    }
}
BENCHMARK(BM_RunSlowLine)
    ->Apply([](benchmark::internal::Benchmark* b) {
        for (std::size_t i = 0; i < sweep::kSlowLineRuns.size(); ++i) b->Arg(static_cast<int>(i));
    })
    ->Unit(benchmark::kMillisecond);

}  // namespace
