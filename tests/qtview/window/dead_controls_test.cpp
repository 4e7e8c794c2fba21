// Nothing on the screen is dead, on every page of every calculation function, before and
// after a run: each visible control lies on the page with a size, each clickable label has a
// caption, no two texts overlap, each edit shows the start of its text and each grid column can
// be reached.
#include "dead_controls.h"

#include <functional>

#include "ui/form1.h"
#include "window_driver.h"

using namespace tubalyx;

class ScreenCheck : public ProgramWindow {
protected:
    void ExpectNothingDead(const std::string& where) {
        for (const std::string& fault : DeadControls(Window())) ADD_FAILURE() << where << ": " << fault;
    }
};

TEST_F(ScreenCheck, EveryPageOfEveryFunctionBeforeAndAfterARun) {
    TForm1& f = Form1();
    struct Page {
        const char* name;
        std::function<void()> open;
    };
    const Page pages[] = {
        {"the page the window opens with", [] {}},
        {"thermodynamics of water",
         [&] {
             ChooseMenu({f.Termosnabb});
             Click(f.Medialabel);
             ChoosePopup(f.Mediamenu, {f.VAT});
         }},
        {"thermodynamics of a gas mixture",
         [&] {
             ChooseMenu({f.Termosnabb});
             Click(f.Medialabel);
             ChoosePopup(f.Mediamenu, {f.G});
         }},
        {"thermodynamics of natural gas",
         [&] {
             ChooseMenu({f.Termosnabb});
             Click(f.Medialabel);
             ChoosePopup(f.Mediamenu, {f.Naturgas});
         }},
        {"orifice bore",
         [&] {
             ChooseMenu({f.Strypsnabb});
             Click(f.Strypbertyp);
             ChoosePopup(f.Strypbermenu, {f.Hldiameter1});
         }},
        {"venturi",
         [&] {
             ChooseMenu({f.Strypsnabb});
             Click(f.strypsort);
             ChoosePopup(f.Strypsortmenu, {f.VenturiBearbetat1});
         }},
        {"orifice flow",
         [&] {
             ChooseMenu({f.Strypsnabb});
             Click(f.Strypbertyp);
             ChoosePopup(f.Strypbermenu, {f.Flde1});
         }},
        {"orifice dp",
         [&] {
             ChooseMenu({f.Strypsnabb});
             Click(f.Strypbertyp);
             ChoosePopup(f.Strypbermenu, {f.Differenstryck1});
         }},
        {"orifice design",
         [&] {
             ChooseMenu({f.Strypsnabb});
             Click(f.Strypbertyp);
             ChoosePopup(f.Strypbermenu, {f.Optimalkonstruktion1});
         }},
        {"V-cone", [&] { ChooseMenu({f.Commersialflowmeters1}); }},
        {"volume meter",
         [&] {
             ChooseMenu({f.Commersialflowmeters1});
             Click(f.strypsort);
             Click(f.strypsort);
         }},
        {"pressure loss", [&] { ChooseMenu({f.Tryckfsnabb}); }},
        {"line flow", [&] { ChooseMenu({f.Flowgeneral1}); }},
        {"valve", [&] { ChooseMenu({f.Ventiler3}); }},
        {"restriction orifice", [&] { ChooseMenu({f.Restrictionorifice2}); }},
        {"unit conversion", [&] { ChooseMenu({f.Units2}); }},
    };
    for (const Page& p : pages) {
        SCOPED_TRACE(p.name);
        p.open();
        ExpectNothingDead(std::string(p.name) + ", before the run");
        ChooseMenu({f.Meny1, f.Run1});
        ExpectNothingDead(std::string(p.name) + ", after the run");
    }
}
