#include <gtest/gtest.h>

#include "property_tables/methane_data.h"
#include "table_grid_helpers.h"

namespace tubalyx {
namespace {

using test::Cell;

const test::Grid kMethaneViscosityGrid = TUBALYX_GRID(kMethaneViscosity);
const test::Grid kMethaneEnthalpyGrid = TUBALYX_GRID(kMethaneEnthalpy);
const test::Grid kMethaneCpGrid = TUBALYX_GRID(kMethaneCp);

TEST(MethaneData, TellingCells) {
    const test::Grid& mu = kMethaneViscosityGrid;
    EXPECT_EQ(Cell(mu, 100, 100), -144.5);
    EXPECT_EQ(Cell(mu, 100, 120), 4.78);
    EXPECT_EQ(Cell(mu, 100, 300), 11.14);
    EXPECT_EQ(Cell(mu, 100, 500), 16.7);
    EXPECT_EQ(Cell(mu, 200, 140), 5.56);
    // Its liquid neighbours at 200 kPa.
    EXPECT_LT(Cell(mu, 200, 110), 0);
    EXPECT_LT(Cell(mu, 200, 120), 0);
    const test::Grid& h = kMethaneEnthalpyGrid;
    EXPECT_EQ(Cell(h, 100, 95), -55.02);
    EXPECT_EQ(Cell(h, 100, 115), 192.274);
    EXPECT_EQ(Cell(h, 100, 300), 286.794);
    EXPECT_EQ(Cell(h, 100, 500), 408.486);
    const test::Grid& cp = kMethaneCpGrid;
    EXPECT_EQ(Cell(cp, 100, 95), -0.7927);
    EXPECT_EQ(Cell(cp, 100, 115), 0.5166);
    EXPECT_EQ(Cell(cp, 100, 300), 0.5343);
    EXPECT_EQ(Cell(cp, 100, 500), 0.6914);
}

TEST(MethaneData, AxesAndMarkers) {
    EXPECT_EQ(kMethaneViscosityGrid.mP, 23);
    EXPECT_EQ(kMethaneViscosityGrid.mT, 20);
    EXPECT_EQ(kMethaneEnthalpyGrid.mP, 22);
    EXPECT_EQ(kMethaneEnthalpyGrid.mT, 28);
    EXPECT_EQ(kMethaneCpGrid.mP, 22);
    EXPECT_EQ(kMethaneCpGrid.mT, 28);
    const test::Grid& h = kMethaneEnthalpyGrid;
    const test::Grid& cp = kMethaneCpGrid;
    for (int i = 0; i < h.mP; ++i) {
        const double p = h.pressures[i];
        EXPECT_EQ(Cell(h, p, 95) < -1e99, p >= 18000) << p;
        EXPECT_EQ(Cell(cp, p, 95) < -1e99, p >= 20000) << p;
        EXPECT_EQ(Cell(h, p, 100) < -1e99, p >= 40000) << p;
        EXPECT_EQ(Cell(h, p, 105) < -1e99, p >= 60000) << p;
        // Every row ends in a gas value at 500 K.
        EXPECT_GT(Cell(h, p, 500), 0);
        EXPECT_GT(Cell(cp, p, 500), 0);
    }
    // The 7000 kPa viscosity row lies between its neighbours wherever all three are gas.
    const test::Grid& mu = kMethaneViscosityGrid;
    for (int j = 0; j < mu.mT; ++j) {
        const double T = mu.temperatures[j];
        const double lo = Cell(mu, 6000, T), mid = Cell(mu, 7000, T), hi = Cell(mu, 8000, T);
        if (lo > 0 && mid > 0 && hi > 0) {
            EXPECT_LE(lo, mid) << T;
            EXPECT_LE(mid, hi) << T;
        }
    }
}

}  // namespace
}  // namespace tubalyx
