// Where the keys a user types go: the program opens on its start text, and the page built after
// it has the keyboard in the questionnaire's first question. The window starts with a user gas,
// so every calculation's page opens with the medium data section and its first question is the
// density of the gas (`rbg`), never the data sheet's margin beside the "Data sheet" label.
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>
#include <set>
#include <tuple>

#include "numerics/decimal_separator.h"
#include "ui/form1.h"
#include "ui/questionnaire.h"
#include "window_driver.h"

using namespace tubalyx;

namespace {

QString TextOf(QWidget* edit) { return qobject_cast<QLineEdit*>(edit)->text(); }
std::string FocusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "";
}

}  // namespace

using KeyboardFocus = ProgramWindow;

TEST_F(KeyboardFocus, ThePageAfterTheStartTextTakesKeysInItsFirstQuestion) {
    TForm1& f = Form1();
    struct Way {
        const char* name;
        const TMenuItem* function;  // nullptr: a click on the start text
    };
    const Way ways[] = {{"a click on the start text", nullptr},
                        {"the device page", f.Strypsnabb},
                        {"the thermodynamics page", f.Termosnabb},
                        {"the pressure-loss page", f.Tryckfsnabb},
                        {"the valve page", f.Ventiler3}};
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        ReopenWithSeparator(DecimalSeparator());
        ASSERT_TRUE(Widget(f.Memo2)->isVisible()) << "the window does not open on its start text";
        if (way.function)
            ChooseMenu({way.function});
        else
            Click(f.Memo2);
        QWidget* density = Widget(f.rbg);
        ASSERT_TRUE(density->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), density) << "the keyboard is in " << FocusName();
        EXPECT_TRUE(f.rbg.Focused());
        // The value is selected, so what the user types replaces it.
        Type("7");
        EXPECT_EQ(TextOf(density), "7");
        EXPECT_EQ(f.rbg.Text(), "7");
        if (Widget(f.vmargbox)->isVisible()) {
            EXPECT_EQ(TextOf(Widget(f.vmargbox)), "5");
        }
    }
}

// An edit the user typed into that the next page does not show hands the keyboard to that
// page's first question; an edit the page still shows keeps it.
TEST_F(KeyboardFocus, APageThatHidesTheTypedEditGivesTheKeysToItsFirstQuestion) {
    TForm1& f = Form1();
    ChooseMenu({f.Strypsnabb});
    TypeInto(f.Dstorkallmm, "100");
    ASSERT_EQ(QApplication::focusWidget(), Widget(f.Dstorkallmm));
    ChooseMenu({f.Termosnabb});
    ASSERT_FALSE(Widget(f.Dstorkallmm)->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Widget(f.rbg));
    EXPECT_TRUE(f.rbg.Focused());
    TypeInto(f.temp, "30");
    ChooseMenu({f.Tryckfsnabb});
    ASSERT_TRUE(Widget(f.temp)->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Widget(f.temp));
    EXPECT_TRUE(f.temp.Focused());
}

// On a desktop that activates the window at the user's first click, the click on the start
// text reaches the program before the activation, and the activation gives the keyboard back
// to the start text after the click has put it away, before the page is on the screen: the
// page's first question has the keyboard all the same.
TEST_F(KeyboardFocus, AClickThatAlsoActivatesTheWindowLeavesTheKeysInTheFirstQuestion) {
    ReopenInactive();
    TForm1& f = Form1();
    auto* memo = qobject_cast<QAbstractScrollArea*>(Widget(f.Memo2));
    ASSERT_TRUE(memo->isVisible()) << "the window does not open on its start text";
    ASSERT_EQ(QApplication::focusWidget(), nullptr) << "the window was activated before the click";
    // Press and release reach the start text at once, before the window shows the page.
    QWidget* surface = memo->viewport();
    const QPointF at(surface->width() / 2, surface->height() / 2);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, surface->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &click);
    }
    ASSERT_FALSE(f.Memo2.Visible()) << "the click did not put the start text away";
    ASSERT_TRUE(memo->isVisible());
    QApplication::setActiveWindow(&Window());
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), Widget(f.rbg)) << "the keyboard is in " << FocusName();
    EXPECT_TRUE(f.rbg.Focused());
}

