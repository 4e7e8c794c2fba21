#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/separator_guard.h"

using namespace tubalyx;

TEST(StrToFloatAnySep, CommaPlatformSwapsPointAndKeepsRewrittenText) {
    SeparatorGuard g(',');
    std::string t = "12.5";
    EXPECT_DOUBLE_EQ(StrToFloatAnySep(t), 12.5);
    EXPECT_EQ(t, "12,5");
    t = "12,5";
    EXPECT_DOUBLE_EQ(StrToFloatAnySep(t), 12.5);
    EXPECT_EQ(t, "12,5");
}

TEST(StrToFloatAnySep, PointPlatformSwapsComma) {
    SeparatorGuard g('.');
    std::string t = "12,5";
    EXPECT_DOUBLE_EQ(StrToFloatAnySep(t), 12.5);
    EXPECT_EQ(t, "12.5");
}

TEST(StrToFloatAnySep, MixedSeparatorsFailAfterOneSwap) {
    for (char sep : {',', '.'}) {
        SeparatorGuard g(sep);
        std::string t = "1,234.5";
        EXPECT_EQ(StrToFloatAnySep(t), 0.0);
        EXPECT_EQ(t, "1.234.5");
    }
}

TEST(StrToFloat, NoNumberGivesZeroAndLeavesText) {
    for (char sep : {',', '.'}) {
        SeparatorGuard g(sep);
        for (std::string t :
             {std::string(""), std::string("abc"), std::string("1e"), std::string("-"), std::string("1e999")}) {
            std::string copy = t;
            EXPECT_EQ(StrToFloatSafe(t), 0.0) << t;
            EXPECT_EQ(StrToFloatAnySep(copy), 0.0) << t;
            if (t.find_first_of(".,") == std::string::npos) {
                EXPECT_EQ(copy, t);
            }
        }
        EXPECT_EQ(StrToFloatSafe("  7  "), 7.0);
        EXPECT_EQ(StrToFloatSafe("1e3"), 1000.0);
        EXPECT_EQ(StrToFloatSafe("-2E-2"), -0.02);
        EXPECT_EQ(StrToFloatSafe("+4"), 4.0);
    }
}

TEST(StrToFloatSafe, UsesOnlyThePlatformSeparator) {
    SeparatorGuard g(',');
    EXPECT_EQ(StrToFloatSafe("2,5"), 2.5);
    EXPECT_EQ(StrToFloatSafe("2.5"), 0.0);
    SetDecimalSeparator('.');
    EXPECT_EQ(StrToFloatSafe("2.5"), 2.5);
    EXPECT_EQ(StrToFloatSafe("2,5"), 0.0);
}

TEST(NumericHelpers, EdgesOfTheirDomains) {
    EXPECT_DOUBLE_EQ(ArcCosine(-1), 3.141592653589793);
    EXPECT_EQ(ArcCosine(1), 0.0);
    EXPECT_EQ(ArcCosine(1.5), 0.0);
    EXPECT_DOUBLE_EQ(ArcCosine(0), M_PI / 2);
    EXPECT_NEAR(ArcCosine(0.5), std::acos(0.5), 1e-15);
    EXPECT_EQ(MinDouble(2, 3), 2);
    EXPECT_EQ(MaxDouble(2, 3), 3);
    EXPECT_TRUE(std::signbit(MinDouble(0.0, -0.0)));  // equal arguments give the second
    EXPECT_FALSE(std::signbit(MaxDouble(-0.0, 0.0)));
    EXPECT_EQ(PowerDouble(0, 0), 0.0);
    EXPECT_EQ(PowerDouble(0, -2), 0.0);
    EXPECT_NEAR(PowerDouble(-8, 1.0 / 3), 2.0, 1e-14);
    EXPECT_NEAR(PowerDouble(2, 10), 1024.0, 1e-10);
    EXPECT_NEAR(Log10Abs(-100), 2.0, 1e-15);
}

TEST(NumericHelpers, FaultsRaiseCalcError) {
    EXPECT_THROW(Log10Abs(0), CalcError);
    EXPECT_THROW(PowerDouble(10, 400), CalcError);
    EXPECT_THROW(CheckedDiv(1, 0), CalcError);
    EXPECT_THROW(CheckedSqrt(-1), CalcError);
    EXPECT_THROW(CheckedLn(-1), CalcError);
    EXPECT_THROW(CheckFinite(std::nan("")), CalcError);
    EXPECT_EQ(CheckedDiv(1, 4), 0.25);
}

// An ordered comparison with an invalid value is itself an invalid operation: a NaN must not
// come out of an angle or a power as an ordinary value.
TEST(NumericHelpers, InvalidArgumentsRaiseCalcError) {
    const double nan = std::nan("");
    // The clamps answer the second argument, as for equal arguments.
    EXPECT_EQ(MinDouble(nan, 3), 3.0);
    EXPECT_EQ(MaxDouble(nan, 3), 3.0);
    EXPECT_THROW(ArcCosine(nan), CalcError);
    EXPECT_THROW(PowerDouble(nan, 2), CalcError);
    EXPECT_THROW(PowerDouble(2, nan), CalcError);
    EXPECT_THROW(Log10Abs(nan), CalcError);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(MinDouble(inf, 3), 3.0);
    EXPECT_EQ(MaxDouble(-inf, 3), 3.0);
    EXPECT_EQ(ArcCosine(-inf), 0.0);
    EXPECT_EQ(ArcCosine(std::nextafter(-1.0, -2.0)), 0.0);
    EXPECT_NEAR(ArcCosine(std::nextafter(-1.0, 0.0)), 3.141592653589793, 1e-7);
}
