#include "reports/medium_listing.h"

#include <algorithm>

#include "media/medium_identification.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "reports/medium_state_lines.h"
#include "state/composition.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/report_label_strings.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

std::string ListingField(const std::string& value, int width) { return PadLeft(ReportSeparator + value, width); }

std::string ListingUnitPrefix(const std::string& prompt, const std::string& unit) {
    const int keep = std::max(0, Utf8Length(prompt) - (Utf8Length(unit) + 3));
    return Utf8Left(prompt, keep) + "(" + unit + ")";
}

namespace {

constexpr int kValueWidth = 6;
constexpr int kUnitValueWidth = 7;
// A composition row takes part when its weight share exceeds this (%).
constexpr double kSmallestShare = 1e-6;
constexpr int kCompositionColumnWidths[] = {20, 30, 10, 13, 13, 10};
constexpr int kCompositionColumns = 6;
constexpr int kOperatingVolumeColumn = 4;

void Show(TEdit& edit, double value) { edit.SetText(FormatGeneral(value)); }

void ValueLine(ReportBlock& block, const TLabel& prompt, const TEdit& edit) {
    block.Add(prompt.Caption() + ListingField(edit.Text(), kValueWidth));
}

void UnitLine(ReportBlock& block, const TLabel& prompt, const TEdit& unit, const TEdit& edit) {
    block.Add(ListingUnitPrefix(prompt.Caption(), unit.Text()) + ListingField(edit.Text(), kUnitValueWidth));
}

// The oil viscosities stand between separators, so that a spreadsheet keeps prompt, unit and
// value in columns of their own.
void OilViscosityLine(ReportBlock& block, const TLabel& prompt, const TEdit& unit, const TEdit& edit) {
    const std::string framed = ReportSeparator + prompt.Caption() + ReportSeparator;
    block.Add(ListingUnitPrefix(framed, unit.Text()) + ListingField(edit.Text(), kUnitValueWidth) + ReportSeparator);
}

void ValueLineWhileShown(ReportBlock& block, const TLabel& prompt, const TEdit& edit) {
    if (prompt.Visible()) ValueLine(block, prompt, edit);
}

bool IsKinematicUnit(const std::string& unit) {
    const std::string u = AsciiUpper(unit);
    return u == kUnitSquareMetrePerSecondUpper || u == kUnitStokesUpper || u == kUnitCentistokesUpper ||
           u == kUnitStokesLongUpper || u == kUnitCentistokesLongUpper;
}

void OilLines(char kind, ReportBlock& block) {
    const ReportWriterControls& f = ReportWriterWindow();
    Show(f.q40bg, OilViscosity40);
    Show(f.q100bg, OilViscosity100);
    f.q40bgsort.SetText(OilViscosityUnit);
    f.q100bgsort.SetText(OilViscosityUnit);
    if (kind != 'B') return;
    block.Add(f.GroupBox1.Caption());
    ValueLine(block, f.densdriftbgtextin, f.rbg);
    OilViscosityLine(block, f.visk40bgtextin, f.q40bgsort, f.q40bg);
    OilViscosityLine(block, f.visk100bgtextin, f.q100bgsort, f.q100bg);
}

void GivenGasLines(char kind, MediumKind m, ReportBlock& block) {
    const ReportWriterControls& f = ReportWriterWindow();
    const bool realGas = m == MediumKind::RealGas, gas = m == MediumKind::IdealGas;
    Show(f.rbg, GivenDensity);
    Show(f.qbg, GivenViscosityValue);
    f.qbgsort.SetText(ViscosityUnit);
    if (realGas || gas) {
        Show(f.cpbg, GivenCp);
        Show(f.cvbg, GivenCv);
        Show(f.krittempbg, GivenCriticalTemperatureK);
    }
    if (realGas) {
        Show(f.molekylviktbg, GivenMolarMass);
        Show(f.entalpibg, GivenEnthalpy);
        Show(f.Z1bg, GivenZ1);
        Show(f.Znbg, GivenZn);
    }
    if (kind != 'B') return;
    block.Add(f.GroupBox1.Caption());
    ValueLine(block, f.densdriftbgtextin, f.rbg);
    UnitLine(block, f.viskbgtextin, f.qbgsort, f.qbg);
    if (!realGas && !gas) return;
    ValueLine(block, f.cpbgtextin, f.cpbg);
    ValueLine(block, f.cvbgtextin, f.cvbg);
    ValueLineWhileShown(block, f.molekylviktbgtextin, f.molekylviktbg);
    if (realGas) ValueLineWhileShown(block, f.entalpibgtextin, f.entalpibg);
    ValueLineWhileShown(block, f.krittempbgtextin, f.krittempbg);
    if (realGas && f.Z1bgtextin.Visible()) {
        ValueLine(block, f.Z1bgtextin, f.Z1bg);
        ValueLine(block, f.Znbgtextin, f.Znbg);
    }
}

void MixtureRowLines(char kind, int row, ReportBlock& block) {
    const ReportWriterControls& f = ReportWriterWindow();
    Show(f.rbg, MixtureDensity[row]);
    Show(f.qbg, MixtureViscosity[row]);
    f.qbgsort.SetText(MixtureComponentName[row]);
    Show(f.cpbg, MixtureCp[row]);
    Show(f.cvbg, MixtureCv[row]);
    Show(f.krittempbg, MixtureCriticalTemperature[row]);
    Show(f.molekylviktbg, MixtureMolarMass[row]);
    Show(f.entalpibg, MixtureEnthalpy[row]);
    f.viskbgtextin.SetCaption(IsKinematicUnit(MixtureComponentName[row]) ? KinematicViscosityPrompt
                                                                         : DynamicViscosityPrompt);
    if (kind != 'B') return;
    ValueLine(block, f.densdriftbgtextin, f.rbg);
    UnitLine(block, f.viskbgtextin, f.qbgsort, f.qbg);
    ValueLine(block, f.cpbgtextin, f.cpbg);
    ValueLine(block, f.cvbgtextin, f.cvbg);
    ValueLine(block, f.krittempbgtextin, f.krittempbg);
    ValueLine(block, f.molekylviktbgtextin, f.molekylviktbg);
    ValueLine(block, f.entalpibgtextin, f.entalpibg);
}

std::string CompositionField(const std::string& text, int column) {
    return PadLeft(ReportSeparator + text, kCompositionColumnWidths[column]);
}

std::string CompositionRow(const TStringGrid& grid, int row) {
    std::string line;
    for (int col = 0; col < kCompositionColumns; ++col) line += CompositionField(grid.Cell(col, row), col);
    return line;
}

// The second heading row: no name, the operating volume share marked "/", and as long as
// the first heading row.
std::string SecondHeadingRow(const TStringGrid& grid, int firstRowLength) {
    std::string line = CompositionField(" ", 0);
    for (int col = 1; col < kCompositionColumns - 1; ++col)
        line += CompositionField((col == kOperatingVolumeColumn ? "/" : "") + grid.Cell(col, 1), col);
    const int last = kCompositionColumns - 1;
    const int width = std::max(kCompositionColumnWidths[last], firstRowLength - Utf8Length(line));
    return line + PadLeft(ReportSeparator + grid.Cell(last, 1), width);
}

}  // namespace

