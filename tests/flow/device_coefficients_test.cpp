// Discharge coefficients, expansibility and Reynolds number against the ISO 5167
// equations as published, written out here independently with std::pow.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "flow/device_coefficients.h"
#include "flow/discharge_coefficient.h"
#include "flow/expansibility.h"
#include "flow/reynolds.h"
#include "flow_test_support.h"
#include "numerics/checked.h"
#include "state/geometry.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

using flowtest::kAllDevices;
using flowtest::SelectDevice;

struct Result {
    double c, e, eps, beta, re;
};

Result Coeffs(const char* medium, const char* device, const char* variant, const char* standard, double p, double qm,
              double dp, double d, double bigD, double mu = 1.85e-5, double kappa = 1.4) {
    Result r{};
    DeviceCoefficients(medium, device, variant, standard, p, qm, dp, d, bigD, 1.0, mu, kappa, r.c, r.e, r.eps, r.beta,
                       r.re);
    return r;
}

// ISO 5167-2:2003 equation (4), with the small-pipe term for D < 71.12 mm.
double IsoOrificeC(double b, double re, double l1, double l2, double dMm) {
    const double a = std::pow(19000.0 * b / re, 0.8);
    const double m2 = 2.0 * l2 / (1.0 - b);
    double c = 0.5961 + 0.0261 * b * b - 0.216 * std::pow(b, 8) + 0.000521 * std::pow(1e6 * b / re, 0.7) +
               (0.0188 + 0.0063 * a) * std::pow(b, 3.5) * std::pow(1e6 / re, 0.3) +
               (0.043 + 0.080 * std::exp(-10.0 * l1) - 0.123 * std::exp(-7.0 * l1)) * (1.0 - 0.11 * a) *
                   std::pow(b, 4) / (1.0 - std::pow(b, 4)) -
               0.031 * (m2 - 0.8 * std::pow(m2, 1.1)) * std::pow(b, 1.3);
    if (dMm < 71.12) c += 0.011 * (0.75 - b) * (2.8 - dMm / 25.4);
    return c;
}

TEST(OrificeCoefficient, WorkedExampleFlangeTappings) {
    SelectDevice("S", "F");
    const Result r = Coeffs("GAS", "S", "F", "3", 1e5, 0.12, 1000.0, 0.0222, 0.07391, 1.85e-5);
    EXPECT_NEAR(r.c, 0.5990326277, 5e-11);
    EXPECT_NEAR(r.re, 111742.0, 0.5);
    EXPECT_NEAR(r.beta, 0.0222 / 0.07391, 1e-15);
    EXPECT_NEAR(r.e, 1.0 / std::sqrt(1.0 - std::pow(0.0222 / 0.07391, 4)), 1e-14);
}

TEST(OrificeCoefficient, ReaderHarrisGallagherForEveryTappingAndPipeSize) {
    SelectDevice("S", "R");
    for (double bigD : {0.05, 0.07, 0.1, 0.5}) {
        PipeDiameter = bigD;
        for (double beta : {0.1, 0.3, 0.5, 0.75}) {
            for (double re : {5e3, 1e5, 1e7}) {
                const double l = 25.4e-3 / bigD;
                EXPECT_NEAR(ReaderHarrisGallagherC(beta, re, 0, 0, bigD), IsoOrificeC(beta, re, 0, 0, bigD * 1000),
                            1e-13);
                EXPECT_NEAR(ReaderHarrisGallagherC(beta, re, l, l, bigD), IsoOrificeC(beta, re, l, l, bigD * 1000),
                            1e-13);
                EXPECT_NEAR(ReaderHarrisGallagherC(beta, re, 1, 0.47, bigD),
                            IsoOrificeC(beta, re, 1, 0.47, bigD * 1000), 1e-13);
            }
        }
    }
}

