// Handlers of the unit-conversion page Sortergrid and the paint event of PaintBox1.
#include "pressure_loss/branch_fittings.h"
#include "state/keywords.h"
#include "state/pressure_loss_state.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/flow_graphs.h"
#include "ui/form1.h"
#include "ui/unit_grid.h"

namespace tubalyx {

namespace {

constexpr int kFlowCol = 2, kDensityCol = 4, kViscosityCol = 5;
constexpr int kLastPressureRow = 18;
constexpr int kDensityRows[] = {6, 18, 24};

// Typed values go next to a unit; the fixed texts (units, notes, the density help) stay.
bool EditableCell(const TStringGrid& grid, int col, int row) {
    if (col == kDensityCol) {
        for (int r : kDensityRows)
            if (row == r) return true;
        return false;
    }
    if (col == 0) return row >= 0 && row <= kLastPressureRow;
    const bool valueColumn = col == kFlowCol || col == kViscosityCol || col == 7;
    return valueColumn && !grid.Cell(col + 1, row).empty();
}

// One step of the saved scroll position toward the selected cell.
void ScrollTowards(TForm1& f, const TStringGrid& grid, int col, int row) {
    const int rowHeight = grid.DefaultRowHeight(), line = grid.GridLineWidth();
    int v = UnitGridSavedVert, h = UnitGridSavedHorz;
    if (f.ClientHeight() + v - rowHeight < (row + 2) * rowHeight)
        v += rowHeight + line;
    else if (v > rowHeight * row)
        v -= rowHeight + line;
    int right = 0;
    for (int c = 0; c <= col; ++c) right += grid.ColWidth(c) + line;
    const int width = grid.ColWidth(col);
    if (f.ClientWidth() + h < right)
        h += width + line;
    else if (right - width < h)
        h -= width + line;
    f.SetVertScrollPosition(v);
    f.SetHorzScrollPosition(h);
}

}  // namespace

void TForm1::SortergridSelectCell(TControl*, int col, int row, bool&) {
    UnitGridCol = col;
    UnitGridRow = row;
    if (col == kFlowCol) UnitGridFlowSourceRow = row;
    if (col == kViscosityCol) UnitGridViscositySourceRow = row;
    Sortergrid.SetEditing(EditableCell(Sortergrid, col, row));
    ScrollTowards(*this, Sortergrid, col, row);
}

void TForm1::SortergridMouseMove(TControl*, TShiftState, int, int) {
    UnitGridSavedHorz = HorzScrollBar().Position;
    UnitGridSavedVert = VertScrollBar().Position;
}

void TForm1::SortergridKeyUp(TControl*, int key, TShiftState) {
    if (!Sortergrid.Editing() || !UnitGridRecalcKey(key)) return;
    RecalcUnitGrid(UnitGridCol, UnitGridRow);
    if (UnitGridCol == kDensityCol) {
        RecalcUnitGrid(kFlowCol, UnitGridFlowSourceRow);
        RecalcUnitGrid(kViscosityCol, UnitGridViscositySourceRow);
    }
}

void TForm1::PaintBox1Paint(TControl*) {
    if (CalcFunction == kFunctionPrimaryDevice && DeviceCode != kDeviceVolumeMeter) {
        DrawFlowGraph();
    } else if (CalcFunction == kFunctionPressureLoss) {
        const int column = SelectedResistanceColumn;
        if (column >= 1 && column <= kFittingColumnCount && IsBranchKind(ResistanceKind[column]))
            PaintBranchDiagram(ResistanceKind[column]);
    } else if (CalcFunction == kFunctionFlow) {
        DrawFlowProfile();
    }
}

}  // namespace tubalyx
