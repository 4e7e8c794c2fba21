// The report as the user reads, selects and copies it.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include "ui/form1.h"
#include "window_driver.h"

using namespace tubalyx;

namespace {

// What a character looks like on the screen.
struct Look {
    QColor colour;
    bool bold, italic, underline;
    int pixels;
    bool operator==(const Look&) const = default;
};

// The look of the first and the middle character of every line.
std::vector<Look> LooksOf(const QTextEdit& view) {
    std::vector<Look> looks;
    for (QTextBlock b = view.document()->begin(); b.isValid(); b = b.next()) {
        for (int at : {1, b.length() / 2}) {
            if (at >= b.length()) continue;
            QTextCursor c(b);
            c.setPosition(b.position() + at);
            const QTextCharFormat f = c.charFormat();
            looks.push_back({f.foreground().color(), f.font().bold(), f.font().italic(), f.font().underline(),
                             f.font().pixelSize()});
        }
    }
    return looks;
}

}  // namespace

using ReportView = ProgramWindow;

TEST_F(ReportView, SelectAllHighlightsTheReportWithoutChangingItsLookAndCtrlCCopiesIt) {
    TForm1& f = Form1();
    ChooseMenu({f.Meny1, f.English});
    ChooseMenu({f.Strypsnabb});
    TypeInto(f.maxflowantal, "abc");  // an input error: the report gets its red line
    Run();
    TypeInto(f.maxflowantal, "100");
    ChooseMenu({f.Termosnabb});
    Run();
    const std::vector<Look> before = LooksOf(Report());
    const TRichContent content = f.RichEdit1.Content();
    ASSERT_GT(before.size(), 20u);
    ASSERT_TRUE(std::any_of(before.begin(), before.end(), [](const Look& l) { return l.colour == Qt::red; }));
    ASSERT_TRUE(std::any_of(before.begin(), before.end(), [&](const Look& l) { return l.pixels != before[0].pixels; }));

    Click(f.selectall);
    EXPECT_EQ(Report().textCursor().selectedText().size(), Report().document()->characterCount() - 1);
    EXPECT_TRUE(Report().hasFocus());
    EXPECT_TRUE(LooksOf(Report()) == before);
    EXPECT_TRUE(f.RichEdit1.Content() == content);
    Screenshot("report_select_all");

    QGuiApplication::clipboard()->clear();
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), Report().toPlainText().toStdString());

    // A click into the report ends the selection; the report still looks as it did.
    Click(f.RichEdit1, QPoint(20, 20));
    EXPECT_TRUE(LooksOf(Report()) == before);
    EXPECT_TRUE(f.RichEdit1.Content() == content);
}

// The data sheet goes below every report the window holds. A click on its label shows the
// sheet's first line, the device line ("Orifice plate" in English), in the report's own view and
// in the page's: after one run, when the report is shorter than its window, and after twenty,
// when it is longer and scrolls within itself, with the user having read down to its end.
TEST_F(ReportView, TheDataSheetLabelShowsTheSheetsFirstLine) {
    TForm1& f = Form1();
    ChooseMenu({f.Meny1, f.English});
    ChooseMenu({f.Strypsnabb});
    int runs = 0;
    for (const int earlierRuns : {1, 20}) {
        SCOPED_TRACE(std::to_string(earlierRuns) + " earlier runs");
        for (; runs < earlierRuns; ++runs) Run();
        if (earlierRuns > 1) {
            ASSERT_GT(Report().verticalScrollBar()->maximum(), 0) << "the report does not scroll within itself";
            Click(f.RichEdit1, QPoint(20, 20));
            Press(Qt::Key_End, Qt::ControlModifier);
        }
        const int first = Report().document()->blockCount();
        Click(f.DSAprint);
        const std::vector<std::string> lines = ReportLines();
        ASSERT_GT(static_cast<int>(lines.size()), first);
        EXPECT_NE(lines[first].find("Orifice plate"), std::string::npos) << lines[first];
        EXPECT_TRUE(ReportLineSeen(first)) << "the sheet's first line is out of view";
        Screenshot(earlierRuns > 1 ? "data_sheet_after_20_runs" : "data_sheet_after_a_run");
    }
}

// The row over the report (Run, select all, the report size, the title, clear, zoom, the code
// dialect, the separator) stands inside the window with every caption whole and no label over
// another, in every language and with the longer separator caption "Excel", also with the font
// three points larger, where the row takes a second line; the report starts below it.
TEST_F(ReportView, TheTitleRowStandsWholeInsideTheWindowInEveryLanguage) {
    TForm1& f = Form1();
    ChooseMenu({f.Strypsnabb});
    Click(f.Excel);
    const TLabel* const row[] = {&f.Label1,       &f.selectall, &f.litenstor,  &f.RAPPORT,
                                 &f.Rensarapport, &f.Zoomrap,   &f.ABBSiemens, &f.Excel};
    for (const int larger : {0, 3}) {
        // "+" stands in the menu bar's overflow on a narrow screen: the item is triggered.
        for (int step = 0; step < larger; ++step) Window().ActionFor(f.N1)->trigger();
        for (const TMenuItem* language : {f.English, f.Deutsch, f.Svenska}) {
            SCOPED_TRACE(language->Name() + " " + std::to_string(larger) + " points larger");
            ChooseMenu({f.Meny1, language});
            Page().horizontalScrollBar()->setValue(0);
            Settle();
            const QWidget& view = *Page().viewport();
            const int reportTop = Widget(f.RichEdit1)->mapTo(&view, QPoint()).y();
            std::vector<QRect> places;
            for (const TLabel* label : row) {
                const auto* shown = qobject_cast<QLabel*>(Widget(*label));
                ASSERT_TRUE(shown->isVisible()) << label->Name();
                const QRect place(shown->mapTo(&view, QPoint()), shown->size());
                const std::string name = label->Name() + " \"" + shown->text().toStdString() + "\"";
                EXPECT_TRUE(place.left() >= 0 && place.right() < view.width()) << name << " leaves the window";
                EXPECT_GE(shown->width(), shown->fontMetrics().horizontalAdvance(shown->text())) << name;
                EXPECT_LE(place.bottom(), reportTop) << name << " stands over the report";
                for (const QRect& other : places) EXPECT_FALSE(other.intersects(place)) << name;
                places.push_back(place);
            }
            Screenshot(("report_row_" + language->Name() + "_" + std::to_string(larger)).c_str());
        }
    }
}
