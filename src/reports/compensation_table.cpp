#include "reports/compensation_table.h"

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "numerics/unit_parser.h"
#include "reports/compensation_intervals.h"
#include "reports/flow_function_block.h"
#include "reports/result_report_detail.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "texts/language_text.h"
#include "texts/report_label_strings.h"
#include "texts/report_texts.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

constexpr int kLast = kCompTableLastIndex;
constexpr int kMaxPoints = 10;
constexpr double kFailedPercent = 100.0;
// The floor that keeps the density texts finite before a calculation has run.
constexpr double kNoDensity = 1e-10;
// The flow density and the table's reference density are taken as equal within this.
constexpr double kSameDensity = 1e-5;
// Each pass grows one axis by a point, from 1 x 1 to 10 x 10 at most.
constexpr int kMaxPasses = 2 * kMaxPoints;

TStringGrid& Grid() { return ReportWriterWindow().PTKompgrid; }

std::string F6(double v) { return FormatFixed(v, 6); }
std::string F7(double v) { return FormatFixed(v, 7); }
std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A cell read as a number; a text that had to be read with the other separator is written
// back corrected.
double ReadCell(int col, int row) {
    std::string text = Grid().Cell(col, row);
    const double v = StrToFloatAnySep(text);
    Grid().SetCell(col, row, text);
    return v;
}

// A pair of limit cells; `ordered`: a minimum above the maximum becomes the maximum too.
void ReadLimits(int minCol, int minRow, int maxCol, int maxRow, double& lo, double& hi, bool ordered) {
    lo = ReadCell(minCol, minRow);
    hi = ReadCell(maxCol, maxRow);
    if (ordered && lo > hi) {
        hi = lo;
        Grid().SetCell(maxCol, maxRow, Grid().Cell(minCol, minRow));
    }
}

// An entry of the static-pressure fields in kPa absolute, through the unit parser (a gauge
// unit adds the atmosphere); 0 for a unit it does not know.
double EntryKPa(double value) {
    std::string unit = PressureUnit;
    std::string kind;
    double pa = 0.0;
    try {
        ParseUnitValue(unit, value, 1.0, 1.0, pa, kind);
    } catch (const CalcError&) {
        pa = 0.0;
    }
    return 0.001 * pa;
}

// Point k of n between lo and hi; the lower limit alone for one point. Limits further apart
// than the range of numbers allows take the weighted mean of the two, which cannot leave it.
double PointValue(double lo, double hi, int k, int n) {
    if (n <= 1) return lo;
    const double step = (hi - lo) * k;
    if (std::isfinite(step)) return lo + step / (n - 1);
    const double f = static_cast<double>(k) / (n - 1);
    return lo * (1.0 - f) + hi * f;
}

// The density of the medium at a state; false when the property routine fails or gives no
// density. `t` becomes the state temperature (saturated steam).
bool TryDensity(double pKPa, double& t, double& density) {
    try {
        density = MediumDensityAt(pKPa * 1000.0, t);
        return std::isfinite(density) && density > 0.0;
    } catch (const CalcError&) {
        return false;
    }
}

// |(d - e) / d| in percent, 100 when it cannot be formed.
double ErrorPercent(double d, double e) {
    if (!(d > 0.0) || !std::isfinite(e)) return kFailedPercent;
    return std::fabs((d - e) / d) * 100.0;
}

struct TableState {
    CompTableKind kind = CompTableKind::Gas;
    double pmin = 0, pmax = 0, tmin = 0, tmax = 0;  // kPa absolute, degrees C
    double p0 = 0, t0 = 0;                          // the reference state
    double endDensity[2] = {0, 0};                  // a liquid's densities at Tmin and Tmax
    int nP = 1, nT = 1;
};

// The ratio Z0/Zn that turns the ideal-gas estimate from the reference state into d.
double RatioOf(const TableState& s, double d, double pKPa, double t) {
    return CheckedDiv(d, ReferenceDensity) * CheckedDiv(s.p0, pKPa) *
           CheckedDiv(kKelvinOffset + t, kKelvinOffset + s.t0);
}

