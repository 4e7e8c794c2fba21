// The handler table against the list of every handler of the main window with the controls
// and events it belongs to. A handler in the table must be bound to exactly its events, each
// once; handlers not built yet are counted, not failed.
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "forms/dialogs.h"
#include "ui/form1.h"

using namespace tubalyx;

namespace {

struct ExpectedHandler {
    const char* handler;
    std::vector<std::string> bindings;  // "control.event"; empty: bound to nothing
};

// A handler named after its one control and event: CLICK(Run1) is Run1Click on Run1.OnClick.
// clang-format off
#define ON(control, event) {#control #event, {#control ".On" #event}}
#define CLICK(control) ON(control, Click)
// A group-box edit: bound to its change and its exit event.
#define BOX_EDIT(name) {#name "Exit", {#name ".OnChange", #name ".OnExit"}}

const std::vector<ExpectedHandler>& AllHandlers() {
    static const std::vector<ExpectedHandler> all = {
        // Window creation.
        {"FormCreate", {"Form1.OnCreate"}},
        // Composition grids.
        {"ViktVolprocGridSetEditText", {"ViktVolprocGrid.OnSetEditText", "ViktVolprocgridfukt.OnSetEditText"}},
        ON(ViktVolprocGrid, MouseDown), ON(ViktVolprocGrid, MouseUp), ON(ViktVolprocGrid, KeyUp),
        ON(ViktVolprocGrid, KeyPress), ON(ViktVolprocGrid, Exit), ON(ViktVolprocgridfukt, MouseDown),
        {"ViktVolprocGridClick", {"ViktVolprocGrid.OnClick", "ViktVolprocgridfukt.OnClick"}},
        ON(ViktVolprocGrid, GetEditMask), ON(ViktVolprocGrid, GetEditText), ON(ViktVolprocGrid, SelectCell),
        CLICK(Radera),
        // Resistance grid and its fitting pop-up.
        ON(Motstandgrid, MouseDown), ON(Motstandgrid, MouseUp), ON(Motstandgrid, SelectCell),
        ON(Motstandgrid, KeyPress), ON(Motstandgrid, KeyUp), ON(Motstandgrid, MouseMove),
        {"MotstandPopupFittingClick",
         {
          "Skarpbjvalfrivinkel1.OnClick", "Bjradie1D1.OnClick", "Bojradie1k5D.OnClick", "Bjradie2D1.OnClick",
          "Bjradie3D1.OnClick", "Bjradie4D1.OnClick", "Bjradie6D1.OnClick", "Bjradie10D1.OnClick",
          "Bjradie1D2.OnClick", "Bjradie1k5D2.OnClick", "Bjradie2D2.OnClick", "Bjradie3D2.OnClick",
          "Bjradie4D2.OnClick", "Bjradie6D2.OnClick", "Bjradie10D2.OnClick", "Bjradie1D3.OnClick",
          "Bjradie1k5D3.OnClick", "Bjradie2D3.OnClick", "Bjradie3D3.OnClick", "Bjradie4D3.OnClick",
          "Bjradie6D3.OnClick", "Bjradie10D3.OnClick", "NedkoningKontoppvinkel40grader1.OnClick",
          "PltsligrrdiameterminskningKontoppvinkel180grader1.OnClick",
          "Uppkoning115DValfrikontoppvinkel10grader1.OnClick", "Uppkoning13Dvalfrikontoppvinkel1.OnClick",
          "PltsligrrdiameterkningKontoppvinkel180grader1.OnClick", "Inlopptillkrlinstickanderr01D1.OnClick",
          "Inlopptillkrlskarpkantrrkrl1.OnClick", "Utloppfrnkrlskarpkant1.OnClick",
          "Utloppfrnkrlnormaltfrslitenkant1.OnClick", "Utloppfrnkrlinstickandeskarprrkant1D1.OnClick",
          "Utloppfrnkrlinstickandenormaltfrslitenrrkant1D1.OnClick", "Utloppfrnkrlavrundadrrkant1.OnClick",
          "Ejrtvinkligtutloppfrnkrlskarprrkantvalfrivinkel1.OnClick", "Ventilvalbartkv1.OnClick",
          "Strypflns1.OnClick", "Klassisktventuri1.OnClick", "Kortventuri2.OnClick", "DysaISA19322.OnClick",
          "Kvartscirkeldysa2.OnClick", "Utfldefrnhuvudledning1.OnClick", "Fldeihuvudledningenligt701.OnClick",
          "Infldetillhuvudledning1.OnClick", "Fldeihuvudledningenligt721.OnClick", "Hojdmotstand.OnClick"}},
        CLICK(Annanstrning1), CLICK(Radera1),
        // Printing, graphs, font size.
        CLICK(Utskrift1), CLICK(Sparasom1), ON(PaintBox1, Paint), {"UpDown1Click", {"UpDown1.OnArrowClick"}},
        // Humidity and flow units.
        {"maxflowsortchange", {"maxflowsort.OnChange"}},
        {"maxflowantalChange", {"maxflowantal.OnChange", "primelement.OnChange"}},
        // Unit-conversion page.
        ON(Sortergrid, SelectCell), ON(Sortergrid, MouseMove), ON(Sortergrid, KeyUp),
        // Calculation function, standard, device and material.
        {"TermodynamikClick", {"Termodynamik.OnClick", "Termosnabb.OnClick"}},
        {"TryckfClick", {"Tryckf.OnClick", "Tryckfsnabb.OnClick"}},
        {"flowClick", {"flow.OnClick", "Flowgeneral1.OnClick"}}, CLICK(Ventiler1),
        {"Ventile1rclick", {"Ventiler3.OnClick"}},
        {"RestrictionOrifice1Click", {"RestrictionOrifice1.OnClick", "Restrictionorifice2.OnClick"}},
        {"StrypelClick", {"Strypel.OnClick", "Strypsnabb.OnClick"}},
        {"Kommersiellafldesmtare1Click", {"Kommersiellafldesmtare1.OnClick", "Commersialflowmeters1.OnClick"}},
        {"SortomvClick", {"Sortomv.OnClick", "Units2.OnClick"}}, CLICK(Exit2), CLICK(Exitsnabb),
        CLICK(Strypbertyp), CLICK(strypsort), CLICK(ISODIN), CLICK(mtrlfl), CLICK(mtrlror), CLICK(Differenstryck1),
        CLICK(Tryckfrlust1), CLICK(Hldiameter1), CLICK(Flde1), CLICK(Optimalkonstruktion1),
        CLICK(StrypflnsCornertappings1), CLICK(StrypflnsFlangetappings1), CLICK(StrypflnsDD2tappings1),
        CLICK(VenturiSvetsat1), CLICK(VenturiBearbetat1), CLICK(VenturiObearbetat1), CLICK(Kortventuri1),
        CLICK(Kvartscirkeldysa1), CLICK(Segmentflns1), CLICK(DysaISA19321), CLICK(ADysaLongradius1),
        CLICK(mtrlfl1), CLICK(mtrlfl2), CLICK(mtrlfl3), CLICK(mtrlfl4), CLICK(mtrlfl5), CLICK(mtrlfl6),
        CLICK(mtrlfl7), CLICK(mtrlfl8),
        // Medium, mixture component and humidity.
        {"Mediaup", {"Medialabel.OnMouseUp"}}, {"Fuktup", {"relabsfukt.OnMouseUp"}}, CLICK(GAS), CLICK(IGAS),
        CLICK(LIQ), CLICK(LUF), CLICK(CO2), CLICK(N2), CLICK(AR), CLICK(O2), CLICK(H2), CLICK(CO), CLICK(O3),
        CLICK(VAT), CLICK(ANG), CLICK(MNG), CLICK(Propan1), CLICK(Propanvtska1), CLICK(CH4), CLICK(NH3),
        CLICK(Olja), CLICK(Naturgas), CLICK(G), CLICK(Gas1), CLICK(Luft1), CLICK(Argon1), CLICK(CO1), CLICK(CO21),
        CLICK(CH41), CLICK(H21), CLICK(NH31), CLICK(N21), CLICK(O21), CLICK(O31), CLICK(C3H81), CLICK(GroupBox1),
        ON(GroupBox1, Exit), BOX_EDIT(rbg), {"qbgExit", {"qbg.OnChange", "qbg.OnExit", "qbgsort.OnChange"}},
        BOX_EDIT(cpbg), BOX_EDIT(cvbg), BOX_EDIT(molekylviktbg), BOX_EDIT(krittempbg),
        {"entalpibgchange", {"entalpibg.OnChange"}}, ON(Z1bg, Change), BOX_EDIT(Znbg), CLICK(Relfukt),
        {"Absfuktclick", {"Absfukt.OnClick"}}, {"Specfuktclick", {"Spefukt.OnClick"}}, CLICK(daggpkt),
        {"relabsspecfuktChange", {"relabsspecfukt.OnExit"}}, {"relabsspecfuktKeyDown", {"relabsspecfukt.OnKeyUp"}},
        {"relabsspecfuktExit", {}}, ON(molekylviktvG, Change),
        // Unit pop-up menus.
        CLICK(abstrycksort), CLICK(angtrycksort), CLICK(krittrycksort), CLICK(difftryckmaxsort),
        CLICK(difftryckmaxmaxgrsort), CLICK(difftryckmaxmingrsort), CLICK(tryckforlmaxsort), CLICK(maxflowsort),
        CLICK(maxflowsortut), {"qbgsortClick", {"qbgsort.OnClick", "q40bgsort.OnClick"}}, CLICK(dstorkallsort),
        CLICK(tempsort), CLICK(AtA), CLICK(atm), CLICK(ATO), CLICK(BarA), CLICK(BarO), CLICK(BarG), CLICK(Bary),
        CLICK(mBar), CLICK(kgcm2), CLICK(lbfin2), CLICK(mmHg), CLICK(mmVp), CLICK(mVp), CLICK(Pa), CLICK(kPa),
        CLICK(MPa), CLICK(psi), CLICK(lh), CLICK(litermin1), CLICK(ls1), CLICK(m3h), CLICK(m3min), CLICK(m3s1),
        CLICK(gph1), CLICK(gpm), CLICK(gps1), CLICK(ft3h1), CLICK(ft3min), CLICK(ft3s1), CLICK(kgh), CLICK(kgmin1),
        CLICK(kgs), CLICK(tonh), CLICK(tonmin1), CLICK(tons1), CLICK(nm3h), CLICK(Nm3min1), CLICK(Nm3s1),
        CLICK(nlh), CLICK(Nlitermin1), CLICK(Mliters1), CLICK(Standardm3h), CLICK(Standardm3min),
        CLICK(Standardm3s), CLICK(MMSCFD1), CLICK(ms1), CLICK(Pas1), CLICK(mPas1), CLICK(PasE61), CLICK(Nsm21),
        CLICK(Nsm2E61), CLICK(Poise1), CLICK(cPoise1), CLICK(cP1), CLICK(m2s1), CLICK(mm2s), CLICK(Stoke1),
        CLICK(St1), CLICK(cStokes1), CLICK(cSt1), CLICK(mm1), CLICK(inches1), CLICK(tum1), CLICK(Zoll1), CLICK(C1),
        CLICK(F1), CLICK(K1),
        // Edit fields of the questionnaire.
        ON(utvfl, Change), ON(utvflb, Change), ON(utvror, Change), ON(utvrorb, Change), ON(kantradie, Change),
        ON(Dstorrahetmm, Change), ON(plattjock, Change), ON(fl, Change), ON(givenrakin, Change),
        ON(givenrakut, Change), ON(okfelbidrag, Change), ON(Cf, Change), ON(kaltemp, Change),
        ON(kalminreyn, Change), ON(kalmaxreyn, Change), ON(Dstorkallmm, Change),
        {"dkallmmChange", {"dkallmm.OnChange", "matstrack.OnChange", "hojd.OnChange"}}, ON(hkallmm, Change),
        ON(Ventilkallmm, Change),
        {"abstryckantalchange", {"abstryckantal.OnChange", "abstryckantal.OnExit", "abstryckmaxantal.OnExit", "molekylviktvG.OnExit"}},
        ON(abstrycksort, Change), ON(angtryckantal, Change), ON(angtrycksort, Change), ON(krittryckantal, Change),
        ON(krittrycksort, Change), ON(difftryckmaxantal, Change),
        {"difftryckmaxsortchange", {"difftryckmaxsort.OnChange"}}, ON(difftryckmaxmaxgrsort, Change),
        ON(difftryckmaxmingrsort, Change), ON(tryckforlmaxantal, Change), ON(tryckforlmaxsort, Change),
        {"tempChange", {"temp.OnExit", "tempmin.OnExit"}}, ON(maxflownormaldens, Change), ON(abstryckantal, KeyUp),
        ON(temp, KeyUp),
        // Clickable labels, option cycles and run buttons.
        CLICK(reynstortextin), CLICK(rorlitentextin), CLICK(rorstortextin),
        {"bermetodtextinClick", {"bermetodtextin.OnClick", "molekylviktGtext.OnClick"}},
        CLICK(tillvunderlagtextin), CLICK(bermetoderrtextin), CLICK(bestyckningtext), CLICK(rahettextin),
        CLICK(primeltextin), CLICK(Runbutton), {"Run1Click", {"Label1.OnClick", "Run1.OnClick"}},
        {"PTRunClick", {}}, CLICK(Label2), CLICK(bestyck0),
        CLICK(bestyck1), CLICK(bestyck2), CLICK(bestyck3), CLICK(bestyck4), CLICK(bestyck5), CLICK(bestyck6),
        CLICK(bestyck7), CLICK(bestyck8), CLICK(bestyck9), CLICK(bestyck10), CLICK(bestyck11), CLICK(bestyck12),
        CLICK(bestyck13), CLICK(bestyck14), CLICK(r2), CLICK(r3), CLICK(r4), CLICK(r5), CLICK(r6), CLICK(r7),
        CLICK(r8), CLICK(r9), {"MaxflowtextClick", {"maxflowtext.OnClick"}},
        {"abstrycktextClick", {"abstrycktext.OnClick", "abstryckmaxtext.OnClick"}},
        {"temptextClick", {"temptext.OnClick", "kaltemptext.OnClick", "kalminreyntext.OnClick", "kalmaxreyntext.OnClick"}},
        {"DifferenstryckClick", {"Differenstryck.OnClick", "tryckforlmaxtext.OnClick"}}, ON(Runbutton, MouseDown),
        CLICK(adiabat),
        // View, navigation, language and files.
        CLICK(Svenska), CLICK(Deutsch), CLICK(English), CLICK(Bytsprk1), CLICK(Indataval), CLICK(Indata1),
        CLICK(Rapport1), CLICK(Rapport2), CLICK(Densitetsberkningfdensmat1), CLICK(Densitet1),
        CLICK(Oskerhetskalkyl1), CLICK(Oskerhet1), {"Grafer1Click", {"Grafer1.OnClick", "Grafer2.OnClick"}},
        CLICK(Sidhuvudval), CLICK(Sidhuvudfot1), {"FormMouseDown", {"Form1.OnMouseDown"}},
        {"FormClick", {"Form1.OnClick"}}, CLICK(Zoomrap), CLICK(litenstor), CLICK(Excel), CLICK(N1), CLICK(N3),
        CLICK(Fontdata1), {"Grafvalclick", {"Grafval.OnClick"}}, CLICK(PaintBox1), CLICK(Logo1), CLICK(Memo2),
        {"FelsimulgridMouseMove", {"Felsimulgrid.OnMouseMove", "Felsimulgrid2.OnMouseMove"}},
        ON(RichEdit1, MouseMove), ON(RichEdit1, MouseDown), CLICK(selectall), CLICK(Rensarapport),
        CLICK(Sparaberkningsdatasom1), CLICK(Laddaberkningsdata1), CLICK(PrintScr1), CLICK(DSAprint),
        {"FormKeyDown", {"Form1.OnKeyDown"}}, {"FormKeyPress", {"Form1.OnKeyPress"}},
        {"FormKeyUp", {"Form1.OnKeyUp"}}, {"FormMouseMove", {"Form1.OnMouseMove"}}, ON(RichEdit1, Change),
        ON(RichEdit1, KeyDown), ON(RichEdit1, MouseUp), ON(Felsimulgrid, KeyPress), ON(Fjrreffektosak, MouseDown),
        CLICK(fjrrrun), CLICK(Hetvatten),
        // Uncertainty budget.
        {"FelsimulgridMouseDown", {"Felsimulgrid.OnMouseDown", "Felsimulgrid2.OnMouseDown"}},
        CLICK(Felsimulrubrik),
        // Controller code.
        CLICK(kod), {"BBclick", {"BigBlock.OnClick"}}, {"bbsiemensclick", {}}, CLICK(ABBSiemens),
        CLICK(kodkomment),
    };
    // clang-format on
    return all;
}
#undef ON
#undef CLICK
#undef BOX_EDIT

}  // namespace

