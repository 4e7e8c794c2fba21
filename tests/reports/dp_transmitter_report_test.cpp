// The flow/dp table and the dp-transmitter configuration of the big report, as users read
// them: the table's columns, the recommended transmitter, the 20 mA settings and the choice
// of one or two transmitters.
#include "reports/dp_transmitter_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "numerics/separator_guard.h"
#include "numerics/text_utils.h"
#include "reports/big_report_support.h"
#include "reports/report_block.h"

namespace tubalyx {
namespace {

using bigreport::kStartSize;

std::vector<std::string> Split(const std::string& text, char by) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, by);) parts.push_back(part);
    return parts;
}

// The numbers of a line, read with the current separator.
std::vector<double> NumbersOf(const std::string& text) {
    std::vector<double> numbers;
    std::string word;
    for (char c : text + " ") {
        if ((c >= '0' && c <= '9') || c == ',' || c == '.') {
            word.push_back(c);
        } else if (!word.empty()) {
            if (word != "," && word != ".") numbers.push_back(StrToFloatSafe(word));
            word.clear();
        }
    }
    return numbers;
}

class DpTransmitterReportTest : public bigreport::BigReportTest {};

// Ten columns from the minimal to the maximal flow, the dp growing with the flow's square
// (the discharge coefficient changes a little with the Reynolds number).
TEST_F(DpTransmitterReportTest, FlowDpTableRunsFromMinimumToMaximumInTenColumns) {
    ReportSeparator = "\t";
    WriteFlowDpTable();
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "Table; Relation btw flow and differential pressure");
    const auto flow = Split(lines[3], '\t');
    const auto dp = Split(lines[4], '\t');
    ASSERT_EQ(flow.size(), 11u) << lines[3];
    ASSERT_EQ(dp.size(), 11u) << lines[4];
    EXPECT_EQ(flow[0], "flow ");
    EXPECT_EQ(dp[0], "dp   ");
    EXPECT_EQ(flow[1], FormatFixed(3600, 5) + " ");
    EXPECT_EQ(flow[10], FormatFixed(36000, 5));
    const double dpMin = StrToFloatSafe(dp[1]), dpMax = StrToFloatSafe(dp[10]);
    EXPECT_NEAR(dpMax / dpMin, 100.0, 5.0) << lines[4];
    for (int i = 2; i <= 10; ++i) EXPECT_GT(StrToFloatSafe(dp[i]), StrToFloatSafe(dp[i - 1]));
    EXPECT_EQ(AttributesOf(3).Size, FittedReportSize(kStartSize, Utf8Length(lines[3])));
    EXPECT_EQ(ReportSize(), kStartSize);
}

TEST_F(DpTransmitterReportTest, FlowDpTableNeedsOnePercentOfRangeAndAStandardDevice) {
    MinMassFlow = 0.991 * MaxMassFlow;
    WriteFlowDpTable();
    EXPECT_EQ(ReportLineCount(), 0);
    MinMassFlow = 0.98 * MaxMassFlow;
    WriteFlowDpTable();
    EXPECT_EQ(ReportLineCount(), 5);
    ClearReport();
    DeviceCode = "VOLYM";
    WriteFlowDpTable();
    EXPECT_EQ(ReportLineCount(), 0);
    // A dp the device equations cannot give leaves no half table behind.
    DeviceCode = "S";
    MaxDpPa = 0.0;
    WriteFlowDpTable();
    EXPECT_EQ(ReportLineCount(), 0);
}

// A minimal flow of exactly half the maximal recommends the linear transmitter: option 1 is
// underlined, the square-root heading bold; just below half it is the other way round.
TEST_F(DpTransmitterReportTest, RecommendedTransmitterIsUnderlined) {
    for (const double share : {0.5, 0.4999}) {
        ClearReport();
        ReportWindow().SetSelStyle(TFontStyles{});
        MinFlowSI = share * MaxFlowSI;
        WriteDpTransmitterSection();
        const auto lines = Lines();
        const int linear = IndexOf(lines, "1.Linear dp-transmitter");
        const int root = IndexOf(lines, "2.Square-root dp-transm.");
        const int best = IndexOf(lines, "2.2.Best precision at maxflow;");
        ASSERT_GE(linear, 0);
        ASSERT_GE(root, 0);
        ASSERT_GE(best, 0);
        const bool linearRecommended = share >= 0.5;
        EXPECT_EQ(AttributesOf(linear).Style.Underline, linearRecommended) << share;
        EXPECT_EQ(AttributesOf(linear).Style.Bold, linearRecommended) << share;
        EXPECT_EQ(AttributesOf(root).Style.Underline, !linearRecommended) << share;
        EXPECT_TRUE(AttributesOf(root).Style.Bold) << share;
        EXPECT_EQ(AttributesOf(best).Style, (TFontStyles{true, false, false, false})) << share;
        // The report goes on in bold at the section's size.
        EXPECT_TRUE(ReportStyle().Bold);
        EXPECT_FALSE(ReportStyle().Underline);
        EXPECT_EQ(ReportSize(), kStartSize);
    }
}

