// A big report printed to PDF loses nothing: every line of it stands whole in the PDF's text
// layer within the page less its right margin, however wide the line is at the report's size.
// TUBALYX_KEEP_PDF=file keeps a copy of the PDF to look at.
#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#include <string>
#include <vector>

#include "numerics/decimal_separator.h"
#include "numerics/text_utils.h"
#include "state/selections.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"
#include "ui/report_printing.h"
#include "ui/run_driver.h"
#include "ui/startup.h"

using namespace tubalyx;

namespace {

// The text with every run of blanks, tabs and line ends made one blank, ends trimmed.
std::string OneBlankBetweenWords(const std::string& text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

}  // namespace

// The big report of an air orifice (its input section, the fittings' straight-length table,
// the algorithms) with its data sheet below: on A4 the input lines are wider than the page at
// the report's own scale. pdftotext reads the text within the page less the right margin
// (a tenth of its width, as on the left), at 72 points per inch: 595 x 842 for A4.
TEST(PrintedLines, EveryLineOfABigReportStandsWholeInThePdf) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.path() + "/report.pdf";
    SetDecimalSeparator('.');
    TForm1& f = Form1();
    // Only this run's report: what earlier tests left in the window is no part of it.
    f.RichEdit1.Clear();
    SetStartDefaults();
    LanguageLetter = 'E';
    ApplyLanguage('E');
    CalcFunction = "Strypf", MediumCode = "LUF", DeviceCode = "S", DeviceVariantCode = "R", SolveFor = "DI";
    f.litenstor.SetCaption("Big  ");
    f.maxflowsort.SetText("kg/h");
    f.maxflowantal.SetText("5000");
    f.Dstorkallmm.SetText("100");
    f.difftryckmaxantal.SetText("25");
    f.abstryckantal.SetText("500");
    f.abstryckmaxantal.SetText("500");
    RunCalculation();
    f.DSAprint.Click();

    std::vector<std::string> lines;
    std::size_t longest = 0;
    for (int i = 0; i < f.RichEdit1.LineCount(); ++i) {
        const std::string line = OneBlankBetweenWords(f.RichEdit1.Line(i));
        if (line.empty()) continue;
        lines.push_back(line);
        longest = std::max(longest, static_cast<std::size_t>(Utf8Length(f.RichEdit1.Line(i))));
    }
    ASSERT_GT(lines.size(), 150u);
    ASSERT_GE(longest, 80u);
    ASSERT_TRUE(PrintReportToPdf(path.toStdString()));
    if (const char* keep = std::getenv("TUBALYX_KEEP_PDF")) {
        QFile::remove(QString::fromUtf8(keep));
        QFile::copy(path, QString::fromUtf8(keep));
    }

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", "-r", "72", "-x", "0", "-y", "0", "-W", "536", "-H", "842", path, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(60000));
    const std::string text = OneBlankBetweenWords(QString::fromUtf8(pdftotext.readAllStandardOutput()).toStdString());
    for (const std::string& line : lines) EXPECT_NE(text.find(line), std::string::npos) << line;
}
