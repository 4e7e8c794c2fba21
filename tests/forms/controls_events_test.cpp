#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/containers.h"
#include "forms/edit.h"
#include "forms/form.h"
#include "forms/label.h"

using namespace tubalyx;

TEST(FontMetrics, CharacterWidthAndHeightFollowTheModel) {
    TFont f;
    f.Size = 20;
    EXPECT_EQ(f.Height(), -27);  // 20 points at 96 pixels per inch, rounded
    f.Size = 18;
    EXPECT_EQ(f.Height(), -24);
    f.Size = 10;
    EXPECT_EQ(f.Height(), -13);
    EXPECT_EQ(CharWidth(20), 17);
    EXPECT_EQ(CharWidth(13), 11);
}

TEST(Label, AutoSizeMeasuresTheCaptionInCharacters) {
    TForm form("f");
    TFont font;
    font.Size = 20;
    form.SetFont(font);
    TLabel l("RAPPORT");
    l.SetParent(&form);
    l.SetCaption("Rapport");
    EXPECT_EQ(l.Width(), 7 * 17);
    EXPECT_EQ(l.Height(), 27);
    l.SetCaption("Mättad Ånga");  // characters, not bytes
    EXPECT_EQ(l.Width(), 11 * 17);
    l.SetFontSize(24);  // 24 * 17 div 20 = 20 per character
    EXPECT_EQ(l.Width(), 11 * 20);
    form.SetFontSize(10);  // the label has its own font now
    EXPECT_EQ(l.Font().Size, 24);
    l.SetAutoSize(false);
    l.SetWidth(5);
    EXPECT_EQ(l.Width(), 5);
}

TEST(Label, ControlsTakeTheParentFontUntilTheyHaveTheirOwn) {
    TForm form("f");
    TGroupBox box("GroupBox1");
    box.SetParent(&form);
    TEdit e("rbg");
    box.Add(e);
    box.Add(e);
    EXPECT_EQ(box.Children().size(), 1u);
    EXPECT_EQ(e.Parent(), &box);
    form.SetFontSize(17);
    EXPECT_EQ(e.Font().Size, 17);
    EXPECT_TRUE(e.ParentFont());
}

TEST(Edit, FocusMovesFireExitThenEnter) {
    TEdit a("a"), b("b");
    std::vector<std::string> events;
    a.OnEnter = [&](TControl*) { events.push_back("enter a"); };
    a.OnExit = [&](TControl*) { events.push_back("exit a"); };
    b.OnEnter = [&](TControl*) { events.push_back("enter b"); };
    a.SetFocus();
    a.SetFocus();  // already focused: nothing
    b.SetFocus();
    EXPECT_EQ(events, (std::vector<std::string>{"enter a", "exit a", "enter b"}));
    EXPECT_TRUE(b.Focused());
    EXPECT_FALSE(a.Focused());
}

TEST(Edit, ReadOnlyOrDisabledEditsRefuseTyping) {
    TEdit e("maxflowsortut");
    int changes = 0;
    e.OnChange = [&](TControl*) { ++changes; };
    e.SetReadOnly(true);
    e.UserSetText("kg/h");
    EXPECT_EQ(e.Text(), "");
    e.SetText("kg/h");  // the program still writes it
    EXPECT_EQ(changes, 1);
    e.SetReadOnly(false);
    e.SetEnabled(false);
    e.UserSetText("t/h");
    EXPECT_EQ(e.Text(), "kg/h");
}

TEST(Edit, CaretAndSelectionStayInsideTheText) {
    TEdit e("e");
    e.SetText("12,5");
    e.SetSelStart(9);
    EXPECT_EQ(e.SelStart(), 4);
    e.SetSelStart(1);
    e.SetSelLength(10);
    EXPECT_EQ(e.SelLength(), 3);
    e.SelectAll();
    EXPECT_EQ(e.SelStart(), 0);
    EXPECT_EQ(e.SelLength(), 4);
    e.SetText("1");  // a shorter text pulls the selection in
    EXPECT_EQ(e.SelLength(), 1);
}

TEST(Edit, KeyAndMouseEventsReachTheHandlersOfEnabledControls) {
    TEdit e("relabsspecfukt");
    int keyUps = 0, clicks = 0;
    char pressed = 0;
    e.OnKeyUp = [&](TControl*, int key, TShiftState) { keyUps += key == 'A'; };
    e.OnKeyPress = [&](TControl*, char key) { pressed = key; };
    e.OnClick = [&](TControl*) { ++clicks; };
    int key = 'A';
    char c = '5';
    e.UserKeyUp(key, 0);
    e.UserKeyPress(c);
    e.Click();
    e.SetEnabled(false);
    e.UserKeyUp(key, 0);
    e.Click();
    EXPECT_EQ(keyUps, 1);
    EXPECT_EQ(pressed, '5');
    EXPECT_EQ(clicks, 1);
}

TEST(Form, ScrollPositionsStayWithinTheRange) {
    TForm f("Form1");
    f.SetVertScrollRange(30000);
    f.SetVertScrollPosition(40000);
    EXPECT_EQ(f.VertScrollBar().Position, 30000);
    f.SetVertScrollRange(100);
    EXPECT_EQ(f.VertScrollBar().Position, 100);
    f.SetHorzScrollPosition(-5);
    EXPECT_EQ(f.HorzScrollBar().Position, 0);
    f.SetClientWidth(1000);
    EXPECT_EQ(f.ClientWidth(), 1000);
    EXPECT_EQ(f.Width(), 1000 + TForm::FrameWidth);
}

TEST(UpDown, ArrowClicksStepWithinTheBounds) {
    TUpDown u("UpDown1");
    u.SetMin(1);
    u.SetMax(3);
    int clicks = 0;
    u.OnArrowClick = [&](TControl*, TUDBtnType) { ++clicks; };
    u.SetPosition(2);
    u.UserClick(TUDBtnType::btNext);
    u.UserClick(TUDBtnType::btNext);
    EXPECT_EQ(u.Position(), 3);
    u.UserClick(TUDBtnType::btPrev);
    EXPECT_EQ(u.Position(), 2);
    EXPECT_EQ(clicks, 3);
}

TEST(Memo, LinesAndText) {
    TMemo m("Memo2");
    m.Add("Tubalyx");
    m.Add("");
    EXPECT_EQ(m.LineCount(), 2);
    EXPECT_EQ(m.Text(), "Tubalyx\n");
    EXPECT_EQ(m.Line(5), "");
    m.Clear();
    EXPECT_EQ(m.LineCount(), 0);
}
