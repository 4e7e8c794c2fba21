// The run from "Run" to the report window: reports kept newest first with their attributes,
// the input-error line on faulty input and on any failure inside a calculation, the sizes of
// head and body, the caret, and the inputs the run normalises.
#include "ui/run_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "flow/design_duties.h"
#include "flow/primary_device_sequence.h"
#include "forms/screen.h"
#include "media/medium_state.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/separator_guard.h"
#include "numerics/text_utils.h"
#include "pressure_loss/valve_sizing.h"
#include "reports/operating_conditions.h"
#include "reports/production_report.h"
#include "reports/report_head.h"
#include "reports/report_window.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "support/start_up_edits.h"
#include "texts/caption_sets.h"
#include "texts/report_label_strings.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"

namespace tubalyx {
namespace {

constexpr int kFontSize = 16;
constexpr int kHeadSize = kFontSize * 60 / 13;

ReportTimestamp FixedClock() { return {"2026-12-09", "04:01:11"}; }

// An orifice plate with corner tappings in a DN100 water line at 5 bar, sized for its bore.
// The duty is stated by what the user types; the run derives the rest from the edits.
void WaterOrifice() {
    designtest::WaterDuty();
    SolveFor = "DI", UpstreamFittingCode = "0", MaxFlowGivenFlag = "V";
    MinFlowInput = 15000.0, FlowNormalDensity = 1.0, PipeDiameterColdMm = 100.0;
    PressureUnit = "kPa", PressureMinInput = PressureMaxInput = 500.0;
    // The design dp as typed: the window writes it back only beside a pressure range, which a
    // liquid's page does not show.
    Form1().difftryckmaxantal.SetText("25");
    Form1().difftryckmaxsort.SetText("kPa");
}

// A user-defined liquid of zero density: the primary-device run must refuse it.
void ZeroDensityLiquid() {
    WaterOrifice();
    MediumCode = "VÄT";
    GivenDensity = 0.0;
}

std::vector<std::string> LinesOf(const TRichEdit& edit) {
    std::vector<std::string> lines;
    for (int i = 0; i < edit.LineCount(); ++i) lines.push_back(edit.Line(i));
    return lines;
}

// The attributes each line starts with; an empty line has none.
std::vector<TTextAttributes> StartAttributesOf(const TRichEdit& edit) {
    std::vector<TTextAttributes> attributes;
    for (const auto& line : edit.Content().Lines)
        attributes.push_back(line.empty() ? TTextAttributes{} : line[0].Attributes);
    return attributes;
}

bool Contains(const std::vector<std::string>& lines, const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) != lines.end();
}

// A head line at 60/13 of the report's size unless that runs past the report window: then at
// the size that fits, still above the body's.
void ExpectFittedHeadLine(const std::string& line, int size) {
    EXPECT_LE(size, kHeadSize) << line;
    EXPECT_GT(size, kFontSize) << line;
    EXPECT_LE(Utf8Length(line) * CharWidth(size), Form1().RichEdit1.Width()) << line;
}

// The state the case sets stands in the edits, as if typed, and the run reads it from there.
void RunTyped() {
    WriteInputsToForm();
    RunCalculation();
}

class RunDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        SetReportClock(&FixedClock);
        TForm1& f = Form1();
        f.SetFontSize(kFontSize);
        f.SetClientWidth(1400);
        f.RichEdit1.SetFontSize(kFontSize);
        f.litenstor.SetCaption("Small");
        f.ViktVolprocGrid.SetVisible(false);
        f.relabsspecfukt.SetText("");
        for (TRichEdit* e : {&f.RichEdit1, &f.RichEdit2, &f.RichEdit4, &f.RichEdit5}) {
            e->Clear();
            e->SetSelAttributes(TTextAttributes{});
        }
        TScreen::SetCursorListener([this](TCursor c) { cursors_.push_back(c); });
        testsupport::WriteStartUpEdits();
    }
    void TearDown() override {
        TScreen::SetCursorListener(nullptr);
        SetReportClock(nullptr);
    }
    std::vector<TCursor> cursors_;
};

