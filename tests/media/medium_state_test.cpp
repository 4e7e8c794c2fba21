#include "media/medium_state.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../numerics/separator_guard.h"
#include "media/humidity_conversions.h"
#include "media/medium_enthalpy.h"
#include "media/medium_properties.h"
#include "media/medium_property_switch.h"
#include "media/mixture_test_setup.h"
#include "media/steam_equations.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "state/composition.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

using namespace mixture_test;

struct State {
    double P = 101325.0, t = 20.0;
    std::string kind = "R";
    double absolute = 0.0, specific = 0.0, dew = 0.0, relative = 0.0;
    double flow = -1, dry = -1, vapour = -1, viscosity = -1, kappa = -1, cp = -1, cv = -1, pv = -1, enthalpy = -1;
};

void Evaluate(const std::string& medium, State& s, bool normalColumn = false) {
    MediumPropertiesAtState(normalColumn, medium, GasComposition, GivenDensity, GivenViscosityPas, GivenCp, GivenCv,
                            GivenKappa, GivenCriticalTemperatureK, GivenMolarMass, s.P, s.t, s.kind, s.absolute,
                            s.specific, s.dew, s.relative, s.flow, s.dry, s.vapour, s.viscosity, s.kappa, s.cp, s.cv,
                            s.pv, s.enthalpy);
}

class MediumState : public ::testing::Test {
protected:
    SeparatorGuard point{'.'};  // the grid texts below are written with a point
    void SetUp() override {
        ClearMixture();
        HumidGasFlag = false;
        HumidGasMolarMass = 0.0;
        GivenZ1 = GivenZn = 1.0;
        OperatingPressure = 101325.0;
        OperatingTemperature = 20.0;
        LanguageLetter = 'E';
    }
    void TearDown() override {
        ClearMixture();
        HumidGasFlag = false;
        MediumCode = "GAS";
    }
};

// The measure the humidity was given in stays as given: the edit shows it again after the run.
TEST_F(MediumState, WithoutHumidGasTheHumidityComesBackZero) {
    State s;
    s.kind = "A";
    s.absolute = 5.0;
    s.specific = 4.0;
    s.dew = 3.0;
    s.relative = 50.0;
    Evaluate("LUF", s);
    EXPECT_EQ(s.absolute, 5.0);
    EXPECT_EQ(s.specific, 0.0);
    EXPECT_EQ(s.dew, 0.0);
    EXPECT_EQ(s.relative, 0.0);
    EXPECT_EQ(s.pv, 0.0);
    EXPECT_NEAR(s.flow, 1.2041, 0.002);  // dry air at 20 degC, 101325 Pa
    EXPECT_EQ(s.flow, s.dry);
}

// The mixture too: without the humid-gas flag no vapour pressure, whatever the vapour row holds.
TEST_F(MediumState, MixtureWithoutHumidGasHasNoVapourPressure) {
    MixtureComponentKeyword[2] = "AR";
    MixtureComponentKeyword[11] = "ANG";
    for (int col = 2; col <= 5; ++col) {
        Form1().ViktVolprocgridfukt.SetCell(col, 2, "98");
        Form1().ViktVolprocgridfukt.SetCell(col, 11, "2");
    }
    State s;
    s.relative = 50.0;
    s.pv = 77.0;
    Evaluate("G", s);
    EXPECT_EQ(s.pv, 0.0);
    EXPECT_EQ(s.vapour, 0.0);
    EXPECT_EQ(s.dry, s.flow);
    EXPECT_EQ(s.relative, 50.0);  // the measure given
    EXPECT_EQ(s.absolute, 0.0);
}

