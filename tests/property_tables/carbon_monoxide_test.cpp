#include "property_tables/carbon_monoxide.h"

#include <gtest/gtest.h>

#include "numerics/checked.h"

namespace tubalyx {
namespace {

TEST(CarbonMonoxide, DensityAtTableStatesAndOutside) {
    // 1 atm, 15 degC: the Z cell 100-500 kPa read at 288.151 K.
    EXPECT_NEAR(CarbonMonoxideDensityPT(101325, 15), 1.184496, 5e-7);
    // The reference state itself.
    EXPECT_NEAR(CarbonMonoxideDensityPT(100000, 15), 1.169000, 5e-7);
    // On the 5000 kPa row: the 10000 kPa corners have no weight, Z = 0.9867.
    EXPECT_NEAR(CarbonMonoxideDensityPT(5e6, 20), 58.204, 5e-4);
    const double z5000 = (30 * 0.9848 + 5 * 0.9981) / 35.0;
    EXPECT_NEAR(CarbonMonoxideDensityPT(5e6, 20), 0.9996 / z5000 * 288.15 / 293.15 * 5e6 * 1e-5 * 1.169, 1e-9);
    // Beyond both axes: the corner Z of 20000 kPa, 323.15 K, ideal-gas scaling from there.
    EXPECT_NEAR(CarbonMonoxideDensityPT(30e6, 100), 256.18, 5e-3);
    EXPECT_NEAR(CarbonMonoxideDensityPT(30e6, 100), 0.9996 / 1.0567 * 288.15 / 373.15 * 30e6 * 1e-5 * 1.169, 1e-9);
    // Below both axes: Z = 0.9996.
    EXPECT_NEAR(CarbonMonoxideDensityPT(50000, -20), 0.66531, 5e-6);
}

TEST(CarbonMonoxide, DensityAgreesWithIdealGasAtLowPressure) {
    // Independent check: M = 28.01 g/mol, Z ~ 1 at 1 atm, 0 degC gives about 1.250 kg/m3
    // (published normal density of carbon monoxide 1.250 kg/m3).
    EXPECT_NEAR(CarbonMonoxideDensityPT(101325, 0), 1.250, 0.003);
}

TEST(CarbonMonoxide, DensityAtAbsoluteZeroRaises) { EXPECT_THROW(CarbonMonoxideDensityPT(101325, -273.15), CalcError); }

TEST(CarbonMonoxide, Viscosity) {
    EXPECT_NEAR(CarbonMonoxideViscosityPT(101325, 0), 1.662004e-5, 5e-12);
    EXPECT_NEAR(CarbonMonoxideViscosityPT(101325, -50), 1.662e-5, 1e-14);
    EXPECT_NEAR(CarbonMonoxideViscosityPT(101325, 100), 2.076e-5, 1e-14);
    EXPECT_NEAR(CarbonMonoxideViscosityPT(5e6, 300), 2.076e-5, 1e-14);
    // Halfway between 288.15 and 323.15 K; the pressure does not matter.
    EXPECT_NEAR(CarbonMonoxideViscosityPT(1e5, 32.5), (17.25 + 18.72) / 2 * 1e-6, 1e-12);
    EXPECT_DOUBLE_EQ(CarbonMonoxideViscosityPT(1e5, 32.5), CarbonMonoxideViscosityPT(9e6, 32.5));
}

TEST(CarbonMonoxide, HeatCapacities) {
    EXPECT_NEAR(CarbonMonoxideCpPT(101325, 0), 1042.5132, 1e-9);
    EXPECT_NEAR(CarbonMonoxideCpPT(5e6, 400), 1042.5132, 1e-9);
    EXPECT_NEAR(CarbonMonoxideCvPT(101325, 0), 745.6906366, 1e-7);
    for (double P : {1e4, 101325.0, 2e7}) {
        for (double t : {-100.0, 0.0, 500.0}) {
            EXPECT_NEAR(CarbonMonoxideCvPT(P, t) - CarbonMonoxideCpPT(P, t), -296.82256337022494, 1e-10);
        }
    }
}

// A state exactly on an inner axis point takes the bracket that starts there.
TEST(CarbonMonoxide, InnerAxisPointsStartTheirBracket) {
    // 15 degC: bracket 288.15-323.15 K read at 288.15 K itself.
    EXPECT_NEAR(CarbonMonoxideViscosityPT(1e5, 15), 1.725e-5, 1e-15);
    // 500 kPa: bracket 500-1000 kPa with the 1000 kPa row at weight 0; 288.151 K.
    const double z = (34.999 * 0.9979 + 0.001 * 0.9994) / 35.0;
    EXPECT_NEAR(CarbonMonoxideDensityPT(5e5, 15), 0.9996 / z * 288.15 / 288.15 * 5e5 * 1e-5 * 1.169, 1e-12);
}

}  // namespace
}  // namespace tubalyx
