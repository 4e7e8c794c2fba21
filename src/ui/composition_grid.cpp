#include "ui/composition_grid.h"

#include <algorithm>
#include <string>

#include "media/gas_mixture.h"
#include "media/medium_identification.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "state/composition.h"
#include "state/grid_rows.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/composition_help.h"
#include "texts/language_text.h"
#include "texts/page_texts.h"
#include "ui/calculation_window.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"

namespace tubalyx {

namespace {

constexpr int kOperatingVolumeColumn = 4;
// The dry components are rows 2 to 10; row 11 is the vapour.
constexpr int kLastDryRow = kVapourRow - 1;

double ColumnSum(const TStringGrid& grid, int col, int lastRow) {
    double sum = 0.0;
    for (int row = kMixtureFirstRow; row <= lastRow; ++row) sum += StrToFloatSafe(grid.Cell(col, row));
    return sum;
}

void CopyCells(const TStringGrid& from, TStringGrid& to, bool withVapourRow) {
    for (int row = 0; row < from.RowCount(); ++row) {
        if (row == kVapourRow && !withVapourRow) continue;
        for (int col = 0; col < from.ColCount(); ++col) to.SetCell(col, row, from.Cell(col, row));
    }
}

void ClearRow(TStringGrid& grid, int row) {
    for (int col = 0; col <= 5; ++col) grid.SetCell(col, row, "");
}

}  // namespace

void CopyToHumidityGrid(bool withVapourRow) {
    CopyCells(Form1().ViktVolprocGrid, Form1().ViktVolprocgridfukt, withVapourRow);
}

void SetupCompositionGrids() {
    TForm1& f = Form1();
    TStringGrid* grids[] = {&f.ViktVolprocGrid, &f.ViktVolprocgridfukt};
    HumidGasMolarMass = 4.0;
    const std::string_view keywords[] = {kMediumArgon,    kMediumCarbonDioxide, kMediumHydrogen,
                                         kMediumNitrogen, kMediumOxygen,        kMediumOzone,
                                         kMediumMethane,  kMediumAmmonia,       kMediumAir};
    const char* air = ByLanguage(page_text::AirComponentName);
    const char* const names[] = {"Ar", "CO2", "H2", "N2", "O2", "O3", "CH4", "NH3", air};
    for (int i = 0; i < 9; ++i) {
        MixtureComponentKeyword[i + 2] = keywords[i];
        for (TStringGrid* g : grids) g->SetCell(0, i + 2, names[i]);
    }
    MixtureComponentKeyword[kVapourRow] = "";
    for (TStringGrid* g : grids) {
        g->SetCell(0, kVapourRow, "");
        for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
            g->SetCell(1, row, "");
            g->SetCell(5, row, row <= 3 ? "50" : "0");
        }
    }
    if (MediumCode == kMediumNaturalGas) {
        // Written with the platform's separator, so that the shares read back on either.
        const double shares[] = {92, 7, 0.5, 0.5, 0, 0};
        for (int i = 0; i < 6; ++i) f.ViktVolprocGrid.SetCell(5, i + 2, FormatGeneral(shares[i]));
        CopyToHumidityGrid(false);
    }
    CalcMixtureProperties(3);
    CalcMixtureProperties(4);
}

void RecalcMixtureGrid(int col, int row) {
    // Only the component rows of the grid have a state to follow; a cell typed elsewhere is
    // left as it is.
    if (row < 0 || row >= kMixtureRows) return;
    TStringGrid& grid = Form1().ViktVolprocGrid;
    double value = 0.0;
    if (MixtureComponentKeyword[row].empty())
        grid.SetCell(col, row, "");
    else if (!grid.Cell(col, row).empty() && !TryParseNumber(grid.Cell(col, row), DecimalSeparator(), value))
        grid.SetCell(col, row, "0");

    if (!IsMixtureMedium(MediumCode)) {
        if (col == 2) MixtureFraction[row] = StrToFloatSafe(grid.Cell(col, row));
        return;
    }
    // With shares of 0 or more the sums always pass; a column that went negative is left.
    if (ColumnSum(grid, col, kMixtureLastRow) <= -1) return;
    switch (col) {
        case 5:
            CalcMixtureProperties(4);
            CalcMixtureProperties(3);
            SetMixtureComponent();
            break;
        case 2:
            NormaliseMixture();
            CalcMixtureProperties(3);
            CalcMixtureProperties(4);
            break;
        case 3:
            ConvertMixtureColumns(3);
            SetMixtureComponent();
            CalcMixtureProperties(4);
            break;
        case 4:
            ConvertMixtureColumns(4);
            SetMixtureComponent();
            CalcMixtureProperties(3);
            break;
        default: break;
    }
}

