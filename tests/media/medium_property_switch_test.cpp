#include "media/medium_property_switch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "media/humid_gas_mixing.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "property_tables/ammonia.h"
#include "property_tables/argon.h"
#include "property_tables/carbon_dioxide.h"
#include "property_tables/carbon_monoxide.h"
#include "property_tables/hydrogen.h"
#include "property_tables/methane.h"
#include "property_tables/nitrogen.h"
#include "property_tables/oxygen.h"
#include "property_tables/ozone.h"
#include "property_tables/propane.h"
#include "property_tables/saturation_states.h"
#include "state/composition.h"
#include "state/medium.h"
#include "state/selections.h"
#include "switch_test_support.h"

namespace tubalyx {
namespace {

using test::ResetSwitchState;
using test::Switch;
using test::SwitchResult;
using test::UserGasData;

class MediumPropertySwitchTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        ResetSwitchState();
    }
    void TearDown() override {
        ResetSwitchState();
        SetDecimalSeparator('.');
    }
};

struct SaturatedOxygen {
    double t, pSat = 0, density = 0, enthalpy = 0, viscosity = 0, cp = 0, cv = 0, kappa = 0;
};
SaturatedOxygen OxygenSaturation(char phase, double t) {
    SaturatedOxygen s{t};
    OxygenSaturationStateT(false, phase, s.t, s.pSat, s.density, s.enthalpy, s.viscosity, s.cp, s.cv, s.kappa);
    return s;
}

// Published values: water 998.2 kg/m3 at 20 degC; steam 0.523 kg/m3 and 14.2 uPa s at
// 101325 Pa and 150 degC; dry air 1.204 kg/m3 and 18.2 uPa s at 20 degC.
TEST_F(MediumPropertySwitchTest, WaterSteamAndAirAgainstPublishedValues) {
    const SwitchResult water = Switch("VAT", 101325, 20);
    EXPECT_NEAR(water.density, 998.2, 0.3);
    EXPECT_NEAR(water.viscosity, 1.002e-3, 0.01e-3);
    EXPECT_EQ(water.cp, 0.0);
    EXPECT_EQ(water.cv, 0.0);
    EXPECT_EQ(water.kappa, 0.0);
    EXPECT_EQ(water.dry, 0.0);
    EXPECT_EQ(water.enthalpy, -7) << "only the saturation branches write the enthalpy";

    for (const char* steam : {"ANG", "MNG"}) {
        const SwitchResult s = Switch(steam, 101325, 150);
        EXPECT_NEAR(s.density, 0.523, 0.003) << steam;
        EXPECT_NEAR(s.viscosity, 14.2e-6, 0.3e-6) << steam;
        EXPECT_NEAR(s.cp, 1980, 60) << steam;
        EXPECT_NEAR(s.kappa, 1.32, 0.02) << steam;
        EXPECT_EQ(s.vapour, 0.0);
    }

    const SwitchResult air = Switch("LUF", 101325, 20);
    EXPECT_NEAR(air.density, 1.204, 0.005);
    EXPECT_NEAR(air.viscosity, 18.2e-6, 0.4e-6);
    EXPECT_NEAR(air.kappa, 1.4, 0.01);
    EXPECT_EQ(air.vapour, 0.0);
    const SwitchResult humid = Switch("LUF", 101325, 20, 100);
    EXPECT_NEAR(humid.vapour, 0.0173, 0.0003);  // saturated vapour at 20 degC
    EXPECT_LT(humid.density, air.density);
}

TEST_F(MediumPropertySwitchTest, MethaneAndEthane) {
    const SwitchResult ch4 = Switch("CH4", 101325, 15);
    // Ideal 0.6785 kg/m3 over Z = 0.9981 at 15 degC.
    EXPECT_NEAR(ch4.density, 0.6798, 0.0005);
    EXPECT_NEAR(ch4.kappa, MethaneCpPT(101325, 15) / MethaneCvPT(101325, 15), 1e-12);
    EXPECT_DOUBLE_EQ(ch4.cp, MethaneCpPT(101325, 15));
    EXPECT_DOUBLE_EQ(ch4.viscosity, MethaneViscosityPT(101325, 15));

    const SwitchResult c2h6 = Switch("C2H6", 101325, 0);
    EXPECT_NEAR(c2h6.density, 30.069 * 101325 / (0.9901 * 8.3143 * 273.15) / 1000, 1e-12);
    EXPECT_NEAR(c2h6.density, 1.3550, 1e-4);
    EXPECT_THROW(Switch("C2H6", 101325, -273.15), CalcError);
}

