#pragma once
// The resistance grid the catalogue tests start from: English captions, the pressure-loss
// function, an empty grid of 10-point font and the start values of the fitting arrays.
#include "flow/flow_state.h"
#include "numerics/decimal_separator.h"
#include "state/resistance_grid_state.h"
#include "state/valve_state.h"
#include "texts/caption_sets.h"
#include "texts/prompt_state.h"
#include "ui/form1.h"
#include "ui/selection_state.h"

namespace tubalyx::gridtest {

inline void ResetResistanceGrid() {
    SetDecimalSeparator(',');
    CalcFunction = "Tryckf";
    ValveSubtype = "VE";
    TStringGrid& grid = Form1().Motstandgrid;
    for (int col = 0; col <= kFittingColumnCount; ++col)
        for (int row = 1; row <= 8; ++row) grid.SetCell(col, row, "");
    LanguageLetter = 'E';
    ApplyLanguage('E');
    grid.SetFontSize(10);
    grid.SetHint("hint");
    ResistanceKind.fill(0);
    ResistanceZeta.fill(0);
    ResistancePosition.fill(0);
    ResistanceParamA.fill(20);
    ResistanceParamB.fill(100);
    BranchDiagramMarker = 0;
    PipeRoughnessMm = 0.05;
    Form1().PaintBox1.SetVisible(true);
    Form1().PaintBox1.Canvas().Clear();
}

}  // namespace tubalyx::gridtest
