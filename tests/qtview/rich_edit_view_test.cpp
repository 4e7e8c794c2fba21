// The report view against its model: after every kind of change the document shows the
// model's text with each character's colour, size and weight, and a run redraws only its
// new lines. (Caret and selection: main_window_test.)
#include <gtest/gtest.h>
#include <QTextBlock>
#include <QTextCursor>
#include <functional>
#include <string>

#include "forms/rich_edit.h"
#include "qtview/control_widgets.h"
#include "qtview/qt_conversions.h"
#include "reports/report_window.h"

using namespace tubalyx;

namespace {

void Write(TRichEdit& r, int lines, const std::string& tag) {
    for (int i = 0; i < lines; ++i) {
        r.SetSelColor(i % 7 == 0 ? clRed : i % 7 == 3 ? clMaroon : clBlack);
        r.SetSelSize(i % 11 == 0 ? 14 : 10);
        r.Add(i % 9 == 4 ? "" : tag + " line " + std::to_string(i) + " Flow_____(kg/h)= 1,25");
    }
    r.SetSelColor(clBlack);
    r.SetSelSize(10);
}

void RunReport(TRichEdit& report, TRichEdit& aside, int lines, const std::string& tag) {
    aside.Clear();
    CopyWithAttributes(report, aside, 0);
    report.Clear();
    Write(report, lines, tag);
    CopyWithAttributes(aside, report, -ReportTextLength(report));
}

// Compares the document with the model character by character; "" when they agree.
std::string Mismatch(const RichEditWidget& view, const TRichEdit& model) {
    const QTextDocument* doc = view.document();
    const int blocks = std::max(1, model.LineCount());
    if (doc->blockCount() != blocks)
        return "blocks " + std::to_string(doc->blockCount()) + " for " + std::to_string(model.LineCount()) + " lines";
    QTextBlock block = doc->begin();
    for (int line = 0; line < model.LineCount(); ++line, block = block.next()) {
        if (S(block.text()) != model.Line(line)) return "line " + std::to_string(line) + " reads " + S(block.text());
        int column = 0;
        for (const TTextRun& run : model.Content().Lines[line]) {
            for (int i = 0; i < Q(run.Text).size(); ++i, ++column) {
                QTextCursor c(block);
                c.setPosition(block.position() + column + 1);  // the format of the character before
                const QTextCharFormat f = c.charFormat();
                const TTextAttributes& a = run.Attributes;
                if (f.foreground().color() != ToQColor(a.Color) || f.font().bold() != a.Style.Bold ||
                    f.font().pixelSize() != ToQFont(TFont{a.Name, a.Size}).pixelSize())
                    return "format of line " + std::to_string(line) + " column " + std::to_string(column);
            }
        }
    }
    return "";
}

struct Step {
    const char* name;
    std::function<void(TRichEdit& report, TRichEdit& aside)> change;
    bool redrawsAll;
};

}  // namespace

TEST(RichEditView, ShowsTheModelAfterEveryKindOfChange) {
    TRichEdit report("RichEdit1"), aside("RichEdit5");
    RichEditWidget view(report, nullptr);
    const Step steps[] = {
        {"first report", [](TRichEdit& r, TRichEdit&) { Write(r, 120, "first"); }, false},
        {"a run puts its report in front", [](TRichEdit& r, TRichEdit& a) { RunReport(r, a, 40, "second"); }, false},
        {"a selection over three lines re-coloured",
         [](TRichEdit& r, TRichEdit&) {
             r.SetSelStart(r.LineStartText(10) + 5);
             r.SetSelLength(r.LineStartText(12) + 3 - (r.LineStartText(10) + 5));
             r.SetSelColor(clBlue);
             r.SetSelStyle({true, false, false, false});
             r.SetSelStart(0);
         },
         false},
        {"a run after that, the split line coming back flattened",
         [](TRichEdit& r, TRichEdit& a) { RunReport(r, a, 15, "third"); }, false},
        {"lines appended below", [](TRichEdit& r, TRichEdit&) { Write(r, 8, "sheet"); }, false},
        {"cleared and rewritten",
         [](TRichEdit& r, TRichEdit&) {
             r.Clear();
             Write(r, 30, "fresh");
         },
         false},
        {"cleared", [](TRichEdit& r, TRichEdit&) { r.Clear(); }, false},
        {"written into the empty view", [](TRichEdit& r, TRichEdit&) { Write(r, 5, "again"); }, false},
        {"content replaced as a whole",
         [](TRichEdit& r, TRichEdit&) {
             TRichContent c = r.Content();
             c.Lines.erase(c.Lines.begin() + 1);
             r.SetContent(c);
         },
         true},
    };
    view.SyncFromModel();
    int rebuilds = view.RebuildCount();
    for (const Step& step : steps) {
        step.change(report, aside);
        view.SyncFromModel();
        EXPECT_EQ(Mismatch(view, report), "") << step.name;
        EXPECT_EQ(view.RebuildCount() - rebuilds, step.redrawsAll ? 1 : 0) << step.name;
        rebuilds = view.RebuildCount();
    }
}

TEST(RichEditView, ARunLeavesTheEarlierReportsBlocksInPlace) {
    TRichEdit report("RichEdit1"), aside("RichEdit5");
    RichEditWidget view(report, nullptr);
    Write(report, 200, "old");
    view.SyncFromModel();
    // Mark every block but the first (the first one's text is split off when lines go in front).
    int n = 0;
    for (QTextBlock b = view.document()->begin().next(); b.isValid(); b = b.next()) b.setUserState(++n);
    RunReport(report, aside, 30, "new");
    view.SyncFromModel();
    ASSERT_EQ(Mismatch(view, report), "");
    QTextBlock b = view.document()->findBlockByNumber(30 + 1);
    for (int i = 1; i < 200; ++i, b = b.next()) ASSERT_EQ(b.userState(), i) << "old line " << i << " was drawn again";
}