void CopyConditionsToMixtureGrid() {
    TForm1& f = Form1();
    const std::string conditions =
        f.temp.Text() + " " + f.tempsort.Caption() + "," + f.abstryckantal.Text() + " " + f.abstrycksort.Text();
    for (TStringGrid* grid : {&f.ViktVolprocGrid, &f.ViktVolprocgridfukt})
        grid->SetCell(kOperatingVolumeColumn, 1, conditions);
    HumidityValueGiven(HumidGasFlag);
}

void UpdateHumidityRow() {
    if (!IsMixtureMedium(MediumCode)) return;
    TForm1& f = Form1();
    TStringGrid& humid = f.ViktVolprocgridfukt;
    CopyConditionsToMixtureGrid();
    if (MediumCode == kMediumNaturalGas) {
        CopyToHumidityGrid(true);
        return;
    }
    CopyToHumidityGrid(false);
    ClearRow(humid, kVapourRow);

    const double P = OperatingPressure, t = OperatingTemperature;
    const double pw = HumidGasFlag ? std::min(WaterSaturationPressure(t), P) * RelativeHumidity * 0.01 : 0.0;
    // Saturated beyond condensation, or humid below freezing: the row is left as it is.
    const bool vapourRowApplies = P > 0 && pw / P < 0.999999 && (t >= 0 || !HumidGasFlag);
    if (vapourRowApplies) {
        const double oldShare = StrToFloatSafe(humid.Cell(kOperatingVolumeColumn, kVapourRow));
        humid.SetCell(kOperatingVolumeColumn, kVapourRow,
                      FormatFixed(CheckFinite(100 * pw / P, "a share overflows"), 7));
        std::string text = humid.Cell(kOperatingVolumeColumn, kVapourRow);
        const double newShare = StrToFloatAnySep(text);
        humid.SetCell(kOperatingVolumeColumn, kVapourRow, newShare == 0.0 ? std::string() : text);

        const double drySum = ColumnSum(humid, kOperatingVolumeColumn, kLastDryRow);
        if (drySum > 0) {
            for (int row = kMixtureFirstRow; row <= kLastDryRow; ++row) {
                if (MixtureComponentKeyword[row].empty()) continue;
                const double v = StrToFloatSafe(humid.Cell(kOperatingVolumeColumn, row));
                humid.SetCell(
                    kOperatingVolumeColumn, row,
                    FormatFixed(CheckFinite(v * (100 + oldShare - newShare) / drySum, "a share overflows"), 7));
            }
            MixtureComponentKeyword[kVapourRow] = "ANG";
            humid.SetCell(0, kVapourRow, "H2O");
            humid.SetCell(1, kVapourRow, ByLanguage(page_text::HumidityComponentName));
            ConvertMixtureColumns(4);
            CalcMixtureProperties(3);
            SetMixtureComponent();
            if (pw < 1e-99) {
                MixtureComponentKeyword[kVapourRow] = "";
                ClearRow(humid, kVapourRow);
            }
        }
    }
    SumMixtureColumns();
}

void ShowCompositionHelp() {
    TForm1& f = Form1();
    const TStringGrid& grid = f.ViktVolprocGrid;
    TMemo& memo = f.Memo2;
    memo.SetTop(grid.Top());
    memo.SetLeft(grid.Left());
    memo.SetClientWidth(grid.ClientWidth());
    memo.SetClientHeight(grid.ClientHeight() * 3 / 2);
    memo.Clear();
    for (const std::string& line : CompositionHelpText(LanguageLetter, MediumCode == kMediumNaturalGas)) memo.Add(line);
    memo.SetVisible(true);
}

void OpenComponentMenu(int row) {
    TForm1& f = Form1();
    const TStringGrid& grid = f.ViktVolprocGrid;
    const int x = f.Left() + grid.Left();
    const int y = f.Top() + (f.Height() - f.ClientHeight()) + grid.Top() + grid.DefaultRowHeight() * (row + 1);
    f.Media1menu.Popup(x, y);
}

}  // namespace tubalyx
