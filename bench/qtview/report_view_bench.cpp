// The report window's view update after one run, with a long history of earlier reports below.
// Run with the offscreen platform (set here unless QT_QPA_PLATFORM says otherwise).
#include <benchmark/benchmark.h>
#include <QApplication>
#include <string>

#include "forms/rich_edit.h"
#include "qtview/control_widgets.h"
#include "reports/report_window.h"

using namespace tubalyx;

namespace {

constexpr int kHistoryLines = 10000;
constexpr int kReportLines = 200;

// One report: a dark-red head, value lines, a red warning now and then.
void WriteReport(TRichEdit& r, int lines, int run) {
    for (int i = 0; i < lines; ++i) {
        r.SetSelColor(i == 0 ? clMaroon : i % 37 == 5 ? clRed : clBlack);
        r.Add("Run " + std::to_string(run) + " line " + std::to_string(i) +
              " Density________________________________(kg/m3)= 1,2345");
    }
    r.SetSelColor(clBlack);
}

// What a run does to the report window: the old text aside, cleared, the new report, the old
// text back below it.
void Run(TRichEdit& report, TRichEdit& aside, int run) {
    aside.Clear();
    CopyWithAttributes(report, aside, 0);
    report.Clear();
    WriteReport(report, kReportLines, run);
    CopyWithAttributes(aside, report, -ReportTextLength(report));
}

struct ReportWindowFixture {
    TRichEdit report{"RichEdit1"};
    TRichEdit aside{"RichEdit5"};
    RichEditWidget widget{report, nullptr};
    ReportWindowFixture() {
        widget.resize(1200, 800);
        widget.show();
        WriteReport(report, kHistoryLines, 0);
        widget.SyncFromModel();
        QApplication::processEvents();
    }
};

// The view update alone: applying the run's changes and letting Qt lay out and paint.
void BM_ReportViewAfterRun(benchmark::State& state) {
    ReportWindowFixture f;
    int run = 1;
    for (auto _ : state) {
        state.PauseTiming();
        Run(f.report, f.aside, run++);
        state.ResumeTiming();
        f.widget.SyncFromModel();
        QApplication::processEvents();
    }
    state.counters["lines"] = f.report.LineCount();
    state.counters["rebuilds"] = f.widget.RebuildCount();
}
BENCHMARK(BM_ReportViewAfterRun)->Unit(benchmark::kMillisecond)->Iterations(10);

// The model's side of the same run, for comparison.
void BM_ReportModelRun(benchmark::State& state) {
    ReportWindowFixture f;
    int run = 1;
    for (auto _ : state) {
        Run(f.report, f.aside, run++);
        state.PauseTiming();
        f.widget.SyncFromModel();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReportModelRun)->Unit(benchmark::kMillisecond)->Iterations(10);

// Drawing the whole text afresh, as the view does when the model says all of it changed.
void BM_ReportViewRebuild(benchmark::State& state) {
    ReportWindowFixture f;
    for (auto _ : state) {
        state.PauseTiming();
        f.report.SetContent(f.report.Content());
        state.ResumeTiming();
        f.widget.SyncFromModel();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ReportViewRebuild)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
