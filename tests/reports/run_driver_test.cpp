// The run from "Run" to the report window: reports kept newest first with their attributes,
// the input-error line on faulty input and on any failure inside a calculation, the sizes of
// head and body, the caret, and the inputs the run normalises.
#include "reports/run_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "flow/design_duties.h"
#include "flow/report_section_inputs.h"
#include "forms/screen.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/separator_guard.h"
#include "numerics/text_utils.h"
#include "reports/operating_conditions.h"
#include "reports/report_head.h"
#include "reports/report_window.h"
#include "reports/straight_length_report.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/reset.h"
#include "state/selections.h"
#include "texts/report_label_strings.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

constexpr int kFontSize = 16;
constexpr int kHeadSize = kFontSize * 60 / 13;

ReportTimestamp FixedClock() { return {"2026-12-09", "04:01:11"}; }

// An orifice plate with corner tappings in a DN100 water line, sized for its bore.
void WaterOrifice() {
    designtest::WaterDuty();
    SolveFor = "DI";
    UpstreamFittingCode = "0";
    MaxFlowGivenFlag = "V";
    Form1().maxflowsort.SetText("kg/h");
    MaxFlowSI = 50000.0;
    MinFlowSI = 15000.0;
    FlowNormalDensity = 1.0;
    MaxDpPa = 25000.0;
    PipeDiameterColdM = 0.1;
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
    for (const auto& line : edit.Content().Lines) attributes.push_back(line.empty() ? TTextAttributes{} : line[0].Attributes);
    return attributes;
}

int IndexOf(const std::vector<std::string>& lines, const std::string& text) {
    auto it = std::find(lines.begin(), lines.end(), text);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

class RunDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetStateVariables();
        SetDecimalSeparator(',');
        SetReportClock(&FixedClock);
        TForm1& f = Form1();
        f.SetFontSize(kFontSize);
        f.RichEdit1.SetFontSize(kFontSize);
        f.litenstor.SetCaption("Small");
        f.ViktVolprocGrid.SetVisible(false);
        f.relabsspecfukt.SetText("");
        for (TRichEdit* e : {&f.RichEdit1, &f.RichEdit2, &f.RichEdit4, &f.RichEdit5}) {
            e->Clear();
            e->SetSelAttributes(TTextAttributes{});
        }
        LanguageLetter = 'E';
        TScreen::SetCursorListener([this](TCursor c) { cursors_.push_back(c); });
    }
    void TearDown() override {
        TScreen::SetCursorListener(nullptr);
        Screen().SetCursor(TCursor::crDefault);
        SetReportClock(nullptr);
        OperatingConditionServices().SumCompositionGrid = nullptr;
        ReportSectionServices().PlateThicknessMm = nullptr;
        Form1().ViktVolprocGrid.SetVisible(false);
    }

    std::vector<TCursor> cursors_;
};

