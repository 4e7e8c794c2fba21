// Handlers of the grids, and of the composition grid's component pop-up item "Radera".
#include <algorithm>
#include <cmath>

#include "media/gas_mixture.h"
#include "media/medium_identification.h"
#include "media/reference_density.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "pressure_loss/fitting_catalogue.h"
#include "pressure_loss/fitting_catalogue_data.h"
#include "state/composition.h"
#include "state/keywords.h"
#include "state/pressure_loss_state.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/language_text.h"
#include "texts/page_texts.h"
#include "ui/calculation_window.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {

// A composition the property routines cannot evaluate leaves the grid as it stands; the run
// reports the input error.
template <class Step>
void Guarded(Step step) {
    try {
        step();
    } catch (const CalcError&) {
    }
}

void EvaluateMixture() {
    CalcMixtureProperties(4);
    CalcMixtureProperties(3);
    SetMixtureComponent();
}

// The component rows, where column 0 opens the component menu.
bool IsComponentRow(const TStringGrid& grid, int row) { return row > 1 && row < grid.RowCount() - 1; }

void HideGroupBox() {
    if (Form1().GroupBox1.Visible()) Form1().GroupBox1.SetVisible(false);
}

void OpenComponentMenuAt(int row) {
    OpenComponentMenu(row);
    MixtureRow = row;
}

constexpr int kHeightRow = 6, kLengthRow = 7;

bool IsFittingColumn(int column) { return column >= 1 && column <= kFittingColumnCount; }

int LongestCell(const TStringGrid& grid, int column, int lastRow) {
    int longest = 0;
    for (int row = 0; row <= lastRow; ++row) longest = std::max(longest, Utf8Length(grid.Cell(column, row)));
    return longest;
}

// The width of a column that shows `characters` characters; 0 hides an empty one.
int WidthFor(const TStringGrid& grid, int characters) {
    if (characters == 0) return 0;
    return std::max(1, grid.Font().Size - 2) * (characters + 1);
}

// A fitting column narrowed to its number in row 0.
void NarrowToNumber(TStringGrid& grid, int column) {
    grid.SetColWidth(column, WidthFor(grid, Utf8Length(grid.Cell(column, 0))));
}

bool IsHeightLabel(const std::string& label) {
    const FittingText& height = *ParameterRowsOf(FittingParameters::HeightDifference).labels[0];
    return label == height.sv || label == height.de || label == height.en;
}

bool ReadNumber(const std::string& text, double& value) { return TryParseNumber(text, DecimalSeparator(), value); }

}  // namespace

// The uncertainty grid reacts to clicks and mouse moves, not to typed keys.
void TForm1::FelsimulgridKeyPress(TControl*, char) {}
// The hot-water grid of that page has no behaviour.
void TForm1::FjrreffektosakMouseDown(TControl*, TMouseButton, TShiftState, int, int) {}

// The composition grids act on mouse up and down; a click alone, and moving to any cell, change nothing.
void TForm1::ViktVolprocGridClick(TControl*) {}
void TForm1::ViktVolprocGridSelectCell(TControl*, int, int, bool&) {}

void TForm1::ViktVolprocGridSetEditText(TControl*, int col, int row, const std::string&) {
    if (col < 2 || col > 5) return;
    MixtureRow = row;
    // The column typed into is the composition's input, whether or not a key press said so
    // (a pasted cell): no conversion rewrites it, and the run takes the others from it.
    MixtureEditColumn = col;
    Guarded([&] {
        RecalcMixtureGrid(col, row);
        ApplyFlowUnit();
    });
    const int last = std::min(ViktVolprocGrid.RowCount() - 1, kMixtureRows - 1);
    for (int r = 2; r <= last; ++r) MixtureFraction[r] = StrToFloatSafe(ViktVolprocGrid.Cell(2, r));
}

