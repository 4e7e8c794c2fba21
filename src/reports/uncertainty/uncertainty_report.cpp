#include "reports/uncertainty/uncertainty_report.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "flow/device_selection.h"
#include "media/typed_phase.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "reports/report_block.h"
#include "reports/report_insertion.h"
#include "reports/report_window.h"
#include "reports/uncertainty/uncertainty_calculation.h"
#include "reports/uncertainty/uncertainty_grid.h"
#include "state/flow_results.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "state/uncertainty_state.h"
#include "texts/prompt_setters.h"
#include "texts/uncertainty_texts.h"
#include "texts/window_access.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

using S = UncertaintySource;

constexpr int kGridDigits = 3;
constexpr int kCaptionWidth = 37;
constexpr int kCellWidth = 5;
constexpr int kCellCharacters = 4;
constexpr int kNaturalGasSourceRows = 5;

constexpr const char* kRunCaption = "        Run        ";

bool NaturalGas() { return MediumCode == kMediumNaturalGas; }
bool VolumeMeter() { return DeviceCode == kDeviceVolumeMeter; }
std::string Cell3(double value) { return FormatFixed(value, kGridDigits); }

// The source of each of the rows 1 to 17 (Count: a row without an array).
S RowSource(int row) {
    static constexpr S kDevice[] = {S::Count, S::Standard, S::CalculationError, S::Span, S::Actual, S::Count};
    static constexpr S kVolume[] = {S::Count, S::Span, S::Actual, S::CalculationError, S::Count, S::Count};
    static constexpr S kCommon[] = {S::AdSpan,       S::AdActual,  S::ThroatDiameter,     S::InletEdge,
                                    S::TubeDiameter, S::Roughness, S::DensityUncertainty, S::DensityError,
                                    S::Viscosity,    S::Kappa,     S::Pressure,           S::Temperature};
    if (row >= 1 && row <= kSquareRootRow) return VolumeMeter() ? kVolume[row] : kDevice[row];
    if (row > kSquareRootRow && row < kHumidityRow) return kCommon[row - kSquareRootRow - 1];
    return S::Count;
}

const S kCompositionSources[kNaturalGasSourceRows] = {S::Methane, S::Nitrogen, S::CarbonDioxide, S::Ethane, S::Propane};

double SafeRatio(double a, double b) { return b != 0.0 ? a / b : 0.0; }

void WriteInputColumn(TStringGrid& g) {
    const UncertaintyInputSet& in = UncertaintyInputs;
    const int spanRow = VolumeMeter() ? 1 : 3;
    g.SetCell(1, spanRow, Cell3(in.MeterSpanUncertainty));
    g.SetCell(1, spanRow + 1, Cell3(in.MeterActualUncertainty));
    g.SetCell(1, kSquareRootRow, SquareRootAnswer);
    const double fixed[] = {in.AdSpanUncertainty,         in.AdActualUncertainty,        in.ThroatDiameterUncertaintyMm,
                            in.InletEdgeRadiusMm,         in.PipeDiameterUncertaintyMm,  in.RoughnessUncertaintyMm,
                            in.DensityUncertaintyPercent, in.DensityErrorPercent,        in.ViscosityUncertaintyPercent,
                            in.KappaUncertaintyPercent,   in.PressureUncertaintyPercent, in.TemperatureUncertaintyC,
                            in.HumidityUncertaintyPercent};
    int row = kSquareRootRow + 1;
    for (double v : fixed) g.SetCell(1, row++, Cell3(v));
    if (NaturalGas()) {
        const double composition[] = {in.MethaneUncertaintyPercent, in.NitrogenUncertaintyPercent,
                                      in.CarbonDioxideUncertaintyPercent, in.EthaneUncertaintyPercent,
                                      in.PropaneUncertaintyPercent};
        row = 19;
        for (double v : composition) g.SetCell(1, row++, Cell3(v));
    }
}

