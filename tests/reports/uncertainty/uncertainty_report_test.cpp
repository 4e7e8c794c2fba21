// The uncertainty section in the report window: the exact lines in the three languages, the
// rows each report size shows, its place below the newest report, the TAB form, and a failed
// budget that writes nothing and asks for the calculation first.
#include "reports/uncertainty/uncertainty_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "budget_support.h"
#include "reports/report_block.h"
#include "reports/report_head.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "state/uncertainty_state.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

// Every input exact but a typed standard uncertainty of 0,6, other errors of 0,1 and other
// uncertainties of 0,8: the total is sqrt(0,6^2 + 0,8^2) + 0,1 = 1,1 at every point.
// Returns the number of lines the report window had before the budget.
int KnownBudget(char language, const char* size = "Small") {
    budgettest::RunWaterOrifice(size);
    LanguageLetter = language;
    ApplyLanguage(language);
    budgettest::ZeroGrid();
    TStringGrid& g = Form1().Felsimulgrid;
    g.SetCell(1, 1, "0,6");
    g.SetCell(1, 19, "0,1");
    g.SetCell(1, 20, "0,8");
    Form1().osrubrik.SetCaption("Error-/Uncertainty calculation");
    const int before = ReportLineCount();
    Form1().FelsimulrubrikClick(nullptr);
    return before;
}

// The lines of the section: below the newest report and its separating line, above the
// repeated separator and the earlier reports.
std::vector<std::string> Section(int linesBefore) {
    const std::vector<std::string> lines = budgettest::ReportLines();
    const int first = NewestReportLineCount + 1;
    const int count = static_cast<int>(lines.size()) - linesBefore - 1;
    return {lines.begin() + first, lines.begin() + first + count};
}

std::string Repeat(const std::string& cell, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += cell;
    return s;
}

TEST(UncertaintyReport, SmallReportOfAnOrificeInTheThreeLanguages) {
    const std::string axis = "      10,0 20,0 30,0 40,0 50,0 60,0 70,0 80,0 90,0  100 |mv|";
    const std::string other = Repeat(" 0,10", 11), unc = Repeat(" 0,80", 11), total = "     " + Repeat(" 1,10", 11);
    const struct {
        char language;
        std::vector<std::string> table;
    } cases[] = {
        {'E',
         {"UNCERTAINTY(/Error) SOURCE           SIZE         IMPACT ON FLOWMEASUREUNCERTAINTY (%)",
          "Flow in % of maxflow_________________" + axis, "Other ERRORS % actual Flow             0,1" + other,
          "Other UNCERTAINTIES % actual Flow      0,8" + unc, "Total uncertainty % of actual Flow___" + total,
          "Total uncertainty dry Gas % actual Fl" + total}},
        {'D',
         {"UNSICHERHEITS(/Fehler) QUELLE        GRÖSSE     EINFLUSS AUF DURCHFLUSSMESSUNSICHERHEIT (%)",
          "Durchfluss (% von Durchflussendwert)_" + axis, "Andere Fehler % von aktuellem D.fluss  0,1" + other,
          "Andere Unsicherheiten % von akt. Durc  0,8" + unc, "Gesamtunsicherheit % von akt. Durchfl" + total,
          "Gesamtunsicherheit trocken Gas_______" + total}},
        {'S',
         {"OSÄKERHET(/Fel) KÄLLA                STORLEK        BIDRAG TILL FLÖDESMÄTOSÄKERHET (%)",
          "Flöde i % av maxflöde________________" + axis, "Övriga fel % aktuellt flöde            0,1" + other,
          "Övriga osäkerheter % aktuellt flöde    0,8" + unc, "Totalosäkerhet % av aktuellt flöde___" + total,
          "Totalosäkerhet torrdel % av a.fl.____" + total}},
    };
    for (const auto& c : cases) {
        const int before = KnownBudget(c.language);
        ASSERT_TRUE(UncertaintyRunOk) << c.language;
        std::vector<std::string> expected = {"Error-/Uncertainty calculation", ""};
        expected.insert(expected.end(), c.table.begin(), c.table.end());
        EXPECT_EQ(Section(before), expected) << c.language;
        EXPECT_EQ(ReportLinesWritten, NewestReportLineCount + 1 + 3);
    }
}

// The reports' head reads a fixed clock, so reports written a second apart print the same time.
struct FixedReportClock {
    FixedReportClock() {
        SetReportClock([] { return ReportTimestamp{"2026-12-09", "04:01:11"}; });
    }
    ~FixedReportClock() { SetReportClock(nullptr); }
};

