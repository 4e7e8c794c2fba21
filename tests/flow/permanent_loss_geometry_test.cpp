// Permanent pressure loss, eccentricity, profile radius and segment geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "flow/device_geometry.h"
#include "flow/permanent_loss.h"
#include "flow_test_support.h"
#include "numerics/checked.h"

namespace tubalyx {
namespace {

using flowtest::SelectDevice;

// D, mu and qm chosen so that ReD is the wanted value.
double VenturiLoss(double beta, double re, double dp) {
    const double bigD = 0.2, mu = 1e-3;
    const double qm = re * std::numbers::pi * bigD * mu / 4.0;
    return PermanentPressureLoss("V", "3", bigD, mu, qm, dp, beta, 0.98, 1.0);
}

TEST(PermanentLoss, OrificeAndNozzlesByStandard) {
    SelectDevice("S", "R");
    const double b = 0.5, c = 0.6, dp = 1000.0;
    const double root = std::sqrt(1 - 0.0625 * (1 - 0.36));
    const double iso2003 = (root - 0.15) / (root + 0.15) * dp;
    EXPECT_NEAR(PermanentPressureLoss("S", "3", 0.1, 1e-3, 1, dp, b, c, 1.0), iso2003, 1e-12);
    EXPECT_NEAR(iso2003 / dp, 0.73, 0.005);
    for (const char* dev : {"DL", "D"})
        EXPECT_NEAR(PermanentPressureLoss(dev, "3", 0.1, 1e-3, 1, dp, b, c, 1.0), iso2003, 1e-12);
    const double r91 = std::sqrt(1 - 0.0625);
    EXPECT_NEAR(PermanentPressureLoss("S", "I", 0.1, 1e-3, 1, dp, b, c, 1.0), (r91 - 0.15) / (r91 + 0.15) * dp, 1e-12);
    const double e = 1 / std::sqrt(1 - 0.0625);
    const double x = 0.25 * c * e;
    EXPECT_NEAR(PermanentPressureLoss("S", "D", 0.1, 1e-3, 1, dp, b, c, e), (1 - x) / (1 + x) * dp, 1e-12);
    EXPECT_EQ(PermanentPressureLoss("S", "X", 0.1, 1e-3, 1, dp, b, c, e), 0.0);
    for (const char* dev : {"SM", "VK"})
        EXPECT_NEAR(PermanentPressureLoss(dev, "I", 0.1, 1e-3, 1, dp, b, c, e), (1 - x) / (1 + x) * dp, 1e-12);
}

TEST(PermanentLoss, ShortVenturiAndClassicalVenturi) {
    SelectDevice("V", "SV");
    EXPECT_NEAR(PermanentPressureLoss("KV", "3", 0.1, 1e-3, 1, 1000, 0.6, 0.98, 1.0),
                (7.195289 + 38.97224 * std::pow(0.8 - 0.36, 3.8)) * 10.0, 1e-10);
    // Below beta^2 = 0.8 and above it the power takes the absolute value.
    EXPECT_NEAR(PermanentPressureLoss("KV", "3", 0.1, 1e-3, 1, 1000, 0.95, 0.98, 1.0),
                (7.195289 + 38.97224 * std::pow(0.9025 - 0.8, 3.8)) * 10.0, 1e-10);
    EXPECT_NEAR(VenturiLoss(0.75, 6e5, 1000.0), 60.0, 1e-9);
    EXPECT_NEAR(VenturiLoss(0.75, 1e7, 1000.0), 60.0, 1e-9);
    EXPECT_NEAR(VenturiLoss(0.3, 1e6, 1000.0), 100.0, 1e-9);
    EXPECT_NEAR(VenturiLoss(0.75, 2e5, 1000.0), 90.0, 1e-9);
    EXPECT_NEAR(VenturiLoss(0.75, 1e-9, 1000.0), 105.0, 1e-6);  // factor 1.75 at ReD -> 0
}

TEST(PermanentLoss, ConeInStateOverridesDeviceArgument) {
    SelectDevice("VCONE", "");
    EXPECT_NEAR(PermanentPressureLoss("S", "3", 0.1, 1e-3, 1, 1000, 0.6, 0.6, 1.2), (1.3 - 0.75) * 1000, 1e-12);
    // A loss that comes out negative is 0.
    EXPECT_EQ(PermanentPressureLoss("S", "3", 0.1, 1e-3, 1, 1000, 1.1, 0.6, 1.2), 0.0);
    SelectDevice("S", "R");
    EXPECT_THROW(PermanentPressureLoss("S", "I", 0.1, 1e-3, 1, 1000, 1.1, 0.6, 1.0), CalcError);
}

TEST(Eccentricity, ByDeviceAndStandard) {
    EXPECT_NEAR(AllowedEccentricity("V", "SV", "D", 0.05, 1.0), 5.0, 1e-12);
    EXPECT_NEAR(AllowedEccentricity("V", "", "X", 0.09, 0.2), 1.0, 1e-12);
    const double b4 = 0.0625;
    EXPECT_NEAR(AllowedEccentricity("S", "R", "3", 0.05, 0.1), 0.0025 * 0.1 / (0.1 + 2.3 * b4) * 1000, 1e-12);
    EXPECT_NEAR(AllowedEccentricity("D", "", "I", 0.05, 0.1), 0.0025 * 0.1 / (0.1 + 2.3 * b4) * 1000, 1e-12);
    EXPECT_NEAR(AllowedEccentricity("S", "R", "D", 0.05, 0.1), 0.0005 * 0.1 / (0.1 + 2.3 * b4) * 1000, 1e-12);
    EXPECT_EQ(AllowedEccentricity("S", "R", "Q", 0.05, 0.1), 0.0);
}

TEST(ProfileRadius, BothBranchesMeetAtHalf) {
    const double d = 40.0;
    EXPECT_NEAR(ProfileRadius(0.25, d), d * 0.5 * (2.5 * 0.03 * 0.03 + 0.276), 1e-13);
    EXPECT_NEAR(ProfileRadius(0.25 + 1e-12, d), ProfileRadius(0.25, d), 1e-9);
    const double s = 0.6;
    EXPECT_NEAR(ProfileRadius(s * s, d), d * (s * (2.5 * 0.13 * 0.13 + 0.276) + 15 * 0.1 * 0.1 * 0.1), 1e-12);
}

TEST(SegmentGeometry, AreaRatioEquivalentDiameterAndInverse) {
    double r = 0.0, d = 0.0, h = 0.0;
    SegmentAreaRatio(0.05, 0.1, r);
    EXPECT_NEAR(r, 0.5, 1e-15);
    SegmentEquivalentDiameter(0.05, 0.1, d);
    EXPECT_NEAR(d, 0.1 / std::sqrt(2.0), 1e-15);
    SegmentAreaRatio(0.1, 0.1, r);
    EXPECT_EQ(r, 1.0);
    SegmentAreaRatio(0.3, 0.1, r);
    EXPECT_EQ(r, 1.0);
    // Circular segment of height h: area (theta - sin theta) R^2 / 2 with cos(theta/2) = 1 - h/R.
    const double bigD = 0.2, hh = 0.03, R = bigD / 2;
    const double theta = 2 * std::acos(1 - hh / R);
    SegmentAreaRatio(hh, bigD, r);
    EXPECT_NEAR(r, (theta - std::sin(theta)) * R * R / 2 / (std::numbers::pi * R * R), 1e-14);
    SegmentHeightForDiameter(0.1 / std::sqrt(2.0), 0.1, h);
    EXPECT_NEAR(h, 0.05, 1e-15);
    for (double height : {0.01, 0.03, 0.07, 0.09}) {
        SegmentEquivalentDiameter(height, 0.1, d);
        SegmentHeightForDiameter(d, 0.1, h);
        EXPECT_NEAR(h / height, 1.0, 1e-5) << height;
    }
}

}  // namespace
}  // namespace tubalyx
