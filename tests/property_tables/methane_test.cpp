#include "property_tables/methane.h"

#include <gtest/gtest.h>

#include <cmath>

#include "property_tables/methane_data.h"
#include "second_set_helpers.h"
#include "state/property_labels.h"
#include "state/selections.h"
#include "table_grid_helpers.h"

namespace tubalyx {
namespace {

using test::Cell;
using test::Celsius;

using test::Contains;

class MethaneTables : public ::testing::Test {
protected:
    void SetUp() override {
        LanguageLetter = 'E';
        MediumCode = "CH4";
        test::SetPlainLabels();
    }
};

TEST_F(MethaneTables, DomainOfViscosityAndCp) {
    EXPECT_EQ(MethaneViscosityPT(100, 20), 0);
    EXPECT_EQ(MethaneViscosityPT(1e8, 20), 0);
    EXPECT_EQ(MethaneViscosityPT(101325, -200), 0);
    EXPECT_EQ(MethaneCpPT(100, 20), 0);
    EXPECT_EQ(MethaneCpPT(101325, 10000), 0);
    EXPECT_EQ(MethaneCvPT(100, 20), 0);
    EXPECT_EQ(MethaneCvPT(101325, -200), 0);
    // The enthalpy has no domain test: the clamped table value.
    EXPECT_EQ(MethaneEnthalpyPT(100, 20), MethaneEnthalpyPT(100001, 20));
    EXPECT_GT(MethaneEnthalpyPT(1e8, 20), 0);
    EXPECT_GT(MethaneEnthalpyPT(101325, -200), 0);
    EXPECT_GT(MethaneViscosityPT(101, 20), 0);
}

TEST_F(MethaneTables, LiquidCornersTakeTheGasValueOfTheirRow) {
    const double mu = MethaneViscosityPT(100000, -163.15);
    EXPECT_NEAR(mu, 4.78e-6, 0.001e-6);
    EXPECT_GT(mu, 4.78e-6);  // the 200 kPa corners (5.56) have a small weight
    // The note is handed 100.001 kPa and 110.001 K (corner a at distance 0): no note.
    EXPECT_EQ(DynamicViscosityLabel, DynamicViscosityLabelBase);
    EXPECT_EQ(KinematicViscosityLabel, KinematicViscosityLabelBase);
}

TEST_F(MethaneTables, EqualDistanceChoosesTheHigherTemperatureCorner) {
    // 100 kPa, 115 K: halfway between the 110 K and 120 K columns; the repaired corner a and
    // corner c are equally near, so the note names c, 120.001 K (-153 degC).
    MethaneViscosityPT(100000, Celsius(115));
    EXPECT_TRUE(Contains(DynamicViscosityLabel, "-153C!..")) << DynamicViscosityLabel;
}

TEST_F(MethaneTables, PublishedValuesAtOneAtmosphere) {
    // Methane at 1 atm, 300 K: viscosity 11.2 micro-Pa s, cp 2.23 kJ/(kg K).
    EXPECT_NEAR(MethaneViscosityPT(101325, 26.85), 11.2e-6, 0.15e-6);
    EXPECT_NEAR(MethaneCpPT(101325, 26.85), 2237, 15);
    // Enthalpy difference 300 K - 273.15 K at 1 atm is about cp * 26.85 K = 59.8 kJ/kg.
    EXPECT_NEAR(MethaneEnthalpyPT(101325, 26.85) - MethaneEnthalpyPT(101325, 0), 59.8, 1.0);
}

TEST_F(MethaneTables, CvIsCpLessTheGasConstant) {
    for (double P : {1e3, 101325.0, 5e6, 6e7}) {
        for (double t : {-190.0, -100.0, 20.0, 400.0}) {
            const double cp = MethaneCpPT(P, t);
            ASSERT_GT(cp, 0);
            EXPECT_NEAR(MethaneCvPT(P, t), cp - 518.2322508, 1e-9);
        }
    }
}

TEST_F(MethaneTables, GridsGiveFinitePositiveResults) {
    for (double P = 200; P < 1e8; P *= 1.6) {
        for (double t = -199; t <= 600; t += 17) {
            const double mu = MethaneViscosityPT(P, t), h = MethaneEnthalpyPT(P, t), cp = MethaneCpPT(P, t);
            EXPECT_TRUE(std::isfinite(mu) && mu > 0 && mu < 1e-3) << P << " " << t;
            EXPECT_TRUE(std::isfinite(h) && h > 0 && h < 3000) << P << " " << t;
            EXPECT_TRUE(std::isfinite(cp) && cp > 0 && cp < 1e5) << P << " " << t;
        }
    }
}

}  // namespace
}  // namespace tubalyx