// Column 3 holds the shares of the normal pressure, column 4 those of the operating
// pressure; the vapour row is read from column 4 either way.
TEST_F(MediumState, ColumnSelectorChoosesTheShareColumn) {
    HumidGasFlag = true;
    MixtureComponentKeyword[2] = "N2";
    MixtureComponentKeyword[11] = "ANG";
    TStringGrid& grid = Form1().ViktVolprocgridfukt;
    grid.SetCell(2, 2, "99");
    grid.SetCell(3, 2, "60");
    grid.SetCell(4, 2, "30");
    grid.SetCell(2, 11, "1");
    grid.SetCell(3, 11, "3");
    grid.SetCell(4, 11, "2");
    for (bool normal : {true, false}) {
        State s;
        s.relative = 40.0;
        Evaluate("G", s, normal);
        const double share = normal ? 0.6 : 0.3;
        EXPECT_NEAR(MixturePartialPressure[2], share * 101325.0, 1e-9) << normal;
        EXPECT_NEAR(s.pv, 0.02 * 101325.0, 1e-9) << normal;
        EXPECT_NEAR(MixturePartialPressure[11], 0.02 * 101325.0, 1e-9) << normal;
    }
}

TEST_F(MediumState, SaturatedSteamTakesTheSaturationTemperature) {
    State s;
    s.P = 1e6;
    s.t = 20.0;
    Evaluate("MNG", s);
    EXPECT_NEAR(s.t, 179.887, 0.01);
    EXPECT_NEAR(s.flow, SteamDensityPT(1e6, s.t), 1e-9);
}

TEST_F(MediumState, HumidAirAtHalfSaturation) {
    HumidGasFlag = true;
    State s;
    s.relative = 0.0;
    Evaluate("LUF", s);
    EXPECT_EQ(s.absolute, 0.0);
    EXPECT_EQ(s.specific, 0.0);
    EXPECT_EQ(s.flow, s.dry);

    State h;
    h.relative = 50.0;
    Evaluate("LUF", h);
    const double pv = 0.5 * WaterSaturationPressure(20.0);
    EXPECT_NEAR(h.pv, pv, 1e-6);
    // Vapour as an ideal gas: 1169 Pa at 293.15 K holds about 8.6 g/m3.
    EXPECT_NEAR(h.absolute, 1000 * pv * 18.016 / (8314.46 * 293.15), 0.1);
    // Mixing ratio 0.622 pv / (P - pv), in g/kg.
    EXPECT_NEAR(h.specific, 1000 * 0.622 * pv / (101325.0 - pv), 0.1);
    // The dew temperature is where saturated vapour is as dense as the vapour part: a little
    // below the 9.3 degC of equal partial pressure, the vapour being colder there.
    EXPECT_NEAR(SteamDensityPT(WaterSaturationPressure(h.dew), h.dew), 0.001 * h.absolute, 1e-6);
    EXPECT_GT(h.dew, 8.0);
    EXPECT_LT(h.dew, 9.3);
    EXPECT_EQ(h.relative, 50.0);
}

TEST_F(MediumState, HumidAirFromAbsoluteHumidityRoundTrip) {
    HumidGasFlag = true;
    State r;
    r.relative = 40.0;
    Evaluate("LUF", r);
    State a;
    a.kind = "A";
    a.absolute = r.absolute;
    Evaluate("LUF", a);
    EXPECT_NEAR(a.relative, 40.0, 0.05);
    EXPECT_EQ(a.absolute, r.absolute);
    EXPECT_NEAR(a.specific, r.specific, 0.01);
    EXPECT_NEAR(a.flow, r.flow, 1e-5);
}

TEST_F(MediumState, HumidAirFromSpecificHumidityAndDewPoint) {
    HumidGasFlag = true;
    State r;
    r.relative = 60.0;
    r.t = 30.0;
    Evaluate("LUF", r);
    State sp;
    sp.t = 30.0;
    sp.kind = "S";
    sp.specific = r.specific;
    Evaluate("LUF", sp);
    EXPECT_NEAR(sp.relative, 60.0, 0.05);
    EXPECT_EQ(sp.specific, r.specific);
    EXPECT_NEAR(sp.absolute, r.absolute, 0.01);
    EXPECT_NEAR(sp.dew, r.dew, 0.02);
    State d;
    d.t = 30.0;
    d.kind = "D";
    d.dew = r.dew;
    Evaluate("LUF", d);
    EXPECT_NEAR(d.relative, 60.0, 0.1);
    EXPECT_EQ(d.dew, r.dew);
    EXPECT_NEAR(d.absolute, r.absolute, 0.02);
    EXPECT_NEAR(d.specific, r.specific, 0.02);
}