void TForm1::ViktVolprocGridMouseDown(TControl*, TMouseButton, TShiftState, int x, int y) {
    int col = -1, row = -1;
    ViktVolprocGrid.MouseToCell(x, y, col, row);
    if (col == 0 && row == 0) {
        if (MixtureEditColumn < 2 || MixtureEditColumn > 5) MixtureEditColumn = 5;
        Guarded(UpdateHumidityRow);
        if (ViktVolprocGrid.Visible()) {
            ViktVolprocgridfukt.SetVisible(true);
            ViktVolprocGrid.SetVisible(false);
        } else if (ViktVolprocgridfukt.Visible()) {
            ViktVolprocgridfukt.SetVisible(false);
            ViktVolprocGrid.SetVisible(true);
        }
        SumMixtureColumns();
    } else if (col == 0 && row == 1 && IsMixtureMedium(MediumCode)) {
        ShowCompositionHelp();
    }
}

void TForm1::ViktVolprocGridMouseUp(TControl*, TMouseButton, TShiftState, int x, int y) {
    int col = -1, row = -1;
    ViktVolprocGrid.MouseToCell(x, y, col, row);
    if (col == 0 && row == 0) {
        Guarded(UpdateHumidityRow);
        SumMixtureColumns();
    }
    HideGroupBox();
    // The clicked cell is the grid's current one.
    if (col == 0 && IsComponentRow(ViktVolprocGrid, row) && !Memo2.Visible() && MediumCode != kMediumNaturalGas)
        OpenComponentMenuAt(row);
}

void TForm1::ViktVolprocGridKeyUp(TControl*, int, TShiftState) {
    CopyToHumidityGrid(MediumCode == kMediumNaturalGas);
    Guarded([] {
        EvaluateMixture();
        UpdateHumidityRow();
    });
    HideGroupBox();
    const int row = ViktVolprocGrid.Row();
    if (ViktVolprocGrid.Col() == 0 && IsComponentRow(ViktVolprocGrid, row) && MediumCode != kMediumNaturalGas)
        OpenComponentMenuAt(row);
}

void TForm1::ViktVolprocGridKeyPress(TControl*, char) { MixtureEditColumn = ViktVolprocGrid.Col(); }

void TForm1::ViktVolprocGridExit(TControl*) {
    CopyToHumidityGrid(false);
    Guarded(EvaluateMixture);
}

void TForm1::ViktVolprocgridfuktMouseDown(TControl*, TMouseButton, TShiftState, int x, int y) {
    int col = -1, row = -1;
    ViktVolprocgridfukt.MouseToCell(x, y, col, row);
    if (col != 0 || row != 0) return;
    if (ViktVolprocGrid.Visible()) {
        CopyToHumidityGrid(false);
        ViktVolprocgridfukt.SetVisible(true);
        ViktVolprocGrid.SetVisible(false);
    } else if (ViktVolprocgridfukt.Visible()) {
        ViktVolprocgridfukt.SetVisible(false);
        ViktVolprocGrid.SetVisible(true);
    }
}

void TForm1::MotstandgridMouseDown(TControl*, TMouseButton, TShiftState, int x, int y) {
    int col = -1, row = -1;
    Motstandgrid.MouseToCell(x, y, col, row);
    PaintBox1.SetVisible(false);
    ResistanceCellColumn = col;
    if (!IsFittingColumn(col) || row != 1) return;
    // The description cell opens the fitting menu at the pressed point; its items act on
    // this column.
    SelectedResistanceColumn = col;
    MotstandPopup.Popup(Left() + Motstandgrid.Left() + x, Top() + (Height() - ClientHeight()) + Motstandgrid.Top() + y);
}

void TForm1::MotstandgridMouseUp(TControl*, TMouseButton, TShiftState, int x, int y) {
    int col = -1, row = -1;
    Motstandgrid.MouseToCell(x, y, col, row);
    // A release over the label column or outside the cells describes nothing.
    if (!IsFittingColumn(col)) return;
    DispatchResistanceColumn(ResistanceCellColumn);
}