// Pure methane goes through the natural-gas equation, which leaves its Z for the reports.
TEST_F(MediumPropertySwitchTest, MethaneLeavesItsCompressibility) {
    GasCompositionArray methane{};
    methane[1] = 1.0;
    double z = 0;
    const double rho = GasCompressibilityDetailed(methane, z, 5e6, 15);
    NaturalGasZ = -1;
    const SwitchResult ch4 = Switch("CH4", 5e6, 15);
    EXPECT_DOUBLE_EQ(ch4.density, rho);
    EXPECT_DOUBLE_EQ(NaturalGasZ, z);
    EXPECT_GT(z, 0.85);  // methane at 5 MPa, 15 degC: Z about 0.89
    EXPECT_LT(z, 0.92);
}

TEST_F(MediumPropertySwitchTest, UserGasesKeepTheirGivenData) {
    const UserGasData g;
    const SwitchResult igas = Switch("IGAS", 101325, 0, 0, g);
    EXPECT_DOUBLE_EQ(igas.density, g.density);
    EXPECT_NEAR(igas.viscosity, 17.2e-6, 1e-18);
    EXPECT_NEAR(GivenViscosityPas, 17.2, 1e-12);
    EXPECT_EQ(ParsedUnitKind, "dynvisk");
    EXPECT_EQ(igas.cp, g.cp);
    EXPECT_EQ(igas.cv, g.cv);
    EXPECT_DOUBLE_EQ(igas.kappa, g.cp / g.cv);
    EXPECT_NEAR(Switch("IGAS", 2 * 101325, 0, 0, g).density, 2 * g.density, 1e-12);
    EXPECT_NEAR(Switch("IGAS", 101325, 273.15, 0, g).density, g.density / 2, 1e-12);
    UserGasData half = g;
    half.zRatio = 0.5;
    EXPECT_NEAR(Switch("IGAS", 101325, 0, 0, half).density, 2 * g.density, 1e-12);

    OperatingPressure = 500000;
    OperatingTemperature = 30;
    EXPECT_DOUBLE_EQ(Switch("GAS", 500000, 30, 0, g).density, g.density);
    EXPECT_NEAR(Switch("GAS", 250000, 30, 0, g).density, g.density / 2, 1e-12);

    // A kinematic viscosity becomes dynamic at the given density for "GAS".
    ViscosityUnit = "cst";
    GivenViscosityValue = 10;
    EXPECT_NEAR(Switch("GAS", 500000, 30, 0, g).viscosity, 10 * g.density * 1e-6, 1e-15);
    EXPECT_EQ(ViscosityUnit, "cSt");

    // A cv of 0 gives kappa 1.
    UserGasData noCv = g;
    noCv.cv = 0;
    EXPECT_EQ(Switch("IGAS", 101325, 0, 0, noCv).kappa, 1.0);

    ViscosityUnit = "cP";
    GivenViscosityValue = 1.5;
    const SwitchResult liquid = Switch("VÄT", 300000, 50, 0, UserGasData{.density = 870});
    EXPECT_EQ(liquid.density, 870);
    EXPECT_NEAR(liquid.viscosity, 1.5e-3, 1e-15);
    EXPECT_EQ(liquid.cp, 0.0);
    EXPECT_EQ(liquid.kappa, 0.0);
}

TEST_F(MediumPropertySwitchTest, UserGasFaultsAreInputErrors) {
    UserGasData zeroZ;
    zeroZ.zRatio = 0;
    EXPECT_THROW(Switch("IGAS", 101325, 0, 0, zeroZ), CalcError);
    EXPECT_THROW(Switch("IGAS", 101325, 0, 50, zeroZ), CalcError);

    // Mixing weights of 0 with no vapour: 0/0, an input error rather than NaN.
    for (const char* k : {"GAS", "IGAS"}) {
        UserGasData noWeights;
        noWeights.criticalK = 0;
        EXPECT_THROW(Switch(k, 101325, 0, 0, noWeights), CalcError) << k;
        noWeights.criticalK = 132.5;
        noWeights.molarMass = 0;
        EXPECT_THROW(Switch(k, 101325, 0, 0, noWeights), CalcError) << k;
        // With vapour present the mixing is defined: the vapour's viscosity.
        const SwitchResult humid = Switch(k, 101325, 20, 50, noWeights);
        EXPECT_TRUE(std::isfinite(humid.viscosity));
        EXPECT_NEAR(humid.viscosity, 9.7e-6, 0.5e-6) << k;
    }
    OperatingPressure = 0;
    EXPECT_THROW(Switch("GAS", 101325, 0), CalcError);
}