// After a Run the report has the keyboard; a function, medium, device or solved quantity then
// chosen gives it to the new page's first question, and no earlier report changes.
TEST_F(KeyboardFocus, APageChosenAfterARunTakesTypedDigitsInItsFirstQuestion) {
    TForm1& f = Form1();
    struct Choice {
        const TLabel* label;  // that opens the pop-up holding the item; nullptr: the menu bar
        const TPopupMenu* popup;
        const TMenuItem* item;
        const TEdit* first;  // a user gas asks its density first, steam its temperature
    } const choices[] = {{nullptr, nullptr, f.Ventiler3, &f.rbg},
                         {nullptr, nullptr, f.Restrictionorifice2, &f.rbg},
                         {nullptr, nullptr, f.Tryckfsnabb, &f.rbg},
                         {nullptr, nullptr, f.Flowgeneral1, &f.rbg},
                         {nullptr, nullptr, f.Termosnabb, &f.rbg},
                         {nullptr, nullptr, f.Commersialflowmeters1, &f.rbg},
                         {nullptr, nullptr, f.Strypsnabb, &f.rbg},
                         {&f.strypsort, &f.Strypsortmenu, f.VenturiBearbetat1, &f.rbg},
                         {&f.Strypbertyp, &f.Strypbermenu, f.Flde1, &f.rbg},
                         {&f.Medialabel, &f.Mediamenu, f.ANG, &f.temp}};
    ChooseMenu({f.Strypsnabb});
    for (const Choice& c : choices) {
        SCOPED_TRACE(c.item->Name());
        Run();
        ASSERT_EQ(FocusName(), "RichEdit1") << "the Run leaves the keyboard elsewhere";
        const std::vector<std::string> report = ReportLines();
        if (c.label) Click(*c.label);
        c.label ? ChoosePopup(*c.popup, {c.item}) : ChooseMenu({c.item});
        EXPECT_EQ(QApplication::focusWidget(), Widget(*c.first)) << FocusName();
        Type("776655");
        EXPECT_EQ(TextOf(Widget(*c.first)).toStdString(), "776655");
        EXPECT_TRUE(ReportLines() == report) << "the typing changed the report";
        TypeInto(*c.first, "1");  // for the next Run
    }
}

