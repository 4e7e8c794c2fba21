#include "pressure_loss/resistance_grid_input.h"

#include <cmath>
#include <string>

#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "pressure_loss/fitting_catalogue.h"
#include "state/resistance_grid_state.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

double Cell(int column, int row) { return StrToFloatSafe(CalculationWindow().Motstandgrid.Cell(column, row)); }

void ReadParameters(int c) {
    const int kind = ResistanceKind[c];
    if ((kind >= 60 && kind <= 64) || kind == 31 || kind == 34) {
        ResistanceParamB[c] = Cell(c, 6);
    } else if (kind >= 10 && kind <= 16) {
        // The bend's roughness; its piece count is read when its zeta is computed.
        const double roughness = Cell(c, 7);
        ResistanceParamB[c] = roughness > 0 ? roughness : 0.0;
    } else if (kind == 30) {
        ResistanceParamA[c] = Cell(c, 6);
        ResistanceParamB[c] = Cell(c, 7);
    } else if (kind == 1 || kind == 32 || kind == 33 || kind == 47 || (kind >= 70 && kind <= 73)) {
        ResistanceParamA[c] = Cell(c, 6);
    } else if (kind == 81) {
        HeightRowRise[c] = Cell(c, 6);
        HeightRowLength[c] = Cell(c, 7);
        // A rise needs at least its own length of pipe.
        if (std::fabs(HeightRowLength[c]) <= std::fabs(HeightRowRise[c]))
            CalculationWindow().Motstandgrid.SetCell(c, 7, FormatGeneral(std::fabs(HeightRowRise[c])));
        HeightRowLength[c] = std::fabs(Cell(c, 7));
    }
}

}  // namespace

void RecalcResistanceGrid() {
    for (int c = 1; c <= kFittingColumnCount; ++c) {
        ResistanceZeta[c] = Cell(c, 2);
        ResistancePosition[c] = Cell(c, 3);
        ReadParameters(c);
    }
}

void RefreshResistanceGrid() {
    for (int c = 1; c <= kFittingColumnCount; ++c) DispatchResistanceColumn(c);
}

}  // namespace tubalyx
