// The view handlers: the language cycle and items with the code-page hint, the report-size
// cycle in every language (also after a translation padded the captions), the separator, the
// navigation to parts that may be hidden, the report selection from click to click, the font
// dialog on the focused editor and the window's font size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/dialogs.h"
#include "state/selections.h"
#include "state/view_state.h"
#include "ui/font_size.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

class ViewHandlers : public ::testing::Test {
protected:
    void SetUp() override {
        TForm1& f = Form1();
        f.SetVertScrollRange(30000);
        f.SetHorzScrollRange(5000);
        f.SetVertScrollPosition(0);
        f.SetHorzScrollPosition(0);
    }
    void TearDown() override { TCommonDialog::SetExecutor(nullptr); }
};

TEST_F(ViewHandlers, LanguageCycleAndItemsSetTheLetterAndTheCodePageHint) {
    TForm1& f = Form1();
    const struct {
        char before;
        char after;
        const char* hint;
    } cycle[] = {
        {'E', 'S', "Först Rapport/Stor=>Rapport/Run=>Densitetsberäkningar/Run"},
        {'S', 'D', "Erst Berchnungs Ergebnis/Gross=>Berechnungs Ergebnis/Run=>Dichte Berchnungen/Run"},
        {'D', 'E', "First Report/Big=>Report/Run=>Density calculations/Run"},
        {'X', 'D', "Erst Berchnungs Ergebnis/Gross=>Berechnungs Ergebnis/Run=>Dichte Berchnungen/Run"},
    };
    for (const auto& c : cycle) {
        LanguageLetter = c.before;
        f.Bytsprk1->Click();
        EXPECT_EQ(LanguageLetter, c.after) << c.before;
        EXPECT_EQ(f.BigBlock.Hint(), c.hint) << c.before;
    }
    const struct {
        TMenuItem* item;
        char letter;
        const char* hint;
    } items[] = {
        {f.Svenska, 'S', "Först Rapport/Stor,Rapport/Run,Densitetsberäkningar/Run"},
        {f.Deutsch, 'D', "Erst Berechnungs Ergebnis/Gross,Berechnungs Ergebnis/Run,Dichte Berchnung/Run"},
        {f.English, 'E', "First Report/Big,Report/Run,Density calculations/Run"},
    };
    for (const auto& i : items) {
        i.item->Click();
        EXPECT_EQ(LanguageLetter, i.letter);
        EXPECT_EQ(f.BigBlock.Hint(), i.hint);
    }
    // The page menu speaks the new language.
    f.Svenska->Click();
    const std::string swedish = f.Rapport2->Caption();
    f.English->Click();
    EXPECT_NE(f.Rapport2->Caption(), swedish);
}

TEST_F(ViewHandlers, ReportSizeCyclesInEveryLanguageWhateverTheTrailingBlanks) {
    TForm1& f = Form1();
    const struct {
        char language;
        std::vector<const char*> captions;  // the start, then after each click
    } cycles[] = {
        {'S', {"Liten", "Stor ", "Mini ", "Liten"}},
        {'D', {"Klein", "Gross", "Mini ", "Klein"}},
        {'E', {"Small", "Big  ", "Mini ", "Small"}},
        {'E', {"Big ", "Mini ", "Small"}},
        {'S', {"Stor", "Mini ", "Liten"}},
        {'D', {"Mini", "Klein"}},
        {'E', {"Liten", "Stor ", "Mini ", "Small"}},  // a report size left from another language
        {'X', {"Mini ", "Mini "}},
        {'E', {"Huge", "Huge"}},
    };
    for (const auto& c : cycles) {
        LanguageLetter = c.language;
        f.litenstor.SetCaption(c.captions[0]);
        for (std::size_t i = 1; i < c.captions.size(); ++i) {
            f.litenstor.Click();
            EXPECT_EQ(f.litenstor.Caption(), c.captions[i]) << c.language << " from " << c.captions[0];
        }
    }
}

TEST_F(ViewHandlers, ExcelLabelTogglesTheTabSeparator) {
    TForm1& f = Form1();
    f.Excel.SetCaption("txt");
    ReportSeparator = "";
    f.Excel.Click();
    EXPECT_EQ(f.Excel.Caption(), "Excel");
    EXPECT_EQ(ReportSeparator, "\t");
    f.Excel.Click();
    EXPECT_EQ(f.Excel.Caption(), "txt");
    EXPECT_EQ(ReportSeparator, "");
}

