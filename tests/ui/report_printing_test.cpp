// The printed report: scaled sizes, pages that break above the foot, the date line with the
// page number on every page, "(forts)" on every page but the last, every report line once and
// in order in its own size, and nothing when the print dialog is cancelled; the report saved as
// PDF replaces only a regular file (through a link), or says in red that it could not.
#include "ui/report_printing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "forms/dialogs.h"
#include "reports/report_head.h"
#include "support/folder_contents.h"
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

// A report window of 800 pixels on a page of 4960 at 600 dpi: 10-point lines print at 19 points
// (18.79), the page's left margin of 496 pixels is kept on the right too. Courier's characters
// advance 0.6 of the font height, so at 19 points 3968 pixels hold 41 of them.
TEST(ReportPrinting, LinesWiderThanThePageShrinkToFitAndNeverBelowSixPoints) {
    TRichEdit& report = Form1().RichEdit1;
    report.Clear();
    report.SetSelAttributes(TTextAttributes{});
    const std::string narrow(41, 'n'), wide = "Pressurereduction (reversible+irreversible)__(kPa)= 16,014";
    std::string widest;
    for (int i = 0; i < 300; ++i) widest += static_cast<char>('a' + i % 26);
    for (const std::string& line : {narrow, wide, widest, narrow}) report.Add(line);
    const std::vector<TPrintedPage>& pages = PrintedReport({}, {});
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<TCanvasOp>& ops = pages[0].Ops;
    auto widthAt = [](std::size_t characters, int size) { return characters * 0.6 * size * 600 / 72; };
    const double printable = 4960 - 2 * 496;
    // ops: the date line, then the report lines.
    ASSERT_GE(ops.size(), 5u);
    EXPECT_EQ(ops[1].Text, narrow);
    EXPECT_EQ(ops[1].Font.Size, 19);
    EXPECT_EQ(ops[2].Text, wide);
    EXPECT_LT(ops[2].Font.Size, 19);
    EXPECT_LE(widthAt(wide.size(), ops[2].Font.Size), printable);
    EXPECT_GT(widthAt(wide.size(), ops[2].Font.Size + 1), printable);
    // Too wide even at 6 points: printed whole on as many lines as it needs, each within the page.
    std::string joined;
    std::size_t op = 3;
    for (; op < ops.size() && ops[op].Text != narrow; ++op) {
        EXPECT_EQ(ops[op].Font.Size, 6);
        EXPECT_LE(widthAt(ops[op].Text.size(), 6), printable);
        EXPECT_GT(ops[op].Points[0].Y, ops[op - 1].Points[0].Y);
        joined += ops[op].Text;
    }
    EXPECT_EQ(joined, widest);
    EXPECT_GT(op, 4u);
    ASSERT_LT(op, ops.size());
    EXPECT_EQ(ops[op].Font.Size, 19);
}

namespace fs = std::filesystem;

using testsupport::Content;
using testsupport::Names;

// "Save as" with a .pdf name, the printer's output taken by a renderer that writes `pdf` into
// the file it is given (or delivers nothing): the target afterwards, and a red line where it
// could not be saved. The folder holds no more than the target and what was there before.
TEST(ReportPrinting, APdfReplacesOnlyARegularFileAndSaysWhenItCannot) {
    const fs::path dir = fs::temp_directory_path() / ("tubalyx_pdf_" + std::to_string(::getpid()));
    struct Case {
        const char* what;
        std::function<fs::path(const fs::path&)> make;  // the name saved to, made in the folder
        bool delivered;                                 // the renderer writes the whole file
        bool saved;
        std::function<bool(const fs::path&)> after;  // the folder as it must be
    };
    const std::string pdf = "%PDF-1.4 report";
    const Case cases[] = {
        {"onto a folder",
         [](const fs::path& d) {
             fs::create_directory(d / "report.pdf");
             return d / "report.pdf";
         },
         true, false, [](const fs::path& d) { return fs::is_directory(d / "report.pdf"); }},
        {"onto a pipe",
         [](const fs::path& d) {
             ::mkfifo((d / "report.pdf").c_str(), 0600);
             return d / "report.pdf";
         },
         true, false, [](const fs::path& d) { return fs::is_fifo(fs::symlink_status(d / "report.pdf")); }},
        {"beside the user's own report.pdf.part",
         [](const fs::path& d) {
             std::ofstream(d / "report.pdf.part") << "notes";
             return d / "report.pdf";
         },
         true, true,
         [&](const fs::path& d) {
             return Content(d / "report.pdf") == pdf && Content(d / "report.pdf.part") == "notes" &&
                    Names(d) == std::set<std::string>{"report.pdf", "report.pdf.part"};
         }},
        {"through a link",
         [](const fs::path& d) {
             fs::create_directory(d / "real");
             std::ofstream(d / "real" / "report.pdf") << "old";
             fs::create_symlink(fs::path("real") / "report.pdf", d / "link.pdf");
             return d / "link.pdf";
         },
         true, true,
         [&](const fs::path& d) {
             return fs::is_symlink(fs::symlink_status(d / "link.pdf")) && Content(d / "real" / "report.pdf") == pdf &&
                    Names(d / "real") == std::set<std::string>{"report.pdf"};
         }},
        {"a job that fails over an earlier PDF",
         [](const fs::path& d) {
             std::ofstream(d / "report.pdf") << "earlier";
             return d / "report.pdf";
         },
         false, false, [](const fs::path& d) { return Content(d / "report.pdf") == "earlier"; }},
        {"a name of 255 bytes", [](const fs::path& d) { return d / (std::string(251, 'r') + ".pdf"); }, true, true,
         [&](const fs::path& d) { return Content(d / (std::string(251, 'r') + ".pdf")) == pdf; }},
    };
    TForm1& f = Form1();
    for (const Case& c : cases) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        const fs::path name = c.make(dir);
        const std::set<std::string> before = Names(dir);
        TPrinter::SetSink([&](const TPrinter& printer, const std::vector<TPrintedPage>&) {
            if (c.delivered) std::ofstream(printer.OutputFileName, std::ios::binary) << pdf;
            return c.delivered;
        });
        TCommonDialog::SetExecutor([&](TCommonDialog& d) {
            static_cast<TOpenDialog&>(d).FileName = name.string();
            return true;
        });
        f.RichEdit1.Clear();
        f.RichEdit1.Add("Density____________________________________(kg/m3)= 998,21");
        f.Sparasom1->Click();
        TCommonDialog::SetExecutor(nullptr);
        TPrinter::SetSink(nullptr);
        EXPECT_TRUE(c.after(dir)) << c.what;
        std::set<std::string> now = Names(dir);
        for (const std::string& n : before) now.erase(n);
        EXPECT_TRUE(now.empty() || (c.saved && now == std::set<std::string>{name.filename().string()})) << c.what;
        ASSERT_EQ(f.RichEdit1.LineCount(), c.saved ? 1 : 2) << c.what;
        if (!c.saved) {
            EXPECT_EQ(f.RichEdit1.Line(1), "PDF FILE NOT WRITTEN!: " + name.string()) << c.what;
            EXPECT_EQ(f.RichEdit1.AttributesAt(f.RichEdit1.LineStartText(1)).Color, clRed) << c.what;
        }
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace tubalyx
