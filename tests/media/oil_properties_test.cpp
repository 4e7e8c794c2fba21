#include "media/oil_properties.h"

#include <gtest/gtest.h>

#include <cmath>

#include "media/medium_property_switch.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/report_format.h"
#include "state/medium.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

struct OilResult {
    double density = -1.0, viscosity = -1.0;
};

OilResult Oil(double t, double nu40, double nu100, double rho15, const char* unit = "cSt") {
    OilResult r;
    OilProperties(unit, r.density, r.viscosity, t, nu40, nu100, rho15);
    return r;
}

class OilPropertiesTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        Form1().rbg.SetText("850");
    }
    void TearDown() override { SetDecimalSeparator('.'); }
};

TEST_F(OilPropertiesTest, DensityClassBoundsBelongToTheLowerClass) {
    EXPECT_EQ(OilDensityClass(0.604), 1);
    EXPECT_EQ(OilDensityClass(0.6049), 1);
    EXPECT_EQ(OilDensityClass(0.606), 2);
    EXPECT_EQ(OilDensityClass(0.85), 21);
    EXPECT_EQ(OilDensityClass(1.0742), 24);
    EXPECT_EQ(OilDensityClass(1.1), 25);
    EXPECT_DOUBLE_EQ(OilDensityCoefficient(1), 0.00103);
    EXPECT_DOUBLE_EQ(OilDensityCoefficient(21), 0.00067);
    EXPECT_DOUBLE_EQ(OilDensityCoefficient(25), 0.00059);
    EXPECT_STREQ(OilDensityClassText(8), "+(15-T[C])*0,90");
    EXPECT_STREQ(OilDensityClassText(25), "+(15-T[C])*0,59");
}

TEST_F(OilPropertiesTest, DensityAt15EqualsTheGivenDensityInEveryClass) {
    for (double rho15 : {500.0, 604.0, 606.0, 700.0, 800.0, 850.0, 950.0, 1050.0, 1100.0})
        EXPECT_NEAR(Oil(15.0, 100, 10, rho15).density, rho15, 1e-9) << rho15;
}

TEST_F(OilPropertiesTest, TemperatureCorrectionAndFormulaTexts) {
    const OilResult r = Oil(25.0, 100, 10, 850);
    EXPECT_NEAR(r.density, 843.3, 1e-9);
    EXPECT_EQ(OilDensityFormulaText, "r[kg/m3]:=850+(15-T[C])*0,67");
    EXPECT_EQ(OilDensityFactorText, "fdens:=sqrt(r[kg/m3]/" + FormatFixed(843.3, 5) + ")");
    EXPECT_NE(OilDensityFactorText.find("843,3"), std::string::npos) << OilDensityFactorText;
    EXPECT_EQ(OilViscosityHeadText, "dynvisk[Pas]:=r[kg/m3]/1000000");
    EXPECT_EQ(OilViscosityTailText, "*(" + OilViscosityLawText + ")");
    // Class 1 cools the most per kelvin.
    EXPECT_NEAR(Oil(-5.0, 100, 10, 600).density, 600 + 20 * 1.03, 1e-9);
    // A text that is no number still goes into the formula as typed.
    Form1().rbg.SetText("abc");
    Oil(25.0, 100, 10, 850);
    EXPECT_EQ(OilDensityFormulaText, "r[kg/m3]:=abc+(15-T[C])*0,67");
}

TEST_F(OilPropertiesTest, ViscosityPassesThroughBothGivenPoints) {
    const OilResult at40 = Oil(40.0, 100, 10, 850);
    EXPECT_NEAR(at40.viscosity, 100 * at40.density * 1e-6, 1e-12);
    EXPECT_NEAR(OilViscosity40Dynamic, 100 * at40.density, 1e-6);
    EXPECT_EQ(ParsedUnitKind, "kinvisk");
    const OilResult at100 = Oil(100.0, 100, 10, 850);
    EXPECT_NEAR(at100.viscosity, 10 * at100.density * 1e-6, 1e-10);
    // Falls with temperature in between.
    const OilResult at70 = Oil(70.0, 100, 10, 850);
    EXPECT_LT(at70.viscosity, at40.viscosity);
    EXPECT_GT(at70.viscosity, at100.viscosity);
}

TEST_F(OilPropertiesTest, LawCoefficientsInTheLawText) {
    Oil(40.0, 100, 10, 850);
    // B = (lnln 100.8 - lnln 10.8) / (ln 313.15 - ln 373.15) = -3.776, A = 23.23.
    const double b = (std::log(std::log(100.8)) - std::log(std::log(10.8))) / (std::log(313.15) - std::log(373.15));
    const double a = std::log(std::log(100.8)) - b * std::log(313.15);
    EXPECT_NEAR(b, -3.78, 0.005);
    EXPECT_NEAR(a, 23.23, 0.005);
    EXPECT_EQ(OilViscosityLawText,
              "exp(exp(" + FormatFixed(b, 10) + "*ln(T[C]+273,15)+" + FormatFixed(a, 10) + "))-0,8");
    EXPECT_NE(OilViscosityLawText.find("-3,7"), std::string::npos) << OilViscosityLawText;
    EXPECT_NE(OilViscosityLawText.find("23,2"), std::string::npos) << OilViscosityLawText;
    SetDecimalSeparator('.');
    Oil(40.0, 100, 10, 850);
    EXPECT_NE(OilViscosityLawText.find("-3.7"), std::string::npos) << OilViscosityLawText;
    EXPECT_NE(OilViscosityLawText.find("23.2"), std::string::npos) << OilViscosityLawText;
    EXPECT_NE(OilViscosityLawText.find("273,15"), std::string::npos);
}

TEST_F(OilPropertiesTest, DynamicUnitNeedsNoDensity) {
    const OilResult r = Oil(40.0, 50, 8, 850, "cP");
    EXPECT_NEAR(r.viscosity, 0.05, 1e-12);  // 50 cP = 0.05 Pa s
    EXPECT_EQ(ParsedUnitKind, "dynvisk");
}

TEST_F(OilPropertiesTest, EqualViscositiesGiveATemperatureIndependentLaw) {
    const OilResult cold = Oil(0.0, 30, 30, 850, "cP");
    const OilResult hot = Oil(90.0, 30, 30, 850, "cP");
    EXPECT_NEAR(cold.viscosity, 0.03, 1e-12);
    EXPECT_NEAR(hot.viscosity, 0.03, 1e-12);
}

TEST_F(OilPropertiesTest, ViscosityAtOrBelowPointTwoRaisesAfterTheDensity) {
    for (double bad : {0.2, 0.1, 0.0, -5.0}) {
        OilResult r;
        EXPECT_THROW(OilProperties("cSt", r.density, r.viscosity, 25.0, bad, 10, 850), CalcError);
        EXPECT_NEAR(r.density, 843.3, 1e-9);
        EXPECT_EQ(r.viscosity, -1.0);
        r = OilResult{};
        EXPECT_THROW(OilProperties("cSt", r.density, r.viscosity, 25.0, 100, bad, 850), CalcError);
        EXPECT_EQ(r.viscosity, -1.0);
    }
}

}  // namespace
}  // namespace tubalyx
