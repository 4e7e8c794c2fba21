#include <gtest/gtest.h>

#include "property_tables/oxygen_data.h"
#include "table_grid_helpers.h"

namespace tubalyx {
namespace {

using test::Cell;

const test::Grid kOxygenDensityGrid = TUBALYX_GRID(kOxygenDensity);
const test::Grid kOxygenViscosityGrid = TUBALYX_GRID(kOxygenViscosity);
const test::Grid kOxygenEnthalpyGrid = TUBALYX_GRID(kOxygenEnthalpy);
const test::Grid kOxygenCpGrid = TUBALYX_GRID(kOxygenCp);

TEST(OxygenData, TellingCells) {
    const test::Grid& rho = kOxygenDensityGrid;
    EXPECT_EQ(Cell(rho, 100, 60), -1282);
    EXPECT_EQ(Cell(rho, 100, 100), 3.9447);
    EXPECT_EQ(Cell(rho, 100, 300), 1.2837);
    EXPECT_EQ(Cell(rho, 100, 1300), 0.296);
    EXPECT_EQ(Cell(rho, 5000, 150), -717.982);
    EXPECT_EQ(Cell(rho, 5000, 160), 207.383);
    EXPECT_EQ(Cell(rho, 100000, 200), 980.392);
    EXPECT_EQ(Cell(rho, 100000, 1300), 240.616);
    const test::Grid& mu = kOxygenViscosityGrid;
    EXPECT_EQ(Cell(mu, 100, 100), 764);
    EXPECT_EQ(Cell(mu, 100, 300), 2072);
    EXPECT_EQ(Cell(mu, 100, 2000), 7480);
    EXPECT_EQ(Cell(mu, 100000, 290), 6789);
    const test::Grid& h = kOxygenEnthalpyGrid;
    EXPECT_EQ(Cell(h, 100, 100), 88.8);
    EXPECT_EQ(Cell(h, 100, 300), 272.7);
    EXPECT_EQ(Cell(h, 100, 1300), 1313.5);
    EXPECT_EQ(Cell(h, 10000, 170), 34);
    const test::Grid& cp = kOxygenCpGrid;
    EXPECT_EQ(Cell(cp, 100, 100), 0.962);
    EXPECT_EQ(Cell(cp, 100, 300), 0.92);
    EXPECT_EQ(Cell(cp, 10000, 170), 3.56);
    for (int i = 0; i < cp.mP; ++i) EXPECT_EQ(Cell(cp, cp.pressures[i], 2000), 1.18);
}

TEST(OxygenData, AxesAndSizes) {
    EXPECT_EQ(kOxygenDensityGrid.mP, 28);  // 100 kPa .. 100000 kPa; the 50 kPa row is never read
    EXPECT_EQ(kOxygenDensityGrid.pressures[0], 100);
    EXPECT_EQ(kOxygenDensityGrid.mT, 27);
    EXPECT_EQ(kOxygenViscosityGrid.mP, 7);
    EXPECT_EQ(kOxygenViscosityGrid.mT, 20);
    EXPECT_EQ(kOxygenEnthalpyGrid.mP, 12);
    EXPECT_EQ(kOxygenEnthalpyGrid.mT, 19);
    EXPECT_EQ(kOxygenCpGrid.mT, 20);
    EXPECT_EQ(kOxygenCpGrid.temperatures[19], 2000);
}

TEST(OxygenData, MarkerLayout) {
    const test::Grid& rho = kOxygenDensityGrid;
    // Last liquid temperature by pressure; above it gas, at 40000 kPa and up no data to 180 K.
    auto lastLiquid = [](double p) {
        if (p <= 200) return 90.0;
        if (p <= 500) return 100.0;
        if (p <= 1000) return 110.0;
        if (p <= 2000) return 130.0;
        if (p <= 4000) return 140.0;
        return 150.0;
    };
    for (int i = 0; i < rho.mP; ++i) {
        const double p = rho.pressures[i];
        for (int j = 0; j < rho.mT; ++j) {
            const double T = rho.temperatures[j];
            const double v = rho.values[i * rho.mT + j];
            if (p >= 40000 && T <= 180) {
                EXPECT_EQ(v, -2e99) << p << " " << T;
            } else if (p <= 30000 && T <= lastLiquid(p)) {
                EXPECT_TRUE(v < 0 && v > -1e99) << p << " " << T;
            } else {
                EXPECT_GT(v, 0) << p << " " << T;
            }
        }
    }
    // No-data staircases of viscosity, enthalpy and Cp.
    auto noData = [](const test::Grid& d, double p, double T) { return Cell(d, p, T) < -1e99; };
    const test::Grid& mu = kOxygenViscosityGrid;
    for (int i = 0; i < mu.mP; ++i) {
        const double p = mu.pressures[i];
        const double last = p == 1000                   ? 100
                            : (p >= 5000 && p <= 20000) ? 150
                            : p == 50000                ? 200
                            : p == 100000               ? 270
                                                        : 0;
        for (int j = 0; j < mu.mT; ++j) {
            const double T = mu.temperatures[j];
            EXPECT_EQ(noData(mu, p, T), T <= last) << p << " " << T;
            if (!noData(mu, p, T)) {
                EXPECT_GT(Cell(mu, p, T), 0);
            }
        }
    }
    for (const test::Grid* d : {&kOxygenEnthalpyGrid, &kOxygenCpGrid}) {
        for (int i = 0; i < d->mP; ++i) {
            const double p = d->pressures[i];
            const double last = (p >= 500 && p <= 1000)     ? 100
                                : p == 2500                 ? 120
                                : (p >= 5000 && p <= 50000) ? 150
                                : p == 100000               ? 170
                                                            : 0;
            for (int j = 0; j < d->mT; ++j) {
                const double T = d->temperatures[j];
                EXPECT_EQ(noData(*d, p, T), T <= last) << p << " " << T;
                if (!noData(*d, p, T)) {
                    EXPECT_GT(Cell(*d, p, T), 0);
                }
            }
        }
    }
}

}  // namespace
}  // namespace tubalyx