TEST_F(MediumPropertySwitchTest, OilAndUnknownKeywords) {
    const SwitchResult oil = Switch("OLJA", 101325, 25, 0, UserGasData{.density = 850});
    EXPECT_NEAR(oil.density, 843.3, 1e-9);
    EXPECT_GT(oil.viscosity, 0.0);
    EXPECT_EQ(oil.cp, 0.0);
    EXPECT_EQ(oil.kappa, 0.0);
    for (const char* k : {"G", "XYZ", "luf", "", "Ang"}) {
        const SwitchResult r = Switch(k, 101325, 20, 30);
        EXPECT_EQ(r.density, 0.0) << k;
        EXPECT_EQ(r.dry, 0.0);
        EXPECT_EQ(r.vapour, 0.0);
        EXPECT_EQ(r.viscosity, 0.0);
        EXPECT_EQ(r.kappa, 0.0);
        EXPECT_EQ(r.cp, 0.0);
        EXPECT_EQ(r.cv, 0.0);
        EXPECT_EQ(r.enthalpy, -7);
    }
}

// Helium's density is argon's scaled by the molar masses, its viscosity argon's; its heat
// capacities are those of the monatomic gas: cp 5193 J/(kg K) (NIST, ideal gas), cv 3116,
// kappa 5/3.
TEST_F(MediumPropertySwitchTest, HeliumIsScaledArgonWithItsOwnHeatCapacities) {
    const SwitchResult ar = Switch("AR", 500000, 20);
    const SwitchResult he = Switch("He", 500000, 20);
    EXPECT_NEAR(ar.density, ArgonDensityPT(500000, 20), 1e-12);
    EXPECT_NEAR(he.density, ar.density * 4.0026 / 39.948, 1e-12);
    EXPECT_DOUBLE_EQ(he.viscosity, ar.viscosity);
    EXPECT_NEAR(he.cp, 5193.0, 0.001 * 5193.0);
    EXPECT_NEAR(he.cv, 3116.0, 0.001 * 3116.0);
    EXPECT_NEAR(he.kappa, 5.0 / 3.0, 1e-9);
    PhaseLetter = 'V';
    const SwitchResult arLiquid = Switch("AR", 101325, -186);
    const SwitchResult heLiquid = Switch("He", 101325, -186);
    EXPECT_NEAR(heLiquid.density, arLiquid.density * 4.0026 / 39.948, 1e-9);
}

TEST_F(MediumPropertySwitchTest, OxygenLiquidBelowSaturationUnlessPressureLoss) {
    const SaturatedOxygen liquid = OxygenSaturation('N', -190);
    ASSERT_GT(liquid.pSat, 0.0);
    ASSERT_LT(liquid.pSat, 500000);
    const SwitchResult r = Switch("O2", 500000, -190);
    EXPECT_DOUBLE_EQ(r.density, liquid.density);
    EXPECT_DOUBLE_EQ(r.viscosity, liquid.viscosity);
    EXPECT_DOUBLE_EQ(r.cp, liquid.cp);
    EXPECT_DOUBLE_EQ(r.enthalpy, liquid.enthalpy);
    EXPECT_EQ(r.dry, 0.0);
    EXPECT_EQ(r.P, 500000);
    EXPECT_EQ(r.t, -190);

    CalcFunction = "Tryckf";
    const SwitchResult gas = Switch("O2", 500000, -190);
    EXPECT_DOUBLE_EQ(gas.density, OxygenDensityPT(500000, -190));
    EXPECT_DOUBLE_EQ(gas.enthalpy, liquid.enthalpy) << "enthalpy of the saturation call stands";

    // Below the saturation pressure, and at it, the gas tables answer.
    CalcFunction = "Termo";
    EXPECT_DOUBLE_EQ(Switch("O2", liquid.pSat, -190).density, OxygenDensityPT(liquid.pSat, -190));
    EXPECT_DOUBLE_EQ(Switch("O2", liquid.pSat * 0.5, -190).density, OxygenDensityPT(liquid.pSat * 0.5, -190));
    // Outside the saturation table the temperature is clamped, so the gas tables answer.
    EXPECT_DOUBLE_EQ(Switch("O2", 500000, 20).density, OxygenDensityPT(500000, 20));
}