// The dry part at its own partial pressure and the vapour at its own, weighted by mass.
TEST_F(MediumState, HumidEnthalpyWeighsDryGasAndVapour) {
    HumidGasFlag = true;
    PhaseLetter = 'N';
    State s;
    s.t = 40.0;
    s.relative = 80.0;
    Evaluate("N2", s);
    ASSERT_GT(s.vapour, 0.0);
    const double pv = 0.8 * WaterSaturationPressure(40.0);
    EXPECT_NEAR(s.pv, pv, 1e-6);
    const double expected =
        (MediumEnthalpyPT("N2", 101325.0 - pv, 40.0) * s.dry + MediumEnthalpyPT("ANG", pv, 40.0) * (s.flow - s.dry)) /
        s.flow;
    EXPECT_NEAR(s.enthalpy, expected, 1e-9);
    // Water at its state, and a medium without an enthalpy row keeps what it was handed.
    State w;
    w.P = 5e5;
    w.t = 60.0;
    Evaluate("VAT", w);
    EXPECT_NEAR(w.enthalpy, MediumEnthalpyPT("VAT", 5e5, 60.0), 1e-12);
    HumidGasFlag = false;
    GivenDensity = 850.0;
    OilViscosityUnit = "cSt";
    OilViscosity40 = 100.0;
    OilViscosity100 = 10.0;
    State oil;
    oil.enthalpy = 5.5;
    Evaluate("OLJA", oil);
    EXPECT_EQ(oil.enthalpy, 5.5);
    GivenDensity = 0.0;
}

// Liquid oxygen below its saturation pressure is the saturated liquid at its temperature:
// its enthalpy is that of the saturated liquid, as chosen directly, not 0.
TEST_F(MediumState, LiquefiedGasAsLiquidKeepsTheLiquidEnthalpy) {
    CalcFunction = "Termo";
    for (auto [k, t] : {std::pair{"O2", -190.0}, {"AR", -186.0}, {"N2", -190.0}}) {
        State chosen;
        chosen.P = 5e5;
        chosen.t = t;
        PhaseLetter = 'V';
        Evaluate(k, chosen);
        State liquid;
        liquid.P = 5e5;
        liquid.t = t;
        PhaseLetter = 'N';
        Evaluate(k, liquid);
        ASSERT_EQ(liquid.dry, 0.0) << k;
        EXPECT_NEAR(liquid.flow, chosen.flow, 1e-9 * chosen.flow) << k;
        EXPECT_DOUBLE_EQ(liquid.enthalpy, chosen.enthalpy) << k;
        EXPECT_LT(liquid.enthalpy, -100.0) << k;  // far below the gas at 0 degC
    }
    // Hydrogen's liquid carries no enthalpy: 0 rather than what the caller left.
    State h2;
    h2.P = 5e5;
    h2.t = -255.0;
    h2.enthalpy = 42.0;
    Evaluate("H2", h2);
    ASSERT_EQ(h2.dry, 0.0);
    ASSERT_GT(h2.flow, 50.0);
    EXPECT_EQ(h2.enthalpy, 0.0);
    PhaseLetter = 'N';
}

TEST_F(MediumState, EnthalpyWrittenOnlyForPhaseN) {
    State s;
    s.t = 50.0;
    PhaseLetter = 'G';
    s.enthalpy = 123.0;
    Evaluate("LUF", s);
    EXPECT_EQ(s.enthalpy, 123.0);
    PhaseLetter = 'N';
    Evaluate("LUF", s);
    EXPECT_NEAR(s.enthalpy, 1.006 * 50.0, 0.5);  // cp of air about 1.006 kJ/(kg K)
}

