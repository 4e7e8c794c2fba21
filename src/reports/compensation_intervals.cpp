#include "reports/compensation_intervals.h"

#include <cmath>
#include <numeric>

#include "media/medium_identification.h"
#include "media/medium_properties.h"
#include "media/possible_state.h"
#include "media/steam_equations.h"
#include "media/typed_phase.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "state/composition.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

constexpr double kFailedCheckPercent = 100.0;

bool Filled(const TStringGrid& grid, int col, int row) { return !grid.Cell(col, row).empty(); }

// A ratio cell that reads 0 or less is no ratio: the code takes 1.
double RatioCell(const TStringGrid& grid, int col, int row) {
    const double r = CompTableNumber(grid, col, row);
    return r > 0.0 ? r : 1.0;
}

// |estimate - reference| / reference in percent; 100 for a reference that is no density.
double Deviation(double estimate, double reference) {
    if (!(reference > 0.0) || !std::isfinite(estimate)) return kFailedCheckPercent;
    const double d = std::fabs(estimate - reference) / reference * 100.0;
    return std::isfinite(d) ? d : kFailedCheckPercent;
}

// The deviation of one check point, whatever the evaluation raises.
template <class Check>
double Checked(Check check) {
    try {
        return check();
    } catch (const CalcError&) {
        return kFailedCheckPercent;
    }
}

// The interpolated density of the gas and steam blocks:
// PkPa/Pref * (273.15+Tref)/(273.15+T) * ratio * r0.
double IdealGasEstimate(const DensityReference& ref, double pKPa, double t, double ratio) {
    return CheckedDiv(pKPa, ref.PrefKPa) * CheckedDiv(kKelvinOffset + ref.Tref, kKelvinOffset + t) * ratio *
           ref.density;
}

double Lerp(double x, double x0, double x1, double y0, double y1) {
    return CheckedDiv((x1 - x) * y0 + (x - x0) * y1, x1 - x0);
}

}  // namespace

CompTableKind CompTableKindOf(const std::string& medium) {
    if (medium == kMediumWetSteam) return CompTableKind::Steam;
    // The table is the last run's: of the medium as that run computed it.
    return ComputedAsGas(medium) ? CompTableKind::Gas : CompTableKind::Liquid;
}

double CompTableNumber(const TStringGrid& grid, int col, int row) {
    std::string text = grid.Cell(col, row);
    return StrToFloatAnySep(text);
}

TableAxis ValidPressureRows(const TStringGrid& grid) {
    TableAxis axis;
    if (CompTablePressureMinKPa == CompTablePressureMaxKPa) return axis;
    for (int row = 1; row < grid.RowCount() && row <= kCompTableLastIndex; ++row) {
        if (!Filled(grid, 0, row) || !Filled(grid, 1, row)) continue;
        axis.index.push_back(row);
        axis.value.push_back(CompTableNumber(grid, 0, row));
    }
    return axis;
}

TableAxis ValidTemperatureColumns(const TStringGrid& grid, CompTableKind kind) {
    TableAxis axis;
    if (CompTableTemperatureMinC == CompTableTemperatureMaxC) return axis;
    // A liquid's row 1 holds its pressure at the two ends only; its points are the densities.
    const int valueRow = kind == CompTableKind::Liquid ? 2 : 1;
    for (int col = 1; col < grid.ColCount() && col <= kCompTableLastIndex; ++col) {
        if (!Filled(grid, col, 0) || !Filled(grid, col, valueRow)) continue;
        axis.index.push_back(col);
        axis.value.push_back(CompTableNumber(grid, col, 0));
    }
    return axis;
}

std::vector<LiquidInterval> LiquidIntervals(const TStringGrid& grid, const TableAxis& columns) {
    std::vector<LiquidInterval> out;
    if (columns.Count() <= 2) {
        out.push_back({CompTableNumber(grid, 1, 0), CompTableNumber(grid, kCompTableLastIndex, 0),
                       CompTableNumber(grid, 1, 2), CompTableNumber(grid, kCompTableLastIndex, 2)});
        return out;
    }
    for (int i = 0; i + 1 < columns.Count(); ++i) {
        const int lo = columns.index[i], hi = columns.index[i + 1];
        out.push_back(
            {columns.value[i], columns.value[i + 1], CompTableNumber(grid, lo, 2), CompTableNumber(grid, hi, 2)});
    }
    return out;
}

