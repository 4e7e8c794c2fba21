#pragma once
// Line pressure-loss Runs that froze the window for 11 to 47 s, each made from the started window
// with the menus and a few typed values. Their outlet-temperature searches met an energy balance
// with no root within their reach: it falls as the temperature rises (steam read at 20 K), its
// root lies hundreds of steps away (a flow of -1e30), or a clamped table's enthalpy, summed over a
// mixture, differed in its last digits from call to call. The reported-faults test bounds them;
// the Run benchmark times them.
#include <string>
#include <utility>
#include <vector>

#include "ui/form1.h"

namespace tubalyx::sweep {

struct SlowLineRun {
    const char* what;
    // Clicked in order after the pressure-loss page: a menu item, or "field>item" for an item of
    // the pop-up menu that a unit field opens.
    std::vector<const char*> picks;
    std::vector<std::pair<const char*, const char*>> typed;
};

inline const std::vector<SlowLineRun>& SlowLineRuns() {
    static const std::vector<SlowLineRun> runs = {
        {"steam read at 20 K, 101.32 MPa and 3 kg/h, nothing typed",
         {"ANG", "tempsort>K1", "maxflowsort>kgh", "abstrycksort>MPa"},
         {}},
        {"a gas mixture with a max flow of -1e30 t/h", {"G"}, {{"maxflowantal", "-1e30"}}},
        {"saturated steam at 101.32 Pa flowing at -3000 m/s",
         {"MNG", "maxflowsort>ms1", "abstrycksort>Pa"},
         {{"maxflowantal", "-3e3"}}},
        {"a gas mixture at 20 K, 101.32 kg/cm2, 3 m/s",
         {"G", "tempsort>K1", "maxflowsort>ms1", "abstrycksort>kgcm2"},
         {}},
    };
    return runs;
}

// The run's page, menu picks and typing, from the started window in English; false when a
// control it names is missing.
inline bool PrepareSlowLineRun(const SlowLineRun& run) {
    TForm1& f = Form1();
    bool found = true;
    auto click = [&](const std::string& name) {
        TControl* control = f.FindComponent(name);
        found = found && control;
        if (control) control->Click();
    };
    click("English");
    click("Tryckf");
    for (const std::string pick : run.picks) {
        const std::size_t split = pick.find('>');
        if (split != std::string::npos) click(pick.substr(0, split));
        click(pick.substr(split == std::string::npos ? 0 : split + 1));
    }
    for (const auto& [edit, text] : run.typed) {
        auto* e = dynamic_cast<TEdit*>(f.FindComponent(edit));
        found = found && e;
        if (e) e->UserSetText(text);
    }
    return found;
}

}  // namespace tubalyx::sweep
