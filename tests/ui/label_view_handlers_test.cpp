// The handlers of the clickable labels and the view: option cycles that wrap, fitting items,
// phase steps of the liquefiable gases only, the density "Run" for oil, Run keeping every
// earlier report; the language cycle, the report-size cycle in every language also after a
// translation padded the captions, the separator, navigation only to shown parts, the report
// selection from click to click, and the font size within its bounds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/menu_state.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "state/view_state.h"
#include "support/start_up_edits.h"
#include "texts/caption_sets.h"
#include "ui/font_size.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

// Clicks a control once per expected value and checks what `now` reads after each click.
template <class Value, class Read>
void ExpectSteps(TControl& control, const std::vector<Value>& after, Read now, const std::string& what) {
    for (const Value& expected : after) {
        control.Click();
        EXPECT_EQ(now(), expected) << what << " on " << control.Name();
    }
}

TEST(OptionLabels, EachClickStepsItsOptionAndWraps) {
    TForm1& f = Form1();
    const struct {
        TLabel* label;
        const char* device;
        std::string* option;
        const char* start;
        std::vector<std::string> after;
    } cycles[] = {
        {&f.reynstortextin, "S", &AllowLargeReynoldsFlag, "?", {"J", "N", "J"}},
        {&f.rorlitentextin, "S", &AllowSmallPipeFlag, "N", {"J", "N"}},
        {&f.rorstortextin, "S", &AllowLargePipeFlag, "J", {"N", "J"}},
        {&f.molekylviktGtext, "S", &OnlineFlowMethod, "N", {"R", "N"}},
        {&f.tillvunderlagtextin, "S", &ProductionReportFlag, "N", {"J", "N"}},
        {&f.bermetoderrtextin, "S", &UncertaintyMethodCode, "1", {"2", "3", "N", "1", "2"}},
        {&f.bermetoderrtextin, "VCONE", &UncertaintyMethodCode, "M", {"1", "2"}},
        {&f.bermetoderrtextin, "VOLYM", &UncertaintyMethodCode, "2", {"L", "P", "L"}},
    };
    LanguageLetter = 'E';
    for (const auto& c : cycles) {
        DeviceCode = c.device;
        *c.option = c.start;
        ExpectSteps(
            *c.label, c.after, [&] { return *c.option; }, std::string("from ") + c.start);
    }
    // The prompt shows the answer in the language's letters.
    EXPECT_EQ(f.reynstortextin.Caption().back(), 'Y');
    EXPECT_EQ(f.bermetoderrtextin.Caption(),
              "Linear (q=constant*(Volt/timediff))/Polynom calc. (q=variable*(Volt/timediff)) of flow?(L/P) L");
}

TEST(OptionLabels, FittingItemsWriteTheirChoiceAndOptimalDesignNeedsADefinedOne) {
    TForm1& f = Form1();
    StandardLetter = 'I', DeviceCode = "S";
    ApplyLanguage('S');
    f.bestyckningtext.Click();
    // Opened just below the label, with the captions of the standard and language.
    EXPECT_EQ(f.Bestyckningmenu.PopupX(), f.Left() + f.bestyckningtext.Left());
    EXPECT_EQ(f.Bestyckningmenu.PopupY(),
              f.Top() + TForm::FrameHeight + f.bestyckningtext.Top() + f.bestyckningtext.Height());
    EXPECT_TRUE(f.bestyck10->Caption().starts_with("10.") && f.bestyck10->Caption().size() > 4);
    for (const auto& [solve, item, code] :
         {std::tuple{"DI", 0, 0}, std::tuple{"DI", 10, 10}, std::tuple{"OK", 0, 1}, std::tuple{"OK", 14, 14}}) {
        SolveFor = solve;
        f.FindComponent("bestyck" + std::to_string(item))->Click();
        EXPECT_EQ(UpstreamFittingCode, std::to_string(code)) << item << " " << solve;
        const auto* shown = dynamic_cast<TMenuItem*>(f.FindComponent("bestyck" + std::to_string(code)));
        EXPECT_TRUE(f.bestyckningtext.Caption().ends_with(shown->Caption())) << f.bestyckningtext.Caption();
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
        {"N2", &f.temptext, 'N', {'H', 'X', 'N'}},     {"O2", &f.kaltemptext, 'G', {'N', 'H'}},
        {"H2", &f.kalminreyntext, 'N', {'X', 'N'}},    {"CO2", &f.kalmaxreyntext, 'V', {'N', 'X'}},
        {"VAT", &f.abstrycktext, 'N', {'N'}},          {"LUF", &f.temptext, 'N', {'N'}},
    };
    for (const auto& w : walks) {
        MediumCode = w.medium;
        PhaseLetter = w.start;
        ExpectSteps(
            *w.label, w.after, [] { return PhaseLetter; }, std::string(w.medium) + " from " + w.start);
    }
}