TEST_F(MediumPropertySwitchTest, SaturationTemperatureSearchAtThePressure) {
    PhaseLetter = 'X';
    const SwitchResult r = Switch("O2", 101325, 20);
    EXPECT_NEAR(r.t, -182.96, 0.3);  // normal boiling point of oxygen, 90.19 K
    EXPECT_LT(OxygenSaturation('X', r.t - 0.003).pSat, 101325);
    EXPECT_GE(OxygenSaturation('X', r.t + 0.003).pSat, 101325);
    EXPECT_EQ(r.P, 101325);
    EXPECT_LE(PropertyIterationCount, PropertyIterationLimit + 1);
    EXPECT_EQ(PropertyIterationLimit, 5000);

    PhaseLetter = 'H';
    const SwitchResult vapour = Switch("O2", 101325, 20);
    EXPECT_NEAR(vapour.t, r.t, 0.01);
    EXPECT_LT(vapour.density, r.density);

    // Above the critical pressure (argon's 48.98 bar) and below the triple point's (nitrogen's
    // 0.1253 bar) no liquid boils: the switch gives no state, searches nothing and leaves the
    // pressure and temperature as they came.
    PhaseLetter = 'X';
    for (const auto& [medium, P] : {std::pair{"AR", 1e9}, std::pair{"N2", 1000.0}}) {
        const SwitchResult none = Switch(medium, P, 20);
        EXPECT_EQ(none.density, 0.0) << medium;
        EXPECT_EQ(none.t, 20) << medium;
        EXPECT_EQ(none.P, P) << medium;
        EXPECT_EQ(PropertyIterationCount, 0) << medium;
    }

    // A saturation temperature above 0 degC: carbon dioxide boils at 5 MPa between its rows at
    // 285 K (4712 kPa) and 290 K (5318 kPa), at 287.376 K on the line between them.
    const SwitchResult warm = Switch("CO2", 5e6, -50);
    EXPECT_NEAR(warm.t, 285 + 5 * (5000.0 - 4712) / (5318 - 4712) - 273.15, 0.002);
    EXPECT_LT(PropertyIterationCount, 100);

    // The next call resets the count.
    PhaseLetter = 'N';
    Switch("LUF", 101325, 20);
    EXPECT_EQ(PropertyIterationCount, 0);
}

TEST_F(MediumPropertySwitchTest, SaturatedPhaseWritesThePressureEdit) {
    // The edits' change handlers rebuild the page, which sets the phase for the medium it
    // shows; the phase and the hidden range row come after them.
    Form1().abstrycksort.SetText("BarA");
    Form1().abstryckantal.SetText("x");
    Form1().abstryckmaxantal.SetVisible(false);
    PhaseLetter = 'G';
    const SaturatedOxygen sat = OxygenSaturation('G', -185);
    const SwitchResult r = Switch("O2", 300000, -185);
    EXPECT_DOUBLE_EQ(r.P, sat.pSat);
    EXPECT_DOUBLE_EQ(r.density, sat.density);
    EXPECT_EQ(Form1().abstryckantal.Text(), Utf8Left(FormatGeneral(0.999999 * sat.pSat / 1000), 9));
    EXPECT_NE(Form1().abstryckantal.Text().find(','), std::string::npos);
    EXPECT_NEAR(StrToFloatSafe(Form1().abstryckantal.Text()), sat.pSat / 1000, 0.01);
    EXPECT_EQ(Form1().abstrycksort.Text(), "kPa");
    SetDecimalSeparator('.');
    Switch("O2", 300000, -185);
    EXPECT_EQ(Form1().abstryckantal.Text(), Utf8Left(FormatGeneral(0.999999 * sat.pSat / 1000), 9));
    EXPECT_NE(Form1().abstryckantal.Text().find('.'), std::string::npos);
    EXPECT_EQ(Form1().abstryckantal.Text().size(), 9u);
    SetDecimalSeparator(',');

    // With the maximum-pressure edit shown nothing is written and P stays.
    Form1().abstryckmaxantal.SetVisible(true);
    Form1().abstryckantal.SetText("x");
    const SwitchResult shown = Switch("O2", 300000, -185);
    EXPECT_EQ(shown.P, 300000);
    EXPECT_EQ(Form1().abstryckantal.Text(), "x");
}

