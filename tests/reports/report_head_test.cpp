#include "reports/report_head.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/report_window.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

std::vector<std::string> HeadLines(const char* function, const char* subtype, char language) {
    CalcFunction = function;
    ValveSubtype = subtype;
    DeviceCode = "S";
    StandardLetter = '3';
    LanguageLetter = language;
    ClearReport();
    ReportWindow().SetSelAttributes(TTextAttributes{});
    WriteReportHead();
    std::vector<std::string> lines;
    for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
    return lines;
}

// Title lines, the date line and the empty product line; the page header only in Swedish.
TEST(ReportHeadTest, TitlesDateLineAndProductLine) {
    Form1().RichEdit2.Clear();
    Form1().RichEdit2.Add("Projekt 7");
    const struct { const char *function, *subtype; char language; std::vector<std::string> head; } cases[] = {
        {"Ventil", "VE", 'E', {"COMPUTERCALCULATION OF VALVEDEMANDS", "Date: "}},
        {"Ventil", "RO", 'E', {"COMPUTERCALCULATION OF FLOW RESTRICTIONS", "Date: "}},
        {"Ventil", "VE", 'S', {"DATORBERÄKNING AV VENTILKRAV", "Datum: ", "Projekt 7"}},
        {"Strypf", "VE", 'E',
         {"COMPUTERCALCULATION OF THROATDEVICE FOR FLOWMEASUREMENT IN TUBES", "ACCORDING STANDARD ISO 5167 from 2003",
          "Date: "}},
        {"Sorter", "VE", 'D', {"Datum: "}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines = HeadLines(c.function, c.subtype, c.language);
        ASSERT_EQ(lines.size(), c.head.size() + 1) << c.function << " " << c.language;
        EXPECT_EQ(lines.back(), "");
        for (std::size_t i = 0; i < c.head.size(); ++i) EXPECT_EQ(lines[i].rfind(c.head[i], 0), 0u) << lines[i];
    }
    const TTextAttributes head = ReportAttributesAt(ReportWindow(), 0);
    EXPECT_EQ(head.Color, 128);
    EXPECT_TRUE(head.Style.Bold);
    EXPECT_EQ(head.Size, 10 * 60 / 13);
    EXPECT_TRUE(HeadLines("Ventil", "VE", 'X').empty());
}

}  // namespace
}  // namespace tubalyx
