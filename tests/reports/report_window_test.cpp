#include "reports/report_window.h"

#include <gtest/gtest.h>

#include "numerics/decimal_separator.h"
#include "numerics/text_utils.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

class ReportWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        ReportSeparator = "";
        Form1().RichEdit1.Clear();
        Form1().RichEdit5.Clear();
        TTextAttributes plain;
        Form1().RichEdit1.SetSelAttributes(plain);
        Form1().RichEdit5.SetSelAttributes(plain);
    }
};

TEST_F(ReportWindowTest, LabelsPadToTheirColumnCountingCharacters) {
    EXPECT_EQ(ReportLabel("Epsilon (at maxflow)"), "Epsilon (at maxflow)______________________________= ");
    EXPECT_EQ(ReportLabel("Material thickness_________________________(mm)", 49),
              "Material thickness_________________________(mm)= ");
    // ä, ö, ü are two bytes each but one column.
    const std::string label = ReportLabel("Dichte für Lösung (kg/m3)");
    EXPECT_EQ(Utf8Length(label), 52);
    EXPECT_EQ(label, "Dichte für Lösung (kg/m3)" + std::string(25, '_') + "= ");
    EXPECT_EQ(ReportLabel("Flow_______(ton/h)", 20), "Flow_______(ton/h)= ");
}

TEST_F(ReportWindowTest, ValueLinesWithAndWithoutTab) {
    const std::string label = ReportLabel("Beta");
    EXPECT_EQ(ReportLine(label, 0.5), label + "0,5000");
    EXPECT_EQ(ReportLine(label, 123.456), label + "123,46");
    ReportSeparator = "\t";
    const std::string line = ReportLine(label, 0.5);
    EXPECT_EQ(line, label + "\t0,5000");
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 1);
    EXPECT_EQ(line.find("= \t"), 50u);
    EXPECT_EQ(PaddedReportLine("Värmeövergång", 20, 2.0, 3), "Värmeövergång_____= \t2,00");
    EXPECT_EQ(ReportLineWithTail(label, 0.5, "kg/m3"), label + "\t0,5000\tkg/m3");
    SetDecimalSeparator('.');
    EXPECT_EQ(ReportLine(label, 0.5), label + "\t0.5000");
    ReportSeparator = "";
    EXPECT_EQ(ReportLineWithTail(label, 0.5, "kg/m3"), label + "0.5000kg/m3");
}

TEST_F(ReportWindowTest, RedLinesRestoreThePreviousColour) {
    SetReportColor(clMaroon);
    AppendReportLine("head");
    AppendRedLines({"INPUT ERROR!!!", "CRITICAL FLOW!"});
    AppendReportLine("after");
    EXPECT_EQ(ReportColor(), clMaroon);
    const auto& lines = ReportWindow().Content().Lines;
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0][0].Attributes.Color, clMaroon);
    EXPECT_EQ(lines[1][0].Attributes.Color, clRed);
    EXPECT_EQ(lines[2][0].Attributes.Color, clRed);
    EXPECT_EQ(lines[3][0].Attributes.Color, clMaroon);
}

TEST_F(ReportWindowTest, StyledLineRestoresColourStyleAndSize) {
    SetReportSize(12);
    TFontStyles bold;
    bold.Bold = true;
    AppendStyledLine("Title", clBlue, bold, 8);
    AppendReportLine("body");
    const auto& lines = ReportWindow().Content().Lines;
    EXPECT_EQ(lines[0][0].Attributes.Color, clBlue);
    EXPECT_TRUE(lines[0][0].Attributes.Style.Bold);
    EXPECT_EQ(lines[0][0].Attributes.Size, 8);
    EXPECT_EQ(lines[1][0].Attributes.Color, clBlack);
    EXPECT_FALSE(lines[1][0].Attributes.Style.Bold);
    EXPECT_EQ(lines[1][0].Attributes.Size, 12);
}

TEST_F(ReportWindowTest, PositionsCountTwoPerLineBreak) {
    AppendReportLine("abc");
    AppendReportLine("");
    AppendReportLine("Dä");
    EXPECT_EQ(ReportLineCount(), 3);
    EXPECT_EQ(ReportTextLength(), 5 + 2 + 4);
    EXPECT_EQ(LineStartPosition(ReportWindow(), 2), 7);
    SetReportCaret(8);  // after "D" on the third line
    EXPECT_EQ(ReportCaret(), 8);
    EXPECT_EQ(ReportWindow().SelStart(), 3 + 1 + 0 + 1 + 1);
    SetReportCaret(0);
    SetReportSelectionLength(7);
    EXPECT_EQ(ReportWindow().SelLength(), 5);
    EXPECT_EQ(ReportSelectionLength(), 7);
    // Past the end the caret stays at the end of the last line.
    SetReportCaret(1000);
    EXPECT_EQ(ReportCaret(), 9);
}

