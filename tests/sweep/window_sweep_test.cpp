// The whole window, swept: every calculation function with every medium and phase letter
// (on the primary-device page with every device and solve-for code), in every report size
// and language, on both decimal separators, with the start values and with extreme text
// typed into the questionnaire, then "Run". Every run ends (a bound that only a hang passes:
// the goal of 1 s a run is the Run benchmark's, bench/sweep_rows_bench.cpp), raises nothing,
// lets nothing but a calculation error or a typed text that is no number reach the run's
// guard, writes no non-number into the report or an edit, and keeps every earlier report as it
// was; a text that is no number in a number edit ends its run with the input-error line.
//
// TUBALYX_SWEEP_EVERY=n runs a share 1/n of the rows, spread over all of them (the
// instrumented build, some ten times slower, sweeps a share); TUBALYX_SWEEP_ROW=i runs row i
// alone; TUBALYX_SWEEP_TIME_SCALE=k widens the hang bounds k times (an instrumented build);
// TUBALYX_SWEEP_LINES=FILE writes every run's report (its date line left out) to FILE, so that
// two builds' report lines can be compared with diff.
//
// The line walks (the line functions, the valve's big report) are counted apart: with a
// humidity given as absolute, specific or dew point they search for it at each of thousands of
// states, and are held to the same bound.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "reports/report_window.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "sweep/sweep_rows.h"
#include "sweep/sweep_selection.h"
#include "ui/calculation_reset.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"
#include "ui/page_manager.h"
#include "ui/run_driver.h"