void WritePointColumn(TStringGrid& g, int k) {
    const int col = kUncertaintyFirstPointColumn + k;
    const double flow = MinFlowSI + k * (MaxFlowSI - MinFlowSI) / 9.0;
    g.SetCell(col, 0, k == kUncertaintyPoints - 1 ? " 100" : Cell3(100.0 * SafeRatio(flow, MaxFlowSI)));
    for (int row = 1; row < kHumidityRow; ++row) {
        if (row == kSquareRootRow) {
            g.SetCell(col, row, "");
            continue;
        }
        const S source = RowSource(row);
        if (source == S::Count) continue;
        if (row == 1 && source == S::Standard) {
            // A typed standard uncertainty is shown as typed, at every point.
            const double typed = TypedStandardUncertainty();
            if (typed >= 0.0) {
                SourceArray(S::Standard)[k] = typed;
                g.SetCell(col, row, PadLeft(g.Cell(1, 1), kCellCharacters));
                continue;
            }
        }
        g.SetCell(col, row, Cell3(SourceArray(source)[k]));
    }
    const UncertaintyRowLayout rows = CurrentUncertaintyRows();
    if (NaturalGas()) {
        g.SetCell(col, kHumidityRow, "0");
        for (int i = 0; i < kNaturalGasSourceRows; ++i)
            g.SetCell(col, 19 + i, Cell3(SourceArray(kCompositionSources[i])[k]));
    } else {
        g.SetCell(col, kHumidityRow, Cell3(SourceArray(S::Humidity)[k]));
    }
    g.SetCell(col, rows.otherErrors, Cell3(SourceArray(S::OtherErrors)[k]));
    g.SetCell(col, rows.otherUncertainties, Cell3(SourceArray(S::OtherUncertainties)[k]));
    g.SetCell(col, rows.total, Cell3(CombinedUncertaintyAtPointAlt(k)));
    g.SetCell(col, rows.secondTotal,
              Cell3(NaturalGas() ? CombinedUncertaintyAtPointFull(k) : CombinedUncertaintyAtPoint(k)));
}

double Mean(S s) { return SourceMeanValues.source[static_cast<int>(s)]; }

// One report cell: five characters for the first four of the cell, behind the separator.
std::string ReportCell(const std::string& text) {
    if (text.empty()) return std::string(kCellWidth, ' ') + ReportSeparator;
    const std::string c = Utf8Left(text, kCellCharacters);
    return std::string(kCellWidth - Utf8Length(c), ' ') + ReportSeparator + c;
}

std::string ReportRow(const TStringGrid& g, int row) {
    const std::string& caption = g.Cell(0, row);
    std::string line =
        Utf8Length(caption) >= kCaptionWidth ? Utf8Left(caption, kCaptionWidth) : PadRight(caption, kCaptionWidth, '_');
    for (int col = 1; col <= kUncertaintyMeanColumn; ++col) line += ReportCell(g.Cell(col, row));
    return line;
}

// Which rows the report size shows: the totals alone (Mini), every source row (big report,
// volume meter), or the typed-in rows and the totals (small report).
int FirstReportedRow() {
    const UncertaintyRowLayout rows = CurrentUncertaintyRows();
    const ReportSizeKind size = CurrentReportSize();
    if (size == ReportSizeKind::Mini) return rows.total;
    if (VolumeMeter() || size == ReportSizeKind::Big) return 1;
    return rows.otherErrors;
}

int TwoThirds(int size) { return ScaledReportSize(size, 2, 3); }

}  // namespace

void WriteUncertaintyResultsToGrid() {
    TStringGrid& g = ReportWriterWindow().Felsimulgrid;
    WriteInputColumn(g);
    for (int k = 0; k < kUncertaintyPoints; ++k) WritePointColumn(g, k);
    g.SetCell(kUncertaintyMeanColumn, 0, "|mv|");
    g.SetClientHeight(0);
    g.SetDefaultRowHeight(std::abs(g.Font().Height()) + 3);
    FillUncertaintyGridRows();
}

