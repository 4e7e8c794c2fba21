// The rich edit's change log, checked by replaying it on a plain copy of the lines as a
// renderer would and comparing with the model's own text.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>

#include "forms/rich_edit.h"
#include "reports/report_window.h"

using namespace tubalyx;

namespace {

// Replays a log on the lines a renderer shows; false when a step does not fit them.
bool Replay(std::vector<TRichLine>& shown, const TRichEditChanges& changes, const TRichEdit& model) {
    if (changes.Reset) {
        shown = model.Content().Lines;
        return true;
    }
    for (const TRichEditChange& step : changes.Edits) {
        const int size = static_cast<int>(shown.size());
        switch (step.What) {
            case TRichEditChange::Kind::Insert:
                if (step.Line < 0 || step.Line > size) return false;
                shown.insert(shown.begin() + step.Line, step.Lines.begin(), step.Lines.end());
                break;
            case TRichEditChange::Kind::Remove:
                if (step.Line < 0 || step.Line + step.Count > size) return false;
                shown.erase(shown.begin() + step.Line, shown.begin() + step.Line + step.Count);
                break;
            case TRichEditChange::Kind::Replace:
                if (step.Line < 0 || step.Line + static_cast<int>(step.Lines.size()) > size) return false;
                std::copy(step.Lines.begin(), step.Lines.end(), shown.begin() + step.Line);
                break;
        }
    }
    return true;
}

size_t CarriedLines(const TRichEditChanges& changes) {
    size_t n = 0;
    for (const auto& step : changes.Edits) n += step.Lines.size() + step.Count;
    return n;
}

void Write(TRichEdit& r, int lines, const std::string& tag) {
    for (int i = 0; i < lines; ++i) {
        r.SetSelColor(i % 5 == 0 ? clRed : clBlack);
        r.Add(tag + " " + std::to_string(i));
    }
    r.SetSelColor(clBlack);
}

// A run as the run driver does it: the old text aside, cleared, the new report, the old back.
void RunReport(TRichEdit& report, TRichEdit& aside, int newLines, const std::string& tag) {
    aside.Clear();
    CopyWithAttributes(report, aside, 0);
    report.Clear();
    Write(report, newLines, tag);
    CopyWithAttributes(aside, report, -ReportTextLength(report));
}

struct Scenario {
    const char* name;
    std::function<void(TRichEdit& report, TRichEdit& aside)> change;
    bool reset;         // the log says the whole text changed
    size_t maxCarried;  // lines the log may carry at most
};

}  // namespace

TEST(RichEditChanges, TheLogReplayedOnTheShownLinesGivesTheModelText) {
    const Scenario scenarios[] = {
        {"lines appended", [](TRichEdit& r, TRichEdit&) { Write(r, 30, "more"); }, false, 30},
        {"a run puts its report in front", [](TRichEdit& r, TRichEdit& a) { RunReport(r, a, 25, "new"); }, false, 25},
        {"a run whose history has a line of several colours",
         [](TRichEdit& r, TRichEdit& a) {
             // Two characters of line 3 in blue: the copy gives each line the colour of its start, so
             // that one line comes back different and is replaced, all others stay.
             r.SetSelStart(r.LineStartText(3) + 2);
             r.SetSelLength(2);
             r.SetSelColor(clBlue);
             r.SetSelStart(0);
             RunReport(r, a, 10, "new");
         },
         false, 10 + 1 + 1},
        {"selection re-coloured across two lines",
         [](TRichEdit& r, TRichEdit&) {
             r.SetSelStart(r.LineStartText(50) + 3);
             r.SetSelLength(8);
             r.SetSelColor(clBlue);
         },
         false, 2},
        {"cleared and written anew",
         [](TRichEdit& r, TRichEdit&) {
             r.Clear();
             Write(r, 7, "x");
         },
         false, 100 + 7},
        {"cleared twice before anyone looked",
         [](TRichEdit& r, TRichEdit&) {
             r.Clear();
             Write(r, 3, "x");
             r.Clear();
             Write(r, 4, "y");
         },
         true, 0},
        {"content set as a whole",
         [](TRichEdit& r, TRichEdit&) {
             TRichContent c = r.Content();
             c.Lines.pop_back();
             r.SetContent(c);
         },
         true, 0},
        {"re-formatted more often than the log is worth",
         [](TRichEdit& r, TRichEdit&) {
             // Two lines far apart, each re-coloured every other step.
             for (int i = 0; i < 3000; ++i) {
                 r.SetSelStart(r.LineStartText(i % 2 * 50));
                 r.SetSelLength(3);
                 r.SetSelColor(i / 2 % 2 ? clBlue : clRed);
             }
         },
         true, 0},
    };
    for (const Scenario& s : scenarios) {
        TRichEdit report("RichEdit1"), aside("RichEdit5");
        report.KeepChangeLog(true);
        Write(report, 100, "old");
        std::vector<TRichLine> shown;
        ASSERT_TRUE(Replay(shown, report.TakeChanges(), report)) << s.name;
        s.change(report, aside);
        const TRichEditChanges changes = report.TakeChanges();
        EXPECT_EQ(changes.Reset, s.reset) << s.name;
        EXPECT_LE(CarriedLines(changes), s.maxCarried) << s.name;
        ASSERT_TRUE(Replay(shown, changes, report)) << s.name;
        EXPECT_EQ(shown, report.Content().Lines) << s.name;
        // Taken once, the log is empty until the next change.
        const TRichEditChanges again = report.TakeChanges();
        EXPECT_FALSE(again.Reset) << s.name;
        EXPECT_TRUE(again.Edits.empty()) << s.name;
    }
}

