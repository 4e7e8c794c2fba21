#include "property_tables/first_set_helpers.h"

#include "numerics/checked.h"
#include "numerics/physical_constants.h"

namespace tubalyx {

double DensityFromZ(double P_Pa, double t_C, double molarMass, double Z) {
    return CheckedDiv(P_Pa * molarMass * 0.001, kGasConstantPerMol * (t_C + kKelvinOffset) * Z);
}

namespace {
double Cell(const TableData& d, int row, int col) { return d.values[(row - 1) * d.mT + (col - 1)]; }
}  // namespace

bool RowRepairCopy(const TableData& d, int i, int j, double missingBelow, double out[4]) {
    const int rows[4] = {i, i + 1, i, i + 1};
    const int cols[4] = {j, j, j + 1, j + 1};
    bool moved = false;
    for (int n = 0; n < 4; ++n) {
        int s = cols[n];
        while (Cell(d, rows[n], s) < missingBelow && s < d.mT) ++s;
        out[n] = Cell(d, rows[n], s);
        if (s != cols[n]) moved = true;
    }
    return moved;
}

void NearestCornerUsedState(const TableData& d, int i, int j, const double v[4], double T, double p, double weight,
                            double offset, double& usedPressure, double& usedTemperature) {
    const int rows[4] = {i, i + 1, i, i + 1};
    const int cols[4] = {j, j, j + 1, j + 1};
    // A requested 0 (Pa or degC) has no relative distance; the used state is measured from the
    // first axis point then, so the note still names a corner of the cell.
    const double Tdiv = T != 0.0 ? T : d.temperatures[0] - offset;
    const double pdiv = p != 0.0 ? p : d.pressures[0];
    double best = 1e99;
    int chosen = -1;
    for (int n = 0; n < 4; ++n) {
        if (!(v[n] > 0.0)) continue;
        const double dT = (T - (d.temperatures[cols[n] - 1] - offset)) / Tdiv;
        const double dp = (p - d.pressures[rows[n] - 1]) / pdiv;
        const double dist = weight * dT * dT + dp * dp;
        if (dist < best) {
            best = dist;
            chosen = n;
        }
    }
    if (chosen < 0) return;  // nothing above 0: the note keeps the clamped state
    usedPressure = d.pressures[rows[chosen] - 1] + 0.001;
    usedTemperature = d.temperatures[cols[chosen] - 1] + 0.001;
}

}  // namespace tubalyx

namespace tubalyx {

double ShiftToCellFloor(const TableData& d, const TableOptions& o, double P_Pa, double t_C) {
    const TableResult r = InterpolateTable(d, o, P_Pa, t_C);
    const double floorK = d.temperatures[r.j - 1] + o.margin;
    if (r.usedTemperatureK >= floorK) return t_C;
    return floorK - kKelvinOffset;
}

}  // namespace tubalyx
