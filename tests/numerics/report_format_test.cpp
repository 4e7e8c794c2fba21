#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "numerics/report_format.h"
#include "numerics/separator_guard.h"

using namespace tubalyx;

namespace {
std::string On(char separator, const std::string& text) { return OnPlatform(text, separator); }

struct FormatCase {
    double value;
    int width;
    const char* text;
};
}  // namespace

TEST(FormatFixed, ReportExamplesOnBothSeparators) {
    const FormatCase cases[] = {
        {12.3456, 5, "12,346"}, {-12.346, 5, "-12,35"},  {0.012345, 5, "0,0123"}, {0, 5, "0,0000"},
        {12345, 5, " 12345"},   {123456, 5, "1,2346E5"}, {99.96, 3, " 100"},      {9.996, 3, "10,0"},
        {0.0004, 3, "0,00"},    {-5.5, 2, " -6"},
    };
    for (char sep : {',', '.'}) {
        SeparatorGuard g(sep);
        for (const FormatCase& c : cases) EXPECT_EQ(FormatFixed(c.value, c.width), On(sep, c.text)) << c.value;
    }
}

TEST(FormatFixed, RoundsDecimalTiesAwayFromZeroFromTheExactValue) {
    for (char sep : {',', '.'}) {
        SeparatorGuard g(sep);
        EXPECT_EQ(FormatFixed(0.125, 3), On(sep, "0,13"));  // exact binary tie
        EXPECT_EQ(FormatFixed(-0.125, 3), On(sep, "-0,13"));
        EXPECT_EQ(FormatFixed(2.5, 1), " 3");
        EXPECT_EQ(FormatFixed(-2.5, 2), " -3");
        EXPECT_EQ(FormatFixed(1.005, 3), On(sep, "1,00"));   // 1.00499999999999989... in binary
        EXPECT_EQ(FormatFixed(0.145, 3), On(sep, "0,14"));   // 0.14499999999999999...
        EXPECT_EQ(FormatFixed(9.9999, 3), On(sep, "10,0"));  // carry into a new whole digit
        EXPECT_EQ(FormatFixed(0.006, 3), On(sep, "0,01"));
        EXPECT_EQ(FormatFixed(-0.0, 5), On(sep, "0,0000"));
        EXPECT_EQ(FormatFixed(-0.0004, 3), On(sep, "0,00"));  // no sign on a rounded zero
    }
}

TEST(FormatFixed, NeverCutsWideValuesAndHandlesExtremes) {
    for (char sep : {',', '.'}) {
        SeparatorGuard g(sep);
        EXPECT_EQ(FormatFixed(123456789, 3), On(sep, "1,23E8"));
        EXPECT_EQ(FormatFixed(99999.6, 5), "   1E5");
        EXPECT_EQ(FormatFixed(-123456789, 3), On(sep, "-1,23E8"));
        EXPECT_EQ(FormatFixed(1013250, 10), On(sep, "1013250,000"));
        EXPECT_EQ(FormatFixed(1e25, 5), "  1E25");
        EXPECT_EQ(FormatFixed(1e300, 5), " 1E300");
        EXPECT_EQ(FormatFixed(-1.5e25, 10), On(sep, "    -1,5E25"));
        EXPECT_EQ(FormatFixed(1234567890123.0, 10), On(sep, "1,23456789E12"));
        EXPECT_EQ(FormatFixed(5e-324, 5), On(sep, "0,0000"));
        EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 5), "   INF");
        EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 2), "INF");
        EXPECT_EQ(FormatFixed(std::nan(""), 5), "   NAN");
    }
}

TEST(FormatGeneral, FifteenSignificantDigitsOnBothSeparators) {
    for (char sep : {',', '.'}) {
        SeparatorGuard g(sep);
        EXPECT_EQ(FormatGeneral(31.999 - 273.15), On(sep, "-241,151"));
        EXPECT_EQ(FormatGeneral(0.1 + 0.2), On(sep, "0,3"));
        EXPECT_EQ(FormatGeneral(0.00001), "1E-5");
        EXPECT_EQ(FormatGeneral(-0.00001), "-1E-5");
        EXPECT_EQ(FormatGeneral(-2.5e-7), On(sep, "-2,5E-7"));
        EXPECT_EQ(FormatGeneral(1.5e20), On(sep, "1,5E20"));
        EXPECT_EQ(FormatGeneral(0.0001), On(sep, "0,0001"));
        EXPECT_EQ(FormatGeneral(0.000123), On(sep, "0,000123"));
        EXPECT_EQ(FormatGeneral(0.0000999), On(sep, "9,99E-5"));
        EXPECT_EQ(FormatGeneral(123456789012345.0), "123456789012345");
        EXPECT_EQ(FormatGeneral(1e15), "1E15");
        EXPECT_EQ(FormatGeneral(999999999999999.9), "1E15");
        EXPECT_EQ(FormatGeneral(1e-300), "1E-300");
        EXPECT_EQ(FormatGeneral(100), "100");
        EXPECT_EQ(FormatGeneral(0), "0");
        EXPECT_EQ(FormatGeneral(2.0 / 3.0), On(sep, "0,666666666666667"));
        EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::infinity()), "INF");
        EXPECT_EQ(FormatGeneral(std::nan("")), "NAN");
    }
}