void TForm1::MotstandgridSelectCell(TControl*, int col, int row, bool& canSelect) {
    DispatchResistanceColumn(col);
    ResistanceCellColumn = col;
    ResistanceCellRow = row;
    canSelect = true;
}

void TForm1::MotstandgridKeyPress(TControl*, char) {}

// A height row needs a pipe at least as long as its rise, and no longer than the tube.
void TForm1::MotstandgridKeyUp(TControl*, int, TShiftState) {
    const int c = ResistanceCellColumn, r = ResistanceCellRow;
    if (!IsFittingColumn(c) || r <= 0 || ResistanceKind[c] != 81) return;
    TStringGrid& grid = Motstandgrid;
    double tube = 0.0, height = 0.0, length = 0.0;
    if (r == kHeightRow) {
        if (!ReadNumber(matstrack.Text(), tube) || !ReadNumber(grid.Cell(c, kHeightRow), height)) return;
        if (tube < height) {
            grid.SetCell(c, kHeightRow, matstrack.Text());
            if (!ReadNumber(grid.Cell(c, kHeightRow), height)) return;
        }
        grid.SetCell(c, kLengthRow, FormatGeneral(std::fabs(height)));
    } else if (r == kLengthRow) {
        const std::string heightText = grid.Cell(c, kHeightRow);
        if (!ReadNumber(heightText, height) || !ReadNumber(grid.Cell(c, kLengthRow), length)) return;
        if (height > length && Utf8Length(heightText) <= Utf8Length(grid.Cell(c, kLengthRow))) {
            grid.SetCell(c, kLengthRow, heightText);
            length = height;
        }
        if (!ReadNumber(matstrack.Text(), tube)) return;
        if (tube < length) grid.SetCell(c, kLengthRow, matstrack.Text());
    }
}

void TForm1::MotstandgridMouseMove(TControl*, TShiftState, int x, int y) {
    TStringGrid& grid = Motstandgrid;
    int col = -1, row = -1;
    grid.MouseToCell(x, y, col, row);
    if ((col != ResistanceHoverColumn || row != ResistanceHoverRow) && col >= 0 && col <= kFittingColumnCount) {
        ResistanceHoverColumn = col;
        ResistanceHoverRow = row;
        const int longest = LongestCell(grid, col, 8);
        if (col > 0) DispatchResistanceColumn(col);
        grid.SetColWidth(col, WidthFor(grid, longest));
        if (col == 0) {
            // Over the labels every fitting shrinks to its number, so the labels have room.
            for (int c = 1; c <= kFittingColumnCount; ++c) NarrowToNumber(grid, c);
            if (ResistanceCollapseMarker != 0) {
                ResistanceCollapseMarker = 0;
                PaintBox1.SetVisible(false);
            }
        } else {
            ResistanceCollapseMarker = -1;
        }
        if (col < kFittingColumnCount) {
            NarrowToNumber(grid, col + 1);
            if (row == 0) NarrowToNumber(grid, col);
        }
    }
    int width = grid.GridLineWidth();
    for (int c = 0; c <= kFittingColumnCount; ++c) width += grid.ColWidth(c) + grid.GridLineWidth();
    grid.SetClientWidth(width);
    grid.SetHint(row == kHeightRow && IsHeightLabel(grid.Cell(0, kHeightRow))
                     ? ByLanguage(page_text::HeightDifferenceHint)
                     : "");
}

void TForm1::RaderaClick(TControl*) {
    // Only the components of a gas mixture can be removed, and only component rows.
    if (MediumCode != kMediumMixture || MixtureRow < kMixtureFirstRow || MixtureRow > kMixtureLastRow) return;
    MixtureComponentKeyword[MixtureRow] = "";
    for (int col = 0; col <= 5; ++col) ViktVolprocGrid.SetCell(col, MixtureRow, "");
    GroupBox1.SetVisible(false);
    Guarded(EvaluateMixture);
}

}  // namespace tubalyx