GasCompositionArray CheckGas() {  // 90 % CH4, 2 % N2, 2 % CO2, 5 % C2H6, 1 % C3H8
    GasCompositionArray x{};
    x[1] = 0.90;
    x[2] = 0.02;
    x[3] = 0.02;
    x[4] = 0.05;
    x[5] = 0.01;
    return x;
}

TEST_F(MediumPropertySwitchTest, NaturalGasWithTheMolarMassCorrection) {
    TStringGrid& grid = Form1().ViktVolprocgridfukt;
    for (int i = kMixtureFirstRow; i <= kMixtureLastRow; ++i) {
        grid.SetCell(5, i, "");
        MixtureComponentKeyword[static_cast<size_t>(i)] = "";
    }
    double z = 0;
    const double rho = GasCompressibilityDetailed(CheckGas(), z, 5e6, 15);
    const SwitchResult plain = Switch("NGAS", 5e6, 15, 0, UserGasData{}, CheckGas());
    EXPECT_DOUBLE_EQ(plain.density, rho);
    EXPECT_NEAR(NaturalGasZ, 0.889291, 1e-5);
    EXPECT_EQ(GridMeanMolarMass, 0.0);

    // 90 % methane, 10 % a user gas of 44 g/mol: mean 18.8389 g/mol.
    MixtureComponentKeyword[2] = "CH4";
    grid.SetCell(5, 2, "90");
    MixtureComponentKeyword[3] = "GAS";
    MixtureMolarMass[3] = 44.0;
    grid.SetCell(5, 3, "10,0");
    HumidGasMolarMass = 20.0;
    const SwitchResult corrected = Switch("NGAS", 5e6, 15, 0, UserGasData{}, CheckGas());
    EXPECT_NEAR(GridMeanMolarMass, 0.9 * 16.043 + 0.1 * 44.0, 1e-9);
    EXPECT_NEAR(corrected.density, rho * 20.0 / GridMeanMolarMass, 1e-9);
    for (int i = kMixtureFirstRow; i <= kMixtureLastRow; ++i) {
        grid.SetCell(5, i, "");
        MixtureComponentKeyword[static_cast<size_t>(i)] = "";
    }
}

TEST_F(MediumPropertySwitchTest, HumidityIsAddedToEveryGasRow) {
    const SwitchResult dry = Switch("CH4", 101325, 20, 0);
    const SwitchResult humid = Switch("CH4", 101325, 20, 80);
    EXPECT_GT(humid.vapour, 0.0);
    EXPECT_NEAR(humid.density, humid.dry + humid.vapour, 1e-12);
    EXPECT_LT(humid.dry, dry.density);
    EXPECT_NE(humid.cp, dry.cp);
    const SwitchResult co = Switch("CO", 101325, 20, 0);
    EXPECT_NEAR(co.density, 1.165, 0.01);  // carbon monoxide at 20 degC
    EXPECT_NEAR(co.kappa, co.cp / co.cv, 1e-12);
}