TEST_F(ViewHandlers, NavigationScrollsToItsPartOnlyWhileThePartIsShown) {
    TForm1& f = Form1();
    f.Trycktemplabel.SetBounds(0, 9000, 10, 10);
    f.Pmin.SetBounds(700, 9000, 10, 10);
    f.osrubrik.SetBounds(0, 12000, 10, 10);
    f.Felsimulgrid.SetBounds(900, 12100, 10, 10);
    f.Graftext.SetBounds(1200, 15000, 10, 10);
    f.selectall.SetBounds(0, 3000, 10, 10);
    f.RichEdit1.SetBounds(40, 3100, 800, 600);
    f.sidhuvud.SetBounds(0, 20000, 10, 10);
    f.RichEdit2.SetBounds(60, 20100, 800, 60);
    const struct {
        TMenuItem* item;
        TControl* part;  // must be shown; nullptr: always goes
        int top, left;
    } entries[] = {
        {f.Densitetsberkningfdensmat1, &f.PTKompgrid, 9000, 700},
        {f.Densitet1, &f.PTKompgrid, 9000, 700},
        {f.Oskerhetskalkyl1, &f.Felsimulgrid, 12000, 900},
        {f.Oskerhet1, &f.Felsimulgrid, 12000, 900},
        {f.Grafer1, &f.Graftext, 15000, 1200},
        {f.Grafer2, &f.Graftext, 15000, 1200},
        {f.Rapport2, nullptr, 3000, 40},
        {f.Sidhuvudval, nullptr, 20000, 60},
        {f.Sidhuvudfot1, nullptr, 20000, 60},
        {f.Indataval, nullptr, 0, 0},
        {f.Indata1, nullptr, 0, 0},
    };
    for (const auto& e : entries) {
        f.SetVertScrollPosition(123);
        f.SetHorzScrollPosition(45);
        if (e.part) {
            e.part->SetVisible(false);
            e.item->Click();
            EXPECT_EQ(f.VertScrollBar().Position, 123) << e.item->Name() << " while hidden";
            EXPECT_EQ(f.HorzScrollBar().Position, 45) << e.item->Name() << " while hidden";
            e.part->SetVisible(true);
        }
        e.item->Click();
        EXPECT_EQ(f.VertScrollBar().Position, e.top) << e.item->Name();
        EXPECT_EQ(f.HorzScrollBar().Position, e.left) << e.item->Name();
    }
    // The pop-up's report entry goes on to the newest block, once.
    f.RichEdit1.SetFontSize(12);
    ReportLinesWritten = 40;
    f.Rapport1->Click();
    EXPECT_EQ(f.VertScrollBar().Position, 3000 + 3 * 12 * 40);
    EXPECT_EQ(ReportLinesWritten, 0);
    f.Rapport1->Click();
    EXPECT_EQ(f.VertScrollBar().Position, 3000);
}

TEST_F(ViewHandlers, EachClickInTheReportSelectsFromThePreviousClick) {
    TForm1& f = Form1();
    TRichEdit& r = f.RichEdit1;
    r.Clear();
    for (const char* line : {"first line", "second line", "third line"}) r.Add(line);
    ReportSelectionAnchor = 0;
    f.SetVertScrollPosition(500);
    r.UserMouseMove(0, 1, 1);
    // The view places the caret at the click before the event.
    auto clickAt = [&](int position) {
        f.SetVertScrollPosition(900);  // the platform scrolled while placing the caret
        r.SetSelStart(position);
        r.UserMouseDown(TMouseButton::Left, 0, 5, 5);
    };
    clickAt(14);
    EXPECT_EQ(r.SelStart(), 0);
    EXPECT_EQ(r.SelLength(), 14);
    EXPECT_EQ(f.VertScrollBar().Position, 500);
    clickAt(4);
    EXPECT_EQ(r.SelStart(), 4);
    EXPECT_EQ(r.SelLength(), 10);
    clickAt(30);
    EXPECT_EQ(r.SelStart(), 4);
    EXPECT_EQ(r.SelLength(), 26);
    // A cleared report keeps the anchor, which then stands inside the shorter text.
    f.Rensarapport.Click();
    r.Add("new");
    clickAt(1);
    EXPECT_EQ(r.SelStart(), 1);
    EXPECT_EQ(r.SelLength(), 2);
    EXPECT_EQ(ReportSelectionAnchor, 1);
}