// The window opens nine tenths of the screen wide and of the work area high, and every page
// shows its Run label without scrolling. Tab walks the questionnaire's edits as the page shows
// them, top to bottom and left to right, and Shift+Tab back: the data sheet's margins, the
// compensation block and the report come after the last question, and a line a menu places
// anew (the humidity's, for its kind) keeps its place.
TEST_F(KeyboardFocus, EveryPageFitsTheWindowAndTabWalksItsQuestionnaire) {
    TForm1& f = Form1();
    const QRect screen = Window().screen()->geometry(), work = Window().screen()->availableGeometry();
    const QRect frame = Window().frameGeometry();
    EXPECT_NEAR(frame.height(), work.height() * 9 / 10, work.height() / 100);
    EXPECT_NEAR(frame.width(), screen.width() * 9 / 10, screen.width() / 50);
    EXPECT_NEAR(frame.center().x(), screen.center().x(), screen.width() / 100);
    EXPECT_TRUE(work.contains(frame));
    QWidget& page = *Page().widget();
    const auto place = [&page](QWidget* w) {
        return std::pair(w->mapTo(&page, QPoint()).y(), w->mapTo(&page, QPoint()).x());
    };
    const auto walk = [&] {
        std::vector<QWidget*> edits;
        for (const TControl* c : QuestionnaireTabOrder()) {
            const auto* box = dynamic_cast<const TGroupBox*>(c);
            for (const TControl* e : box ? box->Children() : std::vector<TControl*>{const_cast<TControl*>(c)})
                if (qobject_cast<QLineEdit*>(Widget(*e)) && Widget(*e)->isVisibleTo(&page)) edits.push_back(Widget(*e));
        }
        std::sort(edits.begin(), edits.end(), [&](QWidget* a, QWidget* b) { return place(a) < place(b); });
        ASSERT_GT(edits.size(), 3u);
        ASSERT_EQ(QApplication::focusWidget(), edits.front());
        for (size_t i = 1, n = edits.size(); i < 2 * n - 1; ++i) {
            const bool back = i >= n;
            Press(back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
            ASSERT_EQ(FocusName(), edits[back ? 2 * n - 2 - i : i]->objectName().toStdString()) << "key " << i;
        }
    };
    for (const TMenuItem* function : {f.Strypsnabb, f.Commersialflowmeters1, f.Termosnabb, f.Tryckfsnabb,
                                      f.Flowgeneral1, f.Ventiler3, f.Restrictionorifice2}) {
        SCOPED_TRACE(function->Name());
        ChooseMenu({function});
        const QWidget* run = Widget(f.Label1);
        EXPECT_TRUE(Page().viewport()->rect().contains(QRect(run->mapTo(Page().viewport(), QPoint()), run->size())));
        Screenshot(("page_" + function->Name()).c_str());
        walk();
    }
    Click(f.relabsfukt);
    ChoosePopup(f.Fuktmenu, {f.Absfukt});
    walk();
    // Steam typed as a user does: 200 C, Tab, 1000 kPa. The density is that of the worked value
    // v(1 MPa, 200 C) = 0.20592 m3/kg, not that of the atmospheric pressure left (0.4665 kg/m3).
    ChooseMenu({f.Termosnabb});
    Click(f.Medialabel);
    ChoosePopup(f.Mediamenu, {f.ANG});
    Type("200");
    Press(Qt::Key_Tab);
    Type("1000");
    Run();
    EXPECT_NEAR(ReportValue(ReportLines(), "Density"), 1 / 0.20592, 0.001);
}

// A question a menu gives the keyboard to has its value selected, had it the keyboard or not: another
// function keeps the typed question (none typed: a Run); the function again and "Input" go to the first.
TEST_F(KeyboardFocus, KeysTypedAfterAMenuChoiceReplaceTheQuestionsValue) {
    TForm1& f = Form1();
    const std::tuple<const TMenuItem*, const TMenuItem*, const TEdit*> cases[] = {
        {f.Tryckfsnabb, f.Ventiler3, &f.rbg},
        {f.Tryckfsnabb, f.Tryckfsnabb, &f.temp},
        {f.Ventiler3, f.Indata1, &f.temp},
        {f.Ventiler3, f.Indata1, nullptr}};
    for (const auto& [page, choice, typed] : cases) {
        SCOPED_TRACE(page->Name() + " then " + choice->Name());
        ChooseMenu({page});
        typed ? TypeInto(*typed, "60") : Run();
        const std::vector<std::string> report = ReportLines();
        ChooseMenu({choice});
        Type("70");
        EXPECT_EQ(TextOf(Widget(f.rbg)).toStdString(), "70") << "the keyboard is in " << FocusName();
        EXPECT_TRUE(ReportLines() == report) << "the typing changed the report";
    }
}

// The report takes no tab characters: Tab and Shift+Tab move on to a shown control and back.
TEST_F(KeyboardFocus, KeysTabAndShiftTabLeaveTheReport) {
    ChooseMenu({Form1().Ventiler3});
    Run();
    const std::vector<std::string> lines = ReportLines();
    for (const Qt::KeyboardModifiers shift : {Qt::NoModifier, Qt::ShiftModifier}) {
        ASSERT_EQ(FocusName(), "RichEdit1");
        Press(Qt::Key_Tab, shift);
        EXPECT_TRUE(FocusName() != "RichEdit1" && QApplication::focusWidget()->isVisible()) << FocusName();
        Press(Qt::Key_Tab, shift ^ Qt::ShiftModifier);
    }
    EXPECT_TRUE(ReportLines() == lines) << "a Tab went into the report";
}

// After a Run and two pages "Units" shows its grid from its top left corner, and digits typed and Enter
// convert from its first value cell, a pressure in Pa. Steam asks first its temperature, which the unit page hides.
TEST_F(KeyboardFocus, KeysReachTheUnitGridAfterARunAndTwoPages) {
    TForm1& f = Form1();
    ChooseMenu({f.Ventiler3});
    Click(f.Medialabel);
    ChoosePopup(f.Mediamenu, {f.ANG});
    const std::pair<TMenuItem*, TMenuItem*> ways[] = {
        {f.Termosnabb, f.Strypsnabb}, {f.Strypsnabb, f.Termosnabb}, {f.Tryckfsnabb, f.Ventiler3}};
    int kPa = 0;
    for (const auto& [first, second] : ways) {
        SCOPED_TRACE(first->Name() + ", " + second->Name());
        ChooseMenu({f.Ventiler3});
        Run();
        for (const TMenuItem* page : {first, second, f.Units2}) ChooseMenu({page});
        EXPECT_TRUE(Widget(f.Sortergrid)->mapTo(Page().viewport(), QPoint()).isNull()) << "the grid is scrolled away";
        EXPECT_EQ(QApplication::focusWidget(), Widget(f.Sortergrid)) << FocusName();
        Type(QString::number(++kPa * 1000));
        Press(Qt::Key_Return);
        EXPECT_EQ(CellShown(f.Sortergrid, 0, 1), std::to_string(kPa)) << "kPa";
    }
}

// After a Run the report has the keyboard, clicked into and all selected for copying. "Input"
// or a page chosen from the menu bar, by its keys (Alt, arrows, Return) as by the mouse, gives
// the keyboard to the first question: digits typed replace its value, and the report stays.
TEST_F(KeyboardFocus, KeysOnTheMenuBarLeaveTheKeyboardInTheQuestionTheCommandChose) {
    TForm1& f = Form1();
    const std::tuple<const TMenuItem*, const TMenuItem*, bool> ways[] = {{f.Indata1, nullptr, true},
                                                                         {f.Tryckfsnabb, nullptr, true},
                                                                         {f.Meny1, f.Strypel, true},
                                                                         {f.Indata1, nullptr, false}};
    ChooseMenu({f.Strypsnabb});
    for (const auto& [first, second, keys] : ways) {
        SCOPED_TRACE((second ? second : first)->Name() + (keys ? " by keys" : " by the mouse"));
        Run();
        Click(f.RichEdit1, QPoint(40, 10));
        Press(Qt::Key_A, Qt::ControlModifier);
        const std::vector<std::string> report = ReportLines();
        if (second)
            ChooseMenuByKeys({first, second});
        else
            keys ? ChooseMenuByKeys({first}) : ChooseMenu({first});
        EXPECT_EQ(QApplication::focusWidget(), Widget(f.rbg)) << "the keyboard is in " << FocusName();
        Type("5");
        EXPECT_EQ(TextOf(Widget(f.rbg)).toStdString(), "5");
        EXPECT_TRUE(ReportLines() == report) << "the typing changed the report";
        TypeInto(f.rbg, "1");
    }
}

// Tab walks every control the page shows, each coming into sight, round to where it started, and
// Shift+Tab the same way back. The labels it reaches are those that start a part of the page's
// work, never a pop-up or option label. The printing set-up's page head and foot, alone far
// below the report, are reached only while "Page head/foot" shows them.
TEST_F(KeyboardFocus, KeysTabAndShiftTabWalkWhatThePageShowsBothWays) {
    TForm1& f = Form1();
    const std::set<std::string> starters = {"DSAprint", "kod", "BigBlock", "Label2", "Felsimulrubrik"};
    const auto walk = [&](bool forward) {
        std::vector<std::string> names;
        for (const QWidget* start = QApplication::focusWidget(); names.size() < 300;) {
            Press(forward ? Qt::Key_Tab : Qt::Key_Backtab, forward ? Qt::NoModifier : Qt::ShiftModifier);
            QWidget* now = QApplication::focusWidget();
            if (!now || now == start) return names;
            names.push_back(now->objectName().toStdString());
            EXPECT_TRUE(
                QRect(now->mapTo(Page().viewport(), QPoint()), now->size()).intersects(Page().viewport()->rect()))
                << names.back() << " is out of sight";
            EXPECT_TRUE(!qobject_cast<QLabel*>(now) || starters.count(names.back())) << names.back();
        }
        ADD_FAILURE() << "Tab does not come round";
        return names;
    };
    for (const TMenuItem* function : {f.Strypsnabb, f.Commersialflowmeters1, f.Termosnabb, f.Tryckfsnabb,
                                      f.Flowgeneral1, f.Ventiler3, f.Restrictionorifice2}) {
        SCOPED_TRACE(function->Name());
        ChooseMenu({function});
        Run();
        ASSERT_EQ(FocusName(), "RichEdit1");
        const std::vector<std::string> forward = walk(true);
        std::vector<std::string> back = walk(false);
        std::reverse(back.begin(), back.end());
        EXPECT_EQ(forward, back);
        ASSERT_FALSE(forward.empty());
        EXPECT_EQ(forward.front(), "rbg");
        const std::set<std::string> reached(forward.begin(), forward.end());
        EXPECT_FALSE(reached.count("RichEdit2") || reached.count("RichEdit3"));
        if (function == f.Strypsnabb) {
            EXPECT_TRUE(std::includes(reached.begin(), reached.end(), starters.begin(), starters.end()));
        }
    }
    // The bar's last items stand in its overflow menu on a narrow screen: the item is triggered.
    Window().ActionFor(f.Sidhuvudfot1)->trigger();
    Click(f.RichEdit2);
    for (const auto& [key, reached] : {std::pair(Qt::Key_Tab, "RichEdit3"), std::pair(Qt::Key_Backtab, "RichEdit2"),
                                       std::pair(Qt::Key_Backtab, "RichEdit1")}) {
        Press(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(FocusName(), reached);
    }
}

// Space or Return on a label that starts a part of the page's work starts it, as a click does:
// the compensation table, its code, the BigBlock (from the big report), the uncertainty budget
// and the data sheet each write their block into the report, none its missing-input note.
TEST_F(KeyboardFocus, KeysSpaceAndReturnStartTheRunLabels) {
    TForm1& f = Form1();
    ChooseMenu({f.Strypsnabb});
    Click(f.litenstor);
    Run();
    for (const auto& [label, key] :
         {std::pair(&f.Label2, Qt::Key_Space), std::pair(&f.kod, Qt::Key_Return), std::pair(&f.BigBlock, Qt::Key_Space),
          std::pair(&f.Felsimulrubrik, Qt::Key_Return), std::pair(&f.DSAprint, Qt::Key_Space)}) {
        SCOPED_TRACE(label->Name());
        for (int step = 0; QApplication::focusWidget() != Widget(*label); ++step) {
            ASSERT_LT(step, 100) << "Tab never reaches the label";
            Press(Qt::Key_Tab);
        }
        const size_t lines = ReportLines().size();
        Press(key);
        EXPECT_GT(ReportLines().size(), lines);
        EXPECT_FALSE(Widget(f.kodkomment)->isVisible())
            << qobject_cast<QLabel*>(Widget(f.kodkomment))->text().toStdString();
    }
}

// Tab and Shift+Tab onto the "Run" label of the compensation table or of the uncertainty budget
// leave the page as its menu entry shows it, from the left edge of its part of the page: the
// label whole in view, no empty strip on its left, the budget's right columns where they were.
// From the questionnaire the compensation block comes in the same way, at its axis captions.
TEST_F(KeyboardFocus, KeysTabAndShiftTabOntoARunLabelKeepThePageAtItsLeftEdge) {
    TForm1& f = Form1();
    const struct Way {
        const TMenuItem* menu;
        bool forward;
        const TLabel* label;
        const TControl* leftEdge;  // whose left edge stands on the view's
    } ways[] = {{f.Oskerhet1, false, &f.Felsimulrubrik, &f.Felsimulgrid},
                {f.Oskerhet1, false, &f.Label2, &f.Felsimulgrid},
                {f.Densitet1, false, &f.Label2, &f.Pmin},
                {f.Densitet1, true, &f.Felsimulrubrik, &f.Pmin},
                {f.Indata1, true, &f.Label2, &f.Pmin}};
    ChooseMenu({f.Strypsnabb});
    Run();
    for (const Way& way : ways) {
        SCOPED_TRACE(way.menu->Name() + (way.forward ? ", Tab to " : ", Shift+Tab to ") + way.label->Name());
        // The bar's last items stand in its overflow menu on a narrow screen.
        Window().ActionFor(way.menu)->trigger();
        Settle();
        for (int step = 0; QApplication::focusWidget() != Widget(*way.label); ++step) {
            ASSERT_LT(step, 100) << "the keys never reach the label";
            Press(way.forward ? Qt::Key_Tab : Qt::Key_Backtab, way.forward ? Qt::NoModifier : Qt::ShiftModifier);
        }
        QWidget* label = Widget(*way.label);
        EXPECT_TRUE(
            Page().viewport()->rect().contains(QRect(label->mapTo(Page().viewport(), QPoint()), label->size())));
        EXPECT_EQ(Widget(*way.leftEdge)->mapTo(Page().viewport(), QPoint()).x(), 0) << FocusName();
    }
}
