#include <gtest/gtest.h>

#include <string>

#include "media/natural_gas.h"
#include "numerics/decimal_separator.h"
#include "state/composition.h"
#include "ui/form1.h"

using namespace tubalyx;

namespace {
GasCompositionArray Pure(int component) {
    GasCompositionArray x{};
    x[component] = 1.0;
    return x;
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
}  // namespace

// Check values of the method's published reference code.
TEST(GasCompressibilityDetailed, AgreesWithPublishedCheckValues) {
    double z = 0;
    GasCompressibilityDetailed(Pure(1), z, 6000e3, 300 - 273.15);
    EXPECT_NEAR(z, 0.904928, 1e-6);
    GasCompressibilityDetailed(CheckGas(), z, 5000e3, 15.0);
    EXPECT_NEAR(z, 0.889291, 1e-6);
    GasCompressibilityDetailed(CheckGas(), z, 101.325e3, 0.0);
    EXPECT_NEAR(z, 0.997262, 1e-6);
}

TEST(GasCompressibilityDetailed, MethaneAtReferenceState) {
    double z = 0;
    double rho = GasCompressibilityDetailed(Pure(1), z, 101325, 15);
    EXPECT_LT(z, 1.0);
    EXPECT_GT(z, 0.99);
    EXPECT_NEAR(rho, 0.68, 0.005);
    // rho = p M / (Z R T)
    EXPECT_NEAR(rho, 101325 * 16.043e-3 / (z * 8.31451 * 288.15), 1e-6 * rho);
    EXPECT_DOUBLE_EQ(DetailedGasDensity, rho);
}

TEST(GasCompressibilityDetailed, PercentEqualsFractions) {
    GasCompositionArray percent = CheckGas();
    for (double& v : percent) v *= 100;
    double z1 = 0, z2 = 0;
    double r1 = GasCompressibilityDetailed(CheckGas(), z1, 5000e3, 15);
    double r2 = GasCompressibilityDetailed(percent, z2, 5000e3, 15);
    EXPECT_NEAR(z1, z2, 1e-12);
    EXPECT_NEAR(r1, r2, 1e-9);
}

TEST(GasCompressibilityDetailed, FailuresGiveZero) {
    double z = 5;
    EXPECT_EQ(GasCompressibilityDetailed(GasCompositionArray{}, z, 101325, 15), 0.0);
    EXPECT_EQ(z, 0.0);
    z = 5;
    EXPECT_EQ(GasCompressibilityDetailed(Pure(1), z, 0.0, 15), 0.0);
    EXPECT_EQ(z, 0.0);
}

// Negative mol % can give a negative mean molar mass: no density rather than a negative one.
TEST(GasCompressibilityDetailed, NegativeMolarMassGivesZero) {
    GasCompositionArray x{};
    x[3] = -0.3;  // carbon dioxide
    x[8] = 0.6;   // hydrogen
    double z = 5;
    EXPECT_EQ(GasCompressibilityDetailed(x, z, 101325, 15), 0.0);
    EXPECT_EQ(z, 0.0);
}

// A large divisor left by an earlier call must not spoil the next one.
TEST(GasCompressibilityDetailed, EarlierCallsDoNotChangeTheAnswer) {
    double zFresh = 0, z = 0;
    const double fresh = GasCompressibilityDetailed(CheckGas(), zFresh, 5000e3, 15);
    for (double divisor : {0.0, 1.0, 3.0, 64.0, 99.0, 1e6}) {
        DensityDampingDivisor = divisor;
        EXPECT_NEAR(GasCompressibilityDetailed(CheckGas(), z, 5000e3, 15), fresh, 1e-6 * fresh) << divisor;
        EXPECT_NEAR(z, zFresh, 1e-6);
    }
    GasCompressibilityDetailed(Pure(1), z, 20000e3, -20);
    EXPECT_NEAR(GasCompressibilityDetailed(CheckGas(), z, 5000e3, 15), fresh, 1e-6 * fresh);
}

// A dense, cold state drives the divisor up (to 16 here); an ordinary state right after it
// must still converge to the answer of a fresh call.
TEST(GasCompressibilityDetailed, OrdinaryStateAfterADenseOne) {
    GasCompositionArray rich{};
    rich[1] = 0.80;
    rich[3] = 0.05;
    rich[4] = 0.10;
    rich[5] = 0.05;
    double z = 0, zFresh = 0;
    DensityDampingDivisor = 0.0;
    const double fresh = GasCompressibilityDetailed(rich, zFresh, 5000e3, 15);
    ASSERT_GT(fresh, 0.0);
    const double dense = GasCompressibilityDetailed(rich, z, 12.9746e6, -80);
    EXPECT_GT(dense, 350.0);  // liquid-like
    EXPECT_GE(DensityDampingDivisor, 8.0);
    EXPECT_NEAR(GasCompressibilityDetailed(rich, z, 5000e3, 15), fresh, 1e-6 * fresh);
    EXPECT_NEAR(z, zFresh, 1e-6);
}

TEST(GasCompressibilityDetailed, ZeroCompositionDoesNotIterate) {
    DensityDampingDivisor = 7.0;
    DetailedGasDensity = 3.5;
    double z = 1;
    GasCompositionArray negative{};
    negative[1] = -1.0;
    EXPECT_EQ(GasCompressibilityDetailed(GasCompositionArray{}, z, 101325, 15), 0.0);
    EXPECT_EQ(GasCompressibilityDetailed(negative, z, 101325, 15), 0.0);
    EXPECT_EQ(z, 0.0);
    EXPECT_EQ(DensityDampingDivisor, 7.0);
    EXPECT_EQ(DetailedGasDensity, 3.5);
}

// The caller's composition stays as it was: the routine normalises its own copy.
TEST(GasCompressibilityDetailed, CallerCompositionIsNotNormalised) {
    GasCompositionArray percent{};
    percent[1] = 90;
    percent[2] = 10;
    double z = 0;
    GasCompressibilityDetailed(percent, z, 101325, 0);
    EXPECT_EQ(percent[1], 90.0);
    EXPECT_EQ(percent[2], 10.0);
}

TEST(ReadGasComposition, GridRowsLandOnTheirComponents) {
    SetDecimalSeparator(',');
    TStringGrid& grid = Form1().ViktVolprocGrid;
    GasComposition[7] = 0.3;  // left from an earlier analysis: must be cleared
    grid.SetCell(5, 2, "12,5");
    grid.SetCell(5, 5, "1");   // butanes -> isobutane
    grid.SetCell(5, 11, "2");  // water
    grid.SetCell(5, 7, "abc");
    ReadGasComposition();
    EXPECT_DOUBLE_EQ(GasComposition[1], 0.125);
    EXPECT_DOUBLE_EQ(NaturalGasMethane, 0.125);
    EXPECT_DOUBLE_EQ(GasComposition[11], 0.01);
    EXPECT_EQ(GasComposition[12], 0.0);
    EXPECT_DOUBLE_EQ(GasComposition[6], 0.02);
    EXPECT_EQ(GasComposition[2], 0.0);
    EXPECT_EQ(GasComposition[7], 0.0);
    for (int r = 2; r <= 11; ++r) grid.SetCell(5, r, "");
    ReadGasComposition();
    for (int i = 1; i <= 21; ++i) EXPECT_EQ(GasComposition[i], 0.0);
    SetDecimalSeparator('.');
}

// Every grid row on its component and its per-row fraction; the rest of the 21 stay 0.
TEST(ReadGasComposition, WholeRowMap) {
    SetDecimalSeparator('.');
    TStringGrid& grid = Form1().ViktVolprocGrid;
    const int component[10] = {1, 4, 5, 11, 13, 2, 3, 8, 9, 6};
    double* const fraction[10] = {&NaturalGasMethane,       &NaturalGasEthane,   &NaturalGasPropane,
                                  &NaturalGasButanes,       &NaturalGasPentanes, &NaturalGasNitrogen,
                                  &NaturalGasCarbonDioxide, &NaturalGasHydrogen, &NaturalGasCarbonMonoxide,
                                  &NaturalGasWater};
    GasComposition.fill(0.7);
    for (int r = 0; r < 10; ++r) grid.SetCell(5, r + 2, std::to_string(r + 1) + ".5");
    grid.SetCell(5, 12, "99");  // the sums row is not a component
    ReadGasComposition();
    for (int r = 0; r < 10; ++r) {
        EXPECT_DOUBLE_EQ(GasComposition[component[r]], (r + 1.5) * 0.01) << r;
        EXPECT_DOUBLE_EQ(*fraction[r], (r + 1.5) * 0.01) << r;
    }
    for (int i : {7, 10, 12, 14, 15, 16, 17, 18, 19, 20, 21}) EXPECT_EQ(GasComposition[i], 0.0) << i;
    grid.SetCell(5, 3, "-4");  // taken as typed
    ReadGasComposition();
    EXPECT_DOUBLE_EQ(GasComposition[4], -0.04);
    for (int r = 2; r <= 12; ++r) grid.SetCell(5, r, "");
}