TEST_F(RunDriverTest, ThreeRunsStandNewestFirstWithEveryLineAsItWas) {
    std::vector<std::vector<std::string>> texts;
    std::vector<std::vector<TTextAttributes>> attributes;
    for (auto duty : {&WaterOrifice, &ZeroDensityLiquid, +[] { CalcFunction = "Termo"; }}) {
        duty();
        RunCalculation();
        texts.push_back(LinesOf(Form1().RichEdit4));
        attributes.push_back(StartAttributesOf(Form1().RichEdit4));
        EXPECT_EQ(NewestReportLineCount, Form1().RichEdit4.LineCount());
    }
    // Each report, then one empty line; the earliest report ends the text.
    std::vector<std::string> expected;
    std::vector<TTextAttributes> expectedAttributes;
    for (int run = 2; run >= 0; --run) {
        expected.insert(expected.end(), texts[run].begin(), texts[run].end());
        expectedAttributes.insert(expectedAttributes.end(), attributes[run].begin(), attributes[run].end());
        expected.push_back("");
        expectedAttributes.push_back(TTextAttributes{});
    }
    const std::vector<std::string> lines = LinesOf(Form1().RichEdit1);
    const std::vector<TTextAttributes> kept = StartAttributesOf(Form1().RichEdit1);
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << i;
        EXPECT_EQ(kept[i].Color, expectedAttributes[i].Color) << i << " " << lines[i];
        EXPECT_EQ(kept[i].Size, expectedAttributes[i].Size) << i << " " << lines[i];
        EXPECT_EQ(kept[i].Style, expectedAttributes[i].Style) << i << " " << lines[i];
    }

    // The orifice report: head, input heading, output heading and its sections; the body
    // starts again from the report's size, not the head's.
    const std::vector<std::string>& orifice = texts[0];
    ASSERT_GE(orifice.size(), 8u);
    EXPECT_EQ(orifice[0], "COMPUTERCALCULATION OF THROATDEVICE FOR FLOWMEASUREMENT IN TUBES");
    EXPECT_EQ(orifice[1], "ACCORDING STANDARD ISO 5167 from 2003");
    EXPECT_EQ(orifice[2], "Date: 2026-12-09 /Time: 04:01:11");
    EXPECT_EQ(orifice[3], "");
    EXPECT_EQ(orifice[4], "__________________INPUT______________________");
    EXPECT_EQ(orifice[5], "");
    EXPECT_EQ(orifice[6], "__________________OUTPUT_____________________");
    EXPECT_EQ(attributes[0][0].Size, kHeadSize);
    EXPECT_EQ(attributes[0][0].Color, 128);
    EXPECT_TRUE(attributes[0][0].Style.Bold);
    EXPECT_EQ(attributes[0][4].Size, kFontSize);
    EXPECT_EQ(attributes[0][6].Size, kFontSize);
    for (size_t i = 7; i < orifice.size(); ++i) EXPECT_LE(attributes[0][i].Size, kFontSize) << orifice[i];
    EXPECT_EQ(IndexOf(orifice, "INPUT ERROR!!!"), -1);

    // Zero density: the head, the input heading and the red error line, nothing else.
    EXPECT_EQ(std::vector<std::string>(texts[1].begin() + 4, texts[1].end()),
              (std::vector<std::string>{"__________________INPUT______________________", "INPUT ERROR!!!"}));
    EXPECT_EQ(attributes[1].back().Color, clRed);
    EXPECT_EQ(attributes[1].back().Size, kFontSize);

    // Other functions write their body at 11/8 of the form's font.
    EXPECT_EQ(texts[2][0], "COMPUTERCALCULATION OF THERMODYNAMICAL DATA");
    EXPECT_EQ(attributes[2][3].Size, kFontSize * 11 / 8);
    EXPECT_EQ(attributes[2][0].Size, kHeadSize);
}

TEST_F(RunDriverTest, AHundredRunsKeepAHundredReportsAtTheirSizes) {
    CalcFunction = "Sorter";
    for (int run = 0; run < 100; ++run) RunCalculation();
    const std::vector<std::string> lines = LinesOf(Form1().RichEdit1);
    // Each report: date line, product line, input heading; then one empty line.
    EXPECT_EQ(NewestReportLineCount, 3);
    ASSERT_EQ(lines.size(), 100u * 4);
    const auto& content = Form1().RichEdit1.Content().Lines;
    for (int run = 0; run < 100; ++run) {
        EXPECT_EQ(lines[run * 4], "Date: 2026-12-09 /Time: 04:01:11") << run;
        EXPECT_EQ(content[run * 4][0].Attributes.Size, kHeadSize) << run;
        EXPECT_EQ(content[run * 4 + 2][0].Attributes.Size, kFontSize * 11 / 8) << run;
        EXPECT_EQ(lines[run * 4 + 3], "") << run;
    }
}

