#include "property_tables/saturation_states.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "numerics/decimal_separator.h"
#include "numerics/text_utils.h"
#include "property_tables/argon.h"
#include "property_tables/nitrogen.h"
#include "property_tables/oxygen.h"
#include "property_tables/saturation_data.h"
#include "second_set_helpers.h"
#include "state/medium.h"
#include "state/property_labels.h"
#include "state/selections.h"
#include "table_grid_helpers.h"
#include "texts/report_labels.h"

namespace tubalyx {
namespace {

using test::Celsius;
using test::Contains;

using SaturationFunction = void (*)(bool, char, double&, double&, double&, double&, double&, double&, double&, double&);

struct State {
    double t = 0, pSat = -1, density = -1, enthalpy = -1, viscosity = -1, cp = -1, cv = -1, kappa = -1;
};

State Evaluate(SaturationFunction f, char phase, double tC, bool notes = false) {
    State s;
    s.t = tC;
    f(notes, phase, s.t, s.pSat, s.density, s.enthalpy, s.viscosity, s.cp, s.cv, s.kappa);
    return s;
}

class SaturationStates : public ::testing::Test {
protected:
    void SetUp() override {
        LanguageLetter = 'E';
        MediumCode = "N2";
        OperatingPressure = 101325;
        SetDecimalSeparator('.');
        test::SetPlainLabels();
    }
};

TEST_F(SaturationStates, ReadsTheRowsAndCountsEnthalpyFromTheGasAtNormalState) {
    const State v = Evaluate(ArgonSaturationStateT, 'G', Celsius(87.29));
    EXPECT_NEAR(v.pSat, 101300, 1e-6);
    EXPECT_NEAR(v.density, 1000 / 173.0, 1e-9);
    EXPECT_NEAR(v.enthalpy, 43.5 - ArgonEnthalpyPT(101325, 0), 1e-9);
    EXPECT_NEAR(v.viscosity, ArgonViscosityPT(101300, Celsius(87.29)), 1e-15);
    EXPECT_NEAR(v.cp, ArgonCpPT(101300, Celsius(87.29)), 1e-9);
    EXPECT_NEAR(v.cv, ArgonCvPT(101300, Celsius(87.29)), 1e-9);
    EXPECT_NEAR(v.kappa, v.cp / v.cv, 1e-12);
    EXPECT_NEAR(v.t, Celsius(87.29), 1e-12);

    const State l = Evaluate(OxygenSaturationStateT, 'V', Celsius(90.18));
    EXPECT_NEAR(l.pSat, 101300, 1e-6);
    EXPECT_NEAR(l.density, 1000 / 0.8811, 1e-9);
    EXPECT_NEAR(l.enthalpy, -134.2 - OxygenEnthalpyPT(101325, 0), 1e-9);
    EXPECT_NEAR(l.viscosity, 0.00019, 1e-12);
    EXPECT_EQ(l.cp, -1);  // not written on the liquid side
    EXPECT_EQ(l.cv, -1);
    EXPECT_EQ(l.kappa, -1);

    // Halfway between two rows: linear in temperature.
    const State h = Evaluate(HydrogenSaturationStateT, 'V', Celsius(20.5));
    EXPECT_NEAR(h.density, (kHydrogenSaturation[6].liquidDensity + 69.6) / 2, 1e-9);
    EXPECT_NEAR(h.pSat, (101 + 122) / 2.0 * 1000, 1e-6);
    EXPECT_EQ(h.enthalpy, -1);
}

TEST_F(SaturationStates, NormalBoilingPointsArePublishedValues) {
    // Saturated liquid at 1 atm: argon 1395 kg/m3, oxygen 1141 kg/m3, nitrogen 806 kg/m3;
    // saturated vapour of nitrogen 4.6 kg/m3.
    EXPECT_NEAR(Evaluate(ArgonSaturationStateT, 'X', Celsius(87.29)).density, 1395, 5);
    EXPECT_NEAR(Evaluate(OxygenSaturationStateT, 'X', Celsius(90.18)).density, 1141, 8);
}

TEST_F(SaturationStates, Clamping) {
    State s = Evaluate(HydrogenSaturationStateT, 'V', -200);
    EXPECT_NEAR(s.t, -241.151, 1e-9);
    EXPECT_NEAR(s.density, 43.4 + (51.4 - 43.4) * 0.001, 0.01);
    s = Evaluate(ArgonSaturationStateT, 'V', -200);
    EXPECT_NEAR(s.t, Celsius(83.781), 1e-9);
    s = Evaluate(OzoneSaturationStateT, 'V', 100);
    EXPECT_NEAR(s.t, Celsius(249.999), 1e-9);
    s = Evaluate(CarbonDioxideSaturationStateT, 'V', -100);
    EXPECT_NEAR(s.t, Celsius(220.001), 1e-9);
}

TEST_F(SaturationStates, ClampedTemperatureNoteInEnglish) {
    State s;
    s.t = -200;
    HydrogenSaturationStateT(true, 'V', s.t, s.pSat, s.density, s.enthalpy, s.viscosity, s.cp, s.cv, s.kappa);
    EXPECT_EQ(DensityLabel, "[Density....(calculated at -241.151C!......(kg/m3)] ");
    EXPECT_EQ(Utf8Length(DensityLabel), 52u);
    EXPECT_EQ(SpecificVolumeLabel, "[Specific volume...(calc. at -241.151C!....(dm3/kg)] ");
    EXPECT_EQ(Utf8Length(SpecificVolumeLabel), 53u);
    EXPECT_TRUE(Contains(DynamicViscosityLabel, "[Dynamic viscosity at ")) << DynamicViscosityLabel;
}

TEST_F(SaturationStates, ArgonLiquidViscosityHasItsOwnRange) {
    State s;
    s.t = Celsius(84);
    ArgonSaturationStateT(true, 'V', s.t, s.pSat, s.density, s.enthalpy, s.viscosity, s.cp, s.cv, s.kappa);
    EXPECT_NEAR(s.viscosity, 0.00028 + (0.00027 - 0.00028) * 0.001, 1e-12);
    EXPECT_NEAR(s.density, 1000 / kArgonSaturation[1].liquidVolume, 1e-9);  // read at 84 K
    EXPECT_NEAR(s.t, Celsius(84), 1e-12);
    // The viscosity note is handed 85.001 K; density and enthalpy lines stay plain.
    EXPECT_TRUE(Contains(DynamicViscosityLabel, "-188C!..")) << DynamicViscosityLabel;
    EXPECT_EQ(DensityLabel, DensityLabelBase);
    EXPECT_EQ(EnthalpyLabel, EnthalpyLabelBase);
}

TEST_F(SaturationStates, EnthalpyNoteOfAClampedTemperatureSurvivesTheReferenceCall) {
    State s;
    s.t = 0;  // far above the critical point
    OxygenSaturationStateT(true, 'V', s.t, s.pSat, s.density, s.enthalpy, s.viscosity, s.cp, s.cv, s.kappa);
    EXPECT_TRUE(Contains(EnthalpyLabel, "[Entalpi calculated at ")) << EnthalpyLabel;
    EXPECT_TRUE(Contains(DensityLabel, "C!....")) << DensityLabel;
}

TEST_F(SaturationStates, VapourOnlyPressureForTheLiquidOnlyTables) {
    for (SaturationFunction f : {HydrogenSaturationStateT, CarbonDioxideSaturationStateT, OzoneSaturationStateT}) {
        for (char phase : {'G', 'H'}) {
            const State s = Evaluate(f, phase, -50);
            EXPECT_GT(s.pSat, 0);
            EXPECT_EQ(s.density, -1);
            EXPECT_EQ(s.viscosity, -1);
            EXPECT_EQ(s.enthalpy, -1);
            EXPECT_EQ(s.cp, -1);
        }
    }
    const State co2 = Evaluate(CarbonDioxideSaturationStateT, 'G', Celsius(260));
    EXPECT_NEAR(co2.pSat, 2418000, 1e-6);
    EXPECT_EQ(Evaluate(OzoneSaturationStateT, 'V', Celsius(170)).viscosity, -1);  // ozone has none
}

TEST_F(SaturationStates, OtherLettersSelectTheLiquid) {
    const State liquid = Evaluate(ArgonSaturationStateT, 'V', Celsius(100));
    for (char phase : {'N', 'X', 'v', 'g', 'h', 'x', 'Q'}) {
        const State s = Evaluate(ArgonSaturationStateT, phase, Celsius(100));
        EXPECT_EQ(s.density, liquid.density) << phase;
        EXPECT_EQ(s.enthalpy, liquid.enthalpy) << phase;
    }
    EXPECT_LT(Evaluate(ArgonSaturationStateT, 'G', Celsius(100)).density, liquid.density);
}

TEST_F(SaturationStates, AboveTheCriticalPointBothSidesNearlyCoincide) {
    for (SaturationFunction f : {ArgonSaturationStateT, OxygenSaturationStateT}) {
        const State v = Evaluate(f, 'G', 20), l = Evaluate(f, 'V', 20);
        EXPECT_NEAR(v.density, l.density, 0.002 * l.density);
        EXPECT_NEAR(v.enthalpy, l.enthalpy, 0.2);
        EXPECT_LT(v.density, l.density);
    }
}

TEST_F(SaturationStates, VapourLighterThanLiquidAlongTheLine) {
    struct Medium {
        SaturationFunction f;
        double first, last;
    };
    for (const Medium& m :
         {Medium{ArgonSaturationStateT, 83.78, 150.86}, Medium{OxygenSaturationStateT, 54.35, 154.77}}) {
        double previousP = 0;
        for (double T = m.first; T < m.last - 0.01; T += 0.37) {
            const State v = Evaluate(m.f, 'G', Celsius(T)), l = Evaluate(m.f, 'V', Celsius(T));
            EXPECT_GT(v.density, 0) << T;
            EXPECT_LT(v.density, l.density) << T;
            EXPECT_GT(v.enthalpy, l.enthalpy) << T;
            EXPECT_EQ(v.pSat, l.pSat);
            EXPECT_GE(v.pSat, previousP) << T;
            EXPECT_TRUE(std::isfinite(v.viscosity) && v.viscosity > 0) << T;
            EXPECT_TRUE(std::isfinite(l.viscosity) && l.viscosity > 0) << T;
            EXPECT_TRUE(std::isfinite(v.kappa) && v.kappa > 1) << T;
            previousP = v.pSat;
        }
    }
    for (SaturationFunction f : {HydrogenSaturationStateT, CarbonDioxideSaturationStateT, OzoneSaturationStateT}) {
        for (double tC = -270; tC < 50; tC += 1.3) {
            const State l = Evaluate(f, 'V', tC);
            EXPECT_GT(l.density, 0);
            EXPECT_GT(l.pSat, 0);
        }
    }
}

// The saturation temperature at a given pressure, searched as the property switch does for
// the phases 'H' and 'X': halving steps around the point where the saturation pressure
// crosses P.
double SaturationTemperatureAt(SaturationFunction f, char phase, double P) {
    double t = -273.0, step = 10.0;
    for (int count = 0; count <= 5000; ++count) {
        State s = Evaluate(f, phase, t);
        t = s.t;  // the function hands back the clamped temperature
        if (s.pSat < P) {
            if (step < 0) step = -0.5 * step;
        } else if (step > 0) {
            step = -0.5 * step;
        }
        t += step;
        if (std::fabs(step) < 0.001 || t > 0.0 || t < -273.15) break;
    }
    return t;
}

TEST_F(SaturationStates, SaturationAtTemperatureAgreesWithSaturationAtPressure) {
    for (SaturationFunction f : {ArgonSaturationStateT, OxygenSaturationStateT}) {
        for (double tC : {-185.0, -170.0, -160.0, -140.0, -130.0}) {
            const State g = Evaluate(f, 'G', tC), v = Evaluate(f, 'V', tC);
            if (std::fabs(g.t - tC) > 1e-9) continue;  // outside this medium's line
            const double tH = SaturationTemperatureAt(f, 'H', g.pSat);
            EXPECT_NEAR(tH, tC, 0.003) << tC;
            const State h = Evaluate(f, 'H', tH), x = Evaluate(f, 'X', tH);
            EXPECT_NEAR(h.density, g.density, 1e-3 * g.density) << tC;
            EXPECT_NEAR(x.density, v.density, 1e-4 * v.density) << tC;
            EXPECT_NEAR(h.enthalpy, g.enthalpy, 0.05) << tC;
            EXPECT_NEAR(x.enthalpy, v.enthalpy, 0.05) << tC;
        }
    }
}

TEST_F(SaturationStates, RangeNoteRules) {
    WriteSaturatedRangeNote(500, 100000, 100, 20);  // both moved: pressure only
    EXPECT_EQ(DensityLabel, "[Density....(calculated at 500 kPa!........(kg/m3)] ");
    EXPECT_EQ(Utf8Length(DensityLabel), 52u);
    EXPECT_EQ(SpecificVolumeLabel, "[Specific volume...(calc. at 500 kPa!.....(dm3/kg)] ");
    EXPECT_EQ(Utf8Length(SpecificVolumeLabel), 52u);
    WriteSaturatedRangeNote(99999.9, 0, 100, -173.15);
    EXPECT_TRUE(Contains(DensityLabel, "99999")) << DensityLabel;
    EXPECT_TRUE(Contains(DensityLabel, " kPa!....")) << DensityLabel;
    WriteSaturatedRangeNote(150000, 0, 100, -173.15);
    EXPECT_TRUE(Contains(DensityLabel, "at 150 MPa!....")) << DensityLabel;
    WriteSaturatedRangeNote(0, 100, 300.1, 27);  // 0.1 kPa and 0.05 K: no note
    EXPECT_EQ(DensityLabel, DensityLabelBase);
    EXPECT_EQ(SpecificVolumeLabel, SpecificVolumeLabelBase);
    LanguageLetter = 'S';
    WriteSaturatedRangeNote(0, 0, 200, 0);
    EXPECT_TRUE(Contains(DensityLabel, "[Densitet....(beräknad vid -73")) << DensityLabel;
    EXPECT_EQ(Utf8Length(DensityLabel), 52u);
    EXPECT_TRUE(Contains(SpecificVolumeLabel, "[Volymitet...(beräknad vid -73")) << SpecificVolumeLabel;
    LanguageLetter = 'D';
    WriteSaturatedRangeNote(0, 0, 200, 0);
    EXPECT_TRUE(Contains(DensityLabel, "[Dichte....(berechnet bei  -73")) << DensityLabel;
    EXPECT_TRUE(Contains(SpecificVolumeLabel, "[Spezifisches Volumen...(bei -73")) << SpecificVolumeLabel;
}

TEST_F(SaturationStates, NotesOffLeavesTheLabelsAlone) {
    DensityLabel = "left as it was";
    SpecificVolumeLabel = "also left";
    Evaluate(HydrogenSaturationStateT, 'V', -200, false);
    EXPECT_EQ(DensityLabel, "left as it was");
    EXPECT_EQ(SpecificVolumeLabel, "also left");
}

TEST_F(SaturationStates, NitrogenNamesTheSaturationPressure) {
    OperatingPressure = 500000;  // above the saturation pressure at 77.35 K
    State s;
    s.t = Celsius(77.35);
    NitrogenSaturationStateT(true, 'V', s.t, s.pSat, s.density, s.enthalpy, s.viscosity, s.cp, s.cv, s.kappa);
    EXPECT_TRUE(Contains(DensityLabel, "101.3 kPa!....") || Contains(DensityLabel, "101,3 kPa!....")) << DensityLabel;
    EXPECT_TRUE(Contains(EnthalpyLabel, "kPa!.")) << EnthalpyLabel;
    EXPECT_TRUE(Contains(DynamicViscosityLabel, "kPa!.")) << DynamicViscosityLabel;
    // At the operating pressure no pressure note.
    OperatingPressure = s.pSat;
    s.t = Celsius(77.35);
    NitrogenSaturationStateT(true, 'V', s.t, s.pSat, s.density, s.enthalpy, s.viscosity, s.cp, s.cv, s.kappa);
    EXPECT_EQ(DensityLabel, DensityLabelBase);
}

TEST_F(SaturationStates, NitrogenSide) {
    EXPECT_NEAR(Evaluate(NitrogenSaturationStateT, 'X', Celsius(77.35)).density, 806, 3);
    const State h = Evaluate(NitrogenSaturationStateT, 'H', Celsius(77.35));
    EXPECT_NEAR(h.density, 4.61, 0.02);
    EXPECT_NEAR(h.viscosity, NitrogenViscosityPT(101300, Celsius(77.35)), 1e-15);
    EXPECT_NEAR(h.kappa, NitrogenCpPT(101300, Celsius(77.35)) / NitrogenCvPT(101300, Celsius(77.35)), 1e-12);
    // Latent heat of nitrogen at 1 atm: 199 kJ/kg.
    EXPECT_NEAR(h.enthalpy - Evaluate(NitrogenSaturationStateT, 'X', Celsius(77.35)).enthalpy, 199, 2);
    EXPECT_NEAR(Evaluate(NitrogenSaturationStateT, 'V', -250).t, Celsius(63.1501), 1e-9);
    // The liquid viscosity range comes from the rows with a viscosity: 65 K to 120 K.
    EXPECT_NEAR(Evaluate(NitrogenSaturationStateT, 'V', Celsius(64)).viscosity,
                kNitrogenSaturation[2].liquidViscosity +
                    (kNitrogenSaturation[3].liquidViscosity - kNitrogenSaturation[2].liquidViscosity) * 0.0001,
                1e-12);
    EXPECT_NEAR(Evaluate(NitrogenSaturationStateT, 'V', Celsius(125)).viscosity,
                kNitrogenSaturation[58].liquidViscosity +
                    (kNitrogenSaturation[57].liquidViscosity - kNitrogenSaturation[58].liquidViscosity) * 0.0001,
                1e-12);
    for (double T = 63.2; T < 126.2; T += 0.41) {
        const State v = Evaluate(NitrogenSaturationStateT, 'G', Celsius(T));
        const State l = Evaluate(NitrogenSaturationStateT, 'V', Celsius(T));
        EXPECT_TRUE(v.density > 0 && v.density < l.density) << T;
        EXPECT_GT(v.enthalpy, l.enthalpy) << T;
        EXPECT_TRUE(std::isfinite(v.kappa) && v.kappa > 1) << T;
        EXPECT_GT(l.viscosity, 0) << T;
    }
    for (double tC : {-190.0, -180.0, -160.0}) {
        const State g = Evaluate(NitrogenSaturationStateT, 'G', tC);
        const double tH = SaturationTemperatureAt(NitrogenSaturationStateT, 'H', g.pSat);
        EXPECT_NEAR(tH, tC, 0.003);
        EXPECT_NEAR(Evaluate(NitrogenSaturationStateT, 'H', tH).density, g.density, 1e-3 * g.density);
        EXPECT_NEAR(Evaluate(NitrogenSaturationStateT, 'X', tH).density,
                    Evaluate(NitrogenSaturationStateT, 'V', tC).density, 1e-4 * g.density * 200);
    }
}

State EvaluateWithNotes(SaturationFunction f, char phase, double tC) {
    State s;
    s.t = tC;
    f(true, phase, s.t, s.pSat, s.density, s.enthalpy, s.viscosity, s.cp, s.cv, s.kappa);
    return s;
}

// Liquid argon below its triple point in German on the comma separator: the density lines
// name the state in the general notation, the enthalpy the clamped temperature and the
// viscosity its own used temperature (85.001 K) at width 3; the heat-capacity lines are not
// written on the liquid side.
TEST_F(SaturationStates, LiquidNotesInGermanOnTheCommaSeparator) {
    SetDecimalSeparator(',');
    LanguageLetter = 'D';
    SetPropertyReportLabels('D');
    CpLabel = "untouched";
    KappaLabel = "untouched";
    EvaluateWithNotes(ArgonSaturationStateT, 'V', -200);
    EXPECT_EQ(DensityLabel, "[Dichte....(berechnet bei  -189,369C!......(kg/m3)] ");
    EXPECT_EQ(SpecificVolumeLabel, "[Spezifisches Volumen...(bei -189,369C!....(dm3/kg)] ");
    EXPECT_EQ(EnthalpyLabel, "[Entalpi berechnet bei -189C!..............(kJ/kg)] ");
    EXPECT_EQ(DynamicViscosityLabel, "[Dynamische Viskosität bei -188C!......(Pas*10E-6)] ");
    EXPECT_EQ(KinematicViscosityLabel, "[Kin. Viskosität bei -188C!...........(m2/s*10E-6)] ");
    EXPECT_EQ(CpLabel, "untouched");
    EXPECT_EQ(KappaLabel, "untouched");
    SetDecimalSeparator('.');
}

// Saturated argon vapour in Swedish: the gas-table notes of the vapour side are replaced by
// notes at the clamped saturation temperature, the heat-capacity lines included.
TEST_F(SaturationStates, VapourNotesInSwedish) {
    SetDecimalSeparator(',');
    LanguageLetter = 'S';
    SetPropertyReportLabels('S');
    EvaluateWithNotes(ArgonSaturationStateT, 'G', -200);
    EXPECT_EQ(DensityLabel, "[Densitet....(beräknad vid -189,369C!......(kg/m3)] ");
    EXPECT_EQ(SpecificVolumeLabel, "[Volymitet...(beräknad vid -189,369C!.....(dm3/kg)] ");
    EXPECT_EQ(CpLabel, "[Cp beräknat vid -189C!.................(J/(kg*K))] ");
    EXPECT_EQ(KappaLabel, "[Kappa beräknat vid -189C!........................] ");
    EXPECT_EQ(DynamicViscosityLabel, "[Dynamisk viskositet vid -189C!........(Pas*10E-6)] ");
    EXPECT_EQ(EnthalpyLabel, "[Entalpi beräknat vid -189C!...............(kJ/kg)] ");
    SetDecimalSeparator('.');
}

// The liquid-only tables write no notes for a vapour phase letter, and ozone (no viscosity)
// writes only the density lines.
TEST_F(SaturationStates, NotesOfTheLiquidOnlyTables) {
    DensityLabel = "untouched";
    DynamicViscosityLabel = "untouched";
    EvaluateWithNotes(CarbonDioxideSaturationStateT, 'G', -100);
    EXPECT_EQ(DensityLabel, "untouched");
    EXPECT_EQ(DynamicViscosityLabel, "untouched");
    EvaluateWithNotes(OzoneSaturationStateT, 'V', -200);
    EXPECT_EQ(DensityLabel, "[Density....(calculated at -173.149C!......(kg/m3)] ");
    EXPECT_EQ(DynamicViscosityLabel, "untouched");
    EvaluateWithNotes(CarbonDioxideSaturationStateT, 'V', -100);
    EXPECT_EQ(DensityLabel, "[Density....(calculated at -53.149C!.......(kg/m3)] ");
    EXPECT_EQ(DynamicViscosityLabel, "[Dynamic viscosity at  -53C!...........(Pas*10E-6)] ");
}

// Nitrogen's second set at the operating pressure: no pressure note, but the viscosity line
// names the viscosity's own used temperature (65.0001 K) when the liquid lies below it.
TEST_F(SaturationStates, NitrogenSecondSetUsesTheViscosityTemperature) {
    const State first = Evaluate(NitrogenSaturationStateT, 'V', Celsius(64));
    OperatingPressure = first.pSat;
    EvaluateWithNotes(NitrogenSaturationStateT, 'V', Celsius(64));
    EXPECT_EQ(DensityLabel, DensityLabelBase);
    EXPECT_EQ(EnthalpyLabel, EnthalpyLabelBase);
    EXPECT_EQ(DynamicViscosityLabel, "[Dynamic viscosity at -208C!...........(Pas*10E-6)] ");
}

}  // namespace
}  // namespace tubalyx
