#include "ui/font_size.h"

#include <algorithm>

#include "state/keywords.h"
#include "state/menu_state.h"
#include "state/selections.h"
#include "texts/prompt_setters.h"
#include "ui/flow_graphs.h"
#include "ui/form1.h"
#include "ui/form1_menus.h"
#include "ui/layout_controls.h"

namespace tubalyx {

namespace {

void SetFormFontSize(int size) { Form1().SetFontSize(std::clamp(size, kSmallestFormFontSize, kLargestFormFontSize)); }

// Every control laid out and the page built again for the form's size; the report takes the
// size too, with the user's selection kept.
void ApplyFormFontSize() {
    TForm1& f = Form1();
    LayoutControls();
    RebuildPage();
    SetOilInputPrompts();
    TRichEdit& report = f.RichEdit1;
    const TextPos start = report.SelStart();
    const int length = report.SelLength();
    report.SelectAll();
    report.SetFontSize(f.Font().Size);
    UpDownLastPosition = static_cast<std::int16_t>(f.UpDown1.Position());
    report.SetSelStart(start);
    report.SetSelLength(length);
}

}  // namespace

void StepFormFontSize(int step) {
    SetFormFontSize(Form1().Font().Size + step);
    RescaleAfterFontChange();
}

void RescaleAfterFontChange() {
    TForm1& f = Form1();
    ApplyFormFontSize();
    f.SetHorzScrollPosition(0);
    f.SetVertScrollPosition(0);
    if (CalcFunction == kFunctionPrimaryDevice) PlotDeviceCurves();
    if (CalcFunction == kFunctionFlow) DrawFlowProfile();
}

// The size follows the control's change since the last click, not its position, so the menu
// items and the control can be used in turn.
void TForm1::UpDown1Click(TControl*, TUDBtnType) {
    SetFormFontSize(Font().Size + UpDown1.Position() - UpDownLastPosition);
    ApplyFormFontSize();
}

}  // namespace tubalyx
