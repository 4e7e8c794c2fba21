// The pop-up menus as a user opens them: each item the page keeps stands in its place with the
// caption the program gives it, an empty one included; the screen check still reports any
// other menu row without a caption.
#include <QMenu>
#include <QTest>

#include "dead_controls.h"
#include "ui/form1.h"
#include "window_driver.h"

using namespace tubalyx;

using MenuRows = ProgramWindow;

// The restriction orifice offers no dp, pressure loss or optimal design; the fitting list of a
// venturi under ISO 5167:1991 numbers its rows by the fitting's code and has no fitting 6.
TEST_F(MenuRows, EachItemStandsInItsPlaceWithItsOwnCaption) {
    TForm1& f = Form1();
    auto expectRows = [&](const TPopupMenu& popup, const std::vector<std::string>& starts) {
        QMenu* menu = Window().MenuFor(&popup);
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) << popup.Name();
        std::vector<std::string> rows;
        for (QAction* action : menu->actions())
            if (!menu->actionGeometry(action).isEmpty()) rows.push_back(action->text().left(2).toStdString());
        EXPECT_EQ(rows, starts) << popup.Name();
        menu->close();
    };
    ChooseMenu({f.Meny1, f.English});
    ChooseMenu({f.Restrictionorifice2});
    Click(f.Strypbertyp);
    expectRows(f.Strypbermenu, {"", "", "Th", "Fl", ""});
    ChooseMenu({f.Strypsnabb});
    Click(f.strypsort);
    ChoosePopup(f.Strypsortmenu, {f.VenturiSvetsat1});
    Click(f.ISODIN);
    Click(f.bestyckningtext);
    expectRows(f.Bestyckningmenu, {"0.", "1.", "2.", "3.", "4.", "5.", "", "7.", "", "", "", "", "", "", ""});
}

TEST_F(MenuRows, TheScreenCheckReportsAnyOtherRowWithoutACaption) {
    TForm1& f = Form1();
    ChooseMenu({f.Ventiler3});
    for (TMenuItem* item : {f.Flde1, f.bestyck0, f.BarA}) {
        const std::string caption = item->Caption();
        item->SetCaption("");
        Settle();
        EXPECT_EQ(DeadControls(Window()),
                  std::vector<std::string>{"an item of the menu \"\" (" + item->Name() + ") has no caption"});
        item->SetCaption(caption);
    }
}
