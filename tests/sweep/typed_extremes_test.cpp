// Shares typed at the ends of the number range: the composition grids show numbers, or keep
// what they had, but never a non-number, whatever the medium and whichever column is typed.
#include <gtest/gtest.h>

#include <string>

#include "numerics/decimal_separator.h"
#include "state/selections.h"
#include "support/start_up_edits.h"
#include "ui/calculation_reset.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"

namespace tubalyx {
namespace {

bool NonNumber(const std::string& text) {
    return text.find("INF") != std::string::npos || text.find("NAN") != std::string::npos;
}

TEST(TypedExtremes, CompositionGridsShowNoNonNumberAfterAShareAtTheEndOfTheRange) {
    SetDecimalSeparator('.');
    TForm1& f = Form1();
    for (const char* medium : {"G", "NGAS", "VÄT"}) {
        for (const char* typed : {"1e300", "-1e300", "1.7e308"}) {
            for (int col = 2; col <= 5; ++col) {
                ResetCalculationState();
                MediumCode = medium;
                SetupCompositionGrids();
                testsupport::WriteStartUpEdits();
                // A low operating pressure and temperature, as typed.
                f.abstryckantal.UserSetText("1");
                f.temp.UserSetText("1");
                ReadInputsFromForm();
                f.ViktVolprocGrid.SetCell(col, 3, typed);
                f.ViktVolprocGridSetEditText(&f.ViktVolprocGrid, col, 3, typed);
                f.ViktVolprocGridKeyUp(&f.ViktVolprocGrid, 0, 0);
                f.ViktVolprocGridExit(&f.ViktVolprocGrid);
                for (TStringGrid* grid : {&f.ViktVolprocGrid, &f.ViktVolprocgridfukt})
                    for (int c = 2; c <= 5; ++c)
                        for (int row = 2; row <= 11; ++row)
                            EXPECT_FALSE(NonNumber(grid->Cell(c, row)))
                                << medium << " " << typed << " into column " << col << ": " << grid->Name() << "[" << c
                                << "," << row << "] = " << grid->Cell(c, row);
            }
        }
    }
}

}  // namespace
}  // namespace tubalyx