void WriteMediumPropertyLines(char kind, int row, ReportBlock& block) {
    row = std::clamp(row, 0, kMixtureRows - 1);
    MixtureRow = row;
    const MediumKind m = DecodeMedium(MediumCode);
    switch (m) {
        case MediumKind::Oil: OilLines(kind, block); break;
        case MediumKind::RealGas:
        case MediumKind::IdealGas:
        case MediumKind::Liquid: GivenGasLines(kind, m, block); break;
        case MediumKind::Mixture: MixtureRowLines(kind, row, block); break;
        default: break;
    }
}

void WriteMediumPropertyLines(char kind, int row) {
    ReportBlock block;
    WriteMediumPropertyLines(kind, row, block);
    block.Flush();
}

void WriteCompositionLines(char kind, bool useHumidityGrid, ReportBlock& block) {
    const ReportWriterControls& f = ReportWriterWindow();
    const TStringGrid& grid = useHumidityGrid ? f.ViktVolprocgridfukt : f.ViktVolprocGrid;
    TFontStyles underlined;
    underlined.Bold = underlined.Underline = true;
    auto add = [&](const std::string& line) {
        LineFormat format;
        format.size = SizeWithin63(block.StartSize(), line);
        format.style = underlined;
        block.Add(line, format);
    };
    const std::string first = CompositionRow(grid, 0);
    add(first);
    add(SecondHeadingRow(grid, Utf8Length(first)));
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        if (!(StrToFloatSafe(grid.Cell(2, row)) > kSmallestShare)) continue;
        add(CompositionRow(grid, row));
        const std::string& keyword = MixtureComponentKeyword[row];
        if (IsUserGasMedium(keyword)) WriteMediumPropertyLines(kind, row, block);
    }
    add(CompositionRow(grid, kMixtureSumRow));
}

void WriteCompositionLines(char kind, bool useHumidityGrid) {
    ReportBlock block;
    WriteCompositionLines(kind, useHumidityGrid, block);
    block.Flush();
}

}  // namespace tubalyx
