#include "pressure_loss/fitting_catalogue.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "pressure_loss/branch_fittings.h"
#include "pressure_loss/fitting_catalogue_data.h"
#include "state/geometry.h"
#include "state/grid_rows.h"
#include "state/inputs.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "state/valve_state.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

constexpr int kZetaDigits = 5;
constexpr double kDegree = std::numbers::pi / 180.0;
// A bend in a pipe rougher than this (mm) loses twice its smooth-pipe coefficient.
constexpr double kSmoothPipeRoughnessMm = 0.01;
// A bend count at or below this means no bends.
constexpr double kNoPieces = 0.1;

TStringGrid& Grid() { return CalculationWindow().Motstandgrid; }

bool IsFittingColumn(int column) { return column >= 1 && column <= kFittingColumnCount; }

const char* Text(const FittingText& text) { return FittingTextIn(text, LanguageLetter); }

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

const char* GroupItem(BendGroup group) {
    switch (group) {
        case BendGroup::Bends45: return "N45gradersbjar";
        case BendGroup::Bends90: return "N90gradersbjar1";
        case BendGroup::Bends180: return "N180gradersbjar1";
        case BendGroup::NoGroup: break;
    }
    return nullptr;
}

std::string Description(const FittingKind& kind) {
    const char* group = GroupItem(kind.group);
    if (group == nullptr) return ResistanceMenuCaption(kind.menuItem);
    return ResistanceMenuCaption(group) + ":" + ResistanceMenuCaption(kind.menuItem);
}

void WriteParameterLabels(FittingParameters parameters) {
    TStringGrid& grid = Grid();
    if (parameters == FittingParameters::Valve) {
        grid.SetCell(0, 6, ValveKvPromptText());
        grid.SetCell(0, 7, CalculationWindow().fltext.Caption());
        grid.SetCell(0, 8, CalculationWindow().Ventildiamtext.Caption());
        return;
    }
    if (parameters == FittingParameters::None) return;
    const ParameterRows& rows = ParameterRowsOf(parameters);
    for (int i = 0; i < 3; ++i)
        grid.SetCell(0, kFirstParameterRow + i, rows.labels[i] != nullptr ? Text(*rows.labels[i]) : "");
}

void WriteParameterDefaults(const FittingKind& kind, int column) {
    TStringGrid& grid = Grid();
    if (kind.parameters == FittingParameters::Valve) {
        grid.SetCell(column, 6, FormatFixed(ValveKv, kZetaDigits));
        grid.SetCell(column, 7, FormatGeneral(ValveFL));
        grid.SetCell(column, 8, CalculationWindow().Dstorkallmm.Text());
        return;
    }
    const ParameterRows& rows = ParameterRowsOf(kind.parameters);
    for (int i = 0; i < 2; ++i)
        if (*rows.defaults[i] != '\0') grid.SetCell(column, kFirstParameterRow + i, rows.defaults[i]);
    if (rows.setsParamA) ResistanceParamA[column] = rows.paramA;
    if (rows.setsParamB) ResistanceParamB[column] = rows.paramB;
}

bool EvaluatedOnPlacing(ZetaRule rule) {
    return rule == ZetaRule::SharpBend || rule == ZetaRule::ObliqueOutlet || rule == ZetaRule::Branch;
}

double SharpBendZeta(double angleDegrees) {
    const double s = std::sin(angleDegrees * kDegree / 2);
    return 0.946 * PowerDouble(s, 2) + 2.047 * PowerDouble(s, 4);
}

double ObliqueOutletZeta(double angleDegrees) {
    const double c = std::cos(angleDegrees * kDegree);
    return 0.5 + 0.3 * c + 0.2 * c * c;
}

// The smooth-pipe coefficient doubled in a rough pipe, times the number of bends; an empty
// roughness cell takes the pipe's roughness, an empty count one bend.
double BendZeta(double zeta, int column) {
    const std::string pieces = Trimmed(Grid().Cell(column, 6));
    const std::string roughness = Trimmed(Grid().Cell(column, 7));
    const double count = pieces.empty() ? 1.0 : StrToFloatSafe(pieces);
    const double k = roughness.empty() ? PipeRoughnessMm : StrToFloatSafe(roughness);
    ResistanceParamB[column] = k;
    if (k > kSmoothPipeRoughnessMm) zeta *= 2;
    return count > kNoPieces ? count * zeta : 0.0;
}

}  // namespace

#define TUBALYX_DEFINE_FITTING_ROUTINE(name, kind) \
    void name(int column) { PlaceOrDescribeFitting(kind, column); }