// The cells that stand before the first pass and are rewritten by every pass.
void WriteFirstCells(const TableState& s) {
    TStringGrid& g = Grid();
    switch (s.kind) {
        case CompTableKind::Steam:
            g.SetCell(2, 1, "1");
            g.SetCell(1, kLast, F6(s.tmax));
            g.SetCell(1, 1, F6(s.tmin));
            break;
        case CompTableKind::Liquid:
            g.SetCell(1, 2, F6(s.endDensity[0]));
            g.SetCell(kLast, 2, F6(s.endDensity[1]));
            g.SetCell(1, 1, F7(s.pmin));
            g.SetCell(kLast, 1, F7(s.pmax));
            break;
        case CompTableKind::Gas: g.SetCell(1, 1, "1"); break;
    }
}

// One pass over nP x nT points on a cleared grid; false when a point had no density.
bool FillPass(const TableState& s) {
    TStringGrid& g = Grid();
    WriteCompTableHeadings();
    WriteFirstCells(s);
    bool complete = true;
    for (int j = 0; j < s.nT; ++j) {
        const int col = CompTablePointIndex(j, s.nT);
        for (int i = 0; i < s.nP; ++i) {
            const int row = CompTablePointIndex(i, s.nP);
            const double p = PointValue(s.pmin, s.pmax, i, s.nP);
            double t = PointValue(s.tmin, s.tmax, j, s.nT);
            double d = 0.0;
            const bool ok = TryDensity(p, t, d);
            complete = complete && ok;
            switch (s.kind) {
                case CompTableKind::Liquid:
                    if (col != kLast) g.SetCell(col, 0, F6(t));
                    if (ok) g.SetCell(col, 2, F6(d));
                    g.SetCell(1, 1, F7(p));
                    g.SetCell(kLast, 1, F7(p));
                    break;
                case CompTableKind::Steam:
                    if (row != kLast) g.SetCell(0, row, F7(p));
                    if (ok) {
                        g.SetCell(1, row, F6(t));
                        g.SetCell(2, row, F6(RatioOf(s, d, p, t)));
                    }
                    break;
                case CompTableKind::Gas:
                    if (col != kLast) g.SetCell(col, 0, F6(t));
                    if (row != kLast) g.SetCell(0, row, F7(p));
                    if (ok) g.SetCell(col, row, F6(RatioOf(s, d, p, t)));
                    break;
            }
        }
    }
    return complete;
}

// The counts of the next pass; an axis whose limits agree, or that the medium fixes,
// keeps its one point.
void GrowCounts(TableState& s, bool growP, bool growT) {
    if (s.nP == 1 && s.nT == 1) {
        s.nP = growP ? 2 : 1;
        s.nT = growT ? 2 : 1;
        return;
    }
    // Relative spans per point; a limit that gives no usable ratio counts as no span.
    const double rP = s.pmax != 0.0 ? std::fabs(s.pmax - s.pmin) / s.pmax / s.nP : 0.0;
    const double rT =
        kKelvinOffset + s.tmax != 0.0 ? std::fabs(s.tmax - s.tmin) / (kKelvinOffset + s.tmax) / s.nT : 0.0;
    const bool pFirst = rP > rT || s.nT >= kMaxPoints || !growT;
    const bool canP = growP && s.nP < kMaxPoints, canT = growT && s.nT < kMaxPoints;
    if ((pFirst && canP) || !canT)
        ++s.nP;
    else
        ++s.nT;
}