// Methane alone in the grid: the mixture is methane at its partial pressure.
TEST_F(MediumState, MixtureOfOneComponentIsThatGas) {
    MixtureComponentKeyword[2] = "CH4";
    for (int col = 2; col <= 5; ++col) Form1().ViktVolprocgridfukt.SetCell(col, 2, "100");
    for (bool normal : {false, true}) {
        State s;
        s.P = 5e6;
        s.t = 20.0;
        Evaluate("G", s, normal);
        double P = 5e6, t = 20.0, rho = 0, dry = 0, vap = 0, mu = 0, kappa = 0, cp = 0, cv = 0, h = 0;
        MediumPropertySwitch("CH4", GasComposition, P, 0, 0, 0, 0, 0, t, t, 1.0, 0.0, rho, dry, vap, mu, kappa, cp, cv,
                             h);
        EXPECT_NEAR(s.flow, rho, 1e-9 * rho);
        EXPECT_GT(s.flow, 35.0);  // methane at 5 MPa, 20 degC: about 37 kg/m3
        EXPECT_LT(s.flow, 39.0);
        EXPECT_NEAR(s.viscosity, mu, 1e-12);
        EXPECT_NEAR(s.cp, cp, 1e-6 * cp);
        EXPECT_NEAR(s.cv, cv, 1e-6 * cv);
        EXPECT_NEAR(s.kappa, cp / cv, 1e-9);
        EXPECT_NEAR(s.enthalpy, MediumEnthalpyPT("CH4", 5e6, 20.0), 1e-9);
        EXPECT_EQ(s.dry, s.flow);
        EXPECT_EQ(s.vapour, 0.0);
        EXPECT_NEAR(MixtureFraction[2], 100.0, 1e-12);
        EXPECT_NEAR(MixturePartialPressure[2], 5e6, 1e-6);
    }
}

TEST_F(MediumState, MixtureOfTwoGasesMixesByDensity) {
    MixtureComponentKeyword[2] = "AR";
    MixtureComponentKeyword[3] = "O2";
    for (int row : {2, 3})
        for (int col = 2; col <= 5; ++col) Form1().ViktVolprocgridfukt.SetCell(col, row, "50");
    State s;
    Evaluate("G", s);
    auto alone = [](const char* k, double& rho, double& cp) {
        double P = 0.5 * 101325.0, t = 20.0, dry = 0, vap = 0, mu = 0, kappa = 0, cv = 0, h = 0;
        MediumPropertySwitch(k, GasComposition, P, 0, 0, 0, 0, 0, t, t, 1.0, 0.0, rho, dry, vap, mu, kappa, cp, cv, h);
    };
    double rAr = 0, cpAr = 0, rO2 = 0, cpO2 = 0;
    alone("AR", rAr, cpAr);
    alone("O2", rO2, cpO2);
    EXPECT_NEAR(s.flow, rAr + rO2, 1e-9);
    EXPECT_NEAR(s.cp, (rAr * cpAr + rO2 * cpO2) / (rAr + rO2), 1e-6);
    // Argon 1.66 and oxygen 1.33 kg/m3 at 20 degC: together at about 1.49 kg/m3.
    EXPECT_NEAR(s.flow, 0.5 * (1.661 + 1.331), 0.01);
}

// Dry air as its components at their mol %: within 1 % of the air table.
TEST_F(MediumState, MixtureOfAirComponentsIsAir) {
    const std::pair<const char*, const char*> air[] = {{"N2", "78.084"}, {"O2", "20.946"}, {"AR", "0.970"}};
    int row = 2;
    for (auto [keyword, share] : air) {
        MixtureComponentKeyword[row] = keyword;
        for (int col = 2; col <= 5; ++col) Form1().ViktVolprocgridfukt.SetCell(col, row, share);
        ++row;
    }
    State mix, pure;
    Evaluate("G", mix);
    Evaluate("LUF", pure);
    EXPECT_NEAR(mix.flow / pure.flow, 1.0, 0.01);
    EXPECT_NEAR(mix.viscosity / pure.viscosity, 1.0, 0.01);
    EXPECT_NEAR(mix.cp / pure.cp, 1.0, 0.01);
    EXPECT_NEAR(mix.cv / pure.cv, 1.0, 0.01);
    EXPECT_NEAR(mix.kappa / pure.kappa, 1.0, 0.01);
}