TEST_F(RunDriverTest, ThreeRunsStandNewestFirstWithEveryLineAsItWas) {
    std::vector<std::string> expected;
    std::vector<TTextAttributes> expectedAttributes;
    std::vector<std::vector<TTextAttributes>> reports;
    for (auto duty : {&WaterOrifice, &ZeroDensityLiquid, +[] { CalcFunction = "Termo"; }}) {
        duty();
        RunTyped();
        // RichEdit4 holds the new report alone; it goes in front of the earlier ones.
        std::vector<std::string> report = LinesOf(Form1().RichEdit4);
        std::vector<TTextAttributes> attributes = StartAttributesOf(Form1().RichEdit4);
        EXPECT_EQ(NewestReportLineCount, static_cast<int>(report.size()));
        report.push_back("");
        attributes.push_back(TTextAttributes{});
        expected.insert(expected.begin(), report.begin(), report.end());
        expectedAttributes.insert(expectedAttributes.begin(), attributes.begin(), attributes.end());
        reports.push_back(attributes);
    }
    const std::vector<std::string> lines = LinesOf(Form1().RichEdit1);
    ASSERT_EQ(lines, expected);
    EXPECT_TRUE(StartAttributesOf(Form1().RichEdit1) == expectedAttributes);

    // Termo (first in the window): the input heading at 11/8 of the form's font, the listing
    // of the medium questionnaire, an empty line and the output heading.
    const std::string output = "__________________OUTPUT_____________________";
    const int termo = static_cast<int>(reports[2].size()), zero = static_cast<int>(reports[1].size());
    EXPECT_EQ(lines[3], "__________________INPUT______________________");
    EXPECT_EQ(reports[2][3].Size, kFontSize * 11 / 8);
    const auto termoOutput = std::find(lines.begin() + 4, lines.begin() + termo, output);
    ASSERT_NE(termoOutput, lines.begin() + termo);
    EXPECT_EQ(*(termoOutput - 1), "");
    // The liquid of the run before, of no density: no medium has that state.
    EXPECT_EQ(*(termoOutput + 1), "INPUT ERROR!!!");
    // Zero density: the head, the inputs as typed and the red error line, no output.
    EXPECT_EQ(lines[termo + 4], "__________________INPUT______________________");
    EXPECT_EQ(std::find(lines.begin() + termo, lines.begin() + termo + zero, output), lines.begin() + termo + zero);
    EXPECT_EQ(lines[termo + zero - 2], "INPUT ERROR!!!");
    EXPECT_EQ(reports[1][zero - 2].Color, clRed);
    EXPECT_EQ(reports[1][zero - 2].Size, kFontSize);
    // The orifice: two title lines in dark red bold at the head's size; the body starts again
    // from the report's size, and no section grows above it.
    const int orifice = termo + zero;
    EXPECT_EQ(lines[orifice], "COMPUTERCALCULATION OF THROATDEVICE FOR FLOWMEASUREMENT IN TUBES");
    EXPECT_EQ(lines[orifice + 1], "ACCORDING STANDARD ISO 5167 from 2003");
    EXPECT_EQ(reports[0][0].Color, 128);
    EXPECT_TRUE(reports[0][0].Style.Bold);
    ExpectFittedHeadLine(lines[orifice + 1], reports[0][1].Size);
    for (size_t i = 4; i < reports[0].size(); ++i) EXPECT_LE(reports[0][i].Size, kFontSize) << i;
    // The caret ends on the marked line nearest the end: the oldest report's output heading.
    const TRichEdit& e = Form1().RichEdit1;
    const int last = static_cast<int>(std::find(lines.begin() + orifice, lines.end(), output) - lines.begin());
    ASSERT_LT(last, static_cast<int>(lines.size()));
    EXPECT_EQ(ReportCaret(), LineStartPosition(e, last) + Utf8Length(lines[last]));
}