namespace tubalyx::sweep {
namespace {

constexpr int kSmallestFontSize = 6;
// A run that takes this long hangs: ten times the goal of a run, so that a busy machine never
// fails the sweep.
constexpr double kHangSeconds = 10.0;
// Runs between two clearings of the report window; the first chain is the long one.
constexpr int kLongChain = 1000;
constexpr int kChain = 60;
constexpr int kReportedFaults = 20;

// A non-number as the report formats and the platform's own conversions write one.
bool HoldsNonNumber(const std::string& text) {
    static const std::regex pattern("(^|[^A-Za-z])[-+]?(nan|inf)([^A-Za-z]|$)|1\\.#",
                                    std::regex::icase | std::regex::optimize);
    if (text.find_first_of("NnIi#") == std::string::npos) return false;
    return std::regex_search(text, pattern);
}

// A text that is no number ("ab12", or nothing) typed into an edit that every run reads as a
// number: the run ends with the input-error line, and the edit still shows the text.
TEdit* NoNumberTypedIntoANumberEdit(const Selection& s) {
    double value = 0.0;
    if (s.variant == 0 || TryParseNumber(kExtremes[s.variant - 1], s.separator, value)) return nullptr;
    TEdit TForm1::*target = s.target < 0 ? &TForm1::maxflowantal : kEdits[s.target].edit;
    for (TEdit TForm1::*edit : kNumberEdits)
        if (edit == target) return &(Form1().*target);
    return nullptr;
}

// Whether the text that the run's guard names as no number ("'ab12' is no number") is one the
// row typed: the extreme of its variant or its humidity text. Any other text read as a number
// is the program's own, and its failing a fault of the program.
bool NamesATypedText(const Selection& s, const std::string& message) {
    std::vector<std::string> typed;
    if (s.variant > 0) typed.push_back(WithSeparator(kExtremes[s.variant - 1], s.separator));
    if (s.humidityText) typed.push_back(WithSeparator(s.humidityText, s.separator));
    return std::any_of(typed.begin(), typed.end(),
                       [&](const std::string& text) { return message.starts_with("'" + text + "' "); });
}

// What the window shows after a run, checked line by line; `earlier` is the window before the
// run and becomes the window after it.
void CheckRun(const Selection& s, std::vector<TRichLine>& earlier) {
    TForm1& f = Form1();
    const std::vector<TRichLine>& now = f.RichEdit1.Content().Lines;
    const std::vector<TRichLine>& report = f.RichEdit4.Content().Lines;
    ASSERT_EQ(NewestReportLineCount, static_cast<int>(report.size())) << Describe(s);
    ASSERT_EQ(now.size(), report.size() + 1 + earlier.size()) << Describe(s);
    ASSERT_TRUE(std::equal(report.begin(), report.end(), now.begin())) << Describe(s);
    EXPECT_TRUE(now[report.size()].empty()) << Describe(s);
    ASSERT_TRUE(std::equal(earlier.begin(), earlier.end(), now.begin() + report.size() + 1))
        << "an earlier report changed: " << Describe(s);

    // The head: up to two title lines, then the date line.
    const std::string date = s.language == 'E' ? "Date: " : "Datum: ";
    int dateLine = 0;
    while (dateLine < 3 && !f.RichEdit4.Line(dateLine).starts_with(date)) ++dateLine;
    EXPECT_LT(dateLine, 3) << f.RichEdit4.Line(0) << " | " << Describe(s);
    if (const TEdit* typedInto = NoNumberTypedIntoANumberEdit(s)) {
        EXPECT_EQ(report.empty() ? "" : f.RichEdit4.Line(static_cast<int>(report.size()) - 1), InputErrorLine())
            << Describe(s);
        EXPECT_EQ(typedInto->Text(), WithSeparator(kExtremes[s.variant - 1], s.separator)) << Describe(s);
    }
    for (int i = 0; i < static_cast<int>(report.size()); ++i) {
        const std::string line = f.RichEdit4.Line(i);
        EXPECT_FALSE(HoldsNonNumber(line)) << line << " | " << Describe(s);
        for (const TTextRun& run : report[i])
            EXPECT_GE(run.Attributes.Size, kSmallestFontSize) << line << " | " << Describe(s);
    }
    for (TControl* control : f.Controls()) {
        if (auto* edit = dynamic_cast<TEdit*>(control)) {
            EXPECT_FALSE(HoldsNonNumber(edit->Text())) << edit->Name() << " = " << edit->Text() << " | " << Describe(s);
        } else if (auto* grid = dynamic_cast<TStringGrid*>(control)) {
            for (int col = 0; col < grid->ColCount(); ++col)
                for (int row = 0; row < grid->RowCount(); ++row)
                    EXPECT_FALSE(HoldsNonNumber(grid->Cell(col, row)))
                        << grid->Name() << "[" << col << "," << row << "] = " << grid->Cell(col, row) << " | "
                        << Describe(s);
        }
    }
    earlier = now;
}

// The run's report into the file of TUBALYX_SWEEP_LINES, headed by its row.
void WriteReportLines(std::FILE* out, int row, const Selection& s) {
    if (!out) return;
    std::fprintf(out, "== row %d: %s\n", row, Describe(s).c_str());
    const TForm1& f = Form1();
    for (int i = 0; i < static_cast<int>(f.RichEdit4.Content().Lines.size()); ++i) {
        const std::string line = f.RichEdit4.Line(i);
        if (!line.starts_with("Date: ") && !line.starts_with("Datum: ")) std::fprintf(out, "%s\n", line.c_str());
    }
}

// The rows a share 1/n of the sweep takes, spread over all of it.
bool InShare(int row, int n) { return n <= 1 || ((static_cast<unsigned>(row) * 2654435761u) >> 13) % n == 0; }

// A run that walks the line state.
bool WalksTheLine(const Selection& s) {
    const std::string function = s.function->calcFunction;
    if (function == "Tryckf" || function == "Flow") return true;
    return function == "Ventil" && s.size == ReportSizeKind::Big;
}

int FromEnvironment(const char* name, int otherwise) {
    const char* text = std::getenv(name);
    return text ? std::atoi(text) : otherwise;
}

struct Timing {
    int runs = 0;
    double total = 0.0, slowest = 0.0;
};

// A new chain of runs: the window empty, the calculation state at its start values.
void StartChain(std::vector<TRichLine>& earlier) {
    ResetCalculationState();
    SetupCompositionGrids();
    Form1().RichEdit1.Clear();
    earlier.clear();
}

TEST(WindowSweep, EveryRunEndsInTimeWithNumbersAndKeepsTheEarlierReports) {
    const std::vector<Selection> rows = SweepRows();
    const int every = std::max(1, FromEnvironment("TUBALYX_SWEEP_EVERY", 1));
    const int only = FromEnvironment("TUBALYX_SWEEP_ROW", -1);
    const double timeScale = std::max(1, FromEnvironment("TUBALYX_SWEEP_TIME_SCALE", 1));
    int walks = 0;
    std::vector<TRichLine> earlier;
    double slowest = 0.0, total = 0.0;
    std::string slowestRow;
    std::map<std::string, Timing> timings;
    int runs = 0, inChain = 0, chain = kLongChain, longestChain = 0;
    const char* linesFile = std::getenv("TUBALYX_SWEEP_LINES");
    std::FILE* lines = linesFile ? std::fopen(linesFile, "w") : nullptr;
    StartChain(earlier);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (only >= 0 ? i != only : !InShare(i, every)) continue;
        Selection s = rows[i];
        walks += WalksTheLine(s) ? 1 : 0;
        if (inChain == chain) {
            longestChain = std::max(longestChain, inChain);
            StartChain(earlier);
            inChain = 0;
            chain = kChain;
        }
        PrepareSelection(s);
        TypeInputs(s);
        const auto start = std::chrono::steady_clock::now();
        try {
            RunCalculation();
        } catch (...) {
            ADD_FAILURE() << "Run raised: " << Describe(s);
        }
        EXPECT_NE(LastRunGuardCatch(), RunGuardCatch::OtherException)
            << "an exception other than a calculation error or a text that is no number reached the run's guard ("
            << LastRunGuardMessage() << "): " << Describe(s);
        if (LastRunGuardCatch() == RunGuardCatch::TextThatIsNoNumber) {
            EXPECT_TRUE(NamesATypedText(s, LastRunGuardMessage()))
                << "a text the row did not type was read as a number (" << LastRunGuardMessage()
                << "): " << Describe(s);
        }
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        total += took;
        Timing& group = timings[std::string(s.function->name) + (s.device ? std::string(" ") + s.solveFor : "")];
        group.runs += 1;
        group.total += took;
        group.slowest = std::max(group.slowest, took);
        if (took > slowest) {
            slowest = took;
            slowestRow = Describe(s);
        }
        EXPECT_LT(took, timeScale * kHangSeconds) << "row " << i << ": " << Describe(s);
        ++runs;
        ++inChain;
        CheckRun(s, earlier);
        WriteReportLines(lines, i, s);
        // A fault shows in many rows: the first few say enough.
        if (testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count() > kReportedFaults)
            break;
    }
    longestChain = std::max(longestChain, inChain);
    if (lines) std::fclose(lines);
    SetDecimalSeparator('.');
    std::printf(
        "window sweep: %d runs of %zu rows (%d of them line walks), "
        "%d in the longest chain, %.1f s in Run, slowest %.3f s (%s)\n",
        runs, rows.size(), walks, longestChain, total, slowest, slowestRow.c_str());
    for (const auto& [name, t] : timings)
        std::printf("  %-36s %6d runs %7.2f s, slowest %.3f s\n", name.c_str(), t.runs, t.total, t.slowest);
    EXPECT_GE(longestChain, std::min(runs, kLongChain));
}

// Humid runs of the device page's big report that took 5 to 10 s, each evaluating thousands of
// medium states with a humidity search at every one: they end within the bound that only a
// hang passes.
TEST(WindowSweep, HumidRunsThatWalkManyStatesEndInTime) {
    struct Reproducer {
        const char* function;
        const char* medium;
        char phase;
        const char* device;  // nullptr off the device page
        const char* solveFor;
        const char* humidity;
        const char* humidityText;
    };
    // clang-format off
    const Reproducer reproducers[] = {
        {"primary device", "NH3", 'V', "S", "FL", "A", nullptr},
        {"primary device", "GAS", 'G', "D", "DI", "S", "50"},
        {"primary device", "IGAS", 'N', "V", "FL", "S", nullptr},
    };
    // clang-format on
    const double timeScale = std::max(1, FromEnvironment("TUBALYX_SWEEP_TIME_SCALE", 1));
    std::vector<TRichLine> earlier;
    StartChain(earlier);
    for (const Reproducer& r : reproducers) {
        Selection s;
        for (const FunctionRow& function : kFunctions)
            if (function.name == std::string(r.function)) s.function = &function;
        ASSERT_NE(s.function, nullptr) << r.function;
        if (r.device) {
            for (const DeviceRow& device : kDevices)
                if (device.device == std::string(r.device) && !s.device) s.device = &device;
            ASSERT_NE(s.device, nullptr) << r.device;
        }
        s.medium = r.medium;
        s.phase = r.phase;
        s.solveFor = r.solveFor;
        s.size = ReportSizeKind::Big;
        s.humidity = r.humidity;
        s.humidityText = r.humidityText;
        PrepareSelection(s);
        TypeInputs(s);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_NO_THROW(RunCalculation()) << Describe(s);
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("  %-60s %.3f s\n", Describe(s).c_str(), took);
        EXPECT_LT(took, timeScale * kHangSeconds) << Describe(s);
        CheckRun(s, earlier);
    }
}

}  // namespace
}  // namespace tubalyx::sweep