// A user-defined component takes the values typed for it, its viscosity through its unit.
TEST_F(MediumState, UserDefinedComponentOfTheMixture) {
    MixtureComponentKeyword[2] = "GAS";
    MixtureComponentName[2] = "cP";
    MixtureDensity[2] = 2.5;
    MixtureViscosity[2] = 0.018;  // cP
    MixtureCp[2] = 1040.0;
    MixtureCv[2] = 743.0;
    MixtureEnthalpy[2] = 21.0;
    MixtureCriticalTemperature[2] = 126.2;
    MixtureMolarMass[2] = 28.0;
    Form1().ViktVolprocgridfukt.SetCell(2, 2, "100");
    Form1().ViktVolprocgridfukt.SetCell(4, 2, "40");  // share of the operating pressure
    State s;
    Evaluate("G", s);
    EXPECT_NEAR(s.flow, 2.5 * 0.4, 1e-12);
    EXPECT_NEAR(s.viscosity, 18e-6, 1e-15);
    EXPECT_NEAR(s.cp, 1040.0, 1e-9);
    EXPECT_NEAR(s.cv, 743.0, 1e-9);
    EXPECT_NEAR(s.kappa, 1040.0 / 743.0, 1e-12);
    EXPECT_NEAR(s.enthalpy, 21.0, 1e-12);
    EXPECT_NEAR(MixturePartialPressure[2], 0.4 * 101325.0, 1e-9);
    EXPECT_EQ(MixtureComponentName[2], "cP");
}

TEST_F(MediumState, MixtureScaledToTheGivenMolarMass) {
    MixtureComponentKeyword[2] = "AR";
    for (int col = 2; col <= 5; ++col) Form1().ViktVolprocgridfukt.SetCell(col, 2, "100");
    State plain;
    Evaluate("G", plain);
    HumidGasMolarMass = 2 * 39.948;
    State scaled;
    Evaluate("G", scaled);
    EXPECT_NEAR(scaled.flow, 2 * plain.flow, 1e-9);
}

// A line walk asks for the mixture's state thousands of times with the grid unchanged; what it
// read of the grid and of the components' molar masses is read again after every edit, change of
// keyword and change of separator.
TEST_F(MediumState, MixtureReadsEachEditOfItsGridAndKeywords) {
    TStringGrid& grid = Form1().ViktVolprocgridfukt;
    MixtureComponentKeyword[2] = "AR";
    for (int col = 2; col <= 5; ++col) grid.SetCell(col, 2, "100");
    State full;
    Evaluate("G", full);
    EXPECT_NEAR(full.flow, 1.661, 0.01);  // argon at 20 degC and 101.325 kPa
    grid.SetCell(4, 2, "50");             // the share of the operating pressure
    State half;
    Evaluate("G", half);
    EXPECT_NEAR(half.flow, 0.5 * full.flow, 2e-5 * full.flow);
    EXPECT_NEAR(MixturePartialPressure[2], 0.5 * 101325.0, 1e-6);

    // On a point platform "50,5" is no share: no gas is left.
    grid.SetCell(4, 2, "50,5");
    {
        SeparatorGuard comma(',');
        State s;
        Evaluate("G", s);
        EXPECT_NEAR(s.flow, 0.505 * full.flow, 2e-5 * full.flow);
    }
    State none;
    EXPECT_THROW(Evaluate("G", none), CalcError);
    grid.SetCell(4, 2, "100");

    // The grid's molar mass weighs each row's component by its keyword's.
    HumidGasMolarMass = 2 * 31.999;
    MixtureComponentKeyword[2] = "O2";
    State oxygen;
    Evaluate("G", oxygen);
    MixtureComponentKeyword[2] = "AR";
    State argon;
    Evaluate("G", argon);
    EXPECT_NEAR(oxygen.flow, 2.0 * 1.331, 0.02);
    EXPECT_NEAR(argon.flow, 31.999 / 39.948 * 2.0 * 1.661, 0.02);
}

