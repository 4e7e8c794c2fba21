#include "ui/calculation_reset.h"

#include "forms/edit.h"
#include "forms/string_grid.h"
#include "state/reset.h"
#include "ui/form1.h"

namespace tubalyx {

void ResetCalculationState() {
    ResetStateVariables();
    for (TControl* control : Form1().Controls()) {
        if (auto* grid = dynamic_cast<TStringGrid*>(control)) grid->ClearCells();
        if (auto* edit = dynamic_cast<TEdit*>(control)) edit->SetText("");
    }
    // The change handlers of the cleared edits read them into the state: start it again.
    ResetStateVariables();
}

}  // namespace tubalyx