std::vector<std::vector<GasCell>> GasCells(const TStringGrid& grid, const TableAxis& columns, const TableAxis& rows) {
    struct Span {
        double lo, hi;
        int loIndex, hiIndex;
    };
    // Fewer than two entries: one degenerate interval on the fixed cell's bound, with the
    // values of the entry that exists (else of index 1).
    auto spans = [](const TableAxis& axis, double fixedBound) {
        std::vector<Span> s;
        if (axis.Count() < 2) {
            const int at = axis.Count() == 1 ? axis.index[0] : 1;
            s.push_back({fixedBound, fixedBound, at, at});
            return s;
        }
        for (int i = 0; i + 1 < axis.Count(); ++i)
            s.push_back({axis.value[i], axis.value[i + 1], axis.index[i], axis.index[i + 1]});
        return s;
    };
    const std::vector<Span> t = spans(columns, CompTableNumber(grid, 1, 0));
    const std::vector<Span> p = spans(rows, CompTableNumber(grid, 0, 1));
    std::vector<std::vector<GasCell>> cells(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        for (const Span& ps : p) {
            GasCell c;
            c.tlo = t[i].lo, c.thi = t[i].hi, c.plo = ps.lo, c.phi = ps.hi;
            c.rMinMin = RatioCell(grid, t[i].loIndex, ps.loIndex);
            c.rMaxMin = RatioCell(grid, t[i].hiIndex, ps.loIndex);
            c.rMinMax = RatioCell(grid, t[i].loIndex, ps.hiIndex);
            c.rMaxMax = RatioCell(grid, t[i].hiIndex, ps.hiIndex);
            cells[i].push_back(c);
        }
    }
    return cells;
}

std::vector<SteamInterval> SteamIntervals(const TStringGrid& grid, const TableAxis& rows) {
    std::vector<SteamInterval> out;
    auto at = [&](int lo, int hi, double plo, double phi) {
        out.push_back({plo, phi, CompTableNumber(grid, 1, lo), CompTableNumber(grid, 1, hi), RatioCell(grid, 2, lo),
                       RatioCell(grid, 2, hi)});
    };
    if (rows.Count() < 2) {
        const double p = CompTableNumber(grid, 0, 1);
        at(1, 1, p, p);
        return out;
    }
    for (int j = 0; j + 1 < rows.Count(); ++j) at(rows.index[j], rows.index[j + 1], rows.value[j], rows.value[j + 1]);
    return out;
}

RatioForm GasRatioForm(const GasCell& last) {
    const bool t = last.thi > last.tlo, p = last.phi > last.plo;
    if (t && p) return RatioForm::Bilinear;
    if (t) return RatioForm::TemperatureOnly;
    if (p) return RatioForm::PressureOnly;
    return RatioForm::Constant;
}

double GasRatioAt(const GasCell& c, RatioForm form, double t, double pKPa) {
    switch (form) {
        case RatioForm::Bilinear: {
            const double dt = c.thi - c.tlo, dp = c.phi - c.plo;
            const double sum = c.rMinMin * (c.thi - t) * (c.phi - pKPa) + c.rMaxMin * (t - c.tlo) * (c.phi - pKPa) +
                               c.rMinMax * (c.thi - t) * (pKPa - c.plo) + c.rMaxMax * (t - c.tlo) * (pKPa - c.plo);
            return CheckedDiv(CheckedDiv(sum, dt), dp);
        }
        case RatioForm::TemperatureOnly:
            return CheckedDiv(c.rMinMin * (c.thi - t) + c.rMaxMax * (t - c.tlo), c.thi - c.tlo);
        case RatioForm::PressureOnly:
            return CheckedDiv(c.rMinMin * (c.phi - pKPa) + c.rMaxMax * (pKPa - c.plo), c.phi - c.plo);
        case RatioForm::Constant: return c.rMinMin;
    }
    return c.rMinMin;
}

DensityReference GasReference() {
    return {std::midpoint(CompTablePressureMinKPa, CompTablePressureMaxKPa),
            std::midpoint(CompTableTemperatureMinC, CompTableTemperatureMaxC), ReferenceDensity};
}

DensityReference SteamReference() {
    const double p = std::midpoint(CompTablePressureMinKPa, CompTablePressureMaxKPa);
    double t = 0.0;
    try {
        if (TryWaterSaturationTemperature(p * 1000.0, t) == SaturationTemperatureStatus::PressureNotPositive) t = 0.0;
    } catch (const CalcError&) {
        t = 0.0;
    }
    return {p, t, ReferenceDensity};
}