// Without a real difference between the root constants only the max-flow setting is offered,
// and the small transmitter's 20 mA names that one flow.
TEST_F(DpTransmitterReportTest, OnlyMaxFlowOptionWhenTheRootConstantsAgree) {
    for (const bool differ : {false, true}) {
        ClearReport();
        VariantFlowDeviationB = differ ? 0.7 : 0.6;
        RootFlowNormal = 7000;
        RootFlowDesign = 7100;
        WriteDpTransmitterSection();
        const auto lines = Lines();
        EXPECT_EQ(Has(lines, "2.1.Best precision at normal flow=67%*maxflow;"), differ);
        EXPECT_EQ(Has(lines, "2.3.Best precision at all flows"), differ);
        EXPECT_TRUE(Has(lines, "2.2.Best precision at maxflow;"));
        const int setting = IndexOf(lines, "5. Configuration of small dp-transmitter; 20 mA= ");
        ASSERT_GE(setting, 0);
        const std::string small = lines[setting + 1];
        const std::string tail = small.substr(small.find('='));
        // The small transmitter's range is the split of the maximal dp, and its 20 mA flow
        // follows the square-root law of the max-flow algorithm.
        const double dp = NumbersOf(small).at(0);
        EXPECT_NEAR(dp, 0.01 * DpCellSplitPercent * 25.0, 5e-4) << small;
        const std::string qm = FormatFixed(7200 * std::sqrt(0.01 * DpCellSplitPercent * 25.0), 5);
        if (differ) {
            EXPECT_EQ(tail.rfind("=(pos 2.1)", 0), 0u) << small;
            EXPECT_NE(small.find("(2.2)" + qm + "(2.3)"), std::string::npos) << small;
            EXPECT_EQ(tail.substr(tail.size() - 4), "kg/h");
        } else {
            EXPECT_EQ(tail, "=(pos 2.2)" + qm + "kg/h") << small;
        }
        EXPECT_GT(DpCellSplitPercent, 1.0);
        EXPECT_LT(DpCellSplitPercent, 100.0);
    }
}

// The optimal design's dp is given in its upper-limit unit, a dp solve in the dp unit with
// the small transmitter in kPa.
TEST_F(DpTransmitterReportTest, SettingUnitsFollowTheSolvedQuantity) {
    const struct {
        const char* solveFor;
        const char* setting;  // the 20 mA setting after the max-flow text
        const char* smallUnit;
    } cases[] = {
        {"OK", "= 250,00mbar", "mbar"},
        {"DP", "= 25,000mbar", "kPa"},
        {"DI", "= 250,00mbar", "mbar"},
    };
    for (const auto& c : cases) {
        ClearReport();
        SolveFor = c.solveFor;
        DpUnit = SolveFor == "OK" ? "kPa" : "mbar";
        DpUpperLimitUnit = "mbar";
        MaxDpInput = 250;
        MaxDpEntered = 25;
        WriteDpTransmitterSection();
        const auto lines = Lines();
        const int at = IndexOfLine(lines, "Adjust the transmitter for max signal 20 mA at ");
        ASSERT_GE(at, 0) << c.solveFor;
        EXPECT_EQ(lines[at + 1], FormatFixed(5 * 7200, 5) + "kg/h" + c.setting) << c.solveFor;
        const int small = IndexOf(lines, "5. Configuration of small dp-transmitter");
        ASSERT_GE(small, 0);
        const std::string unit = lines[small + 1].substr(0, lines[small + 1].find('='));
        EXPECT_EQ(unit.substr(unit.size() - std::string(c.smallUnit).size()), c.smallUnit)
            << c.solveFor << ": " << lines[small + 1];
    }
}

