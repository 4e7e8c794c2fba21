#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numerics/report_format.h"
#include "numerics/separator_guard.h"

using namespace tubalyx;

struct FormatCase {
    double value;
    int width;
    const char* text;  // with ',' standing for the platform separator
};

class EachSeparator : public ::testing::TestWithParam<char> {};
INSTANTIATE_TEST_SUITE_P(Platforms, EachSeparator, ::testing::Values(',', '.'));

TEST_P(EachSeparator, FormatFixedTable) {
    SeparatorGuard g(GetParam());
    const FormatCase cases[] = {
        {12.3456, 5, "12,346"}, {-12.346, 5, "-12,35"}, {0.012345, 5, "0,0123"}, {0, 5, "0,0000"},
        {12345, 5, " 12345"},   {123456, 5, "1,2346E5"}, {99.96, 3, " 100"},     {9.996, 3, "10,0"},
        {0.0004, 3, "0,00"},    {-5.5, 2, " -6"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFixed(c.value, c.width), OnPlatform(c.text, GetParam())) << c.value;
}

TEST_P(EachSeparator, FormatFixedRoundsHalfAwayFromZeroAndNeverCuts) {
    SeparatorGuard g(GetParam());
    // 0.125 and 2.5 are exact binary ties: printf would round them to even.
    EXPECT_EQ(FormatFixed(0.125, 3), OnPlatform("0,13", GetParam()));
    EXPECT_EQ(FormatFixed(-0.125, 3), OnPlatform("-0,13", GetParam()));
    EXPECT_EQ(FormatFixed(-0.0004, 3), OnPlatform("0,00", GetParam()));  // no negative zero
    EXPECT_EQ(FormatFixed(2.5, 1), " 3");
    EXPECT_EQ(FormatFixed(1013250, 10), OnPlatform("1013250,000", GetParam()));
    EXPECT_EQ(FormatFixed(1e25, 5), OnPlatform("1E25", GetParam()).insert(0, 2, ' '));
    EXPECT_EQ(FormatFixed(-123456789, 3), OnPlatform("-1,23E8", GetParam()));
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 5), "   INF");
    EXPECT_EQ(FormatFixed(std::nan(""), 3), " NAN");
}

TEST_P(EachSeparator, FormatFitWidthTable) {
    SeparatorGuard g(GetParam());
    const FormatCase cases[] = {
        {5, 6, "5"},           {3.14159265, 6, "3,1415"}, {2.99999999, 6, "2,9999"},
        {12345678.9, 6, "1,23E7"}, {1234567, 6, "1,23E6"},  {1.234567e-7, 6, "1,2E-7"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFitWidth(c.value, c.width), OnPlatform(c.text, GetParam())) << c.value;
    EXPECT_EQ(FormatFitWidth(123.4, 8), OnPlatform("123,4", GetParam()));  // fits: unchanged, unpadded
    EXPECT_EQ(FormatFitWidth(1234567.5, 8), "1234567");
}

TEST_P(EachSeparator, FormatFixedPointAlwaysWritesAPoint) {
    SeparatorGuard g(GetParam());
    EXPECT_EQ(FormatFixedPoint(1.5, 6), "1.50000");
    EXPECT_EQ(FormatFixedPoint(1013250, 6), "1.01325E6");
    EXPECT_EQ(FormatFixedPoint(-2.25, 7), "-2.25000");
}

TEST_P(EachSeparator, GeneralNotation) {
    SeparatorGuard g(GetParam());
    EXPECT_EQ(FormatGeneral(31.999 - 273.15), OnPlatform("-241,151", GetParam()));
    EXPECT_EQ(FormatGeneral(0.00001), "1E-5");
    EXPECT_EQ(FormatGeneral(0.0001), OnPlatform("0,0001", GetParam()));
    EXPECT_EQ(FormatGeneral(1.5e20), OnPlatform("1,5E20", GetParam()));
    EXPECT_EQ(FormatGeneral(123456789012345.0), "123456789012345");
    EXPECT_EQ(FormatGeneral(1e15), "1E15");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), OnPlatform("0,3", GetParam()));
    EXPECT_EQ(FormatGeneral(100), "100");
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(-2.5e-7), OnPlatform("-2,5E-7", GetParam()));
}
