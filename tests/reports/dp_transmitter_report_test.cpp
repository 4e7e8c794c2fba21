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

// The first number of a text, read with the current separator.
double LeadingNumber(const std::string& text) {
    const auto first = text.find_first_of("0123456789");
    const auto last = text.find_first_not_of("0123456789,.", first);
    return first == std::string::npos ? 0.0 : StrToFloatSafe(text.substr(first, last - first));
}
// The number after the last "= " of a line.
double ValueOf(const std::string& line) { return LeadingNumber(line.substr(line.rfind("= ") + 2)); }

class DpTransmitterReportTest : public bigreport::BigReportTest {};

// Ten columns from the minimal to the maximal flow, the dp growing with the flow's square
// (the discharge coefficient changes a little with the Reynolds number); no table below 1 %
// of range, for the volume meter, or when a dp cannot be computed.
TEST_F(DpTransmitterReportTest, FlowDpTable) {
    ReportSeparator = "\t";
    WriteFlowDpTable();
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "Table; Relation btw flow and differential pressure");
    const auto cells = [](const std::string& row) {
        std::vector<std::string> out;
        std::stringstream in(row);
        for (std::string cell; std::getline(in, cell, '\t');) out.push_back(cell);
        return out;
    };
    const auto flow = cells(lines[3]), dp = cells(lines[4]);
    ASSERT_EQ(flow.size(), 11u);
    ASSERT_EQ(dp.size(), 11u);
    EXPECT_EQ(flow[1], FormatFixed(3600, 5) + " ");
    EXPECT_EQ(flow[10], FormatFixed(36000, 5));
    EXPECT_NEAR(StrToFloatSafe(dp[10]) / StrToFloatSafe(dp[1]), 100.0, 5.0) << lines[4];
    for (int i = 2; i <= 10; ++i) EXPECT_GT(StrToFloatSafe(dp[i]), StrToFloatSafe(dp[i - 1]));
    EXPECT_EQ(AttributesOf(3).Size, FittedReportSize(kStartSize, Utf8Length(lines[3])));
    EXPECT_EQ(ReportSize(), kStartSize);

    for (const auto change :
         {+[] { MinMassFlow = 0.991 * MaxMassFlow; }, +[] { DeviceCode = "VOLYM"; }, +[] { MaxDpPa = 0.0; }}) {
        WaterOrifice();
        change();
        ClearReport();
        WriteFlowDpTable();
        EXPECT_EQ(ReportLineCount(), 0);
    }
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
        const bool linear = share >= 0.5;
        const TFontStyles option1 = AttributesOf(IndexOf(lines, "1.Linear dp-transmitter")).Style;
        const TFontStyles option2 = AttributesOf(IndexOf(lines, "2.Square-root dp-transm.")).Style;
        EXPECT_EQ(option1, (TFontStyles{linear, false, linear, false})) << share;
        EXPECT_EQ(option2, (TFontStyles{true, false, !linear, false})) << share;
        EXPECT_EQ(AttributesOf(IndexOf(lines, "2.2.Best precision")).Style, (TFontStyles{true, false, false, false}));
        // The report goes on in bold at the section's size.
        EXPECT_EQ(ReportStyle(), (TFontStyles{true, false, false, false}));
        EXPECT_EQ(ReportSize(), kStartSize);
    }
}

// Without a real difference between the root constants only the max-flow setting is offered,
// and the small transmitter's 20 mA names that one flow: the root law at the split dp.
TEST_F(DpTransmitterReportTest, OnlyMaxFlowOptionWhenTheRootConstantsAgree) {
    for (const bool differ : {false, true}) {
        ClearReport();
        VariantFlowDeviationB = differ ? 0.7 : 0.6;
        WriteDpTransmitterSection();
        const auto lines = Lines();
        EXPECT_EQ(Has(lines, "2.1.Best precision at normal flow=67%*maxflow;"), differ);
        EXPECT_EQ(Has(lines, "2.3.Best precision at all flows"), differ);
        const std::string small = lines.at(IndexOf(lines, "5. Configuration of small dp-transmitter") + 1);
        EXPECT_NEAR(LeadingNumber(small), 0.01 * DpCellSplitPercent * 25.0, 5e-4) << small;
        const std::string qm = FormatFixed(7200 * std::sqrt(0.01 * DpCellSplitPercent * 25.0), 5);
        const std::string tail = small.substr(small.find('='));
        EXPECT_EQ(tail, differ ? "=(pos 2.1)" + qm + "(2.2)" + qm + "(2.3)" + qm + "kg/h" : "=(pos 2.2)" + qm + "kg/h");
    }
}