// Published gas densities at 101325 Pa and 20 degC: propane 1.864, ammonia 0.716, carbon
// dioxide 1.84, nitrogen 1.165, hydrogen 0.0838 kg/m3; liquid propane about 500 kg/m3.
TEST_F(MediumPropertySwitchTest, FirstSetGases) {
    EXPECT_NEAR(Switch("C3H8", 101325, 20).density, 1.864, 0.01);
    EXPECT_NEAR(Switch("NH3", 101325, 20).density, 0.716, 0.01);
    EXPECT_NEAR(Switch("CO2", 101325, 20).density, 1.84, 0.02);
    EXPECT_NEAR(Switch("N2", 101325, 20).density, 1.165, 0.01);
    EXPECT_NEAR(Switch("H2", 101325, 20).density, 0.0838, 0.001);

    const SwitchResult liquid = Switch("C3H8V", 1e6, 20);
    EXPECT_NEAR(liquid.density, 500, 10);
    EXPECT_GT(liquid.viscosity, 0.0);
    EXPECT_EQ(liquid.cp, 0.0);
    EXPECT_EQ(liquid.cv, 0.0);
    EXPECT_EQ(liquid.kappa, 0.0);

    const SwitchResult butane = Switch("C4H10", 101325, 20);
    EXPECT_NEAR(butane.density, PropaneDensityPT("C4H10", 101325, 20) * 58.123 / 44.096, 1e-12);
    EXPECT_NEAR(Switch("C5H12", 101325, 20).density, PropaneDensityPT("C5H12", 101325, 20) * 72.15 / 44.096, 1e-12);
    EXPECT_DOUBLE_EQ(butane.cp, PropaneCpPT(101325, 20));

    const SwitchResult ozone = Switch("O3", 101325, 20);
    EXPECT_DOUBLE_EQ(ozone.density, OzoneDensityPT(101325, 20));
    EXPECT_DOUBLE_EQ(ozone.viscosity, CarbonDioxideViscosityPT(101325, 20));
    EXPECT_DOUBLE_EQ(ozone.cp, CarbonDioxideCpPT(101325, 20));
}

// Every gas row with water vapour: its own tables and its own viscosity mixing weight, the
// weight showing in the humid viscosity.
TEST_F(MediumPropertySwitchTest, EachGasRowMixesWithItsOwnWeight) {
    using F = double (*)(double, double);
    struct Row {
        const char* keyword;
        F density, viscosity, cp, cv;
        double densityFactor, weight;
    };
    const F ethane = [](double P, double t) { return 0.001 * 30.069 * P / (0.9901 * 8.3143 * (t + 273.15)); };
    const F propane = [](double P, double t) { return PropaneDensityPT("C3H8", P, t); };
    const F propaneViscosity = [](double P, double t) { return PropaneViscosityPT("C3H8", P, t); };
    const F heliumCp = [](double, double) { return 2.5 * 8314.0 / 4.0026; };
    const F heliumCv = [](double, double) { return 1.5 * 8314.0 / 4.0026; };
    // clang-format off
    const Row rows[] = {
        {"NH3", AmmoniaDensityPT, AmmoniaViscosityPT, AmmoniaCpPT, AmmoniaCvPT, 1.0, 83.113},
        {"C2H6", ethane, MethaneViscosityPT, MethaneCpPT, MethaneCvPT, 1.0, 95.828},
        {"CO", CarbonMonoxideDensityPT, CarbonMonoxideViscosityPT, CarbonMonoxideCpPT,
         CarbonMonoxideCvPT, 1.0, std::sqrt(3722.8091)},
        {"C3H8", propane, propaneViscosity, PropaneCpPT, PropaneCvPT, 1.0, 127.732},
        {"O2", OxygenDensityPT, OxygenViscosityPT, OxygenCpPT, OxygenCvPT, 1.0, 70.4},
        {"AR", ArgonDensityPT, ArgonViscosityPT, ArgonCpPT, ArgonCvPT, 1.0, 77.6},
        {"He", ArgonDensityPT, ArgonViscosityPT, heliumCp, heliumCv, 4.0026 / 39.948, 77.6},
        {"H2", HydrogenDensityPT, HydrogenViscosityPT, HydrogenCpPT, HydrogenCvPT, 1.0, 8.19},
        {"N2", NitrogenDensityPT, NitrogenViscosityPT, NitrogenCpPT, NitrogenCvPT, 1.0, 59.481},
        {"CO2", CarbonDioxideDensityPT, CarbonDioxideViscosityPT, CarbonDioxideCpPT,
         CarbonDioxideCvPT, 1.0, 115.7},
        {"O3", OzoneDensityPT, CarbonDioxideViscosityPT, CarbonDioxideCpPT, CarbonDioxideCvPT,
         1.0, 111.937},
    };
    // clang-format on
    const double P = 3e5, t = 40, rh = 70;
    for (const Row& r : rows) {
        const double rho = r.density(P, t) * r.densityFactor, cpGas = r.cp(P, t), cvGas = r.cv(P, t);
        double density = 0, dry = 0, vapour = 0, mu = 0, kappa = 0, cp = 0, cv = 0, ts = t;
        SteamPropertySet(density, dry, vapour, P, t, ts, rh, rho, r.viscosity(P, t), cpGas, cvGas, cpGas / cvGas,
                         r.weight, r.weight, mu, kappa, cp, cv);
        const SwitchResult s = Switch(r.keyword, P, t, rh);
        EXPECT_NEAR(s.density, density, 1e-12 * density) << r.keyword;
        EXPECT_NEAR(s.vapour, vapour, 1e-12 * vapour) << r.keyword;
        EXPECT_NEAR(s.viscosity, mu, 1e-12 * mu) << r.keyword;
        EXPECT_NEAR(s.cp, cp, 1e-9 * cp) << r.keyword;
        EXPECT_NEAR(s.kappa, kappa, 1e-12) << r.keyword;
        // Dry: the table values themselves.
        const SwitchResult d = Switch(r.keyword, P, t, 0);
        EXPECT_DOUBLE_EQ(d.density, rho) << r.keyword;
        EXPECT_DOUBLE_EQ(d.dry, rho) << r.keyword;
        EXPECT_EQ(d.vapour, 0.0) << r.keyword;
        EXPECT_NEAR(d.viscosity, r.viscosity(P, t), 1e-15) << r.keyword;
        EXPECT_EQ(d.cp, cpGas) << r.keyword;
        EXPECT_EQ(d.cv, cvGas) << r.keyword;
        EXPECT_DOUBLE_EQ(d.kappa, cpGas / cvGas) << r.keyword;
    }
}

