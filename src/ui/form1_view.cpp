// Handlers of the view: the form's own keys and mouse, and the report window.
#include "reports/report_window.h"
#include "ui/form1.h"

namespace tubalyx {

// Keys typed on the empty form and the mouse moving over it do nothing.
void TForm1::FormKeyDown(TControl*, int, TShiftState) {}
void TForm1::FormKeyPress(TControl*, char) {}
void TForm1::FormKeyUp(TControl*, int, TShiftState) {}
void TForm1::FormMouseMove(TControl*, TShiftState, int, int) {}

// Typing in the report and releasing the mouse over it leave the report as the user made it.
void TForm1::RichEdit1Change(TControl*) {}
void TForm1::RichEdit1KeyDown(TControl*, int, TShiftState) {}
void TForm1::RichEdit1MouseUp(TControl*, TMouseButton, TShiftState, int, int) {}

// Selects the whole report for copying. A hidden report cannot take the focus; it is still
// selected.
void TForm1::selectallClick(TControl*) {
    FocusReport();
    RichEdit1.SelectAll();
}

void TForm1::RensarapportClick(TControl*) { ClearReport(); }

}  // namespace tubalyx
