#include "reports/report_head.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/report_window.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

std::vector<std::string> HeadLines(const char* function, const char* subtype, const char* device, char language) {
    CalcFunction = function;
    ValveSubtype = subtype;
    DeviceCode = device;
    StandardLetter = '3';
    LanguageLetter = language;
    ClearReport();
    ReportWindow().SetSelAttributes(TTextAttributes{});
    WriteReportHead();
    std::vector<std::string> lines;
    for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
    return lines;
}

TEST(ReportHeadTest, TitlesDateLineAndProductLine) {
    Form1().RichEdit2.Clear();
    const struct {
        const char *function, *subtype, *device;
        char language;
        std::vector<std::string> titles;
        const char* date;
    } cases[] = {
        {"Ventil", "VE", "S", 'E', {"COMPUTERCALCULATION OF VALVEDEMANDS"}, "Date: "},
        {"Ventil", "RO", "S", 'E', {"COMPUTERCALCULATION OF FLOW RESTRICTIONS"}, "Date: "},
        {"Strypf", "VE", "S", 'E',
         {"COMPUTERCALCULATION OF THROATDEVICE FOR FLOWMEASUREMENT IN TUBES", "ACCORDING STANDARD ISO 5167 from 2003"},
         "Date: "},
        {"Sorter", "VE", "S", 'E', {}, "Date: "},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> lines = HeadLines(c.function, c.subtype, c.device, c.language);
        ASSERT_EQ(lines.size(), c.titles.size() + 2) << c.function << " " << c.language;
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + c.titles.size()), c.titles) << c.function;
        EXPECT_EQ(lines[c.titles.size()].rfind(c.date, 0), 0u) << lines[c.titles.size()];
        EXPECT_EQ(lines.back(), "");
    }
}

TEST(ReportHeadTest, BoldDarkRedAndThePageHeaderInSwedishOnly) {
    Form1().RichEdit2.Clear();
    Form1().RichEdit2.Add("Projekt 7");
    EXPECT_EQ(HeadLines("Ventil", "VE", "S", 'E').size(), 3u);
    const TTextAttributes head = ReportAttributesAt(ReportWindow(), 0);
    EXPECT_EQ(head.Color, 128);
    EXPECT_TRUE(head.Style.Bold);
    EXPECT_EQ(head.Size, 10 * 60 / 13);
    const std::vector<std::string> swedish = HeadLines("Ventil", "VE", "S", 'S');
    ASSERT_EQ(swedish.size(), 4u);
    EXPECT_EQ(swedish[0], "DATORBERÄKNING AV VENTILKRAV");
    EXPECT_NE(swedish[1].find(" /Tid: "), std::string::npos);
    EXPECT_EQ(swedish[2], "Projekt 7");
    EXPECT_TRUE(HeadLines("Ventil", "VE", "S", 'X').empty());
}

}  // namespace
}  // namespace tubalyx