TUBALYX_FITTING_ROUTINES(TUBALYX_DEFINE_FITTING_ROUTINE)
#undef TUBALYX_DEFINE_FITTING_ROUTINE

void PlaceOrDescribeFitting(int kindCode, int column) {
    const FittingKind* kind = FindFittingKind(kindCode);
    const int c = std::abs(column);
    if (kind == nullptr || !IsFittingColumn(c)) return;
    TStringGrid& grid = Grid();
    if (column > 0) {
        ResistanceKind[c] = kindCode;
        PrepareResistanceColumn(c);
        if (kind->rule == ZetaRule::Fixed || kind->rule == ZetaRule::FixedBend)
            grid.SetCell(c, kZetaRow, FormatGeneral(kind->zeta));
        grid.SetCell(c, kPositionRow, "1");
        WriteParameterDefaults(*kind, c);
        if (EvaluatedOnPlacing(kind->rule)) FittingResistanceNumber(c);
    }
    grid.SetCell(c, kDescriptionRow, Description(*kind));
    WriteParameterLabels(kind->parameters);
    if (kind->rule == ZetaRule::Branch) PaintBranchDiagram(kindCode);
    FitResistanceGridColumn(c);
}

void PrepareResistanceColumn(int column) {
    if (!IsFittingColumn(column)) return;
    TStringGrid& grid = Grid();
    grid.SetCell(0, kZetaRow, Text(ResistanceKind[column] == kUserDefinedKind ? kZetaEntryLabel : kZetaResultLabel));
    for (int row = kDescriptionRow; row <= kLastParameterRow; ++row) grid.SetCell(column, row, "");
}

void FitResistanceGridColumn(int column) {
    TStringGrid& grid = Grid();
    int longest = 0;
    for (int row = 0; row <= kLastParameterRow; ++row) longest = std::max(longest, Utf8Length(grid.Cell(column, row)));
    if (longest == 0) return;
    const int perCharacter = std::max(1, grid.Font().Size - 2);
    grid.SetColWidth(column, perCharacter * (longest + 1));
}

void DispatchResistanceColumn(int column) {
    if (!IsFittingColumn(column)) return;
    TStringGrid& grid = Grid();
    const int kind = ResistanceKind[column];
    grid.SetHint("");
    if (kind < 10 || kind > 16) {
        grid.SetCell(0, 6, "");
        grid.SetCell(0, 7, "");
    }
    grid.SetCell(0, 8, "");
    grid.SetCell(0, kZetaRow, Text(kind == kUserDefinedKind ? kZetaEntryLabel : kZetaResultLabel));
    if (IsBranchKind(kind)) {
        BranchDiagramMarker = 0;
    } else if (BranchDiagramMarker == 0) {
        // Hiding the diagram repaints the area it covered.
        TPaintBox& box = CalculationWindow().PaintBox1;
        BranchDiagramMarker = box.ClientWidth() + box.Left();
        box.SetVisible(false);
    }
    PlaceOrDescribeFitting(kind, -column);
}

void FittingResistanceNumber(int column) {
    if (!IsFittingColumn(column)) return;
    const FittingKind* kind = FindFittingKind(ResistanceKind[column]);
    if (kind == nullptr) return;
    double zeta = 0.0;
    switch (kind->rule) {
        case ZetaRule::Fixed: zeta = kind->zeta; break;
        case ZetaRule::FixedBend: zeta = BendZeta(kind->zeta, column); break;
        case ZetaRule::SharpBend: zeta = SharpBendZeta(ResistanceParamA[column]); break;
        case ZetaRule::ObliqueOutlet: zeta = ObliqueOutletZeta(ResistanceParamA[column]); break;
        case ZetaRule::Branch: zeta = BranchZeta(kind->kind, ResistanceParamA[column]); break;
        case ZetaRule::Line: return;
    }
    ResistanceZeta[column] = zeta;
    Grid().SetCell(column, kZetaRow, FormatFixed(zeta, kZetaDigits));
}

void ClearFittingResults() {
    TStringGrid& grid = Grid();
    for (int c = 1; c <= kFittingColumnCount; ++c) {
        const FittingKind* kind = FindFittingKind(ResistanceKind[c]);
        if (kind != nullptr && kind->rule == ZetaRule::Line) grid.SetCell(c, kZetaRow, "");
        for (int row : {kPercentRow, kMbarRow}) grid.SetCell(c, row, "");
    }
}

}  // namespace tubalyx
