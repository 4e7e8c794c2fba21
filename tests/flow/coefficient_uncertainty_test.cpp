// Coefficient uncertainties and the installation correction factors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "flow/coefficient_uncertainty.h"
#include "flow/installation_factors.h"
#include "flow_test_support.h"
#include "numerics/checked.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

using flowtest::SelectDevice;

struct U {
    double eps, c;
};

U Uncertainty(const char* dev, const char* var, const char* medium, const char* std, double beta, double re,
              double bigD = 0.2, double p = 1e5, double dp = 1e4, double kappa = 1.4) {
    U u{-1, -1};
    CoefficientUncertainty(dev, var, medium, std, p, beta, dp, re, kappa, bigD, u.eps, u.c);
    return u;
}

TEST(CoefficientUncertainty, OrificeByStandard) {
    PhaseLetter = 'N';
    const U small = Uncertainty("S", "R", "LUF", "3", 0.65, 5000.0, 0.05);
    EXPECT_NEAR(small.c, 1.667 * 0.65 - 0.5 + 0.9 * 0.1 * (2.8 - 50 / 25.4) + 0.5, 1e-14);
    EXPECT_NEAR(small.eps, 3.5 * 1e4 / (1.4 * 1e5), 1e-15);
    EXPECT_NEAR(Uncertainty("S", "R", "LUF", "3", 0.15, 1e5).c, 0.55, 1e-15);
    EXPECT_NEAR(Uncertainty("S", "R", "LUF", "3", 0.4, 1e5).c, 0.5, 1e-15);
    EXPECT_NEAR(Uncertainty("S", "R", "LUF", "I", 0.4, 1e5).c, 0.5, 1e-15);
    EXPECT_NEAR(Uncertainty("S", "R", "LUF", "I", 0.7, 1e5).c, 1.667 * 0.7 - 0.5, 1e-15);
    EXPECT_NEAR(Uncertainty("S", "R", "LUF", "D", 0.7, 1e5).c, 0.7, 1e-15);
    EXPECT_NEAR(Uncertainty("S", "R", "LUF", "D", 0.5, 1e5).c, 0.6, 1e-15);
    EXPECT_EQ(Uncertainty("S", "R", "VAT", "3", 0.5, 1e5).eps, 0.0);
}

TEST(CoefficientUncertainty, NozzlesConesAndOthers) {
    PhaseLetter = 'N';
    const double b = 0.7, b4 = std::pow(b, 4);
    const U cone = Uncertainty("VCONE", "", "LUF", "3", 0.6, 1e5);
    EXPECT_EQ(cone.eps, 0.0);
    EXPECT_EQ(cone.c, 0.5);
    EXPECT_EQ(Uncertainty("VK", "", "LUF", "3", b, 4000.0).c, 2.0);
    EXPECT_EQ(Uncertainty("VK", "", "LUF", "3", b, 4001.0).c, 1.5);
    EXPECT_NEAR(Uncertainty("VK", "", "LUF", "3", b, 4001.0).eps, 0.5, 1e-15);
    EXPECT_NEAR(Uncertainty("D", "", "LUF", "3", b, 1e5).c, 2 * b - 0.4, 1e-15);
    EXPECT_EQ(Uncertainty("D", "", "LUF", "3", 0.6, 1e5).c, 0.8);
    EXPECT_NEAR(Uncertainty("D", "", "LUF", "3", 0.6, 1e5).eps, 0.2, 1e-15);
    EXPECT_EQ(Uncertainty("DL", "", "LUF", "3", b, 1e5).c, 2.0);
    EXPECT_NEAR(Uncertainty("KV", "", "LUF", "3", b, 1e5).c, 1.2 + 1.5 * b4, 1e-15);
    EXPECT_NEAR(Uncertainty("KV", "", "LUF", "3", b, 1e5).eps, (4 + 100 * b4 * b4) * 0.1, 1e-14);
    EXPECT_NEAR(Uncertainty("SM", "", "LUF", "3", b, 1e5).c, 1.2 + 3 * b4, 1e-15);
    EXPECT_NEAR(Uncertainty("SM", "", "LUF", "3", b, 1e5).eps, 0.8, 1e-15);
    const U other = Uncertainty("VOLYM", "", "LUF", "3", b, 1e5);
    EXPECT_EQ(other.eps, 0.0);
    EXPECT_EQ(other.c, 0.0);
}

