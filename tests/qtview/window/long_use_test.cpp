// Long stretches of use: runs of every function one after the other, the unit page and its
// grid between them. The report view keeps showing what the report holds, newest run first.
#include <QAbstractTextDocumentLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

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
            ASSERT_EQ(Report().toPlainText().toStdString(), f.RichEdit1.Text());
            // Every run puts a report in front of the earlier ones.
            const int lines = Report().document()->blockCount();
            ASSERT_GT(lines, shownLines);
            shownLines = lines;
            ChooseMenu({f.Rapport2});
            ASSERT_TRUE(NewestLineInView(Report(), Page())) << "the newest report is out of view";
        }
    }
    EXPECT_EQ(runs, 100);
}