TEST(OptionLabels, DensityRunStaysRedForOilAndRunKeepsEveryEarlierReport) {
    TForm1& f = Form1();
    testsupport::WriteStartUpEdits();
    f.kodkomment.SetVisible(true);
    MediumCode = "OLJA";
    f.Label2.Click();
    EXPECT_EQ(f.Label2.Color(), clRed);
    EXPECT_FALSE(f.kodkomment.Visible() || DensityTableReady);
    MediumCode = "LUF";
    f.Label2.Click();
    EXPECT_EQ(f.Label2.Color(), clYellow);
    EXPECT_TRUE(DensityTableReady);

    f.RichEdit1.Clear();
    CalcFunction = "Termo", MediumCode = "VAT", LanguageLetter = 'E';
    f.Runbutton.Click();
    const std::string first = f.RichEdit1.Text();
    ASSERT_GT(f.RichEdit1.LineCount(), 5);
    MediumCode = "LUF";
    f.Runbutton.Click();
    EXPECT_EQ(f.RichEdit1.Text(), f.RichEdit4.Text() + "\n\n" + first);
}

TEST(ViewHandlers, LanguageCycleAndItemsSetTheLetterAndTheItemsTheHintLogoTheStartText) {
    TForm1& f = Form1();
    LanguageLetter = 'X';
    ExpectSteps(
        *f.Bytsprk1, std::vector<char>{'D', 'E', 'S', 'D'}, [] { return LanguageLetter; }, "cycle");
    // The items set the code-page hint after the page is built (the cycle before it).
    f.Svenska->Click();
    EXPECT_EQ(f.BigBlock.Hint(), "Först Rapport/Stor,Rapport/Run,Densitetsberäkningar/Run");
    f.Deutsch->Click();
    EXPECT_EQ(f.BigBlock.Hint(), "Erst Berechnungs Ergebnis/Gross,Berechnungs Ergebnis/Run,Dichte Berchnung/Run");
    f.English->Click();
    EXPECT_EQ(LanguageLetter, 'E');
    EXPECT_EQ(f.BigBlock.Hint(), "First Report/Big,Report/Run,Density calculations/Run");
    // "Logo" shows the start text again; a click on it goes back to the page.
    f.Logo1->Click();
    EXPECT_TRUE(f.Memo2.Visible());
    EXPECT_FALSE(f.Memo2.Lines().empty());
    CalcFunction = "Strypf", MediumCode = "G";
    f.Memo2.Click();
    EXPECT_FALSE(f.Memo2.Visible());
}

TEST(ViewHandlers, ReportSizeAndSeparatorCycleWhateverTheTrailingBlanks) {
    TForm1& f = Form1();
    const struct {
        char language;
        std::vector<std::string> captions;  // the start, then after each click
    } cycles[] = {
        {'S', {"Liten", "Stor ", "Mini ", "Liten"}},
        {'D', {"Klein", "Gross", "Mini ", "Klein"}},
        {'E', {"Small", "Big  ", "Mini ", "Small"}},
        {'E', {"Big ", "Mini ", "Small"}},
        {'D', {"Mini", "Klein"}},
        {'E', {"Liten", "Stor ", "Mini ", "Small"}},
        {'X', {"Mini ", "Mini "}},
        {'E', {"Huge", "Huge"}},
    };
    for (const auto& c : cycles) {
        LanguageLetter = c.language;
        f.litenstor.SetCaption(c.captions[0]);
        ExpectSteps(
            f.litenstor, std::vector(c.captions.begin() + 1, c.captions.end()), [&] { return f.litenstor.Caption(); },
            c.captions[0]);
    }
    f.Excel.SetCaption("txt");
    ExpectSteps(
        f.Excel, std::vector<std::string>{"Excel\t", "txt"}, [&] { return f.Excel.Caption() + ReportSeparator; },
        "separator");
}

