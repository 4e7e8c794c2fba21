#include "media/medium_enthalpy.h"

#include <gtest/gtest.h>

#include <string>

#include "media/steam_equations.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "property_tables/air.h"
#include "property_tables/ammonia.h"
#include "property_tables/argon.h"
#include "property_tables/carbon_dioxide.h"
#include "property_tables/hydrogen.h"
#include "property_tables/methane.h"
#include "property_tables/nitrogen.h"
#include "property_tables/oxygen.h"
#include "property_tables/propane.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/report_labels.h"

namespace tubalyx {
namespace {

class MediumEnthalpyTest : public ::testing::Test {
protected:
    void SetUp() override {
        LanguageLetter = 'E';
        SetPropertyReportLabels('E');
        GivenCp = 2000;
    }
};

TEST_F(MediumEnthalpyTest, DifferencedRowsReadZeroAtTheReferenceState) {
    for (const char* k : {"LUF", "VAT", "O2", "AR", "H2", "N2", "CO2", "O3", "CH4", "C3H8", "NGAS"})
        EXPECT_NEAR(MediumEnthalpyPT(k, 101325, 0), 0.0, 1e-12) << k;
}

// Each differenced row against its own table, away from the reference state.
TEST_F(MediumEnthalpyTest, EachRowTakesItsOwnTable) {
    struct Row {
        const char* keyword;
        double (*h)(double, double);
    };
    const Row rows[] = {{"LUF", AirEnthalpyPT},          {"O2", OxygenEnthalpyPT},   {"AR", ArgonEnthalpyPT},
                        {"H2", HydrogenEnthalpyPT},      {"N2", NitrogenEnthalpyPT}, {"CO2", CarbonDioxideEnthalpyPT},
                        {"O3", CarbonDioxideEnthalpyPT}, {"CH4", MethaneEnthalpyPT}, {"NGAS", MethaneEnthalpyPT}};
    for (const Row& r : rows) {
        const double expected = r.h(3e5, 60) - r.h(101325, 0);
        EXPECT_DOUBLE_EQ(MediumEnthalpyPT(r.keyword, 3e5, 60), expected) << r.keyword;
        EXPECT_NE(expected, 0.0) << r.keyword;
    }
    EXPECT_DOUBLE_EQ(MediumEnthalpyPT("VAT", 3e5, 60), (WaterEnthalpyPT(3e5, 60) - WaterEnthalpyPT(101325, 0)) * 0.001);
    EXPECT_DOUBLE_EQ(MediumEnthalpyPT("ANG", 3e5, 200), SteamEnthalpyPT(3e5, 200) * 0.001);
    EXPECT_DOUBLE_EQ(MediumEnthalpyPT("C3H8", 3e5, 60),
                     PropaneEnthalpyPT("C3H8", 3e5, 60) - PropaneEnthalpyPT("C3H8", 101325, 0));
    EXPECT_DOUBLE_EQ(MediumEnthalpyPT("NH3", 3e5, 60), AmmoniaEnthalpyPT(3e5, 60));
}

TEST_F(MediumEnthalpyTest, UserGasTakesAConstantCpFromZero) {
    for (double P : {101325.0, 1e6, 0.0}) {
        EXPECT_NEAR(MediumEnthalpyPT("GAS", P, 20), 40.0, 1e-12);
        EXPECT_NEAR(MediumEnthalpyPT("GAS", P, -10), -20.0, 1e-12);
        EXPECT_NEAR(MediumEnthalpyPT("IGAS", P, 20), 40.0, 1e-12);
    }
}

// Published values: liquid water 419.1 kJ/kg at 100 degC (0.06 at 0 degC), saturated steam
// 2676 kJ/kg at 101325 Pa and 100 degC, air about 1.006 kJ/(kg K) from 0 to 100 degC.
TEST_F(MediumEnthalpyTest, AgainstPublishedValues) {
    EXPECT_NEAR(MediumEnthalpyPT("VAT", 101325, 100), 419.0, 0.6);
    EXPECT_NEAR(MediumEnthalpyPT("ANG", 101325, 100), 2676.0, 3.0);
    EXPECT_NEAR(MediumEnthalpyPT("MNG", 101325, 100), MediumEnthalpyPT("ANG", 101325, 100), 1e-12);
    EXPECT_NEAR(MediumEnthalpyPT("LUF", 101325, 100), 100.6, 1.5);
    EXPECT_EQ(MediumEnthalpyPT("ANG", 0, 100), 0.0);
    EXPECT_NEAR(MediumEnthalpyPT("NGAS", 5e6, 30), MethaneEnthalpyPT(5e6, 30) - MethaneEnthalpyPT(101325, 0), 1e-12);
    EXPECT_NEAR(MediumEnthalpyPT("CH4", 5e6, 30), MediumEnthalpyPT("NGAS", 5e6, 30), 1e-12);
}

TEST_F(MediumEnthalpyTest, MediaWithoutEnthalpyGiveZero) {
    for (const char* k : {"VÄT", "OLJA", "G", "C2H6", "C4H10", "C5H12", "He", "CO", "xyz", "luf"})
        for (double t : {-50.0, 0.0, 20.0, 300.0}) EXPECT_EQ(MediumEnthalpyPT(k, 5e5, t), 0.0) << k << " " << t;
}

TEST_F(MediumEnthalpyTest, FirstSetRows) {
    // Ammonia keeps its table's own zero.
    EXPECT_DOUBLE_EQ(MediumEnthalpyPT("NH3", 101325, 0), AmmoniaEnthalpyPT(101325, 0));
    EXPECT_NE(MediumEnthalpyPT("NH3", 101325, 0), 0.0);
    // Ozone takes the carbon dioxide enthalpy.
    EXPECT_DOUBLE_EQ(MediumEnthalpyPT("O3", 5e5, 80), MediumEnthalpyPT("CO2", 5e5, 80));
    EXPECT_NEAR(MediumEnthalpyPT("N2", 5e5, 80), NitrogenEnthalpyPT(5e5, 80) - NitrogenEnthalpyPT(101325, 0), 1e-12);
    // Liquid propane against the gas at the reference state: a large negative value
    // (about the heat of vaporisation, 350 kJ/kg).
    const double liquid = MediumEnthalpyPT("C3H8V", 1e6, 20);
    EXPECT_DOUBLE_EQ(liquid, PropaneEnthalpyPT("C3H8V", 1e6, 20) - PropaneEnthalpyPT("C3H8", 101325, 0));
    EXPECT_LT(liquid, -250.0);
    EXPECT_GT(liquid, -500.0);
    // Propane gas from 0 to 100 degC at 1 atm: cp about 1.8 kJ/(kg K).
    EXPECT_NEAR(MediumEnthalpyPT("C3H8", 101325, 100), 180, 20);
}

}  // namespace
}  // namespace tubalyx
