#include "ui/pressure_loss_page.h"

#include <string>

#include "numerics/text_utils.h"
#include "reports/fitting_table_report.h"
#include "reports/report_window.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_data.h"
#include "texts/window_access.h"
#include "ui/form1.h"
#include "ui/questionnaire.h"
#include "ui/questionnaire_detail.h"

namespace tubalyx {

namespace {

// {Swedish, German, English}
constexpr LangText kTubeLengthPrompt{"Längd på rörledning?_________________________________(m) ",
                                     "Rohrstrecke?_________________________________________(m) ",
                                     "Tubelength?__________________________________________(m) "};
constexpr LangText kResistancesHeading{"PUNKTMOTSTÅND", "WIEDERSTANDEN", "RESISTANCES"};
// The grid stands this far right of the questionnaire's left column.
constexpr int kGridIndent = 10;

const char* Text(const LangText& text) { return TextOrSwedish(text, LanguageLetter); }

void ShowTubeLengthInput(char kind, int& layoutTop) {
    TForm1& f = Form1();
    f.rorlangdtextin.SetCaption(Text(kTubeLengthPrompt));
    questionnaire::PlaceLine(f.rorlangdtextin, &f.matstrack, nullptr, layoutTop);
    if (!questionnaire::WritesReport(kind)) return;
    // The value takes six characters, a separator included.
    const int width = ReportSeparator.empty() ? 6 : 5;
    AppendReportLine(f.rorlangdtextin.Caption() + ReportSeparator + PadLeft(f.matstrack.Text(), width));
}

void ShowResistanceGrid(int& layoutTop) {
    TForm1& f = Form1();
    f.PUNKTMOTSTAND.SetCaption(Text(kResistancesHeading));
    f.PUNKTMOTSTAND.SetTop(layoutTop);
    f.PUNKTMOTSTAND.SetLeft(f.RAPPORT.Left());
    f.PUNKTMOTSTAND.SetVisible(true);
    layoutTop = questionnaire::BottomEdge(f.PUNKTMOTSTAND);
    TStringGrid& grid = f.Motstandgrid;
    grid.SetTop(layoutTop);
    if (f.HorzScrollBar().Position == 0) grid.SetLeft(kGridIndent);
    grid.SetVisible(true);
    grid.SetTabOrder(InputTabOrder++);
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
    const bool line = CalcFunction == "Tryckf";
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
