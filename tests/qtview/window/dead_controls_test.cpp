// Nothing on the screen is dead, on every page of every calculation function in every
// language, before and after a run: each visible control lies on the page with a size, each
// clickable label has a caption that it shows whole, no two texts overlap, each edit shows the
// start of its text, each grid column can be reached, a grid that holds all its cells shows no
// scroll bar and each menu row has a caption, or is one the program leaves empty on purpose.
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
    // The window starts in English; the other languages have captions of other lengths.
    const std::pair<const char*, const TMenuItem*> languages[] = {
        {"", nullptr}, {" in German", f.Deutsch}, {" in Swedish", f.Svenska}};
    for (const auto& [language, item] : languages) {
        if (item) ChooseMenu({f.Meny1, item});
        for (const Page& p : pages) {
            const std::string where = p.name + std::string(language);
            SCOPED_TRACE(where);
            p.open();
            ExpectNothingDead(where + ", before the run");
            ChooseMenu({f.Meny1, f.Run1});
            ExpectNothingDead(where + ", after the run");
        }
    }
}