TEST_F(RunDriverTest, AHundredRunsKeepAHundredReportsAtTheirSizes) {
    CalcFunction = "Sorter";
    TForm1& f = Form1();
    for (TControl* command :
         {static_cast<TControl*>(&f.Label1), static_cast<TControl*>(f.Run1), static_cast<TControl*>(&f.Runbutton)})
        command->Click();
    for (int run = 3; run < 100; ++run) RunTyped();
    // Each report: date line, product line, input heading; then one empty line.
    EXPECT_EQ(NewestReportLineCount, 3);
    const std::vector<std::string> lines = LinesOf(f.RichEdit1);
    ASSERT_EQ(lines.size(), 400u);
    const auto& content = f.RichEdit1.Content().Lines;
    const int dateSize = content[0][0].Attributes.Size;
    ExpectFittedHeadLine(lines[0], dateSize);
    for (int run = 0; run < 100; ++run) {
        EXPECT_EQ(lines[run * 4], "Date: 2026-12-09 /Time: 04:01:11") << run;
        EXPECT_EQ(content[run * 4][0].Attributes.Size, dateSize) << run;
        EXPECT_EQ(content[run * 4 + 2][0].Attributes.Size, kFontSize * 11 / 8) << run;
        EXPECT_EQ(lines[run * 4 + 3], "") << run;
    }
}

TEST_F(RunDriverTest, FailureInsideAnyFunctionKeepsEarlierReportsAndTheCursor) {
    // The headings the cases name are those of a language: empty before the first switch.
    ApplyLanguage(LanguageLetter);
    // Each case types a duty that fails inside the named section: the section raises on the
    // state the run leaves, the steps before it completed, and its own lines stop short.
    const struct {
        const char* name;
        std::function<void()> duty;
        std::function<void()> section;
        std::string reached;     // a line the new report holds
        std::string notReached;  // a line it lacks
    } cases[] = {
        {"valve calculation",
         [] {
             CalcFunction = "Ventil";
             ValveSubtype = "VE";
             PipeDiameterColdMm = 1e-300;  // a pipe without area: 0 is refused before the calculation
         },
         &RunValve, InputHeadingText(), OutputHeading},
        {"device dimension section",
         [] {
             ProductionReportFlag.assign(1, 'J');  // not = "J": gcc 12 warns falsely there (-Wrestrict)
             PlateThicknessMm = 1e-308;            // the carrier-ring limit overflows
         },
         &WriteDeviceDimensionReport, "(Only 0.5% additional uncertainty upstreams OR downstreams, NOT BOTH!)",
         "2. At 20 C, b = "},
        {"primary-device calculation", [] { PipeDiameterColdMm = 1e-300; }, &RunPrimaryDeviceCalculation,
         InputHeadingText(), OutputHeading},
    };
    for (const auto& c : cases) {
        SetUp();
        CalcFunction = "Termo";
        RunTyped();
        const std::vector<std::string> earlier = LinesOf(Form1().RichEdit1);
        const std::vector<TTextAttributes> earlierAttributes = StartAttributesOf(Form1().RichEdit1);
        WaterOrifice();
        c.duty();
        cursors_.clear();
        RunTyped();
        TearDown();
        Form1().ViktVolprocGrid.SetVisible(false);

        EXPECT_EQ(cursors_, (std::vector<TCursor>{TCursor::crHourGlass, TCursor::crDefault})) << c.name;
        const std::vector<std::string> lines = LinesOf(Form1().RichEdit1);
        const int newest = NewestReportLineCount;
        ASSERT_EQ(lines.size(), newest + 1 + earlier.size()) << c.name;
        EXPECT_EQ(lines[newest - 1], "INPUT ERROR!!!") << c.name;
        EXPECT_EQ(Form1().RichEdit1.Content().Lines[newest - 1][0].Attributes.Color, clRed) << c.name;
        EXPECT_EQ(std::vector<std::string>(lines.begin() + newest + 1, lines.end()), earlier) << c.name;
        const std::vector<TTextAttributes> kept = StartAttributesOf(Form1().RichEdit1);
        EXPECT_TRUE(std::equal(kept.begin() + newest + 1, kept.end(), earlierAttributes.begin())) << c.name;

        const std::vector<std::string> report = LinesOf(Form1().RichEdit4);
        EXPECT_TRUE(Contains(report, c.reached)) << c.name;
        EXPECT_FALSE(std::any_of(report.begin(), report.end(), [&](const std::string& l) {
            return l.starts_with(c.notReached);
        })) << c.name;
        EXPECT_NO_THROW(CalcMediumState()) << c.name;
        EXPECT_THROW(c.section(), CalcError) << c.name;
    }
    // The reason of a property table stands in for the general text; an empty one does not.
    TableRangeNote = "TRYCK/TEMPERATUR UTANFÖR TABELLGRÄNSERNA!:";
    EXPECT_EQ(InputErrorText(), TableRangeNote);
    LanguageLetter = 'D';
    TableRangeNote = "";
    EXPECT_EQ(InputErrorText(), "DATENEINGABE FALSCH!!!");
}

