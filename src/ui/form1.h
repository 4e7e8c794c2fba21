#pragma once
// The main window: it owns every control for the program's life, and carries the handlers.
// Controls are members named as the handlers name them; form1_components.h lists them by
// kind, and FindComponent finds any of them (menu items included) by that name.
//
// Handlers are methods named as the controls' events call them, defined in form1_<area>.cpp
// by area (menus, edits, labels, grids, view, file). The table TUBALYX_FORM1_HANDLERS in
// form1_components.h binds each to its control and event, and nothing else binds them.
#include <map>
#include <string>
#include <vector>

#include "forms/canvas.h"
#include "forms/containers.h"
#include "forms/dialogs.h"
#include "forms/edit.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/menu.h"
#include "forms/rich_edit.h"
#include "forms/string_grid.h"
#include "ui/form1_components.h"

namespace tubalyx {

class TForm1 : public TForm {
public:
    TForm1();

#define TUBALYX_DECLARE_LABEL(n) TLabel n{#n};
#define TUBALYX_DECLARE_EDIT(n) TEdit n{#n};
#define TUBALYX_DECLARE_GRID(n) TStringGrid n{#n};
#define TUBALYX_DECLARE_RICH_EDIT(n) TRichEdit n{#n};
#define TUBALYX_DECLARE_POPUP(n) TPopupMenu n{#n};
#define TUBALYX_DECLARE_ITEM(holder, n) TMenuItem* n = nullptr;
    TUBALYX_FORM1_LABELS(TUBALYX_DECLARE_LABEL)
    TUBALYX_FORM1_EDITS(TUBALYX_DECLARE_EDIT)
    TUBALYX_FORM1_GRIDS(TUBALYX_DECLARE_GRID)
    TUBALYX_FORM1_RICH_EDITS(TUBALYX_DECLARE_RICH_EDIT)

    // The property box of a user-defined gas and its prompts and edits.
    TGroupBox GroupBox1{"GroupBox1"};
    TUBALYX_FORM1_GROUPBOX_LABELS(TUBALYX_DECLARE_LABEL)
    TUBALYX_FORM1_GROUPBOX_EDITS(TUBALYX_DECLARE_EDIT)

    TMemo Memo2{"Memo2"};        // the start text
    TUpDown UpDown1{"UpDown1"};  // font size of the window
    TPaintBox PaintBox1{"PaintBox1"};
    TButton Runbutton{"Runbutton"};

    TMainMenu Meny{"Meny"};
    TUBALYX_FORM1_POPUP_MENUS(TUBALYX_DECLARE_POPUP)
    // Menu items are owned by the menu that holds them.
    TUBALYX_FORM1_MENU_ITEMS(TUBALYX_DECLARE_ITEM)
#undef TUBALYX_DECLARE_LABEL
#undef TUBALYX_DECLARE_EDIT
#undef TUBALYX_DECLARE_GRID
#undef TUBALYX_DECLARE_RICH_EDIT
#undef TUBALYX_DECLARE_POPUP
#undef TUBALYX_DECLARE_ITEM

    TOpenDialog OpenDialog1{"OpenDialog1"};
    TSaveDialog SaveDialog1{"SaveDialog1"};
    TPrintDialog PrintDialog1{"PrintDialog1"};
    TFontDialog FontDialog1{"FontDialog1"};

    // Any control or menu item by its name; nullptr for an unknown name.
    TControl* FindComponent(const std::string& name) const;
    // Every control placed on the form or in the group box, in declaration order (menus and
    // their items not included).
    const std::vector<TControl*>& Controls() const { return controls_; }
    // Every menu: Meny first, then the pop-up menus.
    const std::vector<TMenuItem*>& Menus() const { return menus_; }
    const std::vector<TPopupMenu*>& PopupMenus() const { return popups_; }

    // ---- handlers: edits (form1_edits.cpp) ----
    void abstryckantalKeyUp(TControl* sender, int key, TShiftState shift);
    void tempKeyUp(TControl* sender, int key, TShiftState shift);
    void GroupBox1Exit(TControl* sender);

