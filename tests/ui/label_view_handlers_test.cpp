// The handlers of the clickable labels and the view: each option steps as its cycle says and
// wraps, the fitting items write their choice, the phase labels step the liquefiable gases
// only, the density "Run" computes nothing for oil, Run keeps every earlier report; the
// language cycle with the code-page hint, the report-size cycle in every language also after
// a translation padded the captions, the separator, navigation only to shown parts, the
// report selection from click to click, and the font size within its bounds.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "state/selections.h"
#include "state/view_state.h"
#include "texts/caption_sets.h"
#include "ui/font_size.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

// Puts the controls a test moves back where they stood, for the layout tests after it.
class KeepBounds {
public:
    explicit KeepBounds(std::vector<TControl*> controls) : controls_(std::move(controls)) {
        for (TControl* c : controls_) bounds_.push_back({c->Left(), c->Top(), c->Width(), c->Height()});
    }
    ~KeepBounds() {
        for (std::size_t i = 0; i < controls_.size(); ++i)
            controls_[i]->SetBounds(bounds_[i][0], bounds_[i][1], bounds_[i][2], bounds_[i][3]);
    }

private:
    std::vector<TControl*> controls_;
    std::vector<std::array<int, 4>> bounds_;
};

TEST(OptionLabels, EachClickStepsItsOptionAndWraps) {
    const struct {
        const char* label;
        const char* device;
        std::string* option;
        const char* start;
        std::vector<const char*> after;  // the option after each click
    } cycles[] = {
        {"reynstortextin", "S", &AllowLargeReynoldsFlag, "?", {"J", "N", "J"}},
        {"rorlitentextin", "S", &AllowSmallPipeFlag, "N", {"J", "N"}},
        {"rorstortextin", "S", &AllowLargePipeFlag, "J", {"N", "J"}},
        {"molekylviktGtext", "S", &OnlineFlowMethod, "N", {"R", "N"}},
        {"tillvunderlagtextin", "S", &ProductionReportFlag, "N", {"J", "N"}},
        {"bermetoderrtextin", "S", &UncertaintyMethodCode, "1", {"2", "3", "N", "1", "2"}},
        {"bermetoderrtextin", "VCONE", &UncertaintyMethodCode, "M", {"1", "2"}},
        {"bermetoderrtextin", "VOLYM", &UncertaintyMethodCode, "2", {"L", "P", "L"}},
    };
    LanguageLetter = 'E';
    for (const auto& c : cycles) {
        DeviceCode = c.device;
        *c.option = c.start;
        auto* label = dynamic_cast<TLabel*>(Form1().FindComponent(c.label));
        ASSERT_NE(label, nullptr) << c.label;
        for (const char* expected : c.after) {
            label->Click();
            EXPECT_EQ(*c.option, expected) << c.label << " from " << c.start;
        }
    }
    // The prompt shows the answer in the language's letters.
    EXPECT_EQ(Form1().reynstortextin.Caption().back(), 'Y');
    EXPECT_EQ(Form1().bermetoderrtextin.Caption(),
              "Linear (q=constant*(Volt/timediff))/Polynom calc. (q=variable*(Volt/timediff)) of flow?(L/P) L");
}

TEST(OptionLabels, FittingItemsWriteTheirChoiceAndOptimalDesignNeedsADefinedOne) {
    TForm1& f = Form1();
    StandardLetter = 'I', DeviceCode = "S", SolveFor = "DI";
    KeepBounds keep({&f, &f.bestyckningtext});
    ApplyLanguage('S');
    f.SetBounds(100, 50, 1200, 900);
    f.bestyckningtext.SetBounds(30, 400, 200, 20);
    f.bestyckningtext.Click();
    // Opened just below the label, with the captions of the standard and language.
    EXPECT_EQ(f.Bestyckningmenu.PopupX(), 130);
    EXPECT_EQ(f.Bestyckningmenu.PopupY(), 50 + TForm::FrameHeight + 400 + f.bestyckningtext.Height());
    EXPECT_TRUE(f.bestyck10->Caption().starts_with("10.") && f.bestyck10->Caption().size() > 4);
    const struct {
        const char* solve;
        TMenuItem* item;
        const char* code;
        TMenuItem* shown;
    } fittings[] = {{"DI", f.bestyck0, "0", f.bestyck0}, {"DI", f.bestyck10, "10", f.bestyck10},
                    {"OK", f.bestyck0, "1", f.bestyck1}, {"OK", f.bestyck14, "14", f.bestyck14}};
    for (const auto& c : fittings) {
        SolveFor = c.solve;
        c.item->Click();
        EXPECT_EQ(UpstreamFittingCode, c.code) << c.item->Name() << " " << c.solve;
        EXPECT_TRUE(f.bestyckningtext.Caption().ends_with(c.shown->Caption())) << f.bestyckningtext.Caption();
    }
}