TEST_F(MediumState, EmptyMixtureGivesZerosWithoutFault) {
    State s;
    EXPECT_NO_THROW(Evaluate("G", s));
    EXPECT_EQ(s.flow, 0.0);
    EXPECT_EQ(s.cp, 0.0);
    EXPECT_EQ(s.cv, 0.0);
    EXPECT_EQ(s.kappa, 0.0);
    EXPECT_EQ(s.viscosity, 0.0);
}

// A mixture whose humidity is given as absolute humidity: one component pass and one
// conversion, after which the vapour row of the grid adds the water.
TEST_F(MediumState, HumidMixtureByAbsoluteHumidityEnds) {
    HumidGasFlag = true;
    MixtureComponentKeyword[2] = "AR";
    MixtureComponentKeyword[11] = "ANG";
    for (int col = 2; col <= 5; ++col) {
        Form1().ViktVolprocgridfukt.SetCell(col, 2, "99");
        Form1().ViktVolprocgridfukt.SetCell(col, 11, "1");
    }
    State s;
    s.kind = "A";
    s.absolute = 5.0;
    s.relative = 77.0;
    Evaluate("G", s);
    const double pv = 0.01 * 101325.0;
    EXPECT_NEAR(s.pv, pv, 1e-9);
    EXPECT_NEAR(s.vapour, SteamDensityPT(pv, 20.0), 1e-12);
    EXPECT_NEAR(s.flow, s.dry + s.vapour, 1e-12);
    EXPECT_EQ(s.absolute, 5.0);
    // The relative humidity is the conversion of the given 5 g/m3 for the dry mixture.
    double rh = 0.0;
    HumidityFromAbsolute("GAS", true, rh, 20.0, 101325.0, s.dry, 0.005, 1.0);
    EXPECT_NEAR(s.relative, rh, 1e-9);
    EXPECT_GT(s.relative, 0.0);
    EXPECT_NEAR(MixturePartialPressure[11], pv, 1e-9);
}

TEST_F(MediumState, CalcMediumStateFillsTheStateAndTheNote) {
    MediumCode = "VAT";
    PhaseLetter = 'N';
    OperatingPressure = 101325.0;
    OperatingTemperature = 120.0;
    CalcMediumState();
    EXPECT_EQ(TableRangeNote, "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS! (Select STEAM)");
    EXPECT_NEAR(FlowDensity, WaterDensityPT(101325.0, 120.0), 1e-9);
    EXPECT_GT(DynamicViscosityPas, 0.0);
    LanguageLetter = 'S';
    OperatingTemperature = 20.0;
    CalcMediumState();
    EXPECT_EQ(TableRangeNote, " ");
    EXPECT_NEAR(FlowDensity, 998.2, 0.3);

    // Propane gas asked for where the table holds liquid: no density, and the reason.
    MediumCode = "C3H8";
    LanguageLetter = 'D';
    OperatingPressure = 2e6;
    CalcMediumState();
    EXPECT_LE(FlowDensity, 0.0);
    EXPECT_EQ(TableRangeNote, "DRUCK/TEMPERATUR AUSSERHALB TAFELGRENZEN ODER FLUSSIG!");
}

TEST_F(MediumState, VapourPressureAndEnthalpyStartAtZero) {
    MediumCode = "VÄT";
    GivenDensity = 870.0;
    PhaseLetter = 'N';
    VapourPressurePa = 55.0;
    EnthalpyOperating = 66.0;
    CalcMediumState();
    EXPECT_EQ(VapourPressurePa, 0.0);
    EXPECT_EQ(EnthalpyOperating, 0.0);
    EXPECT_EQ(FlowDensity, 870.0);
    GivenDensity = 0.0;
}

}  // namespace
}  // namespace tubalyx
