// The data sheet: the fitting of its fields, the lines of an orifice sized by a real run in
// English and German, the blank rows that keep the form's rows, the limit lines' standard
// texts, and a sheet printed before any run.
#include "reports/data_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numerics/separator_guard.h"
#include "reports/report_block.h"
#include "reports/report_window.h"
#include "reports/uncertainty/budget_support.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/limits.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

// The lines the sheet appended.
std::vector<std::string> Sheet(const char* margin = "5", const char* indent = "5") {
    Form1().vmargbox.SetText(margin);
    Form1().Numberspos.SetText(indent);
    const int before = ReportLineCount();
    PrintDataSheet();
    std::vector<std::string> lines = budgettest::ReportLines();
    return {lines.begin() + before, lines.end()};
}

std::string Blank(int n) { return std::string(n, ' '); }

TEST(DataSheet, PadTextFitsEveryFieldToItsWidth) {
    const struct {
        int width;
        const char* text;
        const char* expected;
    } cases[] = {{14, " ", "              "}, {3, "12345", "123"}, {6, "1,5", "   1,5"},
                 {4, "Rückseite", "Rück"},    {2, "", "  "},       {0, "abc", ""}};
    for (const auto& c : cases) EXPECT_EQ(PadText(c.width, c.text), c.expected) << c.width << " " << c.text;
}

// The rows of the sheet after the device block of four lines (device, tapping, material,
// medium): the numbers from 1, then the straight lengths and the uncertainty rows.
constexpr int kFirstNumber = 4;
constexpr int kStraightLength = kFirstNumber + 23;
constexpr int kUncertainty = kStraightLength + 2;

std::string Number(const char* text) { return Blank(10) + PadText(43, text); }

TEST(DataSheet, OrificeInWaterInEnglishAndGerman) {
    budgettest::RunWaterOrifice();
    MaterialCode1 = "1", MaterialCode2 = "2";
    const std::string in = Blank(10);
    const struct {
        char language;
        std::vector<std::pair<int, std::string>> lines;
    } cases[] = {
        {'E',
         {{0, in + "          Orifice plate  (Flanged mounting)"},
          {1, in + Blank(28) + "         Corner"},
          {2, in + Blank(8) + Form1().mtrlfl1->Caption()},
          {3, in + Blank(28) + "          Water"},
          {kStraightLength, Blank(5) + "Required                     " + Blank(5) + "  See backpage"},
          {kStraightLength + 1, Blank(5) + "Fitting                    " + "  " + Blank(5) + "  See backpage"}}},
        {'D',
         {{0, in + "                 Blende  (zum Einflanschen)"},
          {1, in + Blank(28) + "       Eckdruck"},
          {3, in + Blank(28) + "         Wasser"},
          {kStraightLength, Blank(5) + "Erforderl.                   " + Blank(5) + "Vgl. Rückseite"},
          {kStraightLength + 1, Blank(5) + "Einbaustörung              " + Blank(5) + "  " + "Vgl. Rückseite"}}},
    };
    for (const auto& c : cases) {
        LanguageLetter = c.language;
        const std::vector<std::string> lines = Sheet();
        for (const auto& [index, text] : c.lines) EXPECT_EQ(lines.at(index), text) << c.language << " line " << index;
        // Max flow in kg/h, the standard's minimum in % of it, no maximum; a liquid has no kappa.
        EXPECT_EQ(lines[kFirstNumber], Number("50000,00000"));
        EXPECT_EQ(lines[kFirstNumber + 2], Number("3,44869"));
        EXPECT_EQ(lines[kFirstNumber + 3], in);
        EXPECT_EQ(lines[kFirstNumber + 5], Number("1013,25000"));
        EXPECT_EQ(lines[kFirstNumber + 12], in);
        EXPECT_EQ(lines[kFirstNumber + 17], Number("250,00000"));  // max dp, mbar
        EXPECT_EQ(lines[kFirstNumber + 20], Number("61,66167"));   // bore at 20 C
        EXPECT_EQ(lines[kUncertainty + 1], Number("0,20000"));     // the flanged orifice's extra
        for (int i = 0; i < 6; ++i) EXPECT_EQ(lines[kUncertainty + 7 + i], in);
    }
}

TEST(DataSheet, BlankRowsKeepTheFormsRowsAndLimitLinesTakeTheStandardsTexts) {
    budgettest::RunWaterOrifice();
    LanguageLetter = 'E';
    MaterialCode1 = "1", MaterialCode2 = "2";
    StraightLengthUncertaintyPercent = 100.0, CombinedCoefficientUncertaintyPercent = 100.6;
    FlowUncertaintyPercent = 100.7;
    DeviceLimitMessages[kDiameterRatioMessage] = "BETA!";
    BetaLowerBound = 0.1, BetaUpperBound = 0.5;
    NormalFlowCoefficients.beta = 0.6;
    for (char standard : {'3', 'I', 'D'}) {
        StandardLetter = standard;
        const std::vector<std::string> lines = Sheet("0", "");
        for (int row : {3, 4, 6}) EXPECT_EQ(lines[kUncertainty + row], "") << row;
        EXPECT_EQ(lines[kUncertainty + 5], PadText(43, "0,00000"));
        const std::string iso = standard == 'I' ? "ISO" : "DIN";
        EXPECT_EQ(lines.back(),
                  "32 BETA!, acc. " + iso + ": " + PadText(10, "0,10000") + " < beta < " + PadText(10, "0,50000"))
            << standard;
    }
}

TEST(DataSheet, BeforeAnyRunTheFlowRowsAreBlankAndTheSizeStaysReadable) {
    SeparatorGuard guard(',');
    LanguageLetter = 'S';
    Form1().RichEdit1.SetWidth(100);
    ClearReport();
    const std::vector<std::string> lines = Sheet("2", "1");
    // Swedish: no worded lines, the number rows from the first line.
    EXPECT_EQ(lines[0], Blank(3) + PadText(43, "0,00000"));
    for (int row : {2, 3, 4, 23}) EXPECT_EQ(lines[row - 1], Blank(3)) << row;
    EXPECT_EQ(lines[18], Blank(3) + PadText(43, "0,00000"));  // no permanent loss without a device
    EXPECT_GE(ReportWindow().Content().Lines[0][0].Attributes.Size, kMinReportFontSize);
    // The label appends the same sheet again below: nothing is cleared.
    Form1().DSAprint.Click();
    EXPECT_EQ(ReportLineCount(), 2 * static_cast<int>(lines.size()));
    EXPECT_EQ(ReportWindow().Content().Lines[0][0].Attributes.Color, 0x800000);
}

}  // namespace
}  // namespace tubalyx
