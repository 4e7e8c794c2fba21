#include <gtest/gtest.h>

#include <cmath>

#include "first_set_helpers.h"
#include "property_tables/ammonia.h"
#include "property_tables/ammonia_data.h"
#include "property_tables/propane.h"
#include "property_tables/propane_data.h"
#include "state/medium.h"
#include "state/property_labels.h"
#include "texts/report_labels.h"

namespace tubalyx {
namespace {

using test::CellAt;
using test::IsNoData;

constexpr double kKcal = 4186.8;

TEST(PropaneTables, TellingCellsAndMarkers) {
    const TableData& d = kPropaneDensityTable;
    EXPECT_EQ(CellAt(d, 100, 248.15), 2.202);
    EXPECT_EQ(CellAt(d, 100, 548.15), 0.9693);
    EXPECT_EQ(CellAt(d, 1000, 248.15), -566.9);
    EXPECT_TRUE(IsNoData(CellAt(d, 500, 248.15)));
    EXPECT_TRUE(IsNoData(CellAt(d, 500, 273.15)));
    for (int i = 0; i < d.mP; ++i) {
        if (d.pressures[i] < 9000) continue;
        for (int j = 0; j < d.mT; ++j) {
            const double v = d.values[i * d.mT + j];
            EXPECT_TRUE(IsNoData(v) || v < 0) << d.pressures[i] << " " << d.temperatures[j];
        }
    }
    for (int j = 0; j < d.mT; ++j) {
        const double v = CellAt(d, 30000, d.temperatures[j]);
        if (d.temperatures[j] == 498.15) {
            EXPECT_EQ(v, -348.0);
        } else if (d.temperatures[j] == 548.15)
            EXPECT_EQ(v, -304.9);
        else
            EXPECT_TRUE(IsNoData(v));
    }
    const TableData& v = kPropaneViscosityTable;
    EXPECT_EQ(CellAt(v, 101.33, 297.65), 8.11);
    EXPECT_EQ(CellAt(v, 2026.5, 297.65), -96.7);
    EXPECT_EQ(CellAt(v, 5066.25, 297.65), 102.4);
    EXPECT_TRUE(IsNoData(CellAt(v, 2026.5, 325.65)));
    for (double p : {2026.5, 3546.38, 4053.0, 4559.63}) {
        EXPECT_TRUE(IsNoData(CellAt(v, p, 365.85)));
    }
    for (int i = 0; i < v.mP; ++i)
        if (v.pressures[i] >= 5066.25)
            for (int j = 0; j < v.mT; ++j) {
                EXPECT_GE(v.values[i * v.mT + j], 0.0);
            }
    const TableData& h = kPropaneEnthalpyTable;
    EXPECT_EQ(CellAt(h, 0.5066, 230), 202.8);
    EXPECT_EQ(CellAt(h, 1.0133, 230), -100.1);
    EXPECT_EQ(CellAt(h, 0.5066, 600), 395.8);
    for (int i = 0; i < h.mP; ++i)
        for (int j = 0; j < h.mT; ++j) {
            const double p = h.pressures[i], T = h.temperatures[j];
            const bool nd = (p >= 70.9275 && p <= 202.65 && T < 290) || (p >= 303.975 && (T < 310 || T == 600));
            EXPECT_EQ(IsNoData(h.values[i * h.mT + j]), nd) << p << " " << T;
        }
    const TableData& cp = kPropaneCpTable;
    EXPECT_EQ(CellAt(cp, 0.5066, 230), 0.3243);
    EXPECT_EQ(CellAt(cp, 1.0133, 230), -0.5375);
    EXPECT_TRUE(IsNoData(CellAt(cp, 20.265, 340)));
    for (double p : {70.9275, 81.06, 91.1925}) {
        EXPECT_TRUE(IsNoData(CellAt(cp, p, 400)));
    }
    const TableData& cv = kPropaneCvTable;
    EXPECT_EQ(CellAt(cv, 0.5066, 230), 0.2744);
    EXPECT_EQ(CellAt(cv, 1.0133, 230), -0.4831);
    EXPECT_TRUE(IsNoData(CellAt(cv, 40.53, 360)));
    for (int i = 0; i < cv.mP; ++i)
        for (int j = 0; j < cv.mT; ++j) {
            const double p = cv.pressures[i], T = cv.temperatures[j];
            if (p >= 70.9275 && p <= 202.65 && T < 280) {
                EXPECT_TRUE(IsNoData(cv.values[i * cv.mT + j]));
            }
            if (p >= 202.65 && T < 310) {
                EXPECT_TRUE(IsNoData(cp.values[i * cp.mT + j]));
            }
        }
}

TEST(PropaneTables, DensityKeywordBranches) {
    // All four corners gas: the interpolated gas density; no liquid corner for "C3H8V".
    const double gas = PropaneDensityPT("C3H8", 100000, 25);
    // 100 kPa is read at 100.001 kPa on the 298.15 K column and carried back to 100 kPa.
    EXPECT_NEAR(gas, CellAt(kPropaneDensityTable, 100, 298.15), 2e-5);
    EXPECT_EQ(PropaneDensityPT("C3H8V", 100000, 25), 0.0);
    // Dense liquid: nothing in the gas window; the liquid branch reads the grid point.
    EXPECT_EQ(PropaneDensityPT("C3H8", 10000000, 25), 0.0);
    EXPECT_NEAR(PropaneDensityPT("C3H8V", 10000000, 25), 519.1, 1e-9);
    for (double P : {1e5, 5e5, 3e6, 1e7}) {
        for (double t : {-20.0, 25.0, 140.0}) {
            EXPECT_EQ(PropaneDensityPT("C4H10", P, t), PropaneDensityPT("C3H8", P, t));
            EXPECT_EQ(PropaneDensityPT("C5H12", P, t), PropaneDensityPT("C3H8", P, t));
            EXPECT_EQ(PropaneViscosityPT("C4H10", P, t), PropaneViscosityPT("C3H8", P, t));
            EXPECT_EQ(PropaneViscosityPT("C5H12", P, t), PropaneViscosityPT("C3H8", P, t));
        }
    }
    // The keyword is compared exactly, letter case included.
    EXPECT_EQ(PropaneDensityPT("c3h8v", 10000000, 25), 0.0);
}

TEST(PropaneTables, TellingCellsThroughTheFunctions) {
    EXPECT_NEAR(PropaneDensityPT("C3H8V", 1000000, -25), 566.9, 0.05);
    EXPECT_NEAR(PropaneViscosityPT("C3H8", 101330, 24.5), 8.11e-6, 1e-9);
    EXPECT_NEAR(PropaneViscosityPT("C3H8V", 2026500, 24.5), 96.7e-6, 1e-9);
    EXPECT_NEAR(PropaneViscosityPT("C3H8", 5066250, 24.5), 102.4e-6, 1e-9);
    // Read 0.001 bar inside, toward the liquid magnitude 100.1 of the 1.0133 bar row.
    EXPECT_NEAR(PropaneEnthalpyPT("C3H8", 50660, 230 - 273.15),
                (202.8 - 0.001 / 0.5067 * (202.8 - 100.1)) * kKcal * 0.001, 0.02);
    EXPECT_NEAR(PropaneCpPT(50660, 230 - 273.15), 0.3243 * kKcal, 0.05);
    EXPECT_NEAR(PropaneCvPT(50660, 230 - 273.15), 0.2744 * kKcal, 0.05);
    EXPECT_EQ(CvOperating, PropaneCvPT(50660, 230 - 273.15));
}

TEST(PropaneTables, IdealGasCarryOutsideTheTable) {
    const double inside = PropaneDensityPT("C3H8", 100001, 548.149 - 273.15);
    const double outside = PropaneDensityPT("C3H8", 100000, 600);
    EXPECT_NEAR(outside, inside * (100.0 / 100.001) * (548.149 / 873.15), 1e-9 * inside);
    EXPECT_NE(DensityLabel, DensityLabelBase);  // clamped: the note is written
    PropaneDensityPT("C3H8", 300000, 50);
    EXPECT_EQ(DensityLabel, DensityLabelBase);
}

TEST(PropaneTables, CpCellMovesPastNoDataColumns) {
    // 400 bar, 230 K: the cell moves to 310/320 K and every corner takes -0.5874.
    EXPECT_NEAR(PropaneCpPT(40000000, 230 - 273.15), 0.5874 * kKcal, 1e-9);
    EXPECT_NE(CpLabel, CpLabelBase);
}

TEST(PropaneTables, NoDataCornersNeverReachTheResult) {
    // 400 bar and 275 K: every corner of the cell lacks data; 22.4 bar and 60 C puts the no-data
    // cp point (20.265 bar, 340 K) into a corner that the column skip of the upper row cannot see.
    EXPECT_EQ(PropaneEnthalpyPT("C3H8", 40e6, 275 - 273.15), 0.0);
    EXPECT_EQ(PropaneCpPT(2.23872e6, 60), 0.0);
    EXPECT_EQ(PropaneCvPT(4.46684e6, 80), 0.0);
    EXPECT_EQ(CvOperating, 0.0);
}

TEST(PropaneTables, EnthalpyBlendsLiquidAndVapour) {
    const double h = PropaneEnthalpyPT("C3H8", 100000, 230 - 273.15) / (0.001 * kKcal);
    EXPECT_GT(h, 100.1);
    EXPECT_LT(h, 202.8);
}

TEST(PropaneTables, ViscosityOnAnAxisTemperatureIsReadJustAbove) {
    PropaneViscosityPT("C3H8", 200000, 373.95 - 273.15);
    const std::string at = DynamicViscosityLabel;
    PropaneViscosityPT("C3H8", 200000, 373.951 - 273.15);
    EXPECT_EQ(DynamicViscosityLabel, at);
}

TEST(AmmoniaTables, TellingCellsAndMarkers) {
    const TableData& d = kAmmoniaDensityTable;
    EXPECT_EQ(CellAt(d, 101.325, 300), 0.6985);
    EXPECT_EQ(CellAt(d, 2026.5, 320), -567.73);
    EXPECT_EQ(CellAt(d, 101325, 420), 545.9);
    for (int i = 0; i < d.mP; ++i) {
        EXPECT_EQ(IsNoData(CellAt(d, d.pressures[i], 300)), d.pressures[i] >= 1519.88) << d.pressures[i];
        EXPECT_EQ(IsNoData(CellAt(d, d.pressures[i], 580)), d.pressures[i] >= 12159) << d.pressures[i];
    }
    const TableData& v = kAmmoniaViscosityTable;
    EXPECT_EQ(CellAt(v, 101.325, 303.15), 10.4);
    EXPECT_EQ(CellAt(v, 2026.5, 303.15), -136.5);
    EXPECT_EQ(CellAt(v, 10132.5, 203.5), -621.0);
    EXPECT_EQ(CellAt(v, 10132.5, 473.15), 18.05);
    for (int j = 0; j < v.mT; ++j) {
        const double T = v.temperatures[j];
        EXPECT_EQ(IsNoData(CellAt(v, 101.325, T)), !(T == 303.15 || T >= 353.15)) << T;
        EXPECT_FALSE(IsNoData(CellAt(v, 10132.5, T))) << T;
        for (double p : {60795.0, 70927.5, 81060.0})
            EXPECT_EQ(IsNoData(CellAt(v, p, T)), !(T == 393.15 || T == 423.15 || T == 473.15)) << p << " " << T;
    }
    // The vapour points just above saturation at 2026.5 kPa are read as liquid up to 333.15 K,
    // so the high-pressure corners near 20 C take the 353.15 K value 12.4.
    for (int j = 0; j < v.mT; ++j)
        EXPECT_EQ(CellAt(v, 2026.5, v.temperatures[j]) < 0, v.temperatures[j] <= 333.15) << v.temperatures[j];
    EXPECT_EQ(CellAt(v, 2026.5, 353.15), 12.4);
    EXPECT_EQ(CellAt(kAmmoniaEnthalpyTable, 101.33, 300), 551.5);
    EXPECT_EQ(CellAt(kAmmoniaEnthalpyTable, 2026.5, 320), -283.05);
    EXPECT_EQ(CellAt(kAmmoniaCpTable, 101.33, 300), 0.5159);
    EXPECT_EQ(CellAt(kAmmoniaCpTable, 2026.5, 320), -1.192);
    EXPECT_TRUE(IsNoData(CellAt(kAmmoniaCpTable, 2533.13, 320)));
    for (int i = 0; i < kAmmoniaEnthalpyTable.mP; ++i)
        EXPECT_EQ(IsNoData(CellAt(kAmmoniaEnthalpyTable, kAmmoniaEnthalpyTable.pressures[i], 300)),
                  kAmmoniaEnthalpyTable.pressures[i] >= 1519.88);
}

TEST(AmmoniaTables, EdgeCases) {
    // The liquid corner (2026.5 kPa, 320 K) becomes 14.241 * 320 / 340 before the transform: on
    // that grid point the gas density is that value.
    EXPECT_NEAR(AmmoniaDensityPT(2026500, 320 - 273.15), 14.241 * 320 / 340, 1e-3);
    EXPECT_NEAR(AmmoniaViscosityPT(101325, 20), 10.4e-6, 10.4e-12);
    EXPECT_NEAR(AmmoniaDensityPT(101325, 300 - 273.15), 0.6985, 1e-4);
    // 580 K and 20000 kPa: the 580 K corners take the 540 K values times 580 / 540.
    const double rho = AmmoniaDensityPT(20000000, 580 - 273.15);
    const double expected = CellAt(kAmmoniaDensityTable, 20265, 540) * 580.0 / 540.0;
    EXPECT_GT(rho, 0.0);
    EXPECT_LT(std::fabs(rho - expected) / expected, 0.03);
    for (double P : {1e5, 2e6, 2e7, 9e7})
        for (double t : {30.0, 150.0, 300.0}) {
            EXPECT_DOUBLE_EQ(AmmoniaCvPT(P, t), AmmoniaCpPT(P, t) - 488.16863366801715);
        }
}

TEST(FirstSetGrids, PropaneAndAmmoniaRenderNoNaNOrWrongSign) {
    test::SweepGrid(kPropaneDensityTable, 1000, [](double P, double t) {
        EXPECT_GE(PropaneDensityPT("C3H8", P, t), 0.0);
        EXPECT_GE(PropaneDensityPT("C3H8V", P, t), 0.0);
    });
    test::SweepGrid(kPropaneViscosityTable, 1000, [](double P, double t) {
        EXPECT_GE(PropaneViscosityPT("C3H8", P, t), 0.0);
        EXPECT_GE(PropaneViscosityPT("C3H8V", P, t), 0.0);
    });
    test::SweepGrid(kPropaneCpTable, 1e5, [](double P, double t) {
        // Positive where data is, 0 where no corner can be filled; never a marker magnitude.
        for (double v : {PropaneEnthalpyPT("C3H8", P, t), PropaneEnthalpyPT("C3H8V", P, t)}) {
            EXPECT_GE(v, 0.0);
            EXPECT_LT(v, 5000.0);
        }
        for (double v : {PropaneCpPT(P, t), PropaneCvPT(P, t)}) {
            EXPECT_GE(v, 0.0);
            EXPECT_LT(v, 1e5);
        }
    });
    test::SweepGrid(kAmmoniaDensityTable, 1000, [](double P, double t) {
        EXPECT_GT(AmmoniaDensityPT(P, t), 0.0);
        EXPECT_GT(AmmoniaEnthalpyPT(P, t), 0.0);
        EXPECT_GT(AmmoniaCpPT(P, t), 0.0);
    });
    test::SweepGrid(kAmmoniaViscosityTable, 1000, [](double P, double t) { EXPECT_GT(AmmoniaViscosityPT(P, t), 0.0); });
}

}  // namespace
}  // namespace tubalyx

