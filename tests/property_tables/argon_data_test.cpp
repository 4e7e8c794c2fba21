#include <gtest/gtest.h>

#include "property_tables/argon_data.h"
#include "table_grid_helpers.h"

namespace tubalyx {
namespace {

using test::Cell;

const test::Grid kArgonDensityGrid = TUBALYX_GRID(kArgonDensity);
const test::Grid kArgonViscosityGrid = TUBALYX_GRID(kArgonViscosity);
const test::Grid kArgonEnthalpyGrid = TUBALYX_GRID(kArgonEnthalpy);
const test::Grid kArgonCpGrid = TUBALYX_GRID(kArgonCp);

TEST(ArgonData, TellingCells) {
    const test::Grid& rho = kArgonDensityGrid;
    EXPECT_EQ(Cell(rho, 100, 85), -1407.66);
    EXPECT_EQ(Cell(rho, 100, 90), 5.5075);
    EXPECT_EQ(Cell(rho, 100, 300), 1.6024);
    EXPECT_EQ(Cell(rho, 100, 1100), 0.4367);
    EXPECT_EQ(Cell(rho, 5000, 150), -759.994);
    EXPECT_EQ(Cell(rho, 5000, 160), 244.254);
    EXPECT_EQ(Cell(rho, 100000, 110), -1493.65);
    EXPECT_EQ(Cell(rho, 100000, 160), 1328.2);
    EXPECT_EQ(Cell(rho, 100000, 1100), 349.296);
    const test::Grid& mu = kArgonViscosityGrid;
    EXPECT_EQ(Cell(mu, 100, 100), 830);
    EXPECT_EQ(Cell(mu, 100, 300), 2271);
    EXPECT_EQ(Cell(mu, 100, 2000), 8170);
    EXPECT_EQ(Cell(mu, 100000, 250), 8976);
    const test::Grid& h = kArgonEnthalpyGrid;
    EXPECT_EQ(Cell(h, 100, 100), 50.6);
    EXPECT_EQ(Cell(h, 100, 300), 155.9);
    EXPECT_EQ(Cell(h, 100, 1300), 676.5);
    EXPECT_EQ(Cell(h, 50, 1300), 676.5);
    EXPECT_EQ(Cell(h, 10000, 170), 2.4);
    EXPECT_EQ(Cell(h, 20000, 170), -15.3);
    EXPECT_EQ(Cell(h, 50000, 170), -12.3);
    const test::Grid& cp = kArgonCpGrid;
    EXPECT_EQ(Cell(cp, 100, 100), 0.55);
    EXPECT_EQ(Cell(cp, 100, 300), 0.522);
    EXPECT_EQ(Cell(cp, 100, 2000), 0.52);
    EXPECT_EQ(Cell(cp, 10000, 170), 2.459);
}

TEST(ArgonData, MarkerLayout) {
    const test::Grid& rho = kArgonDensityGrid;
    EXPECT_EQ(rho.temperatures[0], 85);
    EXPECT_EQ(rho.temperatures[26], 1100);
    auto liquidRange = [](double p, double& first, double& last) {
        first = 85;
        if (p <= 100)
            last = 85;
        else if (p <= 300)
            last = 90;
        else if (p <= 600)
            last = 100;
        else if (p <= 1000)
            last = 110;
        else if (p <= 2000)
            last = 120;
        else if (p <= 3000)
            last = 130;
        else if (p <= 4000)
            last = 140;
        else {
            last = 150;
            first = p <= 20000 ? 90 : p <= 60000 ? 100 : 110;
        }
    };
    for (int i = 0; i < rho.mP; ++i) {
        const double p = rho.pressures[i];
        double first = 0, last = 0;
        liquidRange(p, first, last);
        for (int j = 0; j < rho.mT; ++j) {
            const double T = rho.temperatures[j];
            const double v = rho.values[i * rho.mT + j];
            if (T < first)
                EXPECT_EQ(v, -2e99) << p << " " << T;
            else if (T <= last)
                EXPECT_TRUE(v < 0 && v > -1e99) << p << " " << T;
            else
                EXPECT_GT(v, 0) << p << " " << T;
        }
    }
    const test::Grid& mu = kArgonViscosityGrid;
    for (int i = 0; i < mu.mP; ++i) {
        const double p = mu.pressures[i];
        const double last = p == 1000 ? 100 : (p >= 5000 && p <= 50000) ? 150 : p == 100000 ? 200 : 0;
        for (int j = 0; j < mu.mT; ++j) {
            const double v = mu.values[i * mu.mT + j];
            if (mu.temperatures[j] <= last)
                EXPECT_EQ(v, -2e99);
            else
                EXPECT_GT(v, 0);
        }
    }
    for (const test::Grid* d : {&kArgonEnthalpyGrid, &kArgonCpGrid}) {
        for (int i = 0; i < d->mP; ++i) {
            const double p = d->pressures[i];
            const double last = (p >= 500 && p <= 1000)     ? 100
                                : p == 2500                 ? 120
                                : (p >= 5000 && p <= 50000) ? 150
                                : p == 100000               ? 200
                                                            : 0;
            for (int j = 0; j < d->mT; ++j) {
                const double T = d->temperatures[j];
                const double v = d->values[i * d->mT + j];
                const bool negative = d == &kArgonEnthalpyGrid && T == 170 && (p == 20000 || p == 50000);
                if (T <= last)
                    EXPECT_EQ(v, -2e99) << p << " " << T;
                else if (negative)
                    EXPECT_TRUE(v < 0 && v > -1e99);
                else
                    EXPECT_GT(v, 0) << p << " " << T;
            }
        }
    }
}

}  // namespace
}  // namespace tubalyx