// The error of one point per axis: the ideal-gas estimate from the reference state at the
// corners (a liquid: the mean of its end densities at the middle temperature).
double StartingError(const TableState& s) {
    if (s.kind == CompTableKind::Liquid) {
        double t = s.t0, d = 0.0;
        if (!TryDensity(s.pmin, t, d)) return kFailedPercent;
        const double e = s.tmax == s.tmin ? s.endDensity[0]
                                          : s.endDensity[0] + (s.endDensity[1] - s.endDensity[0]) * (s.t0 - s.tmin) /
                                                                  (s.tmax - s.tmin);
        return ErrorPercent(d, e);
    }
    double worst = 0.0;
    const double corners[4][2] = {{s.pmax, s.tmin}, {s.pmax, s.tmax}, {s.pmin, s.tmin}, {s.pmin, s.tmax}};
    for (const auto& c : corners) {
        double t = c[1], d = 0.0;
        double err = kFailedPercent;
        if (TryDensity(c[0], t, d)) {
            try {
                err = ErrorPercent(
                    d, ReferenceDensity * CheckedDiv(c[0], s.p0) * CheckedDiv(kKelvinOffset + s.t0, kKelvinOffset + t));
            } catch (const CalcError&) {
                err = kFailedPercent;
            }
        }
        worst = std::fmax(worst, err);
    }
    return worst;
}

// Steps of the computing build; the number of table points (for the ratio suffix).
int ComputeTable(double allowed) {
    TableState s;
    s.kind = CompTableKindOf(MediumCode);
    ReadCompensationTableLimits();
    s.pmin = CompTablePressureMinKPa, s.pmax = CompTablePressureMaxKPa;
    s.tmin = CompTableTemperatureMinC, s.tmax = CompTableTemperatureMaxC;
    if (s.kind == CompTableKind::Liquid) Grid().SetCell(kLast, 1, Grid().Cell(1, 1));

    double d = 0.0;
    if (s.kind == CompTableKind::Steam) {
        // The state temperatures at the pressure limits are the temperature limits of steam.
        double t = s.tmin;
        TryDensity(s.pmin, t, d);
        s.tmin = t;
        t = s.tmax;
        TryDensity(s.pmax, t, d);
        s.tmax = t;
    } else if (s.kind == CompTableKind::Liquid) {
        if (s.tmax == s.tmin) Grid().SetCell(kLast, 0, Grid().Cell(1, 0));
        double t = s.tmin;
        if (TryDensity(s.pmin, t, d)) s.endDensity[0] = d;
        t = s.tmax;
        if (TryDensity(s.pmax, t, d)) s.endDensity[1] = d;
    }
    s.p0 = std::midpoint(s.pmin, s.pmax);
    s.t0 = std::midpoint(s.tmin, s.tmax);
    ReferenceDensity = TryDensity(s.p0, s.t0, d) ? d : 0.0;

    DensityTableErrorPercent = StartingError(s);
    WriteCompTableHeadings();
    WriteFirstCells(s);
    const bool growP = s.pmax != s.pmin && s.kind != CompTableKind::Liquid;
    const bool growT = s.tmax != s.tmin && s.kind != CompTableKind::Steam;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        const bool room = (growP && s.nP < kMaxPoints) || (growT && s.nT < kMaxPoints);
        if (!(DensityTableErrorPercent > allowed) || !room) break;
        GrowCounts(s, growP, growT);
        const bool complete = FillPass(s);
        // The error of the code generated from this table, at its own check points.
        DensityTableErrorPercent = TableInterpolationErrorPercent();
        if (!complete) DensityTableErrorPercent = std::fmax(DensityTableErrorPercent, kFailedPercent);
    }
    if (s.kind == CompTableKind::Steam) {
        CompTableTemperatureMinC = ReadCell(1, 1);
        CompTableTemperatureMaxC = ReadCell(1, kLast);
    }
    return s.nP * s.nT;
}

