#include "reports/uncertainty/uncertainty_grid.h"

#include <cmath>
#include <string>

#include "flow/device_selection.h"
#include "media/medium_identification.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "reports/uncertainty/uncertainty_captions.h"
#include "reports/uncertainty/uncertainty_report.h"
#include "state/corrections.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "state/uncertainty_state.h"
#include "texts/uncertainty_texts.h"
#include "texts/window_access.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace caps = uncertainty_captions;

namespace {

constexpr int kNaturalGasShift = 5;  // the composition rows 19 to 23
constexpr int kLastCompositionRow = kOtherErrorsFirstRow + kNaturalGasShift - 1;
constexpr int kLastNaturalGasRow = kHumidityUncertaintyRow + kNaturalGasShift;
constexpr int kLastOrderedRow = 16;
constexpr int kLastSortedRow = 19;

const LangText& Based(const caps::BasedCaption& c) {
    return UncertaintyPercentBase == kPercentOfMaxFlow ? c.ofMax : c.ofActual;
}
bool NaturalGas() { return MediumCode == kMediumNaturalGas; }

TStringGrid& Grid() { return ReportWriterWindow().Felsimulgrid; }

// A cell read as a number and written back as read: with the other decimal separator
// exchanged, or "0" when it holds no number at all.
double ReadCell(TStringGrid& grid, int col, int row) {
    std::string text = grid.Cell(col, row);
    double value = 0.0;
    if (!CellNumber(text, value)) {
        grid.SetCell(col, row, "0");
        return 0.0;
    }
    grid.SetCell(col, row, text);
    return value;
}

// A humid gas shows its humidity row; steam and natural gas never do.
bool HumidityRowShown() {
    return IsGasMedium(MediumCode) && !IsSteamMedium(MediumCode) && !NaturalGas() && HumidGasFlag;
}

void WriteSourceCaptions(TStringGrid& g, FlowDevice device) {
    const bool volume = device == FlowDevice::VolumeMeter;
    const bool cone = IsConeDevice(device);
    const bool two = DpTransmitterCount == kTwoDpTransmitters;
    g.SetCell(0, 0, ByLanguage(uncertainty_text::FlowAxis));
    g.SetCell(0, 1,
              ByLanguage(volume ? uncertainty_text::VolumeMeterSpan
                         : cone ? uncertainty_text::ConeSpecified
                                : uncertainty_text::StandardUncertainty));
    g.SetCell(0, 2, ByLanguage(volume ? uncertainty_text::VolumeMeterActual : uncertainty_text::CalculationError));
    for (int row = 5; row <= kHumidityRow; ++row)
        if (*caps::FixedRows[row].sv) g.SetCell(0, row, ByLanguage(caps::FixedRows[row]));
    g.SetCell(0, 8, ByLanguage(cone ? uncertainty_text::ConeDiameter : uncertainty_text::ThroatDiameter));
    g.SetCell(0, 3, ByLanguage(two ? uncertainty_text::DpSpanTwo : uncertainty_text::DpSpanOne));
    g.SetCell(0, 4, ByLanguage(two ? uncertainty_text::DpActualTwo : uncertainty_text::DpActualOne));
    if (volume) {
        g.SetCell(0, 3, ByLanguage(uncertainty_text::VolumeMeterCalculationError));
        g.SetCell(1, 3, "");
    }
}

void HideRows(TStringGrid& g, FlowDevice device) {
    if (device == FlowDevice::VolumeMeter)
        for (int row : {4, 5, 8}) g.SetRowHeight(row, 0);
    if (device != FlowDevice::Orifice) g.SetRowHeight(9, 0);
    if (!IsGasMedium(MediumCode)) g.SetRowHeight(15, 0);
    if (!HumidityRowShown()) g.SetRowHeight(kHumidityRow, 0);
}

void WriteRangeCaptions(TStringGrid& g) {
    int row = 19;
    if (NaturalGas()) {
        for (const char* caption : caps::CompositionRows) g.SetCell(0, row++, caption);
    }
    g.SetCell(0, row++, ByLanguage(Based(caps::OtherErrors)));
    g.SetCell(0, row++, ByLanguage(Based(caps::OtherUncertainties)));
    g.SetCell(0, row++, ByLanguage(Based(caps::Total)));
    g.SetCell(0, row, ByLanguage(Based(NaturalGas() ? caps::EnergyFlowTotal : caps::DryGasTotal)));
}

void ExchangeRows(TStringGrid& g, int a, int b, bool blankForEmpty) {
    for (int col = 0; col < g.ColCount(); ++col) {
        std::string first = g.Cell(col, a), second = g.Cell(col, b);
        if (blankForEmpty) {
            if (first.empty()) first = " ";
            if (second.empty()) second = " ";
        }
        g.SetCell(col, a, second);
        g.SetCell(col, b, first);
    }
}

void CopyCells(const TStringGrid& from, TStringGrid& to) {
    to.SetColCount(from.ColCount());
    to.SetRowCount(from.RowCount());
    for (int row = 0; row < from.RowCount(); ++row)
        for (int col = 0; col < from.ColCount(); ++col) to.SetCell(col, row, from.Cell(col, row));
}

// The source rows by their mean, largest first. Each pass that exchanges something puts at
// least one pair in order, so the passes end within the number of pairs.
void SortRowsByMean(TStringGrid& g) {
    constexpr int kPassLimit = kLastSortedRow * kLastSortedRow;
    auto mean = [&](int row) { return StrToFloatSafe(g.Cell(kUncertaintyMeanColumn, row)); };
    for (int pass = 0; pass < kPassLimit; ++pass) {
        bool exchanged = false;
        for (int i = 1; i < kLastSortedRow; ++i) {
            for (int j = i + 1; j <= kLastSortedRow; ++j) {
                if (g.RowHeight(i) <= 0 || g.RowHeight(j) <= 0) continue;
                if (mean(i) < mean(j)) {
                    ExchangeRows(g, i, j, true);
                    exchanged = true;
                }
            }
        }
        if (!exchanged) return;
    }
}

// The per-point row: a single value in column 1 stands for every point.
void ReadPointRow(TStringGrid& g, int row, UncertaintyArray& points) {
    if (!g.Cell(1, row).empty()) {
        const double value = ReadCell(g, 1, row);
        if (value > -1e6) {
            const std::string text = g.Cell(1, row);
            for (int col = kUncertaintyFirstPointColumn; col <= kUncertaintyLastPointColumn; ++col)
                g.SetCell(col, row, text);
        }
    }
    for (int k = 0; k < kUncertaintyPoints; ++k) points[k] = ReadCell(g, kUncertaintyFirstPointColumn + k, row);
}

}  // namespace