TEST_F(ReportWindowTest, CopyAsideAndBackKeepsEachLinesAttributes) {
    TFontStyles italic;
    italic.Italic = true;
    AppendStyledLine("Tubalyx report", clMaroon, italic, 14);
    AppendReportLine("");
    AppendRedLine("NOTE! CALCULATIONRESULT OUTSIDE STANDARDLIMITS");
    AppendReportLine("Beta______= 0,5");
    const TRichContent earlier = ReportWindow().Content();

    CopyReportAside();
    EXPECT_EQ(Form1().RichEdit5.Content(), earlier);
    ClearReport();
    SetReportColor(clBlue);
    AppendReportLine("new report");
    SetReportColor(clBlack);
    CopyReportBack();

    const auto& lines = ReportWindow().Content().Lines;
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0][0].Attributes.Color, clBlue);
    EXPECT_EQ(ReportLineText(1), "Tubalyx report");
    EXPECT_EQ(lines[1][0].Attributes.Color, clMaroon);
    EXPECT_TRUE(lines[1][0].Attributes.Style.Italic);
    EXPECT_EQ(lines[1][0].Attributes.Size, 14);
    EXPECT_TRUE(lines[2].empty());
    EXPECT_EQ(lines[3][0].Attributes.Color, clRed);
    EXPECT_EQ(lines[4][0].Attributes.Color, clBlack);
    EXPECT_EQ(ReportLineText(4), "Beta______= 0,5");
}

TEST_F(ReportWindowTest, CopyBackCountsCharactersNotBytes) {
    // The earlier report: umlauts, an empty line and red lines at changing places.
    AppendReportLine("Mättad ånga, tryck över gränsen");
    AppendReportLine("");
    AppendRedLine("TRYCK/TEMPERATUR UTANFÖR TABELLGRÄNSERNA!:");
    AppendReportLine("Ä");
    AppendRedLine("Ö");
    const TRichContent earlier = ReportWindow().Content();
    CopyReportAside();
    ClearReport();
    // A new report whose length in bytes differs from its length in characters.
    AppendReportLine("Värme är överfört");
    AppendRedLine("DATENEINGABE FALSCH!!!");
    AppendReportLine("");
    CopyReportBack();
    const auto& lines = ReportWindow().Content().Lines;
    ASSERT_EQ(lines.size(), 8u);
    for (size_t i = 0; i < earlier.Lines.size(); ++i) EXPECT_EQ(lines[3 + i], earlier.Lines[i]) << i;
    EXPECT_EQ(lines[1][0].Attributes.Color, clRed);
    EXPECT_EQ(ReportAttributesAt(ReportWindow(), LineStartPosition(ReportWindow(), 5)).Color, clRed);
    EXPECT_EQ(ReportAttributesAt(ReportWindow(), LineStartPosition(ReportWindow(), 6)).Color, clBlack);
}

TEST_F(ReportWindowTest, LabelLongerThanItsColumnIsKeptWhole) {
    const std::string words(60, 'x');
    EXPECT_EQ(ReportLabel(words), words + "= ");
    EXPECT_EQ(ReportLabel("Reynolds number_______(at normalflow=0.67*maxflow)"),
              "Reynolds number_______(at normalflow=0.67*maxflow)= ");
    EXPECT_EQ(ReportLabel("Limit for biggest calculation error (%) at Densitycalculation", 63),
              "Limit for biggest calculation error (%) at Densitycalculation= ");
}

TEST_F(ReportWindowTest, CopyOfALongHistoryStaysFastAndExact) {
    // Many earlier reports accumulate in a session; the copy must stay linear.
    for (int i = 0; i < 20000; ++i) {
        if (i % 100 == 0)
            AppendRedLine("NOTE! " + std::to_string(i));
        else
            AppendReportLine("Line_________= " + std::to_string(i));
    }
    CopyReportAside();
    EXPECT_EQ(Form1().RichEdit5.Content(), ReportWindow().Content());
}

TEST_F(ReportWindowTest, CopyDoesNotReformatASelectionOfTheTarget) {
    AppendReportLine("kept black");
    ReportWindow().SelectAll();
    Form1().RichEdit5.Clear();
    Form1().RichEdit5.SetSelColor(clRed);
    Form1().RichEdit5.Add("red");
    CopyReportBack();
    const auto& lines = ReportWindow().Content().Lines;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0][0].Attributes.Color, clBlack);
    EXPECT_EQ(lines[1][0].Attributes.Color, clRed);
}

TEST_F(ReportWindowTest, ReportSizeFromCaption) {
    for (const char* big : {"Stor ", "Gross", "Big  ", "Big", "Stor"}) EXPECT_TRUE(IsBigReport(big)) << big;
    for (const char* no : {"Liten", "Klein", "Small", "Mini ", "", "big"}) EXPECT_FALSE(IsBigReport(no)) << no;
    EXPECT_EQ(ReportSizeOf("Mini "), ReportSizeKind::Mini);
    EXPECT_EQ(ReportSizeOf("Mini"), ReportSizeKind::Mini);
    EXPECT_EQ(ReportSizeOf("Klein"), ReportSizeKind::Small);
    Form1().litenstor.SetCaption("Gross");
    EXPECT_EQ(CurrentReportSize(), ReportSizeKind::Big);
    Form1().litenstor.SetCaption("Small");
    EXPECT_EQ(CurrentReportSize(), ReportSizeKind::Small);
    EXPECT_EQ(ReportSizeCaption(ReportSizeKind::Big, 'E'), "Big  ");
    EXPECT_EQ(ReportSizeCaption(ReportSizeKind::Big, 'S'), "Stor ");
    EXPECT_EQ(ReportSizeCaption(ReportSizeKind::Small, 'D'), "Klein");
    EXPECT_EQ(ReportSizeCaption(ReportSizeKind::Mini, 'S'), "Mini ");
}

}  // namespace
}  // namespace tubalyx