TEST(OptionLabels, PhaseLabelsStepTheLiquefiableGasesOnly) {
    TForm1& f = Form1();
    const struct {
        const char* medium;
        TLabel* label;
        char start;
        std::vector<char> after;
    } walks[] = {
        {"N2", &f.abstrycktext, 'N', {'G', 'V', 'N'}}, {"AR", &f.abstryckmaxtext, 'H', {'N', 'G'}},
        {"CO2", &f.abstrycktext, 'N', {'V', 'N'}},     {"H2", &f.abstrycktext, 'X', {'N', 'V'}},
        {"N2", &f.temptext, 'N', {'H', 'X', 'N'}},
        {"O2", &f.kaltemptext, 'G', {'N', 'H'}},       {"H2", &f.kalminreyntext, 'N', {'X', 'N'}},
        {"CO2", &f.kalmaxreyntext, 'V', {'N', 'X'}},   {"VAT", &f.abstrycktext, 'N', {'N'}},
        {"LUF", &f.temptext, 'N', {'N'}},
    };
    for (const auto& w : walks) {
        MediumCode = w.medium;
        PhaseLetter = w.start;
        for (char expected : w.after) {
            w.label->Click();
            EXPECT_EQ(PhaseLetter, expected) << w.medium << " by " << w.label->Name() << " from " << w.start;
        }
    }
}

TEST(OptionLabels, DensityRunStaysRedForOilAndRunKeepsEveryEarlierReport) {
    TForm1& f = Form1();
    f.kodkomment.SetVisible(true);
    MediumCode = "OLJA";
    f.Label2.Click();
    EXPECT_EQ(f.Label2.Color(), clRed);
    EXPECT_FALSE(f.kodkomment.Visible());

    f.RichEdit1.Clear();
    CalcFunction = "Termo", MediumCode = "VAT", LanguageLetter = 'E';
    f.Runbutton.Click();
    std::vector<std::string> first;
    for (int i = 0; i < f.RichEdit1.LineCount(); ++i) first.push_back(f.RichEdit1.Line(i));
    ASSERT_GT(first.size(), 5u);
    MediumCode = "LUF";
    f.Runbutton.Click();
    const int newest = f.RichEdit4.LineCount() + 1;  // and the empty line between
    ASSERT_EQ(f.RichEdit1.LineCount(), newest + static_cast<int>(first.size()));
    for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(f.RichEdit1.Line(newest + static_cast<int>(i)), first[i]);
}

