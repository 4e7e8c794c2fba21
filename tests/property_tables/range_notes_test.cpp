#include "property_tables/range_notes.h"

#include <gtest/gtest.h>

#include "numerics/decimal_separator.h"
#include "numerics/text_utils.h"
#include "state/property_labels.h"
#include "state/selections.h"
#include "texts/report_labels.h"

namespace tubalyx {
namespace {

class RangeNotesTest : public ::testing::Test {
protected:
    void Use(char language, const char* medium = "N2") {
        LanguageLetter = language;
        MediumCode = medium;
        SetPropertyReportLabels(language);
    }
    void SetUp() override { SetDecimalSeparator(','); }
    void TearDown() override { SetDecimalSeparator('.'); }
};

TEST_F(RangeNotesTest, InRangeStateKeepsTheOrdinaryTexts) {
    Use('E');
    WriteDensityRangeNote(101.325, 101325, 293.15, 20);
    WriteHeatCapacityRangeNote(101.325, 101325, 293.15, 20);
    WriteEnthalpyRangeNote(101.325, 101325, 293.15, 20);
    WriteViscosityRangeNote(101.325, 101325, 293.15, 20);
    EXPECT_EQ(DensityLabel, "Density____________________________________(kg/m3)= ");
    EXPECT_EQ(SpecificVolumeLabel, "Specific volume___________________________(dm3/kg)= ");
    EXPECT_EQ(CpLabel, CpLabelBase);
    EXPECT_EQ(CvLabel, CvLabelBase);
    EXPECT_EQ(KappaLabel, KappaLabelBase);
    EXPECT_EQ(EnthalpyLabel, EnthalpyLabelBase);
    EXPECT_EQ(DynamicViscosityLabel, DynamicViscosityLabelBase);
    EXPECT_EQ(KinematicViscosityLabel, KinematicViscosityLabelBase);
}

TEST_F(RangeNotesTest, DensityNotesInAllLanguages) {
    Use('E');
    WriteDensityRangeNote(800, 2e6, 293.15, 20);
    EXPECT_EQ(DensityLabel, "[Density..(Z calculated at  800 kPa!.).....(kg/m3)] ");
    EXPECT_EQ(SpecificVolumeLabel, "[Specific volume (Z calc.at  800 kPa!.)...(dm3/kg)] ");
    EXPECT_EQ(Utf8Length(DensityLabel), 52);
    // The next in-range evaluation restores the base label.
    WriteDensityRangeNote(800, 8e5, 293.15, 20);
    EXPECT_EQ(DensityLabel, DensityLabelBase);
    EXPECT_EQ(SpecificVolumeLabel, SpecificVolumeLabelBase);

    Use('S');
    WriteDensityRangeNote(500, 5e5, 473.15, 300);
    EXPECT_EQ(DensityLabel, "[Densitet..(Z beräknat vid  200C!....).....(kg/m3)] ");
    EXPECT_EQ(SpecificVolumeLabel, "[Volymitet.(Z beräknat vid  200C!....)....(dm3/kg)] ");
    EXPECT_EQ(Utf8Length(DensityLabel), 52);

    // A long opening gets no dots.
    Use('D');
    WriteDensityRangeNote(1234, 2e6, 293.15, 20);
    EXPECT_EQ(SpecificVolumeLabel, "[Spezifisches Volumen (Z ber.bei 1,23E3 kPa!.)(dm3/kg)] ");
    EXPECT_EQ(DensityLabel, "[Dichte..(Z berechnet bei 1,23E3 kPa!.)....(kg/m3)] ");
}

TEST_F(RangeNotesTest, LiquidPropaneWordingAndMegapascal) {
    Use('E', "C3H8V");
    WriteDensityRangeNote(800, 2e6, 293.15, 20);
    EXPECT_EQ(DensityLabel, "[Density..at  800 kPa!.....................(kg/m3)] ");
    EXPECT_EQ(SpecificVolumeLabel, "[Specific volume at  800 kPa!.............(dm3/kg)] ");
    Use('E', "N2");
    WriteDensityRangeNote(150000, 2e8, 293.15, 20);
    EXPECT_EQ(DensityLabel, "[Density..(Z calculated at  150 MPa!.).....(kg/m3)] ");
    // 99999.9 kPa is still written in kPa (five whole digits: exponent form, trailing zeros dropped).
    WriteDensityRangeNote(99999.9, 2e8, 293.15, 20);
    EXPECT_NE(DensityLabel.find(" 1E5 kPa!.)"), std::string::npos) << DensityLabel;
}

TEST_F(RangeNotesTest, HeatCapacityNoteWritesAllThreeLinesAndPrefersPressure) {
    Use('D');
    // Pressure and temperature both moved: the pressure is named.
    WriteHeatCapacityRangeNote(2000, 5e6, 473.15, 400);
    EXPECT_EQ(CpLabel, "[Cp berechnet bei  2E3 kPa!.............(J/(kg*K))] ");
    EXPECT_EQ(CvLabel, "[Cv berechnet bei  2E3 kPa!.............(J/(kg*K))] ");
    EXPECT_EQ(KappaLabel, "[Kappa berechnet bei  2E3 kPa!....................] ");
    WriteHeatCapacityRangeNote(2000, 2e6, 473.15, 200);
    EXPECT_EQ(CpLabel, "Cp______________________________________(J/(kg*K))= ");
    EXPECT_EQ(KappaLabel, "Isentropenexponent (Kappa)________________________= ");
}

TEST_F(RangeNotesTest, EnthalpyNoteUsesTheShortTemperatureEnding) {
    Use('S');
    WriteEnthalpyRangeNote(100, 1e5, 473.15, 300);
    EXPECT_EQ(EnthalpyLabel, "[Entalpi beräknat vid  200C!...............(kJ/kg)] ");
    Use('S', "NH3");
    EXPECT_EQ(EnthalpyLabelBase, "Entalpi.( =0 vid: -273.15 C, 1.01325 Bar)__(kJ/kg)= ");
}

TEST_F(RangeNotesTest, ViscosityNoteNamesAMovedTemperatureOverAPressure) {
    Use('E');
    WriteViscosityRangeNote(800, 1e6, 473.15, 300);
    EXPECT_EQ(DynamicViscosityLabel, "[Dynamic viscosity at  200C!...........(Pas*10E-6)] ");
    EXPECT_EQ(KinematicViscosityLabel, "[Kin. viscosity at  200C!.............(m2/s*10E-6)] ");
    Use('D');
    WriteViscosityRangeNote(1234, 1e6, 473.15, 200);
    EXPECT_EQ(DynamicViscosityLabel, "[Dynamische Viskosität bei 1,23E3 kPa!.(Pas*10E-6)] ");
    SetDecimalSeparator('.');
    Use('S');
    WriteViscosityRangeNote(1234, 1e6, 473.15, 200);
    EXPECT_EQ(KinematicViscosityLabel, "[Kin. viskositet vid 1.23E3 kPa!......(m2/s*10E-6)] ");
    EXPECT_EQ(DynamicViscosityLabel.rfind("[Dynamisk viskositet vid 1.23E3 kPa!.", 0), 0u);
}

TEST_F(RangeNotesTest, MoveThresholdIsAboveOneTenth) {
    Use('E');
    WriteDensityRangeNote(100.0999, 1e5, 293.15, 20);
    EXPECT_EQ(DensityLabel, DensityLabelBase);
    WriteDensityRangeNote(100.1001, 1e5, 293.15, 20);
    EXPECT_NE(DensityLabel, DensityLabelBase);
    WriteHeatCapacityRangeNote(100, 1e5, 293.2499, 20);
    EXPECT_EQ(CpLabel, CpLabelBase);
    WriteHeatCapacityRangeNote(100, 1e5, 293.2501, 20);
    EXPECT_EQ(CpLabel, "[Cp calculated at 20,1C!................(J/(kg*K))] ");
}

TEST_F(RangeNotesTest, UnknownLanguageLetterReadsAsEnglish) {
    Use('E');
    LanguageLetter = 'X';
    WriteEnthalpyRangeNote(2000, 5e6, 293.15, 20);
    EXPECT_EQ(EnthalpyLabel.rfind("[Entalpi calculated at  2E3 kPa!.", 0), 0u);
    EXPECT_EQ(Utf8Length(EnthalpyLabel), 52);
}

// Every line of every routine in the three languages, on the comma separator.
TEST_F(RangeNotesTest, EveryLineInEveryLanguage) {
    struct Expected {
        char language;
        const char *cp, *cv, *kappa, *enthalpy, *dynamic, *kinematic, *density, *volume, *liquidDensity, *liquidVolume;
    };
    const Expected cases[] = {
        {'S', "[Cp beräknat vid 1,23E3 kPa!............(J/(kg*K))] ",
         "[Cv beräknat vid 1,23E3 kPa!............(J/(kg*K))] ", "[Kappa beräknat vid 1,23E3 kPa!...................] ",
         "[Entalpi beräknat vid 1,23E3 kPa!..........(kJ/kg)] ", "[Dynamisk viskositet vid 1,23E3 kPa!...(Pas*10E-6)] ",
         "[Kin. viskositet vid 1,23E3 kPa!......(m2/s*10E-6)] ", "[Densitet..(Z beräknat vid 1,23E3 kPa!.)...(kg/m3)] ",
         "[Volymitet.(Z beräknat vid 1,23E3 kPa!.)..(dm3/kg)] ", "[Densitet..vid 1,23E3 kPa!.................(kg/m3)] ",
         "[Volymitet vid 1,23E3 kPa!................(dm3/kg)] "},
        {'D', "[Cp berechnet bei 1,23E3 kPa!...........(J/(kg*K))] ",
         "[Cv berechnet bei 1,23E3 kPa!...........(J/(kg*K))] ", "[Kappa berechnet bei 1,23E3 kPa!..................] ",
         "[Entalpi berechnet bei 1,23E3 kPa!.........(kJ/kg)] ", "[Dynamische Viskosität bei 1,23E3 kPa!.(Pas*10E-6)] ",
         "[Kin. Viskosität bei 1,23E3 kPa!......(m2/s*10E-6)] ", "[Dichte..(Z berechnet bei 1,23E3 kPa!.)....(kg/m3)] ",
         "[Spezifisches Volumen (Z ber.bei 1,23E3 kPa!.)(dm3/kg)] ",
         "[Dichte..bei 1,23E3 kPa!...................(kg/m3)] ",
         "[Spezifisches Volumen bei 1,23E3 kPa!.....(dm3/kg)] "},
        {'E', "[Cp calculated at 1,23E3 kPa!...........(J/(kg*K))] ",
         "[Cv calculated at 1,23E3 kPa!...........(J/(kg*K))] ", "[Kappa calculated at 1,23E3 kPa!..................] ",
         "[Entalpi calculated at 1,23E3 kPa!.........(kJ/kg)] ", "[Dynamic viscosity at 1,23E3 kPa!......(Pas*10E-6)] ",
         "[Kin. viscosity at 1,23E3 kPa!........(m2/s*10E-6)] ", "[Density..(Z calculated at 1,23E3 kPa!.)...(kg/m3)] ",
         "[Specific volume (Z calc.at 1,23E3 kPa!.).(dm3/kg)] ", "[Density..at 1,23E3 kPa!...................(kg/m3)] ",
         "[Specific volume at 1,23E3 kPa!...........(dm3/kg)] "},
    };
    for (const Expected& e : cases) {
        Use(e.language);
        WriteHeatCapacityRangeNote(1234, 2e6, 293.15, 20);
        WriteEnthalpyRangeNote(1234, 2e6, 293.15, 20);
        WriteViscosityRangeNote(1234, 2e6, 293.15, 20);
        WriteDensityRangeNote(1234, 2e6, 293.15, 20);
        EXPECT_EQ(CpLabel, e.cp);
        EXPECT_EQ(CvLabel, e.cv);
        EXPECT_EQ(KappaLabel, e.kappa);
        EXPECT_EQ(EnthalpyLabel, e.enthalpy);
        EXPECT_EQ(DynamicViscosityLabel, e.dynamic);
        EXPECT_EQ(KinematicViscosityLabel, e.kinematic);
        EXPECT_EQ(DensityLabel, e.density);
        EXPECT_EQ(SpecificVolumeLabel, e.volume);
        Use(e.language, "C3H8V");
        WriteDensityRangeNote(1234, 2e6, 293.15, 20);
        EXPECT_EQ(DensityLabel, e.liquidDensity);
        EXPECT_EQ(SpecificVolumeLabel, e.liquidVolume);
    }
}

// Pressure and temperature moved together: the enthalpy and density lines name the pressure.
TEST_F(RangeNotesTest, EnthalpyAndDensityPreferThePressure) {
    Use('E');
    WriteEnthalpyRangeNote(2000, 5e6, 473.15, 400);
    EXPECT_EQ(EnthalpyLabel, "[Entalpi calculated at  2E3 kPa!...........(kJ/kg)] ");
    WriteDensityRangeNote(2000, 5e6, 473.15, 400);
    EXPECT_EQ(DensityLabel, "[Density..(Z calculated at  2E3 kPa!.).....(kg/m3)] ");
}

// A difference of exactly 0.1 is not a move, in pressure or in temperature.
TEST_F(RangeNotesTest, ExactlyOneTenthIsNoMove) {
    Use('E');
    for (auto write :
         {WriteDensityRangeNote, WriteHeatCapacityRangeNote, WriteEnthalpyRangeNote, WriteViscosityRangeNote}) {
        write(0.1, 0, 0.1, -273.15);
        EXPECT_EQ(DensityLabel, DensityLabelBase);
        EXPECT_EQ(CpLabel, CpLabelBase);
        EXPECT_EQ(EnthalpyLabel, EnthalpyLabelBase);
        EXPECT_EQ(DynamicViscosityLabel, DynamicViscosityLabelBase);
    }
    WriteViscosityRangeNote(0.125, 0, 0.125, -273.15);
    EXPECT_EQ(DynamicViscosityLabel, "[Dynamic viscosity at -273C!...........(Pas*10E-6)] ");
}

// A search evaluates its tables at a few moved states in turn (a mixture's components each at
// its own): a state's lines are the same whichever states, languages, media and separators
// came before, with more states in turn than are kept.
TEST_F(RangeNotesTest, ALinesStateDoesNotDependOnTheStatesBefore) {
    struct Lines {
        std::string density, volume, cp, enthalpy, viscosity;
    };
    auto write = [](double usedKPa) {
        WriteDensityRangeNote(usedKPa, 2e7, 293.15, 20);
        WriteHeatCapacityRangeNote(usedKPa, 2e7, 293.15, 20);
        WriteEnthalpyRangeNote(usedKPa, 2e7, 293.15, 20);
        WriteViscosityRangeNote(usedKPa, 2e7, 293.15, 20);
        return Lines{DensityLabel, SpecificVolumeLabel, CpLabel, EnthalpyLabel, DynamicViscosityLabel};
    };
    const char* media[] = {"N2", "C3H8V"};
    const char languages[] = {'S', 'E'};
    const char separators[] = {',', '.'};
    constexpr int kStates = 11;
    Lines first[2][2][2][kStates];
    for (int m = 0; m < 2; ++m)
        for (int l = 0; l < 2; ++l)
            for (int c = 0; c < 2; ++c) {
                SetDecimalSeparator(separators[c]);
                Use(languages[l], media[m]);
                for (int k = 0; k < kStates; ++k) first[m][l][c][k] = write(1000.0 + 250.0 * k);
            }
    SetDecimalSeparator(',');
    Use('E', "N2");
    EXPECT_EQ(first[0][1][0][1].density, "[Density..(Z calculated at 1,25E3 kPa!.)...(kg/m3)] ");
    EXPECT_EQ(first[1][0][1][2].density, "[Densitet..vid 1.5E3 kPa!..................(kg/m3)] ");
    // In another order, each state in every setting in turn, one setting changed at a time.
    const int gray[8] = {0, 1, 3, 2, 6, 7, 5, 4};
    for (int pass = 0; pass < 8 * kStates; ++pass) {
        const int k = (7 * (pass / 8)) % kStates, setting = gray[pass % 8];
        const int m = setting & 1, l = (setting >> 1) & 1, c = (setting >> 2) & 1;
        SetDecimalSeparator(separators[c]);
        Use(languages[l], media[m]);
        const Lines now = write(1000.0 + 250.0 * k);
        const Lines& then = first[m][l][c][k];
        EXPECT_EQ(now.density, then.density) << pass;
        EXPECT_EQ(now.volume, then.volume) << pass;
        EXPECT_EQ(now.cp, then.cp) << pass;
        EXPECT_EQ(now.enthalpy, then.enthalpy) << pass;
        EXPECT_EQ(now.viscosity, then.viscosity) << pass;
        // An unmoved state between them puts the ordinary texts back.
        WriteDensityRangeNote(20000, 2e7, 293.15, 20);
        EXPECT_EQ(DensityLabel, DensityLabelBase);
    }
}

}  // namespace
}  // namespace tubalyx
