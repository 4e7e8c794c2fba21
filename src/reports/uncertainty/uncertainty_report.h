#pragma once
// The results of the uncertainty budget: into the grid Felsimulgrid (three digits, one number
// per source and flow point, the means in column 12) and, from the grid's visible rows, as a
// table inserted in the report window below the newest report.

namespace tubalyx {

// Columns 1 to 11 and the flow axis from the source arrays; the rows laid out again.
void WriteUncertaintyResultsToGrid();
// Column 12 of the source rows from SourceMeanValues.
void WriteSourceMeansToGrid();
// Column 12 of the two totals (trapezoidal mean over the points) and the humidity row.
void WriteTotalMeansToGrid();
// Nothing unless UncertaintyRunOk. The section goes below the first NewestReportLineCount
// lines and above the earlier reports; ReportLinesWritten marks where its table begins.
void WriteUncertaintyReport();

// The budget of the Run label, after the inputs have been read from the window: the grid read,
// the means over ten sub-ranges, the run over the whole range and the results in the grid.
// On failure the result cells are emptied. The label shows "Run" in yellow or, in red, the
// request to run the calculation first. After a run that ended in the input error nothing is
// computed: the label and a red line below the newest report say so. Returns UncertaintyRunOk.
bool RunUncertaintyBudget();

}  // namespace tubalyx
