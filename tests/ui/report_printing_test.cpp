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

// "Save as" with a .pdf name, the printer's output taken by a renderer that writes a PDF into
// the file it is given: only a regular file is replaced (through a link, which stays), nothing
// else is left in the folder, and a target that cannot be replaced stays as it was, said in red.
TEST(ReportPrinting, APdfReplacesOnlyARegularFileAndSaysWhenItCannot) {
    const fs::path dir = fs::temp_directory_path() / ("tubalyx_pdf_" + std::to_string(::getpid()));
    const std::string pdf = "%PDF-1.4 report";
    TPrinter::SetSink([&](const TPrinter& printer, const std::vector<TPrintedPage>&) {
        std::ofstream(printer.OutputFileName, std::ios::binary) << pdf;
        return true;
    });
    TForm1& f = Form1();
    for (const std::string c : {"folder", "pipe", "beside the user's report.pdf.part", "link", "255 bytes"}) {
        fs::remove_all(dir);
        fs::create_directories(dir / "real");
        fs::path name = dir / "report.pdf", written = name;
        if (c == "folder") fs::create_directory(name);
        if (c == "pipe") ::mkfifo(name.c_str(), 0600);
        if (c.starts_with("beside")) std::ofstream(dir / "report.pdf.part") << "notes";
        if (c == "link")
            fs::create_symlink("real/report.pdf", name = dir / "link.pdf"), written = dir / "real/report.pdf";
        if (c == "255 bytes") name = written = dir / (std::string(251, 'r') + ".pdf");
        const bool saved = c != "folder" && c != "pipe";
        std::set<std::string> names = Names(dir);
        const fs::file_type type = fs::symlink_status(name).type();
        TCommonDialog::SetExecutor([&](TCommonDialog& d) {
            static_cast<TOpenDialog&>(d).FileName = name.string();
            return true;
        });
        f.RichEdit1.Clear();
        f.RichEdit1.Add("Density____________________________________(kg/m3)= 998,21");
        f.Sparasom1->Click();
        TCommonDialog::SetExecutor(nullptr);
        if (saved) names.insert(name.filename().string());
        EXPECT_EQ(Names(dir), names) << c;
        EXPECT_EQ(Names(dir / "real").size(), c == "link" ? 1u : 0u) << c;
        EXPECT_EQ(saved ? Content(written) : pdf, pdf) << c;
        EXPECT_EQ(fs::symlink_status(name).type(), saved && c != "link" ? fs::file_type::regular : type) << c;
        EXPECT_EQ(Content(dir / "report.pdf.part"), c.starts_with("beside") ? "notes" : "") << c;
        ASSERT_EQ(f.RichEdit1.LineCount(), saved ? 1 : 2) << c;
        const int last = f.RichEdit1.LineCount() - 1;
        EXPECT_EQ(f.RichEdit1.Line(last), saved ? f.RichEdit1.Line(0) : "PDF FILE NOT WRITTEN!: " + name.string()) << c;
        if (!saved) {
            EXPECT_EQ(f.RichEdit1.AttributesAt(f.RichEdit1.LineStartText(last)).Color, clRed) << c;
        }
    }
    TPrinter::SetSink(nullptr);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace tubalyx