TEST(RichEditChanges, WithoutALogEveryLookIsAReset) {
    TRichEdit r("RichEdit4");
    r.Add("a");
    EXPECT_TRUE(r.TakeChanges().Reset);
    r.KeepChangeLog(true);
    EXPECT_TRUE(r.TakeChanges().Reset);  // the renderer first shows everything
    r.Add("b");
    const TRichEditChanges changes = r.TakeChanges();
    ASSERT_FALSE(changes.Reset);
    ASSERT_EQ(changes.Edits.size(), 1u);
    EXPECT_EQ(changes.Edits[0].Line, 1);
}

TEST(RichEditPositions, ReportAndTextPositionsConvertBothWays) {
    static_assert(!std::is_convertible_v<TextPos, ReportPos> && !std::is_convertible_v<ReportPos, TextPos>);
    TRichEdit r("RichEdit1");
    r.Add("ab");
    r.Add("");
    r.Add(
        "\xC3\x84\xE2\x82\xAC"
        "x");  // "Ä€x": three characters, five bytes
    EXPECT_EQ(r.TextLength(), 2 + 1 + 0 + 1 + 3);
    EXPECT_EQ(r.ReportLength(), 4 + 2 + 5);
    const int textStarts[] = {0, 3, 4}, reportStarts[] = {0, 4, 6};
    for (int line = 0; line < 3; ++line) {
        EXPECT_EQ(r.LineStartText(line), textStarts[line]) << "line " << line;
        EXPECT_EQ(r.LineStartReport(line), reportStarts[line]) << "line " << line;
        EXPECT_EQ(r.ToReportPos(textStarts[line]), reportStarts[line]) << "line " << line;
    }
    for (int p = 0; p <= r.TextLength(); ++p) EXPECT_EQ(r.ToTextPos(r.ToReportPos(p)), p) << "text position " << p;
    // Both characters of a report line break stand for the end of the line they close.
    EXPECT_EQ(r.ToTextPos(2), 2);
    EXPECT_EQ(r.ToTextPos(3), 2);
    // The end of the text is the end of the last line, before its break.
    EXPECT_EQ(r.ToReportPos(r.TextLength()), r.ReportLength() - 2);
    EXPECT_EQ(r.ToTextPos(r.ReportLength()), r.TextLength());
    EXPECT_EQ(r.ToTextPos(1000), r.TextLength());
    EXPECT_EQ(r.ToTextPos(-5), 0);
    EXPECT_EQ(r.AttributesAt(r.ToTextPos(7)).Color, clBlack);  // the "€"
}
