#pragma once
// Grid access and sweeps shared by the first-set table tests.
#include <cmath>
#include <functional>

#include "property_tables/table_engine.h"

namespace tubalyx::test {

// Cell [p][T] of a table, looked up by its axis values.
inline double CellAt(const TableData& d, double p, double T) {
    for (int i = 0; i < d.mP; ++i)
        for (int j = 0; j < d.mT; ++j)
            if (std::fabs(d.pressures[i] - p) < 1e-6 && std::fabs(d.temperatures[j] - T) < 1e-6)
                return d.values[i * d.mT + j];
    ADD_FAILURE() << "no cell at " << p << ", " << T;
    return std::nan("");
}

inline bool IsNoData(double v) { return v < kNoDataTest; }

// Calls f(P Pa, t degC) at every grid point and every cell centre of the table.
inline void SweepGrid(const TableData& d, double pascalPerUnit, const std::function<void(double, double)>& f) {
    for (int i = 0; i < d.mP; ++i)
        for (int j = 0; j < d.mT; ++j) {
            f(d.pressures[i] * pascalPerUnit, d.temperatures[j] - 273.15);
            if (i + 1 < d.mP && j + 1 < d.mT)
                f(0.5 * (d.pressures[i] + d.pressures[i + 1]) * pascalPerUnit,
                  0.5 * (d.temperatures[j] + d.temperatures[j + 1]) - 273.15);
        }
}

}  // namespace tubalyx::test
