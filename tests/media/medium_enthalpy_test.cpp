#include "media/medium_enthalpy.h"

#include <gtest/gtest.h>

#include <string>

#include "media/medium_property_switch.h"
#include "numerics/checked.h"
#include "property_tables/methane.h"
#include "texts/report_labels.h"
#include "ui/medium_description.h"
#include "ui/selection_state.h"

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
    for (const char* k : {"LUF", "VAT", "O2", "AR", "CH4", "NGAS"})
        EXPECT_NEAR(MediumEnthalpyPT(k, 101325, 0), 0.0, 1e-12) << k;
    if (HydrogenTablesAvailable()) EXPECT_NEAR(MediumEnthalpyPT("H2", 101325, 0), 0.0, 1e-12);
    if (NitrogenTablesAvailable()) EXPECT_NEAR(MediumEnthalpyPT("N2", 101325, 0), 0.0, 1e-12);
    if (CarbonDioxideTablesAvailable()) {
        EXPECT_NEAR(MediumEnthalpyPT("CO2", 101325, 0), 0.0, 1e-12);
        EXPECT_NEAR(MediumEnthalpyPT("O3", 101325, 0), 0.0, 1e-12);
    }
    if (PropaneTablesAvailable()) EXPECT_NEAR(MediumEnthalpyPT("C3H8", 101325, 0), 0.0, 1e-12);
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
    EXPECT_NEAR(MediumEnthalpyPT("NGAS", 5e6, 30),
                MethaneEnthalpyPT(5e6, 30) - MethaneEnthalpyPT(101325, 0), 1e-12);
    EXPECT_NEAR(MediumEnthalpyPT("CH4", 5e6, 30), MediumEnthalpyPT("NGAS", 5e6, 30), 1e-12);
}

TEST_F(MediumEnthalpyTest, MediaWithoutEnthalpyGiveZero) {
    for (const char* k : {"VÄT", "OLJA", "G", "C2H6", "C4H10", "C5H12", "He", "CO", "xyz", "luf"})
        for (double t : {-50.0, 0.0, 20.0, 300.0})
            EXPECT_EQ(MediumEnthalpyPT(k, 5e5, t), 0.0) << k << " " << t;
}

TEST_F(MediumEnthalpyTest, FirstSetRowsNeedTheirTables) {
    const struct {
        const char* keyword;
        bool available;
    } rows[] = {{"H2", HydrogenTablesAvailable()},      {"N2", NitrogenTablesAvailable()},
                {"CO2", CarbonDioxideTablesAvailable()}, {"O3", CarbonDioxideTablesAvailable()},
                {"C3H8", PropaneTablesAvailable()},     {"C3H8V", PropaneTablesAvailable()},
                {"NH3", AmmoniaTablesAvailable()}};
    for (const auto& r : rows) {
        if (r.available)
            EXPECT_TRUE(std::isfinite(MediumEnthalpyPT(r.keyword, 2e5, 20))) << r.keyword;
        else
            EXPECT_THROW(MediumEnthalpyPT(r.keyword, 2e5, 20), CalcError) << r.keyword;
    }
    if (AmmoniaTablesAvailable()) EXPECT_NE(MediumEnthalpyPT("NH3", 101325, 0), 0.0);
}

}  // namespace
}  // namespace tubalyx