// The labels of the table page and the density texts of the code generator.
void WriteTableTexts(bool computed, int points) {
    const ReportWriterControls& f = ReportWriterWindow();
    const CompTableKind kind = CompTableKindOf(MediumCode);
    const bool liquid = kind == CompTableKind::Liquid;
    const double flow = FlowDensity < kNoDensity ? 1.0 : FlowDensity;
    // A table not computed since the run has no reference state of its own: an earlier table's
    // would name another page's state.
    const double reference = computed && ReferenceDensity >= kNoDensity ? ReferenceDensity : flow;
    const double p0 = std::midpoint(CompTablePressureMinKPa, CompTablePressureMaxKPa);
    double t0 = std::midpoint(CompTableTemperatureMinC, CompTableTemperatureMaxC);
    if (kind == CompTableKind::Steam) t0 = SteamReference().Tref;
    const std::string t0Text = F6(kKelvinOffset + t0);
    const bool severalPoints = kind == CompTableKind::Steam ? !Grid().Cell(2, kLast).empty() : points > 1;
    const std::string suffix = severalPoints ? ByLanguage(report_text::CompensationRatioSuffix) : "";

    if (computed) {
        f.ZLabel.SetCaption(liquid ? ByLanguage(report_text::CompensationLiquidColumnHeading)
                                   : ByLanguage(report_text::CompensationGasColumnHeading));
        if (liquid)
            f.PThelp.SetCaption(ByLanguage(report_text::CompensationLiquidHelp));
        else
            f.PThelp.SetCaption(std::string(ByLanguage(report_text::CompensationGasHelpPrefix)) + F6(p0) + "*" +
                                t0Text + "/(T(C)+273,15)" + "*" + F6(reference) + suffix);
        f.PTr0text.SetCaption(std::string(ByLanguage(report_text::CompensationReferencePrefix)) + F6(reference) +
                              ByLanguage(report_text::CompensationReferenceAt) + F6(p0) + " kPaA, " + F6(t0) + " C");
        if (!liquid) f.Z0Zn.SetCaption(ByLanguage(report_text::CompensationRatioHelp));
        f.PTmaxerror.SetCaption(std::string(ByLanguage(report_text::CompensationMaxErrorPrefix)) +
                                FormatFixed(DensityTableErrorPercent, 4));
    } else {
        f.ZLabel.SetCaption(liquid ? ByLanguage(report_text::CompensationLiquidColumnHeadingBeforeRun)
                                   : ByLanguage(report_text::CompensationGasColumnHeading));
        f.PThelp.SetCaption(ByLanguage(report_text::CompensationHelpBeforeRun));
        f.Z0Zn.SetCaption(ByLanguage(report_text::CompensationRatioHelpBeforeRun));
        f.PTmaxerror.SetCaption(ByLanguage(report_text::CompensationMaxErrorBeforeRun));
    }
    DensityAssignmentLine =
        DotForm(std::string(ByLanguage(report_text::CompensationAssignmentPrefix)) + F6(p0) + "*" + t0Text +
                ByLanguage(report_text::CompensationAssignmentRatio) + F6(reference) + ";");

    if (CalcFunction != kFunctionPrimaryDevice) {
        for (TLabel* l : {&f.fdens_mat, &f.PTberex}) {
            l->SetCaption("");
            l->SetVisible(false);
        }
        return;
    }
    const std::string& sep = ReportSeparator;
    if (liquid) {
        f.fdens_mat.SetCaption("fdens_mat= sqrt[densitet(T)/" + sep + F6(flow) + sep + "]");
        return;
    }
    std::string text = "fdens_mat= sqrt[P(kPaA)/" + sep + F6(p0) + sep + "*" + t0Text + "/(T(C)+273,15)" + suffix;
    const double ratio = reference / flow;
    if (std::fabs(flow / reference - 1.0) <= kSameDensity) {
        text += "]";
        DensityRatioText = kNoDensityRatio;
    } else {
        text += "*" + sep + F6(ratio) + "]";
        DensityRatioText = Trimmed(FormatFixedPoint(ratio, 7));
    }
    f.fdens_mat.SetCaption(text);
}

// The block's title, formula, note, error and flow-factor lines stand in it once a run or the
// table's "Run" has written them: an empty one would be a line of no width.
bool IsResultLine(const TControl& c) {
    const ReportWriterControls& f = ReportWriterWindow();
    return &c == &f.PTberex || &c == &f.PThelp || &c == &f.fdens_mat || &c == &f.PTmaxerror || &c == &f.ZLabel ||
           &c == &f.Z0Zn;
}