// Below 2 % of range there is nothing to split; a minimal flow of 0 cannot be split either
// and leaves the block out instead of failing the report.
TEST_F(DpTransmitterReportTest, OneOrTwoTransmittersNeedsARangeAndAMinimalFlow) {
    MinMassFlow = 0.985 * MaxMassFlow;
    WriteDpTransmitterSection();
    EXPECT_FALSE(Has(Lines(), "1 OR 2 dp-transmitters?"));
    EXPECT_GT(DpCellSplitPercent, 0.0);

    ClearReport();
    MinMassFlow = 0.0;
    DpCellSplitPercent = 5.0;
    EXPECT_NO_THROW(WriteDpTransmitterSection());
    const auto lines = Lines();
    EXPECT_FALSE(Has(lines, "1 OR 2 dp-transmitters?"));
    EXPECT_TRUE(Has(lines, "2.2.Best precision at maxflow;"));
    EXPECT_EQ(DpCellSplitPercent, 0.0);
}

// The uncertainties of one and two transmitters, the split in dp and in flow, and the
// fitted sizes of the long lines, in both decimal separators.
TEST_F(DpTransmitterReportTest, SplitLinesAreConsistentAndFitted) {
    for (const char separator : {',', '.'}) {
        SeparatorGuard guard(separator);
        ClearReport();
        WriteDpTransmitterSection();
        const auto lines = Lines();
        const int one = IndexOf(lines, "1.Average additional Uncertainty with 1 dp-cell  (% of maximal flow)= ");
        ASSERT_GE(one, 0);
        const double u1 = NumbersOf(lines[one].substr(lines[one].find("= "))).at(0);
        const double u2 = NumbersOf(lines[one + 1].substr(lines[one + 1].find("= "))).at(0);
        EXPECT_LT(u2, u1) << "two transmitters measure a 10:1 range better";
        const double splitDp = NumbersOf(lines[one + 3].substr(lines[one + 3].find("= "))).at(0);
        const double splitFlow = NumbersOf(lines[one + 4].substr(lines[one + 4].find("= "))).at(0);
        EXPECT_NEAR(splitDp, DpCellSplitPercent, 0.05) << lines[one + 3];
        EXPECT_NEAR(splitFlow, 100.0 * std::sqrt(0.01 * DpCellSplitPercent), 0.05) << lines[one + 4];
        const std::string label1 = "1.Average additional Uncertainty with 1 dp-cell  (% of maximal flow)= ";
        EXPECT_EQ(AttributesOf(one).Size, FittedReportSize(kStartSize, Utf8Length(label1) + 4));
        const std::string label3 = "3. Optimal limit between small and big dp-transmitter   (% av maximal dp)= ";
        EXPECT_EQ(AttributesOf(one + 3).Size, FittedReportSize(kStartSize, Utf8Length(label3) + 3));
        const int setting = IndexOf(lines, "Adjust the transmitter for max signal 20 mA at maximal diff. pressure= ");
        EXPECT_EQ(AttributesOf(setting).Size, FittedReportSize(kStartSize, Utf8Length(lines[setting])));
        EXPECT_EQ(lines[setting], "Adjust the transmitter for max signal 20 mA at maximal diff. pressure= " +
                                      FormatFixed(25, 5) + "kPa");
    }
}

// The Swedish and German sections: their headings, and the Swedish normal-flow label fitted
// because it is longer than the common width.
TEST_F(DpTransmitterReportTest, SwedishAndGermanSections) {
    VariantFlowDeviationB = 0.7;
    Language('S');
    WriteDpTransmitterSection();
    auto lines = Lines();
    EXPECT_EQ(lines[0], "              INSTÄLLNING AV dp-CELL");
    const int label = IndexOf(lines, "Ställ in dp-cellen så att den ger 20 mA vid justerat maxflöde= ");
    ASSERT_GE(label, 0);
    EXPECT_EQ(AttributesOf(label).Size, kStartSize * 58 / 63);
    EXPECT_TRUE(Has(lines, "                        1 ELLER 2 dp-celler?"));

    ClearReport();
    Language('D');
    WriteDpTransmitterSection();
    lines = Lines();
    EXPECT_EQ(lines[0], "        EINSTELLUNG VON WIRKDRUCKMESSUMFORMER");
    EXPECT_TRUE(Has(lines, "Einstellung; 20 mA bei grösstem Wirkdruckendwert= " + FormatFixed(25, 5) + "kPa"));
    EXPECT_TRUE(Has(lines, "(sehe Durchflussberechnung 3 & 4 unten)."));
}

}  // namespace
}  // namespace tubalyx
