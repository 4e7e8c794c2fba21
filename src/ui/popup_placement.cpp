#include "ui/popup_placement.h"

#include "ui/form1.h"

namespace tubalyx {

void PopupBelow(TPopupMenu& menu, const TControl& label) {
    const TForm1& f = Form1();
    menu.Popup(f.Left() + label.Left(), f.Top() + (f.Height() - f.ClientHeight()) + label.Top() + label.Height());
}

}  // namespace tubalyx
