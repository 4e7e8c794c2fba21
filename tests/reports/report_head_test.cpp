// The report head: the titles of every function, device and standard in the three languages,
// the date line from the clock, the page header of a Swedish report and the head's attributes.
#include "reports/report_head.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "numerics/text_utils.h"
#include "reports/report_window.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

ReportTimestamp FixedClock() { return {"2026-12-09", "04:01:11"}; }

std::vector<std::string> HeadLines() {
    ClearReport();
    SetReportSize(10);  // the head scales the size it finds; every case starts from the same
    WriteReportHead();
    std::vector<std::string> lines;
    for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
    return lines;
}

class ReportHeadTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetReportClock(&FixedClock);
        Form1().RichEdit2.Clear();
        ClearReport();
        TTextAttributes start;
        start.Size = 13;
        ReportWindow().SetSelAttributes(start);
    }
    void TearDown() override { SetReportClock(nullptr); }
};

TEST_F(ReportHeadTest, TitlesByFunctionDeviceAndStandard) {
    // clang-format off
    const struct {
        const char *function, *device;
        char standard;
        const char* subtype;
        char language;
        std::vector<std::string> titles;
    } cases[] = {
        {"Strypf", "S", '3', "", 'E', {"COMPUTERCALCULATION OF THROATDEVICE FOR FLOWMEASUREMENT IN TUBES", "ACCORDING STANDARD ISO 5167 from 2003"}},
        {"Strypf", "V", 'I', "", 'D', {"RECHNERBERECHNUNG VON DROSSELGERÄT für DURCHFLUSSMESSUNG", "NACH NORM ISO 5167 1991 und AMENDMENT 1 von 1998"}},
        {"Strypf", "D", 'D', "", 'S', {"DATORBERÄKNING AV STRYPELEMENT FÖR FLÖDESMÄTNING I RÖR", "ENLIGT NORM DIN 1952 från 1982"}},
        {"Strypf", "VCONEWAFER", '3', "", 'S', {"BERÄKNING AV V-CONE ENLIGT MCCROMETER;", "Spec; Flow Calculations for the V-Cone Flowmeter, Rev 2.7/2002"}},
        {"Strypf", "VCONE", '3', "", 'E', {"CALCULATION OF V-CONE ACCORDING TO MCCROMETER;", "Flow Calculations for the V-Cone Flowmeter, Rev 2.7/2002"}},
        {"Strypf", "VOLYM", '3', "", 'D', {"BERECHNUNG VON EIN DIM. DURCHFLUSSMESSER, US/MAG;"}},
        {"Termo", "S", '3', "", 'D', {"RECHNERBERECHNUNG VON THERMODYNAMISHE DATEN"}},
        {"Ventil", "S", '3', "RO", 'E', {"COMPUTERCALCULATION OF FLOW RESTRICTIONS"}},
        {"Ventil", "S", '3', "VE", 'S', {"DATORBERÄKNING AV VENTILKRAV"}},
        {"Ventil", "S", '3', "VE", 'E', {"COMPUTERCALCULATION OF VALVEDEMANDS"}},
        {"Tryckf", "S", '3', "", 'D', {"RECHNERBERECHNUNG VON DRUCKVERLUSTEN"}},
        {"Flow", "S", '3', "", 'S', {"DATORBERÄKNING AV FLÖDE"}},
        {"Sorter", "S", '3', "", 'E', {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        CalcFunction = c.function;
        DeviceCode = c.device;
        StandardLetter = c.standard;
        ValveSubtype = c.subtype;
        LanguageLetter = c.language;
        std::vector<std::string> expected = c.titles;
        expected.push_back(c.language == 'S'   ? "Datum: 2026-12-09 /Tid: 04:01:11"
                           : c.language == 'E' ? "Date: 2026-12-09 /Time: 04:01:11"
                                               : "Datum: 2026-12-09 /Zeit: 04:01:11");
        expected.push_back("");
        EXPECT_EQ(HeadLines(), expected) << c.function << " " << c.device << " " << c.standard << " " << c.language;
    }
}

TEST_F(ReportHeadTest, PageHeaderOnlyInSwedishAndOnlyWhenGiven) {
    CalcFunction = "Sorter";
    LanguageLetter = 'S';
    EXPECT_EQ(HeadLines().size(), 2u);
    Form1().RichEdit2.Add("Kraftverket Väst, mätning 7");
    Form1().RichEdit2.Add("second line is not printed");
    EXPECT_EQ(HeadLines(),
              (std::vector<std::string>{"Datum: 2026-12-09 /Tid: 04:01:11", "Kraftverket Väst, mätning 7", ""}));
    for (char letter : {'E', 'D'}) {
        LanguageLetter = letter;
        EXPECT_EQ(HeadLines().size(), 2u) << letter;
    }
    LanguageLetter = 'X';
    EXPECT_TRUE(HeadLines().empty());
    SetReportSize(1);  // the head never goes below 6 pt
    WriteReportHead();
    EXPECT_EQ(ReportSize(), 6);
}

// The head stands at 60/13 of the report's size where its lines fit the report window as far
// as the window shows it (less a scroll bar), else each line at the largest size that fits;
// never below 6 points. A character of the form font takes 17/20 of its size in pixels.
TEST_F(ReportHeadTest, HeadLinesFitTheShownReportWindow) {
    TForm1& f = Form1();
    const int formWidth = f.ClientWidth(), reportWidth = f.RichEdit1.Width();
    CalcFunction = "Tryckf";
    LanguageLetter = 'E';
    const struct {
        int form, report;
    } windows[] = {{1130, 2000}, {1426, 2000}, {1714, 2400}, {3000, 2000}, {20000, 20000}, {100, 100}};
    for (const auto& w : windows) {
        f.SetClientWidth(w.form);
        f.RichEdit1.SetWidth(w.report);
        const int shown = std::min(w.form, w.report) - kScrollBarSize;
        ClearReport();
        SetReportSize(27);
        WriteReportHead();
        const int headSize = 27 * 60 / 13;
        for (int line = 0; line < 2; ++line) {
            const int length = Utf8Length(ReportLineText(line));
            const int size = ReportWindow().Content().Lines[line][0].Attributes.Size;
            const std::string where =
                std::to_string(w.form) + "/" + std::to_string(w.report) + " line " + std::to_string(line);
            EXPECT_LE(size, headSize) << where;
            EXPECT_GE(size, 6) << where;
            if (size > 6) {
                EXPECT_LE(length * size * 17 / 20, shown) << where;
            }
            if (size < headSize && size > 6) {
                EXPECT_GT(length * (size + 1) * 17 / 20, shown) << where;
            }
        }
    }
    // A window wide enough keeps the head's own size.
    f.SetClientWidth(20000);
    f.RichEdit1.SetWidth(20000);
    ClearReport();
    SetReportSize(27);
    WriteReportHead();
    EXPECT_EQ(ReportWindow().Content().Lines[0][0].Attributes.Size, 27 * 60 / 13);
    f.SetClientWidth(formWidth);
    f.RichEdit1.SetWidth(reportWidth);
}

}  // namespace
}  // namespace tubalyx
