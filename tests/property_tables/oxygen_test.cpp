#include "property_tables/oxygen.h"

#include <gtest/gtest.h>

#include <cmath>

#include "property_tables/oxygen_data.h"
#include "second_set_helpers.h"
#include "state/property_labels.h"
#include "state/selections.h"
#include "table_grid_helpers.h"

namespace tubalyx {
namespace {

using test::Cell;
using test::Celsius;

const test::Grid kOxygenDensityGrid = TUBALYX_GRID(kOxygenDensity);
using test::Contains;

class OxygenTables : public ::testing::Test {
protected:
    void SetUp() override {
        LanguageLetter = 'E';
        MediumCode = "O2";
        test::SetPlainLabels();
    }
};

TEST_F(OxygenTables, DensityNearNormalState) {
    // 1 atm, 300 K: published density of oxygen 1.3007 kg/m3.
    EXPECT_NEAR(OxygenDensityPT(101325, 26.85), 1.30, 0.005);
    EXPECT_EQ(DensityLabel, DensityLabelBase);
    EXPECT_EQ(SpecificVolumeLabel, SpecificVolumeLabelBase);
    // 1 atm, 0 degC: 1.429 kg/m3 (normal density of oxygen).
    EXPECT_NEAR(OxygenDensityPT(101325, 0), 1.429, 0.003);
}

TEST_F(OxygenTables, DensityBelowTheFirstRowIsCarriedAsIdealGas) {
    const double rho = OxygenDensityPT(50000, 20);
    EXPECT_TRUE(Contains(DensityLabel, "[Density..(Z calculated at ")) << DensityLabel;
    EXPECT_TRUE(Contains(DensityLabel, " 100 kPa!.")) << DensityLabel;
    EXPECT_NEAR(rho, 0.657, 0.001);
    // Taken at 100.000001 kPa and carried to 50 kPa.
    EXPECT_NEAR(rho, OxygenDensityPT(100000.001, 20) * 50 / 100.000001, 1e-9);
    EXPECT_EQ(DensityLabel, DensityLabelBase);  // inside the table again
}

TEST_F(OxygenTables, LowPressureClampsOfTheOtherTables) {
    EXPECT_EQ(OxygenEnthalpyPT(50000, 20), OxygenEnthalpyPT(50001, 20));
    EXPECT_EQ(OxygenCpPT(10000, 20), OxygenCpPT(50001, 20));
    EXPECT_EQ(OxygenViscosityPT(50000, 20), OxygenViscosityPT(100001, 20));
    // Clamping by 0.001 kPa is below the note threshold; far below the table it is noted.
    OxygenEnthalpyPT(50000, 20);
    EXPECT_EQ(EnthalpyLabel, EnthalpyLabelBase);
    OxygenEnthalpyPT(10000, 20);
    EXPECT_TRUE(Contains(EnthalpyLabel, "[Entalpi calculated at ")) << EnthalpyLabel;
}

TEST_F(OxygenTables, LiquidCornerAt150KIsReplacedFromTheGasSide) {
    // 207.383 * 150 / 160, read exactly at the corner.
    EXPECT_NEAR(OxygenDensityPT(5e6, Celsius(150)), 194.42, 0.005);
    EXPECT_NEAR(OxygenDensityPT(5e6, Celsius(150)), 207.383 * 150 / 160, 1e-6);
    EXPECT_EQ(DensityLabel, DensityLabelBase);
}

TEST_F(OxygenTables, AllFourCornersRepairedNoteNamesTheNearestCorner) {
    const double rho = OxygenDensityPT(1e6, Celsius(95));
    EXPECT_GT(rho, 0);
    // The note gives 1000 kPa and 90 K (-183 degC).
    EXPECT_TRUE(Contains(DensityLabel, "-183C!....")) << DensityLabel;
}

TEST_F(OxygenTables, RepairedCornerTakesItsOwnRowsGasValue) {
    // 1500 kPa, 95 K: every corner is liquid; each takes the first gas value of its row
    // (1000 kPa: 120 K, 2000 kPa: 140 K) scaled by T[own column] / T[source column].
    const test::Grid& d = kOxygenDensityGrid;
    const double va = Cell(d, 1000, 120) * 90 / 120, vc = Cell(d, 1000, 120) * 100 / 120;
    const double vb = Cell(d, 2000, 140) * 90 / 140, vd = Cell(d, 2000, 140) * 100 / 140;
    const double p = 1500, T = 95;
    // rho*T/p at each corner, bilinear, back at the used state.
    const double X = ((2000 - p) * (100 - T) * va * 90 / 1000 + (p - 1000) * (100 - T) * vb * 90 / 2000 +
                      (2000 - p) * (T - 90) * vc * 100 / 1000 + (p - 1000) * (T - 90) * vd * 100 / 2000) /
                     (1000.0 * 10.0);
    EXPECT_NEAR(OxygenDensityPT(1.5e6, Celsius(95)), X * p / T, 1e-9 * X * p / T);
}

TEST_F(OxygenTables, AxisTemperaturesAreUsedJustAbove) {
    // 300 K is read at 300.001 K by viscosity, enthalpy and Cp: below the note threshold.
    const double h = OxygenEnthalpyPT(1e5, 26.85);
    EXPECT_NEAR(h, 272.7, 0.01);
    EXPECT_EQ(EnthalpyLabel, EnthalpyLabelBase);
    EXPECT_NEAR(OxygenViscosityPT(1e5, 26.85), 2072e-8, 1e-10);
    EXPECT_EQ(DynamicViscosityLabel, DynamicViscosityLabelBase);
    EXPECT_NEAR(OxygenCpPT(1e5, 26.85), 920, 0.5);
    EXPECT_EQ(CpLabel, CpLabelBase);
    // The density reads 300 K unchanged: on the 100 kPa row and the 300 K column it is the cell.
    EXPECT_NEAR(OxygenDensityPT(100000.001, 26.85), 1.2837, 1e-5);
}

TEST_F(OxygenTables, PublishedValuesAtOneAtmosphere) {
    // Oxygen at 1 atm, 300 K: viscosity 20.7 micro-Pa s, cp 0.920 kJ/(kg K).
    EXPECT_NEAR(OxygenViscosityPT(101325, 26.85), 20.7e-6, 0.2e-6);
    EXPECT_NEAR(OxygenCpPT(101325, 26.85), 920, 5);
}

TEST_F(OxygenTables, CvIsCpLessTheGasConstant) {
    for (double P : {1e3, 101325.0, 5e6, 2e8}) {
        for (double t : {-250.0, -120.0, 20.0, 900.0, 3000.0}) {
            EXPECT_NEAR(OxygenCvPT(P, t) - OxygenCpPT(P, t), -259.8222433341250, 1e-9);
        }
    }
}

TEST_F(OxygenTables, GridsGiveFinitePositiveResults) {
    for (double P = 1e3; P <= 2e8; P *= 1.7) {
        for (double t = -230; t <= 1800; t += 37) {
            const double rho = OxygenDensityPT(P, t), mu = OxygenViscosityPT(P, t);
            const double h = OxygenEnthalpyPT(P, t), cp = OxygenCpPT(P, t), cv = OxygenCvPT(P, t);
            EXPECT_TRUE(std::isfinite(rho) && rho > 0) << P << " " << t;
            EXPECT_TRUE(std::isfinite(mu) && mu > 0 && mu < 1e-3) << P << " " << t;
            EXPECT_TRUE(std::isfinite(h) && h >= 0 && h < 2000) << P << " " << t;
            EXPECT_TRUE(std::isfinite(cp) && cp > 0 && cp < 1e5) << P << " " << t;
            EXPECT_GT(cv, 0) << P << " " << t;
        }
    }
}

}  // namespace
}  // namespace tubalyx
