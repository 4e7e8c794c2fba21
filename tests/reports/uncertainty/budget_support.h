#pragma once
// Shared set-up of the uncertainty budget tests: an orifice plate sized by a real run of the
// primary-device calculation, and the uncertainty grid with the usual inputs of column 1.
#include <string>
#include <vector>

#include "flow/design_duties.h"
#include "numerics/decimal_separator.h"
#include "reports/report_window.h"
#include "state/selections.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"
#include "ui/run_driver.h"

namespace tubalyx::budgettest {

// Column 1, rows 3 to 18, of a grid the user has not changed (comma platform).
inline const char* const kDefaultInputs[] = {" 0,1", "   0", "J",    " 0,1", "   0", "0,01", " 0,1", "   1",
                                             " 0,1", " 0,1", " 0,1", "   1", "   1", " 0,1", " 0,5", "   1"};

inline void DefaultGrid() {
    TStringGrid& g = Form1().Felsimulgrid;
    g.SetColCount(13);
    g.SetRowCount(MediumCode == "NGAS" ? 28 : 23);
    g.ClearCells();
    for (int row = 3; row <= 18; ++row) g.SetCell(1, row, kDefaultInputs[row - 3]);
    for (int col = 2; col <= 11; ++col) g.SetCell(col, 0, std::to_string(10 * (col - 1)));
    if (MediumCode == "NGAS")
        for (int row = 19; row <= 23; ++row) g.SetCell(1, row, "   1");
}

// Column 1 of rows 3 to 18 all zero: a budget of nothing.
inline void ZeroGrid() {
    TStringGrid& g = Form1().Felsimulgrid;
    for (int row = 3; row <= 18; ++row)
        if (row != 5) g.SetCell(1, row, "0");
}

// An orifice with corner tappings, DN100 water at 5 bar and 20 degrees C, 50 t/h at a
// design dp of 25 kPa, bore solved; the run leaves the state the budget starts from.
inline void RunWaterOrifice(const char* size = "Small") {
    SetDecimalSeparator(',');
    designtest::WaterDuty();
    SolveFor = "DI", UpstreamFittingCode = "0", MaxFlowGivenFlag = "V";
    MinFlowInput = 15000.0, FlowNormalDensity = 1.0, PipeDiameterColdMm = 100.0, PipeRoughnessMm = 0.0;
    PressureUnit = "kPa", PressureMinInput = PressureMaxInput = 500.0;
    TForm1& f = Form1();
    f.difftryckmaxantal.SetText("25");
    f.difftryckmaxsort.SetText("kPa");
    f.litenstor.SetCaption(size);
    f.ViktVolprocGrid.SetVisible(false);
    f.relabsspecfukt.SetText("");
    for (TRichEdit* e : {&f.RichEdit1, &f.RichEdit4, &f.RichEdit5}) e->Clear();
    WriteInputsToForm();
    RunCalculation();
    DefaultGrid();
}

inline std::vector<std::string> ReportLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
    return lines;
}

}  // namespace tubalyx::budgettest
