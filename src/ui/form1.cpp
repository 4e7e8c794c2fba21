#include "ui/form1.h"
#include "state/keywords.h"

namespace tubalyx {

namespace {
// Controls are members, menu items pointers to them: both lists name them alike.
template <class Control>
Control& Ref(Control& control) {
    return control;
}
template <class Control>
Control& Ref(Control* control) {
    return *control;
}

// Binds a handler method to an event; the handler's parameters must be the event's.
template <class... Args>
void Bind(std::function<void(Args...)>& event, TForm1& form, void (TForm1::*handler)(Args...)) {
    event = [&form, handler](Args... args) { (form.*handler)(std::forward<Args>(args)...); };
}
}  // namespace

void TForm1::Register(TControl& control) { byName_.emplace(control.Name(), &control); }

TForm1::TForm1() : TForm("Form1") {
    SetCaption("Tubalyx.1404:");
    TFont font;
    font.Bold = true;
    SetFont(font);
    SetColor(clBtnFace);

#define TUBALYX_PLACE(n)       \
    Register(n);               \
    controls_.push_back(&(n)); \
    (n).SetParent(this);
#define TUBALYX_PLACE_IN_BOX(n) \
    Register(n);                \
    controls_.push_back(&(n));  \
    GroupBox1.Add(n);
#define TUBALYX_PLACE_ITEM(holder, n) \
    (n) = Ref(holder).Add(#n);        \
    Register(*(n));
#define TUBALYX_PLACE_POPUP(n) \
    Register(n);               \
    menus_.push_back(&(n));    \
    popups_.push_back(&(n));
    TUBALYX_FORM1_LABELS(TUBALYX_PLACE)
    TUBALYX_FORM1_EDITS(TUBALYX_PLACE)
    TUBALYX_FORM1_GRIDS(TUBALYX_PLACE)
    TUBALYX_FORM1_RICH_EDITS(TUBALYX_PLACE)
    TUBALYX_PLACE(GroupBox1)
    TUBALYX_FORM1_GROUPBOX_LABELS(TUBALYX_PLACE_IN_BOX)
    TUBALYX_FORM1_GROUPBOX_EDITS(TUBALYX_PLACE_IN_BOX)
    TUBALYX_PLACE(Memo2)
    TUBALYX_PLACE(UpDown1)
    TUBALYX_PLACE(PaintBox1)
    TUBALYX_PLACE(Runbutton)
    Register(Meny);
    menus_.push_back(&Meny);
    TUBALYX_FORM1_POPUP_MENUS(TUBALYX_PLACE_POPUP)
    TUBALYX_FORM1_MENU_ITEMS(TUBALYX_PLACE_ITEM)
#undef TUBALYX_PLACE
#undef TUBALYX_PLACE_IN_BOX
#undef TUBALYX_PLACE_ITEM
#undef TUBALYX_PLACE_POPUP

    // Grid shapes the medium code relies on before the page manager has run.
    // The composition is typed into the dry grid; the humid one only shows it.
    ViktVolprocGrid.SetColCount(6);
    ViktVolprocGrid.SetRowCount(13);
    ViktVolprocGrid.SetFixedRows(2);
    ViktVolprocGrid.SetFixedCols(0);
    ViktVolprocGrid.SetEditing(true);
    ViktVolprocgridfukt.SetColCount(6);
    ViktVolprocgridfukt.SetRowCount(13);
    ViktVolprocgridfukt.SetFixedRows(12);
    ViktVolprocgridfukt.SetFixedCols(5);
    // The resistance grid: a column per fitting, a row per quantity.
    Motstandgrid.SetColCount(51);
    Motstandgrid.SetRowCount(9);
    Motstandgrid.SetDefaultColWidth(100);
    Motstandgrid.SetColWidth(1, 306);
    Motstandgrid.SetDefaultRowHeight(24);
    Motstandgrid.SetEditing(true);

    // The uncertainty budget: a caption column, the input column, ten flow points and their
    // mean; its twin holds the unsorted rows while the sorted view is shown, and is never shown.
    Felsimulgrid.SetColCount(13);
    Felsimulgrid.SetFixedRows(0);
    Felsimulgrid.SetFixedCols(1);
    Felsimulgrid.SetEditing(true);
    Felsimulgrid2.SetVisible(false);

    // The compensation table: points at 1..10 of each axis. The axes in row 0 and column 0 show
    // the limits the questionnaire gives, so they are fixed; the table's allowed error is 1 %.
    PTKompgrid.SetColCount(11);
    PTKompgrid.SetRowCount(11);
    PTKompgrid.SetFixedCols(1);
    PTKompgrid.SetFixedRows(1);
    PTKompgrid.SetEditing(true);
    // The heading over the table's last temperature column, as the title's "Tmin" stands over its first.
    Tmax.SetCaption("Tmax");
    PTberfel.SetText("1");

    // The copies of the report are working storage of the run and never shown.
    RichEdit4.SetVisible(false);
    RichEdit5.SetVisible(false);
    // No page places the run button; the "Run" label and menu item start the same run.
    Runbutton.SetVisible(false);
    // The labels that start a calculation of their own part of the page (the compensation
    // table, the uncertainty budget), the generated code or the data sheet have no menu item:
    // the keyboard reaches them as buttons. The pop-up and option labels stay the mouse's.
    for (TLabel* starter : {&Label2, &Felsimulrubrik, &kod, &BigBlock, &DSAprint}) starter->SetTabStop(true);
    // The unit fields of the computed outputs are shown, not typed into.
    maxflowsortut.SetReadOnly(true);
    // Captions that no caption set writes.
    Meny1->SetCaption("Meny");
    Svenska->SetCaption("Svenska");
    Deutsch->SetCaption("Deutsch");
    English->SetCaption("English");
    N1->SetCaption("+");
    N3->SetCaption("- ");
    Fontdata1->SetCaption("Fontdata");
    Logo1->SetCaption("Logo");
    Hetvatten->SetCaption("Hetvatten");
    Label1.SetCaption("Run");
    // The graph's heading and its legend, one label in each curve's colour.
    Graftext.SetCaption("Flow as a function of differential pressure");
    Graftext.SetColor(clMaroon);
    grafred.SetCaption("beräkningsmetod 1");
    grafred.SetColor(clRed);
    grafblue.SetCaption("beräkningsmetod 2");
    grafblue.SetColor(clBlue);
    grafblack.SetCaption("beräkningsmetod 3");
    grafblack.SetColor(clBlack);
    grafyellow.SetCaption("ISO");
    grafyellow.SetColor(clYellow);
    grafq.SetCaption("q");
    grafdp.SetCaption("dp");

    BindHandlers();
}

void TForm1::BindHandlers() {
    TForm1& Form1 = *this;  // the table names the form itself Form1
    (void)Form1;
#define TUBALYX_BIND(control, event, handler) Bind(Ref(control).event, *this, &TForm1::handler);
    TUBALYX_FORM1_HANDLERS(TUBALYX_BIND)
#undef TUBALYX_BIND
}

const std::vector<THandlerBinding>& Form1HandlerBindings() {
#define TUBALYX_BINDING_ROW(control, event, handler) {#control, #event, #handler},
    static const std::vector<THandlerBinding> rows = {TUBALYX_FORM1_HANDLERS(TUBALYX_BINDING_ROW)};
#undef TUBALYX_BINDING_ROW
    return rows;
}

TControl* TForm1::FindComponent(const std::string& name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

TForm1& Form1() {
    static TForm1 form;
    return form;
}

}  // namespace tubalyx
