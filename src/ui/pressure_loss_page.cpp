#include "ui/pressure_loss_page.h"

#include <algorithm>
#include <string>

#include "numerics/text_utils.h"
#include "reports/fitting_table_report.h"
#include "reports/report_window.h"
#include "state/grid_rows.h"
#include "state/keywords.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_data.h"
#include "texts/page_texts.h"
#include "texts/window_access.h"
#include "ui/form1.h"
#include "ui/medium_questionnaire.h"
#include "ui/questionnaire.h"
#include "ui/questionnaire_detail.h"

namespace tubalyx {

namespace {

// The grid stands this far right of the questionnaire's left column.
constexpr int kGridIndent = 10;
// The fitting columns the grid shows at least beside its labels; the rest scroll.
constexpr int kShownFittingColumns = 8;

void ShowTubeLengthInput(char kind, int& layoutTop) {
    TForm1& f = Form1();
    f.rorlangdtextin.SetCaption(ByLanguage(page_text::TubeLengthPrompt));
    questionnaire::PlaceLine(f.rorlangdtextin, &f.matstrack, nullptr, layoutTop);
    if (!questionnaire::WritesReport(kind)) return;
    // The value takes six characters, a separator included.
    const int width = ReportSeparator.empty() ? 6 : 5;
    AppendReportLine(f.rorlangdtextin.Caption() + ReportSeparator + PadLeft(f.matstrack.Text(), width));
}

// The label column as wide as its fixed labels (those of a fitting's parameters show whole
// when the mouse is over the column); the grid as wide as the window beside its indent, and
// never narrower than the labels and the first fitting columns; all nine rows high with room
// for the scroll bar that reaches the other columns.
void SizeResistanceGrid(TStringGrid& grid, int availableWidth) {
    int longest = 0;
    for (int row = 0; row < kFirstParameterRow; ++row) longest = std::max(longest, Utf8Length(grid.Cell(0, row)));
    grid.SetColWidth(0, std::max(1, grid.Font().Size - 2) * (longest + 1));
    const int line = grid.GridLineWidth();
    int shown = line;
    for (int c = 0; c <= kShownFittingColumns; ++c) shown += grid.ColWidth(c) + line;
    grid.SetWidth(std::max(availableWidth, shown));
    int height = line + kScrollBarSize;
    grid.SetRowCount(kResistanceGridRows);
    for (int r = 0; r < kResistanceGridRows; ++r) height += grid.RowHeight(r) + line;
    grid.SetHeight(height);
}

void ShowResistanceGrid(int& layoutTop) {
    TForm1& f = Form1();
    f.PUNKTMOTSTAND.SetCaption(ByLanguage(page_text::ResistancesHeading));
    f.PUNKTMOTSTAND.SetTop(layoutTop);
    f.PUNKTMOTSTAND.SetLeft(f.RAPPORT.Left());
    f.PUNKTMOTSTAND.SetVisible(true);
    layoutTop = questionnaire::BottomEdge(f.PUNKTMOTSTAND);
    TStringGrid& grid = f.Motstandgrid;
    grid.SetTop(layoutTop);
    if (f.HorzScrollBar().Position == 0) grid.SetLeft(kGridIndent);
    SizeResistanceGrid(grid, f.ClientWidth() - kGridIndent);
    grid.SetVisible(true);
    questionnaire::TakeTabOrder(grid);
    PlaceBelowResistanceGrid();
    layoutTop = questionnaire::BottomEdge(grid);
}

bool AnyFittingWithContent() {
    for (int c = 1; c <= kFittingColumnCount; ++c)
        if (FittingColumnHasContent(c)) return true;
    return false;
}

}  // namespace

void ShowPressureLossInput(char kind, int& layoutTop) {
    const bool line = CalcFunction == kFunctionPressureLoss;
    WriteMediumDataSection(kind, layoutTop);
    ShowVapourCriticalPressureInput(kind, layoutTop);
    if (line) ShowTubeLengthInput(kind, layoutTop);
    ShowTubeDiameterInput(kind, layoutTop);
    ShowRoughnessInput(kind, layoutTop);
    ShowMaxFlowInput(kind, layoutTop);
    if (!line) return;
    ShowAdiabaticOption(kind, layoutTop);
    ShowResistanceGrid(layoutTop);
    if (questionnaire::WritesReport(kind) && AnyFittingWithContent()) WriteFittingTable();
}

void PlaceBelowResistanceGrid() { LayoutTop = questionnaire::BottomEdge(Form1().Motstandgrid); }

}  // namespace tubalyx
