#include "reports/compensation_report.h"

#include <cmath>
#include <string>

#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "numerics/unit_parser.h"
#include "reports/compensation_intervals.h"
#include "reports/report_block.h"
#include "reports/report_insertion.h"
#include "reports/result_report_detail.h"
#include "state/corrections.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "texts/language_text.h"
#include "texts/report_texts.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

constexpr TColor kTitleColor = 128;  // dark red, as the report head
constexpr int kLabelColumn = 20;     // the axis column of the table
constexpr int kValueChars = 7;
constexpr int kPlainValueWidth = 8;
constexpr double kNoBend = 1e-5;
constexpr double kAdditionalAlone = 50.0;

// The title of the table from its 6th character on, after the "Tmin  " of the axis.
std::string ZLabelTail(const std::string& caption) { return caption.size() > 5 ? caption.substr(5) : ""; }

// The uncertainty of the compensated flow: the calculation and coefficient errors, the
// additional, roughness and edge contributions, and half the table's density error (the
// flow goes with the density's square root), summed as squares. Taken by hypot, so that no
// square of a large contribution overflows.
double CompensatedFlowUncertainty() {
    const double e = CalculationErrorLimit, c = AverageCoefficientUncertainty;
    const double a = AdditionalUncertaintyPercent, r = RoughnessUncertaintyPercent;
    const double k = InletEdgeUncertaintyPercent, d = DensityTableErrorPercent;
    const double rest = std::hypot(r, k, 0.5 * d);
    if (a >= kAdditionalAlone) return std::hypot(e + c, rest);
    if (std::fabs(BendFactor - 1.0) <= kNoBend) return std::hypot(e + c + a, rest);
    return std::hypot(std::hypot(e, c, a), rest);
}

// The axis cell of a limit row: the words padded with "_" until, with the cell, the field
// has 20 characters.
std::string LimitField(const char* words, const std::string& cell, CompTableKind kind) {
    const std::string& sep = ReportSeparator;
    std::string prefix = kind == CompTableKind::Liquid ? "" : words;
    prefix = PadRight(prefix, kLabelColumn - Utf8Length(cell), '_');
    return kind == CompTableKind::Liquid ? prefix + cell + "   " : prefix + sep + cell;
}

std::string HeadingField(CompTableKind kind) {
    const std::string& sep = ReportSeparator;
    switch (kind) {
        case CompTableKind::Steam: return std::string(12, ' ') + sep + "P (kPaA)";
        case CompTableKind::Liquid: return "          Temp (C)->";
        case CompTableKind::Gas: break;
    }
    return std::string(sep.empty() ? 10 : 13, ' ') + sep + "Temp (C)->";
}

std::string TableLine(const TStringGrid& g, int row, CompTableKind kind) {
    const std::string& sep = ReportSeparator;
    std::string line;
    for (int col = 0; col <= kCompTableLastIndex; ++col) {
        const std::string& cell = g.Cell(col, row);
        if (cell.empty()) continue;
        if (col > 0) {
            const std::string value = Utf8Left(cell, kValueChars);
            line += sep + (sep.empty() ? PadLeft(value, kPlainValueWidth, '_') : value);
        } else if (row == 0) {
            line += HeadingField(kind);
        } else if (row == 1) {
            line += LimitField("Pmin (kPaA)_", cell, kind);
        } else if (row == kCompTableLastIndex) {
            line += LimitField("Pmax (kPaA)_", cell, kind);
        } else {
            line += PadRight((kind == CompTableKind::Liquid ? "" : sep) + cell, kLabelColumn, ' ');
        }
    }
    return line;
}

// The compensated flow formula of the big report's algorithm 3 with its uncertainty.
std::string ExampleLine() {
    const std::string& sep = ReportSeparator;
    const bool volume = ConvertPressureEntry(FlowUnit) == kUnitVolumeFlow;
    return std::string(ByLanguage(report_text::ExamplePrefix)) + "q_pol_mat_denskomp= " + sep + RootFlowFormulaText +
           sep + (volume ? "*fmat/fdens_mat" : "*fmat*fdens_mat") + " < " + sep +
           FormatFixed(CompensatedFlowUncertainty(), 2) + sep + ByLanguage(report_text::UncertaintySuffix);
}

}  // namespace

void WriteCompensationTableHelp() {
    const ReportWriterControls& f = ReportWriterWindow();
    if (!f.PTKompgrid.Visible() || CompTableMedium != Utf8Left(MediumCode, 10)) return;
    const CompTableKind kind = CompTableKindOf(MediumCode);
    const std::string& sep = ReportSeparator;
    const int size = ScaledReportSize(f.Font().Size, 2, 3);

    ReportBlock block;
    block.AddSized("", size);
    LineFormat title;
    title.size = size;
    title.color = kTitleColor;
    TFontStyles emphasis;
    emphasis.Bold = emphasis.Italic = emphasis.Underline = true;
    title.style = emphasis;
    block.Add(f.Trycktemplabel.Caption(), title);
    LineFormat body;
    body.size = size;
    body.color = clBlack;
    auto add = [&](const std::string& text) { block.Add(text, body); };
    // The allowed error as typed, which may be any text: on its line, at a number's length.
    constexpr int kLongestEchoedError = 40;
    add(f.PTberfeltext.Caption() + " " + sep + OneLineEcho(f.PTberfel.Text(), kLongestEchoedError));
    add(f.PTmaxerror.Caption());
    const std::string blanks(21, ' ');
    if (kind == CompTableKind::Liquid)
        add(blanks + sep + "Tmin");
    else if (kind == CompTableKind::Gas)
        add(blanks + sep + sep + ZLabelTail(f.ZLabel.Caption()));
    for (int row = 0; row <= kCompTableLastIndex; ++row)
        if (!f.PTKompgrid.Cell(0, row).empty()) add(TableLine(f.PTKompgrid, row, kind));
    add(f.PThelp.Caption());
    add(ExampleLine());
    if (kind == CompTableKind::Steam) add(ByLanguage(report_text::CompensationSteamInterpolationNote));
    f.Z0Zn.SetVisible(false);
    ReportLinesWritten = NewestReportLineCount;
    InsertBlockIntoReport(block, NewestReportLineCount);
}

}  // namespace tubalyx