TEST(CoefficientUncertainty, VenturiTables) {
    PhaseLetter = 'N';
    EXPECT_NEAR(Uncertainty("V", "BG", "VAT", "3", 0.5, 4e6).c, 3.0, 1e-15);
    EXPECT_NEAR(Uncertainty("V", "BG", "VAT", "3", 0.5, 7.5e5).c, 1.5, 1e-12);
    EXPECT_NEAR(Uncertainty("V", "SV", "VAT", "3", 0.5, 5e4).c, 2.75, 1e-12);
    EXPECT_NEAR(Uncertainty("V", "SV", "VAT", "3", 0.5, 1.05e6).c, 2.25, 1e-12);
    EXPECT_NEAR(Uncertainty("V", "OG", "VAT", "3", 0.5, 1.075e6).c, 0.85, 1e-12);
    EXPECT_NEAR(Uncertainty("V", "OG", "VAT", "3", 0.5, 1.25e5).c, 1.25, 1e-12);
    // Below the first point the first segment continues: growing as ReD falls.
    EXPECT_NEAR(Uncertainty("V", "SV", "VAT", "3", 0.5, 2e4).c, 3.5, 1e-12);
    EXPECT_NEAR(Uncertainty("V", "OG", "VAT", "3", 0.5, 3e4).c, 2.75, 1e-12);
    EXPECT_NEAR(Uncertainty("V", "SV", "VAT", "3", 0.5, 5e6).c, 2.0, 1e-15);
    const double b8 = std::pow(0.5, 8);
    EXPECT_NEAR(Uncertainty("V", "SV", "LUF", "3", 0.5, 5e6).eps, (4 + 100 * b8) * 0.1, 1e-14);
}

void Roughness(double bigD, double k, double qm, double& br, double& pct, double& a) {
    RoughnessCorrectionFactor(bigD, k, qm, br, pct, a);
}

TEST(RoughnessCorrection, SmoothPipeAndLowReynolds) {
    SelectDevice("S", "F");
    double br = 0, pct = -1, a = -1;
    Roughness(0.1, 0.0, 1.0, br, pct, a);
    EXPECT_EQ(br, 1.0);
    EXPECT_EQ(pct, 0.0);
    EXPECT_EQ(a, 0.0);
    DynamicViscosityPas = 1e-3;
    PipeDiameterColdM = 0.1;
    BoreDiameter = 0.06;
    const double qm5000 = 5000.0 * std::numbers::pi * 0.1 * 1e-3 / 4;
    Roughness(0.1, 1e-4, qm5000, br, pct, a);
    EXPECT_EQ(br, 1.0);
    EXPECT_NEAR(a, 7.0 * 1.0 - 4.0, 1e-14);  // L = log10(1e4 * 1e-4 / 0.1) = 1
}

TEST(RoughnessCorrection, PolynomialsAndReynoldsRanges) {
    DynamicViscosityPas = 1e-3;
    PipeDiameterColdM = 0.1;
    BoreDiameter = 0.06;
    const double b4 = std::pow(0.6, 4);
    const double qm1e5 = 1e5 * std::numbers::pi * 0.1 * 1e-3 / 4;
    const double qm1e7 = 1e7 * std::numbers::pi * 0.1 * 1e-3 / 4;
    double br = 0, pct = 0, a = 0;
    SelectDevice("S", "F");
    Roughness(0.1, 1e-4, qm1e7, br, pct, a);
    EXPECT_NEAR(br, 1 + 0.01 * 3.0 * b4, 1e-14);
    EXPECT_NEAR(pct, 3.0 * b4, 1e-11);
    Roughness(0.1, 1e-4, qm1e5, br, pct, a);
    EXPECT_NEAR(br, 1 + 0.01 * 3.0 * b4 * (1 - 0.25), 1e-12);
    SelectDevice("S", "R");
    Roughness(0.1, 1e-4, qm1e7, br, pct, a);
    EXPECT_NEAR(a, 10.3 - 5.9 + 2.8 - 4.4, 1e-14);
    SelectDevice("KV", "");
    Roughness(0.1, 1e-4, qm1e7, br, pct, a);
    EXPECT_NEAR(a, 15.9 - 13.9 + 5.3 - 5.5, 1e-14);
    SelectDevice("V", "SV");
    Roughness(0.1, 1e-4, qm1e7, br, pct, a);
    EXPECT_EQ(br, 1.0);
    EXPECT_EQ(a, 0.0);
    // A negative polynomial is cut to 0 and leaves br = 1.
    SelectDevice("S", "F");
    Roughness(0.1, 1e-6, qm1e7, br, pct, a);  // L = -1
    EXPECT_EQ(a, 0.0);
    EXPECT_EQ(br, 1.0);
    EXPECT_THROW(Roughness(0.0, 1e-4, 1.0, br, pct, a), CalcError);
}

