#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "numerics/separator_guard.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/form1.h"
#include "ui/hide_input_controls.h"
#include "ui/window_services.h"

using namespace tubalyx;

namespace {
// Every control that hiding must reach, in the order the page manager relies on.
const std::vector<std::string> kHidden = {
    "Graftext", "grafred", "grafblue", "grafblack", "grafyellow", "grafdp", "grafq", "litenstor",
    "selectall", "kodkomment", "Pmin", "PTberex", "BigBlock", "Pmax", "UpDown1", "Fjrreffektosak",
    "fjrrrun", "RichEdit1", "Grafval", "RichEdit2", "RichEdit3", "Memo2", "Sortergrid", "Cf", "Cftext",
    "kaltemp", "kaltemptext", "kalminreyn", "kalminreyntext", "kalmaxreyn", "kalmaxreyntext", "ISODIN",
    "Strypbertyp", "strypsort", "mtrlfl", "utvfl", "utvfltext", "utvflbtext", "utvflb", "mtrlror",
    "utvrortext", "utvror", "utvrorbtext", "utvrorb", "rordiamtextin", "Dstorkallmm", "dstorkallsort",
    "rahettextin", "Dstorrahetmm", "kantradietextin", "kantradie", "Differenstryck", "difftryckmaxantal",
    "difftryckmaxsort", "dkallmmtext", "dkallmm", "hkallmmtext", "hkallmm", "maxflowtext", "adiabat",
    "maxflowantal", "maxflowsort", "maxflowsortut", "tryckforlmaxtext", "tryckforlmaxantal",
    "tryckforlmaxsort", "bestyckningtext", "okfelbidragtext", "givenrakin", "givenrakintext",
    "givenrakuttext", "givenrakut", "okfelbidrag", "Mediarubrik", "Medialabel", "temptext",
    "abstryckantal", "abstryckmaxantal", "abstrycksort", "abstrycktext", "abstryckmaxtext", "tempsort",
    "temp", "tempmintext", "tempmin", "vmargboxtext", "vmargbox", "Numberspostext", "Numberspos",
    "relabsfukt", "relabsspecfukt", "molekylviktvG", "molekylviktGtext", "molekylvikttextin",
    "visktextin", "cptextin", "cvtextin", "entalpitextin", "densdrifttextin", "krittemptextin",
    "gasnamnintext", "fuktviktproc", "fuktvolproc", "massfukt", "deltryckprocarr", "GroupBox1",
    "ViktVolprocGrid", "ViktVolprocgridfukt", "matstrack", "hojd", "rorlangdtextin", "hojdskilltextin",
    "Motstandgrid", "PUNKTMOTSTAND", "fltext", "angtryckantal", "angtrycksort", "Ventilkallmm", "fl",
    "krittrycktext", "krittryckantal", "krittrycksort", "angtrycktext", "Ventildiamtext", "primeltextin",
    "primelement", "minflowtext", "minflowantal", "minflowsort", "rorovrgrtextin", "Dstormaxgrmm",
    "rornedrgrtextin", "Dstormingrmm", "maxdprubrikin", "difftryckmaxmaxgrsort", "difftryckmaxmaxgrantal",
    "mindprubrikin", "difftryckmaxmingrantal", "difftryckmaxmingrsort", "bermetodtextin",
    "bermetoderrtextin", "rakstracktextin", "reynstortextin", "rorstortextin", "rorlitentextin",
    "tillvunderlagtextin", "viktfakt1textin", "matvikt", "viktfakt2textin", "p1vikt", "fattringtextin",
    "plattjock", "plattjocktextin", "osrubrik", "Feltext", "felsimulfl2rubrik", "Rensarapport", "RAPPORT",
    "sidhuvud", "sidfot", "Felsimulgrid", "Felsimulrubrik", "Felsimulflrubrik", "densnormaltext",
    "maxflownormaldens", "massflow", "Label1", "DSAprint", "Zoomrap", "ABBSiemens"};

void ShowAll() {
    for (TControl* c : Form1().Controls()) c->SetVisible(true);
}
}  // namespace