// A mistyped max flow, roughness or edge radius stops the run with the input-error line in the
// user's language, never with a report of a 0 that was not typed, and the entry stays in its
// edit for the user to mend; the earlier report stays below. A table note of an earlier run
// does not stand in for the line. On both separators.
TEST_F(RunDriverTest, ATypedTextThatIsNoNumberStopsTheRunAndStaysVisible) {
    TForm1& f = Form1();
    for (char separator : {',', '.'}) {
        SeparatorGuard guard(separator);
        for (TEdit* edit : {&f.maxflowantal, &f.Dstorrahetmm, &f.kantradie}) {
            for (const auto& [language, line] :
                 {std::pair{'E', "INPUT ERROR!!!"}, std::pair{'D', "DATENEINGABE FALSCH!!!"}}) {
                const std::string name = edit->Name() + " " + separator + language;
                f.RichEdit1.Clear();
                WaterOrifice();
                LanguageLetter = language;
                testsupport::WriteStartUpEdits();
                RunCalculation();
                const std::vector<std::string> earlier = LinesOf(f.RichEdit1);
                ASSERT_NE(earlier.back(), line) << name;
                TableRangeNote = "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS!";
                edit->UserSetText("abc");
                RunCalculation();
                const std::vector<std::string> report = LinesOf(f.RichEdit4);
                ASSERT_FALSE(report.empty()) << name;
                EXPECT_EQ(report.back(), line) << name;
                EXPECT_EQ(f.RichEdit4.Content().Lines.back()[0].Attributes.Color, clRed) << name;
                EXPECT_EQ(edit->Text(), "abc") << name;
                const std::vector<std::string> lines = LinesOf(f.RichEdit1);
                EXPECT_EQ(std::vector<std::string>(lines.end() - earlier.size(), lines.end()), earlier) << name;
            }
        }
    }
}

ReportTimestamp BrokenClock() { throw std::logic_error("the clock broke"); }

// The guard keeps what ended a run, its kind and its message, for the tests to tell a fault of
// the program from bad input; the user sees the input-error line either way, never the message.
TEST_F(RunDriverTest, TheGuardKeepsTheCauseOfAFailedRunAndShowsOnlyTheInputError) {
    TForm1& f = Form1();
    const struct {
        const char* name;
        std::function<void()> duty;   // on the state, before it goes into the edits
        std::function<void()> typed;  // into the edits
        RunGuardCatch kind;
        std::string message;
    } cases[] = {
        {"a run that succeeds", [] {}, [] {}, RunGuardCatch::Nothing, ""},
        {"a gas without its critical temperature and molar mass",
         [] {
             MediumCode = "GAS";
             GivenCriticalTemperatureK = 0.0, GivenMolarMass = 0.0;
         },
         [] {}, RunGuardCatch::CalculationError, "critical temperature and molar mass of the gas are needed"},
        {"a max flow that is no number", [] {}, [&] { f.maxflowantal.UserSetText("abc"); },
         RunGuardCatch::TextThatIsNoNumber, "'abc' is no number"},
        {"a fault of the program", [] {}, [] { SetReportClock(&BrokenClock); }, RunGuardCatch::OtherException,
         "the clock broke"},
    };
    for (const auto& c : cases) {
        SetUp();
        WaterOrifice();
        c.duty();
        WriteInputsToForm();
        c.typed();
        RunCalculation();
        SetReportClock(&FixedClock);
        EXPECT_EQ(LastRunGuardCatch(), c.kind) << c.name;
        const std::string& message = LastRunGuardMessage();
        if (c.kind == RunGuardCatch::Nothing) {
            EXPECT_EQ(message, "") << c.name;
            continue;
        }
        EXPECT_EQ(message, c.message) << c.name;
        const std::vector<std::string> report = LinesOf(f.RichEdit4);
        ASSERT_FALSE(report.empty()) << c.name;
        EXPECT_EQ(report.back(), "INPUT ERROR!!!") << c.name;
        EXPECT_FALSE(std::any_of(report.begin(), report.end(), [&](const std::string& line) {
            return line.find(message) != std::string::npos;
        })) << c.name;
    }
}