void WriteSourceMeansToGrid() {
    TStringGrid& g = ReportWriterWindow().Felsimulgrid;
    const int col = kUncertaintyMeanColumn;
    for (int row = 1; row <= 15; ++row) {
        const S source = RowSource(row);
        g.SetCell(col, row, source == S::Count ? "" : Cell3(Mean(source)));
    }
    g.SetCell(col, kSquareRootRow, "");
    if (VolumeMeter()) {
        g.SetCell(col, 16, Cell3(std::fabs(SourceArray(S::Pressure)[1])));
        g.SetCell(col, 17, Cell3(std::fabs(SourceArray(S::Temperature)[1])));
    } else {
        g.SetCell(col, 16, Cell3(Mean(S::Pressure)));
        g.SetCell(col, 17, Cell3(Mean(S::Temperature)));
    }
    const UncertaintyRowLayout rows = CurrentUncertaintyRows();
    if (NaturalGas()) {
        g.SetCell(col, kHumidityRow, "0");
        for (int i = 0; i < kNaturalGasSourceRows; ++i) g.SetCell(col, 19 + i, Cell3(Mean(kCompositionSources[i])));
    } else {
        g.SetCell(col, kHumidityRow, Cell3(std::fabs(Mean(S::Humidity))));
    }
    g.SetCell(col, rows.otherErrors, Cell3(Mean(S::OtherErrors)));
    g.SetCell(col, rows.otherUncertainties, Cell3(Mean(S::OtherUncertainties)));
}

void WriteTotalMeansToGrid() {
    TStringGrid& g = ReportWriterWindow().Felsimulgrid;
    const UncertaintyRowLayout rows = CurrentUncertaintyRows();
    double* const means[] = {&SourceMeanValues.total, &SourceMeanValues.dryGasTotal};
    int i = 0;
    for (int row : {rows.total, rows.secondTotal}) {
        double sum = 0.5 * StrToFloatSafe(g.Cell(kUncertaintyFirstPointColumn, row)) +
                     0.5 * StrToFloatSafe(g.Cell(kUncertaintyLastPointColumn, row));
        for (int col = kUncertaintyFirstPointColumn + 1; col < kUncertaintyLastPointColumn; ++col)
            sum += StrToFloatSafe(g.Cell(col, row));
        *means[i++] = sum / 9.0;
        g.SetCell(kUncertaintyMeanColumn, row, Cell3(sum / 9.0));
    }
    if (NaturalGas()) return;
    const std::string first = g.Cell(kUncertaintyFirstPointColumn, kHumidityRow);
    for (int col = kUncertaintyFirstPointColumn + 1; col <= kUncertaintyLastPointColumn; ++col)
        g.SetCell(col, kHumidityRow, first);
    g.SetCell(kUncertaintyMeanColumn, kHumidityRow, Cell3(std::fabs(StrToFloatSafe(first))));
}

void WriteUncertaintyReport() {
    if (!UncertaintyRunOk) return;
    const ReportWriterControls& f = ReportWriterWindow();
    const TStringGrid& g = f.Felsimulgrid;

    // The section in a block first: nothing of the window changes before it is complete.
    const int headingSize = TwoThirds(f.RichEdit1.ClientWidth() / 70 * 20 / 17);
    const int bodySize = std::max(kMinReportFontSize, f.Font().Size - 1);
    const int lineSize = TwoThirds(bodySize);
    auto format = [](int size, TColor color) {
        LineFormat line;
        line.size = size;
        line.color = color;
        return line;
    };
    ReportBlock block;
    block.SetStyle(TFontStyles{true, true, true, false});
    block.Add(f.osrubrik.Caption(), format(headingSize, clMaroon));
    block.Add("", format(bodySize, clBlack));
    int headLines = 2;
    if (CurrentReportSize() == ReportSizeKind::Big || VolumeMeter()) {
        block.Add(f.bermetoderrtextin.Caption(), format(lineSize, clBlack));
        ++headLines;
    }
    block.Add(PadRight(f.Felsimulflrubrik.Caption(), kCaptionWidth, ' ') + f.felsimulfl2rubrik.Caption(),
              format(lineSize, clBlack));
    ++headLines;
    const int first = FirstReportedRow();
    for (int row = 0; row < g.RowCount(); ++row) {
        if (row != 0 && row < first) continue;
        if (g.RowHeight(row) < 2) continue;
        block.Add(ReportRow(g, row), format(lineSize, clBlack));
    }
    // The line that separates the newest report from the earlier ones, again below the section.
    block.Add("", format(bodySize, clBlack));

    const int at = NewestReportLineCount + 1;
    InsertBlockIntoReport(block, at);
    ReportLinesWritten = std::min(at, ReportLineCount()) + headLines;
}

