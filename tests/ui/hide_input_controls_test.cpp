#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "numerics/separator_guard.h"
#include "reports/compensation_table.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/report_label_strings.h"
#include "ui/form1.h"
#include "ui/hide_input_controls.h"

using namespace tubalyx;

namespace {
// Every control that hiding must reach, in the order the page manager relies on.
// clang-format off
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
// clang-format on

// The compensation block, hidden first by its own routine.
const std::vector<std::string> kCompensationBlock = {
    "PTKompgrid", "Trycktemplabel", "PTberex",    "BigBlock", "Pmin",   "Pmax", "PTberfeltext", "PTberfel", "PThelp",
    "fdens_mat",  "Label2",         "PTmaxerror", "kod",      "ZLabel", "Tmax", "Z0Zn",         "PTr0text", "Matain"};

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
    // The graph box is shown again by its own page.
    EXPECT_TRUE(Form1().PaintBox1.Visible());
    // Nothing outside the lists is touched; the property edits go with their box.
    std::set<std::string> listed(kHidden.begin(), kHidden.end());
    listed.insert(kCompensationBlock.begin(), kCompensationBlock.end());
    int untouched = 0;
    for (TControl* c : Form1().Controls()) {
        if (listed.count(c->Name())) continue;
        EXPECT_TRUE(c->Visible()) << c->Name();
        ++untouched;
    }
    EXPECT_GT(untouched, 25);
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

// The compensation block goes with the other input controls, and its prompt follows the
// medium: pressure limits alone for saturated steam.
TEST(HideInputControls, HidesTheCompensationBlock) {
    TForm1& f = Form1();
    ShowAll();
    HideInputControls();
    for (TControl* c : {static_cast<TControl*>(&f.PTKompgrid), static_cast<TControl*>(&f.Trycktemplabel),
                        static_cast<TControl*>(&f.kod), static_cast<TControl*>(&f.Label2),
                        static_cast<TControl*>(&f.Matain), static_cast<TControl*>(&f.ZLabel)})
        EXPECT_FALSE(c->Visible()) << c->Name();
    MediumCode = "MNG";
    f.Z0Zn.SetCaption("FIRST MAIN CALCULATION!");  // as a run writes it; unwritten it stays hidden
    ShowCompensationTableControls(true);
    EXPECT_TRUE(f.PTKompgrid.Visible());
    EXPECT_FALSE(f.ZLabel.Visible());
    EXPECT_TRUE(f.Z0Zn.Visible());
    EXPECT_EQ(f.Matain.Caption(), CompensationTableHintPressureOnly);
    MediumCode = "VAT";
    ShowCompensationTableControls(true);
    EXPECT_FALSE(f.Z0Zn.Visible());
    EXPECT_EQ(f.Matain.Caption(), CompensationTableHint);
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
    // The compensation block first; a control of the list that it hid already, and the second
    // mention of bermetoderrtextin, change nothing. A caption and a visibility change of
    // the same control count once.
    order.erase(std::unique(order.begin(), order.end()), order.end());
    std::vector<std::string> expected = kCompensationBlock;
    for (const std::string& name : kHidden)
        if (std::find(kCompensationBlock.begin(), kCompensationBlock.end(), name) == kCompensationBlock.end())
            expected.push_back(name);
    EXPECT_EQ(order, expected);
}