TEST(OrificeCoefficient, SmallPipeTermOnlyBelow71_12mm) {
    const double inPipe100 = ReaderHarrisGallagherC(0.5, 1e6, 0, 0, 0.1);
    const double noTerm = IsoOrificeC(0.5, 1e6, 0, 0, 100.0);
    EXPECT_NEAR(inPipe100, noTerm, 1e-14);
    const double inPipe50 = ReaderHarrisGallagherC(0.5, 1e6, 0, 0, 0.05);
    EXPECT_NEAR(inPipe50 - IsoOrificeC(0.5, 1e6, 0, 0, 100.0), 0.011 * 0.25 * (2.8 - 50.0 / 25.4), 1e-14);
}

TEST(OrificeCoefficient, Standard1991SmallPipeTermFollowsStatePipeDiameter) {
    SelectDevice("S", "R");
    PipeDiameter = 0.05;
    const Result r = Coeffs("VAT", "S", "R", "I", 1e5, 3.0, 1e4, 0.05, 0.1, 1e-3);
    EXPECT_NEAR(r.c, IsoOrificeC(0.5, r.re, 0, 0, 50.0), 1e-13);
    const Result r2003 = Coeffs("VAT", "S", "R", "3", 1e5, 3.0, 1e4, 0.05, 0.1, 1e-3);
    EXPECT_NEAR(r2003.c, IsoOrificeC(0.5, r.re, 0, 0, 100.0), 1e-13);
    EXPECT_GT(r.c, r2003.c);
    PipeDiameter = 0.1;
    EXPECT_NEAR(OrificeDischargeCoefficient(0.5, r.re, 0, 0), r2003.c, 1e-15);
}

TEST(OrificeCoefficient, StolzEquationOfDin1952) {
    SelectDevice("S", "R");
    const double b = 0.6, re = 2e5, bigD = 0.2;
    const double c0 = 0.5959 + 0.0312 * std::pow(b, 2.1) - 0.184 * std::pow(b, 8) +
                      0.0029 * std::pow(b, 2.5) * std::pow(1e6 / re, 0.75);
    const double b4 = std::pow(b, 4);
    EXPECT_NEAR(StolzOrificeC(DeviceVariant::Corner, b, re, bigD), c0, 1e-15);
    const double l = 25.4e-3 / bigD;
    EXPECT_NEAR(StolzOrificeC(DeviceVariant::Flange, b, re, bigD),
                c0 + 0.09 * l * b4 / (1 - b4) - 0.0337 * l * b * b * b, 1e-15);
    // D and D/2 tappings use the fixed terms, not L1 = 1.
    EXPECT_NEAR(StolzOrificeC(DeviceVariant::DAndD2, b, re, bigD), c0 + 0.039 * b4 / (1 - b4) - 0.015839 * b * b * b,
                1e-15);
}

TEST(NozzleCoefficient, Isa1932AndLongRadiusFollowIso5167_3) {
    for (double b : {0.3, 0.45, 0.6, 0.8}) {
        for (double re : {2e4, 3e5, 1e7}) {
            const double isa = 0.9900 - 0.2262 * std::pow(b, 4.1) -
                               (0.00175 * b * b - 0.0033 * std::pow(b, 4.15)) * std::pow(1e6 / re, 1.15);
            EXPECT_NEAR(IsaNozzleC(FlowStandard::Iso2003, b, re), isa, 1e-12);
            EXPECT_NEAR(IsaNozzleC(FlowStandard::Iso1991, b, re), isa, 1e-12);
            const double din = 0.99 - 0.2262 * std::pow(b, 4.1) +
                               (0.000215 - 0.001125 * b + 0.00249 * std::pow(b, 4.7)) * std::pow(1e6 / re, 1.15);
            EXPECT_NEAR(IsaNozzleC(FlowStandard::Din1952, b, re), din, 1e-12);
            const double lr = 0.9965 - 0.00653 * std::sqrt(b) * std::sqrt(1e6 / re);
            EXPECT_NEAR(LongRadiusNozzleC(b, re), lr, 1e-12);
        }
    }
}