TEST_F(ViewHandlers, FontDialogChangesOnlyTheFocusedEditorsSelection) {
    TForm1& f = Form1();
    TFont chosen;
    chosen.Name = "Arial";
    chosen.Size = 14;
    chosen.Color = clBlue;
    chosen.Italic = true;
    TFont shown;
    TCommonDialog::SetExecutor([&](TCommonDialog& d) {
        auto& font = static_cast<TFontDialog&>(d);
        shown = font.Font;
        font.Font = chosen;
        return true;
    });
    TRichEdit& head = f.RichEdit2;
    head.Clear();
    TTextAttributes before;
    before.Size = 9;
    before.Style.Bold = true;
    head.SetSelAttributes(before);
    head.Add("page head");
    head.SelectAll();
    head.SetFocus();
    f.Fontdata1->Click();
    EXPECT_EQ(shown.Size, 9);
    EXPECT_TRUE(shown.Bold);
    const TTextAttributes after = head.AttributesAt(0);
    EXPECT_EQ(after.Name, "Arial");
    EXPECT_EQ(after.Size, 14);
    EXPECT_EQ(after.Color, clBlue);
    EXPECT_TRUE(after.Style.Italic);
    EXPECT_FALSE(after.Style.Bold);

    // With no editor focused the dialog opens and nothing changes.
    f.PTKompgrid.SetFocus();
    chosen.Size = 30;
    const TRichContent unchanged = head.Content();
    f.Fontdata1->Click();
    EXPECT_EQ(head.Content(), unchanged);
}

TEST_F(ViewHandlers, FontSizeFollowsTheUpDownChangeAndStaysWithinItsBounds) {
    TForm1& f = Form1();
    f.SetFontSize(12);
    f.UpDown1.SetMin(0);
    f.UpDown1.SetMax(100);
    f.UpDown1.SetPosition(12);
    UpDownLastPosition = 12;
    TRichEdit& r = f.RichEdit1;
    r.Clear();
    r.Add("a report line");
    r.SetSelStart(2);
    r.SetSelLength(5);
    for (const auto& [button, size] : {std::pair{TUDBtnType::btNext, 13}, std::pair{TUDBtnType::btNext, 14},
                                       std::pair{TUDBtnType::btPrev, 13}}) {
        f.UpDown1.UserClick(button);
        EXPECT_EQ(f.Font().Size, size);
        EXPECT_EQ(UpDownLastPosition, f.UpDown1.Position());
        EXPECT_EQ(r.Font().Size, size);
        EXPECT_EQ(r.SelStart(), 2);
        EXPECT_EQ(r.SelLength(), 5);
    }
    // A jump of the control far past the bounds keeps the font readable.
    f.UpDown1.SetPosition(100);
    f.UpDown1.UserClick(TUDBtnType::btNext);
    EXPECT_EQ(f.Font().Size, kLargestFormFontSize);

    f.SetFontSize(kSmallestFormFontSize + 1);
    f.SetVertScrollPosition(700);
    for (int expected : {kSmallestFormFontSize, kSmallestFormFontSize}) {
        f.N3->Click();
        EXPECT_EQ(f.Font().Size, expected);
    }
    EXPECT_EQ(f.VertScrollBar().Position, 0);
    f.N1->Click();
    EXPECT_EQ(f.Font().Size, kSmallestFormFontSize + 1);
    f.SetFontSize(kLargestFormFontSize);
    f.N1->Click();
    EXPECT_EQ(f.Font().Size, kLargestFormFontSize);
}

TEST_F(ViewHandlers, GraphChoiceCyclesAndTheUncertaintyGridHintsItsClickableCells) {
    TForm1& f = Form1();
    for (const auto& [from, to] : {std::pair{"rot", "ent"}, std::pair{"ent", "dens"}, std::pair{"dens", "angdens"},
                                   std::pair{"angdens", "rot"}, std::pair{"other", "rot"}}) {
        GraphChoice = from;
        f.Grafval.Click();
        EXPECT_EQ(GraphChoice, to);
    }
    TStringGrid& g = f.Felsimulgrid;
    g.SetColCount(13);
    g.SetRowCount(23);
    g.SetDefaultColWidth(50);
    g.SetDefaultRowHeight(20);
    auto hintAt = [&](int col, int row) {
        const int x = col * (50 + g.GridLineWidth()) + 5, y = row * (20 + g.GridLineWidth()) + 5;
        f.Felsimulgrid2.UserMouseMove(0, x, y);
        return g.Hint();
    };
    for (const auto& [col, row] : {std::pair{0, 3}, std::pair{0, 4}, std::pair{0, 15}, std::pair{0, 18},
                                   std::pair{12, 0}})
        EXPECT_EQ(hintAt(col, row), "Click Here") << col << "," << row;
    for (const auto& [col, row] : {std::pair{0, 2}, std::pair{0, 5}, std::pair{1, 3}, std::pair{0, 19},
                                   std::pair{11, 0}})
        EXPECT_EQ(hintAt(col, row), "") << col << "," << row;
}

}  // namespace
}  // namespace tubalyx
