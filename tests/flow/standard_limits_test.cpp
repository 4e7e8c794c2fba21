// Limits of the standards and the limit checks with their messages in three languages.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "flow/flow_state.h"
#include "flow/limit_checks.h"
#include "flow/standard_limits.h"
#include "ui/selection_state.h"

namespace tubalyx {
namespace {

double ReMin(const char* dev, const char* var, const char* std, double beta, double bigD = 0.2) {
    double lo = -1, hi = -1;
    ReynoldsLimits(dev, var, std, beta * bigD, bigD, lo, hi);
    return lo;
}
double ReMax(const char* dev, const char* var, const char* std, double beta, double bigD = 0.2) {
    double lo = -1, hi = -1;
    ReynoldsLimits(dev, var, std, beta * bigD, bigD, lo, hi);
    return hi;
}

TEST(StandardLimits, OrificeAfterIso5167_2_2003) {
    double lo = 0, hi = 0;
    for (const char* var : {"R", "F", "D"}) {
        BetaLimits("S", var, "3", lo, hi);
        EXPECT_EQ(lo, 0.1);
        EXPECT_EQ(hi, 0.75);
        PipeDiameterLimits("S", var, "3", lo, hi);
        EXPECT_EQ(lo, 0.0499);
        EXPECT_EQ(hi, 1.001);
    }
    EXPECT_EQ(ReMin("S", "R", "3", 0.56), 5000.0);
    EXPECT_NEAR(ReMin("S", "D", "3", 0.6), 5760.0, 1e-9);
    EXPECT_EQ(ReMax("S", "R", "3", 0.6), 1e99);
    EXPECT_NEAR(ReMin("S", "F", "3", 0.7, 1.0), 83300.0, 1e-8);
    EXPECT_EQ(ReMin("S", "F", "3", 0.3, 0.1), 5000.0);  // 170 b^2 D below 5000
    MinThroatDiameter("S", lo, hi);
    EXPECT_EQ(lo, 0.0125);
    EXPECT_EQ(hi, 1e38);
}

TEST(StandardLimits, ReynoldsTablesOfTheOtherDevices) {
    EXPECT_EQ(ReMin("S", "R", "I", 0.5), 4000.0);
    EXPECT_NEAR(ReMin("S", "R", "I", 0.6), 5760.0, 1e-9);
    EXPECT_EQ(ReMin("S", "R", "D", 0.44), 5000.0);
    EXPECT_EQ(ReMin("S", "R", "D", 0.76), 10000.0);
    EXPECT_EQ(ReMin("S", "R", "D", 0.45), 10000.0);
    EXPECT_EQ(ReMin("S", "R", "D", 0.78), 20000.0);
    EXPECT_EQ(ReMax("S", "R", "D", 0.78), 1e8);
    EXPECT_NEAR(ReMin("S", "D", "D", 0.5, 0.2), 1260 * 0.25 * 200, 1e-9);
    EXPECT_NEAR(ReMin("V", "BG", "3", 0.5), 25000.0, 1e-9);
    EXPECT_NEAR(ReMax("V", "BG", "3", 0.5), 5e7, 1e-6);
    EXPECT_EQ(ReMin("V", "OG", "D", 0.5), 40000.0);
    EXPECT_EQ(ReMin("V", "SV", "3", 0.5), kWeldedVenturiMinReynolds);
    EXPECT_EQ(kWeldedVenturiMinReynolds, 40000.0);
    EXPECT_EQ(ReMax("V", "SV", "3", 0.5), 2e6);
    EXPECT_EQ(ReMin("D", "", "3", 0.43), 70000.0);
    EXPECT_EQ(ReMin("D", "", "3", 0.44), 20000.0);
    EXPECT_EQ(ReMin("KV", "", "3", 0.5), 150000.0);
    EXPECT_NEAR(ReMin("SM", "", "3", std::sqrt(0.2)), 10000.0, 1e-9);
    EXPECT_NEAR(ReMin("SM", "", "3", std::sqrt(0.3)), 20000.0, 1e-9);
    EXPECT_EQ(ReMax("VK", "", "3", 0.19), 60000.0);
    EXPECT_EQ(ReMax("VK", "", "3", 0.2), 70000.0);  // beta^2 = 0.04 exactly: second step
    EXPECT_EQ(ReMax("VK", "", "3", 0.55), 250000.0);
    CalibratedReynoldsMin = 5000.0;
    CalibratedReynoldsMax = 2e6;
    EXPECT_EQ(ReMin("VCONE", "", "3", 0.5), 8000.0);
    EXPECT_EQ(ReMin("VOLYM", "", "3", 0.5), 5000.0);
    EXPECT_EQ(ReMax("VOLYM", "", "3", 0.5), 2e6);
    // Unknown combinations leave the caller's values.
    EXPECT_EQ(ReMin("S", "X", "3", 0.5), -1.0);
}

TEST(StandardLimits, DiffPressureByMedium) {
    PhaseLetter = 'N';
    EXPECT_NEAR(MaxDiffPressure("LUF", "VK", 200000.0), 30000.0, 1e-9);
    EXPECT_EQ(MaxDiffPressure("VAT", "VK", 200000.0), 200000.0);
    EXPECT_EQ(MaxDiffPressure("LUF", "S", 200000.0), 50000.0);
    EXPECT_EQ(MaxDiffPressure("LUF", "VCONE", 200000.0), 200000.0);
}

TEST(StandardLimits, Roughness) {
    double k = -1;
    RoughnessLimits("S", "R", "3", 0.045, 0.1, 0, 2e5, k);
    EXPECT_NEAR(k, 3.3 * 0.0001 * 0.1 * std::numbers::pi, 1e-15);
    for (double re : {1e4, 1e6, 1e8}) {
        RoughnessLimits("S", "F", "I", 0.045, 0.1, 0, re, k);
        EXPECT_NEAR(k, 5.6 * 0.0001 * 0.1, 1e-15);
    }
    RoughnessLimits("S", "F", "D", 0.033, 0.1, 0, 1e5, k);
    EXPECT_NEAR(k, 12.9 * 0.0001 * 0.1, 1e-15);
    RoughnessLimits("V", "SV", "3", 0.05, 0.1, 0, 1e5, k);
    EXPECT_NEAR(k, 3.2e-5 * std::numbers::pi, 1e-15);
    RoughnessLimits("V", "SV", "D", 0.05, 0.1, 0, 1e5, k);
    EXPECT_NEAR(k, 5e-5, 1e-15);
    RoughnessLimits("KV", "", "3", 0.05, 0.1, 0, 1e5, k);
    EXPECT_NEAR(k, 5.6e-5, 1e-15);
    RoughnessLimits("D", "", "3", 0.071, 0.1, 0, 1e5, k);
    EXPECT_NEAR(k, 3.9e-5, 1e-15);
    RoughnessLimits("VK", "", "3", 0.05, 0.1, 0, 1e5, k);
    EXPECT_NEAR(k, 1e-4, 1e-15);
    RoughnessLimits("VCONE", "", "3", 0.05, 0.1, 0, 1e5, k);
    EXPECT_EQ(k, 10000.0);
    RoughnessLimits("S", "R", "3", 0.065, 0.1, 0, 5e7, k);
    EXPECT_NEAR(k, 0.3e-5 * std::numbers::pi, 1e-15);
    double kMin = -1;
    RoughnessLowerLimit("S", "F", "3", 0.065, 0.1, 0, 5e6, kMin);
    EXPECT_NEAR(kMin, 0.013e-5 * std::numbers::pi, 1e-18);
    RoughnessLowerLimit("S", "F", "3", 0.055, 0.1, 0, 2e7, kMin);
    EXPECT_NEAR(kMin, 0.003e-5 * std::numbers::pi, 1e-18);
    RoughnessLowerLimit("S", "F", "I", 0.065, 0.1, 0, 5e6, kMin);
    EXPECT_EQ(kMin, 0.0);
}

TEST(LimitChecks, ThroatDiameterMessagesInThreeLanguages) {
    std::string m = "stale";
    CheckThroatDiameter("E", "S", 0.0124, m);
    EXPECT_EQ(m, "d (throatdiameter) < 12.5 mm !");
    CheckThroatDiameter("S", "S", 0.0124, m);
    EXPECT_EQ(m, "LILLA d (håldiameter) < 12.5 mm !");
    CheckThroatDiameter("D", "S", 0.0124, m);
    EXPECT_EQ(m, "d (Drosselöffnung) < 12.5 mm !");
    CheckThroatDiameter("E", "D", 0.0124, m);
    EXPECT_EQ(m, " ");
    CheckThroatDiameter("D", "VK", 0.0149, m);
    EXPECT_EQ(m, "d (Drosselöffnung) < 15 mm !");
    CheckThroatDiameter("S", "VK", 0.0149, m);
    EXPECT_EQ(m, "LILLA d (håldiameter) < 15 mm !");
    CheckThroatDiameter("E", "VK", 0.015, m);
    EXPECT_EQ(m, " ");
    CheckThroatDiameter("X", "S", 0.001, m);
    EXPECT_EQ(m, " ");
}

TEST(LimitChecks, BetaPipeDpAndRoughnessMessages) {
    PhaseLetter = 'N';
    std::string m;
    CheckBeta("E", "S", "R", "3", 0.09, m);
    EXPECT_EQ(m, "BETA TO SMALL, DECREASE TUBEDIAMETER/DP");
    CheckBeta("S", "S", "R", "3", 0.09, m);
    EXPECT_EQ(m, "BETA LITET, MINSKA RÖRDIAMETER/DIFFTRYCK");
    CheckBeta("D", "S", "R", "3", 0.76, m);
    EXPECT_EQ(m, "BETA ZU GROSS");
    CheckBeta("S", "S", "R", "3", 0.76, m);
    EXPECT_EQ(m, "BETA STORT, ÖKA RÖRDIAMETER/DIFFTRYCK");
    CheckBeta("E", "S", "R", "3", 0.75, m);
    EXPECT_EQ(m, " ");
    CheckPipeDiameter("E", "S", "R", "3", 0.05, m);
    EXPECT_EQ(m, " ");
    CheckPipeDiameter("E", "S", "R", "3", 1.0, m);
    EXPECT_EQ(m, " ");
    CheckPipeDiameter("E", "S", "F", "D", 0.8, m);
    EXPECT_EQ(m, "TUBE TO BIG, DECREASE TUBEDIAMETER");
    CheckPipeDiameter("S", "V", "SV", "3", 0.15, m);
    EXPECT_EQ(m, "RÖR LITET, ÖKA RÖRDIAMETER");
    CheckPipeDiameter("D", "V", "SV", "3", 0.15, m);
    EXPECT_EQ(m, "ROHR ZU KLEIN");
    CheckPipeDiameter("S", "VK", "", "3", 0.2, m);
    EXPECT_EQ(m, "RÖR STORT, MINSKA RÖRDIAMETER");
    CheckDiffPressure("E", "LUF", "VK", 200000.0, 30001.0, m);
    EXPECT_EQ(m, "DIFFPRESSURE TO BIG");
    CheckDiffPressure("S", "LUF", "S", 200000.0, 60000.0, m);
    EXPECT_EQ(m, "DIFFTRYCK FÖR STORT");
    CheckDiffPressure("D", "LUF", "S", 200000.0, 60000.0, m);
    EXPECT_EQ(m, "WIRKDRUCK ZU GROSS");
    CheckDiffPressure("E", "VAT", "VK", 200000.0, 150000.0, m);
    EXPECT_EQ(m, " ");
    CheckRoughness("E", "S", "R", "3", 0.045, 0.1, 2e-4, 2e5, m);
    EXPECT_EQ(m, "PIPE ROUGHNESS TO BIG");
    CheckRoughness("S", "S", "R", "3", 0.045, 0.1, 2e-4, 2e5, m);
    EXPECT_EQ(m, "RÖRRÅHET FÖR STOR, MINSKA RÖRRÅHET");
    CheckRoughness("D", "S", "R", "3", 0.045, 0.1, 2e-4, 2e5, m);
    EXPECT_EQ(m, "ROHRRAUHEIT ZU GROSS");
    CheckRoughness("E", "S", "R", "3", 0.065, 0.1, 0.0, 5e6, m);
    EXPECT_EQ(m, "PIPE ROUGHNESS TO SMALL");
    EXPECT_NEAR(RoughnessLowerBound, 0.013e-5 * std::numbers::pi, 1e-18);
    CheckRoughness("S", "S", "R", "3", 0.065, 0.1, 0.0, 5e6, m);
    EXPECT_EQ(m, "RÖRRÅHET FÖR LITEN");
    CheckRoughness("D", "S", "R", "3", 0.065, 0.1, 0.0, 5e6, m);
    EXPECT_EQ(m, "ROHRRAUHEIT ZU KLEIN");
    CheckRoughness("E", "S", "R", "3", 0.045, 0.1, 1e-5, 2e5, m);
    EXPECT_EQ(m, " ");
}

}  // namespace
}  // namespace tubalyx