// The language items set the code-page hint after the page is built; the cycle before, so
// there the page's own hint stands.
TEST(ViewHandlers, LanguageCycleAndItemsSetTheLetterAndTheHint) {
    TForm1& f = Form1();
    for (const auto& [before, after] : {std::pair{'E', 'S'}, std::pair{'S', 'D'}, std::pair{'D', 'E'}, std::pair{'X', 'D'}}) {
        LanguageLetter = before;
        f.Bytsprk1->Click();
        EXPECT_EQ(LanguageLetter, after) << before;
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
}

TEST(ViewHandlers, ReportSizeAndSeparatorCycleWhateverTheTrailingBlanks) {
    TForm1& f = Form1();
    const struct {
        char language;
        std::vector<const char*> captions;  // the start, then after each click
    } cycles[] = {
        {'S', {"Liten", "Stor ", "Mini ", "Liten"}}, {'D', {"Klein", "Gross", "Mini ", "Klein"}},
        {'E', {"Small", "Big  ", "Mini ", "Small"}}, {'E', {"Big ", "Mini ", "Small"}},
        {'D', {"Mini", "Klein"}},                    {'E', {"Liten", "Stor ", "Mini ", "Small"}},
        {'X', {"Mini ", "Mini "}},                   {'E', {"Huge", "Huge"}},
    };
    for (const auto& c : cycles) {
        LanguageLetter = c.language;
        f.litenstor.SetCaption(c.captions[0]);
        for (std::size_t i = 1; i < c.captions.size(); ++i) {
            f.litenstor.Click();
            EXPECT_EQ(f.litenstor.Caption(), c.captions[i]) << c.language << " from " << c.captions[0];
        }
    }
    f.Excel.SetCaption("txt");
    for (const auto& [caption, separator] : {std::pair{"Excel", "\t"}, std::pair{"txt", ""}}) {
        f.Excel.Click();
        EXPECT_EQ(f.Excel.Caption(), caption);
        EXPECT_EQ(ReportSeparator, separator);
    }
}

TEST(ViewHandlers, NavigationGoesOnlyToShownPartsAndTheReportEntryOnToTheNewestBlock) {
    TForm1& f = Form1();
    KeepBounds keep({&f.Trycktemplabel, &f.Pmin, &f.osrubrik, &f.Felsimulgrid, &f.Graftext, &f.selectall, &f.RichEdit1});
    f.SetVertScrollRange(30000);
    f.SetHorzScrollRange(5000);
    f.Trycktemplabel.SetTop(9000);
    f.Pmin.SetLeft(700);
    f.osrubrik.SetTop(12000);
    f.Felsimulgrid.SetLeft(900);
    f.Graftext.SetBounds(1200, 15000, 10, 10);
    f.selectall.SetTop(3000);
    f.RichEdit1.SetLeft(40);
    const struct {
        TMenuItem* item;
        TControl* part;
        int top, left;
    } entries[] = {{f.Densitet1, &f.PTKompgrid, 9000, 700}, {f.Oskerhetskalkyl1, &f.Felsimulgrid, 12000, 900},
                   {f.Grafer2, &f.Graftext, 15000, 1200},   {f.Rapport2, nullptr, 3000, 40},
                   {f.Indataval, nullptr, 0, 0}};
    for (const auto& e : entries) {
        f.SetVertScrollPosition(123);
        f.SetHorzScrollPosition(45);
        if (e.part) {
            e.part->SetVisible(false);
            e.item->Click();
            EXPECT_EQ(f.VertScrollBar().Position + f.HorzScrollBar().Position, 168) << e.item->Name();
            e.part->SetVisible(true);
        }
        e.item->Click();
        EXPECT_EQ(f.VertScrollBar().Position, e.top) << e.item->Name();
        EXPECT_EQ(f.HorzScrollBar().Position, e.left) << e.item->Name();
    }
    f.RichEdit1.SetFontSize(12);
    ReportLinesWritten = 40;
    for (int expected : {3000 + 3 * 12 * 40, 3000}) {
        f.Rapport1->Click();
        EXPECT_EQ(f.VertScrollBar().Position, expected);
    }
}

// The view places the caret at the click before the event; the window does not jump.
TEST(ViewHandlers, EachClickInTheReportSelectsFromThePreviousClick) {
    TForm1& f = Form1();
    TRichEdit& r = f.RichEdit1;
    r.Clear();
    for (const char* line : {"first line", "second line", "third line"}) r.Add(line);
    f.SetVertScrollRange(30000);
    f.SetVertScrollPosition(500);
    r.UserMouseMove(0, 1, 1);
    const struct {
        int click, start, length;
        bool clearFirst;
    } clicks[] = {{14, 0, 14, false}, {4, 4, 10, false}, {30, 4, 26, false}, {1, 1, 2, true}};
    for (const auto& c : clicks) {
        if (c.clearFirst) {
            f.Rensarapport.Click();
            r.Add("new");  // the anchor 30 now stands beyond the text
        }
        f.SetVertScrollPosition(900);
        r.SetSelStart(c.click);
        r.UserMouseDown(TMouseButton::Left, 0, 5, 5);
        EXPECT_EQ(r.SelStart(), c.start) << c.click;
        EXPECT_EQ(r.SelLength(), c.length) << c.click;
        EXPECT_EQ(f.VertScrollBar().Position, 500);
    }
}

TEST(ViewHandlers, FontSizeFollowsTheUpDownChangeAndStaysWithinItsBounds) {
    TForm1& f = Form1();
    f.SetFontSize(12);
    f.UpDown1.SetPosition(12);
    UpDownLastPosition = 12;
    TRichEdit& r = f.RichEdit1;
    r.Add("a report line");
    r.SetSelStart(2);
    r.SetSelLength(5);
    for (const auto& [button, size] : {std::pair{TUDBtnType::btNext, 13}, std::pair{TUDBtnType::btNext, 14},
                                       std::pair{TUDBtnType::btPrev, 13}}) {
        f.UpDown1.UserClick(button);
        EXPECT_EQ(f.Font().Size, size);
        EXPECT_EQ(r.Font().Size, size);
        EXPECT_EQ(UpDownLastPosition, f.UpDown1.Position());
        EXPECT_EQ(r.SelStart().Value * 100 + r.SelLength(), 205);
    }
    f.UpDown1.SetPosition(100);
    f.UpDown1.UserClick(TUDBtnType::btNext);
    EXPECT_EQ(f.Font().Size, kLargestFormFontSize);
    f.N1->Click();
    EXPECT_EQ(f.Font().Size, kLargestFormFontSize);
    f.SetFontSize(kSmallestFormFontSize + 1);
    for (int expected : {kSmallestFormFontSize, kSmallestFormFontSize}) {
        f.N3->Click();
        EXPECT_EQ(f.Font().Size, expected);
    }
}

}  // namespace
}  // namespace tubalyx