namespace {

void ClearResultCells(TStringGrid& g) {
    for (int row = 1; row < g.RowCount(); ++row)
        for (int col = kUncertaintyFirstPointColumn; col < g.ColCount(); ++col) g.SetCell(col, row, "");
}

// A run that could not be done leaves no result: the cells are emptied and the label asks
// for a run in red.
void ShowNoBudget(const ReportWriterControls& f) {
    ClearResultCells(f.Felsimulgrid);
    const std::string run = f.Run1 ? f.Run1->Caption() : "";
    f.Felsimulrubrik.SetCaption(ByLanguage(uncertainty_text::RunFirstPrefix) + run);
    f.Felsimulrubrik.SetColor(clRed);
}

}  // namespace

bool RunUncertaintyBudget() {
    // The budget varies the last run's duty: its medium as that run computed it.
    const ComputedPhase computed;
    const ReportWriterControls& f = ReportWriterWindow();
    // The state a run left after the input error stands for no input: a budget of it summed
    // infinite sources.
    if (LastRunFailed) {
        UncertaintyRunOk = false;
        ShowNoBudget(f);
        return false;
    }
    const bool volume = VolumeMeter();
    const std::string& method = UncertaintyMethodCode;
    if (volume ? method != kMethodLinear && method != kMethodPolynomial
               : method != kMethodFirst && method != kMethodSecond && method != kMethodThird &&
                     method != kMethodStandard) {
        UncertaintyMethodCode.assign(1, volume ? 'L' : '2');
        SetCalcMethodPrompt();
    }
    OrderUncertaintyGridRows();
    ReadUncertaintyGrid();
    FillUncertaintyGridRows();

    TStringGrid& g = f.Felsimulgrid;
    auto lowestFromAxis = [&] {
        if (MaxMassFlow > 0.0 && MaxFlowSI != 0.0) {
            MinMassFlow = 0.01 * StrToFloatSafe(g.Cell(kUncertaintyFirstPointColumn, 0)) * MaxMassFlow;
            MinFlowSI = MaxFlowSI * MinMassFlow / MaxMassFlow;
        } else {
            // No flow to take a share of: a tenth of it, as when the share is unreadable.
            MinMassFlow = 0.1 * MaxMassFlow, MinFlowSI = 0.1 * MaxFlowSI;
            g.SetCell(kUncertaintyFirstPointColumn, 0, "10");
        }
        if (MinFlowSI == 0.0) MinMassFlow = 0.1 * MaxMassFlow, MinFlowSI = 0.1 * MaxFlowSI;
    };
    lowestFromAxis();

    const UncertaintyRunInput input = UncertaintyRunInputFromState();
    if (FmatCoefficientA < kFmatNotFittedBelow) {
        double lowest = MinMassFlow;
        RunUncertaintyCalculation(input, lowest);
    }
    bool ok = ComputeSourceMeans(UncertaintyRunInputFromState(), MinMassFlow);
    if (ok) WriteSourceMeansToGrid();
    ok = ok && RunUncertaintyCalculation(UncertaintyRunInputFromState(), MinMassFlow).ok;
    UncertaintyRunOk = ok;
    if (ok) {
        lowestFromAxis();
        WriteUncertaintyResultsToGrid();
        WriteTotalMeansToGrid();
        f.Felsimulrubrik.SetCaption(kRunCaption);
        f.Felsimulrubrik.SetColor(clYellow);
    } else {
        ShowNoBudget(f);
    }
    return ok;
}

}  // namespace tubalyx
