// The nine-row comparison of the given straight lengths with the required ones: which row
// holds decides the additional uncertainty and the lengths shown as required.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "flow/primary_device_sequence.h"
#include "state/corrections.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/limits.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

// The bend correction written out from its definition: r = L/D, half-way between f and 1.
double Bend(double length, double pipe, double beta) {
    const double r = length / pipe;
    const double a = 0.997 + 0.00047 * r - 9e-6 * r * r;
    const double b = 0.8587 + 0.00815 * r - 0.000126 * r * r;
    const double f = std::min(a + std::log(b) * std::pow(beta, 5.0), 1.0);
    return 0.5 * (f + 1.0);
}

struct Shown {
    double a, up, down;
};

Shown Compare(double lu, double ld) {
    GivenStraightInlet = lu;
    GivenStraightOutlet = ld;
    CompareStraightLengths();
    return {AdditionalUncertaintyPercent, RequiredUpstreamLengthM, RequiredDownstreamLengthM};
}

// A long-radius nozzle has no table of its own: the comparison runs against the lengths
// standing in the state, so every row can be reached with chosen requirements.
void RequiredLengths(const char* code) {
    DeviceCode = "DL";
    DeviceVariantCode = "";
    StandardLetter = '3';
    UpstreamFittingCode = code;
    PipeDiameter = 0.1;  // 5 D = 0.5 m
    BoreDiameter = 0.05;
    BendFactor = 1.0;
    UpstreamLengthZeroM = 10.0;
    UpstreamLengthHalfM = 5.0;
    DownstreamLengthZeroM = 4.0;
    DownstreamLengthHalfM = 2.0;
}

void ExpectShown(const Shown& s, double a, double up, double down) {
    EXPECT_NEAR(s.a, a, 1e-12);
    EXPECT_DOUBLE_EQ(s.up, up);
    EXPECT_DOUBLE_EQ(s.down, down);
}

TEST(StraightLengthComparison, RowsWithoutABend) {
    RequiredLengths("2");
    ExpectShown(Compare(11.0, 5.0), 0.0, 10.0, 4.0);                 // both long enough
    ExpectShown(Compare(11.0, 3.0), 0.5, 10.0, 2.0);                 // downstream at 0.5 %
    ExpectShown(Compare(6.0, 5.0), 0.5, 5.0, 4.0);                   // upstream at 0.5 %
    ExpectShown(Compare(3.0, 5.0), (10.0 - 4.5) / 3.0, 2.5, 4.0);    // short upstream
    ExpectShown(Compare(11.0, 1.5), (4.0 - 2.25) / 1.5, 10.0, 1.0);  // short downstream
    ExpectShown(Compare(6.0, 3.0), 1.0, 5.0, 2.0);                   // both at 0.5 %
    ExpectShown(Compare(6.0, 1.5), 100.0, 5.0, 4.0);                 // outside the rules
    ExpectShown(Compare(2.0, 5.0), 100.0, 5.0, 4.0);                 // below a quarter of U0
    EXPECT_DOUBLE_EQ(BendFactor, 1.0);
}

TEST(StraightLengthComparison, EveryComparisonIsStrict) {
    RequiredLengths("2");
    // Exactly the zero-uncertainty lengths meet only the 0.5 % lengths.
    ExpectShown(Compare(10.0, 4.0), 1.0, 5.0, 2.0);
    ExpectShown(Compare(5.0, 2.0), 100.0, 5.0, 4.0);
    // Exactly a quarter of U0 upstream is too short for the short-upstream row.
    ExpectShown(Compare(2.5, 5.0), 100.0, 5.0, 4.0);
    // Exactly a quarter of D0 downstream is too short for the short-downstream row.
    ExpectShown(Compare(11.0, 1.0), 100.0, 5.0, 4.0);
}

TEST(StraightLengthComparison, FittingOneWithoutBendCorrectionCostsAHundred) {
    RequiredLengths("1");  // a bend, but the nozzle takes no bend correction
    ExpectShown(Compare(2.0, 5.0), 100.0, 2.5, 4.0);
    EXPECT_DOUBLE_EQ(BendFactor, 1.0);
}

// A device of a family with tables in DN100; the first comparison with long lengths fills
// the required ones.
Shown TableDevice(const char* device, const char* variant, const char* code, double bore) {
    DeviceCode = device;
    DeviceVariantCode = variant;
    StandardLetter = '3';
    UpstreamFittingCode = code;
    PipeDiameter = 0.1;
    BoreDiameter = bore;
    BendFactor = 1.0;
    return Compare(1000.0, 1000.0);
}

TEST(StraightLengthComparison, VenturiHasNoShortDownstreamRow) {
    const Shown longEnough = TableDevice("V", "SV", "2", 0.05);
    ExpectShown(longEnough, 0.0, UpstreamLengthZeroM, 0.2);
    EXPECT_DOUBLE_EQ(DownstreamLengthHalfM, 0.2);  // 4 d either way
    // Long upstream, downstream between a quarter of 4 d and 4 d: outside the rules.
    ExpectShown(Compare(1000.0, 0.1), 100.0, UpstreamLengthHalfM, 0.2);
}

TEST(StraightLengthComparison, UpstreamBendOfAnOrificeTakesTheBendCorrection) {
    const Shown longEnough = TableDevice("S", "R", "1", 0.06);
    const double beta = 0.6;
    ExpectShown(longEnough, 0.0, UpstreamLengthZeroM, DownstreamLengthZeroM);
    const double u0 = UpstreamLengthZeroM, uh = UpstreamLengthHalfM, d0 = DownstreamLengthZeroM;
    const double shortUp = std::max(0.25 * u0, 0.5);
    ASSERT_LT(shortUp, uh);
    ASSERT_LT(uh, u0);
    ASSERT_GT(u0, 5.0 * 0.1);

    const double between = 0.5 * (uh + u0);
    ExpectShown(Compare(between, d0 + 1.0), std::fabs(1.0 - Bend(between, 0.1, beta)) * 100.0, between, d0);
    EXPECT_NEAR(BendFactor, Bend(between, 0.1, beta), 1e-15);

    const double shortLength = 0.5 * (shortUp + uh);
    ExpectShown(Compare(shortLength, d0 + 1.0), std::fabs(1.0 - Bend(shortLength, 0.1, beta)) * 100.0, shortUp, d0);
    EXPECT_NEAR(BendFactor, Bend(shortLength, 0.1, beta), 1e-15);

    BendFactor = 1.0;
    ExpectShown(Compare(0.5 * shortUp, d0 + 1.0), 100.0, shortUp, d0);

    // Outside the rules the bend factor is still taken at the short upstream length.
    ExpectShown(Compare(0.5 * shortUp, 0.5 * d0 - 1e-3), 100.0, uh, d0);
    EXPECT_NEAR(BendFactor, Bend(shortUp, 0.1, beta), 1e-15);
}

}  // namespace
}  // namespace tubalyx
