// Handlers of the uncertainty page: the clicks of its grid and its "Run" label; and the
// label that appends the data sheet of the primary device.
#include "forms/screen.h"
#include "reports/data_sheet.h"
#include "reports/uncertainty/uncertainty_grid.h"
#include "reports/uncertainty/uncertainty_report.h"
#include "ui/form1.h"
#include "ui/run_driver.h"

namespace tubalyx {

// Both grids share the handler; the cell is always that of Felsimulgrid under the point.
void TForm1::FelsimulgridMouseDown(TControl*, TMouseButton, TShiftState, int x, int y) {
    int col = -1, row = -1;
    Felsimulgrid.MouseToCell(x, y, col, row);
    if (col < 0 || row < 0) return;
    ToggleSquareRootCell(col, row);
    CycleDensityErrorCaption(col, row);
    if (ToggleSortedView(col, row) || InSortedView()) return;
    if (TogglePercentBase(col, row)) return;
    ToggleTransmitterCount(col, row);
}

// The budget starts from the calculation state the last run left. The edits are not read
// again: for a solved bore (or flow, or dp) they hold the typed value, not the result, and a
// budget of a bore that was not calculated would be plainly wrong.
void TForm1::FelsimulrubrikClick(TControl*) {
    {
        THourGlassCursor hourglass;
        RunUncertaintyBudget();
    }
    WriteUncertaintyReport();
    FillUncertaintyGridRows();
}

// The sheet goes below everything the report holds: the window shows its first line.
void TForm1::DSAprintClick(TControl*) {
    const int first = RichEdit1.LineCount();
    PrintDataSheet();
    ShowReportLine(first);
}

}  // namespace tubalyx