TEST(HideInputControls, HidesEveryListedControlAndNothingElse) {
    ShowAll();
    HideInputControls();
    for (const std::string& name : kHidden) {
        TControl* c = Form1().FindComponent(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_FALSE(c->Visible()) << name;
    }
    // Controls of the compensation block and the graph box are shown again by their own pages.
    EXPECT_TRUE(Form1().PaintBox1.Visible());
    EXPECT_TRUE(Form1().PTKompgrid.Visible());
    EXPECT_TRUE(Form1().Trycktemplabel.Visible());
    // Nothing outside the list is touched; the property edits go with their box.
    const std::set<std::string> listed(kHidden.begin(), kHidden.end());
    int untouched = 0;
    for (TControl* c : Form1().Controls()) {
        if (listed.count(c->Name())) continue;
        EXPECT_TRUE(c->Visible()) << c->Name();
        ++untouched;
    }
    EXPECT_GT(untouched, 40);
    EXPECT_TRUE(Form1().rbg.Visible());
    EXPECT_EQ(Form1().rbg.Parent(), &Form1().GroupBox1);
}

TEST(HideInputControls, ChangesNoValue) {
    // The text typed with the platform's separator: the edit's handler keeps it as it is.
    SeparatorGuard comma(',');
    TForm1& f = Form1();
    ShowAll();
    f.abstryckantal.SetText("101,325");
    f.Medialabel.SetCaption("Gas");
    f.ViktVolprocGrid.SetCell(2, 3, "55");
    f.RichEdit1.Clear();
    f.RichEdit1.SetSelColor(clRed);
    f.RichEdit1.Add("INPUT ERROR!!!");
    f.Memo2.Add("start");
    MediumCode = "NGAS";
    CalcFunction = "Strypf";
    LayoutTop = 417;
    int changes = 0;
    const TNotifyEvent bound = f.abstryckantal.OnChange;
    f.abstryckantal.OnChange = [&](TControl*) { ++changes; };
    const int memoLines = f.Memo2.LineCount();
    const TRichContent report = f.RichEdit1.Content();
    HideInputControls();
    f.abstryckantal.OnChange = bound;
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(f.abstryckantal.Text(), "101,325");
    EXPECT_EQ(f.Medialabel.Caption(), "Gas");
    EXPECT_EQ(f.ViktVolprocGrid.Cell(2, 3), "55");
    EXPECT_EQ(f.RichEdit1.Content(), report);
    EXPECT_EQ(f.Memo2.LineCount(), memoLines);
    EXPECT_EQ(MediumCode, "NGAS");
    EXPECT_EQ(CalcFunction, "Strypf");
    EXPECT_EQ(LayoutTop, 417);
}

TEST(HideInputControls, CallsTheCompensationBlockWithFalse) {
    std::vector<bool> calls;
    WindowServices().ShowCompensationTableControls = [&](bool show) { calls.push_back(show); };
    HideInputControls();
    WindowServices().ShowCompensationTableControls = nullptr;
    EXPECT_EQ(calls, std::vector<bool>{false});
}

TEST(HideHumidityControls, HidesTheFourHumidityControlsOnly) {
    TForm1& f = Form1();
    ShowAll();
    HideHumidityControls();
    EXPECT_FALSE(f.relabsfukt.Visible());
    EXPECT_FALSE(f.relabsspecfukt.Visible());
    EXPECT_FALSE(f.molekylviktvG.Visible());
    EXPECT_FALSE(f.molekylviktGtext.Visible());
    EXPECT_TRUE(f.temp.Visible());
    EXPECT_TRUE(f.Medialabel.Visible());
}

TEST(HideInputControls, HidesInTheListedOrder) {
    ShowAll();
    std::vector<std::string> order;
    TControl::SetChangeListener([&](TControl& c) { order.push_back(c.Name()); });
    HideInputControls();
    TControl::SetChangeListener(nullptr);
    // The second mention of bermetoderrtextin finds it hidden already and changes nothing.
    EXPECT_EQ(order, kHidden);
}