bool CellNumber(std::string& text, double& value) {
    value = StrToFloatAnySep(text);
    double check = 0.0;
    return TryParseNumber(text, DecimalSeparator(), check);
}

double TypedStandardUncertainty() {
    std::string text = Grid().Cell(1, 1);
    double value = 0.0;
    return CellNumber(text, value) ? value : -1.0;
}

UncertaintyRowLayout CurrentUncertaintyRows() {
    const int shift = NaturalGas() ? kNaturalGasShift : 0;
    return {kOtherErrorsFirstRow + shift, kOtherErrorsFirstRow + 1 + shift, kOtherErrorsFirstRow + 2 + shift,
            kHumidityUncertaintyRow + shift};
}

void FillUncertaintyGridRows() {
    TStringGrid& g = Grid();
    const FlowDevice device = DecodeDevice(DeviceCode);
    WriteSourceCaptions(g, device);
    g.SetDefaultRowHeight(std::abs(g.Font().Height()) + 3);
    HideRows(g, device);
    WriteRangeCaptions(g);
    int height = 0;
    for (int row = 0; row < g.RowCount(); ++row) {
        if (g.RowHeight(row) != 0) g.SetRowHeight(row, g.DefaultRowHeight());
        height += g.RowHeight(row) + g.GridLineWidth();
    }
    g.SetClientHeight(height);
}

void ShowUncertaintyTable() { FillUncertaintyGridRows(); }

void StartRowsOfMediumLayout() {
    TStringGrid& g = Grid();
    // The last composition row is never sorted, and only natural gas captions it.
    const bool naturalGasRows = g.Cell(0, kLastCompositionRow) == caps::CompositionRows[kNaturalGasShift - 1];
    if (naturalGasRows == NaturalGas()) return;
    if (InSortedView()) ToggleSortedView(kUncertaintyMeanColumn, 0);
    // The rows typed in per point keep what the user typed, in their place of this layout.
    const int from = naturalGasRows ? kNaturalGasShift : 0, to = NaturalGas() ? kNaturalGasShift : 0;
    std::string typed[2][kUncertaintyLastPointColumn + 1];
    for (int i = 0; i < 2; ++i)
        for (int col = 1; col <= kUncertaintyLastPointColumn; ++col)
            typed[i][col] = g.Cell(col, kOtherErrorsFirstRow + from + i);
    for (int row = kOtherErrorsFirstRow; row <= kLastNaturalGasRow; ++row)
        for (int col = 0; col < g.ColCount(); ++col) g.SetCell(col, row, "");
    for (int i = 0; i < 2; ++i)
        for (int col = 1; col <= kUncertaintyLastPointColumn; ++col)
            g.SetCell(col, kOtherErrorsFirstRow + to + i, typed[i][col]);
    if (NaturalGas())
        for (int row = kOtherErrorsFirstRow; row <= kLastCompositionRow; ++row) g.SetCell(1, row, "   1");
    WriteRangeCaptions(g);  // the rows now say which layout they hold
}

void OrderUncertaintyGridRows() {
    TStringGrid& g = Grid();
    for (int n = 1; n <= kLastOrderedRow; ++n) {
        const std::string mark = " " + std::to_string(n) + ".";
        if (g.Cell(0, n).find(mark) != std::string::npos) continue;
        for (int row = 1; row <= kLastOrderedRow; ++row)
            if (row != n && g.Cell(0, row).find(mark) != std::string::npos) ExchangeRows(g, n, row, false);
    }
}

