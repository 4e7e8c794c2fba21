// Handlers of the grids, and of the composition grid's component pop-up item "Radera".
#include <algorithm>

#include "media/gas_mixture.h"
#include "media/reference_density.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "state/composition.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/calculation_window.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {

// A composition the property routines cannot evaluate leaves the grid as it stands; the run
// reports the input error.
template <class Step>
void Guarded(Step step) {
    try {
        step();
    } catch (const CalcError&) {
    }
}

void EvaluateMixture() {
    CalcMixtureProperties(4);
    CalcMixtureProperties(3);
    SetMixtureComponent();
}

// The component rows, where column 0 opens the component menu.
bool IsComponentRow(const TStringGrid& grid, int row) { return row > 1 && row < grid.RowCount() - 1; }

void HideGroupBox() {
    if (Form1().GroupBox1.Visible()) Form1().GroupBox1.SetVisible(false);
}

void OpenComponentMenuAt(int row) {
    OpenComponentMenu(row);
    MixtureRow = row;
}

}  // namespace

// The uncertainty grid reacts to clicks and mouse moves, not to typed keys.
void TForm1::FelsimulgridKeyPress(TControl*, char) {}
// The hot-water grid of that page has no behaviour.
void TForm1::FjrreffektosakMouseDown(TControl*, TMouseButton, TShiftState, int, int) {}

// The composition grids act on mouse up and down; a click alone, and moving to any cell, change nothing.
void TForm1::ViktVolprocGridClick(TControl*) {}
void TForm1::ViktVolprocGridSelectCell(TControl*, int, int, bool&) {}

void TForm1::ViktVolprocGridSetEditText(TControl*, int col, int row, const std::string&) {
    if (col < 2 || col > 5) return;
    MixtureRow = row;
    Guarded([&] {
        RecalcMixtureGrid(col, row);
        ApplyFlowUnit();
    });
    const int last = std::min(ViktVolprocGrid.RowCount() - 1, kMixtureRows - 1);
    for (int r = 2; r <= last; ++r) MixtureFraction[r] = StrToFloatSafe(ViktVolprocGrid.Cell(2, r));
}

void TForm1::ViktVolprocGridMouseDown(TControl*, TMouseButton, TShiftState, int x, int y) {
    int col = -1, row = -1;
    ViktVolprocGrid.MouseToCell(x, y, col, row);
    if (col == 0 && row == 0) {
        if (MixtureEditColumn < 2 || MixtureEditColumn > 5) MixtureEditColumn = 5;
        Guarded(UpdateHumidityRow);
        if (ViktVolprocGrid.Visible()) {
            ViktVolprocgridfukt.SetVisible(true);
            ViktVolprocGrid.SetVisible(false);
        } else if (ViktVolprocgridfukt.Visible()) {
            ViktVolprocgridfukt.SetVisible(false);
            ViktVolprocGrid.SetVisible(true);
        }
        SumMixtureColumns();
    } else if (col == 0 && row == 1 && (MediumCode == "NGAS" || MediumCode == "G")) {
        ShowCompositionHelp();
    }
}

void TForm1::ViktVolprocGridMouseUp(TControl*, TMouseButton, TShiftState, int x, int y) {
    int col = -1, row = -1;
    ViktVolprocGrid.MouseToCell(x, y, col, row);
    if (col == 0 && row == 0) {
        Guarded(UpdateHumidityRow);
        SumMixtureColumns();
    }
    HideGroupBox();
    // The clicked cell is the grid's current one.
    if (col == 0 && IsComponentRow(ViktVolprocGrid, row) && !Memo2.Visible() && MediumCode != "NGAS")
        OpenComponentMenuAt(row);
}

void TForm1::ViktVolprocGridKeyUp(TControl*, int, TShiftState) {
    CopyToHumidityGrid(MediumCode == "NGAS");
    Guarded([] {
        EvaluateMixture();
        UpdateHumidityRow();
    });
    HideGroupBox();
    const int row = ViktVolprocGrid.Row();
    if (ViktVolprocGrid.Col() == 0 && IsComponentRow(ViktVolprocGrid, row) && MediumCode != "NGAS")
        OpenComponentMenuAt(row);
}

void TForm1::ViktVolprocGridKeyPress(TControl*, char) { MixtureEditColumn = ViktVolprocGrid.Col(); }

void TForm1::ViktVolprocGridExit(TControl*) {
    CopyToHumidityGrid(false);
    Guarded(EvaluateMixture);
}

void TForm1::ViktVolprocgridfuktMouseDown(TControl*, TMouseButton, TShiftState, int x, int y) {
    int col = -1, row = -1;
    ViktVolprocgridfukt.MouseToCell(x, y, col, row);
    if (col != 0 || row != 0) return;
    if (ViktVolprocGrid.Visible()) {
        CopyToHumidityGrid(false);
        ViktVolprocgridfukt.SetVisible(true);
        ViktVolprocGrid.SetVisible(false);
    } else if (ViktVolprocgridfukt.Visible()) {
        ViktVolprocgridfukt.SetVisible(false);
        ViktVolprocGrid.SetVisible(true);
    }
}

void TForm1::RaderaClick(TControl*) {
    // Only the components of a gas mixture can be removed, and only component rows.
    if (MediumCode != "G" || MixtureRow < kMixtureFirstRow || MixtureRow > kMixtureLastRow) return;
    MixtureComponentKeyword[MixtureRow] = "";
    for (int col = 0; col <= 5; ++col) ViktVolprocGrid.SetCell(col, MixtureRow, "");
    GroupBox1.SetVisible(false);
    Guarded(EvaluateMixture);
}

}  // namespace tubalyx