TEST(UncertaintyReport, SectionStandsBelowTheNewestReportWithEveryEarlierLineKept) {
    const FixedReportClock clock;
    budgettest::RunWaterOrifice();
    budgettest::RunWaterOrifice();  // two reports in the window
    const std::vector<std::string> window = budgettest::ReportLines();
    const int newest = NewestReportLineCount;
    const int before = KnownBudget('E');
    const std::vector<std::string> after = budgettest::ReportLines();
    const int added = static_cast<int>(after.size()) - before;
    // The first run of KnownBudget put a third report on top; the window below it is as it was.
    ASSERT_EQ(NewestReportLineCount, newest);
    for (int i = 0; i <= newest; ++i) EXPECT_EQ(after[i], window[i]) << i;
    EXPECT_EQ(after[newest + added], after[newest]);  // the separating line repeated below the section
    for (int i = newest; i < static_cast<int>(window.size()); ++i) EXPECT_EQ(after[i + added], window[i]) << i;
    // Sizes: the heading at two thirds of the window's width rule, the table at two thirds of
    // the window font less one, never below 6 points.
    const TForm1& f = Form1();
    const auto& content = f.RichEdit1.Content().Lines;
    EXPECT_EQ(content[newest + 1][0].Attributes.Size, ScaledReportSize(f.RichEdit1.ClientWidth() / 70 * 20 / 17, 2, 3));
    EXPECT_EQ(content[newest + 1][0].Attributes.Color, clMaroon);
    EXPECT_TRUE(content[newest + 1][0].Attributes.Style.Underline);
    EXPECT_EQ(content[newest + 4][0].Attributes.Size, ScaledReportSize(f.Font().Size - 1, 2, 3));
    EXPECT_GE(content[newest + 4][0].Attributes.Size, kMinReportFontSize);
}

TEST(UncertaintyReport, ReportSizeChoosesTheRows) {
    // Mini: the flow axis and the totals; big: every visible source row, the typed 0,6 at
    // every point, blank-padded to four characters.
    KnownBudget('E', "Mini ");
    std::vector<std::string> mini = budgettest::ReportLines();
    int first = NewestReportLineCount + 1;
    EXPECT_EQ(mini[first + 3].substr(0, 20), "Flow in % of maxflow");
    EXPECT_EQ(mini[first + 4].substr(0, 34), "Total uncertainty % of actual Flow");
    EXPECT_EQ(mini[first + 5].substr(0, 25), "Total uncertainty dry Gas");

    const int before = KnownBudget('E', "Big  ");
    const std::vector<std::string> big = Section(before);
    const TStringGrid& g = Form1().Felsimulgrid;
    int visible = 0;
    for (int row = 0; row < g.RowCount(); ++row) visible += g.RowHeight(row) >= 2;
    // Heading, empty line, method line, column heading, then one line per visible row.
    ASSERT_EQ(static_cast<int>(big.size()), 4 + visible);
    EXPECT_EQ(big[2], Form1().bermetoderrtextin.Caption());
    EXPECT_EQ(big[5], "Standard uncertainty                   0,6" + Repeat("  0,6", 10) + " 0,60");
}

TEST(UncertaintyReport, TabSeparatorPrecedesEveryValue) {
    ReportSeparator = "\t";
    const int before = KnownBudget('E');
    const std::vector<std::string> section = Section(before);
    EXPECT_EQ(section.back(), "Total uncertainty dry Gas % actual Fl     \t" + Repeat(" \t1,10", 11));
}

TEST(UncertaintyReport, FailedBudgetWritesNothingAndAsksForTheCalculationFirst) {
    budgettest::RunWaterOrifice();
    ApplyLanguage('E');
    const std::vector<std::string> window = budgettest::ReportLines();
    TStringGrid& g = Form1().Felsimulgrid;
    g.SetCell(5, 7, "1,0");
    BoreDiameter = 0.0;  // nothing to calculate the budget of
    Form1().FelsimulrubrikClick(nullptr);
    EXPECT_FALSE(UncertaintyRunOk);
    EXPECT_EQ(Form1().Felsimulrubrik.Caption(), "Select Menu: " + Form1().Run1->Caption());
    EXPECT_EQ(Form1().Felsimulrubrik.Color(), clRed);
    EXPECT_EQ(g.Cell(5, 7), "");
    EXPECT_EQ(budgettest::ReportLines(), window);
    // An unreadable lowest flow falls back to a tenth of the maximum.
    budgettest::RunWaterOrifice();
    g.SetCell(2, 0, "abc");
    Form1().FelsimulrubrikClick(nullptr);
    EXPECT_TRUE(UncertaintyRunOk);
    EXPECT_EQ(Form1().Felsimulrubrik.Caption(), "        Run        ");
    EXPECT_EQ(Form1().Felsimulrubrik.Color(), clYellow);
    EXPECT_EQ(g.Cell(2, 0), "10,0");
}

}  // namespace
}  // namespace tubalyx