    // ---- handlers: labels and buttons (form1_labels.cpp) ----
    void DifferenstryckClick(TControl* sender);
    void RunbuttonMouseDown(TControl* sender, TMouseButton button, TShiftState shift, int x, int y);
    void fjrrrunClick(TControl* sender);
    void kodkommentClick(TControl* sender);
    void ABBSiemensClick(TControl* sender);
    // "Run" of the label Label1 and the menu item Run1; the button's own.
    void Run1Click(TControl* sender);
    void RunbuttonClick(TControl* sender);
    // The adiabatic/isothermal switch of the pressure-loss line.
    void adiabatClick(TControl* sender);
    // Option labels: each click steps its answer and rewrites the prompt.
    void reynstortextinClick(TControl* sender);
    void rorlitentextinClick(TControl* sender);
    void rorstortextinClick(TControl* sender);
    void bermetodtextinClick(TControl* sender);
    void tillvunderlagtextinClick(TControl* sender);
    void bermetoderrtextinClick(TControl* sender);
    // Labels that open their pop-up menu just below themselves.
    void bestyckningtextClick(TControl* sender);
    void rahettextinClick(TControl* sender);
    void primeltextinClick(TControl* sender);
    // The upstream fittings 0 to 14 of Bestyckningmenu, and the pipe roughnesses r2 to r9.
    void bestyck0Click(TControl* sender);
    void bestyck1Click(TControl* sender);
    void bestyck2Click(TControl* sender);
    void bestyck3Click(TControl* sender);
    void bestyck4Click(TControl* sender);
    void bestyck5Click(TControl* sender);
    void bestyck6Click(TControl* sender);
    void bestyck7Click(TControl* sender);
    void bestyck8Click(TControl* sender);
    void bestyck9Click(TControl* sender);
    void bestyck10Click(TControl* sender);
    void bestyck11Click(TControl* sender);
    void bestyck12Click(TControl* sender);
    void bestyck13Click(TControl* sender);
    void bestyck14Click(TControl* sender);
    void r2Click(TControl* sender);
    void r3Click(TControl* sender);
    void r4Click(TControl* sender);
    void r5Click(TControl* sender);
    void r6Click(TControl* sender);
    void r7Click(TControl* sender);
    void r8Click(TControl* sender);
    void r9Click(TControl* sender);
    void MaxflowtextClick(TControl* sender);
    // The phase of a liquefiable gas, stepped from the pressure or the temperature prompt.
    void abstrycktextClick(TControl* sender);
    void temptextClick(TControl* sender);
    // The compensation table: PTRun (no control uses it) and the "Run" label of its page.
    void PTRunClick(TControl* sender);
    void Label2Click(TControl* sender);

    // ---- handlers: grids (form1_grids.cpp) ----
    void FelsimulgridKeyPress(TControl* sender, char key);
    void FjrreffektosakMouseDown(TControl* sender, TMouseButton button, TShiftState shift, int x, int y);
    void ViktVolprocGridClick(TControl* sender);
    void ViktVolprocGridSelectCell(TControl* sender, int col, int row, bool& canSelect);
    void ViktVolprocGridSetEditText(TControl* sender, int col, int row, const std::string& value);
    void ViktVolprocGridMouseDown(TControl* sender, TMouseButton button, TShiftState shift, int x, int y);
    void ViktVolprocGridMouseUp(TControl* sender, TMouseButton button, TShiftState shift, int x, int y);
    void ViktVolprocGridKeyUp(TControl* sender, int key, TShiftState shift);
    void ViktVolprocGridKeyPress(TControl* sender, char key);
    void ViktVolprocGridExit(TControl* sender);
    void ViktVolprocgridfuktMouseDown(TControl* sender, TMouseButton button, TShiftState shift, int x, int y);
    // "Radera" of the composition grid's component pop-up.
    void RaderaClick(TControl* sender);
    // The resistance grid of the pressure-loss line.
    void MotstandgridMouseDown(TControl* sender, TMouseButton button, TShiftState shift, int x, int y);
    void MotstandgridMouseUp(TControl* sender, TMouseButton button, TShiftState shift, int x, int y);
    void MotstandgridSelectCell(TControl* sender, int col, int row, bool& canSelect);
    void MotstandgridKeyPress(TControl* sender, char key);
    void MotstandgridKeyUp(TControl* sender, int key, TShiftState shift);
    void MotstandgridMouseMove(TControl* sender, TShiftState shift, int x, int y);