void ReadUncertaintyGrid() {
    TStringGrid& g = Grid();
    UncertaintyInputSet& in = UncertaintyInputs;
    SquareRootAnswer = AsciiUpper(g.Cell(1, kSquareRootRow));
    if (SquareRootAnswer != kYes && SquareRootAnswer != kYesEnglish && SquareRootAnswer != kNo)
        SquareRootAnswer = LanguageLetter == kLanguageEnglish ? kYesEnglish : kYes;

    if (DeviceCode == kDeviceVolumeMeter) {
        in.MeterSpanUncertainty = ReadCell(g, 1, 1);
        in.MeterActualUncertainty = ReadCell(g, 1, 2);
    } else {
        g.SetCell(1, 2, "");
        in.MeterSpanUncertainty = ReadCell(g, 1, 3);
        in.MeterActualUncertainty = ReadCell(g, 1, 4);
    }
    double* const fixed[] = {
        &in.AdSpanUncertainty,         &in.AdActualUncertainty,        &in.ThroatDiameterUncertaintyMm,
        &in.InletEdgeRadiusMm,         &in.PipeDiameterUncertaintyMm,  &in.RoughnessUncertaintyMm,
        &in.DensityUncertaintyPercent, &in.DensityErrorPercent,        &in.ViscosityUncertaintyPercent,
        &in.KappaUncertaintyPercent,   &in.PressureUncertaintyPercent, &in.TemperatureUncertaintyC,
        &in.HumidityUncertaintyPercent};
    int row = 6;
    for (double* value : fixed) *value = ReadCell(g, 1, row++);
    if (NaturalGas()) {
        double* const composition[] = {&in.MethaneUncertaintyPercent, &in.NitrogenUncertaintyPercent,
                                       &in.CarbonDioxideUncertaintyPercent, &in.EthaneUncertaintyPercent,
                                       &in.PropaneUncertaintyPercent};
        row = 19;
        for (double* value : composition) *value = ReadCell(g, 1, row++);
    }
    const UncertaintyRowLayout rows = CurrentUncertaintyRows();
    ReadPointRow(g, rows.otherErrors, SourceArray(UncertaintySource::OtherErrors));
    ReadPointRow(g, rows.otherUncertainties, SourceArray(UncertaintySource::OtherUncertainties));
}

bool ToggleSquareRootCell(int col, int row) {
    if (col != 1 || row != kSquareRootRow) return false;
    TStringGrid& g = Grid();
    g.SetCell(1, row,
              std::string(g.Cell(1, row) == kNo ? (LanguageLetter == kLanguageEnglish ? kYesEnglish : kYes) : kNo));
    return true;
}

bool CycleDensityErrorCaption(int col, int row) {
    if (col != 0 || row != kDensityErrorRow) return false;
    TStringGrid& g = Grid();
    const std::string current = g.Cell(0, row);
    auto is = [&](const LangText& t) { return current == ByLanguage(t); };
    if (is(uncertainty_text::DensityCalculationError)) {
        g.SetCell(0, row, ByLanguage(uncertainty_text::DensityIdealGasError));
        g.SetCell(1, row, FormatFixed(IdealGasDensityErrorPercent, 2));
    } else if (is(uncertainty_text::DensityIdealGasError)) {
        g.SetCell(0, row, ByLanguage(uncertainty_text::DensityCompensationError));
        g.SetCell(1, row, FormatFixed(DensityTableErrorPercent, 4));
    } else {
        g.SetCell(0, row, ByLanguage(uncertainty_text::DensityCalculationError));
        g.SetCell(1, row, FormatFixed(UncorrectedDensityErrorPercent, 2));
    }
    return true;
}

bool InSortedView() {
    const TStringGrid& g = Grid();
    return g.FixedCols() >= g.ColCount() - 1;
}

bool ToggleSortedView(int col, int row) {
    if (col != kUncertaintyMeanColumn || row != 0) return false;
    const ReportWriterControls& f = ReportWriterWindow();
    TStringGrid& g = f.Felsimulgrid;
    if (!InSortedView()) {
        CopyCells(g, f.Felsimulgrid2);
        g.SetFixedCols(g.ColCount() - 1);
        g.SetFixedRows(g.RowCount() - 1);
        SortRowsByMean(g);
        WriteUncertaintyReport();
    } else {
        CopyCells(f.Felsimulgrid2, g);
        g.SetFixedRows(0);
        g.SetFixedCols(1);
    }
    return true;
}

bool TogglePercentBase(int col, int row) {
    const int first = NaturalGas() ? 24 : kHumidityRow;
    if (col != 0 || row < first || row > first + 3) return false;
    UncertaintyPercentBase = UncertaintyPercentBase == kPercentOfMaxFlow ? kPercentOfActualFlow : kPercentOfMaxFlow;
    FillUncertaintyGridRows();
    return true;
}

bool ToggleTransmitterCount(int col, int row) {
    if (col != 0 || (row != 3 && row != 4)) return false;
    DpTransmitterCount =
        DpTransmitterCount == kOneDpTransmitter && DpCellSplitPercent > 0.0 ? kTwoDpTransmitters : kOneDpTransmitter;
    FillUncertaintyGridRows();
    return true;
}

}  // namespace tubalyx
