#include <gtest/gtest.h>

#include "forms/rich_edit.h"

using namespace tubalyx;

namespace {
// A report as the run writes it: a dark-red head, a red error line, black text.
void WriteReport(TRichEdit& r) {
    r.SetSelColor(clMaroon);
    r.SetSelStyle({true, false, false, false});
    r.Add("TUBALYX 1404");
    r.SetSelColor(clRed);
    r.Add("INPUT ERROR!!!");
    r.SetSelColor(clBlack);
    r.SetSelSize(7);
    r.SetSelFontName("Arial");
    r.Add("Density____________________________________(kg/m3)= 1,2045");
}
}  // namespace

TEST(RichEdit, EachAppendedLineKeepsTheAttributesItWasWrittenWith) {
    TRichEdit r("r");
    WriteReport(r);
    ASSERT_EQ(r.LineCount(), 3);
    EXPECT_EQ(r.Line(1), "INPUT ERROR!!!");
    EXPECT_EQ(r.Line(7), "");
    EXPECT_EQ(r.Line(-1), "");
    const auto& c = r.Content();
    EXPECT_EQ(c.Lines[0][0].Attributes.Color, clMaroon);
    EXPECT_TRUE(c.Lines[0][0].Attributes.Style.Bold);
    EXPECT_EQ(c.Lines[1][0].Attributes.Color, clRed);
    EXPECT_EQ(c.Lines[2][0].Attributes.Color, clBlack);
    EXPECT_EQ(c.Lines[2][0].Attributes.Size, 7);
    EXPECT_EQ(c.Lines[2][0].Attributes.Name, "Arial");
    // Changing the next-text colour afterwards re-colours nothing already written.
    r.SetSelColor(clBlue);
    EXPECT_EQ(r.Content().Lines[1][0].Attributes.Color, clRed);
    EXPECT_EQ(r.Text(), "TUBALYX 1404\nINPUT ERROR!!!\nDensity____________________________________(kg/m3)= 1,2045");
}

TEST(RichEdit, ContentCopiedAsideAndBackKeepsItsRuns) {
    TRichEdit r("RichEdit1"), aside("RichEdit5");
    WriteReport(r);
    aside.SetContent(r.Content());
    r.Clear();
    EXPECT_EQ(r.LineCount(), 0);
    EXPECT_EQ(r.TextLength(), 0);
    r.SetSelColor(clBlue);
    r.Add("FUNCTION_BLOCK Genverket//Flow");
    // The earlier report goes back below the new block, run by run.
    TRichContent merged = r.Content();
    for (const auto& line : aside.Content().Lines) merged.Lines.push_back(line);
    r.SetContent(merged);
    ASSERT_EQ(r.LineCount(), 4);
    EXPECT_EQ(r.Content().Lines[0][0].Attributes.Color, clBlue);
    EXPECT_EQ(r.Content().Lines[2][0].Attributes.Color, clRed);
    EXPECT_EQ(r.Content().Lines[1][0].Attributes.Color, clMaroon);
    EXPECT_EQ(r.Content().Lines[3][0].Attributes.Size, 7);
}

TEST(RichEdit, SelectionPositionsCountCharactersAndLineBreaks) {
    TRichEdit r("r");
    r.Add("Tryck");
    r.Add("Ånga är här");
    EXPECT_EQ(r.TextLength(), 5 + 1 + 11);
    r.SetSelStart(6);
    r.SetSelLength(4);
    r.SetSelColor(clRed);  // colours "Ånga" only
    const auto& line = r.Content().Lines[1];
    ASSERT_EQ(line.size(), 2u);
    EXPECT_EQ(line[0].Text, "Ånga");
    EXPECT_EQ(line[0].Attributes.Color, clRed);
    EXPECT_EQ(line[1].Text, " är här");
    EXPECT_EQ(line[1].Attributes.Color, clBlack);
    EXPECT_EQ(r.AttributesAt(6).Color, clRed);
    EXPECT_EQ(r.AttributesAt(10).Color, clBlack);
    // Caret and selection stay inside the text.
    r.SetSelStart(500);
    EXPECT_EQ(r.SelStart(), r.TextLength());
    r.SetSelLength(3);
    EXPECT_EQ(r.SelLength(), 0);
    r.SetSelStart(-4);
    EXPECT_EQ(r.SelStart(), 0);
}

TEST(RichEdit, SelectAllThenSizeResizesTheWholeReport) {
    TRichEdit r("r");
    WriteReport(r);
    r.SelectAll();
    EXPECT_EQ(r.SelLength(), r.TextLength());
    r.SetSelSize(20);
    for (const auto& line : r.Content().Lines)
        for (const auto& run : line) EXPECT_EQ(run.Attributes.Size, 20);
    // The colours survive a size change.
    EXPECT_EQ(r.Content().Lines[1][0].Attributes.Color, clRed);
}

TEST(RichEdit, TextWithLineBreaksBecomesSeveralLines) {
    TRichEdit r("r");
    r.Add("a\r\nb\nc");
    EXPECT_EQ(r.LineCount(), 3);
    EXPECT_EQ(r.Line(0), "a");
    EXPECT_EQ(r.Line(2), "c");
    r.Add("");
    EXPECT_EQ(r.LineCount(), 4);
    EXPECT_EQ(r.Line(3), "");
}