    // ---- handlers: the uncertainty page (form1_uncertainty.cpp) ----
    void FelsimulgridMouseDown(TControl* sender, TMouseButton button, TShiftState shift, int x, int y);
    void FelsimulrubrikClick(TControl* sender);
    // The data sheet of the primary device, appended to the report window.
    void DSAprintClick(TControl* sender);

    // ---- handlers: the fitting pop-up and the material items (form1_fitting_menu.cpp) ----
    // Every fitting item of MotstandPopup: the fitting of the item's kind into the column the
    // menu was opened on.
    void MotstandPopupFittingClick(TControl* sender);
    void Annanstrning1Click(TControl* sender);
    void Radera1Click(TControl* sender);

    // ---- handlers: start-up (startup.cpp) ----
    void FormCreate(TControl* sender);

    // ---- handlers: function, standard, solved-quantity, device and material menus
    // (form1_menus_function.cpp) ----
    void TermodynamikClick(TControl* sender);
    void TryckfClick(TControl* sender);
    void flowClick(TControl* sender);
    void Ventiler1Click(TControl* sender);
    void Ventile1rclick(TControl* sender);
    void RestrictionOrifice1Click(TControl* sender);
    void StrypelClick(TControl* sender);
    void Kommersiellafldesmtare1Click(TControl* sender);
    void SortomvClick(TControl* sender);
    void Exit2Click(TControl* sender);
    void ExitsnabbClick(TControl* sender);
    void StrypbertypClick(TControl* sender);
    void strypsortClick(TControl* sender);
    void ISODINClick(TControl* sender);
    void Differenstryck1Click(TControl* sender);
    void Tryckfrlust1Click(TControl* sender);
    void Hldiameter1Click(TControl* sender);
    void Flde1Click(TControl* sender);
    void Optimalkonstruktion1Click(TControl* sender);
    void StrypflnsCornertappings1Click(TControl* sender);
    void StrypflnsFlangetappings1Click(TControl* sender);
    void StrypflnsDD2tappings1Click(TControl* sender);
    void VenturiSvetsat1Click(TControl* sender);
    void VenturiBearbetat1Click(TControl* sender);
    void VenturiObearbetat1Click(TControl* sender);
    void Kortventuri1Click(TControl* sender);
    void Kvartscirkeldysa1Click(TControl* sender);
    void Segmentflns1Click(TControl* sender);
    void DysaISA19321Click(TControl* sender);
    void ADysaLongradius1Click(TControl* sender);
    void mtrlflClick(TControl* sender);
    void mtrlrorClick(TControl* sender);
    void mtrlfl1Click(TControl* sender);
    void mtrlfl2Click(TControl* sender);
    void mtrlfl3Click(TControl* sender);
    void mtrlfl4Click(TControl* sender);
    void mtrlfl5Click(TControl* sender);
    void mtrlfl6Click(TControl* sender);
    void mtrlfl7Click(TControl* sender);
    void mtrlfl8Click(TControl* sender);