TEST_F(RunDriverTest, FailureInsideAnyFunctionKeepsEarlierReportsAndTheCursor) {
    struct Case {
        const char* name;
        std::function<void()> duty;
    };
    const Case cases[] = {
        {"valve calculation",
         [] {
             WaterOrifice();
             CalcFunction = "Ventil";
             Form1().ViktVolprocGrid.SetVisible(true);
             OperatingConditionServices().SumCompositionGrid = []() -> double { throw CalcError("forced"); };
         }},
        {"device dimension section",
         [] {
             WaterOrifice();
             ProductionReportFlag = "J";
             ReportSectionServices().PlateThicknessMm = []() -> double { throw std::runtime_error("forced"); };
         }},
        {"primary-device calculation",
         [] {
             WaterOrifice();
             PipeDiameterColdM = 0.0;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        CalcFunction = "Termo";
        RunCalculation();
        const std::vector<std::string> earlier = LinesOf(Form1().RichEdit1);
        const std::vector<TTextAttributes> earlierAttributes = StartAttributesOf(Form1().RichEdit1);

        c.duty();
        cursors_.clear();
        RunCalculation();
        TearDown();

        EXPECT_EQ(cursors_, (std::vector<TCursor>{TCursor::crHourGlass, TCursor::crDefault}));
        EXPECT_EQ(Screen().Cursor(), TCursor::crDefault);
        const std::vector<std::string> lines = LinesOf(Form1().RichEdit1);
        const int newest = NewestReportLineCount;
        ASSERT_EQ(lines.size(), newest + 1 + earlier.size());
        EXPECT_EQ(lines[newest], "");
        EXPECT_EQ(lines[newest - 1], "INPUT ERROR!!!");
        EXPECT_EQ(Form1().RichEdit1.Content().Lines[newest - 1][0].Attributes.Color, clRed);
        EXPECT_EQ(std::vector<std::string>(lines.begin() + newest + 1, lines.end()), earlier);
        std::vector<TTextAttributes> kept = StartAttributesOf(Form1().RichEdit1);
        EXPECT_EQ(std::vector<TTextAttributes>(kept.begin() + newest + 1, kept.end()), earlierAttributes);
        EXPECT_EQ(LinesOf(Form1().RichEdit4), std::vector<std::string>(lines.begin(), lines.begin() + newest));
    }
}

TEST_F(RunDriverTest, InputErrorTextNamesTheTableReasonWhenThereIsOne) {
    const struct {
        char language;
        const char* general;
    } cases[] = {{'S', "INDATA FELAKTIGA!!!"}, {'E', "INPUT ERROR!!!"}, {'D', "DATENEINGABE FALSCH!!!"}};
    for (const auto& c : cases) {
        LanguageLetter = c.language;
        TableRangeNote = " ";
        EXPECT_EQ(InputErrorText(), c.general) << c.language;
        TableRangeNote = "";  // no reason either: never an empty error line
        EXPECT_EQ(InputErrorText(), c.general) << c.language;
        TableRangeNote = "TRYCK/TEMPERATUR UTANFÖR TABELLGRÄNSERNA!:";
        EXPECT_EQ(InputErrorText(), TableRangeNote) << c.language;
    }
}

TEST_F(RunDriverTest, MiniLeavesOutHeadingsAndStraightLengthsNotTheDimensions) {
    WaterOrifice();
    ProductionReportFlag = "J";
    RunCalculation();
    const std::vector<std::string> small = LinesOf(Form1().RichEdit4);
    Form1().litenstor.SetCaption("Mini ");
    RunCalculation();
    const std::vector<std::string> mini = LinesOf(Form1().RichEdit4);

    const std::string straightLengths = "The following table shows shortest possible straight tube length between";
    for (const std::string& heading : {InputHeadingText(), OutputHeading, straightLengths}) {
        EXPECT_NE(IndexOf(small, heading), -1) << heading;
        EXPECT_EQ(IndexOf(mini, heading), -1) << heading;
    }
    EXPECT_EQ(mini.back(), small.back());
    EXPECT_NE(IndexOf(mini, ProductionReportHeading), -1);
}

TEST_F(RunDriverTest, CaretAtTheMarkedLineNearestTheEnd) {
    WaterOrifice();
    RunCalculation();
    RunCalculation();
    const TRichEdit& e = Form1().RichEdit1;
    const std::vector<std::string> lines = LinesOf(e);
    int last = -1;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i)
        if (lines[i].find("OUTPUT") != std::string::npos) last = i;
    ASSERT_GT(last, NewestReportLineCount);  // the older report's heading
    EXPECT_EQ(ReportCaret(), LineStartPosition(e, last) + Utf8Length(lines[last]));

    // A failed run below a run without any marked line: the error line is the nearest.
    SetUp();
    ZeroDensityLiquid();
    RunCalculation();
    CalcFunction = "Sorter";
    RunCalculation();
    const int error = ReportLineCount() - 2;
    EXPECT_EQ(ReportLineText(error), "INPUT ERROR!!!");
    EXPECT_EQ(ReportCaret(), LineStartPosition(e, error) + Utf8Length(ReportLineText(error)));

    // Nothing marked at all: the end of the first line.
    SetUp();
    CalcFunction = "Sorter";
    RunCalculation();
    EXPECT_EQ(ReportCaret(), Utf8Length(ReportLineText(0)));
}

TEST_F(RunDriverTest, ValueLinesHoldOneTabAfterTheirLabel) {
    WaterOrifice();
    MinFlowSI = 1000.0;  // Reynolds number at min flow below the standard's limit: warning lines
    ReportSeparator = "\t";
    RunCalculation();
    const std::regex valueLine("= (\t*) *-?[0-9]+(,[0-9]+)?(\t|$)");
    int valueLines = 0;
    for (const std::string& line : LinesOf(Form1().RichEdit4)) {
        std::smatch m;
        if (!std::regex_search(line, m, valueLine)) continue;
        ++valueLines;
        EXPECT_EQ(m[1].str(), "\t") << line;
    }
    EXPECT_GE(valueLines, 2);
}

TEST_F(RunDriverTest, HumidityAndCompositionTypedWithTheOtherSeparator) {
    for (char separator : {',', '.'}) {
        SeparatorGuard guard(separator);
        const char other = separator == ',' ? '.' : ',';
        const struct {
            const char* kind;
            double* target;
        } kinds[] = {{"R", &RelativeHumidity}, {"A", &AbsoluteHumidity}, {"S", &SpecificHumidity},
                     {"D", &DewTemperatureC}, {"X", nullptr}};
        for (const auto& k : kinds) {
            SetUp();
            SetDecimalSeparator(separator);
            CalcFunction = "Sorter";
            HumidityInputKind = k.kind;
            RelativeHumidity = AbsoluteHumidity = SpecificHumidity = DewTemperatureC = -1.0;
            Form1().relabsspecfukt.SetText(std::string("12") + other + "5");
            Form1().ViktVolprocGrid.SetCell(3, 4, std::string("1") + other + "5");
            RunCalculation();
            EXPECT_EQ(Form1().relabsspecfukt.Text(), std::string("12") + separator + "5") << k.kind;
            EXPECT_EQ(Form1().ViktVolprocGrid.Cell(3, 4), std::string("1") + separator + "5");
            for (double* v : {&RelativeHumidity, &AbsoluteHumidity, &SpecificHumidity, &DewTemperatureC})
                EXPECT_EQ(*v, v == k.target ? 12.5 : -1.0) << k.kind << " " << separator;
        }
    }
}

TEST_F(RunDriverTest, EveryRunCommandRuns) {
    CalcFunction = "Sorter";
    TForm1& f = Form1();
    EXPECT_EQ(f.Label1.Caption(), "Run");
    int reports = 0;
    for (TControl* command : {static_cast<TControl*>(&f.Label1), static_cast<TControl*>(f.Run1),
                              static_cast<TControl*>(&f.Runbutton)}) {
        command->Click();
        ++reports;
        EXPECT_EQ(f.RichEdit1.LineCount(), reports * 4) << command->Name();
    }
}

}  // namespace
}  // namespace tubalyx