// The optimal design's 20 mA dp is given in its upper-limit unit.
TEST_F(DpTransmitterReportTest, OptimalDesignSettingInTheUpperLimitUnit) {
    SolveFor = "OK", DpUpperLimitUnit = "mbar", MaxDpInput = 250;
    WriteDpTransmitterSection();
    const auto lines = Lines();
    const int at = IndexOf(lines, "Adjust the transmitter for max signal 20 mA at ", true);
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines[at + 1], FormatFixed(36000, 5) + "kg/h= " + FormatFixed(250, 5) + "mbar");
    const std::string small = lines.at(IndexOf(lines, "5. Configuration of small") + 1);
    EXPECT_EQ(small.substr(0, small.find('=')), FormatFixed(2.5 * DpCellSplitPercent, 5) + "mbar");
}

// Two transmitters measure a 10:1 range better; the split in flow is the root of the split
// in dp; below 2 % of range there is nothing to split, and a minimal flow of 0 leaves the
// block out instead of failing the report. The Swedish labels.
TEST_F(DpTransmitterReportTest, OneOrTwoTransmitters) {
    for (const char separator : {',', '.'}) {
        SeparatorGuard guard(separator);
        ClearReport();
        WriteDpTransmitterSection();
        const auto lines = Lines();
        const int one = IndexOf(lines, "1.Average additional Uncertainty with 1 dp-cell  (% of maximal flow)= ");
        ASSERT_GE(one, 0);
        EXPECT_LT(ValueOf(lines[one + 1]), ValueOf(lines[one]));
        EXPECT_NEAR(ValueOf(lines[one + 3]), DpCellSplitPercent, 0.05);
        EXPECT_NEAR(ValueOf(lines[one + 4]), 100.0 * std::sqrt(0.01 * DpCellSplitPercent), 0.05);
        EXPECT_EQ(AttributesOf(one).Size, FittedReportSize(kStartSize, 70 + 4));
        EXPECT_EQ(AttributesOf(one + 3).Size, FittedReportSize(kStartSize, 75 + 3));
    }
    MinMassFlow = 0.985 * MaxMassFlow;
    ClearReport();
    WriteDpTransmitterSection();
    EXPECT_FALSE(Has(Lines(), "1 OR 2 dp-transmitters?"));
    EXPECT_GT(DpCellSplitPercent, 0.0);
    MinMassFlow = 0.0;
    ClearReport();
    EXPECT_NO_THROW(WriteDpTransmitterSection());
    EXPECT_FALSE(Has(Lines(), "1 OR 2 dp-transmitters?"));
    EXPECT_TRUE(Has(Lines(), "2.2.Best precision at maxflow;"));
    EXPECT_EQ(DpCellSplitPercent, 0.0);
    // Swedish: the normal-flow label is fitted because it is longer than the common width.
    WaterOrifice();
    VariantFlowDeviationB = 0.7;
    Language('S');
    ClearReport();
    WriteDpTransmitterSection();
    EXPECT_EQ(ReportLineText(0), "              INSTÄLLNING AV dp-CELL");
    EXPECT_EQ(AttributesOf(IndexOf(Lines(), "Ställ in dp-cellen så att den ger 20 mA vid justerat maxflöde= ")).Size,
              kStartSize * 58 / 63);
    EXPECT_TRUE(Has(Lines(), "                        1 ELLER 2 dp-celler?"));
}

}  // namespace
}  // namespace tubalyx
