// The whole window, swept: every calculation function with every medium and phase letter
// (on the primary-device page with every device and solve-for code), in every report size
// and language, on both decimal separators, with the start values and with extreme text
// typed into the questionnaire, then "Run". Every run ends in time, raises nothing, writes
// no non-number into the report or an edit, and keeps every earlier report as it was.
//
// TUBALYX_SWEEP_EVERY=n runs a share 1/n of the rows, spread over all of them (the
// instrumented build, some ten times slower, sweeps a share); TUBALYX_SWEEP_ROW=i runs row i
// alone; TUBALYX_SWEEP_TIME_SCALE=k widens the time bounds k times (an instrumented build).
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
#include "ui/calculation_reset.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"
#include "ui/page_manager.h"
#include "ui/run_driver.h"

namespace tubalyx::sweep {
namespace {

constexpr ReportSizeKind kSizes[] = {ReportSizeKind::Small, ReportSizeKind::Big, ReportSizeKind::Mini};
constexpr int kSmallestFontSize = 6;
// The longest a run may take; a known slow one only must not hang.
constexpr double kRunSeconds = 1.0;
// Runs between two clearings of the report window; the first chain is the long one.
constexpr int kLongChain = 1000;
constexpr int kChain = 60;
constexpr int kReportedFaults = 20;

// One run's choices.
struct Selection {
    const FunctionRow* function = nullptr;
    const char* medium = "";
    char phase = 'N';
    const DeviceRow* device = nullptr;
    const char* solveFor = "DI";
    char standard = '3';
    ReportSizeKind size = ReportSizeKind::Small;
    char language = 'E';
    char separator = '.';
    const char* humidity = "R";
    int variant = 0;                     // 0: the start values; else kExtremes[variant - 1] typed over them
    int target = 0;                      // the edit the extreme goes into; -1: every number edit
    const char* humidityText = nullptr;  // typed instead of the kind's own value
};

std::string Describe(const Selection& s) {
    std::string text = std::string(s.function->name) + " / " + s.medium + " '" + s.phase + "'";
    if (s.device) {
        text += std::string(" / ") + s.device->device + s.device->variant + " " + s.solveFor + " std " + s.standard;
    }
    text += std::string(" / size ") + ReportSizeCaption(s.size, 'E') + " lang " + s.language + " sep " + s.separator +
            " humidity " + s.humidity;
    if (s.variant > 0) {
        text += std::string(" / \"") + kExtremes[s.variant - 1] + "\" into " +
                (s.target < 0 ? std::string("every edit") : (Form1().*kEdits[s.target].edit).Name());
    }
    return text;
}

// The selection as the menus make it, then the page of it. The menu handlers take this over
// as they are built.
void PrepareSelection(const Selection& s) {
    TForm1& f = Form1();
    SetDecimalSeparator(s.separator);
    CalcFunction = s.function->calcFunction;
    ValveSubtype = s.function->valveSubtype;
    MaxFlowGivenFlag = s.function->maxFlowGiven;
    MediumCode = s.medium;
    PhaseLetter = s.phase;
    if (s.device) {
        DeviceCode = s.device->device;
        DeviceVariantCode = s.device->variant;
        SolveFor = s.solveFor;
        StandardLetter = s.standard;
    }
    LanguageLetter = s.language;
    HumidityInputKind = s.humidity;
    f.litenstor.SetCaption(ReportSizeCaption(s.size, s.language));
    f.tempsort.SetCaption("C");
    f.dstorkallsort.SetCaption("mm");
    // As every menu handler ends.
    LayoutTop = 0;
    PageManager('S', LayoutTop);
}

std::string WithSeparator(std::string text, char separator) {
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

// The start values typed into every edit, then the extreme of the variant, the focus moving
// from edit to edit as the user's does (an edit reads some of its text when it loses it), and
// at last to "Run".
void TypeInputs(const Selection& s) {
    TForm1& f = Form1();
    const int count = static_cast<int>(std::size(kEdits));
    for (int i = 0; i < count; ++i) {
        const EditRow& row = kEdits[i];
        std::string text = WithSeparator(row.start, s.separator);
        if (s.variant > 0 && !row.unit && (s.target < 0 || s.target == i))
            text = WithSeparator(kExtremes[s.variant - 1], s.separator);
        (f.*row.edit).SetFocus();
        (f.*row.edit).UserSetText(text);
    }
    // The humidity as its kind is given: 50 %, 5 g/m3, 3 g/kg or a dew point of 5 degC.
    if (s.variant == 0 || (s.target >= 0 && kEdits[s.target].edit != &TForm1::relabsspecfukt)) {
        const std::string humidity = s.humidity;
        f.relabsspecfukt.UserSetText(humidity == "A" ? "5" : humidity == "S" ? "3" : humidity == "D" ? "5" : "50");
    }
    if (s.humidityText) f.relabsspecfukt.UserSetText(WithSeparator(s.humidityText, s.separator));
    f.Runbutton.SetFocus();
}

// A text that is no number ("ab12", or nothing) typed into an edit that every run reads as a
// number: the run ends with the input-error line, and the edit still shows the text.
TEdit* NoNumberTypedIntoANumberEdit(const Selection& s) {
    const std::string typed = s.variant > 0 ? kExtremes[s.variant - 1] : "0";
    double value = 0.0;
    if (s.variant == 0 || TryParseNumber(typed, s.separator, value)) return nullptr;
    TEdit TForm1::*target = s.target < 0 ? &TForm1::maxflowantal : kEdits[s.target].edit;
    for (TEdit TForm1::*edit : kNumberEdits)
        if (edit == target) return &(Form1().*target);
    return nullptr;
}

// A non-number as the report formats and the platform's own conversions write one.
bool HoldsNonNumber(const std::string& text) {
    static const std::regex pattern("(^|[^A-Za-z])[-+]?(nan|inf)([^A-Za-z]|$)|1\\.#",
                                    std::regex::icase | std::regex::optimize);
    if (text.find_first_of("NnIi#") == std::string::npos) return false;
    return std::regex_search(text, pattern);
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
        EXPECT_EQ(report.empty() ? "" : f.RichEdit4.Line(static_cast<int>(report.size()) - 1), GeneralInputErrorText())
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

// The rows of the sweep: every function × medium × phase; on the device page every function ×
// medium × device × solve-for, the phase turning with the device. The rest (standard, size,
// language, separator, humidity kind, typed input) turns with the row number, on strides
// without a common factor, so that each meets every kind of row.
std::vector<Selection> SweepRows() {
    std::vector<Selection> rows;
    for (const FunctionRow& function : kFunctions) {
        for (int m = 0; m < static_cast<int>(std::size(kMedia)); ++m) {
            Selection s;
            s.function = &function;
            s.medium = kMedia[m];
            if (!function.device) {
                for (char phase : kPhases) {
                    s.phase = phase;
                    rows.push_back(s);
                }
                continue;
            }
            for (int d = 0; d < static_cast<int>(std::size(kDevices)); ++d) {
                s.phase = kPhases[(d + m) % std::size(kPhases)];
                for (const char* solveFor : kSolveFor) {
                    s.device = &kDevices[d];
                    s.solveFor = solveFor;
                    rows.push_back(s);
                }
            }
        }
    }
    const int edits = static_cast<int>(std::size(kEdits));
    const int variants = static_cast<int>(std::size(kExtremes)) + 1;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        Selection& s = rows[i];
        s.standard = kStandards[i % std::size(kStandards)];
        s.size = kSizes[(i / 2) % std::size(kSizes)];
        s.language = kLanguages[(i / 7) % std::size(kLanguages)];
        s.separator = kSeparators[(i / 11) % std::size(kSeparators)];
        s.humidity = kHumidityKinds[(i / 13) % std::size(kHumidityKinds)];
        s.variant = i % variants;
        // Every eleventh extreme goes into every number edit at once.
        s.target = (i / variants) % 11 == 0 ? -1 : (i / variants) % edits;
    }
    return rows;
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
        EXPECT_LT(took, timeScale * kRunSeconds) << "row " << i << ": " << Describe(s);
        ++runs;
        ++inChain;
        CheckRun(s, earlier);
        // A fault shows in many rows: the first few say enough.
        if (testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count() > kReportedFaults)
            break;
    }
    longestChain = std::max(longestChain, inChain);
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
// medium states with a humidity search at every one: they end well within a bound that only a
// hang would pass.
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
    constexpr double kBoundSeconds = 5.0;
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
        EXPECT_LT(took, timeScale * kBoundSeconds) << Describe(s);
        CheckRun(s, earlier);
    }
}

}  // namespace
}  // namespace tubalyx::sweep