// Whether a control of the block shows while the block does.
bool ShownWithBlock(const TControl& c) {
    const ReportWriterControls& f = ReportWriterWindow();
    const CompTableKind kind = CompTableKindOf(MediumCode);
    if ((&c == &f.ZLabel || &c == &f.Tmax) && kind == CompTableKind::Steam) return false;
    if (&c == &f.Z0Zn && kind == CompTableKind::Liquid) return false;
    return !IsResultLine(c) || !static_cast<const TLabel&>(c).Caption().empty();
}

// The block's controls in the order they are shown and hidden.
std::vector<TControl*> BlockControls() {
    const ReportWriterControls& f = ReportWriterWindow();
    return {&f.PTKompgrid,   &f.Trycktemplabel, &f.PTberex, &f.BigBlock,  &f.Pmin,   &f.Pmax,
            &f.PTberfeltext, &f.PTberfel,       &f.PThelp,  &f.fdens_mat, &f.Label2, &f.PTmaxerror,
            &f.kod,          &f.ZLabel,         &f.Tmax,    &f.Z0Zn};
}

// The result lines that have a text stand in the shown block; the others are left out.
void ShowResultLines() {
    if (!ReportWriterWindow().PTKompgrid.Visible()) return;
    for (TControl* c : BlockControls())
        if (IsResultLine(*c)) c->SetVisible(ShownWithBlock(*c));
}

}  // namespace

int CompTablePointIndex(int k, int n) { return n <= 1 ? 1 : k * 9 / (n - 1) + 1; }

void ReadCompensationTableLimits() {
    const ReportWriterControls& f = ReportWriterWindow();
    TStringGrid& g = Grid();
    switch (CompTableKindOf(MediumCode)) {
        case CompTableKind::Gas:
            f.Pmin.SetCaption("Pmin");
            f.Pmax.SetCaption("Pmax");
            g.SetCell(0, 1, FormatGeneral(EntryKPa(PressureMinInput)));
            g.SetCell(0, kLast, FormatGeneral(EntryKPa(PressureMaxInput)));
            g.SetCell(1, 0, FormatGeneral(TemperatureMinC));
            g.SetCell(kLast, 0, FormatGeneral(TemperatureMaxC));
            ReadLimits(0, 1, 0, kLast, CompTablePressureMinKPa, CompTablePressureMaxKPa, true);
            ReadLimits(1, 0, kLast, 0, CompTableTemperatureMinC, CompTableTemperatureMaxC, true);
            break;
        case CompTableKind::Steam:
            f.Pmin.SetVisible(false);
            f.Pmax.SetVisible(false);
            ReadLimits(0, 1, 0, kLast, CompTablePressureMinKPa, CompTablePressureMaxKPa, false);
            break;
        case CompTableKind::Liquid:
            f.Pmin.SetVisible(false);
            f.Pmax.SetVisible(false);
            ReadLimits(1, 0, kLast, 0, CompTableTemperatureMinC, CompTableTemperatureMaxC, true);
            CompTablePressureMinKPa = CompTablePressureMaxKPa = ReadCell(1, 1);
            g.SetCell(kLast, 1, g.Cell(1, 1));
            break;
    }
}

void WriteCompTableHeadings() {
    TStringGrid& g = Grid();
    const CompTableKind kind = CompTableKindOf(MediumCode);
    auto kept = [](int c, int r) {
        return (c == 0 && (r == 0 || r == 1 || r == 2 || r == kLast)) || (r == 0 && (c == 1 || c == kLast));
    };
    for (int c = 0; c <= kLast; ++c)
        for (int r = 0; r <= kLast; ++r)
            if (!kept(c, r) || (kind == CompTableKind::Steam && r == 0 && c >= 1)) g.SetCell(c, r, "");
    switch (kind) {
        case CompTableKind::Gas:
            g.SetCell(0, 0, " Temp (C)->");
            g.SetCell(1, 0, F6(CompTableTemperatureMinC));
            g.SetCell(2, 0, "");
            g.SetCell(0, 2, "");
            break;
        case CompTableKind::Liquid:
            g.SetCell(0, 0, " Temp (C)->");
            g.SetCell(0, 1, " P (kPaA)");
            g.SetCell(0, 2, ByLanguage(report_text::CompensationDensityColumnHeading));
            break;
        case CompTableKind::Steam:
            g.SetCell(0, 0, " P (kPaA)");
            g.SetCell(1, 0, "T (C)");
            g.SetCell(2, 0, "Z0/Zn");
            // A pressure point of an earlier pass, not a heading as for a liquid.
            g.SetCell(0, 2, "");
            break;
    }
}

