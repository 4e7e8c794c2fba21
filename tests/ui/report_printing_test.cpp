// The printed report: scaled sizes, pages that break above the foot, the date line with the
// page number on every page, "(forts)" on every page but the last, every report line once and
// in order, and nothing at all when the print dialog is cancelled.
#include "ui/report_printing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/dialogs.h"
#include "reports/report_head.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

ReportTimestamp FixedClock() { return {"2026-12-09", "09:15"}; }

std::vector<std::string> TextsOf(const TPrintedPage& page) {
    std::vector<std::string> texts;
    for (const TCanvasOp& op : page.Ops)
        if (op.Kind == TCanvasOpKind::TextOut) texts.push_back(op.Text);
    return texts;
}

class ReportPrinting : public ::testing::Test {
protected:
    void SetUp() override {
        SetReportClock(&FixedClock);
        TForm1& f = Form1();
        f.RichEdit1.SetWidth(800);
        for (TRichEdit* e : {&f.RichEdit1, &f.RichEdit2, &f.RichEdit3}) {
            e->Clear();
            e->SetSelAttributes(TTextAttributes{});
        }
        Printer().SetPageSize(4960, 7016);
    }
    void TearDown() override {
        SetReportClock(nullptr);
        TCommonDialog::SetExecutor(nullptr);
    }
};

TEST_F(ReportPrinting, PointSizesScaleWithThePageAndTheReportWindow) {
    const struct {
        int size, page, window, printed;
    } cases[] = {
        {10, 4960, 800, 19},  // 18.79
        {16, 4960, 800, 30},  // 30.06
        {8, 4960, 1600, 8},   // 7.52
        {1, 100, 800, 1},     // never below a point
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrintedPointSize(c.size, c.page, c.window), c.printed) << c.size << " " << c.page << " " << c.window;
}

TEST_F(ReportPrinting, LongReportBreaksAboveTheFootWithContinuationAndPageNumbers) {
    TForm1& f = Form1();
    f.RichEdit3.Add("Tubalyx foot");
    TTextAttributes big;
    big.Size = 20;
    big.Style.Bold = true;
    f.RichEdit1.SetSelAttributes(big);
    f.RichEdit1.Add("REPORT TITLE");
    f.RichEdit1.SetSelAttributes(TTextAttributes{});
    std::vector<std::string> lines = {"REPORT TITLE"};
    for (int i = 1; i < 100; ++i) {
        lines.push_back("line " + std::to_string(i) + "\tvalue");
        f.RichEdit1.Add(lines.back());
    }
    int asked = 0;
    TCommonDialog::SetExecutor([&](TCommonDialog& d) { return ++asked, d.Kind() == TDialogKind::Print; });
    f.Utskrift1->Click();
    EXPECT_EQ(asked, 1);
    const std::vector<TPrintedPage>& pages = Printer().LastJob();
    // 10 pt prints at 19 pt: a step of 158 + 10 pixels, 38 lines between the date line and the
    // two-line foot of a 7016-pixel page.
    ASSERT_EQ(pages.size(), 3u);

    std::vector<std::string> printed;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::vector<std::string> texts = TextsOf(pages[p]);
        ASSERT_GE(texts.size(), 3u);
        EXPECT_EQ(texts.front(), "Date: 2026-12-09 /Time: 09:15 /sid " + std::to_string(p + 1));
        const bool last = p + 1 == pages.size();
        EXPECT_EQ(texts.back(), "Tubalyx foot");
        EXPECT_EQ(texts[texts.size() - 2] == "(forts)", !last) << "page " << p + 1;
        printed.insert(printed.end(), texts.begin() + 1, texts.end() - (last ? 1 : 2));
        for (const TCanvasOp& op : pages[p].Ops) {
            EXPECT_EQ(op.Points[0].X, 496);
            EXPECT_LE(op.Points[0].Y + Printer().Canvas().TextHeight("X"), 7016);
        }
    }
    EXPECT_EQ(printed, lines);
    // Each line keeps its own size and style.
    const TCanvasOp& title = pages[0].Ops[1];
    EXPECT_EQ(title.Text, "REPORT TITLE");
    EXPECT_EQ(title.Font.Size, PrintedPointSize(20, 4960, 800));
    EXPECT_TRUE(title.Font.Bold);
    EXPECT_EQ(pages[0].Ops[2].Font.Size, 19);
    EXPECT_FALSE(pages[0].Ops[2].Font.Bold);
    // The foot stands at the bottom of the page: its last line ends one gap above the edge.
    const TCanvasOp& foot = pages[0].Ops.back();
    EXPECT_EQ(foot.Points[0].Y, 7016 - (Printer().Canvas().TextHeight("X") + 10));
}

TEST_F(ReportPrinting, OnePageHasNoContinuationAndAnEmptyHeadStillDates) {
    TForm1& f = Form1();
    f.RichEdit2.Add("Plant 7");
    f.RichEdit3.Add("foot 1");
    f.RichEdit3.Add("foot 2");
    f.RichEdit1.Add("only line");
    TCommonDialog::SetExecutor([](TCommonDialog&) { return true; });
    f.Utskrift1->Click();
    ASSERT_EQ(Printer().LastJob().size(), 1u);
    EXPECT_EQ(TextsOf(Printer().LastJob()[0]),
              (std::vector<std::string>{"Plant 7", "Date: 2026-12-09 /Time: 09:15 /sid 1", "only line", "foot 1",
                                        "foot 2"}));

    // Cancelled: no job at all.
    f.RichEdit1.Add("second line");
    TCommonDialog::SetExecutor([](TCommonDialog&) { return false; });
    f.Utskrift1->Click();
    EXPECT_EQ(TextsOf(Printer().LastJob()[0]).size(), 5u);
}

}  // namespace
}  // namespace tubalyx
