#pragma once
// Cell lookup in the constant property tables, for the tests.
#include <gtest/gtest.h>

namespace tubalyx::test {

struct Grid {
    const double* pressures;
    int mP;
    const double* temperatures;
    int mT;
    const double* values;
};

// The arrays k<Name>Pressures, k<Name>Temperatures, k<Name>Values of a generated data header.
#define TUBALYX_GRID(name) \
    ::tubalyx::test::Grid { name##Pressures, name##Rows, name##Temperatures, name##Columns, name##Values }

inline int AxisIndex(const double* axis, int n, double x) {
    for (int i = 0; i < n; ++i) {
        if (axis[i] == x) return i;
    }
    ADD_FAILURE() << "no axis point " << x;
    return 0;
}

// The stored cell at (p in kPa, T in K).
inline double Cell(const Grid& d, double p, double T) {
    return d.values[AxisIndex(d.pressures, d.mP, p) * d.mT + AxisIndex(d.temperatures, d.mT, T)];
}

inline double Celsius(double kelvin) { return kelvin - 273.15; }

}  // namespace tubalyx::test
