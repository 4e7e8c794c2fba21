// Handlers of the clickable labels, the option cycles and the run buttons.
#include "state/selections.h"
#include "texts/prompt_setters.h"
#include "ui/run_driver.h"
#include "ui/form1.h"

namespace tubalyx {

// The differential-pressure and pressure-loss headings are not clickable options.
void TForm1::DifferenstryckClick(TControl*) {}
void TForm1::RunbuttonMouseDown(TControl*, TMouseButton, TShiftState, int, int) {}
// The hot-water power page has its controls but computes nothing.
void TForm1::fjrrrunClick(TControl*) {}

// The comment of the code generator closes when clicked.
void TForm1::kodkommentClick(TControl*) { kodkomment.SetVisible(false); }

// The dialect of the generated controller code.
void TForm1::ABBSiemensClick(TControl*) {
    ABBSiemens.SetCaption(ABBSiemens.Caption() == "ABB" ? "Siemens" : "ABB");
}

void TForm1::adiabatClick(TControl*) {
    ExpansionModeLetter = ExpansionModeLetter == 'A' ? 'T' : 'A';
    SetAdiabaticPrompt(ExpansionModeLetter);
}

void TForm1::Run1Click(TControl*) { RunCalculation(); }
void TForm1::RunbuttonClick(TControl*) { RunCalculation(); }

}  // namespace tubalyx