    // ---- handlers: medium, component, property-box and humidity menus (form1_menus_medium.cpp) ----
    void Mediaup(TControl* sender, TMouseButton button, TShiftState shift, int x, int y);
    void GASClick(TControl* sender);
    void IGASClick(TControl* sender);
    void LIQClick(TControl* sender);
    void LUFClick(TControl* sender);
    void CO2Click(TControl* sender);
    void N2Click(TControl* sender);
    void ARClick(TControl* sender);
    void O2Click(TControl* sender);
    void H2Click(TControl* sender);
    void COClick(TControl* sender);
    void O3Click(TControl* sender);
    void VATClick(TControl* sender);
    void ANGClick(TControl* sender);
    void MNGClick(TControl* sender);
    void Propan1Click(TControl* sender);
    void Propanvtska1Click(TControl* sender);
    void CH4Click(TControl* sender);
    void NH3Click(TControl* sender);
    void OljaClick(TControl* sender);
    void NaturgasClick(TControl* sender);
    void GClick(TControl* sender);
    void Gas1Click(TControl* sender);
    void Luft1Click(TControl* sender);
    void Argon1Click(TControl* sender);
    void CO1Click(TControl* sender);
    void CO21Click(TControl* sender);
    void CH41Click(TControl* sender);
    void H21Click(TControl* sender);
    void NH31Click(TControl* sender);
    void N21Click(TControl* sender);
    void O21Click(TControl* sender);
    void O31Click(TControl* sender);
    void C3H81Click(TControl* sender);
    void GroupBox1Click(TControl* sender);
    void rbgExit(TControl* sender);
    void qbgExit(TControl* sender);
    void cpbgExit(TControl* sender);
    void cvbgExit(TControl* sender);
    void molekylviktbgExit(TControl* sender);
    void krittempbgExit(TControl* sender);
    void entalpibgchange(TControl* sender);
    void Z1bgChange(TControl* sender);
    void ZnbgExit(TControl* sender);
    void Fuktup(TControl* sender, TMouseButton button, TShiftState shift, int x, int y);
    void RelfuktClick(TControl* sender);
    void Absfuktclick(TControl* sender);
    void Specfuktclick(TControl* sender);
    void daggpktClick(TControl* sender);
    void relabsspecfuktChange(TControl* sender);
    void relabsspecfuktKeyDown(TControl* sender, int key, TShiftState shift);
    void relabsspecfuktExit(TControl* sender);
    void molekylviktvGChange(TControl* sender);

    // ---- handlers: unit pop-up menus (form1_menus_units.cpp) ----
    void abstrycksortClick(TControl* sender);
    void angtrycksortClick(TControl* sender);
    void krittrycksortClick(TControl* sender);
    void difftryckmaxsortClick(TControl* sender);
    void difftryckmaxmaxgrsortClick(TControl* sender);
    void difftryckmaxmingrsortClick(TControl* sender);
    void tryckforlmaxsortClick(TControl* sender);
    void maxflowsortClick(TControl* sender);
    void maxflowsortutClick(TControl* sender);
    void qbgsortClick(TControl* sender);
    void dstorkallsortClick(TControl* sender);
    void tempsortClick(TControl* sender);
    // The unit items, each bound to its own item of the menu named above it.
    // StatP (pressure)
    void AtAClick(TControl* sender);
    void atmClick(TControl* sender);
    void ATOClick(TControl* sender);
    void BarAClick(TControl* sender);
    void BarOClick(TControl* sender);
    void BarGClick(TControl* sender);
    void BaryClick(TControl* sender);
    void mBarClick(TControl* sender);
    void kgcm2Click(TControl* sender);
    void lbfin2Click(TControl* sender);
    void mmHgClick(TControl* sender);
    void mmVpClick(TControl* sender);
    void mVpClick(TControl* sender);
    void PaClick(TControl* sender);
    void kPaClick(TControl* sender);
    void MPaClick(TControl* sender);
    void psiClick(TControl* sender);
    // flowsortermenu (flow)
    void lhClick(TControl* sender);
    void litermin1Click(TControl* sender);
    void ls1Click(TControl* sender);
    void m3hClick(TControl* sender);
    void m3minClick(TControl* sender);
    void m3s1Click(TControl* sender);
    void gph1Click(TControl* sender);
    void gpmClick(TControl* sender);
    void gps1Click(TControl* sender);
    void ft3h1Click(TControl* sender);
    void ft3minClick(TControl* sender);
    void ft3s1Click(TControl* sender);
    void kghClick(TControl* sender);
    void kgmin1Click(TControl* sender);
    void kgsClick(TControl* sender);
    void tonhClick(TControl* sender);
    void tonmin1Click(TControl* sender);
    void tons1Click(TControl* sender);
    void nm3hClick(TControl* sender);
    void Nm3min1Click(TControl* sender);
    void Nm3s1Click(TControl* sender);
    void nlhClick(TControl* sender);
    void Nlitermin1Click(TControl* sender);
    void Mliters1Click(TControl* sender);
    void Standardm3hClick(TControl* sender);
    void Standardm3minClick(TControl* sender);
    void Standardm3sClick(TControl* sender);
    void MMSCFD1Click(TControl* sender);
    void ms1Click(TControl* sender);
    // qsortmenu (viscosity)
    void Pas1Click(TControl* sender);
    void mPas1Click(TControl* sender);
    void PasE61Click(TControl* sender);
    void Nsm21Click(TControl* sender);
    void Nsm2E61Click(TControl* sender);
    void Poise1Click(TControl* sender);
    void cPoise1Click(TControl* sender);
    void cP1Click(TControl* sender);
    void m2s1Click(TControl* sender);
    void mm2sClick(TControl* sender);
    void Stoke1Click(TControl* sender);
    void St1Click(TControl* sender);
    void cStokes1Click(TControl* sender);
    void cSt1Click(TControl* sender);
    // lngdsortmenu (length)
    void mm1Click(TControl* sender);
    void inches1Click(TControl* sender);
    void tum1Click(TControl* sender);
    void Zoll1Click(TControl* sender);
    // tempsortMenu (temperature)
    void C1Click(TControl* sender);
    void F1Click(TControl* sender);
    void K1Click(TControl* sender);

