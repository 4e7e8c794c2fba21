#include <gtest/gtest.h>

#include <cmath>

#include "property_tables/saturation_data.h"

namespace tubalyx {
namespace {

void ExpectRow(const TwoSidedSaturationRow& r, double T, double p, double vv, double vl, double hv, double hl,
               double mu) {
    EXPECT_EQ(r.temperature, T);
    EXPECT_EQ(r.pressure, p) << T;
    EXPECT_EQ(r.vapourVolume, vv) << T;
    EXPECT_EQ(r.liquidVolume, vl) << T;
    EXPECT_EQ(r.vapourEnthalpy, hv) << T;
    EXPECT_EQ(r.liquidEnthalpy, hl) << T;
    EXPECT_EQ(r.liquidViscosity, mu) << T;
}

const TwoSidedSaturationRow& RowAt(const TwoSidedSaturationRow* rows, int n, double T) {
    for (int i = 0; i < n; ++i) {
        if (rows[i].temperature == T) return rows[i];
    }
    ADD_FAILURE() << "no row at " << T;
    return rows[0];
}

TEST(SaturationData, TellingRows) {
    const double none = kNoSaturationViscosity;
    ExpectRow(kArgonSaturation[0], 83.78, 0.6876, 246.9, 0.7067, 42.2, -121.5, none);
    ExpectRow(RowAt(kArgonSaturation, kArgonSaturationRows, 87.29), 87.29, 1.013, 173.0, 0.7184, 43.5, -117.7, 0.00025);
    ExpectRow(kArgonSaturation[69], 150.86, 48.98, 1.867, 1.867, -2.4, -2.4, none);
    ExpectRow(kOxygenSaturation[0], 54.35, 0.0015, 93979, 0.7762, 48.9, -189.8, none);
    ExpectRow(RowAt(kOxygenSaturation, kOxygenSaturationRows, 90.18), 90.18, 1.013, 223.2, 0.8811, 78.9, -134.2,
              0.00019);
    ExpectRow(kOxygenSaturation[102], 154.77, 50.87, 2.46, 2.46, 38.3, 38.3, none);
    ExpectRow(kNitrogenSaturation[0], 63.15, 0.1253, 1477, 1.152, 64.1, -150.8, none);
    ExpectRow(RowAt(kNitrogenSaturation, kNitrogenSaturationRows, 77.35), 77.35, 1.013, 216.9, 1.238, 76.8, -121.8,
              0.00017);
    ExpectRow(kNitrogenSaturation[65], 126.25, 33.96, 3.388, 3.388, 34.7, 34.7, none);

    auto liquid = [](const LiquidSaturationRow& r, double T, double p, double rho, double mu) {
        EXPECT_EQ(r.temperature, T);
        EXPECT_EQ(r.pressure, p) << T;
        EXPECT_EQ(r.liquidDensity, rho) << T;
        EXPECT_EQ(r.liquidViscosity, mu) << T;
    };
    liquid(kHydrogenSaturation[0], 14, 101, 78.8, 0.00003);
    liquid(kHydrogenSaturation[7], 21, 122, 69.6, 0.00001);
    liquid(kHydrogenSaturation[18], 32, 1090, 43.4, 0.00001);
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(kHydrogenSaturation[i].pressure, 101);
    liquid(kCarbonDioxideSaturation[0], 220, 600, 1153.9, 0.00024);
    liquid(kCarbonDioxideSaturation[8], 260, 2418, 992.5, 0.00013);
    liquid(kCarbonDioxideSaturation[16], 300, 6717, 684.7, 0.00006);
    EXPECT_EQ(kOzoneSaturation[0].pressure, 101);
    EXPECT_EQ(kOzoneSaturation[0].liquidDensity, 1541.9);
    EXPECT_EQ(kOzoneSaturation[7].pressure, 168);
    EXPECT_EQ(kOzoneSaturation[7].liquidDensity, 1297.5);
    EXPECT_EQ(kOzoneSaturation[15].pressure, 4200);
    EXPECT_EQ(kOzoneSaturation[15].liquidDensity, 839.9);
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(kOzoneSaturation[i].pressure, 101);
}

TEST(SaturationData, TemperatureAxes) {
    auto check = [](const TwoSidedSaturationRow* rows, int n, double first, double second, double inserted, double last,
                    int viscosityFirst, int viscosityLast) {
        EXPECT_EQ(rows[0].temperature, first);
        EXPECT_EQ(rows[1].temperature, second);
        EXPECT_EQ(rows[n - 1].temperature, last);
        int insertedRows = 0;
        for (int i = 2; i < n - 1; ++i) {
            if (rows[i].temperature == inserted) {
                ++insertedRows;
                continue;
            }
            EXPECT_EQ(rows[i].temperature, std::floor(rows[i].temperature));
            EXPECT_GT(rows[i].temperature, rows[i - 1].temperature);
        }
        EXPECT_EQ(insertedRows, 1);
        for (int i = 0; i < n; ++i) {
            const bool has = i >= viscosityFirst && i <= viscosityLast;
            EXPECT_EQ(rows[i].liquidViscosity > 0, has) << rows[i].temperature;
        }
    };
    check(kArgonSaturation, kArgonSaturationRows, 83.78, 84, 87.29, 150.86, 2, 63);
    check(kOxygenSaturation, kOxygenSaturationRows, 54.35, 55, 90.18, 154.77, 6, 97);
    check(kNitrogenSaturation, kNitrogenSaturationRows, 63.15, 64, 77.35, 126.25, 2, 58);
    EXPECT_EQ(kArgonSaturation[2].temperature, 85);
    EXPECT_EQ(kArgonSaturation[63].temperature, 145);
    EXPECT_EQ(kOxygenSaturation[6].temperature, 60);
    EXPECT_EQ(kOxygenSaturation[97].temperature, 150);
    EXPECT_EQ(kNitrogenSaturation[2].temperature, 65);
    EXPECT_EQ(kNitrogenSaturation[58].temperature, 120);
    EXPECT_EQ(kNitrogenSaturation[0].liquidViscosity, -1e99);
}

TEST(SaturationData, VapourAndLiquidColumnsAlongTheLine) {
    for (const auto& [rows, n] :
         {std::pair{kArgonSaturation, kArgonSaturationRows}, std::pair{kOxygenSaturation, kOxygenSaturationRows},
          std::pair{kNitrogenSaturation, kNitrogenSaturationRows}}) {
        for (int i = 0; i < n; ++i) {
            const TwoSidedSaturationRow& r = rows[i];
            EXPECT_GT(r.pressure, 0) << r.temperature;
            EXPECT_GT(r.liquidVolume, 0) << r.temperature;
            if (i + 1 < n) {
                // Below the critical row the vapour is lighter and richer in enthalpy.
                EXPECT_GT(r.vapourVolume, r.liquidVolume) << r.temperature;
                EXPECT_GT(r.vapourEnthalpy, r.liquidEnthalpy) << r.temperature;
                const TwoSidedSaturationRow& s = rows[i + 1];
                EXPECT_LT(r.temperature, s.temperature);
                EXPECT_LE(r.pressure, s.pressure) << r.temperature;
                EXPECT_GE(r.vapourVolume, s.vapourVolume) << r.temperature;
                EXPECT_LE(r.liquidVolume, s.liquidVolume) << r.temperature;
                EXPECT_LE(r.liquidEnthalpy, s.liquidEnthalpy) << r.temperature;
                if (r.liquidViscosity > 0 && s.liquidViscosity > 0) {
                    EXPECT_GE(r.liquidViscosity, s.liquidViscosity) << r.temperature;
                }
            } else {
                EXPECT_EQ(r.vapourVolume, r.liquidVolume);
                EXPECT_EQ(r.vapourEnthalpy, r.liquidEnthalpy);
            }
        }
    }
    for (const auto& [rows, n] : {std::pair{kHydrogenSaturation, kHydrogenSaturationRows},
                                  std::pair{kCarbonDioxideSaturation, kCarbonDioxideSaturationRows},
                                  std::pair{kOzoneSaturation, kOzoneSaturationRows}}) {
        for (int i = 0; i < n; ++i) {
            EXPECT_GT(rows[i].pressure, 0);
            EXPECT_GT(rows[i].liquidDensity, 0);
            if (rows != kOzoneSaturation) {
                EXPECT_GT(rows[i].liquidViscosity, 0);
            }
            if (i + 1 < n) {
                EXPECT_LE(rows[i].pressure, rows[i + 1].pressure);
                EXPECT_GT(rows[i].liquidDensity, rows[i + 1].liquidDensity);
                EXPECT_GE(rows[i].liquidViscosity, rows[i + 1].liquidViscosity);
            }
        }
    }
}

TEST(SaturationData, PublishedNormalBoilingPoints) {
    // Saturated liquid at 1 atm: argon 1395 kg/m3, nitrogen 806 kg/m3; nitrogen vapour 4.61 kg/m3.
    const TwoSidedSaturationRow& ar = RowAt(kArgonSaturation, kArgonSaturationRows, 87.29);
    EXPECT_NEAR(1000 / ar.liquidVolume, 1395, 5);
    const TwoSidedSaturationRow& n2 = RowAt(kNitrogenSaturation, kNitrogenSaturationRows, 77.35);
    EXPECT_NEAR(1000 / n2.liquidVolume, 806, 3);
    EXPECT_NEAR(1000 / n2.vapourVolume, 4.61, 0.02);
    // Saturation pressure of carbon dioxide at 0 degC: 3485 kPa (between the 270 and 275 K rows).
    const double p273 = kCarbonDioxideSaturation[10].pressure +
                        (kCarbonDioxideSaturation[11].pressure - kCarbonDioxideSaturation[10].pressure) * 3.15 / 5;
    EXPECT_NEAR(p273, 3485, 25);
}

}  // namespace
}  // namespace tubalyx
