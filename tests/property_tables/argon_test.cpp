#include "property_tables/argon.h"

#include <gtest/gtest.h>

#include <cmath>

#include "property_tables/argon_data.h"
#include "second_set_helpers.h"
#include "state/property_labels.h"
#include "state/selections.h"
#include "table_grid_helpers.h"

namespace tubalyx {
namespace {

using test::Cell;
using test::Celsius;

using test::Contains;

class ArgonTables : public ::testing::Test {
protected:
    void SetUp() override {
        LanguageLetter = 'E';
        MediumCode = "AR";
        test::SetPlainLabels();
    }
};

TEST_F(ArgonTables, DensityNearNormalState) {
    EXPECT_NEAR(ArgonDensityPT(101325, 26.85), 1.624, 0.002);
    EXPECT_EQ(DensityLabel, DensityLabelBase);
    // Normal density of argon at 1 atm, 0 degC: 1.784 kg/m3.
    EXPECT_NEAR(ArgonDensityPT(101325, 0), 1.784, 0.003);
}

TEST_F(ArgonTables, DensityBelowTheFirstRow) {
    const double rho = ArgonDensityPT(80000, 20);
    EXPECT_TRUE(Contains(DensityLabel, " 100 kPa!.")) << DensityLabel;
    EXPECT_NEAR(rho, 1.312, 0.001);
    EXPECT_NEAR(rho, ArgonDensityPT(100001, 20) * 80 / 100.001, 1e-9);
}

TEST_F(ArgonTables, LiquidCornerAt150K) { EXPECT_NEAR(ArgonDensityPT(5e6, Celsius(150)), 228.99, 0.005); }

TEST_F(ArgonTables, TemperatureBelowTheTable) {
    // 80 K: density at 85.001 K carried to 80 K; enthalpy and Cp at 100.001 K; the viscosity
    // at 120.001 K, because its 1000 kPa row has no data at 100 K.
    const double t = Celsius(80);
    EXPECT_NEAR(ArgonDensityPT(101325, t), ArgonDensityPT(101325, Celsius(85.001)) * 85.001 / 80, 1e-9);
    EXPECT_NEAR(ArgonViscosityPT(101325, t), ArgonViscosityPT(101325, Celsius(120.001)), 1e-15);
    EXPECT_NEAR(ArgonEnthalpyPT(101325, t), ArgonEnthalpyPT(101325, Celsius(100.001)), 1e-12);
    EXPECT_NEAR(ArgonCpPT(101325, t), ArgonCpPT(101325, Celsius(100.001)), 1e-9);
    // At 10 MPa the column skip moves the cell to 170 K.
    EXPECT_NEAR(ArgonEnthalpyPT(1e7, t), ArgonEnthalpyPT(1e7, Celsius(170.001)), 1e-12);
}

TEST_F(ArgonTables, EnthalpyCountsTheNegativeCellByMagnitude) {
    EXPECT_NEAR(ArgonEnthalpyPT(2e7, Celsius(185)), 19.85, 1e-6);
    EXPECT_EQ(EnthalpyLabel, EnthalpyLabelBase);
}

TEST_F(ArgonTables, PublishedValuesAtOneAtmosphere) {
    // Argon at 1 atm, 300 K: viscosity 22.7 micro-Pa s, cp 0.521 kJ/(kg K).
    EXPECT_NEAR(ArgonViscosityPT(101325, 26.85), 22.7e-6, 0.2e-6);
    EXPECT_NEAR(ArgonCpPT(101325, 26.85), 521, 3);
}

TEST_F(ArgonTables, CvIsCpLessTheGasConstant) {
    for (double P : {1e3, 101325.0, 5e6, 2e8}) {
        for (double t : {-250.0, -120.0, 20.0, 900.0, 3000.0}) {
            EXPECT_NEAR(ArgonCvPT(P, t) - ArgonCpPT(P, t), -208.1205567237409, 1e-9);
        }
    }
}

TEST_F(ArgonTables, GridsGiveFinitePositiveResults) {
    for (double P = 1e3; P <= 2e8; P *= 1.7) {
        for (double t = -230; t <= 1800; t += 37) {
            const double rho = ArgonDensityPT(P, t), mu = ArgonViscosityPT(P, t);
            const double h = ArgonEnthalpyPT(P, t), cp = ArgonCpPT(P, t);
            EXPECT_TRUE(std::isfinite(rho) && rho > 0) << P << " " << t;
            EXPECT_TRUE(std::isfinite(mu) && mu > 0 && mu < 1e-3) << P << " " << t;
            EXPECT_TRUE(std::isfinite(h) && h >= 0 && h < 2000) << P << " " << t;
            EXPECT_TRUE(std::isfinite(cp) && cp > 0 && cp < 1e5) << P << " " << t;
            EXPECT_GT(ArgonCvPT(P, t), 0) << P << " " << t;
        }
    }
}

}  // namespace
}  // namespace tubalyx