TEST(FormatFitWidth, NarrowCellExamplesOnBothSeparators) {
    const FormatCase cases[] = {
        {5, 6, "5"},
        {3.14159265, 6, "3,1415"},
        {2.99999999, 6, "2,9999"},
        {12345678.9, 6, "1,23E7"},
        {1234567, 6, "1,23E6"},
        {1.234567e-7, 6, "1,2E-7"},
    };
    for (char sep : {',', '.'}) {
        SeparatorGuard g(sep);
        for (const FormatCase& c : cases) EXPECT_EQ(FormatFitWidth(c.value, c.width), On(sep, c.text)) << c.value;
    }
}

TEST(FormatFitWidth, FittingTextsStayUnpaddedAndWideOnesAreCut) {
    for (char sep : {',', '.'}) {
        SeparatorGuard g(sep);
        EXPECT_EQ(FormatFitWidth(12.5, 6), On(sep, "12,5"));
        EXPECT_EQ(FormatFitWidth(123456, 6), "123456");
        EXPECT_EQ(FormatFitWidth(999999.5, 6), "999999");  // separator dropped with the decimals
        EXPECT_EQ(FormatFitWidth(123.4, 8), On(sep, "123,4"));
        EXPECT_EQ(FormatFitWidth(1234567.5, 8), "1234567");
        // A negative whole part wider than the cell keeps as many mantissa digits as a positive one.
        EXPECT_EQ(FormatFitWidth(-1234567, 6), On(sep, "-1,2E6"));
        EXPECT_EQ(FormatFitWidth(-12345678.9, 8), On(sep, "-1,234E7"));
        EXPECT_EQ(FormatFitWidth(-3.14159, 6), On(sep, "-3,141"));
        EXPECT_EQ(FormatFitWidth(123456789, 8), On(sep, "1,2345E8"));
        EXPECT_EQ(FormatFitWidth(1234567890123.0, 8), On(sep, "1,234E12"));  // above 1e30 when scaled: W characters
        EXPECT_EQ(FormatFitWidth(1.5e-15, 8), On(sep, "1,5E-15"));
        EXPECT_EQ(FormatFitWidth(std::numeric_limits<double>::infinity(), 6), "INF");
    }
}

// Scaled by 1e20, a value just below 1e10 lands at the top of the range whose exponent loses a
// digit; just above it the exponent keeps both digits and the text has exactly W characters.
TEST(FormatFitWidth, ExponentShrinkBoundaryAndCutMantissa) {
    for (char sep : {',', '.'}) {
        SeparatorGuard g(sep);
        EXPECT_EQ(FormatFitWidth(9999999999.5, 8), On(sep, "9,9999E9"));
        EXPECT_EQ(FormatFitWidth(9999999999.5, 6), On(sep, "9,99E9"));
        EXPECT_EQ(FormatFitWidth(10000000001.0, 8), On(sep, "1,000E10"));
        EXPECT_EQ(FormatFitWidth(10000000001.0, 6), On(sep, "1,0E10"));
        EXPECT_EQ(FormatFitWidth(1e10, 8), "1E10");
        // The exponent part stays whole even when only the separator is left of the mantissa digits.
        EXPECT_EQ(FormatFitWidth(1.5e-15, 6), On(sep, "1,E-15"));
    }
}

TEST(FormatFixedPoint, AlwaysAPointOnEitherPlatform) {
    for (char sep : {',', '.'}) {
        SeparatorGuard g(sep);
        EXPECT_EQ(FormatFixedPoint(1.5, 6), "1.50000");
        EXPECT_EQ(FormatFixedPoint(1013250, 6), "1.01325E6");
        EXPECT_EQ(FormatFixedPoint(-12.346, 5), "-12.35");
        EXPECT_EQ(FormatFixedPoint(42, 7), "42.00000");
        EXPECT_EQ(FormatFixedPoint(-2.25, 7), "-2.25000");
        EXPECT_EQ(FormatFixedPoint(12345, 5), " 12345");
    }
}

TEST(FormatFixed, TheMostNegativeWidthActsAsAnyNegativeWidth) {
    const double values[] = {1.5, -1234.5, 0.0004, 123456789, -1e300, 5e-324, std::nan("")};
    for (char sep : {',', '.'}) {
        SeparatorGuard g(sep);
        EXPECT_EQ(FormatFixed(1.5, INT_MIN), "2");
        EXPECT_EQ(FormatFixed(-1234.5, INT_MIN), On(sep, "-1,2E3"));
        for (double v : values) {
            EXPECT_EQ(FormatFixed(v, INT_MIN), FormatFixed(v, -1)) << v;
            EXPECT_EQ(FormatFixedPoint(v, INT_MIN), FormatFixedPoint(v, -1)) << v;
        }
    }
}

TEST(FormatFitWidth, TheMostNegativeWidthActsAsAnyNegativeWidth) {
    // 1.5 and -2.5e12 take the scaled exponent form, whose cut length is one more than the width.
    const double values[] = {1.5, -2.5e12, 3.14159265, 1.234567e-7, -1e300, 0};
    for (char sep : {',', '.'}) {
        SeparatorGuard g(sep);
        EXPECT_EQ(FormatFitWidth(1.5, INT_MIN), "E0");
        for (double v : values) EXPECT_EQ(FormatFitWidth(v, INT_MIN), FormatFitWidth(v, -1)) << v;
    }
}
