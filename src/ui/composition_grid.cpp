#include "ui/composition_grid.h"

#include "forms/string_grid.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "state/composition.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {

void SumColumns(TStringGrid& grid) {
    for (int col = 2; col <= 5; ++col) {
        double sum = 0.0;
        for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) sum += StrToFloatSafe(grid.Cell(col, row));
        grid.SetCell(col, kMixtureSumRow, FormatFixed(sum, 7));
    }
}

}  // namespace

void SumMixtureColumns() {
    SumColumns(Form1().ViktVolprocGrid);
    SumColumns(Form1().ViktVolprocgridfukt);
}

}  // namespace tubalyx
