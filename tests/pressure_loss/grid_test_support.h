#pragma once
// The resistance grid the catalogue tests start from: English captions, the pressure-loss
// function, an empty grid of 10-point font and the start values of the fitting arrays.
#include "numerics/decimal_separator.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/reset.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "state/valve_state.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"

namespace tubalyx::gridtest {

inline void ResetResistanceGrid() {
    ResetStateVariables();
    SetDecimalSeparator(',');
    CalcFunction = "Tryckf";
    ValveSubtype = "VE";
    TStringGrid& grid = Form1().Motstandgrid;
    for (int col = 0; col <= 50; ++col)
        for (int row = 1; row <= 8; ++row) grid.SetCell(col, row, "");
    LanguageLetter = 'E';
    ApplyLanguage('E');
    grid.SetFontSize(10);
    grid.SetHint("hint");
    PipeRoughnessMm = 0.05;
    Form1().PaintBox1.SetVisible(true);
    Form1().PaintBox1.Canvas().Clear();
}

}  // namespace tubalyx::gridtest