TEST(BendCorrection, FactorAndDomain) {
    double f = 0;
    BendCorrectionFactor(0.0, 0.1, 0.5, f);
    const double raw = 0.997 + std::log(0.8587) * std::pow(0.5, 5);
    EXPECT_NEAR(f, (raw + 1) / 2, 1e-15);
    EXPECT_LT(f, 1.0);
    BendCorrectionFactor(2.0, 0.1, 0.2, f);  // r = 20: a > 1, capped
    EXPECT_EQ(f, 1.0);
    EXPECT_THROW(BendCorrectionFactor(13.0, 0.1, 0.5, f), CalcError);  // r = 130: b < 0
}

TEST(CoefficientUncertainty, VenturiBreakpointsAndEnds) {
    PhaseLetter = 'N';
    const struct {
        const char* variant;
        double re, u;
    } points[] = {{"SV", 4e4, 3.0},   {"SV", 6e4, 2.5},  {"SV", 1e5, 2.5},   {"SV", 2e6, 2.0},   {"SV", 8e4, 2.5},
                  {"OG", 4e4, 2.5},   {"OG", 6e4, 2.0},  {"OG", 1e5, 1.5},   {"OG", 1.5e5, 1.0}, {"OG", 2e6, 0.7},
                  {"OG", 5e6, 0.7},   {"OG", 8e4, 1.75}, {"BG", 5e4, 3.0},   {"BG", 1e5, 2.5},   {"BG", 2e5, 2.5},
                  {"BG", 3e5, 1.5},   {"BG", 5e5, 1.0},  {"BG", 1e6, 2.0},   {"BG", 2e6, 3.0},   {"BG", 1.5e6, 2.5},
                  {"BG", 2.5e5, 2.0}, {"BG", 4e4, 3.1},  {"BG", 7.5e4, 2.75}};
    for (const auto& pt : points)
        EXPECT_NEAR(Uncertainty("V", pt.variant, "VAT", "3", 0.5, pt.re).c, pt.u, 1e-12)
            << pt.variant << " ReD " << pt.re;
    // The long segments run on the fixed slopes.
    EXPECT_NEAR(Uncertainty("V", "OG", "VAT", "3", 0.5, 1e6).c, 1.0 - 8.5e5 * 0.3 * 5.405405405405406e-7, 1e-14);
    EXPECT_NEAR(Uncertainty("V", "SV", "VAT", "3", 0.5, 1e6).c, 2.5 - 9e5 * 0.5 * 5.263157894736842e-7, 1e-14);
    // A liquid has no expansibility uncertainty.
    EXPECT_EQ(Uncertainty("V", "BG", "VAT", "3", 0.5, 1e6).eps, 0.0);
}

TEST(CoefficientUncertainty, OrificeBounds) {
    PhaseLetter = 'N';
    for (const char* standard : {"3", "I"})
        EXPECT_EQ(Uncertainty("S", "F", "VAT", standard, 0.6, 1e5).c, 0.5) << standard;
    EXPECT_NEAR(Uncertainty("S", "F", "VAT", "3", 0.2, 1e5).c, 0.5, 1e-15);
    EXPECT_NEAR(Uncertainty("S", "F", "VAT", "3", 0.7, 1e5).c, 1.667 * 0.7 - 0.5, 1e-15);
    EXPECT_EQ(Uncertainty("S", "F", "VAT", "D", 0.6, 1e5).c, 0.6);
    // The low-Reynolds addition needs beta above 0.5 and ReD below 10000.
    EXPECT_EQ(Uncertainty("S", "F", "VAT", "3", 0.5, 5000.0).c, 0.5);
    EXPECT_EQ(Uncertainty("S", "F", "VAT", "3", 0.55, 10000.0).c, 0.5);
    EXPECT_EQ(Uncertainty("S", "F", "VAT", "3", 0.55, 9999.0).c, 1.0);
    EXPECT_EQ(Uncertainty("S", "F", "VAT", "I", 0.55, 5000.0).c, 0.5);
    // The small-pipe addition below 71.12 mm.
    EXPECT_EQ(Uncertainty("S", "F", "VAT", "3", 0.4, 1e5, 0.0712).c, 0.5);
    EXPECT_NEAR(Uncertainty("S", "F", "VAT", "3", 0.4, 1e5, 0.0254).c, 0.5 + 0.9 * 0.35 * 1.8, 1e-14);
    const U wafer = Uncertainty("VCONEWAFER", "", "LUF", "3", 0.6, 1e5);
    EXPECT_EQ(wafer.eps, 0.0);
    EXPECT_EQ(wafer.c, 0.5);
    EXPECT_NEAR(Uncertainty("DL", "", "LUF", "3", 0.5, 1e5).eps, 0.2, 1e-15);
    EXPECT_NEAR(Uncertainty("V", "OG", "LUF", "3", 0.5, 1e5, 0.2, 2e5, 1e4).eps, (4 + 100.0 / 256) * 0.05, 1e-14);
}