TEST(OtherCoefficients, ShortVenturiSegmentAndQuarterCircle) {
    const double b = 0.55;
    EXPECT_NEAR(ShortVenturiC(b), 0.9858 - 0.196 * std::pow(b, 4.5), 1e-15);
    EXPECT_NEAR(SegmentOrificeC(b), 0.6057 - 0.0822 * std::pow(b, 4) - 0.5508 * std::pow(b, 16), 1e-15);
    EXPECT_NEAR(QuarterCircleC(b), 0.769 + 0.527 * std::pow(b, 4) + 0.423 * std::pow(b, 8), 1e-15);
}

TEST(VenturiCoefficient, TablesInterpolateAndHoldTheirEnds) {
    EXPECT_NEAR(ClassicalVenturiC(DeviceVariant::Machined, 4e5, 0.5), 0.998, 1e-15);
    EXPECT_DOUBLE_EQ(ClassicalVenturiC(DeviceVariant::AsCast, 1e7, 0.5), 0.984);
    EXPECT_DOUBLE_EQ(ClassicalVenturiC(DeviceVariant::AsCast, 1e4, 0.5), 0.957);
    EXPECT_NEAR(ClassicalVenturiC(DeviceVariant::Welded, 8e4, 0.5), 0.975, 1e-15);
    EXPECT_DOUBLE_EQ(ClassicalVenturiC(DeviceVariant::Welded, 6e4, 0.5), 0.970);
    EXPECT_DOUBLE_EQ(ClassicalVenturiC(DeviceVariant::Welded, 3e6, 0.5), 0.985);
    EXPECT_NEAR(ClassicalVenturiC(DeviceVariant::AsCast, 1.25e5, 0.5), 0.979, 1e-15);
    // The machined table runs on the throat Reynolds number ReD / beta.
    EXPECT_NEAR(ClassicalVenturiC(DeviceVariant::Machined, 0.75e5, 0.5), 0.9845, 1e-15);
}

TEST(VenturiCoefficient, DispatchedThroughDeviceCoefficients) {
    SelectDevice("V", "BG");
    const double bigD = 0.2, mu = 1e-3;
    const double qm = 4e5 * std::numbers::pi * bigD * mu / 4.0;  // ReD = 4e5
    const Result r = Coeffs("VAT", "V", "BG", "3", 5e5, qm, 2e4, 0.1, bigD, mu);
    EXPECT_NEAR(r.re, 4e5, 1e-6);
    EXPECT_NEAR(r.c, 0.998, 1e-12);
}

TEST(VenturiCoefficient, EveryMakeKeywordReadsItsOwnTable) {
    // Pipe Reynolds numbers where the three tables differ: welded 0.975 at 8e4, as cast
    // 0.979 at 1.25e5, machined (throat 1.5e5 at beta 0.5) 0.9845 at 7.5e4.
    const double bigD = 0.2, mu = 1e-3, d = 0.1;
    auto cAt = [&](const char* make, double re) {
        SelectDevice("V", make);
        const double qm = re * std::numbers::pi * bigD * mu / 4.0;
        return Coeffs("VAT", "V", make, "I", 5e5, qm, 2e4, d, bigD, mu).c;
    };
    EXPECT_NEAR(cAt("SV", 8e4), 0.975, 1e-12);
    EXPECT_NEAR(cAt("OG", 1.25e5), 0.979, 1e-12);
    EXPECT_NEAR(cAt("BG", 7.5e4), 0.9845, 1e-12);
    EXPECT_NEAR(cAt("OG", 8e4), 0.966 + 0.010 * 0.5, 1e-12);
}

TEST(OrificeCoefficient, TappingKeywordsThroughDeviceCoefficients) {
    SelectDevice("S", "D");
    const double bigD = 0.15, d = 0.09, mu = 1e-3, qm = 12.0;
    const Result dd2 = Coeffs("VAT", "S", "D", "D", 5e5, qm, 2e4, d, bigD, mu);
    const double b = 0.6, b4 = std::pow(b, 4);
    EXPECT_NEAR(dd2.c,
                StolzOrificeC(DeviceVariant::Corner, b, dd2.re, bigD) + 0.039 * b4 / (1 - b4) - 0.015839 * b * b * b,
                1e-14);
    const Result flange = Coeffs("VAT", "S", "F", "D", 5e5, qm, 2e4, d, bigD, mu);
    EXPECT_NEAR(flange.c, StolzOrificeC(DeviceVariant::Flange, b, dd2.re, bigD), 1e-15);
    const Result iso = Coeffs("VAT", "S", "D", "3", 5e5, qm, 2e4, d, bigD, mu);
    EXPECT_NEAR(iso.c, IsoOrificeC(b, iso.re, 1.0, 0.47, 150.0), 1e-13);
}