TEST_F(MediumPropertySwitchTest, NitrogenSaturationTemperatureAtThePressure) {
    PhaseLetter = 'X';
    const SwitchResult r = Switch("N2", 101325, 20);
    EXPECT_NEAR(r.t, -195.8, 0.3);  // normal boiling point of nitrogen, 77.36 K
    double t = r.t - 0.002, pLow = 0, pHigh = 0, d = 0, h = 0, mu = 0, cp = 0, cv = 0, k = 0;
    NitrogenSaturationStateT(false, 'X', t, pLow, d, h, mu, cp, cv, k);
    t = r.t + 0.002;
    NitrogenSaturationStateT(false, 'X', t, pHigh, d, h, mu, cp, cv, k);
    EXPECT_LT(pLow, 101325);
    EXPECT_GE(pHigh, 101325);
}

// Every keyword and phase letter at ordinary, near-saturation and out-of-table states:
// finite, non-negative outputs, or the system's own error; never NaN, inf or a hang. The
// saturated-liquid states carry no cp or cv, and a table without data answers 0, which
// the callers take as an input error. Water and steam are walked from -100 degC up: the
// formulations give meaningless values far below their range.
TEST_F(MediumPropertySwitchTest, WalkOverEveryMediumAndPhase) {
    // clang-format off
    const std::vector<std::string> keywords = {
        "VAT",  "ANG", "MNG",  "VÄT", "GAS", "IGAS", "LUF", "G",  "NGAS", "OLJA", "C3H8", "C3H8V", "CO2",
        "CO",   "N2",  "O2",   "H2",  "AR",  "O3",   "NH3", "CH4", "C2H6", "C4H10", "C5H12", "He"};
    const std::vector<std::string> noHeatCapacities = {"VAT", "VÄT", "OLJA", "C3H8V", "G"};
    const auto isOneOf = [](const std::string& k, const std::vector<std::string>& list) {
        for (const std::string& x : list)
            if (x == k) return true;
        return false;
    };
    // clang-format on
    struct State {
        double P, t;
        bool ordinary;
    };
    const State states[] = {{101325, 20, true}, {2e6, 100, false}, {101325, -190, false}, {5e7, 900, false},
                            {1e5, -250, false}, {3e5, 150, true},  {1e3, 5, false}};
    OperatingPressure = 101325;
    OperatingTemperature = 20;
    int answered = 0, errors = 0;
    for (const char phase : {'N', 'G', 'V', 'H', 'X'}) {
        for (const std::string& k : keywords) {
            for (const State& s : states) {
                if (isOneOf(k, {"VAT", "ANG", "MNG"}) && s.t < -100) continue;
                for (const double rh : {0.0, 60.0}) {
                    PhaseLetter = phase;
                    UserGasData g;
                    if (k == "OLJA" || k == "VÄT") g.density = 850;
                    SwitchResult r;
                    try {
                        r = Switch(k, s.P, s.t, rh, g, CheckGas());
                    } catch (const CalcError&) {
                        ++errors;
                        continue;
                    }
                    ++answered;
                    const std::string where = k + " " + phase + " P=" + std::to_string(s.P) +
                                              " t=" + std::to_string(s.t) + " rh=" + std::to_string(rh);
                    ASSERT_TRUE(std::isfinite(r.P) && std::isfinite(r.t)) << where;
                    for (double v : {r.density, r.dry, r.vapour, r.viscosity, r.kappa, r.cp, r.cv}) {
                        ASSERT_TRUE(std::isfinite(v)) << where;
                        EXPECT_GE(v, 0.0) << where;
                    }
                    // Liquid propane answers 0 at these gas states: the input-error signal.
                    if (phase == 'N' && s.ordinary && k != "G" && k != "C3H8V") {
                        EXPECT_GT(r.density, 0.0) << where;
                        EXPECT_GT(r.viscosity, 0.0) << where;
                        if (!isOneOf(k, noHeatCapacities)) {
                            EXPECT_GT(r.cp, 0.0) << where;
                            EXPECT_GT(r.cv, 0.0) << where;
                            EXPECT_GT(r.kappa, 0.0) << where;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(answered, 20 * errors);
}

// What an energy balance's trials read: with the vapour's density alone the densities are those of
// the whole state, to the bit, at every trial a walk may make, and where the whole state raises
// (at and below absolute zero) so does the density alone; the vapour's heat capacities and
// viscosity are left out. A liquefied gas on the line page is the gas of its tables either way.
TEST_F(MediumPropertySwitchTest, VapourDensityAloneGivesTheWholeStatesDensitiesAndRaisesWhereItRaises) {
    struct Case {
        const char* keyword;
        double P, t, rh;
        const char* function;
    } const cases[] = {
        {"LUF", 5e5, 20, 50, "Termo"},         {"LUF", 237.5e5, 350, 100, "Tryckf"},
        {"N2", 275e5, 362.5, 100, "Tryckf"},   {"NH3", 5e5, 20, 50, "Tryckf"},
        {"CH4", 20e5, 100, 80, "Termo"},       {"AR", 8.6e5, 185.45, 100, "Tryckf"},
        {"O2", 5e5, -190, 0, "Tryckf"},        {"CO2", 237.5e5, 350, 100, "Tryckf"},
        {"ANG", 1555e3, 200, 0, "Termo"},      {"AR", 8.6e5, -398.1, 100, "Tryckf"},
        {"AR", 8.6e5, -273.15, 100, "Tryckf"}, {"AR", 8.6e5, -273.1, 100, "Tryckf"},
        {"LUF", 5e5, -273.16, 50, "Tryckf"},   {"LUF", 5e5, -273.14, 50, "Tryckf"},
    };
    for (const Case& c : cases) {
        CalcFunction = c.function;
        const std::string what = std::string(c.keyword) + " " + std::to_string(c.t);
        bool wholeRaises = false, aloneRaises = false;
        SwitchResult whole, alone;
        try {
            whole = Switch(c.keyword, c.P, c.t, c.rh);
        } catch (const CalcError&) {
            wholeRaises = true;
        }
        {
            const VapourDensityAlone densities;
            EXPECT_TRUE(VapourDensityOnly());
            try {
                alone = Switch(c.keyword, c.P, c.t, c.rh);
            } catch (const CalcError&) {
                aloneRaises = true;
            }
        }
        EXPECT_FALSE(VapourDensityOnly());
        ASSERT_EQ(aloneRaises, wholeRaises) << what;
        if (wholeRaises) continue;
        EXPECT_EQ(alone.density, whole.density) << what;
        EXPECT_EQ(alone.dry, whole.dry) << what;
        EXPECT_EQ(alone.vapour, whole.vapour) << what;
        EXPECT_GT(whole.cp, 0.0) << what;
        if (c.rh > 0 || std::string(c.keyword) == "ANG") {
            EXPECT_EQ(alone.cp, 0.0) << what;
        }
    }
    // Both sides of absolute zero are rows: humid air raises at it and computes just above it.
    CalcFunction = "Tryckf";
    EXPECT_THROW(Switch("LUF", 5e5, -273.15, 50), CalcError);
    EXPECT_NO_THROW(Switch("LUF", 5e5, -273.14, 50));
}

}  // namespace
}  // namespace tubalyx