TEST(RoughnessCorrection, RelativeRoughnessOnTheColdPipe) {
    // The relative roughness is taken on the cold pipe; beta on the D given.
    SelectDevice("S", "F");
    DynamicViscosityPas = 1e-3;
    PipeDiameterColdM = 0.1;
    BoreDiameter = 0.06;
    const double hot = 0.1004;
    const double qm = 1e7 * std::numbers::pi * hot * 1e-3 / 4;
    double br = 0, pct = 0, a = 0;
    RoughnessCorrectionFactor(hot, 1e-4, qm, br, pct, a);
    EXPECT_NEAR(a, 3.0, 1e-14);
    const double b4 = std::pow(0.06 / hot, 4);
    EXPECT_NEAR(br, 1 + 0.03 * b4, 1e-15);
    EXPECT_NEAR(pct, 3.0 * b4, 1e-11);
}

TEST(RoughnessCorrection, PolynomialOfEveryDeviceFamily) {
    DynamicViscosityPas = 1e-3;
    PipeDiameterColdM = 0.1;
    BoreDiameter = 0.05;
    const double qm = 1e7 * std::numbers::pi * 0.1 * 1e-3 / 4;
    const double l = std::log10(3.0);  // k = 3e-5 m on 0.1 m
    const double nozzle = 15.9 * l - 13.9 * l * l + 5.3 * l * l * l - 5.5;
    const double corner = 10.3 * l - 5.9 * l * l + 2.8 * l * l * l - 4.4;
    const struct {
        const char* device;
        const char* variant;
        double a;
    } cases[] = {{"D", "", nozzle},  {"DL", "", nozzle},    {"KV", "", nozzle}, {"SM", "", corner},
                 {"S", "R", corner}, {"S", "D", 7 * l - 4}, {"VK", "", 0.0},    {"VCONE", "", 0.0}};
    for (const auto& c : cases) {
        SelectDevice(c.device, c.variant);
        double br = 0, pct = 0, a = -1;
        RoughnessCorrectionFactor(0.1, 3e-5, qm, br, pct, a);
        const double clipped = c.a < 0 ? 0.0 : c.a;
        EXPECT_NEAR(a, clipped, 1e-13) << c.device << c.variant;
        EXPECT_NEAR(br, 1 + 0.01 * clipped * 0.0625, 1e-15) << c.device << c.variant;
        EXPECT_NEAR(pct, std::fabs(br - 1) * 100, 1e-15) << c.device << c.variant;
    }
    // Just at ReD = 1e4 the transition term vanishes, so br = 1 either way.
    SelectDevice("S", "D");
    double br = 0, pct = 0, a = 0;
    RoughnessCorrectionFactor(0.1, 1e-4, 1e4 * std::numbers::pi * 0.1 * 1e-3 / 4, br, pct, a);
    EXPECT_NEAR(br, 1.0, 1e-15);
    RoughnessCorrectionFactor(0.1, 1e-14, qm, br, pct, a);
    EXPECT_EQ(br, 1.0);
    EXPECT_EQ(a, 0.0);
}

TEST(BendCorrection, PolynomialsInTheStraightLength) {
    double f = 0;
    BendCorrectionFactor(1.0, 0.1, 0.7, f);  // r = 10
    const double a = 0.997 + 0.0047 - 9e-4, b = 0.8587 + 0.0815 - 0.0126;
    EXPECT_NEAR(f, (std::min(a + std::log(b) * std::pow(0.7, 5), 1.0) + 1) / 2, 1e-15);
    EXPECT_LT(f, 1.0);
    BendCorrectionFactor(0.0, 0.1, 0.0, f);  // beta 0: f = a = 0.997
    EXPECT_NEAR(f, (0.997 + 1) / 2, 1e-15);
    EXPECT_THROW(BendCorrectionFactor(1.0, 0.0, 0.5, f), CalcError);
}

}  // namespace
}  // namespace tubalyx
