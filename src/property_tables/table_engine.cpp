#include "property_tables/table_engine.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "property_tables/range_notes.h"

namespace tubalyx {

namespace {

constexpr int kA = 0, kB = 1, kC = 2, kD = 3;

struct Window2 {
    double low, high;
};

// Phase windows of the repairs.
Window2 RepairWindow(Window w) {
    switch (w) {
        case Window::Gas: return {0.0, 1e99};
        case Window::Liquid: return {-1e99, 0.0};
        case Window::Any: break;
    }
    return {-1e99, 1e99};
}

// Indicator windows of form W.
Window2 IndicatorWindow(Window w) {
    switch (w) {
        case Window::Gas: return {0.0, 1e10};
        case Window::Liquid: return {-1e10, 0.0};
        case Window::Any: break;
    }
    return {-1e10, 1e10};
}

bool InWindow(Window2 w, double v) { return w.low <= v && v <= w.high; }

// The four working corners of one call: values and their table row and column.
struct Corners {
    double v[4];
    int row[4];
    int col[4];
};

// The cell of an axis of n strictly increasing points (1-based) that holds v: the highest of its
// first n - 1 points at or below v, the first where none is (or v is no number). The tables are
// read at every trial of the humidity and temperature searches: by halving, not point by point.
int CellBelow(const double* axis, int n, double v) {
    if (std::isnan(v)) return 1;
    const int atOrBelow = static_cast<int>(std::upper_bound(axis, axis + (n - 1), v) - axis);
    return atOrBelow >= 1 ? atOrBelow : 1;
}

double Cell(const TableData& d, int r, int c) { return d.values[(r - 1) * d.mT + (c - 1)]; }
double Pax(const TableData& d, int r) { return d.pressures[r - 1]; }
double Tax(const TableData& d, int c) { return d.temperatures[c - 1]; }

void LoadCorners(const TableData& d, int i, int j, Corners& k) {
    const int rows[4] = {i, i + 1, i, i + 1};
    const int cols[4] = {j, j, j + 1, j + 1};
    for (int n = 0; n < 4; ++n) {
        k.row[n] = rows[n];
        k.col[n] = cols[n];
        k.v[n] = Cell(d, rows[n], cols[n]);
    }
}

// Relative squared distance of a corner to the requested state; the temperature term can be
// weighted up. A requested state of 0 (Pa or K) would divide by zero: the clamped state stands in.
double RelativeDistance(double T, double p, double Tdiv, double pdiv, double Tk, double pk, double tWeight) {
    return ((T - Tk) * tWeight * (T - Tk) / Tdiv / Tdiv) + ((p - pk) * (p - pk) / pdiv / pdiv);
}

void RepairR1(const TableData& d, Corners& k, Window w, double T, double p, double Tdiv, double pdiv) {
    const Window2 win = RepairWindow(w);
    bool all = true;
    for (int n = 0; n < 4; ++n) all = all && InWindow(win, k.v[n]);
    if (all) return;
    int s = -1;
    double best = 2e99;
    for (int n = 0; n < 4; ++n) {
        if (!InWindow(win, k.v[n])) continue;
        const double dk = RelativeDistance(T, p, Tdiv, pdiv, Tax(d, k.col[n]), Pax(d, k.row[n]), 1.0);
        if (dk < best) {
            best = dk;
            s = n;
        }
    }
    if (s < 0) return;
    const double vs = k.v[s];
    for (int n = 0; n < 4; ++n) {
        if (InWindow(win, k.v[n])) continue;
        if (w == Window::Liquid)
            k.v[n] = vs;
        else
            k.v[n] = vs * Tax(d, k.col[s]) / Tax(d, k.col[n]) * Pax(d, k.row[n]) / Pax(d, k.row[s]);
    }
}

void RepairR2(Corners& k, Window w) {
    const Window2 win = RepairWindow(w);
    const bool liquid = (w == Window::Liquid);
    // corner, gas source, liquid source (-1: itself)
    static constexpr int kChecks[7][3] = {
        {kA, kC, kB}, {kB, kD, -1}, {kB, kC, -1}, {kD, kC, kB}, {kC, -1, kD}, {kC, -1, kD}, {kC, -1, kB},
    };
    for (const auto& check : kChecks) {
        const int corner = check[0];
        const int source = liquid ? check[2] : check[1];
        if (!InWindow(win, k.v[corner]) && source >= 0) k.v[corner] = k.v[source];
    }
}

// Moves the cell to the right past no-data points of its upper row, then copies from the gas side.
void RepairR3(const TableData& d, int i, int& j, double& Tc, double margin, bool copies, Corners& k) {
    int passes = 0;
    while (j < d.mT - 1 && Cell(d, i + 1, j) < kNoDataTest && passes++ < d.mT) ++j;
    Tc = MaxDouble(Tc, Tax(d, j) + margin);
    LoadCorners(d, i, j, k);
    if (!copies) return;
    if (k.v[kA] < 0) k.v[kA] = k.v[kC];
    if (k.v[kB] < 0) k.v[kB] = k.v[kA];
    if (k.v[kB] < 0) k.v[kB] = k.v[kC];
    if (k.v[kD] < 0) k.v[kD] = k.v[kC];
}

// Each corner searches its row toward higher temperature for a gas point. Returns whether any
// corner took its value from another column.
bool RepairR4(const TableData& d, Corners& k, bool scaled, bool backStep) {
    bool moved = false;
    for (int n = 0; n < 4; ++n) {
        const int r = k.row[n];
        const int s = k.col[n];
        int s2 = s;
        while (Cell(d, r, s2) < 0 && s2 < d.mT) ++s2;
        if (backStep && Cell(d, r, s2) < 0 && s2 == d.mT) s2 = d.mT - 1;
        if (s2 == s) continue;
        moved = true;
        const double v = Cell(d, r, s2);
        k.v[n] = scaled ? v * Tax(d, s) / Tax(d, s2) : v;
    }
    return moved;
}

// A corner without data takes the first data point toward higher temperature in its own row.
void RepairNoDataFromRow(const TableData& d, Corners& k, bool scaled) {
    for (int n = 0; n < 4; ++n) {
        if (!(k.v[n] < kNoDataTest)) continue;
        const int r = k.row[n];
        const int s = k.col[n];
        int s2 = s;
        while (Cell(d, r, s2) < kNoDataTest && s2 < d.mT) ++s2;
        const double v = Cell(d, r, s2);
        if (v < kNoDataTest) continue;  // a row without data: nothing to take
        k.v[n] = scaled ? v * Tax(d, s) / Tax(d, s2) : v;
    }
}

void Interpolate(const TableData& d, const TableOptions& o, int i, int j, double pc, double Tc, const Corners& k,
                 double& result) {
    const double dP = Pax(d, i + 1) - Pax(d, i);
    const double dT = Tax(d, j + 1) - Tax(d, j);
    double A[4];
    A[kA] = std::fabs(Pax(d, i + 1) - pc) * std::fabs(Tax(d, j + 1) - Tc);
    A[kB] = std::fabs(Pax(d, i) - pc) * std::fabs(Tax(d, j + 1) - Tc);
    A[kC] = std::fabs(Pax(d, i + 1) - pc) * std::fabs(Tax(d, j) - Tc);
    A[kD] = std::fabs(Pax(d, i) - pc) * std::fabs(Tax(d, j) - Tc);
    switch (o.form) {
        case Form::W: {
            const Window2 win = IndicatorWindow(o.formWindow);
            double den = 0.0, num = 0.0;
            for (int n = 0; n < 4; ++n) {
                const double w = InRangeIndicator(win.low, k.v[n], win.high);
                den += A[n] * w;
            }
            if (den <= 0.0) {
                result = 0.0;
                return;
            }
            for (int n = 0; n < 4; ++n) {
                const double w = InRangeIndicator(win.low, k.v[n], win.high);
                num += A[n] * w * std::fabs(k.v[n]);
            }
            result = num / den;
            return;
        }
        case Form::M: {
            double num = 0.0;
            for (int n = 0; n < 4; ++n) num += std::fabs(A[n] * k.v[n]);
            result = CheckedDiv(num, std::fabs(dP * dT));
            return;
        }
        case Form::S: {
            double num = 0.0;
            for (int n = 0; n < 4; ++n) num += A[n] * k.v[n];
            result = CheckedDiv(CheckedDiv(num, dP), dT);
            return;
        }
    }
}

// The corners of a cell at a clamped temperature as the repairs and transforms left them, with
// the column and temperature the column skip moved to. Kept by table, options, cell and the bits
// of the clamped temperature, in slots picked by the cell.
struct KeptCorners {
    const TableData* data = nullptr;
    TableOptions options;
    int i = 0, j = 0;
    std::uint64_t clampedT = 0;
    int movedJ = 0;
    double movedT = 0.0;
    bool columnMoved = false;
    Corners corners{};
};
constexpr std::size_t kKeptCornerSlots = 16;
std::array<KeptCorners, kKeptCornerSlots> keptCorners;

// Whether the corners depend on the cell and the clamped temperature alone: the distance repair
// and the used-state rules read the requested state itself.
bool CornersKeepable(const TableOptions& o) { return o.repair != Repair::R1 && o.usedState == UsedStateRule::None; }

KeptCorners& CornerSlot(const TableData& d, int i, int j) {
    const std::uintptr_t x = reinterpret_cast<std::uintptr_t>(&d) / alignof(TableData);
    return keptCorners[(x * 31 + static_cast<std::uintptr_t>(i) * 7 + static_cast<std::uintptr_t>(j)) %
                       kKeptCornerSlots];
}

// The interpolation and the back-transforms of a call, from its corners.
TableResult& Finish(const TableData& d, const TableOptions& o, double P_Pa, double t_C, int i, int j, double pc,
                    double Tc, const Corners& k, TableResult& r) {
    double v = 0.0;
    Interpolate(d, o, i, j, pc, Tc, k, v);
    v = v * o.scale;
    if (o.densityTransform) {
        v = CheckedDiv(v * pc, Tc);
        const bool liquidResult = (o.form == Form::W && o.formWindow == Window::Liquid);
        if (o.idealGasCarry && !liquidResult)
            v = v * (CheckedDiv(o.pressureFactor * P_Pa, pc) * CheckedDiv(Tc, t_C + kKelvinOffset));
    }
    r.value = CheckFinite(v, "property table result");
    return r;
}

}  // namespace

double InRangeIndicator(double low, double x, double high) { return (low <= x && x <= high) ? 1.0 : 0.0; }

TableResult InterpolateTable(const TableData& d, const TableOptions& o, double P_Pa, double t_C) {
    TableResult r;
    const double kpaPerUnit = o.pressureFactor == 1e-5 ? 100.0 : 0.001 / o.pressureFactor;
    if (d.mP < 2 || d.mT < 2 || !d.pressures || !d.temperatures || !d.values) {
        r.notePressureKPa = 0.001 * P_Pa;
        r.noteTemperatureK = t_C + kKelvinOffset;
        return r;
    }
    // Convert and clamp, minimum first.
    const double p = o.pressureFactor * P_Pa;
    const double T = t_C + kKelvinOffset;
    const double low = o.lowMargin >= 0.0 ? o.lowMargin : o.margin;
    const double pc = MaxDouble(MinDouble(p, Pax(d, d.mP) - o.margin), Pax(d, 1) + low);
    double Tc = MaxDouble(MinDouble(T, Tax(d, d.mT) - o.margin), Tax(d, 1) + low);

    const int i = CellBelow(d.pressures, d.mP, pc);
    int j = CellBelow(d.temperatures, d.mT, Tc);

    const bool keepable = CornersKeepable(o);
    const std::uint64_t clampedT = std::bit_cast<std::uint64_t>(Tc);
    KeptCorners& slot = CornerSlot(d, i, j);
    if (keepable && slot.data == &d && slot.i == i && slot.j == j && slot.clampedT == clampedT && slot.options == o) {
        r.i = i;
        r.j = slot.movedJ;
        r.usedPressure = pc;
        r.usedTemperatureK = slot.movedT;
        r.notePressureKPa = pc * kpaPerUnit;
        r.noteTemperatureK = slot.movedT;
        r.columnMoved = slot.columnMoved;
        return Finish(d, o, P_Pa, t_C, i, slot.movedJ, pc, slot.movedT, slot.corners, r);
    }
    const int cellJ = j;

    Corners k;
    LoadCorners(d, i, j, k);
    const double pdiv = p != 0.0 ? p : pc;
    const double Tdiv = T != 0.0 ? T : Tc;
    switch (o.repair) {
        case Repair::None: break;
        case Repair::R1: RepairR1(d, k, o.repairWindow, T, p, Tdiv, pdiv); break;
        case Repair::R2: RepairR2(k, o.repairWindow); break;
        case Repair::R3: RepairR3(d, i, j, Tc, o.margin, o.r3Copies, k); break;
        case Repair::R4: r.columnMoved = RepairR4(d, k, o.r4Scaled, o.r4BackStep); break;
    }

    r.i = i;
    r.j = j;
    r.usedPressure = pc;
    r.usedTemperatureK = Tc;
    r.notePressureKPa = pc * kpaPerUnit;
    r.noteTemperatureK = Tc;

    if (r.columnMoved && o.usedState != UsedStateRule::None) {
        if (o.usedState == UsedStateRule::N1) {
            int best = -1;
            double bestD = 1e99;
            for (int n = 0; n < 4; ++n) {
                if (!(k.v[n] > 0.0)) continue;
                const double dk = RelativeDistance(T, p, Tdiv, pdiv, Tax(d, k.col[n]), Pax(d, k.row[n]), 1.0);
                if (dk < bestD) {
                    bestD = dk;
                    best = n;
                }
            }
            if (best >= 0) {
                r.notePressureKPa = Pax(d, k.row[best]) * kpaPerUnit;
                r.noteTemperatureK = Tax(d, k.col[best]);
            } else {
                r.notePressureKPa = 0.0;
                r.noteTemperatureK = 0.0;
            }
        } else {
            int best = kA;
            double bestD = 1e99;
            for (int n = 0; n < 4; ++n) {
                if (!(k.v[n] > 0.0)) continue;
                const double dk = RelativeDistance(T, p, Tdiv, pdiv, Tax(d, k.col[n]), Pax(d, k.row[n]), 1e9);
                if (dk < bestD || (n == kC && dk == bestD)) {
                    bestD = dk;
                    best = n;
                }
            }
            r.notePressureKPa = (Pax(d, k.row[best]) + 0.001) * kpaPerUnit;
            r.noteTemperatureK = Tax(d, k.col[best]) + 0.001;
        }
    }

    if (o.noDataRowRepair) RepairNoDataFromRow(d, k, o.r4Scaled);
    if (o.specificVolume)
        for (int n = 0; n < 4; ++n) k.v[n] = CheckedDiv(1000.0, k.v[n]);
    if (o.densityTransform)
        for (int n = 0; n < 4; ++n) k.v[n] = k.v[n] * Tax(d, k.col[n]) / Pax(d, k.row[n]);

    if (keepable) {
        // A call that raised above keeps nothing; the slot is whole before it is marked.
        slot.data = nullptr;
        slot.options = o;
        slot.i = i;
        slot.j = cellJ;
        slot.clampedT = clampedT;
        slot.movedJ = j;
        slot.movedT = Tc;
        slot.columnMoved = r.columnMoved;
        slot.corners = k;
        slot.data = &d;
    }
    return Finish(d, o, P_Pa, t_C, i, j, pc, Tc, k, r);
}

void WriteRangeNote(NoteKind kind, double usedPressureKPa, double requestedPressurePa, double usedTemperatureK,
                    double requestedTemperatureC) {
    switch (kind) {
        case NoteKind::Density:
            WriteDensityRangeNote(usedPressureKPa, requestedPressurePa, usedTemperatureK, requestedTemperatureC);
            return;
        case NoteKind::Viscosity:
            WriteViscosityRangeNote(usedPressureKPa, requestedPressurePa, usedTemperatureK, requestedTemperatureC);
            return;
        case NoteKind::Enthalpy:
            WriteEnthalpyRangeNote(usedPressureKPa, requestedPressurePa, usedTemperatureK, requestedTemperatureC);
            return;
        case NoteKind::HeatCapacity:
            WriteHeatCapacityRangeNote(usedPressureKPa, requestedPressurePa, usedTemperatureK, requestedTemperatureC);
            return;
    }
}

double EvaluateTable(const TableData& data, const TableOptions& options, double P_Pa, double t_C) {
    const TableResult r = InterpolateTable(data, options, P_Pa, t_C);
    WriteRangeNote(options.note, r.notePressureKPa, P_Pa, r.noteTemperatureK, t_C);
    return r.value;
}

TableOptions RowSearchDensityOptions() {
    TableOptions o;
    o.repair = Repair::R4;
    o.r4Scaled = true;
    o.usedState = UsedStateRule::N1;
    o.form = Form::S;
    o.densityTransform = true;
    o.note = NoteKind::Density;
    return o;
}

TableOptions ColumnSkipOptions(double scale, NoteKind note) {
    TableOptions o;
    o.repair = Repair::R3;
    o.r3Copies = false;
    o.form = Form::M;
    o.scale = scale;
    o.note = note;
    return o;
}

}  // namespace tubalyx
