// The report saved as PDF through the print path: Qt writes one page per printed page into the
// save's own scratch file, and the PDF's text holds every report line. TUBALYX_KEEP_PDF=file
// keeps a copy to look at.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#include <string>
#include <vector>

#include "forms/dialogs.h"
#include "forms/screen.h"
#include "ui/form1.h"

using namespace tubalyx;

TEST(ReportPdf, AThreePageReportSavedAsPdfHoldsEveryLine) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.path() + "/report.pdf";
    TForm1& f = Form1();
    // The report window is 100 characters of the font wide: 20-point lines print at 15 points.
    f.RichEdit1.SetWidth(2000);
    for (TRichEdit* e : {&f.RichEdit1, &f.RichEdit2, &f.RichEdit3}) {
        e->Clear();
        e->SetSelAttributes({clBlack, {}, 20});
    }
    f.RichEdit2.Add("Tubalyx test plant");
    f.RichEdit3.Add("signed: engineer");
    std::vector<std::string> lines;
    for (int i = 1; i <= 110; ++i) {
        lines.push_back("Line " + std::to_string(i) +
                        " Density____________________(kg/m3)= " + std::to_string(1000 + i) + ",5");
        f.RichEdit1.Add(lines.back());
    }
    Printer().SetPageSize(4960, 7016);
    // A file of the user's that a save must not take for its own.
    QFile notes(path + ".part");
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("notes");
    notes.close();
    TCommonDialog::SetExecutor([&](TCommonDialog& d) {
        static_cast<TOpenDialog&>(d).FileName = path.toStdString();
        return true;
    });
    f.Sparasom1->Click();
    TCommonDialog::SetExecutor(nullptr);
    ASSERT_EQ(Printer().LastJob().size(), 3u);
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(),
              "report.pdf report.pdf.part");
    ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
    EXPECT_EQ(notes.readAll(), "notes");
    if (const char* keep = std::getenv("TUBALYX_KEEP_PDF")) {
        QFile::remove(QString::fromUtf8(keep));
        QFile::copy(path, QString::fromUtf8(keep));
    }

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    // pdftotext ends every page with a form feed.
    EXPECT_EQ(text.count(QChar('\f')), 3);
    for (const std::string& l : lines) EXPECT_TRUE(text.contains(QString::fromStdString(l))) << l;
    EXPECT_EQ(text.count("(forts)"), 2);
    EXPECT_EQ(text.count("signed: engineer"), 3);
    EXPECT_TRUE(text.contains("/sid 3"));
}
