// The report head: the title lines of every function, device and standard in the three
// languages, the date line from the clock, the page header of a Swedish report, and the
// head's attributes.
#include "reports/report_head.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/report_window.h"
#include "state/reset.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

ReportTimestamp FixedClock() { return {"2026-12-09", "04:01:11"}; }

class ReportHeadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetStateVariables();
        SetReportClock(&FixedClock);
        Form1().RichEdit2.Clear();
        ClearReport();
        TTextAttributes start;
        start.Size = 13;
        ReportWindow().SetSelAttributes(start);
    }
    void TearDown() override { SetReportClock(nullptr); }

    static std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
        return lines;
    }
};

struct HeadCase {
    const char* function;
    const char* device;
    char standard;
    const char* subtype;
    char language;
    std::vector<std::string> titles;
};

TEST_F(ReportHeadTest, TitlesByFunctionDeviceAndStandard) {
    const HeadCase cases[] = {
        {"Strypf", "S", '3', "", 'E',
         {"COMPUTERCALCULATION OF THROATDEVICE FOR FLOWMEASUREMENT IN TUBES", "ACCORDING STANDARD ISO 5167 from 2003"}},
        {"Strypf", "V", 'I', "", 'D',
         {"RECHNERBERECHNUNG VON DROSSELGERÄT für DURCHFLUSSMESSUNG", "NACH NORM ISO 5167 1991 und AMENDMENT 1 von 1998"}},
        {"Strypf", "D", 'D', "", 'S',
         {"DATORBERÄKNING AV STRYPELEMENT FÖR FLÖDESMÄTNING I RÖR", "ENLIGT NORM DIN 1952 från 1982"}},
        {"Strypf", "VCONEWAFER", '3', "", 'S',
         {"BERÄKNING AV V-CONE ENLIGT MCCROMETER;", "Spec; Flow Calculations for the V-Cone Flowmeter, Rev 2.7/2002"}},
        {"Strypf", "VCONE", '3', "", 'E',
         {"CALCULATION OF V-CONE ACCORDING TO MCCROMETER;", "Flow Calculations for the V-Cone Flowmeter, Rev 2.7/2002"}},
        {"Strypf", "VOLYM", '3', "", 'D', {"BERECHNUNG VON EIN DIM. DURCHFLUSSMESSER, US/MAG;"}},
        {"Termo", "S", '3', "", 'D', {"RECHNERBERECHNUNG VON THERMODYNAMISHE DATEN"}},
        {"Ventil", "S", '3', "RO", 'E', {"COMPUTERCALCULATION OF FLOW RESTRICTIONS"}},
        {"Ventil", "S", '3', "VE", 'S', {"DATORBERÄKNING AV VENTILKRAV"}},
        {"Tryckf", "S", '3', "", 'D', {"RECHNERBERECHNUNG VON DRUCKVERLUSTEN"}},
        {"Flow", "S", '3', "", 'S', {"DATORBERÄKNING AV FLÖDE"}},
        {"Sorter", "S", '3', "", 'E', {}},
    };
    const char* datePrefix[] = {"Datum: ", "Date: ", "Datum: "};
    const char* timeInfix[] = {" /Tid: ", " /Time: ", " /Zeit: "};
    for (const HeadCase& c : cases) {
        SCOPED_TRACE(std::string(c.function) + " " + c.device + " " + c.standard + " " + c.language);
        ClearReport();
        CalcFunction = c.function;
        DeviceCode = c.device;
        StandardLetter = c.standard;
        ValveSubtype = c.subtype;
        LanguageLetter = c.language;
        WriteReportHead();
        const int lang = c.language == 'S' ? 0 : c.language == 'E' ? 1 : 2;
        std::vector<std::string> expected = c.titles;
        expected.push_back(std::string(datePrefix[lang]) + "2026-12-09" + timeInfix[lang] + "04:01:11");
        expected.push_back("");
        EXPECT_EQ(Lines(), expected);
    }
}

TEST_F(ReportHeadTest, BoldDarkRedAtSixtyThirteenthsNeverBelowSixPoints) {
    CalcFunction = "Termo";
    LanguageLetter = 'E';
    WriteReportHead();
    const TTextAttributes& title = ReportWindow().Content().Lines[0][0].Attributes;
    EXPECT_EQ(title.Color, 128);
    EXPECT_TRUE(title.Style.Bold);
    EXPECT_EQ(title.Size, 60);  // 13 * 60 / 13
    EXPECT_EQ(ReportWindow().Content().Lines[1][0].Attributes, title);

    ClearReport();
    SetReportSize(1);
    WriteReportHead();
    EXPECT_EQ(ReportWindow().Content().Lines[0][0].Attributes.Size, 6);

    // Another language letter sets the attributes and writes no line.
    ClearReport();
    LanguageLetter = 'X';
    WriteReportHead();
    EXPECT_EQ(ReportLineCount(), 0);
}

TEST_F(ReportHeadTest, PageHeaderOnlyInSwedishAndOnlyWhenGiven) {
    CalcFunction = "Sorter";
    LanguageLetter = 'S';
    WriteReportHead();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Datum: 2026-12-09 /Tid: 04:01:11", ""}));

    Form1().RichEdit2.Add("Kraftverket Väst, mätning 7");
    Form1().RichEdit2.Add("second line is not printed");
    ClearReport();
    WriteReportHead();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Datum: 2026-12-09 /Tid: 04:01:11", "Kraftverket Väst, mätning 7", ""}));

    for (char letter : {'E', 'D'}) {
        ClearReport();
        LanguageLetter = letter;
        WriteReportHead();
        EXPECT_EQ(ReportLineCount(), 2) << letter;
    }
}

TEST_F(ReportHeadTest, SystemClockGivesTheLocaleForms) {
    SetReportClock(nullptr);
    const ReportTimestamp now = LocalReportTimestamp();
    EXPECT_FALSE(now.date.empty());
    EXPECT_NE(now.time.find(':'), std::string::npos);
    CalcFunction = "Sorter";
    LanguageLetter = 'E';
    WriteReportHead();
    EXPECT_EQ(ReportLineText(0).rfind("Date: ", 0), 0u);
    EXPECT_NE(ReportLineText(0).find(" /Time: "), std::string::npos);
}

}  // namespace
}  // namespace tubalyx
