#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "ui/form1.h"

using namespace tubalyx;

namespace {
// Counts the items below a menu and checks that each is found under its own name, once.
int CheckItems(const TForm1& f, const TMenuItem& m, std::set<std::string>& names) {
    int n = 0;
    for (const auto& item : m.Items()) {
        EXPECT_EQ(f.FindComponent(item->Name()), item.get()) << item->Name();
        EXPECT_TRUE(names.insert(item->Name()).second) << "twice: " << item->Name();
        n += 1 + CheckItems(f, *item, names);
    }
    return n;
}
}  // namespace

TEST(Form1, EveryComponentIsFoundByItsOwnName) {
    TForm1& f = Form1();
    std::set<std::string> names;
    for (TControl* c : f.Controls()) {
        EXPECT_TRUE(names.insert(c->Name()).second) << "twice: " << c->Name();
        EXPECT_EQ(f.FindComponent(c->Name()), c);
    }
    int items = 0;
    for (TMenuItem* m : f.Menus()) {
        EXPECT_EQ(f.FindComponent(m->Name()), m);
        EXPECT_TRUE(names.insert(m->Name()).second) << "twice: " << m->Name();
        items += CheckItems(f, *m, names);
    }
    EXPECT_EQ(f.FindComponent("GAS"), f.GAS);
    EXPECT_EQ(f.FindComponent("Bjradie10D3"), f.Bjradie10D3);
    EXPECT_EQ(f.FindComponent("Tryckfrlust1"), f.Tryckfrlust1);
    EXPECT_EQ(f.FindComponent("nosuchcontrol"), nullptr);
    EXPECT_EQ(f.FindComponent(""), nullptr);
    EXPECT_EQ(items, 255);  // every listed item, once
}

TEST(Form1, ComponentsHaveTheirKinds) {
    TForm1& f = Form1();
    EXPECT_NE(dynamic_cast<TLabel*>(f.FindComponent("Medialabel")), nullptr);
    EXPECT_NE(dynamic_cast<TLabel*>(f.FindComponent("dstorkallsort")), nullptr);  // the length unit is a label
    EXPECT_NE(dynamic_cast<TEdit*>(f.FindComponent("abstrycksort")), nullptr);    // the pressure unit an edit
    EXPECT_NE(dynamic_cast<TStringGrid*>(f.FindComponent("Felsimulgrid")), nullptr);
    EXPECT_NE(dynamic_cast<TRichEdit*>(f.FindComponent("RichEdit5")), nullptr);
    EXPECT_NE(dynamic_cast<TPopupMenu*>(f.FindComponent("berval")), nullptr);
    EXPECT_NE(dynamic_cast<TMainMenu*>(f.FindComponent("Meny")), nullptr);
    EXPECT_NE(dynamic_cast<TGroupBox*>(f.FindComponent("GroupBox1")), nullptr);
    EXPECT_NE(dynamic_cast<TUpDown*>(f.FindComponent("UpDown1")), nullptr);
    EXPECT_NE(dynamic_cast<TPaintBox*>(f.FindComponent("PaintBox1")), nullptr);
    EXPECT_NE(dynamic_cast<TMemo*>(f.FindComponent("Memo2")), nullptr);
    EXPECT_NE(dynamic_cast<TButton*>(f.FindComponent("Runbutton")), nullptr);
    EXPECT_EQ(f.rbg.Parent(), &f.GroupBox1);
    EXPECT_EQ(f.Medialabel.Parent(), &f);
}

TEST(Form1, MenusHoldTheirItemsInOrder) {
    TForm1& f = Form1();
    ASSERT_EQ(f.Mediamenu.Items().size(), 21u);
    EXPECT_EQ(f.Mediamenu.Items().front().get(), f.GAS);
    EXPECT_EQ(f.Mediamenu.Items().back().get(), f.Olja);
    ASSERT_EQ(f.mtrlflMenu.Items().size(), 8u);
    EXPECT_EQ(f.mtrlflMenu.Items()[0].get(), f.mtrlfl7);  // "FS", "SS", then the steels
    EXPECT_EQ(f.mtrlflMenu.Items()[2].get(), f.mtrlfl1);
    EXPECT_EQ(f.Bestyckningmenu.Items().size(), 15u);
    EXPECT_EQ(f.N45gradersbjar->Items().size(), 7u);
    EXPECT_EQ(f.Strypbermenu.Items().size(), 5u);
    EXPECT_EQ(f.berval.Items().size(), 6u);
    // A group item of the fitting menu opens its list; a disabled item cannot be clicked.
    int clicks = 0;
    const TNotifyEvent bound = f.Strypflns1->OnClick;
    f.Strypflns1->OnClick = [&](TControl*) { ++clicks; };
    f.Strypflns1->Click();
    f.Strypflns1->SetEnabled(false);
    f.Strypflns1->Click();
    f.Strypflns1->SetEnabled(true);
    f.Strypflns1->OnClick = bound;
    EXPECT_EQ(clicks, 1);
}

TEST(Form1, TheReportCopiesAreHiddenFromTheStart) {
    const auto f = std::make_unique<TForm1>();
    EXPECT_FALSE(f->RichEdit4.Visible());
    EXPECT_FALSE(f->RichEdit5.Visible());
    EXPECT_TRUE(f->RichEdit1.Visible());
}
