#include "ui/layout_controls.h"

#include <cmath>
#include <cstdlib>

#include "forms/screen.h"
#include "numerics/text_utils.h"
#include "reports/uncertainty/uncertainty_grid.h"
#include "state/keywords.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/flow_graphs.h"
#include "ui/form1.h"
#include "ui/unit_grid.h"
#include "ui/window_metrics.h"

namespace tubalyx {

namespace {

int FontHeightOf(const TControl& c) { return std::abs(c.Font().Height()); }
int RightOf(const TControl& c) { return c.Left() + c.Width(); }
int BottomOf(const TControl& c) { return c.Top() + c.Height(); }

void SetFonts(TForm1& f, int F) {
    // clang-format off
    for (TControl* c : {(TControl*)&f.kodkomment, (TControl*)&f.Label1, (TControl*)&f.DSAprint,
                        (TControl*)&f.fattringtextin, (TControl*)&f.densdriftbgtextin, (TControl*)&f.Motstandgrid,
                        (TControl*)&f.Feltext, (TControl*)&f.Felsimulrubrik, (TControl*)&f.Felsimulflrubrik,
                        (TControl*)&f.felsimulfl2rubrik, (TControl*)&f.bermetoderrtextin, (TControl*)&f.Pmin,
                        (TControl*)&f.Pmax, (TControl*)&f.Trycktemplabel, (TControl*)&f.PTberfeltext,
                        (TControl*)&f.PTberfel, (TControl*)&f.kod, (TControl*)&f.BigBlock, (TControl*)&f.Matain,
                        (TControl*)&f.Label2, (TControl*)&f.PThelp, (TControl*)&f.Z0Zn, (TControl*)&f.fdens_mat,
                        (TControl*)&f.grafblack})
        c->SetFontSize(F);
    // clang-format on
    for (TControl* c : {(TControl*)&f.ViktVolprocGrid, (TControl*)&f.ViktVolprocgridfukt, (TControl*)&f.Felsimulgrid,
                        (TControl*)&f.Fjrreffektosak, (TControl*)&f.PTKompgrid, (TControl*)&f.PTmaxerror,
                        (TControl*)&f.ZLabel, (TControl*)&f.Tmax})
        c->SetFontSize(F * 9 / 10);
    for (TControl* c : {(TControl*)&f.RAPPORT, (TControl*)&f.sidhuvud, (TControl*)&f.sidfot})
        c->SetFontSize(F * 12 / 10);
    for (TControl* c : {(TControl*)&f.osrubrik, (TControl*)&f.Graftext}) c->SetFontSize(F * 15 / 10);
}

void LayoutPropertyBox(TForm1& f) {
    f.GroupBox1.SetClientWidth(static_cast<int>(std::lround(f.rbg.Width() * 2.2 + f.densdriftbgtextin.Width())));
    const int editLeft = RightOf(f.densdriftbgtextin);
    for (TEdit* e :
         {&f.rbg, &f.qbg, &f.q40bg, &f.q100bg, &f.cpbg, &f.cvbg, &f.krittempbg, &f.molekylviktbg, &f.entalpibg})
        e->SetLeft(editLeft);
    f.Z1bg.SetLeft(RightOf(f.Z1bgtextin));
    f.Znbg.SetLeft(RightOf(f.Znbgtextin));
    const std::pair<TEdit*, TEdit*> units[] = {
        {&f.qbgsort, &f.qbg}, {&f.q40bgsort, &f.q40bg}, {&f.q100bgsort, &f.q100bg}};
    for (auto [unit, value] : units) {
        unit->SetLeft(RightOf(*value));
        unit->SetTop(value->Top());
    }
    // Inside the box the keyboard goes row by row, each value before its unit.
    int order = 0;
    for (TEdit* e : {&f.rbg, &f.qbg, &f.qbgsort, &f.q40bg, &f.q40bgsort, &f.q100bg, &f.q100bgsort, &f.cpbg, &f.cvbg,
                     &f.molekylviktbg, &f.krittempbg, &f.entalpibg, &f.Z1bg, &f.Znbg})
        e->SetTabOrder(order++);
}

void LayoutResistanceGrid(TStringGrid& grid) {
    const int fs = grid.Font().Size;
    grid.SetDefaultRowHeight(FontHeightOf(grid) + 3);
    grid.SetDefaultColWidth(fs * 3 * 17 / 20);
    for (int col = 1; col < grid.ColCount(); ++col) {
        const std::string& heading = grid.Cell(col, 0);
        grid.SetColWidth(col, heading.empty() ? 0 : (fs - 2) * (Utf8Length(heading) + 1));
    }
    grid.SetColCount(51);
    const int h = grid.DefaultRowHeight(), g = grid.GridLineWidth();
    grid.SetHeight((h + g) * grid.RowCount() + g + 5);
}

void LayoutCompositionGrid(TStringGrid& grid) {
    const int w = CharWidth(grid.Font().Size);
    grid.SetDefaultRowHeight(FontHeightOf(grid) + 3);
    grid.SetDefaultColWidth(10 * w);
    grid.SetColWidth(1, 40 * w);
    const int h = grid.DefaultRowHeight(), g = grid.GridLineWidth();
    grid.SetClientHeight((h + g) * grid.RowCount() + g);
    int width = 0;
    for (int col = 0; col <= 5; ++col) width += grid.ColWidth(col);
    grid.SetClientWidth(width + 6 * g);
    grid.SetCell(3, 1, "0 C,101325 PaA");
}

void LayoutUncertaintyGrid(TStringGrid& grid) {
    const int w = CharWidth(grid.Font().Size), g = grid.GridLineWidth();
    grid.SetDefaultColWidth(5 * w);
    grid.SetColWidth(0, 40 * w);
    grid.SetColWidth(1, 9 * w);
    grid.SetClientWidth(grid.ColWidth(0) + grid.ColWidth(1) + 11 * grid.DefaultColWidth() + 12 * g);
}

void LayoutSpringGrid(TStringGrid& grid) {
    const int w = CharWidth(grid.Font().Size), g = grid.GridLineWidth();
    // Hidden rows (height 0) stay hidden.
    for (int row = 0; row < grid.RowCount(); ++row)
        if (grid.RowHeight(row) != 0) grid.SetRowHeight(row, FontHeightOf(grid) + 3);
    grid.SetDefaultColWidth(5 * w);
    grid.SetFixedRows(0);
    grid.SetColWidth(0, 40 * w);
    grid.SetColWidth(1, 9 * w);
    for (int col = 2; col <= 10; ++col) grid.SetColWidth(col, 5 * w);
    const int n = grid.ColCount();
    grid.SetClientWidth(grid.ColWidth(0) + grid.ColWidth(1) + (n - 2) * grid.DefaultColWidth() + (n - 1) * g);
    int height = 0;
    for (int row = 0; row < grid.RowCount(); ++row) height += grid.RowHeight(row) + g;
    grid.SetClientHeight(height);
}

void LayoutCompensationGrid(TStringGrid& grid) {
    const int w = CharWidth(grid.Font().Size), g = grid.GridLineWidth();
    grid.SetDefaultRowHeight(FontHeightOf(grid) + 3);
    grid.SetDefaultColWidth(6 * w + g);
    grid.SetColWidth(0, 20 * w + g);
    const int cols = grid.ColCount(), rows = grid.RowCount();
    grid.SetClientWidth(grid.ColWidth(0) + grid.ColWidth(1) * (cols - 1) + (cols + 1) * g);
    grid.SetClientHeight(grid.RowHeight(0) * rows + (rows + 1) * g);
}

// Right of the report window, from the top; "below" a control is its bottom edge.
void LayoutCompensationBlock(TForm1& f) {
    f.Pmin.SetLeft(RightOf(f.RichEdit1));
    f.Pmax.SetLeft(RightOf(f.RichEdit1));
    const int R = RightOf(f.Pmax);
    TStringGrid& grid = f.PTKompgrid;
    grid.SetLeft(R);
    f.Trycktemplabel.SetBounds(R, f.ISODIN.Top(), f.Trycktemplabel.Width(), f.Trycktemplabel.Height());
    f.PTberfeltext.SetLeft(R);
    f.PTberfeltext.SetTop(BottomOf(f.Trycktemplabel));
    f.PTberfel.SetLeft(RightOf(f.PTberfeltext));
    f.PTberfel.SetTop(f.PTberfeltext.Top());
    f.PTmaxerror.SetLeft(R);
    f.PTmaxerror.SetTop(BottomOf(f.PTberfel));
    f.kod.SetLeft(f.PTmaxerror.Left());
    f.kod.SetTop(BottomOf(f.PTmaxerror));
    f.BigBlock.SetLeft(RightOf(f.kod) + 5);
    f.BigBlock.SetTop(f.kod.Top());
    f.Matain.SetLeft(R);
    f.Matain.SetTop(BottomOf(f.kod));
    f.Label2.SetLeft(R);
    f.Label2.SetTop(BottomOf(f.Matain));
    f.ZLabel.SetLeft(grid.Left() + grid.ColWidth(0));
    f.ZLabel.SetTop(f.Label2.Top());
    // The grid hangs below the Z heading where it stands now, not where an earlier layout
    // (another font size) left it; one call then gives the whole block.
    grid.SetTop(BottomOf(f.ZLabel));
    f.Pmin.SetTop(grid.Top() + grid.RowHeight(0));
    f.Pmax.SetTop(BottomOf(grid) - grid.RowHeight(0));
    f.Tmax.SetLeft(RightOf(grid) - grid.ColWidth(1));
    f.Tmax.SetTop(f.ZLabel.Top());
    f.PThelp.SetLeft(R);
    f.PThelp.SetTop(BottomOf(grid));
    f.Z0Zn.SetLeft(R);
    f.Z0Zn.SetTop(BottomOf(f.PThelp));
    f.fdens_mat.SetLeft(R);
    f.fdens_mat.SetTop(BottomOf(f.Z0Zn));
    f.PTberex.SetLeft(f.fdens_mat.Left());
    f.PTberex.SetTop(BottomOf(f.fdens_mat));
}

void ClearFlowGraphBox(TForm1& f) {
    TPaintBox& box = f.PaintBox1;
    box.SetClientWidth(f.Felsimulgrid.Width());
    const int screenWidth = Screen().Width();
    box.SetClientHeight(screenWidth > 0 ? box.ClientWidth() * Screen().Height() / screenWidth : 0);
    ClearGraphSurface(box.ClientHeight());
}

}  // namespace

void LayoutControls() {
    TForm1& f = Form1();
    const int F = f.Font().Size;
    const int screenWidth = Screen().Width(), screenHeight = Screen().Height();

    f.kodkomment.SetVisible(false);
    SetFonts(f, F);

    // Fixed ranges: the controls stand far below and beside the visible part.
    f.SetAutoScroll(false);
    // A screen narrower than 77 pixels gives a base font size of 0; divide by 1 then.
    f.SetHorzScrollRange(F * 3 * screenWidth / (BaseFontSize > 0 ? BaseFontSize : 1));
    f.SetVertScrollRange(FormVerticalScrollRange);

    f.RichEdit1.SetWidth(F * 100);
    f.RichEdit1.SetHeight(FormVerticalScrollRange - f.RAPPORT.Top() - screenHeight);

    const int editWidth = F * 8 * 17 / 20;
    const int editHeight = std::abs(f.Font().Height());
    for (TControl* c : f.Controls()) {
        if (auto* e = dynamic_cast<TEdit*>(c)) {
            e->SetWidth(editWidth);
            e->SetClientHeight(editHeight);
        }
    }
    f.maxflowsort.SetWidth(editWidth * 3 / 2);
    f.minflowsort.SetWidth(editWidth * 3 / 2);
    f.qbgsort.SetWidth((F * 9 * 17 / 20) * 3 / 2);
    f.PTberfel.SetWidth(F * 5 * 17 / 20);
    f.gasnamnintext.SetAutoSize(false);
    f.gasnamnintext.SetClientWidth(F * 48 * 17 / 20);
    f.gasnamnintext.SetClientHeight(editHeight);

    LayoutPropertyBox(f);

    LayoutResistanceGrid(f.Motstandgrid);
    LayoutCompositionGrid(f.ViktVolprocGrid);
    LayoutCompositionGrid(f.ViktVolprocgridfukt);
    LayoutUncertaintyGrid(f.Felsimulgrid);
    ShowUncertaintyTable();
    LayoutSpringGrid(f.Fjrreffektosak);
    LayoutCompensationGrid(f.PTKompgrid);

    LayoutCompensationBlock(f);

    if (CalcFunction != kFunctionUnits) f.Memo2.SetFontSize(F / 2);
    SetupUnitGrid();
    if (CalcFunction == kFunctionPrimaryDevice) {
        ClearFlowGraphBox(f);
        DrawFlowGraph();
    }
}

}  // namespace tubalyx