double IsoOrificeEpsilon(double b, double p1, double dp, double k) {
    return 1.0 - (0.351 + 0.256 * std::pow(b, 4) + 0.93 * std::pow(b, 8)) * (1.0 - std::pow((p1 - dp) / p1, 1.0 / k));
}

double IsoNozzleEpsilon(double b, double p1, double dp, double k) {
    const double tau = (p1 - dp) / p1;
    const double b4 = std::pow(b, 4);
    return std::sqrt((k * std::pow(tau, 2.0 / k) / (k - 1.0)) * ((1.0 - b4) / (1.0 - b4 * std::pow(tau, 2.0 / k))) *
                     ((1.0 - std::pow(tau, (k - 1.0) / k)) / (1.0 - tau)));
}

TEST(Expansibility, OrificeAndNozzleAgreeWithPublishedEquations) {
    const double p = 5e5;
    for (double b = 0.1; b <= 0.7501; b += 0.05) {
        for (double ratio : {0.001, 0.01, 0.05, 0.1, 0.2, 0.25}) {
            for (double k : {1.2, 1.3, 1.4, 1.5, 1.66}) {
                const double dp = ratio * p;
                EXPECT_NEAR(OrificeExpansibility(b, p, dp, k), IsoOrificeEpsilon(b, p, dp, k), 1e-12);
                EXPECT_NEAR(NozzleExpansibility(b, p, dp, k), IsoNozzleEpsilon(b, p, dp, k), 1e-12);
            }
        }
    }
}

TEST(Expansibility, DispatchByDeviceForGas) {
    SelectDevice("S", "F");
    const double p = 2e5, dp = 2e4, k = 1.3, bigD = 0.1, d = 0.06;
    const double b = 0.6, b4 = std::pow(b, 4);
    EXPECT_NEAR(Coeffs("LUF", "S", "F", "D", p, 1, dp, d, bigD, 1.8e-5, k).eps, IsoOrificeEpsilon(b, p, dp, k), 1e-13);
    for (const char* dev : {"V", "D", "DL", "KV"})
        EXPECT_NEAR(Coeffs("LUF", dev, "SV", "3", p, 1, dp, d, bigD, 1.8e-5, k).eps, IsoNozzleEpsilon(b, p, dp, k),
                    1e-13)
            << dev;
    EXPECT_NEAR(Coeffs("LUF", "SM", "", "3", p, 1, dp, d, bigD, 1.8e-5, k).eps, 1 - (0.41 + 0.35 * b4) * dp / (k * p),
                1e-15);
    EXPECT_NEAR(Coeffs("LUF", "VK", "", "3", p, 1, dp, d, bigD, 1.8e-5, k).eps, 1 - (0.484 + 1.54 * b4) * dp / (k * p),
                1e-15);
    // Cone meters: beta of the annulus, sqrt(1 - 0.36) = 0.8.
    const double cb = 0.8, cb4 = std::pow(cb, 4);
    EXPECT_NEAR(Coeffs("LUF", "VCONE", "", "3", p, 1, dp, d, bigD, 1.8e-5, k).eps,
                1 - (0.649 + 0.696 * cb4) * dp / (k * p), 1e-15);
    EXPECT_NEAR(Coeffs("LUF", "VCONEWAFER", "", "3", p, 1, dp, d, bigD, 1.8e-5, k).eps,
                1 - (0.755 + 6.787 * cb4 * cb4) * dp / (k * p), 1e-15);
}