double MediumDensityAt(double pressurePa, double& temperatureC) {
    double absolute = AbsoluteHumidity, specific = SpecificHumidity, dew = DewTemperatureC, relative = RelativeHumidity;
    double density = 0, dry = 0, vapour = 0, viscosity = 0, kappa = 0, cp = 0, cv = 0, pv = 0, h = 0;
    double p = pressurePa;
    MediumPropertiesAtState(false, MediumCode, GasComposition, GivenDensity, GivenViscosityPas, GivenCp, GivenCv,
                            GivenKappa, GivenCriticalTemperatureK, GivenMolarMass, p, temperatureC, HumidityInputKind,
                            absolute, specific, dew, relative, density, dry, vapour, viscosity, kappa, cp, cv, pv, h);
    // A cell of a state no medium can have has no density.
    RequirePossibleState({.pressure = p,
                          .temperature = temperatureC,
                          .density = density,
                          .dryDensity = dry,
                          .vapourDensity = vapour,
                          .viscosity = viscosity,
                          .kappa = kappa,
                          .cp = cp,
                          .cv = cv,
                          .vapourPressure = pv,
                          .enthalpy = h},
                         MediumCode, false);
    return density;
}

double LiquidInterpolationError(const std::vector<LiquidInterval>& intervals, double pressureKPa) {
    if (intervals.empty()) return 0.0;
    const bool linear = intervals.back().thi > intervals.back().tlo;
    double worst = 0.0;
    for (const LiquidInterval& iv : intervals) {
        // The quarter points and the middle, as the gas and steam checks take them.
        const double points[] = {(3 * iv.tlo + iv.thi) / 4, (iv.tlo + iv.thi) / 2, (iv.tlo + 3 * iv.thi) / 4};
        for (double t : points) {
            worst = std::fmax(
                worst, Checked([&] {
                    const double estimate =
                        linear ? CheckedDiv(iv.dlo * (iv.thi - t) + iv.dhi * (t - iv.tlo), iv.thi - iv.tlo) : iv.dlo;
                    double state = t;
                    return Deviation(estimate, MediumDensityAt(pressureKPa * 1000.0, state));
                }));
            if (!linear) break;
        }
    }
    return worst;
}

double GasInterpolationError(const std::vector<std::vector<GasCell>>& cells, const DensityReference& ref) {
    if (cells.empty() || cells.back().empty()) return 0.0;
    const RatioForm form = GasRatioForm(cells.back().back());
    double worst = 0.0;
    for (const auto& column : cells) {
        for (const GasCell& c : column) {
            const double points[][2] = {{(c.tlo + c.thi) / 2, (c.plo + c.phi) / 2},
                                        {(c.tlo + 3 * c.thi) / 4, (3 * c.plo + c.phi) / 4},
                                        {(3 * c.tlo + c.thi) / 4, (c.plo + 3 * c.phi) / 4}};
            for (const auto& tp : points) {
                worst = std::fmax(worst, Checked([&] {
                                      const double t = tp[0], p = tp[1];
                                      const double estimate = IdealGasEstimate(ref, p, t, GasRatioAt(c, form, t, p));
                                      double state = t;
                                      return Deviation(estimate, MediumDensityAt(p * 1000.0, state));
                                  }));
            }
        }
    }
    return worst;
}

double SteamInterpolationError(const std::vector<SteamInterval>& intervals, const DensityReference& ref) {
    if (intervals.empty()) return 0.0;
    const bool linear = intervals.back().phi > intervals.back().plo;
    double worst = 0.0;
    for (const SteamInterval& iv : intervals) {
        const double points[] = {(3 * iv.plo + iv.phi) / 4, (iv.plo + iv.phi) / 2, (iv.plo + 3 * iv.phi) / 4};
        for (double p : points) {
            worst = std::fmax(worst, Checked([&] {
                                  const double t = linear ? Lerp(p, iv.plo, iv.phi, iv.tlo, iv.thi) : iv.tlo;
                                  const double r = linear ? Lerp(p, iv.plo, iv.phi, iv.rlo, iv.rhi) : iv.rlo;
                                  const double pa = p * 1000.0;
                                  return Deviation(IdealGasEstimate(ref, p, t, r),
                                                   SteamDensityPT(pa, WaterSaturationTemperature(pa)));
                              }));
        }
    }
    return worst;
}

double TableInterpolationErrorPercent() {
    const TStringGrid& grid = ReportWriterWindow().PTKompgrid;
    const CompTableKind kind = CompTableKindOf(MediumCode);
    switch (kind) {
        case CompTableKind::Liquid:
            return LiquidInterpolationError(LiquidIntervals(grid, ValidTemperatureColumns(grid, kind)),
                                            CompTableNumber(grid, 1, 1));
        case CompTableKind::Gas:
            return GasInterpolationError(GasCells(grid, ValidTemperatureColumns(grid, kind), ValidPressureRows(grid)),
                                         GasReference());
        case CompTableKind::Steam:
            return SteamInterpolationError(SteamIntervals(grid, ValidPressureRows(grid)), SteamReference());
    }
    return 0.0;
}

}  // namespace tubalyx