namespace tubalyx {
namespace {

TEST(PropaneTables, EnthalpyKeywordChoosesTheRepairSide) {
    // 80 bar, 285 K: a and b lack data; the gas side fills them from c and d (290 K).
    const double gas = PropaneEnthalpyPT("C3H8", 8.0e6, 285 - 273.15);
    EXPECT_NEAR(gas,
                0.001 * kKcal * 0.5 *
                    std::fabs(CellAt(kPropaneEnthalpyTable, 70.9275, 290) + CellAt(kPropaneEnthalpyTable, 81.06, 290)) *
                    1.0,
                20.0);
    // Where no corner lacks data the keyword changes nothing.
    EXPECT_EQ(PropaneEnthalpyPT("C3H8", 150000, 40), PropaneEnthalpyPT("C3H8V", 150000, 40));
    EXPECT_EQ(PropaneEnthalpyPT("C3H8", 3e6, 60), PropaneEnthalpyPT("C3H8V", 3e6, 60));
    // 65 bar, 285 K: corner b (70.9275 bar, 280 K) has no data. The gas side copies d's value
    // into it; the liquid side keeps it (its liquid source is itself), so that state has no
    // data from the liquid side and reads 0 instead of a marker-sized number.
    const double g2 = PropaneEnthalpyPT("C3H8", 6.5e6, 285 - 273.15);
    const double l2 = PropaneEnthalpyPT("C3H8V", 6.5e6, 285 - 273.15);
    EXPECT_GT(g2, 500.0);
    EXPECT_LT(g2, 700.0);
    EXPECT_EQ(l2, 0.0);
}

}  // namespace
}  // namespace tubalyx

