#include "reports/report_head.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/report_window.h"
#include "texts/prompt_state.h"
#include "ui/form1.h"
#include "ui/selection_state.h"

namespace tubalyx {
namespace {

class ReportHeadTest : public ::testing::Test {
protected:
    void SetUp() override {
        LanguageLetter = 'E';
        CalcFunction = "Ventil";
        ValveSubtype = "VE";
        DeviceCode = "S";
        StandardLetter = '3';
        Form1().RichEdit2.Clear();
        ClearReport();
        ReportWindow().SetSelAttributes(TTextAttributes{});
    }
    static std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
        return lines;
    }
};

TEST_F(ReportHeadTest, TitlesOfTheValveFunctionAndTheDevices) {
    const struct {
        const char* function;
        const char* subtype;
        const char* device;
        char standard;
        char language;
        std::vector<std::string> titles;
    } cases[] = {
        {"Ventil", "VE", "S", '3', 'E', {"COMPUTERCALCULATION OF VALVEDEMANDS"}},
        {"Ventil", "RO", "S", '3', 'E', {"COMPUTERCALCULATION OF FLOW RESTRICTIONS"}},
        {"Ventil", "RO", "S", '3', 'D', {"RECHNERBERECHNUNG VON DURCHFLUSS RESTRICTIONS"}},
        {"Ventil", "VE", "S", '3', 'S', {"DATORBERÄKNING AV VENTILKRAV"}},
        {"Strypf", "VE", "S", '3', 'E',
         {"COMPUTERCALCULATION OF THROATDEVICE FOR FLOWMEASUREMENT IN TUBES", "ACCORDING STANDARD ISO 5167 from 2003"}},
        {"Strypf", "VE", "D", 'X', 'D',
         {"RECHNERBERECHNUNG VON DROSSELGERÄT für DURCHFLUSSMESSUNG", "NACH NORM DIN 1952 von 1982"}},
        {"Strypf", "VE", "VCONEWAFER", '3', 'E',
         {"CALCULATION OF V-CONE ACCORDING TO MCCROMETER;", "Flow Calculations for the V-Cone Flowmeter, Rev 2.7/2002"}},
        {"Tryckf", "VE", "S", '3', 'S', {"DATORBERÄKNING AV TRYCKFÖRLUSTER"}},
        {"Sorter", "VE", "S", '3', 'E', {}},
    };
    for (const auto& c : cases) {
        CalcFunction = c.function;
        ValveSubtype = c.subtype;
        DeviceCode = c.device;
        StandardLetter = c.standard;
        LanguageLetter = c.language;
        ClearReport();
        WriteReportHead();
        std::vector<std::string> lines = Lines();
        ASSERT_EQ(lines.size(), c.titles.size() + 2) << c.function << " " << c.language;
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + c.titles.size()), c.titles) << c.function;
        const std::string& date = lines[c.titles.size()];
        const std::string prefix = c.language == 'E' ? "Date: " : "Datum: ";
        EXPECT_EQ(date.rfind(prefix, 0), 0u) << date;
        EXPECT_NE(date.find(c.language == 'E' ? " /Time: " : (c.language == 'D' ? " /Zeit: " : " /Tid: ")),
                  std::string::npos)
            << date;
        EXPECT_EQ(lines.back(), "");
    }
}

TEST_F(ReportHeadTest, BoldDarkRedAndThePageHeaderInSwedishOnly) {
    Form1().RichEdit2.Add("Projekt 7");
    SetReportSize(13);
    WriteReportHead();
    EXPECT_EQ(ReportLineCount(), 3);
    const TTextAttributes head = ReportAttributesAt(ReportWindow(), 0);
    EXPECT_EQ(head.Color, 128);
    EXPECT_TRUE(head.Style.Bold);
    EXPECT_EQ(head.Size, 60);
    LanguageLetter = 'S';
    ClearReport();
    WriteReportHead();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"DATORBERÄKNING AV VENTILKRAV", Lines()[1], "Projekt 7", ""}));
    LanguageLetter = 'X';
    ClearReport();
    WriteReportHead();
    EXPECT_EQ(ReportLineCount(), 0);
}

}  // namespace
}  // namespace tubalyx
