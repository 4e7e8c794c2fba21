#include "property_tables/air.h"

#include <gtest/gtest.h>

#include <cmath>

#include "property_tables/air_data.h"
#include "second_set_helpers.h"
#include "state/property_labels.h"
#include "state/selections.h"
#include "table_grid_helpers.h"

namespace tubalyx {
namespace {

using test::Cell;
using test::Celsius;

const test::Grid kAirDensityGrid = TUBALYX_GRID(kAirDensity);
const test::Grid kAirEnthalpyGrid = TUBALYX_GRID(kAirEnthalpy);
using test::Contains;

class AirTables : public ::testing::Test {
protected:
    void SetUp() override {
        LanguageLetter = 'E';
        MediumCode = "LUF";
        test::SetPlainLabels();
    }
};

TEST_F(AirTables, NormalDensity) {
    // Dry air at 101325 Pa and 0 degC: 1.293 kg/m3.
    EXPECT_NEAR(AirDensityPT(101325, 0), 1.293, 0.001);
    EXPECT_NEAR(AirDensityPT(101325, 26.85), 1.18, 0.005);
    EXPECT_EQ(DensityLabel, DensityLabelBase);
}

TEST_F(AirTables, PublishedValuesAtOneAtmosphere) {
    // Air at 1 atm, 300 K: viscosity 18.5 micro-Pa s, cp 1.007 kJ/(kg K).
    EXPECT_NEAR(AirViscosityPT(101325, 26.85), 18.5e-6, 0.2e-6);
    EXPECT_NEAR(AirCpPT(101325, 26.85), 1007, 2);
}

TEST_F(AirTables, PressureAboveTheTable) {
    const double rho = AirDensityPT(2e8, 100);
    EXPECT_TRUE(Contains(DensityLabel, " 100 MPa!.")) << DensityLabel;
    EXPECT_NEAR(rho, AirDensityPT(99999999, 100) * 2e8 / 99999999, 1e-9 * rho);
    EXPECT_EQ(AirEnthalpyPT(2e8, 100), AirEnthalpyPT(99999999, 100));
    EXPECT_EQ(AirCpPT(2e8, 100), AirCpPT(99999999, 100));
    const double muTop = AirViscosityPT(99999999, 100);
    EXPECT_EQ(AirViscosityPT(2e8, 100), muTop);
    EXPECT_TRUE(Contains(DynamicViscosityLabel, "[Dynamic viscosity at ")) << DynamicViscosityLabel;
}

TEST_F(AirTables, AxisTemperatureUsedJustAboveWithoutNote) {
    AirEnthalpyPT(101325, 26.85);
    EXPECT_EQ(EnthalpyLabel, EnthalpyLabelBase);
    AirCpPT(101325, 26.85);
    EXPECT_EQ(CpLabel, CpLabelBase);
}

TEST_F(AirTables, VeryLowTemperature) {
    // -200 degC: density and enthalpy at 100.001 K, viscosity at 120.001 K.
    EXPECT_NEAR(AirDensityPT(101325, -200), AirDensityPT(101325, Celsius(100.001)) * 100.001 / 73.15, 1e-9);
    EXPECT_EQ(AirEnthalpyPT(101325, -200), AirEnthalpyPT(101325, Celsius(100.001)));
    // The clamped call last, so that its note stands (argument order is unspecified).
    const double used = AirViscosityPT(101325, Celsius(120.001));
    EXPECT_NEAR(AirViscosityPT(101325, -200), used, 1e-16);
    EXPECT_TRUE(Contains(DynamicViscosityLabel, "-153C!..")) << DynamicViscosityLabel;
}

TEST_F(AirTables, ColumnSkipAtHighPressure) {
    // 20000 kPa, 160 K: the 50000 kPa row has no data up to 170 K, so the cell moves to
    // 200-250 K (used 200.001 K); the viscosity cell to 250-270 K (used 250.001 K).
    EXPECT_NEAR(AirEnthalpyPT(2e7, Celsius(160)), AirEnthalpyPT(2e7, Celsius(200.001)), 1e-12);
    EXPECT_NEAR(AirEnthalpyPT(2e7, Celsius(160)), Cell(kAirEnthalpyGrid, 20000, 200), 0.01);
    EXPECT_TRUE(Contains(EnthalpyLabel, "-73C!..")) << EnthalpyLabel;
    EXPECT_NEAR(AirViscosityPT(2e7, Celsius(160)), AirViscosityPT(2e7, Celsius(250.001)), 1e-16);
}

TEST_F(AirTables, LowPressureClampOfTheViscosity) {
    EXPECT_EQ(AirViscosityPT(50000, 20), AirViscosityPT(100001, 20));
    EXPECT_EQ(AirEnthalpyPT(10000, 20), AirEnthalpyPT(50001, 20));
    EXPECT_NE(AirEnthalpyPT(50001, 20), AirEnthalpyPT(100001, 20));
}

TEST_F(AirTables, CvIsCpOverOnePointFour) {
    for (double P : {1e3, 101325.0, 3e6, 2e8}) {
        for (double t : {-250.0, -140.0, 20.0, 1500.0}) {
            EXPECT_NEAR(AirCvPT(P, t), AirCpPT(P, t) / 1.4, 1e-9);
        }
    }
}

// The cell 2500-5000 kPa x 120-150 K: its 2500 kPa, 120 K corner has no data and the column
// skip, testing only the 5000 kPa row, does not move the cell. The corner is repaired from
// its own row, so the results stay between the values around them.
TEST_F(AirTables, NoDataCornerMissedByTheColumnSkipIsRepaired) {
    for (double p : {2.5e6, 3e6, 4e6, 4.999e6}) {
        for (double T : {120.0, 125.0, 135.0, 149.9}) {
            const double h = AirEnthalpyPT(p, Celsius(T));
            const double rho = AirDensityPT(p, Celsius(T));
            EXPECT_TRUE(std::isfinite(h) && h > 0 && h < 200) << p << " " << T << " " << h;
            EXPECT_TRUE(std::isfinite(rho) && rho > 0 && rho < 700) << p << " " << T << " " << rho;
        }
    }
    // On the 2500 kPa row the repaired corner holds the row's 150 K enthalpy (copied) and its
    // 150 K specific volume scaled to 120 K as an ideal gas.
    EXPECT_NEAR(AirEnthalpyPT(2.5e6, Celsius(130)), Cell(kAirEnthalpyGrid, 2500, 150), 1e-9);
    const double v150 = Cell(kAirDensityGrid, 2500, 150);
    EXPECT_NEAR(AirDensityPT(2.5e6, Celsius(120)), 1000 / v150 * 150 / 120.001, 1e-3);
    // The other corners keep their own values: next to 5000 kPa, 120 K the result is the
    // 1.514 dm3/kg dense-fluid point.
    EXPECT_NEAR(AirDensityPT(4.99999e6, Celsius(120)), 1000 / 1.514, 0.5);
    EXPECT_NEAR(AirEnthalpyPT(4.99999e6, Celsius(120)), 37.5, 0.01);
}

TEST_F(AirTables, GridsGiveFinitePositiveResults) {
    for (double P = 1e3; P <= 2e8; P *= 1.6) {
        for (double t = -240; t <= 1500; t += 23) {
            const double rho = AirDensityPT(P, t), mu = AirViscosityPT(P, t);
            const double h = AirEnthalpyPT(P, t), cp = AirCpPT(P, t);
            EXPECT_TRUE(std::isfinite(rho) && rho > 0) << P << " " << t;
            EXPECT_TRUE(std::isfinite(mu) && mu > 0 && mu < 1e-3) << P << " " << t;
            EXPECT_TRUE(std::isfinite(h) && h >= 0 && h < 2000) << P << " " << t;
            EXPECT_TRUE(std::isfinite(cp) && cp > 0 && cp < 1e5) << P << " " << t;
        }
    }
}

}  // namespace
}  // namespace tubalyx
