// A run takes the compensation table back to its limits and request texts: the table of the
// last "Run" of the table page belongs to the calculation before.
#include <gtest/gtest.h>

#include "numerics/decimal_separator.h"
#include "state/inputs.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "support/start_up_edits.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"
#include "ui/run_driver.h"

namespace tubalyx {
namespace {

TEST(CompensationRun, RunResetsTheTable) {
    SetDecimalSeparator(',');
    TForm1& f = Form1();
    LanguageLetter = 'E';
    ApplyLanguage('E');
    CalcFunction = "Termo";
    MediumCode = "VAT";
    PressureUnit = "kPa";
    f.abstrycksort.SetText("kPa");
    PressureMinInput = PressureMaxInput = 500.0;
    TemperatureMinC = TemperatureMaxC = 20.0;
    DensityTableReady = true;
    CompTableMedium = MediumCode;
    f.PTKompgrid.SetCell(5, 2, "998,2");
    testsupport::WriteStartUpEdits();
    RunCalculation();
    EXPECT_FALSE(DensityTableReady);
    EXPECT_EQ(CompTableMedium, "");
    EXPECT_EQ(f.PTKompgrid.Cell(5, 2), "");
    EXPECT_EQ(f.PTKompgrid.Cell(1, 1), "500,0000");
    EXPECT_EQ(f.PTKompgrid.Cell(0, 2), "Density  (kg/m3)");
    EXPECT_EQ(f.PThelp.Caption(), "Calculate density(P,T)=FIRST MAIN CALCULATION,then this!");
}

}  // namespace
}  // namespace tubalyx