    // ---- handlers: view and report (form1_view.cpp) ----
    void FormKeyDown(TControl* sender, int key, TShiftState shift);
    void FormKeyPress(TControl* sender, char key);
    void FormKeyUp(TControl* sender, int key, TShiftState shift);
    void FormMouseMove(TControl* sender, TShiftState shift, int x, int y);
    void RichEdit1Change(TControl* sender);
    void RichEdit1KeyDown(TControl* sender, int key, TShiftState shift);
    void RichEdit1MouseUp(TControl* sender, TMouseButton button, TShiftState shift, int x, int y);
    void selectallClick(TControl* sender);
    void RensarapportClick(TControl* sender);
    void RichEdit1MouseMove(TControl* sender, TShiftState shift, int x, int y);
    // The view has placed the caret at the click before this runs.
    void RichEdit1MouseDown(TControl* sender, TMouseButton button, TShiftState shift, int x, int y);
    // Language items and the language cycle.
    void SvenskaClick(TControl* sender);
    void DeutschClick(TControl* sender);
    void EnglishClick(TControl* sender);
    void Bytsprk1Click(TControl* sender);
    // Navigation: the pop-up berval and its twins on the menu bar.
    void FormMouseDown(TControl* sender, TMouseButton button, TShiftState shift, int x, int y);
    void FormClick(TControl* sender);
    void IndatavalClick(TControl* sender);
    void Indata1Click(TControl* sender);
    void Rapport1Click(TControl* sender);
    void Rapport2Click(TControl* sender);
    void Densitetsberkningfdensmat1Click(TControl* sender);
    void Densitet1Click(TControl* sender);
    void Oskerhetskalkyl1Click(TControl* sender);
    void Oskerhet1Click(TControl* sender);
    void Grafer1Click(TControl* sender);
    void SidhuvudvalClick(TControl* sender);
    void Sidhuvudfot1Click(TControl* sender);
    // Report size, zoom, field separator, fonts, the graph choice and the start text.
    void ZoomrapClick(TControl* sender);
    void litenstorClick(TControl* sender);
    void ExcelClick(TControl* sender);
    void N1Click(TControl* sender);
    void N3Click(TControl* sender);
    void Fontdata1Click(TControl* sender);
    void Grafvalclick(TControl* sender);
    void PaintBox1Click(TControl* sender);
    void Logo1Click(TControl* sender);
    void Memo2Click(TControl* sender);
    void FelsimulgridMouseMove(TControl* sender, TShiftState shift, int x, int y);
    void HetvattenClick(TControl* sender);