void BuildCompensationTable(bool compute) {
    const ReportWriterControls& f = ReportWriterWindow();
    TStringGrid& g = Grid();
    if (g.ColCount() < kLast + 1) g.SetColCount(kLast + 1);
    if (g.RowCount() < kLast + 1) g.SetRowCount(kLast + 1);
    if (!compute) WriteCompTableHeadings();
    CompTableMedium = Utf8Left(MediumCode, 10);
    double allowed = 0.0;
    if (compute) {
        std::string text = f.PTberfel.Text();
        allowed = StrToFloatAnySep(text);
        f.PTberfel.SetText(text);
    }
    DensityTableErrorPercent = 0.0;
    int points = 1;
    if (compute) {
        try {
            points = ComputeTable(allowed);
        } catch (const CalcError&) {
            // Only the texts can still fail here; the table then shows how far it came.
            DensityTableErrorPercent = kFailedPercent;
        }
    }
    // The floors that keep the texts finite before a calculation has run.
    if (FlowDensity < kNoDensity) FlowDensity = 1.0;
    if (ReferenceDensity < kNoDensity) ReferenceDensity = FlowDensity;
    WriteTableTexts(compute, points);
    ShowResultLines();
}

void WriteUncomputedTableTexts() {
    // Before the first run the block has no texts, and saturated steam's run leaves them.
    if (DensityTableReady || ReportWriterWindow().PThelp.Caption().empty() || MediumCode == kMediumWetSteam) return;
    ReadCompensationTableLimits();
    WriteTableTexts(false, 1);
    ShowResultLines();
}

void ShowCompensationTableControls(bool show) {
    const ReportWriterControls& f = ReportWriterWindow();
    const CompTableKind kind = CompTableKindOf(MediumCode);
    for (TControl* c : BlockControls()) c->SetVisible(show && ShownWithBlock(*c));
    f.PTr0text.SetVisible(false);
    f.Matain.SetCaption(kind == CompTableKind::Steam ? CompensationTableHintPressureOnly : CompensationTableHint);
    f.Matain.SetVisible(show);
}

void WriteCompressibilityTable() {
    if (CalcFunction != kFunctionPrimaryDevice && CalcFunction != kFunctionThermodynamics) return;
    TStringGrid& g = Grid();
    const std::string pmin = F7(EntryKPa(PressureMinInput)), pmax = F7(EntryKPa(PressureMaxInput));
    switch (CompTableKindOf(MediumCode)) {
        case CompTableKind::Gas:
            g.SetCell(0, 0, " Temp (C)->");
            g.SetCell(0, 1, pmin);
            g.SetCell(0, kLast, pmax);
            g.SetCell(1, 0, F7(TemperatureMinC));
            g.SetCell(kLast, 0, F7(TemperatureMaxC));
            g.SetCell(1, 1, "");
            g.SetCell(kLast, 1, "");
            break;
        case CompTableKind::Steam:
            g.SetCell(0, 0, " P (kPaA)");
            g.SetCell(0, 1, pmin);
            g.SetCell(0, kLast, pmax);
            g.SetCell(1, 0, "T (C)");
            g.SetCell(2, 0, "Z0/Zn");
            g.SetCell(kLast, 0, "");
            break;
        case CompTableKind::Liquid:
            g.SetCell(0, 0, " Temp (C)->");
            g.SetCell(0, 1, " P (kPaA)");
            g.SetCell(1, 1, pmin);
            g.SetCell(kLast, 1, pmax);
            g.SetCell(1, 0, F7(TemperatureMinC));
            g.SetCell(kLast, 0, F7(TemperatureMaxC));
            g.SetCell(0, kLast, "");
            break;
    }
}

}  // namespace tubalyx
