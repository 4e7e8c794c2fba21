#include "ui/form1.h"

namespace tubalyx {

namespace {
TMenuItem& Holder(TMenuItem& menu) { return menu; }
TMenuItem& Holder(TMenuItem* item) { return *item; }
}  // namespace

void TForm1::Register(TControl& control) { byName_.emplace(control.Name(), &control); }

TForm1::TForm1() : TForm("Form1") {
    SetCaption("Tubalyx.1404:");
    TFont font;
    font.Bold = true;
    SetFont(font);
    SetColor(clBtnFace);

#define TUBALYX_PLACE(n) Register(n); controls_.push_back(&(n)); (n).SetParent(this);
#define TUBALYX_PLACE_IN_BOX(n) Register(n); controls_.push_back(&(n)); GroupBox1.Add(n);
#define TUBALYX_PLACE_ITEM(holder, n) (n) = Holder(holder).Add(#n); Register(*(n));
#define TUBALYX_PLACE_POPUP(n) Register(n); menus_.push_back(&(n));
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
    TUBALYX_PLACE_POPUP(Meny)
    TUBALYX_FORM1_POPUP_MENUS(TUBALYX_PLACE_POPUP)
    TUBALYX_FORM1_MENU_ITEMS(TUBALYX_PLACE_ITEM)
#undef TUBALYX_PLACE
#undef TUBALYX_PLACE_IN_BOX
#undef TUBALYX_PLACE_ITEM
#undef TUBALYX_PLACE_POPUP

    // Grid shapes the medium code relies on before the page manager has run.
    ViktVolprocGrid.SetColCount(6);
    ViktVolprocGrid.SetRowCount(13);
    ViktVolprocGrid.SetFixedRows(2);
    ViktVolprocgridfukt.SetColCount(6);
    ViktVolprocgridfukt.SetRowCount(13);
    ViktVolprocgridfukt.SetFixedRows(2);

    // The copies of the report are working storage of the run and never shown.
    RichEdit4.SetVisible(false);
    RichEdit5.SetVisible(false);
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