    // ---- handlers: font size of the window (font_size.cpp) ----
    void UpDown1Click(TControl* sender, TUDBtnType button);

    // ---- handlers: the questionnaire's value and unit edits (form1_edits.cpp) ----
    void utvflChange(TControl* sender);
    void utvflbChange(TControl* sender);
    void utvrorChange(TControl* sender);
    void utvrorbChange(TControl* sender);
    void kantradieChange(TControl* sender);
    void DstorrahetmmChange(TControl* sender);
    void plattjockChange(TControl* sender);
    void flChange(TControl* sender);
    void givenrakinChange(TControl* sender);
    void givenrakutChange(TControl* sender);
    void okfelbidragChange(TControl* sender);
    void CfChange(TControl* sender);
    void kaltempChange(TControl* sender);
    void kalminreynChange(TControl* sender);
    void kalmaxreynChange(TControl* sender);
    void DstorkallmmChange(TControl* sender);
    // Bound to dkallmm, matstrack and hojd; reads dkallmm whichever of them changed.
    void dkallmmChange(TControl* sender);
    void hkallmmChange(TControl* sender);
    void VentilkallmmChange(TControl* sender);
    void abstryckantalchange(TControl* sender);
    void abstrycksortChange(TControl* sender);
    void angtryckantalChange(TControl* sender);
    void angtrycksortChange(TControl* sender);
    void krittryckantalChange(TControl* sender);
    void krittrycksortChange(TControl* sender);
    void difftryckmaxantalChange(TControl* sender);
    void difftryckmaxsortchange(TControl* sender);
    void difftryckmaxmaxgrsortChange(TControl* sender);
    void difftryckmaxmingrsortChange(TControl* sender);
    void tryckforlmaxantalChange(TControl* sender);
    void tryckforlmaxsortChange(TControl* sender);
    void tempChange(TControl* sender);
    void maxflowsortchange(TControl* sender);
    void maxflowantalChange(TControl* sender);
    void maxflownormaldensChange(TControl* sender);

    // ---- handlers: the unit-conversion page and the graph (form1_units.cpp) ----
    void SortergridSelectCell(TControl* sender, int col, int row, bool& canSelect);
    void SortergridMouseMove(TControl* sender, TShiftState shift, int x, int y);
    void SortergridKeyUp(TControl* sender, int key, TShiftState shift);
    void PaintBox1Paint(TControl* sender);

    // ---- handlers: the code generator (form1_codegen.cpp) ----
    void kodClick(TControl* sender);
    void BBclick(TControl* sender);
    // Bound to no control.
    void bbsiemensclick(TControl* sender);

    // ---- handlers: files and printing (form1_file.cpp) ----
    void PrintScr1Click(TControl* sender);
    void Utskrift1Click(TControl* sender);
    void Sparasom1Click(TControl* sender);
    void Sparaberkningsdatasom1Click(TControl* sender);
    void Laddaberkningsdata1Click(TControl* sender);

private:
    void Register(TControl& control);
    void BindHandlers();
    std::map<std::string, TControl*> byName_;
    std::vector<TControl*> controls_;
    std::vector<TMenuItem*> menus_;
    std::vector<TPopupMenu*> popups_;
};

// One row of the handler table: the handler bound to a control's event, by their names.
struct THandlerBinding {
    const char* Control;
    const char* Event;
    const char* Handler;
};
// Every row of TUBALYX_FORM1_HANDLERS, in table order.
const std::vector<THandlerBinding>& Form1HandlerBindings();

// The one main window, created at first use and kept for the program's life.
TForm1& Form1();

}  // namespace tubalyx