namespace tubalyx {
namespace {

TEST(AmmoniaTables, CornersOfTheLastColumnTakeTheScaledValueOneColumnBack) {
    // 20265 kPa (on the row) and 580 K (read at 579.999 K): corner c, without data at 580 K,
    // takes the 540 K value times 580 / 540; the result is the signed bilinear of rho*T/p
    // turned back and carried to 580 K.
    const double va = CellAt(kAmmoniaDensityTable, 20265, 540);
    ASSERT_TRUE(IsNoData(CellAt(kAmmoniaDensityTable, 20265, 580)));
    const double expected = va * (0.001 * 540 + 39.999 * 580 * 580 / 540) / (40.0 * 580);
    EXPECT_NEAR(AmmoniaDensityPT(20265000, 580 - 273.15), expected, 1e-9 * expected);
}

TEST(PropaneTables, EnthalpyAtOneBarBlendsTheMagnitudesOfItsCell) {
    // 1 bar, 230 K (read at 230.001 K) in the cell 0.5066-1.0133 bar, 230-240 K; the liquid
    // corner counts by its magnitude 100.1.
    const TableData& h = kPropaneEnthalpyTable;
    const double p = 1.0, T = 230.001, dP = 1.0133 - 0.5066, dT = 10.0;
    const double V = (std::fabs((1.0133 - p) * (240 - T) * CellAt(h, 0.5066, 230)) +
                      std::fabs((p - 0.5066) * (240 - T) * CellAt(h, 1.0133, 230)) +
                      std::fabs((1.0133 - p) * (T - 230) * CellAt(h, 0.5066, 240)) +
                      std::fabs((p - 0.5066) * (T - 230) * CellAt(h, 1.0133, 240))) /
                     (dP * dT);
    EXPECT_EQ(CellAt(h, 1.0133, 230), -100.1);
    EXPECT_NEAR(PropaneEnthalpyPT("C3H8", 100000, 230 - 273.15), 0.001 * V * kKcal, 1e-9 * V);
    // No corner lacks data: the liquid keyword reads the same.
    EXPECT_EQ(PropaneEnthalpyPT("C3H8V", 100000, 230 - 273.15), PropaneEnthalpyPT("C3H8", 100000, 230 - 273.15));
}

}  // namespace
}  // namespace tubalyx
