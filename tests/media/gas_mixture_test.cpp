#include "media/gas_mixture.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../numerics/separator_guard.h"
#include "media/mixture_test_setup.h"
#include "media/water_equations.h"
#include "numerics/report_format.h"
#include "state/composition.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"

namespace tubalyx {
namespace {

using namespace mixture_test;

constexpr double kR = 8314.462618;  // J/(kmol K)

class GasMixture : public ::testing::Test {
protected:
    SeparatorGuard point{'.'};  // the grid texts below are written with a point
    void SetUp() override {
        ClearMixture();
        savedP = OperatingPressure;
        savedT = OperatingTemperature;
    }
    void TearDown() override {
        OperatingPressure = savedP;
        OperatingTemperature = savedT;
        ClearMixture();
    }
    double savedP = 0.0, savedT = 0.0;
};

// A component row with the same mol % in both grids.
void SetComponent(int row, const char* keyword, const char* mol) {
    MixtureComponentKeyword[row] = keyword;
    SetBoth(5, row, mol);
}

TEST_F(GasMixture, WeightToMolOfHydrogenAndNitrogen) {
    for (char sep : {',', '.'}) {
        SeparatorGuard guard(sep);
        ClearMixture();
        MixtureComponentKeyword[2] = "H2";
        MixtureComponentKeyword[3] = "N2";
        Form1().ViktVolprocGrid.SetCell(2, 2, "50");
        Form1().ViktVolprocGrid.SetCell(2, 3, "50");
        NormaliseMixture();
        // Moles per 100 g: 50/2.0158 and 50/28.0134.
        const double h2 = 50 / 2.0158, n2 = 50 / 28.0134;
        EXPECT_NEAR(Dry(5, 2), 100 * h2 / (h2 + n2), 1e-4);
        EXPECT_NEAR(Dry(5, 2), 93.29, 0.01);
        EXPECT_NEAR(Dry(5, 3), 6.71, 0.01);
        EXPECT_EQ(Form1().ViktVolprocGrid.Cell(5, 2), FormatFixed(100 * h2 / (h2 + n2), 7));
        EXPECT_NE(Form1().ViktVolprocGrid.Cell(5, 2).find(sep), std::string::npos);
        EXPECT_NEAR(Dry(5, 12), 100.0, 1e-4);
    }
}

TEST_F(GasMixture, ConvertedColumnKeepsItsSourceTotal) {
    MixtureComponentKeyword[2] = "H2";
    MixtureComponentKeyword[3] = "N2";
    MixtureComponentKeyword[4] = "O2";
    Form1().ViktVolprocGrid.SetCell(2, 2, "40");
    Form1().ViktVolprocGrid.SetCell(2, 3, "40");
    Form1().ViktVolprocGrid.SetCell(2, 4, "abc");  // no number: copied as it stands
    NormaliseMixture();
    EXPECT_NEAR(Dry(5, 2) + Dry(5, 3), 80.0, 1e-4);
    EXPECT_NEAR(Dry(5, 12), 80.0, 1e-4);
    EXPECT_NEAR(Dry(5, 2), 0.8 * 93.287, 0.01);
    EXPECT_EQ(Form1().ViktVolprocGrid.Cell(5, 4), "abc");
}

TEST_F(GasMixture, MolToWeightRoundTripInBothGrids) {
    MixtureComponentKeyword[2] = "H2";
    MixtureComponentKeyword[3] = "N2";
    Form1().ViktVolprocGrid.SetCell(2, 2, "50");
    Form1().ViktVolprocGrid.SetCell(2, 3, "50");
    NormaliseMixture();
    for (int row : {2, 3}) Form1().ViktVolprocgridfukt.SetCell(5, row, Form1().ViktVolprocGrid.Cell(5, row));
    Form1().ViktVolprocGrid.SetCell(2, 2, "");
    Form1().ViktVolprocGrid.SetCell(2, 3, "");
    SetMixtureComponent();
    EXPECT_NEAR(Dry(2, 2), 50.0, 1e-4);
    EXPECT_NEAR(Dry(2, 3), 50.0, 1e-4);
    EXPECT_NEAR(Humid(2, 2), 50.0, 1e-4);
    EXPECT_NEAR(Humid(2, 3), 50.0, 1e-4);
    EXPECT_NEAR(Dry(2, 12), 100.0, 1e-4);
}

TEST_F(GasMixture, MolToWeightLeavesTheEditedColumnAndTheDryWaterRow) {
    SetComponent(2, "AR", "90");
    SetComponent(11, "ANG", "10");
    Form1().ViktVolprocGrid.SetCell(2, 2, "typed");
    MixtureEditColumn = 2;
    SetMixtureComponent();
    EXPECT_EQ(Form1().ViktVolprocGrid.Cell(2, 2), "typed");
    EXPECT_EQ(Form1().ViktVolprocGrid.Cell(2, 11), "");
    const double ar = 90 * 39.948, w = 10 * 18.016;
    EXPECT_NEAR(Humid(2, 2), 100 * ar / (ar + w), 1e-4);
    EXPECT_NEAR(Humid(2, 11), 100 * w / (ar + w), 1e-4);

    // The water row of natural gas is a component of the dry grid too.
    MediumCode = "NGAS";
    MixtureEditColumn = 5;
    SetMixtureComponent();
    EXPECT_NEAR(Dry(2, 11), 100 * w / (ar + w), 1e-4);
}

// Negative entries are taken as typed: a dry grid whose mass sum comes out negative is still
// converted by its own sums, since the humid grid decides that the row converts.
TEST_F(GasMixture, MolToWeightConvertsADryGridOfNegativeMassSum) {
    SetComponent(2, "AR", "10");
    SetComponent(3, "N2", "-50");
    Form1().ViktVolprocgridfukt.SetCell(5, 3, "50");
    SetMixtureComponent();
    const double mAr = MixtureRowMolarMass(2), mN2 = MixtureRowMolarMass(3);
    const double dryMass = 10 * mAr - 50 * mN2;
    ASSERT_LT(dryMass, 0.0);
    EXPECT_NEAR(Dry(2, 2), 10 * mAr / dryMass * -40, 1e-5);
    EXPECT_NEAR(Dry(2, 3), -50 * mN2 / dryMass * -40, 1e-5);
    EXPECT_NEAR(Dry(2, 2) + Dry(2, 3), -40.0, 3e-5);  // two cells of seven digits
    const double humidMass = 10 * mAr + 50 * mN2;
    EXPECT_NEAR(Humid(2, 2), 10 * mAr / humidMass * 60, 1e-5);
}

// Two user-defined ideal gases: the molar densities follow the partial pressures alone, so
// volume % equals mol % at either state.
TEST_F(GasMixture, IdealComponentsHaveVolumeEqualToMolPercent) {
    OperatingPressure = 500000.0;
    OperatingTemperature = 40.0;
    const double masses[] = {2.0, 28.0};
    for (int i = 0; i < 2; ++i) {
        const int row = 2 + i;
        MixtureComponentKeyword[row] = "GAS";
        MixtureMolarMass[row] = masses[i];
        MixtureDensity[row] = masses[i] * OperatingPressure / (kR * (273.15 + OperatingTemperature));
    }
    SetBoth(5, 2, "60");
    SetBoth(5, 3, "40");
    for (int kind : {4, 3}) {
        CalcMixtureProperties(kind);
        EXPECT_NEAR(Dry(kind, 2), 60.0, 1e-4) << kind;
        EXPECT_NEAR(Dry(kind, 3), 40.0, 1e-4) << kind;
        EXPECT_NEAR(Humid(kind, 2), 60.0, 1e-4) << kind;
        EXPECT_NEAR(Humid(kind, 3), 40.0, 1e-4) << kind;
    }
    EXPECT_NEAR(MixturePartialPressure[2], 0.6 * 101325.0, 1e-3);

    SetBoth(5, 2, "");
    SetBoth(5, 3, "");
    MixtureEditColumn = 4;
    ConvertMixtureColumns(4);
    EXPECT_NEAR(Dry(5, 2), 60.0, 1e-4);
    EXPECT_NEAR(Humid(5, 3), 40.0, 1e-4);
    EXPECT_NEAR(DryMixturePartialPressure[3], 0.4 * OperatingPressure, 1e-3);
}

// A user-defined gas counts in the molar sums from a molar mass above 0.1; one at or below it
// drops out of the sums but is still converted by them.
TEST_F(GasMixture, VolumeToMolMolarMassBoundsOfUserGases) {
    OperatingPressure = 200000.0;
    OperatingTemperature = 10.0;
    const auto ideal = [](double M) { return M * OperatingPressure / (kR * (273.15 + OperatingTemperature)); };
    MixtureComponentKeyword[2] = "GAS";
    MixtureComponentKeyword[3] = "GAS";
    MixtureMolarMass[3] = 28.0;
    MixtureDensity[3] = ideal(28.0);
    SetBoth(4, 2, "30");
    SetBoth(4, 3, "70");
    MixtureMolarMass[2] = 0.5;
    MixtureDensity[2] = ideal(0.5);
    MixtureEditColumn = 4;  // the user typed the volume column
    ConvertMixtureColumns(4);
    EXPECT_NEAR(Dry(5, 2), 30.0, 1e-4);
    EXPECT_NEAR(Humid(5, 3), 70.0, 1e-4);

    MixtureMolarMass[2] = 0.1;
    MixtureDensity[2] = ideal(0.1);
    ConvertMixtureColumns(4);
    // Only the second row is in the sum: the first gets 30/70 of the whole column.
    EXPECT_NEAR(Dry(5, 2), 30.0 / 70.0 * 100.0, 1e-4);
    EXPECT_NEAR(Dry(5, 3), 100.0, 1e-4);
}

// Real gases at 10 MPa: methane and argon at their partial pressures are not ideal, so the
// volume shares differ from the mol shares, the total stays, and converting back returns
// the mol shares.
TEST_F(GasMixture, RealComponentsRoundTripBetweenMolAndVolume) {
    OperatingPressure = 10e6;
    OperatingTemperature = 20.0;
    MixtureComponentKeyword[2] = "CH4";
    MixtureComponentKeyword[3] = "AR";
    SetBoth(5, 2, "50");
    SetBoth(5, 3, "50");
    CalcMixtureProperties(4);
    const double v2 = Dry(4, 2), v3 = Dry(4, 3);
    EXPECT_NEAR(v2 + v3, 100.0, 1e-4);
    EXPECT_GT(std::fabs(v2 - 50.0), 0.05);
    // The molar densities at the partial pressures stand about in the ratio of the mol %.
    const double n2 = MixturePartialDensity[2] / MixtureRowMolarMass(2);
    const double n3 = MixturePartialDensity[3] / MixtureRowMolarMass(3);
    EXPECT_NEAR(n2 / n3, 1.0, 0.01);

    SetBoth(5, 2, "");
    SetBoth(5, 3, "");
    MixtureEditColumn = 4;  // the user typed the volume column
    ConvertMixtureColumns(4);
    EXPECT_NEAR(Dry(5, 2), 50.0, 0.5);
    EXPECT_NEAR(Humid(5, 3), 50.0, 0.5);
    EXPECT_NEAR(Dry(5, 2) + Dry(5, 3), 100.0, 1e-4);
}

TEST_F(GasMixture, WaterVolumeShareStaysUnderSaturation) {
    MixtureComponentKeyword[2] = "AR";
    MixtureComponentKeyword[11] = "ANG";
    Form1().ViktVolprocGrid.SetCell(5, 2, "100");
    Form1().ViktVolprocgridfukt.SetCell(5, 2, "50");
    Form1().ViktVolprocgridfukt.SetCell(5, 11, "50");
    CalcMixtureProperties(3);  // 0 degC, 101325 Pa
    const double cap = 100.0 * WaterSaturationPressure(0.0) / 101325.0;
    EXPECT_LE(Humid(3, 11), cap + 1e-6);
    EXPECT_NEAR(Humid(3, 11), cap, 1e-3);
    // The water that cannot stay vapour goes to the argon: the humid total stays 100.
    EXPECT_NEAR(Humid(3, 2) + Humid(3, 11), 100.0, 1e-3);
    EXPECT_NEAR(Dry(3, 2), 100.0, 1e-3);
    EXPECT_NEAR(Dry(3, 11), 0.0, 1e-9);
}

// For natural gas the water row is a component of the dry grid as well.
TEST_F(GasMixture, NaturalGasKeepsItsWaterRowInTheDryGrid) {
    MediumCode = "NGAS";
    OperatingPressure = 101325.0;
    OperatingTemperature = 20.0;
    MixtureComponentKeyword[2] = "CH4";
    MixtureComponentKeyword[11] = "ANG";
    SetBoth(5, 2, "99");
    SetBoth(5, 11, "1");
    CalcMixtureProperties(4);
    EXPECT_NEAR(Dry(4, 11), 1.0, 0.02);
    EXPECT_NEAR(Humid(4, 11), 1.0, 0.02);
    EXPECT_NEAR(Dry(4, 2) + Dry(4, 11), 100.0, 1e-4);
}

TEST_F(GasMixture, EditedColumnAndEmptyRowsAreNotConverted) {
    OperatingPressure = 101325.0;
    OperatingTemperature = 0.0;
    MixtureComponentKeyword[2] = "AR";
    SetBoth(5, 2, "100");
    SetBoth(5, 4, "7");  // a row without a keyword: its mol % is copied
    Form1().ViktVolprocGrid.SetCell(4, 2, "typed");
    MixtureEditColumn = 4;
    CalcMixtureProperties(4);
    EXPECT_EQ(Form1().ViktVolprocGrid.Cell(4, 2), "typed");
    EXPECT_EQ(Form1().ViktVolprocGrid.Cell(4, 4), "");
    EXPECT_NEAR(Humid(4, 2), 100.0, 1e-3);
    EXPECT_EQ(Form1().ViktVolprocgridfukt.Cell(4, 4), "7");

    MixtureEditColumn = 5;
    Form1().ViktVolprocGrid.SetCell(5, 2, "typed");
    ConvertMixtureColumns(4);
    EXPECT_EQ(Form1().ViktVolprocGrid.Cell(5, 2), "typed");
}

TEST_F(GasMixture, EmptyGridStaysEmptyAndSumsZero) {
    NormaliseMixture();
    SetMixtureComponent();
    CalcMixtureProperties(4);
    ConvertMixtureColumns(3);
    for (int col = 2; col <= 5; ++col) EXPECT_EQ(Dry(col, 12), 0.0);
}

}  // namespace
}  // namespace tubalyx
