// Long stretches of use: runs of every function one after the other, the unit page and its
// grid between them, the user now and then reading down to the oldest report. The report view
// keeps showing what the report holds, newest run first, and after each run the new output
// heading near the top of what the user sees, however long the report has grown.
#include <QAbstractTextDocumentLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "state/report_state.h"
#include "ui/form1.h"
#include "window_driver.h"

using namespace tubalyx;

namespace {

// Whether the first line of the report stands in the part of the window the user sees.
bool NewestLineInView(const QTextEdit& view, const QScrollArea& page) {
    const QTextBlock first = view.document()->begin();
    QRect line = view.document()->documentLayout()->blockBoundingRect(first).toRect();
    line.translate(-view.horizontalScrollBar()->value(), -view.verticalScrollBar()->value());
    line.setWidth(std::min(line.width(), 200));
    const QRect inPage(view.viewport()->mapTo(page.widget(), line.topLeft()), line.size());
    const QRect seen(-page.widget()->pos(), page.viewport()->size());
    return view.viewport()->rect().contains(line.topLeft()) && seen.intersects(inPage);
}

// The line of the newest report that holds its output heading (or its input-error line); -1
// when it has none, as the unit page's report.
int NewestOutputHeading(const QTextEdit& view) {
    const QStringList marks = {"UTDATA", "OUTPUT", "AUSGABE", "INDATA FELAKTIGA", "INPUT ERROR", "DATENEINGABE FALSCH"};
    for (QTextBlock b = view.document()->begin(); b.isValid() && b.blockNumber() < NewestReportLineCount; b = b.next())
        if (std::any_of(marks.begin(), marks.end(), [&](const QString& m) { return b.text().contains(m); }))
            return b.blockNumber();
    return -1;
}

}  // namespace

using LongUse = ProgramWindow;

TEST_F(LongUse, AHundredRunsOfEveryFunctionEachShowTheirReportFirst) {
    TForm1& f = Form1();
    ChooseMenu({f.Meny1, f.English});
    const std::vector<const TMenuItem*> functions = {f.Termosnabb,          f.Strypsnabb,   f.Commersialflowmeters1,
                                                     f.Tryckfsnabb,         f.Flowgeneral1, f.Ventiler3,
                                                     f.Restrictionorifice2, f.Units2};
    int runs = 0, shownLines = 0;
    for (int round = 0; runs < 100; ++round) {
        for (const TMenuItem* function : functions) {
            if (runs == 100) break;
            SCOPED_TRACE("run " + std::to_string(runs + 1) + " on " + function->Name());
            ChooseMenu({function});
            if (function == f.Units2) {
                TypeIntoCell(f.Sortergrid, 0, 1, QString::number(100 + round), Qt::Key_Return);
                ChooseMenu({f.Meny1, f.Run1});
            } else {
                Run();
            }
            ++runs;
            // The output heading near the top of what the user sees; a report without one from its start.
            const int heading = NewestOutputHeading(Report());
            ASSERT_TRUE(heading < 0 ? NewestLineInView(Report(), Page()) : ReportLineSeen(heading, true))
                << "the output heading is out of view";
            ASSERT_EQ(Report().toPlainText().toStdString(), f.RichEdit1.Text());
            // Every run puts a report in front of the earlier ones.
            const int lines = Report().document()->blockCount();
            ASSERT_GT(lines, shownLines);
            shownLines = lines;
            ChooseMenu({f.Rapport2});
            ASSERT_TRUE(NewestLineInView(Report(), Page())) << "the newest report is out of view";
            // Now and then the user reads down to the oldest report before the next run.
            if (runs % 3 == 0) {
                Click(f.RichEdit1, QPoint(20, 20));
                Press(Qt::Key_End, Qt::ControlModifier);
            }
        }
    }
    EXPECT_EQ(runs, 100);
}