TEST(Form1Handlers, EveryBoundHandlerSitsOnExactlyTheEventsItBelongsTo) {
    std::map<std::string, std::set<std::string>> expected;
    for (const ExpectedHandler& h : AllHandlers()) {
        ASSERT_TRUE(expected.emplace(h.handler, std::set<std::string>(h.bindings.begin(), h.bindings.end())).second)
            << "listed twice: " << h.handler;
    }
    std::map<std::string, std::multiset<std::string>> bound;
    std::set<std::string> events;
    const TForm1& form = Form1();
    for (const THandlerBinding& row : Form1HandlerBindings()) {
        const std::string event = std::string(row.Control) + "." + row.Event;
        EXPECT_TRUE(events.insert(event).second) << "two handlers on " << event;
        EXPECT_TRUE(std::string(row.Control) == "Form1" || form.FindComponent(row.Control))
            << "no control " << row.Control;
        ASSERT_TRUE(expected.count(row.Handler)) << "unknown handler " << row.Handler;
        bound[row.Handler].insert(event);
    }
    for (const auto& [handler, rows] : bound) {
        const std::set<std::string>& want = expected[handler];
        EXPECT_EQ(std::set<std::string>(rows.begin(), rows.end()), want) << handler;
        EXPECT_EQ(rows.size(), want.size()) << handler << " bound twice to one event";
    }
    std::string missing;
    for (const auto& [handler, want] : expected)
        if (!want.empty() && !bound.count(handler)) missing += " " + handler;
    std::cout << "handlers bound: " << bound.size() << " of " << expected.size() << ", not bound:" << missing << "\n";
    EXPECT_GT(bound.size(), 0u);
}

TEST(Form1Handlers, PrintScreenPrintsTheFormOnlyWhenThePrintDialogIsConfirmed) {
    TForm1& f = Form1();
    int printed = 0;
    bool confirm = false;
    TForm::SetImagePrinter([&](TForm& form) {
        printed += &form == &f;
        return true;
    });
    TCommonDialog::SetExecutor([&](TCommonDialog& d) { return d.Kind() == TDialogKind::Print && confirm; });
    f.PrintScr1->Click();
    EXPECT_EQ(printed, 0);
    confirm = true;
    f.PrintScr1->Click();
    EXPECT_EQ(printed, 1);
    TCommonDialog::SetExecutor(nullptr);
    TForm::SetImagePrinter(nullptr);
}