TEST_F(RunDriverTest, TabModeValueLinesAndMiniReport) {
    WaterOrifice();
    ProductionReportFlag = "J";
    MinFlowSI = 1000.0;  // Reynolds number at min flow below the standard's limit: warning lines
    ReportSeparator = "\t";
    RunTyped();
    const std::vector<std::string> small = LinesOf(Form1().RichEdit4);
    const std::regex valueLine("= (\\t*) *-?[0-9]+(,[0-9]+)?(\\t|$)");
    int valueLines = 0;
    for (const std::string& line : small) {
        std::smatch m;
        // Lengths in mm and the adjusted max flow are written without the separator.
        if (!std::regex_search(line, m, valueLine) || line.find("(mm)") != std::string::npos ||
            line.starts_with(AdjustedMaxFlowLabel))
            continue;
        ++valueLines;
        EXPECT_EQ(m[1].str(), "\t") << line;
    }
    EXPECT_GE(valueLines, 2);

    // Mini: no input or output heading, no straight lengths; the dimensions stay.
    Form1().litenstor.SetCaption("Mini ");
    RunTyped();
    const std::vector<std::string> mini = LinesOf(Form1().RichEdit4);
    for (const std::string& heading :
         {InputHeadingText(), OutputHeading,
          std::string("The following table shows shortest possible straight tube length between")}) {
        EXPECT_TRUE(Contains(small, heading)) << heading;
        EXPECT_FALSE(Contains(mini, heading)) << heading;
    }
    EXPECT_TRUE(Contains(mini, ProductionReportHeading));
    EXPECT_EQ(mini.back(), small.back());
}

TEST_F(RunDriverTest, HumidityAndCompositionTypedWithTheOtherSeparator) {
    double* const measures[] = {&RelativeHumidity, &AbsoluteHumidity, &SpecificHumidity, &DewTemperatureC};
    const char* kinds[] = {"R", "A", "S", "D", "X"};
    for (char separator : {',', '.'}) {
        SeparatorGuard guard(separator);
        testsupport::WriteStartUpEdits();
        const std::string typed = std::string("12") + (separator == ',' ? '.' : ',') + "5";
        for (int k = 0; k < 5; ++k) {
            CalcFunction = "Sorter";
            HumidityInputKind = kinds[k];
            for (double* v : measures) *v = -1.0;
            Form1().relabsspecfukt.SetText(typed);
            Form1().ViktVolprocGrid.SetCell(3, 4, typed);
            RunCalculation();
            EXPECT_EQ(Form1().relabsspecfukt.Text(), std::string("12") + separator + "5");
            EXPECT_EQ(Form1().ViktVolprocGrid.Cell(3, 4), std::string("12") + separator + "5");
            for (int m = 0; m < 4; ++m) EXPECT_EQ(*measures[m], m == k ? 12.5 : -1.0) << kinds[k] << separator;
        }
    }
}

}  // namespace
}  // namespace tubalyx