TEST(Expansibility, LiquidGivesOneForEveryDevice) {
    for (const auto& dc : kAllDevices) {
        SelectDevice(dc.device, dc.variant);
        EXPECT_EQ(Coeffs("VAT", dc.device, dc.variant, dc.standard, 2e5, 2, 1.5e5, 0.05, 0.1, 1e-3).eps, 1.0)
            << dc.device << dc.variant << dc.standard;
    }
    PhaseLetter = 'V';  // liquefied gas
    EXPECT_EQ(Coeffs("N2", "S", "R", "3", 2e5, 2, 1.5e5, 0.05, 0.1).eps, 1.0);
    PhaseLetter = 'N';
    EXPECT_LT(Coeffs("N2", "S", "R", "3", 2e5, 2, 1.5e5, 0.05, 0.1).eps, 1.0);
}

TEST(Expansibility, DifferentialPressureAbovePressureIsTakenAtPressure) {
    SelectDevice("S", "R");
    for (const char* dev : {"S", "V", "SM", "VK", "VCONE"}) {
        const double atP = Coeffs("LUF", dev, "SV", "3", 1e5, 1, 1e5, 0.05, 0.1).eps;
        EXPECT_EQ(Coeffs("LUF", dev, "SV", "3", 1e5, 1, 3e5, 0.05, 0.1).eps, atP) << dev;
    }
    // The nozzle equation reaches 0 at dp = p; at dp = 0 its limit 1.
    EXPECT_EQ(NozzleExpansibility(0.5, 1e5, 1e5, 1.4), 0.0);
    EXPECT_EQ(NozzleExpansibility(0.5, 1e5, 0.0, 1.4), 1.0);
}

TEST(DeviceCoefficients, ConeBetaAndVelocityOfApproach) {
    SelectDevice("VCONE", "");
    const Result r = Coeffs("LUF", "VCONE", "", "3", 2e5, 1, 1e3, 0.08, 0.1);
    EXPECT_NEAR(r.beta, 0.6, 1e-15);
    EXPECT_NEAR(r.e, 1.0 / std::sqrt(1.0 - std::pow(0.8, 4)), 1e-14);
    EXPECT_EQ(r.c, 1.0);
}

TEST(DeviceCoefficients, NegativeCoefficientBecomesZero) {
    SelectDevice("D", "");
    // ISA 1932 nozzle far below its Reynolds range: the Reynolds term drives C below 0.
    const double b = 0.5, re = 100.0;
    EXPECT_LT(IsaNozzleC(FlowStandard::Din1952, b, re), 0.0);
    const double bigD = 0.1, mu = 1e-3;
    const double qm = re * std::numbers::pi * bigD * mu / 4.0;
    EXPECT_EQ(Coeffs("VAT", "D", "", "D", 1e5, qm, 100, 0.05, bigD, mu).c, 0.0);
}

TEST(Reynolds, DefinitionAndFaults) {
    EXPECT_NEAR(ReynoldsNumber(0.1, 1e-3, 1.0), 4.0 / (std::numbers::pi * 0.1 * 1e-3), 1e-9);
    EXPECT_THROW(ReynoldsNumber(0.0, 1e-3, 1.0), CalcError);
    EXPECT_THROW(ReynoldsNumber(0.1, 0.0, 1.0), CalcError);
    EXPECT_THROW(ReynoldsNumber(0.1, 1e-3, std::nan("")), CalcError);
}

TEST(DeviceCoefficients, ArithmeticFaultsRaise) {
    SelectDevice("S", "R");
    EXPECT_THROW(Coeffs("LUF", "S", "R", "3", 1e5, 1, 1e3, 0.1, 0.1), CalcError);  // beta 1
    EXPECT_THROW(Coeffs("LUF", "V", "SV", "3", 1e5, 1, 1e3, 0.05, 0.1, 1.8e-5, 1.0),
                 CalcError);  // kappa 1
    SelectDevice("VCONE", "");
    EXPECT_THROW(Coeffs("LUF", "VCONE", "", "3", 1e5, 1, 1e3, 0.12, 0.1), CalcError);
    EXPECT_THROW(Coeffs("LUF", "S", "R", "3", 1e5, std::nan(""), 1e3, 0.05, 0.1), CalcError);
}

}  // namespace
}  // namespace tubalyx
