// The printed report: scaled sizes, pages that break above the foot, the date line with the
// page number on every page, "(forts)" on every page but the last, every report line once and
// in order in its own size, and nothing when the print dialog is cancelled.
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
    for (const TCanvasOp& op : page.Ops) texts.push_back(op.Text);
    return texts;
}

// The job as the menu item prints it, the print dialog confirmed.
const std::vector<TPrintedPage>& PrintedReport(const std::vector<const char*>& head,
                                               const std::vector<const char*>& foot) {
    SetReportClock(&FixedClock);
    TForm1& f = Form1();
    const int width = f.RichEdit1.Width();
    f.RichEdit1.SetWidth(800);
    for (TRichEdit* e : {&f.RichEdit2, &f.RichEdit3}) {
        e->Clear();
        e->SetSelAttributes(TTextAttributes{});
    }
    for (const char* line : head) f.RichEdit2.Add(line);
    for (const char* line : foot) f.RichEdit3.Add(line);
    Printer().SetPageSize(4960, 7016);
    TCommonDialog::SetExecutor([](TCommonDialog& d) { return d.Kind() == TDialogKind::Print; });
    f.Utskrift1->Click();
    TCommonDialog::SetExecutor(nullptr);
    SetReportClock(nullptr);
    f.RichEdit1.SetWidth(width);
    return Printer().LastJob();
}

TEST(ReportPrinting, PointSizesScaleWithThePageAndTheReportWindow) {
    EXPECT_EQ(PrintedPointSize(10, 4960, 800), 19);  // 18.79
    EXPECT_EQ(PrintedPointSize(16, 4960, 800), 30);  // 30.06
    EXPECT_EQ(PrintedPointSize(8, 4960, 1600), 8);   // 7.52
    EXPECT_EQ(PrintedPointSize(1, 100, 800), 1);     // never below a point
    EXPECT_EQ(PrintedPointSize(1 << 30, 4960, 800), 1000);
}

TEST(ReportPrinting, LongReportBreaksAboveTheFootWithContinuationAndPageNumbers) {
    TRichEdit& report = Form1().RichEdit1;
    report.Clear();
    report.SetSelAttributes({clBlack, {true}, 20});
    report.Add("REPORT TITLE");
    report.SetSelAttributes(TTextAttributes{});
    std::vector<std::string> lines = {"REPORT TITLE"};
    for (int i = 1; i < 100; ++i) report.Add(lines.emplace_back("line " + std::to_string(i) + "\tvalue"));
    const std::vector<TPrintedPage>& pages = PrintedReport({}, {"Tubalyx foot"});
    // 10 pt prints at 19 pt: a step of 158 + 10 pixels, 38 lines between the date line and the
    // two-line foot of a 7016-pixel page.
    ASSERT_EQ(pages.size(), 3u);
    std::vector<std::string> printed;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::vector<std::string> texts = TextsOf(pages[p]);
        const bool last = p + 1 == pages.size();
        EXPECT_EQ(texts.front(), "Date: 2026-12-09 /Time: 09:15 /sid " + std::to_string(p + 1));
        EXPECT_EQ(texts.back(), "Tubalyx foot");
        EXPECT_EQ(texts[texts.size() - 2] == "(forts)", !last) << "page " << p + 1;
        printed.insert(printed.end(), texts.begin() + 1, texts.end() - (last ? 1 : 2));
        for (const TCanvasOp& op : pages[p].Ops) EXPECT_EQ(op.Points[0].X, 496);
    }
    EXPECT_EQ(printed, lines);
    EXPECT_EQ(pages[0].Ops[1].Font.Size, 38);
    EXPECT_TRUE(pages[0].Ops[1].Font.Bold);
    EXPECT_EQ(pages[0].Ops[2].Font.Size, 19);
    EXPECT_FALSE(pages[0].Ops[2].Font.Bold);
    // The foot's last line ends one gap above the edge of the page.
    EXPECT_EQ(pages[0].Ops.back().Points[0].Y, 7016 - 168);
}

TEST(ReportPrinting, OnePageHasNoContinuationAndACancelledDialogPrintsNothing) {
    TRichEdit& report = Form1().RichEdit1;
    report.Clear();
    report.Add("only line");
    const std::vector<TPrintedPage>& pages = PrintedReport({"Plant 7"}, {"foot 1", "foot 2"});
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(TextsOf(pages[0]), (std::vector<std::string>{"Plant 7", "Date: 2026-12-09 /Time: 09:15 /sid 1",
                                                           "only line", "foot 1", "foot 2"}));
    report.Add("second line");
    TCommonDialog::SetExecutor([](TCommonDialog&) { return false; });
    Form1().Utskrift1->Click();
    TCommonDialog::SetExecutor(nullptr);
    EXPECT_EQ(TextsOf(Printer().LastJob()[0]).size(), 5u);
}

}  // namespace
}  // namespace tubalyx
