#include <gtest/gtest.h>

#include "property_tables/air_data.h"
#include "table_grid_helpers.h"

namespace tubalyx {
namespace {

using test::Cell;

const test::Grid kAirDensityGrid = TUBALYX_GRID(kAirDensity);
const test::Grid kAirViscosityGrid = TUBALYX_GRID(kAirViscosity);
const test::Grid kAirEnthalpyGrid = TUBALYX_GRID(kAirEnthalpy);
const test::Grid kAirCpGrid = TUBALYX_GRID(kAirCp);

TEST(AirData, TellingCells) {
    const test::Grid& v = kAirDensityGrid;
    EXPECT_EQ(Cell(v, 100, 100), 281.2);
    EXPECT_EQ(Cell(v, 100, 300), 861);
    EXPECT_EQ(Cell(v, 100, 1300), 3733);
    EXPECT_EQ(Cell(v, 100000, 250), 1.473);
    EXPECT_EQ(Cell(v, 100000, 1300), 4.868);
    EXPECT_EQ(Cell(v, 5000, 120), 1.514);
    EXPECT_EQ(Cell(v, 20000, 150), 1.606);
    const test::Grid& h = kAirEnthalpyGrid;
    EXPECT_EQ(Cell(h, 100, 100), 98.3);
    EXPECT_EQ(Cell(h, 100, 300), 300.3);
    EXPECT_EQ(Cell(h, 100, 1300), 1396.5);
    EXPECT_EQ(Cell(h, 100000, 250), 212.8);
    EXPECT_EQ(Cell(h, 100000, 1300), 1479.4);
    EXPECT_EQ(Cell(h, 5000, 120), -37.5);
    const test::Grid& cp = kAirCpGrid;
    EXPECT_EQ(Cell(cp, 100, 100), 1.032);
    EXPECT_EQ(Cell(cp, 100, 300), 1.007);
    EXPECT_EQ(Cell(cp, 100, 1300), 1.189);
    EXPECT_EQ(Cell(cp, 10000, 150), 2.832);
    const test::Grid& mu = kAirViscosityGrid;
    EXPECT_EQ(Cell(mu, 100, 100), 711);
    EXPECT_EQ(Cell(mu, 100, 300), 1846);
    EXPECT_EQ(Cell(mu, 100, 1300), 4960);
    EXPECT_EQ(Cell(mu, 100000, 300), 5455);
}

TEST(AirData, MarkerLayout) {
    auto lastNoData = [](const test::Grid& d, double p) -> double {
        const bool cp = &d == &kAirCpGrid;
        if (&d == &kAirViscosityGrid) {
            return p == 1000 ? 100 : (p >= 5000 && p <= 20000) ? 120 : p == 50000 ? 200 : p == 100000 ? 290 : 0;
        }
        if (p == 800 || p == 1000) return 100;
        if (p == 2500) return 120;
        if (p == 5000) return cp ? 120 : 100;
        if (p == 10000 || p == 20000) return 120;
        if (p == 50000) return 170;
        if (p == 100000) return 200;
        return 0;
    };
    for (const test::Grid* d : {&kAirDensityGrid, &kAirEnthalpyGrid, &kAirCpGrid, &kAirViscosityGrid}) {
        for (int i = 0; i < d->mP; ++i) {
            const double p = d->pressures[i];
            for (int j = 0; j < d->mT; ++j) {
                const double T = d->temperatures[j];
                const double v = d->values[i * d->mT + j];
                if (T <= lastNoData(*d, p))
                    EXPECT_EQ(v, -2e99) << p << " " << T;
                else if (d == &kAirEnthalpyGrid && p == 5000 && T == 120)
                    EXPECT_EQ(v, -37.5);
                else
                    EXPECT_GT(v, 0) << p << " " << T;
            }
        }
    }
    EXPECT_EQ(kAirViscosityGrid.mP, 7);
    EXPECT_EQ(kAirViscosityGrid.pressures[0], 100);
    EXPECT_EQ(kAirDensityGrid.pressures[0], 50);
}

}  // namespace
}  // namespace tubalyx
