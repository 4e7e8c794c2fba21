#include "ui/texts_window.h"

#include "ui/form1.h"

namespace tubalyx {

TControl* TextControls::FindComponent(const std::string& name) const { return Form1().FindComponent(name); }

const TFont& TextControls::Font() const { return Form1().Font(); }

const TextControls& TextsWindow() {
    static const TextControls controls = [] {
        TForm1& f = Form1();
        return TextControls{.maxflowsort = f.maxflowsort,
                            .densnormaltext = f.densnormaltext,
                            .ViktVolprocGrid = f.ViktVolprocGrid,
                            .Propan1 = f.Propan1,
                            .Propanvtska1 = f.Propanvtska1,
                            .C3H81 = f.C3H81};
    }();
    return controls;
}

}  // namespace tubalyx