TEST(ViewHandlers, NavigationGoesOnlyToShownPartsAndTheReportEntryOnToTheNewestBlock) {
    TForm1& f = Form1();
    f.SetVertScrollRange(30000);
    f.SetHorzScrollRange(30000);
    const struct {
        TMenuItem* item;
        TControl* part;
        TControl *vertical, *horizontal;
    } entries[] = {{f.Densitet1, &f.PTKompgrid, &f.Trycktemplabel, &f.Pmin},
                   {f.Oskerhetskalkyl1, &f.Felsimulgrid, &f.osrubrik, &f.Felsimulgrid},
                   {f.Grafer2, &f.Graftext, &f.Graftext, &f.Graftext},
                   {f.Sidhuvudfot1, nullptr, &f.sidhuvud, &f.RichEdit2}};
    for (const auto& e : entries) {
        const int top = e.vertical->Top();
        e.vertical->SetTop(4000);
        f.SetVertScrollPosition(123);
        if (e.part) {
            e.part->SetVisible(false);
            e.item->Click();
            EXPECT_EQ(f.VertScrollBar().Position, 123) << e.item->Name();
            e.part->SetVisible(true);
        }
        e.item->Click();
        EXPECT_EQ(f.VertScrollBar().Position, 4000) << e.item->Name();
        EXPECT_EQ(f.HorzScrollBar().Position, e.horizontal->Left()) << e.item->Name();
        e.vertical->SetTop(top);
    }
    f.RichEdit1.SetFontSize(12);
    ReportLinesWritten = 40;
    for (int lines : {40, 0}) {
        f.Rapport1->Click();
        EXPECT_EQ(f.VertScrollBar().Position, f.selectall.Top() + 3 * 12 * lines);
    }
    f.Indata1->Click();
    EXPECT_EQ(f.VertScrollBar().Position + f.HorzScrollBar().Position, 0);
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
    for (const auto& [click, start, length] :
         {std::tuple{14, 0, 14}, std::tuple{4, 4, 10}, std::tuple{30, 4, 26}, std::tuple{-1, 1, 2}}) {
        if (click < 0) {
            f.Rensarapport.Click();
            r.Add("new");  // the anchor 30 now stands beyond the text
        }
        f.SetVertScrollPosition(900);
        r.SetSelStart(click < 0 ? 1 : click);
        r.UserMouseDown(TMouseButton::Left, 0, 5, 5);
        EXPECT_EQ(r.SelStart().Value * 1000 + r.SelLength(), start * 1000 + length) << click;
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
    for (const auto& [button, size] :
         {std::pair{TUDBtnType::btNext, 13}, std::pair{TUDBtnType::btNext, 14}, std::pair{TUDBtnType::btPrev, 13}}) {
        f.UpDown1.UserClick(button);
        EXPECT_EQ(f.Font().Size * 100 + r.Font().Size, size * 101);
        EXPECT_EQ(UpDownLastPosition, f.UpDown1.Position());
        EXPECT_EQ(r.SelStart().Value * 100 + r.SelLength(), 205);
    }
    f.UpDown1.SetPosition(100);
    f.UpDown1.UserClick(TUDBtnType::btNext);
    f.N1->Click();
    EXPECT_EQ(f.Font().Size, kLargestFormFontSize);
    f.SetFontSize(kSmallestFormFontSize + 1);
    ExpectSteps(
        *f.N3, std::vector<int>{kSmallestFormFontSize, kSmallestFormFontSize}, [&] { return f.Font().Size; },
        "smaller");
}

}  // namespace
}  // namespace tubalyx
