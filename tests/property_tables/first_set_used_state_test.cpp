#include <gtest/gtest.h>

#include <string>

#include "property_tables/ammonia.h"
#include "property_tables/carbon_dioxide.h"
#include "property_tables/hydrogen.h"
#include "property_tables/nitrogen.h"
#include "property_tables/ozone.h"
#include "property_tables/propane.h"
#include "property_tables/range_notes.h"
#include "state/property_labels.h"
#include "state/selections.h"
#include "texts/report_labels.h"

// The used state a table function hands to its range note, checked against the note that the
// writer itself makes of the expected used state: a different used state gives other lines.
namespace tubalyx {
namespace {

class UsedStateNotes : public ::testing::Test {
protected:
    void SetUp() override {
        LanguageLetter = 'E';
        MediumCode = "GAS";
        SetPropertyReportLabels('E');
    }
};

std::string DensityNoteOf(double usedKPa, double P, double usedK, double t) {
    WriteDensityRangeNote(usedKPa, P, usedK, t);
    const std::string s = DensityLabel;
    SetPropertyReportLabels('E');
    return s;
}

std::string ViscosityNoteOf(double usedKPa, double P, double usedK, double t) {
    WriteViscosityRangeNote(usedKPa, P, usedK, t);
    const std::string s = DynamicViscosityLabel;
    SetPropertyReportLabels('E');
    return s;
}

std::string HeatCapacityNoteOf(double usedKPa, double P, double usedK, double t) {
    WriteHeatCapacityRangeNote(usedKPa, P, usedK, t);
    const std::string s = CpLabel;
    SetPropertyReportLabels('E');
    return s;
}

// The density function at (P, t) writes the note of the used state (usedKPa, usedK), which
// differs from the ordinary line.
void ExpectDensityNote(double (*density)(double, double), double P, double t, double usedKPa, double usedK) {
    const std::string expected = DensityNoteOf(usedKPa, P, usedK, t);
    ASSERT_NE(expected, DensityLabelBase);
    density(P, t);
    EXPECT_EQ(DensityLabel, expected) << P << " Pa, " << t << " C";
}

TEST_F(UsedStateNotes, PropaneCpCellMovedPastTheNoDataColumns) {
    // 400 bar, 230 K: read in the 310-320 K cell at 310.001 K, at the requested pressure.
    const std::string expected = HeatCapacityNoteOf(40000, 4e7, 310.001, -43.15);
    ASSERT_NE(expected, CpLabelBase);
    PropaneCpPT(4e7, -43.15);
    EXPECT_EQ(CpLabel, expected);
    EXPECT_NE(CpLabel, HeatCapacityNoteOf(40000, 4e7, 320.001, -43.15));
}

TEST_F(UsedStateNotes, PropaneViscosityOnAnAxisTemperatureReadsJustAbove) {
    // 373.95 K is read at 373.951 K, so both requests give the same value.
    for (const char* keyword : {"C3H8", "C3H8V"}) {
        for (double P : {200000.0, 3e6, 2e7}) {
            EXPECT_DOUBLE_EQ(PropaneViscosityPT(keyword, P, 373.95 - 273.15),
                             PropaneViscosityPT(keyword, P, 373.951 - 273.15))
                << keyword << " " << P;
        }
    }
}

TEST_F(UsedStateNotes, HydrogenCryogenicNoteNamesTheAxisPoint) {
    // 100000 Pa, -250 C: clamped to 1.0352 bar; the note receives 103.42 kPa and 22.22 K.
    ExpectDensityNote(HydrogenDensityPT, 100000, -250, 103.42, 22.22);
}

TEST_F(UsedStateNotes, OzoneRepairedCornersNameTheNearestAxisPoint) {
    // 900 kPa, -20 C: corners a and b equally near; the earlier one, a (800 kPa, 250 K).
    ExpectDensityNote(OzoneDensityPT, 900000, -20, 800, 250);
    EXPECT_NE(DensityLabel, DensityNoteOf(1000, 900000, 250, -20));
    // 7 MPa, -5 C: used state 5000 kPa and 273.15 K.
    ExpectDensityNote(OzoneDensityPT, 7e6, -5, 5000, 273.15);
}

TEST_F(UsedStateNotes, NitrogenRowRepairNamesTheNearestDataCorner) {
    ExpectDensityNote(NitrogenDensityPT, 1e6, -180, 1000.001, 90.001);
    // The viscosity weighs the temperature distance up: 100.001 K and 1000.001 kPa.
    const std::string expected = ViscosityNoteOf(1000.001, 1e6, 100.001, -180);
    ASSERT_NE(expected, DynamicViscosityLabelBase);
    NitrogenViscosityPT(1e6, -180);
    EXPECT_EQ(DynamicViscosityLabel, expected);
    // 30 MPa, -150 C: used state 120.001 K and 30000.001 kPa.
    ExpectDensityNote(NitrogenDensityPT, 3e7, -150, 30000.001, 120.001);
}

TEST_F(UsedStateNotes, CarbonDioxideRepairedCornerNamesTheNearestGasCorner) {
    // 2 MPa, -45.5 C (every corner liquid, repaired from the right): the nearest corner is the
    // requested row at -50 C, so the note names -49.999 C and 2000.001 kPa.
    ExpectDensityNote(CarbonDioxideDensityPT, 2e6, -45.5, 2000.001, 223.151);
}

TEST_F(UsedStateNotes, AmmoniaDensityNoteNamesTheNearestAxisPoint) {
    // 2026.5 kPa, 330 K: the liquid corner (2026.5 kPa, 320 K) is repaired; it and the gas
    // corner at 340 K are equally near, so the earlier one names the used state, 320 K.
    ExpectDensityNote(AmmoniaDensityPT, 2026500, 330 - 273.15, 2026.5, 320);
    EXPECT_NE(DensityLabel, DensityNoteOf(2026.5, 2026500, 340, 330 - 273.15));
}

}  // namespace
}  // namespace tubalyx
